#include "app/message_filter.h"

namespace {
const char kFilterProperty[] = "Dravelin.MessageFilter";
}

void AttachMessageFilter(HWND window, MessageFilter* filter) {
  SetPropA(window, kFilterProperty, filter);
}

void DetachMessageFilter(HWND window) { RemovePropA(window, kFilterProperty); }

bool PreTranslateMessage(MSG& message) {
  for (HWND window = message.hwnd; window; window = GetAncestor(window, GA_PARENT)) {
    if (window == GetDesktopWindow()) break;
    auto* filter = static_cast<MessageFilter*>(GetPropA(window, kFilterProperty));
    if (filter && filter->PreTranslate(message)) return true;
  }
  return false;
}
