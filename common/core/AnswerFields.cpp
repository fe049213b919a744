#include "common/core/AnswerFields.h"

#include <QRegularExpression>

#include "common/core/ExerciseFigure.h"

namespace zarvik {

namespace {

const QRegularExpression& blankMark() {
    static const QRegularExpression mark(QStringLiteral("_{3,}|\\.{4,}"));
    return mark;
}

// A piece of the exercise's text as a pattern: its words in order, spaced anyhow.
QString loosePattern(const QString& text) {
    QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    for (QString& word : words)
        word = QRegularExpression::escape(word);
    return words.join(QStringLiteral("\\s*"));
}

// The check for one answer as the key writes it.
AnswerField fieldFor(const QString& answer, const Exercise& exercise) {
    static const QRegularExpression number(QStringLiteral("^-?\\d+(,\\d+)?$"));
    static const QRegularExpression numbers(QStringLiteral("^-?\\d+(, -?\\d+)+$"));
    if (answer == u"<" || answer == u"=" || answer == u">")
        return {AnswerCheck::Relation, {answer}};
    if (number.match(answer).hasMatch()) return {AnswerCheck::Number, {answer}};
    // A rounded quotient: the number is the answer, "yaklaşık" may be left out.
    static const QString about = QStringLiteral("yaklaşık ");
    if (answer.startsWith(about) && number.match(answer.mid(about.size())).hasMatch())
        return {AnswerCheck::Number, {answer.mid(about.size())}};
    if (numbers.match(answer).hasMatch()) {
        // Picking the odd or even ones of a row: their order is not asked for.
        const bool picked = exercise.value(u"odd") != nullptr;
        return {picked ? AnswerCheck::NumberSet : AnswerCheck::NumberList, {answer}};
    }
    return {AnswerCheck::Text, {answer}};
}

// The answer for each blank of the text, read from the whole answer: the
// text's pieces between the blanks are found in it ("6 binlik + 0 yüzlük"
// against "___ binlik + ___ yüzlük"); the pieces before the first blank and
// after the last may be left out of the answer ("16 TL 10 kr" against
// "9 TL 40 kr + 6 TL 70 kr = ___ TL ___ kr"). Empty when they are not found.
QStringList blankAnswers(const QStringList& pieces, const QString& answer) {
    QString pattern = QStringLiteral("^(?:") + loosePattern(pieces.front()) + QStringLiteral(")?");
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const QString piece = loosePattern(pieces[i]);
        if (i + 1 < pieces.size())
            pattern += QStringLiteral("\\s*(.+?)\\s*") + piece;
        else
            pattern += QStringLiteral("\\s*(.+?)\\s*(?:") + piece + QStringLiteral(")?$");
    }
    const QRegularExpressionMatch m = QRegularExpression(pattern).match(answer);
    if (!m.hasMatch()) return {};
    QStringList found;
    for (qsizetype i = 1; i < pieces.size(); ++i)
        found << m.captured(static_cast<int>(i)).trimmed();
    return found;
}

// The text between the blanks: one piece more than there are blanks.
QStringList piecesAroundBlanks(const QString& text) {
    QStringList pieces;
    qsizetype from = 0;
    for (auto it = blankMark().globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        pieces << text.mid(from, m.capturedStart() - from);
        from = m.capturedEnd();
    }
    pieces << text.mid(from);
    return pieces;
}

AnswerForm lineForm(const Exercise& exercise) {
    const QString text = spacedArithmetic(exercise.text);
    AnswerForm form;
    const QStringList pieces = piecesAroundBlanks(text);
    QStringList answers;
    if (pieces.size() > 1) {
        answers = blankAnswers(pieces, exercise.answer);
        if (answers.isEmpty() && exercise.answer.split(QStringLiteral(", ")).size() ==
                                     pieces.size() - 1)
            answers = exercise.answer.split(QStringLiteral(", "));
    }
    if (answers.isEmpty()) {
        // No blank to fill in: the answer follows the text.
        form.texts = {text, QString()};
        form.fields.push_back(fieldFor(exercise.answer, exercise));
        return form;
    }
    form.texts = pieces;
    for (const QString& answer : answers)
        form.fields.push_back(fieldFor(answer, exercise));
    return form;
}

// A row of numbers: the blanks' numbers are the exercise's own values.
AnswerForm sequenceForm(const Exercise& exercise) {
    const ExerciseValue* numbersValue = exercise.value(u"numbers");
    const ExerciseValue* blanksValue = exercise.value(u"blanks");
    const auto* numbers =
        numbersValue ? std::get_if<std::vector<int64_t>>(&numbersValue->value) : nullptr;
    const auto* blanks =
        blanksValue ? std::get_if<std::vector<int64_t>>(&blanksValue->value) : nullptr;
    if (!numbers || !blanks) return lineForm(exercise);
    AnswerForm form;
    QString text;
    for (size_t i = 0; i < numbers->size(); ++i) {
        const QString separator = i + 1 < numbers->size() ? QStringLiteral(", ") : QString();
        if (std::find(blanks->begin(), blanks->end(), static_cast<int64_t>(i)) != blanks->end()) {
            form.texts << text;
            form.fields.push_back({AnswerCheck::Number, {QString::number((*numbers)[i])}});
            text = separator;
        } else {
            text += QString::number((*numbers)[i]) + separator;
        }
    }
    form.texts << text;
    return form;
}

AnswerForm clockForm(const Exercise& exercise) {
    const ExerciseValue* hands = exercise.value(u"hands");
    const bool drawn = hands && std::holds_alternative<bool>(hands->value) &&
                       !std::get<bool>(hands->value);
    if (drawn) {
        // The pupil sets the hands on the face.
        const QString time = QStringLiteral("%1:%2")
                                 .arg(exercise.numberValue(u"hour", 12))
                                 .arg(exercise.numberValue(u"minute"), 2, 10, QLatin1Char('0'));
        return {{}, {{AnswerCheck::ClockHands, {time}}}};
    }
    // "dokuz buçuk (09:30)": the words or the time.
    static const QRegularExpression read(QStringLiteral("^(.+) \\((\\d{1,2}:\\d{2})\\)$"));
    const QRegularExpressionMatch m = read.match(exercise.answer);
    if (m.hasMatch()) return {{}, {{AnswerCheck::Time, {m.captured(1), m.captured(2)}}}};
    return {{}, {fieldFor(exercise.answer, exercise)}};
}

// A word problem: its text, then the answer line the page gives it
// ("___ lira ___ kuruş") with a field for each blank. Each blank takes the
// number before its unit in the result, after the last "="; a unit the
// result leaves out ("27 lira") is 0.
AnswerForm problemForm(const Exercise& exercise) {
    const ExerciseValue* formValue = exercise.value(u"answerForm");
    const QString* line = formValue ? std::get_if<QString>(&formValue->value) : nullptr;
    QString result = exercise.answer.section(u';', -1);
    result = result.section(u'=', -1).trimmed();
    const QStringList pieces = line ? piecesAroundBlanks(*line) : QStringList();
    if (pieces.size() < 2) return {{exercise.text + u' ', QString()}, {fieldFor(result, exercise)}};
    AnswerForm form;
    form.texts = pieces;
    form.texts.front().prepend(exercise.text + QStringLiteral("\nCevap: "));
    static const QRegularExpression lastNumber(QStringLiteral("(\\d+)(?!.*\\d)"));
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const QString unit = pieces[i].trimmed();
        const QRegularExpressionMatch m =
            unit.isEmpty() ? lastNumber.match(result)
                           : QRegularExpression(QStringLiteral("(\\d+)\\s*") + loosePattern(unit))
                                 .match(result);
        form.fields.push_back(
            {AnswerCheck::Number, {m.hasMatch() ? m.captured(1) : QStringLiteral("0")}});
    }
    return form;
}

}  // namespace

