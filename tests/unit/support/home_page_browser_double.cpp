#include "tests/unit/support/home_page_browser_double.h"

#include <exdispid.h>
#include <olectl.h>

namespace {

std::string Utf8(const wchar_t* text) {
  if (!text) return "null";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string result(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, &result[0], size, nullptr, nullptr);
  return result;
}

// A variant as the calls record it: VT_I4:2, VT_BSTR:null, VT_EMPTY ...
std::string Describe(const VARIANT* value) {
  if (!value) return "null";
  switch (value->vt) {
    case VT_EMPTY: return "VT_EMPTY";
    case VT_I4: return "VT_I4:" + std::to_string(value->lVal);
    case VT_BSTR: return value->bstrVal ? "VT_BSTR:'" + Utf8(value->bstrVal) + "'" : "VT_BSTR:null";
  }
  return "vt" + std::to_string(value->vt);
}

std::string Rect(const RECT* rect) {
  if (!rect) return "null";
  return std::to_string(rect->left) + "," + std::to_string(rect->top) + "," +
         std::to_string(rect->right) + "," + std::to_string(rect->bottom);
}

RecordingBrowser* nextBrowser = nullptr;
int factoryCalls = 0;

}  // namespace

// The control's DWebBrowserEvents2 source; it shares the control's count.
class RecordingBrowser::EventPoint final : public IConnectionPoint {
 public:
  explicit EventPoint(RecordingBrowser& owner) : owner_(owner) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
      *object = static_cast<IConnectionPoint*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID*) override {
    return owner_.Record("GetConnectionInterface");
  }
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override {
    return owner_.Record("GetConnectionPointContainer");
  }
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override {
    owner_.Record("Advise");
    IDispatch* events = nullptr;
    if (!sink || !cookie ||
        FAILED(sink->QueryInterface(DIID_DWebBrowserEvents2, reinterpret_cast<void**>(&events))))
      return CONNECT_E_CANNOTCONNECT;
    if (owner_.sink_) owner_.sink_->Release();
    owner_.sink_ = events;
    if (!owner_.heldSink_) {
      owner_.heldSink_ = events;
      events->AddRef();
    }
    *cookie = 7;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
    owner_.Record("Unadvise");
    if (cookie != 7 || !owner_.sink_) return CONNECT_E_NOCONNECTION;
    owner_.sink_->Release();
    owner_.sink_ = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override {
    return owner_.Record("EnumConnections");
  }

 private:
  RecordingBrowser& owner_;
};

