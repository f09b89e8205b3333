// Calling a COM object's member by name through IDispatch and its type information.
#include "player/DispatchCall.h"

#include "ui/ComPtr.h"

namespace player {

namespace {

// The type information that describes the members: a coclass's default interface.
ui::ComPtr<ITypeInfo> MemberTypeInfo(IDispatch* dispatch, LCID locale) {
  ui::ComPtr<ITypeInfo> info;
  if (FAILED(dispatch->GetTypeInfo(0, locale, info.Out())) || !info) return {};
  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr))) return {};
  const bool coclass = attr->typekind == TKIND_COCLASS;
  const WORD implCount = attr->cImplTypes;
  info->ReleaseTypeAttr(attr);
  if (!coclass) return info;
  UINT pick = 0;
  for (UINT i = 0; i < implCount; ++i) {
    INT flags = 0;
    if (SUCCEEDED(info->GetImplTypeFlags(i, &flags)) && (flags & IMPLTYPEFLAG_FDEFAULT)) {
      pick = i;
      break;
    }
  }
  HREFTYPE ref = 0;
  ui::ComPtr<ITypeInfo> iface;
  if (FAILED(info->GetRefTypeOfImplType(pick, &ref)) || FAILED(info->GetRefTypeInfo(ref, iface.Out()))) return {};
  return iface;
}

// The invocation kinds (DISPATCH_* bits) that the member with this id supports.
WORD SupportedInvocations(ITypeInfo* info, MEMBERID id) {
  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr))) return 0;
  const WORD funcs = attr->cFuncs, vars = attr->cVars;
  info->ReleaseTypeAttr(attr);
  WORD kinds = 0;
  for (UINT i = 0; i < funcs; ++i) {
    FUNCDESC* f = nullptr;
    if (FAILED(info->GetFuncDesc(i, &f))) continue;
    if (f->memid == id) kinds |= static_cast<WORD>(f->invkind);
    info->ReleaseFuncDesc(f);
  }
  for (UINT i = 0; i < vars; ++i) {
    VARDESC* v = nullptr;
    if (FAILED(info->GetVarDesc(i, &v))) continue;
    if (v->memid == id) {
      kinds |= DISPATCH_PROPERTYGET;
      if (!(v->wVarFlags & VARFLAG_FREADONLY)) kinds |= DISPATCH_PROPERTYPUT;
    }
    info->ReleaseVarDesc(v);
  }
  return kinds;
}

WORD ChooseInvocation(AccessKind kind, WORD supported) {
  static const WORD kRead[] = {DISPATCH_PROPERTYGET, DISPATCH_METHOD};
  static const WORD kWrite[] = {DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF, DISPATCH_METHOD};
  static const WORD kMethod[] = {DISPATCH_METHOD, DISPATCH_PROPERTYGET};
  const WORD* order = kind == AccessKind::Read ? kRead : kind == AccessKind::Write ? kWrite : kMethod;
  const size_t count = kind == AccessKind::Write ? 3 : 2;
  for (size_t i = 0; i < count; ++i) {
    if (supported & order[i]) return order[i];
  }
  return 0;
}

}  // namespace

bool CallByName(IUnknown* object, const wchar_t* name, AccessKind kind, std::vector<Variant>& args,
                Variant* result) {
  if (result) result->Out();
  if (!object) return false;
  ui::ComPtr<IDispatch> dispatch;
  if (FAILED(object->QueryInterface(IID_IDispatch, dispatch.OutVoid())) || !dispatch) return false;

  const LCID locale = GetUserDefaultLCID();
  ui::ComPtr<ITypeInfo> info = MemberTypeInfo(dispatch.Get(), locale);
  if (!info) return false;
  MEMBERID id = MEMBERID_NIL;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(info->GetIDsOfNames(names, 1, &id))) return false;
  const WORD flags = ChooseInvocation(kind, SupportedInvocations(info.Get(), id));
  if (!flags) return false;

  // DISPPARAMS lists the arguments last to first.
  std::vector<VARIANT> reversed;
  for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(*it->Get());
  DISPID putId = DISPID_PROPERTYPUT;
  const bool put = flags == DISPATCH_PROPERTYPUT || flags == DISPATCH_PROPERTYPUTREF;
  DISPPARAMS params{reversed.data(), put ? &putId : nullptr, static_cast<UINT>(reversed.size()), put ? 1u : 0u};
  Variant scratch;
  EXCEPINFO error{};
  UINT badArg = 0;
  const HRESULT hr = dispatch->Invoke(id, IID_NULL, locale, flags, &params, (result ? result : &scratch)->Out(),
                                      &error, &badArg);
  SysFreeString(error.bstrSource);
  SysFreeString(error.bstrDescription);
  SysFreeString(error.bstrHelpFile);
  if (FAILED(hr)) {
    if (result) result->Out();
    return false;
  }
  return true;
}

}  // namespace player
