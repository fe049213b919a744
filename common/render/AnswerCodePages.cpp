#include "common/render/AnswerCodePages.h"

#include <QRectF>
#include <algorithm>
#include <cmath>

#include "common/core/Errors.h"
#include "common/render/PageRenderer.h"
#include "common/render/QrCode.h"

namespace zarvik {

namespace {

constexpr double kSmallestSide = 200;    // 20 mm
constexpr double kSmallestModule = 3.3;  // 0.33 mm
constexpr int kQuietModules = 4;
// The renderer's own margin inside the unprintable edge.
constexpr double kEdge = kUnprintableEdge + 3;

double moduleOf(const QString& text) {
    return answerCodeSide(text) / qrMatrix(text).size;
}

Cell codeCell(const QString& name, const QString& text, double left, double top, double side) {
    Cell cell;
    cell.name = name;
    cell.kind = CellKind::QrCode;
    cell.left = left;
    cell.top = top;
    cell.width = side;
    cell.height = side;
    cell.text = text;
    return cell;
}

int scaledPoints(int points, double scale) {
    return points <= 0 ? points : std::max(1, static_cast<int>(std::lround(points * scale)));
}

// The page with its cells mapped by (x, y) → (x0' + (x − x0)·s, y0' + (y − y0)·s),
// in the sheet's coordinates: shapes, pictures and type alike.
Page scaledPage(const Page& page, double scale, QPointF from, QPointF to) {
    Page scaled(page.name(), page.paper());
    scaled.marginTop = page.marginTop;
    scaled.marginBottom = page.marginBottom;
    scaled.marginLeft = page.marginLeft;
    scaled.marginRight = page.marginRight;
    scaled.bandWidth = page.bandWidth;
    scaled.bandHeight = page.bandHeight;
    scaled.suggestedFileName = page.suggestedFileName;
    for (Cell cell : page.cells()) {
        const double x = page.marginLeft + cell.left, y = page.marginTop + cell.top;
        cell.left = to.x() + (x - from.x()) * scale - page.marginLeft;
        cell.top = to.y() + (y - from.y()) * scale - page.marginTop;
        cell.width *= scale;
        cell.height *= scale;
        cell.pictureWidth *= scale;
        cell.pictureHeight *= scale;
        cell.font.pointSize = scaledPoints(cell.font.pointSize, scale);
        cell.fit.room *= scale;
        cell.fit.smallest = scaledPoints(cell.fit.smallest, scale);
        cell.fit.smallestOnOneLine = scaledPoints(cell.fit.smallestOnOneLine, scale);
        cell.fit.largestOnTwoLines = scaledPoints(cell.fit.largestOnTwoLines, scale);
        scaled.add(std::move(cell));
    }
    return scaled;
}

// A4 with 10 mm margins, as the answer key.
constexpr double kBandWidth = 1900;
constexpr double kBandHeight = 2770;
constexpr double kTitleHeight = 70;
constexpr double kHeadingHeight = 45;
constexpr double kGroupGap = 60;
constexpr double kSmallestGroup = 450;

}  // namespace

double answerCodeSide(const QString& text) {
    const int modules = qrMatrix(text).size;
    return std::max(kSmallestSide, modules * kSmallestModule);
}

void addAnswerCodes(Page& page, const QStringList& texts) {
    if (texts.isEmpty()) return;
    std::vector<double> sides;
    double width = 0, height = 0, quiet = 0;
    for (const QString& text : texts) {
        sides.push_back(answerCodeSide(text));
        quiet = std::max(quiet, kQuietModules * moduleOf(text));
        height = std::max(height, sides.back());
    }
    for (const double side : sides)
        width += side;
    width += quiet * static_cast<double>(sides.size() - 1);
    const double paperWidth = page.paperWidth(), paperHeight = page.paperHeight();
    if (width > paperWidth - 2 * kEdge)
        throw InputRefused(QStringLiteral(
            "Bu sayfanın cevapları sayfanın altına sığmayacak kadar uzun; cevap kodlarını cevap "
            "anahtarına koyunuz."));
    const double codesTop = paperHeight - kEdge - height;
    // The design above the codes and their quiet zone, within the printable area.
    const QRectF ink = pageInkReach(page);
    if (!ink.isNull()) {
        const QRectF room(kEdge, kEdge, paperWidth - 2 * kEdge, codesTop - quiet - 20 - kEdge);
        if (!room.contains(ink)) {
            const double cx = paperWidth / 2;
            double scale = std::min(1.0, room.height() / ink.height());
            if (ink.left() < room.left())
                scale = std::min(scale, (cx - room.left()) / (cx - ink.left()));
            if (ink.right() > room.right())
                scale = std::min(scale, (room.right() - cx) / (ink.right() - cx));
            const double top =
                std::max(room.top(), std::min(ink.top(), room.bottom() - ink.height() * scale));
            page = scaledPage(page, scale, {cx, ink.top()}, {cx, top});
        }
    }
    double right = paperWidth - kEdge;
    for (qsizetype i = texts.size() - 1; i >= 0; --i) {
        const double side = sides[static_cast<size_t>(i)];
        page.add(codeCell(QStringLiteral("AnswerCode%1").arg(i + 1), texts[i],
                          right - side - page.marginLeft,
                          paperHeight - kEdge - side - page.marginTop, side));
        right -= side + quiet;
    }
    // What the codes are, for the parent who finds them, left of them.
    Cell caption;
    caption.name = QStringLiteral("AnswerCodeCaption");
    caption.width = std::max(0.0, right - kEdge);
    caption.height = 80;
    caption.left = kEdge - page.marginLeft;
    caption.top = paperHeight - kEdge - height / 2 - caption.height / 2 - page.marginTop;
    caption.align = Align::Right;
    caption.font = {QStringLiteral("Arial"), 8, false, false};
    caption.text = QStringLiteral("Cevaplar: telefonun kamerasıyla\nQR kodunu okutunuz.");
    page.add(caption);
}

AnswerCodePages::AnswerCodePages(std::function<void(const Page&)> pageDone)
    : pageDone_(std::move(pageDone)) {}

void AnswerCodePages::startPage() {
    ++pageNumber_;
    page_ = Page(QStringLiteral("AnswerCodes%1").arg(pageNumber_), Paper::A4);
    page_.marginTop = page_.marginBottom = page_.marginLeft = page_.marginRight = 100;
    page_.bandWidth = kBandWidth;
    page_.bandHeight = kBandHeight;
    Cell title;
    title.name = QStringLiteral("Title");
    title.width = kBandWidth;
    title.height = kTitleHeight;
    title.align = Align::Center;
    title.font = {QStringLiteral("Arial"), 12, true, false};
    title.text = QStringLiteral("Cevap Kodları");
    page_.add(title);
    x_ = 0;
    y_ = kTitleHeight;
    rowHeight_ = 0;
    open_ = true;
}

void AnswerCodePages::add(const QString& heading, const QStringList& texts) {
    if (texts.isEmpty()) return;
    if (!open_) startPage();
    // The group: its heading over its codes, in rows as wide as the band allows.
    std::vector<double> sides;
    double quiet = 0;
    for (const QString& text : texts) {
        sides.push_back(answerCodeSide(text));
        quiet = std::max(quiet, kQuietModules * moduleOf(text));
    }
    struct Place {
        double left, top;
    };
    std::vector<Place> places;
    double width = kSmallestGroup, height = 0, at = 0, rowTop = kHeadingHeight + quiet,
           rowHeight = 0;
    for (const double side : sides) {
        if (at > 0 && at + side > kBandWidth) {
            at = 0;
            rowTop += rowHeight + quiet;
            rowHeight = 0;
        }
        places.push_back({at, rowTop});
        at += side + quiet;
        width = std::max(width, at - quiet);
        rowHeight = std::max(rowHeight, side);
        height = rowTop + rowHeight;
    }
    if (x_ > 0 && x_ + width > kBandWidth) {
        x_ = 0;
        y_ += rowHeight_ + kGroupGap;
        rowHeight_ = 0;
    }
    if (y_ + height > kBandHeight && y_ > kTitleHeight) {
        pageDone_(page_);
        startPage();
    }
    ++tiles_;
    Cell label;
    label.name = QStringLiteral("Heading%1").arg(tiles_);
    label.left = x_;
    label.top = y_;
    label.width = width;
    label.height = kHeadingHeight;
    label.font = {QStringLiteral("Arial"), 9, true, false};
    label.text = heading;
    label.fit = {300 + tiles_, width, {}, 6, 0, 0, true};
    page_.add(label);
    for (size_t i = 0; i < sides.size(); ++i)
        page_.add(codeCell(QStringLiteral("Code%1-%2").arg(tiles_).arg(i + 1), texts[i],
                           x_ + places[i].left, y_ + places[i].top, sides[i]));
    x_ += width + kGroupGap;
    rowHeight_ = std::max(rowHeight_, height);
}

void AnswerCodePages::finish() {
    if (!open_) return;
    pageDone_(page_);
    open_ = false;
}

}  // namespace zarvik
