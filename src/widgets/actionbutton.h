// SPDX-License-Identifier: MIT
#pragma once

class QAction;
class QPushButton;
class QString;

// A push button for an action: its text, its keys in the tool tip and the accessible description, a click
// that triggers the action, and the action's enabled state from the start on.
QPushButton *actionButton(QAction *action, const QString &objectName);
