#include "common/core/Headroom.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <new>
#include <vector>

namespace zarvik {

void requireMemoryHeadroom(size_t bytes) {
    // Writable and private, as the heap's own blocks are, so the address
    // space and data limits count it; never touched, so it costs no memory.
    void* room = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (room == MAP_FAILED) throw std::bad_alloc();
    ::munmap(room, bytes);
}

int freeDescriptors(int most) {
    std::vector<int> opened;
    opened.reserve(static_cast<size_t>(most));
    while (static_cast<int>(opened.size()) < most) {
        const int fd = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        if (fd < 0) break;
        opened.push_back(fd);
    }
    for (const int fd : opened)
        ::close(fd);
    return static_cast<int>(opened.size());
}

}  // namespace zarvik
