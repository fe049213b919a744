#include "text_worksheets/core/TextPages.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "common/core/Cp1254.h"
#include "common/core/Names.h"
#include "common/core/PageCells.h"
#include "common/core/TextMeasure.h"
#include "text_worksheets/core/TextCatalogue.h"
#include "text_worksheets/core/TextGenerators.h"
#include "text_worksheets/core/TextKinds.h"

namespace zarvik {

namespace {

// A4 with 10 mm on every side; lengths in tenths of a millimetre.
constexpr double kMargin = 100;
constexpr double kBandWidth = 1900;
constexpr double kBandHeight = 2770;
constexpr double kTitleTop = 150;
constexpr double kTitleHeight = 60;
constexpr double kExercisesTop = 250;
constexpr double kExercisesBottom = 2600;
constexpr double kColumnGap = 60;
// Arithmetic leaves a row of 10 mm to write in; a number to read gets two
// writing lines under it.
constexpr double kRowPitch = 100;
constexpr double kReadingPitch = 300;
constexpr double kTwoLinePitch = 150;
constexpr double kLineHeight = 60;
constexpr int kPoints = 14;
constexpr int kSmallestPoints = 9;
// Below this an exercise goes on two lines rather than smaller.
constexpr int kSmallestOnOneLine = 11;
constexpr int kMostColumns = 5;

const CellFont kExerciseFont{QStringLiteral("Arial"), kPoints, false, false};
const CellFont kFrameFont{QStringLiteral("Comic Sans MS"), 10, true, false};

QString blank(const QString& answer) {
    // Handwriting is wider than print: half again the answer's length.
    const int length = static_cast<int>(std::ceil(1.5 * static_cast<double>(answer.size())));
    return QString(std::clamp(length, 5, 24), u'_');
}

}  // namespace

QString textSheetTitle(int32_t code) {
    const TextKind* kind = findTextKind(code);
    if (!kind) return {};
    // The measure items ("Basit", "Zaman") name their group only in the menu.
    const TextMenuGroup& group = textMenuGroups().at(static_cast<size_t>(kind->group));
    if (group.itemName == QLatin1String("ller1"))
        return group.menuText + QStringLiteral(": ") + kind->menuText;
    return kind->menuText;
}

namespace {

class LineKeeper : public ByteSink {
  public:
    LineKeeper(ByteSink* also, QStringList& lines) : also_(also), lines_(lines) {}
    void write(const char* data, qsizetype size) override {
        if (also_) also_->write(data, size);
        pending_.append(data, size);
        qsizetype start = 0;
        for (qsizetype end; (end = pending_.indexOf("\r\n", start)) >= 0; start = end + 2)
            lines_ << fromCp1254(QByteArrayView(pending_).sliced(start, end - start));
        pending_.remove(0, start);
    }
    void finish() {
        if (!pending_.isEmpty()) lines_ << fromCp1254(pending_);
        pending_.clear();
    }

  private:
    ByteSink* also_;
    QStringList& lines_;
    QByteArray pending_;
};

class AnswerKeeper : public TextExerciseSink {
  public:
    explicit AnswerKeeper(TextSheet& sheet) : sheet_(sheet) {}
    void exercise(TextExercise&& exercise) override {
        const TextAnswer answer = textAnswer(exercise);
        sheet_.reading = answer.reading;
        sheet_.answers << answer.answer;
        sheet_.keys << answer.exercise +
                           (answer.reading ? QStringLiteral(": ") : QStringLiteral(" = ")) +
                           answer.answer;
        sheet_.drawn.push_back(std::move(exercise));
    }

