#pragma once
// The text worksheets: the fields of the chosen kind (a row of textKinds())
// are read in the window's order and checked, then its generator draws the
// exercises and writes one line per exercise in Windows-1254 with CR LF line
// ends.

#include <QString>
#include <cstdint>
#include <vector>

#include "common/core/ByteSink.h"
#include "common/core/RandomDraw.h"

namespace zarvik {

struct TextSheet;

// The window's input controls as the generators read them.
class TextFields {
  public:
    virtual ~TextFields() = default;
    virtual QString edit1() const = 0;      // count of exercises
    virtual QString comboBox1() const = 0;  // first parameter
    virtual QString comboBox2() const = 0;  // second parameter
    virtual bool checkBox1() const = 0;     // yes/no parameter
};

// Field texts held as plain values (zarvik-cli, tests).
struct FixedTextFields : TextFields {
    QString count;
    QString first;
    QString second;
    bool checked = false;

    FixedTextFields() = default;
    FixedTextFields(QString count, QString first = {}, QString second = {}, bool checked = false)
        : count(std::move(count)),
          first(std::move(first)),
          second(std::move(second)),
          checked(checked) {}
    QString edit1() const override { return count; }
    QString comboBox1() const override { return first; }
    QString comboBox2() const override { return second; }
    bool checkBox1() const override { return checked; }
};

// One exercise as drawn, for answer keys: the numbers in the order its line
// shows them (decimal numbers as whole part and written fraction), the digits
// of a number to read, the units of a conversion.
struct TextExercise {
    int32_t kind = 0;
    std::vector<int64_t> values;
    QString digits;
    QString givenUnit;
    QString wantedUnit;
};

class TextExerciseSink {
  public:
    virtual ~TextExerciseSink() = default;
    virtual void exercise(TextExercise&& exercise) = 0;
};

// The exercise as the line shows it (without "=") and its answer.
struct TextAnswer {
    QString exercise;
    QString answer;
    bool reading = false;  // a number to read: the answer is its words, not a result
};
TextAnswer textAnswer(const TextExercise& exercise);

// Told how far a long generation has come, every few thousand exercises.
class TextProgress {
  public:
    virtual ~TextProgress() = default;
    // done of total exercises written; false stops the generation, which then
    // throws Cancelled. Never touches the draws.
    virtual bool carryOn(int64_t done, int64_t total) = 0;
};

// True for the kind codes of the menu (textKinds()).
bool isTextKind(int32_t kind);

// Runs the kind's generator. Throws ConversionError, DivisionByZero,
// InputRefused or Cancelled; what was written before an error is to be thrown
// away. With exercises given, every exercise is also reported there as drawn.
void generateTextWorksheet(int32_t kind, const TextFields& fields, RandomDraw& random,
                           ByteSink& out, TextExerciseSink* exercises = nullptr,
                           TextProgress* progress = nullptr);

// Generates into the file at path, replacing the old file only when the
// generation succeeded (so an error leaves it as it was). A kind code that is
// not a menu kind (0 before any choice) does nothing. Throws the generation's
// errors and FileError. With keep given, it also receives the exercises as
// drawn (for the printed pages), without changing the bytes or the draws; it
// is left alone when the generation fails.
void writeTextWorksheet(int32_t kind, const TextFields& fields, RandomDraw& random,
                        const QString& path, TextProgress* progress = nullptr,
                        TextSheet* keep = nullptr);

}  // namespace zarvik
