#include "sources/wtmpdb_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>

namespace orvanta::sources {
namespace {

constexpr int kBootRow = 1;
constexpr int kUserRow = 3;

constexpr const char* kNotLoginDatabase = "not a login database";
constexpr const char* kLogNotRead = "changes still in its write-ahead log were not read";
constexpr const char* kChangeNotUndone =
    "an interrupted change was not rolled back: read as the file stands";

// Header bytes 18 and 19 hold the write and read versions; 2 marks write-ahead-log mode.
constexpr std::size_t kWriteVersionOffset = 18;
constexpr std::uint8_t kWalVersion = 2;

constexpr std::array<std::string_view, 4> kReadColumns{"Type", "User", "Login", "Logout"};

bool InWalMode(std::span<const std::uint8_t> header) {
  return header.size() > kWriteVersionOffset + 1 &&
         (header[kWriteVersionOffset] == kWalVersion ||
          header[kWriteVersionOffset + 1] == kWalVersion);
}

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// The SQL's words as one lowercase string without white space, enough to tell its kind.
std::string Squeezed(std::string_view sql, std::size_t length) {
  std::string words;
  for (char c : sql) {
    if (words.size() == length) {
      break;
    }
    if (std::isspace(static_cast<unsigned char>(c)) == 0) {
      words += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return words;
}

}  // namespace

WtmpdbOpening ChooseWtmpdbOpening(std::span<const std::uint8_t> header, bool logBeside,
                                  bool indexBeside) {
  if (!InWalMode(header) || (logBeside && indexBeside)) {
    return {WtmpdbAccess::Shared, {}};
  }
  return {WtmpdbAccess::Immutable, logBeside ? kLogNotRead : ""};
}

WtmpdbOpening WtmpdbFallbackOpening(std::span<const std::uint8_t> header) {
  return {WtmpdbAccess::Immutable, InWalMode(header) ? kLogNotRead : kChangeNotUndone};
}

std::string WtmpdbTableProblem(std::string_view type, std::string_view sql) {
  constexpr std::string_view kVirtual = "createvirtual";
  if (type != "table" || Squeezed(sql, kVirtual.size()) == kVirtual) {
    return kNotLoginDatabase;
  }
  return {};
}

std::string WtmpdbColumnsProblem(std::span<const WtmpdbColumn> columns) {
  for (std::string_view wanted : kReadColumns) {
    const auto found = std::ranges::find_if(
        columns, [wanted](const WtmpdbColumn& c) { return SameName(c.Name, wanted); });
    if (found == columns.end() || found->Generated) {
      return kNotLoginDatabase;
    }
  }
  return {};
}

std::int64_t WtmpdbStepBudget(std::uint64_t bytes, const WtmpdbSteps& steps) {
  constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
  const std::int64_t base = std::max<std::int64_t>(steps.Base, 0);
  const auto perByte = static_cast<std::uint64_t>(std::max<std::int64_t>(steps.PerByte, 0));
  if (perByte != 0 && bytes > static_cast<std::uint64_t>(kMost - base) / perByte) {
    return kMost;
  }
  return base + static_cast<std::int64_t>(bytes * perByte);
}

std::int64_t WtmpdbSeconds(std::int64_t microseconds) {
  return microseconds >= 0 ? microseconds / 1'000'000 : (microseconds + 1) / 1'000'000 - 1;
}

void AppendWtmpdbEvents(const WtmpdbRow& row, std::vector<history::HistoryEvent>& events) {
  if (!row.Login) {
    return;
  }
  const auto add = [&](history::EventKind kind, std::int64_t microseconds) {
    events.emplace_back();
    events.back().Kind = kind;
    events.back().Seconds = WtmpdbSeconds(microseconds);
    return &events.back();
  };
  if (row.Type == kBootRow) {
    add(history::EventKind::Boot, *row.Login);
    if (row.Logout) {
      add(history::EventKind::CleanShutdown, *row.Logout);
    }
  } else if (row.Type == kUserRow && row.User) {
    add(history::EventKind::Logon, *row.Login)->User = *row.User;
  }
}

}  // namespace orvanta::sources
