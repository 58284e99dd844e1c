// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screenpicker.h"

#include <QDBusConnection>

namespace platform {

// The desktop portal's colour pick (org.freedesktop.portal.Screenshot.PickColor) over the given bus;
// the desktop shows its own pointer and preview, so no colour is reported while hovering.
std::unique_ptr<ScreenPicker>
createPortalScreenPicker(const QDBusConnection &bus = QDBusConnection::sessionBus());

} // namespace platform
