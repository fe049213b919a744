#pragma once
// The cells every page design is made of, and the pupil header and teacher
// footer that all worksheet pages share. Everything is in the page model's
// unit, tenths of a millimetre.

#include <QString>
#include <QStringView>

#include "common/core/Page.h"

namespace zarvik {

inline constexpr QStringView kPupilNameCaption = u"Adı Soyadı:";
inline constexpr QStringView kPupilClassCaption = u"Sınıfı:";
inline constexpr QStringView kPupilNumberCaption = u"Nu.:";
// The teacher and date labels' caption until the first preparation.
inline constexpr QStringView kUnsetFooterCaption = u"...............";

struct CellBox {
    QString name;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

Cell labelCell(const CellBox& box, const CellFont& font, const QString& caption);
Cell richTextCell(const CellBox& box, const CellFont& font, Align align = Align::Left);
Cell lineCell(const CellBox& box, int penWidth);
// The picture is drawn at its own size, centred in the cell.
Cell imageCell(const CellBox& box, const QString& picture, double pictureWidth,
               double pictureHeight);

// Where a picture cell's ink ends: its picture is drawn centred at its own
// size, which may be taller than its cell.
inline double pictureInkTop(const Cell& image) {
    const double top = image.top + (image.height - image.pictureHeight) / 2;
    return top < image.top ? top : image.top;
}
inline double pictureInkBottom(const Cell& image) {
    const double bottom = image.top + (image.height + image.pictureHeight) / 2;
    return bottom > image.top + image.height ? bottom : image.top + image.height;
}

struct PictureBox {
    CellBox box;
    QString picture;
    double pictureWidth = 0;
    double pictureHeight = 0;
};

// "Adı Soyadı:", "Sınıfı:" and "Nu.:" over a picture strip.
struct PupilHeader {
    CellFont font;
    CellBox nameLabel;
    CellBox classLabel;
    CellBox numberLabel;
    PictureBox strip;
};

// A picture strip over the teacher and date labels and the publisher's address.
struct TeacherFooter {
    CellFont font;
    PictureBox strip;
    CellBox teacherLabel;
    CellBox dateLabel;
    CellBox publisherLabel;
};

// Both add their cells in the order given above; cells paint in list order.
// The teacher and date texts, and the pupil's name (PupilName.h), keeps to its own
// room when painted: from its label's left edge to the next label on its
// line (less a gap), or to the band's end; a text too wide gets smaller down
// to a floor, then is cut with "…" (TextFit).
void addPupilHeader(Page& page, const PupilHeader& header);
void addTeacherFooter(Page& page, const TeacherFooter& footer);

// Throws InputRefused when the teacher's name or the date holds a control
// character (a tab, a line break, ...), which no footer can print, as class
// lists refuse them in pupils' names. Every preparation checks before it
// draws or changes anything.
void refuseUnprintableFooterTexts(const QString& teacherName, const QString& date);

// The fit groups of the header and footer texts: one each, apart from the
// designs' own groups (1, 2, ...).
inline constexpr int kTeacherFitGroup = 101;
inline constexpr int kDateFitGroup = 102;
inline constexpr int kPupilNameFitGroup = 104;
// The smallest size a header or footer text gets before it is cut.
inline constexpr int kSmallestHeaderFooterPoints = 6;
// White space kept between a header or footer text and the next label.
inline constexpr double kHeaderFooterGap = 20;

// Makes the text of the cell keep to the given width when painted.
void fitHeaderFooterText(Cell& cell, int group, double room);

// "" for an empty name, else "Hazırlayan: " and the name as typed.
QString teacherCaption(const QString& teacherName);
// The footer of a preparation: the teacher line and the date as typed.
void setTeacherFooterCaptions(Page& page, QStringView teacherLabel, QStringView dateLabel,
                              const QString& teacherName, const QString& date);

}  // namespace zarvik
