// The home page pane with a recording stand-in for the browser control:
// its host window, the control's window, the calls and their order, keys,
// focus, size, destruction and failures.
#include <gtest/gtest.h>

#include <ole2.h>

#include <string>
#include <vector>

#include "app/message_filter.h"
#include "tests/unit/support/home_page_browser_double.h"
#include "window/home_page_pane.h"
#include "window/window_description.h"

namespace {

using Calls = std::vector<std::string>;

const BrowserPaneProperties kOptions = {2, false, false, "http://www.example.com/software/ver1_0/home"};
constexpr int kPaneId = 190;

// The calls that create the pane, up to and with Navigate.
Calls CreationCalls(const std::string& navigate) {
  Calls calls = {"SetClientSite(site)", "InitNew", "FindConnectionPoint", "Advise",
                 "DoVerb(-5,0,0,352,88)", "QueryInterface(IWebBrowser2)", "put_Offline(0)",
                 "put_Silent(0)", "ExecWB(19,2,in=VT_I4:2,out=null)"};
  if (!navigate.empty()) calls.push_back(navigate);
  return calls;
}

std::string NavigateCall(const std::string& url, size_t length) {
  return "Navigate(" + url + ",len=" + std::to_string(length) +
         ",flags=VT_I4:0,target=VT_BSTR:null,post=VT_EMPTY,headers=VT_BSTR:null)";
}

// What the control is asked for when its window goes: IWebBrowser2 first,
// while the control's window still exists, then the container lets go.
const Calls kDestructionCalls = {"IWebBrowser2.Release window=alive", "Unadvise",
                                 "InPlaceDeactivate", "Close(NOSAVE)", "SetClientSite(null)"};

RECT WindowPlace(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ExpectRect(const RECT& rect, int left, int top, int right, int bottom, const char* what) {
  EXPECT_EQ(rect.left, left) << what;
  EXPECT_EQ(rect.top, top) << what;
  EXPECT_EQ(rect.right, right) << what;
  EXPECT_EQ(rect.bottom, bottom) << what;
}

int ChildCount(HWND parent) {
  int count = 0;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

class HomePagePaneTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { OleInitialize(nullptr); }
  static void TearDownTestSuite() { OleUninitialize(); }

  void SetUp() override {
    parent_ = CreateWindowExA(0, "STATIC", "pane test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                              400, 400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(parent_);
  }
  void TearDown() override {
    if (IsWindow(parent_)) DestroyWindow(parent_);
    SetNextBrowser(nullptr);
  }

  HWND Create(RecordingBrowser* browser, const BrowserPaneProperties& options = kOptions,
              DWORD style = WS_TABSTOP) {
    SetNextBrowser(browser);
    return CreateHomePagePane(options, style, parent_, kPaneId, 0, 224, 352, 88, HandOutNextBrowser);
  }

  // After the pane is gone: every reference the pane and its container took
  // is back, and their client site and event sink are freed.
  static void ExpectAllLetGo(RecordingBrowser& browser, bool sinkHandedOver) {
    EXPECT_EQ(browser.browserReferences, 0);
    EXPECT_EQ(browser.references, 1);  // the test's own
    EXPECT_FALSE(browser.underflow);
    EXPECT_EQ(browser.window, nullptr);
    EXPECT_EQ(browser.ReleaseHeldSite(), 0);
    EXPECT_EQ(browser.ReleaseHeldSink(), sinkHandedOver ? 0 : -1);
  }

  HWND parent_ = nullptr;
};

TEST_F(HomePagePaneTest, HostIsAHiddenChildOfItsOwnClass) {
  struct Case { DWORD style; DWORD expected; } cases[] = {
      {WS_TABSTOP, WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP},
      {0, WS_CHILD | WS_CLIPSIBLINGS},
      {WS_TABSTOP | WS_DISABLED, WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_DISABLED},
  };
  for (const auto& c : cases) {
    RecordingBrowser browser;
    HWND pane = Create(&browser, kOptions, c.style);
    ASSERT_TRUE(pane) << c.style;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(pane, GWL_STYLE)), c.expected);
    EXPECT_EQ(GetWindowLongA(pane, GWL_EXSTYLE), 0);
    EXPECT_EQ(GetWindowTextLengthA(pane), 0);
    EXPECT_EQ(GetParent(pane), parent_);
    EXPECT_EQ(GetDlgCtrlID(pane), kPaneId);
    ExpectRect(WindowPlace(pane), 0, 224, 352, 312, "pane place");

    char className[64] = "";
    GetClassNameA(pane, className, sizeof className);
    EXPECT_STREQ(className, kHomePagePaneClass);
    EXPECT_EQ(GetClassLongPtrA(pane, GCL_STYLE), static_cast<ULONG_PTR>(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(pane, GCLP_HCURSOR)), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(pane, GCLP_HBRBACKGROUND)), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetClassLongPtrA(pane, GCLP_HICON), 0u);
    DestroyWindow(pane);
  }
}

