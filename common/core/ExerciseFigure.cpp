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
        // Most figures are a handful of cells: no growing one by one.
        figure_.cells.reserve(8);
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
        const FaceMetrics numberMetrics = textMeasure().metrics(kNumberFont, kNumberFont.pointSize);
        cell.width = textMeasure().width(label, kNumberFont, kNumberFont.pointSize) + 5;
        cell.height = numberMetrics.lineSpacing;
        cell.top = std::max(0.0, metrics_.ascent - numberMetrics.ascent);
        cell.text = label;
        const double after = cell.width + kGap;
        add(std::move(cell));
        return after;
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

struct Span {
    qsizetype start;
    qsizetype end;
};

// The blanks of a text, left to right: runs of three or more "_" or of four
// or more ".".
std::vector<Span> blankMarks(const QString& text) {
    std::vector<Span> marks;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        qsizetype end = i + 1;
        if (c == u'_' || c == u'.')
            while (end < text.size() && text[end] == c)
                ++end;
        if ((c == u'_' && end - i >= 3) || (c == u'.' && end - i >= 4)) marks.push_back({i, end});
        i = end;
    }
    return marks;
}

// A line of text; its blanks ("___") widened to the answer's handwriting, or
// writing lines under it when it has none.
void line(Builder& b, const Exercise& e, double x) {
    QString text = spacedArithmetic(e.text);
    std::vector<Span> marks = blankMarks(text);
    // "17 - 9 =": the answer goes after the equals sign, as the text pages print it.
    if (text.endsWith(u'=') && marks.empty()) {
        text += QStringLiteral(" ___");
        marks.push_back({text.size() - 3, text.size()});
    }
    const auto blanks = static_cast<qsizetype>(marks.size());
    QStringList parts = e.answer.split(QStringLiteral(", "));
    if (blanks > 1 && parts.size() != blanks) {
        // "3 TL 35 kr" for "___ TL ___ kr": a number of the answer in each blank.
        static const QRegularExpression number(QStringLiteral("\\d+(?:,\\d+)?"));
        QStringList numbers;
        for (auto it = number.globalMatch(e.answer); it.hasNext();)
            numbers << it.next().captured();
        if (numbers.size() == blanks) parts = numbers;
    }
    const bool inlineBlanks = blanks > 0 && (blanks == 1 || blanks == parts.size());
    if (inlineBlanks) {
        // Each blank as wide as its answer's handwriting, in underscores.
        const double underscore = std::max(1.0, b.width(QStringLiteral("_")));
        qsizetype index = 0;
        QString widened;
        qsizetype from = 0;
        for (const Span& m : marks) {
            const QString answer = blanks == 1 ? e.answer : parts.value(index);
            ++index;
            widened += text.mid(from, m.start - from);
            if (b.style().answer) {
                widened += answer;
            } else {
                const double room = kHandwritingAdvance * static_cast<double>(std::max<qsizetype>(2, answer.size()));
                widened += QString(static_cast<qsizetype>(std::ceil(room / underscore)), u'_');
            }
            from = m.end;
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

// Words on lines no wider than room (a word wider than the room keeps a line
// of its own).
QStringList wrappedLines(const Builder& b, const QString& text, double room) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && b.width(longer) > room) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

bool flag(const Exercise& e, QStringView name) {
    const ExerciseValue* v = e.value(name);
    const bool* yes = v ? std::get_if<bool>(&v->value) : nullptr;
    return yes && *yes;
}

// The answer line of a word problem: "Cevap: ____ bilye", each blank 4 mm a
// digit of the result's longest number and two more.
struct AnswerRow {
    QString caption = QStringLiteral("Cevap:");
    QStringList parts;  // the words around the blanks
    double blank = 0;
    double width = 0;
};

AnswerRow answerRowOf(const Builder& b, const Exercise& e) {
    AnswerRow row;
    static const QRegularExpression digits(QStringLiteral("[0-9.:]+"));
    const QString result = e.answer.mid(e.answer.lastIndexOf(QStringLiteral(" = ")) + 1);
    qsizetype longest = 0;
    for (auto it = digits.globalMatch(result); it.hasNext();)
        longest = std::max(longest, it.next().capturedLength());
    row.blank = kHandwritingAdvance * static_cast<double>(std::max<qsizetype>(5, longest + 2));
    const QString form = textOf(e, u"answerForm");
    row.parts = (form.isEmpty() ? QStringLiteral("___") : form).split(QStringLiteral("___"));
    row.width = b.width(row.caption, true) + 1 + 2 * kGap;
    for (qsizetype i = 0; i < row.parts.size(); ++i) {
        row.parts[i] = row.parts[i].trimmed();
        if (!row.parts[i].isEmpty()) row.width += b.width(row.parts[i]) + kGap;
        if (i + 1 < row.parts.size()) row.width += row.blank + kGap;
    }
    return row;
}

// Places the row at (x, top); returns its height.
double placeAnswerRow(Builder& b, const AnswerRow& row, const CellFont& font, double x, double top) {
    const double h = b.lineHeight();
    // At a board's large sizes a line of text is taller than a writing line.
    const double height = std::max(kHandwritingLine, h + kGap);
    const double baseline = top + height;
    Cell label = richTextCell({QStringLiteral("ReplyCaption"), x, baseline - h,
                               b.width(row.caption, true) + 1, h},
                              font);
    label.text = row.caption;
    b.add(label);
    double at = x + label.width + 2 * kGap;
    for (qsizetype i = 0; i < row.parts.size(); ++i) {
        const QString& part = row.parts[i];
        if (!part.isEmpty()) {
            // A comma follows its blank closely, as it follows a word.
            if (i > 0 && part.front().isPunct()) at -= kGap;
            b.text(QStringLiteral("ReplyWords%1").arg(i + 1), part, at, baseline - h, b.width(part) + 1);
            at += b.width(part) + kGap;
        }
        if (i + 1 < row.parts.size()) {
            b.line(QStringLiteral("ReplyBlank%1").arg(i + 1), at, baseline, row.blank, true);
            at += row.blank + kGap;
        }
    }
    return height + kGap;
}

// A word problem: its text on as many lines as it takes, boxes to work in
// ("Verilen" and "İstenen" where the grade writes them down, and "Çözüm";
// lines for a problem of one's own when the pupil poses one) and the answer
// line with its unit. With "Çözüm" alone (the first grades) the box stands
// beside the text and the answer line, which keeps a page to five or six
// problems; otherwise the boxes are a row under the text.
void problem(Builder& b, const Exercise& e, double x) {
    const double room = b.style().widest - x;
    const double h = b.lineHeight();

    struct Box {
        const char* name;
        QString caption;
        double share;  // of the boxes' width; the last box takes the rest
        bool lines;
    };
    std::vector<Box> boxes;
    const bool posing = flag(e, u"posing");
    const bool beside = !posing && !flag(e, u"givenAndAsked");
    if (posing) {
        boxes = {{"Problem", QStringLiteral("Probleminiz"), 0.62, true},
                 {"Solution", QStringLiteral("Çözüm"), 1, false}};
    } else if (!beside) {
        boxes = {{"Given", QStringLiteral("Verilen"), 0.34, true},
                 {"Asked", QStringLiteral("İstenen"), 0.26, true},
                 {"Solution", QStringLiteral("Çözüm"), 1, false}};
    } else {
        boxes = {{"Solution", QStringLiteral("Çözüm"), 1, false}};
    }
    constexpr double kBoxGap = 30;
    // Beside the text the box takes 42 % of the room.
    const double textRoom = beside ? (room - kBoxGap) * 0.58 : room;
    const QStringList lines = wrappedLines(b, e.text, textRoom);
    // A height, not a reference to the cell: adding cells moves them.
    const double textHeight = h * static_cast<double>(lines.size());
    b.text(QStringLiteral("Text"), lines.join(u'\n'), x, 0, textRoom).height = textHeight;

    CellFont labelFont = kFont;
    labelFont.pointSize = std::max(9, b.style().points - 3);
    labelFont.bold = true;
    const double labelHeight = textMeasure().metrics(labelFont, labelFont.pointSize).lineSpacing;
    // Three lines of 8 mm hold a sum worked in columns; four a problem of one's own.
    const int rows = posing ? 4 : 3;
    const double boxHeight = kGap + labelHeight + kHandwritingLine * rows + kGap;
    const double boxesTop = beside ? 0 : textHeight + 2 * kGap;
    const double boxesLeft = beside ? x + textRoom + kBoxGap : x;
    const double boxesWidth = beside ? x + room - boxesLeft : room;
    double left = boxesLeft;
    for (size_t i = 0; i < boxes.size(); ++i) {
        const Box& box = boxes[i];
        const double width =
            i + 1 == boxes.size()
                ? boxesLeft + boxesWidth - left
                : (boxesWidth - kBoxGap * static_cast<double>(boxes.size() - 1)) * box.share;
        const QString name = QString::fromLatin1(box.name);
        Cell frame;
        frame.name = name + QStringLiteral("Box");
        frame.left = left;
        frame.top = boxesTop;
        frame.width = width;
        frame.height = boxHeight;
        frame.frame = Frame{true, true, true, true};
        b.add(frame);
        Cell label = richTextCell({name + QStringLiteral("Label"), left + kGap, boxesTop + kGap,
                                   width - 2 * kGap, labelHeight},
                                  labelFont);
        label.text = box.caption + u':';
        b.add(label);
        const double linesTop = boxesTop + kGap + labelHeight;
        if (box.lines)
            for (int r = 1; r <= rows; ++r)
                b.line(name + QStringLiteral("Writing%1").arg(r), left + kGap,
                       linesTop + kHandwritingLine * r - kGap, width - 2 * kGap, true);
        if (b.style().answer && name == u"Solution") {
            const QStringList answer = wrappedLines(b, e.answer, width - 2 * kGap);
            Cell& cell = b.text(QStringLiteral("Answer"), answer.join(u'\n'), left + kGap,
                                linesTop, width - 2 * kGap);
            cell.height = std::min(h * static_cast<double>(answer.size()),
                                   boxesTop + boxHeight - linesTop);
        }
        left += width + kBoxGap;
    }
    b.room(boxesLeft, boxesTop, boxesWidth, boxHeight);

    CellFont answerFont = labelFont;
    answerFont.pointSize = b.style().points;
    const AnswerRow row = answerRowOf(b, e);
    // Beside the box while it fits under the text, else under everything.
    const double answerTop = !beside                       ? boxesTop + boxHeight + kGap
                             : row.width <= textRoom ? textHeight
                                                     : std::max(textHeight, boxHeight) + kGap;
    placeAnswerRow(b, row, answerFont, x, answerTop);
}

}  // namespace

QString spacedArithmetic(const QString& text) {
    const auto arithmetic = [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u',' || c == u'+' || c == u'-' || c == u'x' ||
               c == u'X' || c == u'÷' || c == u'=';
    };
    // A line break at the very end is let through, as a "$" lets it.
    QStringView body(text);
    if (body.endsWith(u'\n')) body.chop(1);
    if (body.isEmpty() || !std::all_of(body.begin(), body.end(), arithmetic)) return text;
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
            if (!style.answer && isAnswerCell(cell)) continue;
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
        // A picture kind without its picture: its text.
        case ExerciseShape::FractionModel:
        case ExerciseShape::NumberLine:
        case ExerciseShape::Tally:
        case ExerciseShape::Graph:
        case ExerciseShape::Grid:
        case ExerciseShape::Ruler:
        case ExerciseShape::Shapes:
        case ExerciseShape::Money:
            line(b, exercise, x);
            break;
        case ExerciseShape::Problem:
            problem(b, exercise, x);
            break;
    }
    return b.finish();
}

void placeFigure(Page& page, const ExerciseFigure& figure, double left, double top,
                 const QString& prefix) {
    placeFigure(page, ExerciseFigure(figure), left, top, prefix);
}

void placeFigure(Page& page, ExerciseFigure&& figure, double left, double top,
                 const QString& prefix) {
    for (Cell& cell : figure.cells) {
        cell.name.prepend(prefix);
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
