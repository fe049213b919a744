// The fraction page QuickRep1: its cells, the filler, what a rendered page
// shows, its PDF, and zarvik-cli fraction.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "PageRules.h"
#include "TestSupport.h"
#include "common/render/PageRenderer.h"
#include "fractions/core/FractionPage.h"

namespace zarvik::fractions {
namespace {

TEST(FractionPage, CellsStayInTheBandBetweenHeaderAndFooter) {
    const Page page = makeFractionPage();
    EXPECT_EQ(page.paper(), Paper::A4);
    EXPECT_EQ(page.cells().size(), 8u + 182u);
    test::expectInsideBand(page);
    test::expectFrameAroundProblems(page, u"QRImage3", u"QRImage2");
    // Within an exercise: the whole part, the first fraction, the operator,
    // the second fraction and "=" follow one another from left to right
    // without overlapping, and each numerator starts above its denominator.
    for (int exercise = 1; exercise <= kRowCount; ++exercise) {
        SCOPED_TRACE(exercise);
        const auto box = [&](BoxRole role) -> const Cell& {
            return page.cell(exerciseBoxName(exercise, role));
        };
        const BoxRole order[] = {BoxRole::FirstWhole, BoxRole::FirstNumerator,
                                 BoxRole::OperatorText, BoxRole::SecondNumerator,
                                 BoxRole::EqualsSign};
        for (size_t i = 0; i + 1 < std::size(order); ++i)
            EXPECT_LE(box(order[i]).left + box(order[i]).width, box(order[i + 1]).left + 1e-9);
        EXPECT_LT(box(BoxRole::FirstNumerator).top, box(BoxRole::FirstDenominator).top);
        EXPECT_LT(box(BoxRole::SecondNumerator).top, box(BoxRole::SecondDenominator).top);
        EXPECT_TRUE(box(BoxRole::FirstNumerator).frame.bottom);
        EXPECT_FALSE(box(BoxRole::FirstDenominator).frame.bottom);
        EXPECT_EQ(box(BoxRole::EqualsSign).text, "=");
        // The right exercise of a row starts right of the left one's "=".
        if (exercise % 2 == 0) {
            const Cell& leftEquals = page.cell(exerciseBoxName(exercise - 1, BoxRole::EqualsSign));
            EXPECT_GT(box(BoxRole::FirstWhole).left, leftEquals.left + leftEquals.width);
        }
    }
}

TEST(FractionPage, PlacesAReaderChecksByHand) {
    const Page page = makeFractionPage();
    // Exercise 1's first numerator at 15.9 mm, 15.2 mm; box 7k is the "=" of exercise k.
    EXPECT_DOUBLE_EQ(page.cell(u"QRRichText1").left, 159);
    EXPECT_DOUBLE_EQ(page.cell(u"QRRichText1").top, 152);
    EXPECT_EQ(exerciseBoxName(26, BoxRole::EqualsSign), "QRRichText182");
    // Exercise 2's second numerator sits a little higher than its row.
    EXPECT_LT(page.cell(u"QRRichText12").top, page.cell(u"QRRichText8").top);
    EXPECT_EQ(page.cell(u"QRLabel58").text, "Adı Soyadı:");
    EXPECT_EQ(page.cell(kTeacherLabel).text, "...............");
}

TEST(FractionPage, SetLeftAndWidthTakeDesignUnits) {
    Page page = makeFractionPage();
    page.setLeft(u"QRRichText1", 96);
    page.setWidth(u"QRRichText1", 48);
    EXPECT_DOUBLE_EQ(page.cell(u"QRRichText1").left, 254.0);
    EXPECT_DOUBLE_EQ(page.cell(u"QRRichText1").width, 127.0);
    EXPECT_DOUBLE_EQ(page.cell(u"QRRichText1").top, 152.0);
}

ExerciseTable sampleTable() {
    ExerciseTable table;
    clearTable(table);
    RandomDraw random;
    random.seed(1228867200);
    generateFractions(FractionKind::MixedSubtractionDifferent, random, table);
    return table;
}

TEST(FractionPage, FillerCopiesSixTextsAndKeepsTheEqualsSigns) {
    Page page = makeFractionPage();
    const ExerciseTable table = sampleTable();
    fillFractionPage(page, table);
    setFractionFooter(page, QStringLiteral("Ali"), QStringLiteral("09/12/2026"));
    for (int exercise = 1; exercise <= kRowCount; ++exercise) {
        const FractionRow& row = table[exercise - 1];
        const auto text = [&](BoxRole role) {
            return page.cell(exerciseBoxName(exercise, role)).text;
        };
        EXPECT_EQ(text(BoxRole::FirstNumerator), row.firstNumerator);
        EXPECT_EQ(text(BoxRole::FirstDenominator), row.firstDenominator);
        EXPECT_EQ(text(BoxRole::FirstWhole), row.firstWhole);
        EXPECT_EQ(text(BoxRole::OperatorText), row.operatorText);
        EXPECT_EQ(text(BoxRole::SecondNumerator), row.secondNumerator);
        EXPECT_EQ(text(BoxRole::SecondDenominator), row.secondDenominator);
        EXPECT_EQ(text(BoxRole::EqualsSign), QStringLiteral("="));
    }
    EXPECT_EQ(page.cell(u"QRLabel53").text, QStringLiteral("Hazırlayan: Ali"));
    EXPECT_EQ(page.cell(u"QRLabel54").text, QStringLiteral("09/12/2026"));
    setFractionFooter(page, QString(), QStringLiteral("yarın"));
    EXPECT_EQ(page.cell(u"QRLabel53").text, QString());
    EXPECT_EQ(page.cell(u"QRLabel54").text, QStringLiteral("yarın"));
}

// Dark pixels in a rectangle given in mm from the band's top-left corner.
int inkAt(const QImage& image, double left, double top, double width, double height) {
    const double px = 100 / 25.4;
    int ink = 0;
    for (int y = static_cast<int>((top + 5) * px); y < static_cast<int>((top + height + 5) * px);
         ++y)
        for (int x = static_cast<int>((left + 2) * px);
             x < static_cast<int>((left + width + 2) * px); ++x)
            if (qGray(image.pixel(x, y)) < 160) ++ink;
    return ink;
}

TEST(FractionPage, RenderedPageHasInkOnlyWhereTheDesignPutsIt) {
    Page page = makeFractionPage();
    const QImage blank = renderImage(page, 100);
    fillFractionPage(page, sampleTable());
    setFractionFooter(page, QStringLiteral("Ayşe"), QStringLiteral("09/12/2026"));
    const QImage filled = renderImage(page, 100);

    for (const QImage* image : {&blank, &filled}) {
        // Pupil fields, strips, equals signs and the fraction bars always.
        EXPECT_GT(inkAt(*image, 13.2, 0, 20, 5.3), 20);
        EXPECT_GT(inkAt(*image, 7.9, 5.8, 190.8, 6.6), 500);
        EXPECT_GT(inkAt(*image, 6.3, 273.1, 188.6, 8.7), 500);
        EXPECT_GT(inkAt(*image, 15.9, 20.0, 6.3, 1.0), 5);    // bar under exercise 1
        // The margin beside the columns and the gap between rows stay white.
        EXPECT_EQ(inkAt(*image, 140, 15, 60, 255), 0);
        EXPECT_EQ(inkAt(*image, 0, 26, 200, 4), 0);
    }
    // "=" of exercise 26: as designed, and on the filled page clear of the
    // bar and raised with its row above the footer strip.
    EXPECT_GT(inkAt(blank, 128.6, 263.5, 2.6, 4.8), 0);
    EXPECT_GT(inkAt(filled, 132.5, 259.5, 3.0, 4.8), 0);
    // Numbers only on the filled page: numerator and denominator of exercise 1.
    EXPECT_EQ(inkAt(blank, 15.9, 15.2, 6.3, 4.5), 0);
    EXPECT_GT(inkAt(filled, 15.9, 15.2, 6.3, 4.5), 10);
    EXPECT_EQ(inkAt(blank, 109.0, 267.7, 6.3, 3.8), 0);
    EXPECT_GT(inkAt(filled, 109.0, 262.7, 6.3, 4.8), 10);
}

TEST(FractionPage, PdfIsOneA4PageWithTurkishTextIntact) {
    QTemporaryDir dir;
    Page page = makeFractionPage();
    fillFractionPage(page, sampleTable());
    setFractionFooter(page, QStringLiteral("Ayşe Öğretmen İğdır <b>Ş</b>"),
                      QStringLiteral("09/12/2026"));
    const QString path = dir.filePath(QStringLiteral("kesir.pdf"));
    writePdf({&page}, path);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished(30000) || info.exitCode() != 0)
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(infoText.contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))));
    EXPECT_TRUE(infoText.contains(
        QRegularExpression(QStringLiteral("Page size: +595 x 842 pts \\(A4\\)"))));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    text.waitForFinished(30000);
    const QString extracted = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"Adı Soyadı:", "Sınıfı:", "Nu.:",
                                 "Hazırlayan: Ayşe Öğretmen İğdır <b>Ş</b>", "09/12/2026"})
        EXPECT_TRUE(extracted.contains(QString::fromUtf8(expected))) << expected;
}

