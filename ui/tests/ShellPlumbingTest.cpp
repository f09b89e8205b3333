// Clipboard viewer chain, clipboard text, text drop target and its barrier, mouse capture and the common dialogs under Wine, with real messages.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <ole2.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "ui/ClipboardText.h"
#include "ui/ClipboardViewer.h"
#include "ui/FolderDialog.h"
#include "ui/MouseCapture.h"
#include "ui/OpenFileDialog.h"
#include "ui/SimpleComObject.h"
#include "ui/TextDropTarget.h"
#include "ui/base/WideText.h"
#include "ui/tests/support/DialogDriver.h"
#include "ui/tests/support/FolderTree.h"
#include "ui/base/tests/support/Pump.h"
#include "ui/tests/support/TempFolder.h"

namespace {

using testsupport::DialogDriver;
using testsupport::PressDialogButton;
using testsupport::PumpFor;

HWND NewWindow() {
  static const wchar_t* cls = [] {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"TavrinPlumbingTest";
    RegisterClassW(&wc);
    return L"TavrinPlumbingTest";
  }();
  return CreateWindowExW(0, cls, L"测试", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

class ShellPlumbingTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }
};

// A viewer that records what reached it.
struct RecordingViewer {
  HWND hwnd = NewWindow();
  ui::ClipboardViewer viewer;
  std::vector<std::string> seen;
  bool Join() {
    return viewer.Join(hwnd, [this](const std::string& text) { seen.push_back(text); });
  }
  ~RecordingViewer() {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }
};

bool Copy(const std::string& text) { return ui::WriteClipboardText(nullptr, text); }

TEST_F(ShellPlumbingTest, ClipboardTextTravelsAsUnicode) {
  ASSERT_TRUE(Copy("视频 www.example.com/播放"));
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const std::wstring raw = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(raw, L"视频 www.example.com/播放");
  EXPECT_EQ(ui::ReadClipboardText(nullptr), "视频 www.example.com/播放");

  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_EQ(ui::ReadClipboardText(nullptr), "");
}

TEST_F(ShellPlumbingTest, ViewerChainIsJoinedForwardedRepairedAndLeft) {
  RecordingViewer last, middle, head;  // the chain becomes head -> middle -> last
  ASSERT_TRUE(last.Join());
  ASSERT_TRUE(middle.Join());
  const WNDPROC before = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(head.hwnd, GWLP_WNDPROC));
  ASSERT_TRUE(head.Join());
  EXPECT_EQ(head.viewer.Next(), middle.hwnd);
  EXPECT_FALSE(head.viewer.Join(head.hwnd, nullptr));  // once only

  // A change reaches every viewer in the chain, Chinese intact.
  ASSERT_TRUE(Copy("地址 http://v.example.com/a.flv"));
  ASSERT_TRUE(PumpFor("the change to reach the last viewer", [&] { return !last.seen.empty(); }));
  ASSERT_EQ(head.seen.size(), 1u);
  EXPECT_EQ(head.seen[0], "地址 http://v.example.com/a.flv");
  EXPECT_EQ(middle.seen.size(), 1u);
  EXPECT_EQ(last.seen.back(), "地址 http://v.example.com/a.flv");

  // The viewer after the head leaves: the head skips it from then on.
  middle.viewer.Leave();
  EXPECT_EQ(head.viewer.Next(), last.hwnd);
  ASSERT_TRUE(Copy("第二次"));
  ASSERT_TRUE(PumpFor("the second change to reach the last viewer", [&] { return last.seen.size() == 2; }));
  EXPECT_EQ(head.seen.back(), "第二次");
  EXPECT_EQ(middle.seen.size(), 1u);

  // Leaving puts the window's own procedure back and passes nothing more to it.
  head.viewer.Leave();
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(head.hwnd, GWLP_WNDPROC)), before);
  // A viewer destroyed while joined leaves by itself.
  RecordingViewer doomed;
  ASSERT_TRUE(doomed.Join());
  DestroyWindow(doomed.hwnd);
  EXPECT_FALSE(doomed.viewer.Joined());
  ASSERT_TRUE(Copy("第三次"));
  ASSERT_TRUE(PumpFor("the third change to reach the last viewer", [&] { return last.seen.size() == 3; }));
  EXPECT_EQ(last.seen.back(), "第三次");
  EXPECT_EQ(head.seen.size(), 2u);
  EXPECT_TRUE(doomed.seen.empty());
}

