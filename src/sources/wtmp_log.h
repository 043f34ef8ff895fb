#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "history/event_history.h"
#include "sources/block_reader.h"
#include "sources/byte_buffer.h"
#include "sources/wtmp_layout.h"

namespace orvanta::sources {

// A wtmp file in any of the utmp layouts read as a history: its entries newest first. A boot
// entry is a boot, the shutdown run-level entry a clean shutdown, and a user login a logon
// carrying the name the file records. Other entries, and records that are no utmp entry in the
// file's layout, are passed over (they say nothing the runs need); a partial record at the end
// of the file is ignored. wtmp records no sleep.
class WtmpLog final : public history::EventHistory {
 public:
  WtmpLog(BlockReader bytes, const WtmpLayout& layout);
  // Reads the bytes in the layout they fit; serves nothing when they fit none.
  explicit WtmpLog(BlockReader bytes);
  WtmpLog(ByteBuffer bytes, const WtmpLayout& layout)
      : WtmpLog(BlockReader(std::move(bytes)), layout) {}
  explicit WtmpLog(ByteBuffer bytes) : WtmpLog(BlockReader(std::move(bytes))) {}

  // The layout the bytes are written in, decided by their content; nothing when they are not
  // a wtmp file, or not one whose layout can be told.
  static std::optional<WtmpLayout> Recognize(const BlockReader& bytes) {
    return DetectWtmpLayout(bytes);
  }
  static std::optional<WtmpLayout> Recognize(std::span<const std::uint8_t> bytes) {
    return DetectWtmpLayout(bytes);
  }

  void Read(const history::EventSink& sink) override;
  bool SleepKnown() const override { return false; }

  // The time of the oldest boot, shutdown or login, nothing when there is none: how far back
  // the file reaches, found without reading every entry.
  std::optional<std::int64_t> OldestSeconds() const;

 private:
  // The entry at index when it is a boot, shutdown or login readable in the file's layout.
  std::optional<WtmpRecord> HistoryEntry(std::size_t index) const;

  BlockReader m_bytes;
  WtmpLayout m_layout;
  std::size_t m_entryCount = 0;
};

}  // namespace orvanta::sources
