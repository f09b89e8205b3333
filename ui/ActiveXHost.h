// Hosting an ActiveX control, named by ProgID or CLSID, in an "AtlAxWin" child window of atl.dll; its IDispatch and its events.
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include <string>

#include "ui/base/ComPtr.h"
#include "DispatchEventSink.h"

namespace ui {

// True when atl.dll is loaded (by name, at the first call) and its window
// class "AtlAxWin" is registered.
bool ActiveXHostingAvailable();

// The "AtlAxWin" child window whose text names the control (a ProgID or a
// CLSID in braces), which ATL creates with the window; null when the window
// cannot be had. The window can exist without a control: see HostedControl.
HWND CreateActiveXWindow(HWND parent, const std::wstring& control, int x, int y, int width, int height, DWORD style,
                         int id = 0);

// The control hosted by an "AtlAxWin" window (a new reference), or empty.
ComPtr<IUnknown> HostedControl(HWND host);

// One hosted control with its event connection, used on the thread that
// created it. Destruction disconnects the events and releases the control;
// the host window goes with its parent.
class ActiveXHost {
 public:
  ActiveXHost() = default;
  ~ActiveXHost() { Release(); }
  ActiveXHost(const ActiveXHost&) = delete;
  ActiveXHost& operator=(const ActiveXHost&) = delete;

  // Creates the host window with the control named by the GBK ProgID or
  // "{CLSID}"; true when the control was created. An earlier control of this
  // host is disconnected and released first.
  bool Create(HWND parent, const std::string& control, int x, int y, int width, int height,
              DWORD style = WS_CHILD | WS_VISIBLE, int id = 0);
  HWND Hwnd() const { return hwnd_; }
  IUnknown* Control() const { return control_.Get(); }
  // The control's IDispatch (a new reference), or empty.
  ComPtr<IDispatch> Dispatch() const;

  // Connects a sink for the event interface through the control's
  // IConnectionPointContainer; an earlier connection is dropped first.
  bool ConnectEvents(REFIID events, DispatchEventHandler handler);
  void DisconnectEvents();
  // Disconnects and releases the control.
  void Release();

 private:
  HWND hwnd_ = nullptr;
  ComPtr<IUnknown> control_;
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace ui