TEST_F(HomePagePaneTest, ControlIsActivatedInPlaceInItsOwnWindowOverTheWholePane) {
  RecordingBrowser browser;
  HWND pane = Create(&browser);
  ASSERT_TRUE(pane);
  HWND control = GetWindow(pane, GW_CHILD);
  ASSERT_TRUE(control);
  EXPECT_EQ(GetWindow(control, GW_HWNDNEXT), nullptr) << "the control's window is the only child";
  EXPECT_EQ(GetDlgCtrlID(control), 0xE900);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
  ExpectRect(WindowPlace(control), 0, 0, 352, 88, "control window");

  EXPECT_EQ(browser.doVerbParent, control);
  EXPECT_EQ(browser.activationParent, control);
  EXPECT_EQ(browser.frameWindow, parent_);
  ExpectRect(browser.activationRect, 0, 0, 352, 88, "in-place rectangle");
  ASSERT_TRUE(browser.window);
  EXPECT_EQ(GetParent(browser.window), control);
  EXPECT_EQ(browser.browserReferences, 1) << "one counted IWebBrowser2";
  DestroyWindow(pane);
}

TEST_F(HomePagePaneTest, AppliesTheOptionsThenNavigatesAndWaitsForNothing) {
  RecordingBrowser browser;
  ASSERT_TRUE(Create(&browser));
  // Navigate is the last call: nothing asks for the page's state afterwards.
  EXPECT_EQ(browser.calls,
            CreationCalls(NavigateCall("http://www.example.com/software/ver1_0/home", 43)));
}

TEST_F(HomePagePaneTest, EachOptionIsPassedAsStored) {
  struct Case { BrowserPaneProperties options; const char* offline; const char* silent; const char* zoom; } cases[] = {
      {{2, false, false, ""}, "put_Offline(0)", "put_Silent(0)", "ExecWB(19,2,in=VT_I4:2,out=null)"},
      {{4, true, true, ""}, "put_Offline(-1)", "put_Silent(-1)", "ExecWB(19,2,in=VT_I4:4,out=null)"},
      {{0, false, true, ""}, "put_Offline(0)", "put_Silent(-1)", "ExecWB(19,2,in=VT_I4:0,out=null)"},
  };
  for (const auto& c : cases) {
    RecordingBrowser browser;
    HWND pane = Create(&browser, c.options);
    ASSERT_TRUE(pane);
    EXPECT_EQ(browser.CallsFrom("put_Offline"), (Calls{c.offline, c.silent, c.zoom}));
    DestroyWindow(pane);
  }
}

TEST_F(HomePagePaneTest, AnEmptyAddressLoadsNothing) {
  const char* addresses[] = {"", nullptr};
  for (const char* address : addresses) {
    RecordingBrowser browser;
    const BrowserPaneProperties options = {2, false, false, address};
    HWND pane = Create(&browser, options);
    ASSERT_TRUE(pane) << "an empty address is no failure";
    EXPECT_EQ(browser.calls, CreationCalls(""));
    DestroyWindow(pane);
  }
}

TEST_F(HomePagePaneTest, TheAddressIsConvertedFromTheAnsiCodePage) {
  ASSERT_EQ(GetACP(), 936u) << "the tests run with code page 936";
  RecordingBrowser browser;
  // The host name in code page 936: 例子.测试
  const BrowserPaneProperties options = {2, false, false,
                                         "http://\xC0\xFD\xD7\xD3.\xB2\xE2\xCA\xD4/software/ver1_0/home"};
  ASSERT_TRUE(Create(&browser, options));
  EXPECT_EQ(browser.CallsFrom("Navigate"),
            Calls{NavigateCall(u8"http://例子.测试/software/ver1_0/home", 33)});
}

