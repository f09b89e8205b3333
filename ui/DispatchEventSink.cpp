// The event sink: an IDispatch whose Invoke hands each event to a callback.
#include "DispatchEventSink.h"

namespace ui {

namespace {

class DispatchEventSink final : public IDispatch {
 public:
  DispatchEventSink(REFIID events, DispatchEventHandler handler) : events_(events), handler_(std::move(handler)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == events_) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    if (result) VariantInit(result);
    if (!handler_) return S_OK;
    try {
      std::vector<VARIANT> args;
      if (params && params->rgvarg) {
        // DISPPARAMS holds the arguments last first.
        for (UINT i = params->cArgs; i > 0; --i) args.push_back(params->rgvarg[i - 1]);
      }
      handler_(id, args);
    } catch (...) {
    }
    return S_OK;
  }

 private:
  LONG refs_ = 1;
  IID events_;
  DispatchEventHandler handler_;
};

}  // namespace

IDispatch* NewDispatchEventSink(REFIID events, DispatchEventHandler handler) {
  return new DispatchEventSink(events, std::move(handler));
}

}  // namespace ui
