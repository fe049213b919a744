#include "common/render/PageRenderer.h"

#include "common/core/ExerciseFigure.h"

#include <malloc.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImageWriter>
#include <QMutex>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSvgRenderer>
#include <QTextLayout>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <list>
#include <map>
#include <optional>
#include <tuple>

#include "common/core/Errors.h"
#include "common/core/Headroom.h"
#include "common/core/OutputFile.h"
#include "common/render/FontMeasure.h"
#include "common/render/QrCode.h"
#include "common/render/TextFit.h"

// The pictures are compiled into zarvik_render; naming the initialiser here
// makes every program that paints a page link it in and register it.
static void initPictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace zarvik {

namespace {

constexpr double kTenthsPerInch = 254.0;
// Pictures are rasterised once per size and reused; above this resolution a
// finer raster adds nothing visible to a decorative strip but costs time and
// file size.
constexpr double kMaxPictureDpi = 300.0;

QPageLayout pageLayoutFor(const Page& page) {
    if (page.paper() == Paper::A4Landscape)
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0));
    return QPageLayout(QPageSize(page.paper() == Paper::A4 ? QPageSize::A4 : QPageSize::A5),
                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

// A picture of the program: its SVG, and how wide the end pieces are that keep
// their proportions when the picture is drawn wider or narrower than designed
// (the ribbons are drawn at several sizes). 0 stretches the whole drawing.
struct Picture {
    std::shared_ptr<QSvgRenderer> svg;
    double slice = 0;
};

double sliceAttribute(const QByteArray& data) {
    QXmlStreamReader reader(data);
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("svg"))
            return reader.attributes().value(QLatin1String("data-slice")).toDouble();
    }
    return 0;
}

class PictureCache {
  public:
    static PictureCache& instance() {
        static PictureCache* cache = new PictureCache;  // lives until exit
        return *cache;
    }

    // The picture rasterised at the given pixel size; a null image for a
    // name the program has no picture of.
    QImage image(const QString& name, QSize pixels) {
        QMutexLocker lock(&mutex_);
        // A page asks for its few pictures, page after page: a short list
        // looked through is quicker than a key made for every request.
        for (const Drawn& drawn : images_)
            if (drawn.pixels == pixels && drawn.name == name) return drawn.image;
        const Picture* picture = load(name);
        QImage image;
        if (picture && !pixels.isEmpty()) image = compose(*picture, pixels);
        // The same QImage (same cache key) lets a PDF store the picture once
        // and refer to it from every page.
        if (images_.size() > 64) images_.clear();
        images_.push_back({name, pixels, image});
        return image;
    }

  private:
    PictureCache() { initPictureResources(); }

    const Picture* load(const QString& name) {
        if (const auto it = pictures_.constFind(name); it != pictures_.constEnd())
            return it->svg ? &*it : nullptr;
        Picture picture;
        QFile file(QStringLiteral(":/pictures/%1.svg").arg(name));
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray data = file.readAll();
            auto svg = std::make_shared<QSvgRenderer>(data);
            if (svg->isValid()) {
                picture.svg = std::move(svg);
                picture.slice = sliceAttribute(data);
            }
        }
        const auto it = pictures_.insert(name, picture);
        return it->svg ? &*it : nullptr;
    }

    static QImage compose(const Picture& picture, QSize pixels) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF view = picture.svg->viewBoxF();
        const double width = pixels.width();
        const double height = pixels.height();
        const double uniform = height / view.height();
        const double end = std::round(picture.slice * uniform);
        if (picture.slice <= 0 || 2 * end >= width || 2 * picture.slice >= view.width()) {
            picture.svg->render(&painter, QRectF(0, 0, width, height));
            return image;
        }
        // Ends at the drawing's own proportions, the middle stretched between.
        const double fullWidth = view.width() * uniform;
        painter.setClipRect(QRectF(0, 0, end, height));
        picture.svg->render(&painter, QRectF(0, 0, fullWidth, height));
        painter.setClipRect(QRectF(width - end, 0, end, height));
        picture.svg->render(&painter, QRectF(width - fullWidth, 0, fullWidth, height));
        const double stretch = (width - 2 * end) / (view.width() - 2 * picture.slice);
        painter.setClipRect(QRectF(end, 0, width - 2 * end, height));
        picture.svg->render(
            &painter, QRectF(end - picture.slice * stretch, 0, view.width() * stretch, height));
        return image;
    }

    struct Drawn {
        QString name;
        QSize pixels;
        QImage image;
    };

    QMutex mutex_;
    QHash<QString, Picture> pictures_;
    std::vector<Drawn> images_;
};

// Fonts and laid-out lines, kept across pages: the pages of a worksheet
// repeat the same few texts (small numbers, signs, captions), and laying a
// line out (shaping) costs more than drawing it. Keyed by design font and the
// device's resolution, which decides the glyph positions.
QMutex textMutex;

class TextCache {
  public:
    static TextCache& instance() {
        // Never destroyed: glyph runs must not outlive the application's
        // font database, so the post routine empties the cache in time.
        static TextCache* cache = [] {
            auto* made = new TextCache;
            qAddPostRoutine([] {
                instance().fonts_.clear();
                instance().rawFonts_.clear();
            });
            return made;
        }();
        return *cache;
    }

    struct Line {
        // Kept only for a line with a run underlined, overlined or struck
        // out, which is drawn as it is. Baseline at the font's ascent below y = 0.
        QList<QGlyphRun> runs;
        double advance = 0;
        bool decorated = false;
        // Each run's face by number (fontNumber), glyphs with ink and their
        // positions, kept apart: a run hands out copies of its lists.
        QList<int> fonts;
        QList<QList<quint32>> glyphs;
        QList<QList<QPointF>> positions;
    };

    // One character laid out on its own, for the texts laid out by
    // characters: most are a single plain glyph, which is batched as it is
    // without looking up or copying a whole line.
    struct Letter {
        int font = 0;  // by number (fontNumber)
        quint32 glyph = 0;
        QPointF position;  // from the pen, as in its line
        double advance = 0;
        bool single = false;
        bool blank = false;  // a space: moves the pen, draws nothing
    };

