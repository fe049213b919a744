// libFuzzer target: arbitrary kind codes, field texts, check box states and
// seeds fed to the text worksheet dispatch. Every input must end with a
// worksheet or one of the program's errors; a sink that stops after 64 KiB of
// output bounds the work of inputs that would legitimately write for long
// (huge counts, 2-billion-digit numbers to read).
//
// Input: 4 bytes kind selector, 8 bytes seed, 1 byte check box, then the
// texts of Edit1, ComboBox1 and ComboBox2 separated by 0 bytes (UTF-8).

#include <QString>
#include <cstdint>
#include <cstring>
#include <exception>
#include <vector>

#include "common/core/Errors.h"
#include "text_worksheets/core/TextKinds.h"
#include "text_worksheets/core/TextWorksheet.h"

namespace {

struct OutputLimit {};

class CappedSink : public zarvik::ByteSink {
  public:
    void write(const char*, qsizetype size) override {
        written_ += size;
        if (written_ > 64 * 1024) throw OutputLimit{};
    }

  private:
    qsizetype written_ = 0;
};

template <typename T>
T take(const uint8_t*& data, size_t& size) {
    T value{};
    const size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

QString takeText(const uint8_t*& data, size_t& size) {
    const void* end = std::memchr(data, 0, size);
    const size_t n = end ? static_cast<size_t>(static_cast<const uint8_t*>(end) - data) : size;
    QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(n));
    data += n;
    size -= n;
    if (size) {  // the separator
        ++data;
        --size;
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint32_t selector = take<uint32_t>(data, size);
    // Mostly menu kinds, sometimes any code at all.
    const std::vector<zarvik::TextKind>& kinds = zarvik::textKinds();
    const int32_t kind = (selector & 0xF0000000u) == 0xF0000000u
                             ? static_cast<int32_t>(selector)
                             : kinds[selector % kinds.size()].code;
    const int64_t seed = take<int64_t>(data, size);
    const bool checked = take<uint8_t>(data, size) & 1;
    zarvik::FixedTextFields fields;
    fields.count = takeText(data, size);
    fields.first = takeText(data, size);
    fields.second = takeText(data, size);
    fields.checked = checked;

    zarvik::RandomDraw random;
    random.seed(seed);
    CappedSink sink;
    try {
        zarvik::generateTextWorksheet(kind, fields, random, sink);
    } catch (const zarvik::Error&) {
    } catch (const OutputLimit&) {
    }
    return 0;
}
