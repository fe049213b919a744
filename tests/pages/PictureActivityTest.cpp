// The activity kinds drawn as pictures, over every choice and 40 seeds: the
// answers are read back from the drawn page (shaded pieces, marks and their
// labels, tally strokes, faces, bars, squares, an object's ends on the
// ruler, corners, coins) and must be the key's; the pages are never shrunk
// and their items keep apart; and on paper a grid square and a ruler's
// centimetre measure 10 mm.

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "PageRules.h"
#include "activities/core/ActivityPage.h"
#include "activities/core/ActivityPictures.h"
#include "activities/core/ActivityWorksheet.h"
#include "common/core/ExerciseFigure.h"
#include "common/core/TextMeasure.h"
#include "common/render/PageRenderer.h"
#include "common/render/TextFit.h"

using namespace zarvik;

namespace {

std::vector<ActivityValues> allValues(const ActivityKind& kind) {
    std::vector<ActivityValues> combos{{}};
    for (const ActivityOption& option : kind.options) {
        std::vector<ActivityValues> next;
        for (const ActivityValues& partial : combos)
            for (const QString& item : option.items)
                next.push_back(partial + QStringList{item});
        combos = next;
    }
    return combos;
}

// Every choice of the picture kinds, money only with its pictures.
std::vector<std::pair<const ActivityKind*, ActivityValues>> pictureChoices() {
    std::vector<std::pair<const ActivityKind*, ActivityValues>> choices;
    for (const ActivityKind& kind : activityKinds())
        for (const ActivityValues& values : allValues(kind))
            if (kind.layout == ActivityLayout::Pictures ||
                (kind.name == QStringLiteral("Paralarımız") &&
                 values[1] == QStringLiteral("Resimle")))
                choices.emplace_back(&kind, values);
    return choices;
}

struct Prepared {
    ActivityWorksheet sheet;
    Page page, key;
};

std::unique_ptr<Prepared> prepare(const ActivityKind& kind, const ActivityValues& values,
                                  int seed) {
    auto prepared = std::make_unique<Prepared>();
    RandomDraw random;
    random.seed(1700000000 + seed * 7919);
    prepared->sheet.prepare({kind.name, values, QStringLiteral("Ayşe Öğretmen"),
                             QStringLiteral("01/02/2025")},
                            random);
    // Fitted, as the programs print them.
    prepared->page = fitPageTexts(prepared->sheet.page());
    prepared->key = fitPageTexts(prepared->sheet.keyPage());
    return prepared;
}

// One item's cells on a page, by their name in the item.
class Item {
  public:
    Item(const Page& page, size_t index) {
        const QString prefix = QStringLiteral("Item%1.").arg(index + 1);
        for (const Cell& cell : page.cells())
            if (cell.name.startsWith(prefix)) cells_[cell.name.mid(prefix.size())] = &cell;
    }
    const Cell* find(const QString& name) const {
        const auto it = cells_.find(name);
        return it == cells_.end() ? nullptr : it->second;
    }
    const Cell& at(const QString& name) const {
        const Cell* cell = find(name);
        if (!cell) throw std::out_of_range(name.toStdString());
        return *cell;
    }
    QString text(const QString& name) const { return at(name).text; }
    // The cells whose names match, in the order of their names' numbers.
    std::vector<const Cell*> all(const QString& pattern) const {
        const QRegularExpression re(QStringLiteral("^") + pattern + QStringLiteral("$"));
        std::vector<std::pair<QString, const Cell*>> found;
        for (const auto& [name, cell] : cells_)
            if (re.match(name).hasMatch()) found.emplace_back(name, cell);
        std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
            return a.first.size() != b.first.size() ? a.first.size() < b.first.size()
                                                     : a.first < b.first;
        });
        std::vector<const Cell*> cells;
        for (const auto& each : found)
            cells.push_back(each.second);
        return cells;
    }
    const std::map<QString, const Cell*>& cells() const { return cells_; }

  private:
    std::map<QString, const Cell*> cells_;
};

double middleX(const Cell& cell) {
    return cell.left + cell.width / 2;
}

int number(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    EXPECT_TRUE(ok) << text.toStdString();
    return n;
}

// ---- fraction models ----

double polygonArea(const std::vector<QPointF>& p) {
    double twice = 0;
    for (size_t i = 0; i < p.size(); ++i)
        twice += p[i].x() * p[(i + 1) % p.size()].y() - p[(i + 1) % p.size()].x() * p[i].y();
    return std::abs(twice) / 2;
}

double pieceArea(const DrawingPart& part) {
    const QRectF box(part.points[0], part.points[1]);
    switch (part.kind) {
        case DrawingPart::Kind::Polygon:
            return polygonArea(part.points);
        case DrawingPart::Kind::Ellipse:
            return M_PI * box.width() * box.height() / 4;
        case DrawingPart::Kind::Sector:
            return M_PI * box.width() * box.height() / 4 * part.span / 360;
        default:
            return 0;
    }
}

