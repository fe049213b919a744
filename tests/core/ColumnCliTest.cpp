// zarvik-cli column: options, answers script, JSON and exit statuses.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QDir>
#include <QTemporaryDir>

#include "ColumnTestSupport.h"
#include "TestSupport.h"

using namespace zarvik;
using zarvik::test::runCli;

namespace {

QJsonObject jsonOf(const test::CliResult& result) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
    return document.object();
}

QStringList strings(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list << item.toString();
    return list;
}

TEST(ColumnCli, JsonMatchesTheSheetTheWindowWouldPrepare) {
    struct Case {
        const char* page;
        const char16_t* generator;
        QStringList answers;
    };
    const Case cases[] = {
        {"a4", u"AddWithoutCarry", {"3"}},    {"a5", u"SubSingleDigit", {"9", "e"}},
        {"a5", u"MulWithoutCarry", {"8"}},    {"a4", u"MulMultiDigitSimple", {"~", "4", "2"}},
        {"a4", u"DivBasic", {"9", "9", "e"}}, {"a5", u"DivAdvanced", {"9", "8", "evet"}},
    };
    const int64_t time = 1210000000;
    for (const Case& c : cases) {
        const ColumnKind* kind = findColumnKindByGenerator(c.generator);
        SCOPED_TRACE(kind->generatorName.toString().toStdString());
        const auto result =
            runCli({"column", "--page", c.page, "--op", kind->operation.toString(), "--prop",
                    kind->property.toString(), "--answers", c.answers.join(u';'), "--teacher",
                    "Ayşe", "--date", "07/03/2008", "--time", QString::number(time), "--json"});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        const QJsonObject json = jsonOf(result);

        const bool half = QByteArray(c.page) == "a5";
        auto expected = test::runGenerator(test::designFor(half), c.generator, c.answers, time,
                                           "Ayşe", "07/03/2008");
        const bool division = kind->operation == u"Bölme";
        const int count = division ? (half ? 35 : 30) : 50;
        EXPECT_EQ(json.keys().size(), 8);  // with "exercises"
        EXPECT_EQ(json["page"].toString(), division ? "division" : "grid");
        EXPECT_EQ(strings(json["first"]), expected->sheet.FirstTexts.first(count));
        EXPECT_EQ(strings(json["second"]), expected->sheet.SecondTexts.first(count));
        if (division) {
            EXPECT_TRUE(json["lineWidth"].isNull());
            EXPECT_TRUE(json["operator"].isNull());
        } else {
            EXPECT_EQ(json["lineWidth"].toInt(), expected->sheet.lineSetting()->width);
            EXPECT_EQ(json["operator"].toString(), expected->sheet.lineSetting()->op);
        }
        EXPECT_EQ(json["teacher"].toString(), "Hazırlayan: Ayşe");
        EXPECT_EQ(json["date"].toString(), "07/03/2008");
    }
}

TEST(ColumnCli, KeysComeInTheirDocumentedOrder) {
    const auto result =
        runCli({"column", "--page", "a4", "--op", "Çıkarma", "--prop", "20'den küçük sayılar ile",
                "--time", "5", "--date", "d", "--json"});
    ASSERT_EQ(result.exitCode, 0);
    const QByteArray out = result.out;
    qsizetype last = -1;
    for (const char* key : {"\"page\"", "\"first\"", "\"second\"", "\"lineWidth\"", "\"operator\"",
                            "\"teacher\"", "\"date\""}) {
        const qsizetype at = out.indexOf(key);
        EXPECT_GT(at, last) << key;
        last = at;
    }
    EXPECT_TRUE(out.contains("\"lineWidth\":40,\"operator\":\"-\",\"teacher\":\"\""));
}

TEST(ColumnCli, NoGeneratorMeansEmptyTextsAndNullLine) {
    const auto result = runCli({"column", "--page", "a5", "--op", "Bölme", "--prop",
                                "Çarpım tablosu", "--time", "5", "--json"});
    ASSERT_EQ(result.exitCode, 0);
    const QJsonObject json = jsonOf(result);
    EXPECT_EQ(json["page"].toString(), "division");
    EXPECT_EQ(strings(json["first"]), QStringList(35));
    EXPECT_TRUE(json["lineWidth"].isNull());
    EXPECT_FALSE(result.err.isEmpty());
}

