#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "history/byte_reader.h"

namespace orvanta::sources {

// One EventData/Data item (or an event's Binary data), its value in the form its type has.
struct EvtxData {
  std::string Name;                     // Data/@Name; empty for the unnamed items of older logs
  std::string Text;                     // strings, UTF-8
  std::optional<std::uint64_t> Number;  // integers, booleans and FILETIMEs
  std::vector<std::uint8_t> Bytes;      // SIDs, binary data, SYSTEMTIMEs

  friend bool operator==(const EvtxData&, const EvtxData&) = default;
};

// What the history needs of one XML event record; the rest of its XML is skipped.
struct EvtxFields {
  std::optional<std::uint64_t> EventId;     // System/EventID, as stored (not yet masked)
  std::optional<std::uint64_t> SystemTime;  // System/TimeCreated/@SystemTime, FILETIME
  std::optional<std::uint64_t> RecordId;    // System/EventRecordID
  std::string Provider;                     // System/Provider/@Name, ASCII ('?' for the rest)
  std::vector<std::uint8_t> UserId;         // System/Security/@UserID, SID bytes
  std::vector<std::uint8_t> UserSid;        // EventData/Data[@Name="UserSid"], SID bytes
  std::string Computer;                     // System/Computer, ASCII ('?' for the rest)
  std::vector<EvtxData> Data;               // EventData/Data items, in document order
  std::vector<std::uint8_t> Binary;         // EventData/Binary

  void Clear();
};

// Reads the binary XML of the records of one chunk. Names and template definitions are
// reached by chunk offsets, and a definition stored by one record serves the later records of
// its chunk, so one instance lives for one chunk and caches what each definition maps: which
// substitution (or literal text) fills each wanted field.
class EvtxBinXml {
 public:
  // chunk: the whole chunk, offsets counted from its first byte.
  void StartChunk(history::ByteReader chunk);

  // Reads the binary XML stream in chunk bytes [begin, end) into fields; false when it is
  // malformed (what was read into fields before the fault stays there).
  bool ReadStream(std::size_t begin, std::size_t end, EvtxFields& fields) {
    return ReadStream(begin, end, fields, 0);
  }

 private:
  enum class Field : std::uint8_t {
    EventId,
    SystemTime,
    RecordId,
    Provider,
    UserId,
    UserSid,
    Computer,
    Binary
  };
  static constexpr std::size_t kFieldCount = 8;

  struct Source {
    std::optional<std::uint16_t> Substitution;
    std::optional<std::string> Literal;
  };
  struct DataSource {
    std::string Name;
    Source Value;
  };
  struct Plan {
    std::array<Source, kFieldCount> Fields;
    std::vector<DataSource> Data;
  };

  struct Value {
    std::size_t Offset;
    std::uint16_t Size;
    std::uint8_t Type;
  };

  bool ReadStream(std::size_t begin, std::size_t end, EvtxFields& fields, int depth);
  bool ReadInstance(std::size_t& p, std::size_t end, EvtxFields& fields, int depth);
  const Plan* DefinitionPlan(std::size_t offset, std::size_t end);
  bool BuildPlan(std::size_t begin, std::size_t end, bool inDefinition, Plan& plan) const;
  bool SkipName(std::size_t& p, std::size_t end, std::uint32_t& name) const;
  bool NameIs(std::uint32_t name, std::string_view ascii) const;
  std::string Text(std::size_t offset, std::size_t units) const;
  std::string Utf8Text(std::size_t offset, std::size_t units) const;
  void ApplyValue(Field field, const Value& value, EvtxFields& fields) const;
  static void ApplyLiteral(Field field, const std::string& text, EvtxFields& fields);
  void ApplyData(const Plan& plan, const std::vector<Value>* values, EvtxFields& fields) const;
  EvtxData DataValue(const Value& value) const;

  static constexpr int kMaxDepth = 4;

  history::ByteReader m_chunk;
  std::unordered_map<std::uint32_t, std::optional<Plan>> m_plans;  // by definition offset
  std::array<std::vector<Value>, kMaxDepth + 1> m_values;          // one array per depth
};

}  // namespace orvanta::sources
