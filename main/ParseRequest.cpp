// The parse of a page address: the checks and the cool-down, the GetDown request or the QVOD page scan, and what each reply does.
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "main/FileList.h"
#include "main/Globals.h"
#include "main/MainWindow.h"
#include "main/ParseAddress.h"
#include "main/ParseReply.h"
#include "main/ParseWindow.h"
#include "web/WebRequest.h"
#include "ui/App.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/MessageBox.h"
#include "ui/RadioButton.h"
#include "ui/base/WorkerThread.h"

namespace {

constexpr int kBlue = ui::Rgb(0, 0, 255);
constexpr int kRed = ui::Rgb(255, 0, 0);
constexpr int kCooldownSeconds = 5;

std::atomic<int> ParseCooldown{0};
SharedText Quality;
SharedText LastPageAddress;

// One click on 开始解析: the window it came from and what the parse thread
// read from it.
struct ParseJob {
  std::uint32_t opening = 0;
  std::string address, password, userName;
  int siteType = 0;
  bool windowOpen = false;
};

// Runs the work with the window the parse was started from, on the window
// thread; nothing happens once that window is closed.
template <typename Work>
void WithParseWindow(const ParseJob& job, Work work) {
  ui::RunOnWindowThread([&] {
    if (ui::Window* w = ParseWinOfOpening(job.opening)) work(*w);
  });
}

void SetHint(const ParseJob& job, const std::string& text, int colour) {
  WithParseWindow(job, [&](ui::Window& w) {
    ui::Label hint = w.Get<ui::Label>(kHintLabel);
    if (colour != ui::kDefaultColour) hint.SetTextColour(colour);
    hint.SetText(text);
  });
}

void EnableParseButton(const ParseJob& job) {
  WithParseWindow(job, [](ui::Window& w) { w.Get<ui::Control>(kParseButton).SetEnabled(true); });
}

// Step 1 and the reads: the button is disabled, the hint says the parse runs
// in blue, and the address, site type and credentials are taken.
void BeginParse(ParseJob& job) {
  WithParseWindow(job, [&](ui::Window& w) {
    job.windowOpen = true;
    w.Get<ui::Control>(kParseButton).SetEnabled(false);
    ui::Label hint = w.Get<ui::Label>(kHintLabel);
    hint.SetTextColour(kBlue);
    hint.SetText(kParsingText);
    job.address = w.Get<ui::Control>(kAddressBox).Text();
    ui::ComboBox types = w.Get<ui::ComboBox>(kSiteTypeBox);
    const int selected = types.Selected();
    job.siteType = selected >= 0 ? types.ItemValue(selected) : 0;
    job.password = w.Get<ui::Control>(kPasswordBox).Text();
    job.userName = w.Get<ui::Control>(kUserNameBox).Text();
  });
}

// After a result: the list is filled from this reply alone, the window the
// parse came from closes, the start window comes to the front and the
// counters move.
void ParseSucceeded(const ParseJob& job, const std::string& reply, const std::string& pageAddress) {
  const std::string title = PageTitle.Get();
  ui::RunOnWindowThread([&] {
    FillFileList(reply, title, pageAddress);
    if (ui::Window* w = ParseWinOfOpening(job.opening)) w->Close();
    ui::Window* main = MainWin();
    if (main) main->SetTopmost(true);
    ServedCount.Set(MovedCounter(ServedCount.Get(), +1));
    RemainingCount.Set(MovedCounter(RemainingCount.Get(), -1));
    if (main) main->SetTopmost(false);
  });
}

void RequestParse(const ParseJob& job, const std::string& siteType, const std::string& quality,
                  const std::string& address, const std::string& pageAddress) {
  if (siteType == "3") {
    const std::string link = QvodLinkFromPage(web::FetchPageText(address));
    if (link.empty()) {
      SetHint(job, ReplyHintText(ReplyKind::Failed), ui::kDefaultColour);
      return;
    }
    ParseSucceeded(job, link, pageAddress);
    return;
  }
  const std::string reply =
      web::FetchPageText(GetDownAddress(ServiceBase.Get(), siteType, quality, address, MachineId.Get()));
  const ReplyKind kind = ClassifyReply(reply, siteType);
  switch (kind) {
    case ReplyKind::List: ParseSucceeded(job, CleanReplyList(reply), pageAddress); return;
    case ReplyKind::QuotaUsed:
      ui::ShowMessage(kQuotaMessage, kQuotaTitle, MB_OK);
      WithParseWindow(job, [](ui::Window& w) { w.Close(); });
      return;
    case ReplyKind::Ignored: return;
    default: SetHint(job, ReplyHintText(kind), ui::kDefaultColour); return;
  }
}

void StartParse(ParseJob& job) {
  BeginParse(job);
  if (!job.windowOpen) return;
  const std::string address = TrimPageAddress(job.address);
  const std::string siteType = std::to_string(job.siteType);
  SiteType.Set(siteType);
  const int cooldown = ParseCooldown.load();
  switch (CheckParseAddress(address, cooldown)) {
    case AddressVerdict::BadAddress: SetHint(job, kBadAddressText, kRed); break;
    case AddressVerdict::CoolingDown: SetHint(job, CooldownText(cooldown), kRed); break;
    case AddressVerdict::TooShort: break;
    case AddressVerdict::Send:
      ParseCooldown = kCooldownSeconds;
      LastPageAddress.Set(address);
      RequestParse(job, siteType, Quality.Get(), WithCredentials(address, siteType, job.password, job.userName),
                   address);
      break;
  }
  EnableParseButton(job);
}

// A parse whose work throws ends as a failed one: the failure text, and the
// button back.
void ParseFailed(const ParseJob& job) {
  SetHint(job, ReplyHintText(ReplyKind::Failed), ui::kDefaultColour);
  EnableParseButton(job);
}

}  // namespace

int ParseCooldownLeft() { return ParseCooldown.load(); }

void OnParseButton(ui::Window& w, ui::Event&) {
  Quality.Set(QualityFromRadios(w.Get<ui::RadioButton>(kSuperQualityRadio).Checked(),
                                w.Get<ui::RadioButton>(kHighQualityRadio).Checked(),
                                w.Get<ui::RadioButton>(kSmoothQualityRadio).Checked(), Quality.Get()));
  auto job = std::make_shared<ParseJob>();
  job->opening = ParseWindowOpening();
  ui::WorkerThread::Start([job] { StartParse(*job); }, [job] { ParseFailed(*job); });
}

void OnParseLimitTick(ui::Window&, ui::Event&) {
  int left = ParseCooldown.load();
  while (left > 0 && !ParseCooldown.compare_exchange_weak(left, left - 1)) {
  }
  if (left > 0) return;
  if (ui::Window* w = ParseWin()) w->Get<ui::Control>(kParseButton).SetEnabled(true);
}
