// Data: "Çetele ve Sıklık" (pupils' choices counted into a tally and a
// frequency table), "Şekil Grafiği" (a pictograph with its key) and "Sütun
// Grafiği" (a bar graph with a labelled scale), read or drawn, each followed
// by questions on the data.

#include <QLocale>

#include "activities/core/ActivityPictures.h"
#include "activities/core/PictureActivities.h"
#include "common/core/Errors.h"

namespace zarvik {

namespace pictureOptions {

const QStringList& dataTopics() {
    static const QStringList items = {QStringLiteral("Meyveler"), QStringLiteral("Evcil hayvanlar"),
                                      QStringLiteral("Renkler"), QStringLiteral("Günler"),
                                      QStringLiteral("Karışık")};
    return items;
}

const QStringList& tallyGrades() {
    static const QStringList items = {QStringLiteral("1. sınıf"), QStringLiteral("2. sınıf"),
                                      QStringLiteral("3. sınıf"), QStringLiteral("4. sınıf")};
    return items;
}

const QStringList& tallyTasks() {
    static const QStringList items = {QStringLiteral("Listeden tabloya"),
                                      QStringLiteral("Çeteleden tabloya")};
    return items;
}

const QStringList& pictographKeys() {
    static const QStringList items = {QStringLiteral("1"),
                                      QStringLiteral("2"),
                                      QStringLiteral("5"),
                                      QStringLiteral("10"),
                                      QStringLiteral("2, yarım şekilli"),
                                      QStringLiteral("10, yarım şekilli"),
                                      QStringLiteral("Karışık")};
    return items;
}

const QStringList& graphTasks() {
    static const QStringList items = {QStringLiteral("Grafiği okuma"),
                                      QStringLiteral("Grafiği çizme")};
    return items;
}

const QStringList& barScales() {
    static const QStringList items = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"),
                                      QStringLiteral("10"), QStringLiteral("Karışık")};
    return items;
}

}  // namespace pictureOptions

namespace {

struct Choice {
    const char16_t* name;
    const char16_t* accusative;  // "Kaç öğrenci elmayı seçmiş?"
};

struct Topic {
    const char16_t* what;    // "En çok hangi meyve seçilmiş?"
    const char16_t* header;  // the table's first column
    const char16_t* title;   // the graph's title
    std::vector<Choice> choices;
};

const std::vector<Topic>& topics() {
    static const std::vector<Topic> all = {
        {u"meyve",
         u"Meyve",
         u"Öğrencilerin en sevdiği meyveler",
         {{u"elma", u"elmayı"},
          {u"muz", u"muzu"},
          {u"çilek", u"çileği"},
          {u"armut", u"armudu"},
          {u"kiraz", u"kirazı"},
          {u"portakal", u"portakalı"}}},
        {u"evcil hayvan",
         u"Evcil hayvan",
         u"Öğrencilerin en sevdiği evcil hayvanlar",
         {{u"kedi", u"kediyi"},
          {u"köpek", u"köpeği"},
          {u"kuş", u"kuşu"},
          {u"balık", u"balığı"},
          {u"tavşan", u"tavşanı"},
          {u"kaplumbağa", u"kaplumbağayı"}}},
        {u"renk",
         u"Renk",
         u"Öğrencilerin en sevdiği renkler",
         {{u"kırmızı", u"kırmızıyı"},
          {u"mavi", u"maviyi"},
          {u"sarı", u"sarıyı"},
          {u"yeşil", u"yeşili"},
          {u"mor", u"moru"},
          {u"turuncu", u"turuncuyu"}}},
        {u"gün",
         u"Gün",
         u"Öğrencilerin en sevdiği günler",
         {{u"pazartesi", u"pazartesiyi"},
          {u"salı", u"salıyı"},
          {u"çarşamba", u"çarşambayı"},
          {u"perşembe", u"perşembeyi"},
          {u"cuma", u"cumayı"},
          {u"cumartesi", u"cumartesiyi"},
          {u"pazar", u"pazarı"}}},
    };
    return all;
}

QString capitalised(const QString& word) {
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return turkish.toUpper(word.left(1)) + word.mid(1);
}

// The data of one sheet: a topic, some of its choices, and how many chose each.
struct Data {
    const Topic* topic = nullptr;
    std::vector<const Choice*> choices;
    std::vector<int> counts;

