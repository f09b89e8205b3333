// Calls on COM objects by member name through IDispatch: property reads and writes and method calls.
#include "ui/DispatchCall.h"

#include <vector>

#include "ui/WideText.h"

namespace ui {

namespace {

bool LookUp(IDispatch* object, const wchar_t* name, DISPID* id) {
  if (!object || !name) return false;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, id));
}

// One invocation; the arguments are given in written order and passed in the
// reverse order that DISPPARAMS expects.
bool Invoke(IDispatch* object, DISPID id, WORD kind, std::initializer_list<const VARIANT*> args,
            VARIANT* result) {
  std::vector<VARIANTARG> reversed;
  reversed.reserve(args.size());
  for (auto it = args.end(); it != args.begin();) reversed.push_back(**--it);  // shallow copies, not cleared
  DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  DISPID putId = DISPID_PROPERTYPUT;
  if (kind & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }
  EXCEPINFO exception = {};
  UINT badArgument = 0;
  HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result, &exception, &badArgument);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return SUCCEEDED(hr);
}

}  // namespace

bool DispatchGet(IDispatch* object, const wchar_t* name, Variant& result) {
  DISPID id;
  if (!LookUp(object, name, &id)) return false;
  return Invoke(object, id, DISPATCH_PROPERTYGET, {}, result.Out()) ||
         Invoke(object, id, DISPATCH_METHOD, {}, result.Out());
}

bool DispatchCall(IDispatch* object, const wchar_t* name, std::initializer_list<const VARIANT*> args,
                  Variant& result) {
  DISPID id;
  if (!LookUp(object, name, &id)) return false;
  return Invoke(object, id, DISPATCH_METHOD, args, result.Out()) ||
         Invoke(object, id, DISPATCH_PROPERTYGET, args, result.Out());
}

bool DispatchPut(IDispatch* object, const wchar_t* name, const VARIANT& value) {
  DISPID id;
  if (!LookUp(object, name, &id)) return false;
  return Invoke(object, id, DISPATCH_PROPERTYPUT, {&value}, nullptr) ||
         Invoke(object, id, DISPATCH_PROPERTYPUTREF, {&value}, nullptr) ||
         Invoke(object, id, DISPATCH_METHOD, {&value}, nullptr);
}

std::string VariantText(const VARIANT& value) {
  Variant text;
  if (FAILED(VariantChangeType(text.Out(), const_cast<VARIANT*>(&value), VARIANT_ALPHABOOL, VT_BSTR))) return {};
  const BSTR b = text.Value().bstrVal;
  return b ? ToGbk(std::wstring(b, SysStringLen(b))) : std::string();
}

ComPtr<IDispatch> VariantObject(const VARIANT& value) {
  ComPtr<IDispatch> object;
  IUnknown* unknown = nullptr;
  if (value.vt == VT_DISPATCH) unknown = value.pdispVal;
  if (value.vt == VT_UNKNOWN) unknown = value.punkVal;
  if (unknown) unknown->QueryInterface(IID_IDispatch, object.OutVoid());
  return object;
}

std::string DispatchGetText(IDispatch* object, const wchar_t* name) {
  Variant value;
  return DispatchGet(object, name, value) ? VariantText(value.Value()) : std::string();
}

}  // namespace ui
