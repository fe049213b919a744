// "Geometrik Şekiller": triangles, squares, rectangles, circles (and
// pentagons and hexagons) in various sizes and turns, to name, to count the
// sides and corners of, or to count in a picture of mixed shapes.

#include <cmath>

#include "activities/core/ActivityPictures.h"
#include "activities/core/PictureActivities.h"

namespace zarvik {

namespace pictureOptions {

const QStringList& shapeTasks() {
    static const QStringList items = {QStringLiteral("Adlarını yazma"),
                                      QStringLiteral("Kenar ve köşe sayma"),
                                      QStringLiteral("Şekilleri sayma")};
    return items;
}

const QStringList& shapeSets() {
    static const QStringList items = {QStringLiteral("Üçgen, kare, dikdörtgen, daire"),
                                      QStringLiteral("Beşgen ve altıgen ile")};
    return items;
}

}  // namespace pictureOptions

namespace {

enum Kind { Triangle, Square, Rectangle, Circle, Pentagon, Hexagon };
const char16_t* const kNames[] = {u"üçgen", u"kare", u"dikdörtgen", u"daire", u"beşgen", u"altıgen"};
const char16_t* const kCapitalised[] = {u"Üçgen", u"Kare",    u"Dikdörtgen",
                                        u"Daire", u"Beşgen", u"Altıgen"};
constexpr double kPen = 5;

QString nameOf(int kind) {
    return QString::fromUtf16(kNames[kind]);
}

std::vector<QPointF> regular(int corners) {
    std::vector<QPointF> points;
    for (int i = 0; i < corners; ++i) {
        const double a = 2 * M_PI * i / corners;
        points.emplace_back(std::sin(a), -std::cos(a));
    }
    return points;
}

// The shape's corners before it is turned and sized: a triangle of one of
// four forms, a square, a rectangle clearly longer than wide, regular
// pentagons and hexagons.
std::vector<QPointF> corners(int kind, RandomDraw& random) {
    switch (kind) {
        case Triangle:
            switch (random.draw(4)) {
                case 0:
                    return regular(3);
                case 1:  // right-angled
                    return {{0, 0}, {0, -1}, {1.0 + random.draw(6) / 10.0, 0}};
                case 2:  // tall, two sides equal
                    return {{-0.5, 0}, {0.5, 0}, {0, -1.4}};
                default:  // no two sides equal
                    return {{0, 0}, {1.6, 0}, {0.5, -0.9}};
            }
        case Square:
            return {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
        case Rectangle: {
            const double r = 1.5 + random.draw(8) / 10.0;
            return {{-r, -1}, {r, -1}, {r, 1}, {-r, 1}};
        }
        case Pentagon:
            return regular(5);
        default:
            return regular(6);
    }
}

// Turned, and sized so that the larger side of its bounds is `size`,
// centred in the box. A square turns a little only: turned half-way it
// would read as a diamond.
DrawingPart placedShape(int kind, const QRectF& box, double size, RandomDraw& random) {
    if (kind == Circle) {
        const QPointF c = box.center();
        return ellipsePart(QRectF(c.x() - size / 2, c.y() - size / 2, size, size), kPen);
    }
    std::vector<QPointF> points = corners(kind, random);
    const double degrees = kind == Square ? drawBetween(random, -20, 20) : random.draw(360);
    const double a = degrees * M_PI / 180;
    for (QPointF& p : points)
        p = QPointF(p.x() * std::cos(a) - p.y() * std::sin(a), p.x() * std::sin(a) + p.y() * std::cos(a));
    double left = points.front().x(), right = left, top = points.front().y(), bottom = top;
    for (const QPointF& p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    const QRectF bounds(QPointF(left, top), QPointF(right, bottom));
    const double scale = size / std::max(bounds.width(), bounds.height());
    for (QPointF& p : points)
        p = box.center() + (p - bounds.center()) * scale;
    return polygonPart(std::move(points), kPen);
}

std::vector<int> kindsOf(bool more) {
    return more ? std::vector<int>{Triangle, Square, Rectangle, Circle, Pentagon, Hexagon}
                : std::vector<int>{Triangle, Square, Rectangle, Circle};
}

// `count` shapes, every kind about as often, in a random order.
std::vector<int> drawKinds(const std::vector<int>& kinds, int count, RandomDraw& random) {
    std::vector<int> list;
    while (static_cast<int>(list.size()) < count)
        list.insert(list.end(), kinds.begin(), kinds.end());
    list.resize(static_cast<size_t>(count));
    std::vector<int> shuffled;
    for (const int i : drawOrder(random, count))
        shuffled.push_back(list[static_cast<size_t>(i)]);
    return shuffled;
}

constexpr double kBoxWidth = 440;
constexpr double kBoxHeight = 320;

ActivityItem nameItem(int kind, RandomDraw& random) {
    PictureBlock block;
    const double size = kBoxHeight * (0.6 + random.draw(5) / 10.0) - kPen;
    block.drawing(QStringLiteral("Shape"), 0, 0, kBoxWidth, kBoxHeight)
        .parts.push_back(placedShape(kind, QRectF(0, 0, kBoxWidth, kBoxHeight), size, random));
    const double line = kBoxHeight + 20;
    block.writingLine(QStringLiteral("Writing"), 20, line + PictureBlock::lineHeight(14) - 8,
                      kBoxWidth - 40);
    block.text(QStringLiteral("Answer"), nameOf(kind), 20, line, 14, Align::Center, kBoxWidth - 40);
    ActivityItem item{QStringLiteral("Şeklin adını yazınız."), nameOf(kind)};
    item.shape = ExerciseShape::Shapes;
    item.values = {{QStringLiteral("task"), QStringLiteral("name")},
                   {QStringLiteral("shape"), nameOf(kind)}};
    item.picture = block.take();
    return item;
}

ActivityItem sidesItem(int kind, RandomDraw& random) {
    PictureBlock block;
    const double size = kBoxHeight * (0.6 + random.draw(5) / 10.0) - kPen;
    const DrawingPart shape = placedShape(kind, QRectF(0, 0, kBoxWidth, kBoxHeight), size, random);
    const int count = static_cast<int>(shape.points.size());
    block.drawing(QStringLiteral("Shape"), 0, 0, kBoxWidth, kBoxHeight).parts.push_back(shape);
    double top = kBoxHeight + 20;
    for (const auto& [name, caption] : {std::pair{QStringLiteral("Sides"), QStringLiteral("Kenar sayısı:")},
                                        std::pair{QStringLiteral("Corners"), QStringLiteral("Köşe sayısı:")}}) {
        block.text(name + QStringLiteral("Caption"), caption, 20, top);
        const double x = 20 + PictureBlock::textWidth(caption, 14) + 20;
        block.writingLine(name + QStringLiteral("Line"), x, top + PictureBlock::lineHeight(14) - 8,
                          3 * kWritingAdvance);
        block.text(QStringLiteral("Answer") + name, QString::number(count), x, top, 14, Align::Center,
                   3 * kWritingAdvance);
        top += kWritingLine;
    }
    ActivityItem item{QStringLiteral("Şeklin kenar ve köşe sayısını yazınız."),
                      QStringLiteral("%1 kenar, %1 köşe").arg(count)};
    item.shape = ExerciseShape::Shapes;
    item.values = {{QStringLiteral("task"), QStringLiteral("sides")},
                   {QStringLiteral("shape"), nameOf(kind)},
                   {QStringLiteral("sides"), int64_t{count}},
                   {QStringLiteral("corners"), int64_t{count}}};
    item.picture = block.take();
    return item;
}

// Shapes scattered over a framed picture, one in each of some of its
// places, and a line for how many of each kind there are.
ActivityItem countItem(const std::vector<int>& kinds, RandomDraw& random) {
    constexpr int kAcross = 6, kDown = 4;
    constexpr double kPlace = 190, kFrameWidth = kAcross * kPlace + 20, kFrameHeight = kDown * kPlace + 20;
    PictureBlock block;
    Drawing& frame = block.drawing(QStringLiteral("Frame"), 0, 0, kFrameWidth, kFrameHeight);
    frame.parts.push_back(
        polygonPart({{0, 0}, {kFrameWidth, 0}, {kFrameWidth, kFrameHeight}, {0, kFrameHeight}}, 3));
    const int count = drawBetween(random, 12, 18);
    // Each kind at least once, the rest at random.
    std::vector<int> shapes = kinds;
    while (static_cast<int>(shapes.size()) < count)
        shapes.push_back(kinds[static_cast<size_t>(random.draw(static_cast<int>(kinds.size())))]);
    const std::vector<bool> used = drawChosen(random, kAcross * kDown, count);
    std::vector<int> counts(6, 0);
    size_t next = 0;
    for (int place = 0; place < kAcross * kDown; ++place) {
        if (!used[static_cast<size_t>(place)]) continue;
        const int kind = shapes[next++];
        ++counts[static_cast<size_t>(kind)];
        const QRectF box(10 + kPlace * (place % kAcross), 10 + kPlace * (place / kAcross), kPlace, kPlace);
        const double size = kPlace * (0.45 + random.draw(4) / 10.0);
        block.drawing(QStringLiteral("Shape%1").arg(next), box.left(), box.top(), kPlace, kPlace)
            .parts.push_back(placedShape(kind, QRectF(0, 0, kPlace, kPlace), size, random));
    }
    QStringList answer;
    double top = 20;
    for (const int kind : kinds) {
        const QString caption = QString::fromUtf16(kCapitalised[kind]) + u':';
        const double left = kFrameWidth + 60;
        block.text(QStringLiteral("Caption%1").arg(kind), caption, left, top);
        const double x = left + PictureBlock::textWidth(QStringLiteral("Dikdörtgen:"), 14) + 20;
        block.writingLine(QStringLiteral("Line%1").arg(kind), x, top + PictureBlock::lineHeight(14) - 8,
                          3 * kWritingAdvance);
        const int n = counts[static_cast<size_t>(kind)];
        block.text(QStringLiteral("AnswerCount%1").arg(kind), QString::number(n), x, top, 14,
                   Align::Center, 3 * kWritingAdvance);
        answer << QStringLiteral("%1 %2").arg(n).arg(nameOf(kind));
        top += kWritingLine + 20;
    }
    ActivityItem item{QStringLiteral("Resimde her şekilden kaç tane olduğunu yazınız."),
                      answer.join(QStringLiteral(", "))};
    item.shape = ExerciseShape::Shapes;
    QStringList names;
    std::vector<int64_t> numbers;
    for (const int kind : kinds) {
        names << nameOf(kind);
        numbers.push_back(counts[static_cast<size_t>(kind)]);
    }
    item.values = {{QStringLiteral("task"), QStringLiteral("count")},
                   {QStringLiteral("shapes"), names.join(QStringLiteral(", "))},
                   {QStringLiteral("counts"), numbers}};
    item.picture = block.take();
    return item;
}

}  // namespace

ActivitySheet planeShapes(const ActivityValues& values, RandomDraw& random) {
    const int task = static_cast<int>(pictureOptions::shapeTasks().indexOf(values[0]));
    const std::vector<int> kinds = kindsOf(values[1] == pictureOptions::shapeSets()[1]);
    ActivitySheet sheet;
    if (task == 0) {
        sheet.title = QStringLiteral("Şekillerin adlarını altlarına yazınız.");
        for (const int kind : drawKinds(kinds, 12, random))
            sheet.items.push_back(nameItem(kind, random));
    } else if (task == 1) {
        sheet.title = QStringLiteral("Şekillerin kenar ve köşe sayılarını yazınız.");
        std::vector<int> cornered(kinds);
        std::erase(cornered, Circle);
        for (const int kind : drawKinds(cornered, 9, random))
            sheet.items.push_back(sidesItem(kind, random));
    } else {
        sheet.title = QStringLiteral("Resimlerde her şekilden kaç tane olduğunu yazınız.");
        for (int i = 0; i < 2; ++i)
            sheet.items.push_back(countItem(kinds, random));
    }
    return sheet;
}

}  // namespace zarvik
