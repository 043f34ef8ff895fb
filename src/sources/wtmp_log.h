#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "history/event_log_api.h"
#include "sources/byte_buffer.h"
#include "sources/user_directory.h"

namespace orvanta::sources {

// A glibc x86-64 wtmp file (384-byte utmp records) served as the System log: its entries
// newest first, translated into event records. A boot entry becomes event 6005, the shutdown
// run-level entry 6006, and a user login 7035 carrying the SID S-1-22-1-<uid> of that user
// (no SID when the name has no account). Other entries are passed over; a partial record at
// the end of the file is ignored.
class WtmpLog final : public history::EventLogApi {
 public:
  WtmpLog(ByteBuffer bytes, UserDirectory& users);

  // True when the bytes hold at least one whole record and the first looks like a utmp entry.
  static bool Recognize(std::span<const std::uint8_t> bytes);

  bool Open() override;
  bool Read(std::uint32_t flags, std::uint32_t recordOffset, std::span<std::uint8_t> buffer,
            std::uint32_t& bytesRead, std::uint32_t& bytesNeeded) override;
  std::uint32_t LastError() const override { return m_lastError; }
  void Close() override;

 private:
  // Builds the record of the newest untranslated entry before m_entry into m_record.
  void TranslateNext();
  // The SID bytes of a user name, empty when it has no account; remembered per name, since a
  // wtmp file names the same few users over and over.
  const std::vector<std::uint8_t>& SidOf(std::string_view user);

  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
      return std::hash<std::string_view>{}(name);
    }
  };

  ByteBuffer m_bytes;
  UserDirectory& m_users;
  std::size_t m_entryCount = 0;

  bool m_open = false;
  std::size_t m_entry = 0;  // entries not yet looked at lie below this index
  bool m_hasRecord = false;
  std::vector<std::uint8_t> m_record;  // the translated record served next
  std::unordered_map<std::string, std::vector<std::uint8_t>, NameHash, std::equal_to<>> m_sids;
  std::uint32_t m_lastError = 0;
};

}  // namespace orvanta::sources