// IWebBrowser2, counted on its own so that a test sees how many references
// were taken through it.
class RecordingBrowser::WebBrowser final : public IWebBrowser2 {
 public:
  explicit WebBrowser(RecordingBrowser& owner) : owner_(owner) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    return owner_.QueryInterface(iid, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    ++owner_.browserReferences;
    return owner_.AddRef();
  }
  ULONG STDMETHODCALLTYPE Release() override {
    owner_.calls.push_back(std::string("IWebBrowser2.Release window=") +
                           (owner_.window && IsWindow(owner_.window) ? "alive" : "gone"));
    if (--owner_.browserReferences < 0) owner_.underflow = true;
    return owner_.Release();
  }
  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return owner_.Record("GetTypeInfoCount"); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return owner_.Record("GetTypeInfo"); }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return owner_.Record("GetIDsOfNames");
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return owner_.Record("Invoke");
  }
  // What the pane uses.
  HRESULT STDMETHODCALLTYPE put_Offline(VARIANT_BOOL value) override {
    return owner_.Record("put_Offline(" + std::to_string(value) + ")", S_OK);
  }
  HRESULT STDMETHODCALLTYPE put_Silent(VARIANT_BOOL value) override {
    return owner_.Record("put_Silent(" + std::to_string(value) + ")", S_OK);
  }
  HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID command, OLECMDEXECOPT option, VARIANT* in, VARIANT* out) override {
    return owner_.Record("ExecWB(" + std::to_string(command) + "," + std::to_string(option) +
                         ",in=" + Describe(in) + ",out=" + Describe(out) + ")", S_OK);
  }
  HRESULT STDMETHODCALLTYPE Navigate(BSTR url, VARIANT* flags, VARIANT* target, VARIANT* postData,
                                     VARIANT* headers) override {
    std::string call = "Navigate(" + Utf8(url);
    if (url) call += ",len=" + std::to_string(SysStringLen(url));
    call += ",flags=" + Describe(flags) + ",target=" + Describe(target) + ",post=" +
            Describe(postData) + ",headers=" + Describe(headers) + ")";
    owner_.Record(call);
    // The control may report the start of the navigation from inside the
    // call; the page itself comes later, if ever.
    if (owner_.fireEventsInNavigate) owner_.FireNavigationEvents();
    return S_OK;
  }
  // Everything else is recorded by name and not implemented.
  HRESULT STDMETHODCALLTYPE GoBack() override { return owner_.Record("GoBack"); }
  HRESULT STDMETHODCALLTYPE GoForward() override { return owner_.Record("GoForward"); }
  HRESULT STDMETHODCALLTYPE GoHome() override { return owner_.Record("GoHome"); }
  HRESULT STDMETHODCALLTYPE GoSearch() override { return owner_.Record("GoSearch"); }
  HRESULT STDMETHODCALLTYPE Refresh() override { return owner_.Record("Refresh"); }
  HRESULT STDMETHODCALLTYPE Refresh2(VARIANT *) override { return owner_.Record("Refresh2"); }
  HRESULT STDMETHODCALLTYPE Stop() override { return owner_.Record("Stop"); }
  HRESULT STDMETHODCALLTYPE get_Application(IDispatch **) override { return owner_.Record("get_Application"); }
  HRESULT STDMETHODCALLTYPE get_Parent(IDispatch **) override { return owner_.Record("get_Parent"); }
  HRESULT STDMETHODCALLTYPE get_Container(IDispatch **) override { return owner_.Record("get_Container"); }
  HRESULT STDMETHODCALLTYPE get_Document(IDispatch **) override { return owner_.Record("get_Document"); }
  HRESULT STDMETHODCALLTYPE get_TopLevelContainer(VARIANT_BOOL *) override { return owner_.Record("get_TopLevelContainer"); }
  HRESULT STDMETHODCALLTYPE get_Type(BSTR *) override { return owner_.Record("get_Type"); }
  HRESULT STDMETHODCALLTYPE get_Left(LONG *) override { return owner_.Record("get_Left"); }
  HRESULT STDMETHODCALLTYPE put_Left(LONG) override { return owner_.Record("put_Left"); }
  HRESULT STDMETHODCALLTYPE get_Top(LONG *) override { return owner_.Record("get_Top"); }
  HRESULT STDMETHODCALLTYPE put_Top(LONG) override { return owner_.Record("put_Top"); }
  HRESULT STDMETHODCALLTYPE get_Width(LONG *) override { return owner_.Record("get_Width"); }
  HRESULT STDMETHODCALLTYPE put_Width(LONG) override { return owner_.Record("put_Width"); }
  HRESULT STDMETHODCALLTYPE get_Height(LONG *) override { return owner_.Record("get_Height"); }
  HRESULT STDMETHODCALLTYPE put_Height(LONG) override { return owner_.Record("put_Height"); }
  HRESULT STDMETHODCALLTYPE get_LocationName(BSTR *) override { return owner_.Record("get_LocationName"); }
  HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR *) override { return owner_.Record("get_LocationURL"); }
  HRESULT STDMETHODCALLTYPE get_Busy(VARIANT_BOOL *) override { return owner_.Record("get_Busy"); }
  HRESULT STDMETHODCALLTYPE Quit() override { return owner_.Record("Quit"); }
  HRESULT STDMETHODCALLTYPE ClientToWindow(int *, int *) override { return owner_.Record("ClientToWindow"); }
  HRESULT STDMETHODCALLTYPE PutProperty(BSTR, VARIANT) override { return owner_.Record("PutProperty"); }
  HRESULT STDMETHODCALLTYPE GetProperty(BSTR, VARIANT *) override { return owner_.Record("GetProperty"); }
  HRESULT STDMETHODCALLTYPE get_Name(BSTR *) override { return owner_.Record("get_Name"); }
  HRESULT STDMETHODCALLTYPE get_HWND(SHANDLE_PTR *) override { return owner_.Record("get_HWND"); }
  HRESULT STDMETHODCALLTYPE get_FullName(BSTR *) override { return owner_.Record("get_FullName"); }
  HRESULT STDMETHODCALLTYPE get_Path(BSTR *) override { return owner_.Record("get_Path"); }
  HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL *) override { return owner_.Record("get_Visible"); }
  HRESULT STDMETHODCALLTYPE put_Visible(VARIANT_BOOL) override { return owner_.Record("put_Visible"); }
  HRESULT STDMETHODCALLTYPE get_StatusBar(VARIANT_BOOL *) override { return owner_.Record("get_StatusBar"); }
  HRESULT STDMETHODCALLTYPE put_StatusBar(VARIANT_BOOL) override { return owner_.Record("put_StatusBar"); }
  HRESULT STDMETHODCALLTYPE get_StatusText(BSTR *) override { return owner_.Record("get_StatusText"); }
  HRESULT STDMETHODCALLTYPE put_StatusText(BSTR) override { return owner_.Record("put_StatusText"); }
  HRESULT STDMETHODCALLTYPE get_ToolBar(int *) override { return owner_.Record("get_ToolBar"); }
  HRESULT STDMETHODCALLTYPE put_ToolBar(int) override { return owner_.Record("put_ToolBar"); }
  HRESULT STDMETHODCALLTYPE get_MenuBar(VARIANT_BOOL *) override { return owner_.Record("get_MenuBar"); }
  HRESULT STDMETHODCALLTYPE put_MenuBar(VARIANT_BOOL) override { return owner_.Record("put_MenuBar"); }
  HRESULT STDMETHODCALLTYPE get_FullScreen(VARIANT_BOOL *) override { return owner_.Record("get_FullScreen"); }
  HRESULT STDMETHODCALLTYPE put_FullScreen(VARIANT_BOOL) override { return owner_.Record("put_FullScreen"); }
  HRESULT STDMETHODCALLTYPE Navigate2(VARIANT *, VARIANT *, VARIANT *, VARIANT *, VARIANT *) override { return owner_.Record("Navigate2"); }
  HRESULT STDMETHODCALLTYPE QueryStatusWB(OLECMDID, OLECMDF *) override { return owner_.Record("QueryStatusWB"); }
  HRESULT STDMETHODCALLTYPE ShowBrowserBar(VARIANT *, VARIANT *, VARIANT *) override { return owner_.Record("ShowBrowserBar"); }
  HRESULT STDMETHODCALLTYPE get_ReadyState(READYSTATE *) override { return owner_.Record("get_ReadyState"); }
  HRESULT STDMETHODCALLTYPE get_Offline(VARIANT_BOOL *) override { return owner_.Record("get_Offline"); }
  HRESULT STDMETHODCALLTYPE get_Silent(VARIANT_BOOL *) override { return owner_.Record("get_Silent"); }
  HRESULT STDMETHODCALLTYPE get_RegisterAsBrowser(VARIANT_BOOL *) override { return owner_.Record("get_RegisterAsBrowser"); }
  HRESULT STDMETHODCALLTYPE put_RegisterAsBrowser(VARIANT_BOOL) override { return owner_.Record("put_RegisterAsBrowser"); }
  HRESULT STDMETHODCALLTYPE get_RegisterAsDropTarget(VARIANT_BOOL *) override { return owner_.Record("get_RegisterAsDropTarget"); }
  HRESULT STDMETHODCALLTYPE put_RegisterAsDropTarget(VARIANT_BOOL) override { return owner_.Record("put_RegisterAsDropTarget"); }
  HRESULT STDMETHODCALLTYPE get_TheaterMode(VARIANT_BOOL *) override { return owner_.Record("get_TheaterMode"); }
  HRESULT STDMETHODCALLTYPE put_TheaterMode(VARIANT_BOOL) override { return owner_.Record("put_TheaterMode"); }
  HRESULT STDMETHODCALLTYPE get_AddressBar(VARIANT_BOOL *) override { return owner_.Record("get_AddressBar"); }
  HRESULT STDMETHODCALLTYPE put_AddressBar(VARIANT_BOOL) override { return owner_.Record("put_AddressBar"); }
  HRESULT STDMETHODCALLTYPE get_Resizable(VARIANT_BOOL *) override { return owner_.Record("get_Resizable"); }
  HRESULT STDMETHODCALLTYPE put_Resizable(VARIANT_BOOL) override { return owner_.Record("put_Resizable"); }

 private:
  RecordingBrowser& owner_;
};

