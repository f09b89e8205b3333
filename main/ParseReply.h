// What the parse service's GetDown reply means, the QVOD page scan and the served-parse counters.
#pragma once
#include <string>

// The reply compared whole and case-sensitively, in the order of the table:
// empty, "0", "1", "3" for site types "1" and "2", then any text with ".".
enum class ReplyKind { Failed, QuotaUsed, Busy, WrongPassword, WrongUserOrPassword, List, Ignored };
ReplyKind ClassifyReply(const std::string& reply, const std::string& siteType);

// The hint-line text of a reply kind (blue); empty for List, QuotaUsed and Ignored.
std::string ReplyHintText(ReplyKind kind);

// The message box of the quota reply; the parse window closes after it.
inline constexpr const char* kQuotaMessage = "尊敬的用户：\r\n\r\n您今天的解析次数已用完，请明天继续使用！";
inline constexpr const char* kQuotaTitle = "温馨提示：";

// The list of a List reply with every "&amp;" turned into "&".
std::string CleanReplyList(const std::string& reply);

// The qvod:// link of a fetched page: "qvod://" and the bytes after its first
// occurrence up to the next double quote ("qvod://" alone when none follows);
// empty when the page has no "qvod://".
std::string QvodLinkFromPage(const std::string& page);

// A counter text moved by delta: a text that is not a number counts as 0;
// written as "%.13g" writes it, so whole numbers have no decimals.
std::string MovedCounter(const std::string& counter, int delta);
