#include "common/core/FieldNumber.h"

#include "common/core/Errors.h"

namespace zarvik {

int32_t fieldNumber(QStringView text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size()) throw ConversionError(text.toString());
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') throw ConversionError(text.toString());
        value = value * 10 + (c - u'0');
        if (value > int64_t{INT32_MAX} + 1) throw ConversionError(text.toString());
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) throw ConversionError(text.toString());
    return static_cast<int32_t>(value);
}

int32_t fieldNumber(QStringView text, const QString& caption) {
    try {
        return fieldNumber(text);
    } catch (ConversionError& e) {
        e.setAdvice(ConversionError::adviceFor(caption));
        throw;
    }
}

}  // namespace zarvik
