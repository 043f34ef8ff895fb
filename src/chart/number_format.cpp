#include "chart/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvanta::chart {
namespace {

constexpr int kSignificantDigits = 15;

struct Picture {
  std::string Prefix;
  std::string Suffix;
  int MinIntegerDigits = 0;
  int MinDecimals = 0;
  int MaxDecimals = 0;
  bool Grouping = false;
};

bool IsPlaceholder(char c) {
  return c == '0' || c == '#';
}

Picture ParsePicture(std::string_view text) {
  Picture p;
  std::size_t first = text.find_first_of("0#.,");
  if (first == std::string_view::npos) {
    p.Prefix = std::string(text);
    return p;
  }
  std::size_t last = text.find_last_of("0#.,");
  p.Prefix = std::string(text.substr(0, first));
  p.Suffix = std::string(text.substr(last + 1));
  bool inDecimals = false;
  for (char c : text.substr(first, last - first + 1)) {
    if (c == '.') {
      inDecimals = true;
    } else if (c == ',' && !inDecimals) {
      p.Grouping = true;
    } else if (IsPlaceholder(c) && inDecimals) {
      ++p.MaxDecimals;
      if (c == '0') {
        p.MinDecimals = p.MaxDecimals;
      }
    } else if (c == '0') {
      ++p.MinIntegerDigits;
    }
  }
  return p;
}

// Decimal digits of |value| without leading zeros, and how many of them stand before the
// decimal point (may be zero or negative for values below 1).
struct Decimal {
  std::string Digits;
  int PointPos = 0;
};

Decimal ToDecimal(double magnitude) {
  Decimal d;
  if (magnitude == 0) {
    return d;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, magnitude);
  // buffer holds "d.dddddddddddddde[+-]xxx".
  std::string_view text(buffer);
  std::size_t e = text.find('e');
  d.Digits.push_back(text[0]);
  d.Digits.append(text.substr(2, e - 2));
  d.PointPos = std::atoi(buffer + e + 1) + 1;
  while (!d.Digits.empty() && d.Digits.back() == '0') {
    d.Digits.pop_back();
  }
  return d;
}

// Rounds half away from zero, keeping `decimals` digits after the point.
void RoundTo(Decimal& d, int decimals) {
  long keep = static_cast<long>(d.PointPos) + decimals;
  if (keep >= static_cast<long>(d.Digits.size())) {
    return;
  }
  if (keep < 0) {
    d.Digits.clear();
    return;
  }
  bool up = d.Digits[static_cast<std::size_t>(keep)] >= '5';
  d.Digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = static_cast<int>(keep) - 1;
    while (i >= 0 && d.Digits[static_cast<std::size_t>(i)] == '9') {
      d.Digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i >= 0) {
      ++d.Digits[static_cast<std::size_t>(i)];
    } else {
      d.Digits.insert(d.Digits.begin(), '1');
      ++d.PointPos;
    }
  }
  while (!d.Digits.empty() && d.Digits.back() == '0') {
    d.Digits.pop_back();
  }
  if (d.Digits.empty()) {
    d.PointPos = 0;
  }
}

char DigitAt(const Decimal& d, long index) {
  return index >= 0 && index < static_cast<long>(d.Digits.size())
             ? d.Digits[static_cast<std::size_t>(index)]
             : '0';
}

}  // namespace

std::string FormatFloat(std::string_view pictureText, double value) {
  if (std::isnan(value)) {
    return "NAN";
  }
  if (std::isinf(value)) {
    return value < 0 ? "-INF" : "INF";
  }
  Picture picture = ParsePicture(pictureText);
  Decimal d = ToDecimal(std::fabs(value));
  RoundTo(d, picture.MaxDecimals);

  std::string integer;
  int integerDigits = d.Digits.empty() ? 0 : d.PointPos;
  int shownDigits =
      integerDigits > picture.MinIntegerDigits ? integerDigits : picture.MinIntegerDigits;
  for (int i = 0; i < shownDigits; ++i) {
    long index = static_cast<long>(integerDigits) - shownDigits + i;
    integer.push_back(DigitAt(d, index));
    int remaining = shownDigits - i - 1;
    if (picture.Grouping && remaining > 0 && remaining % 3 == 0) {
      integer.push_back(',');
    }
  }

  std::string decimals;
  for (int i = 0; i < picture.MaxDecimals; ++i) {
    decimals.push_back(DigitAt(d, static_cast<long>(d.PointPos) + i));
  }
  while (static_cast<int>(decimals.size()) > picture.MinDecimals && !decimals.empty() &&
         decimals.back() == '0') {
    decimals.pop_back();
  }

  std::string out;
  if (value < 0 && !d.Digits.empty()) {
    out.push_back('-');
  }
  out += picture.Prefix;
  out += integer;
  if (!decimals.empty()) {
    out.push_back('.');
    out += decimals;
  }
  out += picture.Suffix;
  return out;
}

}  // namespace orvanta::chart
