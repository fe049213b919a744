#pragma once
// The column generators' questions as the teacher sees them: a modal input
// box titled with the publisher's web address (Cancel gives the default text
// back) and a modal Evet/Hayır question box with a question-mark icon.

#include "common/core/Questions.h"

class QWidget;

namespace zarvik {

class DialogQuestions : public Questions {
  public:
    explicit DialogQuestions(QWidget* parent) : parent_(parent) {}

    QString askText(const QString& prompt, const QString& defaultText) override;
    // Only the two buttons answer: Escape and the close button do nothing.
    bool askYesNo(const QString& question) override;

    // Object names of the boxes, so tests can find and answer them.
    static constexpr const char* kInputBoxName = "AskNumberBox";
    static constexpr const char* kYesNoBoxName = "AskYesNoBox";

  private:
    QWidget* parent_;
};

}  // namespace zarvik
