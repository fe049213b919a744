// Text worksheets on paper: the pages hold exactly the file's exercises, and
// every kind at its largest list values keeps each exercise inside its
// column, on the sheet and clear of the paper's edge.

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <map>

#include "TestSupport.h"
#include "common/core/Cp1254.h"
#include "common/core/TextMeasure.h"
#include "common/render/PageRenderer.h"
#include "common/render/TextFit.h"
#include "text_worksheets/core/TextKinds.h"
#include "text_worksheets/core/TextPages.h"

using namespace zarvik;

namespace {

struct BufferSink : ByteSink {
    QByteArray bytes;
    void write(const char* data, qsizetype size) override { bytes.append(data, size); }
};

// Every kind with the largest values its lists offer.
FixedTextFields largestFields(const TextKind& kind, int count) {
    FixedTextFields fields(QString::number(count));
    if (kind.first.shown()) fields.first = kind.first.items.last();
    if (kind.second.shown()) fields.second = kind.second.items.last();
    fields.checked = kind.checkShown();
    return fields;
}

std::vector<Page> pagesOf(const TextSheet& sheet) {
    std::vector<Page> pages;
    buildTextPages(sheet, QStringLiteral("Ayşe"), QStringLiteral("09/12/2026"),
                   [&](Page&& page) { pages.push_back(fitPageTexts(page)); });
    return pages;
}

// The exercise as the file writes it: the number, blanks and the spacing of
// the signs taken away, "x" back to the file's "X".
QString asFileLine(QString printed, bool conversion) {
    printed.remove(QRegularExpression(QStringLiteral("^\\d+\\) ")));
    printed.remove(u'\n');
    if (conversion) return printed;
    printed.remove(QRegularExpression(QStringLiteral("( kalan _+)?$")));
    printed.remove(QRegularExpression(QStringLiteral("_+$")));
    printed.remove(u' ');
    printed.replace(u'x', u'X');
    return printed;
}

double measured(const Cell& cell) {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        image.setDotsPerMeterX(static_cast<int>(std::lround(1200 / 0.0254)));
        image.setDotsPerMeterY(image.dotsPerMeterX());
        return image;
    }();
    QFont font(resolvedFontFamily(cell.font.family));
    font.setPointSize(cell.font.pointSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(font, const_cast<QImage*>(&device));
    double widest = 0;
    for (const QString& line : cell.text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line) / 1200.0 * 254.0);
    return widest;
}

}  // namespace

