// SPDX-License-Identifier: MIT
#include "contrastpanel/contrastpanelcontroller.h"

#include "contrast/contrast.h"
#include "contrastpanel/contrastpanel.h"
#include "platform/clipboard.h"
#include "platform/messageboxes.h"
#include "settings/storedvalues.h"

#include <QWidget>

ContrastPanelController::ContrastPanelController(ColorPair &pair, QWidget &window, QSize designedSize,
                                                 const Services &services)
    : m_pair(pair), m_window(window), m_designedSize(designedSize), m_services(services)
{
    connect(&m_pair, &ColorPair::changed, this, &ContrastPanelController::update);
    if (storedvalues::read(m_services.registry, kSavedName) == "1")
        setOpen(true);
}

ContrastPanel &ContrastPanelController::panel()
{
    // Made on first use, so that a start without it costs nothing.
    if (!m_panel) {
        m_panel = new ContrastPanel(&m_window);
        m_panel->move(0, m_designedSize.height());
        m_panel->hide();
        m_panel->setThresholdsShown(m_thresholdsShown);
        connect(m_panel, &ContrastPanel::nearestRequested, this, &ContrastPanelController::nearestRequested);
        connect(m_panel, &ContrastPanel::thresholdsToggled, this,
                &ContrastPanelController::thresholdsToggled);
        connect(m_panel, &ContrastPanel::copyRequested, this, &ContrastPanelController::copyContrast);
    }
    return *m_panel;
}

void ContrastPanelController::setOpen(bool open)
{
    if (open == m_open)
        return;
    m_open = open;
    // The window grows downward by the panel; nothing above it moves.
    m_window.setFixedSize(m_designedSize.width(),
                          m_designedSize.height() + (open ? ContrastPanel::kHeight : 0));
    panel().setVisible(open);
    update();
    emit openChanged(open);
}

void ContrastPanelController::setThresholdsShown(bool shown)
{
    m_thresholdsShown = shown;
    if (m_panel)
        m_panel->setThresholdsShown(shown);
}

void ContrastPanelController::update()
{
    if (!m_open)
        return;
    m_panel->setColors(m_pair.background(), m_pair.foreground());
    if (m_pair.preview())
        m_panel->previewColors(m_pair.shownColor(0), m_pair.shownColor(1));
}

void ContrastPanelController::copyContrast()
{
    QString error;
    platform::Clipboard &clipboard = *m_services.clipboard;
    if (!clipboard.clear(error) ||
        !clipboard.setText(contrast::copyText(m_pair.background(), m_pair.foreground()), error)) {
        m_services.messages->show(&m_window, error, QStringLiteral("Error"),
                                  platform::MessageIcon::Exclamation);
        return;
    }
    panel().showCopied();
}
