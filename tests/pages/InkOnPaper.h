#pragma once
// Pages rendered at 300 dpi and the ink on them, measured in the page's own
// band coordinates (tenths of a millimetre), with the shrink into the
// printable area the renderer applies.

#include <QImage>
#include <algorithm>
#include <cmath>

#include "common/render/PageRenderer.h"
#include "common/render/TextFit.h"

namespace zarvik::test {

constexpr int kDpi = 300;

struct Rendered {
    Page page;  // fitted, as painted
    QImage image;
    double scale;

    explicit Rendered(const Page& design)
        : page(fitPageTexts(design)),
          image(renderImage(design, kDpi).convertToFormat(QImage::Format_Grayscale8)),
          scale(printableAreaScale(page)) {}

    double px(double paperTenths, double paperExtent) const {
        const double centre = paperExtent / 2;
        return (centre + (paperTenths - centre) * scale) * kDpi / 254.0;
    }
    double x(double bandTenths) const { return px(page.marginLeft + bandTenths, page.paperWidth()); }
    double y(double bandTenths) const { return px(page.marginTop + bandTenths, page.paperHeight()); }

    // Dark pixels in a rectangle of band coordinates.
    int ink(double left, double top, double right, double bottom) const {
        int count = 0;
        const int x1 = std::min(static_cast<int>(std::ceil(x(right))), image.width());
        const int y1 = std::min(static_cast<int>(std::ceil(y(bottom))), image.height());
        for (int py = std::max(0, static_cast<int>(y(top))); py < y1; ++py) {
            const uchar* row = image.constScanLine(py);
            for (int pxl = std::max(0, static_cast<int>(x(left))); pxl < x1; ++pxl)
                count += row[pxl] < 128;
        }
        return count;
    }

    // The lowest and highest rows (band coordinates) with ink in the columns
    // left..right between top and bottom; NaN when there is none.
    double lowestInk(double left, double top, double right, double bottom) const {
        for (double t = bottom; t > top; t -= 1)
            if (ink(left, t - 1, right, t) > 0) return t;
        return std::nan("");
    }
    double highestInk(double left, double top, double right, double bottom) const {
        for (double t = top; t < bottom; t += 1)
            if (ink(left, t, right, t + 1) > 0) return t;
        return std::nan("");
    }
};

// Ink within 5 mm of any paper edge.
inline int inkNearEdges(const QImage& image) {
    const int edge = static_cast<int>(50 * kDpi / 254.0);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const bool near =
                x < edge || y < edge || x >= image.width() - edge || y >= image.height() - edge;
            count += near && row[x] < 128;
        }
    }
    return count;
}

// A pupil's handwriting: about 4 mm a character, on lines 8 mm apart.
constexpr double kCharacter = 40;
constexpr double kWritingLine = 80;

}  // namespace zarvik::test
