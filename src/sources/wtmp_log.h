#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "history/event_log_api.h"
#include "sources/byte_buffer.h"
#include "sources/sid_cache.h"
#include "sources/user_directory.h"
#include "sources/wtmp_layout.h"

namespace orvanta::sources {

// A wtmp file in any of the utmp layouts served as the System log: its entries newest first,
// translated into event records. A boot entry becomes event 6005, the shutdown run-level entry
// 6006, and a user login 7035 carrying the SID S-1-22-1-<uid> of that user (no SID when the
// name has no account). Other entries, and records that are no utmp entry in the file's
// layout, are passed over; a partial record at the end of the file is ignored.
class WtmpLog final : public history::EventLogApi {
 public:
  WtmpLog(ByteBuffer bytes, UserDirectory& users, const WtmpLayout& layout);
  // Reads the bytes in the layout they fit; serves nothing when they fit none.
  WtmpLog(ByteBuffer bytes, UserDirectory& users);

  // The layout the bytes are written in, decided by their content; nothing when they are not
  // a wtmp file, or not one whose layout can be told.
  static std::optional<WtmpLayout> Recognize(std::span<const std::uint8_t> bytes) {
    return DetectWtmpLayout(bytes);
  }

  bool Open() override;
  bool Read(std::uint32_t flags, std::uint32_t recordOffset, std::span<std::uint8_t> buffer,
            std::uint32_t& bytesRead, std::uint32_t& bytesNeeded) override;
  std::uint32_t LastError() const override { return m_lastError; }
  void Close() override;

 private:
  // Builds the record of the newest untranslated entry before m_entry into m_record.
  void TranslateNext();

  ByteBuffer m_bytes;
  SidCache m_sids;
  WtmpLayout m_layout;
  std::size_t m_entryCount = 0;

  bool m_open = false;
  std::size_t m_entry = 0;  // entries not yet looked at lie below this index
  bool m_hasRecord = false;
  std::vector<std::uint8_t> m_record;  // the translated record served next
  std::uint32_t m_lastError = 0;
};

}  // namespace orvanta::sources
