// Writing Zarvik.txt: the old worksheet survives every failure, and files that
// cannot be written are reported, not passed off as done.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "common/core/Errors.h"
#include "common/core/OutputFile.h"
#include "text_worksheets/core/TextWorksheet.h"

using namespace zarvik;
using zarvik::test::readFile;
using zarvik::test::runCli;

namespace {

const QByteArray kPrevious = "previous worksheet\r\n";

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class TextFile : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("Zarvik.txt"));
        writeBytes(path, kPrevious);
    }
    QTemporaryDir folder;
    QString path;
    RandomDraw random{7, 0};
};

}  // namespace

TEST_F(TextFile, FailedGenerationsLeaveThePreviousFile) {
    const std::vector<std::pair<int, FixedTextFields>> failing = {
        {101, {u""_qs, u"5"_qs}},             // conversion error
        {203, {u"10"_qs, u"1"_qs}},           // Division by zero on the first draw
        {104, {u"10"_qs, u"0"_qs, u"2"_qs}},  // refused
    };
    for (const auto& [kind, fields] : failing) {
        EXPECT_THROW(writeTextWorksheet(kind, fields, random, path), Error) << kind;
        EXPECT_EQ(readFile(path), kPrevious) << kind;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{u"Zarvik.txt"_qs})
            << "a temporary file was left behind";
    }
}

TEST_F(TextFile, SuccessReplacesAndCountZeroEmpties) {
    writeTextWorksheet(202, FixedTextFields(u"3"_qs), random, path);
    const QByteArray three = readFile(path);
    EXPECT_EQ(three.count("\r\n"), 3);
    writeTextWorksheet(202, FixedTextFields(u"0"_qs), random, path);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(readFile(path), QByteArray());
    writeTextWorksheet(202, FixedTextFields(u"-3"_qs), random, path);
    EXPECT_EQ(readFile(path), QByteArray());
}

TEST_F(TextFile, UnknownKindTouchesNothing) {
    writeTextWorksheet(0, FixedTextFields(u"5"_qs), random, path);
    EXPECT_EQ(readFile(path), kPrevious);
    EXPECT_EQ(random.low(), 7u);
}

TEST_F(TextFile, LinksAreFollowedAndDevicesWrittenDirectly) {
    const QString target = folder.filePath(u"real.txt"_qs);
    writeBytes(target, kPrevious);
    QFile::remove(path);
    ASSERT_TRUE(QFile::link(target, path));
    writeTextWorksheet(103, FixedTextFields(u"2"_qs), random, path);
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(readFile(target).count("\r\n"), 2);

    writeTextWorksheet(103, FixedTextFields(u"2"_qs), random, u"/dev/null"_qs);
    EXPECT_TRUE(QFileInfo(u"/dev/null"_qs).exists());
}

TEST_F(TextFile, UnwritablePlacesAreErrorsNamingTheFile) {
    const QString missing = folder.filePath(u"no/such/folder/Zarvik.txt"_qs);
    try {
        writeTextWorksheet(202, FixedTextFields(u"3"_qs), random, missing);
        FAIL() << "reported success";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(missing)) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(u"yazılamadı"_qs));
    }
    EXPECT_THROW(writeTextWorksheet(202, FixedTextFields(u"3"_qs), random, folder.path()),
                 FileError);
    if (geteuid() != 0) {  // root writes anywhere
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_THROW(writeTextWorksheet(202, FixedTextFields(u"3"_qs), random, path), FileError);
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(readFile(path), kPrevious);
    }
}

// A folder that is there but may not be written says so, also where it
// lies behind one that may not be entered (it once said "klasör
// bulunamadı"). Root writes anywhere, so the command runs as nobody there.
TEST(OutputFile, FoldersThatMayNotBeWrittenSaySo) {
    QTemporaryDir folder;
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ReadOther | QFile::ExeOther);
    const QString open = folder.filePath(u"acik"_qs), closed = folder.filePath(u"kapali"_qs);
    ASSERT_TRUE(QDir().mkpath(open) && QDir().mkpath(closed + u"/icinde"_qs));
    QFile::setPermissions(open, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                    QFile::ExeOther);
    QFile::setPermissions(closed, QFile::Permissions());
    for (const QString& target : {open + u"/x.txt"_qs, closed + u"/icinde/x.txt"_qs}) {
        SCOPED_TRACE(target.toStdString());
        QStringList command = {QStringLiteral(ZARVIK_CLI_PATH), u"text"_qs, u"202"_qs,
                               u"--count=2"_qs, u"-o"_qs, target};
        if (geteuid() == 0)
            command = QStringList{u"--reuid=65534"_qs, u"--regid=65534"_qs,
                                  u"--clear-groups"_qs} + command;
        QProcess process;
        process.start(geteuid() == 0 ? u"setpriv"_qs : command.takeFirst(), command);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 1) << err.toStdString();
        EXPECT_TRUE(err.contains(u"yazma izni yok"_qs)) << err.toStdString();
        EXPECT_FALSE(err.contains(u"bulunamadı"_qs)) << err.toStdString();
    }
    QFile::setPermissions(closed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A count of 999999999 once ran for minutes without a word; the progress is
// told as the lines are written and may stop the run, and being told never
// changes a draw.
TEST_F(TextFile, ProgressIsToldAndCancellingKeepsThePreviousFile) {
    struct Recorded : TextProgress {
        std::vector<int64_t> done;
        int64_t total = 0;
        size_t stopAt = SIZE_MAX;
        bool carryOn(int64_t d, int64_t t) override {
            done.push_back(d);
            total = t;
            return done.size() < stopAt;
        }
    };
    const FixedTextFields fields(u"20000"_qs, u"4"_qs, u"3"_qs);
    RandomDraw plain{7, 0};
    writeTextWorksheet(105, fields, plain, path);
    const QByteArray expected = readFile(path);

    writeBytes(path, kPrevious);
    Recorded told;
    writeTextWorksheet(105, fields, random, path, &told);
    EXPECT_EQ(readFile(path), expected);
    EXPECT_EQ(random.draw(1000000), plain.draw(1000000));
    ASSERT_FALSE(told.done.empty());
    EXPECT_EQ(told.total, 20000);
    EXPECT_TRUE(std::is_sorted(told.done.begin(), told.done.end()));
    EXPECT_LE(told.done.back(), 20000);

    writeBytes(path, kPrevious);
    Recorded stopping;
    stopping.stopAt = 2;
    EXPECT_THROW(writeTextWorksheet(105, fields, random, path, &stopping), Cancelled);
    EXPECT_EQ(stopping.done.size(), 2u);
    EXPECT_EQ(readFile(path), kPrevious);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{u"Zarvik.txt"_qs});
}

