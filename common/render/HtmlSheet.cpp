#include "common/render/HtmlSheet.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

#include "common/core/AnswerFields.h"
#include "common/core/Errors.h"
#include "common/core/ExerciseFigure.h"
#include "common/core/FileNames.h"
#include "common/core/Limits.h"
#include "common/render/FigureSvg.h"

// Outside any namespace, as Qt asks.
static void initHtmlResources() {
    Q_INIT_RESOURCE(html);
}

namespace zarvik {

namespace {

// A figure's size on a phone: its 14-point texts about 20 CSS pixels high,
// and never wider than a 360-pixel screen leaves beside the page's margins.
constexpr double kPixelsPerTenth = 0.4;
constexpr double kWidestFigure = 300;
constexpr double kFieldHeight = 48;  // a field of 44 pixels and its border

QString resourceText(const QString& name) {
    static const bool registered = (initHtmlResources(), true);
    Q_UNUSED(registered);
    QFile file(QStringLiteral(":/html/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Web sayfasının \"%1\" parçası programda bulunamadı.").arg(name));
    return QString::fromUtf8(file.readAll());
}

QString px(double value) {
    return svgNumber(value) + QStringLiteral("px");
}

QString fieldLabel(int number, qsizetype index, qsizetype count) {
    if (count == 1) return QStringLiteral("%1. alıştırmanın cevabı").arg(number);
    return QStringLiteral("%1. alıştırmanın %2. cevabı").arg(number).arg(index + 1);
}

// A field for the answer; place puts it on a figure, with its width.
QString fieldHtml(const AnswerField& field, const QString& id, const QString& label,
                  const QString& place = {}) {
    const QString& style = place;
    const QString styleAttribute =
        style.isEmpty() ? QString() : QStringLiteral(" style=\"%1\"").arg(style);
    switch (field.check) {
        case AnswerCheck::Relation:
            return QStringLiteral(
                       "<select id=\"%1\" aria-label=\"%2\"%3><option value=\"\"></option>"
                       "<option>&lt;</option><option>=</option><option>&gt;</option></select>")
                .arg(id, label, styleAttribute);
        case AnswerCheck::ClockHands:
            return QStringLiteral("<input type=\"hidden\" id=\"%1\" value=\"\">").arg(id);
        default:
            break;
    }
    QString mode = QStringLiteral("text");
    QString classes;
    const QString longest =
        *std::max_element(field.accepted.begin(), field.accepted.end(),
                          [](const QString& a, const QString& b) { return a.size() < b.size(); });
    QString width;
    switch (field.check) {
        case AnswerCheck::Number:
            mode = longest.contains(u',') ? QStringLiteral("decimal") : QStringLiteral("numeric");
            classes = QStringLiteral("num");
            width = QStringLiteral("width:%1em").arg(
                svgNumber(std::max<qsizetype>(4, longest.size()) * 0.62 + 1));
            break;
        case AnswerCheck::NumberList:
        case AnswerCheck::NumberSet:
            // Numbers and the separator key of a decimal keyboard.
            mode = QStringLiteral("decimal");
            classes = QStringLiteral("wide");
            break;
        case AnswerCheck::Fraction:
            width = QStringLiteral("width:6em");
            break;
        default:
            classes = QStringLiteral("wide");
            break;
    }
    const QString allStyles = place.isEmpty() ? width : place;
    return QStringLiteral(
               "<input id=\"%1\" type=\"text\" inputmode=\"%2\"%3 autocomplete=\"off\" "
               "autocapitalize=\"off\" spellcheck=\"false\" aria-label=\"%4\"%5>")
        .arg(id, mode,
             classes.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(classes), label,
             allStyles.isEmpty() ? QString() : QStringLiteral(" style=\"%1\"").arg(allStyles));
}

// Room for the longest answer typed at the page's 20 pixels, and the field's edges.
double typedWidth(const AnswerField& field) {
    qsizetype longest = 3;
    for (const QString& answer : field.accepted)
        longest = std::max(longest, answer.size());
    return 28 + 11.5 * static_cast<double>(longest);
}

// The exercise's figure with its field where the answer is written on paper:
// under a stacked problem's line or a clock, beside the fractions' "=", under
// a division's divisor; a clock to set takes the hands itself.
QString figureHtml(const Exercise& exercise, const AnswerForm& form, const QString& id,
                   const QString& label) {
    FigureStyle style;
    style.numbered = false;
    const ExerciseFigure figure = exerciseFigure(exercise, style);
    const FigureBox& room = figure.answerRoom;
    const AnswerField& field = form.fields.front();
    const double s = std::min(kPixelsPerTenth, kWidestFigure / std::max(1.0, figure.width));
    const bool noRoom = room.width <= 0 || room.height <= 0;
    const double typed = std::max(room.width * s, typedWidth(field));
    // A long answer beside a division or fractions would reach past a phone's screen.
    const bool tooWide = kFigureSvgPad * s + room.left * s + typed > kWidestFigure;
    const bool below = noRoom || tooWide || exercise.shape == ExerciseShape::Column ||
                       (exercise.shape == ExerciseShape::Clock &&
                        field.check != AnswerCheck::ClockHands);
    FigureSvgOptions options;
    options.pixelsPerTenth = s;
    if (exercise.shape == ExerciseShape::LongDivision) options.height = room.top + room.height;
    else if (below && !noRoom && !tooWide) options.height = room.top;
    const double pad = kFigureSvgPad * s;
    const double svgHeight = (options.height >= 0 ? options.height : figure.height) * s + 2 * pad;
    const double svgWidth = figure.width * s + 2 * pad;
    QString place;
    double width = svgWidth, height = svgHeight;
    if (field.check == AnswerCheck::ClockHands) {
        return QStringLiteral(
                   "<div class=\"figure setclock\" role=\"group\" aria-label=\"%1\">%2%3</div>"
                   "<div class=\"hands\"><button type=\"button\" data-hand=\"m\" "
                   "aria-pressed=\"true\">Yelkovan (uzun)</button><button type=\"button\" "
                   "data-hand=\"h\" aria-pressed=\"false\">Akrep (kısa)</button></div>")
            .arg(label, figureSvg(figure, options), fieldHtml(field, id, label));
    }
    if (below) {
        const double top = svgHeight + 2;
        if (exercise.shape == ExerciseShape::Column) {
            // Right under the line, as wide as it, right-aligned as the numbers are.
            const double right = pad + (room.left + room.width) * s;
            const double fieldWidth = typed;
            const double left = std::max(0.0, right - fieldWidth);
            place = QStringLiteral("left:%1;top:%2;width:%3").arg(px(left), px(top), px(fieldWidth));
            width = std::max(width, left + fieldWidth);
        } else {
            const double fieldWidth = std::min(kWidestFigure, std::max({width, 160.0, typed}));
            place = QStringLiteral("left:0;top:%1;width:%2").arg(px(top), px(fieldWidth));
            width = std::max(width, fieldWidth);
        }
        height = top + kFieldHeight;
    } else {
        const double left = pad + room.left * s;
        const double fieldWidth = typed;
        const double middle = pad + (room.top + room.height / 2) * s;
        const double top = exercise.shape == ExerciseShape::LongDivision
                               ? pad + room.top * s + 2
                               : std::max(0.0, middle - kFieldHeight / 2);
        place = QStringLiteral("left:%1;top:%2;width:%3").arg(px(left), px(top), px(fieldWidth));
        width = std::max(width, left + fieldWidth);
        height = std::max(height, top + kFieldHeight);
    }
    return QStringLiteral("<div class=\"figure\" style=\"width:%1;height:%2\">%3%4</div>")
        .arg(px(width), px(height), figureSvg(figure, options),
             fieldHtml(field, id, label, place));
}

QString lineHtml(const Exercise& exercise, const AnswerForm& form, int index) {
    QString out = QStringLiteral("<p>");
    for (qsizetype i = 0; i < form.texts.size(); ++i) {
        out += form.texts[i].toHtmlEscaped();
        if (i < static_cast<qsizetype>(form.fields.size())) {
            const QString id = QStringLiteral("f%1-%2").arg(index).arg(i);
            out += u' ' +
                   fieldHtml(form.fields[static_cast<size_t>(i)], id,
                             fieldLabel(exercise.number, i,
                                        static_cast<qsizetype>(form.fields.size()))) +
                   u' ';
        }
    }
    return out + QStringLiteral("</p>");
}

// [["n","181"],…] for each exercise, mixed with the salt, in base 64.
QString obfuscatedAnswers(const std::vector<AnswerForm>& forms, QByteArray& salt) {
    QJsonArray all;
    for (const AnswerForm& form : forms) {
        QJsonArray fields;
        for (const AnswerField& field : form.fields) {
            QJsonArray one{QString(answerCheckLetter(field.check))};
            for (const QString& accepted : field.accepted)
                one.append(accepted);
            fields.append(one);
        }
        all.append(fields);
    }
    QByteArray bytes = QJsonDocument(all).toJson(QJsonDocument::Compact);
    // From the answers themselves: the same sheet gives the same page.
    salt = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(12);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ salt[i % salt.size()] ^ ((i * 7) & 255));
    return QString::fromLatin1(bytes.toBase64());
}

}  // namespace

