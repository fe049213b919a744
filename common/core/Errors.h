#pragma once
// The errors a preparation can stop with. Each carries the exact text that the
// window's error box and zarvik-cli show; what() is that text in UTF-8. Errors
// whose text is not Turkish also carry advice: a Turkish sentence, shown first,
// saying which field to mend and what to type there.

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <utility>

namespace zarvik {

// A value as a message quotes it: at most longest characters, then "…", so
// a huge field does not make a huge message; control characters (escape
// sequences a terminal would obey, line breaks, direction overrides) are
// shown as harmless signs: "␛", "␊", "<U+202E>".
inline QString quotedValue(const QString& value, qsizetype longest = 40) {
    QString shown;
    qsizetype i = 0;
    for (; i < value.size() && shown.size() < longest; ++i) {
        const QChar c = value.at(i);
        const char16_t code = c.unicode();
        if (code < 0x20)
            shown += QChar(0x2400 + code);
        else if (code == 0x7F)
            shown += QChar(0x2421);
        else if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
                 c.category() == QChar::Separator_Line ||
                 c.category() == QChar::Separator_Paragraph)
            shown += QStringLiteral("<U+%1>").arg(code, 4, 16, QLatin1Char('0')).toUpper();
        else
            shown += c;
    }
    if (i < value.size()) {
        if (shown.back().isHighSurrogate()) shown.chop(1);
        shown += QChar(0x2026);
    }
    return shown;
}

// A file's path in a message: longer than a value, just as harmless.
inline QString quotedPath(const QString& path) {
    return quotedValue(path, 200);
}

class Error : public std::runtime_error {
  public:
    explicit Error(const QString& message, QString advice = {})
        : std::runtime_error(message.toStdString()), advice_(std::move(advice)) {}
    QString message() const { return QString::fromUtf8(what()); }
    // Empty when the message is already a Turkish sentence.
    const QString& advice() const { return advice_; }
    // Where the field behind the error is known, the catcher names it.
    void setAdvice(QString advice) { advice_ = std::move(advice); }

  private:
    QString advice_;
};

// A field's text is not a signed 32-bit decimal integer.
class ConversionError : public Error {
  public:
    explicit ConversionError(const QString& text)
        : Error(QStringLiteral("'%1' is not a valid integer value").arg(quotedValue(text)),
                text.isEmpty()
                    ? QStringLiteral("Boş kalan kutuya bir tam sayı yazınız.")
                    : QStringLiteral("\"%1\" bir tam sayı değil. Bu yazının yerine bir tam sayı "
                                     "yazınız.")
                          .arg(quotedValue(text))) {}
    // "\"Alıştırma sayısı\" kutusuna bir tam sayı yazınız."
    static QString adviceFor(const QString& field) {
        return QStringLiteral("\"%1\" kutusuna bir tam sayı yazınız.").arg(field);
    }
};

// A random draw with the bound 0.
class DivisionByZero : public Error {
  public:
    DivisionByZero()
        : Error(QStringLiteral("Division by zero"),
                QStringLiteral("Seçilen değerlerle alıştırma hazırlanamıyor. Başka değerler "
                               "seçip yeniden deneyiniz.")) {}
    // The fields whose values lead to the bound 0, by their captions.
    static QString adviceFor(const QStringList& fields) {
        QStringList quoted;
        for (const QString& field : fields)
            quoted << u'"' + field + u'"';
        if (quoted.size() == 1)
            return QStringLiteral(
                       "%1 alanında seçilen değerle alıştırma hazırlanamıyor. Bu "
                       "alanda başka bir değer seçiniz.")
                .arg(quoted.front());
        return QStringLiteral(
                   "%1 alanlarında seçilen değerlerle alıştırma hazırlanamıyor. Bu "
                   "alanlarda başka değerler seçiniz.")
            .arg(quoted.join(QStringLiteral(" ve ")));
    }
};

// A field value that would make a generator loop for ever or leave 32 bits;
// refused before anything is drawn.
class InputRefused : public Error {
  public:
    using Error::Error;
};

// A worksheet file or page that cannot be written.
class FileError : public Error {
  public:
    using Error::Error;
};

// The teacher stopped a long preparation; nothing was written.
class Cancelled : public Error {
  public:
    using Error::Error;
};

// The run was interrupted (a signal); nothing was written in place of the
// old files.
class Interrupted : public Error {
  public:
    Interrupted()
        : Error(QStringLiteral("İş yarıda kesildi; eski dosyalar olduğu gibi duruyor.")) {}
};

// Bad usage of a command or a section's arguments: an unknown option, a
// missing or unknown value. zarvik-cli ends with status 2 for it. Not an
// Error, so that a catch of the preparation's errors never takes it.
struct UsageError {
    QString message;
};

}  // namespace zarvik
