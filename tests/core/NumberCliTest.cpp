// zarvik-cli numbers: JSON of the page, exit statuses, messages on stderr,
// and the rendered page files.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "TestSupport.h"

using zarvik::test::CliResult;
using zarvik::test::runCli;

namespace {

CliResult numbers(const QStringList& more) {
    return runCli(QStringList{"numbers", "--time", "1700000000", "--date", "07/03/2009"} + more);
}

QJsonObject jsonOf(const CliResult& result) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(result.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
    return doc.object();
}

}  // namespace

TEST(NumbersCli, JsonOfEveryKind) {
    const QStringList kinds = {"Sayı Okuma", "Sayı Yazma",          "Karşılaştırma",
                               "Sıralama",   "Tek ve Çift Sayılar", "Sayı Yuvarlama"};
    for (const QString& kind : kinds) {
        SCOPED_TRACE(kind.toStdString());
        const CliResult result = numbers({"--kind", kind, "--digits", "7", "--json"});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        const QJsonObject json = jsonOf(result);
        EXPECT_EQ(json.keys(),
                  (QStringList{"date", "exercises", "left", "leftWide", "right", "teacher", "title"}));
        // Keys in their documented order.
        EXPECT_TRUE(result.out.startsWith("{\"title\":"));
        EXPECT_LT(result.out.indexOf("\"left\""), result.out.indexOf("\"right\""));
        EXPECT_FALSE(json["title"].toString().isEmpty());
        ASSERT_EQ(json["left"].toArray().size(), 24);
        ASSERT_EQ(json["right"].toArray().size(), 24);
        EXPECT_TRUE(json["left"].toArray()[0].toString().startsWith("  1-) "));
        EXPECT_TRUE(json["right"].toArray()[23].toString().startsWith("48-) "));
        EXPECT_EQ(json["leftWide"].toBool(), kind == "Sayı Yazma");
        EXPECT_EQ(json["teacher"].toString(), "");
        EXPECT_EQ(json["date"].toString(), "07/03/2009");
    }
}

TEST(NumbersCli, SameTimeSameSheetAndOptions) {
    const QStringList args = {"--kind", "Sayı Okuma", "--digits", "6", "--json"};
    const CliResult a = numbers(args), b = numbers(args);
    EXPECT_EQ(a.out, b.out);
    const CliResult other = runCli({"numbers", "--time", "1700000001", "--date", "07/03/2009",
                                    "--kind", "Sayı Okuma", "--digits", "6", "--json"});
    EXPECT_NE(a.out, other.out);

    const QJsonObject one =
        jsonOf(numbers({"--kind", "Sayı Okuma", "--digits", "6", "--json", "--columns", "Tek Sütun",
                        "--teacher", "Ali \"Hoca\""}));
    EXPECT_EQ(one["left"], jsonOf(a)["left"]);
    for (const auto& text : one["right"].toArray())
        EXPECT_EQ(text.toString(), "");
    EXPECT_EQ(one["teacher"].toString(), "Hazırlayan: Ali \"Hoca\"");
}

TEST(NumbersCli, PlainTextWithoutJson) {
    const CliResult result = numbers({"--kind", "Karşılaştırma", "--digits", "2"});
    ASSERT_EQ(result.exitCode, 0);
    const QStringList lines = QString::fromUtf8(result.out).split('\n');
    EXPECT_EQ(lines[0], "Aşağıdaki sayıları karşılaştırınız.");
    EXPECT_TRUE(lines[1].startsWith("  1-) "));
    EXPECT_TRUE(lines[48].startsWith("48-) "));
}

TEST(NumbersCli, CorrectionGoesToStderr) {
    const CliResult result = numbers({"--kind", "Sıralama", "--digits", "12", "--json"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(
        QString::fromUtf8(result.err)
            .contains("Bu alıştırmalarda 9 sayısından daha büyük değer kabul edilemeyeceğinden \n"
                      "dolayı basamak sayısı 9 olarak işleme konmuştur\n"));
    EXPECT_EQ(jsonOf(result)["left"].toArray().size(), 24);
}

TEST(NumbersCli, ExitStatuses) {
    struct Case {
        QStringList args;
        int exitCode;
        const char* err;
    };
    const Case cases[] = {
        {{"--kind", "Sayı Yuvarlama", "--digits", "2", "--json"}, 1, "en az 3"},
        {{"--kind", "Sayı Okuma", "--digits", "üç"},
         1,
         "\"Basamak\" kutusuna bir tam sayı yazınız.\n'üç' is not a valid integer value\n"},
        {{"--digits", "3"}, 2, "--kind"},
        {{"--kind", "Sayı Okuma"}, 2, "--digits"},
        {{"--kind", "Sayı Okuma", "--digits", "3", "--columns", "Üç Sütun"}, 2, "--columns"},
        {{"--kind", "Sayı Okuma", "--digits", "3", "-o", "page.doc"}, 2, ".pdf"},
        {{"--kind", "Sayı Okuma", "--digits", "3", "--colour"}, 2, "colour"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult result = numbers(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_TRUE(QString::fromUtf8(result.err).contains(QString::fromUtf8(c.err)))
            << result.err.toStdString();
        if (c.exitCode == 1) {
            EXPECT_TRUE(result.out.isEmpty());
        }
    }
}

TEST(NumbersCli, RendersPdfAndPng) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sayilar.pdf"), png = dir.filePath("sayilar.png");
    ASSERT_EQ(numbers({"--kind", "Sayı Yazma", "--digits", "9", "-o", pdf}).exitCode, 0);
    EXPECT_TRUE(zarvik::test::readFile(pdf).startsWith("%PDF"));
    const CliResult result = numbers({"--kind", "Tek ve Çift Sayılar", "--digits", "3", "-o", png});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(zarvik::test::readFile(png).startsWith("\x89PNG"));

    // A sheet over several pages goes into a PDF; a PNG holds one page.
    const QString several = dir.filePath("okuma.png");
    const CliResult refused = numbers({"--kind", "Sayı Okuma", "--digits", "9", "-o", several});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(refused.err).contains("tek sayfa")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(several));

    // A failed preparation writes no file.
    const QString failed = dir.filePath("failed.pdf");
    EXPECT_EQ(numbers({"--kind", "Sayı Yuvarlama", "--digits", "1", "-o", failed}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(failed));
}
