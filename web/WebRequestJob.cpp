// The state one web request's caller and worker share.
#include "WebRequestJob.h"

namespace web {

bool WebRequestJob::TakeRequest(RequestFields& request) {
  std::lock_guard<std::mutex> guard(lock_);
  if (!packet_.ReadRequest(request)) return false;
  packet_.Clear();
  return true;
}

bool WebRequestJob::Abandoned() const {
  std::lock_guard<std::mutex> guard(lock_);
  return abandoned_;
}

bool WebRequestJob::Publish(const std::function<void(RequestPacket&)>& publish) {
  std::lock_guard<std::mutex> guard(lock_);
  if (abandoned_) return false;
  publish(packet_);
  return true;
}

void WebRequestJob::Abandon() {
  std::lock_guard<std::mutex> guard(lock_);
  abandoned_ = true;
}

ReplyFields WebRequestJob::ReadReply() {
  std::lock_guard<std::mutex> guard(lock_);
  return packet_.ReadReply();
}

std::string WebRequestJob::PacketBytes() const {
  std::lock_guard<std::mutex> guard(lock_);
  return packet_.Bytes();
}

}  // namespace web
