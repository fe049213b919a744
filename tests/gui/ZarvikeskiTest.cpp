// The text worksheet window: the menu and its catalogue, the fields each kind
// shows, preparing Zarvik.txt (the same bytes as zarvik-cli), the error box,
// the help items and the caption timer.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <set>

#include "TestSupport.h"
#include "common/core/Names.h"
#include "gui/ModalBoxes.h"
#include "text_worksheets/core/TextCatalogue.h"
#include "text_worksheets/windows/Zarvikeski.h"

using zarvik::TextKind;
using zarvik::test::ModalBoxes;

namespace {

struct RecordingOpener : zarvik::FileOpener {
    QStringList opened;
    void open(const QString& path) override { opened << path; }
};

// The controls each generator reads, besides the count: an independent list,
// so a kind that hides a field its generator needs (or shows one it ignores)
// is caught.
struct ReadControls {
    int code;
    bool comboBox1;
    bool comboBox2;
    bool checkBox1;
};
constexpr ReadControls kReadControls[] = {
    {101, true, false, true},   {102, true, true, false},   {103, false, false, false},
    {104, true, true, false},   {105, true, true, false},   {106, true, true, false},
    {201, true, false, true},   {202, false, false, false}, {203, true, false, false},
    {204, true, false, false},  {205, true, true, false},   {301, true, false, false},
    {302, true, false, false},  {303, true, true, false},   {304, true, true, false},
    {305, true, true, false},   {306, true, true, false},   {307, true, true, false},
    {308, true, false, false},  {401, true, true, true},    {402, true, true, true},
    {403, true, true, false},   {404, true, true, false},   {501, true, false, false},
    {502, true, true, false},   {601, true, true, false},   {602, true, false, false},
    {603, false, false, false},
};

const QString kCompletion = QStringLiteral(
    " <<İşlem tamam. ödev hazırlandı.>>\n Bu programın bulunduğu klasörde \n  Zarvik.txt "
    "dosyasına bakınız.");

class TextWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        window.setFileOpener(&opener);
        // Ticks are driven by hand here; a tick inside a modal box's loop would draw.
        timer()->stop();
    }
    void TearDown() override { QDir::setCurrent(previousFolder); }

    template <typename T>
    T* control(const char* name) const {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* edit1() const { return control<QLineEdit>("Edit1"); }
    QComboBox* comboBox1() const { return control<QComboBox>("ComboBox1"); }
    QComboBox* comboBox2() const { return control<QComboBox>("ComboBox2"); }
    QCheckBox* checkBox1() const { return control<QCheckBox>("CheckBox1"); }
    QPushButton* button1() const { return control<QPushButton>("Button1"); }
    QLabel* label(int n) const {
        return control<QLabel>(QStringLiteral("Label%1").arg(n).toLatin1().constData());
    }
    QTimer* timer() const { return control<QTimer>("Timer1"); }

    void choose(const QString& itemName) {
        QAction* action = window.findChild<QAction*>(itemName);
        ASSERT_NE(action, nullptr) << itemName.toStdString();
        action->trigger();
    }
    void choose(int code) { choose(zarvik::findTextKind(code)->itemName); }

    QByteArray worksheet() const { return zarvik::test::readFile(QStringLiteral("Zarvik.txt")); }
    void writeWorksheet(const QByteArray& bytes) const {
        QFile file(QStringLiteral("Zarvik.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    QString previousFolder;
    zarvik::RandomDraw random{20080401, 0};
    zarvik::AppContext context{random};
    TFormZarvikEski window{context};
    RecordingOpener opener;
};

TEST_F(TextWindow, StartsWithTheStartTextOnly) {
    EXPECT_EQ(window.objectName(), QStringLiteral("FormZarvikEski"));
    EXPECT_EQ(window.windowTitle(), zarvik::names::kAuthorWebAddress.toString());
    EXPECT_EQ(window.kindCode(), 0);
    EXPECT_FALSE(label(1)->isHidden());
    EXPECT_TRUE(
        label(1)->text().startsWith(QStringLiteral("\n\n                      Zarvik 2.02\n")));
    EXPECT_TRUE(label(1)->text().endsWith(
        QStringLiteral("Son derleme tarihi :\n                             27.02.2007")));
    EXPECT_TRUE(label(1)->text().contains(zarvik::names::kPublisherWebAddress));
    for (int n = 2; n <= 8; ++n)
        EXPECT_TRUE(label(n)->isHidden()) << "Label" << n;
    for (QWidget* w :
         std::initializer_list<QWidget*>{edit1(), comboBox1(), comboBox2(), checkBox1(), button1()})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();

    // Without a kind the button does nothing: no file, nothing opened.
    window.Button1Click();
    EXPECT_FALSE(QFile::exists(QStringLiteral("Zarvik.txt")));
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST_F(TextWindow, FixedClientAreaBelowTheMenu) {
    auto* client = window.findChild<QWidget*>(QStringLiteral("ClientArea"));
    ASSERT_NE(client, nullptr);
    window.adjustSize();
    EXPECT_EQ(client->size(), QSize(228, 356));
    // The printed pages' controls lie below it, so nothing of it moved.
    auto* printArea = window.findChild<QWidget*>(QStringLiteral("PrintArea"));
    ASSERT_NE(printArea, nullptr);
    EXPECT_EQ(printArea->geometry(),
              QRect(client->geometry().bottomLeft() + QPoint(0, 1), QSize(228, 119)));
    for (const QWidget* control : printArea->findChildren<QWidget*>()) {
        EXPECT_TRUE(printArea->rect().contains(control->geometry()))
            << control->objectName().toStdString();
        // No caption is clipped.
        if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width())
                << control->objectName().toStdString();
        }
    }
    EXPECT_EQ(window.size(), QSize(228, client->geometry().top() + 356 + 119));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(button1()->geometry(), QRect(64, 304, 97, 25));
    EXPECT_EQ(button1()->text(), QStringLiteral("Ödev Hazırla >>"));
    EXPECT_EQ(edit1()->geometry(), QRect(8, 136, 65, 21));
    EXPECT_EQ(edit1()->maxLength(), 9);
    EXPECT_TRUE(comboBox1()->isEditable());
    EXPECT_EQ(comboBox1()->maxVisibleItems(), 9);
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(TextWindow, MenuHoldsTheGroupsInOrder) {
    auto* bar = window.findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), QStringLiteral("&İşlemler"));
    EXPECT_EQ(bar->actions()[1]->text(), QStringLiteral("&Yardım"));

    QMenu* exercises = bar->actions()[0]->menu();
    ASSERT_NE(exercises, nullptr);
    EXPECT_EQ(exercises->objectName(), QStringLiteral("N1"));
    const QStringList groups{QStringLiteral("Toplama"), QStringLiteral("Çıkarma"),
                             QStringLiteral("Çarpma"),  QStringLiteral("Bölme"),
                             QStringLiteral("Ölçüler"), QStringLiteral("Sayı Okuma")};
    const QList<int> sizes{6, 5, 8, 4, 3, 2};
    ASSERT_EQ(exercises->actions().size(), groups.size());
    for (int g = 0; g < groups.size(); ++g) {
        QMenu* group = exercises->actions()[g]->menu();
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->title(), groups[g]);
        EXPECT_EQ(group->actions().size(), sizes[g]) << groups[g].toStdString();
    }
    const auto itemText = [&](int group, int item) {
        return exercises->actions()[group]->menu()->actions()[item]->text();
    };
    EXPECT_EQ(itemText(2, 5), QStringLiteral("Doğal sayıları 10,100,1000 ile çarpma"));
    EXPECT_EQ(itemText(2, 7), QStringLiteral("Ondalık sayıları 10,100,1000 ile çarpma"));
    EXPECT_EQ(itemText(4, 0), QStringLiteral("Basit"));
    EXPECT_EQ(itemText(4, 1), QStringLiteral("İleri seviye"));
    EXPECT_EQ(itemText(4, 2), QStringLiteral("Zaman"));

    QMenu* help = bar->actions()[1]->menu();
    ASSERT_NE(help, nullptr);
    QStringList helpItems;
    for (QAction* action : help->actions())
        helpItems << action->objectName();
    EXPECT_EQ(helpItems,
              (QStringList{QStringLiteral("Programnkullanm1"), QStringLiteral("ProgramHakknda1"),
                           QStringLiteral("ProgramcHakknda1"), QStringLiteral("SrmTarihi1"),
                           QStringLiteral("Webadresleri1")}));
}