QChar answerCheckLetter(AnswerCheck check) {
    switch (check) {
        case AnswerCheck::Number:
            return u'n';
        case AnswerCheck::Text:
            return u't';
        case AnswerCheck::Fraction:
            return u'f';
        case AnswerCheck::Time:
            return u'h';
        case AnswerCheck::NumberList:
            return u'l';
        case AnswerCheck::NumberSet:
            return u's';
        case AnswerCheck::Relation:
            return u'r';
        case AnswerCheck::ClockHands:
            return u'c';
    }
    return u't';
}

bool AnswerField::numeric() const {
    return check == AnswerCheck::Number;
}

bool answeredOnFigure(const Exercise& exercise) {
    return !exercise.picture.empty() ||
           (exercise.shape != ExerciseShape::Line && exercise.shape != ExerciseShape::Sequence &&
            exercise.shape != ExerciseShape::Problem);
}

AnswerForm answerForm(const Exercise& exercise) {
    if (!exercise.picture.empty()) return {{}, {fieldFor(exercise.answer, exercise)}};
    switch (exercise.shape) {
        case ExerciseShape::Line:
            return lineForm(exercise);
        case ExerciseShape::Sequence:
            return sequenceForm(exercise);
        case ExerciseShape::Clock:
            return clockForm(exercise);
        case ExerciseShape::Fractions:
            // The fraction kinds take any equal form: 5/4, 10/8 and 1 1/4 alike.
            return {{}, {{AnswerCheck::Fraction, {exercise.answer}}}};
        case ExerciseShape::Column:
        case ExerciseShape::LongDivision:
        case ExerciseShape::FractionModel:
        case ExerciseShape::NumberLine:
        case ExerciseShape::Tally:
        case ExerciseShape::Graph:
        case ExerciseShape::Grid:
        case ExerciseShape::Ruler:
        case ExerciseShape::Shapes:
        case ExerciseShape::Money:
            break;
        case ExerciseShape::Problem:
            return problemForm(exercise);
    }
    return {{}, {fieldFor(exercise.answer, exercise)}};
}

}  // namespace zarvik
