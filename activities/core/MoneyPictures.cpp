// "Paralarımız" with pictures: the coins (1, 5, 10, 25, 50 kuruş, 1 lira)
// and notes (5 to 200 lira) in use, drawn as simple line pictures with
// their value. The pupil counts an amount shown in coins and notes, or says
// which to give for an amount (the key draws the fewest that make it).

#include "activities/core/ActivityPictures.h"
#include "activities/core/PictureActivities.h"

namespace zarvik {

namespace pictureOptions {

const QStringList& moneyShows() {
    static const QStringList items = {QStringLiteral("Yazıyla"), QStringLiteral("Resimle")};
    return items;
}

}  // namespace pictureOptions

namespace {

struct Piece {
    int kurus;
    double width;   // a coin's diameter, a note's length
    double height;  // the same for a coin
};

// Coins at their true diameters; notes at 40 % of theirs, which grow with
// their value as the real ones do.
const Piece kPieces[] = {{1, 165, 165},      {5, 175, 175},      {10, 185, 185},
                         {25, 205, 205},     {50, 238, 238},     {100, 262, 262},
                         {500, 520, 250},    {1000, 544, 252},   {2000, 568, 254},
                         {5000, 592, 256},   {10000, 616, 258},  {20000, 640, 260}};
constexpr double kRowHeight = 262;
constexpr double kWidth = 1760;
constexpr double kSpace = 30;
constexpr int kMostPieces = 8;

bool isNote(const Piece& piece) {
    return piece.kurus >= 500;
}

// "12 lira 75 kuruş", "12 lira", "75 kuruş".
QString amountText(int kurus) {
    const int lira = kurus / 100, rest = kurus % 100;
    if (rest == 0) return QStringLiteral("%1 lira").arg(lira);
    if (lira == 0) return QStringLiteral("%1 kuruş").arg(rest);
    return QStringLiteral("%1 lira %2 kuruş").arg(lira).arg(rest);
}

// One coin or note with its value, its middle at `middle`; returns its width.
double addPiece(PictureBlock& block, const QString& name, const Piece& piece, double left,
                double middle) {
    const bool note = isNote(piece);
    const int value = note || piece.kurus == 100 ? piece.kurus / 100 : piece.kurus;
    const QString unit = note || piece.kurus == 100 ? QStringLiteral("lira") : QStringLiteral("kuruş");
    const double top = middle - piece.height / 2;
    Drawing& d = block.drawing(name, left, top, piece.width, piece.height,
                               QStringLiteral("money-%1").arg(piece.kurus));
    const double w = piece.width, h = piece.height;
    int points = 14;
    double textMiddle = w / 2;
    if (note) {
        // Frame, inner border, and the oval of the watermark on the right.
        d.parts.push_back(polygonPart({{0, 0}, {w, 0}, {w, h}, {0, h}}, 4, 238));
        d.parts.push_back(polygonPart({{20, 20}, {w - 20, 20}, {w - 20, h - 20}, {20, h - 20}}, 2));
        d.parts.push_back(ellipsePart(QRectF(w * 0.62, h * 0.2, w * 0.26, h * 0.6), 2, 252));
        points = 20;
        textMiddle = w * 0.3;
    } else if (piece.kurus == 100) {
        // The lira: a ring of another metal round the middle.
        d.parts.push_back(ellipsePart(QRectF(2, 2, w - 4, h - 4), 4, 200));
        d.parts.push_back(ellipsePart(QRectF(w * 0.2, h * 0.2, w * 0.6, h * 0.6), 2, 248));
    } else {
        d.parts.push_back(ellipsePart(QRectF(2, 2, w - 4, h - 4), 4, 232));
        d.parts.push_back(ellipsePart(QRectF(w * 0.1, h * 0.1, w * 0.8, h * 0.8), 1.5));
        if (piece.kurus < 25) points = 12;
    }
    const double number = PictureBlock::lineHeight(points);
    const double small = PictureBlock::lineHeight(7);
    const double textTop = middle - (number + small) / 2;
    const double room = note ? w * 0.5 : w;
    block.text(name + QStringLiteral("Value"), QString::number(value), left + textMiddle - room / 2,
               textTop, points, Align::Center, room, true);
    block.text(name + QStringLiteral("Unit"), unit, left + textMiddle - room / 2, textTop + number, 7,
               Align::Center, room);
    return w;
}

// Pieces in a row from the left, biggest first.
double addPieces(PictureBlock& block, const QString& prefix, const std::vector<const Piece*>& pieces,
                 double left, double top) {
    double x = left;
    for (size_t i = 0; i < pieces.size(); ++i)
        x += addPiece(block, prefix + QString::number(i + 1), *pieces[i], x, top + kRowHeight / 2) +
             kSpace;
    return x - kSpace - left;
}

double rowWidth(const std::vector<const Piece*>& pieces) {
    double width = -kSpace;
    for (const Piece* piece : pieces)
        width += piece->width + kSpace;
    return width;
}

// Some coins and notes worth at most `largest`, that fit across the row.
std::vector<const Piece*> drawPieces(int largest, RandomDraw& random) {
    std::vector<const Piece*> pieces;
    const int wanted = drawBetween(random, 2, kMostPieces);
    int left = largest;
    int notes = 0;
    for (int tries = 0; tries < 40 && static_cast<int>(pieces.size()) < wanted; ++tries) {
        const Piece& piece = kPieces[random.draw(12)];
        if (piece.kurus > left || (isNote(piece) && notes == 2)) continue;
        pieces.push_back(&piece);
        if (rowWidth(pieces) > kWidth) {
            pieces.pop_back();
            continue;
        }
        left -= piece.kurus;
        notes += isNote(piece);
    }
    if (pieces.empty()) pieces.push_back(&kPieces[5]);
    std::sort(pieces.begin(), pieces.end(),
              [](const Piece* a, const Piece* b) { return a->kurus > b->kurus; });
    return pieces;
}

// The fewest coins and notes that make the amount: Turkish money's values
// are such that taking the largest that fits each time gives the fewest.
std::vector<const Piece*> fewest(int kurus) {
    std::vector<const Piece*> pieces;
    for (int i = 11; i >= 0; --i)
        while (kurus >= kPieces[i].kurus) {
            pieces.push_back(&kPieces[i]);
            kurus -= kPieces[i].kurus;
        }
    return pieces;
}

int sum(const std::vector<const Piece*>& pieces) {
    int total = 0;
    for (const Piece* piece : pieces)
        total += piece->kurus;
    return total;
}

std::vector<int64_t> values(const std::vector<const Piece*>& pieces) {
    std::vector<int64_t> list;
    for (const Piece* piece : pieces)
        list.push_back(piece->kurus);
    return list;
}

ActivityItem countItem(int largest, RandomDraw& random) {
    const std::vector<const Piece*> pieces = drawPieces(largest, random);
    const int total = sum(pieces);
    PictureBlock block;
    const QString text = QStringLiteral("Kaç lira kaç kuruş?");
    block.text(QStringLiteral("Prompt"), text, 0, 0);
    const double top = PictureBlock::lineHeight(14) + 20;
    addPieces(block, QStringLiteral("Piece"), pieces, 0, top);
    const double line = top + kRowHeight + 20;
    const double room = 4 * kWritingAdvance;
    double x = 0;
    for (const auto& [name, value, unit] :
         {std::tuple{QStringLiteral("Lira"), total / 100, QStringLiteral("lira")},
          std::tuple{QStringLiteral("Kurus"), total % 100, QStringLiteral("kuruş")}}) {
        block.writingLine(name + QStringLiteral("Line"), x, line + PictureBlock::lineHeight(14) - 8,
                          room);
        block.text(QStringLiteral("Answer") + name, QString::number(value), x, line, 14,
                   Align::Center, room);
        block.text(name + QStringLiteral("Unit"), unit, x + room + 15, line);
        x += room + 15 + PictureBlock::textWidth(unit, 14) + 50;
    }
    ActivityItem item{text, QStringLiteral("%1 lira %2 kuruş").arg(total / 100).arg(total % 100)};
    item.shape = ExerciseShape::Money;
    item.values = {{QStringLiteral("task"), QStringLiteral("count")},
                   {QStringLiteral("pieces"), values(pieces)},
                   {QStringLiteral("amount"), int64_t{total}}};
    item.picture = block.take();
    return item;
}

QString accusative(int kurus) {
    return amountText(kurus) + (kurus % 100 == 0 ? QStringLiteral("yı") : QStringLiteral("u"));
}

ActivityItem payItem(int largest, RandomDraw& random) {
    // An amount whose fewest pieces fit across the box.
    std::vector<const Piece*> pieces;
    int amount = 0;
    for (int tries = 0; tries < 20; ++tries) {
        amount = sum(drawPieces(largest, random));
        pieces = fewest(amount);
        if (rowWidth(pieces) <= kWidth - 40 && pieces.size() >= 2) break;
    }
    if (rowWidth(pieces) > kWidth - 40 || pieces.size() < 2) {
        amount = 175;
        pieces = fewest(amount);
    }
    const QString text =
        accusative(amount) + QStringLiteral(" ödemek için hangi paraları verirsiniz?");
    PictureBlock block;
    block.text(QStringLiteral("Prompt"), text, 0, 0);
    const double top = PictureBlock::lineHeight(14) + 20;
    const double height = kRowHeight + 40;
    Drawing& frame = block.drawing(QStringLiteral("Box"), 0, top, kWidth, height);
    frame.parts.push_back(polygonPart({{0, 0}, {kWidth, 0}, {kWidth, height}, {0, height}}, 3));
    addPieces(block, QStringLiteral("AnswerPiece"), pieces, 20, top + 20);
    QStringList names;
    for (const Piece* piece : pieces)
        names << amountText(piece->kurus);
    ActivityItem item{text, names.join(QStringLiteral(", "))};
    item.shape = ExerciseShape::Money;
    item.values = {{QStringLiteral("task"), QStringLiteral("pay")},
                   {QStringLiteral("pieces"), values(pieces)},
                   {QStringLiteral("amount"), int64_t{amount}}};
    item.picture = block.take();
    return item;
}

}  // namespace

ActivitySheet moneyPictures(const QString& largest, RandomDraw& random) {
    const int most = largest.section(u' ', 0, 0).toInt() * 100;
    ActivitySheet sheet{QStringLiteral("Paralarımızla ilgili soruları cevaplayınız."), {}};
    for (int i = 0; i < 3; ++i)
        sheet.items.push_back(countItem(most, random));
    for (int i = 0; i < 2; ++i)
        sheet.items.push_back(payItem(most, random));
    return sheet;
}

}  // namespace zarvik
