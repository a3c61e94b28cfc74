// SPDX-License-Identifier: MIT
// Making a window's controls from its design, in its focus order, and changing them.
#include "formbuilder.h"

#include "common.h"
#include "text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>
#include <limits>

namespace quimbelo::win32 {

using design::Kind;

namespace {

// A frame: a panel holding other controls, bordered, with or without a caption. It hands
// its children's notifications to the window, is painted as the window is, and reports
// a click on its free surface.
class Frame : public Window
{
public:
    Frame(FormBuilder &form, DWORD exStyle, const std::wstring &caption, DWORD style, HWND parent,
        int id)
        : m_form(form)
    {
        create(L"QuimbeloFrame", exStyle, caption, style, {}, {}, parent, id);
    }

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_DRAWITEM:
            return SendMessageW(GetAncestor(m_hwnd, GA_ROOT), message, wParam, lParam);
        case WM_LBUTTONDOWN:
            // A press, so that a release on the frame makes a click.
            m_pressed = true;
            SetCapture(m_hwnd);
            return 0;
        case WM_LBUTTONUP: {
            const bool pressed = m_pressed;
            m_pressed = false;
            ReleaseCapture();
            RECT client {};
            GetClientRect(m_hwnd, &client);
            const POINT at { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
            if (pressed && PtInRect(&client, at)) {
                SendMessageW(GetAncestor(m_hwnd, GA_ROOT), WM_COMMAND,
                    MAKEWPARAM(GetDlgCtrlID(m_hwnd), BN_CLICKED), reinterpret_cast<LPARAM>(m_hwnd));
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            m_pressed = false;
            return 0;
        case WM_SETFONT:
            m_font = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(m_font);
        default:
            break;
        }
        LRESULT result = 0;
        if (m_form.handle(m_hwnd, message, wParam, lParam, result)) {
            return result;
        }
        return Window::handle(message, wParam, lParam);
    }

    FormBuilder &m_form;
    bool m_pressed = false;
    HFONT m_font = nullptr;
};

DWORD labelAlignment(const design::Control &control)
{
    switch (control.align) {
    case design::Align::Centre:
        return SS_CENTER;
    case design::Align::Right:
        return SS_RIGHT;
    case design::Align::Left:
        break;
    }
    return control.has(design::kWraps) ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

// The order the controls are made in, which is their focus order: those that take the
// focus by their tab order; every other one just before the next of those that follows
// it in the design, so that a label stays the neighbour of the box it names.
std::vector<const design::Control *> creationOrder(const design::Window &design)
{
    std::vector<std::pair<int, const design::Control *>> keyed;
    int next = std::numeric_limits<int>::max();
    for (auto it = design.controls.rbegin(); it != design.controls.rend(); ++it) {
        const bool takesFocus = it->tabOrder >= 0 && it->kind != Kind::PictureBox;
        if (takesFocus) {
            next = it->tabOrder;
        }
        keyed.emplace_back(takesFocus ? 2 * it->tabOrder + 1 : 2 * std::min(next, 1 << 29), &*it);
    }
    std::reverse(keyed.begin(), keyed.end());
    std::stable_sort(
        keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<const design::Control *> order;
    for (const auto &entry : keyed) {
        order.push_back(entry.second);
    }
    return order;
}

} // namespace

FormBuilder::~FormBuilder()
{
    for (FormControl &control : m_controls) {
        if (control.backgroundBrush != nullptr) {
            DeleteObject(control.backgroundBrush);
        }
    }
}

int FormBuilder::controlId(const design::Window &design, const design::Control &control)
{
    return 1000 + static_cast<int>(&control - design.controls.data());
}

void FormBuilder::build(const design::Window &design, HWND window)
{
    begin(design, window);
    buildSome(m_unbuilt.size());
}

void FormBuilder::begin(const design::Window &design, HWND window)
{
    m_design = &design;
    m_window = window;
    m_layout.setDpi(GetDpiForWindow(window));
    m_painter.setDpi(m_layout.dpi());

    m_toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, window, nullptr, GetModuleHandleW(nullptr), nullptr);

    // Every control keeps its address: the vector never grows after this.
    m_controls.reserve(design.controls.size());
    for (const design::Control *designed : creationOrder(design)) {
        FormControl control;
        control.design = designed;
        control.id = controlId(design, *designed);
        control.text = colourRef(designed->text);
        control.background = colourRef(designed->background);
        if (control.background != CLR_INVALID) {
            control.backgroundBrush = CreateSolidBrush(control.background);
        }
        control.toolTip = fromUtf8(designed->toolTip);
        m_controls.push_back(std::move(control));
    }

    // Frames first, so that what they hold has a parent; then everything in order.
    for (int pass = 1; pass >= 0; --pass) {
        for (auto control = m_controls.rbegin(); control != m_controls.rend(); ++control) {
            if ((control->design->kind == Kind::Frame) == (pass == 0)) {
                m_unbuilt.push_back(&*control);
            }
        }
    }
    m_previousKind = nullptr;
    m_previousParent = nullptr;
}

bool FormBuilder::buildSome(std::size_t count)
{
    if (m_unbuilt.empty()) {
        return true;
    }
    for (; count > 0 && !m_unbuilt.empty(); --count) {
        FormControl &control = *m_unbuilt.back();
        m_unbuilt.pop_back();
        const design::Control &designed = *control.design;
        control.picture = pictures::Picture::make(designed.picture, designed.index);
        HWND parent = m_window;
        if (!designed.container.empty()) {
            parent = get(designed.container).hwnd;
        }
        control.container = parent;
        const bool optionRun = m_previousKind != nullptr && *m_previousKind == Kind::Option
            && designed.kind == Kind::Option && m_previousParent == parent;
        control.hwnd = create(control, parent, !optionRun);
        if (control.hwnd != nullptr) {
            m_previousKind = &designed.kind;
            m_previousParent = parent;
        }
    }
    if (!m_unbuilt.empty()) {
        return false;
    }
    layout(dpi());
    return true;
}

bool FormBuilder::preparePictures(std::size_t count)
{
    if (!m_unprepared) {
        m_unprepared.emplace();
        for (const FormControl &control : m_controls) {
            if (control.picture && control.hwnd != nullptr
                && (GetWindowLongW(control.hwnd, GWL_STYLE) & WS_VISIBLE) != 0) {
                m_unprepared->push_back(&control);
            }
        }
    }
    for (; count > 0 && !m_unprepared->empty(); --count) {
        m_unprepared->back()->picture->prepare(dpi());
        m_unprepared->pop_back();
    }
    return m_unprepared->empty();
}

HWND FormBuilder::create(FormControl &control, HWND parent, bool groupStart)
{
    const design::Control &designed = *control.design;
    DWORD style = WS_CHILD | (designed.has(design::kHidden) ? 0 : WS_VISIBLE);
    DWORD exStyle = 0;
    const wchar_t *className = nullptr;
    std::wstring text = fromUtf8(designed.caption);
    switch (designed.kind) {
    case Kind::Label:
        className = WC_STATICW;
        // Notifying statics take the mouse, so a click on one never reaches what lies
        // behind it, and their tool tips show.
        style |= SS_NOTIFY | SS_NOPREFIX | labelAlignment(designed)
            | (designed.has(design::kBorder) ? WS_BORDER : 0);
        break;
    case Kind::Image:
    case Kind::PictureBox:
        className = WC_STATICW;
        style |= SS_OWNERDRAW | SS_NOTIFY;
        exStyle |= designed.kind == Kind::PictureBox ? WS_EX_CLIENTEDGE : 0;
        // What a screen reader says of a picture: its name, as the window's text.
        text = fromUtf8(designed.accessibleName);
        break;
    case Kind::Button:
        className = WC_BUTTONW;
        style |= designed.has(design::kGraphical)
            ? BS_OWNERDRAW
            : (designed.has(design::kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        style |= designed.tabOrder >= 0 ? WS_TABSTOP : 0;
        break;
    case Kind::TextBox:
        className = WC_EDITW;
        style |= ES_AUTOHSCROLL | (designed.tabOrder >= 0 ? WS_TABSTOP : 0);
        exStyle |= WS_EX_CLIENTEDGE;
        text = fromUtf8(designed.accessibleName);
        break;
    case Kind::Frame:
        exStyle |= WS_EX_CONTROLPARENT;
        break;
    case Kind::Option:
        className = WC_BUTTONW;
        style |= BS_AUTORADIOBUTTON | (designed.has(design::kSelected) ? WS_TABSTOP : 0);
        break;
    case Kind::Shape:
    case Kind::Line:
    case Kind::Timer:
        return nullptr;
    }
    if (groupStart) {
        style |= WS_GROUP;
    }
    HWND hwnd = nullptr;
    if (designed.kind == Kind::Frame) {
        m_frames.push_back(
            std::make_unique<Frame>(*this, exStyle, text, style, parent, control.id));
        hwnd = m_frames.back()->hwnd();
    } else {
        hwnd = CreateWindowExW(exStyle, className, text.c_str(), style, 0, 0, 0, 0, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), GetModuleHandleW(nullptr),
            nullptr);
    }
    if (hwnd == nullptr) {
        return nullptr;
    }
    if (designed.kind == Kind::TextBox) {
        SetWindowTextW(hwnd, L""); // the name was only for screen readers' first look
    }
    if (designed.has(design::kSelected)) {
        SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    }
    if (!control.toolTip.empty() && m_toolTips != nullptr) {
        TTTOOLINFOW tool {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent;
        tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
        tool.lpszText = control.toolTip.data();
        SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return hwnd;
}

void FormBuilder::layout(UINT dpi)
{
    if (dpi != m_layout.dpi()) {
        m_layout.setDpi(dpi);
        m_painter.setDpi(dpi);
    }
    m_layout.apply(m_controls);
    InvalidateRect(m_window, nullptr, TRUE);
}

FormControl &FormBuilder::get(std::string_view name, int index)
{
    for (FormControl &control : m_controls) {
        if (control.design->name == name && control.design->index == index) {
            return control;
        }
    }
    std::abort(); // a name the design does not hold: a programming error
}

void FormBuilder::setText(FormControl &control, const std::wstring &text)
{
    SetWindowTextW(control.hwnd, text.c_str());
    if (control.design->kind == Kind::Label) {
        m_layout.place(control);
        redraw(control);
    }
}

void FormBuilder::setTextColour(FormControl &control, COLORREF colour)
{
    if (control.text == colour) {
        return;
    }
    control.text = colour;
    redraw(control);
}

void FormBuilder::setPicture(FormControl &control, pictures::Picture::Ptr picture)
{
    if (control.picture == picture) {
        return;
    }
    control.picture = std::move(picture);
    redraw(control);
}

void FormBuilder::redraw(const FormControl &control)
{
    if (control.hwnd == nullptr) {
        return;
    }
    if (control.background == CLR_INVALID && control.design->kind == Kind::Label) {
        // A label without a background of its own shows its container behind its text:
        // the container repaints that part first, then the label.
        RECT box {};
        GetWindowRect(control.hwnd, &box);
        MapWindowPoints(nullptr, control.container, reinterpret_cast<POINT *>(&box), 2);
        RedrawWindow(control.container, &box, nullptr,
            RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    }
    InvalidateRect(control.hwnd, nullptr, TRUE);
}

} // namespace quimbelo::win32
