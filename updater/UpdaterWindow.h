// The updater's start window: its form and handlers.
#pragma once
#include <cstdint>

#include "ui/Window.h"
#include "updater/UpdaterWindowForm.h"

// Created: checks the argument, fetches the update list and skins the window.
void LoadUpdateList(ui::Window& w, ui::Event& e);
// 开始 clicked: starts the worker.
void StartUpdate(ui::Window& w, ui::Event& e);
// 退出 clicked: ends the program.
void OnUpdaterExit(ui::Window& w, ui::Event& e);
// Destroyed: asks a running worker to stop after the file step it is in.
void OnUpdaterWindowDestroyed(ui::Window& w, ui::Event& e);
// How many times the window thread has written the update's progress into
// the window since the program started.
int UpdateProgressWrites();
