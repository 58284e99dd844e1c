// SPDX-License-Identifier: MIT
#include "widgets/enterpressesbuttons.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace {

bool windowHasDefaultButton(const QWidget *window)
{
    const auto buttons = window->findChildren<QPushButton *>();
    return std::any_of(buttons.begin(), buttons.end(),
                       [](const QPushButton *b) { return b->isDefault() && b->isVisible(); });
}

} // namespace

void EnterPressesButtons::install(QCoreApplication &app)
{
    app.installEventFilter(new EnterPressesButtons(&app));
}

bool EnterPressesButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    auto *button = qobject_cast<QPushButton *>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled() || button->autoDefault() ||
        button->isDefault() || windowHasDefaultButton(button->window()))
        return false;
    // Pressed at once, as Qt presses a dialog's default button on Enter.
    button->click();
    return true;
}
