// SPDX-License-Identifier: MIT
// Copying either colour, or a report of both, to the clipboard.
#include "app/frmmain.h"

#include "color/copytexts.h"
#include "platform/clipboard.h"
#include "platform/messageboxes.h"

#include <QComboBox>
#include <QPushButton>

void frmMain::cboWhatToCopy_Click()
{
    // Filling the list at start-up selects an entry too; the window, though already shown, is not the user's
    // yet, and the focus goes where its activation puts it.
    if (m_loaded && cmdCopy->isVisible())
        cmdCopy->setFocus();
}

void frmMain::cmdCopy_Click()
{
    CopyToClipboard();
}

void frmMain::CopyToClipboard()
{
    const auto showError = [this](const QString &description) {
        m_services.messages->show(this, description, QStringLiteral("Error"),
                                  platform::MessageIcon::Exclamation);
    };

    StoreColor(editedColor());
    const auto index = static_cast<qint16>(cboWhatToCopy->currentIndex());
    const std::optional<QString> text = copytexts::copyText(ColorParams, index);
    if (!text) {
        showError(QStringLiteral("Overflow"));
        return;
    }
    QString error;
    platform::Clipboard &clipboard = *m_services.clipboard;
    if (!clipboard.clear(error) || !clipboard.setText(*text, error)) {
        showError(error);
        return;
    }
    m_services.messages->show(this, index == 0 ? QStringLiteral("Done!") : *text + QStringLiteral(" copied!"),
                              QStringLiteral("Copy to clipboard"), platform::MessageIcon::None);
}
