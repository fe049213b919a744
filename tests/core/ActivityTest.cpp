// The activity kinds: the Turkish time words for every minute, each kind's
// rules over many seeds and option values (answers put back into the printed
// items must make them true), the worksheet's all-or-nothing preparation and
// zarvik-cli activity's JSON and usage errors.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <set>

#include "TestSupport.h"
#include "activities/core/ActivityTime.h"
#include "activities/core/ActivityWorksheet.h"
#include "common/core/Errors.h"

using namespace zarvik;

namespace {

// The hour words, written out once more by hand: nominative, accusative, dative.
const char* const kHourForms[12][3] = {{"bir", "biri", "bire"},
                                       {"iki", "ikiyi", "ikiye"},
                                       {"üç", "üçü", "üçe"},
                                       {"dört", "dördü", "dörde"},
                                       {"beş", "beşi", "beşe"},
                                       {"altı", "altıyı", "altıya"},
                                       {"yedi", "yediyi", "yediye"},
                                       {"sekiz", "sekizi", "sekize"},
                                       {"dokuz", "dokuzu", "dokuza"},
                                       {"on", "onu", "ona"},
                                       {"on bir", "on biri", "on bire"},
                                       {"on iki", "on ikiyi", "on ikiye"}};
const char* const kOnesWords[10] = {"",    "bir",  "iki",  "üç",    "dört",
                                    "beş", "altı", "yedi", "sekiz", "dokuz"};
const char* const kTensWords[3] = {"", "on", "yirmi"};

QString minutesSaid(int m) {
    if (m == 15) return QStringLiteral("çeyrek");
    QStringList parts;
    if (m / 10) parts << QString::fromUtf8(kTensWords[m / 10]);
    if (m % 10) parts << QString::fromUtf8(kOnesWords[m % 10]);
    return parts.join(u' ');
}

QString form(int hour, int which) {
    return QString::fromUtf8(kHourForms[(hour + 11) % 12][which]);
}

}  // namespace

TEST(ActivityTime, EveryMinuteOfTwelveHours) {
    // The examples of the curriculum, as they are said.
    EXPECT_EQ(timeInWords(3, 0), QStringLiteral("saat üç"));
    EXPECT_EQ(timeInWords(3, 30), QStringLiteral("üç buçuk"));
    EXPECT_EQ(timeInWords(3, 15), QStringLiteral("üçü çeyrek geçiyor"));
    EXPECT_EQ(timeInWords(3, 45), QStringLiteral("dörde çeyrek var"));
    EXPECT_EQ(timeInWords(3, 10), QStringLiteral("üçü on geçiyor"));
    EXPECT_EQ(timeInWords(3, 40), QStringLiteral("dörde yirmi var"));
    EXPECT_EQ(timeInWords(12, 5), QStringLiteral("on ikiyi beş geçiyor"));
    EXPECT_EQ(timeInWords(12, 55), QStringLiteral("bire beş var"));
    EXPECT_EQ(timeInWords(12, 30), QStringLiteral("on iki buçuk"));
    EXPECT_EQ(timeInWords(11, 35), QStringLiteral("on ikiye yirmi beş var"));
    EXPECT_EQ(timeInDigits(3, 15), QStringLiteral("03:15"));
    EXPECT_EQ(timeInDigits(12, 0), QStringLiteral("12:00"));

    for (int hour = 1; hour <= 12; ++hour) {
        for (int minute = 0; minute < 60; ++minute) {
            SCOPED_TRACE(QStringLiteral("%1:%2").arg(hour).arg(minute).toStdString());
            QString expected;
            if (minute == 0)
                expected = QStringLiteral("saat ") + form(hour, 0);
            else if (minute == 30)
                expected = form(hour, 0) + QStringLiteral(" buçuk");
            else if (minute < 30)
                expected = form(hour, 1) + u' ' + minutesSaid(minute) + QStringLiteral(" geçiyor");
            else
                expected = form(hour % 12 + 1, 2) + u' ' + minutesSaid(60 - minute) +
                           QStringLiteral(" var");
            EXPECT_EQ(timeInWords(hour, minute), expected);
            EXPECT_EQ(timeInDigits(hour, minute), QString::asprintf("%02d:%02d", hour, minute));
        }
    }
}

