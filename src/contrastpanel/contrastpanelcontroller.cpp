// SPDX-License-Identifier: MIT
#include "contrastpanel/contrastpanelcontroller.h"

#include "contrast/contrast.h"
#include "contrastpanel/contrastpanel.h"
#include "contrastpanel/panelplacement.h"
#include "menu/contextmenu.h"
#include "platform/clipboard.h"
#include "platform/messageboxes.h"
#include "widgets/windowframe.h"

#include <QAction>
#include <QEvent>
#include <QScreen>
#include <QWidget>

ContrastPanelController::ContrastPanelController(ColorPair &pair, QWidget &window, QSize designedSize,
                                                 const Services &services)
    : m_pair(pair), m_window(window), m_designedSize(designedSize), m_services(services),
      m_goesWithWindow(
          window, [this]() -> QWidget * { return m_separate && isOpen() ? m_panel : nullptr; },
          [this] {
              if (m_separate && isOpen())
                  place();
          }),
      m_openAction(ContextMenu::newAction(window, QStringLiteral("Contrast panel"),
                                          {QKeySequence(Qt::CTRL | Qt::Key_K)})),
      m_copyAction(ContextMenu::newAction(window, QStringLiteral("Copy contrast"),
                                          {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}))
{
    // The action holds whether the panel is open, as a toggle action does.
    m_openAction->setCheckable(true);
    connect(m_openAction, &QAction::toggled, this, &ContrastPanelController::openOrClose);
    connect(m_copyAction, &QAction::triggered, this, &ContrastPanelController::copyContrast);
    connect(&m_pair, &ColorPair::changed, this, &ContrastPanelController::update);
    m_saved.current = [this] { return savedValue(); };
    if (m_saved.read(m_services.registry) == "1")
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
        m_panel->installEventFilter(this);
    }
    return *m_panel;
}

bool ContrastPanelController::isOpen() const
{
    return m_openAction->isChecked();
}

void ContrastPanelController::setOpen(bool open)
{
    m_openAction->setChecked(open);
}

void ContrastPanelController::openOrClose(bool open)
{
    if (open) {
        place();
    } else {
        panel().hide();
        if (!m_separate)
            m_window.setFixedSize(m_designedSize);
    }
    update();
    emit openChanged(open);
}

void ContrastPanelController::place()
{
    ContrastPanel &shown = panel();
    const QRect frame = m_window.frameGeometry();
    const QMargins margins = windowframe::margins(m_window);
    const QScreen *screen = m_window.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(), frame.size() * 4);
    const PanelPlacement placement =
        placeContrastPanel(frame, margins, available, m_designedSize, shown.size());
    setSeparate(placement.separate);
    if (placement.separate) {
        shown.move(placement.panelFrame.topLeft());
    } else {
        // The window grows downward by the panel; it moves only as far as the screen needs.
        m_window.setFixedSize(m_designedSize.width(), m_designedSize.height() + ContrastPanel::kHeight);
        if (m_window.isVisible() && placement.windowFrame != frame.topLeft())
            m_window.move(placement.windowFrame);
    }
    // A window of its own waits for the main window to be shown.
    const bool waits = placement.separate && !m_window.isVisible();
    shown.setVisible(!waits);
    if (waits)
        m_goesWithWindow.comeWithWindow();
}

void ContrastPanelController::setSeparate(bool separate)
{
    if (separate == m_separate)
        return;
    m_separate = separate;
    ContrastPanel &shown = panel();
    if (separate) {
        shown.setParent(&m_window,
                        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        shown.setWindowTitle(QStringLiteral("Contrast panel"));
        // The window's shortcuts work in the panel's own window too.
        shown.addActions(m_window.actions());
    } else {
        shown.setParent(&m_window);
        shown.move(0, m_designedSize.height());
        for (QAction *action : m_window.actions())
            shown.removeAction(action);
    }
}

bool ContrastPanelController::eventFilter(QObject *watched, QEvent *event)
{
    // A panel of its own closes with its close box.
    if (m_separate && isOpen() && watched == m_panel && event->type() == QEvent::Close)
        setOpen(false);
    return QObject::eventFilter(watched, event);
}

void ContrastPanelController::setThresholdsShown(bool shown)
{
    m_thresholdsShown = shown;
    if (m_panel)
        m_panel->setThresholdsShown(shown);
}

void ContrastPanelController::update()
{
    if (!isOpen())
        return;
    m_panel->showColors(m_pair.shownColor(0), m_pair.shownColor(1));
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