RecordingBrowser::RecordingBrowser()
    : point_(new EventPoint(*this)), browser_(new WebBrowser(*this)) {}

RecordingBrowser::~RecordingBrowser() {
  if (window && IsWindow(window)) DestroyWindow(window);
  if (inPlaceSite_) inPlaceSite_->Release();
  if (site_) site_->Release();
  if (sink_) sink_->Release();
  ReleaseHeldSite();
  ReleaseHeldSink();
  delete point_;
  delete browser_;
}

std::vector<std::string> RecordingBrowser::CallsFrom(const std::string& name) const {
  for (size_t i = 0; i < calls.size(); ++i)
    if (calls[i].compare(0, name.size(), name) == 0)
      return std::vector<std::string>(calls.begin() + i, calls.end());
  return {};
}

LONG RecordingBrowser::ReleaseHeldSite() {
  if (!heldSite_) return -1;
  const LONG left = static_cast<LONG>(heldSite_->Release());
  heldSite_ = nullptr;
  return left;
}

LONG RecordingBrowser::ReleaseHeldSink() {
  if (!heldSink_) return -1;
  const LONG left = static_cast<LONG>(heldSink_->Release());
  heldSink_ = nullptr;
  return left;
}

HRESULT RecordingBrowser::Record(const std::string& call, HRESULT result) {
  calls.push_back(call);
  return result;
}

