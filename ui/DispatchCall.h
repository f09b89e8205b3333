// Calling a COM object's member by name through IDispatch, the member looked
// up in the object's type information with the user's default locale.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <utility>
#include <vector>

#include "ui/base/Variant.h"

namespace ui {

// How a member is reached. Each kind tries the invocations in its order and
// uses the first one the member supports:
//   Read:   property get, then a method of that name;
//   Write:  property put, then put-by-reference, then a method of that name;
//   Method: method call, then a property get of that name.
// When the type information cannot find the name (an object without it, a
// proxy to another apartment), the object's own GetIDsOfNames finds it; when
// nothing describes the member, the kind's invocations are tried in order
// while the object answers that the member does not support the one tried.
enum class AccessKind { Read, Write, Method };

// Calls the member `name` of `object` with the arguments (in their written
// order) and puts the result in `result` (may be null); false when the object
// is empty, has no such member or the call fails (the result is then empty).
bool CallByName(IUnknown* object, const wchar_t* name, AccessKind kind, const std::vector<Variant>& args,
                Variant* result);

// The same call for its result alone: empty when the call fails.
Variant CallByName(IUnknown* object, const wchar_t* name, AccessKind kind, const std::vector<Variant>& args = {});

// The arguments of a call in their written order (a braced list cannot hold
// move-only variants).
template <typename... Values>
std::vector<Variant> Arguments(Values&&... values) {
  std::vector<Variant> list;
  list.reserve(sizeof...(values));
  (list.push_back(std::forward<Values>(values)), ...);
  return list;
}

}  // namespace ui
