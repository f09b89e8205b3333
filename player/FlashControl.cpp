// The hosted Shockwave Flash control: its host window and its members reached by name.
#include "player/FlashControl.h"

#include <type_traits>
#include <vector>

#include "player/AtlHost.h"
#include "ui/DispatchCall.h"

namespace player {

namespace {

using ui::AccessKind;
using ui::Variant;

constexpr wchar_t kFlashClassId[] = L"{D27CDB6E-AE6D-11cf-96B8-444553540000}";
constexpr int kHostControlId = 1;

Variant ToVariant(const flash::Text& value) { return Variant::FromText(value); }
Variant ToVariant(flash::Int value) { return Variant::FromInt(value); }
Variant ToVariant(flash::Bool value) { return Variant::FromBool(value); }

// The argument list of a by-name call, in written order.
template <typename... Values>
std::vector<Variant> Arguments(const Values&... values) {
  return ui::Arguments(ToVariant(values)...);
}

// One call of a member, its result converted to the accessor's type.
template <typename Type>
Type Call(IUnknown* control, const wchar_t* member, AccessKind kind, std::vector<Variant> args) {
  const Variant result = ui::CallByName(control, member, kind, args);
  if constexpr (std::is_same_v<Type, flash::Int>) {
    return result.ToInt();
  } else if constexpr (std::is_same_v<Type, flash::Bool>) {
    return result.ToBool();
  } else if constexpr (std::is_same_v<Type, flash::Double>) {
    return result.ToDouble();
  } else {
    return result.ToText();
  }
}

}  // namespace

FlashControl::FlashControl() { InitAtlHosting(); }

FlashControl::FlashControl(const FlashControl& other)
    : control_(other.ControlObject()),
      host_(other.host_),
      parent_(other.parent_),
      left_(other.left_),
      top_(other.top_),
      width_(other.width_),
      height_(other.height_) {}

bool FlashControl::Create(HWND parent, int32_t left, int32_t top, int32_t width, int32_t height) {
  if (parent) parent_ = parent;
  if (!parent_) return false;
  host_ = CreateHostedControl(parent_, kFlashClassId, left, top, width, height, kHostControlId, control_);
  return static_cast<bool>(control_);
}

void FlashControl::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  MoveWindow(host_, left, top, width, height, TRUE);
}

void FlashControl::SetVariable(const std::string& name, const std::string& value) {
  Call<flash::Text>(control_.Get(), L"setVariable", AccessKind::Write, Arguments(name, value));
}

std::string FlashControl::ReadVariable(const std::string& name) {
  return Call<flash::Text>(control_.Get(), L"setVariable", AccessKind::Read, Arguments(name));
}

void FlashControl::AttachObject(IUnknown* object) {
  ui::ComPtr<IUnknown> unknown;
  if (object && SUCCEEDED(object->QueryInterface(IID_IUnknown, unknown.OutVoid())) && unknown) {
    control_ = std::move(unknown);
  }
}

ui::ComPtr<IUnknown> FlashControl::ControlObject() const {
  if (control_) control_->AddRef();
  return ui::ComPtr<IUnknown>(control_.Get());
}

// The member name as a wide literal.
#define TAVRIN_WIDE_LITERAL(text) L##text
#define TAVRIN_WIDE_NAME(member) TAVRIN_WIDE_LITERAL(#member)
#define TAVRIN_DEFINE_READER(member, type)                                                    \
  flash::type FlashControl::Get##member() {                                                   \
    return Call<flash::type>(control_.Get(), TAVRIN_WIDE_NAME(member), AccessKind::Read, {}); \
  }
#define TAVRIN_DEFINE_PROPERTY(member, type)                                                          \
  TAVRIN_DEFINE_READER(member, type)                                                                  \
  void FlashControl::Set##member(const flash::type& value) {                                          \
    Call<flash::Text>(control_.Get(), TAVRIN_WIDE_NAME(member), AccessKind::Write, Arguments(value)); \
  }
#define TAVRIN_DEFINE_METHOD(member, type, params, args)                                                    \
  flash::type FlashControl::member params {                                                                 \
    return Call<flash::type>(control_.Get(), TAVRIN_WIDE_NAME(member), AccessKind::Method, Arguments args); \
  }
TAVRIN_FLASH_MEMBERS(TAVRIN_DEFINE_READER, TAVRIN_DEFINE_PROPERTY, TAVRIN_DEFINE_METHOD)
#undef TAVRIN_DEFINE_READER
#undef TAVRIN_DEFINE_PROPERTY
#undef TAVRIN_DEFINE_METHOD
#undef TAVRIN_WIDE_NAME
#undef TAVRIN_WIDE_LITERAL

}  // namespace player
