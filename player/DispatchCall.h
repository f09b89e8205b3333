// Calling a COM object's member by name through IDispatch, the member looked
// up in the object's type information with the user's default locale.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <vector>

#include "player/Variant.h"

namespace player {

// How a member is reached. Each kind tries the invocations in its order and
// uses the first one the member supports:
//   Read:   property get, then a method of that name;
//   Write:  property put, then put-by-reference, then a method of that name;
//   Method: method call, then a property get of that name.
enum class AccessKind { Read, Write, Method };

// Calls the member `name` of `object` with the arguments (in their written
// order) and returns the result; false when the object is empty, has no type
// information, no such member or the call fails (the result is then empty).
bool CallByName(IUnknown* object, const wchar_t* name, AccessKind kind, std::vector<Variant>& args,
                Variant* result);

}  // namespace player
