#include "sources/evtx_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "history/byte_reader.h"
#include "history/date_time.h"

namespace orvanta::sources {
namespace {

using history::BootType;
using history::EventKind;
using history::HistoryEvent;
using history::SleepKind;

// How the records of one provider and id become an event.
enum class Rule : std::uint8_t {
  Boot,
  CleanShutdown,
  UnexpectedShutdown,
  ServiceLogon,
  WinlogonLogon,
  ShutdownRequest,
  BootType,
  BootStart,
  SleepStart,
  SleepEnd,
  SleepReport,
  StandbyStart,
  StandbyEnd,
  ShutdownTransition,
  ClockChange,
};

struct Translation {
  std::string_view Provider;
  std::uint16_t EventId;
  Rule How;
};

constexpr std::array<Translation, 16> kTranslations{{
    {"EventLog", 6005, Rule::Boot},
    {"EventLog", 6006, Rule::CleanShutdown},
    {"EventLog", 6008, Rule::UnexpectedShutdown},
    {"EventLog", 6009, Rule::BootStart},
    {"Service Control Manager", 7035, Rule::ServiceLogon},
    {"Microsoft-Windows-Winlogon", 7001, Rule::WinlogonLogon},
    {"User32", 1074, Rule::ShutdownRequest},
    {"Microsoft-Windows-Kernel-Boot", 27, Rule::BootType},
    {"Microsoft-Windows-Kernel-Power", 42, Rule::SleepStart},
    {"Microsoft-Windows-Kernel-Power", 107, Rule::SleepEnd},
    {"Microsoft-Windows-Kernel-Power", 109, Rule::ShutdownTransition},
    {"Microsoft-Windows-Kernel-Power", 506, Rule::StandbyStart},
    {"Microsoft-Windows-Kernel-Power", 507, Rule::StandbyEnd},
    {"Microsoft-Windows-Power-Troubleshooter", 1, Rule::SleepReport},
    {"Microsoft-Windows-Kernel-General", 1, Rule::ClockChange},
    {"Microsoft-Windows-Kernel-General", 12, Rule::BootStart},
}};

// Kernel-Boot 27 BootType, by value.
constexpr std::array<BootType, 3> kBootTypes{BootType::Cold, BootType::Hybrid,
                                             BootType::ResumeFromHibernation};

// The kernel's system power states (TargetState, EffectiveState), by value: unspecified,
// working, the three sleeping states, hibernation; shutdown and above say nothing of a sleep.
constexpr std::array<SleepKind, 6> kPowerStates{SleepKind::Unknown, SleepKind::Unknown,
                                                SleepKind::Sleep,   SleepKind::Sleep,
                                                SleepKind::Sleep,   SleepKind::Hibernate};

// Power-Troubleshooter 1 WakeSourceType values that mean the same on every version; the others
// changed between versions, so their WakeSourceText names them.
struct WakeSourceName {
  std::uint64_t Type;
  std::string_view Name;
};
constexpr std::array<WakeSourceName, 5> kWakeSources{{
    {1, "power button"},
    {2, "sleep button"},
    {3, "hibernate timer"},
    {6, "timer"},
    {7, "timer"},
}};

// Kernel-Power 109 ShutdownActionType of a hibernation.
constexpr std::uint64_t kActionHibernate = 3;

// User32 1074 items, named in newer logs, in this order unnamed in older ones.
enum ShutdownItem : std::size_t {
  kInitiator = 0,
  kReason = 2,
  kReasonCode = 3,
  kKind = 4,
  kRequestUser = 6,
};
constexpr std::array<std::string_view, 7> kShutdownItemNames{"param1", "param2", "param3", "param4",
                                                             "param5", "param6", "param7"};

// Provider and item names are compared as Windows does, without regard to ASCII case.
bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

constexpr std::uint64_t kFiletimeTicksPerSecond = 10'000'000;
constexpr std::int64_t kFiletimeSecondsTo1970 = 11'644'473'600;
constexpr std::uint64_t kMicrosecondsPerSecond = 1'000'000;

std::int64_t SecondsSince1970(std::uint64_t filetime) {
  return static_cast<std::int64_t>(filetime / kFiletimeTicksPerSecond) - kFiletimeSecondsTo1970;
}

const EvtxData* Item(const EvtxFields& fields, std::string_view name) {
  const auto found = std::find_if(fields.Data.begin(), fields.Data.end(),
                                  [&](const EvtxData& d) { return SameName(d.Name, name); });
  return found == fields.Data.end() ? nullptr : &*found;
}

// A named item, or where the log names none, the unnamed item at that position.
const EvtxData* Item(const EvtxFields& fields, std::string_view name, std::size_t position) {
  if (const EvtxData* named = Item(fields, name)) {
    return named;
  }
  std::size_t unnamed = 0;
  for (const EvtxData& d : fields.Data) {
    if (d.Name.empty() && unnamed++ == position) {
      return &d;
    }
  }
  return nullptr;
}

std::optional<std::uint64_t> Number(const EvtxFields& fields, std::string_view name) {
  const EvtxData* item = Item(fields, name);
  return item ? item->Number : std::nullopt;
}

// A FILETIME item as seconds since 1970; none where it is missing or zero (never set).
std::optional<std::int64_t> Time(const EvtxFields& fields, std::string_view name) {
  const std::optional<std::uint64_t> filetime = Number(fields, name);
  if (!filetime || *filetime == 0) {
    return std::nullopt;
  }
  return SecondsSince1970(*filetime);
}

// The table's entry for a value, the type's default (Unknown) outside it.
template <typename Table>
auto ByValue(const Table& table, std::optional<std::uint64_t> value) -> typename Table::value_type {
  return value && *value < table.size() ? table[static_cast<std::size_t>(*value)]
                                        : typename Table::value_type{};
}

SleepKind PowerState(const EvtxFields& fields) {
  return ByValue(kPowerStates, Number(fields, "EffectiveState"));
}

std::string WakeSource(const EvtxFields& fields) {
  if (const std::optional<std::uint64_t> type = Number(fields, "WakeSourceType")) {
    for (const WakeSourceName& source : kWakeSources) {
      if (source.Type == *type) {
        return std::string(source.Name);
      }
    }
  }
  const EvtxData* text = Item(fields, "WakeSourceText");
  return text ? text->Text : std::string();
}

// The end of the run that 6008 reports, from its binary data: two SYSTEMTIMEs, local time
// then UTC.
std::optional<std::int64_t> ReportedEnd(const std::vector<std::uint8_t>& binary) {
  constexpr std::size_t kUtcTime = 16;
  const history::ByteReader bytes(binary);
  std::array<int, 8> words{};
  for (std::size_t i = 0; i < words.size(); ++i) {
    const auto word = bytes.U16(kUtcTime + 2 * i);
    if (!word) {
      return std::nullopt;
    }
    words[i] = *word;
  }
  // Year, month, day of the week, day, hour, minute, second, milliseconds.
  const auto dateTime =
      history::EncodeDateTime({words[0], words[1], words[3], words[4], words[5], words[6], 0});
  if (!dateTime) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(
      std::llround((*dateTime - history::kUnixEpochDateTime) * 86'400.0));
}

std::string Text(const EvtxFields& fields, ShutdownItem item) {
  const EvtxData* data = Item(fields, kShutdownItemNames[item], item);
  return data ? data->Text : std::string();
}

}  // namespace

HistoryEvent EvtxEvent(const EvtxRecord& record) {
  const EvtxFields& fields = *record.Fields;
  HistoryEvent event;
  event.RecordId = fields.RecordId.value_or(record.HeaderId);
  event.Seconds = SecondsSince1970(fields.SystemTime.value_or(record.WrittenTime));
  if (!fields.EventId) {
    return event;
  }
  // Classic sources keep their qualifiers in the upper half of the stored id.
  const auto eventId = static_cast<std::uint16_t>(*fields.EventId & 0xFFFF);
  const auto translation =
      std::find_if(kTranslations.begin(), kTranslations.end(), [&](const Translation& t) {
        return t.EventId == eventId && SameName(t.Provider, fields.Provider);
      });
  if (translation == kTranslations.end()) {
    return event;
  }
  switch (translation->How) {
    case Rule::Boot:
      event.Kind = EventKind::Boot;
      break;
    case Rule::CleanShutdown:
      event.Kind = EventKind::CleanShutdown;
      break;
    case Rule::UnexpectedShutdown:
      event.Kind = EventKind::UnexpectedShutdownReport;
      event.OtherSeconds = ReportedEnd(fields.Binary);
      break;
    case Rule::ServiceLogon:
      event.Kind = EventKind::Logon;
      event.Sid = fields.UserId;
      break;
    case Rule::WinlogonLogon:
      event.Kind = EventKind::Logon;
      event.Sid = fields.UserSid;
      break;
    case Rule::ShutdownRequest:
      event.Kind = EventKind::ShutdownRequest;
      event.Sid = fields.UserId;
      event.Shutdown = {Text(fields, kInitiator), Text(fields, kRequestUser), Text(fields, kReason),
                        Text(fields, kReasonCode), Text(fields, kKind)};
      break;
    case Rule::BootType:
      event.Kind = EventKind::BootTypeReport;
      event.Boot = ByValue(kBootTypes, Number(fields, "BootType"));
      break;
    case Rule::BootStart:
      event.Kind = EventKind::BootTypeReport;  // of a type it does not tell
      break;
    case Rule::SleepStart:
      event.Kind = EventKind::SleepStart;
      // Going down, the state is only what was asked for: only a resume tells hibernation.
      event.Sleep = PowerState(fields) == SleepKind::Sleep ? SleepKind::Sleep : SleepKind::Unknown;
      break;
    case Rule::SleepEnd:
      event.Kind = EventKind::SleepEnd;
      event.Sleep = PowerState(fields);
      break;
    case Rule::SleepReport:
      event.Kind = EventKind::SleepEnd;
      event.Sleep = PowerState(fields);
      event.Seconds = Time(fields, "WakeTime").value_or(event.Seconds);
      event.OtherSeconds = Time(fields, "SleepTime");
      event.WakeSource = WakeSource(fields);
      break;
    case Rule::StandbyStart:
      event.Kind = EventKind::SleepStart;
      event.Sleep = SleepKind::ModernStandby;
      break;
    case Rule::StandbyEnd:
      event.Kind = EventKind::SleepEnd;
      event.Sleep = SleepKind::ModernStandby;
      if (const auto slept = Number(fields, "SleepDurationInUs")) {
        event.OtherSeconds =
            event.Seconds - static_cast<std::int64_t>(*slept / kMicrosecondsPerSecond);
      }
      break;
    case Rule::ShutdownTransition:
      if (Number(fields, "ShutdownActionType") == kActionHibernate) {
        event.Kind = EventKind::SleepStart;
        event.Sleep = SleepKind::Hibernate;
      }
      break;
    case Rule::ClockChange:
      // The record is written once the clock is set: its time is the new time.
      event.Kind = EventKind::ClockChange;
      event.OtherSeconds = Time(fields, "OldTime");
      break;
  }
  return event;
}

}  // namespace orvanta::sources
