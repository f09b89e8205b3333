// Entry point of Tavrin.exe.
#include <windows.h>

#include "main/Program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return ProgramStart(); }
