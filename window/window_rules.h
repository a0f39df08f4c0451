// The window's rules as plain functions over the description, so that they
// can be tested without a window: build order, child identifiers, stacking,
// Tab order, mnemonics and centring.
#pragma once

#include "window/window_description.h"

// Child identifier of the control built n-th (0-based): 100, 110, 120 ...
int ChildIdentifier(int buildIndex);

// Item index of the control built n-th: the controls go in reverse list order.
int BuiltItemIndex(const WindowDescription& description, int buildIndex);

// The origin that centres a length on a screen, truncating toward zero.
int CentredOrigin(int screenLength, int windowLength);

// Index of the item a control is stacked directly after: the nearest earlier
// item with the same parent, or -1 for the top of its siblings.
int StackedAfter(const WindowDescription& description, int index);

// Fills order with the item indexes of the Tab order and returns how many
// there are (at most capacity). isLive, when given, says whether an item's
// control is visible and enabled now; otherwise the description's flags do.
using ItemPredicate = bool (*)(int index, void* context);
int TabOrder(const WindowDescription& description, int* order, int capacity,
             ItemPredicate isLive = nullptr, void* context = nullptr);

// The Tab order's next (or, going back, previous) entry after the one at
// position current, wrapping round; current -1 gives the first (or last).
int StepTabOrder(int count, int current, bool forward);

// Whether a text holds the mnemonic "&" + ch; "&&" is a literal ampersand,
// and the trail bytes of double-byte characters are stepped over.
bool TextHasMnemonic(const char* text, char ch);

// The first item, in list order, that is a button, label or group box, is
// live (visible and enabled) and whose text holds the mnemonic of the key; a
// letter is tried in upper case, then in lower case. -1 when none matches.
int FindMnemonicItem(const WindowDescription& description, char key,
                     ItemPredicate isLive = nullptr, void* context = nullptr);
