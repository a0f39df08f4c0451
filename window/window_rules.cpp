#include "window/window_rules.h"

int ChildIdentifier(int buildIndex) { return 100 + 10 * buildIndex; }

int BuiltItemIndex(const WindowDescription& description, int buildIndex) {
  return description.count - 1 - buildIndex;
}

int CentredOrigin(int screenLength, int windowLength) {
  return (screenLength - windowLength) / 2;  // C++ division truncates toward zero
}

int StackedAfter(const WindowDescription& description, int index) {
  const int parent = description.items[index].parent;
  for (int i = index - 1; i >= 1; --i)
    if (description.items[i].parent == parent) return i;
  return -1;
}

static bool DescribedLive(const ItemDescription& item) {
  return item.visible && !item.disabled;
}

static bool IsLive(const WindowDescription& description, int index,
                   ItemPredicate isLive, void* context) {
  return isLive ? isLive(index, context) : DescribedLive(description.items[index]);
}

int TabOrder(const WindowDescription& description, int* order, int capacity,
             ItemPredicate isLive, void* context) {
  int count = 0;
  // Candidates from the last item to the first; a stable insertion sort by
  // tab order number keeps that order among equal numbers.
  for (int i = description.count - 1; i >= 1 && count < capacity; --i) {
    const ItemDescription& item = description.items[i];
    if (!item.tabStop || !IsLive(description, i, isLive, context)) continue;
    int at = count;
    while (at > 0 && description.items[order[at - 1]].tabOrder > item.tabOrder) {
      order[at] = order[at - 1];
      --at;
    }
    order[at] = i;
    ++count;
  }
  return count;
}

int StepTabOrder(int count, int current, bool forward) {
  if (count <= 0) return -1;
  if (current < 0 || current >= count) return forward ? 0 : count - 1;
  return forward ? (current + 1) % count : (current + count - 1) % count;
}

bool TextHasMnemonic(const char* text, char ch) {
  if (!text) return false;
  for (const char* p = text; *p;) {
    if (*p == '&') {
      if (p[1] == '&') { p += 2; continue; }
      if (p[1] == ch && ch != '\0') return true;
    }
    p = CharNextA(p);
  }
  return false;
}

int FindMnemonicItem(const WindowDescription& description, char key,
                     ItemPredicate isLive, void* context) {
  char tries[2] = {key, key};
  if (key >= 'a' && key <= 'z') tries[0] = static_cast<char>(key - 'a' + 'A');
  if (tries[0] >= 'A' && tries[0] <= 'Z') tries[1] = static_cast<char>(tries[0] - 'A' + 'a');
  for (char ch : tries) {
    for (int i = 1; i < description.count; ++i) {
      const ItemDescription& item = description.items[i];
      if (item.kind != ItemKind::Button && item.kind != ItemKind::Label &&
          item.kind != ItemKind::GroupBox)
        continue;
      if (!IsLive(description, i, isLive, context)) continue;
      if (TextHasMnemonic(ItemText(item), ch)) return i;
    }
  }
  return -1;
}
