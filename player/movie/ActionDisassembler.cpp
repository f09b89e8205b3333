// Decodes DoAction bytes into actions and prints them as a listing in the assembler's notation.
#include "player/movie/ActionDisassembler.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

#include "player/movie/ActionCodes.h"
#include "player/movie/SwfReader.h"

namespace movie {
namespace {

// Reads a zero-terminated text at `pos`; false when the zero is missing.
bool ReadText(const std::string& data, size_t& pos, std::string& text) {
  const size_t end = data.find('\0', pos);
  if (end == std::string::npos) return false;
  text = data.substr(pos, end - pos);
  pos = end + 1;
  return true;
}

// The offset in a function's data of its 16-bit body size, or npos when the
// header is malformed.
size_t BodySizeOffset(const DecodedAction& a) {
  size_t pos = 0;
  std::string text;
  if (!ReadText(a.data, pos, text) || a.data.size() < pos + 2) return std::string::npos;
  const uint16_t count = ReadU16(a.data, pos);
  pos += 2;
  if (a.code == kActionDefineFunction2) pos += 3;
  for (uint16_t i = 0; i < count; ++i) {
    if (a.code == kActionDefineFunction2) ++pos;
    if (pos > a.data.size() || !ReadText(a.data, pos, text)) return std::string::npos;
  }
  return a.data.size() >= pos + 2 ? pos : std::string::npos;
}

bool DecodeBlock(const std::string& bytes, size_t begin, size_t end, bool topLevel, int depth,
                 std::vector<DecodedAction>& out, std::string& error) {
  size_t pos = begin;
  while (pos < end) {
    DecodedAction a;
    a.offset = pos - begin;
    a.code = static_cast<uint8_t>(bytes[pos]);
    a.size = 1;
    if (a.code >= 0x80) {
      if (end - pos < 3) {
        error = "action header cut short";
        return false;
      }
      const uint16_t length = ReadU16(bytes, pos + 1);
      if (end - pos - 3 < length) {
        error = "action data runs past its body";
        return false;
      }
      a.data = bytes.substr(pos + 3, length);
      a.size = 3 + static_cast<size_t>(length);
    }
    pos += a.size;
    if (a.code == kActionDefineFunction || a.code == kActionDefineFunction2) {
      a.isFunction = true;
      const size_t at = BodySizeOffset(a);
      if (at == std::string::npos) {
        error = "malformed function header";
        return false;
      }
      const uint16_t bodySize = ReadU16(a.data, at);
      a.bodySize = bodySize;
      if (end - pos < bodySize) {
        error = "function body runs past its enclosing body";
        return false;
      }
      if (depth >= kMaxFunctionNesting) {
        error = "functions nested too deeply";
        return false;
      }
      const bool ok = DecodeBlock(bytes, pos, pos + bodySize, false, depth + 1, a.body, error);
      pos += bodySize;
      out.push_back(std::move(a));
      if (!ok) return false;
      continue;
    }
    out.push_back(std::move(a));
    if (topLevel && out.back().code == kActionEnd) break;
  }
  return true;
}

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20 || u == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", u);
      out += hex;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// A number in the form the assembler reads back as a double: always with a
// fraction or an exponent.
std::string DoubleText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  char text[40];
  std::snprintf(text, sizeof text, "%.15g", value);
  if (std::strtod(text, nullptr) != value) std::snprintf(text, sizeof text, "%.17g", value);
  std::string out = text;
  if (out.find_first_of(".e") == std::string::npos) out += ".0";
  return out;
}

class Lister {
 public:
  std::string out;

  void Block(const std::vector<DecodedAction>& actions, size_t blockSize, int indent) {
    // Labels of this body, numbered in order of their offsets.
    std::map<size_t, bool> starts;
    for (const DecodedAction& a : actions) starts[a.offset] = true;
    starts[blockSize] = true;
    std::map<size_t, std::string> labels;
    for (const DecodedAction& a : actions) {
      if ((a.code != kActionJump && a.code != kActionIf) || a.data.size() != 2) continue;
      const long target = BranchTarget(a);
      if (target >= 0 && starts.count(static_cast<size_t>(target))) labels[static_cast<size_t>(target)];
    }
    for (auto& label : labels) label.second = "L" + std::to_string(++labelCount_);

    for (const DecodedAction& a : actions) {
      const auto label = labels.find(a.offset);
      if (label != labels.end()) out += label->second + ":\n";
      out += std::string(indent, ' ');
      Action(a, labels, indent);
      out += '\n';
    }
    const auto last = labels.find(blockSize);
    if (last != labels.end()) out += last->second + ":\n";
  }

 private:
  void Action(const DecodedAction& a, const std::map<size_t, std::string>& labels, int indent) {
    if (const char* name = StackActionName(a.code)) {
      out += name;
      return;
    }
    switch (a.code) {
      case kActionEnd: out += "end"; return;
      case kActionPush: Push(a.data); return;
      case kActionConstantPool: Pool(a.data); return;
      case kActionStoreRegister:
        if (a.data.size() == 1) {
          out += "storeRegister " + std::to_string(static_cast<uint8_t>(a.data[0]));
          return;
        }
        break;
      case kActionJump:
      case kActionIf:
        if (a.data.size() == 2) {
          out += a.code == kActionJump ? "jump " : "if ";
          const long target = BranchTarget(a);
          const auto label = target >= 0 ? labels.find(static_cast<size_t>(target)) : labels.end();
          out += label != labels.end() ? label->second : "?" + std::to_string(target);
          return;
        }
        break;
      case kActionDefineFunction:
      case kActionDefineFunction2: Function(a, indent); return;
      default: break;
    }
    char head[32];
    std::snprintf(head, sizeof head, "action 0x%02X", a.code);
    out += head;
    for (const char c : a.data) {
      std::snprintf(head, sizeof head, " %02X", static_cast<uint8_t>(c));
      out += head;
    }
  }

