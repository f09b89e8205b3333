// The module the window layer is linked into: its instance handle, its window
// class names and whether it runs as a program or inside a library.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

// The executable or DLL this copy of the layer is part of: classes are
// registered and resources loaded from it.
HINSTANCE ModuleInstance();

// A window class name unique to this module, so that a program and a DLL
// that both use the layer do not share one class.
std::wstring ModuleClassName(const wchar_t* base);

// Registers the layer's window classes on first use (never from DllMain).
void EnsureClassesRegistered();

// In a program, closing the last form ends the message loop; in a library
// (the layer used without InitWindowLayer) the process goes on.
bool LibraryMode();
void SetProgramMode();

}  // namespace ui
