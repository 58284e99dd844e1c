// SPDX-License-Identifier: MIT
#include "widgets/actionbutton.h"

#include <QAction>
#include <QPushButton>

QPushButton *actionButton(QAction *action, const QString &objectName)
{
    auto *b = new QPushButton(action->text());
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    const QString keys = action->shortcut().toString(QKeySequence::NativeText);
    if (!keys.isEmpty()) {
        b->setToolTip(QStringLiteral("%1 (%2)").arg(QString(action->text()).remove(u'&'), keys));
        b->setAccessibleDescription(keys);
    }
    // An action already disabled sends no change; the button must not offer it until it does.
    b->setEnabled(action->isEnabled());
    QObject::connect(b, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, b, &QPushButton::setEnabled);
    return b;
}