void RecordingBrowser::FireNavigationEvents() {
  if (!sink_) return;
  // BeforeNavigate2(pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel),
  // arguments in reverse order as IDispatch::Invoke takes them.
  VARIANT cancel = {}, ppDisp = {};
  VARIANT_BOOL cancelValue = VARIANT_FALSE;
  cancel.vt = VT_BYREF | VT_BOOL;
  cancel.pboolVal = &cancelValue;
  VARIANT arguments[7] = {};
  arguments[0] = cancel;
  for (int i = 1; i < 6; ++i) arguments[i].vt = VT_EMPTY;
  arguments[6].vt = VT_DISPATCH;
  arguments[6].pdispVal = static_cast<IDispatch*>(browser_);
  DISPPARAMS parameters = {arguments, nullptr, 7, 0};
  beforeNavigateResult = sink_->Invoke(DISPID_BEFORENAVIGATE2, IID_NULL, LOCALE_USER_DEFAULT,
                                       DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr);
  beforeNavigateCancel = cancelValue;

  // NewWindow2(ppDisp, Cancel): a page asking for a new window.
  IDispatch* target = nullptr;
  cancelValue = VARIANT_FALSE;
  ppDisp.vt = VT_BYREF | VT_DISPATCH;
  ppDisp.ppdispVal = &target;
  VARIANT newWindow[2] = {cancel, ppDisp};
  DISPPARAMS newWindowParameters = {newWindow, nullptr, 2, 0};
  newWindowResult = sink_->Invoke(DISPID_NEWWINDOW2, IID_NULL, LOCALE_USER_DEFAULT,
                                  DISPATCH_METHOD, &newWindowParameters, nullptr, nullptr, nullptr);
  newWindowCancel = cancelValue;
  newWindowTarget = target;
}

