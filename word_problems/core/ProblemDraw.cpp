#include "word_problems/core/ProblemDraw.h"

#include <algorithm>

#include "common/core/Errors.h"
#include "common/core/Limits.h"
#include "common/core/TurkishSuffixes.h"

namespace zarvik {

namespace {

using turkish::Suffix;
using turkish::Suffixes;

// Five digits and more in groups of three, as the pupils' books print them.
QString grouped(int64_t n) {
    QString digits = QString::number(n);
    if (digits.size() < 5) return digits;
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u'.');
    return digits;
}

Suffixes suffixesOf(QStringView codes) {
    static const std::pair<QStringView, Suffix> kCodes[] = {
        {u"pl", Suffix::Plural},         {u"poss", Suffix::Possessive},
        {u"acc", Suffix::Accusative},    {u"dat", Suffix::Dative},
        {u"loc", Suffix::Locative},      {u"abl", Suffix::Ablative},
        {u"gen", Suffix::Genitive},      {u"ins", Suffix::Instrumental},
        {u"eq", Suffix::Equative},       {u"lik", Suffix::Lik},
        {u"dist", Suffix::Distributive}, {u"ord", Suffix::Ordinal},
        {u"cop", Suffix::Copula},
    };
    Suffixes suffixes;
    for (const QStringView code : codes.split(u'.', Qt::SkipEmptyParts)) {
        const auto* found = std::find_if(std::begin(kCodes), std::end(kCodes),
                                         [&](const auto& c) { return c.first == code; });
        if (found == std::end(kCodes)) throw std::logic_error("unknown suffix in a template");
        suffixes.push_back(found->second);
    }
    return suffixes;
}

// Words with the endings on the last: "12 lira 50 kuruşluk".
QString withLastWord(const QString& words, const Suffixes& suffixes) {
    if (suffixes.empty()) return words;
    const qsizetype space = words.lastIndexOf(u' ');
    return words.left(space + 1) + turkish::noun(words.mid(space + 1), suffixes);
}

QString moneyText(int64_t kurus) {
    const int64_t lira = kurus / 100, rest = kurus % 100;
    if (rest == 0) return QStringLiteral("%1 lira").arg(grouped(lira));
    if (lira == 0) return QStringLiteral("%1 kuruş").arg(rest);
    return QStringLiteral("%1 lira %2 kuruş").arg(grouped(lira)).arg(rest);
}

QString durationText(int64_t minutes, Quantity quantity) {
    if (quantity != Quantity::HoursMinutes || minutes < 60)
        return QStringLiteral("%1 dakika").arg(grouped(minutes));
    const int64_t hours = minutes / 60, rest = minutes % 60;
    if (rest == 0) return QStringLiteral("%1 saat").arg(hours);
    return QStringLiteral("%1 saat %2 dakika").arg(hours).arg(rest);
}

QString clockDigits(int64_t minutes) {
    return QStringLiteral("%1:%2")
        .arg(minutes / 60 % 24, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// A time of day after "saat", as said: "dörtte", "dört buçukta", "dördü
// çeyrek geçe", "beşe yirmi kala" (hours on a twelve-hour dial).
QString clockPhrase(int64_t minutes) {
    const auto hourOf = [](int64_t h) { return (h + 11) % 12 + 1; };
    const int64_t hour = hourOf(minutes / 60 % 24), minute = minutes % 60;
    const auto minuteWords = [](int64_t m) {
        return m == 15 ? QStringLiteral("çeyrek") : turkish::numberInWords(m);
    };
    if (minute == 0) return turkish::numberInWords(hour, {Suffix::Locative});
    if (minute == 30) return turkish::numberInWords(hour) + QStringLiteral(" buçukta");
    if (minute < 30)
        return turkish::numberInWords(hour, {Suffix::Accusative}) + u' ' + minuteWords(minute) +
               QStringLiteral(" geçe");
    return turkish::numberInWords(hourOf(minutes / 60 % 24 + 1), {Suffix::Dative}) + u' ' +
           minuteWords(60 - minute) + QStringLiteral(" kala");
}

QString operandText(const Operand& operand, Quantity quantity) {
    switch (operand.role) {
        case Role::Plain:
            return grouped(operand.value);
        case Role::Measure:
            if (quantity == Quantity::Money) return moneyText(operand.value);
            if (quantity == Quantity::Count) return grouped(operand.value);
            return durationText(operand.value, quantity);
        case Role::Clock:
            return clockDigits(operand.value);
        case Role::Duration:
            return durationText(operand.value, quantity);
    }
    return {};
}

bool bare(const Operand& operand, Quantity quantity) {
    return operand.role == Role::Plain ||
           (operand.role == Role::Measure && quantity == Quantity::Count);
}

QString keyOf(const std::vector<Step>& steps, Quantity quantity, const QString& unit) {
    QStringList parts;
    for (const Step& step : steps) {
        QString text = operandText(step.terms.front(), quantity);
        for (size_t i = 1; i < step.terms.size(); ++i)
            text += u' ' + step.operators.at(static_cast<qsizetype>(i - 1)) + u' ' +
                    operandText(step.terms[i], quantity);
        text += QStringLiteral(" = ") + operandText(step.result, quantity);
        if (step.remainder >= 0) text += QStringLiteral(", kalan ") + grouped(step.remainder);
        parts << text;
    }
    QString key = parts.join(QStringLiteral("; "));
    const Step& last = steps.back();
    if (last.remainder < 0 && bare(last.result, quantity) && !unit.isEmpty()) key += u' ' + unit;
    return key;
}

QString answerFormOf(const Problem& p, Quantity quantity) {
    const Step& last = p.steps.back();
    if (last.remainder >= 0) return QStringLiteral("___, kalan ___");
    if (last.result.role == Role::Clock) return QStringLiteral("saat ___");
    bool partial = false;  // money with kuruş, times with minutes
    for (const Step& step : p.steps)
        for (const Operand& operand : step.terms)
            if (operand.role != Role::Plain)
                partial = partial || operand.value % (quantity == Quantity::Money ? 100 : 60) != 0;
    if (last.result.role == Role::Measure && quantity == Quantity::Money)
        return partial ? QStringLiteral("___ lira ___ kuruş") : QStringLiteral("___ lira");
    if (quantity == Quantity::HoursMinutes && !bare(last.result, quantity))
        return partial ? QStringLiteral("___ saat ___ dakika") : QStringLiteral("___ saat");
    if (quantity == Quantity::Minutes && !bare(last.result, quantity))
        return QStringLiteral("___ dakika");
    return p.unit.isEmpty() ? QStringLiteral("___") : QStringLiteral("___ ") + p.unit;
}

// Sentences start with a capital: "bilyelerinin" after a full stop is "Bilyelerinin".
QString sentenceCase(const QString& text) {
    QString out;
    bool start = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (start && c.isLetter()) {
            out += turkish::capitalised(QString(c));
            start = false;
            continue;
        }
        if (c.isLetterOrNumber()) start = false;
        out += c;
        if ((c == u'.' || c == u'?' || c == u'!') && i + 1 < text.size() && text[i + 1] == u' ')
            start = true;
    }
    return out;
}

int64_t largestNumber(const DrawnNumbers& numbers) {
    int64_t largest = 0;
    for (size_t i = 0; i < numbers.value.size(); ++i)
        if (numbers.set[i]) largest = std::max(largest, numbers.value[i]);
    for (const Step& step : numbers.steps)
        largest = std::max(largest, step.result.value);
    return largest;
}

// An object of the kind that comes in that many; `other` is not drawn again.
const ProblemObject* drawObject(ObjectKind kind, int64_t count, const ProblemObject* other,
                                RandomDraw& random) {
    std::vector<const ProblemObject*> fitting;
    for (const ProblemObject& object : problemObjects())
        if (object.kind == kind && object.most >= count && &object != other &&
            (!other || object.noun != other->noun))
            fitting.push_back(&object);
    if (fitting.empty()) throw std::logic_error("no object fits a template's numbers");
    return fitting[static_cast<size_t>(random.draw(static_cast<int32_t>(fitting.size())))];
}

QString objectText(const ProblemObject& object, const Suffixes& suffixes) {
    const QString noun = object.noun.toString();
    return object.abbreviation ? turkish::abbreviation(noun, suffixes)
                               : turkish::noun(noun, suffixes);
}

}  // namespace

QString firstName(const QString& fullName) {
    QStringList words = turkish::nameCase(fullName.simplified()).split(u' ', Qt::SkipEmptyParts);
    // "Adı Soyadı": the last word is the surname.
    if (words.size() > 1) words.removeLast();
    return words.join(u' ');
}

QStringList firstNames(const QStringList& classList) {
    QStringList names;
    for (const QString& pupil : classList) {
        const QString name = firstName(pupil);
        if (!name.isEmpty() && !names.contains(name)) names << name;
    }
    return names;
}

Cast castOf(const QStringList& classFirstNames, const QString& star) {
    if (classFirstNames.isEmpty()) return {defaultNames(), star};
    Cast cast{classFirstNames, star};
    for (const QString& name : defaultNames()) {
        if (cast.names.size() >= 2) break;
        if (!cast.names.contains(name)) cast.names << name;
    }
    return cast;
}

Problem drawProblem(const ProblemTemplate& source, int grade, const Cast& cast, bool withStar,
                    RandomDraw& random) {
    DrawnNumbers numbers;
    source.plan->draw(source.range(grade), random, numbers);

    const QString text = source.text.toString();
    // The names the text asks for, the first one the pupil's own when starred.
    QStringList names;
    for (int k = 1; k <= 3 && text.contains(QStringLiteral("{N%1").arg(k)); ++k) {
        if (k == 1 && withStar && !cast.star.isEmpty()) {
            names << cast.star;
            continue;
        }
        QStringList free;
        for (const QString& name : cast.names)
            if (!names.contains(name)) free << name;
        if (free.isEmpty()) free = cast.names;
        names << free[random.draw(static_cast<int32_t>(free.size()))];
    }
    const int64_t count = source.quantity == Quantity::Count ? largestNumber(numbers) : 0;
    const ProblemObject* object = nullptr;
    const ProblemObject* second = nullptr;
    if (source.objects != ObjectKind::None) {
        object = drawObject(source.objects, count, nullptr, random);
        if (text.contains(QStringLiteral("{P"))) second = drawObject(source.objects, count, object, random);
    }

    Problem problem;
    problem.source = &source;
    problem.names = names;
    if (object) problem.objects << object->noun.toString();
    if (second) problem.objects << second->noun.toString();
    problem.steps = numbers.steps;

    std::array<bool, 26> given{};
    QString out;
    qsizetype from = 0;
    for (qsizetype open; (open = text.indexOf(u'{', from)) >= 0;) {
        const qsizetype close = text.indexOf(u'}', open);
        out += QStringView(text).mid(from, open - from);
        const QStringView slot = QStringView(text).mid(open + 1, close - open - 1);
        from = close + 1;
        const qsizetype colon = slot.indexOf(u':');
        const Suffixes suffixes = colon < 0 ? Suffixes() : suffixesOf(slot.mid(colon + 1));
        const QStringView head = colon < 0 ? slot : slot.left(colon);
        const qsizetype at = head.indexOf(u'@');
        const QStringView var = at < 0 ? head : head.left(at);
        const QStringView format = at < 0 ? QStringView() : head.mid(at + 1);
        if (var.startsWith(u'N')) {
            out += turkish::name(names[var.mid(1).toInt() - 1], suffixes);
        } else if (var == u"O" || var == u"U") {
            out += objectText(*object, suffixes);
        } else if (var == u"P") {
            out += objectText(*second, suffixes);
        } else if (var == u"n/d") {
            out += turkish::numeral(QStringLiteral("%1/%2").arg(numbers[u'n']).arg(numbers[u'd']),
                                    suffixes);
            for (const char16_t letter : {u'n', u'd'})
                if (!given[letter - u'a']) {
                    given[letter - u'a'] = true;
                    problem.numbers.push_back(numbers[letter]);
                }
        } else {
            const char16_t letter = var.at(0).unicode();
            const int64_t value = numbers[letter];
            if (!given[letter - u'a']) {
                given[letter - u'a'] = true;
                problem.numbers.push_back(value);
            }
            if (format == u"money")
                out += withLastWord(moneyText(value), suffixes);
            else if (format == u"time")
                out += withLastWord(durationText(value, source.quantity), suffixes);
            else if (format == u"clock")
                out += clockPhrase(value);
            else if (format == u"words")
                out += turkish::numberInWords(value, suffixes);
            else
                out += turkish::numeral(grouped(value), suffixes);
        }
    }
    out += QStringView(text).mid(from);
    problem.text = sentenceCase(out);

    const QString unit = source.unit.toString();
    if (unit == u"{O}" || unit == u"{U}")
        problem.unit = object->noun.toString();
    else
        problem.unit = unit;
    problem.key = keyOf(problem.steps, source.quantity, problem.unit);
    problem.answerForm = answerFormOf(problem, source.quantity);
    return problem;
}

int64_t problemResult(const Problem& problem) {
    return problem.steps.back().result.value;
}

int themeIndex(QStringView name) {
    const std::vector<ProblemTheme>& themes = problemThemes();
    for (size_t i = 0; i < themes.size(); ++i)
        if (themes[i].name == name) return static_cast<int>(i);
    return -1;
}

std::vector<const ProblemTemplate*> sheetTemplates(int theme, int grade, QStringView operation) {
    std::vector<const ProblemTemplate*> chosen;
    for (const ProblemTemplate& t : problemTemplates()) {
        const bool inTheme = theme == kMixedTheme
                                 ? !problemThemes()[static_cast<size_t>(t.theme)].posing
                                 : t.theme == theme;
        if (!inTheme || !t.forGrade(grade)) continue;
        if (operation != kAllOperations && operationName(t.plan->operators) != operation) continue;
        chosen.push_back(&t);
    }
    return chosen;
}

QStringList themeOperations(int theme, int grade) {
    QStringList operations;
    for (const ProblemTemplate* t : sheetTemplates(theme, grade, kAllOperations)) {
        const QString name = operationName(t->plan->operators);
        if (!operations.contains(name)) operations << name;
    }
    return operations;
}

std::vector<int> themeGrades(int theme) {
    std::vector<int> grades;
    for (int grade = kFirstGrade; grade <= kLastGrade; ++grade)
        if (!sheetTemplates(theme, grade, kAllOperations).empty()) grades.push_back(grade);
    return grades;
}

namespace {

QString quotedList(const QStringList& items) {
    QStringList quoted;
    for (const QString& item : items)
        quoted << u'"' + item + u'"';
    return quoted.join(QStringLiteral(", "));
}

}  // namespace

CheckedChoices checkProblemChoices(const ProblemChoices& choices) {
    CheckedChoices checked{};
    checked.theme = themeIndex(choices.theme);
    if (checked.theme < 0) {
        QStringList names;
        for (const ProblemTheme& theme : problemThemes())
            names << theme.name;
        throw InputRefused(QStringLiteral("\"%1\" diye bir konu yok. Konular: %2.")
                               .arg(quotedValue(choices.theme), quotedList(names)));
    }
    const QString& themeName = problemThemes()[static_cast<size_t>(checked.theme)].name;
    bool number = false;
    checked.grade = choices.grade.toInt(&number);
    const std::vector<int> grades = themeGrades(checked.theme);
    if (!number || std::find(grades.begin(), grades.end(), checked.grade) == grades.end()) {
        QStringList allowed;
        for (const int grade : grades)
            allowed << QString::number(grade);
        throw InputRefused(QStringLiteral("\"%1\" problemleri %2. sınıflar içindir; \"%3\" "
                                          "seçilemez.")
                               .arg(themeName, allowed.join(QStringLiteral(", ")),
                                    quotedValue(choices.grade)));
    }
    const QStringList operations = themeOperations(checked.theme, checked.grade);
    if (choices.operation != kAllOperations && !operations.contains(choices.operation))
        throw InputRefused(QStringLiteral("%1. sınıfın \"%2\" problemlerinde \"%3\" işlemi yok. "
                                          "Seçilebilenler: %4.")
                               .arg(checked.grade)
                               .arg(themeName, quotedValue(choices.operation),
                                    quotedList(QStringList{kAllOperations.toString()} + operations)));
    checked.operation = choices.operation;
    checked.count = choices.count.toInt(&number);
    if (!number || checked.count < 1 || checked.count > limits::kMostProblems)
        throw InputRefused(QStringLiteral("Problem sayısı 1 ile %1 arasında bir tam sayı olmalıdır; "
                                          "\"%2\" olamaz.")
                               .arg(limits::kMostProblems)
                               .arg(quotedValue(choices.count)));
    if (choices.paper != kA4 && choices.paper != kA5)
        throw InputRefused(QStringLiteral("Sayfa \"A4\" ya da \"A5\" olmalıdır; \"%1\" olamaz.")
                               .arg(quotedValue(choices.paper)));
    checked.halfPage = choices.paper == kA5;
    return checked;
}

ProblemSheet drawProblemSheet(const CheckedChoices& choices, const Cast& cast, RandomDraw& random) {
    ProblemSheet sheet;
    sheet.theme = choices.theme;
    sheet.grade = choices.grade;
    sheet.operation = choices.operation;
    sheet.halfPage = choices.halfPage;
    const std::vector<const ProblemTemplate*> all =
        sheetTemplates(choices.theme, choices.grade, choices.operation);
    std::vector<const ProblemTemplate*> unused;
    // The pupil of the sheet is named in the first problem that names anyone.
    bool starred = false;
    for (int i = 0; i < choices.count; ++i) {
        // Every story once before any comes again.
        if (unused.empty()) unused = all;
        const size_t at = static_cast<size_t>(random.draw(static_cast<int32_t>(unused.size())));
        const ProblemTemplate* source = unused[at];
        unused.erase(unused.begin() + static_cast<std::ptrdiff_t>(at));
        sheet.problems.push_back(drawProblem(*source, choices.grade, cast, !starred, random));
        starred = starred || !sheet.problems.back().names.isEmpty();
    }
    return sheet;
}

ExerciseList problemExercises(const ProblemSheet& sheet) {
    ExerciseList exercises;
    exercises.reserve(sheet.problems.size());
    int number = 0;
    for (const Problem& p : sheet.problems) {
        Exercise e;
        e.number = ++number;
        e.text = p.text;
        e.answer = p.key;
        e.key = p.key;
        e.shape = ExerciseShape::Problem;
        const bool posing = problemThemes()[static_cast<size_t>(p.source->theme)].posing;
        e.values = {
            {QStringLiteral("theme"), problemThemes()[static_cast<size_t>(p.source->theme)].name},
            {QStringLiteral("operation"), operationName(p.source->plan->operators)},
            {QStringLiteral("numbers"), p.numbers},
            {QStringLiteral("names"), p.names.join(QStringLiteral(", "))},
            {QStringLiteral("objects"), p.objects.join(QStringLiteral(", "))},
            {QStringLiteral("result"), problemResult(p)},
            {QStringLiteral("unit"), p.unit},
            {QStringLiteral("answerForm"), p.answerForm},
            {QStringLiteral("givenAndAsked"), sheet.grade >= 3 && !posing},
            {QStringLiteral("posing"), posing},
        };
        if (p.steps.back().remainder >= 0)
            e.values.push_back({QStringLiteral("remainder"), p.steps.back().remainder});
        exercises.push_back(std::move(e));
    }
    return exercises;
}

}  // namespace zarvik
