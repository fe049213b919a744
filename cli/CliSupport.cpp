#include "cli/CliSupport.h"

#include <QDate>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>

#include "common/core/Errors.h"
#include "common/core/OutputFile.h"

#include "common/core/DateText.h"

namespace zarvik::cli {

namespace {

// QCommandLineParser explains in English; its three kinds of complaint, in Turkish.
QString turkishParseError(const QCommandLineParser& parser) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        return QStringLiteral("'%1%2' diye bir seçenek yok.")
            .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
    }
    static const QRegularExpression missingValue(QStringLiteral("^Missing value after '(.*)'\\.$"));
    const QRegularExpressionMatch missing = missingValue.match(parser.errorText());
    if (missing.hasMatch())
        return QStringLiteral("'%1' seçeneğinden sonra bir değer yazınız.")
            .arg(missing.captured(1));
    static const QRegularExpression extraValue(
        QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    const QRegularExpressionMatch extra = extraValue.match(parser.errorText());
    if (extra.hasMatch())
        return QStringLiteral("'%1' seçeneği değer almaz.").arg(extra.captured(1));
    return parser.errorText();
}

}  // namespace

bool parseArguments(QCommandLineParser& parser, const QStringList& arguments,
                    const QString& helpText) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption({QStringLiteral("help"), QStringLiteral("Show this help.")});
    // QCommandLineParser expects the program name first.
    if (!parser.parse(QStringList{QStringLiteral("zarvik-cli")} + arguments))
        throw UsageError{turkishParseError(parser)};
    if (parser.isSet(QStringLiteral("help"))) {
        printOut(helpText);
        return false;
    }
    return true;
}

void seedRandomDraw(const QCommandLineParser& parser, RandomDraw& random) {
    if (!parser.isSet(QStringLiteral("time"))) {
        random.seedFromClock();
        return;
    }
    const QString text = parser.value(QStringLiteral("time"));
    bool ok = false;
    const qlonglong seconds = text.toLongLong(&ok);
    if (!ok)
        throw UsageError{
            QStringLiteral("--time saniye olarak bir tam sayı ister, '%1' değil.").arg(text)};
    random.seed(static_cast<int64_t>(seconds));
}

void addPageOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {QStringLiteral("teacher"), QStringLiteral("Teacher."), QStringLiteral("TEXT")},
        {QStringLiteral("date"), QStringLiteral("Date."), QStringLiteral("TEXT")},
        {QStringLiteral("time"), QStringLiteral("Seed time."), QStringLiteral("T")},
        {QStringLiteral("json"), QStringLiteral("JSON output.")},
        {QStringList{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Page file."),
         QStringLiteral("FILE")},
    });
}

QString pageDate(const QCommandLineParser& parser) {
    return parser.isSet(QStringLiteral("date")) ? parser.value(QStringLiteral("date"))
                                                : dateText(QDate::currentDate());
}

void refusePositionalArguments(const QCommandLineParser& parser) {
    if (!parser.positionalArguments().isEmpty())
        throw UsageError{QStringLiteral("'%1' fazladan yazılmış.")
                             .arg(parser.positionalArguments().constFirst())};
}

QString optionText(const QCommandLineParser& parser, const QString& name) {
    return parser.isSet(name) ? parser.value(name) : QString();
}

void printOut(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    const size_t written =
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    // A full disk, a closed or broken pipe: the output is not there, so the
    // run has not succeeded.
    if (std::fflush(stdout) != 0 || written != static_cast<size_t>(bytes.size())) {
        const int error = errno;
        std::clearerr(stdout);
        throw FileError(QStringLiteral("Standart çıktıya yazılamadı: %1.")
                            .arg(error == EBADF ? QStringLiteral("standart çıktı kapalı ya da "
                                                                 "yazılamıyor")
                                 : error        ? systemErrorText(error)
                                                : QStringLiteral("yazma hatası")));
    }
}

void printErr(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

QString jsonString(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'"':
                out += QLatin1String("\\\"");
                break;
            case u'\\':
                out += QLatin1String("\\\\");
                break;
            case u'\n':
                out += QLatin1String("\\n");
                break;
            case u'\r':
                out += QLatin1String("\\r");
                break;
            case u'\t':
                out += QLatin1String("\\t");
                break;
            default:
                if (c.unicode() < 0x20)
                    out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
                else
                    out += c;
        }
    }
    out += u'"';
    return out;
}

QString jsonStringArray(const QStringList& texts) {
    QString out = QStringLiteral("[");
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i) out += u',';
        out += jsonString(texts[i]);
    }
    out += u']';
    return out;
}

}  // namespace zarvik::cli
