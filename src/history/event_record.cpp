#include "history/event_record.h"

#include <algorithm>

namespace orvanta::history {

std::optional<EventRecordView> EventRecordView::Parse(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  std::optional<std::uint32_t> length = reader.U32(EventRecordOffsets::Length);
  if (!length || *length < kEventRecordFixedSize || bytes.size() < kEventRecordFixedSize) {
    return std::nullopt;
  }
  const std::size_t extent = std::min<std::size_t>(*length, bytes.size());
  return EventRecordView(ByteReader(bytes.first(extent)), *length);
}

std::span<const std::uint8_t> EventRecordView::UserSid() const {
  const std::uint32_t length = UserSidLength();
  if (length == 0 || static_cast<std::uint64_t>(UserSidOffset()) + length > m_length) {
    return {};
  }
  return m_record.Bytes(UserSidOffset(), length).value_or(std::span<const std::uint8_t>{});
}

bool EventRecordView::SourceIs(std::string_view ascii) const {
  const auto lower = [](std::uint16_t c) {
    return c >= 'A' && c <= 'Z' ? static_cast<std::uint16_t>(c + 32) : c;
  };
  std::size_t at = kEventRecordFixedSize;
  for (const char c : ascii) {
    const std::optional<std::uint16_t> unit = m_record.U16(at);
    if (!unit || lower(*unit) != lower(static_cast<std::uint8_t>(c))) {
      return false;
    }
    at += 2;
  }
  return m_record.U16(at) == 0;
}

}  // namespace orvanta::history
