#pragma once

#include <signal.h>

#include <cstdint>

namespace orvanta::platform {

// While one is alive, a read from a mapped file's page that the file no longer holds (it shrank
// meanwhile) finds a page of zeros instead of ending the process with SIGBUS, and is counted.
// The libraries that read through mappings then see damaged data and stop there. Other bus
// errors go to the handler that was there before. Guards may live on several threads at once:
// the first installs the handler, the last puts back what was there; each counts the faults
// of the thread it was made on, where it is used.
class SigbusGuard {
 public:
  SigbusGuard();
  ~SigbusGuard();
  SigbusGuard(const SigbusGuard&) = delete;
  SigbusGuard& operator=(const SigbusGuard&) = delete;

  // How many lost pages were read since the guard began.
  std::uint64_t Faults() const;

 private:
  std::uint64_t m_faultsBefore = 0;
};

}  // namespace orvanta::platform
