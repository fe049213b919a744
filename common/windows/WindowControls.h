#pragma once
// Building the fixed-layout windows: controls at their designed pixel
// positions, with their designer names as object names.

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStringList>

namespace zarvik {

// A fixed window with only the system menu and the minimise box: the custom
// hint makes the window manager show exactly these buttons, no maximise.
inline constexpr Qt::WindowFlags kFixedWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// A label whose text starts at (left, top), as wide as its caption.
QLabel* makeLabel(QWidget* parent, const char* name, int left, int top, const QString& caption);
// A plain-text label at (left, top) in the given text colour, sized to its
// text; it keeps its top-left corner when a later text is sized again.
QLabel* makeColouredLabel(QWidget* parent, const char* name, int left, int top, const QString& text,
                          const QColor& colour);
// Text (labels, buttons, fields) drawn in the given colour.
void setTextColour(QWidget* widget, const QColor& colour);
// A raised panel with centred plain text.
QLabel* makePanel(QWidget* parent, const char* name, const QRect& geometry,
                  const QString& text = {});
// The publisher's banner panel: the banner font, blue.
QLabel* makeBannerPanel(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& text);
// A drop-down list that only offers its own items (no typing).
QComboBox* makeList(QWidget* parent, const char* name, const QRect& geometry,
                    const QStringList& items = {});
// A drop-down list in which a value may also be typed, showing text; typed
// text never becomes an item.
QComboBox* makeEditableList(QWidget* parent, const char* name, const QRect& geometry,
                            const QString& text);
QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& geometry);

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QRect& geometry);

QPushButton* makeButtonWidget(QWidget* parent, const char* name, const QRect& geometry,
                              const QString& caption);

// A button whose click runs the window's handler.
template <typename Window>
QPushButton* makeButton(Window* window, const char* name, const QRect& geometry,
                        const QString& caption, void (Window::*handler)()) {
    QPushButton* button = makeButtonWidget(window, name, geometry, caption);
    QObject::connect(button, &QPushButton::clicked, window, handler);
    return button;
}

}  // namespace zarvik
