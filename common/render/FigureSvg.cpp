#include "common/render/FigureSvg.h"

#include <QFile>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "common/core/TextMeasure.h"
#include "common/render/PageRenderer.h"

// Outside any namespace, as Qt asks.
static void initFigurePictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace zarvik {

namespace {

constexpr double kTenthsPerPoint = 254.0 / 72.0;
const double kDesignUnit = fromDesignUnits(1);

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString fontAttributes(const CellFont& font, int points) {
    QString out = QStringLiteral(" font-size=\"%1\"").arg(svgNumber(points * kTenthsPerPoint));
    if (font.bold) out += QStringLiteral(" font-weight=\"bold\"");
    if (font.underline) out += QStringLiteral(" text-decoration=\"underline\"");
    return out;
}

void addText(QString& svg, const Cell& cell) {
    if (cell.text.isEmpty()) return;
    const CellFont& font = cell.font;
    const FaceMetrics face = textMeasure().metrics(font, font.pointSize);
    QString anchor;
    double x = cell.left;
    if (cell.kind == CellKind::RichText && cell.align == Align::Right) {
        anchor = QStringLiteral(" text-anchor=\"end\"");
        x = cell.left + cell.width;
    } else if (cell.kind == CellKind::RichText && cell.align == Align::Center) {
        anchor = QStringLiteral(" text-anchor=\"middle\"");
        x = cell.left + cell.width / 2;
    }
    const QStringList lines = cell.kind == CellKind::Label
                                  ? QStringList{QString(cell.text).replace(u'\n', u' ')}
                                  : cell.text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) continue;
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\"%3%4>%5</text>")
                   .arg(svgNumber(x),
                        svgNumber(cell.top + face.ascent + static_cast<double>(i) * face.lineSpacing),
                        fontAttributes(font, font.pointSize), anchor, escaped(lines[i]));
    }
}

void addFrame(QString& svg, const Cell& cell) {
    const Frame& f = cell.frame;
    if (!f.top && !f.bottom && !f.left && !f.right) return;
    const double l = cell.left, t = cell.top, r = cell.left + cell.width,
                 b = cell.top + cell.height;
    QString d;
    const auto side = [&](double x1, double y1, double x2, double y2) {
        d += QStringLiteral("M%1 %2L%3 %4")
                 .arg(svgNumber(x1), svgNumber(y1), svgNumber(x2), svgNumber(y2));
    };
    if (f.top) side(l, t, r, t);
    if (f.bottom) side(l, b, r, b);
    if (f.left) side(l, t, l, b);
    if (f.right) side(r, t, r, b);
    svg += QStringLiteral("<path d=\"%1\" stroke-width=\"%2\"/>").arg(d, svgNumber(kDesignUnit));
}

void addLine(QString& svg, const Cell& cell, bool writingLines) {
    if (cell.width <= 0 || (cell.dotted && !writingLines)) return;
    const double y = cell.top + cell.height / 2;
    svg += QStringLiteral("<path d=\"M%1 %2H%3\" stroke-width=\"%4\"%5/>")
               .arg(svgNumber(cell.left), svgNumber(y), svgNumber(cell.left + cell.width),
                    svgNumber(cell.penWidth * kDesignUnit),
                    cell.dotted ? QStringLiteral(" stroke-dasharray=\"3 9\"") : QString());
}

QPointF clockPoint(double cx, double cy, double radius, double degrees) {
    const double radians = degrees * M_PI / 180.0;
    return {cx + radius * std::sin(radians), cy - radius * std::cos(radians)};
}