namespace {

// Every combination of a kind's option items.
std::vector<ActivityValues> allValues(const ActivityKind& kind) {
    std::vector<ActivityValues> combos{{}};
    for (const ActivityOption& option : kind.options) {
        std::vector<ActivityValues> next;
        for (const ActivityValues& partial : combos)
            for (const QString& item : option.items)
                next.push_back(partial + QStringList{item});
        combos = next;
    }
    return combos;
}

// Runs the kind over every option combination and many seeds.
template <typename Check>
void forEverySheet(const char* name, Check&& check, int seeds = 40) {
    const ActivityKind& kind = checkedActivityKind(QString::fromUtf8(name));
    for (const ActivityValues& values : allValues(kind)) {
        for (int seed = 0; seed < seeds; ++seed) {
            SCOPED_TRACE((values.join(u'|') + QStringLiteral(" seed %1").arg(seed)).toStdString());
            RandomDraw random;
            random.seed(1700000000 + seed * 7919);
            ActivitySheet sheet;
            try {
                sheet = kind.generate(values, random);
            } catch (const InputRefused&) {
                continue;  // checked in its own test
            }
            check(values, sheet);
        }
    }
}

qint64 number(QString text) {
    return text.remove(u'.').toLongLong();
}

// "3 lira 50 kuruş", "3 lira", "50 kuruş" in kuruş; never a zero part.
int kurus(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^(?:([1-9]\\d*) lira)? ?(?:([1-9]\\d?) kuruş)?$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    EXPECT_TRUE(m.hasMatch()) << text.toStdString();
    return m.captured(1).toInt() * 100 + m.captured(2).toInt();
}

}  // namespace

TEST(ActivityKinds, ClockTimesAreDistinctAtTheChosenPrecision) {
    const std::map<QString, int> step = {{QStringLiteral("Tam saat"), 60},
                                         {QStringLiteral("Yarım saat"), 30},
                                         {QStringLiteral("Çeyrek saat"), 15},
                                         {QStringLiteral("5 dakika"), 5},
                                         {QStringLiteral("1 dakika"), 1}};
    for (const char* name : {"Saat Okuma", "Saat Çizme"}) {
        forEverySheet(name, [&](const ActivityValues& values, const ActivitySheet& sheet) {
            ASSERT_EQ(sheet.items.size(), 12u);
            std::set<int> times;
            for (const ActivityItem& item : sheet.items) {
                EXPECT_TRUE(item.clock);
                EXPECT_GE(item.hour, 1);
                EXPECT_LE(item.hour, 12);
                EXPECT_GE(item.minute, 0);
                EXPECT_LE(item.minute, 59);
                EXPECT_EQ(item.minute % step.at(values[0]), 0);
                times.insert(item.hour * 60 + item.minute);
                const QString words = timeInWords(item.hour, item.minute);
                const QString digits = timeInDigits(item.hour, item.minute);
                EXPECT_EQ(item.answer, words + QStringLiteral(" (") + digits + u')');
                if (values.size() == 1)
                    EXPECT_EQ(item.text, kActivityBlank);
                else
                    EXPECT_EQ(item.text, values[1] == QStringLiteral("Yazıyla") ? words : digits);
            }
            EXPECT_EQ(times.size(), 12u);
        });
    }
}

TEST(ActivityKinds, MissingNumbersMakeTrueEquationsWithinTheLargest) {
    static const QRegularExpression pattern(QStringLiteral("^(\\S+) ([+−×÷]) (\\S+) = (\\d+)$"));
    forEverySheet("Eksik Sayı", [](const ActivityValues& values, const ActivitySheet& sheet) {
        ASSERT_EQ(sheet.items.size(), 20u);
        const qint64 largest = values[1].toInt();
        const QString allowed = QStringList{QStringLiteral("+"),   QStringLiteral("−"),
                                            QStringLiteral("×"),   QStringLiteral("÷"),
                                            QStringLiteral("+−"),  QStringLiteral("×÷"),
                                            QStringLiteral("+−×÷")}[static_cast<int>(
            checkedActivityKind(QStringLiteral("Eksik Sayı")).options[0].items.indexOf(values[0]))];
        for (const ActivityItem& item : sheet.items) {
            SCOPED_TRACE(item.text.toStdString());
            const QRegularExpressionMatch m = pattern.match(item.text);
            ASSERT_TRUE(m.hasMatch());
            EXPECT_EQ(item.text.count(kActivityBlank), 1);
            EXPECT_TRUE(allowed.contains(m.captured(2)));
            QString a = m.captured(1), b = m.captured(3);
            (a == kActivityBlank ? a : b) = item.answer;
            bool wholeA = false, wholeB = false;
            const qint64 x = a.toLongLong(&wholeA), y = b.toLongLong(&wholeB),
                         z = m.captured(4).toLongLong();
            ASSERT_TRUE(wholeA && wholeB);
            EXPECT_GE(std::min({x, y, z}), 1);
            EXPECT_LE(std::max({x, y, z}), largest);
            const QString op = m.captured(2);
            if (op == QLatin1String("+")) {
                EXPECT_EQ(x + y, z);
            }
            if (op == QStringLiteral("−")) {
                EXPECT_EQ(x - y, z);
            }
            if (op == QStringLiteral("×")) {
                EXPECT_EQ(x * y, z);
            }
            if (op == QStringLiteral("÷")) {
                EXPECT_EQ(x, y * z);
            }
        }
    });
}

