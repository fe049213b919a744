#pragma once
// A sheet as one web page that a phone's browser opens from a file and that
// fetches nothing: the title, the pupil's name, every exercise in its own
// shape (figures as inline SVG, lines as text) with fields for the answers,
// and "Kontrol et", which marks each answer and counts the right ones. The
// page's style and script are resources/html/sheet.css and sheet.js.
//
// The answers are in the page obfuscated, not encrypted: a pupil who looks
// at the page's source does not read them, one who decodes it can.

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "common/core/AnswerStore.h"
#include "common/core/Exercise.h"
#include "common/core/OutputFile.h"
#include "common/core/SheetSet.h"

namespace zarvik {

struct HtmlSheet {
    QString title;  // empty: a general heading
    QString pupil;  // empty: no name line
    ExerciseList exercises;
    // Headings before the exercise of each index (a mixed sheet's sections).
    std::vector<std::pair<qsizetype, QString>> headings;
};

QByteArray sheetHtml(const HtmlSheet& sheet);

// The sheet a source has prepared, for the pupil given.
HtmlSheet htmlSheetOf(SheetSource& source, const QString& pupil);

// One sheet into one .html file; sets and keys are refused before the run.
class HtmlFileWriter : public SheetWriter {
  public:
    HtmlFileWriter(const QString& path, const ClassSetChoice& choice);
    SheetNeeds needs() const override { return {false, true, false, false}; }
    void addSheet(int k, SheetSource& source) override;
    void finish() override;

  private:
    OutputFile file_;
    const ClassSetChoice& choice_;
};

// A folder with a page for each sheet, named after its pupil
// ("Ayse-Yilmaz.html", in letters every phone and mail program keeps) or its
// number ("Odev-01.html"), and, with the key, the teacher's key as
// "Cevap-Anahtari.html". The set is prepared whole, each file in a temporary
// file beside its place, before any old page is replaced.
class HtmlSheetFolder {
  public:
    HtmlSheetFolder(const QString& folder, const ClassSetChoice& choice);
    ~HtmlSheetFolder();
    // Sheet k (1-based) and its key's lines (used with the key only).
    void add(int k, const HtmlSheet& sheet, const QStringList& keyLines);
    void finish();

  private:
    QString fileName(int k);

    QString folder_;
    const ClassSetChoice& choice_;
    int width_;
    QStringList used_;
    std::vector<std::unique_ptr<OutputFile>> prepared_;
    AnswerStore answers_;
};

// The folder as a writer of the sheet loop (zarvik-cli's -o DIR/ --html).
class HtmlFolderWriter : public SheetWriter {
  public:
    HtmlFolderWriter(const QString& folder, const ClassSetChoice& choice)
        : choice_(choice), folder_(folder, choice) {}
    SheetNeeds needs() const override { return {false, true, choice_.answerKey, false}; }
    void addSheet(int k, SheetSource& source) override;
    void finish() override { folder_.finish(); }

  private:
    const ClassSetChoice& choice_;
    HtmlSheetFolder folder_;
};

// The page of a sheet set's folder for sheet k and its pupil, without the folder.
QString htmlSheetFileName(int k, int width, const QString& pupil);

}  // namespace zarvik
