#include "text_worksheets/core/TextWorksheet.h"

#include "common/core/FieldNumber.h"
#include "common/core/Limits.h"
#include "common/core/OutputFile.h"
#include "text_worksheets/core/GeneratorSupport.h"
#include "text_worksheets/core/TextPages.h"

namespace zarvik {

namespace {

const QString kCountCaption = QStringLiteral("Alıştırma sayısı");

// A shown list of numbers is read as a number, a list of words as picked.
void readList(const ParameterList& list, const QString& text, int32_t& number, QString& word) {
    if (!list.shown()) return;
    if (list.words)
        word = text;
    else
        number = fieldNumber(text, list.caption.simplified());
}

// The lists whose values feed the draws, as the window shows their captions.
QStringList shownListCaptions(const TextKind& kind) {
    QStringList captions;
    for (const ParameterList* list : {&kind.first, &kind.second})
        if (list->shown()) captions << list->caption.simplified();
    return captions;
}

// The fields in the order the window reads them, each check as soon as what
// it needs is read: a field's conversion error comes before any refusal.
TextValues readValues(const TextKind& kind, const TextFields& fields) {
    TextValues values;
    readList(kind.first, fields.comboBox1(), values.first, values.firstWord);
    readList(kind.second, fields.comboBox2(), values.second, values.secondWord);
    if (kind.checkLists) kind.checkLists(kind, values);
    values.count = fieldNumber(fields.edit1(), kCountCaption);
    values.checked = kind.checkShown() && fields.checkBox1();
    if (kind.check) kind.check(kind, values);
    // After the kind's own refusals, which keep their precedence; a count of
    // 0 or less is an empty worksheet.
    if (values.count > limits::kMostExercises)
        text::refuse(kExerciseCountCaption.toString(), values.count,
                     QStringLiteral("en çok %1 olan").arg(limits::kMostExercises));
    return values;
}

class FileSink : public ByteSink {
  public:
    explicit FileSink(OutputFile& file) : file_(file) {}
    void write(const char* data, qsizetype size) override { file_.write(data, size); }

  private:
    OutputFile& file_;
};

}  // namespace

namespace text {

void refuse(const QString& field, int32_t value, const QString& accepted) {
    throw InputRefused(
        QStringLiteral("\"%1\" alanına yazılan %2 değeri ile alıştırma hazırlanamaz. "
                       "Bu alana %3 bir sayı yazınız.")
            .arg(field, QString::number(value), accepted));
}

void refuse(const ParameterList& list, int32_t value, const QString& accepted) {
    refuse(list.caption.simplified(), value, accepted);
}

namespace {
// Digit counts whose power of ten would leave 32 bits (|value| of 10 or more
// where the count becomes an exponent of 1..|value|).
void refuseLongPart(const ParameterList& list, int32_t value) {
    if (value >= 10 || value <= -10) refuse(list, value, QStringLiteral("1 ile 9 arası"));
}
}  // namespace

void checkDecimalParts(const TextKind& kind, const TextValues& values) {
    refuseLongPart(kind.first, values.first);
    refuseLongPart(kind.second, values.second);
}

}  // namespace text

bool isTextKind(int32_t kind) {
    return findTextKind(kind) != nullptr;
}

void generateTextWorksheet(int32_t code, const TextFields& fields, RandomDraw& random,
                           ByteSink& out, TextExerciseSink* exercises, TextProgress* progress) {
    const TextKind* kind = findTextKind(code);
    if (!kind) return;
    const TextValues values = readValues(*kind, fields);
    LineWriter writer(code, out, exercises);
    if (progress) writer.setProgress(progress, values.count);
    try {
        kind->generate(values, random, writer);
    } catch (DivisionByZero& e) {
        // A draw's bound comes from the lists' values; the count only repeats the draws.
        const QStringList captions = shownListCaptions(*kind);
        if (!captions.isEmpty()) e.setAdvice(DivisionByZero::adviceFor(captions));
        throw;
    }
    writer.flush();
}

void writeTextWorksheet(int32_t kind, const TextFields& fields, RandomDraw& random,
                        const QString& path, TextProgress* progress, TextSheet* keep) {
    if (!isTextKind(kind)) return;
    // The old file is replaced only once the whole worksheet is ready.
    OutputFile file(path);
    file.device();  // a file that cannot be written is reported before anything is drawn
    FileSink sink(file);
    if (keep) {
        TextSheet sheet = drawTextSheet(kind, fields, random, &sink, progress);
        file.commit();
        *keep = std::move(sheet);
        return;
    }
    generateTextWorksheet(kind, fields, random, sink, nullptr, progress);
    file.commit();
}

}  // namespace zarvik
