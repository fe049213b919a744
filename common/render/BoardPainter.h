#pragma once
// The board's exercises painted with the one figure painter (paintFigure):
// each item its figure, and, when asked, the figure with its answer beside
// it, all at the scale the board placement gives them.

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <vector>

#include "common/core/Board.h"
#include "common/core/ExerciseFigure.h"

class QPainter;

namespace zarvik {

struct BoardItem {
    const ExerciseFigure* figure = nullptr;  // the question, or its answer written in
    // Drawn to the right of figure, the question kept as it was; null leaves
    // its room empty, so the question does not move when its answer comes.
    const ExerciseFigure* beside = nullptr;
    QSizeF besideRoom;  // tenths of a millimetre; empty: nothing beside
};

// The item's extent in tenths of a millimetre.
QSizeF boardItemSize(const BoardItem& item);

BoardPlacement placeBoardItems(const std::vector<BoardItem>& items, const QRectF& area,
                               double wantedScale);

// Paints the items into the placement's boxes; answer cells in answerColour.
void paintBoardItems(QPainter& painter, const std::vector<BoardItem>& items,
                     const BoardPlacement& placement, const QColor& answerColour);

}  // namespace zarvik
