#pragma once
// Room left under the process's limits ("ulimit -v", "ulimit -n"), asked
// before a run goes into library code that cannot fail cleanly: Qt's PDF
// engine and image code end the process when an allocation fails inside
// them, and its event loop when it cannot open a descriptor. Asked in our own
// code, a lack is an ordinary error: the stack unwinds, the temporary files
// go and the old files stay.

#include <cstddef>

namespace zarvik {

// The most one page takes while it is painted and compressed into a PDF or
// PNG: a page's picture at 150 dpi, the PDF engine's buffers and their
// compressed copies, with room to spare.
inline constexpr size_t kPageHeadroom = size_t{64} << 20;

// Throws std::bad_alloc unless bytes more of memory could be had now. The
// memory is only reserved and given back at once, never touched.
void requireMemoryHeadroom(size_t bytes = kPageHeadroom);

// How many more descriptors can be opened now, counted up to most.
int freeDescriptors(int most);

}  // namespace zarvik