TEST(ColumnCli, ExitStatuses) {
    struct Case {
        QStringList arguments;
        int exitCode;
        const char* message;  // expected on stderr
    };
    const QStringList add = {"column", "--page",          "a4",     "--op", "Toplama",
                             "--prop", "Eldesiz Toplama", "--time", "1"};
    const QStringList sub = {
        "column", "--page", "a5", "--op", "Çıkarma", "--prop", "Tek Basamaklı Sayılarla",
        "--time", "1"};
    const Case cases[] = {
        {add + QStringList{"--answers", "abc"}, 1, "'abc' is not a valid integer value"},
        {add + QStringList{"--answers", ""}, 1, "'' is not a valid integer value"},
        {sub + QStringList{"--answers", "2;h"}, 1, "Division by zero"},
        // Any answer its question cannot take is the same fault: status 1.
        {sub + QStringList{"--answers", "5;belki"}, 1, "'belki', \"İşlemlerde"},
        {{"column", "--op", "Toplama", "--prop", "Eldesiz Toplama"}, 2, "--page"},
        {{"column", "--page", "a3", "--op", "Toplama", "--prop", "x"}, 2, "--page"},
        {{"column", "--page", "a4", "--prop", "x"}, 2, "--op"},
        {add + QStringList{"--time", "soon"}, 2, "--time"},
        {add + QStringList{"extra"}, 2, "extra"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const auto result = runCli(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_TRUE(QString::fromUtf8(result.err).contains(QString::fromUtf8(c.message)))
            << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

// -o writes the page "Bak" would show: the division page for "Bölme".
TEST(ColumnCli, OutputFileIsThePageBakShows) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sheet.pdf");
    const auto result =
        runCli({"column", "--page", "a5", "--op", "Bölme", "--prop", "Temel bölme (2-3. sınıf)",
                "--answers", "9;9;h", "--time", "8", "--teacher", "Şükrü", "--json", "-o", pdf});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList dividends = strings(jsonOf(result)["first"]);

    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("Hazırlayan: Şükrü"));
    EXPECT_TRUE(printed.contains(dividends.first()));
    EXPECT_TRUE(printed.contains(dividends.last()));

    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString details = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(details.contains(QRegularExpression("Pages:\\s+1\\n")));
    EXPECT_TRUE(details.contains("A5")) << details.toStdString();

    // A folder whose name holds "%1" once lost the file: the marker took the
    // temporary file's number.
    ASSERT_TRUE(QDir(dir.path()).mkdir("hafta %1"));
    const QString png = dir.filePath("hafta %1/sheet.png");
    ASSERT_EQ(runCli({"column", "--page", "a4", "--op", "Toplama", "--prop",
                      "Eldeli Toplama (Basit)", "--time", "8", "-o", png})
                  .exitCode,
              0);
    EXPECT_TRUE(test::readFile(png).startsWith("\x89PNG"));
}

// "Daha az işlem, daha çok yer": the same problems, drawn alike, over more pages.
TEST(ColumnCli, MoreRoomSpreadsTheSameProblemsOverPages) {
    QTemporaryDir dir;
    const QStringList sheet = {"column", "--page", "a5", "--op", "Çarpma", "--prop",
                               "Çok basamaklı sayılarla eldeli", "--answers", "4;3",
                               "--time", "8"};
    const auto classic = runCli(sheet + QStringList{"--json"});
    const QString pdf = dir.filePath("yer.pdf");
    const auto roomy = runCli(sheet + QStringList{"--more-room", "--json", "-o", pdf});
    ASSERT_EQ(roomy.exitCode, 0) << roomy.err.toStdString();
    EXPECT_EQ(roomy.out, classic.out);
    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QRegularExpressionMatch pages =
        QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(info.readAllStandardOutput()));
    ASSERT_TRUE(pages.hasMatch());
    EXPECT_GE(pages.captured(1).toInt(), 2);
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& first : strings(jsonOf(classic)["first"]))
        EXPECT_TRUE(printed.contains(first)) << first.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("1/%1").arg(pages.captured(1))));
}

TEST(ColumnCli, PlainOutputListsTheProblems) {
    const auto result = runCli({"column", "--page", "a5", "--op", "Bölme", "--prop",
                                "Temel bölme (2-3. sınıf)", "--answers", "9;9;e", "--time", "3"});
    ASSERT_EQ(result.exitCode, 0);
    const QStringList lines = QString::fromUtf8(result.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 35);
    for (const QString& line : lines)
        EXPECT_TRUE(line.contains(u" ÷ ")) << line.toStdString();
}

}  // namespace
