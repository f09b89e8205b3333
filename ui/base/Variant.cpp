// Owned VARIANT and its conversions to and from the program's values.
#include "ui/base/Variant.h"

#include <cmath>

#include "ui/base/WideText.h"

namespace ui {

Variant& Variant::operator=(Variant&& other) noexcept {
  if (this != &other) {
    VariantClear(&v_);
    v_ = other.v_;
    VariantInit(&other.v_);
  }
  return *this;
}

Variant Variant::FromText(const std::string& gbk) {
  Variant v;
  const std::wstring wide = ToWide(gbk);
  BSTR b = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (b) {
    V_VT(&v.v_) = VT_BSTR;
    V_BSTR(&v.v_) = b;
  }
  return v;
}

Variant Variant::FromInt(int32_t value) {
  Variant v;
  V_VT(&v.v_) = VT_I4;
  V_I4(&v.v_) = value;
  return v;
}

Variant Variant::FromBool(bool value) {
  Variant v;
  V_VT(&v.v_) = VT_BOOL;
  V_BOOL(&v.v_) = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

VARIANT* Variant::Out() {
  VariantClear(&v_);
  return &v_;
}

double Variant::ToDouble() const {
  VARIANT d;
  VariantInit(&d);
  if (FAILED(VariantChangeType(&d, const_cast<VARIANT*>(&v_), 0, VT_R8))) return 0;
  return V_R8(&d);
}

int32_t Variant::ToInt() const {
  const double d = std::trunc(ToDouble());
  if (std::isnan(d)) return 0;
  if (d >= 2147483647.0) return INT32_MAX;
  if (d <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(d);
}

bool Variant::ToBool() const {
  VARIANT b;
  VariantInit(&b);
  if (FAILED(VariantChangeType(&b, const_cast<VARIANT*>(&v_), 0, VT_BOOL))) return false;
  return V_BOOL(&b) != VARIANT_FALSE;
}

std::string Variant::ToText() const {
  if (V_VT(&v_) == VT_BSTR) {
    BSTR b = V_BSTR(&v_);
    return b ? ToGbk(std::wstring(b, SysStringLen(b))) : std::string();
  }
  Variant text;
  if (FAILED(VariantChangeType(text.Get(), const_cast<VARIANT*>(&v_), 0, VT_BSTR))) return {};
  return text.ToText();
}

ComPtr<IDispatch> Variant::ToObject() const {
  ComPtr<IDispatch> object;
  IUnknown* unknown = nullptr;
  if (V_VT(&v_) == VT_DISPATCH) unknown = V_DISPATCH(&v_);
  if (V_VT(&v_) == VT_UNKNOWN) unknown = V_UNKNOWN(&v_);
  if (unknown) unknown->QueryInterface(IID_IDispatch, object.OutVoid());
  return object;
}

}  // namespace ui
