// Decodes DoAction bytes into actions and prints them as a listing in the assembler's notation.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace movie {

struct DecodedAction {
  size_t offset = 0;  // from the start of the enclosing body (or of the top level)
  size_t size = 0;    // code, length field and data; a function's body is not counted
  uint8_t code = 0;
  std::string data;
  bool isFunction = false;
  size_t bodySize = 0;              // bytes of a function's body, which follow the action
  std::vector<DecodedAction> body;  // a function's actions
};

// Nesting of function bodies beyond this depth is refused.
constexpr int kMaxFunctionNesting = 64;

// Splits the bytes into actions, function bodies into their own lists; stops
// after the End action of the top level. False with a reason when an action
// runs past its bytes; the actions read before that are kept.
bool DecodeActions(const std::string& bytes, std::vector<DecodedAction>& out, std::string& error);

// Offset where a jump or if action lands, relative to the start of its body.
long BranchTarget(const DecodedAction& branch);

// The listing: the constant pool as a "constants" line, pushed constants as
// their texts, branch targets as labels L1, L2, ... (a target that is not the
// start of an action of the same body prints as "?" and its offset), function
// bodies indented inside braces. A decoding fault ends the listing with a
// "; error:" line.
std::string DisassembleActions(const std::string& bytes);

}  // namespace movie