TEST(ActivityKinds, CountingRowsStepByTheChosenStep) {
    forEverySheet("Ritmik Sayma", [](const ActivityValues& values, const ActivitySheet& sheet) {
        ASSERT_EQ(sheet.items.size(), 10u);
        const int largest = values[2].toInt();
        for (const ActivityItem& item : sheet.items) {
            SCOPED_TRACE(item.text.toStdString());
            QStringList numbers = item.text.split(QStringLiteral(", "));
            const QStringList answers = item.answer.split(QStringLiteral(", "));
            ASSERT_EQ(numbers.size(), 8);
            ASSERT_EQ(answers.size(), 3);
            EXPECT_NE(numbers[0], kActivityBlank);
            for (qsizetype i = 0, a = 0; i < numbers.size(); ++i)
                if (numbers[i] == kActivityBlank) numbers[i] = answers[a++];
            const int step = numbers[1].toInt() - numbers[0].toInt();
            if (values[0] != QStringLiteral("Karışık")) {
                EXPECT_EQ(std::abs(step), values[0].toInt());
            }
            if (values[1] == QStringLiteral("İleri")) {
                EXPECT_GT(step, 0);
            }
            if (values[1] == QLatin1String("Geri")) {
                EXPECT_LT(step, 0);
            }
            for (qsizetype i = 0; i < numbers.size(); ++i) {
                EXPECT_EQ(numbers[i].toInt(), numbers[0].toInt() + i * step);
                EXPECT_GE(numbers[i].toInt(), 0);
                EXPECT_LE(numbers[i].toInt(), largest);
            }
        }
    });
}

TEST(ActivityKinds, CountingRefusesAStepThatDoesNotFit) {
    const ActivityKind& kind = checkedActivityKind(QStringLiteral("Ritmik Sayma"));
    RandomDraw random;
    EXPECT_THROW(
        kind.generate({QStringLiteral("100"), QStringLiteral("İleri"), QStringLiteral("100")},
                      random),
        InputRefused);
    EXPECT_THROW(
        kind.generate({QStringLiteral("3"), QStringLiteral("Geri"), QStringLiteral("20")}, random),
        InputRefused);
    EXPECT_NO_THROW(kind.generate(
        {QStringLiteral("100"), QStringLiteral("Geri"), QStringLiteral("1000")}, random));
}

TEST(ActivityKinds, PlaceValuesAddUp) {
    static const QStringList units = {
        QStringLiteral("birlik"),    QStringLiteral("onluk"),       QStringLiteral("yüzlük"),
        QStringLiteral("binlik"),    QStringLiteral("on binlik"),    QStringLiteral("yüz binlik"),
        QStringLiteral("milyonluk"), QStringLiteral("on milyonluk"), QStringLiteral("yüz milyonluk")};
    // "4 binlik + 5 yüzlük + ..." as a number, checking the places run down to the ones.
    const auto sumOf = [](const QString& terms) {
        qint64 total = 0;
        const QStringList parts = terms.split(QStringLiteral(" + "));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const QString digit = parts[i].section(u' ', 0, 0);
            const qsizetype place = units.indexOf(parts[i].section(u' ', 1));
            EXPECT_EQ(place, parts.size() - 1 - i) << parts[i].toStdString();
            EXPECT_TRUE(digit.size() == 1 && digit[0].isDigit());
            qint64 value = digit.toLongLong();
            for (qsizetype p = 0; p < place; ++p)
                value *= 10;
            total += value;
        }
        return total;
    };
    forEverySheet("Basamak Değeri", [&](const ActivityValues& values, const ActivitySheet& sheet) {
        ASSERT_EQ(sheet.items.size(), 12u);
        const int digits = values[0].toInt();
        for (size_t i = 0; i < 12; ++i) {
            const ActivityItem& item = sheet.items[i];
            SCOPED_TRACE(item.text.toStdString());
            if (i < 4) {
                const qint64 n = number(item.text.section(QStringLiteral(" = "), 0, 0));
                EXPECT_EQ(QString::number(n).size(), digits);
                EXPECT_EQ(sumOf(item.answer), n);
                EXPECT_EQ(item.text.count(kActivityBlank), digits);
            } else if (i < 8) {
                const qint64 n = number(item.answer);
                EXPECT_EQ(QString::number(n).size(), digits);
                EXPECT_EQ(sumOf(item.text.section(QStringLiteral(" = "), 0, 0)), n);
            } else {
                const QString n = QString::number(number(item.text.section(u' ', 0, 0)));
                const QChar digit = item.text.section(u' ', 2, 2)[0];
                EXPECT_EQ(n.count(digit), 1);
                EXPECT_NE(digit, u'0');
                const qsizetype place = n.size() - 1 - n.indexOf(digit);
                EXPECT_EQ(number(item.answer),
                          QString(digit).toLongLong() * static_cast<qint64>(std::pow(10, place)));
            }
        }
    });
}

