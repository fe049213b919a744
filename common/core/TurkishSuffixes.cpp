#include "common/core/TurkishSuffixes.h"

#include <QStringList>
#include <array>
#include <stdexcept>

#include "common/core/AnswerFormat.h"

namespace zarvik::turkish {

namespace {

// ---- the data ----

struct SuffixForm {
    Suffix suffix;
    QStringView pattern;
    // After a possessive the cases take the pronominal n: bilyesini, bilyesine.
    QStringView afterPossessive;
};

constexpr std::array<SuffixForm, 13> kSuffixes = {{
    {Suffix::Plural, u"lAr", u"lAr"},
    {Suffix::Possessive, u"(s)I", u"(s)I"},
    {Suffix::Accusative, u"(y)I", u"nI"},
    {Suffix::Dative, u"(y)A", u"nA"},
    {Suffix::Locative, u"DA", u"nDA"},
    {Suffix::Ablative, u"DAn", u"nDAn"},
    {Suffix::Genitive, u"(n)In", u"nIn"},
    {Suffix::Instrumental, u"(y)lA", u"(y)lA"},
    {Suffix::Equative, u"CA", u"nCA"},
    {Suffix::Lik, u"lIk", u"lIk"},
    {Suffix::Distributive, u"(ş)Ar", u"(ş)Ar"},
    {Suffix::Ordinal, u"(I)ncI", u"(I)ncI"},
    {Suffix::Copula, u"DIr", u"DIr"},
}};

// Words that do not follow the rules, in lower case. beforeVowel: the stem
// before a suffix that starts with a vowel (a softening against the rule, a
// consonant kept, a vowel lost, a consonant doubled); vowel: the vowel the
// suffix follows in place of the word's last; buffer: in place of the n and
// s buffers. Names and readings take only the vowel.
struct WordException {
    QStringView word;
    QStringView beforeVowel;
    char16_t vowel;
    char16_t buffer;
};

constexpr WordException kExceptions[] = {
    // Arabic and French words whose last consonant is palatal.
    {u"saat", u"saat", u'e', 0},
    {u"harf", {}, u'e', 0},
    {u"kalp", u"kalb", u'e', 0},
    {u"hal", {}, u'e', 0},
    {u"hayal", {}, u'e', 0},
    {u"sual", {}, u'e', 0},
    {u"istiklal", {}, u'e', 0},
    {u"hakikat", u"hakikat", u'e', 0},
    {u"gol", {}, u'ö', 0},
    {u"rol", {}, u'ö', 0},
    {u"alkol", {}, u'ö', 0},
    {u"kontrol", {}, u'ö', 0},
    {u"petrol", {}, u'ö', 0},
    {u"kabul", {}, u'ü', 0},
    {u"meşgul", {}, u'ü', 0},
    {u"kemal", {}, u'e', 0},
    {u"cemal", {}, u'e', 0},
    {u"celal", {}, u'e', 0},
    {u"bilal", {}, u'e', 0},
    {u"hilal", {}, u'e', 0},
    {u"nihal", {}, u'e', 0},
    {u"meral", {}, u'e', 0},
    {u"iclal", {}, u'e', 0},
    {u"ikbal", {}, u'e', 0},
    // One syllable, and softens all the same.
    {u"dört", u"dörd", 0, 0},
    {u"uç", u"uc", 0, 0},
    {u"dip", u"dib", 0, 0},
    {u"kap", u"kab", 0, 0},
    {u"cep", u"ceb", 0, 0},
    {u"tat", u"tad", 0, 0},
    {u"dert", u"derd", 0, 0},
    {u"yurt", u"yurd", 0, 0},
    {u"kurt", u"kurd", 0, 0},
    {u"renk", u"reng", 0, 0},
    {u"genç", u"genc", 0, 0},
    // More than one syllable, and keeps its consonant.
    {u"sepet", u"sepet", 0, 0},
    {u"ceket", u"ceket", 0, 0},
    {u"bilet", u"bilet", 0, 0},
    {u"paket", u"paket", 0, 0},
    {u"poşet", u"poşet", 0, 0},
    {u"roket", u"roket", 0, 0},
    {u"raket", u"raket", 0, 0},
    {u"market", u"market", 0, 0},
    {u"bisiklet", u"bisiklet", 0, 0},
    {u"etiket", u"etiket", 0, 0},
    {u"misket", u"misket", 0, 0},
    {u"maket", u"maket", 0, 0},
    {u"kaset", u"kaset", 0, 0},
    {u"tablet", u"tablet", 0, 0},
    {u"gofret", u"gofret", 0, 0},
    {u"kibrit", u"kibrit", 0, 0},
    {u"devlet", u"devlet", 0, 0},
    {u"millet", u"millet", 0, 0},
    {u"bulut", u"bulut", 0, 0},
    {u"hayat", u"hayat", 0, 0},
    {u"sanat", u"sanat", 0, 0},
    {u"fırsat", u"fırsat", 0, 0},
    {u"pilot", u"pilot", 0, 0},
    {u"robot", u"robot", 0, 0},
    {u"tişört", u"tişört", 0, 0},
    {u"merak", u"merak", 0, 0},
    {u"ahlak", u"ahlak", 0, 0},
    {u"hukuk", u"hukuk", 0, 0},
    // A final g that softens.
    {u"katalog", u"kataloğ", 0, 0},
    {u"diyalog", u"diyaloğ", 0, 0},
    // A vowel lost before a vowel.
    {u"ağız", u"ağz", 0, 0},
    {u"burun", u"burn", 0, 0},
    {u"alın", u"aln", 0, 0},
    {u"karın", u"karn", 0, 0},
    {u"boyun", u"boyn", 0, 0},
    {u"oğul", u"oğl", 0, 0},
    {u"gönül", u"gönl", 0, 0},
    {u"göğüs", u"göğs", 0, 0},
    {u"isim", u"ism", 0, 0},
    {u"resim", u"resm", 0, 0},
    {u"şehir", u"şehr", 0, 0},
    {u"akıl", u"akl", 0, 0},
    {u"fikir", u"fikr", 0, 0},
    {u"kayıp", u"kayb", 0, 0},
    {u"vakit", u"vakt", 0, 0},
    {u"ömür", u"ömr", 0, 0},
    {u"beyin", u"beyn", 0, 0},
    // A consonant doubled before a vowel.
    {u"hak", u"hakk", 0, 0},
    {u"his", u"hiss", 0, 0},
    {u"zam", u"zamm", 0, 0},
    {u"sır", u"sırr", 0, 0},
    {u"tıp", u"tıbb", 0, 0},
    {u"af", u"aff", 0, 0},
    // suyu, suyun: y where n and s stand after other vowels.
    {u"su", {}, 0, u'y'},
};

// Units and abbreviations as they are read.
struct AbbreviationReading {
    QStringView written;
    QStringView reading;
};

constexpr AbbreviationReading kAbbreviations[] = {
    {u"mm", u"milimetre"}, {u"cm", u"santimetre"}, {u"dm", u"desimetre"},
    {u"m", u"metre"},      {u"km", u"kilometre"},  {u"mg", u"miligram"},
    {u"g", u"gram"},       {u"kg", u"kilogram"},   {u"t", u"ton"},
    {u"mL", u"mililitre"}, {u"ml", u"mililitre"},  {u"L", u"litre"},
    {u"l", u"litre"},      {u"TL", u"tele"},       {u"kr", u"kuruş"},
    {u"sn", u"saniye"},    {u"dk", u"dakika"},     {u"sa", u"saat"},
};

// A word without a vowel is read letter by letter: the last letter's name
// decides (TBMM'ye, Ng'ye).
struct LetterName {
    char16_t letter;
    QStringView name;
};

constexpr LetterName kLetterNames[] = {
    {u'b', u"be"}, {u'c', u"ce"}, {u'ç', u"çe"}, {u'd', u"de"}, {u'f', u"fe"},
    {u'g', u"ge"}, {u'ğ', u"ge"}, {u'h', u"he"}, {u'j', u"je"}, {u'k', u"ke"},
    {u'l', u"le"}, {u'm', u"me"}, {u'n', u"ne"}, {u'p', u"pe"}, {u'r', u"re"},
    {u's', u"se"}, {u'ş', u"şe"}, {u't', u"te"}, {u'v', u"ve"}, {u'y', u"ye"},
    {u'z', u"ze"}, {u'q', u"ku"}, {u'w', u"ve"}, {u'x', u"iks"},
};

// Letters of other languages in names, as a Turkish reader says them.
struct ForeignLetter {
    char16_t letter;
    QStringView sound;
};

constexpr ForeignLetter kForeignLetters[] = {
    {u'â', u"a"}, {u'á', u"a"}, {u'à', u"a"}, {u'ã', u"a"}, {u'å', u"a"}, {u'ä', u"e"},
    {u'é', u"e"}, {u'è', u"e"}, {u'ê', u"e"}, {u'ë', u"e"}, {u'î', u"i"}, {u'í', u"i"},
    {u'ì', u"i"}, {u'ï', u"i"}, {u'ó', u"o"}, {u'ò', u"o"}, {u'ô', u"o"}, {u'õ', u"o"},
    {u'ø', u"ö"}, {u'œ', u"ö"}, {u'û', u"u"}, {u'ú', u"u"}, {u'ù', u"u"}, {u'ñ', u"n"},
    {u'ß', u"s"}, {u'x', u"ks"}, {u'q', u"k"},  {u'w', u"v"},
};

// ---- letters ----

constexpr QStringView kVowels = u"aeıioöuü";
constexpr QStringView kBackVowels = u"aıou";
constexpr QStringView kRoundedVowels = u"oöuü";
constexpr QStringView kVoiceless = u"fstkçşhp";

bool isVowel(QChar c) {
    return kVowels.contains(c);
}

int vowelCount(QStringView sound) {
    int count = 0;
    for (const QChar c : sound)
        count += isVowel(c) ? 1 : 0;
    return count;
}

QChar lastVowelOf(QStringView sound) {
    for (qsizetype i = sound.size(); i-- > 0;)
        if (isVowel(sound[i])) return sound[i];
    return {};
}

const WordException* exceptionOf(QStringView sound) {
    for (const WordException& e : kExceptions)
        if (e.word == sound) return &e;
    return nullptr;
}

QStringView lastWord(QStringView text) {
    text = text.trimmed();
    const qsizetype space = text.lastIndexOf(u' ');
    return space < 0 ? text : text.mid(space + 1);
}

// Lower-case Turkish letters only: foreign letters as said, the rest dropped.
QString soundOf(QStringView word) {
    QString sound;
    for (const QChar c : lower(word.toString())) {
        bool foreign = false;
        for (const ForeignLetter& f : kForeignLetters)
            if (c == f.letter) {
                sound += f.sound;
                foreign = true;
                break;
            }
        if (!foreign && (c.isLetter() || c.isDigit())) sound += c;
    }
    return sound;
}

QString letterNames(QStringView word) {
    QString sound;
    for (const QChar c : lower(word.toString()))
        for (const LetterName& l : kLetterNames)
            if (c == l.letter) sound += l.name;
    return sound;
}

// ---- readings ----

// The last word of a number's reading: "beş" for 25, "bin" for 1000, the
// numerator's for a fraction (3/4: "dörtte üç"), the decimals' for 2,5.
QString numberSound(QStringView written) {
    QStringView part = written.trimmed();
    if (const qsizetype slash = part.indexOf(u'/'); slash >= 0) {
        part = part.left(slash).trimmed();
        part = lastWord(part);
    } else if (const qsizetype comma = part.lastIndexOf(u','); comma >= 0) {
        part = part.mid(comma + 1);
    }
    QString digits;
    for (const QChar c : part)
        if (c >= u'0' && c <= u'9') digits += c;
    if (digits.isEmpty()) return {};
    if (digits.size() > 21) digits = digits.right(21);
    return lastWord(answers::numberWords(digits)).toString();
}

// A name's last word as it is said.
QString nameSound(QStringView name) {
    QStringView word = name.trimmed();
    for (const QChar separator : {QChar(u' '), QChar(u'-')}) {
        const qsizetype at = word.lastIndexOf(separator);
        if (at >= 0) word = word.mid(at + 1);
    }
    qsizetype digitsFrom = word.size();
    while (digitsFrom > 0 && word[digitsFrom - 1].isDigit())
        --digitsFrom;
    if (digitsFrom < word.size()) return numberSound(word.mid(digitsFrom));
    const QString sound = soundOf(word);
    if (lastVowelOf(sound).isNull()) return letterNames(word);
    return sound;
}

// ---- attaching ----

struct Word {
    QString written;
    QString sound;     // lower case, what the endings follow
    bool apostrophe;   // names, numerals, abbreviations: no change to the word
};

QChar resolved(QChar meta, QChar lastVowel, QChar lastLetter) {
    const bool back = kBackVowels.contains(lastVowel);
    const bool rounded = kRoundedVowels.contains(lastVowel);
    const bool voiceless = kVoiceless.contains(lastLetter);
    switch (meta.unicode()) {
        case u'A':
            return back ? u'a' : u'e';
        case u'I':
            return back ? (rounded ? u'u' : u'ı') : (rounded ? u'ü' : u'i');
        case u'D':
            return voiceless ? u't' : u'd';
        case u'C':
            return voiceless ? u'ç' : u'c';
        default:
            return meta;
    }
}

// p, ç, t, k (and g) at the end softened before a vowel.
QChar softened(QChar last, QChar before) {
    const bool upper = last.isUpper();
    QChar soft;
    switch (last.toLower().unicode()) {
        case u'p':
            soft = u'b';
            break;
        case u'ç':
            soft = u'c';
            break;
        case u't':
            soft = u'd';
            break;
        case u'k':
            soft = before.toLower() == u'n' ? u'g' : u'ğ';
            break;
        default:
            return last;
    }
    return upper ? (soft == u'ğ' ? QChar(u'Ğ') : soft.toUpper()) : soft;
}

// The common noun's stem before a suffix that starts with a vowel.
QString stemBeforeVowel(const QString& written, const QString& sound, const WordException* e) {
    if (written.isEmpty()) return written;
    if (e && !e->beforeVowel.isEmpty() && written.size() >= e->word.size()) {
        const qsizetype at = written.size() - e->word.size();
        QString stem = e->beforeVowel.toString();
        if (written[at].isUpper()) stem = capitalised(stem);
        return written.left(at) + stem;
    }
    if (vowelCount(sound) < 2) return written;
    QString stem = written;
    const QChar before = stem.size() > 1 ? stem[stem.size() - 2] : QChar();
    stem.back() = softened(stem.back(), before);
    return stem;
}

QStringView patternOf(Suffix suffix, bool possessed) {
    for (const SuffixForm& form : kSuffixes)
        if (form.suffix == suffix) return possessed ? form.afterPossessive : form.pattern;
    throw std::logic_error("suffix without a pattern");
}

QString attach(const Word& word, const Suffixes& suffixes) {
    const WordException* e = exceptionOf(word.sound);
    QChar lastVowel = e && e->vowel ? QChar(e->vowel) : lastVowelOf(word.sound);
    // A word with no vowel at all (a stray mark) is taken as "e".
    if (lastVowel.isNull()) lastVowel = u'e';
    QChar lastLetter = word.sound.isEmpty() ? QChar(u'e') : word.sound.back();
    QString stem = word.written;
    QString added;
    bool possessed = false;
    bool first = true;
    for (const Suffix suffix : suffixes) {
        const QStringView pattern = patternOf(suffix, possessed);
        bool startOfSuffix = true;
        for (qsizetype i = 0; i < pattern.size(); ++i) {
            QChar meta = pattern[i];
            if (meta == u'(') {
                meta = pattern[i + 1];
                i += 2;
                const bool vowelMeta = meta == u'A' || meta == u'I';
                if (vowelMeta == isVowel(lastLetter)) continue;
                if (first && !word.apostrophe && e && e->buffer && (meta == u'n' || meta == u's'))
                    meta = e->buffer;
            }
            const QChar letter = resolved(meta, lastVowel, lastLetter);
            if (startOfSuffix && isVowel(letter)) {
                if (added.isEmpty()) {
                    if (!word.apostrophe) stem = stemBeforeVowel(stem, word.sound, e);
                } else {
                    // -lIk's k softens like any word's: liralığı, cm'liği.
                    added.back() =
                        softened(added.back(), added.size() > 1 ? added[added.size() - 2] : QChar());
                }
            }
            added += letter;
            lastLetter = letter;
            if (isVowel(letter)) lastVowel = letter;
            startOfSuffix = false;
        }
        possessed = suffix == Suffix::Possessive;
        first = false;
    }
    if (added.isEmpty()) return word.written;
    return word.apostrophe ? stem + u'\'' + added : stem + added;
}

}  // namespace

QString noun(const QString& word, const Suffixes& suffixes) {
    return attach({word, soundOf(lastWord(word)), false}, suffixes);
}

QString name(const QString& name, const Suffixes& suffixes) {
    return attach({name, nameSound(name), true}, suffixes);
}

QString numeral(const QString& written, const Suffixes& suffixes) {
    return attach({written, numberSound(written), true}, suffixes);
}

QString numeral(int64_t value, const Suffixes& suffixes) {
    return numeral(QString::number(value), suffixes);
}

QString abbreviation(const QString& written, const Suffixes& suffixes) {
    const QString trimmed = written.trimmed();
    for (const AbbreviationReading& a : kAbbreviations)
        if (a.written == trimmed) return attach({written, a.reading.toString(), true}, suffixes);
    QString sound = soundOf(trimmed);
    if (lastVowelOf(sound).isNull()) sound = letterNames(trimmed);
    return attach({written, sound, true}, suffixes);
}

QString numberInWords(int64_t value, const Suffixes& suffixes) {
    const uint64_t magnitude =
        value < 0 ? static_cast<uint64_t>(-(value + 1)) + 1 : static_cast<uint64_t>(value);
    QString words = answers::numberWords(magnitude);
    if (value < 0) words.prepend(QStringLiteral("eksi "));
    const qsizetype space = words.lastIndexOf(u' ');
    return words.left(space + 1) + noun(words.mid(space + 1), suffixes);
}

QString lower(const QString& text) {
    QString out = text;
    out.replace(u'I', u'ı').replace(QChar(0x0130), u'i');
    return out.toLower();
}

namespace {

QString upper(const QString& text) {
    QString out = text;
    out.replace(u'i', QChar(0x0130)).replace(u'ı', u'I');
    return out.toUpper();
}

}  // namespace

QString capitalised(const QString& text) {
    if (text.isEmpty()) return text;
    return upper(text.left(1)) + text.mid(1);
}

QString nameCase(const QString& text) {
    for (const QChar c : text)
        if (c.isLower()) return text;
    QStringList words = text.split(u' ');
    for (QString& word : words) {
        QStringList parts = word.split(u'-');
        for (QString& part : parts)
            part = capitalised(lower(part));
        word = parts.join(u'-');
    }
    return words.join(u' ');
}

}  // namespace zarvik::turkish
