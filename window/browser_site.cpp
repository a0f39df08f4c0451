#include "window/browser_site.h"

#include <exdisp.h>
#include <ole2.h>
#include <ocidl.h>

#include <new>

#include "window/browser_event_sink.h"

namespace {

const char kSiteClass[] = "Dravelin.BrowserSite";
ATOM siteClass = 0;

// The client site, in-place site and (through frame_) in-place frame of one
// control. The site window holds one reference from WM_NCCREATE to
// WM_NCDESTROY; the control holds the ones it takes while it is attached.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite {
 public:
  BrowserSite() : frame_(*this) {}
  BrowserSite(const BrowserSite&) = delete;
  BrowserSite& operator=(const BrowserSite&) = delete;

  // Takes the control on: client site, fresh state, events, in-place
  // activation. On failure what was taken is let go by Close.
  bool Attach(IUnknown* control);
  // Deactivates and closes the control and drops every reference to it.
  void Close();
  void FitControl();
  void FocusControl();
  bool Translate(MSG& message);

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
    if (container) *container = nullptr;
    return E_NOINTERFACE;  // a single control: there is nothing to enumerate
  }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
    if (!hwnd) return E_POINTER;
    *hwnd = window_;
    return window_ ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return window_ ? S_OK : S_FALSE; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                             LPRECT position, LPRECT clip,
                                             LPOLEINPLACEFRAMEINFO info) override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override {
    FitControl();  // the control always fills the site window
    return S_OK;
  }

 private:
  // The frame the control sees: the top-level window, with no menus, tool
  // space or accelerators of its own. It shares the site's lifetime.
  class Frame final : public IOleInPlaceFrame {
   public:
    explicit Frame(BrowserSite& site) : site_(site) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
      if (!object) return E_POINTER;
      if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleWindow) ||
          IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame)) {
        *object = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        return S_OK;
      }
      *object = nullptr;
      return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return site_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return site_.Release(); }
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
      if (!hwnd) return E_POINTER;
      *hwnd = site_.window_ ? GetAncestor(site_.window_, GA_ROOT) : nullptr;
      return *hwnd ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
      return INPLACE_E_NOTOOLSPACE;
    }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override {
      const bool none = !widths || (widths->left == 0 && widths->top == 0 &&
                                    widths->right == 0 && widths->bottom == 0);
      return none ? S_OK : INPLACE_E_NOTOOLSPACE;
    }
    // Keys go to the control's own active object (see Translate), so the
    // one named here is not kept.
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override {
      return S_OK;
    }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

   private:
    BrowserSite& site_;
  };

  ~BrowserSite() { Close(); }

  ULONG references_ = 1;
  HWND window_ = nullptr;
  IOleObject* object_ = nullptr;
  IOleInPlaceObject* inPlace_ = nullptr;
  BrowserEventConnection events_;
  Frame frame_;
};

HRESULT BrowserSite::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
    *object = static_cast<IOleClientSite*>(this);
  else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
    *object = static_cast<IOleInPlaceSite*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

HRESULT BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                      LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (!frame || !document || !position || !clip || !info) return E_POINTER;
  *frame = &frame_;
  frame_.AddRef();
  *document = nullptr;  // no document window apart from the frame
  GetClientRect(window_, position);
  *clip = *position;
  info->fMDIApp = FALSE;
  info->hwndFrame = GetAncestor(window_, GA_ROOT);
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

bool BrowserSite::Attach(IUnknown* control) {
  if (FAILED(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object_))) ||
      !object_) {
    object_ = nullptr;
    return false;
  }
  // The web browser control wants its site before anything else
  // (OLEMISC_SETCLIENTSITEFIRST).
  if (FAILED(object_->SetClientSite(this))) return false;
  IPersistStreamInit* persist = nullptr;
  if (SUCCEEDED(control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist))) &&
      persist) {
    const HRESULT result = persist->InitNew();
    persist->Release();
    if (FAILED(result)) return false;
  }
  events_.Connect(control);  // without events the control still works
  RECT rect;
  GetClientRect(window_, &rect);
  if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, window_, &rect)))
    return false;
  if (FAILED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace_))) ||
      !inPlace_) {
    inPlace_ = nullptr;
    return false;
  }
  return true;
}

