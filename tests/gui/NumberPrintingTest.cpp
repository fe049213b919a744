// Printing for real: three copies from the number window reach the default
// printer as one job of three copies. Skipped where no printer is set up.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>

#include "ModalBoxes.h"
#include "numbers/windows/Zarviksayilar.h"

namespace {

QString run(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("lpstat"), arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0) return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// "system default destination: PDF" -> "PDF".
QString defaultPrinter() {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral(":\\s*(\\S+)\\s*$")).match(run({"-d"}).trimmed());
    return match.hasMatch() ? match.captured(1) : QString();
}

// Job ids of the printer, finished ones included.
QSet<QString> jobs(const QString& printer) {
    QSet<QString> ids;
    for (const QString& line : run({"-W", "all", "-o", printer}).split(u'\n', Qt::SkipEmptyParts))
        ids.insert(line.section(u' ', 0, 0));
    return ids;
}

}  // namespace

TEST(NumberPrinting, ThreeCopiesAreOneJob) {
    const QString printer = defaultPrinter();
    if (printer.isEmpty()) GTEST_SKIP() << "no default printer (lpstat -d); nothing printed";

    zarvik::RandomDraw random;
    random.seed(1700000000);
    zarvik::AppContext context{random};  // no page output: the real printer
    TFormZarvikSayilar window(context);
    auto* kinds = window.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    kinds->setCurrentIndex(0);
    emit kinds->activated(0);
    window.findChild<QPushButton*>(QStringLiteral("ButtonHazirla"))->click();
    auto* copies = window.findChild<QComboBox*>(QStringLiteral("ComboBox4"));
    copies->setCurrentIndex(2);

    const QSet<QString> before = jobs(printer);
    zarvik::test::ModalBoxes boxes;  // a refused job must not hang the test in its error box
    window.findChild<QPushButton*>(QStringLiteral("ButtonYazdir"))->click();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(u'\n').toStdString();
    EXPECT_EQ((jobs(printer) - before).size(), 1) << printer.toStdString();
}
