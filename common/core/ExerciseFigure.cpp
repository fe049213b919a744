#include "common/core/ExerciseFigure.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "common/core/PageCells.h"
#include "common/core/TextMeasure.h"

namespace zarvik {

namespace {

const CellFont kFont{QStringLiteral("Arial"), 14, false, false};
const CellFont kNumberFont{QStringLiteral("Arial"), 10, false, false};
// White space around the parts of a figure: beside the number, between an
// operator and its number, between a number and a line.
constexpr double kGap = 15;
constexpr double kLinePen = 5;

class Builder {
  public:
    explicit Builder(const FigureStyle& style) : style_(style) {
        font_ = kFont;
        font_.pointSize = style.points;
        metrics_ = textMeasure().metrics(font_, style.points);
    }

    double width(const QString& text, bool bold = false) const {
        CellFont font = font_;
        font.bold = bold;
        return textMeasure().width(text, font, style_.points);
    }
    double lineHeight() const { return metrics_.lineSpacing; }
    double digit() const { return width(QStringLiteral("0")); }

    Cell& text(const QString& name, const QString& content, double left, double top,
               double width, Align align = Align::Left) {
        Cell cell = richTextCell({name, left, top, width, lineHeight()}, font_, align);
        cell.text = content;
        return add(std::move(cell));
    }
    void line(const QString& name, double left, double top, double width, bool dotted = false) {
        Cell cell = lineCell({name, left, top - kLinePen / 2, width, kLinePen}, 1);
        cell.dotted = dotted;
        add(std::move(cell));
    }
    Cell& add(Cell cell) {
        figure_.cells.push_back(std::move(cell));
        return figure_.cells.back();
    }
    // "12)" at the top left; the figure starts right of it.
    double number(int n) {
        if (!style_.numbered) return 0;
        const QString label = QString::number(n) + u')';
        Cell cell = richTextCell({QStringLiteral("Number"), 0, 0, 0, 0}, kNumberFont);
        cell.width = textMeasure().width(label, kNumberFont, kNumberFont.pointSize) + 5;
        cell.height = textMeasure().metrics(kNumberFont, kNumberFont.pointSize).lineSpacing;
        cell.top = std::max(0.0, metrics_.ascent -
                                     textMeasure().metrics(kNumberFont, kNumberFont.pointSize).ascent);
        cell.text = label;
        add(cell);
        return cell.width + kGap;
    }
    // Writing lines for an answer of so many characters, from (left, top).
    void writingRoom(double left, double top, qsizetype characters, double minimum) {
        const double wanted = std::max(minimum, kHandwritingAdvance * static_cast<double>(characters));
        const double across = std::min(wanted, std::max(minimum, style_.widest - left));
        const int rows = std::max(1, static_cast<int>(std::ceil(wanted / across)));
        for (int r = 0; r < rows; ++r)
            line(QStringLiteral("Writing%1").arg(r + 1), left, top + kHandwritingLine * (r + 1),
                 across, true);
        room(left, top, across, kHandwritingLine * rows + kGap);
    }
    void room(double left, double top, double width, double height) {
        figure_.answerRoom = {left, top, width, height};
    }
    ExerciseFigure finish() {
        for (const Cell& cell : figure_.cells) {
            figure_.width = std::max(figure_.width, cell.left + cell.width);
            figure_.height = std::max(figure_.height, cell.top + cell.height);
        }
        const FigureBox& r = figure_.answerRoom;
        figure_.width = std::max(figure_.width, r.left + r.width);
        figure_.height = std::max(figure_.height, r.top + r.height);
        return std::move(figure_);
    }
    const FigureStyle& style() const { return style_; }
    const FaceMetrics& metrics() const { return metrics_; }

