#include "common/core/TextMeasure.h"

#include <atomic>
#include <stdexcept>

namespace zarvik {

namespace {

// Constant-initialised, so a measure installed by another library's static
// initialiser is never overwritten by this one's.
constinit std::atomic<const TextMeasure*> installed{nullptr};

}  // namespace

const TextMeasure& textMeasure() {
    const TextMeasure* measure = installed.load(std::memory_order_acquire);
    if (!measure)
        throw std::logic_error(
            "no text measure installed: link zarvik_render, or install one in the test");
    return *measure;
}

const TextMeasure* installTextMeasure(const TextMeasure* measure) {
    return installed.exchange(measure, std::memory_order_acq_rel);
}

}  // namespace zarvik
