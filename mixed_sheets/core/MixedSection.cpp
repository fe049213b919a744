#include "mixed_sheets/core/MixedSection.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>

#include "mixed_sheets/core/Regrouping.h"
#include "mixed_sheets/core/SectionForms.h"

namespace zarvik {

namespace {

// The draw the variety is counted on: always the same, so a preset is
// judged alike on every run and machine.
constexpr int64_t kSamplingTime = 1733788800;
// So many exercises in a row without a new one, and the count is taken as
// complete (at least a thousand, and twenty for each different one found):
// an exercise a draw gives once in 81 is missed with a chance of 1 in 200,000.
constexpr int kQuietDraws = 1000;
constexpr int kQuietPerDistinct = 20;
// Counting stops here whatever it found; so does a section's draw that
// cannot find its different exercises.
constexpr int kMostSampledExercises = 60000;
constexpr int kMostDrawnPerExercise = 50;
constexpr int kLeastDrawBudget = 20000;

class NoMessages : public MessageSink {
  public:
    void showMessage(const QString&) override {}
};

// A family's message once per section, saying which section it is about.
class SectionMessages : public MessageSink {
  public:
    SectionMessages(MessageSink& to, int index) : to_(to), index_(index) {}
    void showMessage(const QString& text) override {
        if (told_.contains(text)) return;
        told_.insert(text);
        to_.showMessage(QStringLiteral("%1. bölüm: %2").arg(index_ + 1).arg(text));
    }

