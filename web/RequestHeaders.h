// Header texts of the web-request helper: default headers, POST additions, blank settings, Set-Cookie lines.
#pragma once
#include <string>
#include <vector>

namespace web {

// The agent the web-request worker gives to InternetOpenA.
extern const char kWebRequestAgent[];

// How a request is sent, by its method upper-cased: empty or GET, POST, or
// anything else, which is not sent at all.
enum class RequestVerb { Get, Post, Unsupported };
RequestVerb VerbOf(const std::string& method);

// The caller's extra headers followed by the defaults whose names they do not
// already hold (Accept, Referer with the address, Accept-Language), each test
// ignoring case. The extra headers are expected to end with CR LF.
std::string RequestHeaderBlock(const std::string& extraHeaders, const std::string& address);

// For non-empty post data: a form Content-Type unless the headers hold one,
// then Content-Length with the data's byte length. Empty data adds nothing.
void AddPostHeaders(std::string& headers, const std::string& postData);

// True when the text holds nothing but ASCII spaces and full-width spaces
// (bytes A1 A1); such a proxy, user name or password counts as not given.
bool IsBlankSetting(const std::string& text);

struct CookieSetting {
  std::string name;   // empty when the line has no "="
  std::string value;  // up to the end of the line, attributes included
};

// The cookies of every line of raw response headers that holds "Set-Cookie: "
// (any case): the line's first 12 bytes dropped, then split at the first "=".
std::vector<CookieSetting> CookiesFromHeaders(const std::string& rawHeaders);

}  // namespace web
