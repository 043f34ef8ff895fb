#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "history/event_log_api.h"
#include "sources/block_reader.h"
#include "sources/byte_buffer.h"

namespace orvanta::sources {

// A legacy Windows event log file (.evt) served as the System log: its records newest first,
// through the same read protocol as the event log service.
//
// The file is a 48-byte header and a circular buffer of records after it. A record that does
// not fit before the end of the file continues right after the header; where not even its
// fixed part fits, the end is padded with the word 0x00000027. The end-of-file record, found
// by its signature when the header is dirty or stale, marks the newest end and names the
// oldest record. Records are walked back from it through their closing lengths; a record that
// does not check out (length, signature, closing length, room in the buffer) ends the log, so
// every record newer than the damage is still served. A cleared log holds only the end-of-file
// record, in a file of its former size or in a compact one of 88 bytes, and serves nothing.
class EvtFileLog final : public history::EventLogApi {
 public:
  explicit EvtFileLog(BlockReader bytes);
  explicit EvtFileLog(ByteBuffer bytes) : EvtFileLog(BlockReader(std::move(bytes))) {}

  // True when the bytes carry the header's "LfLe" signature, whole header or not.
  static bool HasSignature(std::span<const std::uint8_t> bytes);
  // Why bytes with the signature cannot be read as an event log file; nothing when they can.
  static std::optional<std::string> Check(std::span<const std::uint8_t> bytes);
  static std::optional<std::string> Check(const BlockReader& bytes);

  bool Open() override;
  bool Read(std::uint32_t flags, std::uint32_t recordOffset, std::span<std::uint8_t> buffer,
            std::uint32_t& bytesRead, std::uint32_t& bytesNeeded) override;
  std::uint32_t LastError() const override { return m_lastError; }
  void Close() override;

 private:
  struct Record {
    std::size_t Start;  // index in the ring
    std::uint32_t Length;
  };

  struct EndOfFile {
    std::size_t Position;               // index in the ring
    std::optional<std::size_t> Oldest;  // where the oldest record starts, when plausible
    std::uint32_t CurrentRecordNumber;
  };

  // The little-endian word at a ring index; words split by the end of the file are joined.
  std::uint32_t Word(std::size_t index) const;
  void FindEnd();
  std::optional<EndOfFile> ReadEndOfFileAt(std::size_t index) const;
  void WalkForward();
  // True when the record before it is the one numbered just before the next number it names,
  // or it names an empty log.
  bool IsLiveEnd(const EndOfFile& end) const;
  // The record that ends where position starts, if it checks out; skipped receives the padding
  // passed at the end of the file.
  std::optional<Record> RecordEndingAt(std::size_t position, std::size_t* skipped = nullptr) const;
  std::optional<Record> RecordBefore(std::size_t position);
  std::optional<std::size_t> RingIndexOf(std::uint32_t fileOffset) const;
  // Copies the ring's bytes from index on into the front of into; false when the file no
  // longer holds them.
  bool CopyRing(std::size_t index, std::span<std::uint8_t> into) const;

  BlockReader m_bytes;
  std::vector<std::uint8_t> m_header;  // the file's first bytes, up to a whole header
  std::size_t m_ringSize = 0;  // bytes of the circular buffer after the header, a multiple of 4
  bool m_valid = false;

  // Where the newest end is and which record is the oldest; without an end-of-file record the
  // records found walking forward from the header's start offset, oldest first.
  std::optional<EndOfFile> m_endOfFile;
  std::vector<Record> m_forwardRecords;
  std::size_t m_forwardNext = 0;

  bool m_open = false;
  std::optional<Record> m_next;
  std::size_t m_walked = 0;  // ring bytes passed walking back, to stop a walk that cycles
  std::uint32_t m_lastError = 0;
};

}  // namespace orvanta::sources
