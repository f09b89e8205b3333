// Test helper: reaches the service simulator (tools/simulator.py) and drives it through its control requests.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/base/tests/support/Utf8Text.h"

namespace testsupport {

// The simulator started for the test run. Its port is read from the file
// named by the environment variable TAVRIN_SIM_PORT_FILE (a Windows path,
// e.g. Z:/tmp/.../simulator.port). Every request made here uses a WinINet
// session of its own without cookies or cache, so it neither disturbs nor
// depends on the code under test.
class Simulator {
 public:
  Simulator();
  explicit Simulator(const std::string& portFile);

  bool Ready() const { return port_ > 0; }
  int Port() const { return port_; }
  // "http://127.0.0.1:PORT/"
  std::string Base() const;
  // The base followed by the path (a leading "/" of the path is dropped).
  std::string Url(const std::string& path) const;

  // Plain GET or POST of a path on the simulator: the body; the HTTP status
  // in *status (0 when there was no answer).
  std::string Get(const std::string& path, DWORD* status = nullptr) const;
  std::string Post(const std::string& path, const std::string& body, DWORD* status = nullptr) const;

  // Control requests. Keys and values are GBK texts.
  bool Set(const std::string& key, const std::string& value) const;
  // A JSON object in UTF-8, e.g. {"faults":{"/video/":"cut=5000"}}.
  bool SetJson(const std::string& utf8Json) const;
  // A reset also lets every held answer go on.
  bool Reset() const;
  // Lets the answers held under the name (fault "hold=<name>") send the rest of their body.
  bool Release(const std::string& name) const;
  // Logged requests whose path (with query) starts with the prefix; -1 on failure.
  int Count(const std::string& pathPrefix) const;
  // The latest such request as received (request line, header lines, blank line, body).
  std::string Last(const std::string& pathPrefix) const;
  // The whole log as JSON.
  std::string Log() const;

 private:
  std::string Request(const char* verb, const std::string& path, const std::string& body, DWORD* status) const;

  int port_ = 0;
};

// A port on 127.0.0.1 that nothing listens on (for an address that cannot be opened).
int ClosedPort();

// Bytes [from, from + count) of the simulator's /video/<N>.<ext> bodies.
std::string VideoBytes(int64_t from, int64_t count);

// Percent-encodes every byte outside the unreserved characters.
std::string PercentEncode(const std::string& bytes);

}  // namespace testsupport
