#pragma once
// Paints page designs with QPainter: on a printer, in the preview, into PDF
// and PNG files. One painter for every output.
//
// How a page is painted:
// - The sheet is white; every cell's background is white too and lies under
//   all frames, pictures and texts, so the sheet is filled once (PNG) or left
//   as the paper is (PDF, printer) instead of filling each cell.
// - Frames are thin black lines (one design unit, 1/96 inch) on the named
//   sides only; line shapes are horizontal lines through the middle of their
//   cell, one or two design units thick, solid or (writing lines) dotted.
// - Pictures are drawn centred in their cell at their own size; an unknown
//   picture name draws nothing.
// - Texts are plain text (no markup is interpreted) and are painted last, so
//   no cell ever covers another cell's text. They are never cut off or
//   wrapped: a line wider than its box reaches past the box away from its
//   alignment edge (right-aligned text grows to the left, centred text to both
//   sides, left-aligned text to the right), and lines beyond the box's height
//   continue downward. A label is as wide as its caption, from its left edge.
// - Design fonts are mapped to installed faces that have every Turkish letter
//   (resolvedFontFamily), so a caption never mixes faces.

#include <QIODevice>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

#include "common/core/Page.h"

class QPainter;
class QPointF;
class QRectF;
class QColor;

namespace zarvik {

struct ExerciseFigure;

// The installed face a design family is printed in: "Arial" is Liberation
// Sans (same metrics); "Comic Sans MS" is Andika, a friendly face made for
// beginning readers that, unlike Comic Neue, has ğ, Ğ and İ. Other families
// are used as named.
QString resolvedFontFamily(const QString& designFamily);

// How much a page is shrunk about the sheet's centre so that none of its ink
// comes within 5 mm of an edge, where many printers cannot print: 1 for a
// page that keeps clear. Measured on the fitted page, independent of the
// output device, so preview, printer, PDF and PNG shrink alike.
double printableAreaScale(const Page& page);
// Where the page's ink reaches once its texts are fitted, in tenths of a
// millimetre from the sheet's top-left corner; null for a blank page.
QRectF pageInkReach(const Page& page);
constexpr double kUnprintableEdge = 50;  // tenths of a millimetre

// Paints the whole sheet (band at its margins), its texts fitted first
// (fitPageTexts) and shrunk into the printable area (printableAreaScale),
// on a painter whose device is
// one sheet of the page's paper, in the device's own resolution, with the
// sheet's top-left corner at the painter's origin.
void paintPage(const Page& page, QPainter& painter);

// Paints an exercise's figure (ExerciseFigure.h) with its top-left corner
// at topLeft (device pixels), at pixelsPerTenth device pixels a tenth of a
// millimetre: the board and web pages draw exercises so. The answer's cells
// are painted in answerColour when it is valid, else black like the rest.
void paintFigure(const ExerciseFigure& figure, QPainter& painter, const QPointF& topLeft,
                 double pixelsPerTenth, const QColor& answerColour = QColor());

// Paints a Drawing cell's line art part by part, as a page paints it, on a
// painter whose coordinates are tenths of a millimetre: web pages record
// these strokes as SVG paths.
void paintDrawingLines(const Cell& cell, QPainter& painter);

// A PDF file written page by page: memory stays flat however many pages are
// added. The file replaces an existing one only when finish() succeeds;
// destroying the writer without finish() leaves the old file untouched.
// Throws FileError.
class PdfWriter {
  public:
    explicit PdfWriter(const QString& path, const QString& title = QStringLiteral("Zarvik"));
    ~PdfWriter();
    PdfWriter(const PdfWriter&) = delete;
    PdfWriter& operator=(const PdfWriter&) = delete;

    void addPage(const Page& page);
    void finish();
    int pageCount() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// Keeps large freed blocks in the heap instead of handing them back to the
// system, so that writing page after page of a PDF does not fault the PDF
// engine's buffers in anew for every page. The setting is the whole
// process's, so each program's main calls it once at start, before any
// thread runs, rather than the first PDF a library happens to write.
void tuneHeapForPageOutput();

// Writes the pages, one sheet each, into a PDF file (replacing it only when
// complete). Throws FileError.
void writePdf(const std::vector<const Page*>& pages, const QString& path);

// The page as an image at the given resolution, white sheet.
QImage renderImage(const Page& page, int dotsPerInch = 150);

// Writes one page as a PNG image at the given resolution. Throws FileError.
void writePng(const Page& page, const QString& path, int dotsPerInch = 150);

}  // namespace zarvik
