// An in-process IDispatch for tests, described by CreateDispTypeInfo.
#include "player/tests/support/FakeDispatch.h"

#include "ui/base/WideText.h"

namespace playertest {

namespace {

std::string VariantText(const VARIANT& v) {
  VARIANT text;
  VariantInit(&text);
  if (FAILED(VariantChangeType(&text, const_cast<VARIANT*>(&v), 0, VT_BSTR))) return "?";
  std::string out = ui::ToGbk(std::wstring(V_BSTR(&text), SysStringLen(V_BSTR(&text))));
  VariantClear(&text);
  return out;
}

}  // namespace

FakeDispatch* FakeDispatch::Create(const std::vector<FakeMember>& members) {
  auto* fake = new FakeDispatch;
  fake->members_ = members;
  // One METHODDATA per member and invocation kind; all arguments are variants.
  static PARAMDATA params[4] = {{const_cast<OLECHAR*>(L"a"), VT_VARIANT},
                                {const_cast<OLECHAR*>(L"b"), VT_VARIANT},
                                {const_cast<OLECHAR*>(L"c"), VT_VARIANT},
                                {const_cast<OLECHAR*>(L"d"), VT_VARIANT}};
  std::vector<METHODDATA> methods;
  const WORD kinds[] = {DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF};
  for (size_t i = 0; i < members.size(); ++i) {
    for (WORD kind : kinds) {
      if (!(members[i].kinds & kind)) continue;
      const bool put = kind == DISPATCH_PROPERTYPUT || kind == DISPATCH_PROPERTYPUTREF;
      const UINT args = put ? 1 : members[i].argCount;
      methods.push_back({const_cast<OLECHAR*>(members[i].name), params, static_cast<DISPID>(i + 1),
                         static_cast<UINT>(methods.size() + 7), CC_STDCALL, args, kind,
                         static_cast<VARTYPE>(put ? VT_EMPTY : VT_VARIANT)});
    }
  }
  INTERFACEDATA data{methods.data(), static_cast<UINT>(methods.size())};
  CreateDispTypeInfo(&data, LOCALE_USER_DEFAULT, &fake->typeInfo_);
  return fake;
}

FakeDispatch::~FakeDispatch() {
  if (typeInfo_) typeInfo_->Release();
}

std::vector<FakeCall> FakeDispatch::CallsTo(const std::string& member) const {
  std::vector<FakeCall> out;
  for (const FakeCall& call : calls) {
    if (call.member == member) out.push_back(call);
  }
  return out;
}

HRESULT FakeDispatch::QueryInterface(REFIID iid, void** out) {
  if (iid == IID_IUnknown || iid == IID_IDispatch || (iid == extraInterface && iid != IID_NULL)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG FakeDispatch::AddRef() { return ++refs_; }

ULONG FakeDispatch::Release() {
  const LONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT FakeDispatch::GetTypeInfoCount(UINT* count) {
  *count = typeInfo_ ? 1 : 0;
  return S_OK;
}

HRESULT FakeDispatch::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (index != 0 || !typeInfo_) return DISP_E_BADINDEX;
  typeInfo_->AddRef();
  *info = typeInfo_;
  return S_OK;
}

HRESULT FakeDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  return typeInfo_ ? typeInfo_->GetIDsOfNames(names, count, ids) : E_FAIL;
}

HRESULT FakeDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                             UINT*) {
  if (id < 1 || static_cast<size_t>(id) > members_.size()) return DISP_E_MEMBERNOTFOUND;
  const FakeMember& member = members_[id - 1];
  if (!(member.kinds & flags)) return DISP_E_MEMBERNOTFOUND;
  FakeCall call{ui::ToGbk(member.name), flags, {}};
  for (UINT i = params->cArgs; i > 0; --i) call.args.push_back(VariantText(params->rgvarg[i - 1]));
  calls.push_back(call);
  VARIANT scratch;
  VariantInit(&scratch);
  const HRESULT hr = answer ? answer(call, result ? result : &scratch) : S_OK;
  VariantClear(&scratch);
  return hr;
}

void SetTextResult(VARIANT* result, const std::string& gbk) {
  const std::wstring wide = ui::ToWide(gbk);
  V_VT(result) = VT_BSTR;
  V_BSTR(result) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

}  // namespace playertest
