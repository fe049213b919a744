#include "activities/core/ActivityPictures.h"

#include <algorithm>
#include <cmath>

#include "common/core/PageCells.h"
#include "common/core/TextMeasure.h"

namespace zarvik {

namespace {

CellFont arial(int points, bool bold = false) {
    return {QStringLiteral("Arial"), points, bold, false};
}

// The writing line's pen, as the figures draw it.
constexpr double kWritingPen = 5;

}  // namespace

double PictureBlock::textWidth(const QString& text, int points, bool bold) {
    return textMeasure().width(text, arial(points, bold), points);
}

double PictureBlock::lineHeight(int points) {
    return textMeasure().metrics(arial(points), points).lineSpacing;
}

Cell& PictureBlock::text(const QString& name, const QString& text, double left, double top,
                         int points, Align align, double width, bool bold) {
    // A little wider than measured: the ink's overhang and kerning.
    if (width <= 0) width = textWidth(text, points, bold) + 4;
    Cell cell = richTextCell({name, left, top, width, lineHeight(points)}, arial(points, bold),
                             align);
    cell.text = text;
    cells_.push_back(std::move(cell));
    return cells_.back();
}

double PictureBlock::paragraph(const QString& name, const QString& text, double left, double top,
                               double width, int points) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && textWidth(longer, points) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines << line;
    Cell cell = richTextCell({name, left, top, width, lineHeight(points) * lines.size()},
                             arial(points));
    cell.text = lines.join(u'\n');
    cells_.push_back(std::move(cell));
    return cells_.back().height;
}

Drawing& PictureBlock::drawing(const QString& name, double left, double top, double width,
                               double height, const QString& cacheKey) {
    auto drawing = std::make_shared<Drawing>();
    drawing->cacheKey = cacheKey;
    Cell cell;
    cell.name = name;
    cell.kind = CellKind::Drawing;
    cell.left = left;
    cell.top = top;
    cell.width = width;
    cell.height = height;
    cell.drawing = drawing;
    cells_.push_back(std::move(cell));
    return *drawing;
}

void PictureBlock::writingLine(const QString& name, double left, double y, double width) {
    Cell cell = lineCell({name, left, y - kWritingPen / 2, width, kWritingPen}, 1);
    cell.dotted = true;
    cells_.push_back(std::move(cell));
}

double PictureBlock::fractionRoom(const QString& name, double left, double top,
                                  const QString& numerator, const QString& denominator,
                                  int points) {
    const double width = std::max(2 * kWritingAdvance,
                                  kWritingAdvance * static_cast<double>(std::max(
                                                        numerator.size(), denominator.size()))) +
                         20;
    const double bar = top + kWritingLine;
    cells_.push_back(lineCell({name + QStringLiteral("Bar"), left, bar - 2, width, 4}, 2));
    const double h = lineHeight(points);
    text(QStringLiteral("Answer") + name + QStringLiteral("Numerator"), numerator, left,
         bar - h - 5, points, Align::Center, width);
    text(QStringLiteral("Answer") + name + QStringLiteral("Denominator"), denominator, left,
         bar + 5, points, Align::Center, width);
    reserve(left + width, bar + kWritingLine);
    return width;
}

void PictureBlock::putAbove(const QString& name, const QString& text, double narrowest) {
    std::vector<Cell> below = std::move(cells_);
    cells_.clear();
    double width = narrowest;
    for (const Cell& cell : below)
        width = std::max(width, cell.left + cell.width);
    const double height = paragraph(name, text, 0, 0, width) + 20;
    for (Cell& cell : below) {
        cell.top += height;
        cells_.push_back(std::move(cell));
    }
}

void PictureBlock::reserve(double width, double height) {
    Cell cell = richTextCell({QStringLiteral("Room%1").arg(cells_.size()), 0, 0, width, height},
                             arial(14));
    cells_.push_back(std::move(cell));
}

double PictureBlock::right() const {
    double right = 0;
    for (const Cell& cell : cells_)
        right = std::max(right, cell.left + cell.width);
    return right;
}

double PictureBlock::bottom() const {
    double bottom = 0;
    for (const Cell& cell : cells_)
        bottom = std::max(bottom, cell.top + cell.height);
    return bottom;
}

DrawingPart polygonPart(std::vector<QPointF> corners, double pen, int fill) {
    DrawingPart part;
    part.kind = DrawingPart::Kind::Polygon;
    part.points = std::move(corners);
    part.pen = pen;
    part.fill = fill;
    return part;
}

DrawingPart ellipsePart(const QRectF& box, double pen, int fill) {
    DrawingPart part;
    part.kind = DrawingPart::Kind::Ellipse;
    part.points = {box.topLeft(), box.bottomRight()};
    part.pen = pen;
    part.fill = fill;
    return part;
}

