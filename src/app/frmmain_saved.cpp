// SPDX-License-Identifier: MIT
// Saving both colours for the next run, and restoring them.
#include "app/frmmain.h"

#include "platform/messageboxes.h"
#include "platform/registry.h"
#include "settings/paramstext.h"
#include "settings/registry3.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const std::string kParamsKey = "Software\\Quenby Systems\\TVK";
const std::string kParamsName = "Params";
// Whether the contrast panel is open, "1" or "0"; kept apart so that the Params text stays as it was.
const std::string kContrastPanelName = "ContrastPanel";

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

std::string frmMain::SaveParams()
{
    StoreColor(editedColor());
    if (!m_services.registry)
        return "1009 No place to save the colors.";
    const std::string status =
        Registry3::RegWriteString(*m_services.registry, platform::kHkeyCurrentUser, kParamsKey, kParamsName,
                                  toSystemCodePage(paramstext::build(ColorParams)));
    if (!status.starts_with('0'))
        return status;
    return Registry3::RegWriteString(*m_services.registry, platform::kHkeyCurrentUser, kParamsKey,
                                     kContrastPanelName, actContrastPanel->isChecked() ? "1" : "0");
}

bool frmMain::savedContrastPanelOpen() const
{
    std::string stored;
    return m_services.registry &&
           Registry3::RegReadString(*m_services.registry, platform::kHkeyCurrentUser, kParamsKey,
                                    kContrastPanelName, stored)
               .starts_with('0') &&
           stored == "1";
}

void frmMain::saveAndReport()
{
    // Whatever was saved before stays when a save fails; the user learns of it instead of losing the
    // colours at the next start without a word.
    const std::string status = SaveParams();
    if (!status.starts_with('0'))
        m_services.messages->show(this, QString::fromStdString(status), QStringLiteral("Cannot save colors"),
                                  platform::MessageIcon::Exclamation);
}

void frmMain::RestoreParams()
{
    std::string stored;
    const std::string status =
        m_services.registry ? Registry3::RegReadString(*m_services.registry, platform::kHkeyCurrentUser,
                                                       kParamsKey, kParamsName, stored)
                            : std::string();
    ColorParams = paramstext::read(status.starts_with('0') ? fromSystemCodePage(stored) : QString());
}

void frmMain::cmdSave_Click()
{
    saveAndReport();
}

void frmMain::cmdRestore_Click()
{
    const UndoStep change(*this);
    RestoreParams();
    LoadColor(editedColor());
}
