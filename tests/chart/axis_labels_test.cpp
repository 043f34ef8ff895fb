#include "chart/axis_labels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fixed_measurer.h"

namespace orvanta::chart {
namespace {

AxisScale VerticalScale(double lo, double hi, int top, int bottom) {
  AxisScale s;
  s.Horizontal = false;
  s.SetRange(lo, hi);
  s.SetPositions(top, bottom);
  return s;
}

std::vector<std::string> Texts(const std::vector<AxisLabel>& labels) {
  std::vector<std::string> out;
  for (const AxisLabel& l : labels) {
    out.push_back(l.Text);
  }
  return out;
}

TEST(NextStep, ClimbsTheOneTwoFiveLadder) {
  struct Case {
    double In;
    double Out;
  };
  for (Case c : {Case{1, 2}, Case{1.5, 2}, Case{2, 5}, Case{4.9, 5}, Case{5, 10}, Case{9.99, 10},
                 Case{10, 20}, Case{55.6, 100}, Case{0.5278, 1}, Case{0.05, 0.1},
                 Case{0.02647, 0.05}, Case{2e6, 5e6}}) {
    EXPECT_DOUBLE_EQ(NextStep(c.In), c.Out) << c.In;
  }
  EXPECT_EQ(NextStep(std::numeric_limits<double>::infinity()), 1);
  EXPECT_EQ(NextStep(0), 1);
  EXPECT_EQ(NextStep(std::nan("")), 1);
}

TEST(MaxLabelCount, CountsLabelsWithTheirSeparation) {
  EXPECT_EQ(MaxLabelCount(250, 14, 10), 17);  // 250 / (14 + 1)
  EXPECT_EQ(MaxLabelCount(250, 14, 0), 18);
  EXPECT_EQ(MaxLabelCount(250, 0, 10), 1);
  EXPECT_EQ(MaxLabelCount(620, 42, 10), 13);  // 620 / (42 + 4)
}

TEST(LabelIncrement, HoursOnAQuarterMetreAxisStepByOne) {
  FixedMeasurer measurer(14);
  AxisScale s = VerticalScale(0, 9.5, 0, 250);
  double step = LabelIncrement(s, {}, measurer, std::nullopt);
  EXPECT_DOUBLE_EQ(step, 1);
  std::vector<AxisLabel> labels = ValueLabels(s, {}, step);
  EXPECT_EQ(Texts(labels),
            (std::vector<std::string>{"9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
  EXPECT_EQ(labels.back().Pos, 250);  // 0 sits on the bottom edge
  EXPECT_EQ(labels.front().Pos, s.ValueToPos(9));
}

TEST(LabelIncrement, FractionalRangeGetsFractionalStepWithoutTrailingZeros) {
  FixedMeasurer measurer(14);
  AxisScale s = VerticalScale(0, 0.9, 0, 250);
  double step = LabelIncrement(s, {}, measurer, std::nullopt);
  EXPECT_DOUBLE_EQ(step, 0.1);
  EXPECT_EQ(Texts(ValueLabels(s, {}, step)),
            (std::vector<std::string>{"0.9", "0.8", "0.7", "0.6", "0.5", "0.4", "0.3", "0.2", "0.1",
                                      "0"}));
}

// The first label is the range's top cut down to a whole number of steps, in double precision:
// where the quotient falls just below a whole number, the top label is one step lower. Builds
// that kept excess precision in registers cut differently, so these pin the double results.
TEST(LabelIncrement, FractionalTopsAreCutInDoublePrecision) {
  struct Case {
    double Max;
    double Step;
    const char* Top;
    std::size_t Count;
  };
  FixedMeasurer measurer(14);
  for (Case c : {Case{0.9, 0.1, "0.9", 10}, Case{0.3, 0.02, "0.3", 16}, Case{0.7, 0.05, "0.65", 14},
                 Case{0.6, 0.05, "0.55", 12}, Case{2.3, 0.2, "2.2", 12}, Case{1.4, 0.1, "1.3", 14},
                 Case{0.035, 0.005, "0.035", 8}, Case{4.35, 0.5, "4", 9}}) {
    AxisScale s = VerticalScale(0, c.Max, 0, 250);
    const double step = LabelIncrement(s, {}, measurer, std::nullopt);
    EXPECT_DOUBLE_EQ(step, c.Step) << c.Max;
    const std::vector<AxisLabel> labels = ValueLabels(s, {}, step);
    ASSERT_FALSE(labels.empty()) << c.Max;
    EXPECT_EQ(labels.front().Text, c.Top) << c.Max;
    EXPECT_EQ(labels.size(), c.Count) << c.Max;
  }
}

TEST(LabelIncrement, LargeRangesTakeWholeSteps) {
  struct Case {
    double Max;
    int Pixels;
    double Step;
    const char* Top;
  };
  FixedMeasurer measurer(14);
  for (Case c : {Case{1200, 250, 100, "1,200"}, Case{1000, 250, 100, "1,000"},
                 Case{37, 250, 5, "35"}, Case{37, 60, 10, "30"}, Case{8000, 100, 2000, "8,000"}}) {
    AxisScale s = VerticalScale(0, c.Max, 0, c.Pixels);
    double step = LabelIncrement(s, {}, measurer, std::nullopt);
    EXPECT_DOUBLE_EQ(step, c.Step) << c.Max;
    std::vector<AxisLabel> labels = ValueLabels(s, {}, step);
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels.front().Text, c.Top) << c.Max;
    EXPECT_EQ(labels.back().Text, "0");
    EXPECT_LE(labels.size(), static_cast<std::size_t>(MaxLabelCount(c.Pixels, 14, 10)) + 1);
  }
}

TEST(LabelIncrement, CategoryAxisWithFewPointsStepsByWholeNumbers) {
  FixedMeasurer measurer;
  AxisScale s;
  s.SetRange(0, 3);
  s.SetPositions(0, 600);
  EXPECT_LT(LabelIncrement(s, {}, measurer, std::nullopt), 1);
  EXPECT_DOUBLE_EQ(LabelIncrement(s, {}, measurer, 4), 1);
}

TEST(ValueLabels, ZeroRangeShowsOneLabelInTheMiddle) {
  FixedMeasurer measurer;
  AxisScale s = VerticalScale(0, 0, 14, 293);
  double step = LabelIncrement(s, {}, measurer, std::nullopt);
  std::vector<AxisLabel> labels = ValueLabels(s, {}, step);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].Text, "0");
  EXPECT_EQ(labels[0].Pos, (14 + 293) / 2);
}

TEST(ValueLabels, TooManyStepsGiveNoLabels) {
  AxisScale s = VerticalScale(0, 1e6, 0, 300);
  AxisLabelSettings settings;
  settings.Increment = 1;
  EXPECT_TRUE(ValueLabels(s, settings, 1).empty());
  EXPECT_TRUE(ValueLabels(VerticalScale(0, INFINITY, 0, 300), settings, 1).empty());
}

TEST(ValueLabels, NegativeRangesReachTheirMinimum) {
  AxisScale s = VerticalScale(-3, 2, 0, 250);
  EXPECT_EQ(Texts(ValueLabels(s, {}, 1)),
            (std::vector<std::string>{"2", "1", "0", "-1", "-2", "-3"}));
}

TEST(ValueLabels, LabelsOffTheAxisEndsCanBeLeftOut) {
  AxisScale s = VerticalScale(0, 4, 0, 100);
  AxisLabelSettings settings;
  settings.LabelsOnAxis = false;
  EXPECT_EQ(Texts(ValueLabels(s, settings, 1)), (std::vector<std::string>{"3", "2", "1"}));
}

TEST(WidestValueLabel, MeasuresTheEndsRoundedToTheStepPlusASpace) {
  FixedMeasurer measurer;  // 7 pixels a character
  EXPECT_EQ(WidestValueLabel(VerticalScale(0, 9.5, 0, 250), {}, measurer, 1), 7 + 7);
  EXPECT_EQ(WidestValueLabel(VerticalScale(0, 1234, 0, 250), {}, measurer, 100), 35 + 7);
}

TEST(TextLabelSpacing, SkipsLabelsThatWouldCrowdThePreviousOne) {
  // Labels 70 pixels wide: the first is drawn; the next must leave its half plus 20 %
  // (42 pixels) clear of the previous label's half (35).
  TextLabelSpacing spacing(10);
  EXPECT_TRUE(spacing.Accept(100, 70));
  EXPECT_FALSE(spacing.Accept(150, 70));
  EXPECT_FALSE(spacing.Accept(176, 70));
  EXPECT_TRUE(spacing.Accept(177, 70));
  // From now on the drawn label's half includes the separation: 42 + 42.
  EXPECT_FALSE(spacing.Accept(260, 70));
  EXPECT_TRUE(spacing.Accept(261, 70));
  // A label to the left of the previous one is checked the other way round.
  EXPECT_FALSE(spacing.Accept(200, 70));
  EXPECT_TRUE(spacing.Accept(177, 70));
}

TEST(TextLabelSpacing, WithoutSeparationEveryLabelIsDrawn) {
  TextLabelSpacing spacing(0);
  for (int pos : {100, 101, 90, 100}) {
    EXPECT_TRUE(spacing.Accept(pos, 70)) << pos;
  }
}

TEST(MinorTickPositions, SplitsEachGapAndContinuesBeyondTheEnds) {
  std::vector<int> ticks{100, 140, 180};
  EXPECT_EQ(MinorTickPositions(ticks, 3, 0, 300),
            (std::vector<int>{90, 80, 70, 130, 120, 110, 170, 160, 150, 190, 200, 210}));
  // Only strictly inside the axis.
  EXPECT_EQ(MinorTickPositions(ticks, 3, 80, 200),
            (std::vector<int>{90, 130, 120, 110, 170, 160, 150, 190}));
  std::vector<int> one{100};
  EXPECT_TRUE(MinorTickPositions(one, 3, 0, 300).empty());
  // Downward ticks of a value axis, drawn from the top label.
  std::vector<int> down{20, 45};
  EXPECT_EQ(MinorTickPositions(down, 3, 0, 300),
            (std::vector<int>{14, 8, 1, 39, 33, 26, 51, 57, 64}));
}

}  // namespace
}  // namespace orvanta::chart
