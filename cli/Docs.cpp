#include "cli/Docs.h"

#include <QLocale>

#include "cli/Runner.h"
#include "common/core/Family.h"

namespace zarvik::cli {

namespace {

// A block of help text as troff, kept as it is laid out.
QString preformatted(const QString& text) {
    QString out = QStringLiteral(".nf\n");
    for (QString line : text.split(u'\n')) {
        line.replace(u'\\', QStringLiteral("\\e"));
        line.replace(u'-', QStringLiteral("\\-"));
        if (line.startsWith(u'.') || line.startsWith(u'\'')) line.prepend(QStringLiteral("\\&"));
        out += line + u'\n';
    }
    if (out.endsWith(QStringLiteral("\n\n"))) out.chop(1);
    return out + QStringLiteral(".fi\n");
}

QString roman(QString text) {
    text.replace(u'\\', QStringLiteral("\\e"));
    text.replace(u'-', QStringLiteral("\\-"));
    return text;
}

QString shellQuoted(const QString& word) {
    static const QString plain = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_./=");
    for (const QChar c : word)
        if (!plain.contains(c)) return u'"' + word + u'"';
    return word;
}

// "Kesirler sayfası." from "kesirler sayfası".
QString sentence(const QString& text) {
    return QLocale(QLocale::Turkish).toUpper(text.left(1)) + text.mid(1) + u'.';
}

QString commandName(const Family& family) {
    return family.positional().isEmpty() ? family.command()
                                         : family.command() + u' ' + family.positional();
}

}  // namespace

QString manualPage() {
    QString page = QStringLiteral(
        ".\\\" zarvik-cli(1), made by 'zarvik-cli --manual-page' from the family registry.\n"
        ".TH ZARVIK-CLI 1 \"2008-10-01\" \"Zarvik " ZARVIK_VERSION "\" \"Kullanıcı Komutları\"\n"
        ".SH AD\n"
        "zarvik-cli \\- Zarvik çalışma sayfalarını pencere açmadan hazırlar\n"
        ".SH KULLANIM\n");
    for (const Family* family : families())
        page += QStringLiteral(".B zarvik-cli\n") + roman(family->command()) +
                QStringLiteral(" ") + roman(family->synopsis()) +
                QStringLiteral(" [ortak seçenekler]\n.br\n");
    page += QStringLiteral(
        ".B zarvik-cli\n"
        ".BR \\-\\-help | \\-\\-version\n"
        ".br\n"
        ".B zarvik-cli\n"
        ".I KOMUT\n"
        ".B \\-\\-help\n"
        ".SH AÇIKLAMA\n"
        ".B zarvik-cli\n"
        ".BR zarvik (1)\n"
        "programının pencerelerinin hazırladığı çalışma sayfalarını komut satırından,\n"
        "betikler ve toplu işler için hazırlar. Metin alıştırmaları\n"
        ".B Zarvik.txt\n"
        "dosyasına (Windows-1254, CR LF satır sonları) pencerenin yazdığıyla bayt bayt\n"
        "aynı yazılır; sayfalar PDF ya da PNG dosyası olarak kaydedilir, alıştırmalar\n"
        "ve cevapları metin ya da JSON olarak yazılır. Bir sınıfın her öğrencisine adı\n"
        "yazılı ayrı bir sayfa ve öğretmen için bir cevap anahtarı da hazırlanır. Her\n"
        "sayfa, telefonda açılıp cevapları denetlenen bir web sayfası (.html) olarak da\n"
        "yazılır; cevaplar sayfanın altında ya da anahtarda QR kodu olarak da basılır.\n"
        ".PP\n"
        "Seçenek değerleri pencerelerdeki listelerin Türkçe metinleridir ve harfi\n"
        "harfine karşılaştırılır; boşluk içeren değerler tırnak içinde yazılır.\n"
        ".SH KOMUTLAR\n");
    for (const Family* family : families())
        page += QStringLiteral(".SS \"") + roman(commandName(*family)) + QStringLiteral("\"\n") +
                roman(sentence(family->summary())) + QStringLiteral("\n.PP\n") +
                preformatted(family->help());
    page += QStringLiteral(".SH \"ORTAK SEÇENEKLER\"\nHer komutta:\n.PP\n") +
            preformatted(sharedOptionsHelp(true, true)) +
            QStringLiteral(
                ".SH \"GENEL SEÇENEKLER\"\n"
                ".TP\n"
                ".BR \\-\\-help \", \" \\-h\n"
                "Kullanımı ve komutları gösterir;\n"
                ".IB KOMUT \" \\-\\-help\"\n"
                "komutun seçeneklerini gösterir.\n"
                ".TP\n"
                ".B \\-\\-version\n"
                "Sürümü yazar.\n"
                ".SH \"ÇIKIŞ DURUMU\"\n"
                ".TP\n"
                ".B 0\n"
                "Sayfa hazırlandı.\n"
                ".TP\n"
                ".B 1\n"
                "Sayfa hazırlanamadı; nedeni Türkçe olarak standart hatadadır ve var olan dosya\n"
                "olduğu gibi kalır.\n"
                ".TP\n"
                ".B 2\n"
                "Yanlış kullanım.\n"
                ".SH ÖRNEKLER\n"
                ".nf\n");
    for (const Family* family : families()) {
        QStringList words{QStringLiteral("zarvik-cli"), family->command()};
        for (const QString& word : family->example())
            words << shellQuoted(word);
        words << QStringLiteral("-o") << family->command() + QStringLiteral(".pdf");
        page += roman(words.join(u' ')) + u'\n';
    }
    // A class's web pages, one a pupil, and a set whose sheets carry their answer codes.
    if (const Family* first = families().front()) {
        QStringList words{QStringLiteral("zarvik-cli"), first->command()};
        for (const QString& word : first->example())
            words << shellQuoted(word);
        page += roman((words + QStringList{QStringLiteral("--names sinif.txt -o odev/ --html")})
                          .join(u' ')) +
                u'\n' +
                roman((words + QStringList{QStringLiteral(
                                   "--names sinif.txt --answer-key --answer-qr sayfa -o sinif.pdf")})
                          .join(u' ')) +
                u'\n';
    }
    page += QStringLiteral(
        ".fi\n"
        ".SH \"İLGİLİ BELGELER\"\n"
        ".BR zarvik (1)\n");
    return page;
}

QStringList completions(const QStringList& words) {
    if (words.size() <= 1) {
        const QString current = words.value(0);
        if (current.startsWith(u'-')) return {QStringLiteral("--help"), QStringLiteral("--version")};
        QStringList commands;
        for (const Family* family : families())
            commands << family->command();
        return commands << QStringLiteral("help");
    }
    const Family* family = familyOfCommand(words.front());
    if (!family) return {};
    const QStringList typed = words.mid(1);
    const QString current = typed.back();
    const QString previous = typed.size() > 1 ? typed[typed.size() - 2] : QString();
    const std::vector<FamilyOption> options = family->options();
    for (const FamilyOption& option : options)
        for (const QString& name : option.names)
            if (!option.valueName.isEmpty() &&
                previous == (name.size() == 1 ? u'-' + name : QStringLiteral("--") + name))
                return family->completions(option, typed);
    for (const QString& takesValue :
         {QStringLiteral("-o"), QStringLiteral("--output"), QStringLiteral("--teacher"),
          QStringLiteral("--date"), QStringLiteral("--time"), QStringLiteral("--sheets"),
          QStringLiteral("--names")})
        if (previous == takesValue) return {};
    if (previous == QLatin1String("--answer-qr"))
        return {QStringLiteral("sayfa"), QStringLiteral("anahtar")};
    QStringList names;
    for (const FamilyOption& option : options)
        for (const QString& name : option.names)
            names << (name.size() == 1 ? u'-' + name : QStringLiteral("--") + name);
    names << sharedOptionNames(*family);
    if (current.startsWith(u'-') || family->positional().isEmpty()) return names;
    // The positional argument, once (the text kinds' codes).
    bool given = false;
    for (qsizetype i = 0; i + 1 < typed.size(); ++i) {
        if (typed[i].startsWith(u'-')) {
            bool flag = typed[i] == QLatin1String("--json") ||
                        typed[i] == QLatin1String("--answer-key") ||
                        typed[i] == QLatin1String("--html") ||
                        typed[i] == QLatin1String("--two-up");
            for (const FamilyOption& option : options)
                if (option.valueName.isEmpty() && typed[i] == QStringLiteral("--") + option.names.front())
                    flag = true;
            if (!flag && !typed[i].contains(u'=')) ++i;
            continue;
        }
        given = true;
    }
    return given ? names : family->positionalValues();
}

}  // namespace zarvik::cli
