// Codes and names of the script actions (the version-1 action model), shared by assembler and disassembler.
#include "player/movie/ActionCodes.h"

namespace movie {

// clang-format off
const FunctionFlagName kFunctionFlags[9] = {
    {0x0001, "preloadThis"},  {0x0002, "suppressThis"},  {0x0004, "preloadArguments"},
    {0x0008, "suppressArguments"}, {0x0010, "preloadSuper"}, {0x0020, "suppressSuper"},
    {0x0040, "preloadRoot"},  {0x0080, "preloadParent"}, {0x0100, "preloadGlobal"},
};
// clang-format on

namespace {

struct StackAction {
  uint8_t code;
  const char* name;
};

// clang-format off
constexpr StackAction kStackActions[] = {
    {0x04, "nextFrame"},     {0x05, "previousFrame"}, {0x06, "play"},          {0x07, "stop"},
    {0x08, "toggleQuality"}, {0x09, "stopSounds"},    {0x0A, "add"},           {0x0B, "subtract"},
    {0x0C, "multiply"},      {0x0D, "divide"},        {0x0E, "equals"},        {0x0F, "less"},
    {0x10, "and"},           {0x11, "or"},            {0x12, "not"},           {0x13, "stringEquals"},
    {0x14, "stringLength"},  {0x15, "stringExtract"}, {0x17, "pop"},           {0x18, "toInteger"},
    {0x1C, "getVariable"},   {0x1D, "setVariable"},   {0x20, "setTarget2"},    {0x21, "stringAdd"},
    {0x22, "getProperty"},   {0x23, "setProperty"},   {0x24, "cloneSprite"},   {0x25, "removeSprite"},
    {0x26, "trace"},         {0x27, "startDrag"},     {0x28, "endDrag"},       {0x29, "stringLess"},
    {0x2A, "throw"},         {0x2B, "castOp"},        {0x2C, "implementsOp"},  {0x30, "randomNumber"},
    {0x31, "mbStringLength"}, {0x32, "charToAscii"},  {0x33, "asciiToChar"},   {0x34, "getTime"},
    {0x35, "mbStringExtract"}, {0x36, "mbCharToAscii"}, {0x37, "mbAsciiToChar"}, {0x3A, "delete"},
    {0x3B, "delete2"},       {0x3C, "defineLocal"},   {0x3D, "callFunction"},  {0x3E, "return"},
    {0x3F, "modulo"},        {0x40, "newObject"},     {0x41, "defineLocal2"},  {0x42, "initArray"},
    {0x43, "initObject"},    {0x44, "typeOf"},        {0x45, "targetPath"},    {0x46, "enumerate"},
    {0x47, "add2"},          {0x48, "less2"},         {0x49, "equals2"},       {0x4A, "toNumber"},
    {0x4B, "toString"},      {0x4C, "pushDuplicate"}, {0x4D, "stackSwap"},     {0x4E, "getMember"},
    {0x4F, "setMember"},     {0x50, "increment"},     {0x51, "decrement"},     {0x52, "callMethod"},
    {0x53, "newMethod"},     {0x54, "instanceOf"},    {0x55, "enumerate2"},    {0x60, "bitAnd"},
    {0x61, "bitOr"},         {0x62, "bitXor"},        {0x63, "bitLShift"},     {0x64, "bitRShift"},
    {0x65, "bitURShift"},    {0x66, "strictEquals"},  {0x67, "greater"},       {0x68, "stringGreater"},
    {0x69, "extends"},
};
// clang-format on

}  // namespace

const char* StackActionName(uint8_t code) {
  for (const StackAction& a : kStackActions) {
    if (a.code == code) return a.name;
  }
  return nullptr;
}

bool StackActionCode(const std::string& name, uint8_t& code) {
  for (const StackAction& a : kStackActions) {
    if (name == a.name) {
      code = a.code;
      return true;
    }
  }
  return false;
}

}  // namespace movie
