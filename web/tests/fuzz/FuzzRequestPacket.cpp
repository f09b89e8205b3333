// Fuzz target: reading arbitrary bytes as a request packet and as a reply, and writing them back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "web/RequestPacket.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  web::RequestPacket packet;
  packet.Assign(std::string(reinterpret_cast<const char*>(data), size));

  web::RequestFields fields;
  if (packet.ReadRequest(fields)) {
    web::RequestPacket copy;
    copy.WriteRequest(fields);
    web::RequestFields again;
    if (!copy.ReadRequest(again) || again.address != fields.address || again.method != fields.method ||
        again.postData != fields.postData || again.extraHeaders != fields.extraHeaders) {
      abort();
    }
  }

  const web::ReplyFields reply = packet.ReadReply();
  if (reply.status.size() + reply.headers.size() + reply.body.size() > size) abort();

  web::RequestPacket back;
  back.WriteReply(reply.headers, reply.body);
  const web::ReplyFields read = back.ReadReply();
  if (read.status != web::RequestPacket::kReplyStatus || read.headers != reply.headers || read.body != reply.body) {
    abort();
  }
  return 0;
}
