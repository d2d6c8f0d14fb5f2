#include "platform/heap.h"

#include <fstream>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__unix__)
#include <unistd.h>
#endif

namespace {

constexpr int kLargestHeapBlock = 32 << 20;  // the most glibc lets come from the heap
constexpr int kNeverTrim = 0x7FFFFFFF;
constexpr int kGrowthStep = 256 << 20;

}  // namespace

void KeepHeapBetweenFrames() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kNeverTrim);
    mallopt(M_TOP_PAD, kGrowthStep);
#endif
}

std::size_t ResidentMemoryBytes() {
#if defined(__linux__)
    // The second number of statm: resident pages.
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0;
    std::size_t resident = 0;
    if (statm >> size >> resident) return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
#endif
    return 0;
}
