// Reads the processor id through the script host, or straight from WMI when the host cannot.
#include "main/MachineId.h"

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <wbemidl.h>

#include <memory>

#include "ui/base/MessagePump.h"
#include "ui/base/ComPtr.h"
#include "ui/DispatchCall.h"
#include "ui/base/WorkerThread.h"

namespace {

using ui::AccessKind;
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

// Runs a script procedure that takes no arguments. Run's parameters are a
// ParamArray: the host's own dispatcher takes them as one array passed by
// reference, while the usual late-bound convention passes them one by one
// after the name (none here). The array form comes first; the other is
// tried when the host refuses it.
bool RunProcedure(IDispatch* host, const std::string& procedure, Variant* result) {
  EmptyVariantArray none;
  if (none) {
    Variant array;  // borrows the array: clearing a by-reference variant leaves what it points to
    V_VT(array.Get()) = VT_ARRAY | VT_VARIANT | VT_BYREF;
    V_ARRAYREF(array.Get()) = none.Address();
    if (ui::CallByName(host, L"Run", AccessKind::Method, ui::Arguments(Variant::FromText(procedure), std::move(array)),
                       result))
      return true;
  }
  return ui::CallByName(host, L"Run", AccessKind::Method, ui::Arguments(Variant::FromText(procedure)), result);
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
  if (FAILED(
          CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch, host.OutVoid())))
    return {};

  if (!ui::CallByName(host.Get(), L"Language", AccessKind::Write, ui::Arguments(Variant::FromText("VBScript")),
                      nullptr))
    return {};
  const std::string script(kProcessorIdScript);
  if (!ui::CallByName(host.Get(), L"ExecuteStatement", AccessKind::Method, ui::Arguments(Variant::FromText(script)),
                      nullptr))
    return {};

  Variant result;
  if (!RunProcedure(host.Get(), "Getcpuid", &result)) return {};
  return result.ToText();
}

std::string WmiProcessorId() {
  ComApartment apartment;

  ui::ComPtr<IWbemLocator> locator;
  if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator, locator.OutVoid())))
    return {};
  Bstr space(L"ROOT\\CIMV2");
  if (!space) return {};
  ui::ComPtr<IWbemServices> services;
  if (FAILED(locator->ConnectServer(space.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, services.Out())))
    return {};
  AllowImpersonation(services.Get());

  Bstr language(L"WQL");
  Bstr query(L"SELECT ProcessorId FROM Win32_Processor");
  if (!language || !query) return {};
  ui::ComPtr<IEnumWbemClassObject> processors;
  if (FAILED(services->ExecQuery(language.Get(), query.Get(), WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                 nullptr, processors.Out())))
    return {};
  AllowImpersonation(processors.Get());

  ui::ComPtr<IWbemClassObject> first;
  ULONG count = 0;
  if (processors->Next(WBEM_INFINITE, 1, first.Out(), &count) != WBEM_S_NO_ERROR || count != 1) return {};
  Variant id;
  if (FAILED(first->Get(L"ProcessorId", 0, id.Out(), nullptr, nullptr))) return {};
  return id.ToText();
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

std::string ReadMachineIdWithin(unsigned milliseconds) {
  // The reader keeps its own share, so it may end after this has given up on it.
  auto id = std::make_shared<std::string>();
  const ui::WorkerThread reader = ui::WorkerThread::Start([id] { *id = ReadMachineId(); });
  if (!reader) return ReadMachineId();
  return ui::PumpingWait(milliseconds, reader.Handle()) ? *id : std::string();
}
