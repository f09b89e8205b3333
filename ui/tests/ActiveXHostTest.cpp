// The ActiveX host under Wine with a control the test registers in-process: creation by CLSID and by ProgID, calls through IDispatch, events through a connection point; and the browser box built on it.
#include <windows.h>
#include <ocidl.h>
#include <ole2.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <thread>

#include "ui/ActiveXHost.h"
#include "ui/WebBrowserBox.h"
#include "ui/base/WideText.h"

namespace {

// {6C1F0A52-3B7E-4C1D-9E5A-2F8B7D4C1A01} and its event interface.
const CLSID kTestClsid = {0x6c1f0a52, 0x3b7e, 0x4c1d, {0x9e, 0x5a, 0x2f, 0x8b, 0x7d, 0x4c, 0x1a, 0x01}};
const IID kTestEvents = {0x6c1f0a52, 0x3b7e, 0x4c1d, {0x9e, 0x5a, 0x2f, 0x8b, 0x7d, 0x4c, 0x1a, 0x02}};
const wchar_t kTestClsidText[] = L"{6C1F0A52-3B7E-4C1D-9E5A-2F8B7D4C1A01}";
const wchar_t kTestProgId[] = L"Tavrin.TestControl";
constexpr DISPID kAdd = 1, kFire = 2, kFiredEvent = 7;

LONG g_liveObjects = 0;

// The least an "AtlAxWin" window needs (IOleObject: it is created for that
// interface and keeps the client site it is given), plus IDispatch with hand-written
// names and one connection point for kTestEvents.
class TestControl;

// The one connection point, a part of the control (IOleObject has members of
// the same names); it shares the control's reference count.
class TestPoint final : public IConnectionPoint {
 public:
  explicit TestPoint(IUnknown* outer) : outer_(outer) {}
  ~TestPoint() {
    if (sink_) sink_->Release();
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IConnectionPoint) {
      *out = this;
      AddRef();
      return S_OK;
    }
    return outer_->QueryInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return outer_->AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return outer_->Release(); }
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
    *iid = kTestEvents;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** c) override {
    return outer_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(c));
  }
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override {
    if (sink_) return CONNECT_E_ADVISELIMIT;
    if (FAILED(sink->QueryInterface(kTestEvents, reinterpret_cast<void**>(&sink_)))) return CONNECT_E_CANNOTCONNECT;
    *cookie = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
    if (cookie != 1 || !sink_) return CONNECT_E_NOCONNECTION;
    sink_->Release();
    sink_ = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

  IDispatch* sink_ = nullptr;

 private:
  IUnknown* outer_;
};

class TestControl final : public IOleObject, public IDispatch, public IConnectionPointContainer {
 public:
  TestControl() : point_(static_cast<IOleObject*>(this)) { InterlockedIncrement(&g_liveObjects); }
  ~TestControl() {
    if (site_) site_->Release();
    InterlockedDecrement(&g_liveObjects);
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IOleObject)
      *out = static_cast<IOleObject*>(this);
    else if (iid == IID_IDispatch)
      *out = static_cast<IDispatch*>(this);
    else if (iid == IID_IConnectionPointContainer)
      *out = static_cast<IConnectionPointContainer*>(this);
    else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (!left) delete this;
    return left;
  }

  // IOleObject. The control must keep its client site: ATL's host lives only
  // as long as somebody holds it. The rest is accepted and ignored.
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override {
    if (site) site->AddRef();
    if (site_) site_->Release();
    site_ = site;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override {
    *site = site_;
    if (site_) site_->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Close(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* id) override {
    *id = kTestClsid;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD, SIZEL*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* status) override {
    *status = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IDispatch: Add(a, b) returns a + b; Fire(text) raises event 7 with (text, 42).
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (count != 1) return DISP_E_UNKNOWNNAME;
    if (!lstrcmpiW(names[0], L"Add"))
      *ids = kAdd;
    else if (!lstrcmpiW(names[0], L"Fire"))
      *ids = kFire;
    else {
      *ids = DISPID_UNKNOWN;
      return DISP_E_UNKNOWNNAME;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT* result, EXCEPINFO*,
                                   UINT*) override {
    if (id == kAdd && p->cArgs == 2 && result) {
      VariantInit(result);
      V_VT(result) = VT_I4;
      V_I4(result) = V_I4(&p->rgvarg[1]) + V_I4(&p->rgvarg[0]);
      return S_OK;
    }
    if (id == kFire && p->cArgs == 1 && V_VT(&p->rgvarg[0]) == VT_BSTR) {
      if (!point_.sink_) return S_OK;
      VARIANT args[2];  // last argument first
      VariantInit(&args[0]);
      V_VT(&args[0]) = VT_I4;
      V_I4(&args[0]) = 42;
      VariantInit(&args[1]);
      V_VT(&args[1]) = VT_BSTR;
      V_BSTR(&args[1]) = V_BSTR(&p->rgvarg[0]);
      DISPPARAMS event = {args, nullptr, 2, 0};
      return point_.sink_->Invoke(kFiredEvent, IID_NULL, 0, DISPATCH_METHOD, &event, nullptr, nullptr, nullptr);
    }
    return DISP_E_MEMBERNOTFOUND;
  }

  // IConnectionPointContainer and its one IConnectionPoint.
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
    *point = nullptr;
    if (iid != kTestEvents) return CONNECT_E_NOCONNECTION;
    *point = &point_;
    AddRef();
    return S_OK;
  }

  bool HasSink() const { return point_.sink_ != nullptr; }

 private:
  LONG refs_ = 1;
  IOleClientSite* site_ = nullptr;
  TestPoint point_;
};

TestControl* g_lastMade = nullptr;

class TestFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* made = new TestControl;
    const HRESULT hr = made->QueryInterface(iid, out);
    if (SUCCEEDED(hr)) g_lastMade = made;
    made->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

TestFactory g_factory;

HWND NewParent() {
  static const wchar_t* cls = [] {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TavrinActiveXTest";
    RegisterClassW(&wc);
    return L"TavrinActiveXTest";
  }();
  return CreateWindowExW(0, cls, L"宿主", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 30, 400, 300, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

struct SeenEvent {
  DISPID id;
  std::wstring text;
  LONG number;
};

class ActiveXHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ASSERT_EQ(CoRegisterClassObject(kTestClsid, &g_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &registration_),
              S_OK);
    parent_ = NewParent();
  }
  void TearDown() override {
    DestroyWindow(parent_);
    CoRevokeClassObject(registration_);
    OleUninitialize();
  }

  // Calls a member by name through IDispatch.
  static HRESULT Call(IDispatch* dispatch, const wchar_t* name, std::vector<VARIANT> args, VARIANT* result) {
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    return dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result, nullptr, nullptr);
  }
  static VARIANT Int(LONG v) {
    VARIANT x;
    VariantInit(&x);
    V_VT(&x) = VT_I4;
    V_I4(&x) = v;
    return x;
  }

  DWORD registration_ = 0;
  HWND parent_ = nullptr;
};

