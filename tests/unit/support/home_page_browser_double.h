// A stand-in for the system's web browser control: a COM object of the
// tests' own that records every call the pane and its container make, and
// behaves like a windowed in-place control (it makes its window inside the
// site's window when activated and destroys it when closed).
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>
#include <oleidl.h>

#include <string>
#include <vector>

class RecordingBrowser final : public IOleObject,
                               public IOleInPlaceObject,
                               public IOleInPlaceActiveObject,
                               public IPersistStreamInit,
                               public IConnectionPointContainer {
 public:
  RecordingBrowser();
  ~RecordingBrowser();
  RecordingBrowser(const RecordingBrowser&) = delete;
  RecordingBrowser& operator=(const RecordingBrowser&) = delete;

  // How it behaves.
  bool hasWebBrowser2 = true;
  bool failActivation = false;
  bool focusOnUIActivate = true;   // Wine's control does not, once in-place active
  bool fireEventsInNavigate = false;
  HRESULT translateResult = S_FALSE;

  // What it saw, in order: one text per call.
  std::vector<std::string> calls;
  // The calls from the first one named name on (empty when there is none).
  std::vector<std::string> CallsFrom(const std::string& name) const;

  LONG references = 1;          // all of them; the test's own is the first
  LONG browserReferences = 0;   // those taken through IWebBrowser2
  bool underflow = false;       // a Release without a reference
  HWND window = nullptr;        // its in-place window while it has one
  HWND activationParent = nullptr;   // the site's window, from IOleInPlaceSite
  HWND doVerbParent = nullptr;       // hwndParent of DoVerb
  HWND frameWindow = nullptr;        // the frame's window
  RECT activationRect = {};          // from GetWindowContext
  std::vector<MSG> translated;       // messages offered to TranslateAccelerator
  // Results of the notifications fired inside Navigate.
  HRESULT beforeNavigateResult = E_UNEXPECTED, newWindowResult = E_UNEXPECTED;
  VARIANT_BOOL beforeNavigateCancel = 1, newWindowCancel = 1;
  IDispatch* newWindowTarget = reinterpret_cast<IDispatch*>(1);

  // One extra reference each to the client site and to the event sink the
  // pane handed over, kept for the test: letting it go must free the object
  // (0), when nothing else holds it any more. -1: nothing was handed over.
  LONG ReleaseHeldSite();
  LONG ReleaseHeldSink();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IOleObject
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override;
  HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override;
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, WINBOOL, DWORD) override;
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override;
  HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                                   LPCRECT rect) override;
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB**) override;
  HRESULT STDMETHODCALLTYPE Update() override;
  HRESULT STDMETHODCALLTYPE IsUpToDate() override;
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID*) override;
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR*) override;
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD, SIZEL*) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD, SIZEL*) override;
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD*) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override;
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override;
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* status) override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override;

  // IOleWindow (of the in-place object and the active object)
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL) override;
  // IOleInPlaceObject
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;
  // IOleInPlaceActiveObject
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message) override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(WINBOOL) override;
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(WINBOOL) override;
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, WINBOOL) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL) override;
  // IPersistStreamInit
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(LPSTREAM) override;
  HRESULT STDMETHODCALLTYPE Save(LPSTREAM, WINBOOL) override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER*) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;
  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

  // Called by the parts below.
  HRESULT Record(const std::string& call, HRESULT result = E_NOTIMPL);
  void FireNavigationEvents();

 private:
  class EventPoint;
  class WebBrowser;
  HRESULT ActivateInPlace(IOleClientSite* site, HWND parent);

  IOleClientSite* site_ = nullptr;
  IOleClientSite* heldSite_ = nullptr;
  IOleInPlaceSite* inPlaceSite_ = nullptr;
  IDispatch* sink_ = nullptr;
  IDispatch* heldSink_ = nullptr;
  EventPoint* point_;
  WebBrowser* browser_;
};

// The factory the pane is handed in the tests: it gives out the double that
// NextBrowser names (one more reference), or fails when it names none.
void SetNextBrowser(RecordingBrowser* browser);
int FactoryCalls();
HRESULT HandOutNextBrowser(IUnknown** control);
