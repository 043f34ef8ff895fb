#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "history/byte_reader.h"

namespace orvanta::history {

// The fixed part of an EVENTLOGRECORD, and the largest record the event log serves.
inline constexpr std::size_t kEventRecordFixedSize = 56;
inline constexpr std::uint32_t kMaxEventRecordSize = 0x7FFFF;

// The "LfLe" signature in the Reserved field of every record and in a log file's header.
inline constexpr std::uint32_t kEventLogSignature = 0x654C664C;

// Byte offsets of the EVENTLOGRECORD fields (little-endian).
struct EventRecordOffsets {
  static constexpr std::size_t Length = 0;
  static constexpr std::size_t Reserved = 4;
  static constexpr std::size_t RecordNumber = 8;
  static constexpr std::size_t TimeGenerated = 12;
  static constexpr std::size_t TimeWritten = 16;
  static constexpr std::size_t EventId = 20;
  static constexpr std::size_t EventType = 24;
  static constexpr std::size_t NumStrings = 26;
  static constexpr std::size_t EventCategory = 28;
  static constexpr std::size_t ReservedFlags = 30;
  static constexpr std::size_t ClosingRecordNumber = 32;
  static constexpr std::size_t StringOffset = 36;
  static constexpr std::size_t UserSidLength = 40;
  static constexpr std::size_t UserSidOffset = 44;
  static constexpr std::size_t DataLength = 48;
  static constexpr std::size_t DataOffset = 52;
};

// A checked view of one event record at the start of a byte span. The record's extent is its
// Length, cut to the bytes actually there; the user SID is served only when it lies wholly
// inside that extent.
class EventRecordView {
 public:
  // Nothing when the bytes cannot hold the fixed part or the Length is below it.
  static std::optional<EventRecordView> Parse(std::span<const std::uint8_t> bytes);

  std::uint32_t Length() const { return m_length; }
  std::uint32_t RecordNumber() const { return Field(EventRecordOffsets::RecordNumber); }
  // Seconds since 1970-01-01 00:00:00 UTC.
  std::uint32_t TimeGenerated() const { return Field(EventRecordOffsets::TimeGenerated); }
  std::uint32_t EventId() const { return Field(EventRecordOffsets::EventId); }
  // The low 16 bits of EventId; the severity and customer bits above are not part of it.
  std::uint16_t EventCode() const { return static_cast<std::uint16_t>(EventId() & 0xFFFF); }
  std::uint32_t UserSidLength() const { return Field(EventRecordOffsets::UserSidLength); }
  std::uint32_t UserSidOffset() const { return Field(EventRecordOffsets::UserSidOffset); }
  // The SID bytes; empty when the record carries none or they would leave the record.
  std::span<const std::uint8_t> UserSid() const;
  // True when the source name after the fixed part is ascii, without regard to ASCII case as
  // Windows compares them; false when the name does not end inside the record.
  bool SourceIs(std::string_view ascii) const;
  // The record's bytes: Length bytes, or fewer when the span ends first.
  std::span<const std::uint8_t> Bytes() const { return m_record.Span(); }

 private:
  explicit EventRecordView(ByteReader record, std::uint32_t length)
      : m_record(record), m_length(length) {}
  std::uint32_t Field(std::size_t offset) const { return m_record.U32(offset).value_or(0); }

  ByteReader m_record;
  std::uint32_t m_length = 0;
};

}  // namespace orvanta::history