TEST_F(TextWindow, EveryKindShowsTheFieldsItsGeneratorReadsAndEmptiesThem) {
    ASSERT_EQ(zarvik::textKinds().size(), std::size(kReadControls));
    for (const ReadControls& expected : kReadControls) {
        SCOPED_TRACE(expected.code);
        const TextKind* kind = zarvik::findTextKind(expected.code);
        ASSERT_NE(kind, nullptr);
        // Leftovers of an earlier choice.
        edit1()->setText(QStringLiteral("77"));
        comboBox1()->setEditText(QStringLiteral("x"));
        comboBox2()->setEditText(QStringLiteral("y"));
        checkBox1()->setChecked(true);
        label(7)->show();

        choose(kind->itemName);

        EXPECT_EQ(window.kindCode(), expected.code);
        EXPECT_FALSE(label(1)->isHidden());
        EXPECT_EQ(label(1)->text(), kind->description);
        EXPECT_FALSE(label(2)->isHidden());
        EXPECT_FALSE(label(3)->isHidden());
        EXPECT_TRUE(label(7)->isHidden());
        EXPECT_FALSE(label(8)->isHidden());
        EXPECT_EQ(label(8)->text(), QStringLiteral("Açıklama"));
        EXPECT_FALSE(edit1()->isHidden());
        EXPECT_FALSE(button1()->isHidden());

        EXPECT_EQ(!comboBox1()->isHidden(), expected.comboBox1);
        EXPECT_EQ(!label(4)->isHidden(), expected.comboBox1);
        EXPECT_EQ(!comboBox2()->isHidden(), expected.comboBox2);
        EXPECT_EQ(!label(5)->isHidden(), expected.comboBox2);
        EXPECT_EQ(!checkBox1()->isHidden(), expected.checkBox1);
        EXPECT_EQ(!label(6)->isHidden(), expected.checkBox1);

        EXPECT_EQ(edit1()->text(), QString());
        EXPECT_EQ(comboBox1()->currentText(), QString());
        EXPECT_EQ(comboBox2()->currentText(), QString());
        EXPECT_FALSE(checkBox1()->isChecked());

        QStringList items1, items2;
        for (int i = 0; i < comboBox1()->count(); ++i)
            items1 << comboBox1()->itemText(i);
        for (int i = 0; i < comboBox2()->count(); ++i)
            items2 << comboBox2()->itemText(i);
        EXPECT_EQ(items1, kind->first.items);
        EXPECT_EQ(items2, kind->second.items);
        if (expected.comboBox1) {
            EXPECT_EQ(label(4)->text(), kind->first.caption);
        }
        if (expected.comboBox2) {
            EXPECT_EQ(label(5)->text(), kind->second.caption);
        }
        if (expected.checkBox1) {
            EXPECT_EQ(label(6)->text(), kind->checkCaption);
        }
        // A shown list always offers something to pick; a hidden one is empty.
        EXPECT_EQ(!items1.isEmpty(), expected.comboBox1);
        EXPECT_EQ(!items2.isEmpty(), expected.comboBox2);
    }
}

