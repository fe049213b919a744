#pragma once
// A class set of text worksheets as text: the sheets drawn one after another
// from the one draw state, as repeated presses of "Ödev Hazırla >>" would
// make them, with the pupil's name as each sheet's first line and the answer
// key after the sheets. The window and zarvik-cli write a set through this.

#include <QString>
#include <cstdint>
#include <functional>

#include "common/core/RandomDraw.h"
#include "common/core/SheetSource.h"
#include "text_worksheets/core/TextPages.h"
#include "text_worksheets/core/TextWorksheet.h"

namespace zarvik {

struct TextClassSetCalls {
    // After sheet k (1-based) is written.
    std::function<void(int k)> sheetDone;
    // When set, each sheet's exercises as drawn (keeping them costs memory).
    std::function<void(int k, TextSheet&& sheet)> keepSheet;
};

// Into one file at path, sheets separated by a line "----" and the key after
// a last "----"; a path ending in "/" (or an existing folder) gets each sheet
// in a file of its own and the key in Cevap-Anahtari.txt. Nothing old is
// replaced before the whole set is ready. Throws the generation's errors,
// InputRefused for a name the file's encoding cannot hold, and FileError.
void writeTextClassSet(int32_t kind, const TextFields& fields, RandomDraw& random,
                       const ClassSetChoice& set, const QString& path,
                       const TextClassSetCalls& calls = {});

}  // namespace zarvik
