// "Cetvel": a centimetre ruler drawn true size with a pencil, a rubber, a
// key or a nail lying on it, from 0 or from another mark; the pupil reads
// its length in centimetres, or in centimetres and millimetres.

#include "activities/core/ActivityPictures.h"
#include "activities/core/PictureActivities.h"

namespace zarvik {

namespace pictureOptions {

const QStringList& rulerUnits() {
    static const QStringList items = {QStringLiteral("Santimetre"),
                                      QStringLiteral("Santimetre ve milimetre")};
    return items;
}

const QStringList& rulerStarts() {
    static const QStringList items = {QStringLiteral("Sıfırdan"), QStringLiteral("Karışık")};
    return items;
}

}  // namespace pictureOptions

namespace {

constexpr int kCentimetres = 15;
constexpr double kMillimetre = 10;  // tenths of a millimetre: true size
constexpr double kZero = 60;        // the 0 mark from the ruler's left end
constexpr double kRulerWidth = kZero * 2 + kCentimetres * 10 * kMillimetre;
constexpr double kRulerHeight = 180;
constexpr double kObjectHeight = 110;
constexpr int kNumberPoints = 10;

struct Thing {
    const char16_t* name;      // for the values
    const char16_t* genitive;  // "Kalemin uzunluğu …"
    int shortest, longest;     // whole centimetres
};

const Thing kThings[] = {{u"kalem", u"Kalemin", 6, 13},
                         {u"silgi", u"Silginin", 3, 6},
                         {u"anahtar", u"Anahtarın", 4, 8},
                         {u"çivi", u"Çivinin", 3, 9}};

// The ruler: its outline, a mark every millimetre, longer at 5 and longest
// at every centimetre, and the centimetres' numbers in one row under them.
void addRuler(PictureBlock& block, double top) {
    Drawing& ruler = block.drawing(QStringLiteral("Ruler"), 0, top, kRulerWidth, kRulerHeight);
    ruler.parts.push_back(polygonPart(
        {{0, 0}, {kRulerWidth, 0}, {kRulerWidth, kRulerHeight}, {0, kRulerHeight}}, 4, 245));
    std::vector<QPointF> marks;
    for (int mm = 0; mm <= kCentimetres * 10; ++mm) {
        const double x = kZero + mm * kMillimetre;
        const double length = mm % 10 == 0 ? 60 : mm % 5 == 0 ? 42 : 28;
        marks.emplace_back(x, 0);
        marks.emplace_back(x, length);
    }
    ruler.parts.push_back(linesPart(std::move(marks), 2));
    for (int cm = 0; cm <= kCentimetres; ++cm)
        block.text(QStringLiteral("Number%1").arg(cm), QString::number(cm), kZero + cm * 100 - 50,
                   top + 70, kNumberPoints, Align::Center, 100);
    block.text(QStringLiteral("Unit"), QStringLiteral("cm"), kZero + 8, top + 125, 8);
}

// The thing from x = 0 to x = length along its drawing, lying on y = height.
void addThing(Drawing& d, int which, double length) {
    const double h = kObjectHeight;
    switch (which) {
        case 0: {  // a pencil: rubber end, body, sharpened wood, lead at the very tip
            const double tip = std::min(150.0, length * 0.25), end = 60;
            const double top = h - 70, bottom = h - 5, middle = (top + bottom) / 2;
            d.parts.push_back(polygonPart({{0, top}, {end, top}, {end, bottom}, {0, bottom}}, 3, 200));
            d.parts.push_back(polygonPart(
                {{end, top}, {length - tip, top}, {length - tip, bottom}, {end, bottom}}, 3, 235));
            d.parts.push_back(linesPart({{end, top + 21}, {length - tip, top + 21},
                                         {end, bottom - 21}, {length - tip, bottom - 21}},
                                        2));
            d.parts.push_back(polygonPart({{length - tip, top}, {length, middle}, {length - tip, bottom}}, 3));
            const double lead = tip * 0.35, half = (bottom - top) / 2 * lead / tip;
            d.parts.push_back(polygonPart(
                {{length - lead, middle - half}, {length, middle}, {length - lead, middle + half}}, 0, 0));
            break;
        }
        case 1: {  // a rubber in its paper sleeve
            const double top = h - 80, bottom = h - 5;
            d.parts.push_back(polygonPart({{0, top}, {length, top}, {length, bottom}, {0, bottom}}, 4, 250));
            d.parts.push_back(polygonPart(
                {{length * 0.35, top}, {length, top}, {length, bottom}, {length * 0.35, bottom}}, 3,
                205));
            break;
        }
        case 2: {  // a key: ring with its hole, shaft, bit
            const double ring = 100, top = h - ring - 5, middle = top + ring / 2;
            d.parts.push_back(ellipsePart(QRectF(0, top, ring, ring), 4, 225));
            d.parts.push_back(ellipsePart(QRectF(ring * 0.2, middle - 15, 30, 30), 3, 255));
            d.parts.push_back(polygonPart({{ring - 2, middle - 12},
                                           {length, middle - 12},
                                           {length, middle + 12},
                                           {ring - 2, middle + 12}},
                                          3, 225));
            const double bit = std::min(120.0, (length - ring) * 0.4);
            d.parts.push_back(polygonPart({{length - bit, middle + 12},
                                           {length, middle + 12},
                                           {length, middle + 40},
                                           {length - bit * 0.3, middle + 40},
                                           {length - bit * 0.3, middle + 28},
                                           {length - bit * 0.6, middle + 28},
                                           {length - bit * 0.6, middle + 45},
                                           {length - bit, middle + 45}},
                                          3, 225));
            break;
        }
        default: {  // a nail: head, shank, point
            const double middle = h - 35;
            d.parts.push_back(polygonPart({{0, middle - 35}, {16, middle - 35}, {16, middle + 35}, {0, middle + 35}}, 3, 120));
            d.parts.push_back(polygonPart({{16, middle - 10},
                                           {length - 60, middle - 10},
                                           {length, middle},
                                           {length - 60, middle + 10},
                                           {16, middle + 10}},
                                          3, 170));
            break;
        }
    }
}

ActivityItem rulerItem(bool millimetres, bool anywhere, RandomDraw& random) {
    const int which = random.draw(4);
    const Thing& thing = kThings[which];
    // Lengths in millimetres: whole centimetres, or any millimetre.
    int length = millimetres ? drawBetween(random, thing.shortest * 10 + 1, thing.longest * 10 - 1)
                             : 10 * drawBetween(random, thing.shortest, thing.longest);
    // Millimetres asked for are never none.
    if (millimetres && length % 10 == 0) ++length;
    const int start = anywhere && random.draw(3) != 0
                          ? 10 * drawBetween(random, 1, kCentimetres - (length + 9) / 10)
                          : 0;
    const QString genitive = QString::fromUtf16(thing.genitive);
    const QString text = millimetres
                             ? genitive + QStringLiteral(" uzunluğu kaç santimetre kaç milimetredir?")
                             : genitive + QStringLiteral(" uzunluğu kaç santimetredir?");
    PictureBlock block;
    block.text(QStringLiteral("Prompt"), text, 0, 0);
    const double top = PictureBlock::lineHeight(14) + 25;
    const double left = kZero + start * kMillimetre;
    addThing(block.drawing(QStringLiteral("Object"), left, top, length * kMillimetre, kObjectHeight),
             which, length * kMillimetre);
    addRuler(block, top + kObjectHeight);
    // The answer's line beside the prompt's end, or under the ruler.
    const double line = top + kObjectHeight + kRulerHeight + 30;
    const double room = 3 * kWritingAdvance;
    QString answer = QStringLiteral("%1 cm").arg(length / 10);
    block.writingLine(QStringLiteral("CentimetresLine"), 0, line + PictureBlock::lineHeight(14) - 8, room);
    block.text(QStringLiteral("AnswerCentimetres"), QString::number(length / 10), 0, line, 14,
               Align::Center, room);
    block.text(QStringLiteral("CentimetresUnit"), QStringLiteral("cm"), room + 15, line);
    if (millimetres) {
        const double x = room + 15 + PictureBlock::textWidth(QStringLiteral("cm"), 14) + 40;
        block.writingLine(QStringLiteral("MillimetresLine"), x, line + PictureBlock::lineHeight(14) - 8,
                          room);
        block.text(QStringLiteral("AnswerMillimetres"), QString::number(length % 10), x, line, 14,
                   Align::Center, room);
        block.text(QStringLiteral("MillimetresUnit"), QStringLiteral("mm"), x + room + 15, line);
        answer += QStringLiteral(" %1 mm").arg(length % 10);
    }
    ActivityItem item{text, answer};
    item.shape = ExerciseShape::Ruler;
    item.values = {{QStringLiteral("object"), QString::fromUtf16(thing.name)},
                   {QStringLiteral("start"), int64_t{start}},
                   {QStringLiteral("length"), int64_t{length}}};
    item.picture = block.take();
    return item;
}

}  // namespace

ActivitySheet rulers(const ActivityValues& values, RandomDraw& random) {
    const bool millimetres = values[0] == pictureOptions::rulerUnits()[1];
    const bool anywhere = values[1] == pictureOptions::rulerStarts()[1];
    ActivitySheet sheet{QStringLiteral("Cetvele bakarak nesnelerin uzunluklarını yazınız."), {}};
    for (int i = 0; i < 4; ++i)
        sheet.items.push_back(rulerItem(millimetres, anywhere, random));
    return sheet;
}

}  // namespace zarvik
