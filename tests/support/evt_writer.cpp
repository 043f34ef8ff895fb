#include "support/evt_writer.h"

#include <stdexcept>

#include "support/byte_writer.h"

namespace orvanta::testsupport {
namespace {

constexpr std::uint32_t kSignature = 0x654C664C;  // "LfLe"
constexpr std::uint32_t kPaddingWord = 0x00000027;
constexpr std::size_t kFixedPart = 56;
constexpr std::size_t kEndOfFileSize = 0x28;
constexpr std::uint32_t kFlagDirty = 1;
constexpr std::uint32_t kFlagWrapped = 2;

// Writes bytes into the circular data area [kEvtHeaderSize, file size) starting at pos,
// padding the end first when less than minRoom bytes are left; returns where they began.
class CircularWriter {
 public:
  explicit CircularWriter(std::vector<std::uint8_t>& file, std::size_t pos)
      : m_file(file), m_pos(pos) {}

  std::size_t Put(const std::vector<std::uint8_t>& bytes, std::size_t minRoom) {
    if (m_file.size() - m_pos < minRoom) {
      for (std::size_t p = m_pos; p + 4 <= m_file.size(); p += 4) {
        PutWord(p, kPaddingWord);
      }
      m_written += m_file.size() - m_pos;
      m_pos = kEvtHeaderSize;
      m_wrapped = true;
    }
    const std::size_t start = m_pos;
    for (std::uint8_t b : bytes) {
      if (m_pos == m_file.size()) {
        m_pos = kEvtHeaderSize;
        m_wrapped = true;
      }
      m_file[m_pos++] = b;
    }
    m_written += bytes.size();
    return start;
  }
  bool Wrapped() const { return m_wrapped; }
  // Bytes written so far, padding included; more than the data area means an overlap.
  std::size_t Written() const { return m_written; }

