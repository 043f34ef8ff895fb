#include "history/byte_reader.h"

#include <gtest/gtest.h>

#include <array>

namespace orvanta::history {
namespace {

struct IntCase {
  std::size_t Offset, Width;
  ByteOrder Order;
  std::optional<std::uint64_t> Unsigned;
  std::optional<std::int64_t> Signed;
};

TEST(ByteReader, ReadsIntegersInEitherOrderWithinTheBytes) {
  const std::array<std::uint8_t, 9> bytes = {0xFF, 0xFE, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x80};
  const ByteReader reader(bytes);
  const std::array<IntCase, 7> cases = {{
      {0, 2, ByteOrder::Little, 0xFEFF, -257},
      {0, 2, ByteOrder::Big, 0xFFFE, -2},
      {2, 4, ByteOrder::Big, 0x00010203, 0x00010203},
      {1, 8, ByteOrder::Little, 0x80050403020100FE, static_cast<std::int64_t>(0x80050403020100FE)},
      {0, 8, ByteOrder::Big, 0xFFFE000102030405, static_cast<std::int64_t>(0xFFFE000102030405)},
      {2, 8, ByteOrder::Big, std::nullopt, std::nullopt},  // one byte past the end
      {SIZE_MAX, 2, ByteOrder::Little, std::nullopt, std::nullopt},
  }};
  for (const IntCase& c : cases) {
    EXPECT_EQ(reader.Unsigned(c.Offset, c.Width, c.Order), c.Unsigned)
        << c.Offset << "+" << c.Width;
    EXPECT_EQ(reader.Signed(c.Offset, c.Width, c.Order), c.Signed) << c.Offset << "+" << c.Width;
  }
  EXPECT_EQ(reader.U32(2), reader.Unsigned(2, 4, ByteOrder::Little));
}

}  // namespace
}  // namespace orvanta::history
