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

constexpr std::size_t kRecordSize = 384;

// Fields of a glibc x86-64 utmp record.
constexpr std::size_t kTypeField = 0;
constexpr std::size_t kUserField = 44;
constexpr std::size_t kUserFieldSize = 32;
constexpr std::size_t kSecondsField = 340;
constexpr std::size_t kMicrosecondsField = 344;

constexpr std::int16_t kRunLevel = 1;
constexpr std::int16_t kBootTime = 2;
constexpr std::int16_t kUserProcess = 7;
constexpr std::int16_t kLastType = 9;  // ACCOUNTING

// Event ids as the event log stores them, with their severity bits.
constexpr std::uint32_t kBootEventId = 0x80000000u | history::kEventBoot;
constexpr std::uint32_t kShutdownEventId = 0x80000000u | history::kEventCleanShutdown;
constexpr std::uint32_t kServiceControlEventId = 0x40000000u | history::kEventServiceControl;

std::string_view FixedText(std::span<const std::uint8_t> field) {
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  return {reinterpret_cast<const char*>(field.data()),
          static_cast<std::size_t>(end - field.begin())};
}

void PutU32(std::vector<std::uint8_t>& out, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) {
    out[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

}  // namespace

WtmpLog::WtmpLog(ByteBuffer bytes, UserDirectory& users)
    : m_bytes(std::move(bytes)), m_users(users), m_entryCount(m_bytes.Size() / kRecordSize) {
  m_record.reserve(history::kEventRecordFixedSize + 64);
}

bool WtmpLog::Recognize(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kRecordSize) {
    return false;
  }
  history::ByteReader first(bytes.first(kRecordSize));
  const std::int16_t type = first.I16(kTypeField).value_or(-1);
  const std::int32_t microseconds = first.I32(kMicrosecondsField).value_or(-1);
  const std::string_view user = FixedText(bytes.subspan(kUserField, kUserFieldSize));
  const bool printableUser = std::all_of(user.begin(), user.end(), [](char c) {
    return static_cast<unsigned char>(c) >= 0x20 && c != 0x7F;
  });
  return type >= 0 && type <= kLastType && microseconds >= 0 && microseconds < 1'000'000 &&
         printableUser;
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
    const auto entry =
        *history::ByteReader(m_bytes.Span()).Bytes(m_entry * kRecordSize, kRecordSize);
    history::ByteReader reader(entry);
    const std::int16_t type = reader.I16(kTypeField).value_or(0);
    // The user field is read only for the types that need it: most entries are passed over.
    auto user = [&entry] { return FixedText(entry.subspan(kUserField, kUserFieldSize)); };
    std::uint32_t eventId = 0;
    std::span<const std::uint8_t> sid;
    if (type == kBootTime) {
      eventId = kBootEventId;
    } else if (type == kRunLevel && user() == "shutdown") {
      eventId = kShutdownEventId;
    } else if (type == kUserProcess) {
      eventId = kServiceControlEventId;
      sid = SidOf(user());
    } else {
      continue;
    }
    const std::size_t length = history::kEventRecordFixedSize + sid.size() + 4;
    m_record.assign(length, 0);
    PutU32(m_record, history::EventRecordOffsets::Length, static_cast<std::uint32_t>(length));
    PutU32(m_record, history::EventRecordOffsets::Reserved, history::kEventLogSignature);
    PutU32(m_record, history::EventRecordOffsets::RecordNumber,
           static_cast<std::uint32_t>(m_entry + 1));
    const auto seconds = static_cast<std::uint32_t>(reader.I32(kSecondsField).value_or(0));
    PutU32(m_record, history::EventRecordOffsets::TimeGenerated, seconds);
    PutU32(m_record, history::EventRecordOffsets::TimeWritten, seconds);
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
