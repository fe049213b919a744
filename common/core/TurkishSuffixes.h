#pragma once
// Turkish endings for generated sentences, spelt as the rules want them.
//
// - A suffix is written in the usual notation (kSuffixes in the .cpp): A is a
//   or e, I is ı, i, u or ü, after the last vowel before it; D is d or t and
//   C is c or ç (t and ç after f, s, t, k, ç, ş, h, p); a consonant in
//   brackets is a buffer used after a vowel ("(y)I": elmayı, topu), a vowel
//   in brackets is used after a consonant ("(I)ncI": beşinci, altıncı).
// - Common nouns soften a final p, ç, t, k before a vowel when they have more
//   than one syllable (kitap → kitabı, ağaç → ağacı, çocuk → çocuğu, renk →
//   rengi); one-syllable words keep it (top → topu, süt → sütü).
// - Names, numerals in digits and abbreviations take their suffix after an
//   apostrophe and never soften; the suffix follows how the word is read:
//   5'i ("beşi"), 6'yı ("altıyı"), 1000'e ("bin"), 3/4'ü ("dörtte üç"),
//   cm'yi ("santimetre"), TL'ye ("te-le"), Kemal'e.
// - Exceptions are rows of one table (kExceptions): words whose suffix follows
//   a vowel they do not show (saat → saate, gol → golü, Kemal → Kemal'e),
//   that soften against the rule or keep their consonant (dört → dördü,
//   sepet → sepeti), that lose a vowel (ağız → ağzı) or double a consonant
//   (hak → hakkı), and su → suyu.
// Not covered: compound nouns that already carry a possessive ("boya
// kalemi"), verbs, the question particle, personal possessives other than the
// third person, palatal final l or k in words the table does not list, and
// readings of numbers longer than 21 digits (read by their last 21).

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace zarvik::turkish {

// In the order they stack on a noun: plural, possessive, case (or -lIk).
enum class Suffix {
    Plural,        // -lAr: kitaplar
    Possessive,    // third person, -(s)I: kitabı, bilyesi, 5'i (beşi)
    Accusative,    // -(y)I, after a possessive -nI: elmayı, bilyesini, 5'ini
    Dative,        // -(y)A: kitaba, Ayşe'ye
    Locative,      // -DA: kitapta, 3'te
    Ablative,      // -DAn: Ahmet'ten
    Genitive,      // -(n)In: Ali'nin, kitabın
    Instrumental,  // -(y)lA, "ile" joined: kalemle, Ayşe'yle
    Equative,      // -CA: saatlerce
    Lik,           // -lIk: liralık, cm'lik
    Distributive,  // -(ş)Ar, for number words: üçer, altışar
    Ordinal,       // -(I)ncI: beşinci, 6'ncı
    Copula,        // -DIr: karıştır, cm'dir, 5'tir
};
using Suffixes = std::vector<Suffix>;

// A common noun with its endings: noun("kitap", {Suffix::Accusative}) is
// "kitabı". Of several words the last takes them ("çam ağacı" aside).
QString noun(const QString& word, const Suffixes& suffixes);
// A proper name: "Ali'nin", "Ahmet'ten", "Kemal'e". Any text is taken: the
// last word counts, read as written; a word without a vowel is read by its
// letters' names, digits as a number.
QString name(const QString& name, const Suffixes& suffixes);
// A numeral as written ("5", "1.500", "2,5", "3/4", "%25") with the endings
// its reading takes: "5'i", "1.500'ü", "3/4'ü".
QString numeral(const QString& written, const Suffixes& suffixes);
QString numeral(int64_t value, const Suffixes& suffixes);
// A unit or abbreviation as read: "cm'yi", "kg'dan", "TL'ye", "L'yi".
QString abbreviation(const QString& written, const Suffixes& suffixes);
// A number in words with its endings: "beşini", "dörder", "altıncı".
QString numberInWords(int64_t value, const Suffixes& suffixes = {});

// Distributives are written in words ("altışar"), ordinals in digits ("5'inci").
inline QString distributive(int64_t value) {
    return numberInWords(value, {Suffix::Distributive});
}
inline QString ordinal(int64_t value) {
    return numeral(value, {Suffix::Ordinal});
}

// Turkish lower and upper case: I ↔ ı, İ ↔ i.
QString lower(const QString& text);
// The first letter in capitals: "ırmak" → "Irmak", "ikinci" → "İkinci".
QString capitalised(const QString& text);
// A name as a sentence writes it: "AYŞE NUR" → "Ayşe Nur"; mixed case is kept.
QString nameCase(const QString& text);

}  // namespace zarvik::turkish
