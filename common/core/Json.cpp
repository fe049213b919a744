#include "common/core/Json.h"

namespace zarvik {

QString jsonString(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'"':
                out += QLatin1String("\\\"");
                break;
            case u'\\':
                out += QLatin1String("\\\\");
                break;
            case u'\n':
                out += QLatin1String("\\n");
                break;
            case u'\r':
                out += QLatin1String("\\r");
                break;
            case u'\t':
                out += QLatin1String("\\t");
                break;
            default:
                if (c.unicode() < 0x20)
                    out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
                else
                    out += c;
        }
    }
    out += u'"';
    return out;
}

QString jsonStringArray(const QStringList& texts) {
    QString out = QStringLiteral("[");
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i) out += u',';
        out += jsonString(texts[i]);
    }
    out += u']';
    return out;
}

}  // namespace zarvik
