#include "common/ClassList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "common/Cp1254.h"
#include "common/Errors.h"

namespace zarvik {

namespace {

// Far more than any class; stops a wrong file (a device, a big document) early.
constexpr qint64 kLargestListBytes = 1024 * 1024;

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    // Anything that is not valid UTF-8 is taken as Windows-1254, the Turkish code page.
    if (utf8.hasError()) text = fromCp1254(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

}  // namespace

QStringList parseClassList(const QByteArray& bytes, const QString& shownName) {
    const QString text = decode(bytes);
    QStringList names;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) line.chop(1);
        const QString name = line.trimmed();
        if (name.isEmpty()) continue;
        for (const QChar c : name) {
            if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
                throw InputRefused(
                    QStringLiteral("Sınıf listesi \"%1\": %2. satırdaki adda yazdırılamayan "
                                   "bir denetim karakteri (U+%3) var.")
                        .arg(shownName)
                        .arg(i + 1)
                        .arg(c.unicode(), 4, 16, QLatin1Char('0')));
        }
        if (name.size() > kLongestPupilName)
            throw InputRefused(
                QStringLiteral("Sınıf listesi \"%1\": %2. satırdaki ad %3 karakter; sayfadaki "
                               "\"Adı Soyadı:\" alanına en çok %4 karakterlik bir ad sığar.")
                    .arg(shownName)
                    .arg(i + 1)
                    .arg(name.size())
                    .arg(kLongestPupilName));
        names << name;
    }
    if (names.isEmpty())
        throw InputRefused(
            QStringLiteral("Sınıf listesi \"%1\" boş: her satıra bir öğrencinin adını yazınız.")
                .arg(shownName));
    return names;
}

QStringList readClassList(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists())
        throw FileError(QStringLiteral("Sınıf listesi \"%1\" bulunamadı.").arg(shown));
    if (info.isDir())
        throw FileError(QStringLiteral("Sınıf listesi \"%1\" bir klasör, dosya değil.").arg(shown));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Sınıf listesi \"%1\" okunamadı: %2.")
                            .arg(shown, info.isReadable() ? file.errorString()
                                                          : QStringLiteral("okuma izni yok")));
    const QByteArray bytes = file.read(kLargestListBytes + 1);
    if (bytes.size() > kLargestListBytes)
        throw FileError(QStringLiteral("Sınıf listesi \"%1\" bir sınıf listesi için çok büyük "
                                       "(en çok 1 MB).")
                            .arg(shown));
    return parseClassList(bytes, shown);
}

}  // namespace zarvik
