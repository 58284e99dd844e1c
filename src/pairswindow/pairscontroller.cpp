// SPDX-License-Identifier: MIT
#include "pairswindow/pairscontroller.h"

#include "menu/contextmenu.h"
#include "pairswindow/pairsplacement.h"
#include "pairswindow/pairswindow.h"
#include "widgets/windowframe.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

constexpr QSize kDefaultSize(440, 480);

} // namespace

PairsController::PairsController(ColorPair &pair, const Services &services, QWidget &window)
    : m_pair(pair), m_services(services), m_mainWindow(window), m_book(pair, services, window),
      m_goesWithWindow(
          window, [this] { return m_window; }, [this] { setWindowShown(true); }),
      m_windowAction(ContextMenu::newAction(window, QStringLiteral("Color pairs"),
                                            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)})),
      m_addAction(ContextMenu::newAction(window, QStringLiteral("Add to color pairs"),
                                         {QKeySequence(Qt::CTRL | Qt::Key_D)}))
{
    m_windowAction->setCheckable(true);
    connect(m_windowAction, &QAction::triggered, this, &PairsController::setWindowShown);
    connect(this, &PairsController::windowShownChanged, m_windowAction, &QAction::setChecked);
    connect(m_addAction, &QAction::triggered, this, [this] { m_book.addCurrent(); });
    m_placeSaved.current = [this]() -> std::optional<std::string> {
        const storedvalues::Value place = savedPlace();
        return place.first.empty() ? std::nullopt : std::optional(place.second);
    };
}

PairsController::~PairsController()
{
    // The window's rows read the list kept here: it goes first, not later with the main window's children,
    // and without a save of its place.
    if (m_window)
        m_window->removeEventFilter(this);
    delete m_window;
}

PairsWindow &PairsController::window()
{
    if (!m_window) {
        m_window = new PairsWindow(m_book, m_pair, &m_mainWindow);
        m_window->installEventFilter(this);
        m_book.setWindow(m_window);
    }
    return *m_window;
}

void PairsController::setWindowShown(bool shown)
{
    if (!shown) {
        if (m_window)
            m_window->hide();
        return;
    }
    const bool first = !m_window;
    PairsWindow &w = window();
    if (first)
        placeWindow();
    m_book.followStore();
    w.show();
    w.activateWindow();
}

bool PairsController::isWindowShown() const
{
    return m_window && m_window->isVisible();
}

void PairsController::placeWindow()
{
    const QRect frame = m_mainWindow.frameGeometry();
    const QMargins margins = windowframe::margins(m_mainWindow);
    const std::optional<std::string> saved = m_placeSaved.read(m_services.registry);
    const std::optional<QRect> savedFrame = pairsplacement::readSaved(
        QString::fromStdString(saved.value_or(std::string())), margins, m_window->minimumSize());
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QSize outer = kDefaultSize.grownBy(margins);
    const QRect placed = pairsplacement::place(savedFrame, frame, outer, screens);
    m_window->resize(placed.size().shrunkBy(margins));
    m_window->move(placed.topLeft());
}

void PairsController::savePlace()
{
    if (!m_window)
        return;
    m_place = pairsplacement::savedText(m_window->pos(), m_window->size());
    storedvalues::save(m_services.registry, {}, {&m_placeSaved});
}

storedvalues::Value PairsController::savedPlace() const
{
    if (m_window && m_window->isVisible())
        return {kPlaceSavedName, pairsplacement::savedText(m_window->pos(), m_window->size()).toStdString()};
    if (m_place.isEmpty())
        return {};
    return {kPlaceSavedName, m_place.toStdString()};
}

bool PairsController::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_window && (type == QEvent::Show || type == QEvent::Hide)) {
        if (type == QEvent::Hide)
            savePlace();
        emit windowShownChanged(type == QEvent::Show);
    } else if (watched == m_window && type == QEvent::WindowActivate) {
        m_book.followStore();
    }
    return QObject::eventFilter(watched, event);
}