void BrowserSite::Close() {
  events_.Disconnect();
  IOleObject* object = object_;
  IOleInPlaceObject* inPlace = inPlace_;
  object_ = nullptr;
  inPlace_ = nullptr;
  if (inPlace) {
    inPlace->InPlaceDeactivate();
    inPlace->Release();
  }
  if (object) {
    object->Close(OLECLOSE_NOSAVE);
    object->SetClientSite(nullptr);  // the control lets go of this site
    object->Release();
  }
}

void BrowserSite::FitControl() {
  if (!inPlace_ || !window_) return;
  RECT rect;
  GetClientRect(window_, &rect);
  inPlace_->SetObjectRects(&rect, &rect);
}

void BrowserSite::FocusControl() {
  if (!object_ || !window_) return;
  RECT rect;
  GetClientRect(window_, &rect);
  object_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, this, 0, window_, &rect);
  // Some controls stay in-place active without taking the focus: hand it to
  // the control's window then.
  HWND inner = nullptr;
  if (!inPlace_ || FAILED(inPlace_->GetWindow(&inner)) || !inner) return;
  HWND focus = GetFocus();
  if (focus != inner && !IsChild(inner, focus)) SetFocus(inner);
}

bool BrowserSite::Translate(MSG& message) {
  if (!object_) return false;
  IOleInPlaceActiveObject* active = nullptr;
  if (FAILED(object_->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(&active))) ||
      !active)
    return false;
  const HRESULT result = active->TranslateAccelerator(&message);
  active->Release();
  return result == S_OK;
}

LRESULT CALLBACK BrowserSite::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* site = static_cast<BrowserSite*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    site->window_ = hwnd;
    site->AddRef();  // the window's reference, let go at WM_NCDESTROY
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(site));
  }
  auto* site = reinterpret_cast<BrowserSite*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!site) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_SIZE: {
      const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
      site->FitControl();
      return result;
    }
    case WM_SETFOCUS: {
      const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
      site->FocusControl();
      return result;
    }
    case WM_DESTROY:
      site->Close();
      break;
    case WM_NCDESTROY: {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
      site->window_ = nullptr;
      site->Release();
      return result;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

BrowserSite* SiteOf(HWND window) {
  if (!window || !siteClass ||
      static_cast<ATOM>(GetClassLongPtrA(window, GCW_ATOM)) != siteClass)
    return nullptr;
  return reinterpret_cast<BrowserSite*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Registered once per process: the window class every site window uses.
bool RegisterSiteClass() {
  if (siteClass) return true;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = BrowserSite::Procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kSiteClass;
  siteClass = RegisterClassA(&wc);
  return siteClass != 0;
}

}  // namespace

HRESULT CreateSystemBrowser(IUnknown** control) {
  if (!control) return E_POINTER;
  *control = nullptr;
  return CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                          reinterpret_cast<void**>(control));
}

HWND CreateBrowserSite(HWND parent, const RECT& rect, int childId, BrowserFactory factory,
                       IUnknown** control) {
  if (!control) return nullptr;
  *control = nullptr;
  if (!factory || !RegisterSiteClass()) return nullptr;
  auto* site = new (std::nothrow) BrowserSite;
  if (!site) return nullptr;
  HWND window = CreateWindowExA(0, kSiteClass, "", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                                GetModuleHandleA(nullptr), site);
  IUnknown* made = nullptr;
  const bool attached = window && SUCCEEDED(factory(&made)) && made && site->Attach(made);
  site->Release();  // from here on the window keeps the site alive
  if (!attached) {
    if (made) made->Release();
    if (window) DestroyWindow(window);  // closes what Attach took on
    return nullptr;
  }
  *control = made;
  return window;
}

bool TranslateBrowserKey(HWND site, MSG& message) {
  BrowserSite* browserSite = SiteOf(site);
  return browserSite && browserSite->Translate(message);
}