QByteArray sheetHtml(const HtmlSheet& sheet) {
    const QString title =
        sheet.title.isEmpty() ? QStringLiteral("Çalışma Kâğıdı") : sheet.title.simplified();
    QString body;
    std::vector<AnswerForm> forms;
    forms.reserve(sheet.exercises.size());
    int index = 0;
    auto section = sheet.headings.begin();
    for (const Exercise& exercise : sheet.exercises) {
        for (; section != sheet.headings.end() && section->first <= index; ++section)
            body += QStringLiteral("<h2>%1</h2>\n").arg(section->second.toHtmlEscaped());
        AnswerForm form = answerForm(exercise);
        const bool figure = answeredOnFigure(exercise);
        // The mark beside the number; in a narrow figure's box, below it.
        body += QStringLiteral("<section class=\"ex%1\"><div class=\"top\"><span class=\"no\">"
                               "%2)</span><span class=\"mark\" aria-live=\"polite\"></span></div>")
                    .arg(figure ? QStringLiteral(" fig") : QString())
                    .arg(exercise.number);
        if (figure)
            body += figureHtml(exercise, form, QStringLiteral("f%1-0").arg(index),
                               fieldLabel(exercise.number, 0, 1));
        else
            body += lineHtml(exercise, form, index);
        body += QStringLiteral("</section>\n");
        forms.push_back(std::move(form));
        ++index;
    }
    QByteArray salt;
    const QString answers = obfuscatedAnswers(forms, salt);
    const QString heading = sheet.pupil.isEmpty() ? title : title + QStringLiteral(" – ") + sheet.pupil;
    QString page = QStringLiteral(
                       "<!DOCTYPE html>\n<html lang=\"tr\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">\n"
                       // Nothing from outside the file, ever.
                       "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src "
                       "'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'; img-src "
                       "data:\">\n<title>%1</title>\n<style>\n%2</style>\n</head>\n<body>\n"
                       "<header><h1>%3</h1>")
                       .arg(heading.toHtmlEscaped(), resourceText(QStringLiteral("sheet.css")),
                            title.toHtmlEscaped());
    if (!sheet.pupil.isEmpty())
        page += QStringLiteral("<p class=\"pupil\">Adı Soyadı: <b>%1</b></p>")
                    .arg(sheet.pupil.toHtmlEscaped());
    page += QStringLiteral("</header>\n<main>\n") + body +
            QStringLiteral(
                "</main>\n<footer><button id=\"check\" type=\"button\">Kontrol et</button>"
                "<output id=\"score\" aria-live=\"polite\"></output></footer>\n"
                "<script id=\"key\" type=\"application/octet-stream\" data-salt=\"%1\">%2"
                "</script>\n<script>\n%3</script>\n</body>\n</html>\n")
                .arg(QString::fromLatin1(salt), answers,
                     resourceText(QStringLiteral("sheet.js")));
    return page.toUtf8();
}

