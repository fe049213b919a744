#include "common/core/ClassList.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

#include "common/core/Cp1254.h"
#include "common/core/Errors.h"
#include "common/core/OutputFile.h"

namespace zarvik {

namespace {

// Far more than any class; stops a wrong file (a device, a big document) early.
constexpr qint64 kLargestListBytes = 1024 * 1024;

// UTF-16 (as some editors save "Unicode" text): with its byte order mark, or
// without one when every other byte is zero, as in names of Latin letters.
std::optional<QStringDecoder::Encoding> utf16Encoding(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE")) return QStringDecoder::Utf16LE;
    if (bytes.startsWith("\xFE\xFF")) return QStringDecoder::Utf16BE;
    if (!bytes.contains('\0') || bytes.size() % 2 != 0) return std::nullopt;
    qsizetype evenZeros = 0;
    qsizetype oddZeros = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\0') ++(i % 2 ? oddZeros : evenZeros);
    const qsizetype half = bytes.size() / 2;
    if (oddZeros * 2 > half && evenZeros == 0) return QStringDecoder::Utf16LE;
    if (evenZeros * 2 > half && oddZeros == 0) return QStringDecoder::Utf16BE;
    return std::nullopt;
}

QString decode(const QByteArray& bytes, const QString& shownName) {
    if (const auto utf16 = utf16Encoding(bytes)) {
        QStringDecoder decoder(*utf16);
        QString text = decoder.decode(bytes);
        // A half character at the end, a surrogate without its pair or
        // bytes the decoder replaced: the file was cut or garbled.
        qsizetype broken = bytes.size() % 2 != 0 ? text.size() : -1;
        for (qsizetype i = 0; i < text.size() && broken < 0; ++i) {
            const QChar c = text.at(i);
            if (c == QChar::ReplacementCharacter ||
                (c.isHighSurrogate() && (i + 1 == text.size() || !text.at(i + 1).isLowSurrogate())) ||
                (c.isLowSurrogate() && (i == 0 || !text.at(i - 1).isHighSurrogate())))
                broken = i;
        }
        if (decoder.hasError() && broken < 0) broken = text.size();
        if (broken >= 0)
            throw InputRefused(QStringLiteral("Sınıf listesi \"%1\" UTF-16 olarak okunamadı: "
                                              "dosya bozuk (%2. satır); listeyi UTF-8 olarak "
                                              "kaydediniz.")
                                   .arg(shownName, QString::number(text.left(broken).count(u'\n') + 1)));
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        return text;
    }
    if (bytes.contains('\0'))
        throw InputRefused(QStringLiteral("Sınıf listesi \"%1\" bir metin dosyası değil (sıfır "
                                          "baytları var, UTF-16 da değil); listeyi UTF-8 olarak "
                                          "kaydediniz.")
                               .arg(shownName));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    // Anything that is not valid UTF-8 is taken as Windows-1254, the Turkish code page.
    if (utf8.hasError()) text = fromCp1254(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

// Far more than any writer needs between two pieces of a list.
constexpr int kPipeWaitMilliseconds = 3000;
// The whole list, however it trickles in: a writer dripping a byte now and
// then must not hold the run for as long as it likes.
constexpr int kPipeReadMilliseconds = 10000;

// A pipe or a device, read without ever blocking for good: a pipe nobody
// writes to is given up after a short wait.
QByteArray readSpecial(const QString& path, const QString& shown) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw FileError(QStringLiteral("Sınıf listesi \"%1\" okunamadı: %2.")
                            .arg(shown, systemErrorText(errno)));
    QByteArray bytes;
    char buffer[65536];
    QDeadlineTimer whole(kPipeReadMilliseconds);
    for (;;) {
        if (whole.hasExpired()) {
            ::close(fd);
            throw FileError(QStringLiteral("Sınıf listesi \"%1\" okunamadı: %2 saniyede "
                                           "sonuna gelinemedi; ona yazan program çok yavaş.")
                                .arg(shown, QString::number(kPipeReadMilliseconds / 1000)));
        }
        pollfd wait{fd, POLLIN, 0};
        const int ready = ::poll(
            &wait, 1,
            static_cast<int>(std::min<qint64>(kPipeWaitMilliseconds, whole.remainingTime())));
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0 && !whole.hasExpired()) {
            ::close(fd);
            throw FileError(QStringLiteral("Sınıf listesi \"%1\" okunamadı: %2 saniye beklendi, "
                                           "ona yazan bir program yok.")
                                .arg(shown, QString::number(kPipeWaitMilliseconds / 1000)));
        }
        if (ready == 0) continue;
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            throw FileError(QStringLiteral("Sınıf listesi \"%1\" okunamadı: %2.")
                                .arg(shown, systemErrorText(error)));
        }
        if (got == 0) break;
        bytes.append(buffer, got);
        if (bytes.size() > kLargestListBytes) break;
    }
    ::close(fd);
    return bytes;
}

}  // namespace

QStringList parseClassList(const QByteArray& bytes, const QString& shownName) {
    return classListNames(decode(bytes, shownName), shownName);
}

QStringList classListNames(const QString& text, const QString& shownName) {
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
                        .arg(shownName, QString::number(i + 1),
                             QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0'))));
        }
        // A name longer than its room on the page is printed smaller, then
        // cut with "…" (PupilName), rather than refusing the whole class.
        names << name;
    }
    if (names.isEmpty())
        throw InputRefused(
            QStringLiteral("Sınıf listesi \"%1\" boş: her satıra bir öğrencinin adını yazınız.")
                .arg(shownName));
    return names;
}

QStringList readClassList(const QString& path) {
    const QString shown = quotedPath(QDir::toNativeSeparators(path));
    const QFileInfo info(path);
    if (!info.exists())
        throw FileError(QStringLiteral("Sınıf listesi \"%1\" bulunamadı.").arg(shown));
    if (info.isDir())
        throw FileError(QStringLiteral("Sınıf listesi \"%1\" bir klasör, dosya değil.").arg(shown));
    if (!info.isFile()) {
        const QByteArray bytes = readSpecial(path, shown);
        if (bytes.size() > kLargestListBytes)
            throw FileError(QStringLiteral("Sınıf listesi \"%1\" bir sınıf listesi için çok büyük "
                                           "(en çok 1 MB).")
                                .arg(shown));
        return parseClassList(bytes, shown);
    }
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
