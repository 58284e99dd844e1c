// SPDX-License-Identifier: MIT
// Saving both colours for the next run, and restoring them.
#include "app/frmmain.h"

#include "color/numbers.h"
#include "color/textforms.h"
#include "platform/registry.h"
#include "settings/registry3.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const std::string kParamsKey = "Software\\Quenby Systems\\TVK";
const std::string kParamsName = "Params";
// Background: green base, red 64, green 128, blue 192; foreground: blue base, 224, 224, 224.
const QString kDefaultParams = QStringLiteral("001 064 128 192 002 224 224 224 ");
constexpr qsizetype kParamsLength = 32;

// The store takes and gives texts in the system's 8-bit code page: UTF-8 on Linux, the ANSI code page
// on Windows.
std::string toSystemCodePage(const QString &text)
{
    return QByteArray(QStringEncoder(QStringConverter::System).encode(text)).toStdString();
}

QString fromSystemCodePage(const std::string &text)
{
    return QStringDecoder(QStringConverter::System).decode(QByteArray::fromStdString(text));
}

} // namespace

void frmMain::SaveParams()
{
    StoreColor(editedColor());
    QString text;
    for (const auto &row : ColorParams) {
        for (const qint16 item : row)
            text += (QStringLiteral("000") + textforms::plainDecimal(item)).right(3) + u' ';
    }
    // A failed save is silent; whatever was saved before stays.
    if (m_services.registry)
        Registry3::RegWriteString(*m_services.registry, platform::kHkeyCurrentUser, kParamsKey, kParamsName,
                                  toSystemCodePage(text));
}

void frmMain::RestoreParams()
{
    std::string stored;
    const std::string status =
        m_services.registry ? Registry3::RegReadString(*m_services.registry, platform::kHkeyCurrentUser,
                                                       kParamsKey, kParamsName, stored)
                            : std::string();
    QString text = fromSystemCodePage(stored);
    if (text.size() != kParamsLength || !status.starts_with('0'))
        text = kDefaultParams;
    // Separators are not checked, and fields out of range are kept as they read; a number too large for
    // the editing state (such as "9e9") is held to its nearest end.
    for (int row = 0; row < 2; ++row) {
        for (int item = 0; item < 4; ++item) {
            const QStringView field = QStringView(text).mid(16 * row + 4 * item, 3);
            ColorParams[row][item] = numbers::roundToInt16(numbers::numericValue(field));
        }
    }
}

void frmMain::cmdSave_Click()
{
    SaveParams();
}

void frmMain::cmdRestore_Click()
{
    RestoreParams();
    LoadColor(editedColor());
}
