#include "support/evtx_writer.h"

#include <algorithm>

#include "sources/crc32.h"

namespace orvanta::testsupport {
namespace {

constexpr std::uint8_t kUInt16 = 0x06;
constexpr std::uint8_t kUInt32 = 0x08;
constexpr std::uint8_t kUInt64 = 0x0A;
constexpr std::uint8_t kUtf16 = 0x01;
constexpr std::uint8_t kFiletime = 0x11;
constexpr std::uint8_t kSid = 0x13;
constexpr std::uint8_t kBinXml = 0x21;
constexpr std::uint8_t kOptional = 0x0E;

constexpr std::uint32_t kSystemTemplateId = 0x692728FE;
constexpr std::uint32_t kEventDataTemplateId = 0x4329D877;
constexpr std::uint32_t kItemsTemplateId = 0x1074D47A;
constexpr std::uint8_t kBinaryType = 0x0E;
constexpr std::uint8_t kUtf16Array = 0x81;

std::uint16_t NameHash(const std::string& name) {
  std::uint32_t h = 0;
  for (char c : name) {
    h = h * 65599 + static_cast<std::uint8_t>(c);
  }
  return static_cast<std::uint16_t>(h);
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) {
    bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
}

void PutU64(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t v) {
  PutU32(bytes, at, static_cast<std::uint32_t>(v));
  PutU32(bytes, at + 4, static_cast<std::uint32_t>(v >> 32));
}

std::uint64_t Filetime(std::int64_t seconds) {
  return static_cast<std::uint64_t>(seconds + 11'644'473'600) * 10'000'000 + 1234567;
}

struct ValueBytes {
  std::uint8_t Type;
  std::vector<std::uint8_t> Bytes;
};

std::vector<std::uint8_t> Le(std::uint64_t v, std::size_t width) {
  std::vector<std::uint8_t> out(width);
  for (std::size_t i = 0; i < width; ++i) {
    out[i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  return out;
}

std::vector<std::uint8_t> Utf16(const std::string& text) {
  std::vector<std::uint8_t> out;
  for (char c : text) {
    out.push_back(static_cast<std::uint8_t>(c));
    out.push_back(0);
  }
  return out;
}

}  // namespace

void EvtxChunkWriter::Name(const std::string& name) {
  const auto found = m_names.find(name);
  if (found != m_names.end()) {
    m_w.U32(static_cast<std::uint32_t>(found->second));
    return;
  }
  const std::size_t at = m_w.Size() + 4;
  m_names[name] = at;
  m_w.U32(static_cast<std::uint32_t>(at));
  m_w.U32(0);
  m_w.U16(NameHash(name));
  m_w.U16(static_cast<std::uint16_t>(name.size()));
  m_w.Utf16z(name);
}

void EvtxChunkWriter::Open(const std::string& name, bool attributes) {
  m_w.U8(attributes ? 0x41 : 0x01);
  m_w.U16(0xFFFF);  // no dependency
  m_w.U32(0);       // element size, not needed to read
  Name(name);
  if (attributes) {
    m_w.U32(0);
  }
}

void EvtxChunkWriter::Attribute(const std::string& name, bool last) {
  m_w.U8(last ? 0x06 : 0x46);
  Name(name);
}

void EvtxChunkWriter::Substitution(std::uint16_t index, std::uint8_t type) {
  m_w.U8(kOptional);
  m_w.U16(index);
  m_w.U8(type);
}

// Values: #0 provider, #1 event id, #2 qualifiers, #3 time, #4 record id, #5 user, #6 data,
// #7 computer.
void EvtxChunkWriter::SystemBody() {
  Open("Event", false);
  m_w.U8(0x02);
  Open("System", false);
  m_w.U8(0x02);
  Open("Provider", true);
  Attribute("Name", true);
  Substitution(0, kUtf16);
  m_w.U8(0x03);
  Open("EventID", true);
  Attribute("Qualifiers", true);
  Substitution(2, kUInt16);
  m_w.U8(0x02);
  Substitution(1, kUInt16);
  m_w.U8(0x04);
  Open("TimeCreated", true);
  Attribute("SystemTime", true);
  Substitution(3, kFiletime);
  m_w.U8(0x03);
  Open("EventRecordID", false);
  m_w.U8(0x02);
  Substitution(4, kUInt64);
  m_w.U8(0x04);
  Open("Security", true);
  Attribute("UserID", true);
  Substitution(5, kSid);
  m_w.U8(0x03);
  Open("Computer", false);
  m_w.U8(0x02);
  Substitution(7, kUtf16);
  m_w.U8(0x04);
  m_w.U8(0x04);  // System
  Substitution(6, kBinXml);
  m_w.U8(0x04);  // Event
}

void EvtxChunkWriter::EventDataBody() {
  Open("EventData", false);
  m_w.U8(0x02);
  Open("Data", true);
  Attribute("Name", true);
  m_w.U8(0x05);
  m_w.U8(0x01);
  m_w.U16(7);
  for (char c : std::string("UserSid")) {
    m_w.U16(static_cast<std::uint8_t>(c));
  }
  m_w.U8(0x02);
  Substitution(0, kSid);
  m_w.U8(0x04);
  m_w.U8(0x04);
}

// Unnamed items are written as classic sources write their strings: one string array that
// stands for one Data element each.
namespace {
bool Classic(const EvtxEventSpec& event) {
  return !event.Data.empty() && event.Data.front().Name.empty();
}
}  // namespace

// Value #i fills item i (or #0 all of a classic event's), then the binary data.
void EvtxChunkWriter::ItemsBody() {
  Open("EventData", false);
  m_w.U8(0x02);
  std::uint16_t index = 0;
  if (Classic(*m_event)) {
    Open("Data", false);
    m_w.U8(0x02);
    Substitution(index++, kUtf16Array);
    m_w.U8(0x04);
  }
  for (const EvtxDataSpec& item : Classic(*m_event) ? std::vector<EvtxDataSpec>() : m_event->Data) {
    const std::uint8_t types[] = {kUtf16, kUInt32, kUInt64, kFiletime};
    Open("Data", !item.Name.empty());
    if (!item.Name.empty()) {
      Attribute("Name", true);
      m_w.U8(0x05);
      m_w.U8(0x01);
      m_w.U16(static_cast<std::uint16_t>(item.Name.size()));
      for (char c : item.Name) {
        m_w.U16(static_cast<std::uint8_t>(c));
      }
    }
    m_w.U8(0x02);
    Substitution(index++, types[static_cast<std::size_t>(item.Type)]);
    m_w.U8(0x04);
  }
  if (!m_event->Binary.empty()) {
    Open("Binary", false);
    m_w.U8(0x02);
    Substitution(index, kBinaryType);
    m_w.U8(0x04);
  }
  m_w.U8(0x04);
}

void EvtxChunkWriter::ItemsValues(const EvtxEventSpec& event) {
  std::vector<ValueBytes> values;
  if (Classic(event)) {
    ValueBytes& strings = values.emplace_back(ValueBytes{kUtf16Array, {}});
    for (const EvtxDataSpec& item : event.Data) {
      const std::vector<std::uint8_t> text = Utf16(item.Text);
      strings.Bytes.insert(strings.Bytes.end(), text.begin(), text.end());
      strings.Bytes.insert(strings.Bytes.end(), {0, 0});
    }
  }
  for (const EvtxDataSpec& item : Classic(event) ? std::vector<EvtxDataSpec>() : event.Data) {
    const auto number = static_cast<std::uint64_t>(item.Number);
    switch (item.Type) {
      case EvtxDataType::Text:
        values.push_back({kUtf16, Utf16(item.Text)});
        break;
      case EvtxDataType::UInt32:
        values.push_back({kUInt32, Le(number, 4)});
        break;
      case EvtxDataType::UInt64:
        values.push_back({kUInt64, Le(number, 8)});
        break;
      case EvtxDataType::Filetime:
        values.push_back({kFiletime, Le(Filetime(item.Number), 8)});
        break;
    }
  }
  if (!event.Binary.empty()) {
    values.push_back({kBinaryType, event.Binary});
  }
  m_w.U32(static_cast<std::uint32_t>(values.size()));
  for (const ValueBytes& v : values) {
    m_w.U16(static_cast<std::uint16_t>(v.Bytes.size()));
    m_w.U8(v.Bytes.empty() ? 0 : v.Type);
    m_w.U8(0);
  }
  for (const ValueBytes& v : values) {
    m_w.Append(v.Bytes);
  }
}

void EvtxChunkWriter::Instance(std::uint32_t id, std::size_t& definition,
                               void (EvtxChunkWriter::*body)()) {
  m_w.U8(0x0C);
  m_w.U8(0x01);
  m_w.U32(id);
  if (definition != 0) {
    m_w.U32(static_cast<std::uint32_t>(definition));
    return;
  }
  definition = m_w.Size() + 4;
  m_w.U32(static_cast<std::uint32_t>(definition));
  m_w.U32(0);  // previous definition in the bucket
  m_w.U32(id);
  m_w.Zeros(12);  // rest of the GUID
  const std::size_t sizeAt = m_w.Size();
  m_w.U32(0);
  m_w.Append({0x0F, 0x01, 0x01, 0x00});
  (this->*body)();
  m_w.U8(0x00);
  m_w.PatchU32(sizeAt, static_cast<std::uint32_t>(m_w.Size() - sizeAt - 4));
}

// Assigned, not inserted: the i686 compiler reads an insert into the empty buffer as a copy
// past its end.
EvtxChunkWriter::EvtxChunkWriter() {
  m_w.Bytes().assign(kHeaderSize, 0);
}

std::size_t EvtxChunkWriter::Add(const EvtxEventSpec& event, std::uint64_t recordId) {
  const std::size_t start = m_w.Size();
  const std::uint64_t filetime = Filetime(event.Seconds);
  m_w.U32(0x00002A2A);
  m_w.U32(0);  // size, patched below
  m_w.Int(recordId, 8, history::ByteOrder::Little);
  m_w.Int(filetime, 8, history::ByteOrder::Little);
  m_w.Append({0x0F, 0x01, 0x01, 0x00});
  Instance(kSystemTemplateId, m_system, &EvtxChunkWriter::SystemBody);

  const bool wide = event.EventId > 0xFFFF;
  const std::vector<ValueBytes> values = {
      {kUtf16, Utf16(event.Provider)},
      // An id wider than 16 bits goes whole into a 32-bit value, the qualifiers left null:
      // the reader must mask it.
      wide ? ValueBytes{kUInt32, Le(event.EventId, 4)} : ValueBytes{kUInt16, Le(event.EventId, 2)},
      {0, {}},
      {kFiletime, Le(filetime, 8)},
      {kUInt64, Le(recordId, 8)},
      {static_cast<std::uint8_t>(event.UserId.empty() ? 0 : kSid), event.UserId},
  };
  const ValueBytes computer{static_cast<std::uint8_t>(event.Computer.empty() ? 0 : kUtf16),
                            Utf16(event.Computer)};
  m_w.U32(static_cast<std::uint32_t>(values.size() + 2));
  for (const ValueBytes& v : values) {
    m_w.U16(static_cast<std::uint16_t>(v.Bytes.size()));
    m_w.U8(v.Type);
    m_w.U8(0);
  }
  const std::size_t dataSizeAt = m_w.Size();
  m_w.U16(0);
  m_w.U8(kBinXml);
  m_w.U8(0);
  m_w.U16(static_cast<std::uint16_t>(computer.Bytes.size()));
  m_w.U8(computer.Type);
  m_w.U8(0);
  for (const ValueBytes& v : values) {
    m_w.Append(v.Bytes);
  }
  // The event data: its own template instance and end of stream.
  const std::size_t dataStart = m_w.Size();
  if (event.Data.empty() && event.Binary.empty()) {
    Instance(kEventDataTemplateId, m_eventData, &EvtxChunkWriter::EventDataBody);
    m_w.U32(1);
    m_w.U16(static_cast<std::uint16_t>(event.UserSid.size()));
    m_w.U8(event.UserSid.empty() ? 0 : kSid);
    m_w.U8(0);
    m_w.Append(event.UserSid);
  } else {
    std::size_t own = 0;
    m_event = &event;
    Instance(kItemsTemplateId, own, &EvtxChunkWriter::ItemsBody);
    ItemsValues(event);
  }
  m_w.U8(0x00);
  const std::size_t dataSize = m_w.Size() - dataStart;
  m_w.Bytes()[dataSizeAt] = static_cast<std::uint8_t>(dataSize);
  m_w.Bytes()[dataSizeAt + 1] = static_cast<std::uint8_t>(dataSize >> 8);
  m_w.Append(computer.Bytes);
  m_w.U8(0x00);  // end of the record's stream
  // Padding after the end of stream is whatever was there: not zero.
  while ((m_w.Size() - start + 4) % 8 != 0) {
    m_w.U8(0xA5);
  }
  m_w.U32(0);
  const auto size = static_cast<std::uint32_t>(m_w.Size() - start);
  m_w.PatchU32(start + 4, size);
  m_w.PatchU32(m_w.Size() - 4, size);
  if (m_firstId == 0) {
    m_firstId = recordId;
  }
  m_lastId = recordId;
  m_lastRecord = start;
  return start;
}

std::vector<std::uint8_t> EvtxChunkWriter::Finish() {
  std::vector<std::uint8_t> chunk = m_w.Bytes();
  const std::size_t freeSpace = chunk.size();
  chunk.resize(kEvtxChunkSize, 0);
  const std::string signature("ElfChnk\0", 8);
  std::copy(signature.begin(), signature.end(), chunk.begin());
  PutU64(chunk, 0x08, m_firstId);
  PutU64(chunk, 0x10, m_lastId);
  PutU64(chunk, 0x18, m_firstId);
  PutU64(chunk, 0x20, m_lastId);
  PutU32(chunk, 0x28, 128);
  PutU32(chunk, 0x2C, static_cast<std::uint32_t>(m_lastRecord));
  PutU32(chunk, 0x30, static_cast<std::uint32_t>(freeSpace));
  PutU32(chunk, 0x78, 1);
  SumEvtxChunk(chunk);
  return chunk;
}

void SumEvtxChunk(std::vector<std::uint8_t>& chunk) {
  const std::span<const std::uint8_t> bytes(chunk);
  const std::uint32_t freeSpace = chunk[0x30] | chunk[0x31] << 8 | chunk[0x32] << 16 |
                                  static_cast<std::uint32_t>(chunk[0x33]) << 24;
  PutU32(chunk, 0x34, sources::Crc32(bytes.subspan(512, freeSpace - 512)));
  PutU32(chunk, 0x7C,
         sources::Crc32(bytes.subspan(0x80, 512 - 0x80), sources::Crc32(bytes.subspan(0, 0x78))));
}

void ShiftEvtxChunkIds(std::vector<std::uint8_t>& chunk, std::uint64_t by) {
  const auto u64 = [&chunk](std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 8; i-- > 0;) {
      value = value << 8 | chunk[at + i];
    }
    return value;
  };
  const auto shift = [&](std::size_t at) {
    const std::uint64_t value = u64(at) + by;
    for (std::size_t i = 0; i < 8; ++i) {
      chunk[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
  };
  for (const std::size_t at : {0x08, 0x10, 0x18, 0x20}) {
    shift(at);
  }
  const std::size_t freeSpace = static_cast<std::size_t>(u64(0x30) & 0xFFFFFFFF);
  for (std::size_t p = 512; p + 24 <= std::min(freeSpace, chunk.size());) {
    const std::size_t size = static_cast<std::size_t>(u64(p + 4) & 0xFFFFFFFF);
    if (u64(p) % 0x100000000 != 0x2A2A || size < 28 || size > chunk.size() - p) {
      break;
    }
    shift(p + 8);
    p += size;
  }
  SumEvtxChunk(chunk);
}

std::vector<std::uint8_t> WriteEvtxFile(const std::vector<std::vector<std::uint8_t>>& chunks,
                                        std::size_t headerChunks) {
  ByteWriter w;
  w.FixedText(std::string("ElfFile\0", 8), 8);
  w.Int(0, 8, history::ByteOrder::Little);
  w.Int(headerChunks == 0 ? 0 : headerChunks - 1, 8, history::ByteOrder::Little);
  w.Int(1, 8, history::ByteOrder::Little);  // next record identifier, stale as a dirty file's
  w.U32(128);
  w.U16(1);
  w.U16(3);
  w.U16(static_cast<std::uint16_t>(kEvtxFileHeaderSize));
  w.U16(static_cast<std::uint16_t>(headerChunks));
  w.Zeros(76);
  w.U32(1);  // dirty
  w.U32(sources::Crc32(std::span<const std::uint8_t>(w.Bytes()).subspan(0, 120)));
  w.Zeros(kEvtxFileHeaderSize - w.Size());
  for (const auto& chunk : chunks) {
    w.Append(chunk);
  }
  return w.Bytes();
}

}  // namespace orvanta::testsupport
