// What the caller of one web request and its worker thread share: the packet, the worker's WinINet handles and the caller's give-up.
#pragma once
#include <windows.h>
#include <wininet.h>

#include <mutex>

#include "RequestPacket.h"

namespace web {

// Owned jointly (shared_ptr) by the caller and the worker, so either may end
// first. The caller writes the request before the worker starts and reads the
// reply only after the worker has ended; when it gives up instead (Abandon),
// it closes the worker's WinINet handles so that a blocked call returns, and
// from then on the worker writes nothing into the packet.
class WebRequestJob {
 public:
  explicit WebRequestJob(const RequestFields& request) { packet_.WriteRequest(request); }
  WebRequestJob(const WebRequestJob&) = delete;
  WebRequestJob& operator=(const WebRequestJob&) = delete;
  ~WebRequestJob() { CloseHandles(); }

  // Worker: reads the request; when it carries the marker, empties the
  // packet and returns true. Otherwise the packet is left as it is.
  bool TakeRequest(RequestFields& request);
  // Worker: takes a WinINet handle into the job's care. False for a null
  // handle, and (closing it at once) when the caller has given up.
  bool Keep(HINTERNET handle);
  bool Abandoned() const;
  // Worker: writes the reply unless the caller has given up; true when written.
  bool WriteReply(const std::string& headers, const std::string& body);
  // Closes the kept handles, the newest first. Safe from either side and twice.
  void CloseHandles();

  // Caller: gives up on the worker and closes its handles.
  void Abandon();
  // Caller, once the worker has ended: the reply as written (empty fields when none).
  ReplyFields ReadReply();

  // The raw packet, for inspecting it once the worker has ended.
  std::string PacketBytes() const;

 private:
  void CloseHandlesLocked();

  mutable std::mutex lock_;
  RequestPacket packet_;
  bool abandoned_ = false;
  HINTERNET handles_[3] = {};  // Internet handle, connection, request
  int handleCount_ = 0;
};

}  // namespace web
