#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::present {

// Text written as it is formatted: rows are appended to a buffer that goes to the writer each
// time it passes kFlushSize bytes, so a report of any length takes the same memory.
class TextOut {
 public:
  static constexpr std::size_t kFlushSize = std::size_t{64} << 10;
  // Rows formatted as one piece of work where pieces are formatted side by side.
  static constexpr std::size_t kPieceRows = 4096;
  static constexpr std::size_t kPieceBytes = kPieceRows * 128;  // room for most pieces
  // Takes the text; false when it could not be written, which ends all further writing.
  using Writer = std::function<bool(std::string_view text)>;
  // Runs format(i) for every piece i below count, maybe side by side on other threads, and
  // write(i) for each in order on the calling thread once piece i is formatted; no piece is
  // begun more than `ahead` places past the one next to be written.
  using PieceRunner = std::function<void(std::size_t count, std::size_t ahead,
                                         const std::function<void(std::size_t)>& format,
                                         const std::function<void(std::size_t)>& write)>;
  // Pieces formatted ahead of the one written.
  static constexpr std::size_t kPiecesAhead = 8;
  // Appends row i of a table to text.
  using RowFormat = std::function<void(std::size_t i, std::string& text)>;

  explicit TextOut(Writer write) : m_write(std::move(write)) { m_buffer.reserve(2 * kFlushSize); }
  ~TextOut() { Flush(); }
  TextOut(const TextOut&) = delete;
  TextOut& operator=(const TextOut&) = delete;

  // Where the text of a row is appended.
  std::string& Buffer() { return m_buffer; }
  // Long tables are formatted in pieces through runner from now on.
  void FormatPiecesWith(PieceRunner runner) { m_pieces = std::move(runner); }
  // Appends count rows, each ended: in pieces through the runner where one is set, the rows
  // then formatted on whatever thread (row must only read what does not change meanwhile).
  void WriteRows(std::size_t count, const RowFormat& row);
  // Ends a row: writes the buffer once it is full enough.
  void EndRow() {
    if (m_buffer.size() >= kFlushSize) {
      Flush();
    }
  }
  // Writes what is buffered; false once any write has failed.
  bool Flush() {
    if (!m_buffer.empty() && m_ok) {
      m_ok = m_write(m_buffer);
    }
    m_buffer.clear();
    return m_ok;
  }

 private:
  Writer m_write;
  PieceRunner m_pieces;
  std::string m_buffer;
  bool m_ok = true;
};

// Collects what format writes to a TextOut into one string.
template <typename Format>
std::string CollectText(const Format& format) {
  std::string text;
  {
    TextOut out([&text](std::string_view part) {
      text.append(part);
      return true;
    });
    format(out);
  }
  return text;
}

}  // namespace orvanta::present
