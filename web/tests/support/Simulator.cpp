// Test helper: requests to the service simulator with plain WinINet calls.
#include "Simulator.h"

#include <winsock2.h>
#include <wininet.h>

#include <cstdio>
#include <cstdlib>

#include "ui/base/WideText.h"
#include "web/InternetHandle.h"

namespace testsupport {

namespace {

int ReadPort(const std::string& file) {
  FILE* f = std::fopen(file.c_str(), "rb");
  if (!f) return 0;
  int port = 0;
  if (std::fscanf(f, "%d", &port) != 1) port = 0;
  std::fclose(f);
  return port;
}

}  // namespace

std::string VideoBytes(int64_t from, int64_t count) {
  std::string out(static_cast<size_t>(count), '\0');
  for (int64_t i = from; i < from + count; ++i)
    out[static_cast<size_t>(i - from)] = static_cast<char>((i * 7 + (i >> 13)) & 0xFF);
  return out;
}

std::string PercentEncode(const std::string& bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
        c == '.' || c == '~' || c == '/') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

Simulator::Simulator() {
  const char* file = std::getenv("TAVRIN_SIM_PORT_FILE");
  if (file) port_ = ReadPort(file);
}

Simulator::Simulator(const std::string& portFile) : port_(ReadPort(portFile)) {}

std::string Simulator::Base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

std::string Simulator::Url(const std::string& path) const {
  return Base() + (!path.empty() && path[0] == '/' ? path.substr(1) : path);
}

std::string Simulator::Request(const char* verb, const std::string& path, const std::string& body,
                               DWORD* status) const {
  if (status) *status = 0;
  if (!Ready()) return {};
  web::InternetHandle session(InternetOpenA("TavrinTestSupport", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
  if (!session) return {};
  web::InternetHandle connection(InternetConnectA(session.Get(), "127.0.0.1", static_cast<INTERNET_PORT>(port_),
                                                  nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return {};
  const std::string target = path.empty() || path[0] != '/' ? "/" + path : path;
  web::InternetHandle request(
      HttpOpenRequestA(connection.Get(), verb, target.c_str(), "HTTP/1.1", nullptr, nullptr,
                       INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES, 0));
  if (!request) return {};
  if (!HttpSendRequestA(request.Get(), nullptr, 0, body.empty() ? nullptr : const_cast<char*>(body.data()),
                        static_cast<DWORD>(body.size()))) {
    return {};
  }
  if (status) {
    DWORD code = 0, size = sizeof code;
    if (HttpQueryInfoA(request.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size, nullptr)) {
      *status = code;
    }
  }
  std::string out;
  char piece[8192];
  DWORD got = 0;
  while (InternetReadFile(request.Get(), piece, sizeof piece, &got) && got > 0) out.append(piece, got);
  return out;
}

std::string Simulator::Get(const std::string& path, DWORD* status) const { return Request("GET", path, {}, status); }

std::string Simulator::Post(const std::string& path, const std::string& body, DWORD* status) const {
  return Request("POST", path, body, status);
}

bool Simulator::Set(const std::string& key, const std::string& value) const {
  return Get("/_control/set?" + PercentEncode(GbkToUtf8(key)) + "=" + PercentEncode(GbkToUtf8(value))) == "ok";
}

bool Simulator::SetJson(const std::string& utf8Json) const { return Post("/_control/set", utf8Json) == "ok"; }

bool Simulator::Reset() const { return Get("/_control/reset") == "ok"; }

bool Simulator::Release(const std::string& name) const { return Get("/_control/release?" + name) == "ok"; }

int Simulator::Count(const std::string& pathPrefix) const {
  DWORD status = 0;
  const std::string text = Get("/_control/count?path=" + PercentEncode(pathPrefix), &status);
  return status == 200 && !text.empty() ? std::atoi(text.c_str()) : -1;
}

std::string Simulator::Last(const std::string& pathPrefix) const {
  return Get("/_control/last?path=" + PercentEncode(pathPrefix));
}

std::string Simulator::Log() const { return Get("/_control/log"); }

int ClosedPort() {
  WSADATA wsa;
  WSAStartup(MAKEWORD(2, 2), &wsa);
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in addr = {};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof addr;
  bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  getsockname(s, reinterpret_cast<sockaddr*>(&addr), &size);
  closesocket(s);
  return ntohs(addr.sin_port);
}

}  // namespace testsupport
