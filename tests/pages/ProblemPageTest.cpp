// Problem pages of every theme and grade, A4 and A5: everything inside the
// band and between the header and footer strips, no two texts on one
// place, each problem whole on one page, and the boxes and answer line
// leave a pupil room to write.

#include <gtest/gtest.h>

#include <QSet>

#include "PageRules.h"
#include "common/core/ExerciseFigure.h"
#include "word_problems/core/ProblemPage.h"
#include "word_problems/core/ProblemWorksheet.h"

namespace zarvik {
namespace {

TEST(ProblemPage, EveryThemeAndGradeFitsItsPages) {
    RandomDraw random;
    random.seed(1733788800);
    for (const QString& paper : {QStringLiteral("A4"), QStringLiteral("A5")})
        for (size_t theme = 0; theme < problemThemes().size(); ++theme)
            for (const int grade : themeGrades(static_cast<int>(theme))) {
                SCOPED_TRACE(paper.toStdString() + " " + problemThemes()[theme].name.toStdString() +
                             " " + std::to_string(grade));
                ProblemWorksheet worksheet;
                worksheet.prepare({problemThemes()[theme].name, QString::number(grade),
                                   QStringLiteral("Karışık"), QStringLiteral("9"), paper,
                                   QStringLiteral("Öğretmen"), QStringLiteral("1/1/2026")},
                                  castOf({}, {}), random);
                ASSERT_GE(worksheet.pages().size(), 2u);
                QSet<QString> placed;
                for (const Page& page : worksheet.pages()) {
                    test::expectInsideBand(page);
                    test::expectFrameAroundProblems(page, u"TopStrip", u"BottomStrip");
                    QSet<QString> here;
                    std::vector<const Cell*> texts;
                    for (const Cell& cell : page.cells()) {
                        if (cell.kind == CellKind::RichText && !cell.text.isEmpty())
                            texts.push_back(&cell);
                        if (cell.name.startsWith(u'P') && cell.name.contains(u'.'))
                            here.insert(cell.name.section(u'.', 0, 0));
                    }
                    for (size_t i = 0; i < texts.size(); ++i)
                        for (size_t j = i + 1; j < texts.size(); ++j) {
                            EXPECT_FALSE(test::overlap(*texts[i], *texts[j]))
                                << texts[i]->name.toStdString() << " " << texts[j]->name.toStdString();
                        }
                    // A problem is on one page only.
                    EXPECT_FALSE(placed.intersects(here));
                    placed.unite(here);
                    EXPECT_EQ(page.cell(kProblemTeacherLabel).text, QStringLiteral("Hazırlayan: Öğretmen"));
                }
                EXPECT_EQ(placed.size(), 9);
            }
}

// The boxes' writing lines are 8 mm apart, each answer blank holds the
// result's digits at 4 mm each, and "Verilen" and "İstenen" come from the
// third grade on.
TEST(ProblemPage, BoxesAndAnswerLinesLeaveRoomToWrite) {
    RandomDraw random;
    random.seed(1733788800);
    for (const int grade : {2, 3}) {
        ProblemWorksheet worksheet;
        worksheet.prepare({QStringLiteral("Paralarımız"), QString::number(grade),
                           QStringLiteral("Karışık"), QStringLiteral("4"), QStringLiteral("A4"), {}, {}},
                          castOf({}, {}), random);
        for (const Exercise& e : worksheet.exercises()) {
            const ExerciseFigure figure = exerciseFigure(e, {});
            std::vector<double> lines;
            bool given = false;
            for (const Cell& cell : figure.cells) {
                if (cell.name.startsWith(u"GivenWriting")) lines.push_back(cell.top);
                given = given || cell.name == u"GivenLabel";
                if (cell.name.startsWith(u"ReplyBlank")) {
                    qsizetype longest = 0;
                    for (const QString& word : e.answer.section(QStringLiteral(" = "), -1).split(u' '))
                        longest = std::max(longest, word.size());
                    EXPECT_GE(cell.width, kHandwritingAdvance * static_cast<double>(longest));
                }
            }
            EXPECT_EQ(given, grade >= 3);
            for (size_t i = 1; i < lines.size(); ++i)
                EXPECT_NEAR(lines[i] - lines[i - 1], kHandwritingLine, 0.01);
        }
    }
}

}  // namespace
}  // namespace zarvik
