#include "platform/posix/sigbus_guard.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <mutex>

namespace orvanta::platform {
namespace {

// The handler's state: a signal handler has no other way to reach it. A bus error is
// delivered to the thread that faulted, so each thread counts its own.
thread_local std::uint64_t tFaults = 0;
struct sigaction gPrevious {};
std::uintptr_t gPageSize = 4096;
// The guards alive on all threads; the handler is installed while there are any.
std::mutex gGuardsMutex;
std::size_t gGuards = 0;
bool gInstalled = false;

void OnSigbus(int signal, siginfo_t* info, void* context) {
  // BUS_ADRERR is the access to a mapped page beyond the end of its file.
  if (info != nullptr && info->si_code == BUS_ADRERR && info->si_addr != nullptr) {
    const auto page = reinterpret_cast<std::uintptr_t>(info->si_addr) & ~(gPageSize - 1);
    void* zeros = ::mmap(reinterpret_cast<void*>(page), gPageSize, PROT_READ,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (zeros != MAP_FAILED) {
      ++tFaults;
      return;  // the read is retried and finds zeros
    }
  }
  if ((gPrevious.sa_flags & SA_SIGINFO) != 0 && gPrevious.sa_sigaction != nullptr) {
    gPrevious.sa_sigaction(signal, info, context);
    return;
  }
  // Not ours to mend: the previous disposition takes the repeated fault.
  ::sigaction(SIGBUS, &gPrevious, nullptr);
}

}  // namespace

SigbusGuard::SigbusGuard() : m_faultsBefore(tFaults) {
  const std::lock_guard lock(gGuardsMutex);
  if (gGuards++ > 0) {
    return;
  }
  const long pageSize = ::sysconf(_SC_PAGESIZE);
  if (pageSize > 0) {
    gPageSize = static_cast<std::uintptr_t>(pageSize);
  }
  struct sigaction action {};
  action.sa_sigaction = OnSigbus;
  action.sa_flags = SA_SIGINFO | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  gInstalled = ::sigaction(SIGBUS, &action, &gPrevious) == 0;
}

SigbusGuard::~SigbusGuard() {
  const std::lock_guard lock(gGuardsMutex);
  if (--gGuards == 0 && gInstalled) {
    ::sigaction(SIGBUS, &gPrevious, nullptr);
    gInstalled = false;
  }
}

std::uint64_t SigbusGuard::Faults() const {
  return tFaults - m_faultsBefore;
}

}  // namespace orvanta::platform
