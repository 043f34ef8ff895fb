#include "sources/wtmp_layout.h"

#include <algorithm>
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

// A text field ends at its first null. What follows is not looked at: a writer that copies a
// shorter text over an older one leaves the rest of the old text there ("tty1\0tty1").
bool IsText(std::span<const std::uint8_t> field) {
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  return std::all_of(field.begin(), end, [](std::uint8_t c) { return c >= 0x20 && c != 0x7F; });
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
  std::uint64_t EntryBytes = 0;  // of the records that read as entries, empty slots left out
};

// A damaged record in every sixteen is allowed, and one in a shorter file.
constexpr std::uint64_t AllowedDamage(std::uint64_t records) {
  return std::max<std::uint64_t>(1, records / 16);
}

// recordAt(offset, length) gives the bytes of a record, empty where the file holds no more.
template <typename RecordAt>
Fit FitOf(std::uint64_t size, const RecordAt& recordAt, const WtmpLayout& layout) {
  const std::uint64_t whole = size / layout.RecordSize;
  const std::uint64_t count = std::min(whole, kLayoutSampleRecords);
  const std::uint64_t allowedDamage = AllowedDamage(count);
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
    if (record->Type != WtmpType::Empty) {
      fit.EntryBytes += layout.RecordSize;
    }
    fit.HasHistory = fit.HasHistory || IsHistoryEntry(*record);
  }
  // Damage is allowed beside entries only: a layout that reads nothing but empty slots between
  // damaged records reads the file askew, where the zeros of text fields fall on its fields.
  fit.Fits = count > damaged && (damaged == 0 || fit.EntryBytes > 0);
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
    if (!IsText(*reader.Bytes(field.Offset, field.Size))) {
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
std::optional<WtmpLayoutChoice> ChooseLayout(std::uint64_t size, const RecordAt& recordAt) {
  std::array<Fit, kWtmpLayouts.size()> fits{};
  std::optional<std::size_t> first;
  std::optional<std::size_t> best;
  bool history = false;
  for (std::size_t i = 0; i < kWtmpLayouts.size(); ++i) {
    fits[i] = FitOf(size, recordAt, kWtmpLayouts[i]);
    if (!fits[i].Fits) {
      continue;
    }
    first = first.value_or(i);
    if (!best || fits[i].EntryBytes > fits[*best].EntryBytes) {
      best = i;
    }
    history = history || fits[i].HasHistory;
  }
  if (!first) {
    return std::nullopt;
  }
  // Layouts that fit alike matter only when a record of theirs would be shown.
  if (!history) {
    return WtmpLayoutChoice{kWtmpLayouts[*first], std::nullopt};
  }
  // Of the layouts that would show entries, the one whose entries cover the larger part of the
  // file; a tie cannot be told without a guess. Read askew, a file still shows a few entries
  // where zeros fall on the fields, so a rival counts as a close call only when its entries
  // cover at least half as much.
  WtmpLayoutChoice choice{kWtmpLayouts[*best], std::nullopt};
  for (std::size_t i = 0; i < kWtmpLayouts.size(); ++i) {
    if (i == *best || !fits[i].Fits || !(fits[i].HasHistory || fits[*best].HasHistory)) {
      continue;
    }
    if (fits[i].EntryBytes == fits[*best].EntryBytes) {
      return std::nullopt;
    }
    if (fits[i].HasHistory && !choice.Rival && 2 * fits[i].EntryBytes >= fits[*best].EntryBytes) {
      choice.Rival = kWtmpLayouts[i];
    }
  }
  return choice;
}

}  // namespace

std::optional<WtmpLayoutChoice> ChooseWtmpLayout(std::span<const std::uint8_t> bytes) {
  const history::ByteReader file(bytes);
  return ChooseLayout(bytes.size(), [&file](std::uint64_t offset, std::size_t length) {
    return file.Bytes(static_cast<std::size_t>(offset), length)
        .value_or(std::span<const std::uint8_t>());
  });
}

std::optional<WtmpLayoutChoice> ChooseWtmpLayout(const BlockReader& bytes) {
  return ChooseLayout(bytes.Size(), [&bytes](std::uint64_t offset, std::size_t length) {
    return bytes.Bytes(offset, length);
  });
}

std::optional<WtmpLayout> DetectWtmpLayout(std::span<const std::uint8_t> bytes) {
  const std::optional<WtmpLayoutChoice> choice = ChooseWtmpLayout(bytes);
  return choice ? std::optional(choice->Layout) : std::nullopt;
}

std::optional<WtmpLayout> DetectWtmpLayout(const BlockReader& bytes) {
  const std::optional<WtmpLayoutChoice> choice = ChooseWtmpLayout(bytes);
  return choice ? std::optional(choice->Layout) : std::nullopt;
}

}  // namespace orvanta::sources
