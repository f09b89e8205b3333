// The parse road inside the program against the simulator: new-task window, request, every reply, cool-down, file list with sizes by row identity.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "main/DownloadProgress.h"
#include "main/Globals.h"
#include "main/MachineId.h"
#include "main/MainWindow.h"
#include "main/ParseWindow.h"
#include "main/ServiceClient.h"
#include "main/SizeProbes.h"
#include "main/tests/support/OnlineMachine.h"
#include "main/tests/support/SurrogateReaper.h"
#include "web/tests/support/Simulator.h"
#include "ui/App.h"
#include "ui/ClipboardText.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/base/WideText.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/base/tests/support/Pump.h"

namespace {

using testsupport::PumpFor;

testsupport::Simulator& Sim() {
  static testsupport::Simulator sim;
  return sim;
}

class ParseRoadTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ui::InitWindowLayer();
    InitGlobals();
    ASSERT_TRUE(testsupport::WaitUntilOnline());
    const int finished = FinishedBootstraps();
    main_ = ui::Window::Load(MainWindowForm);
    EXPECT_TRUE(PumpFor("the user lookup's counters", [] { return !RemainingCount.Get().empty(); }));
    EXPECT_TRUE(PumpFor("the start window's bootstrap thread to end", [&] { return FinishedBootstraps() > finished; }));
  }
  void SetUp() override {
    ASSERT_TRUE(Sim().Ready()) << "no simulator";
    ASSERT_TRUE(Sim().Reset());
    ASSERT_NE(main_, nullptr);
    ASSERT_FALSE(ServiceBase.Get().empty());
    List().Clear();
    PageTitle.Set("");
    // The cool-down of an earlier parse runs out.
    for (ui::Event tick{ui::EventType::Tick}; ParseCooldownLeft() > 0;) OnParseLimitTick(*main_, tick);
    w_ = ui::Window::Load(ParseWindowForm, main_);
    ASSERT_NE(w_, nullptr);
  }
  void TearDown() override {
    if (ParseWin()) DestroyWindow(ParseWin()->Hwnd());
    // A row without a size is probed again a few times while it is listed:
    // the probes end with their rows.
    List().Clear();
    EXPECT_TRUE(PumpFor("the size probes to end", [] { return RunningSizeProbes() == 0; }));
    EXPECT_EQ(testsupport::CloseStrayDialogs(), "") << "message boxes left open";
  }

  static ui::ListView List() { return main_->Get<ui::ListView>("L1"); }
  std::string Hint() const { return w_->Get<ui::Control>("操作提示").Text(); }
  int HintColour() const { return w_->Get<ui::Label>("操作提示").TextColour(); }
  void SelectSiteType(int index) {
    ui::ComboBox box = w_->Get<ui::ComboBox>("组合框1");
    box.Select(index);
    SendMessageW(GetParent(box.Hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box.Hwnd()), CBN_SELCHANGE),
                 (LPARAM)box.Hwnd());
  }
  // Types the address and clicks 开始解析, then waits until the parse has
  // ended (the button is enabled again) or the window closed.
  void Parse(const std::string& address) {
    w_->Get<ui::Control>("Url编辑框").SetText(address);
    w_->Get<ui::Control>("操作提示").SetText("-");
    HWND button = w_->ControlHwnd("解析");
    SendMessageW(button, BM_CLICK, 0, 0);
    // The parse thread has begun once the hint changed; it ends with the button enabled.
    EXPECT_TRUE(PumpFor("the parse to begin", [&] { return !ParseWin() || Hint() != "-"; }));
    EXPECT_TRUE(PumpFor("the parse to end", [&] { return !ParseWin() || IsWindowEnabled(button); }));
  }
  bool SizesArrived() const {
    for (int row = 0; row < List().RowCount(); ++row)
      if (List().Cell(row, 3) == "计算中") return false;
    return true;
  }
  std::string SizeOf(int row) const {
    const std::string address = List().Cell(row, 2);
    const size_t start = address.find("/video/") + 7;
    return FormatMegabytes(std::stoll(address.substr(start)));
  }

  static ui::Window* main_;
  ui::Window* w_ = nullptr;
};
ui::Window* ParseRoadTest::main_ = nullptr;

