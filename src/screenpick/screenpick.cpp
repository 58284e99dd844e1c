// SPDX-License-Identifier: MIT
#include "screenpick/screenpick.h"

#include "menu/contextmenu.h"
#include "platform/messageboxes.h"
#include "screenpick/areaoutline.h"
#include "screenpick/loupe.h"
#include "screenpick/sample.h"
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
        // An area is no colour to show.
        if (m_picking && !m_area)
            m_pair.setPreview(c);
    });
    connect(m_picker, &platform::ScreenPicker::sampleSizeChosen, this, [this](int size) {
        m_sampleSize = size;
        m_picker->setSampleSize(size);
        if (m_picking && m_pointer)
            showLoupeAt(*m_pointer);
    });
    connect(m_picker, &platform::ScreenPicker::areaStarted, this, [this](const QPoint &device) {
        if (!m_picking || !m_area)
            return;
        m_anchor = device;
        showLoupeAt(device);
    });
    connect(m_picker, &platform::ScreenPicker::areaPicked, this, &ScreenPick::onAreaPicked);
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
    begin(false);
}

void ScreenPick::startArea()
{
    begin(true);
}

void ScreenPick::begin(bool area)
{
    // A pick of the other kind gives way.
    if (m_picking && m_area != area)
        cancel();
    m_picking = true;
    m_area = area;
    m_pointer.reset();
    m_anchor.reset();
    picker().setSampleSize(m_sampleSize);
    if (area)
        picker().startArea();
    else
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
    m_loupe->showPixels(area, level.magnification, m_pair.otherColor(), m_area ? 1 : m_sampleSize);
    if (!m_loupe->isVisible())
        m_loupe->show();
    if (m_area && m_anchor) {
        if (!m_outline)
            m_outline = std::make_unique<AreaOutline>();
        m_outline->surround(QRect(*m_anchor, device).normalized());
    }
}

void ScreenPick::onPicked(QRgb color)
{
    if (!m_picking || m_area)
        return;
    const std::optional<qint64> since =
        m_loupe && m_pointer ? m_loupe->sinceUncovered(sample::squareAround(*m_pointer, m_sampleSize))
                             : std::nullopt;
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
        const QImage square = m_picker->screenArea(sample::squareAround(at, m_sampleSize));
        take(square.isNull() ? color : sample::mean(square, square.rect()));
    });
}

void ScreenPick::onAreaPicked(const QRect &device)
{
    if (!m_picking || !m_area)
        return;
    // The area's pixels are read once nothing of ours covers them: the outline lies outside the area, and
    // the window below the loupe gets the time to repaint what the loupe uncovers.
    qint64 wait = 0;
    if (m_loupe) {
        if (m_loupe->isVisible() && m_loupe->deviceRect().intersects(device))
            wait = kRepaintMs;
        else if (const std::optional<qint64> since = m_loupe->sinceUncovered(device))
            wait = std::max<qint64>(0, kRepaintMs - *since);
        m_loupe->hide();
    }
    if (m_outline)
        m_outline->hide();
    if (wait == 0) {
        takeArea(device);
        return;
    }
    QTimer::singleShot(wait, this, [this, device] {
        if (m_picking && m_area)
            takeArea(device);
    });
}

void ScreenPick::takeArea(const QRect &device)
{
    const QImage pixels = m_picker->screenArea(device);
    end();
    if (pixels.isNull()) {
        m_services.messages->show(&m_window, platform::screenPickUnavailableText(),
                                  QStringLiteral("Check text over an area"),
                                  platform::MessageIcon::Exclamation);
        return;
    }
    emit areaTaken(pixels, device);
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
    if (m_outline)
        m_outline->hide();
    m_pair.setPreview(std::nullopt);
}

void ScreenPick::failed(const QString &reason)
{
    if (!m_picking)
        return;
    const bool area = m_area;
    end();
    m_services.messages->show(&m_window, reason,
                              area ? QStringLiteral("Check text over an area")
                                   : QStringLiteral("Pick from screen"),
                              platform::MessageIcon::Exclamation);
}
