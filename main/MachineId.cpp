// Reads the processor id through the script host, or straight from WMI when the host cannot.
#include "main/MachineId.h"

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <wbemidl.h>

#include "ui/ComPtr.h"
#include "ui/Variant.h"
#include "ui/WideText.h"

namespace {

using ui::Variant;

// A BSTR that is freed when it goes.
class Bstr {
 public:
  explicit Bstr(const wchar_t* text) : b_(SysAllocString(text)) {}
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  BSTR Get() const { return b_; }
  explicit operator bool() const { return b_ != nullptr; }

 private:
  BSTR b_;
};

// Enters a single-threaded apartment for the current scope when the thread
// has none yet; a thread that already has an apartment of either kind keeps
// it, and every successful CoInitializeEx is balanced by one CoUninitialize.
class ComApartment {
 public:
  ComApartment() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (entered_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool entered_;
};

// An empty one-dimensional array of VARIANTs, destroyed when it goes.
class EmptyVariantArray {
 public:
  EmptyVariantArray() {
    SAFEARRAYBOUND bound{0, 0};
    array_ = SafeArrayCreate(VT_VARIANT, 1, &bound);
  }
  ~EmptyVariantArray() {
    if (array_) SafeArrayDestroy(array_);
  }
  EmptyVariantArray(const EmptyVariantArray&) = delete;
  EmptyVariantArray& operator=(const EmptyVariantArray&) = delete;

  SAFEARRAY** Address() { return &array_; }
  explicit operator bool() const { return array_ != nullptr; }

 private:
  SAFEARRAY* array_ = nullptr;
};

// The exception record an Invoke may fill; its texts are freed here.
struct ExceptionRecord : EXCEPINFO {
  ExceptionRecord() : EXCEPINFO{} {}
  ~ExceptionRecord() {
    SysFreeString(bstrSource);
    SysFreeString(bstrDescription);
    SysFreeString(bstrHelpFile);
  }
  ExceptionRecord(const ExceptionRecord&) = delete;
  ExceptionRecord& operator=(const ExceptionRecord&) = delete;
};

// Arguments are given last first, as DISPPARAMS holds them.
HRESULT InvokeAs(IDispatch* object, DISPID id, WORD kind, VARIANT* arguments, UINT count,
                 VARIANT* result) {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{};
  params.rgvarg = arguments;
  params.cArgs = count;
  if (kind & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.rgdispidNamedArgs = &named;
    params.cNamedArgs = 1;
  }
  ExceptionRecord exception;
  UINT badArgument = 0;
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result, &exception,
                        &badArgument);
}

DISPID FindMember(IDispatch* object, const wchar_t* name) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
    return DISPID_UNKNOWN;
  return id;
}

// Writes a property by name: property put, then put-by-reference, then a
// method of that name, whichever the member supports first.
bool SetByName(IDispatch* object, const wchar_t* name, VARIANT* value) {
  DISPID id = FindMember(object, name);
  if (id == DISPID_UNKNOWN) return false;
  HRESULT hr = E_FAIL;
  for (WORD kind : {DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF, DISPATCH_METHOD}) {
    hr = InvokeAs(object, id, kind, value, 1, nullptr);
    if (hr != DISP_E_MEMBERNOTFOUND) break;
  }
  return SUCCEEDED(hr);
}

// Calls a method by name (arguments last first); a member that is no method
// is read as a property instead.
bool CallByName(IDispatch* object, const wchar_t* name, VARIANT* arguments, UINT count,
                VARIANT* result) {
  DISPID id = FindMember(object, name);
  if (id == DISPID_UNKNOWN) return false;
  HRESULT hr = InvokeAs(object, id, DISPATCH_METHOD, arguments, count, result);
  if (hr == DISP_E_MEMBERNOTFOUND)
    hr = InvokeAs(object, id, DISPATCH_PROPERTYGET, arguments, count, result);
  return SUCCEEDED(hr);
}

