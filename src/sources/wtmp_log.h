#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
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
  // With more than one thread, Read translates the entries ahead on up to that many threads.
  WtmpLog(BlockReader bytes, const WtmpLayout& layout, unsigned threads = 1);
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
  // wtmp names no machine.
  std::optional<std::string> Machine() const override { return std::string(); }

  // The time of the oldest boot, shutdown or login, nothing when there is none: how far back
  // the file reaches, found without reading every entry.
  std::optional<std::int64_t> OldestSeconds() const;

 private:
  // The event of an entry, as small as it can be held between threads.
  struct Entry {
    std::int64_t Seconds = 0;
    std::uint64_t RecordId = 0;
    history::EventKind Kind = history::EventKind::Boot;
    std::uint8_t UserLength = 0;
    std::array<char, 32> User{};  // as long as the user field of every layout
  };
  // Hands the entry to sink as event, whose room is used again from one entry to the next.
  static void Hand(const Entry& entry, history::HistoryEvent& event,
                   const history::EventSink& sink);

  // The bytes of the entry at index, read through file.
  std::span<const std::uint8_t> EntryBytes(const BlockReader& file, std::size_t index) const;
  // The entry when it is a boot, shutdown or login readable in the file's layout.
  std::optional<WtmpRecord> HistoryEntry(std::span<const std::uint8_t> bytes) const;
  // Hands the events of the entries [from, to) to deliver, newest first, read through bytes.
  template <typename Deliver>
  void ReadEntries(const BlockReader& bytes, std::size_t from, std::size_t to,
                   const Deliver& deliver) const;
  void ReadSideBySide(const history::EventSink& sink);

  BlockReader m_bytes;
  WtmpLayout m_layout;
  std::size_t m_entryCount = 0;
  unsigned m_threads = 1;
};

}  // namespace orvanta::sources
