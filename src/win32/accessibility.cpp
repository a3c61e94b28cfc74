// SPDX-License-Identifier: MIT
// A control's accessible description and a window's announcements, through the system's
// own accessible object and, where it has them, UI Automation's notifications.
#include "accessibility.h"

#include <commctrl.h>
#include <oleacc.h>
#include <uiautomationclient.h>

#include <optional>
#include <utility>
#include <vector>

namespace quimbelo::win32::accessibility {

namespace {

// IUnknown for the objects made here: they answer for IUnknown, for Interface and for the
// interfaces it derives from (Also), and delete themselves at their last Release.
template <typename Interface, typename... Also> class Counted : public Interface
{
public:
    Counted() = default;
    Counted(const Counted &) = delete;
    Counted &operator=(const Counted &) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(Interface)
            || ((iid == __uuidof(Also)) || ...)) {
            *object = static_cast<Interface *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

protected:
    virtual ~Counted() = default;

private:
    LONG m_references = 1;
};

// The system's accessible object for a control with its name or description put in;
// every other question goes to the system's object as it is.
class Described final : public Counted<IAccessible, IDispatch>
{
public:
    Described(IAccessible *system, std::optional<std::wstring> name,
        std::optional<std::wstring> description)
        : m_system(system)
        , m_name(std::move(name))
        , m_description(std::move(description))
    {
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        if (m_description && isSelf(child)) {
            return copy(*m_description, description);
        }
        return m_system->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        if (m_name && isSelf(child)) {
            return copy(*m_name, name);
        }
        return m_system->get_accName(child, name);
    }

