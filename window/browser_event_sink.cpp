#include "window/browser_event_sink.h"

#include <exdisp.h>

#include <new>

namespace {

// Answers every notification with S_OK and leaves its out-parameters (a
// navigation's or new window's Cancel) as the control set them.
class EventSink final : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
      *object = static_cast<IDispatch*>(this);
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
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    if (result) VariantInit(result);
    return S_OK;
  }

 private:
  ~EventSink() = default;
  ULONG references_ = 1;
};

}  // namespace

bool BrowserEventConnection::Connect(IUnknown* control) {
  Disconnect();
  IConnectionPointContainer* container = nullptr;
  if (FAILED(control->QueryInterface(IID_IConnectionPointContainer,
                                     reinterpret_cast<void**>(&container))) || !container)
    return false;
  IConnectionPoint* point = nullptr;
  HRESULT result = container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point);
  container->Release();
  if (FAILED(result) || !point) return false;

  auto* sink = new (std::nothrow) EventSink;  // the connection point takes its own reference
  if (!sink) {
    point->Release();
    return false;
  }
  DWORD cookie = 0;
  result = point->Advise(sink, &cookie);
  sink->Release();
  if (FAILED(result)) {
    point->Release();
    return false;
  }
  point_ = point;
  cookie_ = cookie;
  return true;
}

void BrowserEventConnection::Disconnect() {
  if (!point_) return;
  point_->Unadvise(cookie_);
  point_->Release();
  point_ = nullptr;
  cookie_ = 0;
}