// As the page paints it: rim, sixty ticks (longer at the hours), the numbers
// inside them, and the hands when shown.
void addClock(QString& svg, QString& texts, const Cell& cell) {
    const double radius = std::min(cell.width, cell.height) / 2;
    const double cx = cell.left + cell.width / 2, cy = cell.top + cell.height / 2;
    svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" stroke-width=\"%4\"/>")
               .arg(svgNumber(cx), svgNumber(cy), svgNumber(radius), svgNumber(3 * kDesignUnit));
    QString hours, minutes;
    for (int tick = 0; tick < 60; ++tick) {
        const bool hour = tick % 5 == 0;
        const QPointF a = clockPoint(cx, cy, radius * (hour ? 0.86 : 0.92), tick * 6.0);
        const QPointF b = clockPoint(cx, cy, radius * 0.97, tick * 6.0);
        (hour ? hours : minutes) += QStringLiteral("M%1 %2L%3 %4")
                                        .arg(svgNumber(a.x()), svgNumber(a.y()),
                                             svgNumber(b.x()), svgNumber(b.y()));
    }
    svg += QStringLiteral("<path d=\"%1\" stroke-width=\"%2\"/>")
               .arg(hours, svgNumber(2 * kDesignUnit));
    svg += QStringLiteral("<path d=\"%1\" stroke-width=\"%2\"/>")
               .arg(minutes, svgNumber(kDesignUnit));
    const FaceMetrics face = textMeasure().metrics(cell.font, cell.font.pointSize);
    for (int n = 1; n <= 12; ++n) {
        const QPointF place = clockPoint(cx, cy, radius * 0.74, n * 30.0);
        texts += QStringLiteral("<text x=\"%1\" y=\"%2\"%3 text-anchor=\"middle\">%4</text>")
                   .arg(svgNumber(place.x()), svgNumber(place.y() + face.digitHeight / 2),
                        fontAttributes(cell.font, cell.font.pointSize), QString::number(n));
    }
    if (cell.clock.hands) {
        const double hourAngle = (cell.clock.hour % 12) * 30.0 + cell.clock.minute * 0.5;
        const QPointF h = clockPoint(cx, cy, radius * 0.42, hourAngle);
        const QPointF m = clockPoint(cx, cy, radius * 0.6, cell.clock.minute * 6.0);
        svg += QStringLiteral(
                   "<path d=\"M%1 %2L%3 %4\" stroke-width=\"%5\" stroke-linecap=\"round\"/>"
                   "<path d=\"M%1 %2L%6 %7\" stroke-width=\"%8\" stroke-linecap=\"round\"/>")
                   .arg(svgNumber(cx), svgNumber(cy), svgNumber(h.x()), svgNumber(h.y()),
                        svgNumber(6 * kDesignUnit), svgNumber(m.x()), svgNumber(m.y()),
                        svgNumber(3 * kDesignUnit));
    }
    svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#000\"/>")
               .arg(svgNumber(cx), svgNumber(cy), svgNumber(4 * kDesignUnit));
}

// Records what a painter draws as SVG paths: a drawing's line art is painted
// by the pages' own code (paintDrawingLines) and comes out as strokes here.
class SvgPathEngine : public QPaintEngine {
  public:
    explicit SvgPathEngine(QString& svg) : QPaintEngine(QPaintEngine::AllFeatures), svg_(svg) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyPen) pen_ = state.pen();
        if (state.state() & QPaintEngine::DirtyBrush) brush_ = state.brush();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    void drawLines(const QLineF* lines, int count) override {
        QString d;
        for (int i = 0; i < count; ++i)
            d += QStringLiteral("M%1 %2L%3 %4")
                     .arg(svgNumber(lines[i].x1()), svgNumber(lines[i].y1()),
                          svgNumber(lines[i].x2()), svgNumber(lines[i].y2()));
        add(d, false);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        QString d;
        for (int i = 0; i < count; ++i)
            d += (i == 0 ? u'M' : u'L') + svgNumber(points[i].x()) + u' ' +
                 svgNumber(points[i].y());
        if (mode != PolylineMode) d += u'Z';
        add(d, mode != PolylineMode);
    }
    void drawEllipse(const QRectF& r) override {
        const double rx = r.width() / 2, ry = r.height() / 2;
        // Two half arcs: one arc cannot end where it starts.
        add(QStringLiteral("M%1 %2A%3 %4 0 1 0 %5 %2A%3 %4 0 1 0 %1 %2Z")
                .arg(svgNumber(r.left()), svgNumber(r.center().y()), svgNumber(rx),
                     svgNumber(ry), svgNumber(r.right())),
            true);
    }
    void drawPath(const QPainterPath& path) override {
        QString d;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            switch (e.type) {
                case QPainterPath::MoveToElement:
                    d += QStringLiteral("M%1 %2").arg(svgNumber(e.x), svgNumber(e.y));
                    break;
                case QPainterPath::LineToElement:
                    d += QStringLiteral("L%1 %2").arg(svgNumber(e.x), svgNumber(e.y));
                    break;
                case QPainterPath::CurveToElement:
                    d += QStringLiteral("C%1 %2").arg(svgNumber(e.x), svgNumber(e.y));
                    break;
                case QPainterPath::CurveToDataElement:
                    d += QStringLiteral(" %1 %2").arg(svgNumber(e.x), svgNumber(e.y));
                    break;
            }
        }
        add(d, true);
    }

  private:
    void add(const QString& d, bool closed) {
        if (d.isEmpty()) return;
        QString style;
        if (pen_.style() == Qt::NoPen) {
            style = QStringLiteral(" stroke=\"none\"");
        } else {
            style = QStringLiteral(" stroke-width=\"%1\"").arg(svgNumber(pen_.widthF()));
            if (pen_.capStyle() == Qt::SquareCap)
                style += QStringLiteral(" stroke-linecap=\"square\"");
            if (pen_.joinStyle() == Qt::RoundJoin)
                style += QStringLiteral(" stroke-linejoin=\"round\"");
        }
        if (closed && brush_.style() != Qt::NoBrush)
            style += QStringLiteral(" fill=\"%1\"").arg(brush_.color().name());
        svg_ += QStringLiteral("<path d=\"%1\"%2/>").arg(d, style);
    }

    QString& svg_;
    QPen pen_;
    QBrush brush_;
};

