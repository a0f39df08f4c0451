// The window description: a constant table of a window and its controls,
// with their places, flags, event bindings and properties. The window
// builder reads it; nothing about a control is written as code of its own.
#pragma once

#include <windows.h>

enum class ItemKind { Window, GroupBox, Label, Button, BrowserPane };

// An event handler of the repair commands: no arguments, no result.
using EventHandler = void (*)();

// Event 0 of a button: it was clicked.
constexpr int kEventClicked = 0;

struct EventBinding {
  int event;
  EventHandler handler;
};

enum class BorderKind { None = 0, FixedSingle = 2 };
enum class PositionKind { Stored = 0, Centred = 1 };

// The colour value that stands for the system default (the button face).
constexpr COLORREF kSystemColour = 0xFF000000;

struct WindowProperties {
  const char* caption;
  BorderKind border;
  bool controlBox;
  bool minimiseButton;
  bool maximiseButton;
  PositionKind position;
  bool movable;
  COLORREF background;
  const char* icon;  // resource name; null: the program icon
  bool enterMovesFocus;
  bool escCloses;
  bool f1OpensHelp;
  bool shownInTaskbar;
  bool dragByAnyPoint;
  bool alwaysOnTop;
  bool keepTitleBarActive;
};

struct LabelProperties {
  const char* text;
  int effect;  // 0: plain text
  int border;  // 0: no edge
  const char* font;  // null: DEFAULT_GUI_FONT
  COLORREF textColour;
  COLORREF background;
  int horizontalAlignment;  // 0 left
  bool wordWrap;
  int verticalAlignment;  // 1 centre
};

struct ButtonProperties {
  const char* text;
  int horizontalAlignment;  // 1 centre
  int verticalAlignment;    // 1 centre
  const char* picture;      // null: a text button
  const char* font;         // null: DEFAULT_GUI_FONT
};

struct GroupBoxProperties {
  const char* caption;
  int alignment;  // 0 left
  COLORREF textColour;
  COLORREF background;
  const char* font;
};

struct BrowserPaneProperties {
  int textSize;  // 0 smallest .. 4 largest
  bool offline;
  bool silent;
  const char* address;  // start address; empty: no page
};

// A kind's own record; only the member of the item's kind is used, and a
// null member means the kind's defaults.
struct ItemProperties {
  const WindowProperties* window;
  const GroupBoxProperties* groupBox;
  const LabelProperties* label;
  const ButtonProperties* button;
  const BrowserPaneProperties* browserPane;
};

constexpr int kNoParent = -1;

struct ItemDescription {
  int id;
  ItemKind kind;
  const char* name;
  int left, top, width, height;
  int parent;  // identifier of the holding group box, or kNoParent
  const int* children;
  int childCount;
  bool visible;
  bool disabled;
  bool tabStop;
  int tabOrder;
  const EventBinding* events;
  int eventCount;
  ItemProperties properties;
};

struct WindowDescription {
  const char* name;
  const ItemDescription* items;  // item 0 is the window itself
  int count;
};

// The program's one window.
extern const WindowDescription kMainWindow;

extern const GroupBoxProperties kDefaultGroupBox;

// The handler bound to an item's event, or null.
EventHandler FindHandler(const ItemDescription& item, int event);

// The index of the item with this identifier, or -1.
int FindItemIndex(const WindowDescription& description, int id);

// The text a control shows: caption or text of its kind's record.
const char* ItemText(const ItemDescription& item);
