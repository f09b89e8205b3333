// Header texts of the web-request helper.
#include "RequestHeaders.h"

#include "TextHelpers.h"

namespace web {

const char kWebRequestAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

namespace {

bool HoldsNoCase(const std::string& text, const std::string& name) {
  return GbkFind(text, name, 0, true) != std::string::npos;
}

}  // namespace

RequestVerb VerbOf(const std::string& method) {
  const std::string verb = AsciiUpper(method);
  if (verb.empty() || verb == "GET") return RequestVerb::Get;
  if (verb == "POST") return RequestVerb::Post;
  return RequestVerb::Unsupported;
}

std::string RequestHeaderBlock(const std::string& extraHeaders, const std::string& address) {
  std::string h = extraHeaders;
  if (!HoldsNoCase(h, "Accept: ")) {
    h += "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
         "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
  }
  if (!HoldsNoCase(h, "Referer: ")) h += "Referer: " + address + "\r\n";
  if (!HoldsNoCase(h, "Accept-Language: ")) h += "Accept-Language: zh-cn\r\n";
  return h;
}

void AddPostHeaders(std::string& headers, const std::string& postData) {
  if (postData.empty()) return;
  if (!HoldsNoCase(headers, "Content-Type: ")) {
    headers += "Content-Type: application/x-www-form-urlencoded\r\n";
  }
  headers += "Content-Length: " + std::to_string(postData.size()) + "\r\n";
}

bool IsBlankSetting(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == ' ') {
      ++i;
    } else if (c == 0xA1 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA1) {
      i += 2;
    } else {
      return false;
    }
  }
  return true;
}

std::vector<CookieSetting> CookiesFromHeaders(const std::string& rawHeaders) {
  static const std::string kName = "Set-Cookie: ";
  std::vector<CookieSetting> cookies;
  if (!HoldsNoCase(rawHeaders, kName)) return cookies;
  size_t begin = 0;
  while (begin < rawHeaders.size()) {
    size_t lf = rawHeaders.find('\n', begin);
    size_t end = lf == std::string::npos ? rawHeaders.size() : lf;
    std::string line = rawHeaders.substr(begin, end - begin);
    begin = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!HoldsNoCase(line, kName)) continue;
    const std::string rest = line.substr(kName.size());
    size_t eq = GbkFind(rest, "=");
    if (eq == std::string::npos) {
      cookies.push_back({std::string(), rest});
    } else {
      cookies.push_back({rest.substr(0, eq), rest.substr(eq + 1)});
    }
  }
  return cookies;
}

}  // namespace web