TEST_F(TextWindow, CatalogueTextsKeepSpacesAndLineBreaks) {
    const auto items = [](int from, int to) {
        QStringList list;
        for (int v = from; v <= to; ++v)
            list << QString::number(v);
        return list;
    };
    EXPECT_EQ(zarvik::findTextKind(501)->first.items, items(3, 15));
    EXPECT_EQ(zarvik::findTextKind(303)->first.items, items(1, 5));
    EXPECT_EQ(zarvik::findTextKind(303)->second.items, items(1, 2));
    EXPECT_EQ(
        zarvik::findTextKind(601)->first.items,
        (QStringList{QStringLiteral("Metre"), QStringLiteral("Litre"), QStringLiteral("Gram")}));
    EXPECT_EQ(zarvik::findTextKind(601)->second.items,
              (QStringList{QStringLiteral("Doğal Sayılı"), QStringLiteral("Ondalık Sayı")}));
    EXPECT_EQ(zarvik::findTextKind(602)->first.items,
              (QStringList{QStringLiteral("Metre"), QStringLiteral("Gram")}));
    EXPECT_EQ(zarvik::findTextKind(502)->first.caption,
              QStringLiteral(" Sayının tam kısmı en fazla\n kaç basamaklı olsun?"));
    EXPECT_EQ(zarvik::findTextKind(306)->second.caption,
              QStringLiteral("Sayıların kesir kısmı en fazla\n kaç basamaklı olsun?"));
    EXPECT_EQ(zarvik::findTextKind(401)->checkCaption,
              QStringLiteral("Bölme işleminde bazen \nkalan olsun"));
    EXPECT_TRUE(zarvik::findTextKind(103)->description.contains(
        QStringLiteral("sayının \"her zaman\" eldeli")));
    EXPECT_EQ(zarvik::findTextKind(999), nullptr);

    std::set<QString> names;
    for (const TextKind& kind : zarvik::textKinds())
        names.insert(kind.itemName);
    EXPECT_EQ(names.size(), zarvik::textKinds().size());
}

