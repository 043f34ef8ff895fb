#include "platform/posix/sigbus_guard.h"

#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace orvanta::platform {
namespace {

// The handler's state: a signal handler has no other way to reach it.
std::atomic<std::uint64_t> gFaults{0};
struct sigaction gPrevious {};
std::uintptr_t gPageSize = 4096;

void OnSigbus(int signal, siginfo_t* info, void* context) {
  // BUS_ADRERR is the access to a mapped page beyond the end of its file.
  if (info != nullptr && info->si_code == BUS_ADRERR && info->si_addr != nullptr) {
    const auto page = reinterpret_cast<std::uintptr_t>(info->si_addr) & ~(gPageSize - 1);
    void* zeros = ::mmap(reinterpret_cast<void*>(page), gPageSize, PROT_READ,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (zeros != MAP_FAILED) {
      gFaults.fetch_add(1, std::memory_order_relaxed);
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

SigbusGuard::SigbusGuard() {
  const long pageSize = ::sysconf(_SC_PAGESIZE);
  if (pageSize > 0) {
    gPageSize = static_cast<std::uintptr_t>(pageSize);
  }
  m_faultsBefore = gFaults.load(std::memory_order_relaxed);
  struct sigaction action {};
  action.sa_sigaction = OnSigbus;
  action.sa_flags = SA_SIGINFO | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  m_installed = ::sigaction(SIGBUS, &action, &m_previous) == 0;
  if (m_installed) {
    gPrevious = m_previous;
  }
}

SigbusGuard::~SigbusGuard() {
  if (m_installed) {
    ::sigaction(SIGBUS, &m_previous, nullptr);
  }
}

std::uint64_t SigbusGuard::Faults() const {
  return gFaults.load(std::memory_order_relaxed) - m_faultsBefore;
}

}  // namespace orvanta::platform
