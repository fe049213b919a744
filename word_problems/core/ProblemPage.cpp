#include "word_problems/core/ProblemPage.h"

#include <algorithm>

#include "common/core/ExerciseFigure.h"
#include "common/core/PageCells.h"

namespace zarvik {

namespace {

struct PageDesign {
    Paper paper;
    double margin;
    double bandWidth;
    double bandHeight;
    double nameLeft, classLeft, numberLeft;
    const char* headerPicture;
    double headerTop, headerHeight;
    double titleTop;
    double problemsTop, problemsBottom;
    const char* footerPicture;
    double footerTop, footerHeight;
    double teacherLeft, dateLeft, publisherLeft;
};

// A4 as the activity pages, 1 cm margins; A5 with 8 mm, its ribbons
// stretched to the band.
constexpr PageDesign kA4{Paper::A4, 100, 1900, 2770, 100, 1120, 1500, "strip-numbers-top",
                         60,        66,  150,  300,  2570, "strip-numbers-bottom", 2615, 87,
                         150,       1080, 1500};
constexpr PageDesign kA5{Paper::A5, 80, 1320, 1940, 40, 720, 1010, "ribbon-header",
                         58,        57, 130,  275,  1755, "ribbon-footer", 1795, 59,
                         40,        520, 850};

constexpr double kLabelHeight = 53;
// Room left of every problem and between two of them; spare room on a page
// is shared out between its problems up to kMostGap.
constexpr double kIndent = 20;
constexpr double kProblemGap = 50;
constexpr double kMostGap = 250;

CellFont comicBold() {
    return {QStringLiteral("Comic Sans MS"), 10, true, false};
}

CellBox box(const QString& name, double left, double top, double width, double height) {
    return CellBox{name, left, top, width, height};
}

PictureBox strip(const char* name, double top, double width, double height, const char* picture) {
    return PictureBox{box(QString::fromLatin1(name), 0, top, width, height),
                      QString::fromLatin1(picture), width, height};
}

Page emptyPage(const PageDesign& d, const ProblemPageText& text) {
    Page page(QStringLiteral("Problemler"), d.paper);
    page.marginTop = page.marginBottom = page.marginLeft = page.marginRight = d.margin;
    page.bandWidth = d.bandWidth;
    page.bandHeight = d.bandHeight;
    addPupilHeader(page, {comicBold(), box(QStringLiteral("NameLabel"), d.nameLeft, 0, 210, kLabelHeight),
                          box(QStringLiteral("ClassLabel"), d.classLeft, 0, 110, kLabelHeight),
                          box(QStringLiteral("NumberLabel"), d.numberLeft, 0, 85, kLabelHeight),
                          strip("TopStrip", d.headerTop, d.bandWidth, d.headerHeight,
                                d.headerPicture)});
    Cell title = richTextCell(box(QStringLiteral("Title"), 40, d.titleTop, d.bandWidth - 80, 60),
                              {QStringLiteral("Arial"), 14, true, true}, Align::Center);
    title.text = text.title;
    title.fit = {2, (d.bandWidth - 80) * 0.97, {}, 9, 0, 0, false};
    page.add(title);
    Cell instruction =
        richTextCell(box(QStringLiteral("Instruction"), 40, d.titleTop + 68, d.bandWidth - 80, 50),
                     {QStringLiteral("Arial"), 11, false, false}, Align::Center);
    instruction.text = text.instruction;
    instruction.fit = {3, (d.bandWidth - 80) * 0.97, {}, 7, 0, 0, false};
    page.add(instruction);
    addTeacherFooter(page, {comicBold(),
                            strip("BottomStrip", d.footerTop, d.bandWidth, d.footerHeight,
                                  d.footerPicture),
                            box(kProblemTeacherLabel.toString(), d.teacherLeft,
                                d.footerTop + d.footerHeight + 10, 240, kLabelHeight),
                            box(kProblemDateLabel.toString(), d.dateLeft,
                                d.footerTop + d.footerHeight + 10, 240, kLabelHeight),
                            box(QStringLiteral("PublisherLabel"), d.publisherLeft,
                                d.footerTop + d.footerHeight + 10, 265, kLabelHeight)});
    return page;
}

}  // namespace

std::vector<Page> makeProblemPages(const ProblemPageText& text, const ExerciseList& problems) {
    const PageDesign& d = text.halfPage ? kA5 : kA4;
    FigureStyle style;
    // The first two grades read larger print.
    style.points = text.grade <= 2 ? 14 : 12;
    style.widest = d.bandWidth - 2 * kIndent;
    std::vector<ExerciseFigure> figures;
    figures.reserve(problems.size());
    for (const Exercise& problem : problems)
        figures.push_back(exerciseFigure(problem, style));

    // The problems of each page, as many as fit whole.
    std::vector<std::vector<size_t>> pages(1);
    double used = 0;
    const double room = d.problemsBottom - d.problemsTop;
    for (size_t i = 0; i < figures.size(); ++i) {
        const double need = figures[i].height + (pages.back().empty() ? 0 : kProblemGap);
        if (!pages.back().empty() && used + need > room) {
            pages.emplace_back();
            used = 0;
        }
        used += figures[i].height + (pages.back().empty() ? 0 : kProblemGap);
        pages.back().push_back(i);
    }

    std::vector<Page> out;
    for (const std::vector<size_t>& onPage : pages) {
        Page page = emptyPage(d, text);
        double total = 0;
        for (const size_t i : onPage)
            total += figures[i].height;
        const double gaps = static_cast<double>(onPage.size());
        const double gap =
            onPage.empty() ? 0
                           : std::clamp((room - total) / gaps, kProblemGap, kMostGap);
        double top = d.problemsTop;
        for (const size_t i : onPage) {
            placeFigure(page, figures[i], kIndent, top, QStringLiteral("P%1.").arg(i + 1));
            top += figures[i].height + gap;
        }
        out.push_back(std::move(page));
    }
    return out;
}

}  // namespace zarvik
