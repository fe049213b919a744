#include "fractions/core/FractionPage.h"

#include <algorithm>

#include "common/core/PageCells.h"
#include "common/core/TextMeasure.h"

namespace zarvik::fractions {

namespace {

constexpr int kRows = 13;

// Tops of the three box levels of each row.
struct RowTops {
    double numerator;
    double middle;
    double denominator;
};
constexpr RowTops kRowTops[kRows] = {
    {152, 169, 202},    {318, 334, 364},    {497, 513, 550},    {709, 736, 767},
    {926, 942, 974},    {1132, 1154, 1185}, {1344, 1371, 1402}, {1561, 1577, 1609},
    {1767, 1789, 1820}, {2006, 2021, 2053}, {2212, 2233, 2265}, {2424, 2450, 2482},
    {2619, 2635, 2667},
};

enum class Level { Numerator, Middle, Denominator };

struct RoleDesign {
    // Lefts: left column, right column rows 1-2, right column rows 3-13.
    double left[3];
    double width;  // the whole part is narrower in rows 1-2 (below)
    Level level;
    bool fractionBar;  // bottom frame, and the numerator's full height
    Align align;
};

// Indexed by BoxRole.
constexpr RoleDesign kRoles[kBoxesPerExercise] = {
    {{159, 1091, 1090}, 63, Level::Numerator, true, Align::Center},
    {{159, 1091, 1090}, 63, Level::Denominator, false, Align::Center},
    {{116, 1048, 1048}, 42, Level::Middle, false, Align::Right},
    {{222, 1158, 1159}, 63, Level::Middle, false, Align::Center},
    {{291, 1224, 1222}, 63, Level::Numerator, true, Align::Center},
    {{291, 1224, 1222}, 63, Level::Denominator, false, Align::Center},
    {{360, 1287, 1286}, 26, Level::Middle, false, Align::Center},
};

constexpr double kNumeratorHeight = 53;
constexpr double kSmallHeightTop = 46;  // rows 1-2
constexpr double kSmallHeight = 48;     // rows 3-13
constexpr double kWholeWidthTop = 43;   // rows 1-2
// The second numerator of exercise 2 sits a little higher than its row.
constexpr double kExercise2SecondNumeratorTop = 149;

const CellFont kFrameFont{QStringLiteral("Comic Sans MS"), 10, true, false};

// The header and footer labels are one line of the frame font high.
CellBox labelBox(const char16_t* name, double left, double top) {
    return CellBox{QString::fromUtf16(name), left, top, 0, 53};
}

// The strips are drawn at their cell's size.
PictureBox strip(const char16_t* name, double left, double top, double width, double height,
                 const char* picture) {
    return PictureBox{CellBox{QString::fromUtf16(name), left, top, width, height},
                      QString::fromLatin1(picture), width, height};
}

Cell exerciseBox(int exercise, BoxRole role) {
    const RoleDesign& design = kRoles[static_cast<int>(role)];
    const int row = (exercise + 1) / 2;  // 1..13
    const bool rightColumn = exercise % 2 == 0;
    const bool topRows = row <= 2;
    const RowTops& tops = kRowTops[row - 1];

    double top = design.level == Level::Numerator ? tops.numerator
                 : design.level == Level::Middle  ? tops.middle
                                                  : tops.denominator;
    if (exercise == 2 && role == BoxRole::SecondNumerator) top = kExercise2SecondNumeratorTop;
    const CellBox box{
        exerciseBoxName(exercise, role), design.left[rightColumn ? (topRows ? 1 : 2) : 0], top,
        role == BoxRole::FirstWhole && topRows ? kWholeWidthTop : design.width,
        design.fractionBar ? kNumeratorHeight : (topRows ? kSmallHeightTop : kSmallHeight)};
    Cell cell = richTextCell(box, CellFont{QStringLiteral("Comic Sans MS"), 12, false, false},
                             design.align);
    cell.frame.bottom = design.fractionBar;
    if (role == BoxRole::EqualsSign) cell.text = QStringLiteral("=");
    return cell;
}

}  // namespace

QString exerciseBoxName(int exercise, BoxRole role) {
    return QStringLiteral("QRRichText%1")
        .arg(kBoxesPerExercise * (exercise - 1) + static_cast<int>(role) + 1);
}

Page makeFractionPage() {
    Page page(QStringLiteral("QuickRep1"), Paper::A4);
    page.marginTop = 50;
    page.marginBottom = 50;
    page.marginLeft = 20;
    page.marginRight = 50;
    page.bandWidth = 2032;
    page.bandHeight = 2873;

    addPupilHeader(page, {kFrameFont, labelBox(u"QRLabel58", 132, 0),
                          labelBox(u"QRLabel59", 1148, 0), labelBox(u"QRLabel60", 1529, 0),
                          strip(u"QRImage3", 79, 58, 1908, 66, "strip-fraction-top")});
    addTeacherFooter(page,
                     {kFrameFont, strip(u"QRImage2", 63, 2731, 1886, 87, "strip-fraction-bottom"),
                      labelBox(kTeacherLabel, 212, 2815), labelBox(kDateLabel, 1143, 2815),
                      labelBox(u"QRLabel52", 1630, 2815)});

    for (int exercise = 1; exercise <= kRowCount; ++exercise) {
        for (int role = 0; role < kBoxesPerExercise; ++role)
            page.add(exerciseBox(exercise, static_cast<BoxRole>(role)));
    }
    return page;
}

namespace {

// On paper a fraction's bar keeps 1.5 mm of white from the whole part before
// it and from the operator (with the second whole part it carries) on either
// side, the "=" stands clear of the second bar, and the rows close up just
// enough for the last to end 8 mm above the footer strip (tenths of a
// millimetre). Boxes only ever move right of their design place.
constexpr double kClearOfBar = 15;
constexpr double kEqualsAfterBar = 20;
constexpr double kClearOfFooter = 80;
// Digits' smoothed edges reach a little below their boxes.
constexpr double kInkBelowBox = 8;

void moveRow(Page& page, int exercise, double by) {
    for (int role = 0; role < kBoxesPerExercise; ++role)
        page.cell(exerciseBoxName(exercise, static_cast<BoxRole>(role))).top += by;
}

void setPrintedPlaces(Page& page) {
    const TextMeasure& measure = textMeasure();
    for (int exercise = 1; exercise <= kRowCount; ++exercise) {
        const auto box = [&](BoxRole role) -> Cell& {
            return page.cell(exerciseBoxName(exercise, role));
        };
        const Cell& firstBar = box(BoxRole::FirstNumerator);
        const double firstBarRight = firstBar.left + firstBar.width;
        Cell& whole = box(BoxRole::FirstWhole);
        whole.left = std::min(whole.left, firstBar.left - kClearOfBar - whole.width);

        Cell& op = box(BoxRole::OperatorText);
        op.left = firstBarRight + kClearOfBar;
        op.align = Align::Left;
        const double opRight =
            op.left + (op.text.isEmpty() ? 0.0 : measure.width(op.text, op.font, op.font.pointSize));
        op.width = std::max(op.width, opRight - op.left);

        Cell& secondBar = box(BoxRole::SecondNumerator);
        const double shift = std::max(0.0, opRight + kClearOfBar - secondBar.left);
        secondBar.left += shift;
        box(BoxRole::SecondDenominator).left += shift;

        Cell& equals = box(BoxRole::EqualsSign);
        const double left = secondBar.left + secondBar.width + kEqualsAfterBar;
        if (equals.left < left) {
            equals.left = left;
            equals.align = Align::Left;
        }
    }
    // Rows move as a whole, the first staying where it is designed.
    const Cell& footer = page.cell(u"QRImage2");
    const double firstTop = page.cell(exerciseBoxName(1, BoxRole::FirstNumerator)).top;
    const Cell& lowest = page.cell(exerciseBoxName(kRowCount, BoxRole::SecondDenominator));
    const double over =
        lowest.top + lowest.height + kInkBelowBox - (pictureInkTop(footer) - kClearOfFooter);
    if (over <= 0) return;
    const double lastTop = page.cell(exerciseBoxName(kRowCount, BoxRole::FirstNumerator)).top;
    const double squeeze = over / (lastTop - firstTop);
    for (int exercise = 3; exercise <= kRowCount; ++exercise) {
        const double top = page.cell(exerciseBoxName(exercise, BoxRole::FirstNumerator)).top;
        moveRow(page, exercise, -(top - firstTop) * squeeze);
    }
}

}  // namespace

void fillFractionPage(Page& page, const ExerciseTable& table) {
    // Places follow the texts: every fill starts again from the design's.
    static const Page design = makeFractionPage();
    for (int exercise = 1; exercise <= kRowCount; ++exercise) {
        for (int role = 0; role < kBoxesPerExercise; ++role) {
            const QString name = exerciseBoxName(exercise, static_cast<BoxRole>(role));
            Cell& cell = page.cell(name);
            const Cell& designed = design.cell(name);
            cell.left = designed.left;
            cell.top = designed.top;
            cell.width = designed.width;
            cell.align = designed.align;
        }
        const FractionRow& row = table[static_cast<size_t>(exercise - 1)];
        page.setText(exerciseBoxName(exercise, BoxRole::FirstNumerator), row.firstNumerator);
        page.setText(exerciseBoxName(exercise, BoxRole::FirstDenominator), row.firstDenominator);
        page.setText(exerciseBoxName(exercise, BoxRole::FirstWhole), row.firstWhole);
        page.setText(exerciseBoxName(exercise, BoxRole::OperatorText), row.operatorText);
        page.setText(exerciseBoxName(exercise, BoxRole::SecondNumerator), row.secondNumerator);
        page.setText(exerciseBoxName(exercise, BoxRole::SecondDenominator), row.secondDenominator);
    }
    setPrintedPlaces(page);
}

void setFractionFooter(Page& page, const QString& teacherName, const QString& date) {
    setTeacherFooterCaptions(page, kTeacherLabel, kDateLabel, teacherName, date);
}

}  // namespace zarvik::fractions