// Shaded pieces and pieces of the wholes named so, all divided alike into
// equal pieces, as a fraction over the pieces of one whole.
std::pair<int, int> readWholes(const Item& item, const QString& name) {
    int shaded = 0, pieces = 0;
    double area = -1;
    const bool answer = name.startsWith(QStringLiteral("Answer"));
    for (const Cell* cell : item.all(name + QStringLiteral("\\d*"))) {
        const Drawing& d = *cell->drawing;
        if (pieces && !answer) {
            EXPECT_EQ(pieceCount(d), pieces) << "wholes divided alike";
        }
        pieces = pieceCount(d);
        shaded += filledPieceCount(d);
        for (const DrawingPart& part : d.parts) {
            if (area < 0) area = pieceArea(part);
            EXPECT_NEAR(pieceArea(part), area, area * 1e-6) << "equal parts";
        }
    }
    return {shaded, pieces};
}

QString fractionText(std::pair<int, int> f) {
    return QStringLiteral("%1/%2").arg(f.first).arg(f.second);
}

QString roomText(const Item& key, const QString& name) {
    return key.text(QStringLiteral("Answer") + name + QStringLiteral("Numerator")) + u'/' +
           key.text(QStringLiteral("Answer") + name + QStringLiteral("Denominator"));
}

void checkFraction(const ActivityItem& item, const Item& page, const Item& key) {
    const QString task = std::get<QString>(item.values[0].value);
    if (task == QStringLiteral("write")) {
        const auto f = readWholes(page, QStringLiteral("Model"));
        ASSERT_GT(f.first, 0);
        if (f.first < f.second) {
            EXPECT_EQ(roomText(key, QStringLiteral("Fraction")), fractionText(f));
            EXPECT_EQ(item.answer, fractionText(f));
        } else {
            EXPECT_EQ(roomText(key, QStringLiteral("Improper")), fractionText(f));
            const QString mixed = key.text(QStringLiteral("AnswerWhole")) + u' ' +
                                  roomText(key, QStringLiteral("Mixed"));
            EXPECT_EQ(mixed, QStringLiteral("%1 %2/%3")
                                 .arg(f.first / f.second)
                                 .arg(f.first % f.second)
                                 .arg(f.second));
            EXPECT_EQ(item.answer, fractionText(f) + QStringLiteral(" = ") + mixed);
        }
    } else if (task == QStringLiteral("shade")) {
        // The pupil's shapes are empty; the key shades the fraction asked.
        EXPECT_EQ(readWholes(page, QStringLiteral("Model")).first, 0);
        const auto asked = QRegularExpression(QStringLiteral("^(\\d+)/(\\d+)"))
                               .match(page.text(QStringLiteral("Prompt")));
        ASSERT_TRUE(asked.hasMatch());
        EXPECT_EQ(readWholes(key, QStringLiteral("AnswerModel")).first, asked.captured(1).toInt());
        EXPECT_EQ(readWholes(page, QStringLiteral("Model")).second, asked.captured(2).toInt());
        const int wholes = static_cast<int>(page.all(QStringLiteral("Model\\d+")).size());
        EXPECT_EQ(wholes, (asked.captured(1).toInt() + asked.captured(2).toInt() - 1) /
                              asked.captured(2).toInt());
    } else {
        const auto a = readWholes(page, QStringLiteral("First"));
        const auto b = readWholes(page, QStringLiteral("Second"));
        const int left = a.first * b.second, right = b.first * a.second;
        const QString sign = left < right ? "<" : left > right ? ">" : "=";
        EXPECT_EQ(key.text(QStringLiteral("AnswerSign")), sign);
        EXPECT_EQ(roomText(key, QStringLiteral("FirstFraction")), fractionText(a));
        EXPECT_EQ(roomText(key, QStringLiteral("SecondFraction")), fractionText(b));
        EXPECT_EQ(item.answer, fractionText(a) + u' ' + sign + u' ' + fractionText(b));
    }
}

// ---- number lines ----

double valueOf(const QString& text) {
    if (text.contains(u'/')) return text.section(u'/', 0, 0).toDouble() / text.section(u'/', 1).toDouble();
    return text.toDouble();
}