    struct Font {
        CellFont design;
        int dpiX = 0;
        int dpiY = 0;
        QFont font;
        double lineSpacing = 0;
        QHash<QString, Line> lines;
        // Latin and Turkish letters, digits and signs by their code; the
        // rest looked up.
        std::vector<std::optional<Letter>> commonLetters =
            std::vector<std::optional<Letter>>(0x180);
        QHash<char16_t, Letter> letters;
    };

    Font& font(const CellFont& design, QPaintDevice* device) {
        const int dpiX = device->logicalDpiX();
        const int dpiY = device->logicalDpiY();
        for (Font& known : fonts_) {
            if (known.design.pointSize == design.pointSize && known.design.bold == design.bold &&
                known.design.underline == design.underline && known.dpiX == dpiX &&
                known.dpiY == dpiY && known.design.family == design.family)
                return known;
        }
        Font entry;
        // The installed face first; the design family lets fontconfig stand
        // in should that face be missing.
        entry.font.setFamilies({resolvedFontFamily(design.family), design.family});
        entry.font.setPointSizeF(design.pointSize);
        entry.font.setBold(design.bold);
        entry.font.setUnderline(design.underline);
        // Unhinted outlines keep text widths the same on screen, paper and PDF.
        entry.font.setHintingPreference(QFont::PreferNoHinting);
        const QFontMetricsF metrics(entry.font, device);
        entry.lineSpacing = metrics.lineSpacing();
        entry.design = design;
        entry.dpiX = dpiX;
        entry.dpiY = dpiY;
        fonts_.push_back(std::move(entry));
        return fonts_.back();
    }

    const Line& line(Font& font, const QString& text, QPaintDevice* device) {
        if (const auto it = font.lines.constFind(text); it != font.lines.constEnd()) return *it;
        if (font.lines.size() > 4096) font.lines.clear();
        QTextLayout layout(text, font.font, device);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine textLine = layout.createLine();
        layout.endLayout();
        Line line;
        if (textLine.isValid()) {
            line.runs = textLine.glyphRuns();
            line.advance = textLine.horizontalAdvance();
            for (const QGlyphRun& run : line.runs) {
                line.decorated =
                    line.decorated || run.underline() || run.overline() || run.strikeOut();
                const int number = fontNumber(run.rawFont());
                line.fonts << number;
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> positions = run.positions();
                // A space leaves no ink: a PDF is spared a glyph it would
                // write and compress for nothing (a key's lines are a fifth
                // spaces), and readers still see the gap as a space.
                const bool plain = !run.underline() && !run.overline() && !run.strikeOut();
                if (!plain || std::none_of(glyphs.begin(), glyphs.end(), [&](quint32 glyph) {
                        return blank(number, glyph);
                    })) {
                    line.glyphs << glyphs;
                    line.positions << positions;
                    continue;
                }
                QList<quint32> inked;
                QList<QPointF> at;
                inked.reserve(glyphs.size());
                at.reserve(glyphs.size());
                for (qsizetype i = 0; i < glyphs.size(); ++i) {
                    if (blank(number, glyphs[i])) continue;
                    inked << glyphs[i];
                    at << positions[i];
                }
                line.glyphs << inked;
                line.positions << at;
            }
            // A plain line is drawn from its lists alone.
            if (!line.decorated) line.runs.clear();
        }
        return *font.lines.insert(text, line);
    }

    // Valid until the next letter of the font is laid out.
    const Letter& letter(Font& font, QChar c, QPaintDevice* device) {
        const bool common = c.unicode() < font.commonLetters.size();
        if (common && font.commonLetters[c.unicode()]) return *font.commonLetters[c.unicode()];
        if (const auto it = font.letters.constFind(c.unicode()); it != font.letters.constEnd())
            return *it;
        const Line& alone = line(font, QString(c), device);
        Letter letter;
        letter.advance = alone.advance;
        if (alone.fonts.size() == 1 && !alone.decorated && alone.glyphs.front().size() <= 1) {
            letter.font = alone.fonts.front();
            letter.single = true;
            // No glyph with ink: a space.
            letter.blank = alone.glyphs.front().isEmpty();
            if (!letter.blank) {
                letter.glyph = alone.glyphs.front().front();
                letter.position = alone.positions.front().front();
            }
        }
        if (common) return *(font.commonLetters[c.unicode()] = letter);
        return *font.letters.insert(c.unicode(), letter);
    }

    // The faces glyphs are drawn in, numbered once: a page's glyphs are
    // gathered by face, and a number is quicker to compare than a face.
    int fontNumber(const QRawFont& font) {
        for (size_t i = 0; i < rawFonts_.size(); ++i)
            if (rawFonts_[i] == font) return static_cast<int>(i);
        rawFonts_.push_back(font);
        std::vector<quint32>& spaces = spaces_.emplace_back();
        for (const quint32 glyph : font.glyphIndexesForString(
                 QStringLiteral(" \u00A0\u2002\u2003\u2007\u2009\u200A\u202F")))
            if (glyph != 0 && std::find(spaces.begin(), spaces.end(), glyph) == spaces.end())
                spaces.push_back(glyph);
        return static_cast<int>(rawFonts_.size() - 1);
    }
    const QRawFont& rawFont(int number) const { return rawFonts_[static_cast<size_t>(number)]; }

    // Whether a face's glyph is one of its spaces, which leave no ink.
    bool blank(int number, quint32 glyph) const {
        const std::vector<quint32>& spaces = spaces_[static_cast<size_t>(number)];
        return glyph != 0 && std::find(spaces.begin(), spaces.end(), glyph) != spaces.end();
    }

  private:
    std::list<Font> fonts_;  // stable addresses
    std::vector<QRawFont> rawFonts_;
    std::vector<std::vector<quint32>> spaces_;  // by face number
};

