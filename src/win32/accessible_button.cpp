#include "win32/accessible_button.h"

#include <commctrl.h>  // BST_HOT

#include <atomic>
#include <memory>
#include <new>
#include <string>

#include "win32/handles.h"
#include "win32/system_library.h"
#include "win32/window_text.h"

namespace orv::win32 {
namespace {

constexpr wchar_t kDefaultAction[] = L"Press";

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

void SetLong(VARIANT* out, LONG value) {
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = value;
}

// No C++ exception may cross the COM boundary: one is answered as the failure it stands for.
template <class Body>
HRESULT Guarded(Body body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

// An [out] VARIANT is empty, not left as the caller's garbage, whatever the answer.
void Clear(VARIANT* out) {
    if (out != nullptr) VariantInit(out);
}

// Our answers for role, name, state and default action; everything else (parent, location,
// navigation, hit testing) comes from the system's own proxy for the window. Like every COM object
// it deletes itself when its last reference goes, so its destructor is private.
class AccessibleButton final : public IAccessible {  // NOLINT(cppcoreguidelines-virtual-class-destructor)
public:
    AccessibleButton(HWND button, ComPointer<IAccessible> standard) : button_(button), standard_(std::move(standard)) {}
    AccessibleButton(const AccessibleButton&) = delete;
    AccessibleButton& operator=(const AccessibleButton&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) || IsEqualIID(id, kIidAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch without type information: a late-bound caller would otherwise reach the proxy's
    // answers, which contradict ours (a generic client area, no default action).
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info != nullptr) *info = nullptr;
        return DISP_E_BADINDEX;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
        Clear(result);
        return E_NOTIMPL;
    }

    // IAccessible: ours
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        if (child == nullptr) return E_POINTER;
        *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (name == nullptr) return E_POINTER;
        *name = nullptr;
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!IsWindow(button_)) return RPC_E_DISCONNECTED;
        return Guarded([&] {
            *name = SysAllocString(WindowText(button_).c_str());
            return *name != nullptr ? S_OK : E_OUTOFMEMORY;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (role == nullptr) return E_POINTER;
        Clear(role);
        if (!IsSelf(child)) return E_INVALIDARG;
        SetLong(role, ROLE_SYSTEM_PUSHBUTTON);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (state == nullptr) return E_POINTER;
        Clear(state);
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!IsWindow(button_)) return RPC_E_DISCONNECTED;
        const auto shown = static_cast<UINT>(SendMessageW(button_, BM_GETSTATE, 0, 0));
        LONG flags = STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == button_) flags |= STATE_SYSTEM_FOCUSED;
        if ((shown & BST_PUSHED) != 0) flags |= STATE_SYSTEM_PRESSED;
        if ((shown & BST_HOT) != 0) flags |= STATE_SYSTEM_HOTTRACKED;
        if (!IsWindowVisible(button_)) flags |= STATE_SYSTEM_INVISIBLE;
        if (!IsWindowEnabled(button_)) flags |= STATE_SYSTEM_UNAVAILABLE;
        SetLong(state, flags);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (action == nullptr) return E_POINTER;
        *action = nullptr;
        if (!IsSelf(child)) return E_INVALIDARG;
        *action = SysAllocString(kDefaultAction);
        return *action != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    // Posted, not sent: a click that opens a modal box must not hold up the caller.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!IsWindow(button_)) return RPC_E_DISCONNECTED;
        return PostMessageW(button_, BM_CLICK, 0, 0) ? S_OK : HRESULT_FROM_WIN32(GetLastError());
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (focus == nullptr) return E_POINTER;
        VariantInit(focus);
        if (GetFocus() == button_) SetLong(focus, CHILDID_SELF);
        return focus->vt == VT_EMPTY ? S_FALSE : S_OK;
    }

    // IAccessible: the system's proxy
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return standard_->get_accValue(child, value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return standard_->get_accHelp(child, help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        Clear(children);
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        Clear(end);
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        Clear(child);
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessibleButton() = default;

    HWND button_;
    ComPointer<IAccessible> standard_;
    std::atomic<ULONG> references_{1};
};

// oleacc.dll is no KnownDLL: loaded on the first question of assistive technology, from the system
// folder only, and kept, since the objects it makes for us live on.
struct Oleacc {
    SystemLibrary library{L"oleacc.dll"};
    decltype(&CreateStdAccessibleObject) createStandard = library.find<decltype(CreateStdAccessibleObject)>("CreateStdAccessibleObject");
    decltype(&LresultFromObject) resultFromObject = library.find<decltype(LresultFromObject)>("LresultFromObject");
};

const Oleacc& OleaccFromTheSystemFolder() {
    static const Oleacc oleacc;
    return oleacc;
}

}  // namespace

LRESULT AnswerButtonAccessibility(HWND button, WPARAM wParam, LPARAM lParam) {
    const Oleacc& oleacc = OleaccFromTheSystemFolder();
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || oleacc.createStandard == nullptr || oleacc.resultFromObject == nullptr) {
        return 0;
    }
    IAccessible* proxy = nullptr;
    if (FAILED(oleacc.createStandard(button, OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(&proxy)))) {
        return 0;
    }
    ComPointer<IAccessible> standard(proxy);
    auto* accessible = new (std::nothrow) AccessibleButton(button, std::move(standard));
    if (accessible == nullptr) return 0;
    const LRESULT answer = oleacc.resultFromObject(kIidAccessible, wParam, accessible);
    accessible->Release();
    return answer;
}

}  // namespace orv::win32
