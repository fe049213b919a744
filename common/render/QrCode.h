#pragma once
// QR codes made with libqrencode and painted as squares by the page painter:
// a code is a page cell (CellKind::QrCode) whose text it carries.

#include <QString>
#include <vector>

class QPainter;
class QRectF;

namespace zarvik {

struct QrMatrix {
    int size = 0;             // modules a side, without the quiet zone
    std::vector<bool> dark;   // row by row
    bool at(int x, int y) const { return dark[static_cast<size_t>(y * size + x)]; }
};

// The code of the text (UTF-8, error correction M, the smallest version
// that holds it). Throws Error when the text is too long for any code.
QrMatrix qrMatrix(const QString& text);

// Paints the text's code filling the rectangle, black on the paper.
void paintQrCode(QPainter& painter, const QRectF& rect, const QString& text);

}  // namespace zarvik
