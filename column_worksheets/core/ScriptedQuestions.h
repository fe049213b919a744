#pragma once
// Answers to the column generators' questions given in advance, as zarvik-cli's
// --answers list and the tests give them: one item per question, in the order
// the questions are asked.
//
// A number question takes the item as the typed text ("" is the empty text,
// "~" is Cancel, which gives the box's default text). A yes/no question takes
// y, yes, e or evet for Yes and n, no, h or hayır for No. Questions past the
// end of the list are cancelled (number) or answered No (yes/no).

#include <QString>
#include <QStringList>

#include "common/core/Errors.h"
#include "common/core/Questions.h"

namespace zarvik {

// An item that cannot answer a yes/no question.
class AnswerScriptError : public Error {
  public:
    using Error::Error;
};

class ScriptedQuestions : public Questions {
  public:
    explicit ScriptedQuestions(QStringList answers = {}) : answers_(std::move(answers)) {}
    // Items separated by ';'.
    static ScriptedQuestions fromList(const QString& list);

    QString askText(const QString& prompt, const QString& defaultText) override;
    // Throws AnswerScriptError for an item that is neither yes nor no.
    bool askYesNo(const QString& question) override;

    // The prompts and questions asked so far, in order.
    const QStringList& asked() const { return asked_; }
    // The default texts of the number questions asked so far.
    const QStringList& defaults() const { return defaults_; }

  private:
    QStringList answers_;
    qsizetype next_ = 0;
    QStringList asked_;
    QStringList defaults_;
};

}  // namespace zarvik
