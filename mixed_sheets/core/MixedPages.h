#pragma once
// A mixed sheet on paper, A4 or A5: under the pupil header and the sheet's
// title, each section's heading and then its exercises, each drawn in its
// own shape (ExerciseFigure.h) with room to write its answer, in as many
// columns as the section's widest exercise allows; above the teacher
// footer. A section's exercises run left to right, then down; a row that
// does not fit goes to the next page whole, and a heading never stays
// behind at the foot of a page without its first row. A sheet of several
// pages numbers them ("1/2").

#include <QString>
#include <functional>
#include <vector>

#include "common/core/Exercise.h"
#include "common/core/Page.h"

namespace zarvik {

// One section as printed: its heading and its exercises, numbered through
// the whole sheet.
struct SheetPart {
    QString heading;
    ExerciseList exercises;
};

void buildMixedPages(const QString& title, Paper paper, const std::vector<SheetPart>& parts,
                     const QString& teacherName, const QString& date,
                     const std::function<void(Page&&)>& pageDone);

// Cell names, for tests: the headings are "Heading1", … (the sections'
// order); exercise N's cells are "EN." followed by the figure's names.
inline constexpr QStringView kMixedTitleCell = u"Title";
inline constexpr QStringView kMixedPageNumberCell = u"PageNumber";
inline constexpr QStringView kMixedHeaderStrip = u"HeaderStrip";
inline constexpr QStringView kMixedFooterStrip = u"FooterStrip";

}  // namespace zarvik