  private:
    TextSheet& sheet_;
};

}  // namespace

QString textExerciseCell(int indexOnPage) {
    return QStringLiteral("Exercise%1").arg(indexOnPage);
}

TextSheet drawTextSheet(int32_t kind, const TextFields& fields, RandomDraw& random,
                        ByteSink* alsoTo, TextProgress* progress) {
    TextSheet sheet;
    sheet.kind = kind;
    LineKeeper lines(alsoTo, sheet.lines);
    AnswerKeeper answers(sheet);
    generateTextWorksheet(kind, fields, random, lines, &answers, progress);
    lines.finish();
    const TextKind* row = findTextKind(kind);
    sheet.remainders = row && row->answer == text::quotientAnswer && row->checkShown() &&
                       fields.checkBox1();
    return sheet;
}

ExerciseList textSheetExercises(const TextSheet& sheet) {
    ExerciseList exercises;
    exercises.reserve(static_cast<size_t>(sheet.lines.size()));
    for (qsizetype i = 0; i < sheet.lines.size(); ++i) {
        Exercise e;
        e.number = static_cast<int>(i + 1);
        e.text = sheet.lines[i];
        e.answer = sheet.answers.value(i);
        e.key = sheet.keys.value(i);
        if (static_cast<size_t>(i) < sheet.drawn.size()) {
            const TextExercise& drawn = sheet.drawn[static_cast<size_t>(i)];
            e.values.push_back({QStringLiteral("kind"), int64_t{drawn.kind}});
            if (!drawn.values.empty()) e.values.push_back({QStringLiteral("numbers"), drawn.values});
            if (!drawn.digits.isEmpty()) e.values.push_back({QStringLiteral("digits"), drawn.digits});
            if (!drawn.givenUnit.isEmpty())
                e.values.push_back({QStringLiteral("from"), drawn.givenUnit});
            if (!drawn.wantedUnit.isEmpty())
                e.values.push_back({QStringLiteral("to"), drawn.wantedUnit});
        }
        exercises.push_back(std::move(e));
    }
    return exercises;
}

QString printedTextExercise(const QString& line, const QString& answer, bool reading,
                            const QString& remainder) {
    if (reading) return line;
    if (!remainder.isEmpty())
        return printedTextExercise(line, answer, false) + QStringLiteral(" kalan ") + blank(remainder);
    static const QRegularExpression kDots(QStringLiteral("\\.{3,}"));
    QString text = line;
    text.replace(u'X', u'x');
    if (const QRegularExpressionMatch dots = kDots.match(text); dots.hasMatch()) {
        // "250 cm=..........m": the blank takes the dots' place.
        const QString wanted = text.mid(dots.capturedEnd());
        const QString given = text.left(dots.capturedStart());
        QString before = given.endsWith(u'=') ? given.chopped(1) : given;
        const QString number = answer.section(u' ', 0, 0);
        return before.trimmed() + QStringLiteral(" = ") + blank(number) + u' ' + wanted;
    }
    QString spaced;
    spaced.reserve(text.size() * 2);
    for (const QChar c : text) {
        if (c == u'+' || c == u'-' || c == u'x' || c == u'÷') {
            spaced += u' ';
            spaced += c;
            spaced += u' ';
        } else if (c == u'=') {
            spaced += QStringLiteral(" = ");
        } else {
            spaced += c;
        }
    }
    return spaced + blank(answer);
}

void buildTextPages(const TextSheet& sheet, const QString& teacherName, const QString& date,
                    const std::function<void(Page&&)>& pageDone) {
    const qsizetype count = sheet.lines.size();
    // One blank for the whole sheet, as long as the longest answer needs, so
    // its length gives nothing away; the same for the remainders.
    static const QString kRemainder = QStringLiteral(", kalan ");
    QString longest;
    QString longestRemainder;
    for (const QString& answer : sheet.answers) {
        const qsizetype split = sheet.remainders ? answer.indexOf(kRemainder) : -1;
        const QString quotient = split < 0 ? answer : answer.left(split);
        const QString remainder = split < 0 ? QStringLiteral("0") : answer.mid(split + kRemainder.size());
        if (quotient.size() > longest.size()) longest = quotient;
        if (remainder.size() > longestRemainder.size()) longestRemainder = remainder;
    }
    if (!sheet.remainders) longestRemainder.clear();
    QStringList printed;
    printed.reserve(count);
    const TextMeasure& measure = textMeasure();
    double widest = 0;
    for (qsizetype i = 0; i < count; ++i) {
        printed << QStringLiteral("%1) ").arg(i + 1) +
                       printedTextExercise(sheet.lines[i], longest, sheet.reading,
                                           longestRemainder);
        widest = std::max(widest, measure.width(printed.back(), kExerciseFont, kPoints));
    }
    // As many columns as the widest exercise allows at full size, up to five;
    // an exercise too long for two columns gets smaller, then one column,
    // then two lines.
    int columns = 1;
    bool twoLines = false;
    const auto roomFor = [](int c) { return kBandWidth / c - kColumnGap; };
    const double shrunk = widest * kSmallestOnOneLine / kPoints;
    for (int c = kMostColumns; c >= 2 && columns == 1; --c)
        if (widest <= roomFor(c)) columns = c;
    if (columns == 1 && shrunk <= roomFor(2)) columns = 2;
    if (columns == 1) twoLines = shrunk > roomFor(1);
    if (sheet.reading) columns = widest <= roomFor(2) ? 2 : 1;
    const double columnWidth = kBandWidth / columns;
    const double pitch = sheet.reading ? kReadingPitch : twoLines ? kTwoLinePitch : kRowPitch;
    const int rows = static_cast<int>((kExercisesBottom - kExercisesTop) / pitch);
    const qsizetype perPage = static_cast<qsizetype>(rows) * columns;
    const qsizetype pages = std::max<qsizetype>(1, (count + perPage - 1) / perPage);
    const QString title = textSheetTitle(sheet.kind);

    for (qsizetype p = 0; p < pages; ++p) {
        Page page(QStringLiteral("TextSheet%1").arg(p + 1), Paper::A4);
        page.marginTop = page.marginBottom = page.marginLeft = page.marginRight = kMargin;
        page.bandWidth = kBandWidth;
        page.bandHeight = kBandHeight;
        addPupilHeader(page, {kFrameFont,
                              {QStringLiteral("PupilNameLabel"), 60, 0, 204, 53},
                              {QStringLiteral("PupilClassLabel"), 1120, 0, 111, 53},
                              {QStringLiteral("PupilNumberLabel"), 1500, 0, 82, 53},
                              {{QStringLiteral("HeaderStrip"), 0, 58, kBandWidth, 66},
                               QStringLiteral("strip-numbers-top"),
                               1886.5,
                               66.1}});
        Cell titleCell =
            richTextCell({kTextTitleCell.toString(), 150, kTitleTop, 1600, kTitleHeight},
                         {QStringLiteral("Arial"), kPoints, false, true}, Align::Center);
        titleCell.text = title;
        page.add(titleCell);
        Cell number =
            richTextCell({kTextPageNumberCell.toString(), 1750, kTitleTop, 150, kTitleHeight},
                         {QStringLiteral("Arial"), 10, false, false}, Align::Right);
        number.text = QStringLiteral("%1/%2").arg(p + 1).arg(pages);
        page.add(number);

        const qsizetype first = p * perPage;
        const qsizetype last = std::min(count, first + perPage);
        // A page that is not full shares its exercises out evenly over its
        // columns, rather than filling the first and leaving the rest empty.
        const int rowsHere =
            static_cast<int>(std::min<qsizetype>(rows, (last - first + columns - 1) / columns));
        for (qsizetype i = first; i < last; ++i) {
            // Down each column, then on to the next, as a word processor's columns run.
            const int index = static_cast<int>(i - first);
            const double left = (index / rowsHere) * columnWidth;
            const double top = kExercisesTop + (index % rowsHere) * pitch;
            Cell cell = richTextCell(
                {textExerciseCell(index + 1), left, top, columnWidth - kColumnGap, kLineHeight},
                kExerciseFont);
            cell.text = printed[i];
            cell.fit = {1,
                        columnWidth - kColumnGap,
                        {},
                        kSmallestPoints,
                        twoLines ? kSmallestOnOneLine : 0,
                        twoLines ? 12 : 0};
            page.add(cell);
            if (sheet.reading) {
                for (int line = 1; line <= 2; ++line)
                    page.add(lineCell({QStringLiteral("WritingLine%1_%2").arg(index + 1).arg(line),
                                       left, top + line * 95 + 20, columnWidth - kColumnGap, 5},
                                      1));
            }
        }

        addTeacherFooter(page, {kFrameFont,
                                {{QStringLiteral("FooterStrip"), 0, 2620, kBandWidth, 87},
                                 QStringLiteral("strip-numbers-bottom"),
                                 1886.5,
                                 87.3},
                                {QStringLiteral("TeacherLabel"), 60, 2710, 241, 53},
                                {QStringLiteral("DateLabel"), 1000, 2710, 241, 53},
                                {QStringLiteral("PublisherLabel"), 1480, 2710, 265, 53}});
        setTeacherFooterCaptions(page, u"TeacherLabel", u"DateLabel", teacherName, date);
        pageDone(std::move(page));
    }
}

}  // namespace zarvik
