#pragma once
// Drawing word problems from the templates: the numbers by the template's
// plan, the names from the class (or the default list), objects that fit
// the numbers, and the sentences with every slot's endings; the key writes
// the operations and the result with its unit.

#include <QString>
#include <QStringList>
#include <vector>

#include "common/core/Exercise.h"
#include "common/core/RandomDraw.h"
#include "word_problems/core/ProblemTemplates.h"

namespace zarvik {

struct Problem {
    const ProblemTemplate* source = nullptr;
    QString text;
    // The operations and the result: "45 + 27 = 72 bilye",
    // "45 + 27 = 72; 72 − 18 = 54 bilye", "29 ÷ 4 = 7, kalan 1".
    QString key;
    // The answer line, blanks as "___": "___ bilye", "___ lira ___ kuruş".
    QString answerForm;
    // The numbers the text gives, in its order (money in kuruş, times of day
    // in minutes after midnight).
    std::vector<int64_t> numbers;
    QStringList names;
    QStringList objects;
    QString unit;
    std::vector<Step> steps;
};

// Who the problems of a sheet name: the pool, and the pupil whose sheet it is.
struct Cast {
    QStringList names;
    QString star;  // named in the sheet's first problem that names anyone; empty: none
};

// The first names of a class list ("AYŞE NUR YILMAZ" → "Ayşe Nur"), each once.
QStringList firstNames(const QStringList& classList);
// The pupil's first name.
QString firstName(const QString& fullName);
// The cast of a sheet: the class's first names, with default names added
// when the class has fewer than two; the default names without a class.
Cast castOf(const QStringList& classFirstNames, const QString& star);

Problem drawProblem(const ProblemTemplate& source, int grade, const Cast& cast, bool withStar,
                    RandomDraw& random);

// The key's value of the last step: the result, or the remainder's quotient.
int64_t problemResult(const Problem& problem);

struct ProblemChoices {
    QString theme;      // a theme's name
    QString grade;      // "1" … "4"
    QString operation;  // kAllOperations or an operation's name
    QString count;      // problems on the sheet
    QString paper;      // "A4" or "A5"
    QString teacher;
    QString date;
};

inline constexpr QStringView kAllOperations = u"Karışık";
inline constexpr QStringView kA4 = u"A4";
inline constexpr QStringView kA5 = u"A5";

// The templates a sheet draws from; the mixed theme takes every theme's but
// the posing ones.
std::vector<const ProblemTemplate*> sheetTemplates(int theme, int grade, QStringView operation);
// The operations of a theme's templates for a grade, in table order.
QStringList themeOperations(int theme, int grade);
// The grades a theme has templates for.
std::vector<int> themeGrades(int theme);
// The theme of that name, or -1.
int themeIndex(QStringView name);

struct ProblemSheet {
    int theme = 0;
    int grade = 0;
    QString operation;
    bool halfPage = false;
    std::vector<Problem> problems;
};

// Checked choices: throws InputRefused naming what may be chosen.
struct CheckedChoices {
    int theme;
    int grade;
    QString operation;
    int count;
    bool halfPage;
};
CheckedChoices checkProblemChoices(const ProblemChoices& choices);

// count problems, no template twice before every eligible one was used.
ProblemSheet drawProblemSheet(const CheckedChoices& choices, const Cast& cast, RandomDraw& random);

// The problems as exercises: shape "problem", the key as their answer.
ExerciseList problemExercises(const ProblemSheet& sheet);

}  // namespace zarvik
