#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "app/form_about.h"
#include "app/program.h"
#include "chart/bar_series.h"
#include "chart/chart_control.h"
#include "chart/marks_tip_tool.h"
#include "controls/clock_status.h"
#include "controls/list_view.h"
#include "controls/page_control.h"
#include "controls/spacer.h"
#include "controls/status_bar.h"
#include "controls/status_pane.h"
#include "controls/timeline_view.h"
#include "controls/tool_button.h"
#include "controls/toolbar.h"
#include "history/local_zone.h"
#include "present/main_window_texts.h"
#include "present/run_refresh.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/image_list.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/panel.h"
#include "ui/timer.h"

namespace orvanta::app {

// The program's main window: the toolbar with the commands, the log page (run list and
// uptime), the chart page and the timeline page, and the status bar with the clock and the four
// statistics. It owns its controls, the sixteen texts and the one refresh pipeline that fills the
// list, the chart and the panes. Construction builds the layout and then runs FormCreate, so the
// first refresh is done before the window is first shown.
class TFormOrvanta : public ui::Form {
 public:
  static constexpr int kClientWidth = 673;
  static constexpr int kClientHeight = 475;

  TFormOrvanta(ui::Application& app, PlatformServices& services);
  ~TFormOrvanta() override;

  const present::MainWindowTexts& Texts() const { return m_texts; }
  const history::RunList& Runs() const { return m_refresh->Runs; }
  std::int64_t TotalRunSeconds() const { return m_refresh->TotalRunSeconds; }

  // Handlers.
  void FormCreate();
  void TBRefreshClick();
  void TBHelpClick() {}
  void TBAboutClick();
  void TBUpdateClick();
  void TBHomePageClick();
  void TBExitClick();
  void Timer1Timer();

  // The About window while it is shown; TBAboutClick makes a fresh one each time.
  TFormAbout* FormAbout = nullptr;

  // Non-visual members.
  ui::ImageList ImageList1{32, 32};  // toolbar glyphs
  ui::ImageList ImageList2{16, 16};  // the list rows' state images
  ui::Timer Timer1;

  // The controls, owned by the window's control tree.
  controls::TUiToolbar* UiToolbar1 = nullptr;
  controls::TUiToolButton* TBRefresh = nullptr;
  controls::TUiSpacer* UiSpacer1 = nullptr;
  controls::TUiToolButton* TBHelp = nullptr;
  controls::TUiToolButton* TBAbout = nullptr;
  controls::TUiSpacer* UiSpacer2 = nullptr;
  controls::TUiToolButton* TBUpdate = nullptr;
  controls::TUiToolButton* TBHomePage = nullptr;
  controls::TUiSpacer* UiSpacer3 = nullptr;
  controls::TUiToolButton* TBExit = nullptr;
  ui::Label* LabVer = nullptr;

  controls::TUiPageControl* UiPageControl1 = nullptr;
  controls::TUiTabSheet* TabSheet1 = nullptr;
  ui::Panel* Panel1 = nullptr;
  ui::Image* Image1 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Label* LabTime = nullptr;
  ui::Label* LabTimeText = nullptr;
  controls::TUiListView* UiLWMsg = nullptr;
  controls::TUiTabSheet* TabSheet2 = nullptr;
  ui::Panel* Panel2 = nullptr;
  ui::Image* Image2 = nullptr;
  ui::Label* Label2 = nullptr;
  chart::TChartControl* Chart1 = nullptr;
  chart::TBarSeries* Series1 = nullptr;
  chart::TMarksTipTool* ChartTool1 = nullptr;
  controls::TUiTabSheet* TabSheet3 = nullptr;
  controls::TUiTimeline* Timeline1 = nullptr;

  controls::TUiStatusBar* UiStatusBar1 = nullptr;
  controls::TUiClockStatus* UiClockStatus1 = nullptr;
  std::array<controls::TUiStatusPane*, 4> UiStatusPanes{};  // UiStatusPane1 to UiStatusPane4

 private:
  // The layout, built once by the constructor (form_orvanta_layout.cpp).
  void BuildLayout();
  void LoadImages();
  void BuildToolbar();
  controls::TUiToolButton& AddToolButton(const char* name, const char* caption, int imageIndex,
                                         void (TFormOrvanta::*handler)());
  controls::TUiSpacer& AddSpacer(const char* name);
  void BuildPages();
  void BuildLogPage();
  void BuildChartPage();
  void BuildTimelinePage();
  // The timeline's day rows from the last refresh's power history (form_orvanta_handlers.cpp).
  void FillTimeline();
  std::string TimelineTip(const controls::TimelineHit& hit) const;
  void ShowRunInList(std::size_t run);
  void ShowRunInTimeline(int row);
  void BuildStatusBar();

  PlatformServices& m_services;
  present::MainWindowTexts m_texts{};
  std::unique_ptr<present::RunRefresh> m_refresh;
  // Where the timeline's rows end (UTC seconds) and the zone that cut them into days.
  std::int64_t m_timelineUntil = 0;
  history::ZoneOffset m_zone = history::SystemZoneOffset;
};

}  // namespace orvanta::app
