#pragma once
// Writing an output file without losing the old one: a regular file (or a new
// one) is written to a temporary file in the same folder, every write checked,
// flushed to the disk and renamed over the old file only on commit(), so an
// error (a full disk, a broken device) leaves the previous file as it was and
// no temporary file behind. A link is followed to the file it points to. "-"
// is standard output, and an existing file that is not a regular file (a
// device, a pipe) is written directly; a pipe nobody reads is refused at once
// instead of waited on. Failures raise FileError with a Turkish message naming
// the file.

#include <QIODevice>
#include <QString>
#include <memory>

namespace zarvik {

class OutputFile {
  public:
    explicit OutputFile(QString path);
    // The temporary file in another folder of the same disk: the target's
    // own folder is made only when the file takes its place.
    OutputFile(QString path, QString temporaryFolder);
    ~OutputFile();  // without commit(): the old file stays, the temporary goes
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Opens on first use. The device remembers the first failed write and
    // refuses every later one, so writers that ignore errors (QPdfWriter)
    // cannot hide it: check() and commit() report it. A temporary file is
    // written through a buffer, written out when full and by commit().
    QIODevice& device();
    void write(const char* data, qsizetype size);
    void write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }
    // Throws FileError if any write so far failed.
    void check();
    // prepare() then replace().
    void commit();
    // Every byte on the disk (flushed, synced) in the temporary file, which is
    // closed; the old file is still untouched.
    void prepare();
    // The prepared file takes the old file's place; syncFolder: the rename
    // is put on the disk now (a set of many files syncs its folder once).
    void replace(bool syncFolder = true);

    const QString& path() const { return path_; }

  private:
    class Device;
    [[noreturn]] void fail(const QString& reason) const;
    [[noreturn]] void failErrno(int error) const;
    void open();

    QString path_;
    QString target_;     // the file replaced: path_ with links followed
    QString temporaryFolder_;  // empty: the target's folder
    QString temporary_;  // empty when written directly
    std::unique_ptr<Device> device_;
    int folderSlot_ = -1;  // the temporary file's folder, for removeTemporaryFilesNow
    bool prepared_ = false;
    bool committed_ = false;
};

// Ctrl-C and its kin: the CLI's signal handler calls requestOutputInterrupt,
// after which every write fails and raises Interrupted, so the stack unwinds,
// the temporary files go and the old files stay.
void requestOutputInterrupt(int signal);
int outputInterruptSignal();  // 0 until then

// For a second signal or a crash, where the stack cannot unwind: removes
// every temporary file this process has beside its targets. Safe in a signal
// handler (no allocation, no locks).
void removeTemporaryFilesNow();

// A standard stream found closed at start is given a placeholder (so that no
// file opened later takes its number); a path leading to that placeholder
// ("/dev/stdout") names the closed stream and is refused as it is.
void markClosedStandardStream(int fd);
// "standart çıktı" and its kin when fd's file is such a placeholder; empty otherwise.
QString closedStandardStreamName(int fd);

// Puts the renames in path's folder on the disk.
void syncFolderOf(const QString& path);

// The Turkish words for a system error number, as the file messages use them.
QString systemErrorText(int error);

}  // namespace zarvik
