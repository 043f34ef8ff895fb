#include "present/text_out.h"

#include <algorithm>

namespace orvanta::present {

void TextOut::WriteRows(std::size_t count, const RowFormat& row) {
  if (!m_pieces || count <= kPieceRows) {
    for (std::size_t i = 0; i < count; ++i) {
      row(i, m_buffer);
      EndRow();
    }
    return;
  }
  const std::size_t pieces = (count + kPieceRows - 1) / kPieceRows;
  // A ring of slots, one for each piece that may be under way, keeps its room from piece to
  // piece.
  std::vector<std::string> ring(kPiecesAhead);
  m_pieces(
      pieces, kPiecesAhead,
      [&](std::size_t p) {
        std::string& text = ring[p % kPiecesAhead];
        text.clear();
        text.reserve(kPieceBytes);
        const std::size_t end = std::min(count, (p + 1) * kPieceRows);
        for (std::size_t i = p * kPieceRows; i < end; ++i) {
          row(i, text);
        }
      },
      [&](std::size_t p) {
        Flush();
        if (m_ok) {
          m_ok = m_write(ring[p % kPiecesAhead]);
        }
      });
}

}  // namespace orvanta::present
