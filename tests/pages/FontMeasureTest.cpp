// The one text measure: installed for the core in every program that links
// the render layer, and in agreement with what the renderer paints, so that
// layouts, fitting and the printable-area measure plan on the printed text.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <thread>
#include <vector>

#include "common/render/FontMeasure.h"
#include "common/render/PageRenderer.h"

using namespace zarvik;

namespace {

constexpr int kDpi = 1200;  // the PDFs' resolution, which the measure takes

double pixels(double tenths) {
    return tenths * kDpi / 254.0;
}

struct Sample {
    CellFont font;
    QString text;
};

const std::vector<Sample>& samples() {
    static const std::vector<Sample> list = {
        {{QStringLiteral("Arial"), 14, false, false}, QStringLiteral("4656")},
        {{QStringLiteral("Arial"), 14, false, false}, QStringLiteral("11) 9 x 9 = _____")},
        {{QStringLiteral("Arial"), 8, false, false}, QStringLiteral("12) 4656 ÷ 7")},
        {{QStringLiteral("Arial"), 16, true, false}, QStringLiteral("Cevap Anahtarı")},
        {{QStringLiteral("Comic Sans MS"), 10, true, false}, QStringLiteral("Adı Soyadı:")},
        {{QStringLiteral("Comic Sans MS"), 12, false, false}, QStringLiteral("Çağrı Öztürk")},
    };
    return list;
}

// The ink of the image's rows [top, bottom), in pixels; null if none.
QRect inkIn(const QImage& image, int top, int bottom) {
    QRect ink;
    for (int y = top; y < bottom; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qGray(row[x]) < 250) ink |= QRect(x, y, 1, 1);
    }
    return ink;
}

// The cells painted as on paper, at the measure's resolution, on a piece of
// sheet large enough for them.
QImage painted(const std::vector<Cell>& cells) {
    Page page(QStringLiteral("Measure"), Paper::A4);
    page.bandWidth = page.paperWidth();
    page.bandHeight = page.paperHeight();
    for (const Cell& cell : cells)
        page.add(cell);
    QImage image(static_cast<int>(pixels(700)), static_cast<int>(pixels(400)),
                 QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(kDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(page, painter);
    return image;
}

Cell textCell(const QString& name, const Sample& sample, double top, double width, Align align) {
    Cell cell;
    cell.name = name;
    cell.kind = CellKind::RichText;
    cell.left = 100;
    cell.top = top;
    cell.width = width;
    cell.height = 100;
    cell.font = sample.font;
    cell.align = align;
    cell.text = sample.text;
    return cell;
}

}  // namespace

TEST(FontMeasure, IsTheMeasureThePagesAreLaidOutWith) {
    EXPECT_EQ(&textMeasure(), &FontMeasure::instance());
}

// A text right-aligned in a box exactly as wide as measured starts where it
// starts left-aligned: the measured width is the painted advance, kerning
// ("11") and Turkish letters included; its measured ink is the painted ink
// across and holds it from top to bottom.
TEST(FontMeasure, WidthAndInkAreWhatThePageShows) {
    const FontMeasure& measure = FontMeasure::instance();
    for (const Sample& sample : samples()) {
        SCOPED_TRACE(sample.text.toStdString());
        const int size = sample.font.pointSize;
        const double width = measure.width(sample.text, sample.font, size);
        const QImage image =
            painted({textCell(QStringLiteral("Left"), sample, 100, width, Align::Left),
                     textCell(QStringLiteral("Right"), sample, 300, width, Align::Right)});
        const QRect left = inkIn(image, 0, static_cast<int>(pixels(300)));
        const QRect right = inkIn(image, static_cast<int>(pixels(300)), image.height());
        ASSERT_FALSE(left.isNull());
        EXPECT_LE(std::abs(left.left() - right.left()), 1);
        EXPECT_LE(std::abs(left.right() - right.right()), 1);

        const QRectF ink = measure.ink(sample.text, sample.font, size).translated(100, 100);
        EXPECT_NEAR(left.left(), pixels(ink.left()), 2);
        EXPECT_NEAR(left.right() + 1, pixels(ink.right()), 2);
        EXPECT_GE(left.top(), pixels(ink.top()) - 2);
        EXPECT_LE(left.bottom() + 1, pixels(ink.bottom()) + 2);
    }
    // Digits rise to the measured height above the baseline.
    const CellFont arial{QStringLiteral("Arial"), 16, false, false};
    const FaceMetrics face = measure.metrics(arial, 16);
    const QImage digits = painted({textCell(QStringLiteral("Digits"),
                                            {arial, QStringLiteral("0123456789")}, 100, 0,
                                            Align::Left)});
    const QRect ink = inkIn(digits, 0, digits.height());
    EXPECT_NEAR(ink.top(), pixels(100 + face.ascent - face.digitHeight), 2);
}

// The renderer measures from more than one thread (printing, the preview);
// the kept widths are shared.
TEST(FontMeasure, ThreadsMeasureAlike) {
    const FontMeasure& measure = FontMeasure::instance();
    const CellFont font{QStringLiteral("Arial"), 12, false, false};
    std::vector<double> expected;
    for (int n = 0; n < 400; ++n)
        expected.push_back(measure.width(QString::number(n * 7919), font, 8 + n % 9));
    std::vector<int> wrong(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 5; ++round)
                for (int n = 0; n < 400; ++n) {
                    const int k = (n * (t + 1) + round) % 400;
                    if (measure.width(QString::number(k * 7919), font, 8 + k % 9) !=
                        expected[static_cast<size_t>(k)])
                        ++wrong[static_cast<size_t>(t)];
                }
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}