HRESULT RecordingBrowser::QueryInterface(REFIID iid, void** object) {
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleObject))
    *object = static_cast<IOleObject*>(this);
  else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject))
    *object = static_cast<IOleInPlaceObject*>(this);
  else if (IsEqualIID(iid, IID_IOleInPlaceActiveObject))
    *object = static_cast<IOleInPlaceActiveObject*>(this);
  else if (IsEqualIID(iid, IID_IPersistStreamInit) || IsEqualIID(iid, IID_IPersist))
    *object = static_cast<IPersistStreamInit*>(this);
  else if (IsEqualIID(iid, IID_IConnectionPointContainer))
    *object = static_cast<IConnectionPointContainer*>(this);
  else if (IsEqualIID(iid, IID_IWebBrowser2) || IsEqualIID(iid, IID_IWebBrowserApp) ||
           IsEqualIID(iid, IID_IWebBrowser) || IsEqualIID(iid, IID_IDispatch)) {
    if (IsEqualIID(iid, IID_IWebBrowser2)) calls.push_back("QueryInterface(IWebBrowser2)");
    if (!hasWebBrowser2) return E_NOINTERFACE;
    browser_->AddRef();
    *object = static_cast<IWebBrowser2*>(browser_);
    return S_OK;
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG RecordingBrowser::AddRef() { return static_cast<ULONG>(++references); }

ULONG RecordingBrowser::Release() {
  if (--references < 0) underflow = true;
  return static_cast<ULONG>(references < 0 ? 0 : references);
}

HRESULT RecordingBrowser::SetClientSite(IOleClientSite* site) {
  Record(site ? "SetClientSite(site)" : "SetClientSite(null)");
  if (site == site_) return S_OK;
  if (site_) site_->Release();
  site_ = site;
  if (!site) {
    // Like the system's control: without a site it has no window.
    if (window && IsWindow(window)) DestroyWindow(window);
    window = nullptr;
    return S_OK;
  }
  site->AddRef();
  if (!heldSite_) {
    heldSite_ = site;
    site->AddRef();
  }
  return S_OK;
}

HRESULT RecordingBrowser::GetClientSite(IOleClientSite** site) {
  Record("GetClientSite");
  *site = site_;
  if (site_) site_->AddRef();
  return S_OK;
}

HRESULT RecordingBrowser::SetHostNames(LPCOLESTR, LPCOLESTR) { return Record("SetHostNames", S_OK); }

HRESULT RecordingBrowser::Close(DWORD saveOption) {
  Record(saveOption == OLECLOSE_NOSAVE ? "Close(NOSAVE)" : "Close(" + std::to_string(saveOption) + ")");
  if (inPlaceSite_) {
    inPlaceSite_->OnUIDeactivate(FALSE);
    inPlaceSite_->OnInPlaceDeactivate();
    inPlaceSite_->Release();
    inPlaceSite_ = nullptr;
  }
  if (window && IsWindow(window)) DestroyWindow(window);
  window = nullptr;
  return S_OK;
}

HRESULT RecordingBrowser::SetMoniker(DWORD, IMoniker*) { return Record("SetMoniker"); }
HRESULT RecordingBrowser::GetMoniker(DWORD, DWORD, IMoniker**) { return Record("GetMoniker"); }
HRESULT RecordingBrowser::InitFromData(IDataObject*, WINBOOL, DWORD) { return Record("InitFromData"); }
HRESULT RecordingBrowser::GetClipboardData(DWORD, IDataObject**) { return Record("GetClipboardData"); }

HRESULT RecordingBrowser::ActivateInPlace(IOleClientSite* site, HWND parent) {
  if (window) return S_OK;
  doVerbParent = parent;
  if (!site || FAILED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlaceSite_))))
    return E_NOINTERFACE;
  if (inPlaceSite_->CanInPlaceActivate() != S_OK) return E_FAIL;
  inPlaceSite_->GetWindow(&activationParent);
  inPlaceSite_->OnInPlaceActivate();
  IOleInPlaceFrame* frame = nullptr;
  IOleInPlaceUIWindow* document = nullptr;
  RECT clip;
  OLEINPLACEFRAMEINFO info = {};
  info.cb = sizeof info;
  if (FAILED(inPlaceSite_->GetWindowContext(&frame, &document, &activationRect, &clip, &info)))
    return E_FAIL;
  if (frame) {
    frame->GetWindow(&frameWindow);
    frame->Release();
  }
  if (document) document->Release();
  window = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, activationRect.left,
                           activationRect.top, activationRect.right - activationRect.left,
                           activationRect.bottom - activationRect.top, activationParent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  return window ? S_OK : E_FAIL;
}

HRESULT RecordingBrowser::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT rect) {
  Record("DoVerb(" + std::to_string(verb) + "," + Rect(rect) + ")");
  if (failActivation) return E_FAIL;
  if (verb == OLEIVERB_INPLACEACTIVATE) return ActivateInPlace(site, parent);
  if (verb != OLEIVERB_UIACTIVATE) return E_NOTIMPL;
  const bool wasActive = window != nullptr;
  const HRESULT result = ActivateInPlace(site, parent);
  if (FAILED(result)) return result;
  if (!wasActive || focusOnUIActivate) SetFocus(window);
  return S_OK;
}

