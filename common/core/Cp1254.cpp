#include "common/core/Cp1254.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zarvik {

QByteArray toCp1254(QStringView text) {
    QStringEncoder encoder("windows-1254");
    return encoder.encode(text);
}

QString fromCp1254(QByteArrayView bytes) {
    QStringDecoder decoder("windows-1254");
    return decoder.decode(bytes);
}

}  // namespace zarvik
