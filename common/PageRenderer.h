#pragma once
// Paints page designs with QPainter: on a printer, in the preview, into PDF
// and PNG files. One painter for every output.

#include <QString>
#include <vector>

#include "common/Page.h"

class QPainter;

namespace zarvik {

// Paints the whole sheet (band at its margins) on a painter whose device is
// one sheet of the page's paper.
void paintPage(const Page& page, QPainter& painter);

// Writes the pages, one sheet each, into a PDF file (replacing it only when
// complete). Throws FileError.
void writePdf(const std::vector<const Page*>& pages, const QString& path);

// Writes one page as a PNG image at the given resolution. Throws FileError.
void writePng(const Page& page, const QString& path, int dotsPerInch = 150);

}  // namespace zarvik
