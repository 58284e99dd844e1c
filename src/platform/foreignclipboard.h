// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QString>

#include <optional>

namespace platform {

// The text of a clipboard that another program holds, as the window system's own means read it: within
// about a second in all, so that an owner that does not answer cannot freeze the window, and at most its
// first 1 MiB. handled is false where there are no such means (Qt's clipboard is asked instead); text is
// nothing when the owner gave no text in time.
struct ForeignText
{
    bool handled = false;
    std::optional<QString> text;
};

ForeignText readForeignText(QClipboard::Mode mode);

} // namespace platform
