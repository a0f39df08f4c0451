#include "window/home_page_pane.h"

#include <exdisp.h>
#include <ole2.h>

#include <new>

#include "app/message_filter.h"
#include "window/controls.h"

const char kHomePagePaneClass[] = "Dravelin.HomePage";

namespace {

// A pane item without options of its own: medium text, online, not silent,
// no page.
const BrowserPaneProperties kDefaultPane = {2, false, false, ""};

class HomePagePane final : public MessageFilter {
 public:
  // Applies the options and starts loading the start address; the page
  // loads by itself later, nothing here waits for it.
  void Start(const BrowserPaneProperties& options);
  bool PreTranslate(MSG& message) override;

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  HWND host_ = nullptr;
  HWND control_ = nullptr;            // the browser control's window (its site)
  IWebBrowser2* browser_ = nullptr;   // one counted reference until WM_DESTROY
  bool owned_ = false;                // the window frees the pane once it is built
};

void HomePagePane::Start(const BrowserPaneProperties& options) {
  // The results are ignored: the control shows whatever it can by itself.
  browser_->put_Offline(options.offline ? VARIANT_TRUE : VARIANT_FALSE);
  browser_->put_Silent(options.silent ? VARIANT_TRUE : VARIANT_FALSE);
  VARIANT zoom;
  VariantInit(&zoom);
  zoom.vt = VT_I4;
  zoom.lVal = options.textSize;
  browser_->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom, nullptr);

  if (!options.address || !*options.address) return;  // no page at all
  const int length = MultiByteToWideChar(CP_ACP, 0, options.address, -1, nullptr, 0);
  if (length <= 1) return;
  BSTR url = SysAllocStringLen(nullptr, static_cast<UINT>(length - 1));
  if (!url) return;
  MultiByteToWideChar(CP_ACP, 0, options.address, -1, url, length);
  VARIANT flags, target, postData, headers;
  VariantInit(&flags);
  flags.vt = VT_I4;
  flags.lVal = 0;
  VariantInit(&target);
  target.vt = VT_BSTR;
  target.bstrVal = nullptr;
  VariantInit(&postData);
  VariantInit(&headers);
  headers.vt = VT_BSTR;
  headers.bstrVal = nullptr;
  browser_->Navigate(url, &flags, &target, &postData, &headers);
  SysFreeString(url);
}

// Keys aimed inside the control go to the control first; what it declines
// goes on up to the main window's keyboard rules.
bool HomePagePane::PreTranslate(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !control_) return false;
  if (message.hwnd != control_ && !IsChild(control_, message.hwnd)) return false;
  return TranslateBrowserKey(control_, message);
}

LRESULT CALLBACK HomePagePane::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* pane = static_cast<HomePagePane*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    pane->host_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pane));
    AttachMessageFilter(hwnd, pane);
  }
  auto* pane = reinterpret_cast<HomePagePane*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!pane) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DetachMessageFilter(hwnd);
    const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
    pane->host_ = nullptr;
    if (pane->owned_) delete pane;
    return result;
  }
  return pane->Handle(message, wParam, lParam);
}

LRESULT HomePagePane::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: {
      const LRESULT result = DefWindowProcA(host_, message, wParam, lParam);
      if (control_) {
        RECT rect;
        GetClientRect(host_, &rect);
        SetWindowPos(control_, nullptr, 0, 0, rect.right, rect.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return result;
    }
    case WM_SETFOCUS: {
      const LRESULT result = DefWindowProcA(host_, message, wParam, lParam);
      if (control_) SetFocus(control_);
      return result;
    }
    case WM_DESTROY:
      if (browser_) {
        browser_->Release();
        browser_ = nullptr;
      }
      if (control_ && IsWindow(control_)) DestroyWindow(control_);
      control_ = nullptr;
      break;
  }
  return DefWindowProcA(host_, message, wParam, lParam);
}

bool RegisterPaneClass() {
  return RegisterProgramClass(kHomePagePaneClass, HomePagePane::Procedure, WHITE_BRUSH);
}

}  // namespace

HWND CreateHomePagePane(const BrowserPaneProperties& options, DWORD style, HWND parent,
                        int childId, int x, int y, int width, int height,
                        BrowserFactory factory) {
  if (!RegisterPaneClass()) return nullptr;
  auto* pane = new (std::nothrow) HomePagePane;
  if (!pane) return nullptr;
  HWND host = CreateWindowExA(0, kHomePagePaneClass, "", style | WS_CHILD | WS_CLIPSIBLINGS, x, y,
                              width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                              GetModuleHandleA(nullptr), pane);
  if (!host) {
    delete pane;
    return nullptr;
  }

  RECT client;
  GetClientRect(host, &client);
  IUnknown* control = nullptr;
  pane->control_ = CreateBrowserSite(host, client, kBrowserControlId, factory, &control);
  if (pane->control_) {
    if (FAILED(control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&pane->browser_))))
      pane->browser_ = nullptr;
    control->Release();
  }
  if (!pane->browser_) {
    // Undo in reverse: the control's window, then the host.
    if (pane->control_) DestroyWindow(pane->control_);
    pane->control_ = nullptr;
    DestroyWindow(host);
    delete pane;
    return nullptr;
  }

  pane->Start(options);
  pane->owned_ = true;
  return host;
}

HWND BuildHomePagePane(const ItemDescription& item, DWORD style, HWND parent, int childId) {
  const BrowserPaneProperties& options =
      item.properties.browserPane ? *item.properties.browserPane : kDefaultPane;
  return CreateHomePagePane(options, style, parent, childId, item.left, item.top, item.width,
                            item.height, CreateSystemBrowser);
}
