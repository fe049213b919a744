// The fraction page QuickRep1: its cells, the filler, what a rendered page
// shows, its PDF, and zarvik-cli fraction.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "common/PageRenderer.h"
#include "fractions/FractionPage.h"

namespace zarvik::fractions {
namespace {

struct Expected {
    const char* name;
    double left, top, width, height;  // mm
};

void expectGeometry(const Page& page, const Expected& e) {
    SCOPED_TRACE(e.name);
    const Cell& cell = page.cell(QString::fromLatin1(e.name));
    EXPECT_NEAR(cell.left, e.left * 10, 1e-9);
    EXPECT_NEAR(cell.top, e.top * 10, 1e-9);
    if (e.width > 0) EXPECT_NEAR(cell.width, e.width * 10, 1e-9);
    EXPECT_NEAR(cell.height, e.height * 10, 1e-9);
}

TEST(FractionPage, PaperMarginsAndFixedCells) {
    const Page page = makeFractionPage();
    EXPECT_EQ(page.paper(), Paper::A4);
    EXPECT_DOUBLE_EQ(page.marginTop, 50);
    EXPECT_DOUBLE_EQ(page.marginBottom, 50);
    EXPECT_DOUBLE_EQ(page.marginLeft, 20);
    EXPECT_DOUBLE_EQ(page.marginRight, 50);
    EXPECT_DOUBLE_EQ(page.bandWidth, 2032);
    EXPECT_DOUBLE_EQ(page.bandHeight, 2873);
    EXPECT_EQ(page.cells().size(), 8u + 182u);

    for (const Expected& e :
         {Expected{"QRLabel58", 13.2, 0, 0, 5.3}, Expected{"QRLabel59", 114.8, 0, 0, 5.3},
          Expected{"QRLabel60", 152.9, 0, 0, 5.3}, Expected{"QRImage3", 7.9, 5.8, 190.8, 6.6},
          Expected{"QRImage2", 6.3, 273.1, 188.6, 8.7}, Expected{"QRLabel53", 21.2, 281.5, 0, 5.3},
          Expected{"QRLabel54", 114.3, 281.5, 0, 5.3}, Expected{"QRLabel52", 163.0, 281.5, 0, 5.3}})
        expectGeometry(page, e);
    EXPECT_EQ(page.cell(u"QRLabel58").text, QStringLiteral("Adı Soyadı:"));
    EXPECT_EQ(page.cell(u"QRLabel59").text, QStringLiteral("Sınıfı:"));
    EXPECT_EQ(page.cell(u"QRLabel60").text, QStringLiteral("Nu.:"));
    EXPECT_EQ(page.cell(u"QRLabel53").text, QStringLiteral("..............."));
    EXPECT_EQ(page.cell(u"QRLabel54").text, QStringLiteral("..............."));
    const Cell& label = page.cell(u"QRLabel52");
    EXPECT_EQ(label.kind, CellKind::Label);
    EXPECT_EQ(label.font.family, QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(label.font.pointSize, 10);
    EXPECT_TRUE(label.font.bold);
    EXPECT_EQ(page.cell(u"QRImage3").kind, CellKind::Image);
    EXPECT_FALSE(page.cell(u"QRImage3").picture.isEmpty());
}

TEST(FractionPage, ExerciseBoxesTheirNamesPlacesAndExceptions) {
    const Page page = makeFractionPage();
    // Exercise 1 (row 1, left): boxes 1..7.
    for (const Expected& e : {Expected{"QRRichText1", 15.9, 15.2, 6.3, 5.3},
                              Expected{"QRRichText2", 15.9, 20.2, 6.3, 4.6},
                              Expected{"QRRichText3", 11.6, 16.9, 4.3, 4.6},
                              Expected{"QRRichText4", 22.2, 16.9, 6.3, 4.6},
                              Expected{"QRRichText5", 29.1, 15.2, 6.3, 5.3},
                              Expected{"QRRichText6", 29.1, 20.2, 6.3, 4.6},
                              Expected{"QRRichText7", 36.0, 16.9, 2.6, 4.6},
                              // Exercise 2 (row 1, right): its second numerator is higher.
                              Expected{"QRRichText8", 109.1, 15.2, 6.3, 5.3},
                              Expected{"QRRichText12", 122.4, 14.9, 6.3, 5.3},
                              Expected{"QRRichText11", 115.8, 16.9, 6.3, 4.6},
                              // Exercise 4 (row 2, right) keeps the rows 1-2 lefts.
                              Expected{"QRRichText23", 109.1, 36.4, 6.3, 4.6},
                              Expected{"QRRichText26", 122.4, 31.8, 6.3, 5.3},
                              // Exercise 5 (row 3, left): narrower whole part, taller boxes.
                              Expected{"QRRichText31", 11.6, 51.3, 4.2, 4.8},
                              // Exercise 6 (row 3, right): the rows 3-13 lefts.
                              Expected{"QRRichText36", 109.0, 49.7, 6.3, 5.3},
                              Expected{"QRRichText38", 104.8, 51.3, 4.2, 4.8},
                              Expected{"QRRichText39", 115.9, 51.3, 6.3, 4.8},
                              Expected{"QRRichText40", 122.2, 49.7, 6.3, 5.3},
                              Expected{"QRRichText42", 128.6, 51.3, 2.6, 4.8},
                              // Exercise 26 (row 13, right): the last box.
                              Expected{"QRRichText176", 109.0, 261.9, 6.3, 5.3},
                              Expected{"QRRichText177", 109.0, 266.7, 6.3, 4.8},
                              Expected{"QRRichText182", 128.6, 263.5, 2.6, 4.8}})
        expectGeometry(page, e);

    for (int exercise = 1; exercise <= kRowCount; ++exercise) {
        for (int role = 0; role < kBoxesPerExercise; ++role) {
            const QString name = exerciseBoxName(exercise, static_cast<BoxRole>(role));
            EXPECT_EQ(name, QStringLiteral("QRRichText%1").arg(7 * exercise - 6 + role));
            const Cell& cell = page.cell(name);
            EXPECT_EQ(cell.kind, CellKind::RichText);
            EXPECT_EQ(cell.font.family, QStringLiteral("Comic Sans MS"));
            EXPECT_EQ(cell.font.pointSize, 12);
            EXPECT_FALSE(cell.font.bold);
            const bool numerator = role == static_cast<int>(BoxRole::FirstNumerator) ||
                                   role == static_cast<int>(BoxRole::SecondNumerator);
            EXPECT_EQ(cell.frame.bottom, numerator) << qPrintable(name);
            EXPECT_FALSE(cell.frame.top || cell.frame.left || cell.frame.right);
            EXPECT_EQ(cell.align,
                      role == static_cast<int>(BoxRole::FirstWhole) ? Align::Right : Align::Center);
            EXPECT_EQ(cell.text, role == static_cast<int>(BoxRole::EqualsSign) ? QStringLiteral("=")
                                                                               : QString());
        }
    }
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
        EXPECT_GT(inkAt(*image, 128.6, 263.5, 2.6, 4.8), 0);  // "=" of exercise 26
        EXPECT_GT(inkAt(*image, 15.9, 20.0, 6.3, 1.0), 5);    // bar under exercise 1
        // The margin beside the columns and the gap between rows stay white.
        EXPECT_EQ(inkAt(*image, 140, 15, 60, 255), 0);
        EXPECT_EQ(inkAt(*image, 0, 26, 200, 4), 0);
    }
    // Numbers only on the filled page: numerator and denominator of exercise 1.
    EXPECT_EQ(inkAt(blank, 15.9, 15.2, 6.3, 4.5), 0);
    EXPECT_GT(inkAt(filled, 15.9, 15.2, 6.3, 4.5), 10);
    EXPECT_EQ(inkAt(blank, 109.0, 267.7, 6.3, 3.8), 0);
    EXPECT_GT(inkAt(filled, 109.0, 267.7, 6.3, 3.8), 10);
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
                      QStringLiteral("page.txt")})
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
