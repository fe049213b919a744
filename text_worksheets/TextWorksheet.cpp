#include "text_worksheets/TextWorksheet.h"

#include <algorithm>
#include <array>

#include "common/OutputFile.h"
#include "text_worksheets/GeneratorSupport.h"

namespace zarvik {

namespace {

using Generator = void (*)(const TextFields&, RandomDraw&, LineWriter&);

struct KindEntry {
    int32_t kind;
    Generator generator;
};

constexpr std::array<KindEntry, 28> kKinds = {{
    {101, text::kind101}, {102, text::kind102}, {103, text::kind103}, {104, text::kind104},
    {105, text::kind105}, {106, text::kind106}, {201, text::kind201}, {202, text::kind202},
    {203, text::kind203}, {204, text::kind204}, {205, text::kind205}, {301, text::kind301},
    {302, text::kind302}, {303, text::kind303}, {304, text::kind304}, {305, text::kind305},
    {306, text::kind306}, {307, text::kind307}, {308, text::kind308}, {401, text::kind401},
    {402, text::kind402}, {403, text::kind403}, {404, text::kind404}, {501, text::kind501},
    {502, text::kind502}, {601, text::kind601}, {602, text::kind602}, {603, text::kind603},
}};

Generator generatorFor(int32_t kind) {
    const auto it = std::find_if(kKinds.begin(), kKinds.end(),
                                 [kind](const KindEntry& entry) { return entry.kind == kind; });
    return it == kKinds.end() ? nullptr : it->generator;
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
            .arg(field)
            .arg(value)
            .arg(accepted));
}

void refuseLongParts(const QString& field, int32_t value) {
    if (value >= 10 || value <= -10) refuse(field, value, QStringLiteral("1 ile 9 arası"));
}

DecimalFields readDecimalFields(const TextFields& fields, DecimalCaptions captions) {
    const QString most =
        captions == DecimalCaptions::Most ? QStringLiteral("en çok") : QStringLiteral("en fazla");
    DecimalFields read;
    read.wholeDigits = readField(fields.comboBox1());
    read.fractionDigits = readField(fields.comboBox2());
    read.count = readField(fields.edit1());
    refuseLongParts(QStringLiteral("Sayıların tam kısmı %1 kaç basamaklı olsun?").arg(most),
                    read.wholeDigits);
    refuseLongParts(QStringLiteral("Sayıların kesir kısmı %1 kaç basamaklı olsun?").arg(most),
                    read.fractionDigits);
    return read;
}

}  // namespace text

bool isTextKind(int32_t kind) {
    return generatorFor(kind) != nullptr;
}

void generateTextWorksheet(int32_t kind, const TextFields& fields, RandomDraw& random,
                           ByteSink& out, TextExerciseSink* exercises) {
    const Generator generator = generatorFor(kind);
    if (!generator) return;
    LineWriter writer(out, exercises);
    generator(fields, random, writer);
    writer.flush();
}

void writeTextWorksheet(int32_t kind, const TextFields& fields, RandomDraw& random,
                        const QString& path) {
    if (!isTextKind(kind)) return;
    // The old file is replaced only once the whole worksheet is ready.
    OutputFile file(path);
    file.device();  // a file that cannot be written is reported before anything is drawn
    FileSink sink(file);
    generateTextWorksheet(kind, fields, random, sink);
    file.commit();
}

}  // namespace zarvik