    QString name(size_t i) const { return QString::fromUtf16(choices[i]->name); }
    QString accusative(size_t i) const { return QString::fromUtf16(choices[i]->accusative); }
    int total() const {
        int sum = 0;
        for (const int n : counts)
            sum += n;
        return sum;
    }
};

const Topic& drawTopic(const QString& option, RandomDraw& random) {
    const qsizetype chosen = pictureOptions::dataTopics().indexOf(option);
    const size_t index = chosen >= 0 && chosen < 4 ? static_cast<size_t>(chosen)
                                                   : static_cast<size_t>(random.draw(4));
    return topics()[index];
}

// `categories` of the topic's choices, with counts drawn by `count` until
// one is the largest and one the smallest, so that "the most" has one answer.
template <typename Count>
Data drawData(const Topic& topic, int categories, Count&& count, RandomDraw& random) {
    Data data;
    data.topic = &topic;
    const std::vector<int> order = drawOrder(random, static_cast<int>(topic.choices.size()));
    std::vector<int> picked(order.begin(), order.begin() + categories);
    std::sort(picked.begin(), picked.end());
    for (const int i : picked)
        data.choices.push_back(&topic.choices[static_cast<size_t>(i)]);
    for (;;) {
        data.counts.clear();
        for (int i = 0; i < categories; ++i)
            data.counts.push_back(count());
        const int most = *std::max_element(data.counts.begin(), data.counts.end());
        const int least = *std::min_element(data.counts.begin(), data.counts.end());
        if (std::count(data.counts.begin(), data.counts.end(), most) == 1 &&
            std::count(data.counts.begin(), data.counts.end(), least) == 1)
            return data;
    }
}

constexpr double kWidth = 1760;
constexpr double kRow = 90;

// A table's lines: rows of kRow under a header row, columns at the given
// edges (the first and last are the frame).
void addTableLines(Drawing& drawing, const std::vector<double>& edges, int rows) {
    std::vector<QPointF> ends;
    const double bottom = kRow * (rows + 1);
    for (int r = 0; r <= rows + 1; ++r) {
        ends.emplace_back(edges.front(), kRow * r);
        ends.emplace_back(edges.back(), kRow * r);
    }
    for (const double x : edges) {
        ends.emplace_back(x, 0);
        ends.emplace_back(x, bottom);
    }
    drawing.parts.push_back(linesPart(std::move(ends), 4));
}

void addTableText(PictureBlock& block, const QString& name, const QString& text, double left,
                  double top, double width, bool bold = false) {
    block.text(name, text, left, top + (kRow - PictureBlock::lineHeight(13)) / 2, 13,
               Align::Center, width, bold);
}

// The questions after the data, each an item of its own with a line to
// write on: the most and least chosen, one count, a difference, the total.
void addQuestions(ActivitySheet& sheet, const Data& data, RandomDraw& random) {
    const QString what = QString::fromUtf16(data.topic->what);
    const auto at = [&](int n) {
        return static_cast<size_t>(
            std::find(data.counts.begin(), data.counts.end(), n) - data.counts.begin());
    };
    const size_t most = at(*std::max_element(data.counts.begin(), data.counts.end()));
    const size_t least = at(*std::min_element(data.counts.begin(), data.counts.end()));
    const size_t one = static_cast<size_t>(random.draw(static_cast<int>(data.counts.size())));
    // Two of different counts, the larger first.
    size_t more = most, fewer = least;
    for (int tries = 0; tries < 8; ++tries) {
        const size_t a = static_cast<size_t>(random.draw(static_cast<int>(data.counts.size())));
        const size_t b = static_cast<size_t>(random.draw(static_cast<int>(data.counts.size())));
        if (data.counts[a] > data.counts[b]) {
            more = a;
            fewer = b;
            break;
        }
    }
    const auto pupils = [](int n) { return QStringLiteral("%1 öğrenci").arg(n); };
    const std::vector<std::pair<QString, QString>> questions = {
        {QStringLiteral("En çok hangi %1 seçilmiş?").arg(what), data.name(most)},
        {QStringLiteral("En az hangi %1 seçilmiş?").arg(what), data.name(least)},
        {QStringLiteral("Kaç öğrenci %1 seçmiş?").arg(data.accusative(one)),
         pupils(data.counts[one])},
        {QStringLiteral("%1 seçenler %2 seçenlerden kaç kişi fazla?")
             .arg(capitalised(data.accusative(more)), data.accusative(fewer)),
         QStringLiteral("%1 kişi").arg(data.counts[more] - data.counts[fewer])},
        {QStringLiteral("Soruyu toplam kaç öğrenci cevaplamış?"), pupils(data.total())},
    };
    for (const auto& [question, answer] : questions) {
        PictureBlock block;
        block.text(QStringLiteral("Question"), question, 0, 0);
        const double after = PictureBlock::textWidth(question, 14) + 40;
        const double line = kWritingAdvance * std::max<qsizetype>(10, answer.size());
        block.writingLine(QStringLiteral("Writing"), after, PictureBlock::lineHeight(14) - 8, line);
        block.text(QStringLiteral("Answer"), answer, after + 20, 0);
        block.reserve(kWidth, kWritingLine);
        ActivityItem item{question, answer};
        item.picture = block.take();
        sheet.items.push_back(std::move(item));
    }
}

ExerciseValues dataValues(const Data& data, const QString& task) {
    QStringList names;
    for (size_t i = 0; i < data.choices.size(); ++i)
        names << data.name(i);
    return {{QStringLiteral("task"), task},
            {QStringLiteral("categories"), names.join(QStringLiteral(", "))},
            {QStringLiteral("counts"), std::vector<int64_t>(data.counts.begin(), data.counts.end())}};
}

// ---- tally and frequency tables ----

ActivityItem tallyItem(const Data& data, bool fromList, RandomDraw& random) {
    PictureBlock block;
    const QString asked = QStringLiteral("Öğrencilere en sevdikleri %1 soruldu. ")
                              .arg(QString::fromUtf16(data.topic->what));
    const QString text =
        asked + (fromList ? QStringLiteral("Cevapları çetele ve sıklık tablosuna işleyiniz.")
                          : QStringLiteral("Çetele tablosuna göre sıklık tablosunu doldurunuz."));
    double top = block.paragraph(QStringLiteral("Prompt"), text, 0, 0, kWidth) + 30;
    if (fromList) {
        // The answers in the order they were given, six in a row, in a frame.
        std::vector<size_t> answers;
        for (size_t i = 0; i < data.counts.size(); ++i)
            answers.insert(answers.end(), static_cast<size_t>(data.counts[i]), i);
        const std::vector<int> order = drawOrder(random, static_cast<int>(answers.size()));
        constexpr int kPerRow = 6;
        constexpr double kPitch = (kWidth - 60) / kPerRow, kLine = 65;
        const int rows = (static_cast<int>(answers.size()) + kPerRow - 1) / kPerRow;
        const double height = rows * kLine + 30;
        Drawing& frame = block.drawing(QStringLiteral("ListFrame"), 0, top, kWidth, height);
        frame.parts.push_back(polygonPart({{0, 0}, {kWidth, 0}, {kWidth, height}, {0, height}}, 3));
        for (size_t i = 0; i < order.size(); ++i) {
            const size_t choice = answers[static_cast<size_t>(order[i])];
            block.text(QStringLiteral("Word%1").arg(i + 1), data.name(choice),
                       30 + kPitch * static_cast<double>(i % kPerRow),
                       top + 15 + kLine * static_cast<double>(i / kPerRow), 13, Align::Left,
                       kPitch - 10);
        }
        top += height + 40;
    }
    const std::vector<double> edges = {0, 420, 1380, 1700};
    const int rows = static_cast<int>(data.counts.size());
    addTableLines(block.drawing(QStringLiteral("Table"), 0, top, 1700, kRow * (rows + 1)), edges,
                  rows);
    addTableText(block, QStringLiteral("HeaderName"), QString::fromUtf16(data.topic->header), 0,
                 top, 420, true);
    addTableText(block, QStringLiteral("HeaderTally"), QStringLiteral("Çetele"), 420, top, 960,
                 true);
    addTableText(block, QStringLiteral("HeaderCount"), QStringLiteral("Sıklık"), 1380, top, 320,
                 true);
    QStringList answer;
    for (int r = 0; r < rows; ++r) {
        const double rowTop = top + kRow * (r + 1);
        const size_t i = static_cast<size_t>(r);
        addTableText(block, QStringLiteral("Name%1").arg(r + 1), capitalised(data.name(i)), 0,
                     rowTop, 420);
        Drawing& tally = block.drawing((fromList ? QStringLiteral("AnswerTally%1")
                                                 : QStringLiteral("Tally%1"))
                                           .arg(r + 1),
                                       460, rowTop + 15, 880, kRow - 30);
        addTallyMarks(tally, data.counts[i], 10, 0, kRow - 30);
        addTableText(block, QStringLiteral("AnswerCount%1").arg(r + 1),
                     QString::number(data.counts[i]), 1380, rowTop, 320);
        answer << QStringLiteral("%1 %2").arg(data.name(i)).arg(data.counts[i]);
    }
    ActivityItem item{text, answer.join(QStringLiteral(", "))};
    item.shape = ExerciseShape::Tally;
    item.values = dataValues(data, fromList ? QStringLiteral("list") : QStringLiteral("tally"));
    item.picture = block.take();
    return item;
}

// ---- pictographs ----

constexpr double kFace = 80;
constexpr double kFacePitch = 95;

// One face of the graph, whole or half, at (left, top) of the block.
void addFaceCell(PictureBlock& block, const QString& name, double left, double top, bool half) {
    Drawing& face = block.drawing(name, left, top, half ? kFace / 2 : kFace, kFace,
                                  half ? QStringLiteral("face-half") : QStringLiteral("face"));
    addFace(face, QRectF(0, 0, kFace, kFace), half);
}

ActivityItem pictographItem(const Data& data, int key, bool read) {
    PictureBlock block;
    const QString text = read ? QStringLiteral("Şekil grafiğine göre tablodaki sayıları yazınız.")
                              : QStringLiteral("Tablodaki sayılara göre şekil grafiğini çiziniz.");
    double top = block.paragraph(QStringLiteral("Prompt"), text, 0, 0, kWidth) + 30;
    block.text(QStringLiteral("GraphTitle"), QString::fromUtf16(data.topic->title), 0, top, 14,
               Align::Center, 1700, true);
    top += PictureBlock::lineHeight(14) + 20;
    const std::vector<double> edges = {0, 380, 1400, 1700};
    const int rows = static_cast<int>(data.counts.size());
    addTableLines(block.drawing(QStringLiteral("Table"), 0, top, 1700, kRow * (rows + 1)), edges,
                  rows);
    addTableText(block, QStringLiteral("HeaderName"), QString::fromUtf16(data.topic->header), 0,
                 top, 380, true);
    addTableText(block, QStringLiteral("HeaderPictures"), QStringLiteral("Öğrenciler"), 380, top,
                 1020, true);
    addTableText(block, QStringLiteral("HeaderCount"), QStringLiteral("Sayı"), 1400, top, 300,
                 true);
    for (int r = 0; r < rows; ++r) {
        const double rowTop = top + kRow * (r + 1);
        const size_t i = static_cast<size_t>(r);
        addTableText(block, QStringLiteral("Name%1").arg(r + 1), capitalised(data.name(i)), 0,
                     rowTop, 380);
        // Whole faces, and a half one for half a key.
        const int halves = data.counts[i] * 2 / key;
        const QString prefix = read ? QStringLiteral("Face%1_") : QStringLiteral("AnswerFace%1_");
        for (int f = 0; f < halves / 2 + halves % 2; ++f)
            addFaceCell(block, prefix.arg(r + 1) + QString::number(f + 1), 410 + kFacePitch * f,
                        rowTop + (kRow - kFace) / 2, f == halves / 2);
        addTableText(block,
                     (read ? QStringLiteral("AnswerCount%1") : QStringLiteral("Count%1")).arg(r + 1),
                     QString::number(data.counts[i]), 1400, rowTop, 300);
    }
    top += kRow * (rows + 1) + 30;
    // The key: one face stands for so many pupils.
    addFaceCell(block, QStringLiteral("KeyFace"), 20, top, false);
    block.text(QStringLiteral("KeyText"), QStringLiteral("= %1 öğrenci").arg(key), 20 + kFace + 20,
               top + (kFace - PictureBlock::lineHeight(14)) / 2);
    QStringList answer;
    for (size_t i = 0; i < data.counts.size(); ++i)
        answer << QStringLiteral("%1 %2").arg(data.name(i)).arg(data.counts[i]);
    ActivityItem item{text, answer.join(QStringLiteral(", "))};
    item.shape = ExerciseShape::Graph;
    item.values = dataValues(data, read ? QStringLiteral("read") : QStringLiteral("draw"));
    item.values.push_back({QStringLiteral("graph"), QStringLiteral("pictograph")});
    item.values.push_back({QStringLiteral("key"), int64_t{key}});
    item.picture = block.take();
    return item;
}

// ---- bar graphs ----

constexpr double kUnit = 65;   // one step of the scale
constexpr double kSlot = 215;  // one bar's room
constexpr int kSteps = 10;

void addBarGraph(PictureBlock& block, const Data& data, int scale, double left, double top,
                 bool barsOnPage) {
    const double axisLeft = left + 130;
    const double graphTop = top + 90;
    const double height = kUnit * kSteps;
    const double width = kSlot * static_cast<double>(data.counts.size()) + 40;
    const double labelHeight = PictureBlock::lineHeight(11);
    block.text(QStringLiteral("AxisCount"), QStringLiteral("Öğrenci sayısı"), left, top, 11);
    Drawing& grid = block.drawing(QStringLiteral("Grid"), axisLeft, graphTop, width, height);
    std::vector<QPointF> rules;
    for (int s = 1; s <= kSteps; ++s) {
        rules.emplace_back(0, height - kUnit * s);
        rules.emplace_back(width, height - kUnit * s);
    }
    grid.parts.push_back(linesPart(std::move(rules), 1.5));
    grid.parts.push_back(linesPart({{0, 0}, {0, height}, {0, height}, {width, height}}, 5));
    for (int s = 0; s <= kSteps; ++s)
        block.text(QStringLiteral("Scale%1").arg(s), QString::number(scale * s), left,
                   graphTop + height - kUnit * s - labelHeight / 2, 11, Align::Right, 110);
    for (size_t i = 0; i < data.counts.size(); ++i) {
        const double x = axisLeft + 40 + kSlot * static_cast<double>(i);
        const double barHeight = kUnit * data.counts[i] / scale;
        Drawing& bar = block.drawing(
            (barsOnPage ? QStringLiteral("Bar%1") : QStringLiteral("AnswerBar%1")).arg(i + 1), x,
            graphTop + height - barHeight, kSlot - 60, barHeight);
        bar.parts.push_back(polygonPart(
            {{0, 0}, {kSlot - 60, 0}, {kSlot - 60, barHeight}, {0, barHeight}}, 4, kShade));
        block.text(QStringLiteral("Category%1").arg(i + 1), capitalised(data.name(i)), x - 30,
                   graphTop + height + 15, 10, Align::Center, kSlot);
    }
}

ActivityItem barGraphItem(const Data& data, int scale, bool read) {
    PictureBlock block;
    const QString text = read ? QStringLiteral("Sütun grafiğine göre tablodaki sayıları yazınız.")
                              : QStringLiteral("Tablodaki sayılara göre sütun grafiğini çiziniz.");
    double top = block.paragraph(QStringLiteral("Prompt"), text, 0, 0, kWidth) + 30;
    block.text(QStringLiteral("GraphTitle"), QString::fromUtf16(data.topic->title), 0, top, 14,
               Align::Left, 1200, true);
    top += PictureBlock::lineHeight(14) + 20;
    addBarGraph(block, data, scale, 0, top, read);
    // The table beside the graph: the pupil fills it from the graph, or
    // draws the graph from it.
    const double tableLeft = 1280;
    const int rows = static_cast<int>(data.counts.size());
    const double tableTop = top + 90;
    Drawing& table = block.drawing(QStringLiteral("Table"), tableLeft, tableTop, 480,
                                   kRow * (rows + 1));
    addTableLines(table, {0, 300, 480}, rows);
    addTableText(block, QStringLiteral("HeaderName"), QString::fromUtf16(data.topic->header),
                 tableLeft, tableTop, 300, true);
    addTableText(block, QStringLiteral("HeaderCount"), QStringLiteral("Sayı"), tableLeft + 300,
                 tableTop, 180, true);
    QStringList answer;
    for (int r = 0; r < rows; ++r) {
        const size_t i = static_cast<size_t>(r);
        addTableText(block, QStringLiteral("Name%1").arg(r + 1), capitalised(data.name(i)),
                     tableLeft, tableTop + kRow * (r + 1), 300);
        addTableText(block,
                     (read ? QStringLiteral("AnswerCount%1") : QStringLiteral("Count%1")).arg(r + 1),
                     QString::number(data.counts[i]), tableLeft + 300, tableTop + kRow * (r + 1),
                     180);
        answer << QStringLiteral("%1 %2").arg(data.name(i)).arg(data.counts[i]);
    }
    ActivityItem item{text, answer.join(QStringLiteral(", "))};
    item.shape = ExerciseShape::Graph;
    item.values = dataValues(data, read ? QStringLiteral("read") : QStringLiteral("draw"));
    item.values.push_back({QStringLiteral("graph"), QStringLiteral("bar")});
    item.values.push_back({QStringLiteral("scale"), int64_t{scale}});
    item.picture = block.take();
    return item;
}

}  // namespace

