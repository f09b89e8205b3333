// The in-memory request packet: request layout out, reply layout back.
#include "RequestPacket.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace web {

const char RequestPacket::kRequestMarker[] = "Tindrel";
const char RequestPacket::kReplyStatus[] = "Tindrel_OK";

void RequestPacket::Clear() {
  bytes_.clear();
  pos_ = 0;
}

void RequestPacket::Assign(std::string bytes) {
  bytes_ = std::move(bytes);
  pos_ = 0;
}

void RequestPacket::Write(const char* data, size_t size) {
  if (pos_ > bytes_.size()) pos_ = bytes_.size();
  size_t overlap = std::min(size, bytes_.size() - pos_);
  bytes_.replace(pos_, overlap, data, size);
  pos_ += size;
}

void RequestPacket::WriteText(const std::string& text) {
  // A text ends at its first zero byte, as it would when read back.
  Write(text.c_str(), std::strlen(text.c_str()));
  Write("", 1);
}

void RequestPacket::WriteBlock(const std::string& block) {
  // The count is 32 bits wide; a longer block keeps only what the count can say.
  uint32_t count = static_cast<uint32_t>(std::min<uint64_t>(block.size(), std::numeric_limits<uint32_t>::max()));
  const char le[4] = {static_cast<char>(count & 0xFF), static_cast<char>((count >> 8) & 0xFF),
                      static_cast<char>((count >> 16) & 0xFF), static_cast<char>((count >> 24) & 0xFF)};
  Write(le, 4);
  Write(block.data(), count);
}

std::string RequestPacket::ReadText() {
  if (pos_ >= bytes_.size()) return {};
  size_t zero = bytes_.find('\0', pos_);
  size_t end = zero == std::string::npos ? bytes_.size() : zero;
  std::string text = bytes_.substr(pos_, end - pos_);
  pos_ = zero == std::string::npos ? end : zero + 1;
  return text;
}

std::string RequestPacket::ReadBlock() {
  if (pos_ >= bytes_.size() || bytes_.size() - pos_ < 4) {
    pos_ = bytes_.size();
    return {};
  }
  uint32_t count = 0;
  for (int i = 3; i >= 0; --i) count = (count << 8) | static_cast<unsigned char>(bytes_[pos_ + i]);
  pos_ += 4;
  size_t take = std::min<size_t>(count, bytes_.size() - pos_);
  std::string block = bytes_.substr(pos_, take);
  pos_ += take;
  return block;
}

void RequestPacket::WriteRequest(const RequestFields& f) {
  Rewind();
  WriteText(kRequestMarker);
  for (const std::string* text :
       {&f.address, &f.method, &f.proxy, &f.user, &f.password, &f.extraHeaders, &f.postData}) {
    WriteText(*text);
  }
}

bool RequestPacket::ReadRequest(RequestFields& f) {
  Rewind();
  if (ReadText() != kRequestMarker) return false;
  for (std::string* text : {&f.address, &f.method, &f.proxy, &f.user, &f.password, &f.extraHeaders, &f.postData}) {
    *text = ReadText();
  }
  return true;
}

void RequestPacket::WriteReply(const std::string& headers, const std::string& body) {
  Clear();
  WriteText(kReplyStatus);
  WriteText(headers);
  WriteBlock(body);
}

ReplyFields RequestPacket::ReadReply() {
  Rewind();
  ReplyFields r;
  r.status = ReadText();
  r.headers = ReadText();
  r.body = ReadBlock();
  return r;
}

}  // namespace web
