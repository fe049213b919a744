#include "common/windows/WindowControls.h"

#include "common/windows/Look.h"

namespace zarvik {

QLabel* makeLabel(QWidget* parent, const char* name, int left, int top, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    // The text starts at the designed top; the room above keeps the dots of
    // İ and Ö, which reach above the font's ascent, from being cut.
    constexpr int kAccentRoom = 3;
    const QSize size = label->sizeHint();
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    label->setGeometry(left, top - kAccentRoom, size.width(), size.height() + kAccentRoom);
    return label;
}

QLabel* makeColouredLabel(QWidget* parent, const char* name, int left, int top, const QString& text,
                          const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    label->setText(text);
    label->adjustSize();
    setTextColour(label, colour);
    return label;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QLabel* makePanel(QWidget* parent, const char* name, const QRect& geometry, const QString& text) {
    auto* panel = new QLabel(text, parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    panel->setTextFormat(Qt::PlainText);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* makeBannerPanel(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& text) {
    QLabel* panel = makePanel(parent, name, geometry, text);
    panel->setFont(bannerFont());
    QPalette blue = panel->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    panel->setPalette(blue);
    return panel;
}

QComboBox* makeList(QWidget* parent, const char* name, const QRect& geometry,
                    const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(false);
    box->addItems(items);
    box->setGeometry(geometry);
    return box;
}

QComboBox* makeEditableList(QWidget* parent, const char* name, const QRect& geometry,
                            const QString& text) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    // Typed text is a value for the generator, not a new item.
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(9);
    list->setGeometry(geometry);
    list->setEditText(text);
    return list;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    return edit;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

QPushButton* makeButtonWidget(QWidget* parent, const char* name, const QRect& geometry,
                              const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Only the text window has a default button; Enter elsewhere presses nothing.
    button->setAutoDefault(false);
    return button;
}

}  // namespace zarvik
