// SPDX-License-Identifier: MIT
// The game window's frame, menu, keys and messages, and its widgets for the play layer.
#include "gamewindow.h"

#include "accessibility.h"
#include "common.h"
#include "messagebox.h"
#include "text.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace quimbelo::win32 {

namespace form1 = design::form1;

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

// Each step builds this many controls: a step is short enough for a key pressed meanwhile
// to be answered at once.
constexpr std::size_t kControlsPerStep = 8;
constexpr std::size_t kPicturesPerStep = 1;

// The commands of F3 and F4, which ask what a screen reader says of the round and of the
// counters; no menu item shows them.
constexpr WORD kSpeakRound = 3000;
constexpr WORD kSpeakCounters = 3001;

} // namespace

GameWindow::GameWindow(Surroundings &surroundings, Building building)
    : m_play(*this, surroundings)
{
    create(L"QuimbeloForm1", kExStyle, fromUtf8(form1::kWindow.caption), kStyle,
        { CW_USEDEFAULT, CW_USEDEFAULT }, { 100, 100 });
    m_widgets.attach(m_hwnd);
    buildMenu();
    m_controls.begin(form1::kWindow, m_hwnd);
    if (building == Building::Whole) {
        while (!buildSome()) { }
    }
}

bool GameWindow::buildSome()
{
    if (m_built) {
        return true;
    }
    if (!m_controlsBuilt) {
        if (m_controls.buildSome(kControlsPerStep)) {
            finishControls();
            m_controlsBuilt = true;
        }
        return false;
    }
    m_built = m_controls.preparePictures(kPicturesPerStep);
    return m_built;
}

GameWindow::~GameWindow()
{
    m_finished = true; // closing now is no longer the player's doing
    if (m_hwnd != nullptr) {
        DestroyWindow(m_hwnd);
    }
    if (m_accelerators != nullptr) {
        DestroyAcceleratorTable(m_accelerators);
    }
    for (HICON icon : { m_bigIcon, m_smallIcon }) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

int GameWindow::menuCommand(std::string_view name)
{
    for (std::size_t i = 0; i < form1::kMenu.size(); ++i) {
        if (form1::kMenu[i].name == name) {
            return 2000 + static_cast<int>(i);
        }
    }
    return 0;
}

void GameWindow::finishControls()
{
    for (int i = 0; i < kLetraCount; ++i) {
        SetWindowSubclass(of(form1::letra(i)).hwnd, letraProc, static_cast<UINT_PTR>(i),
            reinterpret_cast<DWORD_PTR>(this));
    }
    m_play.built();
    resizeForDpi(m_controls.dpi(), nullptr);
}

void GameWindow::buildMenu()
{
    HMENU bar = CreateMenu();
    std::vector<ACCEL> keys;
    std::vector<std::pair<std::string_view, HMENU>> menus;
    for (const design::MenuItem &item : form1::kMenu) {
        const std::wstring caption = fromUtf8(item.caption);
        if (item.parent.empty()) {
            HMENU menu = CreatePopupMenu();
            AppendMenuW(
                bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu), caption.c_str());
            menus.emplace_back(item.name, menu);
            continue;
        }
        const auto parent = std::find_if(menus.begin(), menus.end(),
            [&](const auto &menu) { return menu.first == item.parent; });
        if (parent == menus.end()) {
            continue;
        }
        const int id = menuCommand(item.name);
        if (item.isSeparator()) {
            AppendMenuW(parent->second, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(parent->second, MF_STRING, static_cast<UINT_PTR>(id), caption.c_str());
        }
        // The captions show the shortcuts; the keys themselves work for the whole window,
        // whichever control has the focus.
        if (item.shortcut == design::Shortcut::F2) {
            keys.push_back({ FVIRTKEY, VK_F2, static_cast<WORD>(id) });
        } else if (item.shortcut == design::Shortcut::CtrlS) {
            keys.push_back({ FVIRTKEY | FCONTROL, 'S', static_cast<WORD>(id) });
        }
    }
    keys.push_back({ FVIRTKEY, VK_F3, kSpeakRound });
    keys.push_back({ FVIRTKEY, VK_F4, kSpeakCounters });
    SetMenu(m_hwnd, bar);
    m_accelerators = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void GameWindow::resizeForDpi(UINT dpi, const RECT *suggested)
{
    // The client area is the one the design's run-time outer size leaves with a standard
    // frame, title bar and menu bar; the frame around it is this system's.
    const SIZE frame = frameSize(
        { scaled(form1::kRunTimeClient.width, dpi), scaled(form1::kRunTimeClient.height, dpi) },
        kStyle, true, kExStyle, dpi);
    if (suggested != nullptr) {
        SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top, frame.cx, frame.cy,
            SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(
            m_hwnd, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
    for (HICON icon : { m_bigIcon, m_smallIcon }) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
    m_bigIcon = pictures::windowIcon(GetSystemMetricsForDpi(SM_CXICON, dpi));
    m_smallIcon = pictures::windowIcon(GetSystemMetricsForDpi(SM_CXSMICON, dpi));
    SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon));
    SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon));
}

