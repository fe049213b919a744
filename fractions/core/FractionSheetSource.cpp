#include "fractions/core/FractionSheetSource.h"

#include "common/core/Json.h"
#include "fractions/core/FractionAnswers.h"

namespace zarvik {

using namespace fractions;

FractionSheetSource::FractionSheetSource(FractionChoices choices)
    : owned_(std::make_unique<FractionWorksheet>()),
      worksheet_(*owned_),
      choices_(std::move(choices)) {}

FractionSheetSource::~FractionSheetSource() = default;

void FractionSheetSource::sheetPages(const std::function<void(Page&&)>& pageDone) {
    pageDone(Page(worksheet_.page()));
}

ExerciseList FractionSheetSource::sheetExercises() {
    return fractionExercises(worksheet_.exercises());
}

// The page has no heading; the window's choices say what the sheet is.
QString FractionSheetSource::sheetTitle() {
    QStringList parts{QStringLiteral("Kesirler"), choices_.operation, choices_.type};
    // The denominators' relation is a choice of addition and subtraction only.
    if (choices_.operation == u"Toplama" || choices_.operation == u"Çıkarma")
        parts << choices_.relation;
    parts.removeAll(QString());
    return parts.join(QStringLiteral(" – "));
}

QString FractionSheetSource::sheetJsonFields() {
    QString rows;
    for (const FractionRow& row : worksheet_.exercises()) {
        if (!rows.isEmpty()) rows += u',';
        rows += jsonStringArray({row.firstNumerator, row.firstDenominator, row.firstWhole,
                                 row.operatorText, row.secondNumerator, row.secondDenominator});
    }
    return QStringLiteral("\"rows\":[%1],\"teacher\":%2,\"date\":%3")
        .arg(rows, jsonString(worksheet_.teacherCaption()),
             jsonString(worksheet_.dateCaption()));
}

// "3) 2 1/4 - 1 3/8 =" per row as the page shows it (empty rows too), then the footer.
QString FractionSheetSource::sheetListing() {
    QString out;
    int number = 0;
    for (const FractionRow& row : worksheet_.exercises()) {
        out += QString::number(++number) + QStringLiteral(") ");
        if (!row.firstWhole.isEmpty()) out += row.firstWhole + u' ';
        out += row.firstNumerator + u'/' + row.firstDenominator + u' ' + row.operatorText + u' ' +
               row.secondNumerator + u'/' + row.secondDenominator + QStringLiteral(" =\n");
    }
    return out + worksheet_.teacherCaption() + u'\n' + worksheet_.dateCaption() + u'\n';
}

}  // namespace zarvik
