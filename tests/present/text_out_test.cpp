// Rows written in pieces, formatted in whatever order a runner chooses, come out as they do
// written one by one; a failed write ends the writing.

#include "present/text_out.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta::present {
namespace {

std::string Rows(std::size_t count, bool inPieces, std::size_t failAfter = SIZE_MAX) {
  std::string text;
  std::size_t writes = 0;
  TextOut out([&](std::string_view part) {
    text.append(part);
    return ++writes < failAfter;
  });
  if (inPieces) {
    // Formats every piece first, newest first, then writes them in order.
    out.FormatPiecesWith(
        [](std::size_t pieces, std::size_t ahead, const auto& format, const auto& write) {
          for (std::size_t start = 0; start < pieces; start += ahead) {
            const std::size_t end = std::min(pieces, start + ahead);
            for (std::size_t p = end; p-- > start;) {
              format(p);
            }
            for (std::size_t p = start; p < end; ++p) {
              write(p);
            }
          }
        });
  }
  out.Buffer() += "head\n";
  out.WriteRows(count, [](std::size_t i, std::string& line) {
    line += std::to_string(i);
    line += '\n';
  });
  out.Buffer() += "tail\n";
  out.Flush();
  return text;
}

TEST(TextOut, RowsInPiecesComeInOrder) {
  for (const std::size_t count : {std::size_t{0}, std::size_t{5}, TextOut::kPieceRows,
                                  TextOut::kPieceRows * TextOut::kPiecesAhead * 2 + 3}) {
    EXPECT_EQ(Rows(count, true), Rows(count, false)) << count;
  }
}

TEST(TextOut, AFailedWriteEndsTheWriting) {
  const std::size_t count = TextOut::kPieceRows * 5;
  const std::string whole = Rows(count, true);
  const std::string cut = Rows(count, true, 2);
  EXPECT_LT(cut.size(), whole.size());
  EXPECT_EQ(whole.substr(0, cut.size()), cut);
}

}  // namespace
}  // namespace orvanta::present
