#pragma once
// An exercise's figure (ExerciseFigure.h) as an SVG picture inside a web
// page: its texts stay texts, drawn by the reader's own face and aligned by
// the edge the cell aligns them to; lines, frames and clock faces are
// strokes. The page painter (PageRenderer) on an SVG device would give every
// glyph as an outline and clock faces as pictures, many times the size: a
// sheet of fifty stacked problems would not fit a message.

#include <QString>

#include "common/core/ExerciseFigure.h"

namespace zarvik {

struct FigureSvgOptions {
    double pixelsPerTenth = 0.4;  // CSS pixels a tenth of a millimetre
    double height = -1;           // the figure's top part only, in tenths; <0: all
    bool writingLines = false;    // the dotted lines a pupil writes on paper
};

// The room round the figure inside its picture, tenths of a millimetre: a
// clock's rim and the ends of lines reach a little past the cells.
inline constexpr double kFigureSvgPad = 4 * 254.0 / 96.0;

// "<svg …>…</svg>", width and height in CSS pixels, coordinates in tenths;
// the figure's top-left corner is kFigureSvgPad from the picture's.
QString figureSvg(const ExerciseFigure& figure, const FigureSvgOptions& options = {});

// A number as SVG writes it: at most one decimal, no trailing zero.
QString svgNumber(double value);

}  // namespace zarvik
