// The size probes of the file list's rows: a bounded pool of worker threads that ask the server for each row's size.
#pragma once
#include <cstdint>
#include <string>

// At most this many probe threads run at once; further probes wait in turn.
inline constexpr int kMaxProbeThreads = 8;
// A row's size is asked this many times at most, 1.5 s apart, before its
// size stays unknown.
inline constexpr int kProbeRounds = 3;

// Asks for the size of the row with the identity and writes it into the row
// while the row exists. The probe waits its turn behind earlier ones and
// runs on one of the pool's threads; a failed one is asked again after 1.5 s,
// up to kProbeRounds in all, and shows the unknown size meanwhile and after.
// A row deleted before its turn is not asked, nor is any while no probe
// thread runs and none can be started: the size is unknown at once then. The
// address is one CanProbeSize accepts (the fill shows the others' sizes as
// unknown without a probe).
void StartSizeProbe(std::intptr_t rowId, const std::string& address);

// How many size probes have not ended: waiting their turn, running, or
// waiting to be asked again.
int RunningSizeProbes();