TEST(FractionCli, JsonHas26RowsAndTheFooterAndIsRepeatable) {
    const QStringList arguments = {
        QStringLiteral("fraction"),         QStringLiteral("--op"),
        QStringLiteral("Çıkarma"),          QStringLiteral("--type"),
        QStringLiteral("Tam Sayılı Kesir"), QStringLiteral("--denominators"),
        QStringLiteral("Paydaları Farklı"), QStringLiteral("--teacher"),
        QStringLiteral("Ayşe \"Ö\""),       QStringLiteral("--date"),
        QStringLiteral("01/10/2008"),       QStringLiteral("--time"),
        QStringLiteral("1228867200"),       QStringLiteral("--json")};
    const test::CliResult first = test::runCli(arguments);
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(test::runCli(arguments).out, first.out);
    ASSERT_TRUE(first.out.startsWith("{\"rows\":[[\""));
    const QJsonObject json = QJsonDocument::fromJson(first.out).object();
    EXPECT_EQ(json.value(QStringLiteral("teacher")).toString(),
              QStringLiteral("Hazırlayan: Ayşe \"Ö\""));
    EXPECT_EQ(json.value(QStringLiteral("date")).toString(), QStringLiteral("01/10/2008"));
    const QJsonArray rows = json.value(QStringLiteral("rows")).toArray();
    ASSERT_EQ(rows.size(), 26);
    // The same rows as the generator gives for that seed.
    const ExerciseTable table = sampleTable();
    for (int i = 0; i < 26; ++i) {
        const QJsonArray row = rows[i].toArray();
        ASSERT_EQ(row.size(), 6);
        EXPECT_EQ(row[0].toString(), table[i].firstNumerator);
        EXPECT_EQ(row[1].toString(), table[i].firstDenominator);
        EXPECT_EQ(row[2].toString(), table[i].firstWhole);
        EXPECT_EQ(row[3].toString(), table[i].operatorText);
        EXPECT_EQ(row[4].toString(), table[i].secondNumerator);
        EXPECT_EQ(row[5].toString(), table[i].secondDenominator);
    }
}