void checkNumberLine(const ActivityItem& item, const Item& page, const Item& key) {
    // The marks: the upright strokes of the line's drawing.
    const Cell& line = page.at(QStringLiteral("Line"));
    std::vector<double> marks;
    for (const DrawingPart& part : line.drawing->parts)
        if (part.kind == DrawingPart::Kind::Lines)
            for (size_t i = 0; i + 1 < part.points.size(); i += 2)
                if (part.points[i].x() == part.points[i + 1].x())
                    marks.push_back(line.left + part.points[i].x());
    ASSERT_GE(marks.size(), 3u);
    const double spacing = marks[1] - marks[0];
    for (size_t i = 1; i < marks.size(); ++i)
        EXPECT_NEAR(marks[i] - marks[i - 1], spacing, 1e-6) << "equal marks";
    // The value at any place, from the labels of two marks.
    const std::vector<const Cell*> labels = page.all(QStringLiteral("Label\\d+"));
    ASSERT_GE(labels.size(), 2u);
    const Cell& first = *labels.front();
    const Cell& last = *labels.back();
    const auto at = [&](double x) {
        return valueOf(first.text) + (x - middleX(first)) / (middleX(last) - middleX(first)) *
                                         (valueOf(last.text) - valueOf(first.text));
    };
    const auto onMark = [&](double x) {
        return std::any_of(marks.begin(), marks.end(),
                           [x](double m) { return std::abs(m - x) < 1e-6; });
    };
    for (const Cell* label : labels) {
        EXPECT_TRUE(onMark(middleX(*label)));
        EXPECT_NEAR(at(middleX(*label)), valueOf(label->text), 1e-9);
    }
    QStringList answers;
    if (std::get<QString>(item.values[0].value) == QStringLiteral("write")) {
        for (const auto& [name, cell] : key.cells()) {
            const bool whole = QRegularExpression(QStringLiteral("^AnswerBlank\\d+$")).match(name).hasMatch();
            if (!whole && !name.endsWith(QStringLiteral("Numerator"))) continue;
            const QString text = whole ? cell->text
                                       : cell->text + u'/' +
                                             key.text(QString(name).replace(QStringLiteral("Numerator"),
                                                                            QStringLiteral("Denominator")));
            EXPECT_TRUE(onMark(middleX(*cell))) << name.toStdString();
            EXPECT_NEAR(at(middleX(*cell)), valueOf(text), 1e-9) << name.toStdString();
            // Empty on the pupil's page.
            EXPECT_EQ(page.find(name), nullptr);
            answers << text;
        }
        QStringList expected = item.answer.split(QStringLiteral(", "));
        std::sort(expected.begin(), expected.end());
        std::sort(answers.begin(), answers.end());
        EXPECT_EQ(answers, expected);
    } else {
        // The key's arrows point at the marks the prompt asks for.
        const QString prompt = page.text(QStringLiteral("Prompt"));
        const QStringList asked =
            prompt.section(u' ', 0, prompt.count(QStringLiteral(" ve ")) * 2).split(QStringLiteral(" ve "));
        std::vector<double> shown;
        for (const Cell* arrow : key.all(QStringLiteral("AnswerArrow\\d+"))) {
            EXPECT_TRUE(onMark(middleX(*arrow)));
            shown.push_back(at(middleX(*arrow)));
        }
        ASSERT_EQ(shown.size(), static_cast<size_t>(asked.size()));
        for (qsizetype i = 0; i < asked.size(); ++i)
            EXPECT_NEAR(shown[static_cast<size_t>(i)], valueOf(asked[i]), 1e-9);
        EXPECT_TRUE(key.all(QStringLiteral("AnswerArrow\\d+")).size() > 0);
        EXPECT_TRUE(page.all(QStringLiteral("AnswerArrow\\d+")).empty());
    }
}

// ---- data: tally tables, pictographs, bar graphs, their questions ----

int tallyStrokes(const Cell& cell) {
    int strokes = 0;
    for (const DrawingPart& part : cell.drawing->parts)
        strokes += static_cast<int>(part.points.size() / 2);
    return strokes;
}

// The answers to the questions after the data, from the counts read.
void checkQuestions(const ActivitySheet& sheet, const QStringList& names, const std::vector<int>& counts) {
    ASSERT_EQ(sheet.items.size(), 6u);
    const auto named = [&](const QString& accusative) {
        // The longest name whose stem begins the word: "pazarı", "pazartesiyi".
        qsizetype best = -1;
        for (qsizetype i = 0; i < names.size(); ++i)
            if (accusative.toLower().startsWith(names[i].left(names[i].size() - 1).toLower()) &&
                (best < 0 || names[i].size() > names[best].size()))
                best = i;
        EXPECT_GE(best, 0) << accusative.toStdString();
        return static_cast<size_t>(std::max<qsizetype>(best, 0));
    };
    const auto most = std::max_element(counts.begin(), counts.end()) - counts.begin();
    const auto least = std::min_element(counts.begin(), counts.end()) - counts.begin();
    int total = 0;
    for (const int n : counts)
        total += n;
    EXPECT_EQ(sheet.items[1].answer, names[most]);
    EXPECT_EQ(sheet.items[2].answer, names[least]);
    const QString one = sheet.items[3].text.section(u' ', 2, 2);
    EXPECT_EQ(sheet.items[3].answer, QStringLiteral("%1 öğrenci").arg(counts[named(one)]));
    const QString more = sheet.items[4].text.section(u' ', 0, 0);
    const QString fewer = sheet.items[4].text.section(u' ', 2, 2);
    EXPECT_EQ(sheet.items[4].answer,
              QStringLiteral("%1 kişi").arg(counts[named(more)] - counts[named(fewer)]));
    EXPECT_GT(counts[named(more)], counts[named(fewer)]);
    EXPECT_EQ(sheet.items[5].answer, QStringLiteral("%1 öğrenci").arg(total));
}

