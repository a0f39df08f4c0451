// The window's rules, computed from the program's own window description.
#include <gtest/gtest.h>

#include <string.h>

#include "commands/handlers.h"
#include "window/main_window.h"
#include "window/window_rules.h"

namespace {

const WindowDescription& D() { return kMainWindow; }

int IndexOf(const char* name) {
  for (int i = 0; i < D().count; ++i)
    if (strcmp(D().items[i].name, name) == 0) return i;
  ADD_FAILURE() << "no item named " << name;
  return -1;
}

TEST(TabOrder, RunsFromTheTopButtonDownToThePane) {
  int order[16];
  const int count = TabOrder(D(), order, 16);
  ASSERT_EQ(count, 4);
  EXPECT_EQ(order[0], IndexOf("按钮2"));
  EXPECT_EQ(order[1], IndexOf("按钮3"));
  EXPECT_EQ(order[2], IndexOf("按钮1"));
  EXPECT_EQ(order[3], IndexOf("超文本浏览框1"));
}

// A control that is hidden or disabled now leaves the Tab order.
TEST(TabOrder, SkipsControlsThatAreNotLive) {
  struct Context { int skipped; } context = {IndexOf("按钮3")};
  int order[16];
  const int count = TabOrder(D(), order, 16, [](int index, void* c) {
    return index != static_cast<Context*>(c)->skipped;
  }, &context);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(order[0], IndexOf("按钮2"));
  EXPECT_EQ(order[1], IndexOf("按钮1"));
}

// Lower tab order numbers go first; equal numbers keep the reversed list order.
TEST(TabOrder, SortsByNumberBeforeListOrder) {
  ItemDescription items[4] = {};
  items[0].kind = ItemKind::Window;
  for (int i = 1; i < 4; ++i) {
    items[i].kind = ItemKind::Button;
    items[i].visible = items[i].tabStop = true;
  }
  items[1].tabOrder = 2;
  items[2].tabOrder = 0;
  items[3].tabOrder = 0;
  const WindowDescription description = {"test", items, 4};
  int order[4];
  ASSERT_EQ(TabOrder(description, order, 4), 3);
  EXPECT_EQ(order[0], 3);
  EXPECT_EQ(order[1], 2);
  EXPECT_EQ(order[2], 1);
}

TEST(StepTabOrder, WrapsBothWays) {
  struct Case { int count, current; bool forward; int next; } cases[] = {
      {4, 0, true, 1}, {4, 3, true, 0}, {4, 0, false, 3}, {4, 2, false, 1},
      {4, -1, true, 0}, {4, -1, false, 3}, {1, 0, true, 0}, {0, -1, true, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StepTabOrder(c.count, c.current, c.forward), c.next)
        << c.count << " " << c.current << " " << c.forward;
}

TEST(Mnemonics, AltKeysFindTheirButtons) {
  struct Case { char key; const char* name; } cases[] = {
      {'H', "按钮1"}, {'I', "按钮2"}, {'N', "按钮3"}, {'h', "按钮1"}, {'n', "按钮3"},
  };
  for (const Case& c : cases) EXPECT_EQ(FindMnemonicItem(D(), c.key), IndexOf(c.name)) << c.key;
  for (char key : {'A', 'E', 'Q', '1', 'R'}) EXPECT_EQ(FindMnemonicItem(D(), key), -1) << key;
}

TEST(Mnemonics, ReadTheTextTheWayButtonsShowIt) {
  struct Case { const char* text; char ch; bool has; } cases[] = {
      {"修复网络连接(&N)", 'N', true},
      {"修复网络连接(&N)", 'n', false},  // case is for the caller to try
      {"a&&b", 'b', false},                // "&&" shows one ampersand
      {"a&&&b", 'b', true},
      {"&", '\0', false},
      {"", 'A', false},
      {nullptr, 'A', false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TextHasMnemonic(c.text, c.ch), c.has) << (c.text ? c.text : "(null)") << c.ch;
}

TEST(Mnemonics, ADisabledButtonIsPassedOver) {
  const int button3 = IndexOf("按钮3");
  EXPECT_EQ(FindMnemonicItem(D(), 'N', [](int index, void* b) {
              return index != *static_cast<int*>(b);
            }, const_cast<int*>(&button3)), -1);
}

TEST(Building, ControlsGoInReverseListOrderWithIdentifiersFrom100) {
  const char* expected[] = {"分组框1", "按钮2", "分组框2", "按钮3", "分组框3",
                            "按钮1",   "标签1", "标签2",   "标签3", "超文本浏览框1"};
  ASSERT_EQ(D().count, 11);
  for (int b = 0; b < 10; ++b) {
    EXPECT_STREQ(D().items[BuiltItemIndex(D(), b)].name, expected[b]);
    EXPECT_EQ(ChildIdentifier(b), 100 + 10 * b);
  }
}

// Each control is stacked after its nearest earlier sibling in the list.
TEST(Building, StackingFollowsTheListAmongSiblings) {
  struct Case { const char* item; const char* after; } cases[] = {
      {"超文本浏览框1", nullptr}, {"分组框3", "超文本浏览框1"}, {"分组框2", "分组框3"},
      {"分组框1", "分组框2"},     {"标签3", nullptr},           {"按钮1", "标签3"},
      {"标签1", nullptr},         {"按钮2", "标签1"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StackedAfter(D(), IndexOf(c.item)), c.after ? IndexOf(c.after) : -1) << c.item;
}

TEST(Building, CentringTruncatesTowardZero) {
  struct Case { int screen, window, origin; } cases[] = {
      {1920, 362, 779}, {1080, 342, 369}, {1024, 362, 331}, {768, 342, 213},
      {363, 362, 0}, {301, 362, -30},  // a screen smaller than the window
  };
  for (const Case& c : cases) EXPECT_EQ(CentredOrigin(c.screen, c.window), c.origin);
}

TEST(Building, WindowStylesHaveNoSizingFrameAndNoMaximiseBox) {
  const DWORD style = WindowStyleOf(*D().items[0].properties.window);
  EXPECT_EQ(style, static_cast<DWORD>(WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME |
                                      WS_MINIMIZEBOX));
}

TEST(Events, OnlyTheButtonsClickTheirCommands) {
  struct Case { const char* name; EventHandler handler; } cases[] = {
      {"按钮1", OnManualSettingsClicked}, {"按钮2", OnRepairIeClicked},
      {"按钮3", OnRepairNetworkClicked},
  };
  for (const Case& c : cases) {
    const ItemDescription& item = D().items[IndexOf(c.name)];
    EXPECT_EQ(FindHandler(item, kEventClicked), c.handler) << c.name;
    EXPECT_EQ(FindHandler(item, 1), nullptr) << c.name;
  }
  for (const char* name : {"MainWindow", "超文本浏览框1", "标签1", "标签2", "标签3", "分组框1",
                           "分组框2", "分组框3"})
    EXPECT_EQ(FindHandler(D().items[IndexOf(name)], kEventClicked), nullptr) << name;
}

int g_clicks = 0;
void CountClick() { ++g_clicks; }

TEST(Events, RaiseEventRunsOnlyABoundHandler) {
  const EventBinding bindings[] = {{kEventClicked, CountClick}};
  ItemDescription items[2] = {};
  items[0].kind = ItemKind::Window;
  items[0].id = 7;
  items[1].kind = ItemKind::Button;
  items[1].id = 8;
  items[1].events = bindings;
  items[1].eventCount = 1;
  const WindowDescription description = {"test", items, 2};
  g_clicks = 0;
  EXPECT_TRUE(RaiseEvent(description, 8, kEventClicked));
  EXPECT_FALSE(RaiseEvent(description, 8, 1));
  EXPECT_FALSE(RaiseEvent(description, 7, kEventClicked));
  EXPECT_FALSE(RaiseEvent(description, 99, kEventClicked));
  EXPECT_EQ(g_clicks, 1);
}

}  // namespace
