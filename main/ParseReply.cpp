// What the parse service's GetDown reply means, the QVOD page scan and the served-parse counters.
#include "main/ParseReply.h"

#include <cmath>
#include <cstdio>

#include "main/RegexReplace.h"
#include "main/Version.h"
#include "web/TextHelpers.h"

ReplyKind ClassifyReply(const std::string& reply, const std::string& siteType) {
  if (reply.empty()) return ReplyKind::Failed;
  if (reply == "0") return ReplyKind::QuotaUsed;
  if (reply == "1") return ReplyKind::Busy;
  if (reply == "3" && siteType == "1") return ReplyKind::WrongPassword;
  if (reply == "3" && siteType == "2") return ReplyKind::WrongUserOrPassword;
  if (web::GbkFind(reply, ".") != std::string::npos) return ReplyKind::List;
  return ReplyKind::Ignored;
}

std::string ReplyHintText(ReplyKind kind) {
  switch (kind) {
    case ReplyKind::Failed: return "解析失败或暂不支持此网站！";
    case ReplyKind::Busy: return "解析服务器繁忙，请稍后重试！";
    case ReplyKind::WrongPassword: return "密码输入有误，请检查！";
    case ReplyKind::WrongUserOrPassword: return "用户名或密码输入有误，请检查！";
    default: return {};
  }
}

std::string CleanReplyList(const std::string& reply) { return RegexReplaceAll(reply, "&amp;", "&", true); }

std::string QvodLinkFromPage(const std::string& page) {
  static const std::string kScheme = "qvod://";
  if (web::GbkFind(page, kScheme) == std::string::npos) return {};
  return kScheme + web::TextBetween(page, kScheme, "\"");
}

std::string MovedCounter(const std::string& counter, int delta) {
  double value = std::trunc(LeadingNumber(counter)) + delta;
  char text[64];
  std::snprintf(text, sizeof text, "%.13g", value);
  return text;
}
