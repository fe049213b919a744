#include "text_worksheets/core/TextKinds.h"

#include "text_worksheets/core/TextGenerators.h"

namespace zarvik {

using namespace Qt::Literals::StringLiterals;

namespace {

ParameterList hidden() {
    return {};
}

// Items a..b as decimal texts, ascending.
ParameterList numbers(const QString& caption, int first, int last) {
    ParameterList list{caption, {}};
    for (int value = first; value <= last; ++value)
        list.items << QString::number(value);
    return list;
}

ParameterList words(const QString& caption, const QStringList& items) {
    return {caption, items, true};
}

}  // namespace

// Menu order. Each row: code, menu group, menu item, the two lists, the check
// box's caption, the description; then the generator, the answer function,
// the check once all fields are read and the one between the lists and the
// count. Captions and descriptions keep their spaces and line breaks.
// clang-format off
const std::vector<TextKind>& textKinds() {
    static const std::vector<TextKind> kinds{
        {101, 0, u"Tekbasamaklsaylariletoplama1"_s, u"Tek basamaklı sayılar ile toplama"_s,
         numbers(u"Sayıların en büyük değeri"_s, 1, 9),
         hidden(),
         u"Sayılar sıfır içersin."_s,
         u"Tek basamaklı sayılar ile toplama ödevi \nhazırlar. Toplama işlemini öğretmeye yeni \nbaşlamışsanız 5'den küçük sayılarla hazırlayın. \nEğer 0 sayısını da biliyorlarsa alttaki kutuyu \nişaretleyin. "_s,
         text::singleDigitAddition, text::sumAnswer, text::checkSingleDigitAddition},
        {102, 0, u"Eldesiztoplamailemi1"_s, u"Eldesiz toplama işlemi"_s,
         numbers(u"1. sayının basamak sayısı"_s, 1, 9),
         numbers(u"2. sayının basamak sayısı"_s, 1, 9),
         {},
         u"İstenilen basamağa kadar eldesiz toplama \nödevi hazırlar. 1. ve 2. sayılara ait basamak \nsayılarını belirleyiniz."_s,
         text::additionWithoutCarry, text::sumAnswer, text::checkAdditionWithoutCarry},
        {103, 0, u"Eldelitoplamailemibasit1"_s, u"Eldeli toplama işlemi (basit)"_s,
         hidden(),
         hidden(),
         {},
         u"2 basamaklı bir sayı ile 1 basamaklı bir \nsayının \"her zaman\" eldeli toplama \noluşturmasını sağlar. Eldeli toplama ilk \nöğretildiğinde kullanılabilir. Bunun yerine \n\"eldeli sayılar ile karışık toplama\"  \nseçeneğini kullanmanızı öneririm."_s,
         text::simpleAdditionWithCarry, text::sumAnswer},
        {104, 0, u"Eldelisaylarilekarktoplamailemi1"_s, u"Eldeli sayılar ile karışık toplama"_s,
         numbers(u"1. sayının basamak sayısı"_s, 1, 9),
         numbers(u"2. sayının basamak sayısı"_s, 1, 9),
         {},
         u"Hem eldeli hem de eldesiz toplama işlemi \niçeren karışık alıştırmalar hazırlar. Burada \nsayıların basamak sayılarını ayarlayabilirsiniz."_s,
         text::mixedAddition, text::sumAnswer, text::checkMixedAddition},
        {105, 0, u"kidenfazlasayiletoplama1"_s, u"İkiden fazla sayı ile toplama"_s,
         numbers(u"Bir işlemde en fazla \nkaç sayı bulunsun?"_s, 3, 9),
         numbers(u"Sayılar en fazla kaç \nbasamaklı olsun?"_s, 2, 9),
         {},
         u"Eldeli veya eldesiz olabilecek şekilde karışık \nikiden fazla sayının 45+713+7+52= \nalıştırmasına benzer şekilde toplanmasını \nveren alıştırmalar hazırlar. Burada sayıların \nbasamak sayısını ve  adedini ayarlayabilirsiniz."_s,
         text::additionOfSeveralNumbers, text::sumAnswer, text::checkAdditionOfSeveralNumbers},
        {106, 0, u"Ondalklsayiletoplama1"_s, u"Ondalıklı sayı ile toplama"_s,
         numbers(u"Sayıların tam kısmı en çok \nkaç basamaklı olsun?"_s, 1, 9),
         numbers(u"Sayıların kesir kısmı en çok \nkaç basamaklı olsun?"_s, 1, 9),
         {},
         u"Ondalık sayılar ile toplama işlemi ödevi  \nhazırlar. Ondalık sayıların tam ve kesir \nkısımlarının basamak sayılarının alabileceği \nen büyük değeri ayarlayabilirsiniz."_s,
         text::decimalAddition, text::decimalSumAnswer, text::checkDecimalParts},
        {201, 1, u"Tekbasamaklsaylarilekarma1"_s, u"Tek basamaklı sayılar ile çıkarma"_s,
         numbers(u"En büyük sayı kaç olsun?"_s, 2, 9),
         hidden(),
         u"Sayılarda sıfır bulunsun"_s,
         u"Tek basamaklı sayılar ile çıkarma işlemi ödevi \nhazırlar. İlk defa öğretmeye başladıysanız en \nbüyük değeri belirleyebilirsiniz. Eğer \nöğrencilerinize 0 sayısını içeren alıştırmalar da \nvermek istiyorsanız alttaki kutuyu \nişaretleyin."_s,
         text::singleDigitSubtraction, text::differenceAnswer, text::checkSingleDigitSubtraction},
        {202, 1, u"N20denkksaylarilekarma1"_s, u"20'den küçük sayılar ile çıkarma"_s,
         hidden(),
         hidden(),
         {},
         u"20 ile 10 arasındaki bir sayıdan tek basamaklı \nbir sayıyı çıkaran alıştırmalar hazırlar. Onluk \nbozarak çıkarma işlemini öğretecek iseniz ön \nhazırlık olarak bu alıştırmalardan bol bol \nhazırlayın."_s,
         text::subtractionBelowTwenty, text::differenceAnswer},
        {203, 1, u"Onlukbozmaygerektirmeyensaylarla1"_s, u"Onluk bozmayı gerektirmeyen sayılarla"_s,
         numbers(u"Sayılar en fazla kaç \nbasamaklı olsun?"_s, 2, 9),
         hidden(),
         {},
         u"Onluk bozmayı gerektirmeyen sayılar ile \nçıkarma işlemi ödevi hazırlar. Bu sayıların \nbasamak sayılarını istediğiniz gibi \nayarlayabilirsiniz."_s,
         text::subtractionWithoutBorrow, text::differenceAnswer, text::checkSubtractionWithoutBorrow},
        {204, 1, u"Onlukbozmaygerektirensaylarile1"_s, u"Onluk bozmayı gerektiren sayılar ile karışık"_s,
         numbers(u"Sayılar en fazla kaç \nbasamaklı olsun?"_s, 2, 9),
         hidden(),
         {},
         u"Onluk bozmayı gerektiren sayılar ile çıkarma \nişlemi ödevi hazırlar. Bu sayıların basamak \nsayılarını istediğiniz gibi ayarlayabilirsiniz."_s,
         text::mixedSubtraction, text::differenceAnswer, text::checkMixedSubtraction},
        {205, 1, u"Ondalksaylarilekarma1"_s, u"Ondalık sayılar ile çıkarma"_s,
         numbers(u"Sayıların tam kısmı en çok \nkaç basamaklı olsun?"_s, 1, 9),
         numbers(u"Sayıların kesir kısmı en çok \nkaç basamaklı olsun?"_s, 1, 9),
         {},
         u"Ondalıklı sayılar ile çıkarma işlemi ödevi \nhazırlar. Ondalık sayıların tam ve kesir \nkısımlarını ayarlayabilirsiniz."_s,
         text::decimalSubtraction, text::decimalDifferenceAnswer, text::checkDecimalParts},
        {301, 2, u"arpmtablosukarkaltrmalar1"_s, u"Çarpım tablosu (karışık alıştırmalar)"_s,
         numbers(u"Çarpım tablosunda en büyük \nsayı kaç olsun?"_s, 2, 9),
         hidden(),
         {},
         u"Çarpım tablosunu tekrar etmek için tek \nbasamaklı sayılar ile çarpma ödevi hazırlar. \nBu alıştırmalardan çok sayıda hazırlayıp \nvererek çarpım tablosunu iyi ve hızlı \nöğrenmeleri sağlanabilir."_s,
         text::timesTable, text::productAnswer, text::checkLargestFactor},
        {302, 2, u"Tekbasamaklsaylarilearpma1"_s, u"Tek basamaklı sayılar ile çarpma"_s,
         numbers(u"Çarpılan sayıların en büyük \ndeğeri kaç olsun?"_s, 2, 9),
         hidden(),
         {},
         u"Tek basamaklı sayılar ile çarpma ödevi \nhazırlar. Çarpım tablosundan farklı olarak \nburada en büyük sayıyı belirleyebilirsiniz. \nÖrneğin en büyük sayıyı 5 seçerseniz 5x4= \nalıştırması oluşurken 5x7= alıştırması 7'nin \n5'den büyük olması nedenyle oluşmayacktır."_s,
         text::singleDigitMultiplication, text::productAnswer, text::checkLargestFactor},
        {303, 2, u"Eldesizarpma1"_s, u"Eldesiz çarpma"_s,
         numbers(u"1. sayı en fazla kaç \nbasamaklı olsun?"_s, 1, 5),
         numbers(u"2. sayı en fazla kaç \nbasamaklı olsun?"_s, 1, 2),
         {},
         u"Eldesiz olacak şekilde çarpma alıştırması \nhazırlar. 2. çarpanın basamak sayısının 1 veya \n2 olabileceğine dikkat ediniz. Eğer 2. çarpan 2 \nolursa çarpma işlemi eldesiz olurken buradaki \ntoplamanın eldesiz olacağını garanti \nedemiyoruz. Örnek alıştırma: 2103x32="_s,
         text::multiplicationWithoutCarry, text::productAnswer, text::checkMultiplicationWithoutCarry},
        {304, 2, u"Tekbasamaklsaylarlaeldeliarpma1"_s, u"Tek basamaklı sayılarla eldeli çarpma"_s,
         numbers(u"1. sayı en fazla kaç \nbasamaklı olsun?"_s, 1, 9),
         numbers(u"2. sayının değeri en fazla \nkaç olsun?"_s, 1, 9),
         {},
         u"Çok basamaklı bir sayı ile tek basamaklı bir \nsayının eldeli çarpılması ödevi hazırlar. Eldeli \nçarpmayı öğretirken öğrencileri fazla \nzorlamamak için tek basamaklı sayının \ndeğerini küçük seçebilirsiniz."_s,
         text::multiplicationBySingleDigit, text::productAnswer, text::checkMultiplicationBySingleDigit},
        {305, 2, u"okbasamaklsaylarlaarpma1"_s, u"Çok basamaklı sayılarla çarpma"_s,
         numbers(u"1. sayı en fazla kaç \nbasamaklı olsun?"_s, 1, 9),
         numbers(u"2. sayı en fazla kaç \nbasamaklı olsun?"_s, 1, 9),
         {},
         u"Çok basamaklı sayılar ile çarpma işlemi ödevi \nhazırlar. Burada sayıların basamak sayılarını \nbelirleyebilirsiniz."_s,
         text::multiDigitMultiplication, text::productAnswer, text::checkMultiDigitMultiplication},
        {308, 2, u"N101001000ilearma1"_s, u"Doğal sayıları 10,100,1000 ile çarpma"_s,
         numbers(u"Doğal sayı en fazla\n kaç basamaklı olsun?"_s, 1, 9),
         hidden(),
         {},
         u"Doğal sayıları 10, 100, 1000 ile kısa yoldan \nçarpma işlemi ödevi hazırlar. Çarpılacak \nsayının basamak sayısını belirleyebilirsiniz."_s,
         text::multiplicationByPowerOfTen, text::productAnswer, text::checkMultiplicationByPowerOfTen},
        {306, 2, u"Ondalklsaylarilearpma1"_s, u"Ondalıklı sayılar ile çarpma"_s,
         numbers(u"Sayıların tam kısmı en fazla\n kaç basamaklı olsun?"_s, 1, 9),
         numbers(u"Sayıların kesir kısmı en fazla\n kaç basamaklı olsun?"_s, 1, 9),
         {},
         u"Ondalık sayılar ile çarpma işlemi ödevi \nhazırlar. Sayıların tam ve kesir kısımlarını \nayarlayabilirsiniz. Bu kısımlardaki sayıları \nküçük seçmenizde fayda var. Yoksa \nöğrencinin işlemi yapması uzun sürebilir."_s,
         text::decimalMultiplication, text::decimalProductAnswer, text::checkDecimalParts},
        {307, 2, u"Ondalksaylar101001000ilearpma1"_s, u"Ondalık sayıları 10,100,1000 ile çarpma"_s,
         numbers(u"Sayıların tam kısmı en fazla\n kaç basamaklı olsun?"_s, 1, 9),
         numbers(u"Sayıların kesir kısmı en fazla\n kaç basamaklı olsun?"_s, 1, 9),
         {},
         u"Ondalıklı sayıları 10, 100, 1000 ile kısa yoldan \nçarpma işlemi ödevi hazırlar. Sayıların tam ve \nkesir kısımlarını belirleyebilirsiniz"_s,
         text::decimalMultiplicationByPowerOfTen, text::decimalTimesPowerAnswer, text::checkDecimalParts},
        {401, 3, u"Temelblmebalangveya23snf1"_s, u"Temel bölme (başlangıç veya 2-3. sınıf)"_s,
         numbers(u"Bölen sayı en fazla \nkaç olsun?"_s, 2, 9),
         numbers(u"Bölmenin sonucu (bölüm) \nen fazla kaç olsun?"_s, 2, 9),
         u"Bölme işleminde bazen \nkalan olsun"_s,
         u"Bölenin ve bölümün 1 basamaklı olduğu basit \nbölme işlemleri hazırlar.Örneğin 20'den küçük \nsayılar ile bölme(2.Snf.Müfredatı) hazırlamak \nisterseniz bölen kutusunu 5'e, bölüm kutusunu \n4'e (5x4=20) getirin. Bölmenin kalanlı \nolmasını isterseniz alttaki kutuyu işaretleyin."_s,
         text::basicDivision, text::quotientAnswer, text::checkBasicDivision},
        {402, 3, u"leriblme345snf1"_s, u"İleri bölme (3-4-5. sınıf)"_s,
         numbers(u"Bölünen en fazla kaç \nbasamaklı olsun?"_s, 2, 9),
         numbers(u"Bölen en fazla kaç \nbasamaklı olsun?"_s, 1, 9),
         u"Bölme işleminde bazen \nkalan olsun"_s,
         u"Bölme işlemi ödevi hazırlar. Bölünen ve \nbölenin basamak sayılarını belirleyebilirsiniz. \nBölme sonucunda kalan olmasını istiyorsanız \nalttaki kutuyu işaretleyin. Bölünenin basamak \nsayısının bölenden fazla olması gerektiğine \ndikkat edin."_s,
         text::longDivision, text::quotientAnswer, text::checkLongDivision, text::checkLongDivisionLists},
        {403, 3, u"Ondalksaylarileblme1"_s, u"Ondalık sayılar ile bölme"_s,
         numbers(u"Sayıların tam kısmı en fazla\n kaç basamaklı olsun?"_s, 1, 9),
         numbers(u"Sayıların kesir kısmı en fazla\n kaç basamaklı olsun?"_s, 1, 9),
         {},
         u"Ondalık sayılar ile bölme işlemi ödevi \nhazırlar. Sayıların tam ve ondalık kısımlarını \nbelirleyebilirsiniz."_s,
         text::decimalDivision, text::decimalQuotientAnswer, text::checkDecimalParts},
        {404, 3, u"Ondalksaylar101001000ileblme1"_s, u"Ondalık sayıları 10,100,1000 ile bölme"_s,
         numbers(u"Sayıların tam kısmı en fazla\n kaç basamaklı olsun?"_s, 1, 9),
         numbers(u"Sayıların kesir kısmı en fazla\n kaç basamaklı olsun?"_s, 1, 9),
         {},
         u"Ondalık sayıları 10, 100, 1000 ile kısa yoldan \nbölme işlemi ödevi hazırlar. Sayıların tam ve \nondalık kısımlarını belirleyebilirsiniz."_s,
         text::decimalDivisionByPowerOfTen, text::decimalOverPowerAnswer, text::checkDecimalParts},
        {602, 4, u"Basit1"_s, u"Basit"_s,
         words(u" Hangi ölçü birimi kullanılsın?"_s, {u"Metre"_s, u"Gram"_s}),
         hidden(),
         {},
         u"Ölçülerle ilgili birim çevirme ödevi hazırlar. \nKütle için g, kg, t. Uzunluk için cm, m, km \nbirimleri arasında basit birim çevirme ödevleri \nhazırlar."_s,
         text::simpleUnitConversion, text::conversionAnswer},
        {601, 4, u"leriseviye1"_s, u"İleri seviye"_s,
         words(u" Hangi ölçü birimi kullanılsın?"_s, {u"Metre"_s, u"Litre"_s, u"Gram"_s}),
         words(u" Hangi tür sayıları içersin?"_s, {u"Doğal Sayılı"_s, u"Ondalık Sayı"_s}),
         {},
         u"Ölçülerde birim çevirme ödevi hazırlar. \nİstediğiniz birimi, sayı türü olarak da doğal \nveya ondalıklı sayıları seçebilirsiniz."_s,
         text::unitConversion, text::conversionAnswer},
        {603, 4, u"Zaman1"_s, u"Zaman"_s,
         hidden(),
         hidden(),
         {},
         u"Zaman ölçüleri ile ilgili karışık alıştırmalar\nhazırlar."_s,
         text::timeConversion, text::conversionAnswer},
        {501, 5, u"Doalsayokuma1"_s, u"Doğal sayı okuma"_s,
         numbers(u" Sayılar en fazla\n kaç basamaklı olsun?"_s, 3, 15),
         hidden(),
         {},
         u"Doğal sayı okuma alıştırması yapmak için\nbelirttiğiniz basamakta sayı üretir. Bu sayıları\nçıktı alarak okunuşunun nasıl olduğunu\nyazmalarını isteyebilirsiniz."_s,
         text::naturalNumberReading, text::naturalNumberWords, text::checkNaturalNumberReading},
        {502, 5, u"Ondalksayokuma1"_s, u"Ondalık sayı okuma"_s,
         numbers(u" Sayının tam kısmı en fazla\n kaç basamaklı olsun?"_s, 1, 6),
         numbers(u" Sayının kesir kısmı en fazla\n kaç basamaklı olsun?"_s, 1, 6),
         {},
         u"Ondalık sayı okuma alıştırması yapmak için\nbelirttiğiniz özellikte sayı üretir. Bu sayıları\nçıktı alarak okunuşunun nasıl olduğunu\nyazmalarını isteyebilirsiniz."_s,
         text::decimalNumberReading, text::decimalNumberWords, text::checkDecimalNumberReading},
    };
    return kinds;
}
// clang-format on

const TextKind* findTextKind(int32_t code) {
    for (const TextKind& kind : textKinds())
        if (kind.code == code) return &kind;
    return nullptr;
}

}  // namespace zarvik
