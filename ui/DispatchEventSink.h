// An event sink for a COM object's connection point: each event's Invoke becomes a callback with its DISPID and arguments.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <vector>

namespace ui {

// Runs on the thread that fires the event, with the arguments in the order
// they were declared (the VARIANTs belong to the caller: copy what is kept).
using DispatchEventHandler = std::function<void(DISPID id, const std::vector<VARIANT>& args)>;

// A new sink (one reference, owned by the caller) that answers as IUnknown,
// IDispatch and the given event interface.
IDispatch* NewDispatchEventSink(REFIID events, DispatchEventHandler handler);

}  // namespace ui
