// The Turkish endings against forms written out by hand from the grammar:
// one row per word with its accusative, dative, locative, ablative and
// genitive, then the stacked and derived forms.

#include <gtest/gtest.h>

#include <QStringList>

#include "common/core/TurkishSuffixes.h"

namespace zarvik::turkish {
namespace {

enum class Kind { Noun, Name, Numeral, Unit };

struct CaseRow {
    Kind kind;
    const char16_t* word;
    const char16_t* forms;  // accusative dative locative ablative genitive
};

const CaseRow kCaseRows[] = {
    // Common nouns: softening, buffers, harmony, the exceptions.
    {Kind::Noun, u"kitap", u"kitabı kitaba kitapta kitaptan kitabın"},
    {Kind::Noun, u"ağaç", u"ağacı ağaca ağaçta ağaçtan ağacın"},
    {Kind::Noun, u"elma", u"elmayı elmaya elmada elmadan elmanın"},
    {Kind::Noun, u"çocuk", u"çocuğu çocuğa çocukta çocuktan çocuğun"},
    {Kind::Noun, u"saat", u"saati saate saatte saatten saatin"},
    {Kind::Noun, u"harf", u"harfi harfe harfte harften harfin"},
    {Kind::Noun, u"top", u"topu topa topta toptan topun"},
    {Kind::Noun, u"süt", u"sütü süte sütte sütten sütün"},
    {Kind::Noun, u"at", u"atı ata atta attan atın"},
    {Kind::Noun, u"kek", u"keki keke kekte kekten kekin"},
    {Kind::Noun, u"kuş", u"kuşu kuşa kuşta kuştan kuşun"},
    {Kind::Noun, u"kalem", u"kalemi kaleme kalemde kalemden kalemin"},
    {Kind::Noun, u"defter", u"defteri deftere defterde defterden defterin"},
    {Kind::Noun, u"bilye", u"bilyeyi bilyeye bilyede bilyeden bilyenin"},
    {Kind::Noun, u"ceviz", u"cevizi cevize cevizde cevizden cevizin"},
    {Kind::Noun, u"kuzu", u"kuzuyu kuzuya kuzuda kuzudan kuzunun"},
    {Kind::Noun, u"ütü", u"ütüyü ütüye ütüde ütüden ütünün"},
    {Kind::Noun, u"öğrenci", u"öğrenciyi öğrenciye öğrencide öğrenciden öğrencinin"},
    {Kind::Noun, u"köpek", u"köpeği köpeğe köpekte köpekten köpeğin"},
    {Kind::Noun, u"kaşık", u"kaşığı kaşığa kaşıkta kaşıktan kaşığın"},
    {Kind::Noun, u"ördek", u"ördeği ördeğe ördekte ördekten ördeğin"},
    {Kind::Noun, u"oyuncak", u"oyuncağı oyuncağa oyuncakta oyuncaktan oyuncağın"},
    {Kind::Noun, u"dolap", u"dolabı dolaba dolapta dolaptan dolabın"},
    {Kind::Noun, u"kağıt", u"kağıdı kağıda kağıtta kağıttan kağıdın"},
    {Kind::Noun, u"armut", u"armudu armuda armutta armuttan armudun"},
    {Kind::Noun, u"renk", u"rengi renge renkte renkten rengin"},
    {Kind::Noun, u"dört", u"dördü dörde dörtte dörtten dördün"},
    {Kind::Noun, u"uç", u"ucu uca uçta uçtan ucun"},
    {Kind::Noun, u"kalp", u"kalbi kalbe kalpte kalpten kalbin"},
    {Kind::Noun, u"sepet", u"sepeti sepete sepette sepetten sepetin"},
    {Kind::Noun, u"bulut", u"bulutu buluta bulutta buluttan bulutun"},
    {Kind::Noun, u"bisiklet", u"bisikleti bisiklete bisiklette bisikletten bisikletin"},
    {Kind::Noun, u"ağız", u"ağzı ağza ağızda ağızdan ağzın"},
    {Kind::Noun, u"şehir", u"şehri şehre şehirde şehirden şehrin"},
    {Kind::Noun, u"hak", u"hakkı hakka hakta haktan hakkın"},
    {Kind::Noun, u"su", u"suyu suya suda sudan suyun"},
    {Kind::Noun, u"gol", u"golü gole golde golden golün"},
    {Kind::Noun, u"lira", u"lirayı liraya lirada liradan liranın"},
    {Kind::Noun, u"kuruş", u"kuruşu kuruşa kuruşta kuruştan kuruşun"},
    {Kind::Noun, u"metre", u"metreyi metreye metrede metreden metrenin"},
    {Kind::Noun, u"gram", u"gramı grama gramda gramdan gramın"},
    {Kind::Noun, u"Kitap", u"Kitabı Kitaba Kitapta Kitaptan Kitabın"},
    // Names: an apostrophe, no softening, the reading's harmony.
    {Kind::Name, u"Ahmet", u"Ahmet'i Ahmet'e Ahmet'te Ahmet'ten Ahmet'in"},
    {Kind::Name, u"Mehmet", u"Mehmet'i Mehmet'e Mehmet'te Mehmet'ten Mehmet'in"},
    {Kind::Name, u"Ayşe", u"Ayşe'yi Ayşe'ye Ayşe'de Ayşe'den Ayşe'nin"},
    {Kind::Name, u"Ali", u"Ali'yi Ali'ye Ali'de Ali'den Ali'nin"},
    {Kind::Name, u"Can", u"Can'ı Can'a Can'da Can'dan Can'ın"},
    {Kind::Name, u"Elif", u"Elif'i Elif'e Elif'te Elif'ten Elif'in"},
    {Kind::Name, u"Gül", u"Gül'ü Gül'e Gül'de Gül'den Gül'ün"},
    {Kind::Name, u"Oğuz", u"Oğuz'u Oğuz'a Oğuz'da Oğuz'dan Oğuz'un"},
    {Kind::Name, u"Kemal", u"Kemal'i Kemal'e Kemal'de Kemal'den Kemal'in"},
    {Kind::Name, u"Hilal", u"Hilal'i Hilal'e Hilal'de Hilal'den Hilal'in"},
    {Kind::Name, u"Umut", u"Umut'u Umut'a Umut'ta Umut'tan Umut'un"},
    {Kind::Name, u"Burak", u"Burak'ı Burak'a Burak'ta Burak'tan Burak'ın"},
    {Kind::Name, u"Zeynep", u"Zeynep'i Zeynep'e Zeynep'te Zeynep'ten Zeynep'in"},
    {Kind::Name, u"Ümit", u"Ümit'i Ümit'e Ümit'te Ümit'ten Ümit'in"},
    {Kind::Name, u"Yusuf", u"Yusuf'u Yusuf'a Yusuf'ta Yusuf'tan Yusuf'un"},
    {Kind::Name, u"Ömer", u"Ömer'i Ömer'e Ömer'de Ömer'den Ömer'in"},
    {Kind::Name, u"Irmak", u"Irmak'ı Irmak'a Irmak'ta Irmak'tan Irmak'ın"},
    {Kind::Name, u"İpek", u"İpek'i İpek'e İpek'te İpek'ten İpek'in"},
    {Kind::Name, u"Ayşe Nur", u"Ayşe Nur'u Ayşe Nur'a Ayşe Nur'da Ayşe Nur'dan Ayşe Nur'un"},
    {Kind::Name, u"AYŞE", u"AYŞE'yi AYŞE'ye AYŞE'de AYŞE'den AYŞE'nin"},
    {Kind::Name, u"Alex", u"Alex'i Alex'e Alex'te Alex'ten Alex'in"},
    {Kind::Name, u"René", u"René'yi René'ye René'de René'den René'nin"},
    {Kind::Name, u"Ng", u"Ng'yi Ng'ye Ng'de Ng'den Ng'nin"},
    // Numerals, as read: beşi, altıyı, yüzü, bini, milyonu, dörtte üçü.
    {Kind::Numeral, u"0", u"0'ı 0'a 0'da 0'dan 0'ın"},
    {Kind::Numeral, u"1", u"1'i 1'e 1'de 1'den 1'in"},
    {Kind::Numeral, u"2", u"2'yi 2'ye 2'de 2'den 2'nin"},
    {Kind::Numeral, u"3", u"3'ü 3'e 3'te 3'ten 3'ün"},
    {Kind::Numeral, u"4", u"4'ü 4'e 4'te 4'ten 4'ün"},
    {Kind::Numeral, u"5", u"5'i 5'e 5'te 5'ten 5'in"},
    {Kind::Numeral, u"6", u"6'yı 6'ya 6'da 6'dan 6'nın"},
    {Kind::Numeral, u"7", u"7'yi 7'ye 7'de 7'den 7'nin"},
    {Kind::Numeral, u"8", u"8'i 8'e 8'de 8'den 8'in"},
    {Kind::Numeral, u"9", u"9'u 9'a 9'da 9'dan 9'un"},
    {Kind::Numeral, u"10", u"10'u 10'a 10'da 10'dan 10'un"},
    {Kind::Numeral, u"20", u"20'yi 20'ye 20'de 20'den 20'nin"},
    {Kind::Numeral, u"23", u"23'ü 23'e 23'te 23'ten 23'ün"},
    {Kind::Numeral, u"30", u"30'u 30'a 30'da 30'dan 30'un"},
    {Kind::Numeral, u"40", u"40'ı 40'a 40'ta 40'tan 40'ın"},
    {Kind::Numeral, u"45", u"45'i 45'e 45'te 45'ten 45'in"},
    {Kind::Numeral, u"50", u"50'yi 50'ye 50'de 50'den 50'nin"},
    {Kind::Numeral, u"60", u"60'ı 60'a 60'ta 60'tan 60'ın"},
    {Kind::Numeral, u"70", u"70'i 70'e 70'te 70'ten 70'in"},
    {Kind::Numeral, u"72", u"72'yi 72'ye 72'de 72'den 72'nin"},
    {Kind::Numeral, u"80", u"80'i 80'e 80'de 80'den 80'in"},
    {Kind::Numeral, u"90", u"90'ı 90'a 90'da 90'dan 90'ın"},
    {Kind::Numeral, u"100", u"100'ü 100'e 100'de 100'den 100'ün"},
    {Kind::Numeral, u"1000", u"1000'i 1000'e 1000'de 1000'den 1000'in"},
    {Kind::Numeral, u"1500", u"1500'ü 1500'e 1500'de 1500'den 1500'ün"},
    {Kind::Numeral, u"2000", u"2000'i 2000'e 2000'de 2000'den 2000'in"},
    {Kind::Numeral, u"10.000", u"10.000'i 10.000'e 10.000'de 10.000'den 10.000'in"},
    {Kind::Numeral, u"999999", u"999999'u 999999'a 999999'da 999999'dan 999999'un"},
    {Kind::Numeral, u"1.000.000", u"1.000.000'u 1.000.000'a 1.000.000'da 1.000.000'dan 1.000.000'un"},
    {Kind::Numeral, u"3/4", u"3/4'ü 3/4'e 3/4'te 3/4'ten 3/4'ün"},
    {Kind::Numeral, u"2,5", u"2,5'i 2,5'e 2,5'te 2,5'ten 2,5'in"},
    {Kind::Numeral, u"%25", u"%25'i %25'e %25'te %25'ten %25'in"},
    // Units and abbreviations, as read.
    {Kind::Unit, u"cm", u"cm'yi cm'ye cm'de cm'den cm'nin"},
    {Kind::Unit, u"kg", u"kg'ı kg'a kg'da kg'dan kg'ın"},
    {Kind::Unit, u"km", u"km'yi km'ye km'de km'den km'nin"},
    {Kind::Unit, u"m", u"m'yi m'ye m'de m'den m'nin"},
    {Kind::Unit, u"g", u"g'ı g'a g'da g'dan g'ın"},
    {Kind::Unit, u"L", u"L'yi L'ye L'de L'den L'nin"},
    {Kind::Unit, u"mL", u"mL'yi mL'ye mL'de mL'den mL'nin"},
    {Kind::Unit, u"TL", u"TL'yi TL'ye TL'de TL'den TL'nin"},
    {Kind::Unit, u"kr", u"kr'u kr'a kr'ta kr'tan kr'un"},
    {Kind::Unit, u"dk", u"dk'yı dk'ya dk'da dk'dan dk'nın"},
    {Kind::Unit, u"TBMM", u"TBMM'yi TBMM'ye TBMM'de TBMM'den TBMM'nin"},
    {Kind::Unit, u"NATO", u"NATO'yu NATO'ya NATO'da NATO'dan NATO'nun"},
};

QString withSuffixes(Kind kind, const QString& word, const Suffixes& suffixes) {
    switch (kind) {
        case Kind::Noun:
            return noun(word, suffixes);
        case Kind::Name:
            return name(word, suffixes);
        case Kind::Numeral:
            return numeral(word, suffixes);
        case Kind::Unit:
            return abbreviation(word, suffixes);
    }
    return {};
}

TEST(TurkishSuffixes, CaseEndingsOfNounsNamesNumeralsAndUnits) {
    const Suffix cases[] = {Suffix::Accusative, Suffix::Dative, Suffix::Locative,
                            Suffix::Ablative, Suffix::Genitive};
    int checked = 0;
    for (const CaseRow& row : kCaseRows) {
        const QString word = QString::fromUtf16(row.word);
        // Forms of a word of two parts ("Ayşe Nur'u") hold one space each.
        const QStringList parts = QString::fromUtf16(row.forms).split(u' ');
        const qsizetype perForm = parts.size() / 5;
        ASSERT_EQ(parts.size(), 5 * perForm) << word.toStdString();
        for (int c = 0; c < 5; ++c) {
            const QString expected = parts.mid(c * perForm, perForm).join(u' ');
            EXPECT_EQ(withSuffixes(row.kind, word, {cases[c]}), expected)
                << word.toStdString() << " case " << c;
            ++checked;
        }
    }
    EXPECT_GE(checked, 500);
}

struct StackRow {
    Kind kind;
    const char16_t* word;
    Suffixes suffixes;
    const char16_t* expected;
};

TEST(TurkishSuffixes, PluralPossessiveAndDerivedForms) {
    using S = Suffix;
    const StackRow rows[] = {
        {Kind::Noun, u"kitap", {S::Plural}, u"kitaplar"},
        {Kind::Noun, u"kitap", {S::Plural, S::Accusative}, u"kitapları"},
        {Kind::Noun, u"kitap", {S::Possessive}, u"kitabı"},
        {Kind::Noun, u"kitap", {S::Possessive, S::Accusative}, u"kitabını"},
        {Kind::Noun, u"kitap", {S::Possessive, S::Dative}, u"kitabına"},
        {Kind::Noun, u"kitap", {S::Possessive, S::Locative}, u"kitabında"},
        {Kind::Noun, u"bilye", {S::Possessive}, u"bilyesi"},
        {Kind::Noun, u"bilye", {S::Possessive, S::Accusative}, u"bilyesini"},
        {Kind::Noun, u"bilye", {S::Possessive, S::Ablative}, u"bilyesinden"},
        {Kind::Noun, u"bilye", {S::Plural, S::Possessive}, u"bilyeleri"},
        {Kind::Noun, u"bilye", {S::Plural, S::Possessive, S::Accusative}, u"bilyelerini"},
        {Kind::Noun, u"ceviz", {S::Possessive, S::Genitive}, u"cevizinin"},
        {Kind::Noun, u"su", {S::Possessive, S::Accusative}, u"suyunu"},
        {Kind::Noun, u"saat", {S::Plural}, u"saatler"},
        {Kind::Noun, u"saat", {S::Plural, S::Equative}, u"saatlerce"},
        {Kind::Noun, u"lira", {S::Lik}, u"liralık"},
        {Kind::Noun, u"lira", {S::Lik, S::Accusative}, u"liralığı"},
        {Kind::Noun, u"kuruş", {S::Lik}, u"kuruşluk"},
        {Kind::Noun, u"kalem", {S::Instrumental}, u"kalemle"},
        {Kind::Noun, u"elma", {S::Instrumental}, u"elmayla"},
        {Kind::Noun, u"sepet", {S::Possessive, S::Instrumental}, u"sepetiyle"},
        {Kind::Name, u"Ayşe", {S::Instrumental}, u"Ayşe'yle"},
        {Kind::Name, u"Can", {S::Instrumental}, u"Can'la"},
        {Kind::Numeral, u"5", {S::Possessive}, u"5'i"},
        {Kind::Numeral, u"5", {S::Possessive, S::Accusative}, u"5'ini"},
        {Kind::Numeral, u"6", {S::Possessive, S::Accusative}, u"6'sını"},
        {Kind::Numeral, u"3", {S::Possessive, S::Accusative}, u"3'ünü"},
        {Kind::Numeral, u"2/5", {S::Possessive}, u"2/5'si"},
        {Kind::Numeral, u"3/4", {S::Possessive, S::Accusative}, u"3/4'ünü"},
        {Kind::Numeral, u"5", {S::Lik}, u"5'lik"},
        {Kind::Numeral, u"6", {S::Lik}, u"6'lık"},
        {Kind::Unit, u"cm", {S::Lik}, u"cm'lik"},
        {Kind::Unit, u"cm", {S::Lik, S::Accusative}, u"cm'liği"},
        {Kind::Unit, u"kg", {S::Lik}, u"kg'lık"},
        {Kind::Unit, u"TL", {S::Lik}, u"TL'lik"},
        {Kind::Noun, u"karış", {S::Copula}, u"karıştır"},
        {Kind::Unit, u"cm", {S::Copula}, u"cm'dir"},
        {Kind::Unit, u"kg", {S::Copula}, u"kg'dır"},
        {Kind::Numeral, u"5", {S::Copula}, u"5'tir"},
    };
    for (const StackRow& row : rows) {
        const QString word = QString::fromUtf16(row.word);
        EXPECT_EQ(withSuffixes(row.kind, word, row.suffixes), QString::fromUtf16(row.expected))
            << word.toStdString();
    }
}

TEST(TurkishSuffixes, OrdinalsInDigitsAndDistributivesInWords) {
    const std::pair<int64_t, const char16_t*> ordinals[] = {
        {1, u"1'inci"},   {2, u"2'nci"},    {3, u"3'üncü"},    {4, u"4'üncü"},
        {5, u"5'inci"},   {6, u"6'ncı"},    {7, u"7'nci"},     {8, u"8'inci"},
        {9, u"9'uncu"},   {10, u"10'uncu"}, {20, u"20'nci"},   {40, u"40'ıncı"},
        {60, u"60'ıncı"}, {100, u"100'üncü"}, {1000, u"1000'inci"},
    };
    for (const auto& [n, expected] : ordinals)
        EXPECT_EQ(ordinal(n), QString::fromUtf16(expected)) << n;
    const std::pair<int64_t, const char16_t*> distributives[] = {
        {1, u"birer"},   {2, u"ikişer"},  {3, u"üçer"},     {4, u"dörder"},
        {5, u"beşer"},   {6, u"altışar"}, {7, u"yedişer"},  {8, u"sekizer"},
        {9, u"dokuzar"}, {10, u"onar"},   {12, u"on ikişer"}, {24, u"yirmi dörder"},
        {40, u"kırkar"}, {60, u"altmışar"}, {100, u"yüzer"}, {1000, u"biner"},
    };
    for (const auto& [n, expected] : distributives)
        EXPECT_EQ(distributive(n), QString::fromUtf16(expected)) << n;
    EXPECT_EQ(numberInWords(4, {Suffix::Ordinal}), QStringLiteral("dördüncü"));
    EXPECT_EQ(numberInWords(6, {Suffix::Ordinal}), QStringLiteral("altıncı"));
    EXPECT_EQ(numberInWords(5, {Suffix::Possessive, Suffix::Accusative}), QStringLiteral("beşini"));
    EXPECT_EQ(numberInWords(11, {Suffix::Accusative}), QStringLiteral("on biri"));
}

TEST(TurkishSuffixes, CaseOfLettersAndNames) {
    EXPECT_EQ(lower(QStringLiteral("IŞIL İPEK")), QStringLiteral("ışıl ipek"));
    EXPECT_EQ(capitalised(QStringLiteral("ikinci")), QStringLiteral("İkinci"));
    EXPECT_EQ(capitalised(QStringLiteral("ırmak")), QStringLiteral("Irmak"));
    EXPECT_EQ(nameCase(QStringLiteral("AYŞE NUR")), QStringLiteral("Ayşe Nur"));
    EXPECT_EQ(nameCase(QStringLiteral("IŞIL")), QStringLiteral("Işıl"));
    EXPECT_EQ(nameCase(QStringLiteral("İREM-SU")), QStringLiteral("İrem-Su"));
    EXPECT_EQ(nameCase(QStringLiteral("McKenzie")), QStringLiteral("McKenzie"));
}

// Whatever a class list holds, a name gets some ending and never throws.
TEST(TurkishSuffixes, AnyTextTakesAnEnding) {
    for (const char16_t* odd : {u"", u"  ", u"—", u"X", u"Ali2", u"12345678901234567890123456",
                                u"Ş", u"'", u"Ayşe-", u"Ñoño"}) {
        const QString text = QString::fromUtf16(odd);
        const QString dative = name(text, {Suffix::Dative});
        EXPECT_TRUE(dative.startsWith(text) && dative.size() > text.size()) << dative.toStdString();
        EXPECT_FALSE(numeral(text, {Suffix::Genitive}).isEmpty());
    }
}

}  // namespace
}  // namespace zarvik::turkish
