#include "platform/win32/accessible_control.h"

// After <windows.h>, which they need.
#include <commctrl.h>
#include <oleacc.h>

#include "platform/win32/wide_text.h"

namespace trelumo {
namespace {

constexpr UINT_PTR subclass_id = 0xACC0;

// Newer than MinGW-w64's headers: the event that has readers read a live region out, and UI
// Automation's LiveSetting property with its value Polite.
constexpr DWORD live_region_changed = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
constexpr GUID live_setting_property = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG polite = 1;
// CLSID_AccPropServices and IID_IAccPropServices, which MinGW-w64's libraries lack.
constexpr GUID property_services_class = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID property_services_interface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

struct Control {
    HWND hwnd;
    std::wstring name;
    std::wstring description;
    bool live_region;
    LONG role;
    bool live_setting_asked = false;
    bool live_setting_given = false;
};

bool is_self(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT text_out(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = SysAllocString(text.c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

// Windows' own accessible object for a control, with the name, description and role the program
// gives it.
class DescribedObject final : public IAccessible {
public:
    DescribedObject(IAccessible* standard, const Control& control)
        : standard_(standard), control_(control) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // What readers ask of an accessible object beside IAccessible: its window, its children.
        if (id == IID_IOleWindow || id == IID_IEnumVARIANT)
            return standard_->QueryInterface(id, out);
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!is_self(child) || control_.name.empty()) return standard_->get_accName(child, name);
        return text_out(control_.name, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!is_self(child) || control_.description.empty())
            return standard_->get_accDescription(child, description);
        return text_out(control_.description, description);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument_error) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception,
                                 argument_error);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!is_self(child) || control_.role == 0 || !role)
            return standard_->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = control_.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = standard_->get_accState(child, state);
        if (result == S_OK && is_self(child) && state->vt == VT_I4 &&
            control_.role == ROLE_SYSTEM_PUSHBUTTON &&
            (GetWindowLongPtrW(control_.hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            state->lVal |= STATE_SYSTEM_DEFAULT;
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return standard_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~DescribedObject() { standard_->Release(); }

    LONG references_ = 1;
    IAccessible* standard_;
    Control control_;  // a copy: the object may outlive the control, in a reader's hands
};

IAccPropServices* property_services() {
    IAccPropServices* services = nullptr;
    CoCreateInstance(property_services_class, nullptr, CLSCTX_INPROC_SERVER,
                     property_services_interface, reinterpret_cast<void**>(&services));
    return services;
}

// UI Automation's readers take a live region from its LiveSetting, which Windows keeps for the
// control once given (Wine does not: its property services are stubs).
void give_live_setting(HWND control, Control& described) {
    if (!described.live_region || described.live_setting_asked) return;
    described.live_setting_asked = true;
    IAccPropServices* services = property_services();
    if (!services) return;
    VARIANT setting{};
    setting.vt = VT_I4;
    setting.lVal = polite;
    described.live_setting_given =
        services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              live_setting_property, setting) == S_OK;
    services->Release();
}

void take_live_setting_back(HWND control) {
    if (IAccPropServices* services = property_services()) {
        MSAAPROPID property = live_setting_property;
        services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &property,
                                 1);
        services->Release();
    }
}

LRESULT object_for(HWND control, WPARAM w, Control& described) {
    IAccessible* standard = nullptr;
    if (CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                  reinterpret_cast<void**>(&standard)) != S_OK)
        return 0;
    auto* object = new DescribedObject(standard, described);
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), w, object);
    object->Release();
    return result > 0 ? result : 0;
}

// A live region's announcement, posted to it.
const UINT announce_message = RegisterWindowMessageW(L"TrelumoAnnounce");

LRESULT CALLBACK control_procedure(HWND control, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                   DWORD_PTR data) {
    auto* described = reinterpret_cast<Control*>(data);
    if (message == announce_message && described->live_region) {
        NotifyWinEvent(live_region_changed, control, OBJID_CLIENT, CHILDID_SELF);
        return 0;
    }
    if (message == WM_GETOBJECT) {
        // COM from the first reader's request on: a program no reader reads starts without it.
        static const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        if (com) give_live_setting(control, *described);
        if (com && static_cast<LONG>(l) == OBJID_CLIENT)
            if (const LRESULT object = object_for(control, w, *described)) return object;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, control_procedure, subclass_id);
        if (described->live_setting_given) take_live_setting_back(control);
        delete described;
    }
    return DefSubclassProc(control, message, w, l);
}

}  // namespace

void tell_readers(HWND control, ReaderText text) {
    auto* described =
        new Control{control, wide(text.name), wide(text.description), text.live_region, text.role};
    if (!SetWindowSubclass(control, control_procedure, subclass_id,
                           reinterpret_cast<DWORD_PTR>(described)))
        delete described;
}

void announce(HWND live_region) {
    // Once the message being handled is done: when that moves the focus, a reader hears the
    // focus first, which would silence what it had begun to read.
    PostMessageW(live_region, announce_message, 0, 0);
}

}  // namespace trelumo
