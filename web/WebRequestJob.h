// What the caller of one web request and its worker thread share: the packet and the caller's give-up.
#pragma once
#include <functional>
#include <mutex>

#include "RequestPacket.h"

namespace web {

// Owned jointly (shared_ptr) by the caller and the worker, so either may end
// first. The caller writes the request before the worker starts and reads the
// reply only after the worker has ended. The worker alone opens, uses and
// closes its WinINet handles; a caller that gives up (Abandon) only says so,
// because a handle closed by another thread can be reused for another
// object while the worker still holds its value. From Abandon on, the worker
// publishes nothing: no reply in the packet, no cookie in the store.
class WebRequestJob {
 public:
  explicit WebRequestJob(const RequestFields& request) { packet_.WriteRequest(request); }
  WebRequestJob(const WebRequestJob&) = delete;
  WebRequestJob& operator=(const WebRequestJob&) = delete;

  // Worker: reads the request; when it carries the marker, empties the
  // packet and returns true. Otherwise the packet is left as it is.
  bool TakeRequest(RequestFields& request);
  bool Abandoned() const;
  // Worker: runs `publish` with the packet under the job's lock unless the
  // caller has given up, so a give-up never falls in the middle of it; true
  // when it ran.
  bool Publish(const std::function<void(RequestPacket&)>& publish);

  // Caller: gives up; once this returns, no Publish runs any more.
  void Abandon();
  // Caller, once the worker has ended: the reply as written (empty fields when none).
  ReplyFields ReadReply();

  // The raw packet, for inspecting it once the worker has ended.
  std::string PacketBytes() const;

 private:
  mutable std::mutex lock_;
  RequestPacket packet_;
  bool abandoned_ = false;
};

}  // namespace web
