#include "fractions/FractionSheetSource.h"

#include "fractions/FractionAnswers.h"

namespace zarvik {

QStringList FractionSheetSource::sheetAnswers() {
    return fractionAnswers(worksheet_.exercises());
}

}  // namespace zarvik
