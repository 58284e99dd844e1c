// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class CaptionLabel;

// The accessible interfaces of our own widgets. Each reads the widget's marks (marks.h) whenever it is asked,
// so marking a widget after Qt first asked for its interface still counts.
namespace accessibility {

// The name of a readout: its caption without the blanks around it, its text and its unit, one blank apart.
QString readoutName(const QString &caption, const QString &text, const QString &unit);

// A caption label: static text whose text can be read, or a link with a press action; a readout is named by
// its caption and labelled by it.
class CaptionLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit CaptionLabelAccessible(QWidget *label);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // The text on screen, as one unselectable run without a caret.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    CaptionLabel *label() const;
};

// A picture box: a graphic, or a button with a press action that can be checked.
class PictureBoxAccessible : public QAccessibleWidget
{
public:
    explicit PictureBoxAccessible(QWidget *picture);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
};

// A marked plain widget or frame: a window, a grouping, or a container that shows only some children.
class ContainerAccessible : public QAccessibleWidget
{
public:
    // role is Qt's own for the widget's class, kept when the marks give none.
    ContainerAccessible(QWidget *container, QAccessible::Role role);

    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QList<QAccessibleInterface *> children() const;
    QAccessible::Role m_role;
};

// Makes the interfaces above for the widgets they belong to; null for every other object.
QAccessibleInterface *createInterface(const QString &className, QObject *object);

} // namespace accessibility
