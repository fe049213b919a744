#pragma once
// The generators' output: bytes in Windows-1254 gathered in a fixed buffer and
// handed to the sink in large blocks, so the hot loop neither allocates nor
// formats through streams. "\n" in the generators' formats becomes CR LF here.

#include <charconv>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "common/core/Errors.h"
#include "text_worksheets/core/TextWorksheet.h"

namespace zarvik {

class LineWriter {
  public:
    // kind: the code of the kind being written, for the exercises it reports.
    LineWriter(int32_t kind, ByteSink& sink, TextExerciseSink* exercises = nullptr)
        : kind_(kind), sink_(sink), exercises_(exercises) {}
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void put(char c) {
        if (used_ == kCapacity) flush();
        buffer_[used_++] = c;
    }
    void put(const char* text, size_t size) {
        if (size > kCapacity - used_) {
            flush();
            if (size > kCapacity) {
                sink_.write(text, static_cast<qsizetype>(size));
                return;
            }
        }
        std::memcpy(buffer_ + used_, text, size);
        used_ += size;
    }
    void put(const QByteArray& bytes) { put(bytes.constData(), static_cast<size_t>(bytes.size())); }
    template <size_t N>
    void put(const char (&literal)[N]) {
        put(literal, N - 1);
    }
    void putNumber(int64_t value) {
        if (kCapacity - used_ < 24) flush();
        used_ = static_cast<size_t>(std::to_chars(buffer_ + used_, buffer_ + kCapacity, value).ptr -
                                    buffer_);
    }
    void endLine() {
        put("\r\n", 2);
        // One line per exercise: every kProgressLines lines the progress is told.
        if (progress_ && (++lines_ & (kProgressLines - 1)) == 0) reportProgress();
    }

    // total: the count of exercises to be written.
    void setProgress(TextProgress* progress, int64_t total) {
        progress_ = progress;
        total_ = total;
    }

    // Where drawn exercises are reported for answer keys; usually nowhere.
    TextExerciseSink* exercises() const { return exercises_; }
    void record(std::initializer_list<int64_t> values) {
        if (exercises_) exercises_->exercise({kind_, std::vector<int64_t>(values), {}, {}, {}});
    }
    // An exercise built by the generator, reported as one of this kind.
    void report(TextExercise&& exercise) {
        if (!exercises_) return;
        exercise.kind = kind_;
        exercises_->exercise(std::move(exercise));
    }

    // Hands everything gathered so far to the sink.
    void flush() {
        if (used_) sink_.write(buffer_, static_cast<qsizetype>(used_));
        used_ = 0;
    }

  private:
    void reportProgress() {
        if (!progress_->carryOn(lines_, total_))
            throw Cancelled(QStringLiteral("Alıştırmaların hazırlanması iptal edildi."));
    }

    static constexpr size_t kCapacity = 64 * 1024;
    static constexpr int64_t kProgressLines = 4096;
    int32_t kind_;
    ByteSink& sink_;
    TextExerciseSink* exercises_;
    size_t used_ = 0;
    TextProgress* progress_ = nullptr;
    int64_t total_ = 0;
    int64_t lines_ = 0;
    char buffer_[kCapacity];
};

}  // namespace zarvik