HtmlSheet htmlSheetOf(SheetSource& source, const QString& pupil) {
    HtmlSheet sheet{source.sheetTitle(), pupil, source.sheetExercises(), source.sheetHeadings()};
    // A text sheet can be a million lines long; no phone shows that as a page.
    if (static_cast<int64_t>(sheet.exercises.size()) > limits::kMostPrintedExercises)
        throw InputRefused(QStringLiteral("Bir web sayfası en çok %1 alıştırma tutar; bu sayfada "
                                          "%2 alıştırma var.")
                               .arg(limits::kMostPrintedExercises)
                               .arg(sheet.exercises.size()));
    return sheet;
}

HtmlFileWriter::HtmlFileWriter(const QString& path, const ClassSetChoice& choice)
    : file_(path), choice_(choice) {}

void HtmlFileWriter::addSheet(int k, SheetSource& source) {
    file_.write(sheetHtml(htmlSheetOf(source, choice_.pupil(k))));
}

void HtmlFileWriter::finish() {
    file_.commit();
}

QString htmlSheetFileName(int k, int width, const QString& pupil) {
    QString name = pupil.isEmpty() ? QString() : pdfFileName({pupil});
    name.chop(4);  // ".pdf"
    if (name.isEmpty() || name == u"Zarvik")
        name = QStringLiteral("Odev-%1").arg(k, width, 10, QLatin1Char('0'));
    return name + QStringLiteral(".html");
}

