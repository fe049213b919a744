// Class sets through zarvik-cli: several sheets, one per pupil, answer keys.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "common/Cp1254.h"
#include "text_worksheets/TextWorksheet.h"

using namespace zarvik;
using zarvik::test::readFile;
using zarvik::test::runCli;

namespace {

class StringSink : public ByteSink {
  public:
    QByteArray bytes;
    void write(const char* data, qsizetype size) override { bytes.append(data, size); }
};

QString writeNames(const QTemporaryDir& folder, const QByteArray& bytes) {
    const QString path = folder.filePath(u"sinif.txt"_qs);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

}  // namespace

TEST(TextClassSet, SheetsAreSuccessivePreparations) {
    QTemporaryDir folder;
    const QString out = folder.filePath(u"set.txt"_qs);
    const auto result = runCli({u"text"_qs, u"104"_qs, u"--count=5"_qs, u"--p1=3"_qs, u"--p2=2"_qs,
                                u"--sheets=4"_qs, u"--time=1222833600"_qs, u"-o"_qs, out});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    RandomDraw random;
    random.seed(1222833600);
    QByteArray expected;
    for (int k = 1; k <= 4; ++k) {
        StringSink sheet;
        generateTextWorksheet(104, FixedTextFields(u"5"_qs, u"3"_qs, u"2"_qs), random, sheet);
        if (k > 1) expected += "----\r\n";
        expected += sheet.bytes;
    }
    EXPECT_EQ(readFile(out), expected);

    // One file per sheet in a folder, the same sheets.
    const QString dir = folder.filePath(u"sheets/"_qs);
    ASSERT_EQ(runCli({u"text"_qs, u"104"_qs, u"--count=5"_qs, u"--p1=3"_qs, u"--p2=2"_qs,
                      u"--sheets=4"_qs, u"--time=1222833600"_qs, u"-o"_qs, dir})
                  .exitCode,
              0);
    QByteArray joined;
    for (int k = 1; k <= 4; ++k) {
        if (k > 1) joined += "----\r\n";
        joined += readFile(dir + QStringLiteral("Zarvik-0%1.txt").arg(k));
    }
    EXPECT_EQ(joined, expected);
}

TEST(TextClassSet, OneSheetPerPupilWithAnswerKey) {
    QTemporaryDir folder;
    const QString names =
        writeNames(folder, toCp1254(u"Ayşe Yılmaz\r\n\r\n  İsmail Çağlar \r\n"_qs));
    const auto result =
        runCli({u"text"_qs, u"401"_qs, u"--count=3"_qs, u"--p1=9"_qs, u"--p2=9"_qs, u"--check"_qs,
                u"--names"_qs, names, u"--answer-key"_qs, u"-o"_qs, u"-"_qs});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList lines = fromCp1254(result.out).split(u"\r\n"_qs);
    EXPECT_EQ(lines[0], u"Ayşe Yılmaz"_qs);
    EXPECT_EQ(lines[4], u"----"_qs);
    EXPECT_EQ(lines[5], u"İsmail Çağlar"_qs);
    EXPECT_EQ(lines[9], u"----"_qs);
    EXPECT_EQ(lines[10], u"CEVAP ANAHTARI"_qs);
    EXPECT_EQ(lines[12], u"1. sayfa: Ayşe Yılmaz"_qs);
    // Every key line answers the sheet's exercise: quotient times divisor plus remainder.
    for (int i = 1; i <= 3; ++i) {
        const QString exercise = lines[i].chopped(1);  // without "="
        const QString key = lines[12 + i];
        ASSERT_TRUE(key.startsWith(QStringLiteral("%1) %2 = ").arg(i).arg(exercise)))
            << key.toStdString();
        const QStringList parts = key.section(u" = "_qs, 1).split(u", kalan "_qs);
        const int dividend = exercise.section(u'÷', 0, 0).toInt();
        const int divisor = exercise.section(u'÷', 1).toInt();
        EXPECT_EQ(parts[0].toInt() * divisor + (parts.size() > 1 ? parts[1].toInt() : 0), dividend);
    }
}

TEST(TextClassSet, BadInputChangesNothing) {
    QTemporaryDir folder;
    const QString out = folder.filePath(u"Zarvik.txt"_qs);
    {
        QFile file(out);
        file.open(QIODevice::WriteOnly);
        file.write("previous\r\n");
    }
    const QStringList base = {u"text"_qs, u"103"_qs, u"--count=3"_qs, u"-o"_qs, out};
    struct Case {
        QByteArray names;
        const char* says;
    };
    for (const Case& c : {Case{"", "boş"}, Case{"Ali\n" + QByteArray(31, 'x'), "en çok 30"},
                          Case{"Ali\x01Veli", "denetim"}, Case{"Ali\nБорис", "Windows-1254"}}) {
        const auto result = runCli(base + QStringList{u"--names"_qs, writeNames(folder, c.names)});
        EXPECT_EQ(result.exitCode, 1) << c.says;
        EXPECT_TRUE(QString::fromUtf8(result.err).contains(QString::fromUtf8(c.says)))
            << result.err.toStdString();
        EXPECT_EQ(readFile(out), "previous\r\n");
    }
    const auto missing = runCli(base + QStringList{u"--names"_qs, folder.filePath(u"yok.txt"_qs)});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(missing.err).contains(u"bulunamadı"_qs));
    for (const QStringList& bad : {QStringList{u"--sheets=0"_qs},
                                   {u"--sheets=x"_qs},
                                   {u"--sheets=3"_qs, u"--names"_qs, writeNames(folder, "A\nB\n")}})
        EXPECT_EQ(runCli(base + bad).exitCode, 2) << bad.join(u' ').toStdString();
    EXPECT_EQ(readFile(out), "previous\r\n");
}