struct Geometry {
    double originX;  // band's left edge, device pixels
    double originY;
    double scaleX;  // device pixels per tenth of a millimetre
    double scaleY;

    double x(double tenths) const { return originX + tenths * scaleX; }
    double y(double tenths) const { return originY + tenths * scaleY; }
    QRectF rect(const Cell& cell) const {
        return QRectF(x(cell.left), y(cell.top), cell.width * scaleX, cell.height * scaleY);
    }
};

void paintFrame(QPainter& painter, const Geometry& geometry, const Cell& cell) {
    const Frame& frame = cell.frame;
    if (!frame.top && !frame.bottom && !frame.left && !frame.right) return;
    const QRectF r = geometry.rect(cell);
    painter.setPen(
        QPen(Qt::black, fromDesignUnits(1) * geometry.scaleY, Qt::SolidLine, Qt::FlatCap));
    if (frame.top) painter.drawLine(r.topLeft(), r.topRight());
    if (frame.bottom) painter.drawLine(r.bottomLeft(), r.bottomRight());
    if (frame.left) painter.drawLine(r.topLeft(), r.bottomLeft());
    if (frame.right) painter.drawLine(r.topRight(), r.bottomRight());
}

// A writing line's dots, drawn once per size: stroking hundreds of round dots
// a page is slow on a PDF, while one image is stored once and referred to.
QImage dottedLine(QSize pixels, double dot, double period) {
    static QMutex mutex;
    // Looked up for every writing line of a page: a key of numbers, not text.
    static std::map<std::tuple<int, int, double, double>, QImage> images;
    QMutexLocker lock(&mutex);
    const auto key = std::make_tuple(pixels.width(), pixels.height(), dot, period);
    if (const auto it = images.find(key); it != images.end()) return it->second;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double middle = pixels.height() / 2.0;
    for (double x = dot / 2; x + dot / 2 <= pixels.width(); x += period)
        painter.drawEllipse(QPointF(x, middle), dot / 2, dot / 2);
    painter.end();
    if (images.size() > 64) images.clear();
    images.emplace(key, image);
    return image;
}

