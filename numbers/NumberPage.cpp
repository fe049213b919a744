#include "numbers/NumberPage.h"

#include "common/Names.h"
#include "numbers/NumberGenerators.h"

namespace zarvik {

namespace {

constexpr double kRowTop = 217.0;
constexpr double kRowPitch = 105.83;  // 40 design units
constexpr double kCellHeight = 52.9;
constexpr double kLeftColumn = 79.4;
constexpr double kRightColumn = 979.0;

CellFont comicBold() {
    return {QStringLiteral("Comic Sans MS"), 10, true, false};
}
CellFont arial14() {
    return {QStringLiteral("Arial"), 14, false, false};
}

Cell label(const char* name, double left, double top, double width, const QString& caption) {
    Cell cell;
    cell.name = QString::fromLatin1(name);
    cell.kind = CellKind::Label;
    cell.left = left;
    cell.top = top;
    cell.width = width;
    cell.height = kCellHeight;
    cell.font = comicBold();
    cell.text = caption;
    return cell;
}

Cell strip(const char* name, double left, double top, double height, const char* picture) {
    Cell cell;
    cell.name = QString::fromLatin1(name);
    cell.kind = CellKind::Image;
    cell.left = left;
    cell.top = top;
    cell.width = 1886.5;
    cell.height = height;
    cell.picture = QString::fromLatin1(picture);
    cell.pictureWidth = cell.width;
    cell.pictureHeight = cell.height;
    return cell;
}

Cell richText(QString name, double left, double top, double width, double height) {
    Cell cell;
    cell.name = std::move(name);
    cell.kind = CellKind::RichText;
    cell.left = left;
    cell.top = top;
    cell.width = width;
    cell.height = height;
    cell.font = arial14();
    return cell;
}

}  // namespace

QString numberLeftCell(int row) {
    return QStringLiteral("QRRichText%1").arg(row);
}
QString numberRightCell(int row) {
    return QStringLiteral("QRRichText%1").arg(25 + row);
}

Page makeNumberPage() {
    Page page(QStringLiteral("QuickRepSayilar"), Paper::A4);
    page.marginTop = 50;
    page.marginBottom = 50;
    page.marginLeft = 100;
    page.marginRight = 100;
    page.bandWidth = 1900;
    page.bandHeight = 2895;

    const QString dots = QStringLiteral("...............");
    page.add(label("QRLabel55", 105.8, 0, 203.7, QStringLiteral("Adı Soyadı:")));
    page.add(label("QRLabel56", 1121.8, 0, 111.1, QStringLiteral("Sınıfı:")));
    page.add(label("QRLabel57", 1502.8, 0, 82.0, QStringLiteral("Nu.:")));
    page.add(strip("QRImage1", 21.2, 58.2, 66.1, "strip-numbers-top"));

    Cell title = richText(kNumberTitleCell.toString(), 79.4, 145.5, 1764.8, kCellHeight);
    title.font.underline = true;
    title.align = Align::Center;
    page.add(title);

    for (int r = 1; r <= kNumberRows; ++r) {
        const double top = kRowTop + kRowPitch * (r - 1);
        // Row 6's left cell is a little taller in the design; nothing else differs.
        const double leftHeight = r == 6 ? 58.2 : kCellHeight;
        page.add(richText(numberLeftCell(r), kLeftColumn, top,
                          fromDesignUnits(kNumberLeftNormalWidth), leftHeight));
    }
    for (int r = 1; r <= kNumberRows; ++r) {
        const double top = kRowTop + kRowPitch * (r - 1);
        page.add(richText(numberRightCell(r), kRightColumn, top, 873.1, kCellHeight));
    }

    page.add(strip("QRImage2", 0, 2730.5, 87.3, "strip-numbers-bottom"));
    page.add(label("QRLabel53", 148.2, 2815.2, 240.8, dots));
    page.add(label("QRLabel54", 1079.5, 2815.2, 240.8, dots));
    page.add(label("QRLabel52", 1566.3, 2815.2, 264.6, names::kPublisherWebAddress.toString()));
    return page;
}

}  // namespace zarvik
