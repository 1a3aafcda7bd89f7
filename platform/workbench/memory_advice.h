// Hints about memory that is about to be filled in one go.
#pragma once

#include <cstddef>

namespace workbench {

// The memory will be written through soon, all of it: where the system can, it backs the
// memory with large pages, since faulting a large text in page by page costs more than
// reading it. Only a hint; nothing changes for memory this small or a system without them.
void ExpectFilling(void* data, std::size_t size);

}  // namespace workbench
