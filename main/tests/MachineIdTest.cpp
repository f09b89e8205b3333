// Tests of the machine-id reader: its script, both sources, the fallback and COM balance.
#include "main/MachineId.h"

#include <windows.h>
#include <objbase.h>
#include <ole2.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "main/tests/support/SurrogateReaper.h"

namespace {

constexpr wchar_t kMissingHost[] = L"Tavrin.NoSuchScriptHost";

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at; (at = text.find("\r\n", start)) != std::string_view::npos; start = at + 2)
    lines.emplace_back(text.substr(start, at - start));
  lines.emplace_back(text.substr(start));
  return lines;
}

// Runs body on a new thread, so each case starts from a thread of known COM state.
void OnNewThread(const std::function<void()>& body) {
  std::thread worker(body);
  worker.join();
}

TEST(MachineIdScript, IsTheExactTwoHundredFortyByteFunction) {
  EXPECT_EQ(kProcessorIdScript.size(), 240u);
  const std::vector<std::string> expected = {
      "Function Getcpuid() ",
      "Dim cpuSet,cpu",
      "    Set cpuSet = GetObject(\"winmgmts:{impersonationLevel=impersonate}\")"
      ".InstancesOf(\"Win32_Processor\")",
      "    For Each cpu In cpuSet",
      "      getcpuid=cpu.ProcessorId",
      "      exit for",
      "    Next",
      "end Function",
  };
  // Split at CR LF only: a bare CR or LF would stay inside a line and differ.
  EXPECT_EQ(SplitLines(kProcessorIdScript), expected);
}

TEST(MachineIdSources, ScriptHostAndWmiGiveTheSameNonEmptyId) {
  std::string byWmi = ReadProcessorIdByWmi();
  std::string byScript = ReadProcessorIdByScript(L"ScriptControl");
  std::string id = ReadMachineId();
  std::printf("ProcessorId: \"%s\" (%u bytes)\n", id.c_str(), static_cast<unsigned>(id.size()));
  EXPECT_FALSE(id.empty());
  EXPECT_EQ(byScript, byWmi);
  EXPECT_EQ(id, byWmi);
  // Asking twice gives the same text: nothing is left behind by the first run.
  EXPECT_EQ(ReadMachineId(), id);
}

TEST(MachineIdSources, WmiAnswersWhenTheScriptHostCannot) {
  const std::string byWmi = ReadProcessorIdByWmi();
  ASSERT_FALSE(byWmi.empty());
  // No such host at all.
  EXPECT_EQ(ReadProcessorIdByScript(kMissingHost), "");
  EXPECT_EQ(ReadMachineIdWith(kMissingHost), byWmi);
  // A registered object without the host's members: every by-name call fails.
  EXPECT_EQ(ReadProcessorIdByScript(L"Scripting.Dictionary"), "");
  EXPECT_EQ(ReadMachineIdWith(L"Scripting.Dictionary"), byWmi);
}

TEST(MachineIdApartment, ThreadWithoutComIsLeftWithoutCom) {
  OnNewThread([] {
    EXPECT_FALSE(ReadMachineId().empty());
    EXPECT_FALSE(ReadMachineIdWith(kMissingHost).empty());
    // Every local initialisation was undone: the thread can still pick either model.
    HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(hr, S_OK);
    if (SUCCEEDED(hr)) CoUninitialize();
  });
}

TEST(MachineIdApartment, WindowThreadKeepsItsOleApartment) {
  OnNewThread([] {
    ASSERT_EQ(OleInitialize(nullptr), S_OK);
    std::string id = ReadMachineId();
    EXPECT_FALSE(id.empty());
    EXPECT_EQ(ReadProcessorIdByScript(L"ScriptControl"), id);
    // Still exactly one apartment reference from OleInitialize.
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(hr, S_FALSE);
    if (SUCCEEDED(hr)) CoUninitialize();
    OleUninitialize();
    hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(hr, S_OK) << "the apartment outlived OleUninitialize";
    if (SUCCEEDED(hr)) CoUninitialize();
  });
}

TEST(MachineIdApartment, MultithreadedCallerStillGetsTheId) {
  OnNewThread([] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    std::string id = ReadMachineId();
    EXPECT_FALSE(id.empty());
    EXPECT_EQ(ReadProcessorIdByScript(L"ScriptControl"), id);
    EXPECT_EQ(ReadProcessorIdByWmi(), id);
    CoUninitialize();
  });
}

}  // namespace

// The start waits for the id on its own thread: a reader that answers late
// gives the empty text at the time limit, and an ordinary read arrives whole.
TEST(MachineIdWithin, LateReadGivesEmptyInTimeAndAnOrdinaryReadArrives) {
  const DWORD started = GetTickCount();
  EXPECT_EQ(ReadMachineIdWithin(1), "");
  EXPECT_LT(GetTickCount() - started, 1000u);
  EXPECT_EQ(ReadMachineIdWithin(20000), ReadMachineId());
}
