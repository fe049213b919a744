#include "common/windows/FieldNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <algorithm>
#include <limits>

namespace zarvik {

namespace {

bool isField(const QWidget* w) {
    // An editable list's own line edit is named with its list.
    if (qobject_cast<const QLineEdit*>(w))
        return !qobject_cast<const QComboBox*>(w->parentWidget()) &&
               !qobject_cast<const QAbstractSpinBox*>(w->parentWidget());
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w);
}

QString captionOf(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w))
        return static_cast<const QAbstractButton*>(w)->text();
    return {};
}

bool hasLabel(const QWidget* field) {
    if (!field->accessibleName().isEmpty()) return true;
    for (const QLabel* label : field->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == field) return true;
    return false;
}

// The caption on the field's row nearest to it, else the nearest right above it.
QWidget* captionFor(const QWidget* field) {
    const QRect f = field->geometry();
    QWidget* best = nullptr;
    int bestDistance = std::numeric_limits<int>::max();
    for (QObject* object : field->parentWidget()->children()) {
        auto* candidate = qobject_cast<QWidget*>(object);
        if (!candidate || candidate == field || captionOf(candidate).trimmed().isEmpty()) continue;
        if (const auto* label = qobject_cast<QLabel*>(candidate); label && label->buddy()) continue;
        const QRect c = candidate->geometry();
        const int middle = c.center().y();
        int distance;
        if (middle >= f.top() - 4 && middle <= f.bottom() + 4) {
            // A label's box may reach a little under the field beside it.
            if (c.center().x() < f.left())
                distance = std::max(0, f.left() - c.right());
            else if (c.center().x() > f.right())
                distance = std::max(0, c.left() - f.right());
            else
                continue;
        } else if (c.bottom() <= f.top() && f.top() - c.bottom() <= f.height() &&
                   c.left() < f.right() && c.right() > f.left()) {
            distance = 1000 + f.top() - c.bottom();
        } else {
            continue;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}

}  // namespace

void nameFieldsByTheirCaptions(QWidget& window) {
    for (QWidget* field : window.findChildren<QWidget*>()) {
        if (!isField(field) || !field->parentWidget() || hasLabel(field)) continue;
        QWidget* caption = captionFor(field);
        if (!caption) continue;
        if (auto* label = qobject_cast<QLabel*>(caption))
            label->setBuddy(field);
        else
            field->setAccessibleName(captionOf(caption).remove(u'&').remove(u':').trimmed());
    }
}

}  // namespace zarvik
