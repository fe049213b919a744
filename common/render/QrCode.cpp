#include "common/render/QrCode.h"

#include <qrencode.h>

#include <QPainter>
#include <QPainterPath>
#include <memory>

#include "common/core/Errors.h"

namespace zarvik {

QrMatrix qrMatrix(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRinput, void (*)(QRinput*)> input(QRinput_new2(0, QR_ECLEVEL_M),
                                                             QRinput_free);
    // Marked as UTF-8 (ECI 26): a reader left to guess the bytes' encoding
    // sometimes takes "ü" for another alphabet's letters.
    constexpr unsigned kUtf8Eci = 26;
    std::unique_ptr<QRcode, void (*)(QRcode*)> code(nullptr, QRcode_free);
    if (input && QRinput_appendECIheader(input.get(), kUtf8Eci) == 0 &&
        QRinput_append(input.get(), QR_MODE_8, static_cast<int>(bytes.size()),
                       reinterpret_cast<const unsigned char*>(bytes.constData())) == 0)
        code.reset(QRcode_encodeInput(input.get()));
    if (!code)
        throw Error(QStringLiteral("Cevaplar bir QR koduna sığmadı (%1 bayt).").arg(bytes.size()));
    QrMatrix matrix;
    matrix.size = code->width;
    matrix.dark.resize(static_cast<size_t>(code->width) * static_cast<size_t>(code->width));
    for (size_t i = 0; i < matrix.dark.size(); ++i)
        matrix.dark[i] = (code->data[i] & 1) != 0;
    return matrix;
}

void paintQrCode(QPainter& painter, const QRectF& rect, const QString& text) {
    if (text.isEmpty()) return;
    const QrMatrix matrix = qrMatrix(text);
    const double module = rect.width() / matrix.size;
    // A row's dark modules as runs, all in one path: a PDF gets one fill,
    // without the hairlines that squares drawn one by one leave between them.
    QPainterPath path;
    for (int y = 0; y < matrix.size; ++y) {
        for (int x = 0; x < matrix.size;) {
            if (!matrix.at(x, y)) {
                ++x;
                continue;
            }
            int end = x;
            while (end < matrix.size && matrix.at(end, y))
                ++end;
            path.addRect(QRectF(rect.left() + x * module, rect.top() + y * module,
                                (end - x) * module, module));
            x = end;
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    path.setFillRule(Qt::WindingFill);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace zarvik
