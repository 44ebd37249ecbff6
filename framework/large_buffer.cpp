#include "framework/large_buffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace framework {
namespace {

// Below this a buffer spans too few huge pages to matter.
constexpr size_t kMinimumBytes = size_t(4) << 20;

}  // namespace

void AdviseHugePages(const void* data, size_t bytes) {
#ifdef MADV_HUGEPAGE
  if (bytes < kMinimumBytes) return;
  const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<uintptr_t>(data);
  const uintptr_t begin = (start + page - 1) & ~(page - 1);
  const uintptr_t end = (start + bytes) & ~(page - 1);
  if (end <= begin) return;
  // Failure leaves ordinary pages, which are merely slower.
  madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}

}  // namespace framework