void paintLine(QPainter& painter, const Geometry& geometry, const Cell& cell, double dpi) {
    if (cell.width <= 0) return;
    const QRectF r = geometry.rect(cell);
    const double middle = r.center().y();
    const double pen = fromDesignUnits(cell.penWidth) * geometry.scaleY;
    if (cell.dotted) {
        // Round dots about 1.6 mm apart: a line to write on, lighter than a rule.
        const double rasterScale = std::min(dpi, kMaxPictureDpi) / dpi;
        const double dot = pen * rasterScale;
        const QSize pixels(static_cast<int>(std::lround(r.width() * rasterScale)),
                           static_cast<int>(std::ceil(dot)) + 2);
        if (pixels.width() <= 0) return;
        const double height = pixels.height() / rasterScale;
        painter.drawImage(QRectF(r.left(), middle - height / 2, r.width(), height),
                          dottedLine(pixels, dot, 3 * dot));
        return;
    }
    painter.setPen(QPen(Qt::black, pen, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(r.left(), middle), QPointF(r.right(), middle));
}

void paintCutLine(QPainter& painter, const Geometry& geometry, const Cell& cell) {
    const QRectF r = geometry.rect(cell);
    const double middle = r.center().x();
    QPen pen(Qt::gray, fromDesignUnits(1) * geometry.scaleX, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({8, 6});
    painter.setPen(pen);
    painter.drawLine(QPointF(middle, r.top()), QPointF(middle, r.bottom()));
}

void paintPicture(QPainter& painter, const Geometry& geometry, const Cell& cell, double dpi) {
    if (cell.picture.isEmpty()) return;
    const double width = cell.pictureWidth > 0 ? cell.pictureWidth : cell.width;
    const double height = cell.pictureHeight > 0 ? cell.pictureHeight : cell.height;
    const QRectF target(geometry.x(cell.left + (cell.width - width) / 2),
                        geometry.y(cell.top + (cell.height - height) / 2), width * geometry.scaleX,
                        height * geometry.scaleY);
    const double rasterDpi = std::min(dpi, kMaxPictureDpi);
    const QSize pixels(static_cast<int>(std::lround(width * rasterDpi / kTenthsPerInch)),
                       static_cast<int>(std::lround(height * rasterDpi / kTenthsPerInch)));
    const QImage image = PictureCache::instance().image(cell.picture, pixels);
    if (!image.isNull()) painter.drawImage(target, image);
}

// The page's glyphs gathered by face and drawn as one run each: a PDF then
// gets one text object per face instead of one per box, which makes the file
// smaller and faster to write. Underlined runs are drawn on their own, as the
// underline spans the whole run.
class GlyphBatches {
  public:
    explicit GlyphBatches(QPainter& painter) : painter_(painter) {}

    void add(const TextCache::Line& line, QPointF topLeft) {
        for (qsizetype i = 0; i < line.fonts.size(); ++i) {
            if (line.decorated) {
                const QGlyphRun& run = line.runs[i];
                if (run.underline() || run.overline() || run.strikeOut()) {
                    painter_.drawGlyphRun(topLeft, run);
                    continue;
                }
            }
            if (line.glyphs[i].isEmpty()) continue;
            Batch& batch = batchFor(line.fonts[i]);
            batch.glyphs += line.glyphs[i];
            for (const QPointF& position : line.positions[i])
                batch.positions.append(position + topLeft);
        }
    }

    void add(const TextCache::Letter& letter, QPointF pen) {
        Batch& batch = batchFor(letter.font);
        batch.glyphs.append(letter.glyph);
        batch.positions.append(letter.position + pen);
    }

    void draw() {
        const TextCache& cache = TextCache::instance();
        for (const Batch& batch : batches_) {
            QGlyphRun run;
            run.setRawFont(cache.rawFont(batch.font));
            run.setGlyphIndexes(batch.glyphs);
            run.setPositions(batch.positions);
            painter_.drawGlyphRun(QPointF(0, 0), run);
        }
    }

  private:
    struct Batch {
        int font;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };

    Batch& batchFor(int font) {
        for (Batch& batch : batches_)
            if (batch.font == font) return batch;
        batches_.push_back({font, {}, {}});
        // Room for a page's glyphs of a face from the start (an answer key's
        // page has a few thousand), instead of growing by halves.
        batches_.back().glyphs.reserve(4096);
        batches_.back().positions.reserve(4096);
        return batches_.back();
    }

    QPainter& painter_;
    std::vector<Batch> batches_;
};

void paintByCharacters(TextCache& cache, TextCache::Font& font, QStringView text,
                       QPaintDevice* device, const Cell& cell, double left, double width,
                       double top, GlyphBatches& glyphs) {
    double x = left;
    if (cell.align != Align::Left) {
        double advance = 0;
        for (const QChar c : text)
            advance += cache.letter(font, c, device).advance;
        x = cell.align == Align::Right ? left + width - advance : left + (width - advance) / 2;
    }
    for (const QChar c : text) {
        const TextCache::Letter& letter = cache.letter(font, c, device);
        const double advance = letter.advance;
        if (letter.single) {
            if (!letter.blank) glyphs.add(letter, QPointF(x, top));
        }
        else
            glyphs.add(cache.line(font, QString(c), device), QPointF(x, top));
        x += advance;
    }
}

void paintText(QPainter& painter, const Geometry& geometry, const Cell& cell,
               GlyphBatches& glyphs) {
    if (cell.text.isEmpty()) return;
    QPaintDevice* device = painter.device();
    TextCache& cache = TextCache::instance();
    TextCache::Font& font = cache.font(cell.font, device);
    const double left = geometry.x(cell.left);
    const double top = geometry.y(cell.top);
    if (cell.kind == CellKind::Label) {
        // One caption on one line, from the label's left edge.
        QString caption = cell.text;
        caption.replace(u'\n', u' ');
        glyphs.add(cache.line(font, caption, device), QPointF(left, top));
        return;
    }
    const double width = cell.width * geometry.scaleX;
    qsizetype start = 0;
    for (int index = 0; start <= cell.text.size(); ++index) {
        qsizetype end = cell.text.indexOf(u'\n', start);
        if (end < 0) end = cell.text.size();
        QStringView view = QStringView(cell.text).mid(start, end - start);
        if (view.endsWith(u'\r')) view.chop(1);
        start = end + 1;
        if (view.isEmpty()) continue;
        if (cell.byCharacters) {
            paintByCharacters(cache, font, view, device, cell, left, width,
                              top + index * font.lineSpacing, glyphs);
            continue;
        }
        // A one-line text (most are) is looked up as it is, without a copy.
        const QString text = view.size() == cell.text.size() ? cell.text : view.toString();
        const TextCache::Line& line = cache.line(font, text, device);
        double x = left;
        if (cell.align == Align::Right)
            x = left + width - line.advance;
        else if (cell.align == Align::Center)
            x = left + (width - line.advance) / 2;
        glyphs.add(line, QPointF(x, top + index * font.lineSpacing));
    }
}

// A clock face: its rim, sixty minute ticks (longer at the hours), and the
// hands when shown, the short hour hand moved on by the minutes. Angles are
// clockwise from 12.
QPointF clockPoint(QPointF centre, double radius, double degrees) {
    const double radians = degrees * M_PI / 180.0;
    return centre + QPointF(radius * std::sin(radians), -radius * std::cos(radians));
}

void paintClockFace(QPainter& painter, const Geometry& geometry, const Cell& cell) {
    const QRectF r = geometry.rect(cell);
    const double radius = std::min(r.width(), r.height()) / 2;
    const QPointF centre = r.center();
    const double unit = fromDesignUnits(1) * geometry.scaleY;
    painter.setPen(QPen(Qt::black, 3 * unit));
    painter.drawEllipse(centre, radius, radius);
    // Two strokes per face, not sixty: a PDF gets two paths.
    QLineF hourTicks[12];
    QLineF minuteTicks[48];
    for (int tick = 0, h = 0, m = 0; tick < 60; ++tick) {
        const bool hour = tick % 5 == 0;
        const QLineF line(clockPoint(centre, radius * (hour ? 0.86 : 0.92), tick * 6.0),
                          clockPoint(centre, radius * 0.97, tick * 6.0));
        if (hour)
            hourTicks[h++] = line;
        else
            minuteTicks[m++] = line;
    }
    painter.setPen(QPen(Qt::black, 2 * unit, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(hourTicks, 12);
    painter.setPen(QPen(Qt::black, unit, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(minuteTicks, 48);
}

void paintClockHands(QPainter& painter, const Geometry& geometry, const Cell& cell) {
    const QRectF r = geometry.rect(cell);
    const double radius = std::min(r.width(), r.height()) / 2;
    const QPointF centre = r.center();
    const double unit = fromDesignUnits(1) * geometry.scaleY;
    const double hourAngle = (cell.clock.hour % 12) * 30.0 + cell.clock.minute * 0.5;
    const double minuteAngle = cell.clock.minute * 6.0;
    painter.setPen(QPen(Qt::black, 6 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, clockPoint(centre, radius * 0.42, hourAngle));
    painter.setPen(QPen(Qt::black, 3 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, clockPoint(centre, radius * 0.6, minuteAngle));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, 4 * unit, 4 * unit);
    painter.setBrush(Qt::NoBrush);
}

// The numbers 1 to 12 inside the ticks, each centred on its place.
void paintClockNumbers(QPainter& painter, const Geometry& geometry, const Cell& cell,
                       GlyphBatches& glyphs) {
    QPaintDevice* device = painter.device();
    TextCache& cache = TextCache::instance();
    TextCache::Font& font = cache.font(cell.font, device);
    // Measured once per font and resolution (fonts live as long as the cache);
    // called under textMutex.
    static QHash<const TextCache::Font*, double> digitLifts;
    auto lift = digitLifts.constFind(&font);
    if (lift == digitLifts.constEnd()) {
        const QFontMetricsF metrics(font.font, device);
        lift = digitLifts.insert(&font, metrics.ascent() - metrics.capHeight() / 2);
    }
    const QRectF r = geometry.rect(cell);
    const double radius = std::min(r.width(), r.height()) / 2;
    for (int n = 1; n <= 12; ++n) {
        const TextCache::Line& line = cache.line(font, QString::number(n), device);
        const QPointF place = clockPoint(r.center(), radius * 0.74, n * 30.0);
        glyphs.add(line, QPointF(place.x() - line.advance / 2, place.y() - *lift));
    }
}

constexpr double kClockFacePad = 3 * kTenthsPerDesignUnit;

// A face without its hands, drawn once per size into a picture: a page of
// twelve faces then holds twelve uses of one picture, as the ribbons do,
// instead of twelve times sixty ticks and twelve numbers.
QImage clockFaceImage(const Cell& cell, double dpi) {
    static QMutex mutex;
    static std::map<std::tuple<int, int, double, QString, int, bool>, QImage> faces;
    const double rasterDpi = std::min(dpi, kMaxPictureDpi);
    const double scale = rasterDpi / kTenthsPerInch;
    // The rim's stroke reaches past the cell by half its width.
    const double pad = kClockFacePad;
    const QSize pixels(static_cast<int>(std::lround((cell.width + 2 * pad) * scale)),
                       static_cast<int>(std::lround((cell.height + 2 * pad) * scale)));
    const auto key = std::make_tuple(pixels.width(), pixels.height(), rasterDpi, cell.font.family,
                                     cell.font.pointSize, cell.font.bold);
    QMutexLocker lock(&mutex);
    if (const auto it = faces.find(key); it != faces.end()) return it->second;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = static_cast<int>(std::lround(rasterDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const Geometry geometry{(pad - cell.left) * scale, (pad - cell.top) * scale, scale, scale};
        paintClockFace(painter, geometry, cell);
        QMutexLocker textLock(&textMutex);
        GlyphBatches glyphs(painter);
        paintClockNumbers(painter, geometry, cell, glyphs);
        glyphs.draw();
    }
    if (faces.size() > 16) faces.clear();
    faces.emplace(key, image);
    return image;
}

void paintClock(QPainter& painter, const Geometry& geometry, const Cell& cell, double dpi) {
    const QImage face = clockFaceImage(cell, dpi);
    if (!face.isNull())
        painter.drawImage(geometry.rect(cell).adjusted(
                              -kClockFacePad * geometry.scaleX, -kClockFacePad * geometry.scaleY,
                              kClockFacePad * geometry.scaleX, kClockFacePad * geometry.scaleY),
                          face);
    if (cell.clock.hands) paintClockHands(painter, geometry, cell);
}

// A drawing's parts, each point at the geometry's place and scale.
void paintDrawingParts(QPainter& painter, const Geometry& geometry, const Cell& cell) {
    const auto at = [&](const QPointF& p) {
        return QPointF(geometry.x(cell.left + p.x()), geometry.y(cell.top + p.y()));
    };
    std::vector<QPointF> points;
    std::vector<QLineF> lines;
    for (const DrawingPart& part : cell.drawing->parts) {
        if (part.pen > 0)
            painter.setPen(QPen(Qt::black, part.pen * geometry.scaleX, Qt::SolidLine,
                                part.kind == DrawingPart::Kind::Lines ? Qt::FlatCap
                                                                      : Qt::SquareCap,
                                // A sharp corner (a pencil's point) ends where it is drawn.
                                Qt::RoundJoin));
        else
            painter.setPen(Qt::NoPen);
        if (part.fill >= 0)
            painter.setBrush(QColor(part.fill, part.fill, part.fill));
        else
            painter.setBrush(Qt::NoBrush);
        points.clear();
        for (const QPointF& p : part.points)
            points.push_back(at(p));
        const int count = static_cast<int>(points.size());
        switch (part.kind) {
            case DrawingPart::Kind::Lines:
                // All of a part's lines in one stroke: a grid is one path in a PDF.
                lines.clear();
                for (int i = 0; i + 1 < count; i += 2)
                    lines.emplace_back(points[static_cast<size_t>(i)],
                                       points[static_cast<size_t>(i) + 1]);
                painter.drawLines(lines.data(), static_cast<int>(lines.size()));
                break;
            case DrawingPart::Kind::Polyline:
                painter.drawPolyline(points.data(), count);
                break;
            case DrawingPart::Kind::Polygon:
                painter.drawPolygon(points.data(), count);
                break;
            case DrawingPart::Kind::Ellipse:
                if (count >= 2) painter.drawEllipse(QRectF(points[0], points[1]));
                break;
            case DrawingPart::Kind::Sector:
                // Qt counts sixteenths of a degree, anticlockwise from 3 o'clock.
                if (count >= 2)
                    painter.drawPie(QRectF(points[0], points[1]),
                                    static_cast<int>(std::lround((90 - part.start) * 16)),
                                    static_cast<int>(std::lround(-part.span * 16)));
                break;
        }
    }
    painter.setBrush(Qt::NoBrush);
}

// How far a drawing's outlines reach past its cell.
double drawingPad(const Drawing& drawing) {
    double pen = 0;
    for (const DrawingPart& part : drawing.parts)
        pen = std::max(pen, part.pen);
    return pen / 2 + 2;
}

// A drawing with a cache key, painted once per key and size into a picture:
// a page of coins or faces then holds many uses of a few pictures.
QImage drawingImage(const Cell& cell, double dpi) {
    static QMutex mutex;
    static QHash<QString, QImage> drawings;
    const double rasterDpi = std::min(dpi, kMaxPictureDpi);
    const double scale = rasterDpi / kTenthsPerInch;
    const double pad = drawingPad(*cell.drawing);
    const QSize pixels(static_cast<int>(std::lround((cell.width + 2 * pad) * scale)),
                       static_cast<int>(std::lround((cell.height + 2 * pad) * scale)));
    const QString key = QStringLiteral("%1 %2x%3")
                            .arg(cell.drawing->cacheKey)
                            .arg(pixels.width())
                            .arg(pixels.height());
    QMutexLocker lock(&mutex);
    if (const auto it = drawings.constFind(key); it != drawings.constEnd()) return *it;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const Geometry geometry{(pad - cell.left) * scale, (pad - cell.top) * scale, scale, scale};
        paintDrawingParts(painter, geometry, cell);
    }
    if (drawings.size() > 64) drawings.clear();
    drawings.insert(key, image);
    return image;
}

void paintDrawing(QPainter& painter, const Geometry& geometry, const Cell& cell, double dpi) {
    if (!cell.drawing) return;
    if (cell.drawing->cacheKey.isEmpty()) {
        paintDrawingParts(painter, geometry, cell);
        return;
    }
    const QImage image = drawingImage(cell, dpi);
    const double pad = drawingPad(*cell.drawing);
    if (!image.isNull())
        painter.drawImage(geometry.rect(cell).adjusted(-pad * geometry.scaleX,
                                                       -pad * geometry.scaleY,
                                                       pad * geometry.scaleX,
                                                       pad * geometry.scaleY),
                          image);
}

}  // namespace

void paintDrawingLines(const Cell& cell, QPainter& painter) {
    if (cell.drawing) paintDrawingParts(painter, Geometry{0, 0, 1, 1}, cell);
}

namespace {

// Where the page's ink reaches, in tenths of a millimetre from the sheet's
// corner. Texts are first bounded generously (every letter as wide as the
// widest) and measured only where that bound comes near an edge, so the
// numbers in the middle of a page cost nothing.
class InkReach {
  public:
    QRectF of(const Page& page, const std::vector<const Cell*>& cells, const QRectF& safe) {
        QRectF reach;
        const auto include = [&](const QRectF& r) { reach = reach.isNull() ? r : reach.united(r); };
        for (const Cell* each : cells) {
            const Cell& cell = *each;
            const QRectF box(page.marginLeft + cell.left, page.marginTop + cell.top, cell.width,
                             cell.height);
            switch (cell.kind) {
                case CellKind::Image:
                    if (!cell.picture.isEmpty()) {
                        const double w = cell.pictureWidth > 0 ? cell.pictureWidth : cell.width;
                        const double h = cell.pictureHeight > 0 ? cell.pictureHeight : cell.height;
                        include(QRectF(box.center().x() - w / 2, box.center().y() - h / 2, w, h));
                    }
                    break;
                case CellKind::Line:
                    if (cell.width > 0)
                        include(QRectF(box.left(), box.center().y() - 1, box.width(), 2));
                    break;
                case CellKind::Clock:
                case CellKind::CutLine:
                case CellKind::QrCode:
                    include(box);
                    break;
                case CellKind::Drawing:
                    if (cell.drawing) {
                        const double pad = drawingPad(*cell.drawing);
                        include(box.adjusted(-pad, -pad, pad, pad));
                    }
                    break;
                case CellKind::RichText:
                    if (cell.frame.top || cell.frame.bottom || cell.frame.left || cell.frame.right)
                        include(box);
                    [[fallthrough]];
                case CellKind::Label:
                    if (!cell.text.isEmpty()) {
                        const QRectF text = textReach(cell, box, safe);
                        if (!text.isNull()) include(text);
                    }
                    break;
            }
        }
        return reach;
    }

  private:
    double summedAdvance(QStringView line, const CellFont& font) const {
        double sum = 0;
        for (const QChar letter : line)
            sum += measure_.letterWidth(letter, font, font.pointSize);
        return sum;
    }

    // A box holding `width` of text as the cell aligns it, with the ink's
    // overhang on both sides.
    static QRectF around(const Cell& cell, const QRectF& box, double width, double height,
                         double overhang) {
        double left = box.left() + (box.width() - width) / 2;
        if (cell.kind == CellKind::Label || cell.align == Align::Left)
            left = box.left();
        else if (cell.align == Align::Right)
            left = box.right() - width;
        return QRectF(left - overhang, box.top() - overhang / 4, width + 2 * overhang,
                      height + overhang / 4);
    }

    // A page has a few faces and many texts: each face is asked for once.
    struct Face {
        CellFont font;
        FaceMetrics metrics;
        double widestLetter;
    };
    const Face& faceOf(const CellFont& font) {
        if (last_ && last_->font.pointSize == font.pointSize && last_->font.bold == font.bold &&
            last_->font.family.constData() == font.family.constData())
            return *last_;
        for (const Face& known : faces_)
            if (known.font.pointSize == font.pointSize && known.font.bold == font.bold &&
                known.font.family == font.family)
                return *(last_ = &known);
        faces_.push_back({font, measure_.metrics(font, font.pointSize),
                          measure_.widestLetter(font, font.pointSize)});
        return *(last_ = &faces_.back());
    }

    QRectF textReach(const Cell& cell, const QRectF& box, const QRectF& safe) {
        const CellFont& font = cell.font;
        const Face& known = faceOf(font);
        const FaceMetrics& face = known.metrics;
        // Ink reaches beyond the advance by less than the face's height.
        const double overhang = face.ascent + face.descent;
        // First every letter as wide as the widest: no text is looked at.
        qsizetype lineCount = 1;
        qsizetype longest = 0;
        qsizetype start = 0;
        if (cell.kind == CellKind::Label) {
            longest = cell.text.size();
        } else {
            for (qsizetype end; (end = cell.text.indexOf(u'\n', start)) >= 0; start = end + 1) {
                longest = std::max(longest, end - start);
                ++lineCount;
            }
            longest = std::max(longest, cell.text.size() - start);
        }
        const double height = static_cast<double>(lineCount) * face.lineSpacing;
        QRectF bound =
            around(cell, box, static_cast<double>(longest) * known.widestLetter, height, overhang);
        if (safe.contains(bound)) return bound;
        const QStringList lines = cell.kind == CellKind::Label
                                      ? QStringList{QString(cell.text).replace(u'\n', u' ')}
                                      : cell.text.split(u'\n');
        // Then letter by letter, with room for kerning.
        double widest = 0;
        for (const QString& text : lines)
            widest = std::max(widest, summedAdvance(text, font));
        bound = around(cell, box, widest * 1.02, height, overhang);
        if (safe.contains(bound)) return bound;
        // Near an edge: the ink itself.
        QRectF reach;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QString text = lines[i];
            if (text.endsWith(u'\r')) text.chop(1);
            if (text.trimmed().isEmpty()) continue;
            QRectF ink = measure_.ink(text, font, font.pointSize);
            if (font.underline) ink.setBottom(overhang);
            const QRectF x = around(cell, box, measure_.width(text, font, font.pointSize), 0, 0);
            ink.translate(x.left(), box.top() + static_cast<double>(i) * face.lineSpacing);
            reach = reach.isNull() ? ink : reach.united(ink);
        }
        return reach;
    }

    const FontMeasure& measure_ = FontMeasure::instance();
    std::list<Face> faces_;  // stable addresses
    const Face* last_ = nullptr;
};

// The scale for the page with these cells (the page's own, or fitted ones).
double areaScale(const Page& page, const std::vector<const Cell*>& cells) {
    const double width = page.paperWidth();
    const double height = page.paperHeight();
    // A little inside the limit: anti-aliased edges and rounding to pixels.
    const double edge = kUnprintableEdge + 3;
    const QRectF safe(edge, edge, width - 2 * edge, height - 2 * edge);
    const QRectF ink = InkReach().of(page, cells, safe);
    if (ink.isNull() || safe.contains(ink)) return 1.0;
    const double cx = width / 2;
    const double cy = height / 2;
    double scale = 1.0;
    const auto limit = [&](double reachFromCentre, double room) {
        if (reachFromCentre > room) scale = std::min(scale, room / reachFromCentre);
    };
    limit(cx - ink.left(), cx - edge);
    limit(ink.right() - cx, cx - edge);
    limit(cy - ink.top(), cy - edge);
    limit(ink.bottom() - cy, cy - edge);
    return scale;
}

}  // namespace

QRectF pageInkReach(const Page& page) {
    const FittedCells fitted = fittedCells(page);
    const double edge = kUnprintableEdge + 3;
    const QRectF safe(edge, edge, page.paperWidth() - 2 * edge, page.paperHeight() - 2 * edge);
    return InkReach().of(page, fitted.cells, safe);
}

double printableAreaScale(const Page& page) {
    std::vector<const Cell*> cells;
    cells.reserve(page.cells().size());
    for (const Cell& cell : page.cells())
        cells.push_back(&cell);
    return areaScale(page, cells);
}

QString resolvedFontFamily(const QString& designFamily) {
    if (designFamily.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (designFamily.compare(QLatin1String("Comic Sans MS"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Andika");
    return designFamily;
}

namespace {

// The cells of a page at the geometry's place and scale: frames, lines and
// pictures first, texts last (see the header).
void paintCells(const std::vector<const Cell*>& cells, QPainter& painter,
                const Geometry& geometry, double dpi, const QColor& answerColour) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Line art: a PDF must not store the pictures as JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setBrush(Qt::NoBrush);
    for (const Cell* each : cells) {
        const Cell& cell = *each;
        switch (cell.kind) {
            case CellKind::RichText:
                paintFrame(painter, geometry, cell);
                break;
            case CellKind::Line:
                paintLine(painter, geometry, cell, dpi);
                break;
            case CellKind::Image:
                paintPicture(painter, geometry, cell, dpi);
                break;
            case CellKind::CutLine:
                paintCutLine(painter, geometry, cell);
                break;
            case CellKind::Clock:
                paintClock(painter, geometry, cell, dpi);
                break;
            case CellKind::QrCode:
                paintQrCode(painter, geometry.rect(cell), cell.text);
                break;
            case CellKind::Drawing:
                paintDrawing(painter, geometry, cell, dpi);
                break;
            case CellKind::Label:
                break;
        }
    }
    // Texts are laid out at the device's resolution; drawn at another scale
    // (a figure on the board), they are laid out so and the painter scaled.
    const double textScale = dpi / painter.device()->logicalDpiX();
    const bool scaled = std::abs(textScale - 1) > 1e-9;
    const Geometry text = scaled ? Geometry{geometry.originX / textScale,
                                            geometry.originY / textScale,
                                            geometry.scaleX / textScale, geometry.scaleY / textScale}
                                 : geometry;
    if (scaled) {
        painter.save();
        painter.scale(textScale, textScale);
    }
    painter.setPen(Qt::black);
    {
        QMutexLocker lock(&textMutex);
        GlyphBatches glyphs(painter);
        for (const Cell* cell : cells) {
            if ((cell->kind == CellKind::RichText || cell->kind == CellKind::Label) &&
                !(answerColour.isValid() && isAnswerCell(*cell)))
                paintText(painter, text, *cell, glyphs);
        }
        glyphs.draw();
    }
    if (answerColour.isValid()) {
        painter.setPen(answerColour);
        QMutexLocker lock(&textMutex);
        GlyphBatches answers(painter);
        for (const Cell* cell : cells)
            if ((cell->kind == CellKind::RichText || cell->kind == CellKind::Label) &&
                isAnswerCell(*cell))
                paintText(painter, text, *cell, answers);
        answers.draw();
    }
    if (scaled) painter.restore();
}

}  // namespace

void paintPage(const Page& page, QPainter& painter) {
    // Fitted texts are copies of their cells: the page itself is not copied.
    const FittedCells fitted = fittedCells(page);
    const std::vector<const Cell*>& cells = fitted.cells;
    QPaintDevice* device = painter.device();
    const double dpiX = device->logicalDpiX();
    const double dpiY = device->logicalDpiY();
    const Geometry geometry{page.marginLeft * dpiX / kTenthsPerInch,
                            page.marginTop * dpiY / kTenthsPerInch, dpiX / kTenthsPerInch,
                            dpiY / kTenthsPerInch};
    painter.save();
    if (const double scale = areaScale(page, cells); scale < 1.0) {
        const QPointF centre(page.paperWidth() / 2 * geometry.scaleX,
                             page.paperHeight() / 2 * geometry.scaleY);
        painter.translate(centre);
        painter.scale(scale, scale);
        painter.translate(-centre);
    }
    paintCells(cells, painter, geometry, dpiX, QColor());
    painter.restore();
}

void paintFigure(const ExerciseFigure& figure, QPainter& painter, const QPointF& topLeft,
                 double pixelsPerTenth, const QColor& answerColour) {
    Page page(QStringLiteral("Figure"), Paper::A4);
    page.bandWidth = figure.width;
    page.bandHeight = figure.height;
    for (const Cell& cell : figure.cells)
        page.add(cell);
    const FittedCells fitted = fittedCells(page);
    const Geometry geometry{topLeft.x(), topLeft.y(), pixelsPerTenth, pixelsPerTenth};
    painter.save();
    paintCells(fitted.cells, painter, geometry, pixelsPerTenth * kTenthsPerInch, answerColour);
    painter.restore();
}

struct PdfWriter::State {
    explicit State(const QString& path) : file(path) {}
    OutputFile file;
    std::unique_ptr<QPdfWriter> writer;
    std::unique_ptr<QPainter> painter;
    QString title;
    int pages = 0;
    bool finished = false;
    // Memory ran out inside the PDF engine: its state is torn, and ending it
    // would allocate again.
    bool torn = false;
};

PdfWriter::PdfWriter(const QString& path, const QString& title)
    : state_(std::make_unique<State>(path)) {
    state_->title = title;
}

PdfWriter::~PdfWriter() {
    // Without finish() the temporary file is dropped with the OutputFile;
    // the engine is ended only to free it, writing into a file given up.
    State& s = *state_;
    if (!s.painter || !s.painter->isActive()) return;
    bool ended = false;
    if (!s.torn) {
        try {
            requireMemoryHeadroom();
            s.painter->end();
            ended = true;
        } catch (...) {
        }
    }
    if (!ended) {
        // Left as they are: their destructors would end the engine again.
        (void)s.painter.release();
        (void)s.writer.release();
    }
}

void PdfWriter::addPage(const Page& page) {
    State& s = *state_;
    if (s.finished) throw std::logic_error("PdfWriter: page added after finish()");
    if (s.torn) throw std::bad_alloc();
    // Memory that runs out inside Qt ends the process; asked here, it is an
    // error like any other.
    requireMemoryHeadroom();
    const QPageLayout layout = pageLayoutFor(page);
    try {
        if (!s.writer) {
            s.writer = std::make_unique<QPdfWriter>(&s.file.device());
            s.writer->setCreator(QStringLiteral("Zarvik"));
            s.writer->setTitle(s.title);
            s.writer->setPageLayout(layout);
            s.painter = std::make_unique<QPainter>();
            if (!s.painter->begin(s.writer.get()))
                throw FileError(QStringLiteral("\"%1\" dosyası yazılamadı: PDF başlatılamadı.")
                                    .arg(s.file.path()));
        } else {
            if (!s.writer->pageLayout().isEquivalentTo(layout)) s.writer->setPageLayout(layout);
            s.writer->newPage();
        }
        paintPage(page, *s.painter);
    } catch (const std::bad_alloc&) {
        s.torn = true;
        throw;
    }
    // Qt's PDF engine goes on after a failed write; the file remembers it.
    s.file.check();
    ++s.pages;
}

void PdfWriter::finish() {
    State& s = *state_;
    if (s.finished) return;
    if (s.pages == 0)
        throw FileError(QStringLiteral("\"%1\" dosyası yazılamadı: sayfa yok.").arg(s.file.path()));
    if (s.torn) throw std::bad_alloc();
    requireMemoryHeadroom();
    bool ended = false;
    try {
        ended = s.painter->end();
    } catch (const std::bad_alloc&) {
        s.torn = true;
        throw;
    }
    s.file.check();
    if (!ended)
        throw FileError(
            QStringLiteral("\"%1\" dosyası yazılamadı: PDF tamamlanamadı.").arg(s.file.path()));
    s.finished = true;
    s.file.commit();
}

int PdfWriter::pageCount() const {
    return state_->pages;
}

void tuneHeapForPageOutput() {
    // Qt's PDF engine compresses each page through two 16 MB buffers. By
    // default glibc hands such blocks back to the system after every page and
    // faults them in again for the next, which costs more than drawing the
    // page; keeping them in the heap makes many-page files several times faster.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
}

void writePdf(const std::vector<const Page*>& pages, const QString& path) {
    PdfWriter writer(path);
    for (const Page* page : pages)
        writer.addPage(*page);
    writer.finish();
}

QImage renderImage(const Page& page, int dotsPerInch) {
    requireMemoryHeadroom();
    const double scale = dotsPerInch / kTenthsPerInch;
    QImage image(static_cast<int>(std::lround(page.paperWidth() * scale)),
                 static_cast<int>(std::lround(page.paperHeight() * scale)), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(page, painter);
    painter.end();
    return image;
}

void writePng(const Page& page, const QString& path, int dotsPerInch) {
    // The pages are black and grey: one channel makes the file smaller and
    // much quicker to compress.
    const QImage image = renderImage(page, dotsPerInch).convertToFormat(QImage::Format_Grayscale8);
    // Made in memory first: libpng reports a failed write on standard error
    // in its own words, and a page is small.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, "png");
    if (!writer.write(image))
        throw FileError(QStringLiteral("\"%1\" dosyası yazılamadı: PNG resmi oluşturulamadı.")
                            .arg(QDir::toNativeSeparators(path)));
    OutputFile file(path);
    file.write(encoded.data());
    file.commit();
}

}  // namespace zarvik
