// An in-process IDispatch for tests: its members are described by type
// information made with CreateDispTypeInfo, every call is recorded, and a
// test routine answers it.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <string>
#include <vector>

namespace playertest {

struct FakeMember {
  const wchar_t* name;
  WORD kinds;  // DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF
  UINT argCount;
};

struct FakeCall {
  std::string member;
  WORD kind;
  std::vector<std::string> args;  // texts as GBK, numbers as written by the system
};

class FakeDispatch final : public IDispatch {
 public:
  // Starts with one reference, held by the caller.
  static FakeDispatch* Create(const std::vector<FakeMember>& members);

  // Fills the result of a call; returning a failure code fails the call.
  std::function<HRESULT(const FakeCall&, VARIANT* result)> answer;
  std::vector<FakeCall> calls;
  IID extraInterface = IID_NULL;  // one more interface QueryInterface hands out (as this IDispatch)
  LONG References() const { return refs_; }

  // The calls to one member, in order.
  std::vector<FakeCall> CallsTo(const std::string& member) const;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                   UINT*) override;

 private:
  FakeDispatch() = default;
  ~FakeDispatch();

  LONG refs_ = 1;
  std::vector<FakeMember> members_;
  ITypeInfo* typeInfo_ = nullptr;
};

// A text result, converted from GBK.
void SetTextResult(VARIANT* result, const std::string& gbk);

}  // namespace playertest