HtmlSheetFolder::HtmlSheetFolder(const QString& folder, const ClassSetChoice& choice)
    : folder_(folder),
      choice_(choice),
      width_(std::max(2, static_cast<int>(QString::number(choice.sheets).size()))) {
    if (!QDir().mkpath(folder))
        throw FileError(QStringLiteral("\"%1\" klasörü oluşturulamadı.").arg(folder));
    // A pupil named so does not take the key's place.
    if (choice.answerKey) used_ << QStringLiteral("Cevap-Anahtari.html");
}

HtmlSheetFolder::~HtmlSheetFolder() = default;

QString HtmlSheetFolder::fileName(int k) {
    QString name = htmlSheetFileName(k, width_, choice_.pupil(k));
    // Two pupils of one name, or names that differ only in Turkish letters.
    const QString stem = name.chopped(5);
    for (int n = 2; used_.contains(name, Qt::CaseInsensitive); ++n)
        name = QStringLiteral("%1-%2.html").arg(stem).arg(n);
    used_ << name;
    return name;
}

void HtmlSheetFolder::add(int k, const HtmlSheet& sheet, const QStringList& keyLines) {
    auto file = std::make_unique<OutputFile>(QDir(folder_).filePath(fileName(k)));
    file->write(sheetHtml(sheet));
    file->prepare();
    prepared_.push_back(std::move(file));
    if (choice_.answerKey) answers_.add({answerBlockHeading(k, sheet.pupil), keyLines});
}

void HtmlFolderWriter::addSheet(int k, SheetSource& source) {
    folder_.add(k, htmlSheetOf(source, choice_.pupil(k)),
                choice_.answerKey ? source.sheetAnswers() : QStringList());
}

void HtmlSheetFolder::finish() {
    if (choice_.answerKey) {
        QString page = QStringLiteral(
            "<!DOCTYPE html>\n<html lang=\"tr\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">\n"
            "<title>Cevap Anahtarı</title>\n<style>body{font:18px/1.4 \"Liberation Sans\",Arial,"
            "sans-serif;margin:0 auto;padding:12px;max-width:60em}ol{list-style:none;padding:0;"
            "columns:16em}h2{font-size:20px;break-after:avoid}</style>\n</head>\n<body>\n"
            "<h1>Cevap Anahtarı</h1>\n");
        answers_.forEach([&](const AnswerBlock& block) {
            page += QStringLiteral("<h2>%1</h2>\n<ol>").arg(block.heading.toHtmlEscaped());
            for (const QString& line : block.lines)
                page += QStringLiteral("<li>%1</li>").arg(line.toHtmlEscaped());
            page += QStringLiteral("</ol>\n");
        });
        page += QStringLiteral("</body>\n</html>\n");
        auto key = std::make_unique<OutputFile>(QDir(folder_).filePath(u"Cevap-Anahtari.html"_qs));
        key->write(page.toUtf8());
        key->prepare();
        prepared_.push_back(std::move(key));
    }
    for (const auto& file : prepared_)
        file->replace();
}

}  // namespace zarvik
