#pragma once
// Reading a number typed or picked in a field: an optional sign and decimal
// digits making a signed 32-bit value. Anything else (empty, spaces, letters,
// out of range) raises ConversionError with the field's text.

#include <QString>
#include <QStringView>
#include <cstdint>

namespace zarvik {

int32_t fieldNumber(QStringView text);
// The same for the field with this caption: the error's advice names it.
int32_t fieldNumber(QStringView text, const QString& caption);

}  // namespace zarvik