QStringList rowNames(const Item& item) {
    QStringList names;
    for (const Cell* cell : item.all(QStringLiteral("Name\\d+")))
        names << cell->text.toLower();
    return names;
}

void checkTally(const ActivitySheet& sheet, const Item& page, const Item& key) {
    const QStringList names = rowNames(page);
    std::vector<int> counts(static_cast<size_t>(names.size()), 0);
    const std::vector<const Cell*> words = page.all(QStringLiteral("Word\\d+"));
    if (!words.empty()) {
        for (const Cell* word : words) {
            ASSERT_TRUE(names.contains(word->text)) << word->text.toStdString();
            ++counts[static_cast<size_t>(names.indexOf(word->text))];
        }
    } else {
        for (size_t r = 0; r < counts.size(); ++r)
            counts[r] = tallyStrokes(page.at(QStringLiteral("Tally%1").arg(r + 1)));
    }
    for (size_t r = 0; r < counts.size(); ++r) {
        const QString row = QString::number(r + 1);
        EXPECT_EQ(number(key.text(QStringLiteral("AnswerCount") + row)), counts[r]);
        if (!words.empty()) {
            EXPECT_EQ(tallyStrokes(key.at(QStringLiteral("AnswerTally") + row)), counts[r]);
            EXPECT_EQ(page.find(QStringLiteral("AnswerTally") + row), nullptr);
        }
    }
    checkQuestions(sheet, names, counts);
}

void checkPictograph(const ActivitySheet& sheet, const Item& page, const Item& key) {
    const QStringList names = rowNames(page);
    const int perFace = number(page.text(QStringLiteral("KeyText")).section(u' ', 1, 1));
    const bool read = page.find(QStringLiteral("Count1")) == nullptr;
    std::vector<int> counts;
    for (qsizetype r = 0; r < names.size(); ++r) {
        const Item& drawn = read ? page : key;
        int halves = 0;
        for (const Cell* face : drawn.all(QStringLiteral("(Answer)?Face%1_\\d+").arg(r + 1)))
            halves += face->drawing->cacheKey == QStringLiteral("face") ? 2 : 1;
        ASSERT_EQ(halves * perFace % 2, 0);
        counts.push_back(halves * perFace / 2);
        const QString given = read ? key.text(QStringLiteral("AnswerCount%1").arg(r + 1))
                                   : page.text(QStringLiteral("Count%1").arg(r + 1));
        EXPECT_EQ(number(given), counts.back());
        if (!read) {
            EXPECT_TRUE(page.all(QStringLiteral("AnswerFace%1_\\d+").arg(r + 1)).empty());
        }
    }
    checkQuestions(sheet, names, counts);
}

void checkBarGraph(const ActivitySheet& sheet, const Item& page, const Item& key) {
    const QStringList names = rowNames(page);
    const Cell& zero = page.at(QStringLiteral("Scale0"));
    const Cell& one = page.at(QStringLiteral("Scale1"));
    const auto middleY = [](const Cell& c) { return c.top + c.height / 2; };
    const double unit = middleY(zero) - middleY(one);
    const bool read = page.find(QStringLiteral("Count1")) == nullptr;
    std::vector<int> counts;
    for (qsizetype r = 0; r < names.size(); ++r) {
        const Cell& bar = (read ? page : key).at((read ? QStringLiteral("Bar%1") : QStringLiteral("AnswerBar%1")).arg(r + 1));
        // The bar stands on the axis, the scale's 0.
        EXPECT_NEAR(bar.top + bar.height, middleY(zero), 1e-6);
        const double value = bar.height / unit * number(one.text);
        EXPECT_NEAR(value, std::round(value), 1e-6);
        counts.push_back(static_cast<int>(std::lround(value)));
        const QString given = read ? key.text(QStringLiteral("AnswerCount%1").arg(r + 1))
                                   : page.text(QStringLiteral("Count%1").arg(r + 1));
        EXPECT_EQ(number(given), counts.back());
    }
    checkQuestions(sheet, names, counts);
}

// ---- perimeter and area ----

using Edge = std::pair<std::pair<int, int>, std::pair<int, int>>;

std::set<Edge> outlineEdges(const DrawingPart& lines) {
    std::set<Edge> edges;
    for (size_t i = 0; i + 1 < lines.points.size(); i += 2) {
        const std::pair<int, int> a{static_cast<int>(std::lround(lines.points[i].x())),
                                    static_cast<int>(std::lround(lines.points[i].y()))};
        const std::pair<int, int> b{static_cast<int>(std::lround(lines.points[i + 1].x())),
                                    static_cast<int>(std::lround(lines.points[i + 1].y()))};
        edges.insert(std::min(a, b) == a ? Edge{a, b} : Edge{b, a});
    }
    return edges;
}

