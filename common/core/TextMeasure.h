#pragma once
// How wide a text is and how tall a face stands, as the pages are printed:
// the one measure every page layout and the text fitting use, so that what a
// layout plans is what the renderer paints. Lengths in tenths of a
// millimetre, for a design font (CellFont: family, bold) at a point size.
//
// The core only asks; the render layer measures with the installed fonts
// (FontMeasure) and installs itself before main runs in every program that
// links it. Core-only tests install a stand-in of their own.

#include <QString>

#include "common/core/Page.h"

namespace zarvik {

struct FaceMetrics {
    double ascent = 0;       // from the line's top down to the baseline
    double descent = 0;      // below the baseline
    double digitHeight = 0;  // the tallest digit above the baseline
    double lineSpacing = 0;  // from one baseline to the next
};

class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // The advance of the text on one line (no line breaks), kerned as painted.
    virtual double width(const QString& text, const CellFont& font, int pointSize) const = 0;
    virtual FaceMetrics metrics(const CellFont& font, int pointSize) const = 0;
};

// The installed measure. Throws std::logic_error if none is: a page can only
// be laid out in a program that links the render layer (or a test that
// installs a stand-in).
const TextMeasure& textMeasure();

// Makes `measure` the one textMeasure() gives (nullptr: none) and returns the
// one it replaces. The measure must live as long as it is installed.
const TextMeasure* installTextMeasure(const TextMeasure* measure);

}  // namespace zarvik
