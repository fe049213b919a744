#pragma once
// A pupil's name printed in the "Adı Soyadı:" field of a page, for class sets
// with one sheet per pupil. The name gets the room between the caption and
// the next caption of the header, in the caption's face, smaller if a long
// name needs it.

#include <QString>

#include "common/core/Page.h"

namespace zarvik {

// Adds (or replaces) the cell "PupilName" after the page's "Adı Soyadı:"
// label. A page without that label is left alone.
void printPupilName(Page& page, const QString& name);

}  // namespace zarvik
