#include "sources/wtmp_log.h"

#include <gtest/gtest.h>

#include <map>

#include "history/event_record.h"
#include "history/sid.h"
#include "sources/account_chain.h"
#include "sources/log_file.h"
#include "sources/logged_user_directory.h"
#include "sources/unix_account_api.h"
#include "support/byte_writer.h"
#include "support/record_reading.h"
#include "support/wtmp_writer.h"

namespace orvanta::sources {
namespace {

using namespace testsupport;

class TableDirectory : public UserDirectory {
 public:
  std::map<std::string, std::uint32_t, std::less<>> Uids;
  std::optional<std::uint32_t> UidOf(std::string_view name) override {
    auto found = Uids.find(name);
    return found == Uids.end() ? std::nullopt : std::optional(found->second);
  }
  std::optional<std::string> NameOf(std::uint32_t uid) override {
    for (const auto& [name, id] : Uids) {
      if (id == uid) {
        return name;
      }
    }
    return std::nullopt;
  }
};

struct Translated {
  std::uint32_t EventId;
  std::uint32_t Time;
  std::string Sid;  // "S-1-..." or empty
  friend bool operator==(const Translated&, const Translated&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Translated& t) {
    return out << t.EventId << "@" << t.Time << " " << t.Sid;
  }
};

std::vector<Translated> Translate(const std::vector<std::uint8_t>& file, UserDirectory& users) {
  WtmpLog log(ByteBuffer::CopyOf(file), users);
  std::vector<Translated> out;
  for (const auto& bytes : ReadRecords(log)) {
    auto record = history::EventRecordView::Parse(bytes);
    EXPECT_TRUE(record);
    auto sid = history::ParseSid(record->UserSid());
    out.push_back({record->EventId(), record->TimeGenerated(),
                   sid ? history::FormatSid(*sid) : std::string()});
  }
  return out;
}

TEST(WtmpLog, TranslatesBootsShutdownsAndLoginsNewestFirst) {
  TableDirectory users;
  users.Uids = {{"alice", 1000}, {"root", 0}};
  const std::vector<WtmpEntry> entries = {
      ShutdownEntry(100),
      BootEntry(200),
      {UtType::RunLevel, "runlevel", 201, "~~", 0, ""},
      {UtType::LoginProcess, "LOGIN", 202, "tty1", 5, ""},
      LoginEntry(300, "alice"),
      LoginEntry(301, "mallory"),  // no account: no SID
      {UtType::DeadProcess, "", 302, "pts/0", 5, ""},
      LoginEntry(400, std::string(32, 'r')),  // a name filling its field without a null
      LoginEntry(500, "root"),
      ShutdownEntry(600),
  };
  const std::vector<Translated> expected = {
      {0x80001776, 600, ""}, {0x40001B7B, 500, "S-1-22-1-0"},    {0x40001B7B, 400, ""},
      {0x40001B7B, 301, ""}, {0x40001B7B, 300, "S-1-22-1-1000"}, {0x80001775, 200, ""},
      {0x80001776, 100, ""},
  };
  EXPECT_EQ(Translate(WriteWtmpFile(entries), users), expected);
}

// A saved file from another machine names its users itself: each gets a number of its own,
// and the account names come back from the file, through every account source in turn.
TEST(WtmpLog, LoggedUsersAreNamedFromTheFile) {
  LoggedUserDirectory users;
  const std::vector<Translated> translated = Translate(
      WriteWtmpFile({LoginEntry(1, "alice"), LoginEntry(2, "bob"), LoginEntry(3, "alice")}), users);
  const std::vector<Translated> expected = {
      {0x40001B7B, 3, "S-1-22-1-0"}, {0x40001B7B, 2, "S-1-22-1-1"}, {0x40001B7B, 1, "S-1-22-1-0"}};
  EXPECT_EQ(translated, expected);

  class NoAccounts final : public history::AccountApi {
    std::optional<std::string> LookupAccountSid(std::span<const std::uint8_t>) override {
      return std::nullopt;
    }
  };
  AccountChain accounts(std::make_unique<NoAccounts>(), std::make_unique<UnixAccountApi>(users));
  const std::array<std::pair<history::Sid, std::optional<std::string>>, 4> names = {{
      {UnixUserSid(0), "alice"},
      {UnixUserSid(1), "bob"},
      {UnixUserSid(2), std::nullopt},
      {history::MakeSid(5, {18}), "SYSTEM"},
  }};
  for (const auto& [sid, name] : names) {
    EXPECT_EQ(accounts.LookupAccountSid(history::EncodeSid(sid)), name) << history::FormatSid(sid);
  }
}

TEST(WtmpLog, IgnoresAPartialRecordAtTheEnd) {
  TableDirectory users;
  std::vector<std::uint8_t> file = WriteWtmpFile({BootEntry(10), ShutdownEntry(20)});
  const std::vector<std::uint8_t> partial = BuildWtmpRecord(BootEntry(30));
  file.insert(file.end(), partial.begin(), partial.begin() + 200);
  EXPECT_EQ(Translate(file, users),
            (std::vector<Translated>{{0x80001776, 20, ""}, {0x80001775, 10, ""}}));
}

TEST(WtmpLog, RecognisesWtmpByRecordSizeAndContent) {
  const std::vector<std::uint8_t> good = WriteWtmpFile({BootEntry(10)});
  EXPECT_TRUE(WtmpLog::Recognize(good));
  EXPECT_FALSE(WtmpLog::Recognize(std::span(good).first(383)));
  std::vector<std::uint8_t> badType = good;
  badType[0] = 42;
  EXPECT_FALSE(WtmpLog::Recognize(badType));
  std::vector<std::uint8_t> controlInName = good;
  controlInName[44] = 0x01;
  EXPECT_FALSE(WtmpLog::Recognize(controlInName));
  std::vector<std::uint8_t> text(400, 'a');
  EXPECT_FALSE(WtmpLog::Recognize(text));

  TableDirectory users;
  EXPECT_TRUE(LogFromBytes(ByteBuffer::CopyOf(good), users).Log);
  EXPECT_EQ(LogFromBytes(ByteBuffer::CopyOf(text), users).Error, "not an event log or wtmp file");
}

}  // namespace
}  // namespace orvanta::sources
