#include "common/core/AnswerCode.h"

namespace zarvik {

QStringList answerCodeTexts(const ExerciseList& exercises, qsizetype mostBytes) {
    QStringList parts;
    QString part;
    qsizetype bytes = 0;
    for (const Exercise& exercise : exercises) {
        // Line breaks would split a phone's one-line display; answers have none.
        QString answer = exercise.answer.simplified();
        const QString item = QString::number(exercise.number) + QStringLiteral(") ") + answer;
        const qsizetype itemBytes = item.toUtf8().size();
        if (!part.isEmpty() && bytes + 1 + itemBytes > mostBytes) {
            parts << part;
            part.clear();
            bytes = 0;
        }
        if (!part.isEmpty()) {
            part += u' ';
            ++bytes;
        }
        part += item;
        bytes += itemBytes;
    }
    if (!part.isEmpty()) parts << part;
    return parts;
}

}  // namespace zarvik
