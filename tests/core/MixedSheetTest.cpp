// Mixed sheets: presets refused with the section and field named before
// anything is drawn, carrying and borrowing read from exercises, the variety
// of a section counted and kept, and zarvik-cli sheet's runs repeatable.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QSet>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "mixed_sheets/core/MixedSection.h"
#include "mixed_sheets/core/MixedSheetSource.h"
#include "mixed_sheets/core/Regrouping.h"

using namespace zarvik;

namespace {

class NoMessages : public MessageSink {
  public:
    void showMessage(const QString&) override {}
};

const QStringList kCarryingSums{"column", "--op", "Toplama", "--prop", "Tek Basamaklı Sayılarla",
                                "--answers", "9;h"};

SheetPreset oneSection(const QStringList& args, int count, bool regroup = false, bool repeat = false) {
    SheetPreset preset;
    preset.sections.push_back({args, count, {}, regroup, repeat});
    return preset;
}

// The refusal's text, or empty when the preset is taken.
QString refusal(const SheetPreset& preset) {
    NoMessages messages;
    try {
        MixedSheetSource source(preset, {}, messages);
    } catch (const PresetRefused& e) {
        return e.message();
    }
    return {};
}

QString parseRefusal(const QByteArray& json) {
    try {
        parsePreset(json);
    } catch (const PresetRefused& e) {
        return e.message();
    }
    return {};
}

QString writePreset(const QTemporaryDir& dir, const QString& name, const QByteArray& json) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(json);
    return path;
}

}  // namespace

