#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "platform/posix/freetype_glyph_source.h"

// Counts allocations of this test program while a test asks for it; drawing many list rows
// must not allocate once their glyphs are cached.
namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  if (g_counting.load(std::memory_order_relaxed)) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    return p;
  }
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace orvanta::platform {
namespace {

TEST(GlyphCache, CachedLookupsDoNotAllocate) {
  FreeTypeGlyphSource source;
  const gfx::FaceKey key{"MS Sans Serif", 11, false, false};
  const std::u32string_view row = U"2024-01-05 13:45:10 正常关机 Administrator ÄÖÜ 刷新(&R)";
  {
    auto face = source.Face(key);
    for (char32_t c : row) {
      face->Glyph(c);
    }
  }
  long advances = 0;
  g_allocations = 0;
  g_counting = true;
  for (int i = 0; i < 1000; ++i) {
    auto face = source.Face(key);
    for (char32_t c : row) {
      advances += face->Glyph(c).Advance;
    }
  }
  g_counting = false;
  EXPECT_EQ(g_allocations.load(), 0);
  EXPECT_GT(advances, 0);
}

}  // namespace
}  // namespace orvanta::platform
