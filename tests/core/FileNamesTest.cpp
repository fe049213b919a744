// The name the save-as-PDF dialog proposes: what the sheet is, in plain ASCII.

#include <gtest/gtest.h>

#include "common/core/FileNames.h"

using namespace zarvik;

TEST(FileNames, SheetNamesFoldToAscii) {
    EXPECT_EQ(pdfFileName({u"Bölme"_qs, u"A5"_qs}), u"Bolme-A5.pdf"_qs);
    EXPECT_EQ(pdfFileName({u"Kesir"_qs, u"Çıkarma"_qs}), u"Kesir-Cikarma.pdf"_qs);
    EXPECT_EQ(pdfFileName({u"Sayı Okuma"_qs}), u"Sayi-Okuma.pdf"_qs);
    EXPECT_EQ(pdfFileName({u"Tek ve Çift Sayılar"_qs}), u"Tek-ve-Cift-Sayilar.pdf"_qs);
    EXPECT_EQ(pdfFileName({u"Karşılaştırma"_qs}), u"Karsilastirma.pdf"_qs);
    EXPECT_EQ(pdfFileName({u"İĞÜŞÖ ğ"_qs}), u"IGUSO-g.pdf"_qs);
    // Nothing nameable left: the old name; stray signs never reach the file system.
    EXPECT_EQ(pdfFileName({}), u"Zarvik.pdf"_qs);
    EXPECT_EQ(pdfFileName({u""_qs, u"/../"_qs}), u"Zarvik.pdf"_qs);
    EXPECT_EQ(pdfFileName({u"Kesir"_qs, u""_qs}), u"Kesir.pdf"_qs);
}
