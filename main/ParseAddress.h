// The page address of a parse: trimming, the checks before a request, the credentials and the GetDown address.
#pragma once
#include <string>

// The address with leading and trailing blanks removed: ASCII spaces and the
// GBK full-width space (A1 A1). Steps over double-byte characters, so a
// character whose second byte is A1 is never taken for half a blank.
std::string TrimPageAddress(const std::string& address);

// What StartParse does with a trimmed address, checked in this order: one
// without "." or with a control byte (a line break dropped or pasted in with
// it) is refused (also during the cool-down), then the cool-down, then an
// address of two bytes or less is dropped without a message.
enum class AddressVerdict { BadAddress, CoolingDown, TooShort, Send };
AddressVerdict CheckParseAddress(const std::string& address, int cooldownSeconds);

// Texts of the hint line for the two refusals (shown in red).
inline constexpr const char* kBadAddressText = "输入的地址有误！";
std::string CooldownText(int seconds);
// Shown in blue while a parse runs.
inline constexpr const char* kParsingText = "正在解析中...";

// The quality key from the three radio buttons, tested in the order 超清,
// 高清, 流畅; the previous value when none is checked.
std::string QualityFromRadios(bool super, bool high, bool smooth, const std::string& previous);

// The address followed by the credentials of site type "1" (password) or
// "2" (password, then user name); both are trimmed. Other types: unchanged.
std::string WithCredentials(const std::string& address, const std::string& siteType, const std::string& password,
                            const std::string& userName);

// The GetDown request address; nothing in it is encoded.
std::string GetDownAddress(const std::string& serviceBase, const std::string& siteType, const std::string& quality,
                           const std::string& addressWithCredentials, const std::string& machineId);