void checkGrid(const ActivityItem& item, const Item& page, const Item& key) {
    if (const Cell* shape = key.find(QStringLiteral("AnswerShape"))) {
        // Drawn in the key: a closed outline of grid lines, as long as asked.
        const std::set<Edge> edges = outlineEdges(shape->drawing->parts.front());
        std::map<std::pair<int, int>, int> ends;
        for (const auto& [a, b] : edges) {
            EXPECT_EQ(std::abs(a.first - b.first) + std::abs(a.second - b.second), 100);
            EXPECT_EQ(a.first % 100 + a.second % 100, 0);
            ++ends[a];
            ++ends[b];
        }
        for (const auto& [point, n] : ends)
            EXPECT_EQ(n, 2) << "closed";
        const int asked = number(page.text(QStringLiteral("Prompt")).section(u' ', 1, 1));
        EXPECT_EQ(static_cast<int>(edges.size()), asked);
        return;
    }
    const Drawing& grid = *page.at(QStringLiteral("Grid")).drawing;
    // The shaded squares, on the grid, 1 cm each; the outline is their edge.
    std::set<std::pair<int, int>> squares;
    std::map<Edge, int> sides;
    for (const DrawingPart& part : grid.parts) {
        if (part.kind != DrawingPart::Kind::Polygon) continue;
        const int x = static_cast<int>(std::lround(part.points[0].x()));
        const int y = static_cast<int>(std::lround(part.points[0].y()));
        EXPECT_EQ(x % 100 + y % 100, 0);
        EXPECT_NEAR(polygonArea(part.points), 100 * 100, 1e-6);
        squares.insert({x, y});
        for (const Edge& e : {Edge{{x, y}, {x + 100, y}}, Edge{{x, y + 100}, {x + 100, y + 100}},
                              Edge{{x, y}, {x, y + 100}}, Edge{{x + 100, y}, {x + 100, y + 100}}})
            ++sides[e];
    }
    std::set<Edge> boundary;
    for (const auto& [e, n] : sides)
        if (n == 1) boundary.insert(e);
    EXPECT_EQ(outlineEdges(grid.parts.back()), boundary);
    const int area = static_cast<int>(squares.size());
    const int perimeter = static_cast<int>(boundary.size());
    if (const Cell* p = key.find(QStringLiteral("AnswerPerimeter"))) {
        EXPECT_EQ(number(p->text), perimeter);
        EXPECT_TRUE(item.answer.contains(QStringLiteral("%1 cm").arg(perimeter)));
    }
    if (const Cell* a = key.find(QStringLiteral("AnswerArea"))) {
        EXPECT_EQ(number(a->text), area);
        EXPECT_TRUE(item.answer.contains(QStringLiteral("%1 birim kare").arg(area)));
    }
}

// ---- rulers ----

void checkRuler(const ActivityItem& item, const Item& page, const Item& key) {
    const Cell& zero = page.at(QStringLiteral("Number0"));
    const Cell& ten = page.at(QStringLiteral("Number10"));
    // True size: 10 cm are 100 mm.
    EXPECT_NEAR(middleX(ten) - middleX(zero), 1000, 1e-6);
    const Cell& object = page.at(QStringLiteral("Object"));
    double from = 1e9, to = -1e9;
    for (const DrawingPart& part : object.drawing->parts)
        for (const QPointF& p : part.points) {
            from = std::min(from, object.left + p.x());
            to = std::max(to, object.left + p.x());
        }
    EXPECT_NEAR(std::fmod(from - middleX(zero), 100), 0, 1e-6) << "starts at a centimetre";
    const int millimetres = static_cast<int>(std::lround((to - from) / 10));
    EXPECT_NEAR(to - from, millimetres * 10, 1e-6);
    EXPECT_EQ(number(key.text(QStringLiteral("AnswerCentimetres"))), millimetres / 10);
    if (const Cell* mm = key.find(QStringLiteral("AnswerMillimetres"))) {
        EXPECT_EQ(number(mm->text), millimetres % 10);
    } else {
        EXPECT_EQ(millimetres % 10, 0);
    }
    EXPECT_TRUE(item.answer.startsWith(QStringLiteral("%1 cm").arg(millimetres / 10)));
}

// ---- plane shapes ----

QString shapeName(const DrawingPart& part) {
    if (part.kind == DrawingPart::Kind::Ellipse) return QStringLiteral("daire");
    const std::vector<QPointF>& p = part.points;
    switch (p.size()) {
        case 3:
            return QStringLiteral("üçgen");
        case 4: {
            const auto length = [&](size_t i) {
                const QPointF d = p[(i + 1) % 4] - p[i];
                return std::hypot(d.x(), d.y());
            };
            const QPointF a = p[1] - p[0], b = p[2] - p[1];
            EXPECT_NEAR(a.x() * b.x() + a.y() * b.y(), 0, 1e-6) << "right angles";
            return std::abs(length(0) - length(1)) < 1e-6 ? QStringLiteral("kare")
                                                         : QStringLiteral("dikdörtgen");
        }
        case 5:
            return QStringLiteral("beşgen");
        case 6:
            return QStringLiteral("altıgen");
    }
    return {};
}

