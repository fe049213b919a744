#include "common/core/Questions.h"

#include "common/core/Errors.h"
#include "common/core/FieldNumber.h"

namespace zarvik {

int32_t askNumber(Questions& questions, const QString& prompt, const QString& defaultText,
                  int32_t lowest, int32_t highest, int32_t fallback) {
    int32_t value = 0;
    try {
        value = fieldNumber(questions.askText(prompt, defaultText));
    } catch (ConversionError& e) {
        e.setAdvice(QStringLiteral("\"%1\" sorusunun kutusuna bir tam sayı yazınız.").arg(prompt));
        throw;
    }
    return (value < lowest || value > highest) ? fallback : value;
}

}  // namespace zarvik
