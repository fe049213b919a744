#include "mixed_sheets/core/MixedPages.h"

#include <algorithm>

#include "common/core/ExerciseFigure.h"
#include "common/core/FileNames.h"
#include "common/core/PageCells.h"
#include "common/core/TextMeasure.h"

namespace zarvik {

namespace {

// A page design in tenths of a millimetre, from the band's top-left corner.
// 10 mm margins keep all ink well clear of the 5 mm printers cannot reach.
struct MixedDesign {
    Paper paper;
    double bandWidth;
    double bandHeight;
    PupilHeader header;
    TeacherFooter footer;
    double titleTop;
    int titlePoints;
    double contentTop;
    double contentBottom;
    int points;  // the exercises' size
    int headingPoints;
};

const CellFont kFrameFont{QStringLiteral("Comic Sans MS"), 10, true, false};
constexpr double kMargin = 100;
constexpr double kTitleHeight = 60;
// Between two exercises side by side and between two rows: apart enough
// that no number is read as another's.
constexpr double kColumnGap = 60;
constexpr double kRowGap = 50;
// Above a heading that follows another section, and under a heading.
constexpr double kSectionGap = 40;
constexpr double kHeadingGap = 20;
constexpr int kMostColumns = 6;

PictureBox strip(const char* name, double top, double width, double height, const char* picture) {
    return {{QString::fromLatin1(name), 0, top, width, height}, QString::fromLatin1(picture),
            width - 13.5, height};
}

const MixedDesign& designFor(Paper paper) {
    // A4: the text worksheets' frame, so the families' pages look alike.
    static const MixedDesign a4{
        Paper::A4,
        1900,
        2770,
        {kFrameFont,
         {QStringLiteral("PupilNameLabel"), 60, 0, 204, 53},
         {QStringLiteral("PupilClassLabel"), 1120, 0, 111, 53},
         {QStringLiteral("PupilNumberLabel"), 1500, 0, 82, 53},
         strip("HeaderStrip", 58, 1900, 66, "strip-numbers-top")},
        {kFrameFont,
         strip("FooterStrip", 2620, 1900, 87, "strip-numbers-bottom"),
         {QStringLiteral("TeacherLabel"), 60, 2710, 241, 53},
         {QStringLiteral("DateLabel"), 1000, 2710, 241, 53},
         {QStringLiteral("PublisherLabel"), 1480, 2710, 265, 53}},
        150,
        14,
        250,
        2600,
        14,
        12};
    // A5: the same frame in 128 mm, smaller type.
    static const MixedDesign a5{
        Paper::A5,
        1280,
        1900,
        {kFrameFont,
         {QStringLiteral("PupilNameLabel"), 40, 0, 204, 53},
         {QStringLiteral("PupilClassLabel"), 720, 0, 111, 53},
         {QStringLiteral("PupilNumberLabel"), 1000, 0, 82, 53},
         strip("HeaderStrip", 58, 1280, 60, "strip-numbers-top")},
        {kFrameFont,
         strip("FooterStrip", 1765, 1280, 70, "strip-numbers-bottom"),
         {QStringLiteral("TeacherLabel"), 40, 1842, 241, 53},
         {QStringLiteral("DateLabel"), 600, 1842, 241, 53},
         {QStringLiteral("PublisherLabel"), 900, 1842, 265, 53}},
        140,
        12,
        230,
        1750,
        12,
        11};
    return paper == Paper::A5 ? a5 : a4;
}

struct Placed {
    ExerciseFigure figure;
    int number;
    double left;
    double top;
};

struct LaidPage {
    std::vector<std::pair<QString, double>> headings;  // text, top
    std::vector<int> headingSections;
    std::vector<Placed> figures;
};

Page framePage(const MixedDesign& d, int pageNumber, int pages, const QString& title) {
    Page page(QStringLiteral("MixedSheet%1").arg(pageNumber), d.paper);
    page.marginTop = page.marginBottom = page.marginLeft = page.marginRight = kMargin;
    page.bandWidth = d.bandWidth;
    page.bandHeight = d.bandHeight;
    addPupilHeader(page, d.header);
    const double numberWidth = 150;
    Cell titleCell = richTextCell(
        {kMixedTitleCell.toString(), numberWidth, d.titleTop, d.bandWidth - 2 * numberWidth, kTitleHeight},
        {QStringLiteral("Arial"), d.titlePoints, true, false}, Align::Center);
    titleCell.text = title;
    // A long title gets smaller, then is cut: the frame has one line for it.
    titleCell.fit = {1, titleCell.width, {}, 8, 0, 0, true};
    page.add(titleCell);
    if (pages > 1) {
        Cell number = richTextCell({kMixedPageNumberCell.toString(), d.bandWidth - numberWidth,
                                    d.titleTop, numberWidth, kTitleHeight},
                                   {QStringLiteral("Arial"), 10, false, false}, Align::Right);
        number.text = QStringLiteral("%1/%2").arg(pageNumber).arg(pages);
        page.add(number);
    }
    return page;
}

// An exercise's figure; a clock face's number goes above it rather than
// beside it, so that four faces fit across an A4 page.
ExerciseFigure figureOf(const Exercise& e, const FigureStyle& style) {
    if (e.shape != ExerciseShape::Clock || !e.picture.empty() || !style.numbered)
        return exerciseFigure(e, style);
    FigureStyle unnumbered = style;
    unnumbered.numbered = false;
    ExerciseFigure figure = exerciseFigure(e, unnumbered);
    const CellFont font{QStringLiteral("Arial"), 10, false, false};
    const QString label = QString::number(e.number) + u')';
    const double height = textMeasure().metrics(font, font.pointSize).lineSpacing;
    for (Cell& cell : figure.cells)
        cell.top += height;
    figure.answerRoom.top += height;
    Cell number = richTextCell({QStringLiteral("Number"), 0, 0,
                                textMeasure().width(label, font, font.pointSize) + 5, height},
                               font);
    number.text = label;
    figure.cells.insert(figure.cells.begin(), number);
    figure.height += height;
    figure.width = std::max(figure.width, number.width);
    return figure;
}

}  // namespace

void buildMixedPages(const QString& title, Paper paper, const std::vector<SheetPart>& parts,
                     const QString& teacherName, const QString& date,
                     const std::function<void(Page&&)>& pageDone) {
    const MixedDesign& d = designFor(paper);
    const CellFont headingFont{QStringLiteral("Arial"), d.headingPoints, true, false};
    const double headingHeight = textMeasure().metrics(headingFont, d.headingPoints).lineSpacing;
    FigureStyle style;
    style.points = d.points;
    style.widest = d.bandWidth;

    std::vector<LaidPage> pages(1);
    double y = d.contentTop;
    const auto newPage = [&] {
        pages.emplace_back();
        y = d.contentTop;
    };
    for (size_t s = 0; s < parts.size(); ++s) {
        const SheetPart& part = parts[s];
        std::vector<ExerciseFigure> figures;
        figures.reserve(part.exercises.size());
        double widest = 0;
        for (const Exercise& e : part.exercises) {
            figures.push_back(figureOf(e, style));
            widest = std::max(widest, figures.back().width);
        }
        const int columns = std::clamp(
            static_cast<int>((d.bandWidth + kColumnGap) / (widest + kColumnGap)), 1, kMostColumns);
        const double pitch = d.bandWidth / columns;
        const auto rowHeight = [&](size_t first) {
            double h = 0;
            for (size_t i = first; i < std::min(figures.size(), first + columns); ++i)
                h = std::max(h, figures[i].height);
            return h;
        };
        if (y > d.contentTop) y += kSectionGap;
        // The heading stays with the section's first row.
        const double firstRow = figures.empty() ? 0 : rowHeight(0);
        if (y > d.contentTop && y + headingHeight + kHeadingGap + firstRow > d.contentBottom)
            newPage();
        pages.back().headings.emplace_back(part.heading, y);
        pages.back().headingSections.push_back(static_cast<int>(s) + 1);
        y += headingHeight + kHeadingGap;
        for (size_t first = 0; first < figures.size(); first += columns) {
            const double h = rowHeight(first);
            // A row taller than a whole page still starts one of its own.
            if (y + h > d.contentBottom && y > d.contentTop) {
                newPage();
                // The section goes on under its heading again, unless the
                // row is too tall to fit under it.
                if (y + headingHeight + kHeadingGap + h <= d.contentBottom) {
                    pages.back().headings.emplace_back(part.heading + QStringLiteral(" (devamı)"), y);
                    pages.back().headingSections.push_back(static_cast<int>(s) + 1);
                    y += headingHeight + kHeadingGap;
                }
            }
            for (size_t i = first; i < std::min(figures.size(), first + columns); ++i)
                pages.back().figures.push_back({std::move(figures[i]), part.exercises[i].number,
                                                static_cast<double>(i - first) * pitch, y});
            y += h + kRowGap;
        }
    }

    const int count = static_cast<int>(pages.size());
    for (int p = 0; p < count; ++p) {
        Page page = framePage(d, p + 1, count, title);
        LaidPage& laid = pages[static_cast<size_t>(p)];
        for (size_t h = 0; h < laid.headings.size(); ++h) {
            Cell heading = richTextCell({QStringLiteral("Heading%1").arg(laid.headingSections[h]), 0,
                                         laid.headings[h].second, d.bandWidth, headingHeight},
                                        headingFont);
            heading.text = laid.headings[h].first;
            heading.fit = {10 + static_cast<int>(h), d.bandWidth, {}, 8, 0, 0, true};
            page.add(heading);
        }
        for (Placed& placed : laid.figures)
            placeFigure(page, std::move(placed.figure), placed.left, placed.top,
                        u'E' + QString::number(placed.number) + u'.');
        addTeacherFooter(page, d.footer);
        setTeacherFooterCaptions(page, u"TeacherLabel", u"DateLabel", teacherName, date);
        page.suggestedFileName = pdfFileName({QStringLiteral("Karma"), title});
        pageDone(std::move(page));
    }
}

}  // namespace zarvik
