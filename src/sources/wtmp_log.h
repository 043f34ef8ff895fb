#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sources/block_reader.h"
#include "sources/byte_buffer.h"
#include "sources/sid_cache.h"
#include "sources/translating_log.h"
#include "sources/user_directory.h"
#include "sources/wtmp_layout.h"

namespace orvanta::sources {

// A wtmp file in any of the utmp layouts served as the System log: its entries newest first,
// translated into event records. A boot entry becomes event 6005, the shutdown run-level entry
// 6006, and a user login 7035 carrying the SID S-1-22-1-<uid> of that user (no SID when the
// name has no account). Other entries, and records that are no utmp entry in the file's
// layout, are passed over; a partial record at the end of the file is ignored.
class WtmpLog final : public TranslatingLog {
 public:
  WtmpLog(BlockReader bytes, UserDirectory& users, const WtmpLayout& layout);
  // Reads the bytes in the layout they fit; serves nothing when they fit none.
  WtmpLog(BlockReader bytes, UserDirectory& users);
  WtmpLog(ByteBuffer bytes, UserDirectory& users, const WtmpLayout& layout)
      : WtmpLog(BlockReader(std::move(bytes)), users, layout) {}
  WtmpLog(ByteBuffer bytes, UserDirectory& users) : WtmpLog(BlockReader(std::move(bytes)), users) {}

  // The layout the bytes are written in, decided by their content; nothing when they are not
  // a wtmp file, or not one whose layout can be told.
  static std::optional<WtmpLayout> Recognize(const BlockReader& bytes) {
    return DetectWtmpLayout(bytes);
  }
  static std::optional<WtmpLayout> Recognize(std::span<const std::uint8_t> bytes) {
    return DetectWtmpLayout(bytes);
  }

  // The time of the oldest boot, shutdown or login, nothing when there is none: how far back
  // the file reaches, found without translating every entry.
  std::optional<std::int64_t> OldestSeconds() const;

 protected:
  void Rewind() override { m_entry = m_entryCount; }
  // Builds the record of the newest untranslated entry before m_entry.
  bool TranslateNext(std::vector<std::uint8_t>& record) override;

 private:
  // The entry at index when it is a boot, shutdown or login readable in the file's layout.
  std::optional<WtmpRecord> HistoryEntry(std::size_t index) const;

  BlockReader m_bytes;
  SidCache m_sids;
  WtmpLayout m_layout;
  std::size_t m_entryCount = 0;

  std::size_t m_entry = 0;  // entries not yet looked at lie below this index
};

}  // namespace orvanta::sources
