// Every family of the registry through zarvik-cli: its exercises as values
// agree with the key and with their own numbers, and every output the -o
// suffix can name is written, an unknown one refused. A family added later
// is covered by its registry line and its example.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <numeric>

#include "TestSupport.h"
#include "common/core/Cp1254.h"
#include "common/core/Family.h"

namespace zarvik {
namespace {

QStringList commandLine(const Family& family, const QStringList& more) {
    return QStringList{family.command()} + family.example() +
           QStringList{QStringLiteral("--time"), QStringLiteral("1733788800"),
                       QStringLiteral("--date"), QStringLiteral("10/12/2024")} +
           more;
}

// "2 1/3" or "7/8" or "4" as numerator / denominator.
std::pair<int64_t, int64_t> rational(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(?:(-?\\d+) )?(?:(-?\\d+)/(\\d+))?$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch() || text.isEmpty()) return {0, 0};
    if (m.captured(2).isEmpty()) return {text.toLongLong(), 1};
    const int64_t d = m.captured(3).toLongLong();
    return {m.captured(1).toLongLong() * d + m.captured(2).toLongLong(), d};
}

// The answer follows from the exercise's own numbers, where its shape says
// what they are.
void expectAnswerFromValues(const QJsonObject& exercise) {
    const QJsonObject v = exercise[QStringLiteral("values")].toObject();
    const QString shape = exercise[QStringLiteral("shape")].toString();
    const QString answer = exercise[QStringLiteral("answer")].toString();
    const auto n = [&](const char* name) { return v[QString::fromLatin1(name)].toInteger(); };
    if (shape == QLatin1String("column")) {
        const QString op = v[QStringLiteral("operator")].toString();
        const int64_t a = n("first"), b = n("second");
        const int64_t result = op == u"+" ? a + b : op == u"-" ? a - b : a * b;
        EXPECT_EQ(answer, QString::number(result)) << op.toStdString();
    } else if (shape == QLatin1String("division")) {
        EXPECT_EQ(n("dividend"), n("divisor") * n("quotient") + n("remainder"));
        EXPECT_LT(n("remainder"), n("divisor"));
        EXPECT_TRUE(answer.startsWith(QString::number(n("quotient")))) << answer.toStdString();
    } else if (shape == QLatin1String("fractions")) {
        const int64_t a = n("whole1") * n("denominator1") + n("numerator1"), b = n("denominator1");
        const int64_t c = n("whole2") * n("denominator2") + n("numerator2"), d = n("denominator2");
        const QString op = v[QStringLiteral("operator")].toString();
        int64_t num = op == u"+" ? a * d + c * b : op == u"-" ? a * d - c * b : a * c;
        int64_t den = b * d;
        if (op == u"÷") num = a * d, den = b * c;
        const auto [p, q] = rational(answer);
        EXPECT_EQ(num * q, p * den) << answer.toStdString();
    } else if (shape == QLatin1String("clock")) {
        EXPECT_TRUE(answer.endsWith(QStringLiteral("(%1:%2)")
                                        .arg(n("hour"), 2, 10, QLatin1Char('0'))
                                        .arg(n("minute"), 2, 10, QLatin1Char('0'))))
            << answer.toStdString();
    } else if (shape == QLatin1String("sequence")) {
        const QJsonArray numbers = v[QStringLiteral("numbers")].toArray();
        QStringList blanked;
        for (const QJsonValue& at : v[QStringLiteral("blanks")].toArray())
            blanked << QString::number(numbers[at.toInt()].toInteger());
        EXPECT_EQ(answer, blanked.join(QStringLiteral(", ")));
    } else if (shape == QLatin1String("problem")) {
        // Word problems: the key's operations are checked in WordProblemsTest.
        EXPECT_TRUE(answer.contains(QStringLiteral(" = "))) << answer.toStdString();
        EXPECT_FALSE(v[QStringLiteral("numbers")].toArray().isEmpty());
    } else {
        EXPECT_EQ(shape, QStringLiteral("line"));
    }
}

TEST(FamilyContract, EveryCommandListsItsExercisesWithTheirKey) {
    // Each family's example, and the shapes the examples do not reach.
    std::vector<QStringList> lines;
    for (const Family* family : families())
        lines.push_back(QStringList{family->command()} + family->example());
    lines.push_back({"column", "--page", "a5", "--op", "Bölme", "--prop",
                     "İleri seviye bölme (3-4-5. sınıf)", "--answers", "4;2;evet"});
    lines.push_back({"activity", "--kind", "Ritmik Sayma", "--opt", "Adım=Karışık"});
    lines.push_back({"fraction", "--op", "Bölme", "--type", "Tam Sayılı Kesir"});
    for (const QStringList& line : lines) {
        SCOPED_TRACE(line.join(u' ').toStdString());
        const test::CliResult run = test::runCli(
            line + QStringList{QStringLiteral("--time"), QStringLiteral("1733788800"),
                               QStringLiteral("--json"), QStringLiteral("--answer-key"),
                               QStringLiteral("--sheets"), QStringLiteral("2")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonArray sheets = QJsonDocument::fromJson(run.out).array();
        ASSERT_EQ(sheets.size(), 2);
        for (const QJsonValue& sheet : sheets) {
            const QJsonArray exercises = sheet[QStringLiteral("exercises")].toArray();
            const QJsonArray answers = sheet[QStringLiteral("answers")].toArray();
            ASSERT_FALSE(exercises.isEmpty());
            ASSERT_EQ(answers.size(), exercises.size());
            int previous = 0;
            for (qsizetype i = 0; i < exercises.size(); ++i) {
                const QJsonObject exercise = exercises[i].toObject();
                const int number = exercise[QStringLiteral("number")].toInt();
                EXPECT_GT(number, previous);
                previous = number;
                EXPECT_FALSE(exercise[QStringLiteral("text")].toString().isEmpty());
                const QString answer = exercise[QStringLiteral("answer")].toString();
                EXPECT_FALSE(answer.isEmpty()) << number;
                // The key numbers its lines as the sheet does and ends with the answer.
                const QString line = answers[i].toString();
                EXPECT_TRUE(line.startsWith(QString::number(number) + QStringLiteral(") ")) &&
                            line.endsWith(answer))
                    << line.toStdString();
                expectAnswerFromValues(exercise);
            }
        }
    }
}

// The text worksheets' JSON holds each line exactly as Zarvik.txt has it.
TEST(FamilyContract, TextJsonHoldsTheLinesOfTheFile) {
    const Family& text = *familyOfCommand(u"text");
    QTemporaryDir dir;
    const test::CliResult file = test::runCli(commandLine(text, {}), dir.path());
    ASSERT_EQ(file.exitCode, 0) << file.err.toStdString();
    const QStringList lines = fromCp1254(test::readFile(dir.filePath(QStringLiteral("Zarvik.txt"))))
                                  .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const test::CliResult json = test::runCli(commandLine(text, {QStringLiteral("--json")}), dir.path());
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    QStringList texts;
    for (const QJsonValue& exercise :
         QJsonDocument::fromJson(json.out).object()[QStringLiteral("exercises")].toArray())
        texts << exercise[QStringLiteral("text")].toString();
    EXPECT_EQ(texts, lines);
}

TEST(FamilyContract, EveryOutputIsWrittenAndAnUnknownSuffixRefused) {
    QTemporaryDir dir;
    for (const Family* family : families()) {
        SCOPED_TRACE(family->command().toStdString());
        for (const char* suffix : {"pdf", "png", "txt", "json"}) {
            const QString path = dir.filePath(family->command() + u'.' + QLatin1String(suffix));
            const test::CliResult run = test::runCli(commandLine(*family, {QStringLiteral("-o"), path}));
            // A PNG holds one page: a sheet of several is refused, nothing written.
            if (QLatin1String(suffix) == QLatin1String("png") &&
                QString::fromUtf8(run.err).contains(QStringLiteral("bir PNG dosyası tek sayfa tutar"))) {
                EXPECT_EQ(run.exitCode, 1);
                EXPECT_FALSE(QFile::exists(path));
                continue;
            }
            ASSERT_EQ(run.exitCode, 0) << suffix << ": " << run.err.toStdString();
            const QByteArray bytes = test::readFile(path);
            ASSERT_FALSE(bytes.isEmpty()) << suffix;
            if (QLatin1String(suffix) == QLatin1String("json")) {
                EXPECT_FALSE(QJsonDocument::fromJson(bytes).isNull());
            }
            if (QLatin1String(suffix) == QLatin1String("txt")) {
                EXPECT_TRUE(bytes.endsWith("\r\n"));
                EXPECT_FALSE(bytes.contains("\n\n"));  // every line end is CR LF
            }
        }
        const QString unknown = dir.filePath(QStringLiteral("sayfa.doc"));
        const test::CliResult run = test::runCli(commandLine(*family, {QStringLiteral("-o"), unknown}));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(".pdf, .png, .txt, .json")) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(unknown));
    }
}

}  // namespace
}  // namespace zarvik
