// ActiveX hosting through atl.dll, loaded by name at first use (never under the loader lock).
#include "ActiveXHost.h"

#include "Module.h"
#include "ui/base/WideText.h"

namespace ui {

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

struct AtlEntry {
  AtlAxGetControlFn getControl = nullptr;
};

const AtlEntry& Atl() {
  static const AtlEntry entry = [] {
    AtlEntry e;
    HMODULE atl = LoadLibraryW(L"atl.dll");
    if (!atl) return e;
    auto init = reinterpret_cast<AtlAxWinInitFn>(GetProcAddress(atl, "AtlAxWinInit"));
    // A second AtlAxWinInit in the process (another module's) can fail because
    // the class exists already: what counts is that it exists.
    if (init) init();
    WNDCLASSEXW cls = {sizeof(cls)};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), L"AtlAxWin", &cls))
      e.getControl = reinterpret_cast<AtlAxGetControlFn>(GetProcAddress(atl, "AtlAxGetControl"));
    return e;
  }();
  return entry;
}

}  // namespace

bool ActiveXHostingAvailable() { return Atl().getControl != nullptr; }

HWND CreateActiveXWindow(HWND parent, const std::wstring& control, int x, int y, int width, int height, DWORD style,
                         int id) {
  if (!ActiveXHostingAvailable()) return nullptr;
  return CreateWindowExW(0, L"AtlAxWin", control.c_str(), style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ModuleInstance(), nullptr);
}

ComPtr<IUnknown> HostedControl(HWND host) {
  ComPtr<IUnknown> control;
  if (host && ActiveXHostingAvailable() && FAILED(Atl().getControl(host, control.Out()))) control.Reset();
  return control;
}

bool ActiveXHost::Create(HWND parent, const std::string& control, int x, int y, int width, int height, DWORD style,
                         int id) {
  Release();
  hwnd_ = CreateActiveXWindow(parent, ToWide(control), x, y, width, height, style, id);
  control_ = HostedControl(hwnd_);
  return static_cast<bool>(control_);
}

ComPtr<IDispatch> ActiveXHost::Dispatch() const {
  ComPtr<IDispatch> dispatch;
  if (control_ && FAILED(control_->QueryInterface(IID_IDispatch, dispatch.OutVoid()))) dispatch.Reset();
  return dispatch;
}

bool ActiveXHost::ConnectEvents(REFIID events, DispatchEventHandler handler) {
  DisconnectEvents();
  if (!control_) return false;
  ComPtr<IConnectionPointContainer> container;
  if (FAILED(control_->QueryInterface(IID_IConnectionPointContainer, container.OutVoid())) || !container) return false;
  ComPtr<IConnectionPoint> point;
  if (FAILED(container->FindConnectionPoint(events, point.Out())) || !point) return false;
  ComPtr<IDispatch> sink(NewDispatchEventSink(events, std::move(handler)));
  DWORD cookie = 0;
  if (FAILED(point->Advise(sink.Get(), &cookie))) return false;
  point_ = std::move(point);
  cookie_ = cookie;
  return true;
}

void ActiveXHost::DisconnectEvents() {
  if (point_) point_->Unadvise(cookie_);
  point_.Reset();
  cookie_ = 0;
}

void ActiveXHost::Release() {
  DisconnectEvents();
  control_.Reset();
  hwnd_ = nullptr;
}

}  // namespace ui