TEST(FractionCli, UnmatchedChoicesGiveEmptyRowsAndBadUsageExitsTwo) {
    const test::CliResult none = test::runCli(
        {QStringLiteral("fraction"), QStringLiteral("--op"), QStringLiteral("Toplama"),
         QStringLiteral("--type"), QStringLiteral("Basit Kesir"), QStringLiteral("--json")});
    ASSERT_EQ(none.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(none.out).object();
    for (const QJsonValue& row : json.value(QStringLiteral("rows")).toArray())
        for (const QJsonValue& text : row.toArray())
            EXPECT_EQ(text.toString(), QString());
    EXPECT_EQ(json.value(QStringLiteral("teacher")).toString(), QString());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4}$"))
                    .match(json.value(QStringLiteral("date")).toString())
                    .hasMatch());

    EXPECT_EQ(test::runCli({QStringLiteral("fraction"), QStringLiteral("--type"),
                            QStringLiteral("Basit Kesir")})
                  .exitCode,
              2);
    EXPECT_EQ(
        test::runCli({QStringLiteral("fraction"), QStringLiteral("--op"), QStringLiteral("Çarpma"),
                      QStringLiteral("--type"), QStringLiteral("Basit Kesir"), QStringLiteral("-o"),
                      QStringLiteral("page.doc")})
            .exitCode,
        2);
}

TEST(FractionCli, WritesPngAndReportsUnwritableFiles) {
    QTemporaryDir dir;
    const QStringList base = {QStringLiteral("fraction"),    QStringLiteral("--op"),
                              QStringLiteral("Bölme"),       QStringLiteral("--type"),
                              QStringLiteral("Basit Kesir"), QStringLiteral("--time"),
                              QStringLiteral("5"),           QStringLiteral("-o")};
    const QString png = dir.filePath(QStringLiteral("kesir.png"));
    const test::CliResult written = test::runCli(base + QStringList{png});
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(1240, 1754));
    const test::CliResult failed =
        test::runCli(base + QStringList{dir.filePath(QStringLiteral("no/such/kesir.pdf"))});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(failed.err).contains(QStringLiteral("yazılamadı")));
}

}  // namespace
}  // namespace zarvik::fractions
