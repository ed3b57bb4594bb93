#include "common/accessible_win32.h"

#include <commctrl.h>
#include <oleacc.h>

#include <utility>

#include "common/handles_win32.h"

namespace common {
namespace {

// The IIDs by the interfaces' own declarations: the import library of oleacc
// also carries a symbol IID_IAccessible that is no GUID at all.
const IID& kAccessible = __uuidof(IAccessible);
const IID& kOleWindow = __uuidof(IOleWindow);

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The control's own accessible object with the names put on top. Clients may
// keep it after the control is gone, so it holds copies of what it needs.
class NamedAccessible final : public IAccessible, public IOleWindow {
 public:
  NamedAccessible(ComPtr<IAccessible> inner, HWND control, std::wstring name, AccessiblePartNames partNames)
      : inner_(std::move(inner)), control_(control), name_(std::move(name)), partNames_(std::move(partNames)) {}
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kAccessible) *out = static_cast<IAccessible*>(this);
    else if (iid == kOleWindow) *out = static_cast<IOleWindow*>(this);
    else return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IOleWindow: how a client finds the window behind the object.
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = control_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return inner_->GetTypeInfoCount(count); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return inner_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return inner_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
    return inner_->Invoke(member, iid, locale, flags, parameters, result, exception, argumentError);
  }

  // IAccessible: the name is ours, the rest the control's.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    std::wstring ours;
    try {
      if (isSelf(child)) ours = name_;
      else if (child.vt == VT_I4 && partNames_) ours = partNames_(control_, child.lVal);
    } catch (...) {
      ours.clear();  // the control's own name is better than none
    }
    if (ours.empty()) return inner_->get_accName(child, name);
    *name = SysAllocStringLen(ours.data(), static_cast<UINT>(ours.size()));
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return inner_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return inner_->get_accChildCount(count); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return inner_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return inner_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return inner_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return inner_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return inner_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return inner_->get_accHelp(child, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return inner_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return inner_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return inner_->get_accFocus(child); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override { return inner_->get_accSelection(children); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return inner_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return inner_->accSelect(flags, child); }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
    return inner_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return inner_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return inner_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return inner_->accDoDefaultAction(child); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return inner_->put_accName(child, name); }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return inner_->put_accValue(child, value);
  }

 private:
  ~NamedAccessible() = default;

  LONG references_ = 1;
  ComPtr<IAccessible> inner_;
  HWND control_;
  std::wstring name_;
  AccessiblePartNames partNames_;
};

struct Naming {
  std::wstring name;
  AccessiblePartNames partNames;
};

constexpr UINT_PTR kSubclassId = 0x4E414D45;  // any id that no other subclass of ours uses

// What the control itself would answer, or else the system's standard object
// for a control of its class.
ComPtr<IAccessible> controlsOwnObject(HWND control, WPARAM flags, LPARAM objectId) {
  ComPtr<IAccessible> inner;
  LRESULT own = DefSubclassProc(control, WM_GETOBJECT, flags, objectId);
  if (own > 0) ObjectFromLresult(own, kAccessible, flags, reinterpret_cast<void**>(inner.put()));
  if (!inner) CreateStdAccessibleObject(control, OBJID_CLIENT, kAccessible, reinterpret_cast<void**>(inner.put()));
  return inner;
}

LRESULT answerGetObject(HWND control, WPARAM flags, LPARAM objectId, const Naming& naming) {
  ComPtr<IAccessible> inner = controlsOwnObject(control, flags, objectId);
  if (!inner) return 0;
  auto* named = new NamedAccessible(std::move(inner), control, naming.name, naming.partNames);
  LRESULT result = LresultFromObject(kAccessible, flags, static_cast<IAccessible*>(named));
  named->Release();  // the result keeps its own reference
  return result < 0 ? 0 : result;
}

// Asks a control that is named already to take new names; a control without
// our subclass does not know the message and answers 0.
UINT renameMessage() {
  static const UINT message = RegisterWindowMessageW(L"common.accessible.rename");
  return message;
}

LRESULT CALLBACK namingProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
  auto* naming = reinterpret_cast<Naming*>(data);
  if (message == renameMessage() && message != 0 && lParam) {
    std::swap(*naming, *reinterpret_cast<Naming*>(lParam));
    return 1;
  }
  if (message == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
    try {
      if (LRESULT answer = answerGetObject(control, wParam, lParam, *naming)) return answer;
    } catch (...) {
      // Without our object the control still answers as it always has.
    }
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, namingProc, id);
    delete naming;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

bool nameForScreenReaders(HWND control, const std::wstring& name, AccessiblePartNames partNames) {
  if (!control || !IsWindow(control)) return false;
  Naming renamed{name, partNames};
  if (SendMessageW(control, renameMessage(), 0, reinterpret_cast<LPARAM>(&renamed)) == 1) return true;
  auto* naming = new Naming{name, std::move(partNames)};
  if (SetWindowSubclass(control, namingProc, kSubclassId, reinterpret_cast<DWORD_PTR>(naming))) return true;
  delete naming;
  return false;
}

}  // namespace common
