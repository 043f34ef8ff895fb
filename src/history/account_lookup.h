#pragma once

#include <span>
#include <string>
#include <string_view>

#include "history/account_api.h"
#include "history/event_record.h"

namespace orvanta::history {

// The name given when no account name can be had.
inline constexpr std::string_view kNoAccountName = "N/A";

// The bare account name behind the record's user SID, or "N/A" when the record carries no SID,
// the SID would leave the record, no account matches, the name does not fit 260 characters,
// or the lookup raises an error. Every call asks the account database afresh.
std::string LookupEventAccount(AccountApi& accounts, const EventRecordView& record);
// The same for SID bytes read from any log.
std::string LookupSidAccount(AccountApi& accounts, std::span<const std::uint8_t> sid);

// A name as a log records it, held to what the account lookup would give: cut at a null, and
// "N/A" beyond 260 characters.
std::string BoundedAccountName(std::string name);
// The same without a copy: a view of name, or of "N/A".
std::string_view BoundedAccountView(std::string_view name);

// True when the name contains "N/A", "SYSTEM" or "LOCAL SERVICE" anywhere, case sensitive.
bool IsIgnoredAccount(std::string_view name);

}  // namespace orvanta::history
