#include "common/core/RandomDraw.h"

#include <ctime>

namespace zarvik {

void RandomDraw::seed(int64_t calendarSeconds) {
    low_ = static_cast<uint32_t>(static_cast<uint64_t>(calendarSeconds) + 1u);
    high_ = 0;
    shortStep();
}

void RandomDraw::seedFromClock() {
    seed(static_cast<int64_t>(std::time(nullptr)));
}

}  // namespace zarvik
