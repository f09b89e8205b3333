// The in-memory packet that carries a web request to its worker thread and the reply back.
#pragma once
#include <cstdint>
#include <string>

namespace web {

// The texts of one request, in the order the packet holds them.
struct RequestFields {
  std::string address;
  std::string method;
  std::string proxy;
  std::string user;
  std::string password;
  std::string extraHeaders;
  std::string postData;
};

// What the worker sends back.
struct ReplyFields {
  std::string status;
  std::string headers;
  std::string body;
};

// A growable byte buffer with one read/write position. Texts are stored as
// their bytes and one zero byte; a counted block as a 32-bit little-endian
// count and the bytes. Reading past the end gives empty fields.
class RequestPacket {
 public:
  static const char kRequestMarker[];  // "Tindrel"
  static const char kReplyStatus[];    // "Tindrel_OK"

  void Rewind() { pos_ = 0; }
  // Position 0 and no bytes.
  void Clear();
  const std::string& Bytes() const { return bytes_; }
  void Assign(std::string bytes);

  void WriteText(const std::string& text);
  void WriteBlock(const std::string& block);
  // The bytes up to the next zero byte (or the end); the position moves past the zero.
  std::string ReadText();
  // A counted block; a count beyond the end gives the bytes that are there.
  std::string ReadBlock();

  // Request layout from position 0: the marker, then the seven texts.
  void WriteRequest(const RequestFields& fields);
  // Reads the request layout from position 0; false (fields untouched) when
  // the first text is not the marker.
  bool ReadRequest(RequestFields& fields);

  // Empties the packet and writes the reply layout: status, headers, counted body.
  void WriteReply(const std::string& headers, const std::string& body);
  // Reads the reply layout from position 0; missing fields read as empty.
  ReplyFields ReadReply();

 private:
  void Write(const char* data, size_t size);

  std::string bytes_;
  size_t pos_ = 0;
};

}  // namespace web
