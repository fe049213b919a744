#include "common/render/FontMeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <cmath>
#include <list>
#include <optional>

#include "common/render/PageRenderer.h"

namespace zarvik {

namespace {

// The resolution texts are measured at: the PDFs', and fine enough that a
// pixel's rounding is far below anything printed.
constexpr int kMeasureDpi = 1200;

// A design font's face at one size; every length in pixels at kMeasureDpi.
struct Face {
    CellFont design;  // family, bold and size; underline changes no length
    std::optional<QFontMetricsF> metrics;
    double ascent = 0;
    double descent = 0;
    double lineSpacing = 0;
    double digitHeight = 0;
    double widestLetter = 0;
    QHash<QString, double> widths;
    QHash<QChar, double> letters;
    QHash<QString, QRectF> inks;
};

// No page holds this many different texts of one face; past it the kept
// widths start afresh rather than grow without end.
constexpr qsizetype kMostKept = 1 << 16;

double tenths(double pixels) {
    return pixels / kMeasureDpi * 254.0;
}

}  // namespace

struct FontMeasure::Faces {
    QMutex mutex;
    QImage device{1, 1, QImage::Format_Mono};
    std::list<Face> faces;  // stable addresses
    Face* last = nullptr;

    Faces() {
        const int dotsPerMeter = static_cast<int>(std::lround(kMeasureDpi / 0.0254));
        device.setDotsPerMeterX(dotsPerMeter);
        device.setDotsPerMeterY(dotsPerMeter);
    }

    Face& face(const CellFont& design, int pointSize) {
        // A page asks for one face many times in a row.
        if (last && last->design.pointSize == pointSize && last->design.bold == design.bold &&
            last->design.family == design.family)
            return *last;
        for (Face& known : faces)
            if (known.design.pointSize == pointSize && known.design.bold == design.bold &&
                known.design.family == design.family)
                return *(last = &known);
        Face face;
        face.design = design;
        face.design.pointSize = pointSize;
        face.design.underline = false;
        QFont font;
        // The installed face first; the design family lets fontconfig stand
        // in should that face be missing.
        font.setFamilies({resolvedFontFamily(design.family), design.family});
        font.setPointSizeF(pointSize);
        font.setBold(design.bold);
        // Unhinted outlines: the widths a PDF gets, not a screen's.
        font.setHintingPreference(QFont::PreferNoHinting);
        face.metrics.emplace(font, &device);
        const QFontMetricsF& m = *face.metrics;
        face.ascent = m.ascent();
        face.descent = m.descent();
        face.lineSpacing = m.lineSpacing();
        face.widestLetter = m.maxWidth();
        for (char16_t digit = u'0'; digit <= u'9'; ++digit)
            face.digitHeight = std::max(face.digitHeight, -m.boundingRect(QChar(digit)).top());
        faces.push_back(std::move(face));
        return *(last = &faces.back());
    }

    static Faces& instance() {
        // Left alive to the end: it must never outlive the application's fonts.
        static Faces* made = new Faces;
        return *made;
    }
};

}  // namespace zarvik

// Installed before main in every program that links the render layer: the
// library's link options name this symbol, so the linker keeps this file
// even in a program that lays pages out without painting them.
extern "C" const bool zarvik_fontMeasureInstalled = [] {
    zarvik::installTextMeasure(&zarvik::FontMeasure::instance());
    return true;
}();

namespace zarvik {

const FontMeasure& FontMeasure::instance() {
    static const FontMeasure measure;
    return measure;
}

double FontMeasure::width(const QString& text, const CellFont& font, int pointSize) const {
    Faces& faces = Faces::instance();
    QMutexLocker lock(&faces.mutex);
    Face& face = faces.face(font, pointSize);
    auto it = face.widths.constFind(text);
    if (it == face.widths.constEnd()) {
        if (face.widths.size() >= kMostKept) face.widths.clear();
        it = face.widths.insert(text, tenths(face.metrics->horizontalAdvance(text)));
    }
    return *it;
}

double FontMeasure::letterWidth(QChar letter, const CellFont& font, int pointSize) const {
    Faces& faces = Faces::instance();
    QMutexLocker lock(&faces.mutex);
    Face& face = faces.face(font, pointSize);
    auto it = face.letters.constFind(letter);
    if (it == face.letters.constEnd())
        it = face.letters.insert(letter, tenths(face.metrics->horizontalAdvance(letter)));
    return *it;
}

FaceMetrics FontMeasure::metrics(const CellFont& font, int pointSize) const {
    Faces& faces = Faces::instance();
    QMutexLocker lock(&faces.mutex);
    const Face& face = faces.face(font, pointSize);
    return {tenths(face.ascent), tenths(face.descent), tenths(face.digitHeight),
            tenths(face.lineSpacing)};
}

double FontMeasure::widestLetter(const CellFont& font, int pointSize) const {
    Faces& faces = Faces::instance();
    QMutexLocker lock(&faces.mutex);
    return tenths(faces.face(font, pointSize).widestLetter);
}

QRectF FontMeasure::ink(const QString& text, const CellFont& font, int pointSize) const {
    Faces& faces = Faces::instance();
    QMutexLocker lock(&faces.mutex);
    Face& face = faces.face(font, pointSize);
    auto it = face.inks.constFind(text);
    if (it == face.inks.constEnd()) {
        if (face.inks.size() >= kMostKept) face.inks.clear();
        const QRectF ink = face.metrics->boundingRect(text).translated(0, face.ascent);
        it = face.inks.insert(text, QRectF(tenths(ink.left()), tenths(ink.top()),
                                           tenths(ink.width()), tenths(ink.height())));
    }
    return *it;
}

}  // namespace zarvik
