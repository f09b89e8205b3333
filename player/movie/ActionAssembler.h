// Assembles script source in the movie's action notation into the bytes of a DoAction tag.
#pragma once
#include <string>

namespace movie {

// The notation, one instruction a line, ";" starts a comment:
//   push "text", 12, 1.5, true, false, null, undefined, r:1
//   getVariable            any action that takes its operands from the stack, by name
//   storeRegister 1
//   name:                  a label; "jump name" and "if name" branch to it
//   function name (a, b) {                       ... }
//   function2 name (r:1 a, r:2 b) registers 3 suppressThis suppressArguments {   ... }
// The function name may be left out (an anonymous function, left on the stack).
// Labels belong to the function body (or the top level) they are written in.
// Every pushed text goes into one constant pool emitted first; the top level
// ends with the End action.
struct AssembledScript {
  std::string bytes;
  std::string error;  // empty on success
  int errorLine = 0;  // 1-based line of the fault
};

AssembledScript AssembleScript(const std::string& source);

}  // namespace movie