TEST_F(ParseRoadTest, AListFillsNamedRowsWithSizesAndClosesTheWindow) {
  PageTitle.Set("第四十二集");
  ServedCount.Set("12");
  RemainingCount.Set("");
  Parse("  http://v.example.cn/42.html　");  // ASCII and full-width blanks are trimmed
  EXPECT_EQ(ParseWin(), nullptr);
  EXPECT_EQ(Sim().Count("/VelkDown/index.Asp?A=GetDown&uLei=0&uLei1=1&uUrl=http://v.example.cn/42.html&uCpu=" +
                        MachineId.Get()),
            1)
      << Sim().Log();
  ASSERT_EQ(List().RowCount(), 3);
  ASSERT_TRUE(PumpFor("the rows' sizes", [&] { return SizesArrived(); }));
  for (int row = 0; row < 3; ++row) {
    const std::string n = std::to_string(row + 1);
    EXPECT_EQ(List().Cell(row, 0), n);
    EXPECT_EQ(List().Cell(row, 1), "第四十二集[" + n + "].flv");
    EXPECT_EQ(List().Cell(row, 2).find("&amp;"), std::string::npos);
    EXPECT_EQ(List().Cell(row, 3), SizeOf(row));
    EXPECT_EQ(List().Cell(row, 4), "等待中");
    EXPECT_EQ(List().Cell(row, 5), "http://v.example.cn/42.html");
  }
  for (const char* name : {"L1", "下载按钮", "编辑框2", "保存路径按钮", "选择框1"})
    EXPECT_TRUE(main_->Get<ui::Control>(name).Enabled()) << name;
  EXPECT_EQ(ServedCount.Get(), "13");
  EXPECT_EQ(RemainingCount.Get(), "-1");
  EXPECT_FALSE(main_->Topmost());
}

TEST_F(ParseRoadTest, AnEscapedLineBreakInTheAddressAddsNoHeaderLine) {
  Parse("http://www.example.com/a%0D%0AX-Injected:%20yes/abc.html");
  const std::string request = Sim().Last("/VelkDown/index.Asp?A=GetDown");
  ASSERT_FALSE(request.empty()) << Sim().Log();
  EXPECT_EQ(request.find("\r\nX-Injected"), std::string::npos) << request;
  EXPECT_NE(request.find("\r\nReferer: http://"), std::string::npos) << request;
  EXPECT_NE(request.find("a%0D%0AX-Injected: yes/abc.html"), std::string::npos) << request;
}

// A drop or the clipboard puts a text into the address box as it comes, line
// breaks and all: the address is refused and no request goes out.
TEST_F(ParseRoadTest, ARawLineBreakInTheAddressIsRefusedAndSendsNothing) {
  Parse("http://www.example.com/show/abc.html\r\nX-Injected: yes");
  EXPECT_EQ(Hint(), "输入的地址有误！");
  EXPECT_EQ(HintColour(), 255);
  EXPECT_EQ(Sim().Count("/"), 0) << Sim().Log();
}

TEST_F(ParseRoadTest, EveryReplyCodeGivesItsHintOrMessage) {
  const int blue = ui::Rgb(0, 0, 255);
  struct Case {
    int siteType;
    const char* reply;
    const char* hint;
  } cases[] = {
      {0, "", "解析失败或暂不支持此网站！"},
      {0, "1", "解析服务器繁忙，请稍后重试！"},
      {1, "3", "密码输入有误，请检查！"},
      {2, "3", "用户名或密码输入有误，请检查！"},
      {0, "3", "正在解析中..."},
      {0, "0\r\n", "正在解析中..."},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Sim().Set("getdown", c.reply));
    SelectSiteType(c.siteType);
    Parse("http://v.example.cn/1.html");
    ASSERT_NE(ParseWin(), nullptr) << c.reply;
    EXPECT_EQ(Hint(), c.hint) << "reply '" << c.reply << "' site type " << c.siteType;
    EXPECT_EQ(HintColour(), blue);
    for (ui::Event tick{ui::EventType::Tick}; ParseCooldownLeft() > 0;) OnParseLimitTick(*main_, tick);
  }
  EXPECT_EQ(List().RowCount(), 0);
  // The quota: its message box, then the window closes.
  testsupport::DialogWatcher watcher;
  ASSERT_TRUE(Sim().Set("getdown", "0"));
  Parse("http://v.example.cn/1.html");
  ASSERT_TRUE(watcher.WaitFor(1));
  EXPECT_EQ(watcher.Seen()[0].title, "温馨提示：");
  EXPECT_EQ(watcher.Seen()[0].text, "尊敬的用户：\r\n\r\n您今天的解析次数已用完，请明天继续使用！");
  EXPECT_TRUE(PumpFor("the new-task window to close", [] { return ParseWin() == nullptr; }));
}

TEST_F(ParseRoadTest, CoolDownRefusesAClickOneSecondLaterInRed) {
  ASSERT_TRUE(Sim().Set("getdown", "1"));
  // The seconds are counted here, one tick a second, whatever the machine's load.
  main_->GetTimer("解析限制时钟").SetEnabled(false);
  Parse("http://v.example.cn/1.html");
  ui::Event second{ui::EventType::Tick};
  OnParseLimitTick(*main_, second);
  Parse("http://v.example.cn/1.html");
  EXPECT_EQ(Hint(), "服务器繁忙，请稍等片刻，4 秒后重试！");
  EXPECT_EQ(HintColour(), 255);
  Parse("no-dot-here");  // refused for the address even during the cool-down
  EXPECT_EQ(Hint(), "输入的地址有误！");
  EXPECT_EQ(Sim().Count("/VelkDown/index.Asp?A=GetDown"), 1);
  // A two-byte address goes nowhere and leaves the blue progress text.
  while (ParseCooldownLeft() > 0) OnParseLimitTick(*main_, second);
  Parse("a.");
  EXPECT_EQ(Hint(), "正在解析中...");
  EXPECT_EQ(Sim().Count("/VelkDown/index.Asp?A=GetDown"), 1);
  main_->GetTimer("解析限制时钟").SetEnabled(true);
}

