// The mixed sheets as a family: zarvik-cli sheet ŞABLON reads a preset file
// (or a shipped preset by name) and prepares its sheets as the "Karma Sayfa"
// window does.

#include <QFileInfo>

#include "common/core/ClassList.h"
#include "common/core/Errors.h"
#include "common/core/Family.h"
#include "mixed_sheets/core/MixedSheetSource.h"
#include "mixed_sheets/core/PresetLibrary.h"

namespace zarvik {

namespace {

// Says which command a section's message comes from.
class Prefixed : public MessageSink {
  public:
    explicit Prefixed(MessageSink& to) : to_(to) {}
    void showMessage(const QString& text) override {
        to_.showMessage(QStringLiteral("zarvik-cli sheet: ") + text);
    }

  private:
    MessageSink& to_;
};

// The source and the sink its sections tell their messages through.
class CommandSource : public MixedSheetSource {
  public:
    CommandSource(SheetPreset preset, const SheetFooter& footer, std::unique_ptr<Prefixed> sink)
        : MixedSheetSource(std::move(preset), footer, *sink), sink_(std::move(sink)) {}

  private:
    std::unique_ptr<Prefixed> sink_;
};

bool given(const QCommandLineParser& parser, const QString& name) {
    // optionNames() holds what was typed; it asks nothing of options the
    // parser was not told of (a section's own parser has no shared options).
    return parser.optionNames().contains(name);
}

// The sheets a run asks for, to warn of a set that must repeat exercises.
// A bad value is left for the class-set options' own checks.
int plannedSheets(const QCommandLineParser& parser) {
    int sheets = 1;
    if (given(parser, QStringLiteral("sheets")))
        sheets = std::max(1, parser.value(QStringLiteral("sheets")).toInt());
    // Only a regular file is read here: a pipe read now would be empty when
    // the class set reads it.
    if (given(parser, QStringLiteral("names")) &&
        QFileInfo(parser.value(QStringLiteral("names"))).isFile()) {
        try {
            sheets = std::max<int>(1, static_cast<int>(
                                          readClassList(parser.value(QStringLiteral("names"))).size()));
        } catch (const Error&) {
        }
    }
    return sheets;
}

// The shipped presets' names, wrapped at 78 columns after the given indent.
QString shippedNames(int indent = 0) {
    QString text, line;
    const std::vector<ShippedPreset> presets = shippedPresets();
    for (size_t i = 0; i < presets.size(); ++i) {
        const QString word = presets[i].name + (i + 1 < presets.size() ? QStringLiteral(",") : QString());
        if (!line.isEmpty() && indent > 0 && indent + line.size() + 1 + word.size() > 78) {
            text += line + u'\n' + QString(indent, u' ');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return presets.empty() ? QStringLiteral("yok") : text + line;
}

class MixedFamily : public Family {
  public:
    QString command() const override { return QStringLiteral("sheet"); }
    QString summary() const override {
        return QStringLiteral("karma sayfa: her aileden alıştırmalar bir şablondan (.zarvik)");
    }
    QString synopsis() const override { return QStringLiteral("ŞABLON"); }
    QString positional() const override { return QStringLiteral("ŞABLON"); }
    QStringList positionalValues() const override {
        QStringList names;
        for (const ShippedPreset& preset : shippedPresets())
            names << preset.name;
        return names;
    }
    bool hasHalfPageSheets() const override { return true; }
    QString halfPageSheetsNote() const override { return QStringLiteral("A5 şablonlar"); }
    QString help() const override {
        return QStringLiteral(
                   "\"Karma Sayfa\" penceresinin hazırladığı gibi, bölüm bölüm her aileden\n"
                   "alıştırmalar içeren bir sayfa hazırlar (A4 ya da A5, gerekirse birkaç sayfa).\n"
                   "\n"
                   "  ŞABLON   bir şablon dosyası (.zarvik) ya da hazır bir şablonun adı:\n"
                   "           %1\n"
                   "\n"
                   "Şablon küçük bir JSON dosyasıdır:\n"
                   "  {\"title\": \"3. sınıf · 12. hafta\", \"paper\": \"A4\", \"time\": 1733788800,\n"
                   "   \"sections\": [{\"args\": [\"text\", \"202\"], \"count\": 10,\n"
                   "                 \"heading\": \"Çıkarma işlemlerini yapınız.\"}]}\n"
                   "Bir bölümün \"args\" alanı bir ailenin komutu ve zarvik-cli'deki seçenekleridir;\n"
                   "\"count\" o bölümden kaç alıştırma alınacağını söyler. İsteğe bağlı alanlar:\n"
                   "\"heading\" (bölüm başlığı), \"regroup\": true (toplama, çıkarma ve çarpmada\n"
                   "her işlemde elde ya da onluk bozma), \"repeat\": true (türün farklı alıştırması\n"
                   "yetmezse bir bölümde tekrara izin). \"time\" verilirse --time yazılmadığında\n"
                   "çekiliş o andan başlar: aynı dosya her yerde aynı alıştırmaları verir.\n"
                   "\n"
                   "-o ve --json yazılmazsa alıştırmalar bölüm bölüm satır satır yazılır.\n")
            .arg(shippedNames(11));
    }
    QStringList example() const override { return {QStringLiteral("3-sinif-12-hafta")}; }
    std::vector<FamilyOption> options() const override { return {}; }

    std::unique_ptr<SheetSource> sheetSource(const QCommandLineParser& parser,
                                             const SheetFooter& footer,
                                             MessageSink& messages) const override {
        const QStringList positional = parser.positionalArguments();
        if (positional.size() != 1)
            throw UsageError{positional.isEmpty()
                                 ? QStringLiteral("ŞABLON (bir .zarvik dosyası ya da hazır bir "
                                                  "şablonun adı) yazılmamış.")
                                 : QStringLiteral("yalnız bir ŞABLON yazılabilir.")};
        const QString path = presetPath(positional.front());
        if (path.isEmpty())
            throw UsageError{QStringLiteral("'%1' diye bir şablon dosyası ya da hazır şablon yok "
                                            "(hazır şablonlar: %2).")
                                 .arg(quotedValue(positional.front()), shippedNames())};
        SheetPreset preset;
        try {
            preset = readPresetFile(path);
        } catch (const PresetRefused& e) {
            throw UsageError{e.message()};
        }
        if (given(parser, QStringLiteral("two-up")) && preset.paper != Paper::A5)
            throw UsageError{QStringLiteral("--two-up iki A5 sayfayı bir A4 sayfaya dizer; bu "
                                            "şablonun kâğıdı A4 (\"paper\": \"A5\" yazınız).")};
        std::unique_ptr<CommandSource> source;
        try {
            source = std::make_unique<CommandSource>(std::move(preset), footer,
                                                     std::make_unique<Prefixed>(messages));
        } catch (const PresetRefused& e) {
            throw UsageError{QFileInfo(path).fileName() + QStringLiteral(": ") + e.message()};
        }
        for (const VarietyShortage& shortage : source->shortages(plannedSheets(parser))) {
            if (shortage.accepted) continue;
            if (shortage.inSheet)
                throw UsageError{shortage.text() +
                                 QStringLiteral(" Sayıyı azaltınız ya da bölüme \"repeat\": true "
                                                "yazınız.")};
            messages.showMessage(QStringLiteral("zarvik-cli sheet: uyarı: ") + shortage.text());
        }
        // The preset's own draw, unless the command line names another.
        if (!given(parser, QStringLiteral("time"))) source->startAt(source->preset().time);
        return source;
    }
};

}  // namespace

const Family& mixed_sheetsFamily() {
    static const MixedFamily family;
    return family;
}

}  // namespace zarvik
