#pragma once
// A printed page design: paper, margins and one band of named, positioned
// cells. The windows only put texts into existing cells and move or resize a
// few; one renderer (PageRenderer) paints a page on any device.
//
// Geometry is in tenths of a millimetre from the band's top-left corner, which
// lies at the page's top and left margins. Designs given in design units
// (1/96 inch) are converted with kTenthsPerDesignUnit.

#include <QHash>
#include <QPointF>
#include <QString>
#include <memory>
#include <vector>

namespace zarvik {

// A4Landscape carries two A5 sheets side by side (twoUpPage).
enum class Paper { A4, A5, A4Landscape };
// CutLine: a thin dashed vertical line through the middle of its cell.
// QrCode: the cell's text as a QR code filling the cell (its quiet zone is
// the room kept around the cell).
// Drawing: line art of the program's own (Cell::drawing).
enum class CellKind { RichText, Label, Line, Image, CutLine, Clock, Drawing, QrCode };
enum class Align { Left, Center, Right };

inline constexpr double kTenthsPerDesignUnit = 254.0 / 96.0;
inline constexpr double fromDesignUnits(double designUnits) {
    return designUnits * kTenthsPerDesignUnit;
}

struct Frame {
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
};

struct CellFont {
    QString family = QStringLiteral("Arial");
    int pointSize = 10;
    bool bold = false;
    bool underline = false;
};

// How a text too wide for its room is made to fit before it is painted
// (fitPageTexts). The cells of one group get one point size: the largest, up
// to the size of the group's first cell, at which each of their texts fits.
struct TextFit {
    int group = 0;    // 0: painted at its own size, however wide
    double room = 0;  // the width the text may take
    QString beside;   // a text sharing the room, e.g. the widest operator before a number
    int smallest = 6;
    // Below this size the text goes on two lines instead, at most
    // largestOnTwoLines points; 0 keeps it on one line.
    int smallestOnOneLine = 0;
    int largestOnTwoLines = 0;
    // A text still too wide at the smallest size is cut, ending in "…": for
    // the header and footer texts, which have no second line to go to.
    bool cut = false;
};

// One part of a drawing, in tenths of a millimetre from its cell's top-left
// corner. A closed part (polygon, ellipse, sector) is one piece of the
// picture: a part of a divided shape, a bar, a coin's rim.
struct DrawingPart {
    enum class Kind { Lines, Polyline, Polygon, Ellipse, Sector };
    Kind kind = Kind::Polygon;
    // Lines: pairs of end points. Polyline, Polygon: the corners. Ellipse,
    // Sector: the top-left and bottom-right corners of the circle's box.
    std::vector<QPointF> points;
    // Sectors: degrees clockwise from 12 o'clock.
    double start = 0;
    double span = 0;
    double pen = 3;  // the outline's width; 0: none
    int fill = -1;   // grey from 0 (black) to 255 (white); -1: not filled
};

struct Drawing {
    std::vector<DrawingPart> parts;
    // A picture repeated on a page (a coin, a pictograph's face) is painted
    // once per size into an image kept under this key, as the clock faces
    // are; empty: painted as lines every time (rulers and grids, which must
    // measure true).
    QString cacheKey;
};

struct Cell {
    QString name;
    CellKind kind = CellKind::RichText;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    Frame frame;
    CellFont font;
    Align align = Align::Left;
    // A rich-text box's lines joined by '\n', or a label's caption. Plain text.
    QString text;
    // Line shapes: pen width 1 or 2; a dotted line is a writing line.
    int penWidth = 1;
    bool dotted = false;
    // Image cells: the picture's name and its own size, drawn centred in the cell.
    QString picture;
    double pictureWidth = 0;
    double pictureHeight = 0;
    TextFit fit;
    // Laid out character by character from a few cached glyphs, without
    // kerning: many different lines of the same few characters (an answer
    // key's) then cost next to nothing to lay out.
    bool byCharacters = false;
    // Clock cells: a round face filling the cell's width, its numbers in the
    // cell's font; the hands only when shown (hour 1..12, minute 0..59).
    struct {
        bool hands = false;
        int hour = 12;
        int minute = 0;
    } clock;
    // Drawing cells: shared, as pages are copied whole and a picture is
    // often repeated.
    std::shared_ptr<const Drawing> drawing;
};

class Page {
  public:
    Page() = default;
    Page(QString name, Paper paper);

    const QString& name() const { return name_; }
    Paper paper() const { return paper_; }
    // Paper size in tenths of a millimetre, as the sheet lies.
    double paperWidth() const;
    double paperHeight() const;

    double marginTop = 0;
    double marginBottom = 0;
    double marginLeft = 0;
    double marginRight = 0;
    double bandWidth = 0;
    double bandHeight = 0;
    // What the save-as-PDF dialog proposes (pdfFileName); empty: "Zarvik.pdf".
    QString suggestedFileName;

    // Building a design. Names are unique within a page.
    Cell& add(Cell cell);

    bool has(QStringView name) const;
    // Throws std::out_of_range for a name the design does not have.
    Cell& cell(QStringView name);
    const Cell& cell(QStringView name) const;
    // The same for a name held as a QString, looked up without a copy: a
    // sheet's page looks up hundreds of names.
    bool has(const QString& name) const;
    Cell& cell(const QString& name);
    const Cell& cell(const QString& name) const;
    const std::vector<Cell>& cells() const { return cells_; }

    // The operations the windows use.
    template <typename Name>
    void setCaption(const Name& name, const QString& text) {
        cell(name).text = text;
    }
    template <typename Name>
    void setText(const Name& name, const QString& text) {
        cell(name).text = text;
    }
    template <typename Name>
    void setLeft(const Name& name, int designUnits) {
        cell(name).left = fromDesignUnits(designUnits);
    }
    template <typename Name>
    void setWidth(const Name& name, int designUnits) {
        cell(name).width = fromDesignUnits(designUnits);
    }

  private:
    QString name_;
    Paper paper_ = Paper::A4;
    std::vector<Cell> cells_;
    QHash<QString, qsizetype> index_;
};

}  // namespace zarvik
