#include "support/journal_writer.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

namespace orvanta::testsupport {
namespace {

// Object types and sizes of the journal file format.
constexpr std::uint8_t kDataObject = 1;
constexpr std::uint8_t kFieldObject = 2;
constexpr std::uint8_t kEntryObject = 3;
constexpr std::uint8_t kDataHashTable = 4;
constexpr std::uint8_t kFieldHashTable = 5;
constexpr std::uint8_t kEntryArray = 6;
constexpr std::size_t kHeaderSize = 256;
constexpr std::size_t kObjectHeader = 16;
constexpr std::size_t kDataPayload = 64;
constexpr std::size_t kFieldPayload = 40;
constexpr std::size_t kEntryItems = 64;
constexpr std::size_t kArrayItems = 24;
constexpr std::size_t kSlack = 4096;  // zeros after the last object, as files are grown ahead

constexpr std::uint32_t Rotate(std::uint32_t x, int k) {
  return (x << k) | (x >> (32 - k));
}

void Mix(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c) {
  a -= c, a ^= Rotate(c, 4), c += b;
  b -= a, b ^= Rotate(a, 6), a += c;
  c -= b, c ^= Rotate(b, 8), b += a;
  a -= c, a ^= Rotate(c, 16), c += b;
  b -= a, b ^= Rotate(a, 19), a += c;
  c -= b, c ^= Rotate(b, 4), b += a;
}

void Final(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c) {
  c ^= b, c -= Rotate(b, 14);
  a ^= c, a -= Rotate(c, 11);
  b ^= a, b -= Rotate(a, 25);
  c ^= b, c -= Rotate(b, 16);
  a ^= c, a -= Rotate(c, 4);
  b ^= a, b -= Rotate(a, 14);
  c ^= b, c -= Rotate(b, 24);
}

std::size_t Align8(std::size_t n) {
  return (n + 7) & ~std::size_t{7};
}

// Builds the file in place: objects are appended, links patched once their targets exist.
class FileBuilder {
 public:
  FileBuilder() : m_bytes(kHeaderSize, 0) {}

  std::size_t Object(std::uint8_t type, std::size_t size) {
    const std::size_t at = Align8(m_bytes.size());
    m_bytes.resize(at + size, 0);
    m_bytes[at] = type;
    Put(at + 8, size);
    m_tail = at;
    ++m_objects;
    return at;
  }
  void Put(std::size_t offset, std::uint64_t v) {
    for (std::size_t i = 0; i < 8; ++i) {
      m_bytes[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
  }
  std::uint64_t Get(std::size_t offset) const {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < 8; ++i) {
      v |= std::uint64_t{m_bytes[offset + i]} << (8 * i);
    }
    return v;
  }
  void Text(std::size_t offset, std::string_view text) {
    std::copy(text.begin(), text.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(offset));
  }
  std::vector<std::uint8_t>& Bytes() { return m_bytes; }
  std::size_t Tail() const { return m_tail; }
  std::size_t Objects() const { return m_objects; }

 private:
  std::vector<std::uint8_t> m_bytes;
  std::size_t m_tail = 0;
  std::size_t m_objects = 0;
};

// A hash table object's buckets; objects are chained through the field at next.
struct HashTable {
  std::size_t Items = 0;    // offset of the first bucket
  std::size_t Buckets = 0;  // count
  void Add(FileBuilder& file, std::size_t object, std::uint64_t hash, std::size_t next) const {
    const std::size_t bucket = Items + (hash % Buckets) * 16;
    if (const std::uint64_t tail = file.Get(bucket + 8)) {
      file.Put(tail + next, object);
    } else {
      file.Put(bucket, object);
    }
    file.Put(bucket + 8, object);
  }
};

HashTable MakeTable(FileBuilder& file, std::uint8_t type, std::size_t count) {
  const std::size_t buckets = count * 2 + 1;
  const std::size_t at = file.Object(type, kObjectHeader + buckets * 16);
  return {at + kObjectHeader, buckets};
}

std::array<std::uint8_t, 16> IdBytes(std::string_view hex) {
  std::array<std::uint8_t, 16> id{};
  for (std::size_t i = 0; i < 32 && i < hex.size(); ++i) {
    const char c = hex[i];
    const int nibble = c >= 'a' ? c - 'a' + 10 : c >= 'A' ? c - 'A' + 10 : c - '0';
    id[i / 2] = static_cast<std::uint8_t>(id[i / 2] << 4 | (nibble & 15));
  }
  return id;
}

std::string Hex(std::uint64_t value, int digits) {
  std::string text(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4) {
    text[static_cast<std::size_t>(i)] = "0123456789abcdef"[value & 15];
  }
  return text;
}

}  // namespace

std::uint64_t JournalHash(std::string_view bytes) {
  auto length = static_cast<std::uint32_t>(bytes.size());
  std::uint32_t a = 0xdeadbeef + length;
  std::uint32_t b = a;
  std::uint32_t c = a;
  const auto* k = reinterpret_cast<const std::uint8_t*>(bytes.data());
  const auto word = [&](std::size_t at, std::size_t count) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < count; ++i) {
      v |= std::uint32_t{k[at + i]} << (8 * i);
    }
    return v;
  };
  while (length > 12) {
    a += word(0, 4), b += word(4, 4), c += word(8, 4);
    Mix(a, b, c);
    length -= 12;
    k += 12;
  }
  if (length == 0) {
    return std::uint64_t{c} << 32 | b;
  }
  a += word(0, std::min<std::uint32_t>(length, 4));
  b += length > 4 ? word(4, std::min<std::uint32_t>(length - 4, 4)) : 0;
  c += length > 8 ? word(8, length - 8) : 0;
  Final(a, b, c);
  return std::uint64_t{c} << 32 | b;
}

