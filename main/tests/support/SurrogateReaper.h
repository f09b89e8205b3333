// Ends, when a test program ends, the COM surrogates (dllhost.exe) that its
// machine-id reads made Wine start: each WMI use starts one that never exits,
// keeps the program's standard error open and, dozens of them later, slows
// every window operation of the prefix. Included by every test program that
// reads the machine id (each start window does); one reaper per program.
#pragma once
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace testsupport {

class SurrogateReaper : public ::testing::Environment {
 public:
  // The surrogates this process started, and those whose starter has ended
  // (a death test's child process): no one else runs in the test's prefix.
  void TearDown() override {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    std::vector<PROCESSENTRY32W> all;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
      all.push_back(entry);
    CloseHandle(snapshot);
    std::vector<DWORD> running, surrogates;
    for (const PROCESSENTRY32W& p : all) running.push_back(p.th32ProcessID);
    for (const PROCESSENTRY32W& p : all) {
      if (lstrcmpiW(p.szExeFile, L"dllhost.exe") != 0) continue;
      const bool starterEnded = std::find(running.begin(), running.end(), p.th32ParentProcessID) == running.end();
      if (p.th32ParentProcessID == GetCurrentProcessId() || starterEnded) surrogates.push_back(p.th32ProcessID);
    }
    for (DWORD id : surrogates) {
      HANDLE surrogate = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
      if (!surrogate) continue;
      TerminateProcess(surrogate, 0);
      WaitForSingleObject(surrogate, 5000);
      CloseHandle(surrogate);
    }
  }
};

inline ::testing::Environment* const kSurrogateReaper = ::testing::AddGlobalTestEnvironment(new SurrogateReaper);

}  // namespace testsupport
