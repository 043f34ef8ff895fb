// The main window's controls: where each one sits and how it is set up. Positions are client
// pixels of the parent at 96 pixels per inch.
#include "app/artwork.h"
#include "app/fonts.h"
#include "app/form_orvanta.h"
#include "present/duration_text.h"
#include "present/run_chart.h"
#include "present/run_list.h"

namespace orvanta::app {

namespace {

// A header label of fixed size.
ui::Label& AddFixedLabel(ui::Control& parent, int left, int top, int width, int height,
                         const char* caption) {
  ui::Label& label = parent.Add<ui::Label>();
  label.SetAutoSize(false);
  label.SetBounds(left, top, width, height);
  label.SetCaption(caption);
  return label;
}

// The header strip of a page: window-coloured, without bevel, with an icon at (8, 4).
ui::Panel& AddPageHeader(ui::Control& page, int height, ui::Image*& icon, gfx::Image picture) {
  ui::Panel& panel = page.Add<ui::Panel>();
  panel.SetBevelOuter(ui::BevelCut::None);
  panel.SetColor(gfx::clWindow);
  panel.SetBounds(0, 0, page.Width(), height);
  panel.SetAlign(ui::Align::Top);
  icon = &panel.Add<ui::Image>();
  icon->SetBounds(8, 4, 32, 32);
  icon->SetPicture(std::move(picture));
  return panel;
}

}  // namespace

void TFormOrvanta::BuildLayout() {
  SetCaption(MainWindowCaption(m_services.LogFile, m_services.System));
  SetClientSize(kClientWidth, kClientHeight);
  SetPlacement(ui::FormPlacement::DesktopCenter);
  SetFont(ArialFont(11));
  SetColor(gfx::clWindow);
  LoadImages();
  BuildToolbar();
  BuildStatusBar();
  BuildPages();
  FinishLoading();
}

void TFormOrvanta::LoadImages() {
  for (ToolbarGlyph glyph : {ToolbarGlyph::Refresh, ToolbarGlyph::Help, ToolbarGlyph::About,
                             ToolbarGlyph::Upgrade, ToolbarGlyph::HomePage, ToolbarGlyph::Exit}) {
    ImageList1.Add(PaintToolbarGlyph(glyph));
  }
  ImageList2.Add(PaintStateImage(StateImage::Normal));
  ImageList2.Add(PaintStateImage(StateImage::Abnormal));
}

controls::TUiToolButton& TFormOrvanta::AddToolButton(const char* name, const char* caption,
                                                     int imageIndex,
                                                     void (TFormOrvanta::*handler)()) {
  controls::TUiToolButton& button = UiToolbar1->Add<controls::TUiToolButton>();
  button.Name = name;
  button.SetUseToolbarButtonSize(false);
  button.SetUseToolbarButtonLayout(false);
  button.SetSize(80, 60);
  button.SetLayout(controls::blGlyphTop);
  button.SetImageIndex(imageIndex);
  button.SetFont(ArialFont(11));
  button.SetCaption(caption);
  button.OnClick = [this, handler] { (this->*handler)(); };
  return button;
}

controls::TUiSpacer& TFormOrvanta::AddSpacer(const char* name) {
  controls::TUiSpacer& spacer = UiToolbar1->Add<controls::TUiSpacer>();
  spacer.Name = name;
  spacer.SetSize(25, 50);
  spacer.SetGrooved(true);
  return spacer;
}

void TFormOrvanta::BuildToolbar() {
  UiToolbar1 = &Add<controls::TUiToolbar>();
  controls::PanelStyle look = UiToolbar1->Look();
  look.BorderOuter = controls::fsGroove;
  look.BorderInner = controls::fsNone;
  look.BorderSides = {controls::sdTop, controls::sdBottom};
  look.BorderWidth = 0;
  look.VisualStyle = controls::vsGradient;
  look.GradientColorStyle = controls::gcsSystem;
  UiToolbar1->SetLook(look);
  UiToolbar1->SetAutoStyle(false);
  UiToolbar1->SetTextOptions(controls::ttoCustom);
  UiToolbar1->SetShowButtonCaptions(true);
  controls::ToolbarMetrics metrics = UiToolbar1->Metrics();
  metrics.AutoSize = true;
  UiToolbar1->SetMetrics(metrics);
  UiToolbar1->SetImages(&ImageList1);
  UiToolbar1->SetBounds(0, 0, kClientWidth, 60);

  TBRefresh = &AddToolButton("TBRefresh", "刷新(&R)", 0, &TFormOrvanta::TBRefreshClick);
  TBRefresh->SetFont(ArialFont(11, Weight::Regular, gfx::clBlack));
  UiSpacer1 = &AddSpacer("UiSpacer1");
  TBHelp = &AddToolButton("TBHelp", "帮助(&H)", 1, &TFormOrvanta::TBHelpClick);
  TBHelp->Hide();
  TBAbout = &AddToolButton("TBAbout", "关于(&A)", 2, &TFormOrvanta::TBAboutClick);
  UiSpacer2 = &AddSpacer("UiSpacer2");
  TBUpdate = &AddToolButton("TBUpdate", "升级(&U)", 3, &TFormOrvanta::TBUpdateClick);
  TBHomePage = &AddToolButton("TBHomePage", "主页(&H)", 4, &TFormOrvanta::TBHomePageClick);
  UiSpacer3 = &AddSpacer("UiSpacer3");
  TBExit = &AddToolButton("TBExit", "退出(&E)", 5, &TFormOrvanta::TBExitClick);

  // Alignment and position go before the caption, so the label keeps its right edge.
  LabVer = &UiToolbar1->Add<ui::Label>();
  LabVer->Name = "LabVer";
  LabVer->SetAutoSize(false);
  LabVer->SetAlignment(ui::Alignment::Right);
  LabVer->SetTransparent(true);
  LabVer->SetSize(82, 14);
  LabVer->SetCaption("版本 $V$");
  UiToolbar1->SetToolbarControls({"TBRefresh", "UiSpacer1", "TBHelp", "TBAbout", "UiSpacer2",
                                  "TBUpdate", "TBHomePage", "UiSpacer3", "TBExit", "LabVer"});
}

void TFormOrvanta::BuildPages() {
  UiPageControl1 = &Add<controls::TUiPageControl>();
  UiPageControl1->SetBackgroundColor(gfx::cl3DLight);
  controls::TUiTabColors tabColors = UiPageControl1->TabColors();
  tabColors.HighlightBar = gfx::clWindow;
  UiPageControl1->SetTabColors(tabColors);
  controls::TUiTextColors textColors = UiPageControl1->TextColors();
  textColors.Selected = gfx::clBlue;
  UiPageControl1->SetTextColors(textColors);
  UiPageControl1->SetTextAlignmentVertical(ui::TextLayout::Top);
  UiPageControl1->SetFont(ArialFont(11, Weight::Bold));
  UiPageControl1->SetAlign(ui::Align::Client);
  TabSheet1 = &UiPageControl1->AddPage("日志");
  TabSheet2 = &UiPageControl1->AddPage("图表");
  TabSheet3 = &UiPageControl1->AddPage("时间线");
  for (controls::TUiTabSheet* sheet : {TabSheet1, TabSheet2, TabSheet3}) {
    sheet->SetColor(gfx::clWindow);
    sheet->SetFont(ArialFont(11));
  }
  BuildLogPage();
  BuildChartPage();
  BuildTimelinePage();
  UiPageControl1->SetTabIndex(0);
}

void TFormOrvanta::BuildLogPage() {
  Panel1 = &AddPageHeader(*TabSheet1, 40, Image1, PaintLogPageIcon());
  Label1 = &AddFixedLabel(*Panel1, 48, 13, 145, 16, "开机/关机日志");
  Label1->SetFont(ArialFont(13, Weight::Bold, gfx::clBlack));
  LabTime = &AddFixedLabel(*Panel1, 288, 16, 121, 14, "");
  LabTime->SetCaption(std::string(UptimeLabelCaption(m_services.LogFile, m_services.System)));
  LabTimeText = &AddFixedLabel(*Panel1, 416, 16, 233, 14, "");
  LabTimeText->SetFont(ArialFont(11, Weight::Regular, gfx::clMaroon));

  UiLWMsg = &TabSheet1->Add<controls::TUiListView>();
  UiLWMsg->SetHeaderSortDisplayMode(controls::hsdmRightAlign);
  UiLWMsg->SetFillLastColumn(false);
  UiLWMsg->SetBorder(ui::ControlBorder::Flat);
  UiLWMsg->SetGridLines(true);
  UiLWMsg->SetHideSelection(false);
  UiLWMsg->SetColor(gfx::clWhite);
  gfx::Font listFont;
  listFont.Name = "MS Sans Serif";
  listFont.Height = 11;
  listFont.TextColor = gfx::clBlack;
  UiLWMsg->SetFont(listFont);
  UiLWMsg->SetStateImages(&ImageList2);
  present::SetUpRunListColumns(UiLWMsg->Model());
  UiLWMsg->SetAlign(ui::Align::Client);
  UiLWMsg->OnRowDoubleClick = [this](int row) { ShowRunInTimeline(row); };
}

void TFormOrvanta::BuildChartPage() {
  Panel2 = &AddPageHeader(*TabSheet2, 41, Image2, PaintChartPageIcon());
  Label2 = &AddFixedLabel(*Panel2, 56, 13, 273, 16, "运行时间图表");
  Label2->SetFont(ArialFont(13, Weight::Bold, gfx::clBlack));

  Chart1 = &TabSheet2->Add<chart::TChartControl>();
  chart::TChart& chart = Chart1->Chart();
  chart.Color = gfx::clWhite;
  chart.LeftAxis.Title.Caption = "(小时)";
  Series1 = &chart.AddSeries();
  present::SetUpRunChartSeries(*Series1);
  Series1->BarBrush.Color = gfx::clWhite;
  Series1->BarStyle = chart::TBarStyle::bsCylinder;
  Series1->Marks.Visible = false;
  ChartTool1 = &chart.AddTool<chart::TMarksTipTool>();
  ChartTool1->Style = chart::TSeriesMarksStyle::smsLabelValue;
  Chart1->SetAlign(ui::Align::Client);
}

void TFormOrvanta::BuildTimelinePage() {
  Timeline1 = &TabSheet3->Add<controls::TUiTimeline>();
  Timeline1->SetFont(ArialFont(11, Weight::Regular, gfx::clBlack));
  // Whole minutes: a day's seconds are noise at this scale.
  Timeline1->DurationText = [this](std::int64_t seconds) {
    return present::FormatDuration(seconds / 60 * 60, m_texts);
  };
  Timeline1->TipText = [this](const controls::TimelineHit& hit) { return TimelineTip(hit); };
  Timeline1->OnRunClick = [this](std::size_t run) { ShowRunInList(run); };
  Timeline1->SetAlign(ui::Align::Client);
}

void TFormOrvanta::BuildStatusBar() {
  UiStatusBar1 = &Add<controls::TUiStatusBar>();
  UiStatusBar1->SetBounds(0, kClientHeight - 19, kClientWidth, 19);
  UiClockStatus1 = &UiStatusBar1->Add<controls::TUiClockStatus>();
  UiClockStatus1->SetBounds(0, 0, 150, 19);
  UiClockStatus1->SetAlign(ui::Align::Left);
  UiClockStatus1->Now = [this] { return m_services.Clock.LocalNow(); };
  UiClockStatus1->SetLocale(m_services.Locale);
  UiClockStatus1->UpdateClock();
  constexpr std::array<int, 4> kPaneWidths = {100, 100, 100, 200};
  int left = UiClockStatus1->Width();
  for (std::size_t i = 0; i < UiStatusPanes.size(); ++i) {
    controls::TUiStatusPane& pane = UiStatusBar1->Add<controls::TUiStatusPane>();
    pane.SetBounds(left, 0, kPaneWidths[i], 19);
    pane.SetAlign(ui::Align::Left);
    left += kPaneWidths[i];
    UiStatusPanes[i] = &pane;
  }
}

}  // namespace orvanta::app
