// SPDX-License-Identifier: MIT
#include "accessibility/accessiblewidgets.h"

#include "accessibility/marks.h"
#include "widgets/captionlabel.h"
#include "widgets/picturebox.h"

#include <QStringList>

namespace accessibility {

namespace {

using Relations = QList<QPair<QAccessibleInterface *, QAccessible::Relation>>;

QAccessible::Role markedRole(const QObject *object)
{
    const marks::Marks *m = marks::find(object);
    return m ? m->role : QAccessible::NoRole;
}

} // namespace

QString readoutName(const QString &caption, const QString &text, const QString &unit)
{
    QStringList parts{caption.trimmed(), text, unit};
    parts.removeAll(QString());
    return parts.join(u' ');
}

CaptionLabelAccessible::CaptionLabelAccessible(QWidget *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{
}

CaptionLabel *CaptionLabelAccessible::label() const
{
    return static_cast<CaptionLabel *>(widget());
}

QAccessible::Role CaptionLabelAccessible::role() const
{
    return markedRole(object()) == QAccessible::Link ? QAccessible::Link : QAccessible::StaticText;
}

QString CaptionLabelAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    // The text as shown: "&HC08040" keeps its "&", which Qt would take for an access key.
    const marks::Marks *m = marks::find(object());
    if (m && m->caption)
        return readoutName(m->caption->text(), label()->text(), m->unit);
    return label()->text();
}

Relations CaptionLabelAccessible::relations(QAccessible::Relation match) const
{
    Relations found = QAccessibleWidget::relations(match);
    const marks::Marks *m = marks::find(object());
    // Each pair says what the other object is to this one: its label, or labelled by it.
    if (match.testFlag(QAccessible::Label) && m && m->caption)
        found.append({QAccessible::queryAccessibleInterface(m->caption.data()), QAccessible::Label});
    if (match.testFlag(QAccessible::Labelled) && widget()->parentWidget()) {
        for (auto *sibling :
             widget()->parentWidget()->findChildren<CaptionLabel *>(Qt::FindDirectChildrenOnly)) {
            const marks::Marks *other = marks::find(sibling);
            if (other && other->caption == label())
                found.append({QAccessible::queryAccessibleInterface(sibling), QAccessible::Labelled});
        }
    }
    return found;
}

void *CaptionLabelAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QStringList CaptionLabelAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (role() == QAccessible::Link)
        names.prepend(pressAction());
    return names;
}

void CaptionLabelAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && role() == QAccessible::Link)
        label()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

void CaptionLabelAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
}

QString CaptionLabelAccessible::text(int startOffset, int endOffset) const
{
    const QString shown = label()->text();
    if (endOffset < 0 || endOffset > shown.size())
        endOffset = int(shown.size());
    startOffset = std::clamp(startOffset, 0, endOffset);
    return shown.mid(startOffset, endOffset - startOffset);
}

int CaptionLabelAccessible::characterCount() const
{
    return int(label()->text().size());
}

QRect CaptionLabelAccessible::characterRect(int) const
{
    return {};
}

int CaptionLabelAccessible::offsetAtPoint(const QPoint &) const
{
    return -1;
}

QString CaptionLabelAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

PictureBoxAccessible::PictureBoxAccessible(QWidget *picture)
    : QAccessibleWidget(picture, QAccessible::Graphic)
{
}

QAccessible::Role PictureBoxAccessible::role() const
{
    return markedRole(object()) == QAccessible::Button ? QAccessible::Button : QAccessible::Graphic;
}

QAccessible::State PictureBoxAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (const marks::Marks *m = marks::find(object()); m && m->role == QAccessible::Button) {
        s.checkable = true;
        s.checked = m->checked;
    }
    return s;
}

QStringList PictureBoxAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (role() == QAccessible::Button)
        names.prepend(pressAction());
    return names;
}

void PictureBoxAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && role() == QAccessible::Button)
        static_cast<PictureBox *>(widget())->click();
    else
        QAccessibleWidget::doAction(actionName);
}

ContainerAccessible::ContainerAccessible(QWidget *container, QAccessible::Role role)
    : QAccessibleWidget(container, role), m_role(role)
{
}

QAccessible::Role ContainerAccessible::role() const
{
    const QAccessible::Role marked = markedRole(object());
    return marked == QAccessible::NoRole ? m_role : marked;
}

QList<QAccessibleInterface *> ContainerAccessible::children() const
{
    QList<QAccessibleInterface *> all;
    const int count = QAccessibleWidget::childCount();
    const marks::Marks *m = marks::find(object());
    const bool onlyShown = m && m->shownChildrenOnly;
    for (int i = 0; i < count; ++i) {
        QAccessibleInterface *c = QAccessibleWidget::child(i);
        if (!c)
            continue;
        // A child wholly outside the container is clipped away and cannot be seen.
        const QObject *o = c->object();
        if (onlyShown && (!o || !o->isWidgetType() ||
                          !static_cast<const QWidget *>(o)->geometry().intersects(widget()->rect())))
            continue;
        all.append(c);
    }
    return all;
}

int ContainerAccessible::childCount() const
{
    return int(children().size());
}

QAccessibleInterface *ContainerAccessible::child(int index) const
{
    return children().value(index);
}

int ContainerAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return int(children().indexOf(const_cast<QAccessibleInterface *>(child)));
}

QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("CaptionLabel"))
        return new CaptionLabelAccessible(widget);
    if (className == QLatin1String("PictureBox"))
        return new PictureBoxAccessible(widget);
    // Only marked containers: a widget being destroyed is seen as a plain one, and once its marks are
    // forgotten it is left to Qt, which knows not to give it an interface.
    const marks::Marks *m = marks::find(object);
    if (!m || (m->role != QAccessible::Window && m->role != QAccessible::Grouping && !m->shownChildrenOnly))
        return nullptr;
    if (className == QLatin1String("QWidget"))
        return new ContainerAccessible(widget, QAccessible::Client);
    if (className == QLatin1String("QFrame"))
        return new ContainerAccessible(widget, QAccessible::Border);
    return nullptr;
}

} // namespace accessibility
