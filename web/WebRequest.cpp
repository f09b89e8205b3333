// The web-request helper: WinINet request on a worker thread, message-pumping wait with a time-out.
#include "WebRequest.h"

#include <windows.h>
#include <wininet.h>

#include <memory>

#include "InternetHandle.h"
#include "RequestHeaders.h"
#include "TextHelpers.h"
#include "WebAddress.h"
#include "WebRequestJob.h"
#include "ui/base/MessagePump.h"
#include "ui/base/WorkerThread.h"

namespace web {

namespace {

constexpr int kDefaultTimeoutSeconds = 90;
// How long a caller that gave up waits for the worker to leave; the worker's
// handles are its own, so the caller cannot cut a blocked call short.
constexpr DWORD kWorkerExitWait = 5000;
constexpr DWORD kRawHeadersSize = 1024;

const char* NullWhenBlank(const std::string& text) { return IsBlankSetting(text) ? nullptr : text.c_str(); }

// The raw response headers as the request's fixed buffer holds them.
std::string RawHeaders(HINTERNET request) {
  char buffer[kRawHeadersSize];
  FillMemory(buffer, sizeof buffer, ' ');
  DWORD size = sizeof buffer;
  if (!HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer, &size, nullptr)) {
    return std::string(kRawHeadersSize, ' ');
  }
  return UpToFirstZero(std::string(buffer, sizeof buffer));
}

}  // namespace

int WebRequestWorker(WebRequestJob* job) {
  RequestFields f;
  if (!job || !job->TakeRequest(f)) return 0;

  // The three handles are this thread's alone: opened, used and closed here
  // (the request first, the Internet handle last) on every way out.
  const std::string host = UrlHost(f.address);
  const std::string path = UrlPath(f.address);
  const std::string proxyName = "http=" + f.proxy;
  InternetHandle internet(
      IsBlankSetting(f.proxy)
          ? InternetOpenA(kWebRequestAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0)
          : InternetOpenA(kWebRequestAgent, INTERNET_OPEN_TYPE_PROXY, proxyName.c_str(), nullptr, 0));
  if (!internet) return 0;
  InternetHandle connection(InternetConnectA(internet.Get(), host.c_str(),
                                             static_cast<INTERNET_PORT>(UrlPort(f.address)), NullWhenBlank(f.user),
                                             NullWhenBlank(f.password), INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return 0;
  InternetHandle request(HttpOpenRequestA(connection.Get(), f.method.empty() ? nullptr : f.method.c_str(), path.c_str(),
                                          "HTTP/1.1", nullptr, nullptr, INTERNET_FLAG_RELOAD, 0));
  if (!request) return 0;

  std::string headers = RequestHeaderBlock(f.extraHeaders, f.address);
  if (job->Abandoned()) return 0;
  switch (VerbOf(f.method)) {
    case RequestVerb::Get:
      HttpSendRequestA(request.Get(), headers.c_str(), static_cast<DWORD>(headers.size()), nullptr, 0);
      break;
    case RequestVerb::Post:
      AddPostHeaders(headers, f.postData);
      HttpSendRequestA(request.Get(), headers.c_str(), static_cast<DWORD>(headers.size()),
                       f.postData.empty() ? nullptr : const_cast<char*>(f.postData.data()),
                       static_cast<DWORD>(f.postData.size()));
      break;
    case RequestVerb::Unsupported: return 0;
  }

  std::string body;
  for (;;) {
    if (job->Abandoned()) return 0;
    char piece[512];
    DWORD got = 0;
    if (!InternetReadFile(request.Get(), piece, sizeof piece, &got) || got == 0) break;
    // A body beyond the bound is no reply this program asks for: the request
    // fails before it takes the memory.
    if (body.size() + got > kMaxReplyBytes) return 0;
    body.append(piece, got);
  }
  const std::string rawHeaders = RawHeaders(request.Get());
  request.Reset();
  connection.Reset();
  internet.Reset();

  // The reply and the cookies go out together, or not at all once the caller
  // has given up.
  const bool published = job->Publish([&](RequestPacket& packet) {
    packet.WriteReply(rawHeaders, body);
    for (const CookieSetting& cookie : CookiesFromHeaders(rawHeaders)) {
      InternetSetCookieA(("http://" + host).c_str(), cookie.name.empty() ? nullptr : cookie.name.c_str(),
                         cookie.value.c_str());
    }
  });
  return published ? 1 : 0;
}

std::string RunWebRequest(const std::string& address, const std::string& method, const std::string& proxy,
                          const std::string& user, const std::string& password, const std::string& extraHeaders,
                          const std::string& postData, int timeoutSeconds, std::string* headersOut) {
  if (headersOut) headersOut->clear();
  if (!IsRequestableAddress(address)) return {};
  auto job =
      std::make_shared<WebRequestJob>(RequestFields{address, method, proxy, user, password, extraHeaders, postData});
  const int seconds = timeoutSeconds > 0 ? timeoutSeconds : kDefaultTimeoutSeconds;
  const DWORD waitMs = seconds >= 4000000 ? 4000000000u : static_cast<DWORD>(seconds) * 1000u;

  // The worker keeps its own share of the job, so it may end after this returns.
  const ui::WorkerThread worker = ui::WorkerThread::Start([job] { WebRequestWorker(job.get()); });
  if (!worker) return {};

  // Each pass waits the full time again: the time-out counts from the last
  // message that woke this thread.
  ui::Wake woke;
  {
    ui::PendingQuit quit;
    do {
      woke = ui::WaitOnceAndPump(worker.Handle(), waitMs, quit);
    } while (woke == ui::Wake::Messages);
  }

  if (woke != ui::Wake::Signalled) {
    // Given up: from here the worker publishes nothing, and it closes its
    // own handles when its current call returns. It keeps its own share of
    // the job, so it may still finish after this returns.
    job->Abandon();
    ui::PumpingWait(kWorkerExitWait, worker.Handle());
    return {};
  }

  ReplyFields reply = job->ReadReply();
  if (headersOut) *headersOut = reply.headers;
  if (reply.status != RequestPacket::kReplyStatus) return {};
  return std::move(reply.body);
}

std::string FetchPageText(const std::string& address) { return UpToFirstZero(RunWebRequest(PercentDecode(address))); }

}  // namespace web
