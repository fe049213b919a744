#include "common/Questions.h"

#include "common/FieldNumber.h"

namespace zarvik {

int32_t askNumber(Questions& questions, const QString& prompt, const QString& defaultText,
                  int32_t lowest, int32_t highest, int32_t fallback) {
    const int32_t value = fieldNumber(questions.askText(prompt, defaultText));
    return (value < lowest || value > highest) ? fallback : value;
}

}  // namespace zarvik
