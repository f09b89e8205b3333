// Entry point of Quenlo.exe.
#include <windows.h>

#include "updater/UpdaterStart.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return UpdaterStart(); }