TEST(SheetPreset, FaultyFilesNameTheirSectionAndField) {
    const QByteArray section = R"({"args": ["text", "101", "--p1", "5"], "count": 5})";
    const struct {
        QByteArray json;
        const char* said;
    } cases[] = {
        {"{\"sections\": [", "geçerli bir JSON belgesi değil"},
        {"[1, 2]", "bir JSON nesnesi"},
        {"{\"sections\": [" + section + "], \"cout\": 3}", "\"cout\" diye bir alan yok"},
        {"{\"sections\": []}", "\"sections\": en az bir bölümü"},
        {"{\"paper\": \"A3\", \"sections\": [" + section + "]}", "\"paper\": \"A4\" ya da \"A5\""},
        {"{\"time\": 1.5, \"sections\": [" + section + "]}", "\"time\": 1970'ten"},
        {"{\"title\": \"a\\u0007b\", \"sections\": [" + section + "]}", "denetim karakteri"},
        {"{\"sections\": [" + section + ", {\"args\": [\"text\"], \"count\": 0}]}",
         "2. bölüm, \"count\": 1 ile 500 arasında"},
        {"{\"sections\": [{\"args\": [\"text\", 101], \"count\": 5}]}", "1. bölüm, \"args\": yalnız metinler"},
        {"{\"sections\": [{\"count\": 5}]}", "1. bölüm, \"args\": yazılmamış"},
        {"{\"sections\": [{\"args\": [\"text\"], \"count\": 5, \"regroup\": 1}]}",
         "1. bölüm, \"regroup\": true ya da false"},
        {"{\"sections\": [" + (section + ",").repeated(3) +
             R"({"args": ["text"], "count": 500}, {"args": ["text"], "count": 500}]})",
         "toplamı en çok 1000"},
        {QByteArray(70 * 1024, ' ') + "{}", "en çok 64 KB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json.left(80).toStdString());
        EXPECT_TRUE(parseRefusal(c.json).contains(QString::fromUtf8(c.said)))
            << parseRefusal(c.json).toStdString();
    }
}

TEST(SheetPreset, WrittenFileReadsBackTheSame) {
    SheetPreset preset;
    preset.title = QStringLiteral("3. sınıf · \"12.\" hafta");
    preset.paper = Paper::A5;
    preset.time = -1733788800;
    preset.sections = {{{"column", "--op", "Toplama", "--prop", "Eldesiz Toplama"}, 12, "Toplayınız.", true, false},
                       {{"text", "603"}, 3, {}, false, true},
                       // Place markers in a text must not take the count's place.
                       {{"activity", "--kind", "%0 %1 %2"}, 4, "%1", false, false}};
    EXPECT_EQ(parsePreset(presetJson(preset)), preset);
    preset.time.reset();
    EXPECT_EQ(parsePreset(presetJson(preset)), preset);
}

TEST(MixedSection, ChoicesAFamilyCannotDrawAreRefusedBeforeDrawing) {
    const struct {
        QStringList args;
        bool regroup;
        const char* said;
    } cases[] = {
        {{"columns", "--op", "Toplama"}, false, "1. bölüm, \"args\": ilk metin bir alıştırma ailesi"},
        {{"sheet", "3-sinif-12-hafta"}, false, "ilk metin bir alıştırma ailesi"},
        {{"column", "--op", "Toplma", "--prop", "Eldesiz Toplama"}, false, "--op için 'Toplma'"},
        // Both lists hold the texts, but not together: no problems at all.
        {{"column", "--op", "Çarpma", "--prop", "Eldesiz Toplama"}, false, "hiç alıştırma çıkmıyor"},
        {{"text", "101", "--p1", "0"}, false, "1. bölüm, \"args\": "},
        {{"text", "101", "--count", "5"}, false, "\"count\" verir"},
        {{"activity", "--kind", "Saat Okuma", "--opt", "Hassasiyet=2 dakika"}, false, "2 dakika"},
        {{"fraction", "--op", "Toplama", "--type", "Basit Kesir", "--denominators", "Paydaları Eşit"},
         true, "\"regroup\": elde ya da onluk bozma yalnız"},
        {{"column", "--op", "Toplama", "--prop", "Eldesiz Toplama", "--answers", "3"}, true,
         "\"regroup\": bu seçimlerle her işlemde elde"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        EXPECT_TRUE(refusal(oneSection(c.args, 5, c.regroup)).contains(QString::fromUtf8(c.said)))
            << refusal(oneSection(c.args, 5, c.regroup)).toStdString();
    }
}

TEST(Regrouping, ReadFromStackedProblemsAndLines) {
    const struct {
        ExerciseShape shape;
        const char* text;
        Regrouping expected;
    } cases[] = {
        {ExerciseShape::Column, "45 + 78", Regrouping::Regroups},
        {ExerciseShape::Column, "45 + 13", Regrouping::None},
        {ExerciseShape::Column, "995 + 5", Regrouping::Regroups},
        {ExerciseShape::Line, "45+13+42=", Regrouping::Regroups},  // 5 + 3 + 2 = 10
        {ExerciseShape::Line, "3,25+1,5=", Regrouping::None},
        {ExerciseShape::Line, "3,75+1,5=", Regrouping::Regroups},
        {ExerciseShape::Column, "52 - 27", Regrouping::Regroups},
        {ExerciseShape::Column, "57 - 23", Regrouping::None},
        {ExerciseShape::Column, "5 - 5", Regrouping::None},
        {ExerciseShape::Line, "5,3-2,45=", Regrouping::Regroups},  // 5,30: 0 below 5
        {ExerciseShape::Column, "123 x 3", Regrouping::None},
        {ExerciseShape::Column, "125 x 3", Regrouping::Regroups},
        {ExerciseShape::Line, "12X34=", Regrouping::None},
        {ExerciseShape::Line, "5 + ___ = 12", Regrouping::NotArithmetic},
        {ExerciseShape::Line, "12+3-4=", Regrouping::NotArithmetic},
        {ExerciseShape::LongDivision, "84 ÷ 4", Regrouping::NotArithmetic},
    };
    for (const auto& c : cases) {
        Exercise e;
        e.shape = c.shape;
        e.text = QString::fromUtf8(c.text);
        EXPECT_EQ(regroupingOf(e), c.expected) << c.text;
    }
}

TEST(MixedSection, CountsTheDifferentExercisesOfAKind) {
    NoMessages messages;
    // One-digit sums without zeros that carry: 1 + 9, 2 + 8, 2 + 9, …: 45.
    MixedSection carrying({kCarryingSums, 10, {}, true, false}, 0, Paper::A4, {}, messages);
    const SectionVariety& few = carrying.variety(100);
    EXPECT_TRUE(few.complete);
    EXPECT_EQ(few.distinct, 45);
    // "Çarpım tablosu" up to 2: 2 x 2 … 9 x 2.
    MixedSection table({{"column", "--op", "Çarpma", "--prop", "Çarpım tablosu", "--answers", "2"}, 5, {}, false, false},
                       0, Paper::A4, {}, messages);
    EXPECT_EQ(table.variety(100).distinct, 8);
    EXPECT_TRUE(table.variety(100).complete);
    // Plenty: the count stops once it has what is asked.
    MixedSection many({{"column", "--op", "Toplama", "--prop", "Eldeli sayılarla karışık", "--answers", "3"}, 10, {}, false, false},
                      0, Paper::A4, {}, messages);
    EXPECT_GE(many.variety(300).distinct, 300);
    EXPECT_FALSE(many.variety(300).complete);
}

TEST(MixedSection, TakesDifferentExercisesThatRegroupAndRepeatsOnlyWhenAccepted) {
    NoMessages messages;
    for (int64_t seed = 1; seed <= 20; ++seed) {
        RandomDraw random;
        random.seed(seed);
        MixedSection borrowing({{"column", "--op", "Çıkarma", "--prop", "Onluk bozarak çıkarma", "--answers", "2"},
                                40, {}, true, false},
                               0, Paper::A4, {}, messages);
        QSet<QString> seen;
        for (const Exercise& e : borrowing.draw(random)) {
            EXPECT_EQ(regroupingOf(e), Regrouping::Regroups) << e.text.toStdString();
            EXPECT_FALSE(seen.contains(e.text)) << e.text.toStdString();
            seen.insert(e.text);
        }
        EXPECT_EQ(seen.size(), 40);
    }
    // 60 of the 45 carrying sums: every one of them before any comes again.
    RandomDraw random;
    random.seed(7);
    MixedSection carrying({kCarryingSums, 60, {}, true, true}, 0, Paper::A4, {}, messages);
    carrying.variety(60);
    const ExerciseList drawn = carrying.draw(random);
    ASSERT_EQ(drawn.size(), 60u);
    QSet<QString> first;
    for (size_t i = 0; i < 45; ++i)
        first.insert(drawn[i].text);
    EXPECT_EQ(first.size(), 45);
}

// A section converts only the first problems of a column page it needs; what
// it takes is still what whole pages give, in their order.
TEST(MixedSection, TakesWhatWholePagesGiveInTheirOrder) {
    NoMessages messages;
    const QStringList borrowing{"column", "--op", "Çıkarma", "--prop", "Onluk bozarak çıkarma",
                                "--answers", "2"};
    for (const PresetSection& section :
         {PresetSection{borrowing, 10, {}, false, false}, PresetSection{borrowing, 70, {}, true, false}}) {
        MixedSection mixed(section, 0, Paper::A4, {}, messages);
        RandomDraw random;
        random.seed(11);
        const ExerciseList drawn = mixed.draw(random);

        const auto pages = sheetSourceOf(sectionCommandLine(section, Paper::A4), {}, messages);
        pages->setNeeds({false, true, false, false});
        RandomDraw same;
        same.seed(11);
        QStringList expected;
        QSet<QString> held;
        while (expected.size() < section.count) {
            pages->prepareNext(same);
            for (const Exercise& e : pages->sheetExercises()) {
                if (section.regroup && regroupingOf(e) != Regrouping::Regroups) continue;
                if (held.contains(exerciseIdentity(e))) continue;
                held.insert(exerciseIdentity(e));
                expected << e.key;
                if (expected.size() == section.count) break;
            }
        }
        QStringList keys;
        for (const Exercise& e : drawn)
            keys << e.key;
        EXPECT_EQ(keys, expected);
        // The shared draw went on exactly as far.
        EXPECT_EQ(random.low(), same.low());
        EXPECT_EQ(random.high(), same.high());
    }
}

TEST(MixedSheetSource, ShortSectionsAreFoundForASheetAndForASet) {
    NoMessages messages;
    SheetPreset preset = oneSection(kCarryingSums, 60, true);
    preset.sections.push_back({kCarryingSums, 10, {}, true, false});
    MixedSheetSource source(preset, {}, messages);
    const std::vector<VarietyShortage> alone = source.shortages(1);
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_TRUE(alone[0].inSheet);
    EXPECT_EQ(alone[0].distinct, 45);
    EXPECT_TRUE(alone[0].text().contains(QStringLiteral("yalnız 45 farklı")));
    // Five sheets of ten need fifty: the set shares exercises.
    const std::vector<VarietyShortage> set = source.shortages(5);
    ASSERT_EQ(set.size(), 2u);
    EXPECT_FALSE(set[1].inSheet);
    EXPECT_EQ(set[1].wanted, 50);
}

TEST(SheetCommand, APresetGivesTheSameSheetsAgainAndWarnsOfRepeats) {
    QTemporaryDir dir;
    const QByteArray example = R"({"title": "3. sınıf · 12. hafta", "paper": "A4", "time": 1733788800,
 "sections": [
  {"args": ["column", "--op", "Toplama", "--prop", "Eldeli sayılarla karışık", "--answers", "3"], "count": 10},
  {"args": ["text", "202", "--p1", "3", "--p2", "3"], "count": 10, "heading": "Çıkarma işlemlerini yapınız."},
  {"args": ["activity", "--kind", "Saat Okuma", "--opt", "Hassasiyet=Çeyrek saat"], "count": 4},
  {"args": ["activity", "--kind", "Eksik Sayı"], "count": 6}]})";
    const QString path = writePreset(dir, QStringLiteral("hafta.zarvik"), example);
    const QStringList json{QStringLiteral("--json"), QStringLiteral("--date"), QStringLiteral("1/1/2025")};
    const test::CliResult first = test::runCli(QStringList{"sheet", path} + json);
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    // The preset's time is the draw's, as --time would give it.
    EXPECT_EQ(test::runCli(QStringList{"sheet", path} + json).out, first.out);
    EXPECT_EQ(test::runCli(QStringList{"sheet", path, "--time", "1733788800"} + json).out, first.out);
    EXPECT_NE(test::runCli(QStringList{"sheet", path, "--time", "1"} + json).out, first.out);
    const QJsonObject sheet = QJsonDocument::fromJson(first.out).object();
    const QJsonArray exercises = sheet[QStringLiteral("exercises")].toArray();
    ASSERT_EQ(exercises.size(), 30);
    EXPECT_EQ(exercises[29].toObject()[QStringLiteral("number")].toInt(), 30);
    const QJsonArray sections = sheet[QStringLiteral("sections")].toArray();
    EXPECT_EQ(sections[1].toObject()[QStringLiteral("heading")].toString(),
              QStringLiteral("Çıkarma işlemlerini yapınız."));
    EXPECT_EQ(sections[2].toObject()[QStringLiteral("first")].toInt(), 21);
    EXPECT_EQ(exercises[20].toObject()[QStringLiteral("shape")].toString(), QStringLiteral("clock"));

    // A set's key holds every exercise's answer under its sheet, numbered as
    // on the sheet.
    const QString keyPath = dir.filePath(QStringLiteral("set.txt"));
    const QStringList set2{QStringLiteral("--sheets"), QStringLiteral("2")};
    ASSERT_EQ(test::runCli(QStringList{"sheet", path, "--answer-key", "-o", keyPath} + set2).exitCode, 0);
    QFile keyFile(keyPath);
    ASSERT_TRUE(keyFile.open(QIODevice::ReadOnly));
    const QString listing = QStringDecoder("windows-1254").decode(keyFile.readAll());
    const QJsonArray sheets =
        QJsonDocument::fromJson(test::runCli(QStringList{"sheet", path, "--json"} + set2).out).array();
    ASSERT_EQ(sheets.size(), 2);
    const QString key = listing.mid(listing.lastIndexOf(QStringLiteral("1. sayfa\r\n")));
    const qsizetype second = key.indexOf(QStringLiteral("2. sayfa\r\n"));
    ASSERT_GT(second, 0);
    for (int s = 0; s < 2; ++s) {
        const QString block = s == 0 ? key.left(second) : key.mid(second);
        for (const QJsonValue& e : sheets[s].toObject()[QStringLiteral("exercises")].toArray()) {
            const QJsonObject exercise = e.toObject();
            const QRegularExpression line(
                QStringLiteral("(^|\\n)%1\\) [^\\r]*%2\\r")
                    .arg(exercise[QStringLiteral("number")].toInt())
                    .arg(QRegularExpression::escape(exercise[QStringLiteral("answer")].toString())));
            EXPECT_TRUE(line.match(block).hasMatch())
                << s << ": " << exercise[QStringLiteral("number")].toInt();
        }
    }

    // Sixty carrying one-digit sums: refused unless repeats are accepted; a
    // set that must share exercises between pupils is only warned of.
    const auto carrying = [&](const char* more) {
        return writePreset(dir, QStringLiteral("elde.zarvik"),
                           QByteArray(R"({"sections": [{"args": ["column", "--op", "Toplama", "--prop",
                                       "Tek Basamaklı Sayılarla", "--answers", "9;h"], "regroup": true, )") +
                               more + "}]}");
    };
    const test::CliResult refused = test::runCli({"sheet", carrying(R"("count": 60)"), "--json"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(QString::fromUtf8(refused.err).contains(QStringLiteral("yalnız 45 farklı alıştırma var")))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());
    const test::CliResult accepted =
        test::runCli({"sheet", carrying(R"("count": 60, "repeat": true)"), "--json"});
    EXPECT_EQ(accepted.exitCode, 0) << accepted.err.toStdString();
    const test::CliResult set = test::runCli({"sheet", carrying(R"("count": 10)"), "--json", "--sheets", "6"});
    EXPECT_EQ(set.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(set.err).contains(QStringLiteral("uyarı"))) << set.err.toStdString();
}

TEST(SheetCommand, UnknownPresetsAndAnA4TwoUpAreRefused) {
    const test::CliResult missing = test::runCli({"sheet", "yok-boyle-bir-sablon"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(QString::fromUtf8(missing.err).contains(QStringLiteral("hazır şablonlar: 1-sinif")));
    const test::CliResult twoUp = test::runCli({"sheet", "3-sinif-12-hafta", "--two-up", "-o", "x.pdf"});
    EXPECT_EQ(twoUp.exitCode, 2);
    EXPECT_TRUE(QString::fromUtf8(twoUp.err).contains(QStringLiteral("\"paper\": \"A5\"")));
}
