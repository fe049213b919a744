// Class sets through zarvik-cli: several sheets, one per pupil, answer keys.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "common/core/Cp1254.h"
#include "numbers/core/NumberWorksheet.h"
#include "text_worksheets/core/TextWorksheet.h"

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

// A text file of sheets never holds their key: it goes to a file of its
// own beside them; standard output still gets the key after the sheets.
TEST(TextClassSet, TheKeyGoesToItsOwnFile) {
    QTemporaryDir folder;
    const QStringList base = {u"text"_qs,     u"402"_qs,         u"--count=4"_qs,
                              u"--p1=4"_qs,   u"--p2=1"_qs,      u"--check"_qs,
                              u"--sheets=2"_qs, u"--answer-key"_qs, u"--time=9"_qs};
    const auto piped = runCli(base + QStringList{u"-o"_qs, u"-"_qs});
    ASSERT_EQ(piped.exitCode, 0) << piped.err.toStdString();
    const qsizetype split = piped.out.indexOf("----\r\nCEVAP ANAHTARI\r\n");
    ASSERT_GT(split, 0);
    for (const QString& name : {u"sinif.txt"_qs, u"sinif"_qs}) {
        SCOPED_TRACE(name.toStdString());
        const auto result = runCli(base + QStringList{u"-o"_qs, folder.filePath(name)});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(readFile(folder.filePath(name)), piped.out.left(split));
        const QString key = name.endsWith(u".txt") ? u"sinif-Cevap-Anahtari.txt"_qs
                                                   : u"sinif-Cevap-Anahtari"_qs;
        EXPECT_EQ(readFile(folder.filePath(key)), piped.out.mid(split + 6));
    }
    // Without -o, as the window writes them: Zarvik.txt and Cevap-Anahtari.txt.
    ASSERT_EQ(runCli(base, folder.path()).exitCode, 0);
    EXPECT_FALSE(readFile(folder.filePath(u"Zarvik.txt"_qs)).contains("CEVAP"));
    EXPECT_TRUE(readFile(folder.filePath(u"Cevap-Anahtari.txt"_qs)).startsWith("CEVAP ANAHTARI"));
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
    for (const Case& c : {Case{"", "boş"}, Case{"Ali\nVeli\x01", "2. satır"},
                          Case{"Ali\nБорис", "Windows-1254"}}) {
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

namespace {

QString pdfText(const QString& pdf, int page) {
    QProcess process;
    process.start(u"pdftotext"_qs,
                  {u"-f"_qs, QString::number(page), u"-l"_qs, QString::number(page), pdf, u"-"_qs});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& pdf) {
    QProcess process;
    process.start(u"pdfinfo"_qs, {pdf});
    process.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(u"Pages:"_qs)) return line.section(u':', 1).trimmed().toInt();
    return -1;
}

}  // namespace

TEST(PageClassSet, ThirtyPupilsThirtyPagesThenTheKey) {
    QTemporaryDir folder;
    QStringList pupils;
    for (int i = 1; i <= 30; ++i)
        pupils << QStringLiteral("Öğrenci %1 Çağrı").arg(i);
    const QString names = writeNames(folder, pupils.join(u'\n').toUtf8());
    const QString pdf = folder.filePath(u"sinif.pdf"_qs);
    const auto result = runCli({u"column"_qs, u"--page"_qs, u"a4"_qs, u"--op"_qs, u"Toplama"_qs,
                                u"--prop"_qs, u"Eldeli sayılarla karışık"_qs, u"--answers"_qs,
                                u"3"_qs, u"--names"_qs, names, u"--answer-key"_qs, u"-o"_qs, pdf});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const int pages = pdfPages(pdf);
    if (pages < 0) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    EXPECT_GT(pages, 30);
    EXPECT_LE(pages, 30 + 8);  // many sheets' answers share a key page
    for (int k : {1, 17, 30}) {
        const QString text = pdfText(pdf, k);
        EXPECT_TRUE(text.contains(pupils[k - 1])) << k << ": " << text.left(200).toStdString();
    }
    const QString key = pdfText(pdf, 31);
    EXPECT_TRUE(key.contains(u"Cevap Anahtarı"_qs));
    EXPECT_TRUE(key.contains(u"1. sayfa: Öğrenci 1 Çağrı"_qs));
}

TEST(PageClassSet, SheetsAreSuccessivePreparations) {
    const auto result = runCli({u"numbers"_qs, u"--kind"_qs, u"Karşılaştırma"_qs, u"--digits"_qs,
                                u"4"_qs, u"--sheets"_qs, u"3"_qs, u"--time"_qs, u"1222833600"_qs,
                                u"--date"_qs, u"01/10/2008"_qs, u"--json"_qs});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonArray sheets = QJsonDocument::fromJson(result.out).array();
    ASSERT_EQ(sheets.size(), 3);
    // Three presses of "Yeni Hazırla" in one run.
    RandomDraw random;
    random.seed(1222833600);
    NumberWorksheet worksheet;
    struct Quiet : MessageSink {
        void showMessage(const QString&) override {}
    } messages;
    for (int k = 0; k < 3; ++k) {
        worksheet.prepare({u"Karşılaştırma"_qs, u"4"_qs, u"İki Sütun"_qs, {}, u"01/10/2008"_qs},
                          random, messages);
        const QJsonObject sheet = sheets[k].toObject();
        EXPECT_EQ(sheet[u"left"_qs].toVariant().toStringList(), worksheet.leftTexts()) << k;
        EXPECT_EQ(sheet[u"right"_qs].toVariant().toStringList(), worksheet.rightTexts()) << k;
        EXPECT_EQ(sheet[u"title"_qs].toString(), worksheet.title());
    }

    for (const QStringList& bad : {QStringList{u"--sheets"_qs, u"2"_qs, u"-o"_qs, u"x.png"_qs},
                                   {u"--answer-key"_qs, u"-o"_qs, u"x.png"_qs}}) {
        const auto png = runCli(
            QStringList{u"numbers"_qs, u"--kind"_qs, u"Sıralama"_qs, u"--digits"_qs, u"3"_qs} +
            bad);
        EXPECT_EQ(png.exitCode, 2);
    }
}
