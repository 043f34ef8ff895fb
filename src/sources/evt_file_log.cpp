#include "sources/evt_file_log.h"

#include <algorithm>
#include <array>

#include "history/byte_reader.h"
#include "history/event_record.h"
#include "sources/record_read_check.h"

namespace orvanta::sources {
namespace {

constexpr std::size_t kHeaderSize = 0x30;
constexpr std::size_t kFixedPart = history::kEventRecordFixedSize;
constexpr std::uint32_t kEndOfFileSize = 0x28;
constexpr std::uint32_t kPaddingWord = 0x00000027;
constexpr std::array<std::uint32_t, 4> kEndOfFileSignature = {0x11111111, 0x22222222, 0x33333333,
                                                              0x44444444};
constexpr std::uint32_t kFlagDirty = 0x1;

// Header fields.
constexpr std::size_t kHeaderSizeField = 0;
constexpr std::size_t kSignatureField = 4;
constexpr std::size_t kStartOffsetField = 16;
constexpr std::size_t kEndOffsetField = 20;
constexpr std::size_t kFlagsField = 36;

// Fields of the end-of-file record.
constexpr std::size_t kEofBeginRecord = 20;
constexpr std::size_t kEofCurrentRecordNumber = 28;
constexpr std::size_t kEofOldestRecordNumber = 32;
constexpr std::size_t kEofSizeEnd = 36;

// A ring offset fits in the 32-bit offsets of the format; a larger file keeps its first 4 GiB.
std::size_t RingSizeOf(std::uint64_t fileSize) {
  const std::uint64_t usable = std::min<std::uint64_t>(fileSize, 0xFFFFFFFFu);
  return usable > kHeaderSize ? static_cast<std::size_t>((usable - kHeaderSize) / 4 * 4) : 0;
}

// True when the words from index on are an end-of-file record: its length at both ends and
// its signature after the first.
template <typename WordAt>
bool IsEndOfFileRecord(const WordAt& word, std::size_t index) {
  if (word(index) != kEndOfFileSize || word(index + kEofSizeEnd) != kEndOfFileSize) {
    return false;
  }
  for (std::size_t i = 0; i < kEndOfFileSignature.size(); ++i) {
    if (word(index + 4 + 4 * i) != kEndOfFileSignature[i]) {
      return false;
    }
  }
  return true;
}

// A cleared log saved compactly: the header and its end-of-file record, too short for a record.
// head holds the first bytes of a file of fileSize bytes, its header and the ring's first record.
bool IsCompactClearedLog(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
  const history::ByteReader file(head);
  return RingSizeOf(fileSize) >= kEndOfFileSize &&
         IsEndOfFileRecord(
             [&file](std::size_t at) { return file.U32(kHeaderSize + at).value_or(0); }, 0);
}

// Bytes of the file that its checks look at: the header and an end-of-file record after it.
constexpr std::size_t kHeadSize = kHeaderSize + kEndOfFileSize;

std::optional<std::string> CheckHead(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
  history::ByteReader header(head);
  if (header.U32(kSignatureField) != history::kEventLogSignature) {
    return "not an event log file";
  }
  if (fileSize < kHeaderSize) {
    return "truncated event log header";
  }
  if (header.U32(kHeaderSizeField) != kHeaderSize) {
    return "damaged event log header";
  }
  if (RingSizeOf(fileSize) < kEndOfFileSize + kFixedPart && !IsCompactClearedLog(head, fileSize)) {
    return "truncated event log";
  }
  return std::nullopt;
}

}  // namespace

EvtFileLog::EvtFileLog(BlockReader bytes) : m_bytes(std::move(bytes)) {
  m_valid = !Check(m_bytes).has_value();
  if (!m_valid) {
    return;
  }
  m_ringSize = RingSizeOf(m_bytes.Size());
  const std::span<const std::uint8_t> header = m_bytes.Head(kHeaderSize);
  m_header.assign(header.begin(), header.end());
  FindEnd();
  if (!m_endOfFile) {
    WalkForward();
  }
}

bool EvtFileLog::HasSignature(std::span<const std::uint8_t> bytes) {
  return history::ByteReader(bytes).U32(kSignatureField) == history::kEventLogSignature;
}

std::optional<std::string> EvtFileLog::Check(std::span<const std::uint8_t> bytes) {
  return CheckHead(bytes.first(std::min(bytes.size(), kHeadSize)), bytes.size());
}

std::optional<std::string> EvtFileLog::Check(const BlockReader& bytes) {
  return CheckHead(bytes.Head(kHeadSize), bytes.Size());
}

std::uint32_t EvtFileLog::Word(std::size_t index) const {
  if (index >= m_ringSize) {
    index %= m_ringSize;
  }
  if (index + 4 <= m_ringSize) {
    return history::ByteReader(m_bytes.Bytes(kHeaderSize + index, 4)).U32(0).value_or(0);
  }
  // A word split by the end of the ring continues after the header.
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t at = kHeaderSize + (index + i) % m_ringSize;
    value |= static_cast<std::uint32_t>(history::ByteReader(m_bytes.Bytes(at, 1)).U8(0).value_or(0))
             << (8 * i);
  }
  return value;
}

