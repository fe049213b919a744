#pragma once
// The outputs of a sheet set that are text: the plain listing (standard
// output, or a Windows-1254 text file with CR LF line ends, Zarvik.txt's
// format), JSON, and a folder with one text file per sheet. A set's sheets
// are separated by a line "----", each headed by its pupil's name, and the
// key follows the sheets ("----", "CEVAP ANAHTARI", a block per sheet).

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "common/core/AnswerStore.h"
#include "common/core/OutputFile.h"
#include "common/core/SheetSet.h"

namespace zarvik {

// Where a text output goes. finish() makes it whole: a file replaces the old
// one only then. prepare() gets it ready to, so that two files can be made
// whole together.
class TextTarget : public ByteSink {
  public:
    virtual void open() {}
    virtual void prepare() {}
    virtual void finish() = 0;
};

// A file (or "-", standard output, written as it comes) through OutputFile.
class FileTarget : public TextTarget {
  public:
    explicit FileTarget(const QString& path) : file_(path) {}
    void open() override { file_.device(); }
    void write(const char* data, qsizetype size) override { file_.write(data, size); }
    void prepare() override { file_.prepare(); }
    void finish() override { file_.commit(); }

  private:
    OutputFile file_;
};

// Standard output, checked. A short output goes out whole at the end (nothing
// on a failure); a long one is streamed, so memory stays flat.
class StandardOutputTarget : public TextTarget {
  public:
    void write(const char* data, qsizetype size) override;
    void finish() override;

  private:
    static constexpr qsizetype kPendingLimit = 4 << 20;
    QByteArray pending_;
};

// Writes the bytes to standard output and flushes; a failed or short write
// (a full disk, a closed pipe) throws FileError.
void writeStandardOutput(const QByteArray& bytes);

enum class TextEncoding {
    Utf8,        // '\n' line ends: standard output of the page families
    Cp1254CrLf,  // text files, and the text worksheets anywhere
};

// Names a Windows-1254 text cannot hold are refused before anything is written.
void refuseNamesOutsideCp1254(const QStringList& names);

// The sheets one after another, then the key; or the key in a file of its
// own, so that the pupils' file never holds the answers.
class ListingWriter : public SheetWriter {
  public:
    ListingWriter(std::unique_ptr<TextTarget> target, TextEncoding encoding,
                  const ClassSetChoice& choice, std::unique_ptr<TextTarget> keyTarget = nullptr);
    SheetNeeds needs() const override;
    void beforeSheet(int k, SheetSource& source) override;
    void addSheet(int k, SheetSource& source) override;
    void finish() override;

  private:
    void writeLine(const QString& line);
    void writeText(const QString& text);

    std::unique_ptr<TextTarget> target_;
    std::unique_ptr<TextTarget> keyTarget_;
    TextEncoding encoding_;
    const ClassSetChoice& choice_;
    AnswerStore answers_;
};

// Where the key of the sheets written to path goes: "sinif.txt" gives
// "sinif-Cevap-Anahtari.txt" beside it.
QString answerKeyPath(const QString& sheetsPath);
// The key's file beside Zarvik.txt, as in a folder of sheets.
inline constexpr QStringView kAnswerKeyFileName = u"Cevap-Anahtari.txt";

// One JSON object per sheet (an array of them for a set): the family's fields,
// "exercises", and in a set "pupil" and "answers".
class JsonWriter : public SheetWriter {
  public:
    JsonWriter(std::unique_ptr<TextTarget> target, const ClassSetChoice& choice);
    SheetNeeds needs() const override { return {false, true, choice_.answerKey, false}; }
    void addSheet(int k, SheetSource& source) override;
    void finish() override;

  private:
    void write(const QString& text);
    std::unique_ptr<TextTarget> target_;
    const ClassSetChoice& choice_;
};

// A folder with each sheet in a file of its own (Zarvik-01.txt, …) and the
// key in Cevap-Anahtari.txt. The set is prepared whole, each file in a
// temporary file, before any old sheet is replaced; a folder that does not
// exist yet is made only then. After the set the folder's sheets and key are
// exactly the set's: a folder holding sheets the set would not replace is
// refused, naming them, before anything is drawn; and a folder another run
// is writing into (a lock on the folder) is refused too.
class SheetFolderWriter : public SheetWriter {
  public:
    SheetFolderWriter(const QString& folder, const ClassSetChoice& choice);
    ~SheetFolderWriter() override;
    SheetNeeds needs() const override;
    void beforeSheet(int k, SheetSource& source) override;
    void addSheet(int k, SheetSource& source) override;
    void finish() override;

    // The names of the set's files in its folder, the key's last.
    static QStringList fileNames(const ClassSetChoice& choice);

  private:
    struct FileSink : ByteSink {
        OutputFile* file = nullptr;
        void write(const char* data, qsizetype size) override { file->write(data, size); }
    };

    QString filePath(const QString& name) const;
    std::unique_ptr<OutputFile> newFile(const QString& name) const;
    void lockFolder();
    void refuseOtherSheets() const;

    QString folder_;
    const ClassSetChoice& choice_;
    QStringList names_;
    // Where the temporary files wait: the folder itself, or while it does
    // not exist yet the nearest folder above it that does.
    QString staging_;
    int lock_ = -1;
    std::unique_ptr<OutputFile> current_;
    FileSink sink_;
    std::vector<std::unique_ptr<OutputFile>> prepared_;
    AnswerStore answers_;
};

// A path that names a folder: ending in '/' or an existing folder.
bool isFolderPath(const QString& path);

}  // namespace zarvik
