#include "fractions/FractionPage.h"

#include "common/Names.h"

namespace zarvik::fractions {

namespace {

// Millimetres to the page model's tenths.
constexpr double mm(double millimetres) {
    return millimetres * 10.0;
}

constexpr int kRows = 13;

// Tops of the three box levels of each row, mm.
struct RowTops {
    double numerator;
    double middle;
    double denominator;
};
constexpr RowTops kRowTops[kRows] = {
    {15.2, 16.9, 20.2},    {31.8, 33.4, 36.4},    {49.7, 51.3, 55.0},    {70.9, 73.6, 76.7},
    {92.6, 94.2, 97.4},    {113.2, 115.4, 118.5}, {134.4, 137.1, 140.2}, {156.1, 157.7, 160.9},
    {176.7, 178.9, 182.0}, {200.6, 202.1, 205.3}, {221.2, 223.3, 226.5}, {242.4, 245.0, 248.2},
    {261.9, 263.5, 266.7},
};

enum class Level { Numerator, Middle, Denominator };

struct RoleDesign {
    // Lefts in mm: left column, right column rows 1-2, right column rows 3-13.
    double left[3];
    double width;  // mm; the whole part is 4.3 in rows 1-2 (below)
    Level level;
    bool fractionBar;  // bottom frame, and the numerator's full height
    Align align;
};

// Indexed by BoxRole.
constexpr RoleDesign kRoles[kBoxesPerExercise] = {
    {{15.9, 109.1, 109.0}, 6.3, Level::Numerator, true, Align::Center},
    {{15.9, 109.1, 109.0}, 6.3, Level::Denominator, false, Align::Center},
    {{11.6, 104.8, 104.8}, 4.2, Level::Middle, false, Align::Right},
    {{22.2, 115.8, 115.9}, 6.3, Level::Middle, false, Align::Center},
    {{29.1, 122.4, 122.2}, 6.3, Level::Numerator, true, Align::Center},
    {{29.1, 122.4, 122.2}, 6.3, Level::Denominator, false, Align::Center},
    {{36.0, 128.7, 128.6}, 2.6, Level::Middle, false, Align::Center},
};

constexpr double kNumeratorHeight = 5.3;
constexpr double kSmallHeightTop = 4.6;  // rows 1-2
constexpr double kSmallHeight = 4.8;     // rows 3-13
constexpr double kWholeWidthTop = 4.3;   // rows 1-2
// The second numerator of exercise 2 sits a little higher than its row.
constexpr double kExercise2SecondNumeratorTop = 14.9;

Cell label(const char16_t* name, double left, double top, const QString& caption) {
    Cell cell;
    cell.name = QString::fromUtf16(name);
    cell.kind = CellKind::Label;
    cell.left = mm(left);
    cell.top = mm(top);
    cell.height = mm(5.3);
    cell.font = CellFont{QStringLiteral("Comic Sans MS"), 10, true, false};
    cell.text = caption;
    return cell;
}

Cell image(const char16_t* name, double left, double top, double width, double height,
           const char* picture) {
    Cell cell;
    cell.name = QString::fromUtf16(name);
    cell.kind = CellKind::Image;
    cell.left = mm(left);
    cell.top = mm(top);
    cell.width = mm(width);
    cell.height = mm(height);
    cell.picture = QString::fromLatin1(picture);
    cell.pictureWidth = cell.width;
    cell.pictureHeight = cell.height;
    return cell;
}

Cell exerciseBox(int exercise, BoxRole role) {
    const RoleDesign& design = kRoles[static_cast<int>(role)];
    const int row = (exercise + 1) / 2;  // 1..13
    const bool rightColumn = exercise % 2 == 0;
    const bool topRows = row <= 2;
    const RowTops& tops = kRowTops[row - 1];

    Cell cell;
    cell.name = exerciseBoxName(exercise, role);
    cell.kind = CellKind::RichText;
    cell.left = mm(design.left[rightColumn ? (topRows ? 1 : 2) : 0]);
    cell.width = mm(role == BoxRole::FirstWhole && topRows ? kWholeWidthTop : design.width);
    double top = design.level == Level::Numerator ? tops.numerator
                 : design.level == Level::Middle  ? tops.middle
                                                  : tops.denominator;
    if (exercise == 2 && role == BoxRole::SecondNumerator) top = kExercise2SecondNumeratorTop;
    cell.top = mm(top);
    cell.height =
        mm(design.fractionBar ? kNumeratorHeight : (topRows ? kSmallHeightTop : kSmallHeight));
    cell.frame.bottom = design.fractionBar;
    cell.font = CellFont{QStringLiteral("Comic Sans MS"), 12, false, false};
    cell.align = design.align;
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
    page.marginTop = mm(5);
    page.marginBottom = mm(5);
    page.marginLeft = mm(2);
    page.marginRight = mm(5);
    page.bandWidth = mm(203.2);
    page.bandHeight = mm(287.3);

    const QString dots = QStringLiteral("...............");
    page.add(label(u"QRLabel58", 13.2, 0.0, QStringLiteral("Adı Soyadı:")));
    page.add(label(u"QRLabel59", 114.8, 0.0, QStringLiteral("Sınıfı:")));
    page.add(label(u"QRLabel60", 152.9, 0.0, QStringLiteral("Nu.:")));
    page.add(image(u"QRImage3", 7.9, 5.8, 190.8, 6.6, "strip-fraction-top"));
    page.add(image(u"QRImage2", 6.3, 273.1, 188.6, 8.7, "strip-fraction-bottom"));
    page.add(label(kTeacherLabel, 21.2, 281.5, dots));
    page.add(label(kDateLabel, 114.3, 281.5, dots));
    page.add(label(u"QRLabel52", 163.0, 281.5, names::kPublisherWebAddress.toString()));

    for (int exercise = 1; exercise <= kRowCount; ++exercise) {
        for (int role = 0; role < kBoxesPerExercise; ++role)
            page.add(exerciseBox(exercise, static_cast<BoxRole>(role)));
    }
    return page;
}

void fillFractionPage(Page& page, const ExerciseTable& table) {
    for (int exercise = 1; exercise <= kRowCount; ++exercise) {
        const FractionRow& row = table[static_cast<size_t>(exercise - 1)];
        page.setText(exerciseBoxName(exercise, BoxRole::FirstNumerator), row.firstNumerator);
        page.setText(exerciseBoxName(exercise, BoxRole::FirstDenominator), row.firstDenominator);
        page.setText(exerciseBoxName(exercise, BoxRole::FirstWhole), row.firstWhole);
        page.setText(exerciseBoxName(exercise, BoxRole::OperatorText), row.operatorText);
        page.setText(exerciseBoxName(exercise, BoxRole::SecondNumerator), row.secondNumerator);
        page.setText(exerciseBoxName(exercise, BoxRole::SecondDenominator), row.secondDenominator);
    }
}

QString teacherCaption(const QString& teacherName) {
    if (teacherName.isEmpty()) return QString();
    return QStringLiteral("Hazırlayan: ") + teacherName;
}

void setFractionFooter(Page& page, const QString& teacherName, const QString& date) {
    page.setCaption(QStringView(kTeacherLabel), teacherCaption(teacherName));
    page.setCaption(QStringView(kDateLabel), date);
}

}  // namespace zarvik::fractions
