// The download queue: the 下载 button, the run over the checked rows on a worker thread and its progress on the start window.
#pragma once
#include "ui/Event.h"
#include "ui/Window.h"
#include "ui/WorkerThread.h"

// Click on 下载按钮: asks, and on Yes starts a run, unless a run holds the
// list (then it does not even ask).
void OnDownloadButton(ui::Window& w, ui::Event& e);

// What Yes does (window thread): takes the list, locks its controls and
// starts the run on a worker thread. The run downloads the checked rows that
// are not done yet, last row first; each row's turn is one step on the window
// thread, and the worker hands its progress and results to that thread,
// which writes the window. False when a run holds the list already, or when
// the worker could not start (the list is given back then).
bool StartDownloadRun();

// The worker of the latest run, kept until the next run starts.
ui::WorkerThread LatestDownloadRun();

// How many times the last file's progress was written to the window.
int LastProgressWrites();
