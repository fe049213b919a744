// "Kesir Modelleri": circles, rectangles and sets of objects divided into
// equal parts. The pupil writes the fraction of the shaded parts, shades a
// given fraction, or compares two shaded shapes.

#include <cmath>

#include "activities/core/ActivityPictures.h"
#include "activities/core/PictureActivities.h"

namespace zarvik {

namespace pictureOptions {

const QStringList& grades234() {
    static const QStringList items = {QStringLiteral("2. sınıf"), QStringLiteral("3. sınıf"),
                                      QStringLiteral("4. sınıf")};
    return items;
}

const QStringList& fractionTasks() {
    static const QStringList items = {QStringLiteral("Kesri yazma"), QStringLiteral("Boyama"),
                                      QStringLiteral("Karşılaştırma"), QStringLiteral("Karışık")};
    return items;
}

const QStringList& fractionKinds() {
    static const QStringList items = {QStringLiteral("Basit kesirler"),
                                      QStringLiteral("Bileşik ve tam sayılı")};
    return items;
}

}  // namespace pictureOptions

namespace {

enum class Model { Circle, Strips, Grid, Set };
enum class Task { Write, Shade, Compare };

const QString kWriteText = QStringLiteral("Boyalı kısmı gösteren kesri yazınız.");
const QString kWriteImproperText =
    QStringLiteral("Boyalı kısmı gösteren kesri bileşik ve tam sayılı kesir olarak yazınız.");
const QString kCompareText =
    QStringLiteral("Boyalı kısımları gösteren kesirleri yazıp karşılaştırınız.");

constexpr double kPen = 4;
constexpr double kGap = 40;
// One whole's room: a lone fraction's, and each of several wholes'.
constexpr double kWholeWidth = 480;
constexpr double kWholeHeight = 300;
constexpr double kSmallWhole = 240;
constexpr double kCompareWhole = 300;
constexpr double kSignBox = 100;

QString modelName(Model model) {
    switch (model) {
        case Model::Circle:
            return QStringLiteral("circle");
        case Model::Strips:
            return QStringLiteral("strips");
        case Model::Grid:
            return QStringLiteral("grid");
        case Model::Set:
            return QStringLiteral("set");
    }
    return {};
}

// Rows and columns of a grid of `parts` squares; 0 rows when it is prime.
std::pair<int, int> gridOf(int parts) {
    switch (parts) {
        case 4:
            return {2, 2};
        case 6:
            return {2, 3};
        case 8:
            return {2, 4};
        case 9:
            return {3, 3};
        case 10:
            return {2, 5};
        case 12:
            return {3, 4};
        default:
            return {0, 0};
    }
}

// "3/4'ünü boyayınız.": the numerator's ending as it is read ("dörtte üçünü").
QString possessiveEnding(int n) {
    static const char16_t* const ones[10] = {u"",    u"ini", u"sini", u"ünü", u"ünü",
                                             u"ini", u"sını", u"sini", u"ini", u"unu"};
    static const char16_t* const tens[4] = {u"", u"unu", u"sini", u"unu"};
    if (n % 10 != 0) return QString::fromUtf16(ones[n % 10]);
    return QString::fromUtf16(tens[std::min(n / 10, 3)]);
}

QString fraction(int numerator, int denominator) {
    return QStringLiteral("%1/%2").arg(numerator).arg(denominator);
}

// The pieces of one whole in the area, `shaded` of them filled (or none).
void addModel(Drawing& drawing, Model model, const QRectF& area, const std::vector<bool>& shaded,
              bool onlyShaded = false) {
    const int parts = static_cast<int>(shaded.size());
    const auto add = [&](DrawingPart part, size_t i) {
        if (shaded[i]) part.fill = kShade;
        if (!onlyShaded || shaded[i]) drawing.parts.push_back(std::move(part));
    };
    switch (model) {
        case Model::Circle: {
            const double d = std::min(area.width(), area.height()) - kPen;
            const QRectF box(area.center().x() - d / 2, area.center().y() - d / 2, d, d);
            for (int i = 0; i < parts; ++i)
                add(sectorPart(box, 360.0 * i / parts, 360.0 / parts, kPen),
                    static_cast<size_t>(i));
            break;
        }
        case Model::Strips: {
            const double w = area.width() - kPen, h = std::min(area.height(), area.width() / 2.5);
            const double top = area.center().y() - h / 2, step = w / parts;
            for (int i = 0; i < parts; ++i) {
                const double x = area.left() + kPen / 2 + step * i;
                add(polygonPart({{x, top}, {x + step, top}, {x + step, top + h}, {x, top + h}},
                                kPen),
                    static_cast<size_t>(i));
            }
            break;
        }
        case Model::Grid: {
            const auto [rows, columns] = gridOf(parts);
            const double side =
                std::min((area.width() - kPen) / columns, (area.height() - kPen) / rows);
            const double left = area.center().x() - side * columns / 2;
            const double top = area.center().y() - side * rows / 2;
            for (int i = 0; i < parts; ++i) {
                const double x = left + side * (i % columns), y = top + side * (i / columns);
                add(polygonPart({{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}},
                                kPen),
                    static_cast<size_t>(i));
            }
            break;
        }
        case Model::Set: {
            // Up to six in a row, a second row for more.
            const int perRow = parts <= 6 ? parts : (parts + 1) / 2;
            const int rows = (parts + perRow - 1) / perRow;
            const double pitch = std::min(85.0, area.width() / perRow);
            const double d = pitch * 0.8;
            for (int i = 0; i < parts; ++i) {
                const int row = i / perRow;
                const int inRow = row == rows - 1 ? parts - row * perRow : perRow;
                const double x = area.center().x() - pitch * inRow / 2 + pitch * (i % perRow) +
                                 (pitch - d) / 2;
                const double y = area.center().y() - pitch * rows / 2 + pitch * row + (pitch - d) / 2;
                add(ellipsePart(QRectF(x, y, d, d), kPen), static_cast<size_t>(i));
            }
            break;
        }
    }
}

// Which of the whole's parts are shaded: the first ones of a circle or a
// strip, any of a grid or a set.
std::vector<bool> shadedParts(Model model, int parts, int shaded, RandomDraw& random) {
    if (model == Model::Grid || model == Model::Set) return drawChosen(random, parts, shaded);
    std::vector<bool> places(static_cast<size_t>(parts), false);
    for (int i = 0; i < shaded; ++i)
        places[static_cast<size_t>(i)] = true;
    return places;
}

// Several wholes side by side are narrow: a strip of many parts would be
// too thin to read there.
Model drawModel(int parts, bool set, bool narrow, RandomDraw& random) {
    std::vector<Model> models = {Model::Circle};
    if (!narrow || parts <= 6) models.push_back(Model::Strips);
    if (gridOf(parts).first > 0) models.push_back(Model::Grid);
    if (set) models.push_back(Model::Set);
    return models[static_cast<size_t>(random.draw(static_cast<int>(models.size())))];
}

struct Fraction {
    int numerator;
    int denominator;
};

// A fraction of the grade's denominators, proper, or improper and not whole.
Fraction drawFraction(int largest, bool improper, RandomDraw& random) {
    const int denominator = drawBetween(random, 2, largest);
    if (!improper) return {drawBetween(random, 1, denominator - 1), denominator};
    const int wholes = drawBetween(random, 1, 2);
    return {wholes * denominator + drawBetween(random, 1, denominator - 1), denominator};
}

// As many wholes as the fraction needs, side by side, the first ones
// shaded; `filled`: on the pupil's page, else on the key only. Returns
// their width.
double addWholes(PictureBlock& block, Model model, Fraction f, double top, bool improper,
                 bool filled, RandomDraw& random) {
    const double width = improper ? kSmallWhole : kWholeWidth;
    const double height = improper ? kSmallWhole : kWholeHeight;
    const int wholes = (f.numerator + f.denominator - 1) / f.denominator;
    for (int w = 0; w < wholes; ++w) {
        const int shaded = std::clamp(f.numerator - w * f.denominator, 0, f.denominator);
        const std::vector<bool> places = shadedParts(model, f.denominator, shaded, random);
        const double left = (width + kGap) * w;
        const QString name = QStringLiteral("Model%1").arg(w + 1);
        const QRectF area(0, 0, width, height);
        addModel(block.drawing(name, left, top, width, height), model, area,
                 filled ? places : std::vector<bool>(places.size(), false));
        if (!filled)
            addModel(block.drawing(QStringLiteral("Answer") + name, left, top, width, height),
                     model, area, places, true);
    }
    return wholes * width + (wholes - 1) * kGap;
}

ActivityItem writeItem(int largest, bool improper, bool prompted, RandomDraw& random) {
    const Fraction f = drawFraction(largest, improper, random);
    const Model model = drawModel(f.denominator, !improper, improper, random);
    PictureBlock block;
    const double width = addWholes(block, model, f, 0, improper, true, random);
    const double below = block.bottom() + 20;
    ActivityItem item{kWriteText, fraction(f.numerator, f.denominator)};
    if (!improper) {
        const double room = kWritingAdvance * 2 + 20;
        block.fractionRoom(QStringLiteral("Fraction"), (width - room) / 2, below,
                           QString::number(f.numerator), QString::number(f.denominator));
    } else {
        const int whole = f.numerator / f.denominator, rest = f.numerator % f.denominator;
        item.answer += QStringLiteral(" = %1 %2").arg(whole).arg(fraction(rest, f.denominator));
        const double room = kWritingAdvance * 2 + 20;
        const double equals = PictureBlock::textWidth(QStringLiteral("="), 14) + 2 * 20;
        const double all = room + equals + 100 + 10 + room;
        double x = std::max(0.0, (width - all) / 2);
        x += block.fractionRoom(QStringLiteral("Improper"), x, below,
                                QString::number(f.numerator), QString::number(f.denominator));
        const double bar = below + kWritingLine;
        block.text(QStringLiteral("Equals"), QStringLiteral("="), x + 20,
                   bar - PictureBlock::lineHeight(14) / 2);
        x += equals;
        Drawing& box = block.drawing(QStringLiteral("WholeBox"), x, bar - 50, 100, 100);
        box.parts.push_back(polygonPart({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, 3));
        block.text(QStringLiteral("AnswerWhole"), QString::number(whole), x,
                   bar - PictureBlock::lineHeight(14) / 2, 14, Align::Center, 100);
        block.fractionRoom(QStringLiteral("Mixed"), x + 110, below, QString::number(rest),
                           QString::number(f.denominator));
    }
    if (prompted) block.putAbove(QStringLiteral("Prompt"), kWriteText, 0);
    item.shape = ExerciseShape::FractionModel;
    item.values = {{QStringLiteral("task"), QStringLiteral("write")},
                   {QStringLiteral("model"), modelName(model)},
                   {QStringLiteral("numerator"), int64_t{f.numerator}},
                   {QStringLiteral("denominator"), int64_t{f.denominator}}};
    item.picture = block.take();
    return item;
}

QString shadeText(Fraction f) {
    if (f.numerator < f.denominator)
        return fraction(f.numerator, f.denominator) + u'\'' + possessiveEnding(f.numerator) +
               QStringLiteral(" boyayınız.");
    return fraction(f.numerator, f.denominator) + QStringLiteral(" kesrini boyayarak gösteriniz.");
}

ActivityItem shadeItem(int largest, bool improper, RandomDraw& random) {
    const Fraction f = drawFraction(largest, improper, random);
    const Model model = drawModel(f.denominator, !improper, improper, random);
    PictureBlock block;
    const QString text = shadeText(f);
    addWholes(block, model, f, 0, improper, false, random);
    block.putAbove(QStringLiteral("Prompt"), text, 0);
    ActivityItem item{text, QStringLiteral("%1 parça boyanır").arg(f.numerator)};
    item.shape = ExerciseShape::FractionModel;
    item.values = {{QStringLiteral("task"), QStringLiteral("shade")},
                   {QStringLiteral("model"), modelName(model)},
                   {QStringLiteral("numerator"), int64_t{f.numerator}},
                   {QStringLiteral("denominator"), int64_t{f.denominator}}};
    item.picture = block.take();
    return item;
}

// Two fractions to compare: of one denominator, unit fractions, or (grade 4)
// equivalent ones.
std::pair<Fraction, Fraction> drawPair(int largest, int grade, RandomDraw& random) {
    const int way = random.draw(grade >= 4 ? 3 : 2);
    if (way == 0) {
        const int d = drawBetween(random, 3, std::max(3, largest));
        return {{drawBetween(random, 1, d - 1), d}, {drawBetween(random, 1, d - 1), d}};
    }
    if (way == 1) {
        const int a = drawBetween(random, 2, largest);
        int b = drawBetween(random, 2, largest - 1);
        if (b >= a) ++b;
        return {{1, a}, {1, b}};
    }
    const int d = drawBetween(random, 2, largest / 2);
    const int n = drawBetween(random, 1, d - 1);
    const int k = drawBetween(random, 2, largest / d);
    if (random.draw(2) == 0) return {{n, d}, {n * k, d * k}};
    return {{n * k, d * k}, {n, d}};
}

ActivityItem compareItem(int largest, int grade, bool prompted, RandomDraw& random) {
    const auto [a, b] = drawPair(largest, grade, random);
    // One kind of whole for both, so that their sizes compare.
    Model model = random.draw(2) == 0 ? Model::Circle : Model::Strips;
    PictureBlock block;
    const double top = 0;
    const double room = kWritingAdvance * 2 + 20;
    const auto side = [&](const QString& name, Fraction f, double left) {
        addModel(block.drawing(name, left, top, kCompareWhole, kCompareWhole), model,
                 QRectF(0, 0, kCompareWhole, kCompareWhole),
                 shadedParts(model, f.denominator, f.numerator, random));
        block.fractionRoom(name + QStringLiteral("Fraction"), left + (kCompareWhole - room) / 2,
                           top + kCompareWhole + 20, QString::number(f.numerator),
                           QString::number(f.denominator));
    };
    side(QStringLiteral("First"), a, 0);
    const double signLeft = kCompareWhole + kGap;
    side(QStringLiteral("Second"), b, signLeft + kSignBox + kGap);
    // The sign's box between the two fractions, at their bars' height.
    const double bar = top + kCompareWhole + 20 + kWritingLine;
    Drawing& box = block.drawing(QStringLiteral("SignBox"), signLeft, bar - kSignBox / 2, kSignBox,
                                 kSignBox);
    box.parts.push_back(
        polygonPart({{0, 0}, {kSignBox, 0}, {kSignBox, kSignBox}, {0, kSignBox}}, 3));
    const int left = a.numerator * b.denominator, right = b.numerator * a.denominator;
    const QString sign = left < right ? QStringLiteral("<") : left > right ? QStringLiteral(">")
                                                                          : QStringLiteral("=");
    block.text(QStringLiteral("AnswerSign"), sign, signLeft, bar - PictureBlock::lineHeight(14) / 2,
               14, Align::Center, kSignBox, true);
    if (prompted) block.putAbove(QStringLiteral("Prompt"), kCompareText, 0);
    ActivityItem item{kCompareText, fraction(a.numerator, a.denominator) + u' ' + sign + u' ' +
                                        fraction(b.numerator, b.denominator)};
    item.shape = ExerciseShape::FractionModel;
    item.values = {{QStringLiteral("task"), QStringLiteral("compare")},
                   {QStringLiteral("model"), modelName(model)},
                   {QStringLiteral("numerator"), int64_t{a.numerator}},
                   {QStringLiteral("denominator"), int64_t{a.denominator}},
                   {QStringLiteral("numerator2"), int64_t{b.numerator}},
                   {QStringLiteral("denominator2"), int64_t{b.denominator}}};
    item.picture = block.take();
    return item;
}

}  // namespace

ActivitySheet fractionModels(const ActivityValues& values, RandomDraw& random) {
    const int grade = gradeOf(values[0]);
    const int largest = grade == 2 ? 4 : grade == 3 ? 10 : 12;
    const int task = static_cast<int>(pictureOptions::fractionTasks().indexOf(values[1]));
    const bool improper = values[2] == pictureOptions::fractionKinds()[1];
    // How many of each task a page holds: as many as its rows take.
    int writes = 0, shades = 0, compares = 0;
    if (task == 0) writes = improper ? 8 : 12;
    if (task == 1) shades = improper ? 8 : 12;
    if (task == 2) compares = 8;
    if (task == 3) {
        writes = improper ? 2 : 3;
        shades = improper ? 2 : 3;
        compares = 2;
    }
    const bool mixed = task == 3;
    ActivitySheet sheet;
    sheet.title = task == 0   ? (improper ? kWriteImproperText : kWriteText)
                  : task == 1 ? QStringLiteral("Verilen kesirleri şekiller üzerinde boyayınız.")
                  : task == 2 ? kCompareText
                              : QStringLiteral("Kesir modelleriyle ilgili soruları cevaplayınız.");
    for (int i = 0; i < writes; ++i)
        sheet.items.push_back(writeItem(largest, improper, mixed, random));
    for (int i = 0; i < shades; ++i)
        sheet.items.push_back(shadeItem(largest, improper, random));
    for (int i = 0; i < compares; ++i)
        sheet.items.push_back(compareItem(largest, grade, mixed, random));
    return sheet;
}

}  // namespace zarvik
