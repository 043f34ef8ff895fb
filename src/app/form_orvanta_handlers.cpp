// The main window's start-up and its handlers: FormCreate, the toolbar commands and the
// uptime timer.
#include "app/form_orvanta.h"
#include "app/missing_sources.h"
#include "app/version_macro.h"
#include "history/date_time.h"
#include "history/local_time.h"
#include "present/uptime_text.h"

namespace orvanta::app {

TFormOrvanta::TFormOrvanta(ui::Application& app, PlatformServices& services)
    : ui::Form(app), Timer1(app), m_services(services) {
  Timer1.SetInterval(1000);
  Timer1.OnTimer = [this] { Timer1Timer(); };
  BuildLayout();
  FormCreate();
}

TFormOrvanta::~TFormOrvanta() {
  // The controls refer to the image lists and the pipeline; they go first.
  Timer1.SetEnabled(false);
  DestroyChildren();
}

void TFormOrvanta::FormCreate() {
  m_texts = present::kMainWindowTexts;
  m_refresh = std::make_unique<present::RunRefresh>(UiLWMsg->Model(), *Series1, m_texts);
  m_refresh->OnStatusCaption = [this](int pane, const std::string& caption) {
    UiStatusPanes.at(static_cast<std::size_t>(pane))->SetCaption(caption);
  };
  history::SetLocalBiasMinutes(history::ComputeLocalBias(m_services.Clock));
  TBRefresh->Click();
  LabVer->SetCaption(ReplaceVersionMacro(LabVer->Caption(), kProgramVersion));
}

void TFormOrvanta::TBRefreshClick() {
  std::unique_ptr<history::EventHistory> log;
  if (m_services.OpenSystemLog) {
    log = m_services.OpenSystemLog();
  }
  std::unique_ptr<history::AccountApi> accounts;
  if (m_services.OpenAccounts) {
    accounts = m_services.OpenAccounts();
  }
  UnavailableLog noLog;
  NoAccounts noAccounts;
  m_refresh->Refresh(log ? *log : noLog, accounts ? *accounts : noAccounts);
  if (m_services.LogFile) {
    const history::DateTime newest = m_refresh->NewestRecordTime;
    LabTimeText->SetCaption(history::IsTimeSet(newest) ? history::FormatDateTime(newest) : "");
  }
}

void TFormOrvanta::TBAboutClick() {
  auto about = std::make_unique<TFormAbout>(OwnerApp(), m_services.Shell, *this);
  FormAbout = about.get();
  FormAbout->Label2->SetCaption(LabVer->Caption());
  FormAbout->ShowModal();
  FormAbout = nullptr;
}

void TFormOrvanta::TBUpdateClick() {
  m_services.Shell.OpenDefault(std::string(m_texts.UpdatePageAddress));
}

void TFormOrvanta::TBHomePageClick() {
  m_services.Shell.OpenDefault(std::string(m_texts.HomePageAddress));
}

void TFormOrvanta::TBExitClick() {
  Close();
}

void TFormOrvanta::Timer1Timer() {
  // This machine's uptime says nothing about a saved log: its label keeps the log's time.
  if (m_services.LogFile) {
    return;
  }
  LabTimeText->SetCaption(present::UptimeText(m_services.Clock, m_texts));
}

}  // namespace orvanta::app
