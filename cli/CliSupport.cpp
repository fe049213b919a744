#include "cli/CliSupport.h"

#include <unistd.h>

#include <QDate>
#include <cstdio>

#include "common/core/ClassList.h"
#include "common/core/DateText.h"
#include "common/core/Limits.h"
#include "common/core/OutputFile.h"
#include "common/core/TextOutputs.h"

namespace zarvik::cli {

void seedRandomDraw(const QCommandLineParser& parser, RandomDraw& random) {
    if (!parser.isSet(QStringLiteral("time"))) {
        random.seedFromClock();
        return;
    }
    const QString text = parser.value(QStringLiteral("time"));
    bool ok = false;
    // Spaces around a number are refused here as in every other field.
    const qlonglong seconds = text.toLongLong(&ok);
    if (!ok || text != text.trimmed())
        throw UsageError{
            QStringLiteral("--time saniye olarak bir tam sayı ister, '%1' değil.")
                .arg(quotedValue(text))};
    random.seed(static_cast<int64_t>(seconds));
}

QString pageDate(const QCommandLineParser& parser) {
    return parser.isSet(QStringLiteral("date")) ? parser.value(QStringLiteral("date"))
                                                : dateText(QDate::currentDate());
}

QString optionText(const QCommandLineParser& parser, const QString& name) {
    return parser.isSet(name) ? parser.value(name) : QString();
}

ClassSetChoice readClassSet(const QCommandLineParser& parser) {
    ClassSetChoice set;
    set.answerKey = parser.isSet(QStringLiteral("answer-key"));
    if (parser.isSet(QStringLiteral("sheets"))) {
        bool ok = false;
        const QString sheets = parser.value(QStringLiteral("sheets"));
        set.sheets = sheets.toInt(&ok);
        if (!ok || sheets != sheets.trimmed() || set.sheets < 1 ||
            set.sheets > limits::kMostSheets)
            throw UsageError{QStringLiteral("--sheets 1 ile %1 arası bir sayfa sayısı ister, "
                                            "'%2' değil.")
                                 .arg(limits::kMostSheets)
                                 .arg(quotedValue(parser.value(QStringLiteral("sheets"))))};
    }
    if (parser.isSet(QStringLiteral("names"))) {
        set.names = readClassList(parser.value(QStringLiteral("names")));
        if (set.names.size() > limits::kMostSheets)
            throw UsageError{QStringLiteral("--names: sınıf listesinde %1 ad var; bir sette en "
                                            "çok %2 sayfa olabilir.")
                                 .arg(set.names.size())
                                 .arg(limits::kMostSheets)};
        if (parser.isSet(QStringLiteral("sheets")) && set.sheets != set.names.size())
            throw UsageError{QStringLiteral("--sheets %1, sınıf listesindeki %2 adla uyuşmuyor; "
                                            "--sheets yazmayınız.")
                                 .arg(set.sheets)
                                 .arg(set.names.size())};
        set.sheets = static_cast<int>(set.names.size());
    }
    return set;
}

void printOut(const QString& text) {
    writeStandardOutput(text.toUtf8());
}

void printErr(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

Progress::Progress(int total) : total_(total), terminal_(isatty(STDERR_FILENO) == 1) {
    timer_.start();
}

Progress::~Progress() {
    if (shown_) std::fputs("\n", stderr);
}

void Progress::sheetDone(int done) {
    if (outputInterruptSignal()) throw Interrupted();
    if (!terminal_ || timer_.elapsed() < 1000) return;
    shown_ = true;
    std::fprintf(stderr, "\r%d/%d sayfa", done, total_);
    std::fflush(stderr);
}

}  // namespace zarvik::cli
