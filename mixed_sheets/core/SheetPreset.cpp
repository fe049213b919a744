#include "mixed_sheets/core/SheetPreset.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "common/core/Json.h"
#include "common/core/Limits.h"

namespace zarvik {

namespace {

QString parseErrorText(QJsonParseError::ParseError error) {
    switch (error) {
        case QJsonParseError::UnterminatedObject:
            return QStringLiteral("bir { kapanmamış");
        case QJsonParseError::MissingNameSeparator:
            return QStringLiteral("bir alan adından sonra ':' yok");
        case QJsonParseError::UnterminatedArray:
            return QStringLiteral("bir [ kapanmamış");
        case QJsonParseError::MissingValueSeparator:
            return QStringLiteral("iki değer arasında ',' yok");
        case QJsonParseError::IllegalNumber:
        case QJsonParseError::TerminationByNumber:
            return QStringLiteral("bir sayı yanlış yazılmış");
        case QJsonParseError::IllegalEscapeSequence:
        case QJsonParseError::IllegalUTF8String:
        case QJsonParseError::UnterminatedString:
            return QStringLiteral("bir metin yanlış yazılmış ya da kapanmamış");
        case QJsonParseError::DeepNesting:
            return QStringLiteral("çok fazla iç içe { ya da [ var");
        case QJsonParseError::GarbageAtEnd:
            return QStringLiteral("belgenin sonundan sonra yazı var");
        default:
            return QStringLiteral("beklenmeyen bir yazı var");
    }
}

QString jsonTypeName(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::Null:
            return QStringLiteral("null");
        case QJsonValue::Bool:
            return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        case QJsonValue::Double:
            return QString::number(value.toDouble());
        case QJsonValue::String:
            return u'"' + quotedValue(value.toString()) + u'"';
        case QJsonValue::Array:
            return QStringLiteral("bir dizi");
        case QJsonValue::Object:
            return QStringLiteral("bir nesne");
        default:
            return QStringLiteral("boş");
    }
}

[[noreturn]] void refuse(const QString& where, const QString& what) {
    throw PresetRefused(where + what);
}

QString topField(QStringView field) {
    return QStringLiteral("\"%1\": ").arg(field);
}

void refuseUnknownFields(const QJsonObject& object, const QStringList& known, const QString& where) {
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.contains(it.key()))
            refuse(where, QStringLiteral("\"%1\" diye bir alan yok; alanlar: %2.")
                              .arg(quotedValue(it.key()), known.join(QStringLiteral(", "))));
}

QString printableText(const QJsonValue& value, const QString& where) {
    if (!value.isString()) refuse(where, QStringLiteral("bir metin olmalı, %1 değil.").arg(jsonTypeName(value)));
    const QString text = value.toString();
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            refuse(where, QStringLiteral("metinde yazdırılamayan bir denetim karakteri (U+%1) var.")
                              .arg(c.unicode(), 4, 16, QLatin1Char('0')));
    return text;
}

bool flag(const QJsonValue& value, const QString& where) {
    if (!value.isBool()) refuse(where, QStringLiteral("true ya da false olmalı, %1 değil.").arg(jsonTypeName(value)));
    return value.toBool();
}

// A whole number the JSON writes exactly (doubles hold integers to 2^53).
std::optional<int64_t> wholeNumber(const QJsonValue& value) {
    if (!value.isDouble()) return std::nullopt;
    const double d = value.toDouble();
    if (d != std::floor(d) || std::abs(d) > 9.0e15) return std::nullopt;
    return static_cast<int64_t>(d);
}