  private:
    MessageSink& to_;
    int index_;
    QSet<QString> told_;
};

bool hasOption(const QStringList& args, QStringView name) {
    for (const QString& arg : args) {
        QStringView word(arg);
        if (!word.startsWith(u'-')) continue;
        word = word.mid(word.startsWith(u"--") ? 2 : 1);
        if (word == name || word.startsWith(name.toString() + u'=')) return true;
    }
    return false;
}

[[noreturn]] void refuseArgs(int index, const QString& why) {
    throw PresetRefused(sectionField(index, u"args") + why);
}

QString errorText(const Error& e) {
    return e.advice().isEmpty() ? e.message() : e.advice() + QStringLiteral(" (") + e.message() + u')';
}

// A family's choice must be one its list offers, where its option has a list.
void refuseUnlisted(const QCommandLineParser& parser, const Family& family, int index) {
    for (const FamilyOption& option : family.options()) {
        if (option.valueName.isEmpty() || option.values.isEmpty()) continue;
        for (const QString& value : parser.values(option.names.front()))
            if (!option.values.contains(value))
                refuseArgs(index, QStringLiteral("--%1 için '%2' diye bir seçim yok.")
                                      .arg(option.names.front(), quotedValue(value)));
    }
    const QStringList positional = parser.positionalArguments();
    const QStringList listed = family.positionalValues();
    if (!listed.isEmpty())
        for (const QString& value : positional)
            if (!listed.contains(value))
                refuseArgs(index, QStringLiteral("%1 olarak '%2' diye bir seçim yok.")
                                      .arg(family.positional(), quotedValue(value)));
}

// The sheet's "title" among the family's JSON fields, if it has one.
QString jsonTitle(SheetSource& source) {
    const QJsonDocument fields =
        QJsonDocument::fromJson((u'{' + source.sheetJsonFields() + u'}').toUtf8());
    return fields.object().value(QStringLiteral("title")).toString().trimmed();
}

}  // namespace

QString exerciseIdentity(const Exercise& exercise) {
    return shapeName(exercise.shape) + u'\x1f' + exercise.text + u'\x1f' + exercise.answer;
}

QStringList sectionCommandLine(const PresetSection& section, Paper paper) {
    QStringList line = section.args;
    const QString command = line.value(0);
    if (command == QLatin1String("column") && !hasOption(line, u"page"))
        line << QStringLiteral("--page") << (paper == Paper::A5 ? QStringLiteral("a5") : QStringLiteral("a4"));
    if (command == QLatin1String("text") && !hasOption(line, u"count"))
        line << QStringLiteral("--count") << QString::number(section.count);
    return line;
}

bool canRegroup(const QStringList& args, Paper paper) {
    if (args.value(0) == QLatin1String("sheet")) return false;
    NoMessages quiet;
    try {
        PresetSection section;
        section.args = args;
        const std::unique_ptr<SheetSource> source =
            sheetSourceOf(sectionCommandLine(section, paper), {}, quiet);
        source->setNeeds({false, true, false, false});
        RandomDraw random;
        random.seed(kSamplingTime);
        source->prepareNext(random);
        const ExerciseList exercises = source->sheetExercises();
        return !exercises.empty() &&
               std::none_of(exercises.begin(), exercises.end(), [](const Exercise& e) {
                   return regroupingOf(e) == Regrouping::NotArithmetic;
               });
    } catch (const Error&) {
    } catch (const UsageError&) {
    }
    return false;
}

struct MixedSection::Sampler {
    NoMessages quiet;
    std::unique_ptr<SheetSource> source;
    RandomDraw random;
    QSet<QString> seen;
    int examined = 0;
    int sinceNew = 0;
    bool exhausted = false;
};

MixedSection::MixedSection(const PresetSection& section, int index, Paper paper,
                           const SheetFooter& footer, MessageSink& messages)
    : section_(section), index_(index), sampler_(std::make_unique<Sampler>()) {
    const QString command = section.args.value(0);
    const Family* family = familyOfCommand(command);
    if (!family || command == QLatin1String("sheet")) {
        QStringList commands;
        for (const Family* known : families())
            if (known->command() != QLatin1String("sheet")) commands << known->command();
        refuseArgs(index, QStringLiteral("ilk metin bir alıştırma ailesi olmalı (%1), '%2' değil.")
                              .arg(commands.join(QStringLiteral(", ")), quotedValue(command)));
    }
    if (command == QLatin1String("text") && hasOption(section.args, u"count"))
        refuseArgs(index, QStringLiteral("bir metin bölümünün alıştırma sayısını \"count\" verir; "
                                         "--count yazmayınız."));
    commandLine_ = sectionCommandLine(section, paper);

    QCommandLineParser parser;
    addFamilyOptions(parser, *family);
    try {
        parseCommandLine(parser, commandLine_.mid(1));
        refuseStrayArguments(parser, *family);
        refuseUnlisted(parser, *family, index);
        auto sink = std::make_unique<SectionMessages>(messages, index);
        source_ = family->sheetSource(parser, footer, *sink);
        sampler_->source = family->sheetSource(parser, footer, sampler_->quiet);
        sectionMessages_ = std::move(sink);
    } catch (const UsageError& e) {
        refuseArgs(index, e.message);
    }
    const SheetNeeds needs{false, true, false, false};
    source_->setNeeds(needs);
    sampler_->source->setNeeds(needs);
    sampler_->random.seed(kSamplingTime);

    // The trial sheet: what the family refuses only when drawing is refused now.
    try {
        variety(section.count);
    } catch (const PresetRefused&) {
        throw;
    } catch (const Error& e) {
        refuseArgs(index, errorText(e));
    }
    if (sampler_->examined == 0)
        refuseArgs(index, QStringLiteral("bu seçimlerle hiç alıştırma çıkmıyor."));
    if (variety_.distinct == 0)
        throw PresetRefused(sectionField(index, u"regroup") +
                            QStringLiteral("bu seçimlerle her işlemde elde ya da onluk bozma olan "
                                           "bir alıştırma çıkmıyor."));
    kindTitle_ = jsonTitle(*sampler_->source);
    if (kindTitle_.isEmpty()) kindTitle_ = kindLabel(section.args);
}

MixedSection::~MixedSection() = default;

QString MixedSection::heading() const {
    return section_.heading.isEmpty() ? kindTitle_ : section_.heading;
}

const SectionVariety& MixedSection::variety(int wanted) {
    Sampler& s = *sampler_;
    while (!variety_.complete && variety_.distinct < wanted && !s.exhausted) {
        s.source->prepareNext(s.random);
        const ExerciseList exercises = s.source->sheetExercises();
        if (exercises.empty()) {
            s.exhausted = true;
            break;
        }
        for (const Exercise& e : exercises) {
            ++s.examined;
            ++s.sinceNew;
            if (section_.regroup) {
                const Regrouping regrouping = regroupingOf(e);
                if (regrouping == Regrouping::NotArithmetic)
                    throw PresetRefused(sectionField(index_, u"regroup") +
                                        QStringLiteral("elde ya da onluk bozma yalnız toplama, "
                                                       "çıkarma ve çarpma bölümlerinde istenebilir."));
                if (regrouping == Regrouping::None) continue;
            }
            if (!s.seen.contains(exerciseIdentity(e))) {
                s.seen.insert(exerciseIdentity(e));
                s.sinceNew = 0;
            }
        }
        variety_.distinct = static_cast<int>(s.seen.size());
        const int quiet = std::max(kQuietDraws, kQuietPerDistinct * variety_.distinct);
        variety_.complete = s.sinceNew >= quiet;
        if (s.examined >= kMostSampledExercises) s.exhausted = true;
    }
    return variety_;
}

ExerciseList MixedSection::draw(RandomDraw& random) {
    const int count = section_.count;
    const int budget = std::max(kLeastDrawBudget, kMostDrawnPerExercise * count);
    ExerciseList taken;
    taken.reserve(static_cast<size_t>(count));
    QSet<QString> held;
    int examined = 0;
    while (static_cast<int>(taken.size()) < count) {
        source_->prepareNext(random);
        // A section mostly takes the first exercises of a page; the rest are
        // made only when some of those are refused.
        const qsizetype asked = count - static_cast<qsizetype>(taken.size());
        ExerciseList sheet = source_->firstExercises(asked);
        if (sheet.empty())
            throw Error(QStringLiteral("%1. bölümde alıştırma çıkmadı.").arg(index_ + 1));
        bool whole = static_cast<qsizetype>(sheet.size()) != asked;
        for (size_t i = 0;; ++i) {
            if (i == sheet.size()) {
                if (whole) break;
                whole = true;
                ExerciseList all = source_->sheetExercises();
                for (size_t k = sheet.size(); k < all.size(); ++k)
                    sheet.push_back(std::move(all[k]));
                if (i == sheet.size()) break;
            }
            Exercise& e = sheet[i];
            ++examined;
            if (section_.regroup && regroupingOf(e) != Regrouping::Regroups) continue;
            const QString identity = exerciseIdentity(e);
            // Accepted repeats come only once every different exercise is
            // on the sheet, or once the draw has gone on long.
            const bool repeatAllowed =
                section_.repeat && ((variety_.complete && held.size() >= variety_.distinct) ||
                                    examined > budget / 2);
            if (held.contains(identity) && !repeatAllowed) continue;
            held.insert(identity);
            e.number = static_cast<int>(taken.size()) + 1;
            taken.push_back(std::move(e));
            if (static_cast<int>(taken.size()) == count) break;
        }
        if (static_cast<int>(taken.size()) < count && examined > budget)
            throw Error(QStringLiteral("%1. bölümün %2 alıştırması birbirinden farklı "
                                       "çekilemedi; sayıyı azaltınız ya da tekrara izin veriniz.")
                            .arg(index_ + 1)
                            .arg(count));
    }
    return taken;
}

}  // namespace zarvik
