// Test helper: how many kernel handles the process holds, apart from sockets, and how many of them are thread handles.
#pragma once
#include <winsock2.h>
#include <windows.h>

#include <vector>

namespace testsupport {

struct HandleCount {
  int handles = -1;  // every handle but sockets; -1 when the platform gives no answer
  int threads = -1;  // handles of thread objects
};

// GetProcessHandleCount answers 0 under Wine, so the system's handle list
// (NtQuerySystemInformation, SystemHandleInformation) is read instead, which
// Wine fills from its server, and the entries of this process are counted.
// Sockets are left out: WinINet keeps idle connections open for a while to
// use them again, so they come and go without anything leaking.
// Link ws2_32.
inline HandleCount CountHandles() {
  struct Entry {
    USHORT process;
    USHORT creatorBackTrace;
    UCHAR objectType;
    UCHAR attributes;
    USHORT handle;
    void* object;
    ACCESS_MASK access;
  };
  struct Table {
    ULONG count;
    Entry entries[1];
  };
  using Query = LONG(NTAPI*)(ULONG, void*, ULONG, ULONG*);
  const auto query =
      reinterpret_cast<Query>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation"));
  if (!query) return {};
  // A handle of a thread object, to learn the type number of threads; left out of the count.
  HANDLE probe = nullptr;
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &probe, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  constexpr ULONG kSystemHandleInformation = 16;
  constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);
  std::vector<char> buffer(1 << 16);
  ULONG size = 0;
  LONG status;
  while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &size)) ==
         kInfoLengthMismatch)
    buffer.resize(buffer.size() * 2);
  HandleCount n;
  if (status == 0) {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    const auto isSocket = [](USHORT handle) {
      int type = 0, length = sizeof type;
      return getsockopt(static_cast<SOCKET>(handle), SOL_SOCKET, SO_TYPE, reinterpret_cast<char*>(&type), &length) == 0;
    };
    const auto* table = reinterpret_cast<const Table*>(buffer.data());
    const USHORT self = static_cast<USHORT>(GetCurrentProcessId());
    int threadType = -1;
    for (ULONG i = 0; i < table->count; ++i)
      if (table->entries[i].process == self && table->entries[i].handle == reinterpret_cast<UINT_PTR>(probe))
        threadType = table->entries[i].objectType;
    n = {0, 0};
    for (ULONG i = 0; i < table->count; ++i) {
      const Entry& e = table->entries[i];
      if (e.process != self || e.handle == reinterpret_cast<UINT_PTR>(probe) || isSocket(e.handle)) continue;
      ++n.handles;
      if (e.objectType == threadType) ++n.threads;
    }
    WSACleanup();
  }
  if (probe) CloseHandle(probe);
  return n;
}

}  // namespace testsupport