TEST_F(TextWindow, EveryKindWritesWhatTheCliWritesAndOpensTheFile) {
    int index = 0;
    for (const TextKind& kind : zarvik::textKinds()) {
        SCOPED_TRACE(kind.code);
        choose(kind.itemName);
        // A middle item: the smallest items of some kinds make a bound of 0.
        QStringList arguments{QStringLiteral("text"), QString::number(kind.code),
                              QStringLiteral("--count"), QStringLiteral("7")};
        edit1()->setText(QStringLiteral("7"));
        if (kind.first.shown()) {
            comboBox1()->setCurrentIndex(comboBox1()->count() / 2);
            arguments << QStringLiteral("--p1") << comboBox1()->currentText();
        }
        if (kind.second.shown()) {
            comboBox2()->setCurrentIndex(comboBox2()->count() / 2);
            arguments << QStringLiteral("--p2") << comboBox2()->currentText();
        }
        if (kind.checkShown() && index++ % 2 == 0) {
            checkBox1()->setChecked(true);
            arguments << QStringLiteral("--check");
        }
        const int64_t time = 1200000000 + kind.code;
        random.seed(time);
        arguments << QStringLiteral("--time") << QString::number(time) << QStringLiteral("-o")
                  << QStringLiteral("-");
        opener.opened.clear();

        ModalBoxes boxes;
        button1()->click();

        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(u'|').toStdString();
        const zarvik::test::CliResult cli = zarvik::test::runCli(arguments);
        ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();
        EXPECT_FALSE(worksheet().isEmpty());
        EXPECT_EQ(worksheet(), cli.out);
        EXPECT_FALSE(label(7)->isHidden());
        EXPECT_EQ(label(7)->text(), kCompletion);
        EXPECT_EQ(opener.opened, QStringList{QStringLiteral("Zarvik.txt")});
    }
}

TEST_F(TextWindow, TwoPressesGiveFreshExercises) {
    choose(105);
    edit1()->setText(QStringLiteral("10"));
    comboBox1()->setEditText(QStringLiteral("4"));
    comboBox2()->setEditText(QStringLiteral("3"));
    button1()->click();
    const QByteArray first = worksheet();
    button1()->click();
    EXPECT_NE(worksheet(), first);
    EXPECT_EQ(opener.opened.size(), 2);
}

// A count of 999999999 once froze the window for minutes and wrote 7 GB. Past
// half a second a progress dialog shows; closing it cancels, and the old
// Zarvik.txt stays as it was.
TEST_F(TextWindow, LongPreparationShowsProgressAndCancelKeepsTheOldFile) {
    writeWorksheet("önceki ödev\r\n");
    // The most exercises a sheet may have, of long numbers to read: seconds of work.
    choose(501);
    edit1()->setText(QStringLiteral("1000000"));
    comboBox1()->setEditText(QStringLiteral("100"));
    opener.opened.clear();
    QElapsedTimer clock;
    clock.start();
    zarvik::test::ModalBoxes boxes;
    button1()->click();
    EXPECT_LT(clock.elapsed(), 30000);
    ASSERT_EQ(boxes.texts.size(), 2);
    EXPECT_EQ(boxes.texts[0], QStringLiteral("<QProgressDialog>"));
    EXPECT_EQ(boxes.texts[1], QStringLiteral("Alıştırmaların hazırlanması iptal edildi.\n"
                                             "Önceki Zarvik.txt dosyası olduğu gibi bırakıldı."));
    EXPECT_EQ(worksheet(), QByteArray("önceki ödev\r\n"));
    EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{QStringLiteral("Zarvik.txt")});
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(label(7)->isHidden());
    EXPECT_FALSE(timer()->isActive());  // left as the test set it
}

