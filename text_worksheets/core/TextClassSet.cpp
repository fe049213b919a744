#include "text_worksheets/core/TextClassSet.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <vector>

#include "common/core/AnswerKeyPages.h"
#include "common/core/AnswerStore.h"
#include "common/core/Cp1254.h"
#include "common/core/Errors.h"
#include "common/core/OutputFile.h"

namespace zarvik {

namespace {

class OutputSink : public ByteSink {
  public:
    explicit OutputSink(OutputFile& file) : file_(file) {}
    void write(const char* data, qsizetype size) override { file_.write(data, size); }

  private:
    OutputFile& file_;
};

class AnswerLines : public TextExerciseSink {
  public:
    QStringList lines;
    void exercise(TextExercise&& exercise) override {
        const TextAnswer answer = textAnswer(exercise);
        lines << QStringLiteral("%1) %2%3%4")
                     .arg(lines.size() + 1)
                     .arg(answer.exercise,
                          answer.reading ? QStringLiteral(": ") : QStringLiteral(" = "),
                          answer.answer);
    }
};

void writeLine(OutputFile& file, const QString& line) {
    file.write(toCp1254(line) + "\r\n");
}

}  // namespace

void writeTextClassSet(int32_t kind, const TextFields& fields, RandomDraw& random,
                       const ClassSetChoice& set, const QString& path,
                       const TextClassSetCalls& calls) {
    for (const QString& name : set.names) {
        if (fromCp1254(toCp1254(name)) != name)
            throw InputRefused(QStringLiteral("\"%1\" adında metin dosyasına (Windows-1254) "
                                              "yazılamayan bir harf var.")
                                   .arg(name));
    }
    const bool perSheet = path.endsWith(u'/') || QFileInfo(path).isDir();
    if (perSheet && !QDir().mkpath(path))
        throw FileError(QStringLiteral("\"%1\" klasörü oluşturulamadı.").arg(path));
    const int width = std::max(2, static_cast<int>(QString::number(set.sheets).size()));
    auto sheetPath = [&](int k) {
        return QDir(path).filePath(
            QStringLiteral("Zarvik-%1.txt").arg(k, width, 10, QLatin1Char('0')));
    };

    // A set in a folder is prepared whole (each sheet in a temporary file
    // beside its place) before any old sheet is replaced.
    std::unique_ptr<OutputFile> single;
    if (!perSheet) single = std::make_unique<OutputFile>(path);
    std::vector<std::unique_ptr<OutputFile>> prepared;
    AnswerStore answers;
    for (int k = 1; k <= set.sheets; ++k) {
        std::unique_ptr<OutputFile> own;
        if (perSheet) own = std::make_unique<OutputFile>(sheetPath(k));
        OutputFile& file = perSheet ? *own : *single;
        file.device();
        if (!perSheet && k > 1) writeLine(file, QStringLiteral("----"));
        if (!set.pupil(k).isEmpty()) writeLine(file, set.pupil(k));
        OutputSink sink(file);
        if (calls.keepSheet) {
            // The same draws and bytes; the lines are kept on the way.
            TextSheet sheet = drawTextSheet(kind, fields, random, &sink);
            if (set.answerKey) answers.add({answerBlockHeading(k, set.pupil(k)), sheet.keyLines});
            calls.keepSheet(k, std::move(sheet));
        } else {
            AnswerLines lines;
            generateTextWorksheet(kind, fields, random, sink, set.answerKey ? &lines : nullptr);
            if (set.answerKey) answers.add({answerBlockHeading(k, set.pupil(k)), lines.lines});
        }
        if (perSheet) {
            own->prepare();
            prepared.push_back(std::move(own));
        }
        if (calls.sheetDone) calls.sheetDone(k);
    }

    if (set.answerKey) {
        std::unique_ptr<OutputFile> own;
        if (perSheet)
            own = std::make_unique<OutputFile>(QDir(path).filePath(u"Cevap-Anahtari.txt"_qs));
        OutputFile& file = perSheet ? *own : *single;
        if (!perSheet) writeLine(file, QStringLiteral("----"));
        writeLine(file, QStringLiteral("CEVAP ANAHTARI"));
        answers.forEach([&](const AnswerBlock& block) {
            writeLine(file, QString());
            writeLine(file, block.heading);
            for (const QString& line : block.lines)
                writeLine(file, line);
        });
        if (perSheet) {
            own->prepare();
            prepared.push_back(std::move(own));
        }
    }
    if (single) single->commit();
    for (const auto& file : prepared)
        file->replace();
}

}  // namespace zarvik