HRESULT RecordingBrowser::EnumVerbs(IEnumOLEVERB**) { return Record("EnumVerbs"); }
HRESULT RecordingBrowser::Update() { return Record("Update"); }
HRESULT RecordingBrowser::IsUpToDate() { return Record("IsUpToDate"); }
HRESULT RecordingBrowser::GetUserClassID(CLSID*) { return Record("GetUserClassID"); }
HRESULT RecordingBrowser::GetUserType(DWORD, LPOLESTR*) { return Record("GetUserType"); }
HRESULT RecordingBrowser::SetExtent(DWORD, SIZEL*) { return Record("SetExtent"); }
HRESULT RecordingBrowser::GetExtent(DWORD, SIZEL*) { return Record("GetExtent"); }
HRESULT RecordingBrowser::Advise(IAdviseSink*, DWORD*) { return Record("IOleObject.Advise"); }
HRESULT RecordingBrowser::Unadvise(DWORD) { return Record("IOleObject.Unadvise"); }
HRESULT RecordingBrowser::EnumAdvise(IEnumSTATDATA**) { return Record("EnumAdvise"); }
HRESULT RecordingBrowser::GetMiscStatus(DWORD, DWORD* status) {
  *status = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT |
            OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE;
  return Record("GetMiscStatus", S_OK);
}
HRESULT RecordingBrowser::SetColorScheme(LOGPALETTE*) { return Record("SetColorScheme"); }

HRESULT RecordingBrowser::GetWindow(HWND* hwnd) {
  *hwnd = window;
  return window ? S_OK : E_FAIL;
}
HRESULT RecordingBrowser::ContextSensitiveHelp(WINBOOL) { return Record("ContextSensitiveHelp"); }

HRESULT RecordingBrowser::InPlaceDeactivate() {
  Record("InPlaceDeactivate");
  if (inPlaceSite_) {
    inPlaceSite_->OnInPlaceDeactivate();
    inPlaceSite_->Release();
    inPlaceSite_ = nullptr;
  }
  return S_OK;
}
HRESULT RecordingBrowser::UIDeactivate() { return Record("UIDeactivate"); }
HRESULT RecordingBrowser::SetObjectRects(LPCRECT position, LPCRECT clip) {
  Record("SetObjectRects(" + Rect(position) + "/" + Rect(clip) + ")");
  if (window && position)
    MoveWindow(window, position->left, position->top, position->right - position->left,
               position->bottom - position->top, FALSE);
  return S_OK;
}
HRESULT RecordingBrowser::ReactivateAndUndo() { return Record("ReactivateAndUndo"); }

HRESULT RecordingBrowser::TranslateAccelerator(LPMSG message) {
  translated.push_back(*message);
  return translateResult;
}
HRESULT RecordingBrowser::OnFrameWindowActivate(WINBOOL) { return Record("OnFrameWindowActivate"); }
HRESULT RecordingBrowser::OnDocWindowActivate(WINBOOL) { return Record("OnDocWindowActivate"); }
HRESULT RecordingBrowser::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, WINBOOL) { return Record("ResizeBorder"); }
HRESULT RecordingBrowser::EnableModeless(WINBOOL) { return Record("EnableModeless"); }

HRESULT RecordingBrowser::GetClassID(CLSID*) { return Record("GetClassID"); }
HRESULT RecordingBrowser::IsDirty() { return Record("IsDirty"); }
HRESULT RecordingBrowser::Load(LPSTREAM) { return Record("Load"); }
HRESULT RecordingBrowser::Save(LPSTREAM, WINBOOL) { return Record("Save"); }
HRESULT RecordingBrowser::GetSizeMax(ULARGE_INTEGER*) { return Record("GetSizeMax"); }
HRESULT RecordingBrowser::InitNew() { return Record("InitNew", S_OK); }

HRESULT RecordingBrowser::EnumConnectionPoints(IEnumConnectionPoints**) {
  return Record("EnumConnectionPoints");
}
HRESULT RecordingBrowser::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  Record("FindConnectionPoint");
  *point = nullptr;
  if (!IsEqualIID(iid, DIID_DWebBrowserEvents2)) return CONNECT_E_NOCONNECTION;
  point_->AddRef();
  *point = point_;
  return S_OK;
}

void SetNextBrowser(RecordingBrowser* browser) {
  nextBrowser = browser;
  factoryCalls = 0;
}

int FactoryCalls() { return factoryCalls; }

HRESULT HandOutNextBrowser(IUnknown** control) {
  ++factoryCalls;
  *control = nullptr;
  if (!nextBrowser) return REGDB_E_CLASSNOTREG;
  nextBrowser->AddRef();
  *control = static_cast<IOleObject*>(nextBrowser);
  return S_OK;
}
