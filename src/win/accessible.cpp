#include "win/accessible.h"

#include <oleacc.h>

#include <utility>

#include "win/com_ptr.h"
#include "win/oleacc_api.h"

namespace vask::win {
namespace {

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's object for the window, with the role and the name of ours.
class IdentifiedAccessible final : public IAccessible {
public:
    IdentifiedAccessible(ComPtr<IAccessible> system, AccessibleIdentity identity)
        : system_(std::move(system)), identity_(std::move(identity)) {}
    IdentifiedAccessible(const IdentifiedAccessible&) = delete;
    IdentifiedAccessible& operator=(const IdentifiedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The window and the children are the system's to tell; anything else
        // (a marshaller of its own above all) would stand for the system's object, not this one.
        if (iid == __uuidof(IOleWindow) || iid == __uuidof(IEnumVARIANT)) return system_->QueryInterface(iid, object);
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child) || identity_.role == 0) return system_->get_accRole(child, role);
        if (!role) return E_POINTER;
        role->vt = VT_I4;
        role->lVal = identity_.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!isSelf(child)) return system_->get_accName(child, name);
        if (!name) return E_POINTER;
        *name = oleaccApi().sysAllocString(identity_.name.c_str());
        return *name ? S_OK : E_OUTOFMEMORY;
    }

    // The rest is the system's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return system_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return system_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return system_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
        return system_->Invoke(id, iid, locale, flags, parameters, result, exception, argumentError);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return system_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return system_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return system_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return system_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return system_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return system_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return system_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return system_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return system_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return system_->get_accFocus(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return system_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return system_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override { return system_->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return system_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return system_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return system_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return system_->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return system_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return system_->put_accValue(child, value);
    }

private:
    ~IdentifiedAccessible() = default;  // through Release only

    LONG references_ = 1;
    ComPtr<IAccessible> system_;
    AccessibleIdentity identity_;
};

}  // namespace

std::optional<LRESULT> answerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam,
                                              const AccessibleIdentity& identity) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return std::nullopt;
    const OleaccApi& api = oleaccApi();
    if (!api.complete()) return std::nullopt;
    // The answer is marshalled, which needs the thread in a COM apartment: the
    // window thread (there is one) joins one at the first request and stays.
    [[maybe_unused]] static const HRESULT apartment = api.coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComPtr<IAccessible> system;
    if (FAILED(api.createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible), system.put())))
        return std::nullopt;
    const ComPtr<IAccessible> identified(new IdentifiedAccessible(std::move(system), identity));
    return api.lresultFromObject(__uuidof(IAccessible), wParam, identified.get());
}

void nameForScreenReaders(Control& control, AccessibleIdentity identity) {
    const HWND window = control.hwnd();
    control.setMessageHook(
        [window, identity = std::move(identity)](UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
            if (message != WM_GETOBJECT) return std::nullopt;
            return answerAccessibleObject(window, wParam, lParam, identity);
        });
}

std::wstring withoutAccessKeyMarks(std::wstring_view caption) {
    std::wstring shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

}  // namespace vask::win