TEST(ActivityKinds, MoneyNeverGoesBelowZeroOrAboveTheLargest) {
    const QString blanks = QStringLiteral("___ lira ___ kuruş");
    forEverySheet("Paralarımız", [&](const ActivityValues& values, const ActivitySheet& sheet) {
        if (values[1] == QStringLiteral("Resimle")) return;  // coins and notes: the page tests
        ASSERT_EQ(sheet.items.size(), 16u);
        const int largest = values[0].section(u' ', 0, 0).toInt() * 100;
        for (size_t i = 0; i < 16; ++i) {
            const ActivityItem& item = sheet.items[i];
            SCOPED_TRACE(item.text.toStdString());
            const QString left = item.text.section(QStringLiteral(" = "), 0, 0);
            const QString right = item.text.section(QStringLiteral(" = "), 1);
            if (i < 8) {
                EXPECT_EQ(right, blanks);
                const QString sign = i < 4 ? QStringLiteral(" + ") : QStringLiteral(" − ");
                const int a = kurus(left.section(sign, 0, 0));
                const int b = kurus(left.section(sign, 1));
                const int result = kurus(item.answer);
                EXPECT_GT(a, 0);
                EXPECT_GT(b, 0);
                EXPECT_EQ(result, i < 4 ? a + b : a - b);
                EXPECT_GE(result, 0);
                EXPECT_LE(std::max(a, result), largest);
                EXPECT_EQ(a % 5 + b % 5, 0);
            } else if (i < 12) {
                EXPECT_EQ(right, blanks);
                EXPECT_TRUE(left.endsWith(QStringLiteral(" kuruş")));
                EXPECT_EQ(kurus(item.answer), left.section(u' ', 0, 0).toInt());
                EXPECT_LE(left.section(u' ', 0, 0).toInt(), largest);
            } else {
                EXPECT_EQ(right, QStringLiteral("___ kuruş"));
                EXPECT_EQ(item.answer, QString::number(left.section(u' ', 0, 0).toInt() * 100) +
                                           QStringLiteral(" kuruş"));
            }
            // One style on the page: lira and kuruş in words, no "TL" or "kr".
            for (const QString& text : {item.text, item.answer}) {
                EXPECT_FALSE(text.contains(QStringLiteral(" kr")));
                EXPECT_FALSE(text.contains(QStringLiteral("TL")));
            }
        }
    });
}

TEST(ActivityWorksheet, SameSeedSamePageAndAFailedPreparationChangesNothing) {
    ActivityWorksheet first, second;
    RandomDraw a, b;
    a.seed(1234);
    b.seed(1234);
    const ActivityChoices choices{QStringLiteral("Eksik Sayı"),
                                  {QStringLiteral("Karışık"), QStringLiteral("100")},
                                  QStringLiteral("Ayşe"),
                                  QStringLiteral("01/02/2025")};
    first.prepare(choices, a);
    second.prepare(choices, b);
    EXPECT_EQ(first.answers(), second.answers());
    EXPECT_EQ(first.page().cell(u"Item20").text, second.page().cell(u"Item20").text);
    EXPECT_EQ(first.page().cell(u"TeacherLabel").text, QStringLiteral("Hazırlayan: Ayşe"));

    const QStringList before = first.answers();
    const uint32_t low = a.low();
    for (const ActivityChoices& bad :
         {ActivityChoices{QStringLiteral("Saat"), {}, {}, {}},
          ActivityChoices{QStringLiteral("Eksik Sayı"), {QStringLiteral("Karışık")}, {}, {}},
          ActivityChoices{QStringLiteral("Eksik Sayı"),
                          {QStringLiteral("Karışık"), QStringLiteral("99")},
                          {},
                          {}},
          ActivityChoices{QStringLiteral("Ritmik Sayma"),
                          {QStringLiteral("100"), QStringLiteral("İleri"), QStringLiteral("20")},
                          {},
                          {}}}) {
        EXPECT_THROW(first.prepare(bad, a), InputRefused);
        EXPECT_EQ(first.answers(), before);
        EXPECT_EQ(first.kind()->name, QStringLiteral("Eksik Sayı"));
        EXPECT_EQ(first.page().cell(u"TeacherLabel").text, QStringLiteral("Hazırlayan: Ayşe"));
    }
    // Refused before anything was drawn.
    EXPECT_EQ(a.low(), low);
}

