#pragma once
// How generators ask the teacher: a modal input box and a yes/no box in the
// windows, scripted answers in zarvik-cli and in tests.

#include <QString>
#include <cstdint>

namespace zarvik {

class Questions {
  public:
    virtual ~Questions() = default;
    // The typed text, or defaultText when the user cancels.
    virtual QString askText(const QString& prompt, const QString& defaultText) = 0;
    virtual bool askYesNo(const QString& question) = 0;
};

// AskNumber: the answer converted as a field number (ConversionError on
// anything else); a value outside lowest..highest gives the fallback.
int32_t askNumber(Questions& questions, const QString& prompt, const QString& defaultText,
                  int32_t lowest, int32_t highest, int32_t fallback);

// Where plain informational messages go: a message box in the windows,
// standard error in zarvik-cli, a list in tests.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const QString& text) = 0;
};

}  // namespace zarvik
