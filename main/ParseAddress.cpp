// The page address of a parse: trimming, the checks before a request, the credentials and the GetDown address.
#include "main/ParseAddress.h"

#include <algorithm>

#include "web/TextHelpers.h"

namespace {

bool IsLead(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Length of the blank that starts at i (1 for a space, 2 for A1 A1), or 0.
size_t BlankAt(const std::string& text, size_t i) {
  if (text[i] == ' ') return 1;
  if (i + 1 < text.size() && text[i] == '\xA1' && text[i + 1] == '\xA1') return 2;
  return 0;
}

}  // namespace

std::string TrimPageAddress(const std::string& address) {
  // One pass over the characters: the first non-blank starts the result, the
  // end of the last non-blank ends it.
  size_t begin = std::string::npos, end = 0;
  for (size_t i = 0; i < address.size();) {
    size_t blank = BlankAt(address, i);
    size_t step = blank ? blank : (IsLead(address[i]) ? 2 : 1);
    if (!blank) {
      if (begin == std::string::npos) begin = i;
      end = std::min(i + step, address.size());
    }
    i += step;
  }
  if (begin == std::string::npos) return {};
  return address.substr(begin, end - begin);
}

AddressVerdict CheckParseAddress(const std::string& address, int cooldownSeconds) {
  if (web::GbkFind(address, ".") == std::string::npos || web::HoldsControlByte(address))
    return AddressVerdict::BadAddress;
  if (cooldownSeconds > 0) return AddressVerdict::CoolingDown;
  if (address.size() <= 2) return AddressVerdict::TooShort;
  return AddressVerdict::Send;
}

std::string CooldownText(int seconds) { return "服务器繁忙，请稍等片刻，" + std::to_string(seconds) + " 秒后重试！"; }

std::string QualityFromRadios(bool super, bool high, bool smooth, const std::string& previous) {
  if (super) return "3";
  if (high) return "2";
  if (smooth) return "1";
  return previous;
}

std::string WithCredentials(const std::string& address, const std::string& siteType, const std::string& password,
                            const std::string& userName) {
  if (siteType == "1") return address + "&password=" + TrimPageAddress(password);
  if (siteType == "2")
    return address + "&password=" + TrimPageAddress(password) + "&username=" + TrimPageAddress(userName);
  return address;
}

std::string GetDownAddress(const std::string& serviceBase, const std::string& siteType, const std::string& quality,
                           const std::string& addressWithCredentials, const std::string& machineId) {
  return serviceBase + "index.Asp?A=GetDown&uLei=" + siteType + "&uLei1=" + quality +
         "&uUrl=" + addressWithCredentials + "&uCpu=" + machineId;
}
