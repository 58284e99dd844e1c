// SPDX-License-Identifier: MIT
#include "accessibility/accessibility.h"

#include "accessibility/accessiblewidgets.h"
#include "accessibility/marks.h"
#include "widgets/captionlabel.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QList>

#include <utility>

namespace accessibility {

namespace marks {

namespace {

QHash<const QObject *, Marks> &table()
{
    static QHash<const QObject *, Marks> marks;
    return marks;
}

} // namespace

const Marks *find(const QObject *object)
{
    const auto found = table().constFind(object);
    return found == table().constEnd() ? nullptr : &found.value();
}

Marks &of(QObject &object)
{
    auto found = table().find(&object);
    if (found == table().end()) {
        // A widget emits destroyed() early in its destruction, before the events it still sends then.
        QObject::connect(&object, &QObject::destroyed, [key = &object] { table().remove(key); });
        found = table().insert(&object, {});
    }
    return found.value();
}

} // namespace marks

namespace {

bool announced(QWidget &widget)
{
    return QAccessible::isActive() && widget.isVisible();
}

// Names the lists of the combo boxes once assistive technology asks; until then the lists need not exist.
class ListNamer : public QAccessible::ActivationObserver
{
public:
    void add(QComboBox &combo)
    {
        if (QAccessible::isActive()) {
            name(combo);
            return;
        }
        m_waiting.append(&combo);
        QAccessible::installActivationObserver(this);
    }

    void accessibilityActiveChanged(bool active) override
    {
        if (!active)
            return;
        const QList<QPointer<QComboBox>> waiting = std::exchange(m_waiting, {});
        for (const QPointer<QComboBox> &combo : waiting) {
            if (combo)
                name(*combo);
        }
    }

private:
    static void name(QComboBox &combo) { combo.view()->setAccessibleName(combo.accessibleName()); }

    QList<QPointer<QComboBox>> m_waiting;
};

} // namespace

void install()
{
    // Qt installs each factory once.
    QAccessible::installFactory(createInterface);
}

void setReadout(CaptionLabel &readout, CaptionLabel &caption, const QString &unit)
{
    marks::Marks &m = marks::of(readout);
    m.caption = &caption;
    m.unit = unit;
    // Qt tells of the new name itself; the text interface's change is ours to tell.
    QObject::connect(&readout, &CaptionLabel::shownTextChanged, &readout, [&readout](const QString &before) {
        if (!announced(readout))
            return;
        QAccessibleTextUpdateEvent event(&readout, 0, before, readout.text());
        QAccessible::updateAccessibility(&event);
    });
    QObject::connect(&caption, &CaptionLabel::shownTextChanged, &readout, [&readout] {
        if (!announced(readout))
            return;
        QAccessibleEvent event(&readout, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    });
}

void setLink(CaptionLabel &label)
{
    marks::of(label).role = QAccessible::Link;
}

void setButton(QWidget &picture)
{
    marks::of(picture).role = QAccessible::Button;
}

void setChecked(QWidget &picture, bool checked)
{
    marks::Marks &m = marks::of(picture);
    if (m.checked == checked)
        return;
    m.checked = checked;
    if (!announced(picture))
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(&picture, changed);
    QAccessible::updateAccessibility(&event);
}

void setGrouping(QWidget &container, const QString &name)
{
    marks::of(container).role = QAccessible::Grouping;
    container.setAccessibleName(name);
}

void setWindow(QWidget &window)
{
    marks::of(window).role = QAccessible::Window;
}

void setShownChildrenOnly(QWidget &container)
{
    marks::of(container).shownChildrenOnly = true;
}

void setUnseenLabel(QWidget &control, const QString &text)
{
    auto *label = new QLabel(text, control.parentWidget());
    label->setObjectName(control.objectName() + QStringLiteral(" label"));
    label->hide();
    label->setBuddy(&control);
    control.setAccessibleName(text);
}

void nameListWhenRead(QComboBox &combo)
{
    static ListNamer namer;
    namer.add(combo);
}

} // namespace accessibility
