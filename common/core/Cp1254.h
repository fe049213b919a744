#pragma once
// Text files leave the program in Windows-1254 (Turkish); inside, text is Unicode.

#include <QByteArray>
#include <QString>

namespace zarvik {

// Characters outside the code page become '?'.
QByteArray toCp1254(QStringView text);
QString fromCp1254(QByteArrayView bytes);

}  // namespace zarvik
