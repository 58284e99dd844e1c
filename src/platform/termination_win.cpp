// SPDX-License-Identifier: MIT
#include "platform/termination.h"

#include <QGuiApplication>

namespace platform {

// Windows ends a program at logoff through the session manager only.
Termination::Termination(AppExit &exit, std::function<bool()> save, QObject *parent)
    : QObject(parent), m_exit(exit), m_save(std::move(save))
{
#ifndef QT_NO_SESSIONMANAGER
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this] { m_save(); });
#endif
}

Termination::~Termination() = default;

void Termination::signalArrived() {}

// Windows has no file-size limit that sends a signal.
void keepRunningPastFileSizeLimit() {}

} // namespace platform
