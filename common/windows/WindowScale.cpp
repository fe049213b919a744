#include "common/windows/WindowScale.h"

#include <QApplication>
#include <QLayout>
#include <QVariant>
#include <array>
#include <cmath>

namespace zarvik {

namespace {

double gScale = 1;

// What a widget was built with, kept on it the first time it is scaled, so
// that every scale starts from the design and never from a rounded size.
struct Design {
    QRect geometry;
    QSize minimum;
    QSize maximum;
    QFont font;
    bool ownFont;
};
constexpr const char* kDesignProperty = "zarvikDesign";

}  // namespace
}  // namespace zarvik

Q_DECLARE_METATYPE(zarvik::Design)

namespace zarvik {

namespace {

int scaled(int value, double factor) {
    // QWIDGETSIZE_MAX stays unbounded.
    if (value >= QWIDGETSIZE_MAX) return value;
    return static_cast<int>(std::lround(value * factor));
}

QSize scaled(const QSize& size, double factor) {
    return {scaled(size.width(), factor), scaled(size.height(), factor)};
}

QFont scaledFont(QFont font, double factor) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, scaled(font.pixelSize(), factor)));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

void scaleWidget(QWidget& widget, double factor, bool top) {
    QVariant kept = widget.property(kDesignProperty);
    if (!kept.isValid()) {
        kept = QVariant::fromValue(Design{widget.geometry(), widget.minimumSize(),
                                          widget.maximumSize(), widget.font(),
                                          widget.testAttribute(Qt::WA_SetFont)});
        widget.setProperty(kDesignProperty, kept);
    }
    const Design design = kept.value<Design>();
    if (design.ownFont) widget.setFont(scaledFont(design.font, factor));
    widget.setMinimumSize(scaled(design.minimum, factor));
    widget.setMaximumSize(scaled(design.maximum, factor));
    const QWidget* parent = widget.parentWidget();
    const bool laidOut = parent && parent->layout() && parent->layout()->indexOf(&widget) >= 0;
    if (!top && !laidOut)
        widget.setGeometry(QRect(scaled(design.geometry.topLeft().x(), factor),
                                 scaled(design.geometry.topLeft().y(), factor),
                                 scaled(design.geometry.width(), factor),
                                 scaled(design.geometry.height(), factor)));
    for (QObject* child : widget.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        // A separate window (a dialog, the board) is sized on its own.
        if (w && !w->isWindow()) scaleWidget(*w, factor, false);
    }
    if (top && widget.minimumSize() != widget.maximumSize()) widget.adjustSize();
}

QFont gApplicationFont;
bool gApplicationFontKept = false;

}  // namespace

std::span<const double> programScales() {
    static constexpr std::array<double, 7> kScales{1, 1.25, 1.5, 1.75, 2, 2.5, 3};
    return kScales;
}

double programScale() {
    return gScale;
}

void setProgramScale(double factor, std::span<QWidget* const> windows) {
    if (!gApplicationFontKept) {
        gApplicationFont = QApplication::font();
        gApplicationFontKept = true;
    }
    gScale = factor;
    QApplication::setFont(scaledFont(gApplicationFont, factor));
    for (QWidget* window : windows)
        if (window) scaleWidget(*window, factor, true);
}

}  // namespace zarvik
