// The machine id sent to the parse service: the processor id of the first processor.
#pragma once
#include <string>
#include <string_view>

// The VBScript that the script host runs to find the processor id: lines end
// in CR LF, the first line keeps its trailing blank, the last has no break.
inline constexpr std::string_view kProcessorIdScript =
    "Function Getcpuid() \r\n"
    "Dim cpuSet,cpu\r\n"
    "    Set cpuSet = GetObject(\"winmgmts:{impersonationLevel=impersonate}\")"
    ".InstancesOf(\"Win32_Processor\")\r\n"
    "    For Each cpu In cpuSet\r\n"
    "      getcpuid=cpu.ProcessorId\r\n"
    "      exit for\r\n"
    "    Next\r\n"
    "end Function";

// The processor id as GBK text; empty when neither the script host nor WMI
// can give it. Works on a thread with or without a COM apartment (a thread
// without one is left without one); throws nothing.
std::string ReadMachineId();

// ReadMachineId on a thread of its own, waited for with the caller's messages
// flowing and for at most `milliseconds`: a script host or WMI service that
// never answers leaves the empty text instead of a frozen window. The reading
// thread, when late, finishes alone and its answer is dropped.
std::string ReadMachineIdWithin(unsigned milliseconds);

// ReadMachineId with the script host named by its ProgID (tests pass one that
// does not exist to reach the direct WMI query).
std::string ReadMachineIdWith(const wchar_t* scriptProgId);

// The two sources on their own; each yields the empty text on any failure.
std::string ReadProcessorIdByScript(const wchar_t* scriptProgId);
std::string ReadProcessorIdByWmi();
