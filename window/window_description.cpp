#include "window/window_description.h"

#include "commands/handlers.h"

namespace {

// Identifiers of the items; the list order below is what matters.
enum : int {
  kWindowId = 1,
  kBrowserId, kLabel3Id, kLabel2Id, kLabel1Id, kButton1Id,
  kGroup3Id, kButton3Id, kGroup2Id, kButton2Id, kGroup1Id,
};

const WindowProperties kWindowProperties = {
    "Dravelin",                // caption
    BorderKind::FixedSingle,   // border
    true,                      // control box
    true,                      // minimise button
    false,                     // maximise button
    PositionKind::Centred,     // position
    true,                      // movable
    kSystemColour,             // background
    nullptr,                   // icon: the program icon
    false,                     // Enter moves focus
    true,                      // Esc closes
    false,                     // F1 opens help
    true,                      // shown in the taskbar
    false,                     // drag by any point
    false,                     // always on top
    false,                     // keep title bar active
};

constexpr LabelProperties Label(const char* text) {
  return {text, 0, 0, nullptr, 0, kSystemColour, 0, false, 1};
}
constexpr ButtonProperties Button(const char* text) {
  return {text, 1, 1, nullptr, nullptr};
}

const LabelProperties kLabel3 = Label("手动设置IE属性，自定义专属您的IE！");
const LabelProperties kLabel2 = Label(
    "将网络连接重置为初始状态（重启后生效），可修复：上不了网、能上QQ却打不开网页等故障。");
const LabelProperties kLabel1 = Label(
    "将Ineter Explorer重置为初始状态，能够有效修复：IE打不开、设置出错等故障。");
const ButtonProperties kButton1 = Button("手动设置IE(&H)");
const ButtonProperties kButton3 = Button("修复网络连接(&N)");
const ButtonProperties kButton2 = Button("一键修复IE(&I)");

const BrowserPaneProperties kHomePage = {
    2,      // text size: medium
    false,  // offline
    false,  // silent
    "http://www.dravelin.com/software/ver1_0/home",
};

const EventBinding kButton1Events[] = {{kEventClicked, OnManualSettingsClicked}};
const EventBinding kButton2Events[] = {{kEventClicked, OnRepairIeClicked}};
const EventBinding kButton3Events[] = {{kEventClicked, OnRepairNetworkClicked}};

const int kGroup1Children[] = {kLabel1Id, kButton2Id};
const int kGroup2Children[] = {kLabel2Id, kButton3Id};
const int kGroup3Children[] = {kLabel3Id, kButton1Id};

const ItemDescription kMainWindowItems[] = {
    {kWindowId, ItemKind::Window, "MainWindow", 50, 50, 362, 342, kNoParent,
     nullptr, 0, true, false, false, 0, nullptr, 0,
     {&kWindowProperties, nullptr, nullptr, nullptr, nullptr}},
    {kBrowserId, ItemKind::BrowserPane, "超文本浏览框1", 0, 224, 352, 88, kNoParent,
     nullptr, 0, true, false, true, 0, nullptr, 0,
     {nullptr, nullptr, nullptr, nullptr, &kHomePage}},
    {kLabel3Id, ItemKind::Label, "标签3", 137, 27, 208, 16, kGroup3Id,
     nullptr, 0, true, false, false, 0, nullptr, 0,
     {nullptr, nullptr, &kLabel3, nullptr, nullptr}},
    {kLabel2Id, ItemKind::Label, "标签2", 137, 16, 184, 43, kGroup2Id,
     nullptr, 0, true, false, false, 0, nullptr, 0,
     {nullptr, nullptr, &kLabel2, nullptr, nullptr}},
    {kLabel1Id, ItemKind::Label, "标签1", 137, 16, 184, 40, kGroup1Id,
     nullptr, 0, true, false, false, 0, nullptr, 0,
     {nullptr, nullptr, &kLabel1, nullptr, nullptr}},
    {kButton1Id, ItemKind::Button, "按钮1", 13, 12, 104, 40, kGroup3Id,
     nullptr, 0, true, false, true, 0, kButton1Events, 1,
     {nullptr, nullptr, nullptr, &kButton1, nullptr}},
    {kGroup3Id, ItemKind::GroupBox, "分组框3", 0, 145, 352, 64, kNoParent,
     kGroup3Children, 2, true, false, false, 0, nullptr, 0,
     {nullptr, nullptr, nullptr, nullptr, nullptr}},
    {kButton3Id, ItemKind::Button, "按钮3", 13, 12, 104, 40, kGroup2Id,
     nullptr, 0, true, false, true, 0, kButton3Events, 1,
     {nullptr, nullptr, nullptr, &kButton3, nullptr}},
    {kGroup2Id, ItemKind::GroupBox, "分组框2", 0, 77, 352, 64, kNoParent,
     kGroup2Children, 2, true, false, false, 0, nullptr, 0,
     {nullptr, nullptr, nullptr, nullptr, nullptr}},
    {kButton2Id, ItemKind::Button, "按钮2", 13, 12, 104, 40, kGroup1Id,
     nullptr, 0, true, false, true, 0, kButton2Events, 1,
     {nullptr, nullptr, nullptr, &kButton2, nullptr}},
    {kGroup1Id, ItemKind::GroupBox, "分组框1", 0, 9, 352, 64, kNoParent,
     kGroup1Children, 2, true, false, false, 0, nullptr, 0,
     {nullptr, nullptr, nullptr, nullptr, nullptr}},
};

}  // namespace

const WindowDescription kMainWindow = {
    "MainWindow", kMainWindowItems,
    sizeof kMainWindowItems / sizeof kMainWindowItems[0]};

const GroupBoxProperties kDefaultGroupBox = {"", 0, 0, kSystemColour, nullptr};

EventHandler FindHandler(const ItemDescription& item, int event) {
  for (int i = 0; i < item.eventCount; ++i)
    if (item.events[i].event == event) return item.events[i].handler;
  return nullptr;
}

int FindItemIndex(const WindowDescription& description, int id) {
  for (int i = 0; i < description.count; ++i)
    if (description.items[i].id == id) return i;
  return -1;
}

const char* ItemText(const ItemDescription& item) {
  const ItemProperties& p = item.properties;
  switch (item.kind) {
    case ItemKind::Window: return p.window ? p.window->caption : "";
    case ItemKind::GroupBox: return (p.groupBox ? p.groupBox : &kDefaultGroupBox)->caption;
    case ItemKind::Label: return p.label ? p.label->text : "";
    case ItemKind::Button: return p.button ? p.button->text : "";
    case ItemKind::BrowserPane: return "";
  }
  return "";
}
