// Assembles script source in the movie's action notation into the bytes of a DoAction tag.
#include "player/movie/ActionAssembler.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "player/movie/ActionCodes.h"
#include "player/movie/SwfWriter.h"

namespace movie {
namespace {

struct AssemblyError {
  int line;
  std::string message;
};

struct Token {
  enum Kind { kIdent, kString, kNumber, kRegister, kPunct } kind;
  std::string text;  // identifier, decoded string, number text or punctuation
};

std::vector<Token> Tokenize(const std::string& line, int lineNumber) {
  std::vector<Token> tokens;
  size_t i = 0;
  auto fail = [&](const std::string& why) { throw AssemblyError{lineNumber, why}; };
  while (i < line.size()) {
    const char c = line[i];
    if (c == ';') break;
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == '"') {
      std::string text;
      for (++i;; ++i) {
        if (i >= line.size()) fail("text without closing quote");
        char d = line[i];
        if (d == '"') break;
        if (d == '\\') {
          if (++i >= line.size()) fail("text without closing quote");
          d = line[i];
          if (d == 'n')
            d = '\n';
          else if (d == 'r')
            d = '\r';
          else if (d == 't')
            d = '\t';
          else if (d == 'x') {
            if (i + 2 >= line.size() || !std::isxdigit(static_cast<unsigned char>(line[i + 1])) ||
                !std::isxdigit(static_cast<unsigned char>(line[i + 2]))) {
              fail("\\x needs two hex digits");
            }
            d = static_cast<char>(std::strtol(line.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
          } else if (d != '\\' && d != '"') {
            fail(std::string("unknown escape \\") + d);
          }
        }
        if (d == '\0') fail("a text cannot hold a zero byte");
        text.push_back(d);
      }
      ++i;
      tokens.push_back({Token::kString, text});
    } else if (std::isdigit(static_cast<unsigned char>(c)) ||
               (c == '-' && i + 1 < line.size() &&
                (std::isdigit(static_cast<unsigned char>(line[i + 1])) || line[i + 1] == '.'))) {
      size_t end = i + 1;
      while (end < line.size() &&
             (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '.' ||
              ((line[end] == '-' || line[end] == '+') && (line[end - 1] == 'e' || line[end - 1] == 'E')))) {
        ++end;
      }
      tokens.push_back({Token::kNumber, line.substr(i, end - i)});
      i = end;
    } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '$') {
      size_t end = i + 1;
      while (end < line.size() &&
             (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_' || line[end] == '$'))
        ++end;
      std::string word = line.substr(i, end - i);
      if (word == "r" && end + 1 < line.size() && line[end] == ':' &&
          std::isdigit(static_cast<unsigned char>(line[end + 1]))) {
        size_t digits = end + 1;
        while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
        tokens.push_back({Token::kRegister, line.substr(end + 1, digits - end - 1)});
        end = digits;
      } else {
        tokens.push_back({Token::kIdent, word});
      }
      i = end;
    } else if (std::strchr(",(){}:", c) != nullptr) {
      tokens.push_back({Token::kPunct, std::string(1, c)});
      ++i;
    } else {
      fail(std::string("unexpected character '") + c + "'");
    }
  }
  return tokens;
}

struct PushValue {
  PushType type;
  std::string text;     // kPushString
  double number = 0;    // kPushDouble
  int32_t integer = 0;  // kPushInteger, kPushRegister, kPushBoolean
};

struct Block;

struct FunctionDef {
  int version = 1;  // 1: DefineFunction, 2: DefineFunction2
  std::string name;
  std::vector<std::pair<uint8_t, std::string>> params;  // register (0 = none) and name
  uint8_t registerCount = 0;
  uint16_t flags = 0;
  std::unique_ptr<Block> body;
};

struct Item {
  enum Kind { kRaw, kPush, kBranch, kLabel, kFunction } kind;
  int line = 0;
  std::string raw;                // kRaw: the whole action
  std::vector<PushValue> values;  // kPush
  uint8_t code = 0;               // kBranch
  std::string label;              // kBranch, kLabel
  FunctionDef function;           // kFunction
};

struct Block {
  std::vector<Item> items;
};

class Parser {
 public:
  explicit Parser(const std::string& source) {
    size_t start = 0;
    while (start <= source.size()) {
      size_t end = source.find('\n', start);
      if (end == std::string::npos) end = source.size();
      std::string line = source.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines_.push_back(line);
      start = end + 1;
    }
  }

  std::unique_ptr<Block> ParseTop() {
    auto block = ParseBlock(false);
    return block;
  }

 private:
  std::unique_ptr<Block> ParseBlock(bool inFunction) {
    auto block = std::make_unique<Block>();
    const int opened = lineIndex_;
    while (lineIndex_ < static_cast<int>(lines_.size())) {
      const int number = ++lineIndex_;
      std::vector<Token> t = Tokenize(lines_[number - 1], number);
      if (t.empty()) continue;
      if (t[0].kind == Token::kPunct && t[0].text == "}") {
        if (!inFunction || t.size() != 1) throw AssemblyError{number, "unexpected }"};
        return block;
      }
      block->items.push_back(ParseLine(t, number));
    }
    if (inFunction) throw AssemblyError{opened, "function body without closing }"};
    return block;
  }

  static void Expect(bool condition, int line, const std::string& message) {
    if (!condition) throw AssemblyError{line, message};
  }

  static long ReadInteger(const Token& t, long low, long high, int line, const char* what) {
    Expect(t.kind == Token::kNumber || t.kind == Token::kRegister, line, std::string(what) + " expected");
    char* end = nullptr;
    const long value = std::strtol(t.text.c_str(), &end, 10);
    Expect(*end == '\0' && value >= low && value <= high, line, std::string(what) + " out of range: " + t.text);
    return value;
  }

  static PushValue ReadValue(const Token& t, int line) {
    PushValue v{kPushUndefined, {}};
    if (t.kind == Token::kString) {
      v.type = kPushString;
      v.text = t.text;
    } else if (t.kind == Token::kRegister) {
      v.type = kPushRegister;
      v.integer = static_cast<int32_t>(ReadInteger(t, 0, 255, line, "register"));
    } else if (t.kind == Token::kNumber) {
      const bool whole = t.text.find_first_of(".eE") == std::string::npos;
      char* end = nullptr;
      if (whole) {
        const long long value = std::strtoll(t.text.c_str(), &end, 10);
        Expect(*end == '\0' && value >= INT32_MIN && value <= INT32_MAX, line, "bad integer " + t.text);
        v.type = kPushInteger;
        v.integer = static_cast<int32_t>(value);
      } else {
        v.number = std::strtod(t.text.c_str(), &end);
        Expect(*end == '\0', line, "bad number " + t.text);
        v.type = kPushDouble;
      }
    } else if (t.kind == Token::kIdent && (t.text == "true" || t.text == "false")) {
      v.type = kPushBoolean;
      v.integer = t.text == "true";
    } else if (t.kind == Token::kIdent && t.text == "null") {
      v.type = kPushNull;
    } else if (t.kind == Token::kIdent && t.text == "undefined") {
      v.type = kPushUndefined;
    } else {
      throw AssemblyError{line, "not a value: " + t.text};
    }
    return v;
  }

  Item ParseLine(const std::vector<Token>& t, int line) {
    Item item;
    item.line = line;
    Expect(t[0].kind == Token::kIdent, line, "instruction expected");
    const std::string& op = t[0].text;
    if (t.size() == 2 && t[1].kind == Token::kPunct && t[1].text == ":") {
      item.kind = Item::kLabel;
      item.label = op;
      return item;
    }
    if (op == "push") {
      item.kind = Item::kPush;
      Expect(t.size() >= 2, line, "push needs a value");
      for (size_t i = 1; i < t.size(); i += 2) {
        item.values.push_back(ReadValue(t[i], line));
        Expect(i + 1 == t.size() || (t[i + 1].kind == Token::kPunct && t[i + 1].text == ","), line,
               "values are separated by commas");
        Expect(i + 1 != t.size() - 1, line, "value expected after comma");
      }
    } else if (op == "jump" || op == "if") {
      Expect(t.size() == 2 && t[1].kind == Token::kIdent, line, op + " needs a label");
      item.kind = Item::kBranch;
      item.code = op == "jump" ? kActionJump : kActionIf;
      item.label = t[1].text;
    } else if (op == "storeRegister") {
      Expect(t.size() == 2, line, "storeRegister needs a register number");
      item.kind = Item::kRaw;
      item.raw = std::string(1, static_cast<char>(kActionStoreRegister)) + EncodeU16(1) +
                 static_cast<char>(ReadInteger(t[1], 0, 255, line, "register"));
    } else if (op == "function" || op == "function2") {
      item.kind = Item::kFunction;
      ParseFunctionHeader(t, line, item.function);
      item.function.body = ParseBlock(true);
    } else {
      uint8_t code = 0;
      Expect(StackActionCode(op, code), line, "unknown instruction " + op);
      Expect(t.size() == 1, line, op + " takes no operands");
      item.kind = Item::kRaw;
      item.raw = std::string(1, static_cast<char>(code));
    }
    return item;
  }

  static void ParseFunctionHeader(const std::vector<Token>& t, int line, FunctionDef& f) {
    f.version = t[0].text == "function2" ? 2 : 1;
    size_t i = 1;
    if (i < t.size() && t[i].kind == Token::kIdent) f.name = t[i++].text;
    Expect(i < t.size() && t[i].text == "(", line, "( expected");
    ++i;
    while (i < t.size() && t[i].text != ")") {
      uint8_t reg = 0;
      if (t[i].kind == Token::kRegister) {
        Expect(f.version == 2, line, "only function2 keeps arguments in registers");
        reg = static_cast<uint8_t>(ReadInteger(t[i++], 1, 255, line, "register"));
      }
      Expect(i < t.size() && t[i].kind == Token::kIdent, line, "argument name expected");
      f.params.emplace_back(reg, t[i++].text);
      if (i < t.size() && t[i].text == ",")
        ++i;
      else
        Expect(i < t.size() && t[i].text == ")", line, ", or ) expected");
    }
    Expect(i < t.size(), line, ") expected");
    ++i;
    while (i < t.size() && t[i].kind == Token::kIdent) {
      Expect(f.version == 2, line, "only function2 has registers and flags");
      if (t[i].text == "registers") {
        Expect(i + 1 < t.size(), line, "register count expected");
        f.registerCount = static_cast<uint8_t>(ReadInteger(t[i + 1], 0, 255, line, "register count"));
        i += 2;
        continue;
      }
      bool known = false;
      for (const FunctionFlagName& flag : kFunctionFlags) {
        if (t[i].text == flag.name) {
          f.flags |= flag.bit;
          known = true;
        }
      }
      Expect(known, line, "unknown function flag " + t[i].text);
      ++i;
    }
    Expect(i + 1 == t.size() && t[i].text == "{", line, "{ expected at the end of the function line");
  }

  std::vector<std::string> lines_;
  int lineIndex_ = 0;
};

// Strings become constant-pool entries in the order they first appear.
void CollectStrings(const Block& block, std::vector<std::string>& pool, std::map<std::string, size_t>& index) {
  for (const Item& item : block.items) {
    for (const PushValue& v : item.values) {
      if (v.type == kPushString && index.emplace(v.text, pool.size()).second) pool.push_back(v.text);
    }
    if (item.kind == Item::kFunction) CollectStrings(*item.function.body, pool, index);
  }
}

std::string WithLength(uint8_t code, const std::string& data, int line) {
  if (data.size() > 0xFFFF) throw AssemblyError{line, "action longer than 65535 bytes"};
  return std::string(1, static_cast<char>(code)) + EncodeU16(static_cast<uint16_t>(data.size())) + data;
}

std::string EncodePush(const Item& item, const std::map<std::string, size_t>& pool) {
  std::string data;
  for (const PushValue& v : item.values) {
    if (v.type == kPushString) {
      const size_t n = pool.at(v.text);
      if (n < 256) {
        data += static_cast<char>(kPushConstant8);
        data += static_cast<char>(n);
      } else {
        data += static_cast<char>(kPushConstant16);
        data += EncodeU16(static_cast<uint16_t>(n));
      }
      continue;
    }
    data += static_cast<char>(v.type);
    if (v.type == kPushRegister || v.type == kPushBoolean) {
      data += static_cast<char>(v.integer);
    } else if (v.type == kPushInteger) {
      data += EncodeU32(static_cast<uint32_t>(v.integer));
    } else if (v.type == kPushDouble) {
      // Stored as two little-endian 32-bit halves, the high half first.
      uint64_t bits = 0;
      std::memcpy(&bits, &v.number, sizeof bits);
      data += EncodeU32(static_cast<uint32_t>(bits >> 32)) + EncodeU32(static_cast<uint32_t>(bits));
    }
  }
  return WithLength(kActionPush, data, item.line);
}

std::string EncodeBlock(const Block& block, const std::map<std::string, size_t>& pool);

std::string EncodeFunction(const Item& item, const std::map<std::string, size_t>& pool) {
  const FunctionDef& f = item.function;
  const std::string body = EncodeBlock(*f.body, pool);
  if (body.size() > 0xFFFF) throw AssemblyError{item.line, "function body longer than 65535 bytes"};
  std::string data = f.name + '\0' + EncodeU16(static_cast<uint16_t>(f.params.size()));
  if (f.version == 2) {
    data += static_cast<char>(f.registerCount);
    data += EncodeU16(f.flags);
    for (const auto& p : f.params) data += static_cast<char>(p.first) + p.second + '\0';
  } else {
    for (const auto& p : f.params) data += p.second + '\0';
  }
  data += EncodeU16(static_cast<uint16_t>(body.size()));
  return WithLength(f.version == 2 ? kActionDefineFunction2 : kActionDefineFunction, data, item.line) + body;
}

std::string EncodeBlock(const Block& block, const std::map<std::string, size_t>& pool) {
  constexpr size_t kBranchSize = 5;
  // Everything but the branches is encoded first; then the labels have offsets.
  std::vector<std::string> encoded(block.items.size());
  std::map<std::string, size_t> labels;
  size_t offset = 0;
  for (size_t i = 0; i < block.items.size(); ++i) {
    const Item& item = block.items[i];
    switch (item.kind) {
      case Item::kRaw: encoded[i] = item.raw; break;
      case Item::kPush: encoded[i] = EncodePush(item, pool); break;
      case Item::kFunction: encoded[i] = EncodeFunction(item, pool); break;
      case Item::kBranch: encoded[i] = std::string(kBranchSize, '\0'); break;
      case Item::kLabel:
        if (!labels.emplace(item.label, offset).second)
          throw AssemblyError{item.line, "label defined twice: " + item.label};
        break;
    }
    offset += encoded[i].size();
  }
  std::string out;
  for (size_t i = 0; i < block.items.size(); ++i) {
    const Item& item = block.items[i];
    if (item.kind == Item::kBranch) {
      const auto target = labels.find(item.label);
      if (target == labels.end()) throw AssemblyError{item.line, "no label " + item.label + " in this body"};
      const long distance = static_cast<long>(target->second) - static_cast<long>(out.size() + kBranchSize);
      if (distance < INT16_MIN || distance > INT16_MAX) throw AssemblyError{item.line, "branch too far"};
      encoded[i] = WithLength(item.code, EncodeU16(static_cast<uint16_t>(distance)), item.line);
    }
    out += encoded[i];
  }
  return out;
}

}  // namespace

AssembledScript AssembleScript(const std::string& source) {
  AssembledScript result;
  try {
    Parser parser(source);
    std::unique_ptr<Block> top = parser.ParseTop();
    std::vector<std::string> pool;
    std::map<std::string, size_t> index;
    CollectStrings(*top, pool, index);
    if (pool.size() > 0xFFFF) throw AssemblyError{0, "more than 65535 different texts"};
    if (!pool.empty()) {
      std::string data = EncodeU16(static_cast<uint16_t>(pool.size()));
      for (const std::string& s : pool) data += s + '\0';
      result.bytes = WithLength(kActionConstantPool, data, 0);
    }
    result.bytes += EncodeBlock(*top, index);
    result.bytes += static_cast<char>(kActionEnd);
  } catch (const AssemblyError& e) {
    result.bytes.clear();
    result.error = e.message;
    result.errorLine = e.line;
  }
  return result;
}

}  // namespace movie
