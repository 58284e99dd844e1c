// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>

class CaptionLabel;
class QObject;

// What accessibility.h says of each widget, read by the interfaces whenever they are asked. Kept beside the
// widgets rather than in them, and forgotten as a widget is destroyed, before Qt sends its last events.
namespace accessibility::marks {

struct Marks
{
    // Window or Grouping for containers, Link for labels, Button for pictures; NoRole leaves Qt's.
    QAccessible::Role role = QAccessible::NoRole;
    bool checked = false;
    bool shownChildrenOnly = false;
    QPointer<CaptionLabel> caption; // of a readout
    QString unit;
};

// The marks of object, or null when it has none.
const Marks *find(const QObject *object);
// The marks of object, made when it has none.
Marks &of(QObject &object);

} // namespace accessibility::marks
