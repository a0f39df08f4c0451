// The receiving end of the browser control's DWebBrowserEvents2. The
// program binds no handler to any browser notification: every navigation and
// every new window a page asks for goes ahead as the control decides.
#pragma once

#include <windows.h>
#include <ocidl.h>

// A connection from a control's DWebBrowserEvents2 source to a sink that
// handles nothing. Connect and Disconnect pair up; the destructor
// disconnects what is still connected.
class BrowserEventConnection {
 public:
  BrowserEventConnection() = default;
  BrowserEventConnection(const BrowserEventConnection&) = delete;
  BrowserEventConnection& operator=(const BrowserEventConnection&) = delete;
  ~BrowserEventConnection() { Disconnect(); }

  // False when the control has no such source or refuses the sink.
  bool Connect(IUnknown* control);
  void Disconnect();

 private:
  IConnectionPoint* point_ = nullptr;
  DWORD cookie_ = 0;
};
