// Calling a COM object's member by name through IDispatch and its type information.
#include "ui/DispatchCall.h"

namespace ui {

namespace {

// The invocations of each access kind, in the order they are tried.
struct InvocationOrder {
  WORD kinds[3];
  size_t count;
};

InvocationOrder OrderOf(AccessKind kind) {
  switch (kind) {
    case AccessKind::Read: return {{DISPATCH_PROPERTYGET, DISPATCH_METHOD}, 2};
    case AccessKind::Write: return {{DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF, DISPATCH_METHOD}, 3};
    case AccessKind::Method: break;
  }
  return {{DISPATCH_METHOD, DISPATCH_PROPERTYGET}, 2};
}

// The type information that describes the members: a coclass's default interface.
ComPtr<ITypeInfo> MemberTypeInfo(IDispatch* dispatch, LCID locale) {
  ComPtr<ITypeInfo> info;
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
  ComPtr<ITypeInfo> iface;
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

// One invocation; DISPPARAMS lists the arguments last to first.
HRESULT InvokeAs(IDispatch* dispatch, DISPID id, WORD flags, LCID locale, const std::vector<Variant>& args,
                 Variant* result) {
  std::vector<VARIANT> reversed;  // shallow copies: the arguments keep owning their contents
  reversed.reserve(args.size());
  for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(*it->Get());
  DISPID putId = DISPID_PROPERTYPUT;
  const bool put = flags == DISPATCH_PROPERTYPUT || flags == DISPATCH_PROPERTYPUTREF;
  DISPPARAMS params{reversed.data(), put ? &putId : nullptr, static_cast<UINT>(reversed.size()), put ? 1u : 0u};
  EXCEPINFO error{};
  UINT badArg = 0;
  const HRESULT hr =
      dispatch->Invoke(id, IID_NULL, locale, flags, &params, put ? nullptr : result->Out(), &error, &badArg);
  SysFreeString(error.bstrSource);
  SysFreeString(error.bstrDescription);
  SysFreeString(error.bstrHelpFile);
  return hr;
}

}  // namespace

bool CallByName(IUnknown* object, const wchar_t* name, AccessKind kind, const std::vector<Variant>& args,
                Variant* result) {
  Variant scratch;
  if (!result) result = &scratch;
  result->Out();
  if (!object || !name) return false;
  ComPtr<IDispatch> dispatch;
  if (FAILED(object->QueryInterface(IID_IDispatch, dispatch.OutVoid())) || !dispatch) return false;

  const LCID locale = GetUserDefaultLCID();
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  ComPtr<ITypeInfo> info = MemberTypeInfo(dispatch.Get(), locale);
  // The type information finds the name; through a proxy to another
  // apartment it cannot (its GetIDsOfNames is not remoted), and an object
  // may have none: the object's own GetIDsOfNames finds it then.
  MEMBERID id = MEMBERID_NIL;
  if ((!info || FAILED(info->GetIDsOfNames(names, 1, &id))) &&
      FAILED(dispatch->GetIDsOfNames(IID_NULL, names, 1, locale, &id)))
    return false;

  const InvocationOrder order = OrderOf(kind);
  const WORD supported = info ? SupportedInvocations(info.Get(), id) : 0;
  HRESULT hr = E_FAIL;
  if (supported) {
    for (size_t i = 0; i < order.count; ++i) {
      if (supported & order.kinds[i]) {
        hr = InvokeAs(dispatch.Get(), id, order.kinds[i], locale, args, result);
        break;
      }
    }
  } else {
    // Nothing describes the member: the object tells by refusing an invocation it does not support.
    for (size_t i = 0; i < order.count; ++i) {
      hr = InvokeAs(dispatch.Get(), id, order.kinds[i], locale, args, result);
      if (hr != DISP_E_MEMBERNOTFOUND) break;
    }
  }
  if (FAILED(hr)) {
    result->Out();
    return false;
  }
  return true;
}

Variant CallByName(IUnknown* object, const wchar_t* name, AccessKind kind, const std::vector<Variant>& args) {
  Variant result;
  CallByName(object, name, kind, args, &result);
  return result;
}

}  // namespace ui