  private:
    const FigureStyle& style_;
    CellFont font_;
    FaceMetrics metrics_;
    ExerciseFigure figure_;
};

QString textOf(const Exercise& e, QStringView name) {
    const ExerciseValue* v = e.value(name);
    if (!v) return {};
    if (const auto* text = std::get_if<QString>(&v->value)) return *text;
    if (const auto* n = std::get_if<int64_t>(&v->value)) return QString::number(*n);
    return {};
}

// First, operator and second stacked over an answer line.
void column(Builder& b, const Exercise& e, double x) {
    const QString first = textOf(e, u"first"), second = textOf(e, u"second");
    const QString op = textOf(e, u"operator");
    const double numbers = std::max(b.width(first), b.width(second));
    const double opWidth = b.width(op);
    // As wide as the answer's handwriting needs, and never narrower than the numbers.
    const double lineWidth = std::max({numbers + opWidth + kGap,
                                       kHandwritingAdvance * static_cast<double>(e.answer.size()),
                                       b.digit() * 3});
    const double right = x + lineWidth;
    const double h = b.lineHeight();
    b.text(QStringLiteral("First"), first, right - numbers, 0, numbers, Align::Right);
    b.text(QStringLiteral("Operator"), op, x, h, opWidth);
    b.text(QStringLiteral("Second"), second, right - numbers, h, numbers, Align::Right);
    const double lineTop = 2 * h + kGap;
    b.line(QStringLiteral("Line"), x, lineTop, lineWidth);
    // Multiplying by a number of several digits: a line for each partial product and the sum.
    const int rows = op == QLatin1String("x") && second.size() > 1
                         ? static_cast<int>(second.size()) + 1
                         : 1;
    b.room(x, lineTop, lineWidth, kHandwritingLine * rows + kGap);
    if (b.style().answer)
        b.text(QStringLiteral("Answer"), e.answer, right - b.width(e.answer) - 1,
               lineTop + kGap, b.width(e.answer) + 1, Align::Right);
}

// The dividend left of the bar, the divisor right of it over its line, the
// quotient under that line, and room below the dividend for the work.
void division(Builder& b, const Exercise& e, double x) {
    const QString dividend = textOf(e, u"dividend"), divisor = textOf(e, u"divisor");
    const QString quotient = textOf(e, u"quotient");
    const double left = std::max(b.width(dividend), kHandwritingAdvance * dividend.size());
    const double bar = x + left + kGap;
    const double rightWidth = std::max(
        {b.width(divisor), b.width(quotient), kHandwritingAdvance * static_cast<double>(
                                                                        e.answer.size())});
    const double h = b.lineHeight();
    b.text(QStringLiteral("Dividend"), dividend, bar - kGap - b.width(dividend), 0,
           b.width(dividend), Align::Right);
    b.text(QStringLiteral("Divisor"), divisor, bar + kGap, 0, b.width(divisor));
    const double work = kHandwritingLine * static_cast<double>(dividend.size());
    Cell barCell;
    barCell.name = QStringLiteral("Bar");
    barCell.left = bar;
    barCell.top = 0;
    barCell.width = 0;
    barCell.height = h + kGap + work;
    barCell.frame.left = true;
    b.add(barCell);
    Cell under;
    under.name = QStringLiteral("Underline");
    under.left = bar;
    under.top = h + kGap;
    under.width = rightWidth + 2 * kGap;
    under.height = 0;
    under.frame.top = true;
    b.add(under);
    b.room(bar + kGap, h + kGap, rightWidth + kGap, kHandwritingLine + kGap);
    // The work under the dividend, line by line.
    Cell workRoom;
    workRoom.name = QStringLiteral("Work");
    workRoom.left = x;
    workRoom.top = h + kGap;
    workRoom.width = left;
    workRoom.height = work;
    b.add(workRoom);
    if (b.style().answer)
        b.text(QStringLiteral("Answer"), e.answer, bar + kGap, h + 2 * kGap, b.width(e.answer) + 1);
}

// A fraction or mixed number as whole part, numerator over a bar over
// denominator; returns its width.
double fraction(Builder& b, const QString& name, int64_t whole, int64_t numerator,
                int64_t denominator, double x, double middle) {
    const double h = b.lineHeight();
    double at = x;
    if (whole != 0) {
        const QString text = QString::number(whole);
        b.text(name + QStringLiteral("Whole"), text, at, middle - h / 2, b.width(text));
        at += b.width(text) + kGap;
    }
    const QString top = QString::number(numerator), bottom = QString::number(denominator);
    const double w = std::max(b.width(top), b.width(bottom)) + kGap;
    b.text(name + QStringLiteral("Numerator"), top, at, middle - h - kGap / 2, w, Align::Center);
    b.line(name + QStringLiteral("Bar"), at, middle, w);
    b.text(name + QStringLiteral("Denominator"), bottom, at, middle + kGap / 2, w, Align::Center);
    return at + w - x;
}

void fractions(Builder& b, const Exercise& e, double x) {
    const double h = b.lineHeight();
    const double middle = h + kGap;
    const auto n = [&](const char16_t* name) { return e.numberValue(name); };
    double at = x;
    at += fraction(b, QStringLiteral("First"), n(u"whole1"), n(u"numerator1"), n(u"denominator1"),
                   at, middle) +
          kGap;
    const QString op = textOf(e, u"operator");
    b.text(QStringLiteral("Operator"), op, at, middle - h / 2, b.width(op));
    at += b.width(op) + kGap;
    at += fraction(b, QStringLiteral("Second"), n(u"whole2"), n(u"numerator2"),
                   n(u"denominator2"), at, middle) +
          kGap;
    b.text(QStringLiteral("Equals"), QStringLiteral("="), at, middle - h / 2, b.width(QStringLiteral("=")));
    at += b.width(QStringLiteral("=")) + kGap;
    // A handwritten fraction: a whole part and two digits over two.
    const double roomWidth =
        std::max(kHandwritingAdvance * 4, kHandwritingAdvance * static_cast<double>(e.answer.size()));
    b.room(at, 0, roomWidth, 2 * middle);
    if (b.style().answer) {
        static const QRegularExpression form(QStringLiteral("^(?:(-?\\d+) )?(-?\\d+)/(\\d+)$"));
        const QRegularExpressionMatch m = form.match(e.answer);
        if (m.hasMatch()) {
            fraction(b, QStringLiteral("Answer"), m.captured(1).toLongLong(),
                     m.captured(2).toLongLong(), m.captured(3).toLongLong(), at, middle);
        } else {
            b.text(QStringLiteral("Answer"), e.answer, at, middle - h / 2, b.width(e.answer) + 1);
        }
    }
}

void clock(Builder& b, const Exercise& e, double x) {
    constexpr double kFace = 400;
    // The rim's pen reaches past the face's cell; the figure keeps it in.
    constexpr double kRim = 10;
    Cell space;
    space.name = QStringLiteral("ClockSpace");
    space.left = x;
    space.width = kFace + 2 * kRim;
    space.height = kFace + 2 * kRim;
    b.add(space);
    x += kRim;
    Cell face;
    face.name = QStringLiteral("Clock");
    face.kind = CellKind::Clock;
    face.left = x;
    face.top = kRim;
    face.width = kFace;
    face.height = kFace;
    face.font = kNumberFont;
    face.clock.hour = static_cast<int>(e.numberValue(u"hour", 12));
    face.clock.minute = static_cast<int>(e.numberValue(u"minute"));
    const ExerciseValue* hands = e.value(u"hands");
    face.clock.hands = b.style().answer || (hands && std::get<bool>(hands->value));
    b.add(face);
    double top = kFace + 2 * kRim + kGap;
    const QString shown = e.text.contains(u"___") ? QString() : e.text;
    if (!shown.isEmpty()) {
        b.text(QStringLiteral("Text"), shown, x, top, std::max(kFace, b.width(shown)), Align::Center);
        top += b.lineHeight();
    }
    if (b.style().answer) {
        b.text(QStringLiteral("Answer"), e.answer, x, top, std::max(kFace, b.width(e.answer)),
               Align::Center);
        b.room(x, top, std::max(kFace, b.width(e.answer)), b.lineHeight());
    } else if (face.clock.hands) {
        // The time read, written under the face on two lines.
        for (int r = 1; r <= 2; ++r)
            b.line(QStringLiteral("Writing%1").arg(r), x, top + kHandwritingLine * r, kFace, true);
        b.room(x, top, kFace, 2 * kHandwritingLine + kGap);
    } else {
        // The hands are drawn on the face itself.
        b.room(x, kRim, kFace, kFace);
    }
}

// Numbers in a row of boxes, the blanks empty and wide enough to write in.
void sequence(Builder& b, const Exercise& e, double x) {
    const ExerciseValue* numbersValue = e.value(u"numbers");
    const ExerciseValue* blanksValue = e.value(u"blanks");
    const std::vector<int64_t> numbers =
        numbersValue ? std::get<std::vector<int64_t>>(numbersValue->value) : std::vector<int64_t>();
    const std::vector<int64_t> blanks =
        blanksValue ? std::get<std::vector<int64_t>>(blanksValue->value) : std::vector<int64_t>();
    qsizetype longest = 1;
    for (const int64_t n : numbers)
        longest = std::max(longest, QString::number(n).size());
    const double box = std::max(b.width(QString(longest, u'0')),
                                kHandwritingAdvance * static_cast<double>(longest)) +
                       2 * kGap;
    const double h = std::max(b.lineHeight() + 2 * kGap, kHandwritingLine);
    double at = x;
    for (size_t i = 0; i < numbers.size(); ++i) {
        const bool blank = std::find(blanks.begin(), blanks.end(), int64_t(i)) != blanks.end();
        Cell frame;
        frame.name = QStringLiteral("Box%1").arg(i + 1);
        frame.left = at;
        frame.width = box;
        frame.height = h;
        frame.frame = Frame{true, true, true, true};
        b.add(frame);
        if (!blank || b.style().answer) {
            Cell& number = b.text(QStringLiteral("Number%1").arg(i + 1), QString::number(numbers[i]),
                                  at, (h - b.lineHeight()) / 2, box, Align::Center);
            if (blank) number.name = QStringLiteral("Answer%1").arg(i + 1);
        }
        at += box + kGap;
    }
    b.room(x, 0, at - x, h);
}

// A line of text; its blanks ("___") widened to the answer's handwriting, or
// writing lines under it when it has none.
void line(Builder& b, const Exercise& e, double x) {
    static const QRegularExpression blankMark(QStringLiteral("_{3,}|\\.{4,}"));
    QString text = spacedArithmetic(e.text);
    const qsizetype blanks = text.count(blankMark);
    const QStringList parts = e.answer.split(QStringLiteral(", "));
    const bool inlineBlanks = blanks > 0 && (blanks == 1 || blanks == parts.size());
    if (inlineBlanks) {
        // Each blank as wide as its answer's handwriting, in underscores.
        const double underscore = std::max(1.0, b.width(QStringLiteral("_")));
        qsizetype index = 0;
        QString widened;
        qsizetype from = 0;
        for (auto it = blankMark.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString answer = blanks == 1 ? e.answer : parts.value(index);
            ++index;
            widened += text.mid(from, m.capturedStart() - from);
            if (b.style().answer) {
                widened += answer;
            } else {
                const double room = kHandwritingAdvance * static_cast<double>(std::max<qsizetype>(2, answer.size()));
                widened += QString(static_cast<qsizetype>(std::ceil(room / underscore)), u'_');
            }
            from = m.capturedEnd();
        }
        text = widened + text.mid(from);
    }
    const double room = b.style().widest - x;
    Cell& cell = b.text(QStringLiteral("Text"), text, x, 0, std::min(room, b.width(text) + 1));
    if (b.width(text) > room) {
        // Too long for one line: smaller, then on two lines.
        cell.fit = {1, room, {}, 9, 11, 12};
        cell.height = 2 * b.lineHeight();
    }
    if (inlineBlanks) {
        b.room(x, 0, cell.width, cell.height);
        if (b.style().answer) cell.name = QStringLiteral("AnswerText");
        return;
    }
    const double top = cell.height;
    if (b.style().answer) {
        b.text(QStringLiteral("Answer"), e.answer, x, top + kGap, std::min(room, b.width(e.answer) + 1));
        b.room(x, top, std::min(room, b.width(e.answer) + 1), b.lineHeight() + kGap);
        return;
    }
    b.writingRoom(x, top, e.answer.size(), std::min(room, cell.width));
}

}  // namespace

QString spacedArithmetic(const QString& text) {
    static const QRegularExpression arithmetic(QStringLiteral("^[0-9,+\\-xX÷=]+$"));
    if (!arithmetic.match(text).hasMatch()) return text;
    QString spaced;
    for (const QChar c : text) {
        if (c == u'+' || c == u'-' || c == u'x' || c == u'X' || c == u'÷' || c == u'=')
            spaced += u' ' + (c == u'X' ? QChar(u'x') : c) + u' ';
        else
            spaced += c;
    }
    return spaced.trimmed();
}

ExerciseFigure exerciseFigure(const Exercise& exercise, const FigureStyle& style) {
    Builder b(style);
    const double x = b.number(exercise.number);
    if (!exercise.picture.empty()) {
        for (Cell cell : exercise.picture) {
            cell.left += x;
            b.add(std::move(cell));
        }
        return b.finish();
    }
    switch (exercise.shape) {
        case ExerciseShape::Column:
            column(b, exercise, x);
            break;
        case ExerciseShape::LongDivision:
            division(b, exercise, x);
            break;
        case ExerciseShape::Fractions:
            fractions(b, exercise, x);
            break;
        case ExerciseShape::Clock:
            clock(b, exercise, x);
            break;
        case ExerciseShape::Sequence:
            sequence(b, exercise, x);
            break;
        case ExerciseShape::Line:
            line(b, exercise, x);
            break;
    }
    return b.finish();
}

void placeFigure(Page& page, const ExerciseFigure& figure, double left, double top,
                 const QString& prefix) {
    for (Cell cell : figure.cells) {
        cell.name = prefix + cell.name;
        cell.left += left;
        cell.top += top;
        if (cell.fit.group != 0) cell.fit.group += 1000;
        page.add(std::move(cell));
    }
}

bool isAnswerCell(const Cell& cell) {
    const qsizetype dot = cell.name.lastIndexOf(u'.');
    return QStringView(cell.name).mid(dot + 1).startsWith(u"Answer");
}

}  // namespace zarvik
