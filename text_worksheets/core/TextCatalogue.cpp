#include "text_worksheets/core/TextCatalogue.h"

#include "common/core/Names.h"

namespace zarvik {

using namespace Qt::Literals::StringLiterals;

namespace {

QString publisherSite() {
    return names::kPublisherSiteName.toString();
}
QString publisherAddress() {
    return names::kPublisherWebAddress.toString();
}

// An invented biography of the invented author.
QString biography() {
    return u"Programı hazırlayan: "_s + names::kAuthorName.toString() +
           u" \n"
           u"Ekip, 2005 yılında sınıf öğretmenleri ve \n"
           u"yazılımcılar tarafından kuruldu. \n"
           u"Üyeleri eğitim fakültelerinde sınıf \n"
           u"öğretmenliği ve bilgisayar öğretimi \n"
           u"okudu. Öğretmen üyeler köy ve kasaba \n"
           u"okullarında, çoğu birleştirilmiş \n"
           u"sınıflarda görev yapmaktadır. Ekip \n"
           u"programı boş zamanlarında geliştirir \n"
           u"ve önerilerinizi bekler. \n"
           u"\n"
           u"27.02.2007\n"_s +
           publisherAddress();
}

QString webAddresses() {
    return u"  Program adresi:\n  "_s + publisherAddress() + u"/zarvik\n  İndirme adresi:\n  "_s +
           publisherAddress() + u"/indir/zarvik.zip\n\n"_s;
}

}  // namespace

TextMainMenu textExercisesMenu() {
    return {u"N1"_s, u"&İşlemler"_s};
}
TextMainMenu textHelpMenu() {
    return {u"Hakknda1"_s, u"&Yardım"_s};
}

const std::vector<TextMenuGroup>& textMenuGroups() {
    static const std::vector<TextMenuGroup> groups{
        {u"Toplama1"_s, u"Toplama"_s},
        {u"karma1"_s, u"Çıkarma"_s},
        {u"arpma1"_s, u"Çarpma"_s},
        {u"Blme1"_s, u"Bölme"_s},
        {u"ller1"_s, u"Ölçüler"_s},
        {u"SayOkuma1"_s, u"Sayı Okuma"_s},
    };
    return groups;
}

const std::vector<TextHelpItem>& textHelpItems() {
    static const std::vector<TextHelpItem> items{
        {u"Programnkullanm1"_s, u"Programın Kullanımı"_s,
         u"       Programın İŞLEMLER menüsünden \nhazırlamak istediğiniz alıştırmayı seçiniz. \nForm üzerinde gösterilen kutuları eksiksiz \ndoldurunuz. Kutuların boş kalması programın \nhata vermesine neden olacaktır.\n      Gerekli yerleri doldurduktan sonra \nÖDEV HAZIRLA düğmesine basınız. \nProgram ödevinizi hazırlayınca bu programın \nbulunduğu klasörde ZARVIK.TXT \ndosyası oluşacak ve kendiliğinden açılacaktır.\n\tDosyadaki ödevi kopyalayıp word \nbelgesine aktarınız. Burada BİÇİM \nmenüsünden SÜTUNLAR tıklayıp çıkan \npencerede sütun sayısını 3-5 arası uygun \ndeğere getirerek Word belgesinde \nalıştırmaların uygun biçimde dizilmesini \nsağlayınız."_s},
        {u"ProgramHakknda1"_s, u"Program Hakkında"_s,
         u"Bu program sınıf öğretmenleri için matematik \nderslerinde yardımcı olması amacıyla çok \nuzun zaman ve emek harcanarak \nhazırlanmıştır. Bu program ile öğrencilerinize \nistediğiniz özelliklerde sınırsız sayıda \nalıştırma hazırlayabilirsiniz. Alıştırmalar \nprogramın içinde kayıtlı  değildir. Bu nedenle \nprogramı her çalıştırdığınızda bilgisayar \nrasgele olacak şekilde size farklı alıştırmalar \nhazırlayacaktır. Programı özellikle \nbirleştirilmiş sınıflı köy okullarında görev \nyapan öğretmen arkadaşlara tavsiye edeceğim. \nBu program sayesinde kısa zamanda konuyu \nöğrettikten sonra ödevli derslerde alıştırma \nvererek tekrar yaptıracak ve zaman \nkazanacaksınız. Bu programı ücretsiz \nkullanabilir, dağıtabilir, kendi sitenizde \nyayınlayabilirsiniz. Bu durumda bana bilgi \namaçlı bir e-posta atarsanız sevinirim. \nProgram hakkındaki öneri ve eleştirilerinizi \nmutlaka bana yazın. Bundan çok mutlu \nolacağım. Bu, aynı zamanda programı \ngeliştirme konusunda beni  \nheveslendirecektir."_s},
        {u"ProgramcHakknda1"_s, u"Programcı Hakkında"_s, biography()},
        {u"SrmTarihi1"_s, u"Sürüm Bilgileri"_s,
         u"Programın ilk sürümü olan Zarvik 1.0 \nDOS penceresinde çalışıyordu ve kullanımı \nkolay değildi. 2.0 ile Windows işletim sistemine\nyaraşır bir grafik arayüze kavuştu. 1 yıl içinde\n"_s +
             publisherSite() +
             u" sitesinden 30.000 defa indirildi.  \n2.01 sürümü ile ölçüler ve sayı okuma eklendi.\nGelecek sürümde programda sizlerin\nönereceği değişiklikler yapılacak, kesirler gibi\nkonular eklenecek. Umarım bu   \nprogram ülkemiz öğrenci ve öğretmenlerine \nfaydalı olur."_s},
        {u"Webadresleri1"_s, u"Web adresleri"_s, webAddresses()},
    };
    return items;
}

QString textWindowStartText() {
    return u"\n\n                      Zarvik 2.02\n\n                 < "_s + publisherAddress() +
           u" >\n\n\n\n\n\n\n                       Son derleme tarihi :\n                             27.02.2007"_s;
}

QString textCompletionText() {
    return u" <<İşlem tamam. ödev hazırlandı.>>\n Bu programın bulunduğu klasörde \n  Zarvik.txt dosyasına bakınız."_s;
}

}  // namespace zarvik
