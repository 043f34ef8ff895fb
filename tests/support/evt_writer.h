#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvanta::testsupport {

// One event as a fixture describes it.
struct EventSpec {
  std::uint32_t EventId = 0;        // the whole 32-bit id, severity bits included
  std::uint32_t TimeGenerated = 0;  // seconds since 1970-01-01 UTC
  std::vector<std::uint8_t> UserSid;
  std::size_t DataLength = 0;  // bytes of event data, to vary the record sizes
  std::string Source = {};     // empty: the name the system's own source of the id logs under
  std::vector<std::string> Strings = {};  // insertion strings, written as UTF-16LE
  std::vector<std::uint8_t> Data = {};    // event data, written after DataLength filler bytes
};

// An EVENTLOGRECORD: fixed part, source and computer names, SID, data, closing length.
std::vector<std::uint8_t> BuildEventRecord(const EventSpec& event, std::uint32_t recordNumber);

// The 40-byte end-of-file record of a log file.
std::vector<std::uint8_t> BuildEndOfFileRecord(std::uint32_t beginRecord, std::uint32_t endRecord,
                                               std::uint32_t currentRecordNumber,
                                               std::uint32_t oldestRecordNumber);

inline constexpr std::size_t kEvtHeaderSize = 0x30;

// How the records lie in the file's circular buffer.
struct EvtLayout {
  std::size_t FileSize = 0;                        // 0: just large enough for everything
  std::size_t FirstRecordOffset = kEvtHeaderSize;  // file offset of the oldest record
  std::uint32_t FirstRecordNumber = 1;
  // The header as a copy of a running system's log leaves it: dirty flag set, end offset and
  // current record number stale (they point at the oldest record).
  bool DirtyHeader = false;
  // Fill the space not used by the records with the bytes of old records, as a log that has
  // wrapped many times holds them.
  bool StaleFill = false;
};

// A legacy event log file holding the events oldest first. A record that does not fit before
// the end of the file continues after the header; where less than its fixed part fits, the
// rest of the file is padded with the word 0x00000027 and the record starts after the header.
std::vector<std::uint8_t> WriteEvtFile(const std::vector<EventSpec>& oldestFirst,
                                       const EvtLayout& layout = {});

// A log as clearing it leaves it: the header and an end-of-file record that name no record (the
// oldest record number 0), in a file of fileSize bytes, the rest zeros; fileSize 0 gives the
// compact 88-byte file.
std::vector<std::uint8_t> WriteClearedEvtFile(std::size_t fileSize = 0);

// Offsets of the header fields.
struct EvtHeaderOffsets {
  static constexpr std::size_t HeaderSize = 0;
  static constexpr std::size_t Signature = 4;
  static constexpr std::size_t StartOffset = 16;
  static constexpr std::size_t EndOffset = 20;
  static constexpr std::size_t CurrentRecordNumber = 24;
  static constexpr std::size_t OldestRecordNumber = 28;
  static constexpr std::size_t MaxSize = 32;
  static constexpr std::size_t Flags = 36;
  static constexpr std::size_t EndHeaderSize = 44;
};

}  // namespace orvanta::testsupport
