#include "controls/date_time_pattern.h"

#include <algorithm>
#include <array>

#include "controls/clock_locale.h"

namespace orvanta::controls {

namespace {

constexpr std::array<std::string_view, 12> kShortMonthNames = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> kLongMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kShortDayNames = {"Sun", "Mon", "Tue", "Wed",
                                                            "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 7> kLongDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::string_view kLongDatePattern = "dddd, mmmm d, yyyy";
constexpr std::string_view kShortTimePattern = "hh:nn";

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) {
    return false;
  }
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Lower(text[i]) != prefix[i]) {
      return false;
    }
  }
  return true;
}

// Runs of the same letter, any case: "yyyy" is 4.
std::size_t RunLength(std::string_view text, std::size_t pos) {
  const char letter = Lower(text[pos]);
  std::size_t end = pos + 1;
  while (end < text.size() && Lower(text[end]) == letter) {
    ++end;
  }
  return end - pos;
}

void PutNumber(std::string& out, int value, int digits) {
  std::string text = std::to_string(std::max(value, 0));
  if (static_cast<int>(text.size()) < digits) {
    out.append(static_cast<std::size_t>(digits) - text.size(), '0');
  }
  out += text;
}

int MonthIndex(const history::SystemTime& t) {
  return std::clamp(t.Month, 1, 12) - 1;
}

// 0 = Sunday, for the Gregorian calendar.
int DayOfWeek(const history::SystemTime& t) {
  static constexpr std::array<int, 12> kOffsets = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int y = std::max(t.Year, 1);
  const int m = MonthIndex(t);
  if (m < 2) {
    --y;
  }
  const int day = std::max(t.Day, 1);
  return (y + y / 4 - y / 100 + y / 400 + kOffsets[static_cast<std::size_t>(m)] + day) % 7;
}

bool IsMidnight(const history::SystemTime& t) {
  return t.Hour == 0 && t.Minute == 0 && t.Second == 0;
}

// The am/pm specifiers, longest first.
constexpr std::array<std::string_view, 3> kHalfDaySpecifiers = {"am/pm", "ampm", "a/p"};

std::size_t HalfDaySpecifierAt(std::string_view pattern, std::size_t pos) {
  for (std::string_view specifier : kHalfDaySpecifiers) {
    if (StartsWithNoCase(pattern.substr(pos), specifier)) {
      return specifier.size();
    }
  }
  return 0;
}

bool HasHalfDaySpecifier(std::string_view pattern) {
  char quote = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (quote != 0) {
      quote = pattern[i] == quote ? 0 : quote;
    } else if (pattern[i] == '"' || pattern[i] == '\'') {
      quote = pattern[i];
    } else if (HalfDaySpecifierAt(pattern, i) > 0) {
      return true;
    }
  }
  return false;
}

class PatternWriter {
 public:
  PatternWriter(const history::SystemTime& t, const ClockLocale* locale, std::string& out)
      : m_t(t), m_locale(locale), m_out(out) {}

  void Write(std::string_view pattern) {
    const bool twelveHour = HasHalfDaySpecifier(pattern);
    bool afterHour = false;  // an m right after an hour is the minutes
    std::size_t pos = 0;
    while (pos < pattern.size()) {
      const char c = pattern[pos];
      if (c == '"' || c == '\'') {
        const std::size_t end = pattern.find(c, pos + 1);
        const std::size_t stop = end == std::string_view::npos ? pattern.size() : end;
        m_out.append(pattern.substr(pos + 1, stop - pos - 1));
        pos = stop == pattern.size() ? stop : stop + 1;
        continue;
      }
      if (const std::size_t half = HalfDaySpecifierAt(pattern, pos); half > 0) {
        WriteHalfDay(pattern.substr(pos, half));
        pos += half;
        afterHour = false;
        continue;
      }
      const std::size_t run = RunLength(pattern, pos);
      const char letter = Lower(c);
      switch (letter) {
        case 'c':
          WriteDefault();
          pos += 1;
          afterHour = false;
          continue;
        case 'd':
          WriteDay(std::min<std::size_t>(run, 6));
          break;
        case 'm':
          if (afterHour) {
            PutNumber(m_out, m_t.Minute, run >= 2 ? 2 : 1);
          } else {
            WriteMonth(std::min<std::size_t>(run, 4));
          }
          break;
        case 'y':
          if (run <= 2) {
            PutNumber(m_out, std::max(m_t.Year, 0) % 100, 2);
          } else {
            PutNumber(m_out, m_t.Year, 4);
          }
          break;
        case 'h':
          PutNumber(m_out, twelveHour ? (m_t.Hour % 12 == 0 ? 12 : m_t.Hour % 12) : m_t.Hour,
                    run >= 2 ? 2 : 1);
          break;
        case 'n':
          PutNumber(m_out, m_t.Minute, run >= 2 ? 2 : 1);
          break;
        case 's':
          PutNumber(m_out, m_t.Second, run >= 2 ? 2 : 1);
          break;
        case 'z':
          PutNumber(m_out, m_t.Milliseconds, run >= 3 ? 3 : 1);
          break;
        case 't':
          if (run >= 2) {
            m_out += LongTime();
          } else {
            PatternWriter(m_t, m_locale, m_out).Write(kShortTimePattern);
          }
          break;
        default:
          m_out += c;
          pos += 1;
          continue;
      }
      // Letters beyond a specifier's longest form start the next one ("ddddddd" = "dddddd" "d").
      const std::size_t used = letter == 'd'                    ? std::min<std::size_t>(run, 6)
                               : letter == 'm' || letter == 'y' ? std::min<std::size_t>(run, 4)
                               : letter == 'z'                  ? std::min<std::size_t>(run, 3)
                                                                : std::min<std::size_t>(run, 2);
      pos += used;
      afterHour = letter == 'h';
    }
  }

