// Codes and names of the script actions (the version-1 action model), shared by assembler and disassembler.
#pragma once
#include <cstdint>
#include <string>

namespace movie {

// Actions that carry data of their own (code 0x80 and above) and that the
// assembler or the disassembler treat specially.
enum ActionCode : uint8_t {
  kActionEnd = 0x00,
  kActionStoreRegister = 0x87,
  kActionConstantPool = 0x88,
  kActionDefineFunction2 = 0x8E,
  kActionPush = 0x96,
  kActionJump = 0x99,
  kActionDefineFunction = 0x9B,
  kActionIf = 0x9D,
};

// Value types inside a Push action.
enum PushType : uint8_t {
  kPushString = 0,
  kPushFloat = 1,
  kPushNull = 2,
  kPushUndefined = 3,
  kPushRegister = 4,
  kPushBoolean = 5,
  kPushDouble = 6,
  kPushInteger = 7,
  kPushConstant8 = 8,
  kPushConstant16 = 9,
};

// Flags of DefineFunction2, in the bit order of its 16-bit flags field.
struct FunctionFlagName {
  uint16_t bit;
  const char* name;
};
extern const FunctionFlagName kFunctionFlags[9];

// Name of an action that takes its operands from the stack only (no data),
// or nullptr for codes that are not such actions.
const char* StackActionName(uint8_t code);
// The code of a stack-only action by its name; false for unknown names.
bool StackActionCode(const std::string& name, uint8_t& code);

}  // namespace movie
