#pragma once
// The program's text measure (TextMeasure), taken from the installed fonts
// as a PDF gets them: each face at its size on a 1200 dpi device, unhinted,
// shaped (so kerning counts). Qt sets a face at a whole number of pixels per
// em, so at 1200 dpi a 14 pt digit of Liberation Sans is 129.58 px (its
// 1139/2048 em of 233 px, not of 233.33): the pages are laid out, fitted and
// shrunk on the same numbers the PDF then holds.
//
// Each text is shaped once per face and size and kept: fitting and measuring
// the same numbers and captions on page after page costs a table look-up.
// Safe to use from several threads.
//
// Installed as textMeasure() before main (see zarvik_fontMeasureInstalled);
// the render layer's own measuring (fitting, the printable-area measure,
// pupils' names) uses it too.

#include <QChar>
#include <QRectF>
#include <QString>

#include "common/core/TextMeasure.h"

namespace zarvik {

class FontMeasure final : public TextMeasure {
  public:
    static const FontMeasure& instance();

    double width(const QString& text, const CellFont& font, int pointSize) const override;
    FaceMetrics metrics(const CellFont& font, int pointSize) const override;

    // One letter's advance, without its neighbours.
    double letterWidth(QChar letter, const CellFont& font, int pointSize) const;
    // The face's widest advance: no text of n letters is wider than n of them.
    double widestLetter(const CellFont& font, int pointSize) const;
    // Where a text on one line leaves ink, from the line's top-left (the
    // baseline at the ascent below): across, its glyphs' own ink; down, the
    // face's ascent and descent.
    QRectF ink(const QString& text, const CellFont& font, int pointSize) const;

  private:
    FontMeasure() = default;
    struct Faces;
};

}  // namespace zarvik
