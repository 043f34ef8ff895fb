#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "support/byte_writer.h"

namespace orvanta::testsupport {

enum class EvtxDataType { Text, UInt32, UInt64, Filetime };

// One EventData/Data item of a fixture event.
struct EvtxDataSpec {
  std::string Name;  // empty: an unnamed item, as older logs write them
  EvtxDataType Type = EvtxDataType::Text;
  std::string Text;
  std::int64_t Number = 0;  // a Filetime's is seconds since 1970, UTC
};

// One event of an XML event log fixture.
struct EvtxEventSpec {
  std::string Provider = "EventLog";
  std::uint32_t EventId = 0;  // with the qualifiers in the upper half, as classic sources log
  std::int64_t Seconds = 0;   // since 1970, UTC
  std::vector<std::uint8_t> UserId;   // Security/@UserID, none when empty
  std::vector<std::uint8_t> UserSid;  // EventData/Data[@Name="UserSid"], none when empty
  // Other event data, in a template of the record's own: then UserSid is not written.
  std::vector<EvtxDataSpec> Data = {};
  std::vector<std::uint8_t> Binary = {};  // EventData/Binary after the items, none when empty
  std::string Computer = {};
};

inline constexpr std::size_t kEvtxChunkSize = 65536;
inline constexpr std::size_t kEvtxFileHeaderSize = 4096;

// Builds one 64 KiB chunk as the event log writes it: names and the two templates (System
// and an EventData holding UserSid) stored inline by the first record that uses them and
// referred to by chunk offset after that, the event data as a nested binary XML value. An
// event with other data stores its own EventData template.
class EvtxChunkWriter {
 public:
  EvtxChunkWriter();
  // Appends the record with this identifier; returns its chunk offset.
  std::size_t Add(const EvtxEventSpec& event, std::uint64_t recordId);
  // The chunk with its header and both checksums.
  std::vector<std::uint8_t> Finish();

 private:
  void Name(const std::string& name);
  void Open(const std::string& name, bool attributes);
  void Attribute(const std::string& name, bool last);
  void Substitution(std::uint16_t index, std::uint8_t type);
  void Instance(std::uint32_t id, std::size_t& definition, void (EvtxChunkWriter::*body)());
  void SystemBody();
  void EventDataBody();
  void ItemsBody();
  void ItemsValues(const EvtxEventSpec& event);

  static constexpr std::size_t kHeaderSize = 512;
  ByteWriter m_w;
  std::map<std::string, std::size_t> m_names;
  std::size_t m_system = 0;  // chunk offsets of the definitions, 0 until stored
  std::size_t m_eventData = 0;
  std::uint64_t m_firstId = 0;
  std::uint64_t m_lastId = 0;
  std::size_t m_lastRecord = 0;
  const EvtxEventSpec* m_event = nullptr;  // the event whose items ItemsBody writes
};

// Recomputes the header and record checksums of a chunk, after a test changed its bytes.
void SumEvtxChunk(std::vector<std::uint8_t>& chunk);

// Adds by to the record identifiers of a chunk's header and records' headers and sums it again:
// a copy of a chunk that is no copy to a reader, for logs larger than the chunks at hand.
void ShiftEvtxChunkIds(std::vector<std::uint8_t>& chunk, std::uint64_t by);

// An .evtx file: a 4 KiB header whose counts claim headerChunks chunks, then the chunks.
std::vector<std::uint8_t> WriteEvtxFile(const std::vector<std::vector<std::uint8_t>>& chunks,
                                        std::size_t headerChunks);

}  // namespace orvanta::testsupport
