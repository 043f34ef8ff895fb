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

// What run reconstruction needs of one XML event record; the rest of its XML is skipped.
struct EvtxFields {
  std::optional<std::uint64_t> EventId;     // System/EventID, as stored (not yet masked)
  std::optional<std::uint64_t> SystemTime;  // System/TimeCreated/@SystemTime, FILETIME
  std::optional<std::uint64_t> RecordId;    // System/EventRecordID
  std::string Provider;                     // System/Provider/@Name, ASCII ('?' for the rest)
  std::vector<std::uint8_t> UserId;         // System/Security/@UserID, SID bytes
  std::vector<std::uint8_t> UserSid;        // EventData/Data[@Name="UserSid"], SID bytes

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
  enum class Field : std::uint8_t { EventId, SystemTime, RecordId, Provider, UserId, UserSid };
  static constexpr std::size_t kFieldCount = 6;

  struct Source {
    std::optional<std::uint16_t> Substitution;
    std::optional<std::string> Literal;
  };
  using Plan = std::array<Source, kFieldCount>;

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
  void ApplyValue(Field field, const Value& value, EvtxFields& fields) const;
  static void ApplyLiteral(Field field, const std::string& text, EvtxFields& fields);

  static constexpr int kMaxDepth = 4;

  history::ByteReader m_chunk;
  std::unordered_map<std::uint32_t, std::optional<Plan>> m_plans;  // by definition offset
  std::array<std::vector<Value>, kMaxDepth + 1> m_values;          // one array per depth
};

}  // namespace orvanta::sources
