// "Çevre ve Alan": shapes on a grid of 1 cm squares, true size on paper.
// The pupil finds the perimeter in centimetres or the area in squares, or
// draws a rectangle of a given perimeter (the key draws one).

#include <set>

#include "activities/core/ActivityPictures.h"
#include "activities/core/PictureActivities.h"

namespace zarvik {

namespace pictureOptions {

const QStringList& gridTasks() {
    static const QStringList items = {QStringLiteral("Çevre"), QStringLiteral("Alan"),
                                      QStringLiteral("Çevre ve alan"),
                                      QStringLiteral("Şekil çizme")};
    return items;
}

const QStringList& gridShapes() {
    static const QStringList items = {QStringLiteral("Dikdörtgen ve kare"),
                                      QStringLiteral("Karışık şekiller")};
    return items;
}

}  // namespace pictureOptions

namespace {

// One square of the grid: 1 cm, ten tenths of a millimetre... a hundred.
constexpr double kSquare = 100;
constexpr int kColumns = 8;
constexpr double kOutlinePen = 8;

using Square = std::pair<int, int>;  // column, row
using Shape = std::set<Square>;

bool connected(const Shape& shape) {
    if (shape.empty()) return false;
    std::set<Square> seen{*shape.begin()};
    std::vector<Square> todo{*shape.begin()};
    while (!todo.empty()) {
        const auto [c, r] = todo.back();
        todo.pop_back();
        for (const Square& next : {Square{c + 1, r}, Square{c - 1, r}, Square{c, r + 1},
                                  Square{c, r - 1}})
            if (shape.count(next) && seen.insert(next).second) todo.push_back(next);
    }
    return seen.size() == shape.size();
}

// No hole: every square outside the shape reaches the grid's edge.
bool withoutHoles(const Shape& shape, int columns, int rows) {
    Shape outside;
    std::vector<Square> todo;
    for (int c = -1; c <= columns; ++c)
        for (const int r : {-1, rows})
            todo.push_back({c, r});
    for (int r = -1; r <= rows; ++r)
        for (const int c : {-1, columns})
            todo.push_back({c, r});
    while (!todo.empty()) {
        const Square s = todo.back();
        todo.pop_back();
        if (s.first < -1 || s.first > columns || s.second < -1 || s.second > rows) continue;
        if (shape.count(s) || !outside.insert(s).second) continue;
        const auto [c, r] = s;
        todo.insert(todo.end(), {{c + 1, r}, {c - 1, r}, {c, r + 1}, {c, r - 1}});
    }
    return static_cast<int>(outside.size() + shape.size()) == (columns + 2) * (rows + 2);
}

Shape rectangle(int left, int top, int width, int height) {
    Shape shape;
    for (int c = left; c < left + width; ++c)
        for (int r = top; r < top + height; ++r)
            shape.insert({c, r});
    return shape;
}

// The unit edges a shape's squares do not share, as pairs of grid points.
std::vector<std::pair<QPointF, QPointF>> boundary(const Shape& shape) {
    std::vector<std::pair<QPointF, QPointF>> edges;
    for (const auto& [c, r] : shape) {
        const double x = c * kSquare, y = r * kSquare;
        if (!shape.count({c, r - 1})) edges.push_back({{x, y}, {x + kSquare, y}});
        if (!shape.count({c, r + 1})) edges.push_back({{x, y + kSquare}, {x + kSquare, y + kSquare}});
        if (!shape.count({c - 1, r})) edges.push_back({{x, y}, {x, y + kSquare}});
        if (!shape.count({c + 1, r})) edges.push_back({{x + kSquare, y}, {x + kSquare, y + kSquare}});
    }
    return edges;
}

// A rectangle or square inside the grid, a square's margin around it.
Shape drawRectangle(int rows, RandomDraw& random) {
    const int width = drawBetween(random, 2, kColumns - 2);
    const int height = drawBetween(random, 1, rows - 2);
    return rectangle(1 + random.draw(kColumns - 1 - width), 1 + random.draw(rows - 1 - height),
                     width, height);
}

// A rectilinear shape: a rectangle with one or two corners cut away, or a
// notch in a side; in one piece, without holes.
Shape drawRectilinear(int rows, RandomDraw& random) {
    for (;;) {
        const int width = drawBetween(random, 3, kColumns - 2);
        const int height = drawBetween(random, 2, rows - 2);
        const int left = 1 + random.draw(kColumns - 1 - width);
        const int top = 1 + random.draw(rows - 1 - height);
        Shape shape = rectangle(left, top, width, height);
        const int cuts = 1 + random.draw(2);
        for (int k = 0; k < cuts; ++k) {
            const int cw = drawBetween(random, 1, width - 1);
            const int ch = drawBetween(random, 1, height - 1);
            const int where = random.draw(5);
            int c = left, r = top;
            if (where == 1 || where == 3) c = left + width - cw;
            if (where == 2 || where == 3) r = top + height - ch;
            if (where == 4) {  // a notch from the top or bottom side's middle
                c = left + drawBetween(random, 1, std::max(1, width - cw - 1));
                r = random.draw(2) == 0 ? top : top + height - ch;
            }
            for (const Square& s : rectangle(c, r, cw, ch))
                shape.erase(s);
        }
        if (shape.size() >= 3 && connected(shape) && withoutHoles(shape, kColumns, rows) &&
            shape != rectangle(left, top, width, height))
            return shape;
    }
}

void addGridLines(Drawing& drawing, int rows) {
    std::vector<QPointF> ends;
    for (int c = 0; c <= kColumns; ++c) {
        ends.emplace_back(c * kSquare, 0);
        ends.emplace_back(c * kSquare, rows * kSquare);
    }
    for (int r = 0; r <= rows; ++r) {
        ends.emplace_back(0, r * kSquare);
        ends.emplace_back(kColumns * kSquare, r * kSquare);
    }
    drawing.parts.push_back(linesPart(std::move(ends), 2));
}

void addOutline(Drawing& drawing, const Shape& shape) {
    std::vector<QPointF> ends;
    for (const auto& [a, b] : boundary(shape)) {
        ends.push_back(a);
        ends.push_back(b);
    }
    drawing.parts.push_back(linesPart(std::move(ends), kOutlinePen));
}

ExerciseValues shapeValues(const QString& task, int rows, const Shape& shape) {
    std::vector<int64_t> columns, rowsOf;
    for (const auto& [c, r] : shape) {
        columns.push_back(c);
        rowsOf.push_back(r);
    }
    return {{QStringLiteral("task"), task},
            {QStringLiteral("columns"), int64_t{kColumns}},
            {QStringLiteral("rows"), int64_t{rows}},
            {QStringLiteral("cellColumns"), columns},
            {QStringLiteral("cellRows"), rowsOf},
            {QStringLiteral("perimeter"), static_cast<int64_t>(boundary(shape).size())},
            {QStringLiteral("area"), static_cast<int64_t>(shape.size())}};
}

// "Çevresi: ____ cm" under the grid, the key's answer on the line.
void addAnswerLine(PictureBlock& block, const QString& name, const QString& caption,
                   const QString& answer, const QString& unit, double top) {
    block.text(name + QStringLiteral("Caption"), caption, 0, top);
    const double x = PictureBlock::textWidth(caption, 14) + 20;
    block.writingLine(name + QStringLiteral("Line"), x, top + PictureBlock::lineHeight(14) - 8,
                      4 * kWritingAdvance);
    block.text(QStringLiteral("Answer") + name, answer, x, top, 14, Align::Center,
               4 * kWritingAdvance);
    block.text(name + QStringLiteral("Unit"), unit, x + 4 * kWritingAdvance + 15, top);
}

ActivityItem findItem(int task, bool mixed, RandomDraw& random) {
    const int rows = task == 2 ? 5 : 6;
    const Shape shape = mixed && random.draw(4) != 0 ? drawRectilinear(rows, random)
                                                     : drawRectangle(rows, random);
    PictureBlock block;
    Drawing& grid = block.drawing(QStringLiteral("Grid"), 0, 0, kColumns * kSquare, rows * kSquare);
    // The squares first, the grid over them so they can be counted, the outline last.
    for (const auto& [c, r] : shape) {
        const double x = c * kSquare, y = r * kSquare;
        grid.parts.push_back(
            polygonPart({{x, y}, {x + kSquare, y}, {x + kSquare, y + kSquare}, {x, y + kSquare}}, 0,
                        215));
    }
    addGridLines(grid, rows);
    addOutline(grid, shape);
    const int perimeter = static_cast<int>(boundary(shape).size());
    const int area = static_cast<int>(shape.size());
    const QString perimeterText = QStringLiteral("%1 cm").arg(perimeter);
    const QString areaText = QStringLiteral("%1 birim kare").arg(area);
    double top = rows * kSquare + 25;
    QString answer;
    if (task != 1) {
        addAnswerLine(block, QStringLiteral("Perimeter"), QStringLiteral("Çevresi:"),
                      QString::number(perimeter), QStringLiteral("cm"), top);
        top += kWritingLine;
        answer = perimeterText;
    }
    if (task != 0) {
        addAnswerLine(block, QStringLiteral("Area"), QStringLiteral("Alanı:"), QString::number(area),
                      QStringLiteral("birim kare"), top);
        answer = task == 1 ? areaText : QStringLiteral("çevresi %1, alanı %2").arg(perimeterText, areaText);
    }
    const QString text = task == 0   ? QStringLiteral("Şeklin çevresi kaç santimetredir?")
                         : task == 1 ? QStringLiteral("Şeklin alanı kaç birim karedir?")
                                     : QStringLiteral("Şeklin çevresini ve alanını bulunuz.");
    ActivityItem item{text, answer};
    item.shape = ExerciseShape::Grid;
    item.values = shapeValues(task == 0 ? QStringLiteral("perimeter")
                              : task == 1 ? QStringLiteral("area")
                                          : QStringLiteral("perimeter and area"),
                              rows, shape);
    item.picture = block.take();
    return item;
}

ActivityItem drawItem(bool mixed, std::set<int>& asked, RandomDraw& random) {
    constexpr int rows = 5;
    // Two different sides, so that the key's rectangle is not a square; a
    // perimeter not asked before on the page.
    int width = 0, height = 0;
    do {
        width = drawBetween(random, 2, kColumns - 2);
        height = drawBetween(random, 1, rows - 3);
        if (height >= width) ++height;
    } while (!asked.insert(2 * (width + height)).second);
    const int perimeter = 2 * (width + height);
    const QString text = QStringLiteral("Çevresi %1 cm olan bir %2 çiziniz.")
                             .arg(perimeter)
                             .arg(mixed ? QStringLiteral("şekil") : QStringLiteral("dikdörtgen"));
    PictureBlock block;
    const double top = block.paragraph(QStringLiteral("Prompt"), text, 0, 0, kColumns * kSquare) + 20;
    addGridLines(block.drawing(QStringLiteral("Grid"), 0, top, kColumns * kSquare, rows * kSquare),
                 rows);
    const Shape shape = rectangle(1, 1, width, height);
    addOutline(block.drawing(QStringLiteral("AnswerShape"), 0, top, kColumns * kSquare,
                             rows * kSquare),
               shape);
    ActivityItem item{text, QStringLiteral("örneğin kenarları %1 cm ve %2 cm olan dikdörtgen")
                                .arg(width)
                                .arg(height)};
    item.shape = ExerciseShape::Grid;
    item.values = shapeValues(QStringLiteral("draw"), rows, shape);
    item.picture = block.take();
    return item;
}

}  // namespace

ActivitySheet perimeterAndArea(const ActivityValues& values, RandomDraw& random) {
    const int task = static_cast<int>(pictureOptions::gridTasks().indexOf(values[0]));
    const bool mixed = values[1] == pictureOptions::gridShapes()[1];
    static const QString titles[] = {
        QStringLiteral("Şekillerin çevre uzunluklarını bulunuz. Karelerin kenarı 1 cm'dir."),
        QStringLiteral("Şekillerin alanlarını birim kare olarak bulunuz."),
        QStringLiteral("Şekillerin çevresini ve alanını bulunuz. Karelerin kenarı 1 cm'dir."),
        QStringLiteral("İstenen şekilleri çiziniz. Karelerin kenarı 1 cm'dir.")};
    ActivitySheet sheet{titles[task], {}};
    std::set<int> asked;
    for (int i = 0; i < 6; ++i)
        sheet.items.push_back(task == 3 ? drawItem(mixed, asked, random)
                                        : findItem(task, mixed, random));
    return sheet;
}

}  // namespace zarvik
