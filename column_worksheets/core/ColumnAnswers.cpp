#include "column_worksheets/core/ColumnAnswers.h"

#include <cstdint>
#include <string_view>

namespace zarvik {

namespace {

// A line of the key written into one buffer: a class set's key asks for the
// lines of every sheet, and a line of small pieces costs more than its page.
class LineBuffer {
  public:
    void add(std::u16string_view text) {
        for (const char16_t c : text)
            buffer_[size_++] = c;
    }
    void add(int64_t number) {
        char16_t digits[24];
        int count = 0;
        const bool negative = number < 0;
        uint64_t rest =
            negative ? 0 - static_cast<uint64_t>(number) : static_cast<uint64_t>(number);
        do {
            digits[count++] = static_cast<char16_t>(u'0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        if (negative) buffer_[size_++] = u'-';
        while (count > 0)
            buffer_[size_++] = digits[--count];
    }
    QString text() const { return QString(reinterpret_cast<const QChar*>(buffer_), size_); }

  private:
    char16_t buffer_[128];  // five numbers of at most 20 characters and the words
    qsizetype size_ = 0;
};

}  // namespace

QStringList columnAnswers(const std::vector<ColumnProblem>& problems) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(problems.size()));
    int number = 0;
    for (const ColumnProblem& p : problems) {
        LineBuffer line;
        line.add(++number);
        line.add(u") ");
        line.add(p.first);
        switch (p.operation) {
            case ColumnOperation::Addition:
                line.add(u" + ");
                line.add(p.second);
                line.add(u" = ");
                line.add(p.first + p.second);
                break;
            case ColumnOperation::Subtraction:
                line.add(u" - ");
                line.add(p.second);
                line.add(u" = ");
                line.add(p.first - p.second);
                break;
            case ColumnOperation::Multiplication:
                line.add(u" x ");
                line.add(p.second);
                line.add(u" = ");
                line.add(p.first * p.second);
                break;
            case ColumnOperation::Division:
                line.add(u" ÷ ");
                line.add(p.second);
                line.add(u" = ");
                line.add(p.first / p.second);
                if (p.first % p.second) {
                    line.add(u", kalan ");
                    line.add(p.first % p.second);
                }
                break;
        }
        lines << line.text();
    }
    return lines;
}

}  // namespace zarvik
