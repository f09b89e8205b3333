// The download queue: the 下载 button, the run over the checked rows and its progress on the start window.
#pragma once
#include <windows.h>

#include <cstdint>

#include "ui/Event.h"
#include "ui/Window.h"

// The start window's controls a run reads and writes. Taken on the window
// thread when the run starts; the run reaches them only through their handles.
struct QueueControls {
  HWND list = nullptr;          // L1
  HWND downloadButton = nullptr;  // 下载按钮
  HWND folderBox = nullptr;     // 编辑框2
  HWND folderButton = nullptr;  // 保存路径按钮
  HWND selectAll = nullptr;     // 选择框1
  HWND statusBar = nullptr;     // 状态条1
  HWND bar = nullptr;           // 进度条1
};
QueueControls QueueControlsOf(const ui::Window& w);

// Click on 下载按钮: asks, and on Yes starts a download thread.
void OnDownloadButton(ui::Window& w, ui::Event& e);

// The queue itself, on the download thread: downloads the checked rows that
// are not done yet, last row first, and shows the end message.
void DownloadCheckedRows(const QueueControls& controls);

// How many times the last file's progress was written to the window.
int LastProgressWrites();
