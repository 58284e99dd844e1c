// SPDX-License-Identifier: MIT
// Saving both colours for the next run, and restoring them.
#include "app/frmmain.h"

#include "platform/messageboxes.h"
#include "settings/paramstext.h"
#include "settings/storedvalues.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

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
    // What the features keep beside Params goes into the same save, but only what this copy changed:
    // another copy's formats or window place stay as that copy saved them.
    return storedvalues::save(m_services.registry,
                              {{storedvalues::kParams, toSystemCodePage(paramstext::build(ColorParams))}},
                              m_savedBeside);
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
    const std::optional<std::string> stored = storedvalues::read(m_services.registry, storedvalues::kParams);
    ColorParams = paramstext::read(stored ? fromSystemCodePage(*stored) : QString());
}

void frmMain::cmdSave_Click()
{
    saveAndReport();
}

void frmMain::cmdRestore_Click()
{
    RestoreParams();
    LoadColor(editedColor());
}
