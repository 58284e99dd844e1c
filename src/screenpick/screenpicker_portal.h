// SPDX-License-Identifier: MIT
#pragma once

#include "screenpick/screenpicker.h"

#include <QDBusConnection>

#include <functional>

namespace platform {

// The desktop portal's colour pick (org.freedesktop.portal.Screenshot.PickColor) over the given bus; the
// desktop shows its own pointer and preview, so no colour is reported while hovering. Whether the portal
// is there is asked when a pick starts, without waiting: a bus that does not answer within a second fails
// the pick with screenPickUnavailableText(). Where the bus says there is no portal, the picker that
// withoutPortal makes picks instead from then on (none given: the pick fails with that sentence). A
// request the portal has not answered within answerLimitMs is given up with a message.
std::unique_ptr<ScreenPicker>
createPortalScreenPicker(const QDBusConnection &bus,
                         std::function<std::unique_ptr<ScreenPicker>()> withoutPortal = {},
                         int answerLimitMs = 120'000);

} // namespace platform
