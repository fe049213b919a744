#pragma once
// Word problems as data: the themes (the kinds a teacher picks), the
// templates (one row each: theme, plan of operations, number ranges per
// grade, what fills the object and unit slots, the sentences with the
// endings each slot takes), the objects and units, and the default names.
//
// A template's text holds slots in braces, filled when a problem is drawn:
//   {N1} {N2}      names;       {O} {P}   two different objects;  {U} a unit
//   {a} … {z}      numbers in digits, {n/d} a fraction;
//   @money @time @clock @words  write a number as money ("12 lira 50 kuruş"),
//                  a duration, a time of day ("dördü çeyrek geçe") or words;
//   :gen.dat …     endings after a colon, in order (TurkishSuffixes.h):
//                  pl poss acc dat loc abl gen ins eq lik dist ord cop.
// "{N1:gen} {a} {O:poss} vardı." is "Ali'nin 23 bilyesi vardı."

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "common/core/RandomDraw.h"

namespace zarvik {

// What a template's measured numbers are: counts, money in kuruş, minutes
// written as minutes, or minutes written as hours and minutes.
enum class Quantity { Count, Money, Minutes, HoursMinutes };

// The numbers of one grade: the first (lo..hi), second (lo2..hi2) and third
// (lo3..hi3) ranges, as the template's plan reads them, drawn in steps of
// `step`. A grade whose hi is 0 has no problems of the template.
struct GradeRange {
    int lo = 0;
    int hi = 0;
    int lo2 = 0;
    int hi2 = 0;
    int lo3 = 0;
    int hi3 = 0;
    int step = 1;
};

// One part of an operation on the key: what the number stands for.
enum class Role { Plain, Measure, Clock, Duration };

struct Operand {
    int64_t value = 0;
    Role role = Role::Plain;
};

// "45 + 27 = 72", "29 ÷ 4 = 7, kalan 1": terms joined by operators.
struct Step {
    std::vector<Operand> terms;
    QString operators;  // one for each term after the first: + − × ÷
    Operand result;
    int64_t remainder = -1;  // a division's, or -1
};

// The drawn numbers of a problem, by their letters, and its steps.
struct DrawnNumbers {
    std::array<int64_t, 26> value{};
    std::array<bool, 26> set{};
    std::vector<Step> steps;

    void put(char16_t letter, int64_t v) {
        value[letter - u'a'] = v;
        set[letter - u'a'] = true;
    }
    int64_t operator[](char16_t letter) const { return value[letter - u'a']; }
};

// How the numbers of a template are drawn and combined.
struct Plan {
    // The operators its steps use, in order ("+−" for add, then take away).
    QStringView operators;
    void (*draw)(const GradeRange& range, RandomDraw& random, DrawnNumbers& numbers);
};

enum class ObjectKind {
    None,
    Collection,  // what a child has and gives: bilye, çıkartma
    Fruit,       // in baskets and orchards
    Treat,       // shared out on plates
    Stationery,  // bought at the stationer's
    Clothing,    // bought at a shop, for larger sums
    Toy,         // saved up for
    Produce,     // sold by the kilogram
    Flower,
    LengthUnit,  // cm, m
    BodyUnit,    // karış, adım: the first grade's units
};

struct ProblemTheme {
    QString name;   // the kind: "Toplama"
    QString title;  // the page's title: "Toplama Problemleri"
    bool posing = false;
};

struct ProblemTemplate {
    int theme;  // index into problemThemes()
    const Plan* plan;
    std::array<GradeRange, 4> grades;  // grades 1..4
    Quantity quantity;
    ObjectKind objects;
    // The answer's unit for counts: a word, "{O}" or "{U}"; empty: none.
    QStringView unit;
    QStringView text;

    bool forGrade(int grade) const { return grades[static_cast<size_t>(grade - 1)].hi > 0; }
    const GradeRange& range(int grade) const { return grades[static_cast<size_t>(grade - 1)]; }
};

// An object of a kind, with the largest count it sensibly comes in.
struct ProblemObject {
    QStringView noun;
    ObjectKind kind;
    int most;
    bool abbreviation = false;  // a unit written short: "cm"
};

const std::vector<ProblemTheme>& problemThemes();
// The theme that takes every other theme's templates.
inline constexpr int kMixedTheme = 0;
const std::vector<ProblemTemplate>& problemTemplates();
const std::vector<ProblemObject>& problemObjects();
// Common Turkish first names, for sheets without a class list.
const QStringList& defaultNames();

// "Toplama", "Çarpma ve Toplama", "Bölme, Çarpma ve Çıkarma".
QString operationName(QStringView operators);

inline constexpr int kFirstGrade = 1;
inline constexpr int kLastGrade = 4;

}  // namespace zarvik