TEST(TextCli, WritesWhatTheCoreWrites) {
    QTemporaryDir folder;
    const auto result = runCli({u"text"_qs, u"105"_qs, u"--count=12"_qs, u"--p1"_qs, u"4"_qs,
                                u"--p2"_qs, u"3"_qs, u"--time"_qs, u"1222833600"_qs},
                               folder.path());
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    RandomDraw random;
    random.seed(1222833600);
    const QString expected = folder.filePath(u"expected.txt"_qs);
    writeTextWorksheet(105, FixedTextFields(u"12"_qs, u"4"_qs, u"3"_qs), random, expected);
    EXPECT_EQ(readFile(folder.filePath(u"Zarvik.txt"_qs)), readFile(expected));

    const auto toStdout = runCli({u"text"_qs, u"105"_qs, u"--count"_qs, u"12"_qs, u"--p1=4"_qs,
                                  u"--p2=3"_qs, u"--time=1222833600"_qs, u"-o"_qs, u"-"_qs});
    EXPECT_EQ(toStdout.out, readFile(expected));
}

TEST(TextCli, ExitStatuses) {
    QTemporaryDir folder;
    writeBytes(folder.filePath(u"Zarvik.txt"_qs), kPrevious);
    const auto negative = runCli(
        {u"text"_qs, u"101"_qs, u"--count"_qs, u"2"_qs, u"--p1"_qs, u"-1"_qs, u"-o"_qs, u"-"_qs});
    EXPECT_EQ(negative.exitCode, 1);
    // The Turkish sentence names the list whose value leads there, then the exact text.
    EXPECT_EQ(QString::fromUtf8(negative.err),
              u"\"Sayıların en büyük değeri\" alanında seçilen değerle alıştırma hazırlanamıyor. "
              "Bu alanda başka bir değer seçiniz.\nDivision by zero\n"_qs);

    const auto empty = runCli({u"text"_qs, u"102"_qs, u"--p1"_qs, u"3"_qs}, folder.path());
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(empty.err),  // the empty second list
              u"\"2. sayının basamak sayısı\" kutusuna bir tam sayı yazınız.\n"
              "'' is not a valid integer value\n"_qs);
    EXPECT_EQ(readFile(folder.filePath(u"Zarvik.txt"_qs)), kPrevious);

    for (const QStringList& bad : {QStringList{u"text"_qs},
                                   {u"text"_qs, u"107"_qs},
                                   {u"text"_qs, u"abc"_qs},
                                   {u"text"_qs, u"101"_qs, u"--count"_qs},
                                   {u"text"_qs, u"101"_qs, u"--bogus"_qs},
                                   {u"text"_qs, u"101"_qs, u"--time"_qs, u"soon"_qs},
                                   {u"nothing"_qs},
                                   {}}) {
        const auto result = runCli(bad);
        EXPECT_EQ(result.exitCode, 2) << bad.join(u' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty());
    }
    const auto help = runCli({u"text"_qs, u"--help"_qs});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--count"));
}

// A new file is written through a buffer: pieces of every size, small ones
// by the thousand and some larger than the buffer, arrive whole and in order,
// and nothing reaches the file's place before the commit.
TEST(OutputFile, PiecesOfEverySizeArriveInOrder) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sayfalar.pdf"));
    writeBytes(path, kPrevious);
    QByteArray expected;
    {
        OutputFile file(path);
        for (int n = 0; n < 20000; ++n) {
            const qsizetype size = n % 997 == 0 ? 300000 + n : n % 37;
            const QByteArray piece(size, static_cast<char>('a' + n % 26));
            file.write(piece);
            expected += piece;
            if (n % 5000 == 0) file.check();
        }
        EXPECT_EQ(readFile(path), kPrevious);
        file.commit();
    }
    EXPECT_EQ(readFile(path), expected);
}
