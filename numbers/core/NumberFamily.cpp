// The number worksheets as a family: zarvik-cli numbers and a mixed sheet's
// number sections prepare the page as the window's "Yeni Hazırla" does.

#include "common/core/Errors.h"
#include "common/core/Family.h"
#include "numbers/core/NumberSheetSource.h"

namespace zarvik {

namespace {

class NumberFamily : public Family {
  public:
    QString command() const override { return QStringLiteral("numbers"); }
    QString summary() const override { return QStringLiteral("sayı alıştırmaları sayfası"); }
    QString synopsis() const override {
        return QStringLiteral("--kind TÜR --digits BASAMAK [--columns SÜTUNLAR]");
    }
    QString help() const override {
        return QStringLiteral(
            "24 ya da 48 numaralı alıştırmalık bir sayı alıştırmaları sayfası hazırlar.\n"
            "\n"
            "  --kind TÜR           \"Sayı Okuma\", \"Sayı Yazma\", \"Karşılaştırma\", \"Sıralama\",\n"
            "                       \"Tek ve Çift Sayılar\" ya da \"Sayı Yuvarlama\"; başka bir\n"
            "                       metin alıştırma hazırlamaz (yalnız numaralar yazılır)\n"
            "  --digits BASAMAK     basamak sayısı, 1 ile 9 arası (başkaları bir iletiyle\n"
            "                       düzeltilir)\n"
            "  --columns SÜTUNLAR   \"Tek Sütun\" ya da \"İki Sütun\" (yazılmazsa \"İki Sütun\")\n"
            "\n"
            "-o ve --json yazılmazsa sayfanın metinleri satır satır yazılır.\n");
    }
    QStringList example() const override {
        return {QStringLiteral("--kind"), QStringLiteral("Sayı Okuma"), QStringLiteral("--digits"), QStringLiteral("4")};
    }
    std::vector<FamilyOption> options() const override {
        QStringList digits;
        for (int d = 1; d <= 9; ++d)
            digits << QString::number(d);
        return {
            {{QStringLiteral("kind")}, QStringLiteral("TÜR"), QStringLiteral("Alıştırma türü."),
             numberKindTexts()},
            {{QStringLiteral("digits")}, QStringLiteral("BASAMAK"),
             QStringLiteral("Basamak sayısı."), digits},
            {{QStringLiteral("columns")}, QStringLiteral("SÜTUNLAR"), QStringLiteral("Sütunlar."),
             {kOneColumn.toString(), kTwoColumns.toString()}},
        };
    }

    std::unique_ptr<SheetSource> sheetSource(const QCommandLineParser& parser,
                                             const SheetFooter& footer,
                                             MessageSink& messages) const override {
        if (!parser.isSet(QStringLiteral("kind")))
            throw UsageError{QStringLiteral("--kind yazılmamış.")};
        if (!parser.isSet(QStringLiteral("digits")))
            throw UsageError{QStringLiteral("--digits yazılmamış.")};
        const QString columns = parser.isSet(QStringLiteral("columns"))
                                    ? parser.value(QStringLiteral("columns"))
                                    : kTwoColumns.toString();
        if (columns != kOneColumn && columns != kTwoColumns)
            throw UsageError{QStringLiteral("--columns \"Tek Sütun\" ya da \"İki Sütun\" olmalı, "
                                            "'%1' değil.")
                                 .arg(quotedValue(columns))};
        NumberChoices choices;
        choices.kind = parser.value(QStringLiteral("kind"));
        choices.digits = parser.value(QStringLiteral("digits"));
        choices.columns = columns;
        choices.teacher = footer.teacher;
        choices.date = footer.date;
        // zarvik-cli tells a digit-count correction for every sheet.
        return std::make_unique<NumberSheetSource>(std::move(choices), messages, true);
    }
};

}  // namespace

const Family& numbersFamily() {
    static const NumberFamily family;
    return family;
}

}  // namespace zarvik
