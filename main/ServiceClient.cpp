// Finding the service at start, the update check and the user lookup; runs on the bootstrap thread.
#include "main/ServiceClient.h"

#include <windows.h>
#include <wininet.h>

#include <atomic>

#include "main/Globals.h"
#include "main/MainWindow.h"
#include "main/Version.h"
#include "web/InternetHandle.h"
#include "web/TextHelpers.h"
#include "web/TextSplit.h"
#include "web/WebAddress.h"
#include "web/WebRequest.h"
#include "ui/App.h"
#include "ui/MessageBox.h"
#include "updater/UpdaterLaunch.h"
#include "ui/WebBrowserBox.h"
#include "ui/base/WideText.h"
#include "ui/base/WorkerThread.h"

namespace {

// The platform's connection state, then a test open of a fixed address.
bool MachineIsOnline() {
  DWORD flags = 0;
  if (!InternetGetConnectedState(&flags, 0)) return false;
  web::InternetHandle internet(InternetOpenA("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)",
                                             INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!internet) return false;
  web::InternetHandle url(InternetOpenUrlA(internet.Get(), TAVRIN_ONLINE_CHECK_URL, nullptr, 0,
                                           INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
  return static_cast<bool>(url);
}

// Runs on the window thread, which looks up the start window itself: the
// bootstrap thread never holds it.
void ShowAdvertisement(const std::string& address) {
  ui::PostToWindowThread([address] {
    ui::Window* w = MainWin();
    if (!w) return;
    ui::WebBrowserBox browser = w->Get<ui::WebBrowserBox>(kBrowser);
    browser.SetVisible(true);
    browser.Navigate(address);
    w->Get<ui::Control>(kBrowserPanel).SetVisible(true);
    w->SetHeight(450);
  });
}

}  // namespace

namespace {
std::atomic<int> g_startedBootstraps{0}, g_finishedBootstraps{0};
}

void StartBootstrap() {
  ++g_startedBootstraps;
  const ui::WorkerThread worker = ui::WorkerThread::Start([] {
    // Counted however the bootstrap ends, also when it throws.
    struct Counted {
      ~Counted() { ++g_finishedBootstraps; }
    } counted;
    Bootstrap();
  });
  if (!worker) --g_startedBootstraps;
}

int FinishedBootstraps() { return g_finishedBootstraps.load(); }

bool ServiceAddressPending() { return g_startedBootstraps > g_finishedBootstraps && ServiceBase.Get().empty(); }

void Bootstrap() {
  if (!MachineIsOnline()) return;
  const std::string page = web::FetchPageText(TAVRIN_BOOTSTRAP_URL);
  if (page.empty()) {
    ui::ShowMessage("对不起，无法连接数据服务器！", "温馨提示：", MB_OK | MB_ICONINFORMATION);
    return;
  }
  const std::string address = web::TextBetween(page, "S_Url=[", "]");
  const std::string host = web::TextBetween(address, "//", "/");
  ServiceBase.Set("http://" + host + "/VelkDown/");
  CheckForUpdate();
  LookUpUser();
}

void CheckForUpdate() {
  const std::string list = web::UpToFirstZero(web::RunWebRequest(ServiceBase.Get() + "up/sj.txt"));
  const std::string server = web::TextBetween(list, "版本=[", "]");
  const std::string notice = web::TextBetween(list, "更新信息=[", "]");
  const std::string page = web::TextBetween(list, "路径=[", "]");
  UpdateAdAddress.Set(web::TextBetween(list, "广告=[", "]"));

  if (IsNewerVersion(server, ProgramVersion.Get())) {
    ui::ShowMessage("软件有重要更新！请使用新版本。" + notice, "提示：", MB_OK);
    updater::LaunchUpdaterOrOpenPage(ui::ProgramDir(), ServiceBase.Get(), page);
    ui::EndProgram(0);
  }
  // The browser box is given only a web address; any other value shows no panel.
  const std::string ad = UpdateAdAddress.Get();
  if (ad.size() > 6) {
    const std::string page = web::OpenableWebAddress(ad);
    if (!page.empty()) ShowAdvertisement(page);
  }
}

void LookUpUser() {
  const std::string reply = web::FetchPageText(ServiceBase.Get() + "index.Asp?A=GetuSer&uCpu=" + MachineId.Get());
  if (reply.find('|') == std::string::npos) return;
  const std::vector<std::string> fields = web::SplitText(reply, "|");
  if (fields.size() < 5) return;
  ServedCount.Set(fields[1]);
  RemainingCount.Set(fields[2]);
}
