#include "core/Prefault.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

void PrefaultForWriting(void* begin, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    // The advice takes whole pages; the buffer's partial pages at its ends fault once
    // each on first write.
    static const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(begin);
    const std::uintptr_t first = (start + page - 1) & ~(page - 1);
    const std::uintptr_t last = (start + bytes) & ~(page - 1);
    // A kernel before 5.14 refuses the advice; the pages then come on first write.
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#else
    (void)begin;
    (void)bytes;
#endif
}
