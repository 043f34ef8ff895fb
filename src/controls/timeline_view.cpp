#include "controls/timeline_view.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "ui/application.h"
#include "ui/keys.h"

namespace orvanta::controls {

namespace {

constexpr std::array<const char*, 7> kWeekdays = {"周一", "周二", "周三", "周四",
                                                  "周五", "周六", "周日"};
constexpr int kTextLeft = 6;  // the date's and the captions' left margin, pixels
constexpr int kTextTop = 4;   // from a row's top to its text

std::string DateText(const history::TimelineDay& day) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d ", static_cast<int>(day.Year), day.Month,
                day.Day);
  return text + std::string(kWeekdays.at(day.Weekday % 7));
}

// Grey diagonal hatching over a light ground, every fourth pixel.
void Hatch(gfx::Canvas& canvas, const gfx::Rect& r) {
  canvas.FillRect(r, kTimelineNoRecordBack);
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      if ((x + y) % 4 == 0) {
        canvas.SetPixel(x, y, kTimelineNoRecordColor);
      }
    }
  }
}

}  // namespace

TUiTimeline::TUiTimeline() {
  SetStyle(ui::kCsAcceptsFocus);
  SetTabStop(true);
  SetColor(gfx::clWhite);
  m_vbar = &Add<ui::ScrollBar>(ui::ScrollBarKind::Vertical);
  m_vbar->OnScroll = [this](ui::ScrollCode, int position) {
    m_topRow = static_cast<std::size_t>(std::max(position, 0));
    Invalidate();
  };
}

void TUiTimeline::SetRows(history::TimelineRows rows) {
  m_rows = std::move(rows);
  m_tipHit.reset();
  Resized();
  ScrollToRow(m_topRow);
  Invalidate();
}

std::size_t TUiTimeline::VisibleRows() const {
  const int body = Height() - Geometry().BodyTop;
  return static_cast<std::size_t>(std::max(1, body / kTimelineRowHeight));
}

void TUiTimeline::ScrollToRow(std::size_t row) {
  const std::size_t count = m_rows.Days.size();
  const std::size_t visible = VisibleRows();
  m_topRow = std::min(row, count > visible ? count - visible : 0);
  UpdateScrollBar();
  Invalidate();
}

TimelineGeometry TUiTimeline::Geometry() const {
  TimelineGeometry g;
  g.Columns = LayoutTimelineColumns(StripAreaWidth());
  g.BodyTop = kTimelineHeaderHeight + (m_rows.SleepKnown ? 0 : kTimelineNoteHeight);
  g.TopRow = m_topRow;
  return g;
}

int TUiTimeline::StripAreaWidth() const {
  return std::max(0, Width() - ui::ScrollBar::kSize);
}

void TUiTimeline::UpdateScrollBar() {
  const int count = static_cast<int>(std::min<std::size_t>(m_rows.Days.size(), 1u << 30));
  m_vbar->SetParams(0, std::max(count - 1, 0), static_cast<int>(VisibleRows()),
                    static_cast<int>(m_topRow));
}

void TUiTimeline::Resized() {
  const int top = Geometry().BodyTop;
  m_vbar->SetBounds(StripAreaWidth(), top, ui::ScrollBar::kSize, std::max(0, Height() - top));
  ScrollToRow(m_topRow);
}

void TUiTimeline::Paint(gfx::Canvas& canvas) {
  const TimelineGeometry g = Geometry();
  canvas.FillRect(ClientRect(), Color());
  canvas.SetFont(Font());
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  PaintHeader(canvas, g);
  gfx::CanvasStateSaver saver(canvas);
  canvas.IntersectClipRect({0, g.BodyTop, StripAreaWidth(), Height()});
  const std::size_t end = std::min(m_rows.Days.size(), m_topRow + VisibleRows() + 1);
  for (std::size_t row = m_topRow; row < end; ++row) {
    PaintRow(canvas, g, row);
  }
}

void TUiTimeline::PaintHeader(gfx::Canvas& canvas, const TimelineGeometry& g) const {
  const int width = StripAreaWidth();
  canvas.FillRect({0, 0, Width(), kTimelineHeaderHeight}, gfx::clBtnFace);
  canvas.FillRect({0, kTimelineHeaderHeight - 1, Width(), kTimelineHeaderHeight}, gfx::clBtnShadow);
  canvas.SetTextColor(gfx::clBtnText);
  canvas.TextOut(kTextLeft, kTextTop, "日期");
  for (int hour = 0; hour <= 24; hour += 6) {
    const std::string label = std::to_string(hour);
    const int x = TimelineX(g.Columns, hour * 3600) - canvas.TextExtent(label).Width / 2;
    canvas.TextOut(x, kTextTop, label);
  }
  const std::string awake = "开机时长";
  canvas.TextOut(g.Columns.AwakeRight - kTextLeft - canvas.TextExtent(awake).Width, kTextTop,
                 awake);
  if (!m_rows.SleepKnown) {
    canvas.FillRect({0, kTimelineHeaderHeight, width, g.BodyTop}, gfx::clInfoBk);
    canvas.SetTextColor(gfx::clGrayText);
    canvas.TextOut(g.Columns.StripLeft, kTimelineHeaderHeight + 2, "此日志不记录睡眠");
  }
}

