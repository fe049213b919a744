#include "common/core/Cp1254.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace zarvik {

QByteArray toCp1254(QStringView text) {
    QStringEncoder encoder("windows-1254");
    return encoder.encode(text);
}

QString fromCp1254(QByteArrayView bytes) {
    // One letter a byte: each byte's letter is looked up once, as making a
    // decoder costs more than decoding a line.
    struct Letters {
        std::array<char16_t, 256> of{};
        bool oneEach = true;
    };
    static const Letters letters = [] {
        Letters made;
        QStringDecoder decoder("windows-1254");
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString letter = decoder.decode(QByteArrayView(&byte, 1));
            if (letter.size() != 1 || decoder.hasError())
                made.oneEach = false;
            else
                made.of[static_cast<size_t>(b)] = letter.front().unicode();
            decoder.resetState();
        }
        return made;
    }();
    if (!letters.oneEach) {
        QStringDecoder decoder("windows-1254");
        return decoder.decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes)
        *out++ = letters.of[static_cast<unsigned char>(byte)];
    return text;
}

}  // namespace zarvik