ActivitySheet tallyTables(const ActivityValues& values, RandomDraw& random) {
    const Topic& topic = drawTopic(values[0], random);
    const int grade = gradeOf(values[1]);
    const bool fromList = values[2] == pictureOptions::tallyTasks()[0];
    // More choices and larger counts as the grades go up.
    const int categories = grade == 1 ? 3 : grade == 2 ? 4 : 5;
    const int largest = grade == 1 ? 6 : grade == 2 ? 9 : grade == 3 ? 11 : 13;
    const Data data =
        drawData(topic, categories, [&] { return drawBetween(random, 1, largest); }, random);
    ActivitySheet sheet{QStringLiteral("Verileri tabloya işleyip soruları cevaplayınız."), {}};
    sheet.items.push_back(tallyItem(data, fromList, random));
    addQuestions(sheet, data, random);
    return sheet;
}

ActivitySheet pictographs(const ActivityValues& values, RandomDraw& random) {
    const int choice = static_cast<int>(pictureOptions::pictographKeys().indexOf(values[0]));
    const bool read = values[1] == pictureOptions::graphTasks()[0];
    const Topic& topic = drawTopic(values[2], random);
    static const int keys[] = {1, 2, 5, 10, 2, 10};
    const int pick = choice == 6 ? random.draw(6) : choice;
    const int key = keys[pick];
    const bool halves = pick >= 4;
    // At most ten faces in a row; a half face for half a key.
    const Data data = drawData(topic, 4 + random.draw(2), [&] {
        if (!halves) return key * drawBetween(random, 1, 10);
        return key * drawBetween(random, 2, 19) / 2;
    }, random);
    ActivitySheet sheet{QStringLiteral("Şekil grafiğiyle ilgili soruları cevaplayınız."), {}};
    sheet.items.push_back(pictographItem(data, key, read));
    addQuestions(sheet, data, random);
    return sheet;
}

ActivitySheet barGraphs(const ActivityValues& values, RandomDraw& random) {
    const int choice = static_cast<int>(pictureOptions::barScales().indexOf(values[0]));
    const bool read = values[1] == pictureOptions::graphTasks()[0];
    const Topic& topic = drawTopic(values[2], random);
    static const int scales[] = {1, 2, 5, 10};
    const int scale = scales[choice == 4 ? random.draw(4) : choice];
    const Data data = drawData(topic, 4 + random.draw(2),
                               [&] { return scale * drawBetween(random, 1, kSteps); }, random);
    ActivitySheet sheet{QStringLiteral("Sütun grafiğiyle ilgili soruları cevaplayınız."), {}};
    sheet.items.push_back(barGraphItem(data, scale, read));
    addQuestions(sheet, data, random);
    return sheet;
}

}  // namespace zarvik
