// Saving both colours for the next run, and restoring them.
#include "app/frmmain.h"

#include "color/numbers.h"
#include "color/textforms.h"
#include "platform/registry.h"
#include "settings/registry3.h"

namespace {

const QString kParamsKey = QStringLiteral("Software\\Quenby Systems\\TVK");
const QString kParamsName = QStringLiteral("Params");
// Background: green base, red 64, green 128, blue 192; foreground: blue base, 224, 224, 224.
const QString kDefaultParams = QStringLiteral("001 064 128 192 002 224 224 224 ");
constexpr qsizetype kParamsLength = 32;

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
        Registry3::RegWriteString(*m_services.registry, platform::kHkeyCurrentUser, kParamsKey, kParamsName, text);
}

void frmMain::RestoreParams()
{
    QString text;
    const QString status = m_services.registry ? Registry3::RegReadString(*m_services.registry,
                                                                           platform::kHkeyCurrentUser, kParamsKey,
                                                                           kParamsName, text)
                                               : QString();
    if (text.size() != kParamsLength || !status.startsWith(u'0'))
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
