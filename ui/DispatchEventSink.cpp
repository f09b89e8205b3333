// The event sink: an IDispatch whose Invoke hands each event to a callback.
#include "DispatchEventSink.h"

#include "SimpleComObject.h"

namespace ui {

namespace {

class DispatchEventSink final : public SimpleComObject<IDispatch> {
 public:
  DispatchEventSink(REFIID events, DispatchEventHandler handler) : events_(events), handler_(std::move(handler)) {}

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

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                   UINT*) override {
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
  bool Answers(REFIID iid) const override { return iid == IID_IDispatch || iid == events_; }

  IID events_;
  DispatchEventHandler handler_;
};

}  // namespace

IDispatch* NewDispatchEventSink(REFIID events, DispatchEventHandler handler) {
  return new DispatchEventSink(events, std::move(handler));
}

}  // namespace ui