bool GameWindow::load(pictures::Picture::Ptr splashWordmark)
{
    while (!buildSome()) { }
    if (!m_play.load()) {
        return false;
    }
    m_controls.setPicture(m_controls.get("Image7"),
        splashWordmark ? std::move(splashWordmark)
                       : pictures::Picture::make(design::Picture::Wordmark));
    return true;
}

void GameWindow::showCentred()
{
    RECT window {};
    GetWindowRect(m_hwnd, &window);
    const POINT at
        = centredOnScreen(m_hwnd, { window.right - window.left, window.bottom - window.top });
    SetWindowPos(m_hwnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    m_play.shown();
}

bool GameWindow::translate(MSG &msg)
{
    if (m_hwnd == nullptr || (msg.hwnd != m_hwnd && !IsChild(m_hwnd, msg.hwnd))) {
        return false;
    }
    if (TranslateAcceleratorW(m_hwnd, m_accelerators, &msg) != 0) {
        return true;
    }
    // Enter presses no button of the window, whichever has the focus and however it got
    // there: the dialog manager would press a button that Tab made the default one. Space
    // presses the focused button, as the button itself does.
    const bool enter
        = (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR)
        && msg.wParam == VK_RETURN;
    const FormControl *control = m_controls.fromWindow(msg.hwnd);
    if (enter && control != nullptr && control->design->kind == design::Kind::Button) {
        return false;
    }
    // A button clicks when Space is released; the Space that handed the splash over is
    // released here, on the key that took the focus, and must not guess it.
    if (msg.wParam == VK_SPACE && msg.message == WM_KEYDOWN) {
        m_spacePressedOn = msg.hwnd;
    } else if (msg.wParam == VK_SPACE && msg.message == WM_KEYUP) {
        const bool pressedHere = m_spacePressedOn == msg.hwnd;
        m_spacePressedOn = nullptr;
        if (!pressedHere) {
            return true;
        }
    }
    return IsDialogMessageW(m_hwnd, &msg) != 0;
}

LRESULT GameWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_controls.handle(m_hwnd, message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (const design::Control *timer = m_widgets.timer(wParam)) {
            m_play.event(*timer);
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            rememberFocus();
        }
        break;
    case WM_SETFOCUS:
        // Back in the window, the control that had the focus takes it again, as in a
        // dialog, so that typing goes on reaching the letter keys.
        if (m_focusOnReturn != nullptr && IsChild(m_hwnd, m_focusOnReturn)
            && IsWindowEnabled(m_focusOnReturn) && IsWindowVisible(m_focusOnReturn)) {
            SetFocus(m_focusOnReturn);
            return 0;
        }
        break;
    case WM_DPICHANGED:
        m_controls.layout(HIWORD(wParam));
        m_play.refit();
        resizeForDpi(HIWORD(wParam), reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_CLOSE:
        DestroyWindow(m_hwnd);
        return 0;
    case WM_DESTROY:
        for (const design::Control &control : form1::kControls) {
            if (control.kind == design::Kind::Timer) {
                m_widgets.stopTimer(control);
            }
        }
        m_hwnd = nullptr;
        // Closing the game window ends the program.
        finish(0);
        return 0;
    default:
        break;
    }
    return Window::handle(message, wParam, lParam);
}

void GameWindow::command(int id, int code)
{
    if (id == kSpeakRound) {
        m_play.speakRound();
        return;
    }
    if (id == kSpeakCounters) {
        m_play.speakCounters();
        return;
    }
    const auto item = static_cast<std::size_t>(id - menuCommand(form1::kMenu[0].name));
    if (item < form1::kMenu.size()) {
        if (form1::kMenu[item].name == "MnAcerca") {
            rememberFocus();
        }
        m_play.menu(form1::kMenu[item].name);
        return;
    }
    // A click, or an option becoming the selected one by the mouse or the arrow keys.
    const FormControl *control = m_controls.fromId(id);
    if (control != nullptr && code == BN_CLICKED) { // STN_CLICKED too
        m_play.event(*control->design);
    }
}

LRESULT CALLBACK GameWindow::letraProc(
    HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self)
{
    if (message == WM_CHAR) {
        // A key held down (the one that closed the splash, say) repeats nothing.
        if ((lParam & (1 << 30)) != 0) {
            return 0;
        }
        reinterpret_cast<GameWindow *>(self)->m_play.typed(
            form1::letra(static_cast<int>(id)), static_cast<char32_t>(wParam));
        // The key goes on to the button.
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, letraProc, id);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

std::string GameWindow::text(const design::Control &box) const
{
    return toUtf8(windowText(of(box).hwnd));
}

void GameWindow::setText(const design::Control &box, std::string_view utf8)
{
    SetWindowTextW(of(box).hwnd, fromUtf8(utf8).c_str());
}

void GameWindow::setEnabled(const design::Control &control, bool enabled)
{
    EnableWindow(of(control).hwnd, enabled ? TRUE : FALSE);
}

void GameWindow::setVisible(const design::Control &control, bool visible)
{
    ShowWindow(of(control).hwnd, visible ? SW_SHOW : SW_HIDE);
}

void GameWindow::setTextColour(const design::Control &control, Rgb colour)
{
    m_controls.setTextColour(of(control), colourRef(colour));
}

void GameWindow::sharePicture(const design::Control &source, const design::Control &target)
{
    m_controls.setPicture(of(target), of(source).picture);
}

PictureId GameWindow::picture(const design::Control &control) const
{
    return reinterpret_cast<PictureId>(of(control).picture.get());
}

void GameWindow::setFontSize(const design::Control &control, double points)
{
    design::Font font = control.font;
    font.points = points;
    SendMessageW(
        of(control).hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_controls.font(font)), FALSE);
}

double GameWindow::textWidth(
    const design::Control &control, std::string_view utf8, double points) const
{
    design::Font font = control.font;
    font.points = points;
    const std::wstring text = fromUtf8(utf8);
    HWND hwnd = of(control).hwnd;
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, m_controls.font(font));
    SIZE extent {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return extent.cx;
}

double GameWindow::lineRoom(const design::Control &control) const
{
    RECT box {};
    GetClientRect(of(control).hwnd, &box);
    return box.right;
}

void GameWindow::setAccessibleName(const design::Control &control, std::string_view utf8)
{
    // A picture shows no text: its window text, which nothing draws, is the name a screen
    // reader reads. A control that shows text is named by it.
    if (control.kind == design::Kind::Image || control.kind == design::Kind::PictureBox) {
        SetWindowTextW(of(control).hwnd, fromUtf8(utf8).c_str());
    }
}

void GameWindow::setAccessibleDescription(const design::Control &control, std::string_view utf8)
{
    accessibility::setDescription(of(control).hwnd, fromUtf8(utf8));
}

bool GameWindow::hasFocus(const design::Control &control) const
{
    return GetFocus() == of(control).hwnd;
}

void GameWindow::setFocus(const design::Control &control)
{
    SetFocus(of(control).hwnd);
}

void GameWindow::stopTimer(const design::Control &timer)
{
    if (m_hwnd != nullptr) {
        m_widgets.stopTimer(timer);
    }
}

void GameWindow::rememberFocus()
{
    // A modal window disables this one before it takes the activation, and with that
    // the focus is gone: it is kept here first.
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(m_hwnd, focus)) {
        m_focusOnReturn = focus;
    }
}

MessageAnswer GameWindow::messageBox(
    std::string_view text, MessageStyle style, std::string_view title)
{
    rememberFocus();
    return messagebox::show(
        m_hwnd != nullptr && IsWindowVisible(m_hwnd) ? m_hwnd : nullptr, text, style, title);
}

void GameWindow::showAbout()
{
    if (onAbout) {
        onAbout();
    }
}

void GameWindow::endProgram(bool failed)
{
    if (m_hwnd != nullptr) {
        ShowWindow(m_hwnd, SW_HIDE);
    }
    finish(failed ? 1 : 0);
}

void GameWindow::finish(int status)
{
    if (m_finished) {
        return;
    }
    m_finished = true;
    if (onEnded) {
        onEnded(status);
    }
}

} // namespace quimbelo::win32
