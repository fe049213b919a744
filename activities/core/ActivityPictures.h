#pragma once
// What the activity pictures are made of: an item's block of cells (texts,
// writing lines, drawings), laid out from the block's top-left corner in
// tenths of a millimetre, and the drawn pieces several kinds share. The
// block's cells are the item's picture: the page places them after the
// item's number, a mixed sheet or the board wherever it wants them.

#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

#include "common/core/Page.h"
#include "common/core/RandomDraw.h"

namespace zarvik {

// Room a pupil's handwriting needs: 4 mm a character, lines 8 mm apart.
inline constexpr double kWritingAdvance = 40;
inline constexpr double kWritingLine = 80;
// Grey of shaded parts and bars: dark enough to see, light enough for the
// outlines over it.
inline constexpr int kShade = 175;

class PictureBlock {
  public:
    // A text on one line from (left, top); width 0: as wide as the text.
    Cell& text(const QString& name, const QString& text, double left, double top,
               int points = 14, Align align = Align::Left, double width = 0, bool bold = false);
    // A text broken into lines no wider than `width`; returns its height.
    double paragraph(const QString& name, const QString& text, double left, double top,
                     double width, int points = 14);
    // A drawing filling the box; its parts are added to the reference.
    Drawing& drawing(const QString& name, double left, double top, double width, double height,
                     const QString& cacheKey = {});
    // A dotted line to write on, `y` its middle.
    void writingLine(const QString& name, double left, double y, double width);
    // A hand-written fraction's room: a bar with a line's room above and
    // below, two characters wide; the key writes numerator and denominator.
    // Returns its width.
    double fractionRoom(const QString& name, double left, double top, const QString& numerator,
                        const QString& denominator, int points = 14);
    // The text over everything so far, in lines as wide as the block (at
    // least `narrowest`), the rest moved down under it.
    void putAbove(const QString& name, const QString& text, double narrowest = 600);
    // Keeps the block at least this wide and high (an empty cell).
    void reserve(double width, double height);

    static double textWidth(const QString& text, int points, bool bold = false);
    static double lineHeight(int points);

    double right() const;
    double bottom() const;
    std::vector<Cell> take() { return std::move(cells_); }

  private:
    std::vector<Cell> cells_;
};

// Drawn parts, in the coordinates of their drawing.
DrawingPart polygonPart(std::vector<QPointF> corners, double pen, int fill = -1);
DrawingPart ellipsePart(const QRectF& box, double pen, int fill = -1);
DrawingPart sectorPart(const QRectF& box, double start, double span, double pen, int fill = -1);
DrawingPart linesPart(std::vector<QPointF> ends, double pen);
DrawingPart polylinePart(std::vector<QPointF> points, double pen);

// The closed parts of a drawing (its pieces) and how many are filled.
int pieceCount(const Drawing& drawing);
int filledPieceCount(const Drawing& drawing);

// A smiling face, the pictograph's picture; half: its left half.
void addFace(Drawing& drawing, const QRectF& box, bool half);

// Tally marks: upright strokes, every fifth across the four before it.
// Returns the width they take.
double addTallyMarks(Drawing& drawing, int count, double left, double top, double height);

// "3. sınıf" → 3.
int gradeOf(const QString& item);

// A whole number from lo to hi, both included.
int drawBetween(RandomDraw& random, int lo, int hi);
// `chosen` of `count` places, drawn at random.
std::vector<bool> drawChosen(RandomDraw& random, int count, int chosen);
// The indexes 0..count-1 in a random order.
std::vector<int> drawOrder(RandomDraw& random, int count);

}  // namespace zarvik
