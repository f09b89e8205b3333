// The window layer's program services: start-up, clean-up, exit from any thread, the message loop.
#pragma once
#include <functional>
#include <string>

// The message loop and the pumping waits are the base's pump; the layer gives
// it the forms' dialog keys when it starts.
#include "ui/base/MessagePump.h"

namespace ui {

// Initialises COM/OLE and the common controls, makes the program's folder
// the current directory and remembers the calling thread as the window thread.
bool InitWindowLayer();

// Starts the layer's own part on the calling thread, which becomes the
// window thread, and hands the message pump the forms' dialog keys: done by
// InitWindowLayer in a program, on first use of a form inside a library
// (never from DllMain).
bool StartLayer();

// The folder of the running program, GBK, without a trailing backslash.
std::string ProgramDir();

// Registers a routine that the normal exit runs on the window thread.
void RegisterCleanup(void (*cleanup)());

// The normal exit: runs the registered clean-up routines on the window thread,
// then ends the process with the code. From another thread it hands the exit
// to the window thread and never returns.
[[noreturn]] void EndProgram(int exitCode);

// Ends the process at once with all its threads; no clean-up runs.
[[noreturn]] void EndProcessNow(int exitCode);

bool OnWindowThread();

// Runs the work on the window thread and returns when it is done; on the
// window thread itself it runs at once. For what must not be done from a
// worker thread, such as calling the window thread's COM objects.
void RunOnWindowThread(const std::function<void()>& work);

// Hands the work to the window thread and returns at once; the window thread
// runs it when it next takes its messages. For a worker's results: the work
// looks up the windows it changes there, so no worker holds a window that the
// window thread may delete. False when the window thread cannot be reached.
bool PostToWindowThread(std::function<void()> work);

}  // namespace ui
