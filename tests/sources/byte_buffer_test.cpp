#include "sources/byte_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace orvanta::sources {
namespace {

struct ReadCase {
  const char* Name;
  std::size_t Measured;  // the size the file had when it was measured
  std::string Content;   // what the reads find
  std::size_t Chunk;     // bytes per read at most
  bool FailAt6;          // a read that starts at byte 6 fails
  std::string Expected;  // the bytes loaded, or the error
};

TEST(ReadWhole, ReadsInChunksKeepsAShrunkFileAndPassesOnErrors) {
  const ReadCase cases[] = {
      {"one read", 9, "abcdefghi", 100, false, "abcdefghi"},
      {"short reads", 9, "abcdefghi", 2, false, "abcdefghi"},
      {"shrank", 9, "abcd", 3, false, "abcd"},
      {"grew", 4, "abcdefghi", 3, false, "abcd"},
      {"failed", 9, "abcdefghi", 3, true, "read failed"},
  };
  for (const ReadCase& c : cases) {
    std::size_t at = 0;
    Opened<ByteBuffer> load = ReadWhole(
        c.Measured,
        [&](std::span<std::uint8_t> into, std::string& error) -> std::optional<std::size_t> {
          if (c.FailAt6 && at == 6) {
            error = "read failed";
            return std::nullopt;
          }
          const std::size_t n = std::min({into.size(), c.Chunk, c.Content.size() - at});
          std::copy_n(c.Content.begin() + static_cast<std::ptrdiff_t>(at), n, into.begin());
          at += n;
          return n;
        });
    const std::string got = load.Error.empty()
                                ? std::string(load.Value.Span().begin(), load.Value.Span().end())
                                : load.Error;
    EXPECT_EQ(got, c.Expected) << c.Name;
  }
}

}  // namespace
}  // namespace orvanta::sources
