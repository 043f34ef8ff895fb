// Logs read side by side: every index worked once, on whatever thread, and handed back in order.

#include "sources/side_by_side.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/posix/reader_threads.h"
#include "present/text_out.h"

namespace orvanta::platform {
namespace {

TEST(SideBySide, WorksEachIndexOnceAndHandsThemBackInOrder) {
  struct Case {
    std::size_t Count;
    unsigned Threads;
    std::size_t Ahead = SIZE_MAX;
  };
  for (const Case c : {Case{0, 4}, Case{1, 1}, Case{7, 1}, Case{7, 3}, Case{5, 16}, Case{64, 0},
                       Case{40, 4, 2}, Case{9, 3, 1}}) {
    std::vector<int> worked(c.Count, 0);
    std::vector<std::size_t> order;
    std::atomic<std::size_t> doneCount{0};
    sources::RunSideBySide(
        c.Count, c.Threads,
        [&](std::size_t i, unsigned worker) {
          EXPECT_LT(worker, std::max(1u, c.Threads));
          EXPECT_LT(i - doneCount.load(), c.Ahead) << "begun too far ahead";
          // The early indexes take longest, so later ones finish first where threads allow.
          std::this_thread::sleep_for(std::chrono::microseconds(50 * (c.Count - i)));
          ++worked[i];
        },
        [&](std::size_t i) {
          // Handed back only after its work, which the calling thread then sees whole.
          EXPECT_EQ(worked[i], 1) << i;
          order.push_back(i);
          ++doneCount;
        },
        c.Ahead);
    EXPECT_EQ(worked, std::vector<int>(c.Count, 1)) << c.Count << " on " << c.Threads;
    std::vector<std::size_t> expected(c.Count);
    for (std::size_t i = 0; i < c.Count; ++i) {
      expected[i] = i;
    }
    EXPECT_EQ(order, expected) << c.Count << " on " << c.Threads;
  }
}

TEST(SideBySide, ThreadCountComesFromTheEnvironmentWhenItIsACount) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  struct Case {
    const char* Value;
    unsigned Expected;
  };
  for (const Case c : {Case{"1", 1}, Case{"12", 12}, Case{"0", cores}, Case{"-2", cores},
                       Case{"3x", cores}, Case{"", cores}, Case{"99999", cores}}) {
    ::setenv("ORVANTA_THREADS", c.Value, 1);
    EXPECT_EQ(ReaderThreadCount(), c.Expected) << c.Value;
  }
  ::unsetenv("ORVANTA_THREADS");
  EXPECT_EQ(ReaderThreadCount(), cores);
}

TEST(SideBySide, AThrowStopsEveryThreadAndComesBack) {
  struct Case {
    unsigned Threads;
    bool InWork;  // else in done
  };
  for (const Case c : {Case{1, true}, Case{3, true}, Case{1, false}, Case{3, false}}) {
    std::atomic<std::size_t> worked{0};
    EXPECT_THROW(sources::RunSideBySide(
                     1000, c.Threads,
                     [&](std::size_t i, unsigned) {
                       if (c.InWork && i == 7) {
                         throw std::runtime_error("work");
                       }
                       ++worked;
                     },
                     [&](std::size_t i) {
                       if (!c.InWork && i == 7) {
                         throw std::runtime_error("done");
                       }
                     },
                     4),
                 std::runtime_error)
        << c.Threads;
    EXPECT_LT(worked.load(), 1000u) << c.Threads << ": went on after the throw";
  }
}

TEST(SideBySide, FormatsTheRowsOfATableInPiecesAsOneThreadDoes) {
  const auto rows = [](unsigned threads) {
    return present::CollectText([threads](present::TextOut& out) {
      out.FormatPiecesWith(
          [threads](std::size_t count, std::size_t ahead, const auto& format, const auto& write) {
            sources::RunSideBySide(
                count, threads, [&format](std::size_t i, unsigned) { format(i); }, write, ahead);
          });
      out.WriteRows(present::TextOut::kPieceRows * 20 + 7, [](std::size_t i, std::string& line) {
        line += std::to_string(i * i);
        line += '\n';
      });
    });
  };
  EXPECT_EQ(rows(3), rows(1));
}

}  // namespace
}  // namespace orvanta::platform
