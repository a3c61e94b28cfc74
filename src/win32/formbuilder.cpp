// SPDX-License-Identifier: MIT
#include "formbuilder.h"
#include "common.h"

#include "text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

using namespace quimbelo::design;

namespace {

constexpr wchar_t kFrameClass[] = L"QuimbeloFrame";

// What a frame remembers of a press, so that a release on it makes a click; and its font.
constexpr wchar_t kPressedProperty[] = L"QuimbeloPressed";
constexpr wchar_t kFontProperty[] = L"QuimbeloFont";

bool isContainerKind(Kind kind)
{
    return kind == Kind::Frame;
}

// A frame: a panel holding other controls, bordered, with or without a caption. It hands
// its children's notifications to the window, paints itself through the builder, and
// reports a click on its free surface.
LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *builder = reinterpret_cast<FormBuilder *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_DRAWITEM:
        return SendMessageW(GetAncestor(hwnd, GA_ROOT), message, wParam, lParam);
    case WM_LBUTTONDOWN:
        SetPropW(hwnd, kPressedProperty, reinterpret_cast<HANDLE>(1));
        SetCapture(hwnd);
        return 0;
    case WM_LBUTTONUP: {
        const bool pressed = RemovePropW(hwnd, kPressedProperty) != nullptr;
        ReleaseCapture();
        RECT client {};
        GetClientRect(hwnd, &client);
        const POINT at { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
        if (pressed && PtInRect(&client, at)) {
            SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_COMMAND,
                MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        RemovePropW(hwnd, kPressedProperty);
        return 0;
    case WM_SETFONT:
        SetPropW(hwnd, kFontProperty, reinterpret_cast<HANDLE>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetPropW(hwnd, kFontProperty));
    case WM_NCDESTROY:
        RemovePropW(hwnd, kPressedProperty);
        RemovePropW(hwnd, kFontProperty);
        break;
    default:
        break;
    }
    if (builder != nullptr) {
        LRESULT result = 0;
        if (builder->handle(hwnd, message, wParam, lParam, result)) {
            return result;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void registerFrameClass()
{
    static const bool registered = [] {
        WNDCLASSEXW frame {};
        frame.cbSize = sizeof(WNDCLASSEXW);
        frame.lpfnWndProc = frameProc;
        frame.hInstance = GetModuleHandleW(nullptr);
        frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        frame.lpszClassName = kFrameClass;
        return RegisterClassExW(&frame) != 0;
    }();
    (void)registered;
}

DWORD labelAlignment(const Control &control)
{
    switch (control.align) {
    case Align::Centre:
        return SS_CENTER;
    case Align::Right:
        return SS_RIGHT;
    case Align::Left:
        break;
    }
    return control.has(kWraps) ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

// The order the controls are made in, which is their focus order: those that take the
// focus by their tab order; every other one just before the next of those that follows
// it in the design, so that a label stays the neighbour of the box it names.
std::vector<const Control *> creationOrder(const Window &design)
{
    std::vector<std::pair<int, const Control *>> keyed;
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
    std::vector<const Control *> order;
    for (const auto &entry : keyed) {
        order.push_back(entry.second);
    }
    return order;
}

} // namespace

FormBuilder::~FormBuilder()
{
    for (Control &control : m_controls) {
        if (control.backgroundBrush != nullptr) {
            DeleteObject(control.backgroundBrush);
        }
    }
    if (m_windowBrush != nullptr) {
        DeleteObject(m_windowBrush);
    }
    for (auto &entry : m_fonts) {
        DeleteObject(entry.second);
    }
    for (HFONT font : m_retiredFonts) {
        DeleteObject(font);
    }
    if (m_envelope != nullptr) {
        DestroyCursor(m_envelope);
    }
}

int FormBuilder::controlId(const Window &design, const quimbelo::design::Control &control)
{
    return 1000 + static_cast<int>(&control - design.controls.data());
}

RECT FormBuilder::scaled(const Twips &place, UINT dpi)
{
    const int left = scaled(place.left, dpi);
    const int top = scaled(place.top, dpi);
    return { left, top, left + scaled(place.width, dpi), top + scaled(place.height, dpi) };
}

COLORREF FormBuilder::colourRef(std::uint32_t rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

COLORREF FormBuilder::colourRef(const Colour &colour)
{
    switch (colour.source) {
    case Colour::Source::Default:
        return CLR_INVALID;
    case Colour::Source::Exact:
        return colourRef(colour.rgb);
    case Colour::Source::System:
        break;
    }
    // The game keeps the classic scheme it was designed in, as the Qt program does:
    // today's schemes give caption text black, which would hide the counters.
    return colourRef(standardValue(colour.role));
}

void FormBuilder::build(const Window &design, HWND window)
{
    begin(design, window);
    buildSome(m_unbuilt.size());
}

void FormBuilder::begin(const Window &design, HWND window)
{
    registerFrameClass();
    m_design = &design;
    m_window = window;
    m_dpi = GetDpiForWindow(window);
    m_windowBrush = CreateSolidBrush(colourRef(design.background));
    m_envelope = pictures::envelopeCursor(m_dpi);

    m_toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, window, nullptr, GetModuleHandleW(nullptr), nullptr);

    // Every control keeps its address: the vector never grows after this.
    m_controls.reserve(design.controls.size());
    for (const quimbelo::design::Control *designed : creationOrder(design)) {
        Control control;
        control.design = designed;
        control.id = controlId(design, *designed);
        control.text = colourRef(designed->text);
        control.background = colourRef(designed->background);
        if (control.background != CLR_INVALID) {
            control.backgroundBrush = CreateSolidBrush(control.background);
        }
        control.toolTip = win32text::fromUtf8(designed->toolTip);
        m_controls.push_back(std::move(control));
    }

    // Containers first, so that what they hold has a parent; then everything in order.
    for (int pass = 1; pass >= 0; --pass) {
        for (auto control = m_controls.rbegin(); control != m_controls.rend(); ++control) {
            if (isContainerKind(control->design->kind) == (pass == 0)) {
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
        Control &control = *m_unbuilt.back();
        m_unbuilt.pop_back();
        const quimbelo::design::Control &designed = *control.design;
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
    layout(m_dpi);
    return true;
}

bool FormBuilder::preparePictures(std::size_t count)
{
    if (!m_unprepared) {
        m_unprepared.emplace();
        for (const Control &control : m_controls) {
            if (control.picture && control.hwnd != nullptr
                && (GetWindowLongW(control.hwnd, GWL_STYLE) & WS_VISIBLE) != 0) {
                m_unprepared->push_back(&control);
            }
        }
    }
    for (; count > 0 && !m_unprepared->empty(); --count) {
        m_unprepared->back()->picture->prepare(m_dpi);
        m_unprepared->pop_back();
    }
    return m_unprepared->empty();
}

HWND FormBuilder::create(Control &control, HWND parent, bool groupStart)
{
    const quimbelo::design::Control &designed = *control.design;
    DWORD style = WS_CHILD | (designed.has(kHidden) ? 0 : WS_VISIBLE);
    DWORD exStyle = 0;
    const wchar_t *className = nullptr;
    std::wstring text = win32text::fromUtf8(designed.caption);
    switch (designed.kind) {
    case Kind::Label:
        className = WC_STATICW;
        // Notifying statics take the mouse, so a click on one never reaches what lies
        // behind it, and their tool tips show.
        style |= SS_NOTIFY | SS_NOPREFIX | labelAlignment(designed)
            | (designed.has(kBorder) ? WS_BORDER : 0);
        break;
    case Kind::Image:
    case Kind::PictureBox:
        className = WC_STATICW;
        style |= SS_OWNERDRAW | SS_NOTIFY;
        exStyle |= designed.kind == Kind::PictureBox ? WS_EX_CLIENTEDGE : 0;
        // What a screen reader says of a picture: its name, as the window's text.
        text = win32text::fromUtf8(designed.accessibleName);
        break;
    case Kind::Button:
        className = WC_BUTTONW;
        style |= designed.has(kGraphical)
            ? BS_OWNERDRAW
            : (designed.has(kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        style |= designed.tabOrder >= 0 ? WS_TABSTOP : 0;
        break;
    case Kind::TextBox:
        className = WC_EDITW;
        style |= ES_AUTOHSCROLL | (designed.tabOrder >= 0 ? WS_TABSTOP : 0);
        exStyle |= WS_EX_CLIENTEDGE;
        text = win32text::fromUtf8(designed.accessibleName);
        break;
    case Kind::Frame:
        className = kFrameClass;
        exStyle |= WS_EX_CONTROLPARENT;
        break;
    case Kind::Option:
        className = WC_BUTTONW;
        style |= BS_AUTORADIOBUTTON | (designed.has(kSelected) ? WS_TABSTOP : 0);
        break;
    case Kind::Shape:
    case Kind::Line:
    case Kind::Timer:
        return nullptr;
    }
    if (groupStart) {
        style |= WS_GROUP;
    }
    HWND hwnd = CreateWindowExW(exStyle, className, text.c_str(), style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), GetModuleHandleW(nullptr),
        nullptr);
    if (hwnd == nullptr) {
        return nullptr;
    }
    if (designed.kind == Kind::TextBox) {
        SetWindowTextW(hwnd, L""); // the name was only for screen readers' first look
    }
    if (designed.kind == Kind::Frame) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    if (designed.has(kSelected)) {
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

HFONT FormBuilder::font(const Font &designed)
{
    const Font &chosen = designed.isDefault() ? kDefaultFont : designed;
    const FontKey key { chosen.family, chosen.points, chosen.bold, chosen.italic };
    auto found = m_fonts.find(key);
    if (found != m_fonts.end()) {
        return found->second;
    }
    const std::wstring family = win32text::fromUtf8(chosen.family);
    const int height = -static_cast<int>(std::lround(chosen.points * m_dpi / 72.0));
    HFONT made = CreateFontW(height, 0, 0, 0, chosen.bold ? FW_BOLD : FW_NORMAL,
        chosen.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, family.c_str());
    m_fonts.emplace(key, made);
    return made;
}

void FormBuilder::layout(UINT dpi)
{
    if (dpi != m_dpi) {
        // The old fonts stay alive until every control has its new one.
        for (auto &entry : m_fonts) {
            m_retiredFonts.push_back(entry.second);
        }
        m_fonts.clear();
        m_dpi = dpi;
        if (m_envelope != nullptr) {
            DestroyCursor(m_envelope);
        }
        m_envelope = pictures::envelopeCursor(dpi);
    }
    for (Control &control : m_controls) {
        if (control.hwnd != nullptr) {
            SendMessageW(control.hwnd, WM_SETFONT,
                reinterpret_cast<WPARAM>(font(control.design->font)), FALSE);
            place(control);
        }
    }
    for (HFONT retired : m_retiredFonts) {
        DeleteObject(retired);
    }
    m_retiredFonts.clear();
    InvalidateRect(m_window, nullptr, TRUE);
}

void FormBuilder::place(Control &control)
{
    const quimbelo::design::Control &designed = *control.design;
    RECT box = scaled(designed.place, m_dpi);
    if (designed.kind == Kind::PictureBox && control.picture) {
        // A picture box takes its picture's size plus its border.
        const SIZE size = control.picture->designSize();
        const int edge = GetSystemMetricsForDpi(SM_CXEDGE, m_dpi);
        box.right = box.left + MulDiv(size.cx, static_cast<int>(m_dpi), 96) + 2 * edge;
        box.bottom = box.top + MulDiv(size.cy, static_cast<int>(m_dpi), 96) + 2 * edge;
    } else if (designed.kind == Kind::Image && !designed.has(kStretched) && control.picture) {
        const SIZE size = control.picture->designSize();
        box.right = box.left + MulDiv(size.cx, static_cast<int>(m_dpi), 96);
        box.bottom = box.top + MulDiv(size.cy, static_cast<int>(m_dpi), 96);
    } else if (designed.kind == Kind::Label && !designed.has(kWraps)) {
        // A label whose text is wider than its box (a longer number, a font a pixel wider
        // than the one it was designed with) widens to show all of it, its aligned edge
        // kept in place; one whose text holds several lines grows downwards to hold them,
        // over what lies below.
        const std::wstring text = win32text::windowText(control.hwnd);
        const bool lines = text.find(L'\n') != std::wstring::npos;
        HDC dc = GetDC(control.hwnd);
        HGDIOBJ old = SelectObject(
            dc, reinterpret_cast<HFONT>(SendMessageW(control.hwnd, WM_GETFONT, 0, 0)));
        RECT measured {};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
            DT_CALCRECT | DT_NOPREFIX | (lines ? 0 : DT_SINGLELINE));
        SelectObject(dc, old);
        ReleaseDC(control.hwnd, dc);
        const int frame
            = designed.has(kBorder) ? 2 * GetSystemMetricsForDpi(SM_CXBORDER, m_dpi) : 0;
        const int needed = measured.right - measured.left + frame + 2;
        const int grown = needed - (box.right - box.left);
        if (grown > 0) {
            if (designed.align == Align::Right) {
                box.left -= grown;
            } else if (designed.align == Align::Centre) {
                box.left -= grown / 2;
                box.right = box.left + needed;
            } else {
                box.right += grown;
            }
        }
        if (lines) {
            box.bottom = std::max(box.bottom, box.top + measured.bottom - measured.top + frame);
            SetWindowPos(control.hwnd, HWND_TOP, box.left, box.top, box.right - box.left,
                box.bottom - box.top, SWP_NOACTIVATE);
            return;
        }
    }
    SetWindowPos(control.hwnd, nullptr, box.left, box.top, box.right - box.left,
        box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

FormBuilder::Control *FormBuilder::find(std::string_view name, int index)
{
    for (Control &control : m_controls) {
        if (control.design->name == name && control.design->index == index) {
            return &control;
        }
    }
    return nullptr;
}

FormBuilder::Control &FormBuilder::get(std::string_view name, int index)
{
    Control *control = find(name, index);
    if (control == nullptr) {
        std::abort(); // a name the design does not hold: a programming error
    }
    return *control;
}

FormBuilder::Control *FormBuilder::fromWindow(HWND hwnd)
{
    if (hwnd == nullptr) {
        return nullptr;
    }
    for (Control &control : m_controls) {
        if (control.hwnd == hwnd) {
            return &control;
        }
    }
    return nullptr;
}

FormBuilder::Control *FormBuilder::fromId(int id)
{
    for (Control &control : m_controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

void FormBuilder::setText(Control &control, const std::wstring &text)
{
    SetWindowTextW(control.hwnd, text.c_str());
    if (control.design->kind == Kind::Label) {
        place(control);
        redraw(control);
    }
}

void FormBuilder::setTextColour(Control &control, COLORREF colour)
{
    if (control.text == colour) {
        return;
    }
    control.text = colour;
    redraw(control);
}

void FormBuilder::setPicture(Control &control, pictures::Picture::Ptr picture)
{
    if (control.picture == picture) {
        return;
    }
    control.picture = std::move(picture);
    redraw(control);
}

void FormBuilder::setFont(Control &control, HFONT font)
{
    SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void FormBuilder::redraw(const Control &control)
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

COLORREF FormBuilder::containerBackground(HWND container) const
{
    for (const Control &control : m_controls) {
        if (control.hwnd == container && control.background != CLR_INVALID) {
            return control.background;
        }
    }
    return colourRef(m_design->background);
}

bool FormBuilder::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result)
{
    if (m_design == nullptr) {
        return false; // not built yet
    }
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        Control *control = fromWindow(reinterpret_cast<HWND>(lParam));
        if (control == nullptr) {
            return false;
        }
        HDC dc = reinterpret_cast<HDC>(wParam);
        const Kind kind = control->design->kind;
        COLORREF text = control->text;
        if (text == CLR_INVALID) {
            text = GetSysColor(
                kind == Kind::Button || kind == Kind::Option ? COLOR_BTNTEXT : COLOR_WINDOWTEXT);
        }
        SetTextColor(dc, text);
        if (control->backgroundBrush != nullptr) {
            SetBkColor(dc, control->background);
            result = reinterpret_cast<LRESULT>(control->backgroundBrush);
            return true;
        }
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    case WM_DRAWITEM: {
        const auto &item = *reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
        Control *control = fromWindow(item.hwndItem);
        if (control == nullptr) {
            return false;
        }
        drawItem(*control, item);
        result = TRUE;
        return true;
    }
    case WM_SETCURSOR: {
        const Control *control = fromWindow(reinterpret_cast<HWND>(wParam));
        if (control == nullptr || !control->design->has(kEnvelopeCursor)
            || LOWORD(lParam) != HTCLIENT || m_envelope == nullptr) {
            return false;
        }
        SetCursor(m_envelope);
        result = TRUE;
        return true;
    }
    case WM_ERASEBKGND: {
        RECT client {};
        GetClientRect(hwnd, &client);
        HBRUSH brush = CreateSolidBrush(containerBackground(hwnd));
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        result = TRUE;
        return true;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint {};
        HDC dc = BeginPaint(hwnd, &paint);
        paintContainer(hwnd, dc);
        EndPaint(hwnd, &paint);
        result = 0;
        return true;
    }
    default:
        break;
    }
    return false;
}

void FormBuilder::paintContainer(HWND container, HDC dc)
{
    // A frame: its border, and its caption over the border in its own colour.
    if (Control *frame = fromWindow(container)) {
        RECT client {};
        GetClientRect(container, &client);
        const std::wstring caption = win32text::windowText(container);
        if (caption.empty()) {
            DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
        } else {
            HGDIOBJ old = SelectObject(dc, font(frame->design->font));
            TEXTMETRICW metrics {};
            GetTextMetricsW(dc, &metrics);
            RECT border = client;
            border.top += metrics.tmHeight / 2;
            DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
            RECT label { client.left + scaled(120, m_dpi) - 2, client.top, client.right,
                client.top + metrics.tmHeight };
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &label,
                DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            label.right += 4;
            SetBkColor(dc, containerBackground(container));
            SetTextColor(
                dc, frame->text == CLR_INVALID ? GetSysColor(COLOR_WINDOWTEXT) : frame->text);
            ExtTextOutW(dc, label.left + 2, label.top, ETO_OPAQUE, &label, caption.c_str(),
                static_cast<UINT>(caption.size()), nullptr);
            SelectObject(dc, old);
        }
    }

    // The shapes and lines it holds, behind every control.
    for (const Control &control : m_controls) {
        const quimbelo::design::Control &designed = *control.design;
        const HWND holder = designed.container.empty() ? m_window : find(designed.container)->hwnd;
        if (holder != container) {
            continue;
        }
        const RECT box = scaled(designed.place, m_dpi);
        if (designed.kind == Kind::Shape) {
            // The corners round by a tenth of the shorter side.
            const int diameter = std::min(box.right - box.left, box.bottom - box.top) / 5;
            HPEN pen = CreatePen(PS_SOLID, std::max(1, scaled(15, m_dpi)), RGB(0, 0, 0));
            HBRUSH brush = designed.has(kHatched) ? CreateHatchBrush(HS_CROSS, control.text)
                                                  : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
            HGDIOBJ oldPen = SelectObject(dc, pen);
            HGDIOBJ oldBrush = SelectObject(dc, brush);
            const int oldMode = SetBkMode(dc, TRANSPARENT);
            RoundRect(dc, box.left, box.top, box.right, box.bottom, diameter, diameter);
            SetBkMode(dc, oldMode);
            SelectObject(dc, oldBrush);
            SelectObject(dc, oldPen);
            DeleteObject(pen);
            if (designed.has(kHatched)) {
                DeleteObject(brush);
            }
        } else if (designed.kind == Kind::Line) {
            HBRUSH brush = CreateSolidBrush(control.text);
            FillRect(dc, &box, brush);
            DeleteObject(brush);
        }
    }
}

void FormBuilder::drawItem(Control &control, const DRAWITEMSTRUCT &item)
{
    const quimbelo::design::Control &designed = *control.design;
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    if (designed.kind == Kind::Button) {
        // A graphical button shows its own face colour.
        const bool pushed = (item.itemState & ODS_SELECTED) != 0;
        DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
        const int edge = GetSystemMetricsForDpi(SM_CXEDGE, m_dpi);
        RECT face = box;
        InflateRect(&face, -edge, -edge);
        HBRUSH brush = CreateSolidBrush(
            control.background == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : control.background);
        FillRect(dc, &face, brush);
        DeleteObject(brush);
        const std::wstring caption = win32text::windowText(item.hwndItem);
        if (pushed) {
            OffsetRect(&face, 1, 1);
        }
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc,
            (item.itemState & ODS_DISABLED) != 0 ? GetSysColor(COLOR_GRAYTEXT)
                : control.text == CLR_INVALID    ? GetSysColor(COLOR_BTNTEXT)
                                                 : control.text);
        HGDIOBJ old = SelectObject(dc, font(designed.font));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &face,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
        if ((item.itemState & ODS_FOCUS) != 0) {
            InflateRect(&face, -1, -1);
            DrawFocusRect(dc, &face);
        }
        return;
    }
    // Images and picture boxes: their background, then the picture.
    if (control.backgroundBrush != nullptr) {
        FillRect(dc, &box, control.backgroundBrush);
    } else {
        HBRUSH brush = CreateSolidBrush(containerBackground(control.container));
        FillRect(dc, &box, brush);
        DeleteObject(brush);
    }
    if (control.picture) {
        if (designed.kind == Kind::PictureBox || !designed.has(kStretched)) {
            const SIZE size = control.picture->designSize();
            box.right = box.left + MulDiv(size.cx, static_cast<int>(m_dpi), 96);
            box.bottom = box.top + MulDiv(size.cy, static_cast<int>(m_dpi), 96);
        }
        control.picture->draw(dc, box, m_dpi);
    }
}