 private:
  std::string ShortDate() const {
    if (m_locale != nullptr) {
      return m_locale->ShortDate(m_t);
    }
    std::string text;
    PatternWriter(m_t, nullptr, text).Write(PatternClockLocale::kFallbackShortDate);
    return text;
  }

  std::string LongTime() const {
    if (m_locale != nullptr) {
      return m_locale->LongTime(m_t);
    }
    std::string text;
    PatternWriter(m_t, nullptr, text).Write(PatternClockLocale::kFallbackLongTime);
    return text;
  }

  void WriteDefault() {
    m_out += ShortDate();
    if (!IsMidnight(m_t)) {
      m_out += ' ';
      m_out += LongTime();
    }
  }

  void WriteDay(std::size_t count) {
    const auto weekday = static_cast<std::size_t>(DayOfWeek(m_t));
    switch (count) {
      case 1:
      case 2:
        PutNumber(m_out, m_t.Day, static_cast<int>(count));
        break;
      case 3:
        m_out += kShortDayNames[weekday];
        break;
      case 4:
        m_out += kLongDayNames[weekday];
        break;
      case 5:
        m_out += ShortDate();
        break;
      default:
        PatternWriter(m_t, m_locale, m_out).Write(kLongDatePattern);
        break;
    }
  }

  void WriteMonth(std::size_t count) {
    const auto month = static_cast<std::size_t>(MonthIndex(m_t));
    if (count <= 2) {
      PutNumber(m_out, m_t.Month, static_cast<int>(count));
    } else {
      m_out += count == 3 ? kShortMonthNames[month] : kLongMonthNames[month];
    }
  }

  void WriteHalfDay(std::string_view specifier) {
    const bool pm = m_t.Hour >= 12;
    if (Lower(specifier[1]) == 'm' && Lower(specifier[2]) == 'p') {  // ampm
      m_out += pm ? "PM" : "AM";
      return;
    }
    // am/pm and a/p keep the case of the letters written.
    const std::size_t slash = specifier.find('/');
    const std::string_view half = pm ? specifier.substr(slash + 1) : specifier.substr(0, slash);
    m_out += half;
  }

  const history::SystemTime& m_t;
  const ClockLocale* m_locale;
  std::string& m_out;
};

// A run of literal text in the runtime's pattern language: letters and quotes are quoted so
// that none of them reads as a specifier.
void AppendLiteral(std::string& out, std::string_view text) {
  for (const char c : text) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (letter || c == '\'') {
      out += '"';
      out += c;
      out += '"';
    } else if (c == '"') {
      out += "'\"'";
    } else {
      out += c;
    }
  }
}

struct Conversion {
  char Letter;
  std::string_view Runtime;
};

// What each strftime conversion becomes; the rest have no runtime counterpart.
constexpr std::array<Conversion, 25> kConversions = {{
    {'a', "ddd"},      {'A', "dddd"},       {'b', "mmm"},
    {'h', "mmm"},      {'B', "mmmm"},       {'d', "dd"},
    {'e', "d"},        {'m', "mm"},         {'y', "yy"},
    {'Y', "yyyy"},     {'H', "hh"},         {'k', "h"},
    {'I', "hh"},       {'l', "h"},          {'M', "nn"},
    {'S', "ss"},       {'p', "ampm"},       {'P', "am/pm"},
    {'T', "hh:nn:ss"}, {'R', "hh:nn"},      {'r', "hh:nn:ss ampm"},
    {'D', "mm/dd/yy"}, {'F', "yyyy-mm-dd"}, {'t', "\t"},
    {'%', "%"},
}};

}  // namespace

std::string FormatDateTimePattern(std::string_view pattern, const history::SystemTime& t,
                                  const ClockLocale* locale) {
  std::string out;
  PatternWriter(t, locale, out).Write(pattern);
  return out;
}

std::optional<std::string> RuntimePatternFromStrftime(std::string_view format) {
  std::string out;
  std::size_t pos = 0;
  while (pos < format.size()) {
    const std::size_t percent = format.find('%', pos);
    AppendLiteral(out,
                  format.substr(pos, percent == std::string_view::npos ? percent : percent - pos));
    if (percent == std::string_view::npos) {
      break;
    }
    std::size_t at = percent + 1;
    // The alternative-era and alternative-digit modifiers change nothing here.
    if (at < format.size() && (format[at] == 'E' || format[at] == 'O')) {
      ++at;
    }
    if (at >= format.size()) {
      return std::nullopt;
    }
    const char letter = format[at];
    const auto it = std::find_if(kConversions.begin(), kConversions.end(),
                                 [letter](const Conversion& c) { return c.Letter == letter; });
    if (it == kConversions.end()) {
      return std::nullopt;
    }
    out += it->Runtime;
    pos = at + 1;
  }
  return out;
}

}  // namespace orvanta::controls
