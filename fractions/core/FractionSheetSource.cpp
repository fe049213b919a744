#include "fractions/core/FractionSheetSource.h"

#include "fractions/core/FractionAnswers.h"

namespace zarvik {

QStringList FractionSheetSource::sheetAnswers() {
    return fractionAnswers(worksheet_.exercises());
}

}  // namespace zarvik