std::vector<JournalEntry> JournalBoots(std::size_t count, std::uint64_t firstBoot,
                                       std::uint32_t seed) {
  constexpr std::uint64_t kSecond = 1'000'000;
  std::vector<JournalEntry> entries;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string id = Hex(seed, 8) + Hex(0x0b007, 8) + Hex(i, 16);
    const std::uint64_t boot = (firstBoot + i * 10'000) * kSecond;
    const auto at = [&](std::uint64_t second,
                        std::vector<std::pair<std::string, std::string>> fields) {
      entries.push_back({boot + second * kSecond, second * kSecond, id, std::move(fields)});
    };
    at(10, {{"MESSAGE", "up"}});
    at(20, {{"MESSAGE_ID", "8d45620c1a4348dbb17410da57c60c66"}, {"USER_ID", "root"}});
    at(100, {{"MESSAGE_ID", "98268866d1d54a499c4e98921d93bc40"}});
    at(110, {{"MESSAGE", "down"}});
  }
  return entries;
}

std::vector<std::uint8_t> WriteJournalFile(const std::vector<JournalEntry>& entries) {
  // The distinct fields and "FIELD=value" payloads, and each entry's payloads.
  std::map<std::string, std::size_t> fieldIndex;
  std::map<std::string, std::size_t> dataIndex;
  std::vector<std::string> fields;
  std::vector<std::pair<std::string, std::size_t>> data;  // payload, field
  std::vector<std::vector<std::size_t>> entryData;
  for (const JournalEntry& entry : entries) {
    std::vector<std::pair<std::string, std::string>> all = entry.Fields;
    all.emplace_back("_BOOT_ID", entry.BootId);
    entryData.emplace_back();
    for (const auto& [name, value] : all) {
      auto field = fieldIndex.try_emplace(name, fields.size());
      if (field.second) {
        fields.push_back(name);
      }
      auto payload = dataIndex.try_emplace(name + "=" + value, data.size());
      if (payload.second) {
        data.emplace_back(name + "=" + value, field.first->second);
      }
      entryData.back().push_back(payload.first->second);
    }
  }

  FileBuilder file;
  const HashTable dataTable = MakeTable(file, kDataHashTable, data.size());
  const HashTable fieldTable = MakeTable(file, kFieldHashTable, fields.size());
  std::vector<std::size_t> fieldAt;
  for (const std::string& name : fields) {
    const std::size_t at = file.Object(kFieldObject, kFieldPayload + name.size());
    file.Put(at + 16, JournalHash(name));
    file.Text(at + kFieldPayload, name);
    fieldTable.Add(file, at, JournalHash(name), 24);
    fieldAt.push_back(at);
  }
  std::vector<std::size_t> dataAt;
  for (const auto& [payload, field] : data) {
    const std::size_t at = file.Object(kDataObject, kDataPayload + payload.size());
    file.Put(at + 16, JournalHash(payload));
    file.Text(at + kDataPayload, payload);
    dataTable.Add(file, at, JournalHash(payload), 24);
    file.Put(at + 32, file.Get(fieldAt[field] + 32));  // prepended to its field's chain
    file.Put(fieldAt[field] + 32, at);
    dataAt.push_back(at);
  }
  std::vector<std::size_t> entryAt;
  std::vector<std::vector<std::size_t>> dataEntries(data.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::vector<std::size_t> items = entryData[i];
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
    const std::size_t at = file.Object(kEntryObject, kEntryItems + items.size() * 16);
    file.Put(at + 16, i + 1);
    file.Put(at + 24, entries[i].Realtime);
    file.Put(at + 32, entries[i].Monotonic);
    const auto boot = IdBytes(entries[i].BootId);
    std::copy(boot.begin(), boot.end(),
              file.Bytes().begin() + static_cast<std::ptrdiff_t>(at + 40));
    std::uint64_t xorHash = 0;
    for (std::size_t k = 0; k < items.size(); ++k) {
      const std::uint64_t hash = JournalHash(data[items[k]].first);
      file.Put(at + kEntryItems + k * 16, dataAt[items[k]]);
      file.Put(at + kEntryItems + k * 16 + 8, hash);
      xorHash ^= hash;
      dataEntries[items[k]].push_back(at);
    }
    file.Put(at + 56, xorHash);
    entryAt.push_back(at);
  }
  std::size_t arrays = 0;
  const auto array = [&](const std::vector<std::size_t>& offsets, std::size_t from) {
    const std::size_t at = file.Object(kEntryArray, kArrayItems + (offsets.size() - from) * 8);
    for (std::size_t k = from; k < offsets.size(); ++k) {
      file.Put(at + kArrayItems + (k - from) * 8, offsets[k]);
    }
    ++arrays;
    return at;
  };
  for (std::size_t d = 0; d < data.size(); ++d) {
    file.Put(dataAt[d] + 40, dataEntries[d].front());
    file.Put(dataAt[d] + 56, dataEntries[d].size());
    if (dataEntries[d].size() > 1) {
      file.Put(dataAt[d] + 48, array(dataEntries[d], 1));
    }
  }
  const std::size_t entryArray = entries.empty() ? 0 : array(entryAt, 0);

  const std::size_t tail = file.Tail();
  const std::size_t end = Align8(file.Bytes().size()) + kSlack;
  file.Bytes().resize(end, 0);
  std::vector<std::uint8_t>& bytes = file.Bytes();
  std::copy_n("LPKSHHRH", 8, bytes.begin());
  const std::uint64_t contentHash = JournalHash(std::string_view(
      reinterpret_cast<const char*>(bytes.data()) + kHeaderSize, tail - kHeaderSize));
  for (std::size_t i = 0; i < 16; ++i) {
    bytes[24 + i] = static_cast<std::uint8_t>(contentHash >> (8 * (i % 8)) ^ 0x5a);  // file id
    bytes[40 + i] = static_cast<std::uint8_t>(0x11 + i);                             // machine id
    bytes[72 + i] = static_cast<std::uint8_t>(contentHash >> (8 * (i % 8)) ^ i);     // seqnum id
  }
  if (!entries.empty()) {
    const auto boot = IdBytes(entries.back().BootId);
    std::copy(boot.begin(), boot.end(), bytes.begin() + 56);
  }
  file.Put(88, kHeaderSize);
  file.Put(96, end - kHeaderSize);
  file.Put(104, dataTable.Items);
  file.Put(112, dataTable.Buckets * 16);
  file.Put(120, fieldTable.Items);
  file.Put(128, fieldTable.Buckets * 16);
  file.Put(136, tail);
  file.Put(144, file.Objects());
  file.Put(152, entries.size());
  file.Put(160, entries.size());
  file.Put(168, entries.empty() ? 0 : 1);
  file.Put(176, entryArray);
  file.Put(184, entries.empty() ? 0 : entries.front().Realtime);
  file.Put(192, entries.empty() ? 0 : entries.back().Realtime);
  file.Put(200, entries.empty() ? 0 : entries.back().Monotonic);
  file.Put(208, data.size());
  file.Put(216, fields.size());
  file.Put(232, arrays);
  return bytes;
}

}  // namespace orvanta::testsupport
