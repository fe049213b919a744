#include "column_worksheets/core/ScriptedQuestions.h"

namespace zarvik {

namespace {

constexpr QStringView kCancel = u"~";

bool oneOf(const QString& item, std::initializer_list<QStringView> words) {
    for (QStringView word : words)
        if (item.compare(word, Qt::CaseInsensitive) == 0) return true;
    return false;
}

}  // namespace

ScriptedQuestions ScriptedQuestions::fromList(const QString& list) {
    return ScriptedQuestions(list.split(u';'));
}

QString ScriptedQuestions::askText(const QString& prompt, const QString& defaultText) {
    asked_ << prompt;
    defaults_ << defaultText;
    if (next_ >= answers_.size()) return defaultText;
    const QString& item = answers_[next_++];
    return item == kCancel ? defaultText : item;
}

bool ScriptedQuestions::askYesNo(const QString& question) {
    asked_ << question;
    if (next_ >= answers_.size()) return false;
    const QString& item = answers_[next_++];
    // Qt's case folding leaves the dotless ı alone, so "HAYIR" is listed too.
    if (oneOf(item, {u"y", u"yes", u"e", u"evet"})) return true;
    if (oneOf(item, {u"n", u"no", u"h", u"hayır", u"hayir", u"HAYIR"})) return false;
    throw AnswerScriptError(
        QStringLiteral("'%1', \"%2\" sorusunun cevabı değil (y, yes, e, evet ya da n, no, h, "
                       "hayır yazınız)")
            .arg(quotedValue(item), question));
}

}  // namespace zarvik
