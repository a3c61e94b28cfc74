// SPDX-License-Identifier: MIT
// The real windows of the Windows program, built and played from inside: places,
// captions and fonts against the design, characters and keys through the message queue,
// message boxes answered by their Spanish buttons.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include "about.h"
#include "aboutwindow.h"
#include "accessibility.h"
#include "common.h"
#include "form1.h"
#include "gamewindow.h"
#include "messagebox.h"
#include "splash.h"
#include "startup.h"
#include "text.h"
#include "windowtest.h"
#include "wordlist.h"

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>
#include <uiautomationclient.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

using namespace windowtest;
using namespace quimbelo::win32;
namespace design = quimbelo::design;
namespace form1 = quimbelo::design::form1;

namespace {

const std::wstring kYes = L"S\u00ed";
const std::wstring kNo = L"No";
const std::wstring kOk = L"Aceptar";

// The game window, loaded and shown, on a list whose only word is item.
struct Played
{
    explicit Played(const std::string &item)
        : surroundings(item)
        , window(surroundings)
    {
        window.onEnded = [this](int status) { endStatus = status; };
        loaded = window.load();
        if (loaded) {
            window.showCentred();
        }
        pump(100);
    }

    void pump(int ms)
    {
        windowtest::pump(ms, [this](MSG &msg) { dispatch(msg); });
    }
    bool pumpUntil(const std::function<bool()> &done, int ms = 5000)
    {
        return windowtest::pumpUntil(done, ms, [this](MSG &msg) { dispatch(msg); });
    }
    void dispatch(MSG &msg)
    {
        if (!window.translate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    HWND hwnd(std::string_view name, int index = -1)
    {
        return window.controls().get(name, index).hwnd;
    }
    std::wstring shown(std::string_view name) { return text(hwnd(name)); }

    // A character typed on the focused key, through the queue.
    void type(wchar_t character, bool repeated = false)
    {
        PostMessageW(GetFocus(), WM_CHAR, character, repeated ? (1 | (1 << 30)) : 1);
        pump(20);
    }
    void typeAll(std::wstring_view characters)
    {
        for (const wchar_t character : characters) {
            type(character);
        }
    }
    // A key pressed while the focus is where it is, with Ctrl held or not.
    void press(UINT key, bool ctrl = false)
    {
        BYTE keys[256] {};
        GetKeyboardState(keys);
        BYTE before = keys[VK_CONTROL];
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        HWND target = GetFocus() != nullptr ? GetFocus() : window.hwnd();
        PostMessageW(target, WM_KEYDOWN, key, 1);
        pump(50);
        keys[VK_CONTROL] = before;
        SetKeyboardState(keys);
    }

    ScriptedSurroundings surroundings;
    GameWindow window;
    bool loaded = false;
    int endStatus = -1;
};

LOGFONTW fontOf(HWND hwnd)
{
    LOGFONTW font {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

RECT placeInParent(HWND hwnd)
{
    RECT box {};
    GetWindowRect(hwnd, &box);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT *>(&box), 2);
    return box;
}

// What a screen reader hears of the program's own accord: each name change and live region
// event of its controls, read back from outside the window's code as the event arrives,
// through the accessible object the event names.
class Listener
{
public:
    struct Heard
    {
        DWORD event = 0;
        HWND hwnd = nullptr;
        std::wstring name;
    };

    Listener()
    {
        heard().clear();
        m_hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
            &Listener::event, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    ~Listener() { UnhookWinEvent(m_hook); }
    Listener(const Listener &) = delete;
    Listener &operator=(const Listener &) = delete;

    bool listening() const { return m_hook != nullptr; }
    // What live region events said, in order.
    static std::vector<std::wstring> liveRegions()
    {
        std::vector<std::wstring> said;
        for (const Heard &one : heard()) {
            if (one.event == EVENT_OBJECT_LIVEREGIONCHANGED) {
                said.push_back(one.name);
            }
        }
        return said;
    }
    static std::vector<Heard> &heard()
    {
        static std::vector<Heard> all;
        return all;
    }

private:
    static void CALLBACK event(
        HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD)
    {
        if (event != EVENT_OBJECT_NAMECHANGE && event != EVENT_OBJECT_LIVEREGIONCHANGED) {
            return;
        }
        Heard one { event, hwnd, {} };
        IAccessible *accessible = nullptr;
        VARIANT which {};
        if (SUCCEEDED(AccessibleObjectFromEvent(hwnd, static_cast<DWORD>(object),
                static_cast<DWORD>(child), &accessible, &which))) {
            BSTR name = nullptr;
            if (accessible->get_accName(which, &name) == S_OK && name != nullptr) {
                one.name = name;
            }
            SysFreeString(name);
            VariantClear(&which);
            accessible->Release();
        }
        heard().push_back(one);
    }

    HWINEVENTHOOK m_hook = nullptr;
};

// Announcements go through raiser while this lives.
class NotificationsBy
{
public:
    explicit NotificationsBy(accessibility::NotificationRaiser raiser)
        : m_before(accessibility::useNotificationRaiser(raiser))
    {
    }
    ~NotificationsBy() { accessibility::useNotificationRaiser(m_before); }
    NotificationsBy(const NotificationsBy &) = delete;
    NotificationsBy &operator=(const NotificationsBy &) = delete;

private:
    accessibility::NotificationRaiser m_before;
};

} // namespace

TEST_CASE("The game window is built as its design says")
{
    Played game("PA\xD1O");
    REQUIRE(game.loaded);
    const UINT dpi = GetDpiForWindow(game.window.hwnd());

    CHECK(text(game.window.hwnd()) == fromUtf8(form1::kWindow.caption));
    RECT client {};
    GetClientRect(game.window.hwnd(), &client);
    CHECK(client.right == scaled(form1::kRunTimeClient.width, dpi));
    CHECK(client.bottom == scaled(form1::kRunTimeClient.height, dpi));
    const LONG style = GetWindowLongW(game.window.hwnd(), GWL_STYLE);
    CHECK((style & WS_MINIMIZEBOX) != 0);
    CHECK((style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0);

    for (const FormControl &control : game.window.controls().controls()) {
        const design::Control &designed = *control.design;
        if (control.hwnd == nullptr) {
            continue;
        }
        CAPTURE(std::string(designed.name));
        CAPTURE(designed.index);
        const RECT place = placeInParent(control.hwnd);
        const RECT expected = scaled(designed.place, dpi);
        CHECK(place.top == expected.top);
        CHECK(place.bottom == expected.bottom);
        if (designed.kind == design::Kind::Label && !designed.has(design::kWraps)) {
            // A label may widen to its text, keeping its aligned edge.
            CHECK(place.right - place.left >= expected.right - expected.left);
        } else {
            CHECK(place.left == expected.left);
            CHECK(place.right == expected.right);
        }

        const bool outOfSight = designed.has(design::kHidden)
            || (designed.container.empty() && designed.place.left >= form1::kRunTimeClient.width);
        CHECK((IsWindowVisible(control.hwnd) != 0) == !outOfSight);

        const bool captioned = designed.kind == design::Kind::Label
            || designed.kind == design::Kind::Button || designed.kind == design::Kind::Option
            || designed.kind == design::Kind::Frame;
        if (captioned && !designed.has(design::kDesignCaption)) {
            CHECK(text(control.hwnd) == fromUtf8(designed.caption));
        }
        if (designed.kind == design::Kind::Image && !designed.accessibleName.empty()) {
            CHECK(text(control.hwnd) == fromUtf8(designed.accessibleName));
        }
        if (designed.kind != design::Kind::Image && control.design->name != "Pelicula1") {
            const design::Font &font
                = designed.font.isDefault() ? design::kDefaultFont : designed.font;
            const LOGFONTW made = fontOf(control.hwnd);
            CHECK(std::wstring(made.lfFaceName) == fromUtf8(font.family));
            CHECK(made.lfHeight == -std::lround(font.points * dpi / 72.0));
            CHECK((made.lfWeight >= FW_BOLD) == font.bold);
            CHECK((made.lfItalic != 0) == font.italic);
        }
    }

    // Every picture of the design is decoded from its resource, at its design size.
    for (const FormControl &control : game.window.controls().controls()) {
        if (control.design->picture != design::Picture::None) {
            CAPTURE(std::string(control.design->name));
            REQUIRE(control.picture);
            CHECK(control.picture->designSize().cx > 0);
        }
    }
    const SIZE stage = game.window.controls().get("Image3", 10).picture->designSize();
    CHECK((stage.cx == 145 && stage.cy == 207));
    const SIZE mascot = game.window.controls().get("Image2").picture->designSize();
    CHECK((mascot.cx == 115 && mascot.cy == 176));

    // None of the design captions shows once the window is loaded.
    CHECK(game.shown("Pelicula1") == L"----");
    CHECK(game.shown("Label7") == L"4");
    CHECK(game.shown("Label6") == L"0");
    CHECK(game.shown("Label11") == L"1");
    CHECK(SendMessageW(game.hwnd("Option3"), BM_GETCHECK, 0, 0) == BST_CHECKED);

    // The menu bar, as designed.
    HMENU bar = GetMenu(game.window.hwnd());
    REQUIRE(bar != nullptr);
    CHECK(GetMenuItemCount(bar) == 2);
    wchar_t caption[64] {};
    GetMenuStringW(
        bar, static_cast<UINT>(GameWindow::menuCommand("MnSalir")), caption, 64, MF_BYCOMMAND);
    CHECK(std::wstring(caption) == L"&Salir (Ctrl+S)");
    GetMenuStringW(
        bar, static_cast<UINT>(GameWindow::menuCommand("MnAcerca")), caption, 64, MF_BYCOMMAND);
    CHECK(std::wstring(caption) == L"Acerca de Quimelo 2.0");

    // Tab walks the letters in order, then the solve box and Aceptar, then the digits
    // and the selected theme, and round again to "Q".
    CHECK(GetFocus() == game.hwnd("Letra", 0));
    std::vector<HWND> walk;
    HWND at = game.hwnd("Letra", 0);
    for (int step = 0; step < 41; ++step) {
        at = GetNextDlgTabItem(game.window.hwnd(), at, FALSE);
        walk.push_back(at);
    }
    for (int i = 1; i <= 26; ++i) {
        CHECK(walk[static_cast<std::size_t>(i - 1)] == game.hwnd("Letra", i));
    }
    CHECK(walk[26] == game.hwnd("Text1"));
    CHECK(walk[27] == game.hwnd("Command1"));
    for (int i = 27; i <= 36; ++i) {
        CHECK(walk[static_cast<std::size_t>(i + 1)] == game.hwnd("Letra", i));
    }
    CHECK(walk[38] == game.hwnd("Option3"));
    CHECK(walk[39] == game.hwnd("Letra", 0));
}

TEST_CASE("A window moved to a screen of another DPI lays itself out again at that DPI")
{
    Played game("PA\xD1O");
    const UINT before = game.window.controls().dpi();
    const UINT after = before * 2;
    RECT suggested {};
    GetWindowRect(game.window.hwnd(), &suggested);
    SendMessageW(game.window.hwnd(), WM_DPICHANGED, MAKEWPARAM(after, after),
        reinterpret_cast<LPARAM>(&suggested));
    CHECK(game.window.controls().dpi() == after);
    const auto &key = design::get(form1::kWindow, "Letra", 36);
    const RECT place = placeInParent(game.hwnd("Letra", 36));
    CHECK(place.left == scaled(key.place.left, after));
    CHECK(place.right - place.left == scaled(key.place.width, after));
    const auto &counter = design::get(form1::kWindow, "Label4");
    CHECK(fontOf(game.hwnd("Label4")).lfHeight == -std::lround(counter.font.points * after / 72.0));
    // The window's outer size is the designed client area at the new DPI with the frame,
    // title bar and menu bar of that DPI. (The frame itself is the system's, which stays
    // at the old DPI when the message is only sent.)
    RECT outer = scaled(form1::kRunTimeClient, after);
    AdjustWindowRectExForDpi(&outer,
        static_cast<DWORD>(GetWindowLongW(game.window.hwnd(), GWL_STYLE)), TRUE,
        static_cast<DWORD>(GetWindowLongW(game.window.hwnd(), GWL_EXSTYLE)), after);
    RECT window {};
    GetWindowRect(game.window.hwnd(), &window);
    CHECK(window.right - window.left == outer.right - outer.left);
    CHECK(window.bottom - window.top == outer.bottom - outer.top);
    CHECK(window.left == suggested.left);
    CHECK(window.top == suggested.top);
}

TEST_CASE("Typed letters win a round, and Sí starts the next")
{
    Played game("pa\xF1o");
    BoxAnswerer answers({ kOk, kYes });
    game.type(L'p');
    game.type(L'p', true); // held down: repeats nothing
    CHECK(game.shown("Pelicula1") == L"P---");
    CHECK(game.shown("Label4") == L"1");
    CHECK(IsWindowEnabled(game.hwnd("Letra", 9)) == FALSE);
    game.typeAll(L"A\u00f1");
    game.type(L'\u00e1'); // no key carries it: no guess
    CHECK(game.shown("Label4") == L"3");
    game.type(L'o');
    REQUIRE(game.pumpUntil([&] { return answers.done(); }));
    game.pump(50);

    REQUIRE(answers.boxes().size() == 2);
    const Box &report = answers.boxes()[0];
    CHECK(report.title == L"Quimbelo");
    CHECK(report.message
        == L"Correcto\r\nLa soluci\u00f3n era: \r\n PA\u00d1O \r\nNumero de intentos: 4\r\nNumero "
           L"de fallos: 0");
    CHECK(report.buttons == std::vector<std::wstring> { kOk });
    CHECK(report.hasIcon);
    const Box &question = answers.boxes()[1];
    CHECK(question.message == L"\u00bfQuieres jugar otra vez?");
    CHECK(question.buttons == std::vector<std::wstring> { kYes, kNo });
    CHECK_FALSE(question.hasIcon);

    CHECK(game.shown("Label6") == L"1");
    CHECK(game.shown("Label11") == L"2");
    CHECK(game.shown("Label4") == L"0");
    CHECK(game.shown("Pelicula1") == L"----");
    CHECK(IsWindowEnabled(game.hwnd("Letra", 9)) != FALSE);
    CHECK(game.endStatus == -1);

    // The boxes took the focus; back in the game window, typing guesses again.
    REQUIRE(GetParent(GetFocus()) == game.window.hwnd());
    game.type(L'p');
    CHECK(game.shown("Label4") == L"1");
    CHECK(game.shown("Pelicula1") == L"P---");
}

TEST_CASE("A screen reader reads the hidden word's length and which keys were tried")
{
    Played game("pa\xF1o");
    // What a screen reader asks of a control: its name, description and whether it can
    // be used.
    struct Read
    {
        std::wstring name;
        std::wstring description;
        bool unavailable = false;
    };
    const auto read = [](HWND hwnd) {
        Read got;
        IAccessible *object = nullptr;
        REQUIRE(SUCCEEDED(AccessibleObjectFromWindow(
            hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void **>(&object))));
        VARIANT self {};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR text = nullptr;
        if (object->get_accName(self, &text) == S_OK && text != nullptr) {
            got.name = text;
        }
        SysFreeString(text);
        text = nullptr;
        if (object->get_accDescription(self, &text) == S_OK && text != nullptr) {
            got.description = text;
        }
        SysFreeString(text);
        VARIANT state {};
        if (SUCCEEDED(object->get_accState(self, &state)) && state.vt == VT_I4) {
            got.unavailable = (state.lVal & STATE_SYSTEM_UNAVAILABLE) != 0;
        }
        object->Release();
        return got;
    };

    const Read before = read(game.hwnd("Letra", 9));
    CHECK(before.name == L"P");
    CHECK(before.description == L"Tecla disponible");
    CHECK_FALSE(before.unavailable);
    CHECK(read(game.hwnd("Pelicula1")).description == L"Palabra oculta de 4 caracteres");

    game.type(L'p');
    const Read after = read(game.hwnd("Letra", 9));
    CHECK(after.description == L"Tecla ya probada");
    CHECK(after.unavailable);
    // A key not tried is told apart.
    CHECK(read(game.hwnd("Letra", 0)).description == L"Tecla disponible");
}

TEST_CASE("Announcements reach a screen reader through a live region where UI Automation has "
          "no notifications")
{
    const bool notifications = accessibility::systemNotificationRaiser() != nullptr;
    MESSAGE(std::string(notifications ? "This system raises UI Automation notifications"
                                      : "This system has no UI Automation notifications: the "
                                        "live region speaks"));
    NotificationsBy liveRegion(nullptr);
    Played game("PA\xD1O");
    Listener listener;
    REQUIRE(listener.listening());
    HWND focus = GetFocus();
    // Said once the window is back in its event loop, those made meanwhile together: a
    // screen reader reads the name when the event reaches it.
    game.window.announce("Letra \xC3\x91: acierto.");
    game.window.announce("Intentos: 1.");
    CHECK(Listener::heard().empty());
    game.pump(50);
    CHECK(Listener::liveRegions()
        == std::vector<std::wstring> { L"Letra \u00d1: acierto. Intentos: 1." });
    game.window.announce("Intentos: 1."); // said again when asked again
    game.pump(50);
    CHECK(Listener::liveRegions()
        == std::vector<std::wstring> { L"Letra \u00d1: acierto. Intentos: 1.", L"Intentos: 1." });
    HWND announcer = nullptr;
    bool nameChanged = false;
    for (const Listener::Heard &one : Listener::heard()) {
        if (one.event == EVENT_OBJECT_LIVEREGIONCHANGED) {
            announcer = one.hwnd;
        }
    }
    for (const Listener::Heard &one : Listener::heard()) {
        nameChanged |= one.event == EVENT_OBJECT_NAMECHANGE && one.hwnd == announcer
            && one.name == L"Intentos: 1.";
    }
    CHECK(nameChanged);
    // The announcer is the window's own and shows nothing; the focus stays where it was.
    REQUIRE(announcer != nullptr);
    CHECK(GetParent(announcer) == game.window.hwnd());
    RECT box {};
    GetWindowRect(announcer, &box);
    CHECK(IsRectEmpty(&box));
    CHECK(IsWindowEnabled(announcer) == FALSE);
    CHECK(text(announcer).empty());
    CHECK(GetFocus() == focus);
}

namespace {

struct Raised
{
    std::wstring text;
    accessibility::NotificationKind kind {};
    accessibility::NotificationProcessing processing {};
    std::wstring name; // the element's, as UI Automation reads it
    HWND window = nullptr; // the element's, through its host
};
std::vector<Raised> raised;

HRESULT WINAPI recordNotification(IRawElementProviderSimple *provider,
    accessibility::NotificationKind kind, accessibility::NotificationProcessing processing,
    BSTR text, BSTR)
{
    Raised one { text != nullptr ? text : L"", kind, processing, {}, nullptr };
    VARIANT name {};
    if (SUCCEEDED(provider->GetPropertyValue(UIA_NamePropertyId, &name)) && name.vt == VT_BSTR) {
        one.name = name.bstrVal;
    }
    VariantClear(&name);
    IRawElementProviderSimple *host = nullptr;
    if (SUCCEEDED(provider->get_HostRawElementProvider(&host)) && host != nullptr) {
        VARIANT window {};
        if (SUCCEEDED(host->GetPropertyValue(UIA_NativeWindowHandlePropertyId, &window))
            && window.vt == VT_I4) {
            one.window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(window.lVal));
        }
        host->Release();
    }
    raised.push_back(one);
    return S_OK;
}

HRESULT WINAPI failNotification(IRawElementProviderSimple *, accessibility::NotificationKind,
    accessibility::NotificationProcessing, BSTR, BSTR)
{
    return E_FAIL;
}

} // namespace

TEST_CASE("Where UI Automation has notifications, announcements are raised as one")
{
    raised.clear();
    Played game("PA\xD1O");
    Listener listener;
    {
        NotificationsBy notifications(recordNotification);
        game.window.announce("Quedan 4 letras");
        game.window.announce("Intentos: 0");
        game.pump(50);
    }
    REQUIRE(raised.size() == 2);
    CHECK(raised[1].text == L"Intentos: 0");
    CHECK(raised[0].text == L"Quedan 4 letras");
    // Queued after what is being said, none dropped.
    CHECK(raised[0].kind == accessibility::NotificationKind_Other);
    CHECK(raised[0].processing == accessibility::NotificationProcessing_All);
    CHECK(raised[0].name == L"Quedan 4 letras");
    if (raised[0].window != nullptr) { // where the system gives the element a host
        CHECK(GetParent(raised[0].window) == game.window.hwnd());
    }
    // The live region keeps quiet: a screen reader would say it twice.
    CHECK(Listener::liveRegions().empty());

    // A notification that fails goes by the live region.
    NotificationsBy failing(failNotification);
    game.window.announce("Quedan 3 letras");
    game.pump(50);
    CHECK(Listener::liveRegions() == std::vector<std::wstring> { L"Quedan 3 letras" });
}

TEST_CASE("A screen reader hears the new word, each guess, and F3 and F4 on request")
{
    NotificationsBy liveRegion(nullptr);
    Listener listener;
    Played game("pa\xF1o");
    const auto lastHeard = [&] {
        const std::vector<std::wstring> said = Listener::liveRegions();
        return said.empty() ? std::wstring() : said.back();
    };
    CHECK(lastHeard() == L"Inform\u00e1tica. Palabra de 4 letras: 4 huecos.");
    HWND focus = GetFocus();
    game.type(L'p');
    CHECK(lastHeard() == L"P, est\u00e1. P, 3 huecos. Intentos 1, errores 0.");
    game.type(L'x');
    CHECK(lastHeard() == L"X, no est\u00e1. P, 3 huecos. Intentos 2, errores 1. Horca 1 de 10.");
    const std::size_t before = Listener::liveRegions().size();
    game.press(VK_F3);
    CHECK(lastHeard() == L"P, 3 huecos. Intentos 2, errores 1. Horca 1 de 10. Probadas: P, X.");
    game.press(VK_F4);
    CHECK(lastHeard() == L"N\u00ba de Juegos 1. Palabras acertadas 0.");
    CHECK(Listener::liveRegions().size() == before + 2);
    // Asking moves nothing: the focus stays on the key it was on.
    CHECK(GetFocus() == focus);
    CHECK(game.shown("Label4") == L"2");
}

TEST_CASE("Eleven misses lose the round, and No ends the program")
{
    Played game("PA\xD1O");
    BoxAnswerer answers({ kOk, kNo });
    game.typeAll(L"qwertyuisd");
    CHECK(game.shown("Label5") == L"10");
    CHECK(text(game.hwnd("Image1")) == L"Horca: 10 de 10");
    game.type(L'f');
    REQUIRE(game.pumpUntil([&] { return game.endStatus >= 0; }));
    REQUIRE(answers.boxes().size() == 2);
    CHECK(answers.boxes()[0].message
        == L"Has perdido\r\nLa soluci\u00f3n era: \r\n PA\u00d1O \r\nNumero de intentos: "
           L"11\r\nNumero de fallos: 10");
    CHECK(answers.boxes()[0].hasIcon);
    CHECK(game.shown("Pelicula1") == L"PA\u00d1O");
    CHECK(game.endStatus == 0);
    CHECK(IsWindowVisible(game.window.hwnd()) == FALSE);
}

TEST_CASE("A question closed with Esc or a close request is asked again, and only No ends")
{
    Played game("PA\xD1O");
    BoxAnswerer answers({ kOk, kEscape, kCloseRequest, kYes, kOk, kCloseRequest, kNo });
    game.typeAll(L"pa\u00f1o");
    REQUIRE(game.pumpUntil([&] { return answers.boxes().size() == 4; }));
    game.pump(100);
    for (std::size_t i = 1; i < 4; ++i) {
        CHECK(answers.boxes()[i].message == L"\u00bfQuieres jugar otra vez?");
    }
    CHECK(game.endStatus == -1);
    CHECK(IsWindowVisible(game.window.hwnd()) != FALSE);
    CHECK(game.shown("Label6") == L"1"); // the counters live on
    CHECK(game.shown("Label11") == L"2");

    REQUIRE(GetParent(GetFocus()) == game.window.hwnd());
    game.typeAll(L"pa\u00f1o");
    REQUIRE(game.pumpUntil([&] { return game.endStatus >= 0; }));
    CHECK(answers.done());
    CHECK(game.endStatus == 0);
}

TEST_CASE("A word typed in the solve box is checked by Aceptar")
{
    Played game("PA\xD1O");
    {
        BoxAnswerer answers({ kOk });
        SetWindowTextW(game.hwnd("Text1"), L"pano");
        SendMessageW(game.hwnd("Command1"), BM_CLICK, 0, 0);
        REQUIRE(game.pumpUntil([&] { return answers.done(); }));
        game.pump(50);
        CHECK(answers.boxes()[0].message == L"No es correcto");
        CHECK(game.shown("Label5") == L"1");
        CHECK(game.shown("Text1").empty());
    }
    BoxAnswerer answers({ kOk, kYes });
    SetWindowTextW(game.hwnd("Text1"), L"pa\u00f1o");
    SendMessageW(game.hwnd("Command1"), BM_CLICK, 0, 0);
    REQUIRE(game.pumpUntil([&] { return answers.done(); }));
    game.pump(50);
    CHECK(answers.boxes()[0].message.starts_with(L"Correcto\r\n"));
    CHECK(answers.boxes()[0].message.ends_with(L"Numero de intentos: 2\r\nNumero de fallos: 1"));
    CHECK(game.shown("Label6") == L"1");
    CHECK(game.shown("Label5") == L"0");
    CHECK(game.shown("Text1").empty());
}

TEST_CASE("F2 starts a new round and Ctrl+S ends the program, whatever has the focus")
{
    Played game("PA\xD1O");
    game.type(L'x');
    CHECK(game.shown("Label5") == L"1");
    game.press(VK_F2);
    CHECK(game.shown("Label5") == L"0");
    CHECK(game.shown("Label11") == L"2");
    SetFocus(game.hwnd("Text1"));
    game.press('S', true);
    CHECK(game.endStatus == 0);
}

TEST_CASE("Picking a theme starts an uncounted round and gives the keys the focus")
{
    Played game("PA\xD1O");
    game.type(L'q');
    SendMessageW(game.hwnd("Option2"), BM_CLICK, 0, 0);
    game.pump(50);
    CHECK(game.window.play().selectedOption() == 2);
    CHECK(game.shown("Label11") == L"1");
    CHECK(game.shown("Label4") == L"0");
    CHECK(GetFocus() == game.hwnd("Letra", 0));
    game.type(L'x');
    CHECK(game.shown("Label4") == L"1");
    // A click on the selected theme picks nothing.
    SendMessageW(game.hwnd("Option2"), BM_CLICK, 0, 0);
    game.pump(50);
    CHECK(game.shown("Label4") == L"1");
    CHECK(game.shown("Label11") == L"1");
}

TEST_CASE("The timers swap the banner and flash the labels")
{
    Played game("PA\xD1O");
    auto &window = game.window;
    using quimbelo::ImageControl;
    CHECK(
        window.play().picture(ImageControl::Image4) != window.play().picture(ImageControl::Image6));
    // Timer2 ticks by itself, as often as the timers allow.
    CHECK(game.pumpUntil(
        [&] { return window.play().textColour(quimbelo::ColourLabel::Label12) == 0xFF0000; },
        1000));
    CHECK(game.pumpUntil(
        [&] { return window.play().textColour(quimbelo::ColourLabel::Label12) == 0xFFFF00; },
        1000));
    window.game().Timer1_Timer();
    CHECK(
        window.play().picture(ImageControl::Image4) == window.play().picture(ImageControl::Image5));
    CHECK(window.play().textColour(quimbelo::ColourLabel::Label15) == 0xFF0000);
}

TEST_CASE("The mail links and the help file go to the desktop")
{
    Played game("PA\xD1O");
    SendMessageW(game.hwnd("Image2"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(game.hwnd("Image2"), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(game.window.hwnd(), WM_COMMAND, GameWindow::menuCommand("MnAyuda2"), 0);
    game.pump(50);
    REQUIRE(game.surroundings.opened.size() == 2);
    CHECK(game.surroundings.opened[0] == "mailto:autor@quimbelo.example");
    CHECK(game.surroundings.opened[1] == game.surroundings.programFolder() + "\\leeme.txt");
    CHECK(WindowsSurroundings::notepadCommandLine(L"C:\\windows\\system32\\notepad.exe",
              L"C:\\Mis Juegos\\\u00d1and\u00fa & C\u00eda's\\leeme.txt")
        == L"\"C:\\windows\\system32\\notepad.exe\" \"C:\\Mis Juegos\\\u00d1and\u00fa & "
           L"C\u00eda's\\leeme.txt\"");
    CHECK(WindowsSurroundings::folderOf(L"C:\\Juegos\\quimbelo.exe") == L"C:\\Juegos");
    CHECK(WindowsSurroundings::folderOf(L"C:\\quimbelo.exe") == L"C:\\");
}

TEST_CASE("Tool tips and the envelope cursor are the design's")
{
    Played game("PA\xD1O");
    HWND tips = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM found) -> BOOL {
            wchar_t className[32] {};
            GetClassNameW(hwnd, className, 32);
            if (std::wstring_view(className) == TOOLTIPS_CLASSW) {
                *reinterpret_cast<HWND *>(found) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    REQUIRE(tips != nullptr);
    int designed = 0;
    for (const design::Control &control : form1::kControls) {
        designed += control.toolTip.empty() ? 0 : 1;
    }
    CHECK(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0) == designed);
    wchar_t tip[128] {};
    TTTOOLINFOW tool {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = game.window.hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(game.hwnd("Label15"));
    tool.lpszText = tip;
    SendMessageW(tips, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
    CHECK(std::wstring(tip) == fromUtf8(form1::kPartnerToolTip));

    // Over the two mail links the pointer is the envelope; elsewhere the window's own.
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(arrow);
    CHECK(SendMessageW(game.window.hwnd(), WM_SETCURSOR,
              reinterpret_cast<WPARAM>(game.hwnd("Image4")), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE))
        == TRUE);
    HCURSOR envelope = GetCursor();
    CHECK(envelope != arrow);
    SetCursor(arrow);
    CHECK(SendMessageW(game.window.hwnd(), WM_SETCURSOR,
              reinterpret_cast<WPARAM>(game.hwnd("Image7")), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE))
        == FALSE);
}

TEST_CASE("An empty list is reported, and the game window is never shown")
{
    BoxAnswerer answers({ kOk });
    Played game("");
    CHECK_FALSE(game.loaded);
    REQUIRE(answers.boxes().size() == 1);
    CHECK(answers.boxes()[0].title == L"Quimbelo");
    CHECK(answers.boxes()[0].message.find(L"La lista de palabras") == 0);
    CHECK(answers.boxes()[0].hasIcon);
    CHECK(game.endStatus == 1);
    CHECK(IsWindowVisible(game.window.hwnd()) == FALSE);
}

TEST_CASE("The About window opens modally over the game window and closes with Enter")
{
    Played game("PA\xD1O");
    struct Seen
    {
        std::wstring title, version;
        bool ownerDisabled = false;
        int closed = 0;
    };
    static Seen seen;
    seen = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND about = FindWindowW(L"#32770", L"Acerca de Quimbelo");
        if (about == nullptr || !IsWindowVisible(about) || seen.closed > 0) {
            return;
        }
        seen.title = text(about);
        const auto &version = design::get(design::about::kWindow, "lblVersion");
        seen.version
            = text(GetDlgItem(about, FormBuilder::controlId(design::about::kWindow, version)));
        seen.ownerDisabled = IsWindowEnabled(GetWindow(about, GW_OWNER)) == FALSE;
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
        ++seen.closed;
    });
    game.window.onAbout = [&] { AboutWindow::showModal(game.window.hwnd()); };
    SendMessageW(game.window.hwnd(), WM_COMMAND, GameWindow::menuCommand("MnAcerca"), 0);
    KillTimer(nullptr, timer);
    CHECK(seen.closed == 1);
    CHECK(seen.title == L"Acerca de Quimbelo");
    CHECK(seen.version == L"Versi\u00f3n 2.0.0");
    CHECK(seen.ownerDisabled);
    CHECK(IsWindowEnabled(game.window.hwnd()) != FALSE);
    CHECK(FindWindowW(L"#32770", L"Acerca de Quimbelo") == nullptr);
}

TEST_CASE("The About window stays on the screen of a game window moved to its corner")
{
    Played game("PA\xD1O");
    MONITORINFO monitor {};
    monitor.cbSize = sizeof(MONITORINFO);
    REQUIRE(
        GetMonitorInfoW(MonitorFromWindow(game.window.hwnd(), MONITOR_DEFAULTTONEAREST), &monitor));
    const RECT work = monitor.rcWork;
    SetWindowPos(game.window.hwnd(), nullptr, work.right - 60, work.bottom - 40, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER);
    static RECT placed;
    static int closed;
    placed = {};
    closed = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND about = FindWindowW(L"#32770", L"Acerca de Quimbelo");
        if (about == nullptr || !IsWindowVisible(about) || closed > 0) {
            return;
        }
        GetWindowRect(about, &placed);
        PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
        ++closed;
    });
    game.window.onAbout = [&] { AboutWindow::showModal(game.window.hwnd()); };
    SendMessageW(game.window.hwnd(), WM_COMMAND, GameWindow::menuCommand("MnAcerca"), 0);
    KillTimer(nullptr, timer);
    REQUIRE(closed == 1);
    CHECK(placed.right > placed.left);
    CHECK(placed.left >= work.left);
    CHECK(placed.top >= work.top);
    CHECK(placed.right <= work.right);
    CHECK(placed.bottom <= work.bottom);
}

TEST_CASE("The splash hands over once: on a key, a click on its frame, or its timer")
{
    ScriptedSurroundings surroundings("PA\xD1O");
    int ended = -1;
    auto started = [&] {
        auto startup = std::make_unique<Startup>(&surroundings);
        startup->onFinished = [&](int status) { ended = status; };
        startup->start();
        return startup;
    };
    auto pumpFor
        = [](Startup &startup, int ms) { pump(ms, [&](MSG &msg) { startup.dispatch(msg); }); };

    SUBCASE("a character key")
    {
        auto startup = started();
        HWND splash = startup->splash()->hwnd();
        CHECK(text(splash).empty());
        CHECK((GetWindowLongW(splash, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0);
        CHECK((GetWindowLongW(splash, GWL_STYLE) & WS_CAPTION) == WS_DLGFRAME);
        CHECK(text(startup->splash()->controls().get("lblVersion").hwnd) == L"Versi\u00f3n 2.0.0");
        PostMessageW(splash, WM_KEYDOWN, VK_LEFT, 1); // types nothing
        pumpFor(*startup, 50);
        CHECK_FALSE(startup->splash()->handedOver());
        PostMessageW(splash, WM_CHAR, VK_ESCAPE, 1);
        PostMessageW(splash, WM_CHAR, L'a', 1);
        pumpFor(*startup, 100);
        REQUIRE(startup->gameWindow() != nullptr);
        CHECK(IsWindow(splash) == FALSE);
        CHECK(IsWindowVisible(startup->gameWindow()->hwnd()) != FALSE);
        CHECK(text(startup->gameWindow()->controls().get("Label4").hwnd) == L"0");
    }
    SUBCASE("a close request: Alt+F4, the system menu's Close or WM_CLOSE")
    {
        const auto closedBy = [&](UINT message, WPARAM wParam, LPARAM lParam) {
            auto startup = started();
            HWND splash = startup->splash()->hwnd();
            PostMessageW(splash, WM_CHAR, 0x7F, 1); // Ctrl+Backspace types DEL: nothing
            pumpFor(*startup, 50);
            CHECK_FALSE(startup->splash()->handedOver());
            PostMessageW(splash, message, wParam, lParam);
            pumpFor(*startup, 100);
            CHECK(IsWindow(splash) == FALSE);
            REQUIRE(startup->gameWindow() != nullptr);
            CHECK(IsWindowVisible(startup->gameWindow()->hwnd()) != FALSE);
        };
        closedBy(WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29)); // with Alt held
        closedBy(WM_SYSCOMMAND, SC_CLOSE, 0);
        closedBy(WM_CLOSE, 0, 0);
    }
    SUBCASE("a click on the frame, not on its labels")
    {
        auto startup = started();
        HWND label = startup->splash()->controls().get("lblProductName").hwnd;
        SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        pumpFor(*startup, 50);
        CHECK_FALSE(startup->splash()->handedOver());
        HWND frame = startup->splash()->controls().get("Frame1").hwnd;
        SendMessageW(frame, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(frame, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        pumpFor(*startup, 50);
        CHECK(startup->splash()->handedOver());
        CHECK(startup->gameWindow() != nullptr);
    }
    SUBCASE("the game window is built behind it, hidden, and loads only at the hand-over")
    {
        auto startup = started();
        pumpFor(*startup, 50); // the splash is painted: the game window may be prepared
        int steps = 0;
        while (!startup->prepareSome()) {
            ++steps;
        }
        CHECK(steps > 2); // a few controls at a time
        HWND prepared = FindWindowW(L"QuimbeloForm1", nullptr);
        REQUIRE(prepared != nullptr);
        CHECK(IsWindowVisible(prepared) == FALSE);
        CHECK(startup->gameWindow() == nullptr);
        const auto label11 = [&] {
            return text(GetDlgItem(prepared,
                FormBuilder::controlId(form1::kWindow, design::get(form1::kWindow, "Label11"))));
        };
        CHECK(label11() == L"Label11"); // no round drawn yet
        PostMessageW(startup->splash()->hwnd(), WM_CHAR, L'a', 1);
        pumpFor(*startup, 100);
        REQUIRE(startup->gameWindow() != nullptr);
        CHECK(startup->gameWindow()->hwnd() == prepared);
        CHECK(IsWindowVisible(prepared) != FALSE);
        CHECK(label11() == L"1");
        CHECK(text(startup->gameWindow()->controls().get("Pelicula1").hwnd) == L"----");
    }
    SUBCASE("its timer, after three seconds")
    {
        auto startup = started();
        pumpFor(*startup, 2500);
        CHECK_FALSE(startup->splash()->handedOver());
        REQUIRE(pumpUntil([&] { return startup->gameWindow() != nullptr; }, 2000,
            [&](MSG &msg) { startup->dispatch(msg); }));
        // A key right after the timer opens no second window.
        GameWindow *window = startup->gameWindow();
        PostMessageW(startup->gameWindow()->hwnd(), WM_CHAR, L'a', 1);
        pumpFor(*startup, 50);
        CHECK(startup->gameWindow() == window);
    }
    CHECK(ended == -1);
}

TEST_CASE("Enter on a letter key guesses nothing, however the key got the focus; Space presses it")
{
    Played game("PA\xD1O");
    // Tab makes the focused button the dialog manager's default one.
    game.press(VK_TAB);
    REQUIRE(GetFocus() == game.hwnd("Letra", 1));
    for (HWND key : { game.hwnd("Letra", 1), game.hwnd("Letra", 0) }) {
        SetFocus(key);
        game.press(VK_RETURN);
        game.type(L'\r');
        CHECK(game.shown("Label4") == L"0");
        CHECK(IsWindowEnabled(key) != FALSE);
    }
    SetFocus(game.hwnd("Letra", 10)); // "A"
    game.press(VK_SPACE);
    PostMessageW(GetFocus(), WM_KEYUP, VK_SPACE, 0xC0000001);
    game.pump(50);
    CHECK(game.shown("Label4") == L"1");
    CHECK(game.shown("Pelicula1") == L"-A--");
}

TEST_CASE("However long a list's item, every position of its word can be seen")
{
    Played game(std::string(quimbelo::WordList::kMaxItemBytes, 'A'));
    HWND label = game.hwnd("Pelicula1");
    std::wstring shown = game.shown("Pelicula1");
    RECT client {};
    GetClientRect(label, &client);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    std::size_t lines = 0;
    std::size_t dashes = 0;
    for (std::size_t start = 0; start <= shown.size();) {
        std::size_t end = shown.find(L"\r\n", start);
        end = end == std::wstring::npos ? shown.size() : end;
        SIZE extent {};
        GetTextExtentPoint32W(dc, shown.c_str() + start, static_cast<int>(end - start), &extent);
        CHECK(extent.cx <= client.right);
        dashes += static_cast<std::size_t>(
            std::count(shown.begin() + static_cast<std::ptrdiff_t>(start),
                shown.begin() + static_cast<std::ptrdiff_t>(end), L'-'));
        ++lines;
        start = end + 2;
    }
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    CHECK(dashes == quimbelo::WordList::kMaxItemBytes);
    CHECK(lines > 1);
    CHECK(client.bottom >= static_cast<LONG>(lines) * metrics.tmHeight);
    RECT window {};
    GetClientRect(game.window.hwnd(), &window);
    const RECT place = placeInParent(label);
    CHECK(place.right <= window.right);
    CHECK(place.bottom <= window.bottom);
}

int wmain(int argc, wchar_t **argv)
{
    INITCOMMONCONTROLSEX controls {};
    controls.dwSize = sizeof(INITCOMMONCONTROLSEX);
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(toUtf8(argv[i]));
    }
    std::vector<const char *> pointers;
    for (const std::string &argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    doctest::Context context(static_cast<int>(pointers.size()), pointers.data());
    return context.run();
}
