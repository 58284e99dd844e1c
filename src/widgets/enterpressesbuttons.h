// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QCoreApplication;

// Lets Enter and the keypad's Enter press the focused push button, as Space does. Where Qt already gives
// Enter a meaning (default and auto-default buttons, as in message boxes and most dialogs, and any window
// with a default button) it is left alone, and so is every widget that is not a push button.
class EnterPressesButtons : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // One filter for every window of the application, owned by it.
    static void install(QCoreApplication &app);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
