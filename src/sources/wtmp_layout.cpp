#include "sources/wtmp_layout.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

namespace orvanta::sources {
namespace {

constexpr std::size_t kTypeField = 0;
constexpr std::size_t kPidField = 4;
constexpr std::size_t kUserField = 44;
constexpr std::size_t kUserFieldSize = 32;

struct TextField {
  std::size_t Offset;
  std::size_t Size;
};
// ut_line, ut_user and ut_host. ut_id is left out: some writers put bytes there that are no text.
constexpr std::array<TextField, 3> kTextFields = {
    {{8, 32}, {kUserField, kUserFieldSize}, {76, 256}}};

constexpr std::size_t kMinRecordSize = 384;
constexpr std::int64_t kMaxPid = 4'194'304;  // the largest pid_max a Linux kernel allows
constexpr std::int64_t kMicrosecondsPerSecond = 1'000'000;

// utmp writers fill the text fields with strncpy or over zeroed records: text, then nulls.
// Eight bytes at a time: most of a record is the padding of its host field.
bool AllZero(std::span<const std::uint8_t> bytes) {
  std::uint64_t any = 0;
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + i, sizeof word);
    any |= word;
  }
  for (; i < bytes.size(); ++i) {
    any |= bytes[i];
  }
  return any == 0;
}

bool IsPaddedText(std::span<const std::uint8_t> field) {
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  return std::all_of(field.begin(), end, [](std::uint8_t c) { return c >= 0x20 && c != 0x7F; }) &&
         AllZero(field.subspan(static_cast<std::size_t>(end - field.begin())));
}

std::string_view FixedText(std::span<const std::uint8_t> field) {
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  return {reinterpret_cast<const char*>(field.data()),
          static_cast<std::size_t>(end - field.begin())};
}

bool InRange(std::optional<std::int64_t> value, std::int64_t low, std::int64_t high) {
  return value && *value >= low && *value <= high;
}

// The newest records a layout is tried on: enough to tell layouts apart, few enough that a file
// of gigabytes is recognised at once.
constexpr std::uint64_t kLayoutSampleRecords = 1 << 16;

struct Fit {
  bool Fits = false;
  bool HasHistory = false;
};

// recordAt(offset, length) gives the bytes of a record, empty where the file holds no more.
template <typename RecordAt>
Fit FitOf(std::uint64_t size, const RecordAt& recordAt, const WtmpLayout& layout) {
  const std::uint64_t whole = size / layout.RecordSize;
  const std::uint64_t count = std::min(whole, kLayoutSampleRecords);
  const std::uint64_t allowedDamage = count / 16;
  std::uint64_t damaged = 0;
  Fit fit;
  for (std::uint64_t i = whole - count; i < whole; ++i) {
    const std::optional<WtmpRecord> record =
        ReadWtmpRecord(recordAt(i * layout.RecordSize, layout.RecordSize), layout);
    if (!record) {
      if (++damaged > allowedDamage) {
        return {};
      }
      continue;
    }
    fit.HasHistory = fit.HasHistory || IsHistoryEntry(*record);
  }
  fit.Fits = count > 0;
  return fit;
}

}  // namespace

std::optional<WtmpRecord> ReadWtmpRecord(std::span<const std::uint8_t> record,
                                         const WtmpLayout& layout) {
  const history::ByteReader reader(record);
  // Every field lies inside a whole record, which makes the reads of the fields below certain.
  if (!reader.Contains(0, layout.RecordSize) || layout.RecordSize < kMinRecordSize) {
    return std::nullopt;
  }
  const history::ByteOrder order = layout.Order;
  const std::optional<std::int64_t> type = reader.Signed(kTypeField, 2, order);
  const std::optional<std::uint64_t> seconds =
      reader.Unsigned(layout.SecondsField, layout.WordWidth, order);
  // A 32-bit field always passes the session and seconds checks; a 64-bit one must hold a value
  // its 32-bit twin could, or the record is read in the wrong layout.
  if (!InRange(type, 0, static_cast<std::int64_t>(WtmpType::Accounting)) ||
      !InRange(reader.Signed(kPidField, 4, order), 0, kMaxPid) ||
      !InRange(reader.Signed(layout.SessionField, layout.WordWidth, order),
               std::numeric_limits<std::int32_t>::min(),
               std::numeric_limits<std::int32_t>::max()) ||
      !seconds || *seconds > std::numeric_limits<std::uint32_t>::max() ||
      !InRange(reader.Signed(layout.MicrosecondsField, layout.WordWidth, order), 0,
               kMicrosecondsPerSecond - 1)) {
    return std::nullopt;
  }
  for (const TextField& field : kTextFields) {
    if (!IsPaddedText(*reader.Bytes(field.Offset, field.Size))) {
      return std::nullopt;
    }
  }
  return WtmpRecord{static_cast<WtmpType>(*type), static_cast<std::uint32_t>(*seconds),
                    FixedText(*reader.Bytes(kUserField, kUserFieldSize))};
}

bool IsHistoryEntry(const WtmpRecord& record) {
  return record.Type == WtmpType::BootTime || record.Type == WtmpType::UserProcess ||
         (record.Type == WtmpType::RunLevel && record.User == "shutdown");
}

bool MayBeHistoryEntry(std::span<const std::uint8_t> record, const WtmpLayout& layout) {
  const history::ByteReader reader(record);
  const std::optional<std::int64_t> type = reader.Signed(kTypeField, 2, layout.Order);
  if (!type) {
    return false;
  }
  switch (static_cast<WtmpType>(*type)) {
    case WtmpType::BootTime:
    case WtmpType::UserProcess:
      return true;
    case WtmpType::RunLevel: {
      // The user "shutdown" ends in a null or at the end of its field.
      constexpr std::string_view kShutdown = "shutdown";
      const auto user = reader.Bytes(kUserField, kShutdown.size());
      return user && std::equal(kShutdown.begin(), kShutdown.end(), user->begin());
    }
    default:
      return false;
  }
}

namespace {

template <typename RecordAt>
std::optional<WtmpLayout> DetectLayout(std::uint64_t size, const RecordAt& recordAt) {
  std::optional<WtmpLayout> found;
  std::size_t fitting = 0;
  bool history = false;
  for (const WtmpLayout& layout : kWtmpLayouts) {
    const Fit fit = FitOf(size, recordAt, layout);
    if (!fit.Fits) {
      continue;
    }
    if (!found) {
      found = layout;
    }
    ++fitting;
    history = history || fit.HasHistory;
  }
  // Layouts that fit alike matter only when a record of theirs would be shown.
  if (fitting > 1 && history) {
    return std::nullopt;
  }
  return found;
}

}  // namespace

std::optional<WtmpLayout> DetectWtmpLayout(std::span<const std::uint8_t> bytes) {
  const history::ByteReader file(bytes);
  return DetectLayout(bytes.size(), [&file](std::uint64_t offset, std::size_t length) {
    return file.Bytes(static_cast<std::size_t>(offset), length)
        .value_or(std::span<const std::uint8_t>());
  });
}

std::optional<WtmpLayout> DetectWtmpLayout(const BlockReader& bytes) {
  return DetectLayout(bytes.Size(), [&bytes](std::uint64_t offset, std::size_t length) {
    return bytes.Bytes(offset, length);
  });
}

}  // namespace orvanta::sources
