// Owned VARIANT: cleared when it goes, movable but not copyable, with the conversions calls by name need.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <string>

#include "ui/base/ComPtr.h"

namespace ui {

class Variant {
 public:
  Variant() { VariantInit(&v_); }
  ~Variant() { VariantClear(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  Variant(Variant&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
  Variant& operator=(Variant&& other) noexcept;

  static Variant FromText(const std::string& gbk);  // a BSTR of the text read as code page 936
  static Variant FromInt(int32_t value);
  static Variant FromBool(bool value);

  VARIANT* Get() { return &v_; }
  const VARIANT* Get() const { return &v_; }
  // Clears the old content first, for functions that fill the variant.
  VARIANT* Out();

  // Numbers are truncated toward zero (VariantChangeType would round 2.9 to 3);
  // NaN and empty give 0, values beyond int32 saturate.
  int32_t ToInt() const;
  bool ToBool() const;
  double ToDouble() const;
  // A BSTR converted with code page 936; other values as the system writes them; empty for none.
  std::string ToText() const;
  // The object it holds, asked for IDispatch; empty when it holds none.
  ComPtr<IDispatch> ToObject() const;

 private:
  VARIANT v_;
};

}  // namespace ui
