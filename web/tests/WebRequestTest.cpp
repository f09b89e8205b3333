// Tests of the web-request helper, the page fetch and the address check every request makes first, against the service simulator.
#include "web/WebRequest.h"

#include <windows.h>
#include <tlhelp32.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

#include "web/Download.h"
#include "web/WebRequestJob.h"
#include "web/tests/support/Simulator.h"
#include "ui/base/tests/support/Pump.h"

namespace web {
namespace {

const std::string kAcceptLine =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";

int ThreadsOfThisProcess() {
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snap == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Thread32First(snap, &entry); more; more = Thread32Next(snap, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  }
  CloseHandle(snap);
  return count;
}

std::string StoredCookies(const std::string& url) {
  char buffer[4096] = {};
  DWORD size = sizeof buffer;
  return InternetGetCookieA(url.c_str(), nullptr, buffer, &size) ? std::string(buffer) : std::string();
}

void ForgetCookies(const std::string& url) {
  for (const char* name : {"c1", "c2", "c3"}) {
    InternetSetCookieA(url.c_str(), name, "x; expires=Thu, 01-Jan-1970 00:00:01 GMT");
  }
}

// The header lines of a request as the simulator's echo returns it.
std::string HeadOf(const std::string& echoed) { return echoed.substr(0, echoed.find("\r\n\r\n") + 2); }

class WebRequestTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sim.Ready()) << "simulator port file not found (TAVRIN_SIM_PORT_FILE)"; }
  testsupport::Simulator sim;
};

TEST_F(WebRequestTest, AddressAloneSendsGetWithTheThreeDefaultsInOrder) {
  const std::string address = sim.Url("echo?t=order");
  for (const std::string& echoed : {RunWebRequest(address), FetchPageText(address)}) {
    const std::string head = HeadOf(echoed);
    EXPECT_EQ(head.rfind("GET /echo?t=order HTTP/1.1\r\n", 0), 0u) << head;
    const size_t accept = head.find("\r\n" + kAcceptLine);
    const size_t referer = head.find("\r\nReferer: " + address + "\r\n");
    const size_t language = head.find("\r\nAccept-Language: zh-cn\r\n");
    ASSERT_NE(accept, std::string::npos) << head;
    ASSERT_NE(referer, std::string::npos) << head;
    ASSERT_NE(language, std::string::npos) << head;
    EXPECT_LT(accept, referer);
    EXPECT_LT(referer, language);
  }
}

TEST_F(WebRequestTest, ExtraHeaderInOtherCaseSuppressesOnlyItsDefault) {
  const std::string address = sim.Url("echo?t=extra");
  const std::string head = HeadOf(RunWebRequest(address, "", "", "", "", "accept: text/x-test\r\nX-Mark: 1\r\n"));
  EXPECT_NE(head.find("\r\naccept: text/x-test\r\n"), std::string::npos) << head;
  EXPECT_EQ(head.find("image/gif"), std::string::npos) << head;
  EXPECT_NE(head.find("\r\nX-Mark: 1\r\n"), std::string::npos) << head;
  EXPECT_NE(head.find("\r\nReferer: " + address + "\r\n"), std::string::npos) << head;
  EXPECT_NE(head.find("\r\nAccept-Language: zh-cn\r\n"), std::string::npos) << head;
}

TEST_F(WebRequestTest, PostCarriesTypeLengthAndDataOnlyWhenThereIsData) {
  const std::string withData = RunWebRequest(sim.Url("echo?t=post1"), "POST", "", "", "", "", "a=1");
  EXPECT_EQ(withData.rfind("POST /echo?t=post1 HTTP/1.1\r\n", 0), 0u) << withData;
  const size_t type = withData.find("\r\nContent-Type: application/x-www-form-urlencoded\r\n");
  const size_t length = withData.find("\r\nContent-Length: 3\r\n");
  ASSERT_NE(type, std::string::npos) << withData;
  ASSERT_NE(length, std::string::npos) << withData;
  EXPECT_LT(type, length);
  EXPECT_EQ(withData.substr(withData.size() - 7), "\r\n\r\na=1");

  const std::string empty = RunWebRequest(sim.Url("echo?t=post0"), "POST");
  EXPECT_EQ(empty.rfind("POST /echo?t=post0 HTTP/1.1\r\n", 0), 0u) << empty;
  EXPECT_EQ(empty.find("Content-Type"), std::string::npos) << empty;
  EXPECT_NE(empty.find("\r\nContent-Length: 0\r\n"), std::string::npos) << empty;  // WinINet's own, for a POST
  EXPECT_EQ(empty.substr(empty.size() - 4), "\r\n\r\n");

  // Lower case takes the POST road; the verb goes out as written (the
  // simulator refuses it by name).
  const std::string lower = RunWebRequest(sim.Url("echo?t=post2"), "post", "", "", "", "", "a=1");
  EXPECT_NE(lower.find("'post'"), std::string::npos) << lower;
}