TEST_F(ShellPlumbingTest, DropTargetTakesUnicodeTextAndIsRevoked) {
  HWND hwnd = NewWindow();
  std::vector<std::string> dropped;
  IDataObject* withText = nullptr;
  IDataObject* withoutText = nullptr;
  {
    ui::TextDropRegistration drop;
    ASSERT_TRUE(drop.Register(hwnd, [&](const std::string& text) { dropped.push_back(text); }));
    IDropTarget* target = drop.Target();
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(RegisterDragDrop(hwnd, target), DRAGDROP_E_ALREADYREGISTERED);

    ASSERT_TRUE(Copy("拖放的网址 www.example.com"));
    ASSERT_EQ(OleGetClipboard(&withText), S_OK);
    DWORD effect = 0xFF;
    EXPECT_EQ(target->DragEnter(withText, MK_LBUTTON, POINTL{50, 50}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    effect = 0xFF;
    EXPECT_EQ(target->Drop(withText, 0, POINTL{50, 50}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0], "拖放的网址 www.example.com");

    // A clipboard holding no text at all is refused and reaches nobody.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const UINT other = RegisterClipboardFormatW(L"Tavrin.NotText");
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    SetClipboardData(other, block);
    CloseClipboard();
    ASSERT_EQ(OleGetClipboard(&withoutText), S_OK);
    effect = 0xFF;
    EXPECT_EQ(target->DragEnter(withoutText, MK_LBUTTON, POINTL{50, 50}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    target->Drop(withoutText, 0, POINTL{50, 50}, &effect);
    EXPECT_EQ(dropped.size(), 1u);
  }
  // The registration went with its owner: the window takes a new one.
  IDropTarget* probe = nullptr;
  {
    ui::TextDropRegistration again;
    EXPECT_TRUE(again.Register(hwnd, nullptr));
    probe = again.Target();
    EXPECT_NE(probe, nullptr);
  }
  withText->Release();
  withoutText->Release();
  DestroyWindow(hwnd);
}

// A data object that offers text and fails while the text is taken, as the
// memory for a huge text can: the exception meets the drop target's barrier.
class TextThatCannotBeTaken final : public ui::SimpleComObject<IDataObject> {
 public:
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC*, STGMEDIUM*) override { throw std::bad_alloc(); }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

 private:
  bool Answers(REFIID iid) const override { return iid == IID_IDataObject; }
};

TEST_F(ShellPlumbingTest, ADropWhoseTextCannotBeTakenIsRefusedInsideTheTarget) {
  HWND hwnd = NewWindow();
  bool reached = false;
  ui::TextDropRegistration drop;
  ASSERT_TRUE(drop.Register(hwnd, [&](const std::string&) { reached = true; }));
  IDataObject* data = new TextThatCannotBeTaken;
  DWORD effect = 0xFF;
  HRESULT dropped = S_OK;
  EXPECT_NO_THROW(dropped = drop.Target()->Drop(data, 0, POINTL{50, 50}, &effect));
  EXPECT_EQ(dropped, E_UNEXPECTED);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_FALSE(reached);
  data->Release();
  drop.Revoke();
  DestroyWindow(hwnd);
}

TEST_F(ShellPlumbingTest, CaptureShowsItsPointerAndReleaseGivesBackOnlyItsOwn) {
  HWND hwnd = NewWindow();
  HWND other = NewWindow();
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
  SetCursor(arrow);
  {
    ui::MouseCapture capture;
    capture.Start(hwnd, cross);
    EXPECT_EQ(GetCapture(), hwnd);
    EXPECT_EQ(GetCursor(), cross);
    EXPECT_TRUE(capture.Held());
    capture.Release();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetCursor(), arrow);

    capture.Start(hwnd, cross);
    SetCapture(other);  // taken over by another window
    EXPECT_FALSE(capture.Held());
  }
  EXPECT_EQ(GetCapture(), other);
  ReleaseCapture();
  DestroyWindow(other);
  DestroyWindow(hwnd);
}

std::wstring TextOf(HWND hwnd) {
  wchar_t buf[512] = {};
  GetWindowTextW(hwnd, buf, 512);
  return buf;
}

BOOL CALLBACK FindFolderTitle(HWND child, LPARAM found) {
  if (TextOf(child) == L"选择视频保存目录") *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}

TEST_F(ShellPlumbingTest, OpenFileDialogShowsTitleAndFilterPairsAndReturnsTheChoice) {
  const std::wstring folder = testsupport::FolderInTemp(L"打开测试");
  const std::wstring file = folder + L"\\影片.mp4";
  CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  wchar_t cwdBefore[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, cwdBefore);

  std::wstring caption;
  std::vector<std::wstring> types;
  std::string chosen;
  {
    DialogDriver driver("the type box's items", testsupport::OpenFileDialogReady, [&](HWND dialog) {
      caption = TextOf(dialog);
      HWND typeBox = GetDlgItem(dialog, cmb1);
      const int count = static_cast<int>(SendMessageW(typeBox, CB_GETCOUNT, 0, 0));
      for (int i = 0; i < count; ++i) {
        wchar_t item[256] = {};
        SendMessageW(typeBox, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        types.push_back(item);
      }
      HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
      SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));
      PressDialogButton(dialog, IDOK);
    });
    // "亅" is 81 7C in GBK: its second byte is the separator's.
    chosen = ui::ChooseOpenFile(nullptr, "打开可播放文件", "亅视频|*.mp4;*.flv|全部|*.*|孤立的说明");
    EXPECT_TRUE(driver.Acted());
  }
  EXPECT_EQ(caption, L"打开可播放文件");
  EXPECT_EQ(types, (std::vector<std::wstring>{L"亅视频", L"全部"}));
  EXPECT_EQ(chosen, ui::ToGbk(file));
  wchar_t cwdAfter[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, cwdAfter);
  EXPECT_STREQ(cwdAfter, cwdBefore);

  DialogDriver cancel("the Cancel button", testsupport::ButtonReady(IDCANCEL), testsupport::Pressing(IDCANCEL));
  EXPECT_EQ(ui::ChooseOpenFile(nullptr, "打开可播放文件", "*.mp4;*.flv|*.mp4;*.flv"), "");
  EXPECT_TRUE(cancel.Acted());
}

// The folder is chosen in the dialog's tree even when the temporary folder
// above it changed just before, as the other tests change it.
TEST_F(ShellPlumbingTest, FolderDialogShowsTitleAndReturnsTheChoiceOrNothing) {
  const std::wstring folder = testsupport::FolderInTemp(L"保存目录");
  bool titleShown = false;
  std::string selection;
  std::string chosen;
  {
    DialogDriver driver("the folder tree", testsupport::FolderTreeReady, [&](HWND dialog) {
      EnumChildWindows(dialog, FindFolderTitle, reinterpret_cast<LPARAM>(&titleShown));
      selection = testsupport::SelectInFolderTree(dialog, folder);
      PressDialogButton(dialog, selection.empty() ? IDOK : IDCANCEL);
    });
    testsupport::AddAndDeleteAFile(testsupport::TempFolder());
    chosen = ui::ChooseFolder(nullptr, "选择视频保存目录");
    EXPECT_TRUE(driver.Acted());
  }
  EXPECT_TRUE(titleShown);
  EXPECT_EQ(selection, "");
  EXPECT_EQ(chosen, ui::ToGbk(folder));

  DialogDriver cancel("the Cancel button", testsupport::ButtonReady(IDCANCEL), testsupport::Pressing(IDCANCEL));
  EXPECT_EQ(ui::ChooseFolder(nullptr, "选择视频保存目录"), "");
  EXPECT_TRUE(cancel.Acted());
}

}  // namespace
