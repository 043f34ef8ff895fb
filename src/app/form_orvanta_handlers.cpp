// The main window's start-up and its handlers: FormCreate, the toolbar commands, the uptime
// timer, and the timeline filled after each refresh and linked both ways with the run list.
#include <algorithm>
#include <cmath>
#include <optional>

#include "app/form_orvanta.h"
#include "app/missing_sources.h"
#include "app/version_macro.h"
#include "history/date_time.h"
#include "history/local_time.h"
#include "history/timeline_days.h"
#include "present/timeline_tip.h"
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
  FillTimeline();
  if (m_services.LogFile) {
    const history::DateTime newest = m_refresh->NewestRecordTime;
    LabTimeText->SetCaption(history::IsTimeSet(newest) ? history::FormatDateTime(newest) : "");
  }
}

void TFormOrvanta::FillTimeline() {
  const history::PowerHistory& power = m_refresh->Power;
  // A saved log ends at its last record; the live one runs to today, by the program's clock
  // and the offset it took at start.
  const std::int64_t last = power.HistoryTo.value_or(0);
  m_timelineUntil = last;
  if (!m_services.LogFile) {
    if (const std::optional<history::DateTime> now =
            history::EncodeDateTime(m_services.Clock.LocalNow())) {
      const double localSeconds = (*now - history::kUnixEpochDateTime) * 86400.0;
      m_timelineUntil = std::max<std::int64_t>(
          last, std::llround(localSeconds) - std::int64_t{history::LocalBiasMinutes()} * 60);
    }
  }
  Timeline1->SetRows(history::BuildTimelineDays(power, m_timelineUntil, m_zone));
}

std::string TFormOrvanta::TimelineTip(const controls::TimelineHit& hit) const {
  const history::TimelineRows& rows = Timeline1->Rows();
  const present::TimelineTipSource source{m_refresh->Runs, m_refresh->Power, m_timelineUntil,
                                          m_zone};
  return hit.Kind == controls::TimelineHit::What::Piece
             ? present::TimelinePieceTip(source, rows.Pieces.at(hit.Index))
             : present::TimelineMarkTip(source, rows.Marks.at(hit.Index));
}

void TFormOrvanta::ShowRunInList(std::size_t run) {
  if (run >= m_refresh->Runs.size()) {
    return;
  }
  UiPageControl1->SetTabIndex(0);
  UiLWMsg->SetSelected(static_cast<int>(run));
  UiLWMsg->MakeVisible(static_cast<int>(run));
}

void TFormOrvanta::ShowRunInTimeline(int row) {
  const std::ptrdiff_t day =
      row >= 0 ? Timeline1->Rows().RowOfRun(static_cast<std::size_t>(row)) : -1;
  if (day < 0) {
    return;
  }
  UiPageControl1->SetTabIndex(2);
  Timeline1->ScrollToRow(static_cast<std::size_t>(day));
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
