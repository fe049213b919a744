#include "numbers/core/NumberWorksheet.h"

#include "common/core/PageCells.h"
#include "numbers/core/NumberAnswerPages.h"
#include "numbers/core/NumberAnswers.h"
#include "numbers/core/NumberPage.h"

namespace zarvik {

NumberWorksheet::NumberWorksheet() : page_(makeNumberPage()) {
    for (int r = 0; r < kNumberRows; ++r) {
        left_ << QString();
        right_ << QString();
    }
}

QString NumberWorksheet::title() const {
    return page_.cell(kNumberTitleCell).text;
}
QString NumberWorksheet::teacherCaption() const {
    return page_.cell(kNumberTeacherLabel).text;
}
QString NumberWorksheet::dateCaption() const {
    return page_.cell(kNumberDateLabel).text;
}

void NumberWorksheet::setLeftWide(bool wide) {
    leftWide_ = wide;
    const int width = wide ? kNumberLeftWideWidth : kNumberLeftNormalWidth;
    for (int r = 1; r <= kNumberRows; ++r)
        page_.setWidth(numberLeftCell(r), width);
}

void NumberWorksheet::prepare(const NumberChoices& choices, RandomDraw& random,
                              MessageSink& messages) {
    refuseUnprintableFooterTexts(choices.teacher, choices.date);
    QStringList left, right;
    std::optional<NumberSheet> sheet;
    if (const std::optional<NumberKind> kind = numberKindFromText(choices.kind))
        sheet = generateNumbers(*kind, choices.digits, random, messages);

    const bool oneColumn = choices.columns == kOneColumn;
    for (int n = 1; n <= kNumberRows; ++n) {
        const QString leftExercise = sheet ? sheet->exercises[n - 1].text : QString();
        const QString rightExercise =
            sheet ? sheet->exercises[n - 1 + kNumberRows].text : QString();
        left << (n < 10 ? QStringLiteral("  ") : QString()) + QString::number(n) +
                    QStringLiteral("-) ") + leftExercise;
        right << (oneColumn
                      ? QString()
                      : QString::number(n + kNumberRows) + QStringLiteral("-) ") + rightExercise);
    }

    // Everything below only assigns; the generator can no longer fail.
    left_ = left;
    right_ = right;
    for (int r = 1; r <= kNumberRows; ++r) {
        page_.setText(numberLeftCell(r), left_[r - 1]);
        page_.setText(numberRightCell(r), right_[r - 1]);
    }
    setExerciseRooms(page_);
    oneColumn_ = oneColumn;
    if (sheet) {
        page_.setText(kNumberTitleCell, sheet->title);
        if (sheet->leftWide) setLeftWide(*sheet->leftWide);
    }
    sheet_ = std::move(sheet);

    setTeacherFooterCaptions(page_, kNumberTeacherLabel, kNumberDateLabel, choices.teacher,
                             choices.date);
}

}  // namespace zarvik

namespace zarvik {

std::vector<Page> NumberWorksheet::pages() const {
    if (!sheet_ || !writesNumberAnswers(sheet_->kind)) return {page_};
    QStringList texts = left_;
    if (!oneColumn_) texts += right_;
    return numberAnswerPages(
        page_, texts, oneColumn_ ? 1 : 2,
        longestNumberAnswer(sheet_->kind, sheet_->digits, numberExercises(*sheet_, oneColumn_)));
}

}  // namespace zarvik
