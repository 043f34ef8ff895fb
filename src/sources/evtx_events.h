#pragma once

#include "history/history_event.h"
#include "sources/evtx_file.h"

namespace orvanta::sources {

// The event an XML event log record stands for: a boot, shutdown, logon, sleep, wake, clock
// change or shutdown request where its provider and id say so, and otherwise a sign of life at
// its time. Times are the record's own unless its event data holds better ones.
history::HistoryEvent EvtxEvent(const EvtxRecord& record);

}  // namespace orvanta::sources