TEST_F(TextWindow, FieldErrorsShowTheErrorBoxAndKeepTheOldFile) {
    struct Case {
        int code;
        const char16_t* count;
        const char16_t* first;
        const char16_t* second;
        const char16_t* advice;  // the Turkish sentence, naming the field
        const char16_t* message;
    };
    const Case cases[] = {
        {102, u"5", u"", u"3", u"\"1. sayının basamak sayısı\" kutusuna bir tam sayı yazınız.",
         u"'' is not a valid integer value"},
        {103, u"", u"", u"", u"\"Alıştırma sayısı\" kutusuna bir tam sayı yazınız.",
         u"'' is not a valid integer value"},
        {301, u"beş", u"5", u"", u"\"Alıştırma sayısı\" kutusuna bir tam sayı yazınız.",
         u"'beş' is not a valid integer value"},
        // The first item of kind 303's list makes a draw's bound 0.
        {303, u"5", u"1", u"1",
         u"\"1. sayı en fazla kaç basamaklı olsun?\" ve \"2. sayı en fazla kaç basamaklı "
         u"olsun?\" alanlarında seçilen değerlerle alıştırma hazırlanamıyor. Bu alanlarda başka "
         u"değerler seçiniz.",
         u"Division by zero"},
        // Edit1 takes nine digits; beyond the limit of exercises it is refused.
        {101, u"999999999", u"9", u"",
         u"\"Alıştırma sayısı\" alanına yazılan 999999999 değeri ile alıştırma hazırlanamaz. "
         u"Bu alana en çok 1000000 olan bir sayı yazınız.",
         u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        writeWorksheet("önceki ödev\r\n");
        choose(c.code);
        edit1()->setText(QString::fromUtf16(c.count));
        comboBox1()->setEditText(QString::fromUtf16(c.first));
        comboBox2()->setEditText(QString::fromUtf16(c.second));
        opener.opened.clear();

        ModalBoxes boxes;
        button1()->click();

        ASSERT_EQ(boxes.texts.size(), 1);
        EXPECT_EQ(boxes.texts[0], QString::fromUtf16(c.advice));
        EXPECT_EQ(boxes.details[0], QString::fromUtf16(c.message));
        EXPECT_EQ(boxes.icons[0], QMessageBox::Critical);
        EXPECT_EQ(boxes.titles[0], zarvik::names::kApplicationTitle.toString());
        EXPECT_EQ(worksheet(), QByteArray("önceki ödev\r\n"));
        EXPECT_TRUE(label(7)->isHidden());
        EXPECT_TRUE(opener.opened.isEmpty());
        // The window carries on: the kind and the fields stay for a correction.
        EXPECT_EQ(window.kindCode(), c.code);
        EXPECT_FALSE(button1()->isHidden());
    }
}

TEST_F(TextWindow, UnwritableFolderIsReportedNotCompleted) {
    choose(103);
    edit1()->setText(QStringLiteral("3"));
    QDir::setCurrent(QStringLiteral("/proc"));
    ModalBoxes boxes;
    button1()->click();
    QDir::setCurrent(folder.path());
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains(QStringLiteral("Zarvik.txt")))
        << boxes.texts[0].toStdString();
    EXPECT_TRUE(label(7)->isHidden());
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST_F(TextWindow, HelpItemsHideTheButtonAndKeepTheKind) {
    choose(105);
    edit1()->setText(QStringLiteral("5"));
    comboBox1()->setEditText(QStringLiteral("4"));
    comboBox2()->setEditText(QStringLiteral("3"));
    button1()->click();
    ASSERT_FALSE(label(7)->isHidden());

    for (const zarvik::TextHelpItem& item : zarvik::textHelpItems()) {
        SCOPED_TRACE(item.itemName.toStdString());
        choose(item.itemName);
        EXPECT_EQ(label(1)->text(), item.text);
        EXPECT_FALSE(label(8)->isHidden());
        EXPECT_EQ(label(8)->text(), item.caption);
        for (int n = 2; n <= 7; ++n)
            EXPECT_TRUE(label(n)->isHidden()) << "Label" << n;
        for (QWidget* w : std::initializer_list<QWidget*>{edit1(), comboBox1(), comboBox2(),
                                                          checkBox1(), button1()})
            EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
        EXPECT_EQ(window.kindCode(), 105);
        EXPECT_EQ(edit1()->text(), QStringLiteral("5"));
        EXPECT_EQ(comboBox1()->currentText(), QStringLiteral("4"));
    }

    // Enter does nothing while the button is hidden.
    opener.opened.clear();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(opener.opened.isEmpty());

    choose(105);
    EXPECT_FALSE(button1()->isHidden());
    EXPECT_EQ(edit1()->text(), QString());
}

TEST_F(TextWindow, HelpTextsNameOnlyThisProjectsAddresses) {
    const auto& help = zarvik::textHelpItems();
    ASSERT_EQ(help.size(), 5u);
    EXPECT_EQ(help[0].caption, QStringLiteral("Programın Kullanımı"));
    EXPECT_TRUE(help[0].text.contains(QStringLiteral("\n\tDosyadaki ödevi kopyalayıp word \n")));
    EXPECT_TRUE(help[3].text.contains(zarvik::names::kPublisherSiteName.toString() +
                                      QStringLiteral(" sitesinden 30.000 defa indirildi.  \n")));
    const QStringList web = help[4].text.split(u'\n');
    ASSERT_EQ(web.size(), 6);  // four lines, then the two closing line breaks
    EXPECT_EQ(web[0], QStringLiteral("  Program adresi:"));
    EXPECT_EQ(web[2], QStringLiteral("  İndirme adresi:"));
    for (int line : {1, 3})
        EXPECT_TRUE(web[line].startsWith(QStringLiteral("  ") +
                                         zarvik::names::kPublisherWebAddress.toString()));
    EXPECT_TRUE(help[4].text.endsWith(QStringLiteral("\n\n")));
    const QStringList biography = help[2].text.split(u'\n');
    ASSERT_EQ(biography.size(), 13);  // ten lines, an empty one, a date, the address
    EXPECT_EQ(biography[10], QString());
    EXPECT_EQ(biography[12], zarvik::names::kPublisherWebAddress.toString());
}

TEST_F(TextWindow, EnterInAFieldPressesTheButton) {
    choose(105);
    edit1()->setText(QStringLiteral("4"));
    comboBox1()->setEditText(QStringLiteral("3"));
    comboBox2()->setEditText(QStringLiteral("2"));
    for (QWidget* field : std::initializer_list<QWidget*>{edit1(), comboBox2()}) {
        opener.opened.clear();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        EXPECT_EQ(opener.opened.size(), 1) << field->objectName().toStdString();
    }
    // Typed text is a value, not a new list item.
    EXPECT_EQ(comboBox2()->count(), 8);
}

TEST_F(TextWindow, TimerTakesOneDrawPerTickAndSetsOneOfThreeCaptions) {
    const QStringList captions{QStringLiteral("Zarvik 2.02"),
                               zarvik::names::kPublisherWebAddress.toString(),
                               zarvik::names::kAuthorWebAddress.toString()};
    QStringList seen;
    for (int tick = 0; tick < 60; ++tick) {
        zarvik::RandomDraw expected = random;
        const int v = expected.draw(3);
        window.Timer1Timer();
        ASSERT_EQ(random.low(), expected.low());
        ASSERT_EQ(random.high(), expected.high());
        ASSERT_EQ(window.windowTitle(), captions[v]);
        if (!seen.contains(captions[v])) seen << captions[v];
    }
    EXPECT_EQ(seen.size(), 3);
}

TEST(TextWindowTimer, RunsEveryThreeSecondsWhileHidden) {
    zarvik::RandomDraw random(1, 0);
    zarvik::AppContext context{random};
    TFormZarvikEski window(context);
    auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(window.isHidden());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 3000);
    window.show();
    window.close();
    EXPECT_TRUE(timer->isActive());
}

TEST_F(TextWindow, EveryTextStaysInsideTheClientArea) {
    const auto checkLabels = [&](const std::string& what) {
        for (int n = 1; n <= 8; ++n) {
            QLabel* l = label(n);
            if (l->isHidden()) continue;
            EXPECT_LE(l->geometry().right(), 227) << what << " Label" << n;
            EXPECT_LE(l->geometry().bottom(), 355) << what << " Label" << n;
        }
    };
    checkLabels("start");
    for (const TextKind& kind : zarvik::textKinds()) {
        choose(kind.itemName);
        label(7)->setText(kCompletion);
        label(7)->adjustSize();
        label(7)->show();
        checkLabels(std::to_string(kind.code));
    }
    for (const zarvik::TextHelpItem& item : zarvik::textHelpItems()) {
        choose(item.itemName);
        checkLabels(item.itemName.toStdString());
    }
}

}  // namespace
