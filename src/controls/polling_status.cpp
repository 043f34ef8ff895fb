#include "controls/polling_status.h"

#include "controls/polling_list.h"

namespace orvanta::controls {

TUiPollingStatus::TUiPollingStatus() {
  TUiPollingList::Register(*this);
}

TUiPollingStatus::~TUiPollingStatus() {
  TUiPollingList::Unregister(*this);
}

bool TUiPollingStatus::Active() const {
  const TUiPollingList* list = TUiPollingList::Instance();
  return list != nullptr && list->Timer().Enabled();
}

void TUiPollingStatus::SetActive(bool active) {
  if (TUiPollingList* list = TUiPollingList::Instance()) {
    list->Timer().SetEnabled(active);
  }
}

int TUiPollingStatus::Interval() const {
  const TUiPollingList* list = TUiPollingList::Instance();
  return list != nullptr ? list->Timer().Interval() : TUiPollingList::kDefaultInterval;
}

void TUiPollingStatus::SetInterval(int milliseconds) {
  if (TUiPollingList* list = TUiPollingList::Instance()) {
    list->Timer().SetInterval(milliseconds);
  }
}

void TUiPollingStatus::TimerExpired() {
  if (OnTimerExpired) {
    OnTimerExpired();
  }
}

}  // namespace orvanta::controls