// Runs a script procedure that takes no arguments. Run's parameters are a
// ParamArray: the host's own dispatcher takes them as one array passed by
// reference, while the usual late-bound convention passes them one by one
// after the name (none here). The array form comes first; the other is
// tried when the host refuses it.
bool RunProcedure(IDispatch* host, const wchar_t* procedure, VARIANT* result) {
  Variant name;
  if (!name.SetText(procedure)) return false;
  EmptyVariantArray none;
  if (none) {
    VARIANT arguments[2];
    VariantInit(&arguments[0]);
    V_VT(&arguments[0]) = VT_ARRAY | VT_VARIANT | VT_BYREF;
    V_ARRAYREF(&arguments[0]) = none.Address();
    arguments[1] = *name.Get();  // borrowed: name still owns the text
    VariantClear(result);
    if (CallByName(host, L"Run", arguments, 2, result)) return true;
  }
  VariantClear(result);
  return CallByName(host, L"Run", name.Get(), 1, result);
}

// The variant as GBK text; empty when it has no text form (Empty, Null, objects).
std::string VariantText(VARIANT* value) {
  Variant text;
  if (FAILED(VariantChangeType(text.Get(), value, 0, VT_BSTR))) return {};
  BSTR b = V_BSTR(text.Get());
  if (!b) return {};
  return ui::ToGbk(std::wstring(b, SysStringLen(b)));
}

// Asks for the security a WMI proxy needs to read another process's data;
// an in-process service has no proxy and ignores it.
void AllowImpersonation(IUnknown* proxy) {
  CoSetProxyBlanket(proxy, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                    RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
}

std::string ScriptProcessorId(const wchar_t* scriptProgId) {
  ComApartment apartment;

  CLSID clsid;
  if (FAILED(CLSIDFromProgID(scriptProgId, &clsid))) return {};
  ui::ComPtr<IDispatch> host;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                              IID_IDispatch, host.OutVoid())))
    return {};

  Variant language;
  if (!language.SetText(L"VBScript") || !SetByName(host.Get(), L"Language", language.Get()))
    return {};

  // The script is ASCII, so widening byte by byte is exact.
  Variant script;
  if (!script.SetText(std::wstring(kProcessorIdScript.begin(), kProcessorIdScript.end())))
    return {};
  Variant ignored;
  if (!CallByName(host.Get(), L"ExecuteStatement", script.Get(), 1, ignored.Out())) return {};

  Variant result;
  if (!RunProcedure(host.Get(), L"Getcpuid", result.Get())) return {};
  return VariantText(result.Get());
}

std::string WmiProcessorId() {
  ComApartment apartment;

  ui::ComPtr<IWbemLocator> locator;
  if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                              locator.OutVoid())))
    return {};
  Bstr space(L"ROOT\\CIMV2");
  if (!space) return {};
  ui::ComPtr<IWbemServices> services;
  if (FAILED(locator->ConnectServer(space.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                    services.Out())))
    return {};
  AllowImpersonation(services.Get());

  Bstr language(L"WQL");
  Bstr query(L"SELECT ProcessorId FROM Win32_Processor");
  if (!language || !query) return {};
  ui::ComPtr<IEnumWbemClassObject> processors;
  if (FAILED(services->ExecQuery(language.Get(), query.Get(),
                                 WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                 processors.Out())))
    return {};
  AllowImpersonation(processors.Get());

  ui::ComPtr<IWbemClassObject> first;
  ULONG count = 0;
  if (processors->Next(WBEM_INFINITE, 1, first.Out(), &count) != WBEM_S_NO_ERROR || count != 1)
    return {};
  Variant id;
  if (FAILED(first->Get(L"ProcessorId", 0, id.Out(), nullptr, nullptr))) return {};
  return VariantText(id.Get());
}

}  // namespace

// Only running out of memory can throw below; it counts as a failed source.
std::string ReadProcessorIdByScript(const wchar_t* scriptProgId) {
  try {
    return ScriptProcessorId(scriptProgId);
  } catch (...) {
    return {};
  }
}

std::string ReadProcessorIdByWmi() {
  try {
    return WmiProcessorId();
  } catch (...) {
    return {};
  }
}

std::string ReadMachineIdWith(const wchar_t* scriptProgId) {
  ComApartment apartment;
  std::string id = ReadProcessorIdByScript(scriptProgId);
  if (id.empty()) id = ReadProcessorIdByWmi();
  return id;
}

std::string ReadMachineId() { return ReadMachineIdWith(L"ScriptControl"); }
