// Calls on COM objects by member name through IDispatch: property reads and writes and method calls.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <string>

#include "ui/ComPtr.h"
#include "ui/Variant.h"

namespace ui {

// Reads the property `name` (looked up with the user's default locale); when
// the object has no such property, calls the method of that name without
// arguments. False when the lookup or both invocations fail.
bool DispatchGet(IDispatch* object, const wchar_t* name, Variant& result);

// Calls the method `name` with the arguments in their written order; when the
// object has no such method, reads the property of that name.
bool DispatchCall(IDispatch* object, const wchar_t* name, std::initializer_list<const VARIANT*> args,
                  Variant& result);

// Writes the property `name`: property put, then put by reference, then a
// method of that name with the value as its argument, whichever works first.
bool DispatchPut(IDispatch* object, const wchar_t* name, const VARIANT& value);

// A result as GBK text (converted as VariantChangeType converts to a
// string); empty when it cannot be converted.
std::string VariantText(const VARIANT& value);

// A result as an IDispatch reference; empty when it holds no object.
ComPtr<IDispatch> VariantObject(const VARIANT& value);

// The text of the property `name`; empty on any failure.
std::string DispatchGetText(IDispatch* object, const wchar_t* name);

}  // namespace ui
