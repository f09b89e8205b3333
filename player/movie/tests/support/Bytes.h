// Test helper: a byte string written as a list of byte values.
#pragma once
#include <initializer_list>
#include <string>

namespace movietest {

inline std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

}  // namespace movietest
