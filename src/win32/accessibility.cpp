// SPDX-License-Identifier: MIT
// A control's accessible description, through the system's own accessible object.
#include "accessibility.h"

#include <commctrl.h>
#include <oleacc.h>

#include <utility>

namespace quimbelo::win32::accessibility {

namespace {

// The system's accessible object for a control with its description put in; every other
// question goes to the system's object as it is.
class Described final : public IAccessible
{
public:
    Described(IAccessible *system, const std::wstring &description)
        : m_system(system)
        , m_description(description)
    {
    }
    Described(const Described &) = delete;
    Described &operator=(const Described &) = delete;

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) {
            *description = SysAllocString(m_description.c_str());
            return *description != nullptr ? S_OK : E_OUTOFMEMORY;
        }
        return m_system->get_accDescription(child, description);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch)
            || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible *>(this);
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
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        return m_system->get_accName(child, name);
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
    ~Described() { m_system->Release(); }

    IAccessible *m_system;
    std::wstring m_description;
    LONG m_references = 1;
};

constexpr UINT_PTR kSubclassId = 0x51AC;
// The control's description lives in a window property while the control does.
constexpr wchar_t kProperty[] = L"Quimbelo.AccessibleDescription";

std::wstring *heldBy(HWND hwnd)
{
    return static_cast<std::wstring *>(GetPropW(hwnd, kProperty));
}

LRESULT CALLBACK describedProc(
    HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        IAccessible *system = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(
                hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void **>(&system)))) {
            auto *described = new Described(system, *heldBy(hwnd));
            const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, described);
            described->Release();
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, describedProc, kSubclassId);
        delete static_cast<std::wstring *>(RemovePropW(hwnd, kProperty));
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace

void setDescription(HWND control, std::wstring description)
{
    if (std::wstring *held = heldBy(control)) {
        if (*held == description) {
            return;
        }
        *held = std::move(description);
    } else {
        auto *made = new std::wstring(std::move(description));
        if (!SetPropW(control, kProperty, made)) {
            delete made;
            return;
        }
        SetWindowSubclass(control, describedProc, kSubclassId, 0);
    }
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void announce(HWND window, std::wstring text)
{
    // The window's own description carries the sentence, and its change is raised.
    setDescription(window, std::move(text));
}

} // namespace quimbelo::win32::accessibility
