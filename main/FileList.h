// The start window's file list after a parse: new rows from a reply, and the size probes that fill their sizes.
#pragma once
#include <cstdint>
#include <string>

// Adds a row per entry of the reply (entries separated by "$$") to the start
// window's list L1, after its first row, names them from the page title,
// starts a size probe per row, tells the number of files on the progress bar
// and offers the list's controls back; while a download run holds the list,
// the controls stay locked and the bar keeps showing the run. An empty reply
// disables 下载按钮. Window thread only.
void FillFileList(const std::string& reply, const std::string& pageTitle, const std::string& pageAddress);

// Asks for the size of the row with the identity on a worker thread and
// writes it into the row while the row exists; a failed probe is tried again
// after 1.5 s on a fresh thread for as long as the row exists. An address
// that is not http or https is not asked: its size is unknown at once.
void StartSizeProbe(std::intptr_t rowId, const std::string& address);

// How many size probes are running.
int RunningSizeProbes();
