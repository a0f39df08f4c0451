// Pre-translation: before a message is dispatched, the window it is
// addressed to and each of its parents may consume it. This is how the main
// window's keyboard rules apply while one of its controls has the focus.
#pragma once

#include <windows.h>

class MessageFilter {
 public:
  // True when the message was handled and must not be dispatched.
  virtual bool PreTranslate(MSG& message) = 0;

 protected:
  ~MessageFilter() = default;
};

void AttachMessageFilter(HWND window, MessageFilter* filter);
void DetachMessageFilter(HWND window);

// Offers the message to the filters from its window up through its parents.
bool PreTranslateMessage(MSG& message);
