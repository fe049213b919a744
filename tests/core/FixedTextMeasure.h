#pragma once
// A text measure for the core tests, which link no fonts: every character
// half an em wide, round heights. Tests that check a layout against the
// measure read the same numbers from it.

#include "common/core/TextMeasure.h"

namespace zarvik::test {

class FixedTextMeasure final : public TextMeasure {
  public:
    static double em(int pointSize) { return pointSize * 254.0 / 72.0; }

    double width(const QString& text, const CellFont&, int pointSize) const override {
        return static_cast<double>(text.size()) * em(pointSize) / 2;
    }
    FaceMetrics metrics(const CellFont&, int pointSize) const override {
        return {0.9 * em(pointSize), 0.2 * em(pointSize), 0.7 * em(pointSize), 1.2 * em(pointSize)};
    }
};

}  // namespace zarvik::test
