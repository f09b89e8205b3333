// The state one web request's caller and worker share.
#include "WebRequestJob.h"

namespace web {

bool WebRequestJob::TakeRequest(RequestFields& request) {
  std::lock_guard<std::mutex> guard(lock_);
  if (!packet_.ReadRequest(request)) return false;
  packet_.Clear();
  return true;
}

bool WebRequestJob::Keep(HINTERNET handle) {
  if (!handle) return false;
  std::lock_guard<std::mutex> guard(lock_);
  if (abandoned_ || handleCount_ == 3) {
    InternetCloseHandle(handle);
    return false;
  }
  handles_[handleCount_++] = handle;
  return true;
}

bool WebRequestJob::Abandoned() const {
  std::lock_guard<std::mutex> guard(lock_);
  return abandoned_;
}

bool WebRequestJob::WriteReply(const std::string& headers, const std::string& body) {
  std::lock_guard<std::mutex> guard(lock_);
  if (abandoned_) return false;
  packet_.WriteReply(headers, body);
  return true;
}

void WebRequestJob::CloseHandlesLocked() {
  while (handleCount_ > 0) {
    InternetCloseHandle(handles_[--handleCount_]);
    handles_[handleCount_] = nullptr;
  }
}

void WebRequestJob::CloseHandles() {
  std::lock_guard<std::mutex> guard(lock_);
  CloseHandlesLocked();
}

void WebRequestJob::Abandon() {
  std::lock_guard<std::mutex> guard(lock_);
  abandoned_ = true;
  CloseHandlesLocked();
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
