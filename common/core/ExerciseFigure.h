#pragma once
// An exercise drawn by its shape as cells of the page model, apart from any
// family's page: a stacked problem, a long-division frame, two fractions, a
// clock face, a row of numbers with blanks, a line of text, or the picture
// its family gives. A mixed sheet lays figures out on its pages, the board
// paints them large and web pages as pictures, so that a new kind shows
// everywhere once its exercises have a shape. Every figure leaves the room a
// pupil needs to write its answer: 4 mm a character, lines 8 mm apart.

#include <QString>
#include <vector>

#include "common/core/Exercise.h"
#include "common/core/Page.h"

namespace zarvik {

struct FigureStyle {
    int points = 14;         // the size of the numbers and texts
    bool numbered = true;    // "12)" before the exercise
    bool answer = false;     // the answer written in (a key, the board's reveal)
    double widest = 1800;    // the room a line of text may take before it wraps
};

struct FigureBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct ExerciseFigure {
    // From the figure's top-left corner, in tenths of a millimetre. Cells
    // that hold the answer (with FigureStyle::answer) are named "Answer…".
    std::vector<Cell> cells;
    double width = 0;
    double height = 0;
    // Where the pupil writes the answer.
    FigureBox answerRoom;
};

// Room a pupil needs for handwriting: tenths of a millimetre a character and
// between writing lines.
inline constexpr double kHandwritingAdvance = 40;
inline constexpr double kHandwritingLine = 80;

ExerciseFigure exerciseFigure(const Exercise& exercise, const FigureStyle& style = {});

// Adds the figure's cells to the page at (left, top) of the band, their
// names prefixed so that many figures share a page.
void placeFigure(Page& page, const ExerciseFigure& figure, double left, double top,
                 const QString& prefix);
// The same, handing the figure's cells over rather than copying them.
void placeFigure(Page& page, ExerciseFigure&& figure, double left, double top,
                 const QString& prefix);

// Whether a cell of a figure holds the answer.
bool isAnswerCell(const Cell& cell);

// "45+713=" as a page prints it: "45 + 713 =", multiplication as "x"; any
// other text as it is.
QString spacedArithmetic(const QString& text);

}  // namespace zarvik