TEST_F(WebRequestTest, UnsupportedMethodSendsNothing) {
  EXPECT_EQ(RunWebRequest(sim.Url("echo?t=put"), "PUT", "", "", "", "", "a=1"), "");
  EXPECT_EQ(sim.Count("/echo?t=put"), 0);

  auto job = std::make_shared<WebRequestJob>(RequestFields{sim.Url("echo?t=put"), "PUT", "", "", "", "", ""});
  EXPECT_EQ(WebRequestWorker(job.get()), 0);
  EXPECT_EQ(job->PacketBytes(), "");  // emptied, no reply
  EXPECT_EQ(WebRequestWorker(nullptr), 0);
}

// A raw line break in an address would end the request line and put a header
// line of its own after it: no request of any kind goes out for such an address.
TEST_F(WebRequestTest, AnAddressWithAControlByteSendsNothing) {
  const std::string injection = "\r\nX-Injected: yes";
  EXPECT_EQ(RunWebRequest(sim.Url("echo?t=crlf") + injection), "");
  std::vector<std::string> told;
  // The null device as the file: whatever came would leave nothing behind.
  EXPECT_EQ(DownloadToFile(sim.Url("video/100.flv?t=crlf") + injection, "NUL",
                           DownloadMessages([&](const char* text) { told.push_back(text); })),
            -1);
  EXPECT_EQ(told, std::vector<std::string>{"不能打开该URL!"});
  EXPECT_EQ(QueryContentLength(sim.Url("video/100.flv?t=crlf") + injection), -1);
  EXPECT_EQ(sim.Count("/echo?t=crlf") + sim.Count("/video/100.flv?t=crlf"), 0);
}

TEST_F(WebRequestTest, ErrorPageBodyComesBackWithItsHeaders) {
  std::string headers = "old";
  EXPECT_EQ(RunWebRequest(sim.Url("no/such/page?t=404"), "", "", "", "", "", "", 0, &headers),
            "<html>404 页面不存在</html>");
  EXPECT_EQ(headers.rfind("HTTP/1.1 404", 0), 0u) << headers;
  EXPECT_EQ(headers.substr(headers.size() - 4), "\r\n\r\n");
}

TEST_F(WebRequestTest, UnreachableServerGivesEmptyBody) {
  EXPECT_EQ(RunWebRequest("http://127.0.0.1:1/x", "", "", "", "", "", "", 5), "");
}

TEST_F(WebRequestTest, BlankProxyMeansDirectAndAGivenProxyIsUsed) {
  EXPECT_NE(RunWebRequest(sim.Url("echo?t=blankproxy"), "", " \xA1\xA1 ").find("GET /echo?t=blankproxy"),
            std::string::npos);
  const std::string proxy = "127.0.0.1:" + std::to_string(sim.Port());
  RunWebRequest("http://proxied.invalid/echo?t=proxy", "", proxy, "", "", "", "", 10);
  const std::string seen = sim.Last("http://proxied.invalid");
  EXPECT_EQ(seen.rfind("GET http://proxied.invalid", 0), 0u) << seen;
}

TEST_F(WebRequestTest, StalledServerTimesOutEmptyAndLeavesNoWorker) {
  RunWebRequest(sim.Url("online?t=warm"));  // lets the platform start its own threads first
  const int threadsBefore = ThreadsOfThisProcess();
  std::string headers = "old";
  const DWORD start = GetTickCount();
  EXPECT_EQ(RunWebRequest(sim.Url("echo?t=stall&stall=3"), "", "", "", "", "", "", 1, &headers), "");
  const DWORD took = GetTickCount() - start;
  EXPECT_GE(took, 900u);
  EXPECT_LT(took, 8000u);
  EXPECT_EQ(headers, "");
  EXPECT_LE(ThreadsOfThisProcess(), threadsBefore);
}

