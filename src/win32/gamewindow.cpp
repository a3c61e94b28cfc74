// SPDX-License-Identifier: MIT
#include "gamewindow.h"
#include "common.h"

#include "form1.h"
#include "messagebox.h"
#include "text.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

using namespace quimbelo;
namespace form1 = quimbelo::design::form1;

namespace {

constexpr wchar_t kWindowClass[] = L"QuimbeloForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

const design::Control &timer(std::string_view name)
{
    return design::get(form1::kWindow, name);
}

int timerId(std::string_view name)
{
    return FormBuilder::controlId(form1::kWindow, timer(name));
}

// Each step builds this many controls: a step is short enough for a key pressed meanwhile
// to be answered at once.
constexpr std::size_t kControlsPerStep = 8;
constexpr std::size_t kPicturesPerStep = 1;

} // namespace

GameWindow::GameWindow(Surroundings &surroundings, Building building)
    : m_game(*this, surroundings)
{
    create();
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

void GameWindow::create()
{
    static const bool registered = [] {
        WNDCLASSEXW form {};
        form.cbSize = sizeof(WNDCLASSEXW);
        form.lpfnWndProc = windowProc;
        form.hInstance = GetModuleHandleW(nullptr);
        form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        form.lpszClassName = kWindowClass;
        return RegisterClassExW(&form) != 0;
    }();
    (void)registered;

    const std::wstring title = win32text::fromUtf8(form1::kWindow.caption);
    m_hwnd = CreateWindowExW(kExStyle, kWindowClass, title.c_str(), kStyle, CW_USEDEFAULT,
        CW_USEDEFAULT, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    buildMenu();
    m_controls.begin(form1::kWindow, m_hwnd);
}

void GameWindow::finishControls()
{
    // The client area the window's run-time outer size leaves: the picture stores
    // designed further right stay out of sight.
    for (const FormBuilder::Control &control : m_controls.controls()) {
        if (control.hwnd != nullptr && control.design->place.left >= form1::kRunTimeClient.width) {
            ShowWindow(control.hwnd, SW_HIDE);
        }
    }
    for (int i = 0; i < kLetraCount; ++i) {
        Letra[i] = &m_controls.get("Letra", i);
        SetWindowSubclass(
            Letra[i]->hwnd, letraProc, static_cast<UINT_PTR>(i), reinterpret_cast<DWORD_PTR>(this));
    }
    for (int i = 0; i < kThemeCount; ++i) {
        Option[i] = &m_controls.get("Option" + std::to_string(i + 1));
        if (SendMessageW(Option[i]->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            m_selectedOption = i + 1;
        }
    }
    for (int k = 0; k <= kLastStage; ++k) {
        Image3[k] = &m_controls.get("Image3", k);
    }
    Image1 = &m_controls.get("Image1");
    Text1 = &m_controls.get("Text1");
    resizeForDpi(m_controls.dpi(), nullptr);
}

void GameWindow::buildMenu()
{
    HMENU bar = CreateMenu();
    std::vector<ACCEL> keys;
    std::vector<std::pair<std::string_view, HMENU>> menus;
    for (const design::MenuItem &item : form1::kMenu) {
        const std::wstring caption = win32text::fromUtf8(item.caption);
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
    SetMenu(m_hwnd, bar);
    m_accelerators = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void GameWindow::resizeForDpi(UINT dpi, const RECT *suggested)
{
    // The client area is the one the design's run-time outer size leaves with a standard
    // frame, title bar and menu bar; the frame around it is this system's.
    RECT outer = FormBuilder::scaled(form1::kRunTimeClient, dpi);
    AdjustWindowRectExForDpi(&outer, kStyle, TRUE, kExStyle, dpi);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    if (suggested != nullptr) {
        SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top, width, height,
            SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(
            m_hwnd, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
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
    m_game.Form_Load();
    if (m_game.ended()) {
        return false;
    }
    m_controls.setPicture(m_controls.get("Image7"),
        splashWordmark ? std::move(splashWordmark)
                       : pictures::Picture::make(design::Picture::Wordmark));
    for (const std::string_view name : { "Timer1", "Timer2" }) {
        SetTimer(m_hwnd, static_cast<UINT_PTR>(timerId(name)),
            static_cast<UINT>(std::max(timer(name).interval, design::kTimerResolutionMs)), nullptr);
    }
    return true;
}

void GameWindow::showCentred()
{
    RECT window {};
    GetWindowRect(m_hwnd, &window);
    MONITORINFO monitor {};
    monitor.cbSize = sizeof(MONITORINFO);
    GetMonitorInfoW(MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT &work = monitor.rcWork;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(m_hwnd, nullptr, work.left + (work.right - work.left - width) / 2,
        work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    if (IsWindowEnabled(Letra[0]->hwnd)) {
        SetFocus(Letra[0]->hwnd);
    }
}

bool GameWindow::translate(MSG &msg)
{
    if (m_hwnd == nullptr || (msg.hwnd != m_hwnd && !IsChild(m_hwnd, msg.hwnd))) {
        return false;
    }
    return TranslateAcceleratorW(m_hwnd, m_accelerators, &msg) != 0
        || IsDialogMessageW(m_hwnd, &msg) != 0;
}

LRESULT CALLBACK GameWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *create = reinterpret_cast<CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *self = reinterpret_cast<GameWindow *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->m_hwnd == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
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
        if (static_cast<int>(wParam) == timerId("Timer1")) {
            m_game.Timer1_Timer();
        } else if (static_cast<int>(wParam) == timerId("Timer2")) {
            m_game.Timer2_Timer();
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
        fitPelicula1();
        resizeForDpi(HIWORD(wParam), reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_CLOSE:
        DestroyWindow(m_hwnd);
        return 0;
    case WM_DESTROY:
        KillTimer(m_hwnd, static_cast<UINT_PTR>(timerId("Timer1")));
        KillTimer(m_hwnd, static_cast<UINT_PTR>(timerId("Timer2")));
        m_hwnd = nullptr;
        // Closing the game window ends the program.
        finish(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

void GameWindow::command(int id, int code)
{
    if (id == menuCommand("MnNuevoJuego")) {
        m_game.MnNuevoJuego_Click();
    } else if (id == menuCommand("MnSalir")) {
        m_game.MnSalir_Click();
    } else if (id == menuCommand("MnAyuda2")) {
        m_game.MnAyuda2_Click();
    } else if (id == menuCommand("MnAcerca")) {
        if (onAbout) {
            rememberFocus();
            onAbout();
        }
    }
    FormBuilder::Control *control = m_controls.fromId(id);
    if (control == nullptr || code != BN_CLICKED) { // STN_CLICKED too
        return;
    }
    const design::Control &designed = *control->design;
    if (designed.name == "Letra") {
        m_game.Letra_Click(static_cast<std::int16_t>(designed.index));
    } else if (designed.name == "Command1") {
        m_game.Command1_Click();
    } else if (designed.name == "Image2") {
        m_game.Image2_Click();
    } else if (designed.name == "Image4") {
        m_game.Image4_Click();
    } else if (designed.kind == design::Kind::Option) {
        // A theme is picked when its option becomes the selected one, by the mouse or by
        // the arrow keys; a click on the selected one picks nothing.
        const int option = selectedOption();
        if (option == m_selectedOption) {
            return;
        }
        m_selectedOption = option;
        switch (option) {
        case 1:
            m_game.Option1_Click();
            break;
        case 2:
            m_game.Option2_Click();
            break;
        case 3:
            m_game.Option3_Click();
            break;
        case 4:
            m_game.Option4_Click();
            break;
        default:
            break;
        }
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
        const int code = win32text::cp1252Code(static_cast<wchar_t>(wParam));
        if (code > 0) {
            reinterpret_cast<GameWindow *>(self)->m_game.Letra_KeyPress(
                static_cast<std::int16_t>(id), static_cast<std::int16_t>(code));
        }
        // The key goes on to the button.
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, letraProc, id);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

FormBuilder::Control &GameWindow::labelOf(Caption label) const
{
    switch (label) {
    case Caption::Pelicula1:
        return m_controls.get("Pelicula1");
    case Caption::Label4:
        return m_controls.get("Label4");
    case Caption::Label5:
        return m_controls.get("Label5");
    case Caption::Label6:
        return m_controls.get("Label6");
    case Caption::Label7:
        return m_controls.get("Label7");
    case Caption::Label11:
        break;
    }
    return m_controls.get("Label11");
}

FormBuilder::Control &GameWindow::labelOf(ColourLabel label) const
{
    return m_controls.get(label == ColourLabel::Label12 ? "Label12" : "Label15");
}

FormBuilder::Control &GameWindow::imageOf(ImageControl control) const
{
    switch (control) {
    case ImageControl::Image4:
        return m_controls.get("Image4");
    case ImageControl::Image5:
        return m_controls.get("Image5");
    case ImageControl::Image6:
        break;
    }
    return m_controls.get("Image6");
}

std::string GameWindow::caption(Caption label) const
{
    return win32text::toCp1252(win32text::windowText(labelOf(label).hwnd));
}

void GameWindow::setCaption(Caption label, const std::string &text)
{
    FormBuilder::Control &target = labelOf(label);
    if (label == Caption::Pelicula1) {
        SetWindowTextW(target.hwnd, win32text::fromCp1252(text).c_str());
        fitPelicula1();
        m_controls.redraw(target);
        return;
    }
    m_controls.setText(target, win32text::fromCp1252(text));
}

void GameWindow::fitPelicula1()
{
    // Pelicula1 shows titles longer than its width in a smaller size of its font rather
    // than cutting them off.
    FormBuilder::Control &label = m_controls.get("Pelicula1");
    const std::wstring text = win32text::windowText(label.hwnd);
    RECT box {};
    GetClientRect(label.hwnd, &box);
    design::Font font = label.design->font;
    HDC dc = GetDC(label.hwnd);
    while (true) {
        HGDIOBJ old = SelectObject(dc, m_controls.font(font));
        SIZE extent {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, old);
        if (font.points <= 7.0 || extent.cx <= box.right) {
            break;
        }
        font.points -= 0.75;
    }
    ReleaseDC(label.hwnd, dc);
    m_controls.setFont(label, m_controls.font(font));
}

std::string GameWindow::letraCaption(int index) const
{
    return win32text::toCp1252(
        win32text::windowText(Letra.at(static_cast<std::size_t>(index))->hwnd));
}

bool GameWindow::letraEnabled(int index) const
{
    return IsWindowEnabled(Letra.at(static_cast<std::size_t>(index))->hwnd) != 0;
}

void GameWindow::setLetraEnabled(int index, bool enabled)
{
    HWND key = Letra.at(static_cast<std::size_t>(index))->hwnd;
    if (!enabled && GetFocus() == key) {
        // The focus stays among the letter keys, so that typing goes on guessing.
        for (int step = 1; step < kLetraCount; ++step) {
            HWND next = Letra[static_cast<std::size_t>((index + step) % kLetraCount)]->hwnd;
            if (IsWindowEnabled(next)) {
                SetFocus(next);
                break;
            }
        }
    }
    EnableWindow(key, enabled ? TRUE : FALSE);
}

bool GameWindow::focusFirstLetra()
{
    if (!IsWindowEnabled(Letra[0]->hwnd)) {
        return false;
    }
    SetFocus(Letra[0]->hwnd);
    return true;
}

std::string GameWindow::solveText() const
{
    return win32text::toCp1252(win32text::windowText(Text1->hwnd));
}

void GameWindow::setSolveText(const std::string &text)
{
    SetWindowTextW(Text1->hwnd, win32text::fromCp1252(text).c_str());
}

int GameWindow::selectedOption() const
{
    for (int i = 0; i < kThemeCount; ++i) {
        if (SendMessageW(Option[static_cast<std::size_t>(i)]->hwnd, BM_GETCHECK, 0, 0)
            == BST_CHECKED) {
            return i + 1;
        }
    }
    return kDefaultOption;
}

void GameWindow::showStage(int stage)
{
    const int shown = std::clamp(stage, 0, kLastStage);
    m_controls.setPicture(*Image1, Image3[static_cast<std::size_t>(shown)]->picture);
    const std::wstring name
        = L"Horca: " + std::to_wstring(shown) + L" de " + std::to_wstring(kLastStage);
    SetWindowTextW(Image1->hwnd, name.c_str());
}

PictureId GameWindow::picture(ImageControl control) const
{
    return reinterpret_cast<PictureId>(imageOf(control).picture.get());
}

void GameWindow::sharePicture(ImageControl source, ImageControl target)
{
    m_controls.setPicture(imageOf(target), imageOf(source).picture);
}

Rgb GameWindow::textColour(ColourLabel label) const
{
    const COLORREF colour = labelOf(label).text;
    return (static_cast<Rgb>(GetRValue(colour)) << 16) | (static_cast<Rgb>(GetGValue(colour)) << 8)
        | GetBValue(colour);
}

void GameWindow::setTextColour(ColourLabel label, Rgb colour)
{
    m_controls.setTextColour(labelOf(label), FormBuilder::colourRef(colour));
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
    const std::string &text, MessageStyle style, const std::string &title)
{
    rememberFocus();
    return messagebox::show(
        m_hwnd != nullptr && IsWindowVisible(m_hwnd) ? m_hwnd : nullptr, text, style, title);
}

void GameWindow::endProgram()
{
    if (m_hwnd != nullptr) {
        KillTimer(m_hwnd, static_cast<UINT_PTR>(timerId("Timer1")));
        KillTimer(m_hwnd, static_cast<UINT_PTR>(timerId("Timer2")));
        ShowWindow(m_hwnd, SW_HIDE);
    }
    finish(m_game.failed() ? 1 : 0);
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