void TUiTimeline::PaintRow(gfx::Canvas& canvas, const TimelineGeometry& g, std::size_t row) const {
  const history::TimelineDay& day = m_rows.Days[row];
  const int width = StripAreaWidth();
  const gfx::Rect r = TimelineRowRect(g, row, width);
  const gfx::Rect strip{g.Columns.StripLeft, r.Top + kTimelineBlockInset,
                        g.Columns.StripLeft + kTimelineStripWidth, r.Bottom - kTimelineBlockInset};
  canvas.SetTextColor(Font().TextColor);
  canvas.TextOut(kTextLeft, r.Top + kTextTop, DateText(day));

  if (day.NoRecordUntil > 0) {
    Hatch(canvas, {strip.Left, strip.Top, TimelineX(g.Columns, day.NoRecordUntil), strip.Bottom});
  }
  for (int hour = 0; hour <= 24; ++hour) {
    const int x = TimelineX(g.Columns, hour * 3600);
    canvas.FillRect({x, r.Top + 2, x + 1, r.Bottom - 2},
                    hour % 6 == 0 ? kTimelineSixHourColor : kTimelineHourColor);
  }
  for (const history::TimelinePiece& piece : m_rows.PiecesOf(row)) {
    canvas.FillRect(TimelineBlockRect(g, row, piece), piece.Kind == history::TimelineKind::Awake
                                                          ? kTimelineAwakeColor
                                                          : kTimelineAsleepColor);
  }
  for (const history::TimelineMark& mark : m_rows.MarksOf(row)) {
    gfx::Rect tick = TimelineMarkRect(g, row, mark);
    if (mark.Kind == history::TimelineMarkKind::UnattendedWake) {
      // A wake nobody stayed for is a hairline inside the block's height, not a block.
      tick = {tick.Left + 1, r.Top + kTimelineBlockInset, tick.Left + 2,
              r.Bottom - kTimelineBlockInset};
    }
    canvas.FillRect(tick, mark.Kind == history::TimelineMarkKind::UnexpectedEnd
                              ? kTimelineEndColor
                              : kTimelineWakeColor);
  }
  if (DurationText && day.AwakeSeconds > 0) {
    const std::string text = DurationText(day.AwakeSeconds);
    canvas.SetTextColor(Font().TextColor);
    canvas.TextOut(g.Columns.AwakeRight - kTextLeft - canvas.TextExtent(text).Width,
                   r.Top + kTextTop, text);
  }
  canvas.FillRect({0, r.Bottom - 1, width, r.Bottom}, kTimelineHourColor);
}

void TUiTimeline::MouseDown(const ui::MouseEvent& e) {
  SetFocus();
  CancelTip();
  if (e.Button != ui::MouseButton::Left) {
    return;
  }
  const std::optional<TimelineHit> hit = TimelineHitAt(Geometry(), m_rows, e.Position);
  if (hit && OnRunClick) {
    OnRunClick(hit->Kind == TimelineHit::What::Piece ? m_rows.Pieces[hit->Index].Run
                                                     : m_rows.Marks[hit->Index].Run);
  }
}

void TUiTimeline::MouseMove(const ui::MouseEvent& e) {
  const std::optional<TimelineHit> hit = TimelineHitAt(Geometry(), m_rows, e.Position);
  if (hit == m_tipHit) {
    return;
  }
  CancelTip();
  m_tipHit = hit;
  const std::string text = hit && TipText ? TipText(*hit) : std::string();
  if (text.empty()) {
    return;
  }
  SetHint(text);
  SetShowHint(true);
  if (ui::Application* app = App()) {
    app->Hints().Activate(*this, ClientToScreen(e.Position));
  }
}

void TUiTimeline::MouseLeave() {
  CancelTip();
}

void TUiTimeline::CancelTip() {
  m_tipHit.reset();
  if (!ShowHint()) {
    return;
  }
  SetHint(std::string());
  SetShowHint(false);
  if (ui::Application* app = App()) {
    app->CancelHint();
  }
}

void TUiTimeline::MouseWheel(ui::WheelEvent& e) {
  const std::ptrdiff_t step = -static_cast<std::ptrdiff_t>(e.Notches) * kWheelRows;
  const std::ptrdiff_t top = static_cast<std::ptrdiff_t>(m_topRow) + step;
  ScrollToRow(static_cast<std::size_t>(std::max<std::ptrdiff_t>(top, 0)));
  e.Handled = true;
}

void TUiTimeline::KeyDown(ui::KeyEvent& e) {
  const std::size_t page = VisibleRows();
  const std::size_t top = m_topRow;
  switch (e.Key) {
    case ui::kVkUp:
      ScrollToRow(top > 0 ? top - 1 : 0);
      break;
    case ui::kVkDown:
      ScrollToRow(top + 1);
      break;
    case ui::kVkPrior:
      ScrollToRow(top > page ? top - page : 0);
      break;
    case ui::kVkNext:
      ScrollToRow(top + page);
      break;
    case ui::kVkHome:
      ScrollToRow(0);
      break;
    case ui::kVkEnd:
      ScrollToRow(m_rows.Days.size());
      break;
    default:
      return;
  }
  e.Handled = true;
}

}  // namespace orvanta::controls