  void Pool(const std::string& data) {
    pool_.clear();
    const uint16_t count = ReadU16(data, 0);
    size_t pos = 2;
    out += "constants";
    for (uint16_t i = 0; i < count; ++i) {
      std::string text;
      if (pos > data.size() || !ReadText(data, pos, text)) {
        out += " ; cut short";
        return;
      }
      pool_.push_back(text);
      out += (i ? ", " : " ") + Quote(text);
    }
  }

  void Push(const std::string& data) {
    out += "push";
    size_t pos = 0;
    bool first = true;
    while (pos < data.size()) {
      out += first ? " " : ", ";
      first = false;
      const uint8_t type = static_cast<uint8_t>(data[pos++]);
      const size_t left = data.size() - pos;
      auto need = [&](size_t n) {
        if (left >= n) return true;
        out += "; cut short";
        pos = data.size();
        return false;
      };
      switch (type) {
        case kPushString: {
          std::string text;
          if (!ReadText(data, pos, text)) {
            out += "; cut short";
            return;
          }
          out += Quote(text);
          break;
        }
        case kPushFloat:
          if (need(4)) {
            const uint32_t bits = ReadU32(data, pos);
            float f;
            std::memcpy(&f, &bits, sizeof f);
            out += "float " + DoubleText(f);
            pos += 4;
          }
          break;
        case kPushNull: out += "null"; break;
        case kPushUndefined: out += "undefined"; break;
        case kPushRegister:
          if (need(1)) out += "r:" + std::to_string(static_cast<uint8_t>(data[pos++]));
          break;
        case kPushBoolean:
          if (need(1)) out += data[pos++] ? "true" : "false";
          break;
        case kPushDouble:
          if (need(8)) {
            const uint64_t bits = static_cast<uint64_t>(ReadU32(data, pos)) << 32 | ReadU32(data, pos + 4);
            double d;
            std::memcpy(&d, &bits, sizeof d);
            out += DoubleText(d);
            pos += 8;
          }
          break;
        case kPushInteger:
          if (need(4)) {
            out += std::to_string(static_cast<int32_t>(ReadU32(data, pos)));
            pos += 4;
          }
          break;
        case kPushConstant8:
        case kPushConstant16:
          if (need(type == kPushConstant8 ? 1 : 2)) {
            const size_t n = type == kPushConstant8 ? static_cast<uint8_t>(data[pos]) : ReadU16(data, pos);
            pos += type == kPushConstant8 ? 1 : 2;
            out += n < pool_.size() ? Quote(pool_[n]) : "constant " + std::to_string(n);
          }
          break;
        default: out += "; unknown value type " + std::to_string(type); return;
      }
    }
  }

  void Function(const DecodedAction& a, int indent) {
    const bool two = a.code == kActionDefineFunction2;
    size_t pos = 0;
    std::string name;
    ReadText(a.data, pos, name);
    const uint16_t count = ReadU16(a.data, pos);
    pos += 2;
    uint8_t registers = 0;
    uint16_t flags = 0;
    if (two) {
      registers = static_cast<uint8_t>(a.data[pos]);
      flags = ReadU16(a.data, pos + 1);
      pos += 3;
    }
    out += two ? "function2" : "function";
    if (!name.empty()) out += " " + name;
    out += " (";
    for (uint16_t i = 0; i < count; ++i) {
      if (i) out += ", ";
      if (two) {
        const uint8_t reg = static_cast<uint8_t>(a.data[pos++]);
        if (reg) out += "r:" + std::to_string(reg) + " ";
      }
      std::string param;
      ReadText(a.data, pos, param);
      out += param;
    }
    out += ")";
    if (two) {
      out += " registers " + std::to_string(registers);
      for (const FunctionFlagName& flag : kFunctionFlags) {
        if (flags & flag.bit) out += std::string(" ") + flag.name;
      }
    }
    out += " {\n";
    Block(a.body, a.bodySize, indent + 2);
    out += std::string(indent, ' ') + "}";
  }

  std::vector<std::string> pool_;
  int labelCount_ = 0;
};

}  // namespace

bool DecodeActions(const std::string& bytes, std::vector<DecodedAction>& out, std::string& error) {
  out.clear();
  return DecodeBlock(bytes, 0, bytes.size(), true, 0, out, error);
}

long BranchTarget(const DecodedAction& branch) {
  return static_cast<long>(branch.offset + branch.size) + static_cast<int16_t>(ReadU16(branch.data, 0));
}

std::string DisassembleActions(const std::string& bytes) {
  std::vector<DecodedAction> actions;
  std::string error;
  const bool ok = DecodeActions(bytes, actions, error);
  // A trailing End of the top level is implied by the notation.
  if (!actions.empty() && actions.back().code == kActionEnd) actions.pop_back();
  size_t size = 0;
  if (!actions.empty()) size = actions.back().offset + actions.back().size + actions.back().bodySize;
  Lister lister;
  lister.Block(actions, size, 0);
  if (!ok) lister.out += "; error: " + error + "\n";
  return lister.out;
}

}  // namespace movie