    // The rest is the system's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override
    {
        return m_system->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override
    {
        return m_system->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(
        REFIID iid, LPOLESTR *names, UINT count, LCID locale, DISPID *ids) override
    {
        return m_system->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
        DISPPARAMS *parameters, VARIANT *result, EXCEPINFO *exception, UINT *error) override
    {
        return m_system->Invoke(id, iid, locale, flags, parameters, result, exception, error);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override
    {
        return m_system->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override
    {
        return m_system->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override
    {
        return m_system->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override
    {
        return m_system->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override
    {
        return m_system->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override
    {
        return m_system->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override
    {
        return m_system->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, long *topic) override
    {
        return m_system->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override
    {
        return m_system->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *child) override
    {
        return m_system->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *children) override
    {
        return m_system->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override
    {
        return m_system->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return m_system->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(
        long *left, long *top, long *width, long *height, VARIANT child) override
    {
        return m_system->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT *end) override
    {
        return m_system->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT *child) override
    {
        return m_system->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return m_system->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return m_system->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return m_system->put_accValue(child, value);
    }

private:
    ~Described() override { m_system->Release(); }
    static bool isSelf(const VARIANT &child)
    {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    }
    static HRESULT copy(const std::wstring &text, BSTR *to)
    {
        *to = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *to != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible *m_system;
    std::optional<std::wstring> m_name;
    std::optional<std::wstring> m_description;
};

// What uiautomationcore.dll gives where it is present, looked up by name: on systems
// without it, or without notifications, the program still starts.
struct Automation
{
    NotificationRaiser raiseNotification = nullptr;
    HRESULT(WINAPI *hostProviderFromHwnd)(HWND, IRawElementProviderSimple **) = nullptr;
    LRESULT(WINAPI *returnRawElementProvider)
    (HWND, WPARAM, LPARAM, IRawElementProviderSimple *) = nullptr;
    HRESULT(WINAPI *disconnectProvider)(IRawElementProviderSimple *) = nullptr;
};

template <typename Function> void lookUp(HMODULE module, const char *name, Function &function)
{
    function = module != nullptr
        ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
        : nullptr;
}

const Automation &automation()
{
    static const Automation found = [] {
        // Only the system's own copy: never one planted beside the program.
        HMODULE module
            = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        Automation functions;
        lookUp(module, "UiaRaiseNotificationEvent", functions.raiseNotification);
        lookUp(module, "UiaHostProviderFromHwnd", functions.hostProviderFromHwnd);
        lookUp(module, "UiaReturnRawElementProvider", functions.returnRawElementProvider);
        lookUp(module, "UiaDisconnectProvider", functions.disconnectProvider);
        return functions;
    }();
    return found;
}

// The raiser a test put in, if any.
std::optional<NotificationRaiser> &chosenRaiser()
{
    static std::optional<NotificationRaiser> chosen;
    return chosen;
}

NotificationRaiser raiser()
{
    return chosenRaiser().value_or(systemNotificationRaiser());
}

// UiaRootObjectId and UIA_TextControlTypeId, which the headers at hand declare in no
// header that compiles as C++.
constexpr LONG kUiaRootObjectId = -25;
constexpr long kTextControlType = 50020;

// The announcer as UI Automation sees it: a text whose window is the announcer, named by
// what it last announced.
class Announcing final : public Counted<IRawElementProviderSimple>
{
public:
    explicit Announcing(HWND announcer)
        : m_announcer(announcer)
    {
    }

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions *options) override
    {
        // Asked on the window's own thread, as the control is.
        *options = static_cast<ProviderOptions>(
            ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown **provider) override
    {
        *provider = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT *value) override
    {
        VariantInit(value);
        if (property == UIA_NamePropertyId) {
            value->vt = VT_BSTR;
            value->bstrVal = SysAllocStringLen(m_said.data(), static_cast<UINT>(m_said.size()));
            return value->bstrVal != nullptr ? S_OK : E_OUTOFMEMORY;
        }
        if (property == UIA_ControlTypePropertyId) {
            value->vt = VT_I4;
            value->lVal = kTextControlType;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple **host) override
    {
        *host = nullptr;
        const auto hostOf = automation().hostProviderFromHwnd;
        return hostOf != nullptr && IsWindow(m_announcer) ? hostOf(m_announcer, host) : S_OK;
    }

    void said(const std::wstring &text) { m_said = text; }

private:
    ~Announcing() override = default;

    HWND m_announcer;
    std::wstring m_said;
};

// What a control tells a screen reader beyond what the system knows of it.
struct Told
{
    std::optional<std::wstring> name;
    std::optional<std::wstring> description;
    // An announcer's element for UI Automation, once it has raised a notification.
    Announcing *provider = nullptr;
    // An announcer's announcements made since the window last went back to its event loop.
    std::vector<std::wstring> pending;
};

// Sent by an announcer to itself: what is pending is said once the window is back in its
// event loop, and so once it is on the screen and after what showing it says.
constexpr UINT kSayPending = WM_APP + 0x51;

constexpr UINT_PTR kSubclassId = 0x51AC;
// What the control tells lives in a window property while the control does.
constexpr wchar_t kProperty[] = L"Quimbelo.Accessible";

Told *toldBy(HWND hwnd)
{
    return static_cast<Told *>(GetPropW(hwnd, kProperty));
}

// True when UI Automation took the notification.
bool notify(NotificationRaiser raise, Announcing *provider, const std::wstring &text)
{
    provider->said(text);
    BSTR said = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    BSTR activity = SysAllocString(L"Quimbelo");
    // Queued after what is being said, none of them dropped.
    const HRESULT raised
        = raise(provider, NotificationKind_Other, NotificationProcessing_All, said, activity);
    SysFreeString(said);
    SysFreeString(activity);
    return SUCCEEDED(raised);
}

void sayPending(HWND announcer, Told &told)
{
    std::vector<std::wstring> unsaid;
    if (const NotificationRaiser raise = raiser()) {
        if (told.provider == nullptr) {
            told.provider = new Announcing(announcer);
        }
        for (const std::wstring &text : told.pending) {
            if (!notify(raise, told.provider, text)) {
                unsaid.push_back(text);
            }
        }
    } else {
        unsaid = told.pending;
    }
    told.pending.clear();
    if (unsaid.empty()) {
        return;
    }
    // A screen reader reads the name when the event reaches it, by when a second change
    // would have replaced the first: the announcements go together, as one name.
    std::wstring name;
    for (const std::wstring &text : unsaid) {
        name += name.empty() ? text : L" " + text;
    }
    told.name = name;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, announcer, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, announcer, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT CALLBACK describedProc(
    HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    Told *told = toldBy(hwnd);
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        IAccessible *system = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(
                hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void **>(&system)))) {
            auto *described = new Described(system, told->name, told->description);
            const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, described);
            described->Release();
            return result;
        }
    } else if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == kUiaRootObjectId
        && told->provider != nullptr && automation().returnRawElementProvider != nullptr) {
        return automation().returnRawElementProvider(hwnd, wParam, lParam, told->provider);
    } else if (message == kSayPending) {
        sayPending(hwnd, *told);
        return 0;
    } else if (message == WM_NCDESTROY) {
        if (told->provider != nullptr) {
            // UI Automation lets go of the element, and calls on it fail from now on.
            if (automation().returnRawElementProvider != nullptr) {
                automation().returnRawElementProvider(hwnd, 0, 0, nullptr);
            }
            if (automation().disconnectProvider != nullptr) {
                automation().disconnectProvider(told->provider);
            }
            told->provider->Release();
        }
        RemoveWindowSubclass(hwnd, describedProc, kSubclassId);
        delete static_cast<Told *>(RemovePropW(hwnd, kProperty));
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// What the control tells, made on first need.
Told *told(HWND control)
{
    if (Told *held = toldBy(control)) {
        return held;
    }
    auto *made = new Told;
    if (!SetPropW(control, kProperty, made)) {
        delete made;
        return nullptr;
    }
    SetWindowSubclass(control, describedProc, kSubclassId, 0);
    return made;
}

} // namespace

void setDescription(HWND control, std::wstring description)
{
    Told *held = told(control);
    if (held == nullptr || held->description == description) {
        return;
    }
    held->description = std::move(description);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

HWND makeAnnouncer(HWND window)
{
    // Disabled, it is no stop of Tab or the arrows; of no size, it shows nothing.
    HWND announcer
        = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_DISABLED | SS_NOPREFIX, 0,
            0, 0, 0, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (announcer != nullptr) {
        if (Told *held = told(announcer)) {
            held->name = std::wstring();
        }
    }
    return announcer;
}

void announce(HWND announcer, const std::wstring &text)
{
    Told *held = announcer != nullptr ? toldBy(announcer) : nullptr;
    if (held == nullptr) {
        return;
    }
    held->pending.push_back(text);
    if (held->pending.size() == 1) {
        PostMessageW(announcer, kSayPending, 0, 0);
    }
}

NotificationRaiser systemNotificationRaiser()
{
    return automation().raiseNotification;
}

NotificationRaiser useNotificationRaiser(NotificationRaiser raiser)
{
    const NotificationRaiser before = accessibility::raiser();
    chosenRaiser() = raiser;
    return before;
}

} // namespace quimbelo::win32::accessibility
