#pragma once
// Reading a fuzz input: fixed-size values first, then texts separated by 0
// bytes (UTF-8). A short input reads as zeros and empty texts.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstring>

namespace zarvik::fuzz {

class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    template <typename T>
    T take() {
        T value{};
        const size_t n = size_ < sizeof(T) ? size_ : sizeof(T);
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }

    bool empty() const { return size_ == 0; }

    QString text() {
        const void* end = std::memchr(data_, 0, size_);
        const size_t n =
            end ? static_cast<size_t>(static_cast<const uint8_t*>(end) - data_) : size_;
        QString text =
            QString::fromUtf8(reinterpret_cast<const char*>(data_), static_cast<qsizetype>(n));
        data_ += n;
        size_ -= n;
        if (size_) {  // the separator
            ++data_;
            --size_;
        }
        return text;
    }

    // Mostly one of the items a window's list offers, sometimes any text.
    QString pick(const QStringList& items) {
        const uint8_t selector = take<uint8_t>();
        if (selector == 0xFF || items.isEmpty()) return text();
        return items[selector % items.size()];
    }

    QStringList rest() {
        QStringList texts;
        while (!empty())
            texts << text();
        return texts;
    }

  private:
    const uint8_t* data_;
    size_t size_;
};

}  // namespace zarvik::fuzz