void checkShapes(const ActivityItem& item, const Item& page, const Item& key) {
    if (const Cell* shape = page.find(QStringLiteral("Shape"))) {
        const DrawingPart& part = shape->drawing->parts.front();
        if (const Cell* name = key.find(QStringLiteral("Answer"))) {
            EXPECT_EQ(name->text, shapeName(part));
            return;
        }
        const int corners = static_cast<int>(part.points.size());
        EXPECT_EQ(number(key.text(QStringLiteral("AnswerSides"))), corners);
        EXPECT_EQ(number(key.text(QStringLiteral("AnswerCorners"))), corners);
        return;
    }
    std::map<QString, int> counts;
    for (const Cell* shape : page.all(QStringLiteral("Shape\\d+")))
        ++counts[shapeName(shape->drawing->parts.front())];
    QStringList answer;
    for (const QString& part : item.answer.split(QStringLiteral(", "))) {
        const int n = number(part.section(u' ', 0, 0));
        EXPECT_EQ(n, counts[part.section(u' ', 1)]) << part.toStdString();
        counts.erase(part.section(u' ', 1));
    }
    EXPECT_TRUE(counts.empty());
}

// ---- money ----

int pieceValue(const Item& item, const QString& name) {
    const int n = number(item.text(name + QStringLiteral("Value")));
    return item.text(name + QStringLiteral("Unit")) == QStringLiteral("lira") ? n * 100 : n;
}

void checkMoney(const ActivityItem& item, const Item& page, const Item& key) {
    const QString prompt = page.text(QStringLiteral("Prompt"));
    if (prompt == QStringLiteral("Kaç lira kaç kuruş?")) {
        int total = 0;
        for (const Cell* piece : page.all(QStringLiteral("Piece\\d+")))
            total += pieceValue(page, piece->name.section(u'.', 1));
        EXPECT_EQ(number(key.text(QStringLiteral("AnswerLira"))), total / 100);
        EXPECT_EQ(number(key.text(QStringLiteral("AnswerKurus"))), total % 100);
        return;
    }
    // "12 lira 75 kuruşu ödemek için …": the key's coins make it, as few as can.
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(?:(\\d+) lira)? ?(?:(\\d+) kuruş)?")).match(prompt);
    const int amount = m.captured(1).toInt() * 100 + m.captured(2).toInt();
    ASSERT_GT(amount, 0);
    int total = 0, pieces = 0;
    for (const Cell* piece : key.all(QStringLiteral("AnswerPiece\\d+"))) {
        total += pieceValue(key, piece->name.section(u'.', 1));
        ++pieces;
    }
    EXPECT_EQ(total, amount);
    int fewest = 0;
    for (int rest = amount, i = 0; i < 12; ++i) {
        static const int values[] = {20000, 10000, 5000, 2000, 1000, 500, 100, 50, 25, 10, 5, 1};
        fewest += rest / values[i];
        rest %= values[i];
    }
    EXPECT_EQ(pieces, fewest);
    EXPECT_TRUE(page.all(QStringLiteral("AnswerPiece\\d+")).empty());
    EXPECT_EQ(static_cast<int>(item.answer.split(QStringLiteral(", ")).size()), pieces);
}

// Where an item's cells lie on the page, its number with them.
QRectF itemBounds(const Page& page, size_t index) {
    QRectF bounds;
    const QString prefix = QStringLiteral("Item%1.").arg(index + 1);
    const QString number = QStringLiteral("Number%1").arg(index + 1);
    for (const Cell& cell : page.cells())
        if (cell.name.startsWith(prefix) || cell.name == number) {
            const QRectF r(cell.left, cell.top, cell.width, cell.height);
            bounds = bounds.isNull() ? r : bounds.united(r);
        }
    return bounds;
}

// Items apart from each other and from the title and footer, texts within an
// item apart from each other (a coin's value lies on its coin by design).
void expectApart(const Page& page, size_t items) {
    const Cell& title = page.cell(u"Title");
    const Cell& footer = page.cell(u"BottomStrip");
    std::vector<QRectF> bounds;
    for (size_t i = 0; i < items; ++i) {
        bounds.push_back(itemBounds(page, i));
        EXPECT_GT(bounds.back().top(), title.top + title.height) << i;
        EXPECT_LT(bounds.back().bottom(), footer.top) << i;
        EXPECT_GE(bounds.back().left(), 0);
        EXPECT_LE(bounds.back().right(), page.bandWidth);
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(bounds[i].adjusted(-20, -20, 20, 20).intersects(bounds[j]))
                << "items " << j + 1 << " and " << i + 1;
    }
    std::vector<const Cell*> texts;
    for (const Cell& cell : page.cells())
        if (cell.kind == CellKind::RichText && !cell.text.isEmpty() && cell.name.startsWith(u"Item")) {
            texts.push_back(&cell);
            // Each line within its cell, so that cells apart are texts apart.
            for (const QString& line : cell.text.split(u'\n'))
                EXPECT_LE(textMeasure().width(line, cell.font, cell.font.pointSize), cell.width + 0.5)
                    << cell.name.toStdString() << ": " << line.toStdString();
        }
    for (size_t i = 0; i < texts.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(QRectF(texts[i]->left, texts[i]->top, texts[i]->width, texts[i]->height)
                             .adjusted(0.01, 0.01, -0.01, -0.01)
                             .intersects(QRectF(texts[j]->left, texts[j]->top, texts[j]->width,
                                                texts[j]->height)))
                << texts[i]->name.toStdString() << " " << texts[j]->name.toStdString();
}

}  // namespace