TEST(TextPages, HoldExactlyTheFilesExercisesForEveryKind) {
    for (const TextKind& kind : textKinds()) {
        SCOPED_TRACE(kind.code);
        RandomDraw forFile(77, 0), forPages(77, 0);
        const FixedTextFields fields = largestFields(kind, 60);
        BufferSink file;
        generateTextWorksheet(kind.code, fields, forFile, file);
        const TextSheet sheet = drawTextSheet(kind.code, fields, forPages);
        const QStringList fileLines =
            fromCp1254(file.bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        ASSERT_EQ(sheet.lines, fileLines);
        ASSERT_EQ(forFile.low(), forPages.low());  // the same draws

        QStringList printed;
        for (const Page& page : pagesOf(sheet))
            for (int i = 1; page.has(textExerciseCell(i)); ++i)
                printed << page.cell(textExerciseCell(i)).text;
        ASSERT_EQ(printed.size(), fileLines.size());
        const bool conversion = kind.code >= 601;
        for (qsizetype i = 0; i < printed.size(); ++i) {
            QString expected = fileLines[i];
            if (conversion) {
                // "250 cm=..........m" prints as "250 cm = ______ m".
                QString shown = asFileLine(printed[i], true);
                shown.replace(QRegularExpression(QStringLiteral(" = _+ ")), QStringLiteral("=|"));
                expected.replace(QRegularExpression(QStringLiteral("=\\.+")), QStringLiteral("=|"));
                EXPECT_EQ(shown, expected);
            } else {
                EXPECT_EQ(asFileLine(printed[i], false), expected);
            }
            EXPECT_TRUE(printed[i].startsWith(QStringLiteral("%1) ").arg(i + 1)));
        }
    }
}

TEST(TextPages, EveryKindAtItsLargestValuesStaysInItsColumn) {
    for (const TextKind& kind : textKinds()) {
        for (uint32_t seed : {1u, 99u, 123456u}) {
            SCOPED_TRACE(QStringLiteral("%1 seed %2").arg(kind.code).arg(seed).toStdString());
            RandomDraw random(seed, 0);
            const TextSheet sheet = drawTextSheet(kind.code, largestFields(kind, 90), random);
            const std::vector<Page> pages = pagesOf(sheet);
            for (size_t p = 0; p < pages.size(); ++p) {
                const Page& page = pages[p];
                EXPECT_EQ(page.cell(kTextPageNumberCell).text,
                          QStringLiteral("%1/%2").arg(p + 1).arg(pages.size()));
                // Nothing within 5 mm of the paper's edge.
                EXPECT_GE(page.marginLeft, 50);
                EXPECT_GE(page.marginTop, 50);
                for (const Cell& cell : page.cells()) {
                    EXPECT_GE(cell.left, 0) << cell.name.toStdString();
                    EXPECT_LE(cell.top + cell.height, page.bandHeight) << cell.name.toStdString();
                    if (!cell.name.startsWith(u"Exercise")) continue;
                    EXPECT_GE(cell.font.pointSize, 9) << cell.name.toStdString();
                    // The column's room ends where the next column's text starts.
                    EXPECT_LE(measured(cell), cell.width + 0.5) << cell.text.toStdString();
                    EXPECT_LE(cell.left + cell.width, page.bandWidth);
                    EXPECT_LE(page.marginLeft + page.bandWidth, page.paperWidth() - 50);
                }
            }
        }
    }
}

TEST(TextPages, ZarvikCliWritesThePdfAndLeavesTheTextFileFlowAlone) {
    QTemporaryDir dir;
    const auto run = [&](const QStringList& extra) {
        return test::runCli(
            QStringList{"text", "105", "--count", "30", "--p1", "4", "--p2", "3", "--time", "5"} +
                extra,
            dir.path());
    };
    ASSERT_EQ(run({"-o", "a.pdf", "--sheets", "2", "--answer-key"}).exitCode, 0);
    QProcess text;
    text.start("pdftotext", {dir.filePath("a.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString pdfText = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(pdfText.contains(QStringLiteral("İkiden fazla sayı ile toplama")));
    EXPECT_TRUE(pdfText.contains(QStringLiteral("Cevap Anahtarı")));
    EXPECT_TRUE(pdfText.contains(QStringLiteral("30) ")));
    // The same draws as the text file: its first exercise is on the first page.
    ASSERT_EQ(run({"-o", "-"}).exitCode, 0);
    const QString firstLine = QString::fromLatin1(run({"-o", "-"}).out).section("\r\n", 0, 0);
    const QString spaced =
        firstLine.chopped(1).replace(u'+', QStringLiteral(" + ")) + QStringLiteral(" =");
    EXPECT_TRUE(pdfText.contains(QStringLiteral("1) ") + spaced)) << spaced.toStdString();
    // A PNG holds one page.
    EXPECT_EQ(run({"-o", "b.png", "--sheets", "2"}).exitCode, 2);
}

// Laid out on the widths the pages are printed with: as many columns as the
// widest exercise fits at full size, so none is shrunk that had room and no
// column is given up that it would have fitted.
TEST(TextPages, TakeTheMostColumnsTheWidestExerciseFitsAtFullSize) {
    const TextMeasure& measure = textMeasure();
    for (const TextKind& kind : textKinds()) {
        for (const int count : {8, 30}) {
            SCOPED_TRACE(QStringLiteral("%1 count %2").arg(kind.code).arg(count).toStdString());
            RandomDraw random(5, 0);
            const TextSheet sheet = drawTextSheet(kind.code, largestFields(kind, count), random);
            if (sheet.reading) continue;  // numbers to read: two columns or one
            double widest = 0;
            double room = 0;
            buildTextPages(sheet, {}, {}, [&](Page&& page) {
                for (int i = 1; page.has(textExerciseCell(i)); ++i) {
                    const Cell& cell = page.cell(textExerciseCell(i));
                    widest = std::max(widest, measure.width(cell.text, cell.font, 14));
                    room = cell.width;
                }
            });
            const double gap = 60;
            const int columns = static_cast<int>(std::lround(1900 / (room + gap)));
            if (widest > room) {
                EXPECT_LE(columns, 2) << "shrunk though it had room";
                continue;
            }
            if (columns < 5) {
                EXPECT_GT(widest, 1900.0 / (columns + 1) - gap) << columns;
            }
        }
    }
}

// Divisions that may leave a remainder get a blank for it on every exercise
// (one without a blank would give its answer away), and a page that is not
// full shares its exercises evenly over its columns.
TEST(TextPages, RemainderBlanksAndColumnsFilledEvenly) {
    for (const bool check : {true, false}) {
        SCOPED_TRACE(check);
        FixedTextFields fields(QStringLiteral("30"));
        fields.first = QStringLiteral("4");
        fields.second = QStringLiteral("1");
        fields.checked = check;
        RandomDraw random(5, 0);
        const TextSheet sheet = drawTextSheet(402, fields, random);
        const std::vector<Page> pages = pagesOf(sheet);
        ASSERT_EQ(pages.size(), 1u);
        std::map<double, int> perColumn;
        for (int i = 1; pages[0].has(textExerciseCell(i)); ++i) {
            const Cell& cell = pages[0].cell(textExerciseCell(i));
            ++perColumn[cell.left];
            EXPECT_EQ(cell.text.contains(QRegularExpression(QStringLiteral(" = _+ kalan _+$"))),
                      check)
                << cell.text.toStdString();
        }
        ASSERT_GE(perColumn.size(), 2u);
        int least = 1000, most = 0;
        for (const auto& [left, count] : perColumn) {
            least = std::min(least, count);
            most = std::max(most, count);
        }
        EXPECT_LE(most - least, 1);
    }
}
