#include "common/core/FileNames.h"

namespace zarvik {

namespace {

QChar asciiFolded(QChar c) {
    switch (c.unicode()) {
        case u'ç':
            return u'c';
        case u'Ç':
            return u'C';
        case u'ğ':
            return u'g';
        case u'Ğ':
            return u'G';
        case u'ı':
            return u'i';
        case u'İ':
            return u'I';
        case u'ö':
            return u'o';
        case u'Ö':
            return u'O';
        case u'ş':
            return u's';
        case u'Ş':
            return u'S';
        case u'ü':
            return u'u';
        case u'Ü':
            return u'U';
        case u'â':
            return u'a';
        case u'î':
            return u'i';
        case u'û':
            return u'u';
        default:
            return c;
    }
}

}  // namespace

QString pdfFileName(const QStringList& parts) {
    QString name;
    bool gap = false;
    for (const QString& part : parts) {
        gap = true;  // parts are joined by "-"
        for (const QChar c : part) {
            const QChar a = asciiFolded(c);
            const bool kept =
                (a >= u'a' && a <= u'z') || (a >= u'A' && a <= u'Z') || (a >= u'0' && a <= u'9');
            if (!kept) {
                gap = true;
                continue;
            }
            if (gap && !name.isEmpty()) name += u'-';
            gap = false;
            name += a;
        }
    }
    return (name.isEmpty() ? QStringLiteral("Zarvik") : name) + QStringLiteral(".pdf");
}

}  // namespace zarvik