TEST_F(WebRequestTest, GivenUpJobPublishesNothing) {
  WebRequestJob job(RequestFields{"http://h/", "", "", "", "", "", ""});
  RequestFields request;
  ASSERT_TRUE(job.TakeRequest(request));
  job.Abandon();
  bool ran = false;
  EXPECT_FALSE(job.Publish([&](RequestPacket& packet) {
    ran = true;
    packet.WriteReply("HTTP/1.1 200 OK\r\n\r\n", "late");
  }));
  EXPECT_FALSE(ran);
  EXPECT_EQ(job.PacketBytes(), "");
}

// Who closes, and who stores cookies: the program's own calls to WinINet go
// through its import table, which the test points at recorders.
struct WinInetCall {
  DWORD thread;
  HINTERNET handle;
};
std::mutex g_callsLock;
std::vector<WinInetCall> g_closes;
int g_cookieCalls = 0;
BOOL(WINAPI* g_realClose)(HINTERNET) = nullptr;
BOOL(WINAPI* g_realSetCookie)(LPCSTR, LPCSTR, LPCSTR) = nullptr;

BOOL WINAPI RecordClose(HINTERNET handle) {
  {
    std::lock_guard<std::mutex> guard(g_callsLock);
    g_closes.push_back({GetCurrentThreadId(), handle});
  }
  return g_realClose(handle);
}
BOOL WINAPI RecordSetCookie(LPCSTR url, LPCSTR name, LPCSTR value) {
  {
    std::lock_guard<std::mutex> guard(g_callsLock);
    ++g_cookieCalls;
  }
  return g_realSetCookie(url, name, value);
}

// Points this program's import of wininet.dll's `name`, now leading to
// `current` (the function itself when not given), at `hook`; returns the
// previous target (null when the program does not import it).
void* HookImport(const char* name, void* hook, void* current = nullptr) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  void* real = current ? current : reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"wininet.dll"), name));
  for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
    for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk); thunk->u1.Function; ++thunk) {
      if (reinterpret_cast<void*>(thunk->u1.Function) != real) continue;
      void* previous = reinterpret_cast<void*>(thunk->u1.Function);
      DWORD old = 0;
      VirtualProtect(&thunk->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
      thunk->u1.Function = reinterpret_cast<ULONG_PTR>(hook);
      VirtualProtect(&thunk->u1.Function, sizeof(void*), old, &old);
      return previous;
    }
  }
  return nullptr;
}

TEST_F(WebRequestTest, GivenUpWorkerClosesItsOwnHandlesAndStoresNoCookie) {
  g_realClose =
      reinterpret_cast<decltype(g_realClose)>(HookImport("InternetCloseHandle", reinterpret_cast<void*>(RecordClose)));
  g_realSetCookie = reinterpret_cast<decltype(g_realSetCookie)>(
      HookImport("InternetSetCookieA", reinterpret_cast<void*>(RecordSetCookie)));
  ASSERT_NE(g_realClose, nullptr);
  ASSERT_NE(g_realSetCookie, nullptr);
  {
    std::lock_guard<std::mutex> guard(g_callsLock);
    g_closes.clear();
    g_cookieCalls = 0;
  }
  // The server answers, with a cookie, only after the caller has given up.
  EXPECT_EQ(RunWebRequest(sim.Url("echo?t=late&stall=3&setcookie=1"), "", "", "", "", "", "", 1), "");
  const DWORD caller = GetCurrentThreadId();
  testsupport::PollUntil([] {
    std::lock_guard<std::mutex> guard(g_callsLock);
    return g_closes.size() >= 3;
  });
  HookImport("InternetCloseHandle", reinterpret_cast<void*>(g_realClose), reinterpret_cast<void*>(RecordClose));
  HookImport("InternetSetCookieA", reinterpret_cast<void*>(g_realSetCookie), reinterpret_cast<void*>(RecordSetCookie));
  ForgetCookies("http://127.0.0.1");

  std::lock_guard<std::mutex> guard(g_callsLock);
  ASSERT_EQ(g_closes.size(), 3u);
  for (const WinInetCall& close : g_closes) {
    EXPECT_NE(close.thread, caller) << "the caller closed a handle the worker may still use";
    EXPECT_EQ(close.thread, g_closes[0].thread);
  }
  EXPECT_EQ(g_cookieCalls, 0);
}

int timerTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++timerTicks; }

TEST_F(WebRequestTest, MessagesDuringTheWaitAreDispatchedAndPutOffTheTimeOut) {
  timerTicks = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 300, CountTick);
  ASSERT_NE(timer, 0u);
  PostQuitMessage(3);
  // The server answers after 2 s; the timer wakes the wait well within each 1 s.
  const std::string body = RunWebRequest(sim.Url("echo?t=pumped&stall=2"), "", "", "", "", "", "", 1);
  KillTimer(nullptr, timer);
  EXPECT_EQ(body.rfind("GET /echo?t=pumped", 0), 0u) << body;
  EXPECT_GE(timerTicks, 4);
  // A quit request taken out of the queue during the wait is put back.
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

// Another thread's SendMessage to a window of the waiting thread (a worker
// handing its result over, as the window layer's RunOnWindowThread does) is
// answered while the request still waits, not only once it has ended.
TEST_F(WebRequestTest, MessagesSentFromOtherThreadsAreAnsweredDuringTheWait) {
  const HWND window = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  bool answered = false;
  std::thread sender([&] {
    DWORD_PTR result = 0;
    answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 4000, &result) != 0;
  });
  // The server answers after 6 s; the answer to the sent message is waited for 4 s of those.
  const std::string body = RunWebRequest(sim.Url("echo?t=sent&stall=6"), "", "", "", "", "", "", 30);
  sender.join();
  DestroyWindow(window);
  EXPECT_EQ(body.rfind("GET /echo?t=sent", 0), 0u) << body;
  EXPECT_TRUE(answered) << "a message sent from another thread was not answered within 4 s while the request waited";
}

TEST_F(WebRequestTest, SetCookieLinesAreStoredAndSentNextTime) {
  const std::string site = "http://127.0.0.1";
  ForgetCookies(site);
  RunWebRequest(sim.Url("echo?t=cookie&setcookie=2"));
  const std::string stored = StoredCookies(site);
  EXPECT_NE(stored.find("c1=v1"), std::string::npos) << stored;
  EXPECT_NE(stored.find("c2=v2"), std::string::npos) << stored;
  const std::string head = HeadOf(RunWebRequest(sim.Url("echo?t=cookie2")));
  const size_t cookie = head.find("\r\nCookie: ");
  ASSERT_NE(cookie, std::string::npos) << head;
  const std::string line = head.substr(cookie, head.find("\r\n", cookie + 2) - cookie);
  EXPECT_NE(line.find("c1=v1"), std::string::npos) << line;
  EXPECT_NE(line.find("c2=v2"), std::string::npos) << line;
  ForgetCookies(site);
}

// WinINet keeps a response's cookies by itself as well, so the store cannot
// show that no cookie was taken from the spaces; the header text can.
TEST_F(WebRequestTest, HeadersBeyond1023BytesGiveSpaces) {
  std::string headers;
  const std::string body =
      RunWebRequest(sim.Url("echo?t=long&longheaders=1500&setcookie=1"), "", "", "", "", "", "", 0, &headers);
  EXPECT_EQ(body.rfind("GET /echo?t=long", 0), 0u);
  EXPECT_EQ(headers, std::string(1024, ' '));
}

TEST_F(WebRequestTest, ZeroByteEndsThePageText) {
  const std::string page = sim.Get("ad.html");
  ASSERT_GT(page.size(), 10u);
  const std::string withZero = RunWebRequest(sim.Url("ad.html?zero=1"));
  EXPECT_EQ(withZero.size(), page.size() + 1);
  EXPECT_EQ(FetchPageText(sim.Url("ad.html?zero=1")), page.substr(0, page.size() / 2));
}

TEST_F(WebRequestTest, FetchDecodesTheWholeAddress) {
  const std::string encoded = "http%3A//127.0.0.1%3A" + std::to_string(sim.Port()) + "/ech%6F%3Ft=pct&v=%41%42";
  const std::string decoded = sim.Url("echo?t=pct&v=AB");
  const std::string head = HeadOf(FetchPageText(encoded));
  EXPECT_EQ(head.rfind("GET /echo?t=pct&v=AB HTTP/1.1\r\n", 0), 0u) << head;
  EXPECT_NE(head.find("\r\nReferer: " + decoded + "\r\n"), std::string::npos) << head;
}

}  // namespace
}  // namespace web
