#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "history/byte_reader.h"
#include "sources/block_reader.h"

namespace orvanta::sources {

// How one machine's C library lays out a utmp record. The text fields and the entry type sit at
// the same offsets everywhere; the record size, the byte order and the width of ut_session and
// ut_tv (32-bit, or 64-bit on aarch64 and s390x) differ.
struct WtmpLayout {
  std::string_view Name;
  std::size_t RecordSize;
  history::ByteOrder Order;
  std::size_t WordWidth;  // bytes of ut_session, tv_sec and tv_usec each
  std::size_t SessionField;
  std::size_t SecondsField;
  std::size_t MicrosecondsField;
  friend bool operator==(const WtmpLayout&, const WtmpLayout&) = default;
};

inline constexpr std::array<WtmpLayout, 4> kWtmpLayouts = {{
    {"384-byte little-endian", 384, history::ByteOrder::Little, 4, 336, 340, 344},
    {"384-byte big-endian", 384, history::ByteOrder::Big, 4, 336, 340, 344},
    {"400-byte little-endian", 400, history::ByteOrder::Little, 8, 336, 344, 352},
    {"400-byte big-endian", 400, history::ByteOrder::Big, 8, 336, 344, 352},
}};

// Entry types of utmp records.
enum class WtmpType : std::int16_t {
  Empty = 0,
  RunLevel = 1,
  BootTime = 2,
  UserProcess = 7,
  Accounting = 9,  // the last type there is
};

// The fields of one utmp record that the history needs.
struct WtmpRecord {
  WtmpType Type;
  std::uint32_t Seconds;  // since 1970-01-01 UTC
  std::string_view User;
};

// The record's fields, or nothing when it cannot be a utmp entry in this layout: a type out of
// range, a process id, session or time no kernel gives, or a text field holding control bytes
// before the null that ends it.
std::optional<WtmpRecord> ReadWtmpRecord(std::span<const std::uint8_t> record,
                                         const WtmpLayout& layout);

// True for the entries the history is made of: boots, clean shutdowns and user logins.
bool IsHistoryEntry(const WtmpRecord& record);

// False when the record's type and user alone rule out a history entry, so that most of the
// other entries are passed over without the checks of ReadWtmpRecord.
bool MayBeHistoryEntry(std::span<const std::uint8_t> record, const WtmpLayout& layout);

// A file's layout decided by its content, and, when the choice was a close call, the other
// layout in which its records would have shown entries too, covering at least half as much.
struct WtmpLayoutChoice {
  WtmpLayout Layout;
  std::optional<WtmpLayout> Rival;
};

// Decides a file's layout by its content: a layout in which its whole records (the newest 65536
// of a larger file) read as utmp entries, allowing a damaged record in every sixteen, or one in
// a shorter file. Of several such layouts, the one whose entries (empty slots left out) cover the
// larger part of the file. Nothing when no layout fits, or when two that would yield history
// entries cover equal parts: then the file cannot be read without a guess. A trailing partial
// record is not looked at.
std::optional<WtmpLayoutChoice> ChooseWtmpLayout(std::span<const std::uint8_t> bytes);
std::optional<WtmpLayoutChoice> ChooseWtmpLayout(const BlockReader& bytes);

// The layout alone.
std::optional<WtmpLayout> DetectWtmpLayout(std::span<const std::uint8_t> bytes);
std::optional<WtmpLayout> DetectWtmpLayout(const BlockReader& bytes);

}  // namespace orvanta::sources