TEST_F(HomePagePaneTest, TheProgramsPaneLoadsTheHomePageOfTheProductSite) {
  const ItemDescription* item = nullptr;
  for (int i = 0; i < kMainWindow.count; ++i)
    if (kMainWindow.items[i].kind == ItemKind::BrowserPane) item = &kMainWindow.items[i];
  ASSERT_TRUE(item && item->properties.browserPane);
  RecordingBrowser browser;
  ASSERT_TRUE(Create(&browser, *item->properties.browserPane));
  const Calls calls = browser.CallsFrom("put_Offline");
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0], "put_Offline(0)");
  EXPECT_EQ(calls[1], "put_Silent(0)");
  EXPECT_EQ(calls[2], "ExecWB(19,2,in=VT_I4:2,out=null)");
  // Navigate(http://<host>/software/ver1_0/home,len=...
  const std::string prefix = "Navigate(http://";
  ASSERT_EQ(calls[3].compare(0, prefix.size(), prefix), 0) << calls[3];
  const std::string url = calls[3].substr(prefix.size(), calls[3].find(",len=") - prefix.size());
  const size_t slash = url.find('/');
  ASSERT_NE(slash, std::string::npos) << url;
  EXPECT_GT(slash, 0u) << "a host name";
  EXPECT_EQ(url.substr(slash), "/software/ver1_0/home");
}

TEST_F(HomePagePaneTest, DestructionReleasesTheBrowserThenTheControlsWindowAndEverythingGoes) {
  // The pane goes on its own, or with the main window that holds it.
  for (const bool withParent : {false, true}) {
    RecordingBrowser browser;
    HWND pane = Create(&browser);
    ASSERT_TRUE(pane);
    HWND control = GetDlgItem(pane, 0xE900);
    HWND inner = browser.window;
    ASSERT_TRUE(control && inner);
    const size_t before = browser.calls.size();
    DestroyWindow(withParent ? parent_ : pane);
    EXPECT_EQ(Calls(browser.calls.begin() + before, browser.calls.end()), kDestructionCalls)
        << withParent;
    EXPECT_FALSE(IsWindow(pane));
    EXPECT_FALSE(IsWindow(control));
    EXPECT_FALSE(IsWindow(inner));
    ExpectAllLetGo(browser, true);
    if (withParent) SetUp();
  }
}