class SvgPathDevice : public QPaintDevice {
  public:
    explicit SvgPathDevice(QString& svg) : engine_(svg) {}
    QPaintEngine* paintEngine() const override { return &engine_; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
            case PdmHeight:
                return 100000;  // tenths of a millimetre: any figure fits
            case PdmWidthMM:
            case PdmHeightMM:
                return 10000;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 254;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return 256;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return 0;
        }
    }

  private:
    mutable SvgPathEngine engine_;
};

// The program's own line art (fraction models, number lines, graphs, grids,
// rulers, coins), stroked as the page strokes it.
void addDrawing(QString& svg, const Cell& cell) {
    if (!cell.drawing) return;
    SvgPathDevice device(svg);
    QPainter painter(&device);
    paintDrawingLines(cell, painter);
}

// A picture of the program's own, inline: the page needs no file beside it.
void addPicture(QString& svg, const Cell& cell) {
    if (cell.picture.isEmpty()) return;
    static const bool registered = (initFigurePictures(), true);
    Q_UNUSED(registered);
    QFile file(QStringLiteral(":/pictures/%1.svg").arg(cell.picture));
    if (!file.open(QIODevice::ReadOnly)) return;
    const double w = cell.pictureWidth > 0 ? cell.pictureWidth : cell.width;
    const double h = cell.pictureHeight > 0 ? cell.pictureHeight : cell.height;
    svg += QStringLiteral("<image x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                          "href=\"data:image/svg+xml;base64,%5\"/>")
               .arg(svgNumber(cell.left + (cell.width - w) / 2),
                    svgNumber(cell.top + (cell.height - h) / 2), svgNumber(w), svgNumber(h),
                    QString::fromLatin1(file.readAll().toBase64()));
}

}  // namespace

QString svgNumber(double value) {
    QString text = QString::number(std::round(value * 10) / 10, 'f', 1);
    if (text.endsWith(QLatin1String(".0"))) text.chop(2);
    if (text == u"-0") text = QStringLiteral("0");
    return text;
}

QString figureSvg(const ExerciseFigure& figure, const FigureSvgOptions& options) {
    const double height = options.height >= 0 ? options.height : figure.height;
    const double s = options.pixelsPerTenth;
    const double pad = kFigureSvgPad;
    QString svg = QStringLiteral(
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"%1 %1 %2 %3\" "
                      "width=\"%4\" height=\"%5\" aria-hidden=\"true\"><g stroke=\"#000\" "
                      "fill=\"none\">")
                      .arg(svgNumber(-pad), svgNumber(figure.width + 2 * pad),
                           svgNumber(height + 2 * pad), svgNumber((figure.width + 2 * pad) * s),
                           svgNumber((height + 2 * pad) * s));
    QString texts;
    for (const Cell& cell : figure.cells) {
        switch (cell.kind) {
            case CellKind::RichText:
                addFrame(svg, cell);
                addText(texts, cell);
                break;
            case CellKind::Label:
                addText(texts, cell);
                break;
            case CellKind::Line:
                addLine(svg, cell, options.writingLines);
                break;
            case CellKind::Clock:
                addClock(svg, texts, cell);
                break;
            case CellKind::Image:
                addPicture(svg, cell);
                break;
            case CellKind::Drawing:
                addDrawing(svg, cell);
                break;
            case CellKind::CutLine:
            case CellKind::QrCode:
                break;
        }
    }
    // Texts filled, not stroked; after the lines, as the pages paint them.
    svg += QStringLiteral("</g><g fill=\"#000\">") + texts + QStringLiteral("</g></svg>");
    return svg;
}

}  // namespace zarvik
