#pragma once
// The errors a preparation can stop with. Each carries the exact text that the
// window's error box and zarvik-cli show; what() is that text in UTF-8.

#include <QString>
#include <stdexcept>

namespace zarvik {

// A value as a message quotes it: at most 40 characters, then "…", so a huge
// field does not make a huge message.
inline QString quotedValue(const QString& value) {
    constexpr qsizetype kLongest = 40;
    if (value.size() <= kLongest) return value;
    qsizetype cut = kLongest;
    if (value.at(cut - 1).isHighSurrogate()) --cut;
    return value.left(cut) + QChar(0x2026);
}

class Error : public std::runtime_error {
  public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// A field's text is not a signed 32-bit decimal integer.
class ConversionError : public Error {
  public:
    explicit ConversionError(const QString& text)
        : Error(QStringLiteral("'%1' is not a valid integer value").arg(quotedValue(text))) {}
};

// A random draw with the bound 0.
class DivisionByZero : public Error {
  public:
    DivisionByZero() : Error(QStringLiteral("Division by zero")) {}
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

// The run was interrupted (a signal); nothing was written in place of the
// old files.
class Interrupted : public Error {
  public:
    Interrupted()
        : Error(QStringLiteral("İş yarıda kesildi; eski dosyalar olduğu gibi duruyor.")) {}
};

}  // namespace zarvik
