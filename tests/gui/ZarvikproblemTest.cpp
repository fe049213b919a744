// The word problem window: a grade offers only its themes and a theme only
// its operations; "Yeni Hazırla" prepares what the core prepares for the
// same seed, and "Bak" shows every page of the sheet.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "RecordingOutput.h"
#include "word_problems/windows/Zarvikproblem.h"

using namespace zarvik;

TEST(Zarvikproblem, ListsFollowTheGradeAndThePreparedSheetIsPreviewed) {
    RandomDraw random;
    test::SetOutput output;
    AppContext context{random};
    context.pageOutput = &output;
    TFormZarvikProblem w(context);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Problemler"));
    auto* grade = w.findChild<QComboBox*>(QStringLiteral("ComboBoxSinif"));
    auto* theme = w.findChild<QComboBox*>(QStringLiteral("ComboBoxKonu"));
    auto* operation = w.findChild<QComboBox*>(QStringLiteral("ComboBoxIslem"));
    auto* count = w.findChild<QComboBox*>(QStringLiteral("ComboBoxSayi"));
    ASSERT_TRUE(grade && theme && operation && count);

    // The first grade has no multiplication; the fourth keeps the theme shown.
    grade->setCurrentIndex(0);
    emit grade->activated(0);
    EXPECT_EQ(theme->findText(QStringLiteral("Çarpma")), -1);
    theme->setCurrentText(QStringLiteral("Paralarımız"));
    emit theme->activated(theme->currentIndex());
    grade->setCurrentIndex(3);
    emit grade->activated(3);
    EXPECT_EQ(theme->currentText(), QStringLiteral("Paralarımız"));
    QStringList operations;
    for (int i = 0; i < operation->count(); ++i)
        operations << operation->itemText(i);
    EXPECT_EQ(operations, QStringList{QStringLiteral("Karışık")} +
                              themeOperations(themeIndex(u"Paralarımız"), 4));

    count->setCurrentText(QStringLiteral("7"));
    random.seed(1700000000);
    w.findChild<QPushButton*>(QStringLiteral("ButtonHazirla"))->click();
    ASSERT_TRUE(w.worksheet().prepared());
    RandomDraw same;
    same.seed(1700000000);
    ProblemWorksheet expected;
    expected.prepare(w.choices(), castOf({}, {}), same);
    ASSERT_EQ(w.worksheet().exercises().size(), 7u);
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(w.worksheet().exercises()[i].key, expected.exercises()[i].key);
    w.findChild<QPushButton*>(QStringLiteral("ButtonBak"))->click();
    ASSERT_EQ(output.previews.size(), 1u);
    EXPECT_EQ(output.previews.front().size(), expected.pages().size());
    // Its "HTML olarak kaydet": the problems shown, under their theme's title.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("problemler.html"));
    ASSERT_TRUE(output.saveSheetHtml);
    output.saveSheetHtml(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    EXPECT_EQ(page.count(QStringLiteral("<section class=\"ex")), 7);
    EXPECT_TRUE(page.contains(QStringLiteral("<h1>") + w.worksheet().title().toHtmlEscaped()));
}
