// One HTTP request on a worker thread while the calling thread keeps its messages flowing, and the page fetch built on it.
#pragma once
#include <cstddef>
#include <string>

namespace web {

class WebRequestJob;

// The most body a request keeps: the replies this program asks for (parse
// replies, pages, update lists) are a few KiB.
constexpr size_t kMaxReplyBytes = 4u << 20;

// Runs one GET or POST of the address on a worker thread and returns the
// response body (an error page's body too). Empty when the address holds a
// control byte (nothing is sent), the request could not be made, the body is
// longer than kMaxReplyBytes, the method is neither GET nor POST, or the
// worker has not ended timeoutSeconds (0 or less: 90) after the last message
// that woke the calling thread; the calling thread's messages are dispatched
// while it waits.
// A proxy, user name or password made only of spaces counts as not given.
// headersOut, when given, receives the raw response headers (1024 spaces when
// they do not fit in 1023 bytes; empty after a time-out).
std::string RunWebRequest(const std::string& address, const std::string& method = {}, const std::string& proxy = {},
                          const std::string& user = {}, const std::string& password = {},
                          const std::string& extraHeaders = {}, const std::string& postData = {},
                          int timeoutSeconds = 0, std::string* headersOut = nullptr);

// The body of the worker thread: performs the request held by the job and
// writes the reply into it. 1 when the reply was written, 0 otherwise.
int WebRequestWorker(WebRequestJob* job);

// GET of the percent-decoded address; the body up to its first zero byte,
// empty on any failure.
std::string FetchPageText(const std::string& address);

}  // namespace web
