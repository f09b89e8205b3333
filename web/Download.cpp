// HTTP file download with progress and the content-length query, over WinINet.
#include "Download.h"

#include <windows.h>
#include <wininet.h>

#include "BodyDecoder.h"
#include "DownloadRequest.h"
#include "InternetHandle.h"
#include "WebAddress.h"
#include "ui/base/KernelHandle.h"
#include "ui/base/WideText.h"

namespace web {

namespace {

constexpr DWORD kOpenUrlFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
constexpr DWORD kReadSize = 10240;

InternetHandle OpenSession() {
  DWORD flags = 0;
  InternetGetConnectedState(&flags, 0);
  const DWORD access = (flags & INTERNET_CONNECTION_PROXY) ? INTERNET_OPEN_TYPE_PRECONFIG
                                                           : INTERNET_OPEN_TYPE_PRECONFIG_WITH_NO_AUTOPROXY;
  return InternetHandle(InternetOpenA(DownloadAgentName(GetTickCount()).c_str(), access, nullptr, nullptr, 0));
}

InternetHandle OpenAddress(BorrowedInternetHandle session, const std::string& address, const std::string& headers) {
  return InternetHandle(InternetOpenUrlA(session.Get(), address.c_str(), headers.c_str(),
                                         static_cast<DWORD>(headers.size()), kOpenUrlFlags, 0));
}

// The announced Content-Length read as text, so lengths beyond 4 GiB survive; -1 when absent.
int64_t AnnouncedLength(BorrowedInternetHandle url) {
  char text[32] = {};
  DWORD size = sizeof text - 1;
  if (!HttpQueryInfoA(url.Get(), HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return -1;
  return ParseContentLength(text);
}

// How the body is coded; a value too long to read is none that can be decoded.
ContentCoding CodingOf(BorrowedInternetHandle url) {
  char text[64] = {};
  DWORD size = sizeof text - 1;
  if (HttpQueryInfoA(url.Get(), HTTP_QUERY_CONTENT_ENCODING, text, &size, nullptr)) return ContentCodingOf(text);
  return GetLastError() == ERROR_INSUFFICIENT_BUFFER ? ContentCoding::Unknown : ContentCoding::Identity;
}

// The HTTP status of the answer; 0 when it cannot be read.
DWORD StatusOf(BorrowedInternetHandle url) {
  DWORD status = 0, size = sizeof status;
  if (!HttpQueryInfoA(url.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) return 0;
  return status;
}

// An error answer (404 and the like) carries an error page, not the file.
bool IsErrorAnswer(BorrowedInternetHandle url) { return StatusOf(url) >= 400; }

ui::KernelHandle OpenLocalFile(const std::string& path, bool resume) {
  ui::KernelHandle file(CreateFileW(ui::ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, resume ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file && resume) {
    LARGE_INTEGER zero = {};
    if (!SetFilePointerEx(file.Get(), zero, nullptr, FILE_END)) file.Reset();
  }
  return file;
}

bool WriteAll(ui::BorrowedKernelHandle file, const char* data, DWORD size) {
  DWORD written = 0;
  return WriteFile(file.Get(), data, size, &written, nullptr) && written == size;
}

}  // namespace

int DownloadToFile(const std::string& address, const std::string& localPath, const DownloadMessages& messages,
                   const DownloadProgress& progress, int64_t startOffset, bool resume, bool lengthRequired) {
  const auto tell = [&messages](const char* text) {
    if (messages.show) messages.show(text);
  };
  if (!IsRequestableAddress(address)) {
    tell(messages.cannotOpenAddress);
    return -1;
  }
  InternetHandle session = OpenSession();
  if (!session) {
    tell(messages.noInternet);
    return -1;
  }
  InternetHandle url = OpenAddress(session, address, DownloadHeaders(resume, startOffset));
  if (!url || IsErrorAnswer(url)) {
    tell(messages.cannotOpenAddress);
    return -1;
  }
  // A server that ignores the range sends the whole file again (200, not
  // 206): it is written from the start instead of after the bytes there.
  if (resume && startOffset > 0 && StatusOf(url) == 200) {
    resume = false;
    startOffset = 0;
  }
  // WinINet hands over the body as sent (its own decoding would hide the
  // announced length and end a cut stream quietly); a compressed one is
  // decoded here, where its length can still be checked against that one.
  const ContentCoding coding = CodingOf(url);
  if (coding == ContentCoding::Unknown || (coding != ContentCoding::Identity && resume && startOffset > 0)) {
    tell(messages.cannotOpenAddress);
    return -1;
  }
  const int64_t announced = AnnouncedLength(url);
  if (lengthRequired && announced < 0) {
    tell(messages.interrupted);
    return -1;
  }
  ui::KernelHandle file = OpenLocalFile(localPath, resume);
  if (!file) {
    tell(messages.cannotOpenFile);
    return -1;
  }
  const int64_t total = announced > 0 ? announced : 0;
  int64_t received = resume ? startOffset : 0;
  int64_t arrived = 0;  // bytes of this request
  const DWORD start = GetTickCount();
  BodyDecoder decoder(coding);
  bool written = true;
  const BodyDecoder::Sink write = [&](const char* data, size_t size) {
    return written = WriteAll(file, data, static_cast<DWORD>(size));
  };

  static_assert(kReadSize == 10240, "the download reads 10240 bytes at a time");
  char buffer[kReadSize];
  for (;;) {
    DWORD got = 0;
    if (!InternetReadFile(url.Get(), buffer, kReadSize, &got)) {
      tell(messages.interrupted);
      return -1;
    }
    if (got == 0) {
      // A connection closed before the announced length arrived, or inside
      // a compressed stream, is an interruption too, not the end of the data.
      if (arrived < total || !decoder.Complete()) {
        tell(messages.interrupted);
        return -1;
      }
      return 0;
    }
    if (!decoder.Decode(buffer, got, write)) {
      tell(written ? messages.interrupted : messages.cannotWrite);
      return -1;
    }
    received += got;
    arrived += got;
    int64_t elapsed = static_cast<DWORD>(GetTickCount() - start);
    if (elapsed == 0) elapsed = 10;
    if (progress) progress(total, received, elapsed, received - startOffset);
  }
}

int64_t QueryContentLength(const std::string& address, int tries) {
  if (!IsRequestableAddress(address)) return -1;
  InternetHandle session = OpenSession();
  if (!session) return -1;
  if (tries < 1) tries = 5;
  for (int i = 0; i < tries; ++i) {
    InternetHandle url = OpenAddress(session, address, kDownloadHeaders);
    if (!url || IsErrorAnswer(url)) return -1;
    const int64_t length = AnnouncedLength(url);
    if (length >= 0) return length;
  }
  return -1;
}

}  // namespace web