DrawingPart sectorPart(const QRectF& box, double start, double span, double pen, int fill) {
    DrawingPart part = ellipsePart(box, pen, fill);
    part.kind = DrawingPart::Kind::Sector;
    part.start = start;
    part.span = span;
    return part;
}

DrawingPart linesPart(std::vector<QPointF> ends, double pen) {
    DrawingPart part;
    part.kind = DrawingPart::Kind::Lines;
    part.points = std::move(ends);
    part.pen = pen;
    return part;
}

DrawingPart polylinePart(std::vector<QPointF> points, double pen) {
    DrawingPart part;
    part.kind = DrawingPart::Kind::Polyline;
    part.points = std::move(points);
    part.pen = pen;
    return part;
}

namespace {

bool isPiece(const DrawingPart& part) {
    return part.kind == DrawingPart::Kind::Polygon || part.kind == DrawingPart::Kind::Ellipse ||
           part.kind == DrawingPart::Kind::Sector;
}

}  // namespace

int pieceCount(const Drawing& drawing) {
    return static_cast<int>(std::count_if(drawing.parts.begin(), drawing.parts.end(), isPiece));
}

int filledPieceCount(const Drawing& drawing) {
    return static_cast<int>(std::count_if(drawing.parts.begin(), drawing.parts.end(),
                                          [](const DrawingPart& part) {
                                              return isPiece(part) && part.fill >= 0;
                                          }));
}

void addFace(Drawing& drawing, const QRectF& box, bool half) {
    const double w = box.width(), h = box.height();
    const QPointF c = box.center();
    const double pen = w * 0.06;
    const QRectF rim = box.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    if (half)
        drawing.parts.push_back(sectorPart(rim, 180, 180, pen, 235));
    else
        drawing.parts.push_back(ellipsePart(rim, pen, 235));
    const double eye = w * 0.13;
    const QPointF left(c.x() - w * 0.18, c.y() - h * 0.12);
    drawing.parts.push_back(
        ellipsePart(QRectF(left - QPointF(eye / 2, eye / 2), QSizeF(eye, eye)), 0, 0));
    if (!half)
        drawing.parts.push_back(ellipsePart(
            QRectF(QPointF(c.x() + w * 0.18 - eye / 2, left.y() - eye / 2), QSizeF(eye, eye)), 0,
            0));
    // The smile: an arc of the lower half, from the middle only on a half face.
    std::vector<QPointF> smile;
    const double r = w * 0.27;
    for (int degrees = half ? 180 : 120; degrees <= 240; degrees += 10) {
        const double a = degrees * M_PI / 180;
        smile.emplace_back(c.x() + r * std::sin(a), c.y() + h * 0.02 - r * std::cos(a));
    }
    drawing.parts.push_back(polylinePart(std::move(smile), pen * 0.8));
}

double addTallyMarks(Drawing& drawing, int count, double left, double top, double height) {
    constexpr double kStroke = 18;  // between strokes
    constexpr double kGroupGap = 40;
    std::vector<QPointF> ends;
    double x = left;
    for (int done = 0; done < count;) {
        const int group = std::min(5, count - done);
        const double groupLeft = x;
        for (int i = 0; i < std::min(group, 4); ++i) {
            ends.emplace_back(x, top);
            ends.emplace_back(x, top + height);
            x += kStroke;
        }
        if (group == 5)
            ends.insert(ends.end(), {QPointF(groupLeft - 8, top + height * 0.8),
                                     QPointF(x - kStroke + 8, top + height * 0.2)});
        done += group;
        x += kGroupGap - kStroke;
    }
    drawing.parts.push_back(linesPart(std::move(ends), 4));
    return count == 0 ? 0 : x - left - (kGroupGap - kStroke);
}

int gradeOf(const QString& item) {
    return item.section(u'.', 0, 0).toInt();
}

int drawBetween(RandomDraw& random, int lo, int hi) {
    return lo + random.draw(hi - lo + 1);
}

std::vector<bool> drawChosen(RandomDraw& random, int count, int chosen) {
    std::vector<bool> places(static_cast<size_t>(count), false);
    const std::vector<int> order = drawOrder(random, count);
    for (int i = 0; i < chosen && i < count; ++i)
        places[static_cast<size_t>(order[static_cast<size_t>(i)])] = true;
    return places;
}

std::vector<int> drawOrder(RandomDraw& random, int count) {
    std::vector<int> order(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        order[static_cast<size_t>(i)] = i;
    for (int i = count - 1; i > 0; --i)
        std::swap(order[static_cast<size_t>(i)],
                  order[static_cast<size_t>(random.draw(i + 1))]);
    return order;
}

}  // namespace zarvik
