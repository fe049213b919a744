#include "common/core/PageCells.h"

#include "common/core/Errors.h"
#include "common/core/Names.h"

namespace zarvik {

namespace {

Cell placed(const CellBox& box, CellKind kind) {
    Cell cell;
    cell.name = box.name;
    cell.kind = kind;
    cell.left = box.left;
    cell.top = box.top;
    cell.width = box.width;
    cell.height = box.height;
    return cell;
}

Cell stripCell(const PictureBox& strip) {
    return imageCell(strip.box, strip.picture, strip.pictureWidth, strip.pictureHeight);
}

}  // namespace

Cell labelCell(const CellBox& box, const CellFont& font, const QString& caption) {
    Cell cell = placed(box, CellKind::Label);
    cell.font = font;
    cell.text = caption;
    return cell;
}

Cell richTextCell(const CellBox& box, const CellFont& font, Align align) {
    Cell cell = placed(box, CellKind::RichText);
    cell.font = font;
    cell.align = align;
    return cell;
}

Cell lineCell(const CellBox& box, int penWidth) {
    Cell cell = placed(box, CellKind::Line);
    cell.penWidth = penWidth;
    return cell;
}

Cell imageCell(const CellBox& box, const QString& picture, double pictureWidth,
               double pictureHeight) {
    Cell cell = placed(box, CellKind::Image);
    cell.picture = picture;
    cell.pictureWidth = pictureWidth;
    cell.pictureHeight = pictureHeight;
    return cell;
}

void addPupilHeader(Page& page, const PupilHeader& header) {
    page.add(labelCell(header.nameLabel, header.font, kPupilNameCaption.toString()));
    page.add(labelCell(header.classLabel, header.font, kPupilClassCaption.toString()));
    page.add(labelCell(header.numberLabel, header.font, kPupilNumberCaption.toString()));
    page.add(stripCell(header.strip));
}

void fitHeaderFooterText(Cell& cell, int group, double room) {
    cell.fit.group = group;
    cell.fit.room = room;
    cell.fit.smallest = kSmallestHeaderFooterPoints;
    cell.fit.cut = true;
}

void addTeacherFooter(Page& page, const TeacherFooter& footer) {
    page.add(stripCell(footer.strip));
    Cell teacher = labelCell(footer.teacherLabel, footer.font, kUnsetFooterCaption.toString());
    Cell date = labelCell(footer.dateLabel, footer.font, kUnsetFooterCaption.toString());
    Cell publisher =
        labelCell(footer.publisherLabel, footer.font, names::kPublisherWebAddress.toString());
    fitHeaderFooterText(teacher, kTeacherFitGroup, date.left - teacher.left - kHeaderFooterGap);
    fitHeaderFooterText(date, kDateFitGroup, publisher.left - date.left - kHeaderFooterGap);
    // The publisher's address is the program's own and runs into the right
    // margin as designed; it is left as it is.
    page.add(teacher);
    page.add(date);
    page.add(publisher);
}

namespace {

void refuseControlCharacters(QStringView field, const QString& text) {
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            throw InputRefused(QStringLiteral("\"%1\" alanındaki metinde yazdırılamayan bir "
                                              "denetim karakteri (U+%2) var.")
                                   .arg(field)
                                   .arg(c.unicode(), 4, 16, QLatin1Char('0')));
    }
}

}  // namespace

void refuseUnprintableFooterTexts(const QString& teacherName, const QString& date) {
    refuseControlCharacters(u"Öğretmen", teacherName);
    refuseControlCharacters(u"Tarih", date);
}

QString teacherCaption(const QString& teacherName) {
    if (teacherName.isEmpty()) return QString();
    return QStringLiteral("Hazırlayan: ") + teacherName;
}

void setTeacherFooterCaptions(Page& page, QStringView teacherLabel, QStringView dateLabel,
                              const QString& teacherName, const QString& date) {
    page.setCaption(teacherLabel, teacherCaption(teacherName));
    page.setCaption(dateLabel, date);
}

}  // namespace zarvik
