// The skin engine's core: its font and face colour, hooking a window into the
// skin by its class, the rounded region, and the window properties it keeps.
#pragma once
#include <windows.h>

#include <string>

#include "ui/GdiHandles.h"
#include "ui/Subclass.h"

namespace skin {

// Window property names, exactly as other skinned programs and tools see them.
inline constexpr wchar_t kPropProc[] = L"Nimbo_DoruDuvaProc";
inline constexpr wchar_t kPropType[] = L"Nimbo_DoruDuva_Type";
inline constexpr wchar_t kPropColourStyle[] = L"Nimbo_PBM_ColorStyle";
inline constexpr wchar_t kPropTextStyle[] = L"Nimbo_PBM_TxtStyle";
inline constexpr wchar_t kPropTextContent[] = L"Nimbo_PBM_TxtContent";
inline constexpr wchar_t kPropDrawState[] = L"Nimbo_DrawState";
inline constexpr wchar_t kPropHasFocus[] = L"Nimbo_DoruDuva_IsFoucs";

// Kinds stored in kPropType.
enum SkinKind { kKindProgress = 1, kKindButton = 2, kKindCombo = 3, kKindTooltip = 4, kKindListView = 5 };

// Made by InitSkinResources: the 12-pixel 宋体 font (GB2312 character set),
// freed when the module ends, and the system button-face colour given to the
// outer corner pixels.
extern ui::OwnedFont SkinFont;
extern COLORREF SkinFaceColour;

// Run once at start-up before any window is loaded.
void InitSkinResources();

// Hooks a window into the skin by its class (and a button by its style);
// false when the kind is not skinned. A colour style above 0 is stored too.
bool SkinWindow(HWND window, int colourStyle = 0);

// The window's class name.

// Cuts 5 x 5 elliptic corners from the window.
void RoundWindowRegion(HWND window);

// Hands a message to the procedure the window had before it was skinned.
LRESULT CallSavedProcedure(HWND window, UINT msg, WPARAM wp, LPARAM lp);

// Frees the global memory block a property holds and removes the property.
void FreePropertyMemory(HWND window, const wchar_t* name);

// A 32-bit integer property; 0 when missing.
int ReadIntProperty(HWND window, const wchar_t* name);
void WriteIntProperty(HWND window, const wchar_t* name, int value);

// The skins SkinWindow puts in front of a window's procedure. They all keep
// the saved procedure in kPropProc, so a window takes one skin only.
extern const ui::Subclass ProgressSkin, ButtonSkin, ComboSkin, ListViewSkin, HeaderSkin, TooltipSkin;

// Their procedures: each sees a message first and hands it on with CallSavedProcedure.
LRESULT CALLBACK ProgressSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK ButtonSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK ComboSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK ListViewSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK HeaderSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK TooltipSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace skin
