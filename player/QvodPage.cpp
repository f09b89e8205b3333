// The page that embeds the QVOD player control for a link.
#include "player/QvodPage.h"

namespace player {

namespace {

constexpr char kPlaceholder[] = "{PlayData}";

// The control's onerror handler: the value is not quoted, so it holds no blank.
constexpr char kInstallQuestion[] =
    "if(window.confirm('请您先安装qvodplayer软件,然后刷新本页才可以正常播放.'))"
    "{window.open('http://www.qvod.com/download.htm')}else{self.location='http://www.qvod.com/'}";

}  // namespace

bool IsQvodLink(const std::string& address) { return address.find("qvod://") != std::string::npos; }

const std::string& QvodPageTemplate() {
  static const std::string page =
      std::string() +
      "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
      "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\r\n"
      "<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n"
      "<head>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />\r\n"
      "<title></title>\r\n"
      "</head>\r\n"
      "<style type=\"text/css\">\r\n"
      "body{ margin:0; padding:0;}\r\n"
      "</style>\r\n"
      "<body scroll=\"no\">\r\n"
      "<object classid=\"clsid:f3d0d36f-23f8-4682-a195-74c92b03d4af\"width=\"100%\" height=\"100%\" "
      "id=\"qvodplayer\" name=\"qvodplayer\"onerror=" +
      kInstallQuestion +
      ">\r\n"
      "<param name='url' value='" +
      kPlaceholder +
      "'>\r\n"
      "<param name='autoplay' value='1'>\r\n"
      "</object>\r\n"
      "</body>\r\n"
      "</html>";
  return page;
}

std::string HtmlEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  // The second byte of a two-byte character is 0x40 or above, so never one of these.
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string QvodPageHtml(const std::string& link) {
  const std::string value = HtmlEscape(link);
  const std::string& page = QvodPageTemplate();
  std::string out;
  size_t from = 0;
  for (size_t at; (at = page.find(kPlaceholder, from)) != std::string::npos; from = at + sizeof kPlaceholder - 1) {
    out.append(page, from, at - from);
    out += value;
  }
  out.append(page, from, std::string::npos);
  return out;
}

}  // namespace player