 private:
  void PutWord(std::size_t p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
      m_file[p + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
  }

  std::vector<std::uint8_t>& m_file;
  std::size_t m_pos;
  bool m_wrapped = false;
  std::size_t m_written = 0;
};

}  // namespace

std::vector<std::uint8_t> BuildEventRecord(const EventSpec& event, std::uint32_t recordNumber) {
  ByteWriter w;
  w.U32(0);  // Length, patched below
  w.U32(kSignature);
  w.U32(recordNumber);
  w.U32(event.TimeGenerated);
  w.U32(event.TimeGenerated);  // TimeWritten
  w.U32(event.EventId);
  w.U16(4);                                                 // information
  w.U16(static_cast<std::uint16_t>(event.Strings.size()));  // NumStrings
  w.U16(0);                                                 // EventCategory
  w.U16(0);                                                 // ReservedFlags
  w.U32(0);                                                 // ClosingRecordNumber
  w.U32(0);                                                 // StringOffset, patched
  w.U32(static_cast<std::uint32_t>(event.UserSid.size()));
  w.U32(0);  // UserSidOffset, patched
  w.U32(static_cast<std::uint32_t>(event.DataLength + event.Data.size()));
  w.U32(0);  // DataOffset, patched
  if (!event.Source.empty()) {
    w.Utf16z(event.Source);
  } else {
    w.Utf16z((event.EventId & 0xFFFF) == 7035 ? "Service Control Manager" : "EventLog");
  }
  w.Utf16z("ORVANTA-PC");
  w.AlignTo4();
  w.PatchU32(44, static_cast<std::uint32_t>(w.Size()));
  w.Append(event.UserSid);
  w.AlignTo4();
  w.PatchU32(36, static_cast<std::uint32_t>(w.Size()));
  for (const std::string& text : event.Strings) {
    w.Utf16z(text);
  }
  w.PatchU32(52, static_cast<std::uint32_t>(w.Size()));
  for (std::size_t i = 0; i < event.DataLength; ++i) {
    w.U8(static_cast<std::uint8_t>(i * 7 + 1));
  }
  w.Append(event.Data);
  w.AlignTo4();
  const auto length = static_cast<std::uint32_t>(w.Size() + 4);
  w.U32(length);
  w.PatchU32(0, length);
  return std::move(w.Bytes());
}

std::vector<std::uint8_t> BuildEndOfFileRecord(std::uint32_t beginRecord, std::uint32_t endRecord,
                                               std::uint32_t currentRecordNumber,
                                               std::uint32_t oldestRecordNumber) {
  ByteWriter w;
  w.U32(kEndOfFileSize);
  w.U32(0x11111111);
  w.U32(0x22222222);
  w.U32(0x33333333);
  w.U32(0x44444444);
  w.U32(beginRecord);
  w.U32(endRecord);
  w.U32(currentRecordNumber);
  w.U32(oldestRecordNumber);
  w.U32(kEndOfFileSize);
  return std::move(w.Bytes());
}

std::vector<std::uint8_t> WriteEvtFile(const std::vector<EventSpec>& oldestFirst,
                                       const EvtLayout& layout) {
  std::vector<std::vector<std::uint8_t>> records;
  records.reserve(oldestFirst.size());
  std::size_t total = 0;
  for (std::size_t i = 0; i < oldestFirst.size(); ++i) {
    records.push_back(
        BuildEventRecord(oldestFirst[i], layout.FirstRecordNumber + static_cast<std::uint32_t>(i)));
    total += records.back().size();
  }
  std::size_t fileSize = layout.FileSize;
  if (fileSize == 0) {
    fileSize = layout.FirstRecordOffset + total + kEndOfFileSize;
  }
  if (fileSize % 4 != 0 || layout.FirstRecordOffset % 4 != 0 ||
      layout.FirstRecordOffset < kEvtHeaderSize || layout.FirstRecordOffset >= fileSize) {
    throw std::invalid_argument("bad log file layout");
  }
  std::vector<std::uint8_t> file(fileSize, 0);
  if (layout.StaleFill) {
    // Old records of a fixed size, one after another over the whole data area.
    std::vector<std::uint8_t> stale = BuildEventRecord({6005, 1000, {}, 20}, 99);
    for (std::size_t p = kEvtHeaderSize; p < fileSize; ++p) {
      file[p] = stale[(p - kEvtHeaderSize) % stale.size()];
    }
  }
  CircularWriter writer(file, layout.FirstRecordOffset);
  std::size_t firstOffset = layout.FirstRecordOffset;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::size_t at = writer.Put(records[i], kFixedPart);
    if (i == 0) {
      firstOffset = at;
    }
  }
  const std::uint32_t nextNumber =
      layout.FirstRecordNumber + static_cast<std::uint32_t>(records.size());
  // The end-of-file record names its own offset, which is known only once it is placed:
  // place a draft, then write the final bytes at the same spot.
  CircularWriter probe = writer;
  const std::size_t eofOffset =
      probe.Put(std::vector<std::uint8_t>(kEndOfFileSize), kEndOfFileSize);
  writer.Put(BuildEndOfFileRecord(static_cast<std::uint32_t>(firstOffset),
                                  static_cast<std::uint32_t>(eofOffset), nextNumber,
                                  layout.FirstRecordNumber),
             kEndOfFileSize);

  if (writer.Written() > fileSize - kEvtHeaderSize) {
    throw std::invalid_argument("the events do not fit the log file");
  }

  ByteWriter header;
  header.U32(kEvtHeaderSize);
  header.U32(kSignature);
  header.U32(1);  // major version
  header.U32(1);  // minor version
  header.U32(static_cast<std::uint32_t>(firstOffset));
  header.U32(static_cast<std::uint32_t>(layout.DirtyHeader ? firstOffset : eofOffset));
  header.U32(layout.DirtyHeader ? layout.FirstRecordNumber : nextNumber);
  header.U32(layout.FirstRecordNumber);
  header.U32(static_cast<std::uint32_t>(fileSize));
  header.U32((layout.DirtyHeader ? kFlagDirty : 0) | (writer.Wrapped() ? kFlagWrapped : 0));
  header.U32(0);  // retention
  header.U32(kEvtHeaderSize);
  std::copy(header.Bytes().begin(), header.Bytes().end(), file.begin());
  return file;
}

std::vector<std::uint8_t> WriteClearedEvtFile(std::size_t fileSize) {
  EvtLayout layout;
  layout.FileSize = fileSize;
  ByteWriter w;
  w.Append(WriteEvtFile({}, layout));
  w.PatchU32(EvtHeaderOffsets::OldestRecordNumber, 0);
  w.PatchU32(kEvtHeaderSize + 32, 0);  // the end-of-file record's oldest record number
  return std::move(w.Bytes());
}

}  // namespace orvanta::testsupport
