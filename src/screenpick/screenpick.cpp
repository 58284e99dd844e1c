// SPDX-License-Identifier: MIT
#include "screenpick/screenpick.h"

#include "menu/contextmenu.h"
#include "platform/messageboxes.h"
#include "screenpick/loupe.h"
#include "screenpick/screenpicker.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Time enough for a window below to repaint what the loupe uncovered.
constexpr qint64 kRepaintMs = 150;

} // namespace

ScreenPick::ScreenPick(ColorPair &pair, const Services &services, QWidget &window)
    : m_pair(pair), m_services(services), m_window(window),
      m_startAction(ContextMenu::newAction(window, QStringLiteral("Pick from screen"),
                                           {QKeySequence(Qt::CTRL | Qt::Key_E)}))
{
    connect(m_startAction, &QAction::triggered, this, &ScreenPick::start);
    m_window.installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &ScreenPick::cancel);
}

ScreenPick::~ScreenPick()
{
    m_window.removeEventFilter(this);
}

platform::ScreenPicker &ScreenPick::picker()
{
    if (m_picker)
        return *m_picker;
    if (!m_services.screenPicker)
        m_ownPicker = platform::createScreenPicker();
    m_picker = m_services.screenPicker ? m_services.screenPicker : m_ownPicker.get();
    connect(m_picker, &platform::ScreenPicker::pointerAt, this, &ScreenPick::showLoupeAt);
    connect(m_picker, &platform::ScreenPicker::hovered, this, [this](QRgb c) {
        if (m_picking)
            m_pair.setPreview(c);
    });
    connect(m_picker, &platform::ScreenPicker::wheelTurned, this, [this](int steps) {
        m_level = loupe::levelAfter(m_level, steps);
        if (m_picking && m_pointer)
            showLoupeAt(*m_pointer);
    });
    connect(m_picker, &platform::ScreenPicker::picked, this, &ScreenPick::onPicked);
    connect(m_picker, &platform::ScreenPicker::cancelled, this, &ScreenPick::end);
    connect(m_picker, &platform::ScreenPicker::failed, this, &ScreenPick::failed);
    return *m_picker;
}

void ScreenPick::start()
{
    m_picking = true;
    m_pointer.reset();
    picker().start();
}

void ScreenPick::cancel()
{
    if (!m_picking)
        return;
    if (m_picker->isActive())
        m_picker->cancel();
    end();
}

bool ScreenPick::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == &m_window &&
        (type == QEvent::WindowBlocked || type == QEvent::Hide || type == QEvent::Close))
        cancel();
    return false;
}

void ScreenPick::showLoupeAt(const QPoint &device)
{
    if (!m_picking)
        return;
    m_pointer = device;
    if (!m_loupe)
        m_loupe = std::make_unique<Loupe>();
    const loupe::Level level = loupe::kLevels[m_level];
    const int reach = level.pixels / 2;
    // The loupe moves away first, so that the pixels read are the screen's own.
    m_loupe->follow(device, level);
    const QImage area =
        m_picker->screenArea(QRect(device - QPoint(reach, reach), QSize(level.pixels, level.pixels)));
    if (area.isNull()) {
        m_loupe->hide();
        return;
    }
    m_loupe->showPixels(area, level.magnification, m_pair.otherColor());
    if (!m_loupe->isVisible())
        m_loupe->show();
}

void ScreenPick::onPicked(QRgb color)
{
    if (!m_picking)
        return;
    const std::optional<qint64> since =
        m_loupe && m_pointer ? m_loupe->sinceUncovered(*m_pointer) : std::nullopt;
    if (m_loupe)
        m_loupe->hide();
    if (!since || *since >= kRepaintMs) {
        take(color);
        return;
    }
    // The pointer jumped to where the loupe just was, and the window there may not have repainted yet: its
    // pixel is read again once it has had the time to.
    QTimer::singleShot(kRepaintMs - *since, this, [this, at = *m_pointer, color] {
        if (!m_picking)
            return;
        const QImage pixel = m_picker->screenArea(QRect(at, QSize(1, 1)));
        take(pixel.isNull() ? color : pixel.pixel(0, 0) | 0xFF000000u);
    });
}

void ScreenPick::take(QRgb color)
{
    m_picking = false;
    const ColorPair::Step step(m_pair);
    m_pair.setPreview(std::nullopt);
    m_pair.setEditedColor(color);
}

void ScreenPick::end()
{
    m_picking = false;
    if (m_loupe)
        m_loupe->hide();
    m_pair.setPreview(std::nullopt);
}

void ScreenPick::failed(const QString &reason)
{
    if (!m_picking)
        return;
    end();
    m_services.messages->show(&m_window, reason, QStringLiteral("Pick from screen"),
                              platform::MessageIcon::Exclamation);
}
