// zarvik-cli fraction: a denominator relation it does not know is bad usage,
// named with the three it takes, rather than a page of bare "=" signs.

#include <gtest/gtest.h>

#include "TestSupport.h"

using zarvik::test::runCli;

TEST(FractionCli, UnknownDenominatorsAreRefused) {
    const QStringList sheet = {"fraction", "--op", "Toplama", "--type", "Basit Kesir", "--json"};
    const auto refused = runCli(sheet + QStringList{"--denominators", "Paydaları Eşt"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.out.isEmpty());
    const QString err = QString::fromUtf8(refused.err);
    for (const char* named : {"--denominators", "Paydaları Eşit", "Paydaları Farklı",
                              "Paydaları Birbirinin Katı", "Paydaları Eşt"})
        EXPECT_TRUE(err.contains(QString::fromUtf8(named))) << err.toStdString();
    EXPECT_EQ(runCli(sheet + QStringList{"--denominators", "Paydaları Farklı"}).exitCode, 0);
}
