// The IUnknown part of the window layer's own single-interface COM objects: reference count and interface query.
#pragma once
#include <windows.h>
#include <unknwn.h>

namespace ui {

// Starts with one reference (the creator's) and deletes itself at the last
// Release; answers IUnknown and what Answers accepts, always as Interface.
template <typename Interface>
class SimpleComObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || Answers(iid)) {
      *out = static_cast<Interface*>(this);
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

 protected:
  virtual ~SimpleComObject() = default;
  virtual bool Answers(REFIID iid) const = 0;

 private:
  LONG refs_ = 1;
};

}  // namespace ui