TEST_F(ParseRoadTest, CredentialsFollowTheAddressInOrderAndTheWindowGrows) {
  ASSERT_TRUE(Sim().Set("getdown", "1"));
  const auto outerHeight = [&] {
    RECT r;
    GetWindowRect(w_->Hwnd(), &r);
    return r.bottom - r.top;
  };
  EXPECT_EQ(outerHeight(), 202);
  SelectSiteType(2);
  EXPECT_EQ(outerHeight(), 260);
  EXPECT_TRUE(w_->Get<ui::Control>("用户名").Visible());
  w_->Get<ui::Control>("密码").SetText(" pw ");
  w_->Get<ui::Control>("用户名").SetText("me");
  Parse("v.example.cn/7.html");
  EXPECT_EQ(Sim().Count("/VelkDown/index.Asp?A=GetDown&uLei=2&uLei1=1&uUrl=v.example.cn/7.html&password=pw&username=me"
                        "&uCpu="),
            1)
      << Sim().Log();
  SelectSiteType(1);
  EXPECT_FALSE(w_->Get<ui::Control>("用户名").Visible());
  SelectSiteType(3);
  EXPECT_EQ(outerHeight(), 202);
}

TEST_F(ParseRoadTest, AQvodPageGivesOneQvodRow) {
  SelectSiteType(3);
  Parse(Sim().Url("qvod.html"));
  ASSERT_EQ(List().RowCount(), 1);
  EXPECT_EQ(List().Cell(0, 2), "qvod://123456|ABCDEF|电影.rmvb|");
  EXPECT_EQ(List().Cell(0, 1), "[1].rmvb");
  EXPECT_EQ(Sim().Count("/VelkDown/index.Asp?A=GetDown"), 0);
}

TEST_F(ParseRoadTest, SizesStayOnTheirRowsThroughADeleteAndASecondParse) {
  // Every size fails twice first, so the probes retry while the list changes.
  ASSERT_TRUE(Sim().SetJson("{\"faults\":{\"/video/\":\"failfirst=2\"}}"));
  ASSERT_TRUE(Sim().Set("getdown", "{base}/video/1100000.flv$${base}/video/2200000.flv$${base}/video/3300000.flv"));
  Parse("http://v.example.cn/a.html");
  List().DeleteRow(0);
  ASSERT_TRUE(Sim().Set("getdown", "{base}/video/4400000.mp4$${base}/video/5500000.mp4$${base}/video/6600000.flv"));
  for (ui::Event tick{ui::EventType::Tick}; ParseCooldownLeft() > 0;) OnParseLimitTick(*main_, tick);
  w_ = ui::Window::Load(ParseWindowForm, main_);
  Parse("http://v.example.cn/a.html");
  ASSERT_EQ(List().RowCount(), 5);
  // Failed probes show a size of 0 until a retry finds the real one.
  EXPECT_TRUE(PumpFor("every row's real size", [&] {
    for (int row = 0; row < 5; ++row)
      if (List().Cell(row, 3) != SizeOf(row)) return false;
    return true;
  }));
  for (int row = 0; row < 5; ++row) EXPECT_EQ(List().Cell(row, 3), SizeOf(row)) << "row " << row;
  // The second parse went in after the first old row.
  EXPECT_NE(List().Cell(1, 2).find("4400000.mp4"), std::string::npos);
}

TEST_F(ParseRoadTest, NamesAreSafeAndASecondParseOfThePageGetsNumberedNames) {
  ASSERT_TRUE(Sim().Set("getdown", "{base}/video/10.flv"));
  PageTitle.Set("..\\..\\x");
  Parse("http://v.example.cn/a.html");
  for (ui::Event tick{ui::EventType::Tick}; ParseCooldownLeft() > 0;) OnParseLimitTick(*main_, tick);
  w_ = ui::Window::Load(ParseWindowForm, main_);
  Parse("http://v.example.cn/a.html");
  ASSERT_EQ(List().RowCount(), 2);
  EXPECT_EQ(List().Cell(0, 1), ".._.._x[1].flv");
  EXPECT_EQ(List().Cell(1, 1), ".._.._x[1] (2).flv");
}

TEST_F(ParseRoadTest, ClipboardTextWithADotBecomesTheAddress) {
  ASSERT_TRUE(ui::WriteClipboardText(nullptr, "  http://v.example.cn/视频.html"));
  ASSERT_TRUE(
      PumpFor("the clipboard's address in the box", [&] { return !w_->Get<ui::Control>("Url编辑框").Text().empty(); }));
  EXPECT_EQ(w_->Get<ui::Control>("Url编辑框").Text(), "  http://v.example.cn/视频.html");
  ASSERT_TRUE(ui::WriteClipboardText(nullptr, "no dot"));
  testsupport::Pump(300);  // nothing comes of it
  EXPECT_EQ(w_->Get<ui::Control>("Url编辑框").Text(), "  http://v.example.cn/视频.html");
}

}  // namespace
