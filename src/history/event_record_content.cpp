#include "history/event_record_content.h"

#include <array>

#include "history/utf16_text.h"

namespace orvanta::history {
namespace {

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

bool IsLeap(unsigned year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

std::vector<std::string> RecordStrings(const EventRecordView& record, std::size_t most) {
  const ByteReader bytes(record.Bytes());
  const std::size_t count =
      std::min<std::size_t>(bytes.U16(EventRecordOffsets::NumStrings).value_or(0), most);
  std::vector<std::string> strings;
  std::size_t at = bytes.U32(EventRecordOffsets::StringOffset).value_or(0);
  if (at < kEventRecordFixedSize) {
    return strings;
  }
  while (strings.size() < count) {
    auto text = ReadUtf16String(bytes, at);
    if (!text) {
      break;
    }
    strings.push_back(std::move(text->first));
    at = text->second;
  }
  return strings;
}

std::span<const std::uint8_t> RecordData(const EventRecordView& record) {
  const ByteReader bytes(record.Bytes());
  const std::uint32_t length = bytes.U32(EventRecordOffsets::DataLength).value_or(0);
  const std::uint32_t offset = bytes.U32(EventRecordOffsets::DataOffset).value_or(0);
  if (length == 0 || offset < kEventRecordFixedSize || !bytes.Contains(offset, length)) {
    return {};
  }
  return bytes.Span().subspan(offset, length);
}

std::optional<std::int64_t> SystemTimeSeconds(const ByteReader& bytes, std::size_t offset) {
  constexpr std::size_t kFields = 8;  // year, month, weekday, day, hour, minute, second, ms
  std::array<unsigned, kFields> f{};
  for (std::size_t i = 0; i < kFields; ++i) {
    const std::optional<std::uint16_t> value = bytes.U16(offset + 2 * i);
    if (!value) {
      return std::nullopt;
    }
    f[i] = *value;
  }
  const unsigned year = f[0];
  const unsigned month = f[1];
  const unsigned day = f[3];
  constexpr std::array<unsigned, 12> kMonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1601 || month < 1 || month > 12 || day < 1 ||
      day > kMonthDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0) || f[4] > 23 ||
      f[5] > 59 || f[6] > 59 || f[7] > 999) {
    return std::nullopt;
  }
  return DaysFromCivil(year, month, day) * 86400 + f[4] * 3600 + f[5] * 60 + f[6];
}

}  // namespace orvanta::history
