// Test helper: how many threads the process runs now, as the system's thread snapshot lists them.
#pragma once
#include <windows.h>
#include <tlhelp32.h>

namespace testsupport {

// Every thread of this process, the window thread and the system's own
// included; -1 when the snapshot cannot be taken.
inline int ThreadsOfThisProcess() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    count += entry.th32OwnerProcessID == GetCurrentProcessId();
  CloseHandle(snapshot);
  return count;
}

}  // namespace testsupport