PresetSection readSection(const QJsonValue& value, int index) {
    const QString where = QStringLiteral("%1. bölüm: ").arg(index + 1);
    if (!value.isObject())
        refuse(where, QStringLiteral("bir nesne ({…}) olmalı, %1 değil.").arg(jsonTypeName(value)));
    const QJsonObject object = value.toObject();
    refuseUnknownFields(object,
                        {QStringLiteral("args"), QStringLiteral("count"), QStringLiteral("heading"),
                         QStringLiteral("regroup"), QStringLiteral("repeat")},
                        where);
    PresetSection section;
    const QString argsWhere = sectionField(index, u"args");
    if (!object.contains(QStringLiteral("args")))
        refuse(argsWhere, QStringLiteral("yazılmamış; bir alıştırma ailesinin komutu ve seçenekleri "
                                         "olmalı, örneğin [\"column\", \"--op\", \"Toplama\", …]."));
    const QJsonValue args = object.value(QStringLiteral("args"));
    if (!args.isArray() || args.toArray().isEmpty())
        refuse(argsWhere, QStringLiteral("metinlerden oluşan boş olmayan bir dizi olmalı."));
    for (const QJsonValue& arg : args.toArray()) {
        if (!arg.isString())
            refuse(argsWhere,
                   QStringLiteral("yalnız metinler olmalı, %1 değil.").arg(jsonTypeName(arg)));
        section.args << arg.toString();
    }
    const QString countWhere = sectionField(index, u"count");
    if (!object.contains(QStringLiteral("count"))) refuse(countWhere, QStringLiteral("yazılmamış."));
    const std::optional<int64_t> count = wholeNumber(object.value(QStringLiteral("count")));
    if (!count || *count < 1 || *count > limits::kMostSectionExercises)
        refuse(countWhere, QStringLiteral("1 ile %1 arasında bir tam sayı olmalı, %2 değil.")
                               .arg(limits::kMostSectionExercises)
                               .arg(jsonTypeName(object.value(QStringLiteral("count")))));
    section.count = static_cast<int>(*count);
    if (object.contains(QStringLiteral("heading")))
        section.heading = printableText(object.value(QStringLiteral("heading")),
                                        sectionField(index, u"heading"))
                              .trimmed();
    if (object.contains(QStringLiteral("regroup")))
        section.regroup = flag(object.value(QStringLiteral("regroup")), sectionField(index, u"regroup"));
    if (object.contains(QStringLiteral("repeat")))
        section.repeat = flag(object.value(QStringLiteral("repeat")), sectionField(index, u"repeat"));
    return section;
}

}  // namespace

QString sectionField(int index, QStringView field) {
    return QStringLiteral("%1. bölüm, \"%2\": ").arg(index + 1).arg(field);
}

QString paperName(Paper paper) {
    return paper == Paper::A5 ? QStringLiteral("A5") : QStringLiteral("A4");
}

