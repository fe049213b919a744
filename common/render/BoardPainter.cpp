#include "common/render/BoardPainter.h"

#include <QPainter>
#include <algorithm>

#include "common/render/PageRenderer.h"

namespace zarvik {

QSizeF boardItemSize(const BoardItem& item) {
    if (!item.figure) return {};
    QSizeF size(item.figure->width, item.figure->height);
    if (!item.besideRoom.isEmpty()) {
        size.rwidth() += board::kGap + item.besideRoom.width();
        size.rheight() = std::max(size.height(), item.besideRoom.height());
    }
    return size;
}

BoardPlacement placeBoardItems(const std::vector<BoardItem>& items, const QRectF& area,
                               double wantedScale) {
    std::vector<QSizeF> sizes;
    sizes.reserve(items.size());
    for (const BoardItem& item : items)
        sizes.push_back(boardItemSize(item));
    return placeOnBoard(sizes, area, wantedScale);
}

void paintBoardItems(QPainter& painter, const std::vector<BoardItem>& items,
                     const BoardPlacement& placement, const QColor& answerColour) {
    for (size_t i = 0; i < items.size() && i < placement.boxes.size(); ++i) {
        const BoardItem& item = items[i];
        if (!item.figure) continue;
        const QRectF box = placement.boxes[i];
        const double scale = placement.scale;
        paintFigure(*item.figure, painter, box.topLeft(), scale, answerColour);
        if (item.beside) {
            const QPointF at(box.left() + (item.figure->width + board::kGap) * scale, box.top());
            paintFigure(*item.beside, painter, at, scale, answerColour);
        }
    }
}

}  // namespace zarvik
