#include "word_problems/core/ProblemTemplates.h"

#include <algorithm>
#include <numeric>

namespace zarvik {

namespace {

// ---- drawing numbers ----

// A multiple of step from lo to hi, both included; lo when the range is empty.
int64_t between(RandomDraw& random, int64_t lo, int64_t hi, int64_t step = 1) {
    const int64_t first = (lo + step - 1) / step * step;
    const int64_t last = hi / step * step;
    if (last <= first) return first;
    return first + step * random.draw(static_cast<int32_t>((last - first) / step + 1));
}

Operand measure(int64_t v) {
    return {v, Role::Measure};
}
Operand plain(int64_t v) {
    return {v, Role::Plain};
}
Operand clock(int64_t v) {
    return {v, Role::Clock};
}
Operand duration(int64_t v) {
    return {v, Role::Duration};
}

Step step(std::vector<Operand> terms, QString operators, Operand result, int64_t remainder = -1) {
    return {std::move(terms), std::move(operators), result, remainder};
}

const QString kPlus = QStringLiteral("+");
const QString kMinus = QStringLiteral("−");
const QString kTimes = QStringLiteral("×");
const QString kDivided = QStringLiteral("÷");

// a + b, the sum at most hi, each part at least lo.
void sum(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t r = between(random, 2 * g.lo, g.hi, g.step);
    const int64_t a = between(random, g.lo, r - g.lo, g.step);
    n.put(u'a', a);
    n.put(u'b', r - a);
    n.steps = {step({measure(a), measure(r - a)}, kPlus, measure(r))};
}

void sumOfThree(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t r = between(random, 3 * g.lo, g.hi, g.step);
    const int64_t a = between(random, g.lo, r - 2 * g.lo, g.step);
    const int64_t b = between(random, g.lo, r - a - g.lo, g.step);
    n.put(u'a', a);
    n.put(u'b', b);
    n.put(u'c', r - a - b);
    n.steps = {step({measure(a), measure(b), measure(r - a - b)}, kPlus + kPlus, measure(r))};
}

// a − b, both from the first range; or a from the first and b from the
// second (ages), b always smaller.
void difference(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    int64_t a, b;
    if (g.hi2 == 0) {
        a = between(random, 2 * g.lo, g.hi, g.step);
        b = between(random, g.lo, a - g.lo, g.step);
    } else {
        a = between(random, g.lo, g.hi, g.step);
        b = between(random, g.lo2, std::min<int64_t>(g.hi2, a - g.step), g.step);
    }
    n.put(u'a', a);
    n.put(u'b', b);
    n.steps = {step({measure(a), measure(b)}, kMinus, measure(a - b))};
}

void addThenSubtract(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t s = between(random, 2 * g.lo, g.hi, g.step);
    const int64_t a = between(random, g.lo, s - g.lo, g.step);
    const int64_t c = between(random, g.lo, s - g.lo, g.step);
    n.put(u'a', a);
    n.put(u'b', s - a);
    n.put(u'c', c);
    n.steps = {step({measure(a), measure(s - a)}, kPlus, measure(s)),
               step({measure(s), measure(c)}, kMinus, measure(s - c))};
}

void subtractTwice(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t a = between(random, 3 * g.lo, g.hi, g.step);
    const int64_t b = between(random, g.lo, a - 2 * g.lo, g.step);
    const int64_t c = between(random, g.lo, a - b - g.lo, g.step);
    n.put(u'a', a);
    n.put(u'b', b);
    n.put(u'c', c);
    n.steps = {step({measure(a), measure(b)}, kMinus, measure(a - b)),
               step({measure(a - b), measure(c)}, kMinus, measure(a - b - c))};
}

void subtractThenAdd(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t a = between(random, 2 * g.lo, g.hi, g.step);
    const int64_t b = between(random, g.lo, a - g.lo, g.step);
    const int64_t c = between(random, g.lo, std::max<int64_t>(g.lo, g.hi - (a - b)), g.step);
    n.put(u'a', a);
    n.put(u'b', b);
    n.put(u'c', c);
    n.steps = {step({measure(a), measure(b)}, kMinus, measure(a - b)),
               step({measure(a - b), measure(c)}, kPlus, measure(a - b + c))};
}

// a groups of b: a from the first range, b from the second.
void product(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t a = between(random, g.lo, g.hi);
    const int64_t b = between(random, g.lo2, g.hi2, g.step);
    n.put(u'a', a);
    n.put(u'b', b);
    n.steps = {step({plain(a), measure(b)}, kTimes, measure(a * b))};
}

// a groups of b, and c more (the third range).
void productThenAdd(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    product(g, random, n);
    const int64_t p = n[u'a'] * n[u'b'];
    const int64_t c = between(random, g.lo3, g.hi3, g.step);
    n.put(u'c', c);
    n.steps.push_back(step({measure(p), measure(c)}, kPlus, measure(p + c)));
}

// a groups of b, c of them taken away (the third range, less than all).
void productThenRemove(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    product(g, random, n);
    const int64_t p = n[u'a'] * n[u'b'];
    const int64_t c = between(random, std::min<int64_t>(g.lo3, p - 1),
                              std::min<int64_t>(g.hi3, p - 1), g.step);
    n.put(u'c', c);
    n.steps.push_back(step({measure(p), measure(c)}, kMinus, measure(p - c)));
}

// What is handed to the cashier for a price: a note, or notes adding up to a
// round sum, more than the price. One of the two smallest that will do.
int64_t payment(int64_t price, RandomDraw& random) {
    static constexpr int64_t kAmounts[] = {500,    1000,   2000,   5000,   10000,
                                           20000,  50000,  100000, 200000, 500000};
    std::vector<int64_t> fits;
    for (const int64_t amount : kAmounts)
        if (amount > price && fits.size() < 2) fits.push_back(amount);
    if (fits.empty()) return (price / 100000 + 1) * 100000;
    return fits[static_cast<size_t>(random.draw(static_cast<int32_t>(fits.size())))];
}

// The change for a price (first range) paid with a note.
void change(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t a = between(random, g.lo, g.hi, g.step);
    const int64_t b = payment(a, random);
    n.put(u'a', a);
    n.put(u'b', b);
    n.steps = {step({measure(b), measure(a)}, kMinus, measure(b - a))};
}

// a things at b each, paid with c.
void productThenPay(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    product(g, random, n);
    const int64_t p = n[u'a'] * n[u'b'];
    const int64_t c = payment(p, random);
    n.put(u'c', c);
    n.steps.push_back(step({measure(c), measure(p)}, kMinus, measure(c - p)));
}

// a shared by b: a quotient from the first range, a divisor from the second.
void share(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t q = between(random, g.lo, g.hi, g.step);
    const int64_t b = between(random, g.lo2, g.hi2);
    n.put(u'a', q * b);
    n.put(u'b', b);
    n.steps = {step({measure(q * b), plain(b)}, kDivided, measure(q))};
}

// a put into groups of b: how many groups.
void groups(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t q = between(random, g.lo, g.hi);
    const int64_t b = between(random, g.lo2, g.hi2, g.step);
    n.put(u'a', q * b);
    n.put(u'b', b);
    n.steps = {step({measure(q * b), measure(b)}, kDivided, plain(q))};
}

void shareWithRemainder(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t q = between(random, g.lo, g.hi);
    const int64_t b = between(random, std::max(2, g.lo2), g.hi2);
    const int64_t r = between(random, 1, b - 1);
    n.put(u'a', q * b + r);
    n.put(u'b', b);
    n.steps = {step({plain(q * b + r), plain(b)}, kDivided, plain(q), r)};
}

// (a + b) ÷ k: the quotient from the first range, k from the second.
void sumThenShare(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t q = between(random, g.lo, g.hi);
    const int64_t k = between(random, g.lo2, g.hi2);
    const int64_t s = q * k;
    const int64_t a = between(random, std::max<int64_t>(1, s / 4), std::max<int64_t>(1, 3 * s / 4));
    n.put(u'a', a);
    n.put(u'b', s - a);
    n.put(u'k', k);
    n.steps = {step({measure(a), measure(s - a)}, kPlus, measure(s)),
               step({measure(s), plain(k)}, kDivided, measure(q))};
}

// 1/d of a: a part from the first range, d from the second.
void unitFractionOf(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t k = between(random, g.lo, g.hi, g.step);
    const int64_t d = between(random, g.lo2, g.hi2);
    n.put(u'a', k * d);
    n.put(u'n', 1);
    n.put(u'd', d);
    n.steps = {step({measure(k * d), plain(d)}, kDivided, measure(k))};
}

// n/d of a in lowest terms, n from 2 to d − 1 (or 1 for halves).
void fractionOf(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t k = between(random, g.lo, g.hi, g.step);
    const int64_t d = between(random, g.lo2, g.hi2);
    std::vector<int64_t> tops;
    for (int64_t top = 2; top < d; ++top)
        if (std::gcd(top, d) == 1) tops.push_back(top);
    const int64_t top =
        tops.empty() ? 1 : tops[static_cast<size_t>(random.draw(static_cast<int32_t>(tops.size())))];
    n.put(u'a', k * d);
    n.put(u'n', top);
    n.put(u'd', d);
    n.steps = {step({measure(k * d), plain(d)}, kDivided, measure(k))};
    if (top > 1) n.steps.push_back(step({measure(k), plain(top)}, kTimes, measure(k * top)));
}

// What is left of a after n/d of it.
void fractionRemaining(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    fractionOf(g, random, n);
    const int64_t a = n[u'a'];
    const int64_t part = n.steps.back().result.value;
    n.steps.push_back(step({measure(a), measure(part)}, kMinus, measure(a - part)));
}

// A start time t (minutes after midnight, first range) and m minutes (second).
void endTime(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t t = between(random, g.lo, g.hi, g.step);
    const int64_t m = between(random, g.lo2, g.hi2, g.step);
    n.put(u't', t);
    n.put(u'm', m);
    n.steps = {step({clock(t), duration(m)}, kPlus, clock(t + m))};
}

void elapsedTime(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t t = between(random, g.lo, g.hi, g.step);
    const int64_t m = between(random, g.lo2, g.hi2, g.step);
    n.put(u't', t);
    n.put(u'e', t + m);
    n.steps = {step({clock(t + m), clock(t)}, kMinus, duration(m))};
}

void startTime(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t t = between(random, g.lo, g.hi, g.step);
    const int64_t m = between(random, g.lo2, g.hi2, g.step);
    n.put(u'e', t + m);
    n.put(u'm', m);
    n.steps = {step({clock(t + m), duration(m)}, kMinus, clock(t))};
}

// a large units and b small ones in small units: the factor is lo3.
void conversion(const GradeRange& g, RandomDraw& random, DrawnNumbers& n) {
    const int64_t a = between(random, g.lo, g.hi);
    const int64_t b = between(random, g.lo2, g.hi2, g.step);
    const int64_t f = g.lo3;
    n.put(u'a', a);
    n.put(u'b', b);
    n.steps = {step({plain(a), plain(f)}, kTimes, plain(a * f)),
               step({plain(a * f), plain(b)}, kPlus, plain(a * f + b))};
}

const Plan kSum{u"+", sum};
const Plan kSumOfThree{u"+", sumOfThree};
const Plan kDifference{u"−", difference};
const Plan kAddThenSubtract{u"+−", addThenSubtract};
const Plan kSubtractTwice{u"−", subtractTwice};
const Plan kSubtractThenAdd{u"−+", subtractThenAdd};
const Plan kProduct{u"×", product};
const Plan kProductThenAdd{u"×+", productThenAdd};
const Plan kProductThenRemove{u"×−", productThenRemove};
const Plan kChange{u"−", change};
const Plan kProductThenPay{u"×−", productThenPay};
const Plan kShare{u"÷", share};
const Plan kGroups{u"÷", groups};
const Plan kShareWithRemainder{u"÷", shareWithRemainder};
const Plan kSumThenShare{u"+÷", sumThenShare};
const Plan kUnitFractionOf{u"÷", unitFractionOf};
const Plan kFractionOf{u"÷×", fractionOf};
const Plan kFractionRemaining{u"÷×−", fractionRemaining};
const Plan kEndTime{u"+", endTime};
const Plan kElapsedTime{u"−", elapsedTime};
const Plan kStartTime{u"−", startTime};
const Plan kConversion{u"×+", conversion};

// ---- the tables ----

enum Theme {
    Mixed,
    Addition,
    Subtraction,
    TwoSteps,
    Multiplication,
    Division,
    Comparison,
    Money,
    Time,
    Length,
    Mass,
    Fractions,
    Posing,
};

constexpr GradeRange R(int lo, int hi, int lo2 = 0, int hi2 = 0, int lo3 = 0, int hi3 = 0,
                       int step = 1) {
    return {lo, hi, lo2, hi2, lo3, hi3, step};
}
// A range drawn in steps (money in kuruş, times in minutes).
constexpr GradeRange S(int step, int lo, int hi, int lo2 = 0, int hi2 = 0) {
    return {lo, hi, lo2, hi2, 0, 0, step};
}
constexpr GradeRange __ = {};

// Times of day in minutes after midnight.
constexpr int h(int hour, int minute = 0) {
    return hour * 60 + minute;
}

}  // namespace

const std::vector<ProblemTheme>& problemThemes() {
    static const std::vector<ProblemTheme> themes = {
        {QStringLiteral("Karışık"), QStringLiteral("Karışık Problemler")},
        {QStringLiteral("Toplama"), QStringLiteral("Toplama Problemleri")},
        {QStringLiteral("Çıkarma"), QStringLiteral("Çıkarma Problemleri")},
        {QStringLiteral("İki İşlemli"), QStringLiteral("İki İşlemli Problemler")},
        {QStringLiteral("Çarpma"), QStringLiteral("Çarpma Problemleri")},
        {QStringLiteral("Bölme"), QStringLiteral("Bölme Problemleri")},
        {QStringLiteral("Karşılaştırma"), QStringLiteral("Karşılaştırma Problemleri")},
        {QStringLiteral("Paralarımız"), QStringLiteral("Para Problemleri")},
        {QStringLiteral("Zaman Ölçme"), QStringLiteral("Zaman Ölçme Problemleri")},
        {QStringLiteral("Uzunluk Ölçme"), QStringLiteral("Uzunluk Ölçme Problemleri")},
        {QStringLiteral("Tartma"), QStringLiteral("Tartma Problemleri")},
        {QStringLiteral("Kesirler"), QStringLiteral("Kesir Problemleri")},
        {QStringLiteral("Problem Kurma"), QStringLiteral("Problem Kurma"), true},
    };
    return themes;
}

const std::vector<ProblemTemplate>& problemTemplates() {
    using Q = Quantity;
    using O = ObjectKind;
    // Grades 1 to 4: the first grade counts to 20, the second to 100, the
    // third to 1000 and the fourth to 10 000; multiplication and division
    // start in the second grade, fractions of a quantity beyond halves and
    // quarters in the third.
    static const std::vector<ProblemTemplate> templates = {
        // ---- Toplama ----
        {Addition, &kSum, {R(1, 20), R(5, 100), __, __}, Q::Count, O::Collection, u"{O}",
         u"{N1:gen} {a} {O:poss} vardı. {N2} ona {b} {O} daha verdi. {N1:gen} kaç {O:poss} oldu?"},
        {Addition, &kSum, {R(1, 20), R(5, 100), __, __}, Q::Count, O::Fruit, u"{O}",
         u"Bir sepette {a} {O} vardı. {N1} sepete {b} {O} daha koydu. Sepette kaç {O} oldu?"},
        {Addition, &kSum, {R(1, 20), R(5, 100), R(20, 300), __}, Q::Count, O::None, u"sayfa",
         u"{N1} dün {a}, bugün {b} sayfa kitap okudu. {N1} iki günde toplam kaç sayfa kitap okudu?"},
        {Addition, &kSum, {R(3, 20), R(5, 40), __, __}, Q::Count, O::None, u"öğrenci",
         u"Bir sınıfta {a} kız, {b} erkek öğrenci vardır. Sınıfta toplam kaç öğrenci vardır?"},
        {Addition, &kSum, {__, __, R(100, 1000), R(500, 3000)}, Q::Count, O::None, u"öğrenci",
         u"Bir okulda {a} kız, {b} erkek öğrenci vardır. Okulda toplam kaç öğrenci vardır?"},
        {Addition, &kSum, {__, __, R(100, 1000), R(1000, 10000)}, Q::Count, O::None, u"yumurta",
         u"Bir çiftlikte bu hafta {a} yumurta toplandı. Geçen hafta ise {b} yumurta toplanmıştı. "
         u"İki haftada toplam kaç yumurta toplandı?"},
        {Addition, &kSum, {__, R(5, 100), R(50, 1000), R(500, 10000)}, Q::Count, O::None, u"fidan",
         u"Bir fidanlıkta {a} çam fidanı ve {b} meşe fidanı vardır. Fidanlıkta toplam kaç fidan "
         u"vardır?"},
        {Addition, &kSumOfThree, {__, R(5, 100), R(20, 300), R(50, 1000)}, Q::Count, O::None,
         u"soru",
         u"{N1} pazartesi {a}, salı {b}, çarşamba {c} soru çözdü. {N1} üç günde toplam kaç soru "
         u"çözdü?"},
        {Addition, &kSum, {R(1, 20), R(5, 60), __, __}, Q::Count, O::None, u"yolcu",
         u"Bir otobüste {a} yolcu vardı. Durakta {b} yolcu daha bindi. Otobüste kaç yolcu oldu?"},
        {Addition, &kSum, {__, __, R(100, 1000), R(1000, 10000)}, Q::Count, O::None, u"kitap",
         u"Bir kitabevi ocak ayında {a}, şubat ayında {b} kitap sattı. Kitabevi bu iki ayda toplam "
         u"kaç kitap sattı?"},
        {Addition, &kSum, {R(1, 20), R(5, 100), R(50, 1000), __}, Q::Count, O::Flower, u"{O}",
         u"{N1} bahçeye {a} {O} dikti. Ertesi gün {b} {O} daha dikti. {N1} toplam kaç {O} dikti?"},
        {Addition, &kSum, {__, __, R(100, 1000), R(1000, 10000)}, Q::Count, O::None, u"kişi",
         u"Bir müzeyi cumartesi günü {a}, pazar günü {b} kişi ziyaret etti. Müzeyi hafta sonu "
         u"toplam kaç kişi ziyaret etti?"},

        // ---- Çıkarma ----
        {Subtraction, &kDifference, {R(1, 20), R(5, 100), __, __}, Q::Count, O::Collection, u"{O}",
         u"{N1:gen} {a} {O:poss} vardı. Bunların {b:poss.acc} {N2:dat} verdi. {N1:gen} kaç {O:poss} "
         u"kaldı?"},
        {Subtraction, &kDifference, {R(1, 20), R(5, 50), __, __}, Q::Count, O::None, u"kuş",
         u"Bir ağaçta {a} kuş vardı. Kuşlardan {b:poss} uçup gitti. Ağaçta kaç kuş kaldı?"},
        {Subtraction, &kDifference, {__, R(5, 100), R(50, 500), R(100, 1000)}, Q::Count, O::None,
         u"sayfa",
         u"{N1} {a} sayfalık kitabının {b} sayfasını okudu. Kitabı bitirmek için kaç sayfa daha "
         u"okumalı?"},
        {Subtraction, &kDifference, {__, __, R(100, 1000), R(500, 3000)}, Q::Count, O::None,
         u"öğrenci",
         u"Bir okulda {a} öğrenci vardır. Bunların {b:poss} kızdır. Okulda kaç erkek öğrenci "
         u"vardır?"},
        {Subtraction, &kDifference, {__, __, R(100, 1000), R(500, 3000)}, Q::Count, O::None,
         u"koltuk",
         u"Bir tiyatro salonunda {a} koltuk vardır. Bir gösteriye {b} seyirci geldi. Salonda kaç "
         u"koltuk boş kaldı?"},
        {Subtraction, &kDifference, {__, R(10, 100), R(100, 1000), R(500, 3000)}, Q::Count, O::None,
         u"parça",
         u"{N1} {a} parçalık bir yapbozun {b} parçasını yerleştirdi. Yapbozu tamamlamak için kaç "
         u"parça daha yerleştirmelidir?"},
        {Subtraction, &kDifference, {R(1, 20), R(5, 100), __, __}, Q::Count, O::Collection, u"{O}",
         u"{N1:gen} {b} {O:poss} var. {N1:gen} {a} {O:poss} olması için kaç {O} daha gerekir?"},
        {Subtraction, &kDifference, {R(1, 20), R(5, 60), __, __}, Q::Count, O::None, u"yolcu",
         u"Bir otobüste {a} yolcu vardı. Durakta {b} yolcu indi. Otobüste kaç yolcu kaldı?"},
        {Subtraction, &kDifference, {__, R(10, 100), R(100, 1000), __}, Q::Count, O::Fruit, u"{O}",
         u"Bir manavda {a} {O} vardı. Gün içinde {O:pl.abl} {b:poss} satıldı. Manavda kaç {O} "
         u"kaldı?"},
        {Subtraction, &kDifference, {__, __, R(100, 1000), R(1000, 10000)}, Q::Count, O::None,
         u"kitap",
         u"Bir kütüphanede {a} kitap vardır. Bu kitapların {b:poss} ödünç verildi. Kütüphanede kaç "
         u"kitap kaldı?"},

        // ---- İki İşlemli ----
        {TwoSteps, &kAddThenSubtract, {__, R(5, 100), __, __}, Q::Count, O::Collection, u"{O}",
         u"{N1:gen} {a} {O:poss} vardı. Doğum gününde ona {b} {O} hediye edildi. Sonra "
         u"{O:pl.abl} {c:poss.acc} {N2:dat} verdi. {N1:gen} kaç {O:poss} kaldı?"},
        {TwoSteps, &kSubtractTwice, {__, R(5, 60), R(10, 100), __}, Q::Count, O::None, u"yolcu",
         u"Bir otobüste {a} yolcu vardı. İlk durakta {b}, ikinci durakta {c} yolcu indi. Otobüste "
         u"kaç yolcu kaldı?"},
        {TwoSteps, &kSubtractThenAdd, {__, R(10, 100), R(100, 1000), R(1000, 10000)}, Q::Count,
         O::None, u"kitap",
         u"Bir kütüphanede {a} kitap vardı. Öğrenciler bu kitaplardan {b:poss.acc} ödünç aldı. "
         u"Kütüphaneye {c} yeni kitap geldi. Kütüphanede kaç kitap oldu?"},
        {TwoSteps, &kAddThenSubtract, {__, __, R(50, 1000), R(500, 5000)}, Q::Count, O::Fruit,
         u"{O}",
         u"Bir manava sabah {a} {O}, öğleden sonra {b} {O} geldi. Akşama kadar {O:pl.abl} "
         u"{c:poss} satıldı. Manavda kaç {O} kaldı?"},
        {TwoSteps, &kProductThenAdd, {__, __, R(2, 5, 2, 12, 1, 20), __}, Q::Count, O::Stationery,
         u"{O}",
         u"{N1} her birinde {b} {O} olan {a} paket aldı. Evde zaten {c} {O:poss} vardı. {N1:gen} "
         u"şimdi kaç {O:poss} var?"},
        {TwoSteps, &kProductThenAdd, {__, __, __, R(10, 50, 12, 48, 10, 500)}, Q::Count,
         O::Stationery, u"{O}",
         u"Bir kırtasiye, her birinde {b} {O} olan {a} koli aldı. Depoda zaten {c} {O} vardı. "
         u"Kırtasiyede şimdi kaç {O} var?"},
        {TwoSteps, &kProductThenRemove, {__, __, R(2, 9, 10, 30, 5, 50), R(10, 50, 20, 40, 100, 500)},
         Q::Count, O::None, u"domates",
         u"Bir çiftçi {a} kasa domates topladı. Her kasada {b} domates vardı. Çiftçi domateslerin "
         u"{c:poss.acc} pazarda sattı. Kaç domates kaldı?"},
        {TwoSteps, &kSumThenShare, {__, __, R(5, 20, 2, 5), R(20, 40, 2, 9)}, Q::Count, O::None,
         u"öğrenci",
         u"Bir okulda {a} kız ve {b} erkek öğrenci geziye katılacak. Öğrenciler {k} otobüse eşit "
         u"sayıda binecek. Her otobüste kaç öğrenci olacak?"},
        {TwoSteps, &kSubtractThenAdd, {__, R(5, 100), __, __}, Q::Count, O::Collection, u"{O}",
         u"{N1:gen} {a} {O:poss} vardı. Bunların {b:poss.acc} kaybetti. Sonra annesi ona {c} {O} "
         u"aldı. {N1:gen} kaç {O:poss} oldu?"},

        // ---- Çarpma ----
        {Multiplication, &kProduct, {__, R(2, 5, 2, 5), R(2, 9, 2, 10), __}, Q::Count, O::Treat,
         u"{O}",
         u"Masada {a} tabak var. Her tabakta {b} {O} vardır. Tabaklarda toplam kaç {O} vardır?"},
        {Multiplication, &kProduct, {__, R(2, 5, 2, 10), R(2, 9, 10, 24), __}, Q::Count,
         O::Stationery, u"{O}",
         u"Bir kutuda {b} {O} vardır. {N1} {a} kutu {O} aldı. {N1} toplam kaç {O} aldı?"},
        {Multiplication, &kProduct, {__, __, __, R(10, 50, 12, 48)}, Q::Count, O::Stationery, u"{O}",
         u"Okul, her birinde {b} {O} olan {a} koli {O} aldı. Okul toplam kaç {O} aldı?"},
        {Multiplication, &kProduct, {__, R(2, 10, 2, 3), R(5, 12, 2, 3), __}, Q::Count, O::None,
         u"öğrenci",
         u"Bir sınıfta {a} sıra vardır. Her sırada {b} öğrenci oturuyor. Sınıfta kaç öğrenci "
         u"vardır?"},
        {Multiplication, &kProduct, {__, __, R(2, 9, 20, 50), R(10, 40, 30, 55)}, Q::Count, O::None,
         u"koltuk",
         u"Okul gezisi için {a} otobüs kiralandı. Her otobüste {b} koltuk vardır. Otobüslerde "
         u"toplam kaç koltuk vardır?"},
        {Multiplication, &kProduct, {__, __, R(5, 30, 20, 30), R(50, 300, 20, 30)}, Q::Count, O::None,
         u"yumurta",
         u"Bir çiftlikte {a} tavuk vardır. Her tavuk bir ayda {b} yumurta verir. Tavuklar bir ayda "
         u"toplam kaç yumurta verir?"},
        {Multiplication, &kProduct, {__, R(2, 5, 2, 10), R(2, 9, 5, 20), R(10, 30, 10, 40)}, Q::Count,
         O::None, u"sayfa",
         u"{N1} her gün {b} sayfa kitap okuyor. {N1} {a} günde kaç sayfa kitap okur?"},
        {Multiplication, &kProduct, {__, R(2, 5, 2, 5), R(2, 9, 2, 9), __}, Q::Count, O::Stationery,
         u"{O}",
         u"{N1} {a} arkadaşına {b@words:dist} {O} verdi. {N1} toplam kaç {O} verdi?"},

        // ---- Bölme ----
        {Division, &kShare, {__, R(2, 5, 2, 4), R(2, 12, 2, 9), __}, Q::Count, O::Treat, u"{O}",
         u"{N1} {a} {O:acc} {b} arkadaşına eşit olarak paylaştırdı. Her arkadaşına kaçar {O} "
         u"verdi?"},
        {Division, &kShare, {__, __, __, R(5, 30, 10, 30)}, Q::Count, O::Treat, u"{O}",
         u"Öğretmen {a} {O:acc} {b} öğrenciye eşit olarak paylaştırdı. Her öğrenciye kaçar {O} "
         u"düştü?"},
        {Division, &kGroups, {__, R(2, 5, 2, 4), R(2, 10, 2, 9), R(10, 60, 5, 12)}, Q::Count, O::Fruit,
         u"poşet",
         u"Bir manav {a} {O:acc} poşetlere {b@words:dist} koydu. Kaç poşet {O} oldu?"},
        {Division, &kShareWithRemainder, {__, __, R(2, 9, 2, 9), R(10, 50, 3, 9)}, Q::Count, O::Treat,
         u"",
         u"{N1} {a} {O:acc} {b} arkadaşına eşit olarak paylaştırmak istiyor. Her arkadaşına kaçar "
         u"{O} verir ve kaç {O} kalır?"},
        {Division, &kShareWithRemainder, {__, __, R(4, 8, 3, 5), R(5, 40, 10, 25)}, Q::Count,
         O::None, u"",
         u"Bir okulda {a} öğrenci geziye gidecek. Öğretmenler {b} kişilik gruplar oluşturdu. Kaç "
         u"grup oluştu ve gruba girmeyen kaç öğrenci kaldı?"},
        {Division, &kShareWithRemainder, {__, __, R(2, 9, 2, 9), R(10, 99, 5, 12)}, Q::Count,
         O::None, u"",
         u"Bir fırıncı {a} simidi poşetlere {b@words:dist} koydu. Kaç poşet doldu ve kaç simit "
         u"kaldı?"},
        {Division, &kShare, {__, __, R(5, 20, 2, 9), R(10, 50, 5, 20)}, Q::Count, O::None, u"sayfa",
         u"{N1} {a} sayfalık kitabını {b} günde bitirdi. Her gün eşit sayıda sayfa okuduğuna göre "
         u"günde kaç sayfa okudu?"},
        {Division, &kShare, {__, R(2, 5, 2, 4), R(3, 9, 2, 5), __}, Q::Count, O::None, u"öğrenci",
         u"Beden eğitimi dersinde {a} öğrenci {b} eşit takıma ayrıldı. Her takımda kaç öğrenci "
         u"var?"},

        // ---- Karşılaştırma ----
        {Comparison, &kDifference, {R(1, 20), R(5, 100), R(50, 500), __}, Q::Count, O::Collection,
         u"{O}",
         u"{N1:gen} {a}, {N2:gen} {b} {O:poss} var. {N1:gen} {N2:abl} kaç fazla {O:poss} var?"},
        {Comparison, &kDifference, {__, R(25, 45, 6, 9), __, __}, Q::Count, O::None, u"yaş",
         u"{N1:gen} annesi {a} yaşında, {N1} ise {b} yaşındadır. Annesi {N1:abl} kaç yaş "
         u"büyüktür?"},
        {Comparison, &kDifference, {__, __, R(55, 90, 7, 10), R(55, 90, 8, 11)}, Q::Count, O::None,
         u"yaş",
         u"{N1:gen} dedesi {a} yaşında, {N1} ise {b} yaşındadır. Dedesi {N1:abl} kaç yaş "
         u"büyüktür?"},
        {Comparison, &kDifference, {__, R(5, 100), R(50, 1000), __}, Q::Count, O::None, u"ağaç",
         u"Bir parkta {a} çam ağacı, {b} meşe ağacı vardır. Parktaki çam ağaçları meşe "
         u"ağaçlarından kaç fazladır?"},
        {Comparison, &kDifference, {__, R(20, 100), R(50, 500), R(100, 1000)}, Q::Count, O::None,
         u"sayfa",
         u"Bir roman {a} sayfa, bir masal kitabı {b} sayfadır. Roman, masal kitabından kaç sayfa "
         u"fazladır?"},
        {Comparison, &kDifference, {__, __, R(100, 1000), R(500, 3000)}, Q::Count, O::None,
         u"öğrenci",
         u"Geçen yıl okulumuzda {a} öğrenci vardı. Bu yıl {b} öğrenci var. Öğrenci sayısı kaç "
         u"azaldı?"},
        {Comparison, &kDifference, {R(1, 20), R(5, 100), __, __}, Q::Count, O::Fruit, u"{O}",
         u"{N1} bahçeden {a}, {N2} {b} {O} topladı. {N1}, {N2:abl} kaç {O} fazla topladı?"},
        {Comparison, &kDifference, {__, __, __, R(1000, 10000)}, Q::Count, O::None, u"kişi",
         u"Bir stadyumda cumartesi günkü maçı {a}, pazar günkü maçı {b} kişi izledi. Cumartesi "
         u"günkü maçı kaç kişi fazla izledi?"},

        // ---- Paralarımız: sums in kuruş ----
        {Money, &kSum, {S(100, 100, 2000), S(50, 100, 10000), __, __}, Q::Money, O::Stationery, u"",
         u"{N1} kırtasiyeden {a@money:lik} bir {O} ve {b@money:lik} bir {P} aldı. {N1} toplam ne "
         u"kadar ödedi?"},
        {Money, &kSum, {__, __, S(25, 2000, 50000), S(5, 10000, 200000)}, Q::Money, O::Clothing, u"",
         u"{N1} bir mağazadan {a@money:lik} bir {O} ve {b@money:lik} bir {P} aldı. {N1} toplam ne "
         u"kadar ödedi?"},
        {Money, &kChange, {S(100, 100, 1900), S(50, 100, 9950), __, __}, Q::Money, O::Stationery,
         u"",
         u"{N1} kırtasiyeden {a@money:lik} bir {O} aldı. Kasiyere {b@money} verdi. {N1} ne kadar "
         u"para üstü aldı?"},
        {Money, &kChange, {__, __, S(25, 2000, 19900), S(5, 5000, 99995)}, Q::Money, O::Clothing, u"",
         u"{N1} bir mağazadan {a@money:lik} bir {O} aldı. Kasiyere {b@money} verdi. {N1} ne kadar "
         u"para üstü aldı?"},
        {Money, &kDifference, {__, S(50, 500, 10000), S(25, 1000, 50000), __}, Q::Money, O::Toy, u"",
         u"{N1}, {a@money:lik} bir {O} almak istiyor. Kumbarasında {b@money} var. {N1:gen} ne kadar "
         u"daha biriktirmesi gerekir?"},
        {Money, &kProduct, {__, R(2, 5, 100, 2000, 0, 0, 100), R(2, 9, 100, 3000, 0, 0, 25),
                            R(2, 12, 500, 10000, 0, 0, 25)},
         Q::Money, O::Stationery, u"",
         u"{N1} tanesi {b@money} olan {O:pl.abl} {a} tane aldı. {N1} toplam ne kadar ödedi?"},
        {Money, &kProductThenPay, {__, __, R(2, 9, 100, 3000, 0, 0, 25), R(2, 12, 500, 10000, 0, 0, 25)},
         Q::Money, O::Stationery, u"",
         u"{N1} tanesi {b@money} olan {O:pl.abl} {a} tane aldı. Kasiyere {c@money} verdi. {N1} ne "
         u"kadar para üstü aldı?"},
        {Money, &kProduct, {__, R(2, 20, 50, 50), R(2, 40, 25, 50, 0, 0, 25), __}, Q::Money, O::None,
         u"",
         u"{N1:gen} kumbarasında {a} tane {b@money} var. {N1:gen} kumbarasında ne kadar para var?"},
        {Money, &kGroups, {__, __, R(2, 9, 100, 2000, 0, 0, 100), R(2, 20, 500, 10000, 0, 0, 500)},
         Q::Money, O::Toy, u"tane",
         u"{N1:gen} {a@money} parası var. Tanesi {b@money} olan {O:pl.abl} kaç tane alabilir?"},

        // ---- Zaman Ölçme: times of day and durations in minutes ----
        {Time, &kEndTime, {S(60, h(9), h(15), 60, 180), S(15, h(8), h(16), 15, 120),
                           S(5, h(8), h(17), 5, 150), S(5, h(8), h(17), 5, 240)},
         Q::HoursMinutes, O::None, u"",
         u"{N1} ödevine saat {t@clock} başladı. Ödevini {m@time} sonra bitirdi. {N1} ödevini saat "
         u"kaçta bitirdi?"},
        {Time, &kElapsedTime, {S(60, h(9), h(15), 60, 180), S(15, h(10), h(18), 15, 150),
                               S(5, h(10), h(19), 5, 180), S(5, h(10), h(19), 5, 200)},
         Q::HoursMinutes, O::None, u"",
         u"Bir film saat {t@clock} başladı ve saat {e@clock} bitti. Film ne kadar sürdü?"},
        {Time, &kStartTime, {__, S(15, h(8), h(16), 15, 120), S(5, h(7), h(17), 5, 180),
                             S(5, h(7), h(17), 5, 300)},
         Q::HoursMinutes, O::None, u"",
         u"Tren saat {e@clock} istasyona vardı. Yolculuk {m@time} sürdü. Tren saat kaçta yola "
         u"çıkmıştı?"},
        {Time, &kSum, {__, S(5, 5, 60), S(5, 10, 120), S(5, 10, 240)}, Q::Count, O::None, u"dakika",
         u"{N1} pazartesi {a} dakika, salı {b} dakika kitap okudu. {N1} iki günde toplam kaç dakika "
         u"kitap okudu?"},
        {Time, &kProduct, {__, R(1, 3, 60, 60), R(2, 5, 60, 60), R(2, 9, 60, 60)}, Q::Count, O::None,
         u"dakika", u"{N1:gen} yüzme kursu {a} saat sürdü. Kurs kaç dakika sürdü?"},
        {Time, &kProduct, {__, R(2, 4, 7, 7), R(2, 8, 7, 7), __}, Q::Count, O::None, u"gün",
         u"{N1} tatilde {a} hafta dedesinin yanında kaldı. {N1} dedesinin yanında kaç gün kaldı?"},
        {Time, &kProduct, {__, __, R(2, 9, 60, 60), R(2, 15, 60, 60)}, Q::Count, O::None, u"saniye",
         u"{N1} {a} dakika ip atladı. {N1} kaç saniye ip atladı?"},

        // ---- Uzunluk Ölçme ----
        {Length, &kDifference, {R(2, 20), __, __, __}, Q::Count, O::BodyUnit, u"{U}",
         u"Masanın boyu {a} {U}, sıranın boyu {b} {U:cop}. Masa, sıradan kaç {U} uzundur?"},
        {Length, &kSum, {R(1, 20), __, __, __}, Q::Count, O::BodyUnit, u"{U}",
         u"{N1} sınıfın bir kenarını {a} {U}, diğer kenarını {b} {U} olarak ölçtü. İki kenar "
         u"toplam kaç {U} uzunluğundadır?"},
        {Length, &kSum, {__, R(5, 100), R(50, 1000), __}, Q::Count, O::LengthUnit, u"{U}",
         u"{N1} {a} {U:lik} bir ipe {b} {U:lik} bir ip daha bağladı. İpin uzunluğu kaç {U} oldu?"},
        {Length, &kDifference, {__, R(5, 100), R(50, 1000), __}, Q::Count, O::LengthUnit, u"{U}",
         u"Bir kumaş topunda {a} {U} kumaş vardı. Terzi bunun {b} {U:poss.acc} kullandı. Kaç {U} "
         u"kumaş kaldı?"},
        {Length, &kDifference, {__, R(120, 150, 90, 119), R(130, 160, 100, 129),
                                R(135, 170, 100, 134)},
         Q::Count, O::None, u"cm",
         u"{N1:gen} boyu {a} cm, kardeşinin boyu {b} cm'dir. {N1}, kardeşinden kaç cm uzundur?"},
        {Length, &kProduct, {__, __, R(2, 2, 100, 500, 0, 0, 10), R(2, 2, 300, 1500, 0, 0, 50)},
         Q::Count, O::None, u"m",
         u"{N1:gen} evi ile okulu arası {b} m'dir. {N1} her gün okula gidip geliyor. {N1} bir günde "
         u"kaç m yol yürür?"},
        {Length, &kConversion, {__, __, R(1, 1, 10, 60, 100), R(1, 1, 10, 80, 100)}, Q::Count,
         O::None, u"cm", u"{N1:gen} boyu {a} m {b} cm'dir. {N1:gen} boyu kaç cm'dir?"},
        {Length, &kSumOfThree, {__, __, R(50, 1000), R(100, 5000)}, Q::Count, O::None, u"m",
         u"{N1} okula giderken önce {a} m, sonra {b} m, en son {c} m yürüdü. {N1} toplam kaç m "
         u"yürüdü?"},
        {Length, &kDifference, {__, __, R(50, 1000), R(100, 2000)}, Q::Count, O::None, u"km",
         u"İki şehir arası {a} km'dir. Bir otobüs bu yolun {b} km'sini gitti. Otobüsün gideceği "
         u"kaç km yol kaldı?"},
        {Length, &kConversion, {__, __, __, R(1, 9, 50, 950, 1000, 0, 50)}, Q::Count, O::None, u"m",
         u"Bir koşu yolu {a} km {b} m'dir. Koşu yolu kaç m'dir?"},

        // ---- Tartma ----
        {Mass, &kSum, {__, R(5, 100), R(50, 1000), R(500, 5000)}, Q::Count, O::Produce, u"kg",
         u"Bir manav sabah {a} kg {O}, öğleden sonra {b} kg {O} sattı. Manav o gün toplam kaç kg "
         u"{O} sattı?"},
        {Mass, &kDifference, {__, R(5, 100), R(20, 500), __}, Q::Count, O::None, u"kg",
         u"Bir çuvalda {a} kg un vardı. Fırıncı bunun {b} kg'ını kullandı. Çuvalda kaç kg un "
         u"kaldı?"},
        {Mass, &kProduct, {__, __, R(2, 9, 100, 500, 0, 0, 50), R(2, 20, 125, 750, 0, 0, 25)},
         Q::Count, O::None, u"g",
         u"Bir paket bisküvinin kütlesi {b} g'dır. {N1} {a} paket bisküvi aldı. Aldığı "
         u"bisküvilerin kütlesi toplam kaç g'dır?"},
        {Mass, &kGroups, {__, __, R(2, 10, 2, 5), R(5, 50, 2, 10)}, Q::Count, O::None, u"paket",
         u"Bir bakkal {a} kg pirinci {b} kg'lık paketlere ayırdı. Kaç paket pirinç oldu?"},
        {Mass, &kConversion, {__, __, R(1, 5, 100, 900, 1000, 0, 50), R(1, 9, 5, 995, 1000, 0, 5)},
         Q::Count, O::None, u"g",
         u"{N1:gen} çantasının kütlesi {a} kg {b} g'dır. Çantanın kütlesi kaç g'dır?"},
        {Mass, &kDifference, {__, R(1, 15), R(2, 20), __}, Q::Count, O::None, u"kg",
         u"Bir karpuz {a} kg, bir kavun {b} kg'dır. Karpuz, kavundan kaç kg ağırdır?"},
        {Mass, &kSumOfThree, {__, __, R(50, 1000), R(500, 10000)}, Q::Count, O::None, u"kg",
         u"Bir kamyona sabah {a} kg, öğlen {b} kg, akşam {c} kg yük yüklendi. Kamyona toplam kaç "
         u"kg yük yüklendi?"},

        // ---- Kesirler ----
        {Fractions, &kShare, {R(2, 10, 2, 2), R(2, 25, 2, 2), __, __}, Q::Count, O::Fruit, u"{O}",
         u"{N1} {a} {O:gen} yarısını {N2:dat} verdi. {N1} kaç {O} verdi?"},
        {Fractions, &kShare, {R(2, 10, 2, 2), R(2, 25, 2, 2), __, __}, Q::Count, O::Treat, u"{O}",
         u"Bir tabakta {a} {O} vardı. {N1} bunların yarısını yedi. Tabakta kaç {O} kaldı?"},
        {Fractions, &kShare, {__, R(1, 10, 4, 4), R(2, 25, 4, 4), __}, Q::Count, O::Fruit, u"{O}",
         u"Bir sepette {a} {O} vardı. {O:pl.gen} çeyreği çürüktü. Kaç {O} çürüktü?"},
        {Fractions, &kUnitFractionOf, {__, __, R(2, 20, 2, 10), __}, Q::Count, O::Collection, u"{O}",
         u"{N1:gen} {a} {O:poss} vardı. Bunların {n/d:poss.acc} {N2:dat} verdi. {N1} kaç {O} "
         u"verdi?"},
        {Fractions, &kUnitFractionOf, {__, __, R(2, 6, 2, 6), __}, Q::Count, O::None, u"öğrenci",
         u"Bir sınıfta {a} öğrenci vardır. Öğrencilerin {n/d:poss} gözlüklüdür. Sınıfta kaç "
         u"gözlüklü öğrenci vardır?"},
        {Fractions, &kFractionOf, {__, __, __, R(2, 25, 3, 10)}, Q::Count, O::Treat, u"{O}",
         u"{N1} {a} {O:gen} {n/d:poss.acc} {N2:dat} verdi. {N1} kaç {O} verdi?"},
        {Fractions, &kFractionRemaining, {__, __, __, R(5, 30, 3, 8)}, Q::Count, O::None, u"sayfa",
         u"Bir kitap {a} sayfadır. {N1} kitabın {n/d:poss.acc} okudu. {N1:gen} okuması gereken kaç "
         u"sayfa kaldı?"},
        {Fractions, &kFractionOf, {__, __, __, R(20, 100, 3, 10)}, Q::Count, O::None, u"öğrenci",
         u"Bir okulda {a} öğrenci vardır. Öğrencilerin {n/d:poss} okula servisle geliyor. Servisle "
         u"gelen kaç öğrenci vardır?"},
        {Fractions, &kFractionOf, {__, __, __, R(500, 10000, 3, 10, 0, 0, 100)}, Q::Money, O::Toy, u"",
         u"{N1:gen} {a@money} parası vardı. Parasının {n/d:poss.ins} bir {O} aldı. Aldığı {O} ne "
         u"kadardır?"},

        // ---- Problem Kurma ----
        {Posing, &kSum, {R(1, 20), R(5, 100), R(50, 1000), R(500, 10000)}, Q::Count, O::None, u"",
         u"{a} + {b} işlemine uygun bir problem yazınız ve çözünüz."},
        {Posing, &kDifference, {R(1, 20), R(5, 100), R(50, 1000), R(500, 10000)}, Q::Count, O::None,
         u"", u"{a} − {b} işlemine uygun bir problem yazınız ve çözünüz."},
        {Posing, &kProduct, {__, R(2, 5, 2, 10), R(2, 9, 10, 99), R(10, 99, 10, 99)}, Q::Count,
         O::None, u"", u"{a} × {b} işlemine uygun bir problem yazınız ve çözünüz."},
        {Posing, &kShare, {__, R(2, 5, 2, 5), R(2, 20, 2, 9), R(10, 99, 2, 20)}, Q::Count, O::None,
         u"", u"{a} ÷ {b} işlemine uygun bir problem yazınız ve çözünüz."},
        {Posing, &kSum, {R(1, 20), R(5, 100), __, __}, Q::Count, O::Fruit, u"",
         u"İçinde {O:pl} geçen ve {a} + {b} işlemiyle çözülen bir problem yazınız."},
        {Posing, &kAddThenSubtract, {__, R(5, 100), R(50, 1000), R(500, 10000)}, Q::Count, O::None,
         u"", u"{a} + {b} − {c} işlemlerine uygun bir problem yazınız ve çözünüz."},
        {Posing, &kProductThenAdd, {__, __, R(2, 9, 10, 50, 1, 50), R(10, 50, 10, 99, 10, 500)},
         Q::Count, O::None, u"", u"{a} × {b} + {c} işlemlerine uygun bir problem yazınız ve çözünüz."},
        {Posing, &kChange, {__, S(50, 100, 9950), S(25, 500, 49975), S(5, 1000, 99995)}, Q::Money,
         O::None, u"",
         u"Para üstünü {b@money} − {a@money} işlemiyle bulduğunuz bir alışveriş problemi yazınız."},
    };
    return templates;
}

const std::vector<ProblemObject>& problemObjects() {
    using O = ObjectKind;
    static const std::vector<ProblemObject> objects = {
        {u"bilye", O::Collection, 200},   {u"çıkartma", O::Collection, 300},
        {u"boncuk", O::Collection, 500},  {u"pul", O::Collection, 500},
        {u"kart", O::Collection, 300},    {u"balon", O::Collection, 50},
        {u"kalem", O::Collection, 50},

        {u"elma", O::Fruit, 5000},        {u"armut", O::Fruit, 5000},
        {u"portakal", O::Fruit, 5000},    {u"mandalina", O::Fruit, 5000},
        {u"şeftali", O::Fruit, 2000},     {u"kayısı", O::Fruit, 5000},
        {u"limon", O::Fruit, 2000},       {u"ayva", O::Fruit, 1000},
        {u"nar", O::Fruit, 1000},         {u"çilek", O::Fruit, 500},
        {u"erik", O::Fruit, 5000},

        {u"kurabiye", O::Treat, 1000},    {u"ceviz", O::Treat, 3000},
        {u"fındık", O::Treat, 3000},      {u"çikolata", O::Treat, 500},
        {u"lokum", O::Treat, 1000},       {u"bisküvi", O::Treat, 1000},
        {u"şeker", O::Treat, 1000},

        {u"kalem", O::Stationery, 5000},  {u"silgi", O::Stationery, 5000},
        {u"defter", O::Stationery, 5000}, {u"cetvel", O::Stationery, 200},
        {u"makas", O::Stationery, 100},   {u"dosya", O::Stationery, 200},

        {u"çanta", O::Clothing, 100},     {u"mont", O::Clothing, 100},
        {u"kazak", O::Clothing, 100},     {u"gömlek", O::Clothing, 100},
        {u"şapka", O::Clothing, 100},     {u"ayakkabı", O::Clothing, 100},
        {u"pantolon", O::Clothing, 100},  {u"eşofman", O::Clothing, 100},

        {u"top", O::Toy, 100},            {u"yapboz", O::Toy, 100},
        {u"uçurtma", O::Toy, 100},        {u"kitap", O::Toy, 100},
        {u"oyuncak", O::Toy, 100},

        {u"elma", O::Produce, 5000},      {u"domates", O::Produce, 5000},
        {u"patates", O::Produce, 5000},   {u"soğan", O::Produce, 5000},
        {u"portakal", O::Produce, 5000},  {u"üzüm", O::Produce, 5000},
        {u"kiraz", O::Produce, 2000},     {u"havuç", O::Produce, 5000},

        {u"lale", O::Flower, 1000},       {u"gül", O::Flower, 1000},
        {u"papatya", O::Flower, 1000},    {u"karanfil", O::Flower, 1000},
        {u"menekşe", O::Flower, 1000},

        {u"cm", O::LengthUnit, 1000, true}, {u"m", O::LengthUnit, 1000, true},
        {u"karış", O::BodyUnit, 40},      {u"adım", O::BodyUnit, 100},
    };
    return objects;
}

const QStringList& defaultNames() {
    static const QStringList names = {
        QStringLiteral("Ali"),   QStringLiteral("Ayşe"),  QStringLiteral("Mehmet"),
        QStringLiteral("Elif"),  QStringLiteral("Mustafa"), QStringLiteral("Emine"),
        QStringLiteral("Emre"),  QStringLiteral("Merve"), QStringLiteral("Can"),
        QStringLiteral("Ece"),   QStringLiteral("Burak"), QStringLiteral("Selin"),
        QStringLiteral("Oğuz"),  QStringLiteral("Gül"),   QStringLiteral("Kemal"),
        QStringLiteral("Hilal"), QStringLiteral("Deniz"), QStringLiteral("Umut"),
        QStringLiteral("Yusuf"), QStringLiteral("Esra"),  QStringLiteral("Murat"),
        QStringLiteral("Defne"), QStringLiteral("Kerem"), QStringLiteral("Nehir"),
        QStringLiteral("Efe"),   QStringLiteral("Aslı"),  QStringLiteral("Barış"),
        QStringLiteral("Damla"), QStringLiteral("Ömer"),  QStringLiteral("Eda"),
        QStringLiteral("Arda"),  QStringLiteral("Ceren"), QStringLiteral("Ege"),
        QStringLiteral("Irmak"), QStringLiteral("Kaan"),  QStringLiteral("Eylül"),
        QStringLiteral("Mert"),  QStringLiteral("İpek"),  QStringLiteral("Yiğit"),
        QStringLiteral("Öykü"),  QStringLiteral("Doruk"), QStringLiteral("Pınar"),
        QStringLiteral("Ümit"),  QStringLiteral("İrem"),  QStringLiteral("Onur"),
        QStringLiteral("Zehra"), QStringLiteral("Tolga"), QStringLiteral("Çağla"),
    };
    return names;
}

QString operationName(QStringView operators) {
    static const std::pair<QChar, QString> kNames[] = {
        {u'+', QStringLiteral("Toplama")},
        {u'−', QStringLiteral("Çıkarma")},
        {u'×', QStringLiteral("Çarpma")},
        {u'÷', QStringLiteral("Bölme")},
    };
    QStringList names;
    for (const QChar op : operators)
        for (const auto& [sign, name] : kNames)
            if (op == sign && !names.contains(name)) names << name;
    if (names.size() < 2) return names.value(0);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" ve ") + last;
}

}  // namespace zarvik
