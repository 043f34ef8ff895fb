#include "sources/wtmp_log.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "history/byte_reader.h"
#include "history/event_record.h"
#include "history/runs.h"
#include "history/sid.h"
#include "sources/record_read_check.h"
#include "sources/unix_account_api.h"

namespace orvanta::sources {
namespace {

// Event ids as the event log stores them, with their severity bits.
constexpr std::uint32_t kBootEventId = 0x80000000u | history::kEventBoot;
constexpr std::uint32_t kShutdownEventId = 0x80000000u | history::kEventCleanShutdown;
constexpr std::uint32_t kServiceControlEventId = 0x40000000u | history::kEventServiceControl;

void PutU32(std::vector<std::uint8_t>& out, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) {
    out[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

}  // namespace

WtmpLog::WtmpLog(ByteBuffer bytes, UserDirectory& users, const WtmpLayout& layout)
    : m_bytes(std::move(bytes)),
      m_users(users),
      m_layout(layout),
      m_entryCount(m_bytes.Size() / layout.RecordSize) {
  m_record.reserve(history::kEventRecordFixedSize + 64);
}

WtmpLog::WtmpLog(ByteBuffer bytes, UserDirectory& users)
    : WtmpLog(std::move(bytes), users, kWtmpLayouts[0]) {
  if (std::optional<WtmpLayout> layout = DetectWtmpLayout(m_bytes.Span())) {
    m_layout = *layout;
    m_entryCount = m_bytes.Size() / m_layout.RecordSize;
  } else {
    m_entryCount = 0;
  }
}

bool WtmpLog::Open() {
  m_open = true;
  m_entry = m_entryCount;
  TranslateNext();
  return true;
}

void WtmpLog::TranslateNext() {
  m_hasRecord = false;
  while (m_entry > 0) {
    --m_entry;
    const std::size_t size = m_layout.RecordSize;
    const std::optional<WtmpRecord> entry =
        ReadWtmpRecord(history::ByteReader(m_bytes.Span())
                           .Bytes(m_entry * size, size)
                           .value_or(std::span<const std::uint8_t>()),
                       m_layout);
    if (!entry || !IsHistoryEntry(*entry)) {
      continue;
    }
    std::uint32_t eventId = kBootEventId;
    std::span<const std::uint8_t> sid;
    if (entry->Type == WtmpType::RunLevel) {
      eventId = kShutdownEventId;
    } else if (entry->Type == WtmpType::UserProcess) {
      eventId = kServiceControlEventId;
      sid = SidOf(entry->User);
    }
    const std::size_t length = history::kEventRecordFixedSize + sid.size() + 4;
    m_record.assign(length, 0);
    PutU32(m_record, history::EventRecordOffsets::Length, static_cast<std::uint32_t>(length));
    PutU32(m_record, history::EventRecordOffsets::Reserved, history::kEventLogSignature);
    PutU32(m_record, history::EventRecordOffsets::RecordNumber,
           static_cast<std::uint32_t>(m_entry + 1));
    PutU32(m_record, history::EventRecordOffsets::TimeGenerated, entry->Seconds);
    PutU32(m_record, history::EventRecordOffsets::TimeWritten, entry->Seconds);
    PutU32(m_record, history::EventRecordOffsets::EventId, eventId);
    m_record[history::EventRecordOffsets::EventType] = 4;  // information
    const auto variable = static_cast<std::uint32_t>(history::kEventRecordFixedSize);
    PutU32(m_record, history::EventRecordOffsets::StringOffset,
           variable + static_cast<std::uint32_t>(sid.size()));
    PutU32(m_record, history::EventRecordOffsets::UserSidLength,
           static_cast<std::uint32_t>(sid.size()));
    PutU32(m_record, history::EventRecordOffsets::UserSidOffset, variable);
    PutU32(m_record, history::EventRecordOffsets::DataOffset,
           variable + static_cast<std::uint32_t>(sid.size()));
    std::copy(sid.begin(), sid.end(), m_record.begin() + history::kEventRecordFixedSize);
    PutU32(m_record, length - 4, static_cast<std::uint32_t>(length));
    m_hasRecord = true;
    return;
  }
}

const std::vector<std::uint8_t>& WtmpLog::SidOf(std::string_view user) {
  if (auto known = m_sids.find(user); known != m_sids.end()) {
    return known->second;
  }
  std::vector<std::uint8_t> sid;
  if (std::optional<std::uint32_t> uid = m_users.UidOf(user)) {
    sid = history::EncodeSid(UnixUserSid(*uid));
  }
  return m_sids.emplace(std::string(user), std::move(sid)).first->second;
}

bool WtmpLog::Read(std::uint32_t flags, std::uint32_t /*recordOffset*/,
                   std::span<std::uint8_t> buffer, std::uint32_t& bytesRead,
                   std::uint32_t& bytesNeeded) {
  bytesRead = 0;
  const auto length = static_cast<std::uint32_t>(m_record.size());
  m_lastError = CheckRecordRead(m_open, flags, m_hasRecord ? std::optional(length) : std::nullopt,
                                buffer.size(), bytesNeeded);
  if (m_lastError != 0) {
    return false;
  }
  std::copy(m_record.begin(), m_record.end(), buffer.begin());
  bytesRead = static_cast<std::uint32_t>(m_record.size());
  TranslateNext();
  return true;
}

void WtmpLog::Close() {
  m_open = false;
  m_hasRecord = false;
}

}  // namespace orvanta::sources
