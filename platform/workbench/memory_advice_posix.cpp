#include <sys/mman.h>

#include <cstdint>

#include "workbench/memory_advice.h"

namespace workbench {

void ExpectFilling(void* data, std::size_t size) {
#if defined(MADV_HUGEPAGE)
    // Only whole large pages inside the block can be backed by one.
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    const std::uintptr_t begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t last = (begin + size) & ~(kLargePage - 1);
    if (first < last)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)size;
#endif
}

}  // namespace workbench