std::optional<std::size_t> EvtFileLog::RingIndexOf(std::uint32_t fileOffset) const {
  if (fileOffset < kHeaderSize || fileOffset - kHeaderSize >= m_ringSize || fileOffset % 4 != 0) {
    return std::nullopt;
  }
  return fileOffset - kHeaderSize;
}

std::optional<EvtFileLog::EndOfFile> EvtFileLog::ReadEndOfFileAt(std::size_t index) const {
  if (!IsEndOfFileRecord([this](std::size_t at) { return Word(at); }, index)) {
    return std::nullopt;
  }
  EndOfFile end{index, RingIndexOf(Word(index + kEofBeginRecord)),
                Word(index + kEofCurrentRecordNumber)};
  // Only an empty log (no number between the oldest and the next, or none at all after it was
  // cleared) starts where it ends; a log of records that says so has its oldest offset wrong,
  // and is walked back as far as its records chain.
  const std::uint32_t oldestNumber = Word(index + kEofOldestRecordNumber);
  if (end.Oldest == index && oldestNumber != 0 && oldestNumber != end.CurrentRecordNumber) {
    end.Oldest.reset();
  }
  return end;
}

bool EvtFileLog::IsLiveEnd(const EndOfFile& end) const {
  if (Word(end.Position + kEofOldestRecordNumber) == end.CurrentRecordNumber) {
    return true;  // an empty log
  }
  const std::optional<Record> newest = RecordEndingAt(end.Position);
  return newest && Word(newest->Start + history::EventRecordOffsets::RecordNumber) + 1 ==
                       end.CurrentRecordNumber;
}

void EvtFileLog::FindEnd() {
  history::ByteReader header(m_header);
  const bool dirty = (header.U32(kFlagsField).value_or(0) & kFlagDirty) != 0;
  // A clean header points at the end-of-file record; a dirty one may not, and then the ring
  // is searched for it. Of several, the newest is one that follows the record numbered just
  // before the next number it names (a stale one lies after other bytes), and of those the one
  // that counts the most records.
  if (std::optional<std::size_t> end = RingIndexOf(header.U32(kEndOffsetField).value_or(0));
      end && !dirty) {
    if (std::optional<EndOfFile> found = ReadEndOfFileAt(*end)) {
      m_endOfFile = found;
      return;
    }
  }
  bool liveFound = false;
  for (std::size_t index = 0; index < m_ringSize; index += 4) {
    if (Word(index) != kEndOfFileSize || Word(index + 4) != kEndOfFileSignature[0]) {
      continue;
    }
    std::optional<EndOfFile> found = ReadEndOfFileAt(index);
    if (!found) {
      continue;
    }
    const bool live = IsLiveEnd(*found);
    if (!m_endOfFile || (live && !liveFound) ||
        (live == liveFound && found->CurrentRecordNumber > m_endOfFile->CurrentRecordNumber)) {
      m_endOfFile = found;
      liveFound = live;
    }
  }
}

void EvtFileLog::WalkForward() {
  history::ByteReader header(m_header);
  std::optional<std::size_t> start = RingIndexOf(header.U32(kStartOffsetField).value_or(0));
  if (!start) {
    return;
  }
  std::size_t index = *start;
  std::size_t walked = 0;
  while (walked < m_ringSize) {
    if (Word(index) == kPaddingWord && index != 0) {
      walked += m_ringSize - index;
      index = 0;
      continue;
    }
    const std::uint32_t length = Word(index);
    if (length < kFixedPart || length % 4 != 0 || length > history::kMaxEventRecordSize ||
        walked + length > m_ringSize || Word(index + 4) != history::kEventLogSignature ||
        Word(index + length - 4) != length) {
      break;
    }
    m_forwardRecords.push_back({index, length});
    walked += length;
    index = (index + length) % m_ringSize;
    if (index == *start) {
      break;
    }
  }
}