TEST(ActivityCli, JsonItemsAndBadUsage) {
    const test::CliResult run = test::runCli(
        {QStringLiteral("activity"), QStringLiteral("--kind"), QStringLiteral("Saat Okuma"),
         QStringLiteral("--opt"), QStringLiteral("Hassasiyet=1 dakika"), QStringLiteral("--time"),
         QStringLiteral("1700000000"), QStringLiteral("--date"), QStringLiteral("01/02/2025"),
         QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json.keys().size(), 6);  // with "exercises"
    EXPECT_EQ(json[QStringLiteral("kind")].toString(), QStringLiteral("Saat Okuma"));
    EXPECT_EQ(json[QStringLiteral("date")].toString(), QStringLiteral("01/02/2025"));
    const QJsonArray items = json[QStringLiteral("items")].toArray();
    ASSERT_EQ(items.size(), 12);
    for (const QJsonValue& value : items) {
        const QJsonObject item = value.toObject();
        const int hour = item[QStringLiteral("hour")].toInt(),
                  minute = item[QStringLiteral("minute")].toInt();
        EXPECT_EQ(item[QStringLiteral("text")].toString(), QStringLiteral("___"));
        EXPECT_TRUE(item[QStringLiteral("answer")].toString().endsWith(
            QStringLiteral("(") + timeInDigits(hour, minute) + u')'));
    }
    // The same seed, the same page.
    EXPECT_EQ(test::runCli({QStringLiteral("activity"), QStringLiteral("--kind"),
                            QStringLiteral("Saat Okuma"), QStringLiteral("--opt"),
                            QStringLiteral("Hassasiyet=1 dakika"), QStringLiteral("--time"),
                            QStringLiteral("1700000000"), QStringLiteral("--date"),
                            QStringLiteral("01/02/2025"), QStringLiteral("--json")})
                  .out,
              run.out);
    // A text kind has no hour or minute.
    const test::CliResult money =
        test::runCli({QStringLiteral("activity"), QStringLiteral("--kind"),
                      QStringLiteral("Paralarımız"), QStringLiteral("--json")});
    EXPECT_FALSE(money.out.contains("\"hour\""));

    struct Bad {
        QStringList arguments;
        const char* listed;
    };
    for (const Bad& bad :
         {Bad{{QStringLiteral("--kind"), QStringLiteral("Saatler")}, "\"Paralarımız\""},
          Bad{{QStringLiteral("--kind"), QStringLiteral("Saat Okuma"), QStringLiteral("--opt"),
               QStringLiteral("Hassasiyet=2 dakika")},
              "\"5 dakika\""},
          Bad{{QStringLiteral("--kind"), QStringLiteral("Saat Okuma"), QStringLiteral("--opt"),
               QStringLiteral("Renk=Mavi")},
              "\"Hassasiyet\""},
          Bad{{QStringLiteral("--kind"), QStringLiteral("Saat Okuma"), QStringLiteral("--opt"),
               QStringLiteral("Hassasiyet")},
              "AD=DEĞER"}}) {
        const test::CliResult result =
            test::runCli(QStringList{QStringLiteral("activity")} + bad.arguments);
        EXPECT_EQ(result.exitCode, 2) << bad.arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.err.contains(bad.listed)) << result.err.toStdString();
    }
    // A step too large for the largest number is refused, not bad usage.
    EXPECT_EQ(test::runCli({QStringLiteral("activity"), QStringLiteral("--kind"),
                            QStringLiteral("Ritmik Sayma"), QStringLiteral("--opt"),
                            QStringLiteral("Adım=100")})
                  .exitCode,
              1);
}