TEST(PictureActivities, AnswersFollowFromTheDrawnPagesAndTheKeyShowsThem) {
    const std::map<QString, std::function<void(const ActivitySheet&, size_t, const Item&, const Item&)>>
        checks = {
            {QStringLiteral("Kesir Modelleri"),
             [](const ActivitySheet& s, size_t i, const Item& p, const Item& k) {
                 checkFraction(s.items[i], p, k);
             }},
            {QStringLiteral("Sayı Doğrusu"),
             [](const ActivitySheet& s, size_t i, const Item& p, const Item& k) {
                 checkNumberLine(s.items[i], p, k);
             }},
            {QStringLiteral("Çetele ve Sıklık"),
             [](const ActivitySheet& s, size_t i, const Item& p, const Item& k) {
                 if (i == 0) checkTally(s, p, k);
             }},
            {QStringLiteral("Şekil Grafiği"),
             [](const ActivitySheet& s, size_t i, const Item& p, const Item& k) {
                 if (i == 0) checkPictograph(s, p, k);
             }},
            {QStringLiteral("Sütun Grafiği"),
             [](const ActivitySheet& s, size_t i, const Item& p, const Item& k) {
                 if (i == 0) checkBarGraph(s, p, k);
             }},
            {QStringLiteral("Çevre ve Alan"),
             [](const ActivitySheet& s, size_t i, const Item& p, const Item& k) {
                 checkGrid(s.items[i], p, k);
             }},
            {QStringLiteral("Cetvel"),
             [](const ActivitySheet& s, size_t i, const Item& p, const Item& k) {
                 checkRuler(s.items[i], p, k);
             }},
            {QStringLiteral("Geometrik Şekiller"),
             [](const ActivitySheet& s, size_t i, const Item& p, const Item& k) {
                 checkShapes(s.items[i], p, k);
             }},
            {QStringLiteral("Paralarımız"),
             [](const ActivitySheet& s, size_t i, const Item& p, const Item& k) {
                 checkMoney(s.items[i], p, k);
             }},
        };
    for (const auto& [kind, values] : pictureChoices()) {
        for (int seed = 0; seed < 40; ++seed) {
            SCOPED_TRACE((kind->name + u' ' + values.join(u'|') + QStringLiteral(" seed %1").arg(seed))
                             .toStdString());
            const auto prepared = prepare(*kind, values, seed);
            const ActivitySheet& sheet = prepared->sheet.sheet();
            ASSERT_TRUE(drawsKey(prepared->sheet));
            // Never shrunk: the grid and the ruler must measure true.
            EXPECT_EQ(printableAreaScale(prepared->page), 1.0);
            EXPECT_EQ(printableAreaScale(prepared->key), 1.0);
            test::expectInsideBand(prepared->page);
            expectApart(prepared->page, sheet.items.size());
            expectApart(prepared->key, sheet.items.size());
            for (size_t i = 0; i < sheet.items.size(); ++i) {
                SCOPED_TRACE(QStringLiteral("item %1").arg(i + 1).toStdString());
                const Item page(prepared->page, i), key(prepared->key, i);
                ASSERT_FALSE(page.cells().empty());
                for (const auto& [name, cell] : page.cells())
                    EXPECT_FALSE(isAnswerCell(*cell)) << name.toStdString();
                checks.at(kind->name)(sheet, i, page, key);
            }
        }
    }
}

namespace {

constexpr int kDpi = 300;

double pixels(double tenths) {
    return tenths * kDpi / 254.0;
}

// The middles of the dark runs along a row or a column of the image.
std::vector<double> darkRuns(const QImage& image, int fixed, int from, int to, bool across) {
    std::vector<double> middles;
    int start = -1;
    for (int i = from; i <= to + 1; ++i) {
        const bool dark = i <= to && qGray(across ? image.pixel(i, fixed) : image.pixel(fixed, i)) < 128;
        if (dark && start < 0) start = i;
        if (!dark && start >= 0) {
            middles.push_back((start + i - 1) / 2.0);
            start = -1;
        }
    }
    return middles;
}

void expectSpacing(const std::vector<double>& middles, size_t count, double millimetres) {
    ASSERT_EQ(middles.size(), count);
    for (size_t i = 1; i < middles.size(); ++i)
        EXPECT_NEAR((middles[i] - middles[i - 1]) * 25.4 / kDpi, millimetres, 0.2) << i;
}

Page firstPage(const char* kind, const ActivityValues& values = {}) {
    const ActivityKind& chosen = checkedActivityKind(QString::fromUtf8(kind));
    return prepare(chosen, values.isEmpty() ? startValues(chosen) : values, 0)->page;
}

}  // namespace