SheetPreset parsePreset(const QByteArray& json) {
    if (json.size() > limits::kMostPresetBytes)
        refuse({}, QStringLiteral("Şablon en çok %1 KB olabilir; bu %2 KB.")
                       .arg(limits::kMostPresetBytes / 1024)
                       .arg((json.size() + 1023) / 1024));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        refuse({}, QStringLiteral("Şablon geçerli bir JSON belgesi değil: %1 (%2. baytta).")
                       .arg(parseErrorText(error.error))
                       .arg(error.offset + 1));
    if (!document.isObject())
        refuse({}, QStringLiteral("Şablon bir JSON nesnesi ({…}) olmalı."));
    const QJsonObject object = document.object();
    refuseUnknownFields(object,
                        {QStringLiteral("title"), QStringLiteral("paper"), QStringLiteral("time"),
                         QStringLiteral("sections")},
                        QStringLiteral("Şablonda "));
    SheetPreset preset;
    if (object.contains(QStringLiteral("title")))
        preset.title = printableText(object.value(QStringLiteral("title")), topField(u"title")).trimmed();
    if (object.contains(QStringLiteral("paper"))) {
        const QJsonValue paper = object.value(QStringLiteral("paper"));
        if (paper == QJsonValue(QStringLiteral("A5")))
            preset.paper = Paper::A5;
        else if (paper != QJsonValue(QStringLiteral("A4")))
            refuse(topField(u"paper"),
                   QStringLiteral("\"A4\" ya da \"A5\" olmalı, %1 değil.").arg(jsonTypeName(paper)));
    }
    if (object.contains(QStringLiteral("time"))) {
        preset.time = wholeNumber(object.value(QStringLiteral("time")));
        if (!preset.time)
            refuse(topField(u"time"),
                   QStringLiteral("1970'ten bu yana geçen saniyeler, bir tam sayı olmalı, %1 değil.")
                       .arg(jsonTypeName(object.value(QStringLiteral("time")))));
    }
    const QJsonValue sections = object.value(QStringLiteral("sections"));
    if (!sections.isArray() || sections.toArray().isEmpty())
        refuse(topField(u"sections"),
               QStringLiteral("en az bir bölümü olan bir dizi olmalı."));
    const QJsonArray list = sections.toArray();
    if (list.size() > limits::kMostSections)
        refuse(topField(u"sections"), QStringLiteral("en çok %1 bölüm olabilir, %2 değil.")
                                          .arg(limits::kMostSections)
                                          .arg(list.size()));
    int total = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        preset.sections.push_back(readSection(list[i], static_cast<int>(i)));
        total += preset.sections.back().count;
    }
    if (total > limits::kMostMixedSheetExercises)
        refuse(topField(u"sections"),
               QStringLiteral("bölümlerin alıştırma sayıları toplamı en çok %1 olabilir, %2 değil.")
                   .arg(limits::kMostMixedSheetExercises)
                   .arg(total));
    return preset;
}

SheetPreset readPresetFile(const QString& path) {
    QFile file(path);
    const QFileInfo info(path);
    if (info.isDir())
        throw FileError(QStringLiteral("'%1' bir klasör; bir şablon dosyası (.zarvik) veriniz.").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("'%1' şablon dosyası açılamadı: %2.")
                            .arg(path, file.error() == QFileDevice::OpenError && !info.exists()
                                           ? QStringLiteral("böyle bir dosya yok")
                                           : file.errorString()));
    // One byte more than the limit is enough to tell a file too large.
    const QByteArray bytes = file.read(limits::kMostPresetBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("'%1' şablon dosyası okunamadı: %2.").arg(path, file.errorString()));
    try {
        return parsePreset(bytes);
    } catch (const PresetRefused& e) {
        throw PresetRefused(QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), e.message()));
    }
}

QByteArray presetJson(const SheetPreset& preset) {
    QString json = QStringLiteral("{\n");
    json += QStringLiteral("  \"title\": %1,\n").arg(jsonString(preset.title));
    json += QStringLiteral("  \"paper\": %1,\n").arg(jsonString(paperName(preset.paper)));
    if (preset.time) json += QStringLiteral("  \"time\": %1,\n").arg(*preset.time);
    json += QStringLiteral("  \"sections\": [");
    for (size_t i = 0; i < preset.sections.size(); ++i) {
        const PresetSection& s = preset.sections[i];
        QStringList args;
        for (const QString& arg : s.args)
            args << jsonString(arg);
        json += i == 0 ? QStringLiteral("\n") : QStringLiteral(",\n");
        // Both at once: an argument may itself hold "%1" or "%2".
        json += QStringLiteral("    {\"args\": [%1], \"count\": %2")
                    .arg(args.join(QStringLiteral(", ")), QString::number(s.count));
        if (!s.heading.isEmpty()) json += QStringLiteral(", \"heading\": ") + jsonString(s.heading);
        if (s.regroup) json += QStringLiteral(", \"regroup\": true");
        if (s.repeat) json += QStringLiteral(", \"repeat\": true");
        json += u'}';
    }
    json += QStringLiteral("\n  ]\n}\n");
    return json.toUtf8();
}

}  // namespace zarvik