TEST_F(HomePagePaneTest, ResizingThePaneResizesTheControl) {
  RecordingBrowser browser;
  HWND pane = Create(&browser);
  ASSERT_TRUE(pane);
  SetWindowPos(pane, nullptr, 0, 0, 200, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectRect(WindowPlace(GetDlgItem(pane, 0xE900)), 0, 0, 200, 50, "control window");
  EXPECT_EQ(browser.CallsFrom("SetObjectRects"), Calls{"SetObjectRects(0,0,200,50/0,0,200,50)"});
  ExpectRect(WindowPlace(browser.window), 0, 0, 200, 50, "the control's own window");
  DestroyWindow(pane);
}

TEST_F(HomePagePaneTest, FocusOnThePaneGoesIntoTheControl) {
  // Whether or not the control takes the focus itself on UI activation.
  for (const bool controlTakesFocus : {true, false}) {
    RecordingBrowser browser;
    browser.focusOnUIActivate = controlTakesFocus;
    HWND pane = Create(&browser);
    ASSERT_TRUE(pane);
    ShowWindow(pane, SW_SHOWNA);
    ShowWindow(parent_, SW_SHOW);
    SetFocus(pane);
    EXPECT_EQ(GetFocus(), browser.window) << controlTakesFocus;
    EXPECT_EQ(browser.CallsFrom("DoVerb(-4"), Calls{"DoVerb(-4,0,0,352,88)"});
    DestroyWindow(pane);
  }
}

TEST_F(HomePagePaneTest, KeysInsideTheControlAreOfferedToItFirst) {
  enum Target { Inner, ControlWindow, Host };
  struct Case {
    Target target;
    UINT message;
    HRESULT answer;
    bool offered;
    bool consumed;
  } cases[] = {
      {Inner, WM_KEYDOWN, S_OK, true, true},
      {Inner, WM_KEYDOWN, S_FALSE, true, false},  // declined: the window's rules apply
      {Inner, WM_KEYUP, S_OK, true, true},
      {Inner, WM_CHAR, S_FALSE, true, false},
      {Inner, WM_SYSKEYDOWN, S_OK, true, true},
      {Inner, WM_MOUSEMOVE, S_OK, false, false},
      {ControlWindow, WM_KEYDOWN, S_OK, true, true},
      {Host, WM_KEYDOWN, S_OK, false, false},
  };
  for (const auto& c : cases) {
    RecordingBrowser browser;
    browser.translateResult = c.answer;
    HWND pane = Create(&browser);
    ASSERT_TRUE(pane);
    MSG message = {};
    message.hwnd = c.target == Inner ? browser.window : c.target == ControlWindow ? GetDlgItem(pane, 0xE900) : pane;
    message.message = c.message;
    message.wParam = VK_TAB;
    EXPECT_EQ(PreTranslateMessage(message), c.consumed) << c.target << " " << c.message;
    ASSERT_EQ(browser.translated.size(), c.offered ? 1u : 0u) << c.target << " " << c.message;
    if (c.offered) {
      EXPECT_EQ(browser.translated[0].hwnd, message.hwnd);
      EXPECT_EQ(browser.translated[0].message, c.message);
      EXPECT_EQ(browser.translated[0].wParam, static_cast<WPARAM>(VK_TAB));
    }
    DestroyWindow(pane);
  }
}

TEST_F(HomePagePaneTest, NotificationsFromInsideNavigateChangeNothing) {
  RecordingBrowser browser;
  browser.fireEventsInNavigate = true;
  HWND pane = Create(&browser);
  ASSERT_TRUE(pane);
  EXPECT_EQ(browser.beforeNavigateResult, S_OK);
  EXPECT_EQ(browser.beforeNavigateCancel, VARIANT_FALSE) << "the navigation goes ahead";
  EXPECT_EQ(browser.newWindowResult, S_OK);
  EXPECT_EQ(browser.newWindowCancel, VARIANT_FALSE) << "a new window is not cancelled";
  EXPECT_EQ(browser.newWindowTarget, nullptr) << "the browser picks the new window";
  EXPECT_EQ(browser.calls.back().compare(0, 9, "Navigate("), 0);
  DestroyWindow(pane);
}

TEST_F(HomePagePaneTest, AControlThatCannotBeBuiltLeavesNothingBehind) {
  enum Fault { NoWebBrowser2, ActivationFails, NoControl };
  for (const Fault fault : {NoWebBrowser2, ActivationFails, NoControl}) {
    RecordingBrowser browser;
    browser.hasWebBrowser2 = fault != NoWebBrowser2;
    browser.failActivation = fault == ActivationFails;
    EXPECT_EQ(Create(fault == NoControl ? nullptr : &browser), nullptr) << fault;
    EXPECT_EQ(FactoryCalls(), 1) << fault;
    EXPECT_EQ(ChildCount(parent_), 0) << "no window left behind " << fault;
    if (fault == NoControl) continue;
    EXPECT_EQ(browser.CallsFrom("put_Offline"), Calls{}) << fault;
    // A control that was activated is deactivated before it is closed.
    Calls undo = {"Unadvise", "InPlaceDeactivate", "Close(NOSAVE)", "SetClientSite(null)"};
    if (fault == ActivationFails) undo.erase(undo.begin() + 1);
    EXPECT_EQ(browser.CallsFrom("Unadvise"), undo) << fault;
    ExpectAllLetGo(browser, true);
  }
}

TEST_F(HomePagePaneTest, AHostThatCannotBeCreatedAsksForNoControl) {
  HWND gone = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(gone);
  DestroyWindow(gone);
  RecordingBrowser browser;
  SetNextBrowser(&browser);
  EXPECT_EQ(CreateHomePagePane(kOptions, WS_TABSTOP, gone, kPaneId, 0, 224, 352, 88, HandOutNextBrowser),
            nullptr);
  EXPECT_EQ(FactoryCalls(), 0);
  EXPECT_EQ(browser.references, 1);
}

}  // namespace