std::optional<EvtFileLog::Record> EvtFileLog::RecordEndingAt(std::size_t position,
                                                             std::size_t* skipped) const {
  std::size_t end = position;
  if (end == 0) {
    // The older record ends at the end of the file, before any padding there.
    end = m_ringSize;
    while (end >= 4 && Word(end - 4) == kPaddingWord) {
      end -= 4;
    }
    if (end == 0) {
      return std::nullopt;
    }
  }
  if (skipped) {
    *skipped = position == 0 ? m_ringSize - end : 0;
  }
  const std::uint32_t length = Word(end - 4);  // the older record's closing length
  if (length < kFixedPart || length % 4 != 0 || length > history::kMaxEventRecordSize ||
      length > m_ringSize - kEndOfFileSize) {
    return std::nullopt;
  }
  const std::size_t start = end >= length ? end - length : end + m_ringSize - length;
  if (Word(start) != length || Word(start + 4) != history::kEventLogSignature) {
    return std::nullopt;
  }
  return Record{start, length};
}

std::optional<EvtFileLog::Record> EvtFileLog::RecordBefore(std::size_t position) {
  if (m_endOfFile->Oldest && position == *m_endOfFile->Oldest) {
    return std::nullopt;
  }
  std::size_t skipped = 0;
  const std::optional<Record> record = RecordEndingAt(position, &skipped);
  if (!record || m_walked + skipped + record->Length > m_ringSize - kEndOfFileSize) {
    return std::nullopt;
  }
  m_walked += skipped + record->Length;
  return record;
}

bool EvtFileLog::CopyRing(std::size_t index, std::span<std::uint8_t> into) const {
  // In block-sized pieces, so that each is a view of a block the reader keeps.
  while (!into.empty()) {
    const std::size_t length = std::min(into.size(), BlockReader::kBlockSize);
    const std::span<const std::uint8_t> piece = m_bytes.Bytes(kHeaderSize + index, length);
    if (piece.size() != length) {
      return false;
    }
    std::copy(piece.begin(), piece.end(), into.begin());
    into = into.subspan(length);
    index += length;
  }
  return true;
}

bool EvtFileLog::Open() {
  if (!m_valid) {
    m_lastError = kErrorInvalidHandle;
    return false;
  }
  m_open = true;
  m_walked = 0;
  m_next.reset();
  m_forwardNext = m_forwardRecords.size();
  if (m_endOfFile) {
    m_next = RecordBefore(m_endOfFile->Position);
  } else if (m_forwardNext > 0) {
    m_next = m_forwardRecords[--m_forwardNext];
  }
  return true;
}

bool EvtFileLog::Read(std::uint32_t flags, std::uint32_t /*recordOffset*/,
                      std::span<std::uint8_t> buffer, std::uint32_t& bytesRead,
                      std::uint32_t& bytesNeeded) {
  bytesRead = 0;
  m_lastError =
      CheckRecordRead(m_open, flags, m_next ? std::optional(m_next->Length) : std::nullopt,
                      buffer.size(), bytesNeeded);
  if (m_lastError != 0) {
    return false;
  }
  const Record record = *m_next;
  // The record may run past the end of the file and continue after the header.
  const std::size_t first = std::min<std::size_t>(record.Length, m_ringSize - record.Start);
  if (!CopyRing(record.Start, buffer.first(first)) ||
      !CopyRing(0, buffer.subspan(first, record.Length - first))) {
    // The file shrank under the record since it was checked: it ends here, as if truncated.
    m_next.reset();
    m_lastError = history::kErrorHandleEof;
    return false;
  }
  bytesRead = record.Length;

  m_next.reset();
  if (m_endOfFile) {
    m_next = RecordBefore(record.Start);
  } else if (m_forwardNext > 0) {
    m_next = m_forwardRecords[--m_forwardNext];
  }
  return true;
}

void EvtFileLog::Close() {
  m_open = false;
  m_next.reset();
}

}  // namespace orvanta::sources