TEST_F(ActiveXHostTest, HostsByClsidCallsThroughDispatchAndDeliversEventsUntilDisconnected) {
  g_lastMade = nullptr;
  std::vector<SeenEvent> seen;
  {
    ui::ActiveXHost host;
    ASSERT_TRUE(host.Create(parent_, ui::ToGbk(kTestClsidText), 0, 0, 200, 100));
    wchar_t cls[32] = {};
    GetClassNameW(host.Hwnd(), cls, 32);
    EXPECT_STREQ(cls, L"AtlAxWin");
    EXPECT_EQ(GetParent(host.Hwnd()), parent_);
    ASSERT_NE(g_lastMade, nullptr);

    ui::ComPtr<IDispatch> dispatch = host.Dispatch();
    ASSERT_TRUE(dispatch);
    VARIANT sum;
    VariantInit(&sum);
    ASSERT_EQ(Call(dispatch.Get(), L"Add", {Int(2), Int(40)}, &sum), S_OK);
    EXPECT_EQ(V_VT(&sum), VT_I4);
    EXPECT_EQ(V_I4(&sum), 42);

    EXPECT_FALSE(host.ConnectEvents(IID_IPropertyNotifySink, nullptr));  // no such connection point
    ASSERT_TRUE(host.ConnectEvents(kTestEvents, [&](DISPID id, const std::vector<VARIANT>& args) {
      SeenEvent e{id, L"", -1};
      if (args.size() == 2 && V_VT(&args[0]) == VT_BSTR && V_VT(&args[1]) == VT_I4) {
        e.text = V_BSTR(&args[0]);
        e.number = V_I4(&args[1]);
      }
      seen.push_back(e);
    }));
    VARIANT text;
    VariantInit(&text);
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"事件文本");
    ASSERT_EQ(Call(dispatch.Get(), L"Fire", {text}, nullptr), S_OK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].id, kFiredEvent);
    EXPECT_EQ(seen[0].text, L"事件文本");  // arguments in declared order
    EXPECT_EQ(seen[0].number, 42);

    host.DisconnectEvents();
    EXPECT_FALSE(g_lastMade->HasSink());
    Call(dispatch.Get(), L"Fire", {text}, nullptr);
    EXPECT_EQ(seen.size(), 1u);
    VariantClear(&text);

    ASSERT_TRUE(host.ConnectEvents(kTestEvents, nullptr));
    EXPECT_TRUE(g_lastMade->HasSink());
  }
  // Gone with the host: the connection; with the window: the control itself.
  DestroyWindow(parent_);
  parent_ = nullptr;
  EXPECT_EQ(g_liveObjects, 0);
}

// Wine 8 looks ProgIDs up in the machine's classes only (not the user's
// Software\Classes), so the test prefix gets it there and loses it after.
TEST_F(ActiveXHostTest, HostsByRegisteredProgId) {
  HKEY key = nullptr;
  const std::wstring path = std::wstring(kTestProgId) + L"\\CLSID";
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(kTestClsidText), sizeof kTestClsidText);
  RegCloseKey(key);

  ui::ActiveXHost host;
  EXPECT_TRUE(host.Create(parent_, ui::ToGbk(kTestProgId), 0, 0, 100, 100));
  EXPECT_TRUE(host.Dispatch());
  ui::ActiveXHost unknown;
  EXPECT_FALSE(unknown.Create(parent_, "Tavrin.NoSuchControl", 0, 0, 100, 100));
  EXPECT_FALSE(unknown.Dispatch());

  RegDeleteKeyW(HKEY_CLASSES_ROOT, path.c_str());
  RegDeleteKeyW(HKEY_CLASSES_ROOT, kTestProgId);
}

TEST_F(ActiveXHostTest, BrowserBoxNavigatesOnItsOwnThreadAndRefusesOtherThreadsWithoutTheLayer) {
  ui::WebBrowserBox box(ui::WebBrowserBox::Create(parent_, ui::Rect{0, 0, 200, 150}, true));
  ASSERT_TRUE(box);
  EXPECT_TRUE(ui::HostedControl(box.Hwnd()));
  EXPECT_TRUE(box.Navigate("about:blank"));
  // This program never started the window layer: a worker's call has no way
  // to the box's thread and must say so rather than call across apartments.
  bool fromWorker = true;
  std::thread worker([&] { fromWorker = box.Navigate("about:blank"); });
  worker.join();
  EXPECT_FALSE(fromWorker);
}

}  // namespace