// On paper at 100 %: a grid square and a ruler's centimetre are 10 mm, its
// millimetres 1 mm, and the ruler's numbers are text in one row.
TEST(PictureActivities, GridSquaresAndRulerCentimetresMeasureTrueOnPaper) {
    const Page grid = firstPage("Çevre ve Alan");
    const QImage gridImage = renderImage(grid, kDpi);
    const Cell& squares = grid.cell(u"Item1.Grid");
    const double left = pixels(grid.marginLeft + squares.left);
    const double top = pixels(grid.marginTop + squares.top);
    const int right = static_cast<int>(left + pixels(squares.width));
    const int bottom = static_cast<int>(top + pixels(squares.height));
    // Through the middle of the first row and the first column of squares.
    expectSpacing(darkRuns(gridImage, static_cast<int>(top + pixels(50)), static_cast<int>(left) - 10,
                           right + 10, true),
                  9, 10.0);
    expectSpacing(darkRuns(gridImage, static_cast<int>(left + pixels(50)), static_cast<int>(top) - 10,
                           bottom + 10, false),
                  7, 10.0);

    const Page rulers = firstPage("Cetvel");
    const QImage rulerImage = renderImage(rulers, kDpi);
    const Cell& ruler = rulers.cell(u"Item1.Ruler");
    const int from = static_cast<int>(pixels(rulers.marginLeft + ruler.left + 20));
    const int to = static_cast<int>(pixels(rulers.marginLeft + ruler.left + ruler.width - 20));
    const double rulerTop = pixels(rulers.marginTop + ruler.top);
    // Below the half-centimetre marks only the centimetres reach; near the
    // edge every millimetre does.
    expectSpacing(darkRuns(rulerImage, static_cast<int>(rulerTop + pixels(52)), from, to, true), 16,
                  10.0);
    expectSpacing(darkRuns(rulerImage, static_cast<int>(rulerTop + pixels(15)), from, to, true), 151,
                  1.0);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cetvel.pdf"));
    writePdf({&rulers}, pdf);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    QStringList numbers;
    for (int cm = 0; cm <= 15; ++cm)
        numbers << QString::number(cm);
    const QRegularExpression row(QStringLiteral("^ *") + numbers.join(QStringLiteral(" +")) +
                                     QStringLiteral(" *$"),
                                 QRegularExpression::MultilineOption);
    EXPECT_EQ(QString::fromUtf8(text.readAllStandardOutput()).count(row), 4);
}

// At 300 dpi, between the title and the footer, every dark pixel lies in a
// cell of the page (less than half a millimetre out): with the cells apart
// (above), no picture or text runs into another.
TEST(PictureActivities, InkStaysInItsCells) {
    for (const auto& [kind, values] : pictureChoices()) {
        bool chosen = values == startValues(*kind);
        for (size_t o = 0; o < kind->options.size(); ++o)
            chosen = chosen || (values[static_cast<qsizetype>(o)] == kind->options[o].items.last() &&
                                std::count(values.begin(), values.end(), QString()) == 0 &&
                                values.mid(0, static_cast<qsizetype>(o)) ==
                                    startValues(*kind).mid(0, static_cast<qsizetype>(o)));
        if (!chosen) continue;
        SCOPED_TRACE((kind->name + u' ' + values.join(u'|')).toStdString());
        const auto prepared = prepare(*kind, values, 3);
        for (const Page* page : {&prepared->page, &prepared->key}) {
            const QImage image = renderImage(*page, kDpi);
            const int width = image.width();
            std::vector<char> allowed(static_cast<size_t>(width) * image.height(), 0);
            const double slack = pixels(5);
            for (const Cell& cell : page->cells()) {
                const int x0 = std::max(0, static_cast<int>(pixels(page->marginLeft + cell.left) - slack));
                const int y0 = std::max(0, static_cast<int>(pixels(page->marginTop + cell.top) - slack));
                const int x1 = std::min(width - 1, static_cast<int>(pixels(page->marginLeft + cell.left + cell.width) + slack));
                const int y1 = std::min(image.height() - 1, static_cast<int>(pixels(page->marginTop + cell.top + cell.height) + slack));
                for (int y = y0; y <= y1; ++y)
                    std::fill_n(allowed.begin() + static_cast<ptrdiff_t>(y) * width + x0, x1 - x0 + 1, 1);
            }
            const Cell& title = page->cell(u"Title");
            const Cell& footer = page->cell(u"BottomStrip");
            int stray = 0;
            for (int y = static_cast<int>(pixels(page->marginTop + title.top + title.height)) + 1;
                 y < static_cast<int>(pixels(page->marginTop + footer.top)); ++y) {
                const uchar* line = image.constScanLine(y);
                for (int x = 0; x < width; ++x)
                    if (line[4 * x + 1] < 200 && !allowed[static_cast<size_t>(y) * width + x] && ++stray < 5)
                        ADD_FAILURE() << "ink at " << x << "," << y;
            }
            EXPECT_EQ(stray, 0);
        }
    }
}
