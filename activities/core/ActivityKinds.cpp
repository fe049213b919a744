#include "activities/core/ActivityKinds.h"

#include <algorithm>
#include <array>

#include "activities/core/ActivityTime.h"
#include "activities/core/PictureActivities.h"
#include "common/core/Errors.h"

namespace zarvik {

namespace {

const QString kMinus = QStringLiteral("−");
const QString kTimes = QStringLiteral("×");
const QString kDivided = QStringLiteral("÷");

QString blank() {
    return kActivityBlank.toString();
}

// A whole number from lo to hi, both included.
int between(RandomDraw& random, int lo, int hi) {
    return lo + random.draw(hi - lo + 1);
}

int optionNumber(const QString& item) {
    // Items such as "20 TL" or "5 dakika": the number in front.
    return item.section(u' ', 0, 0).toInt();
}

// Numbers of five digits and more in groups of three, as the pupils' books
// print them ("45.820"); four digits stay together ("4582").
QString grouped(qint64 n) {
    QString digits = QString::number(n);
    if (digits.size() < 5) return digits;
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u'.');
    return digits;
}

// ---- clocks ----

const QStringList kPrecisions = {QStringLiteral("Tam saat"), QStringLiteral("Yarım saat"),
                                 QStringLiteral("Çeyrek saat"), QStringLiteral("5 dakika"),
                                 QStringLiteral("1 dakika")};
const QString kInDigits = QStringLiteral("Rakamla");
const QString kInWords = QStringLiteral("Yazıyla");

// Twelve different times at the chosen precision (there are at least twelve).
std::vector<std::pair<int, int>> drawTimes(const QString& precision, RandomDraw& random) {
    const int steps[] = {1, 2, 4, 12, 60};
    const int perHour = steps[kPrecisions.indexOf(precision)];
    std::vector<std::pair<int, int>> times;
    while (times.size() < 12) {
        const int hour = between(random, 1, 12);
        const int minute = random.draw(perHour) * (60 / perHour);
        const std::pair<int, int> time{hour, minute};
        if (std::find(times.begin(), times.end(), time) == times.end()) times.push_back(time);
    }
    return times;
}

QString timeAnswer(int hour, int minute) {
    return timeInWords(hour, minute) + QStringLiteral(" (") + timeInDigits(hour, minute) + u')';
}

ActivitySheet clockReading(const ActivityValues& values, RandomDraw& random) {
    ActivitySheet sheet{QStringLiteral("Saatler kaçı gösteriyor? Altlarına yazınız."), {}};
    for (const auto& [hour, minute] : drawTimes(values[0], random))
        sheet.items.push_back({blank(), timeAnswer(hour, minute), true, hour, minute});
    return sheet;
}

ActivitySheet clockDrawing(const ActivityValues& values, RandomDraw& random) {
    ActivitySheet sheet{QStringLiteral("Saatlerin akrep ve yelkovanını çiziniz."), {}};
    const bool words = values[1] == kInWords;
    for (const auto& [hour, minute] : drawTimes(values[0], random))
        sheet.items.push_back({words ? timeInWords(hour, minute) : timeInDigits(hour, minute),
                               timeAnswer(hour, minute), true, hour, minute});
    return sheet;
}

// ---- missing numbers ----

const QStringList kOperations = {QStringLiteral("Toplama"),
                                 QStringLiteral("Çıkarma"),
                                 QStringLiteral("Çarpma"),
                                 QStringLiteral("Bölme"),
                                 QStringLiteral("Toplama ve Çıkarma"),
                                 QStringLiteral("Çarpma ve Bölme"),
                                 QStringLiteral("Karışık")};

// a op b = c with one of a and b left blank.
ActivityItem missingItem(int a, const QString& sign, int b, int c, bool firstBlank) {
    const QString left = firstBlank ? blank() : QString::number(a);
    const QString right = firstBlank ? QString::number(b) : blank();
    ActivityItem item{QStringLiteral("%1 %2 %3 = %4").arg(left, sign, right).arg(c),
                      QString::number(firstBlank ? a : b)};
    item.values = {{QStringLiteral("first"), int64_t{a}},
                   {QStringLiteral("operator"), sign},
                   {QStringLiteral("second"), int64_t{b}},
                   {QStringLiteral("result"), int64_t{c}},
                   {QStringLiteral("blank"), firstBlank ? QStringLiteral("first")
                                                        : QStringLiteral("second")}};
    return item;
}

ActivitySheet missingNumbers(const ActivityValues& values, RandomDraw& random) {
    ActivitySheet sheet{QStringLiteral("Boş bırakılan yerlere uygun sayıları yazınız."), {}};
    const int operation = static_cast<int>(kOperations.indexOf(values[0]));
    const int largest = optionNumber(values[1]);
    for (int i = 0; i < 20; ++i) {
        int op = operation;
        if (operation == 4) op = random.draw(2);
        if (operation == 5) op = 2 + random.draw(2);
        if (operation == 6) op = random.draw(4);
        ActivityItem item;
        if (op == 0) {
            const int c = between(random, 2, largest);
            const int a = between(random, 1, c - 1);
            item = missingItem(a, QStringLiteral("+"), c - a, c, random.draw(2) == 0);
        } else if (op == 1) {
            const int a = between(random, 2, largest);
            const int b = between(random, 1, a - 1);
            item = missingItem(a, kMinus, b, a - b, random.draw(2) == 0);
        } else if (op == 2) {
            const int a = between(random, 2, 10);
            const int b = between(random, 1, largest / a);
            item = missingItem(a, kTimes, b, a * b, random.draw(2) == 0);
        } else {
            const int divisor = between(random, 2, 10);
            const int quotient = between(random, 1, largest / divisor);
            item =
                missingItem(divisor * quotient, kDivided, divisor, quotient, random.draw(2) == 0);
        }
        sheet.items.push_back(item);
    }
    return sheet;
}

// ---- rhythmic counting ----

const QStringList kSteps = {QStringLiteral("2"),   QStringLiteral("3"),      QStringLiteral("4"),
                            QStringLiteral("5"),   QStringLiteral("6"),      QStringLiteral("7"),
                            QStringLiteral("8"),   QStringLiteral("9"),      QStringLiteral("10"),
                            QStringLiteral("100"), QStringLiteral("Karışık")};
const QStringList kDirections = {QStringLiteral("İleri"), QStringLiteral("Geri"),
                                 QStringLiteral("Karışık")};
constexpr int kCountingLength = 8;
constexpr int kCountingBlanks = 3;

ActivitySheet rhythmicCounting(const ActivityValues& values, RandomDraw& random) {
    const int largest = optionNumber(values[2]);
    std::vector<int> steps;
    if (values[0] == QStringLiteral("Karışık")) {
        for (const QString& step : kSteps.mid(0, kSteps.size() - 1))
            if (step.toInt() * (kCountingLength - 1) <= largest) steps.push_back(step.toInt());
    } else {
        const int step = values[0].toInt();
        if (step * (kCountingLength - 1) > largest)
            throw InputRefused(QStringLiteral("Adım %1 iken 8 sayı sığsın diye en büyük sayı en "
                                              "az %2 olmalıdır.")
                                   .arg(step)
                                   .arg(step * (kCountingLength - 1)));
        steps.push_back(step);
    }
    ActivitySheet sheet{QStringLiteral("Ritmik sayarak boş bırakılan yerleri doldurunuz."), {}};
    for (int row = 0; row < 10; ++row) {
        const int step = steps[static_cast<size_t>(random.draw(static_cast<int>(steps.size())))];
        bool backward = values[1] == QLatin1String("Geri");
        if (values[1] == QStringLiteral("Karışık")) backward = random.draw(2) == 1;
        const int span = step * (kCountingLength - 1);
        const int low = random.draw(largest - span + 1);
        // Blanks never take the first number; five numbers are left, so two
        // neighbours always show the step.
        std::vector<int> free = {1, 2, 3, 4, 5, 6, 7};
        std::array<bool, kCountingLength> blanked{};
        for (int b = 0; b < kCountingBlanks; ++b) {
            const int at = random.draw(static_cast<int>(free.size()));
            blanked[static_cast<size_t>(free[static_cast<size_t>(at)])] = true;
            free.erase(free.begin() + at);
        }
        QStringList shown, answers;
        std::vector<int64_t> numbers, blanks;
        for (int i = 0; i < kCountingLength; ++i) {
            const int n = backward ? low + span - i * step : low + i * step;
            shown << (blanked[static_cast<size_t>(i)] ? blank() : QString::number(n));
            if (blanked[static_cast<size_t>(i)]) {
                answers << QString::number(n);
                blanks.push_back(i);
            }
            numbers.push_back(n);
        }
        ActivityItem item{shown.join(QStringLiteral(", ")), answers.join(QStringLiteral(", "))};
        item.shape = ExerciseShape::Sequence;
        item.values = {{QStringLiteral("numbers"), numbers}, {QStringLiteral("blanks"), blanks}};
        sheet.items.push_back(std::move(item));
    }
    return sheet;
}

// ---- place value ----

// Written apart as school books write them: "on binlik", "yüz milyonluk".
constexpr std::array<QStringView, 9> kPlaceUnits = {
    u"birlik",  u"onluk",     u"yüzlük",       u"binlik",       u"on binlik",
    u"yüz binlik", u"milyonluk", u"on milyonluk", u"yüz milyonluk"};

// digits[0] is the ones digit.
std::vector<int> drawDigits(int count, RandomDraw& random) {
    std::vector<int> digits(static_cast<size_t>(count));
    digits[static_cast<size_t>(count - 1)] = between(random, 1, 9);
    for (int i = count - 2; i >= 0; --i)
        digits[static_cast<size_t>(i)] = random.draw(10);
    return digits;
}

qint64 valueOf(const std::vector<int>& digits) {
    qint64 n = 0;
    for (size_t i = digits.size(); i-- > 0;)
        n = n * 10 + digits[i];
    return n;
}

qint64 placeValue(int digit, size_t place) {
    qint64 n = digit;
    for (size_t i = 0; i < place; ++i)
        n *= 10;
    return n;
}

// "4 binlik + 5 yüzlük + 8 onluk + 2 birlik", a blank for each digit when asked.
QString placeSum(const std::vector<int>& digits, bool blanks) {
    QStringList terms;
    for (size_t i = digits.size(); i-- > 0;)
        terms << (blanks ? blank() : QString::number(digits[i])) + u' ' + kPlaceUnits[i].toString();
    return terms.join(QStringLiteral(" + "));
}

ActivitySheet placeValues(const ActivityValues& values, RandomDraw& random) {
    const int count = values[0].toInt();
    ActivitySheet sheet{QStringLiteral("Sayıları çözümleyiniz, oluşturunuz ve basamak değerlerini "
                                       "bulunuz."),
                        {}};
    for (int i = 0; i < 4; ++i) {
        const std::vector<int> digits = drawDigits(count, random);
        sheet.items.push_back(
            {grouped(valueOf(digits)) + QStringLiteral(" = ") + placeSum(digits, true),
             placeSum(digits, false)});
    }
    for (int i = 0; i < 4; ++i) {
        const std::vector<int> digits = drawDigits(count, random);
        sheet.items.push_back(
            {placeSum(digits, false) + QStringLiteral(" = ") + blank(), grouped(valueOf(digits))});
    }
    for (int i = 0; i < 4; ++i) {
        // The asked digit appears once and is not 0, so "the digit 5" names one place.
        std::vector<int> digits;
        size_t place = 0;
        for (bool found = false; !found;) {
            digits = drawDigits(count, random);
            place = static_cast<size_t>(random.draw(count));
            const int digit = digits[place];
            found = digit != 0 && std::count(digits.begin(), digits.end(), digit) == 1;
        }
        sheet.items.push_back({QStringLiteral("%1 sayısındaki %2 rakamının basamak değeri: %3")
                                   .arg(grouped(valueOf(digits)))
                                   .arg(digits[place])
                                   .arg(blank()),
                               grouped(placeValue(digits[place], place))});
    }
    return sheet;
}

// ---- money ----

const QStringList kLargestAmounts = {QStringLiteral("10 TL"), QStringLiteral("20 TL"),
                                     QStringLiteral("50 TL"), QStringLiteral("100 TL"),
                                     QStringLiteral("1000 TL")};

// As school books write money, one style for the whole page: "3 lira 50
// kuruş", "3 lira" or "50 kuruş", never "0 lira" or "0 kuruş".
QString amount(int kurus) {
    const int lira = kurus / 100;
    const int rest = kurus % 100;
    if (rest == 0) return QStringLiteral("%1 lira").arg(lira);
    if (lira == 0) return QStringLiteral("%1 kuruş").arg(rest);
    return QStringLiteral("%1 lira %2 kuruş").arg(lira).arg(rest);
}

// Amounts go in steps of 5 kuruş, the smallest coin in use.
int fives(RandomDraw& random, int lo, int hi) {
    return 5 * between(random, lo / 5, hi / 5);
}

ActivitySheet money(const ActivityValues& values, RandomDraw& random) {
    if (values.value(1) == pictureOptions::moneyShows()[1]) return moneyPictures(values[0], random);
    const int largest = optionNumber(values[0]) * 100;
    const QString lirasBlank =
        blank() + QStringLiteral(" lira ") + blank() + QStringLiteral(" kuruş");
    ActivitySheet sheet{QStringLiteral("Paralarımızla ilgili işlemleri yapınız."), {}};
    for (int i = 0; i < 4; ++i) {
        const int sum = fives(random, 10, largest);
        const int a = fives(random, 5, sum - 5);
        sheet.items.push_back({amount(a) + QStringLiteral(" + ") + amount(sum - a) +
                                   QStringLiteral(" = ") + lirasBlank,
                               amount(sum)});
    }
    for (int i = 0; i < 4; ++i) {
        const int a = fives(random, 10, largest);
        const int b = fives(random, 5, a - 5);
        sheet.items.push_back(
            {amount(a) + u' ' + kMinus + u' ' + amount(b) + QStringLiteral(" = ") + lirasBlank,
             amount(a - b)});
    }
    // Conversions stay within what a pupil counts out: at most 20 TL in kuruş.
    const int convertible = std::min(largest, 2000);
    for (int i = 0; i < 4; ++i) {
        const int kurus = fives(random, 105, convertible);
        sheet.items.push_back(
            {QStringLiteral("%1 kuruş = ").arg(kurus) + lirasBlank, amount(kurus)});
    }
    for (int i = 0; i < 4; ++i) {
        const int lira = between(random, 1, convertible / 100);
        sheet.items.push_back({QStringLiteral("%1 lira = %2 kuruş").arg(lira).arg(blank()),
                               QStringLiteral("%1 kuruş").arg(lira * 100)});
    }
    return sheet;
}

QStringList numberItems(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

}  // namespace

const std::vector<ActivityKind>& activityKinds() {
    static const std::vector<ActivityKind> kinds = {
        {QStringLiteral("Saat Okuma"),
         {{QStringLiteral("Hassasiyet"), kPrecisions, QStringLiteral("Çeyrek saat")}},
         ActivityLayout::ClockFaces,
         true,
         clockReading},
        {QStringLiteral("Saat Çizme"),
         {{QStringLiteral("Hassasiyet"), kPrecisions, QStringLiteral("Çeyrek saat")},
          {QStringLiteral("Yazılış"), {kInDigits, kInWords}, kInDigits}},
         ActivityLayout::ClockFaces,
         false,
         clockDrawing},
        {QStringLiteral("Eksik Sayı"),
         {{QStringLiteral("İşlem"), kOperations, QStringLiteral("Toplama")},
          {QStringLiteral("En büyük sayı"),
           {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("50"), QStringLiteral("100"),
            QStringLiteral("1000")},
           QStringLiteral("20")}},
         ActivityLayout::TwoColumns,
         false,
         missingNumbers},
        {QStringLiteral("Ritmik Sayma"),
         {{QStringLiteral("Adım"), kSteps, QStringLiteral("2")},
          {QStringLiteral("Yön"), kDirections, QStringLiteral("İleri")},
          {QStringLiteral("En büyük sayı"),
           {QStringLiteral("20"), QStringLiteral("50"), QStringLiteral("100"),
            QStringLiteral("1000")},
           QStringLiteral("100")}},
         ActivityLayout::OneColumn,
         false,
         rhythmicCounting},
        {QStringLiteral("Basamak Değeri"),
         {{QStringLiteral("Basamak"), numberItems(2, 9), QStringLiteral("4")}},
         ActivityLayout::OneColumn,
         false,
         placeValues},
        {QStringLiteral("Paralarımız"),
         {{QStringLiteral("En büyük tutar"), kLargestAmounts, QStringLiteral("20 TL")},
          {QStringLiteral("Gösterim"), pictureOptions::moneyShows(), pictureOptions::moneyShows()[0]}},
         ActivityLayout::OneColumn,
         false,
         money},
        {QStringLiteral("Kesir Modelleri"),
         {{QStringLiteral("Sınıf"), pictureOptions::grades234(), QStringLiteral("3. sınıf")},
          {QStringLiteral("Soru"), pictureOptions::fractionTasks(),
           pictureOptions::fractionTasks()[0]},
          {QStringLiteral("Kesirler"), pictureOptions::fractionKinds(),
           pictureOptions::fractionKinds()[0]}},
         ActivityLayout::Pictures,
         false,
         fractionModels},
        {QStringLiteral("Sayı Doğrusu"),
         {{QStringLiteral("Aralık"), pictureOptions::numberLineSteps(), QStringLiteral("1'er")},
          {QStringLiteral("Soru"), pictureOptions::numberLineTasks(),
           pictureOptions::numberLineTasks()[0]}},
         ActivityLayout::Pictures,
         false,
         numberLines},
        {QStringLiteral("Çetele ve Sıklık"),
         {{QStringLiteral("Konu"), pictureOptions::dataTopics(), QStringLiteral("Karışık")},
          {QStringLiteral("Sınıf"), pictureOptions::tallyGrades(), QStringLiteral("2. sınıf")},
          {QStringLiteral("Soru"), pictureOptions::tallyTasks(), pictureOptions::tallyTasks()[0]}},
         ActivityLayout::Pictures,
         false,
         tallyTables},
        {QStringLiteral("Şekil Grafiği"),
         {{QStringLiteral("Bir şekil"), pictureOptions::pictographKeys(), QStringLiteral("1")},
          {QStringLiteral("Soru"), pictureOptions::graphTasks(), pictureOptions::graphTasks()[0]},
          {QStringLiteral("Konu"), pictureOptions::dataTopics(), QStringLiteral("Karışık")}},
         ActivityLayout::Pictures,
         false,
         pictographs},
        {QStringLiteral("Sütun Grafiği"),
         {{QStringLiteral("Ölçek"), pictureOptions::barScales(), QStringLiteral("1")},
          {QStringLiteral("Soru"), pictureOptions::graphTasks(), pictureOptions::graphTasks()[0]},
          {QStringLiteral("Konu"), pictureOptions::dataTopics(), QStringLiteral("Karışık")}},
         ActivityLayout::Pictures,
         false,
         barGraphs},
        {QStringLiteral("Çevre ve Alan"),
         {{QStringLiteral("Soru"), pictureOptions::gridTasks(), pictureOptions::gridTasks()[0]},
          {QStringLiteral("Şekiller"), pictureOptions::gridShapes(),
           pictureOptions::gridShapes()[0]}},
         ActivityLayout::Pictures,
         false,
         perimeterAndArea},
        {QStringLiteral("Cetvel"),
         {{QStringLiteral("Ölçü"), pictureOptions::rulerUnits(), pictureOptions::rulerUnits()[0]},
          {QStringLiteral("Başlangıç"), pictureOptions::rulerStarts(),
           pictureOptions::rulerStarts()[0]}},
         ActivityLayout::Pictures,
         false,
         rulers},
        {QStringLiteral("Geometrik Şekiller"),
         {{QStringLiteral("Soru"), pictureOptions::shapeTasks(), pictureOptions::shapeTasks()[0]},
          {QStringLiteral("Şekiller"), pictureOptions::shapeSets(),
           pictureOptions::shapeSets()[0]}},
         ActivityLayout::Pictures,
         false,
         planeShapes},
    };
    return kinds;
}

const ActivityKind* activityKind(QStringView name) {
    for (const ActivityKind& kind : activityKinds())
        if (kind.name == name) return &kind;
    return nullptr;
}

ActivityValues startValues(const ActivityKind& kind) {
    ActivityValues values;
    for (const ActivityOption& option : kind.options)
        values << option.start;
    return values;
}

ExerciseList activityExercises(const ActivitySheet& sheet, bool handsOnPage) {
    ExerciseList exercises;
    exercises.reserve(sheet.items.size());
    int number = 0;
    for (const ActivityItem& item : sheet.items) {
        Exercise e;
        e.number = ++number;
        e.text = item.text;
        e.answer = item.answer;
        e.key = item.answer;
        if (item.clock) {
            e.shape = ExerciseShape::Clock;
            e.values = {{QStringLiteral("hour"), int64_t{item.hour}},
                        {QStringLiteral("minute"), int64_t{item.minute}},
                        {QStringLiteral("hands"), handsOnPage}};
        } else {
            e.shape = item.shape;
            e.values = item.values;
            e.picture = item.picture;
        }
        exercises.push_back(std::move(e));
    }
    return exercises;
}

QStringList activityAnswerLines(const ActivitySheet& sheet) {
    return keyLines(activityExercises(sheet, true));
}

}  // namespace zarvik
