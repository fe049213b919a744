#pragma once
// Rules every worksheet page design keeps, checked on the built page rather
// than by listing its tables again.

#include <gtest/gtest.h>

#include "common/core/Page.h"

namespace zarvik::test {

inline bool overlap(const Cell& a, const Cell& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Every cell starts inside the band; all but labels (sized to their caption
// when painted) also end inside it, pictures with what they paint.
inline void expectInsideBand(const Page& page) {
    for (const Cell& cell : page.cells()) {
        SCOPED_TRACE(cell.name.toStdString());
        EXPECT_GE(cell.left, 0);
        EXPECT_GE(cell.top, 0);
        EXPECT_LE(cell.top + cell.height, page.bandHeight + 1e-9);
        double right = cell.left + cell.width;
        if (cell.kind == CellKind::Image) right = cell.left + (cell.width + cell.pictureWidth) / 2;
        if (cell.kind != CellKind::Label) {
            EXPECT_LE(right, page.bandWidth + 1e-9);
        }
    }
}

// The problems lie between the header strip and the footer strip.
inline void expectFrameAroundProblems(const Page& page, QStringView headerStrip,
                                      QStringView footerStrip) {
    const Cell& header = page.cell(headerStrip);
    const Cell& footer = page.cell(footerStrip);
    for (const Cell& cell : page.cells()) {
        if (cell.kind != CellKind::RichText && cell.kind != CellKind::Line) continue;
        SCOPED_TRACE(cell.name.toStdString());
        EXPECT_GE(cell.top, header.top + header.height - 1e-9);
        EXPECT_LE(cell.top + cell.height, footer.top + 1e-9);
    }
}

}  // namespace zarvik::test
