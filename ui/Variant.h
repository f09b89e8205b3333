// Owned VARIANT: cleared when it goes out of scope, not copyable by mistake.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <string>

namespace ui {

class Variant {
 public:
  Variant() { VariantInit(&v_); }
  ~Variant() { VariantClear(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;

  VARIANT* Get() { return &v_; }
  const VARIANT& Value() const { return v_; }
  // Clears the old content first, for functions that fill the variant.
  VARIANT* Out() {
    VariantClear(&v_);
    return &v_;
  }
  // Holds a copy of the text; false when there is no memory for it.
  bool SetText(const wchar_t* text, size_t length) {
    VariantClear(&v_);
    BSTR b = SysAllocStringLen(text, static_cast<UINT>(length));
    if (!b) return false;
    V_VT(&v_) = VT_BSTR;
    V_BSTR(&v_) = b;
    return true;
  }
  bool SetText(const std::wstring& text) { return SetText(text.data(), text.size()); }
  void SetInt(int32_t value) {
    VariantClear(&v_);
    V_VT(&v_) = VT_I4;
    V_I4(&v_) = value;
  }

 private:
  VARIANT v_;
};

}  // namespace ui
