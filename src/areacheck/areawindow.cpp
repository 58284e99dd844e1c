// SPDX-License-Identifier: MIT
#include "areacheck/areawindow.h"

#include "accessibility/accessibility.h"
#include "areacheck/areaview.h"
#include "contrast/contrast.h"
#include "platform/clipboard.h"
#include "platform/messageboxes.h"
#include "widgets/actionbutton.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Logical pixels the magnified area may take.
constexpr QSize kRoom(384, 256);
// Which of the levels shows first.
constexpr int kDefaultLevel = 1;

} // namespace

AreaWindow::AreaWindow(ColorPair &pair, const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_pair(pair), m_services(services)
{
    setObjectName(QStringLiteral("frmArea"));
    setWindowTitle(QStringLiteral("Text over an area"));
    accessibility::setWindow(*this);

    picArea = new AreaView(this);
    picArea->setFixedSize(kRoom);
    picArea->setAccessibleName(QStringLiteral("The area, magnified"));
    picArea->setAccessibleDescription(
        QStringLiteral("Striped: the pixels where the foreground fails AA for normal text"));
    auto *legend = new QLabel(QStringLiteral("Striped: where the foreground fails AA for normal text"), this);
    legend->setObjectName(QStringLiteral("lblLegend"));

    auto *figures = new QWidget(this);
    auto *figureLines = new QVBoxLayout(figures);
    figureLines->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < lblFigures.size(); ++i) {
        lblFigures[i] = new QLabel(figures);
        lblFigures[i]->setObjectName(QStringLiteral("lblFigure(%1)").arg(i));
        lblFigures[i]->setTextFormat(Qt::PlainText);
        lblFigures[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figureLines->addWidget(lblFigures[i]);
    }
    figureLines->addSpacing(8);
    accessibility::setGrouping(*figures, QStringLiteral("Figures"));

    cboLevel = new QComboBox(this);
    cboLevel->setObjectName(QStringLiteral("cboLevel"));
    for (const double level : contrast::kAreaLevels)
        cboLevel->addItem(QString::number(level) + QStringLiteral(":1"));
    cboLevel->setCurrentIndex(kDefaultLevel);
    cboLevel->setAccessibleName(QStringLiteral("Level"));
    accessibility::nameListWhenRead(*cboLevel);
    auto *lblLevel = new QLabel(QStringLiteral("&Level:"), this);
    lblLevel->setBuddy(cboLevel);
    picNearest = new QLabel(this);
    picNearest->setObjectName(QStringLiteral("picNearest"));
    picNearest->setFixedSize(28, 20);
    lblNearest = new QLabel(this);
    lblNearest->setObjectName(QStringLiteral("lblNearest"));
    lblNearest->setTextFormat(Qt::PlainText);
    lblNearest->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QAction *use = makeAction(QStringLiteral("&Use this color"), {}, &AreaWindow::useNearest);
    QAction *another = makeAction(QStringLiteral("Check &another area..."),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), nullptr);
    connect(another, &QAction::triggered, this, &AreaWindow::pickRequested);
    QAction *copy = makeAction(QStringLiteral("&Copy figures"),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &AreaWindow::copyFigures);
    QAction *close = makeAction(QStringLiteral("Cl&ose"), {}, nullptr);
    connect(close, &QAction::triggered, this, &QWidget::hide);
    cmdUseNearest = actionButton(use, QStringLiteral("cmdUseNearest"));

    auto *levelRow = new QHBoxLayout;
    levelRow->addWidget(lblLevel);
    levelRow->addWidget(cboLevel);
    levelRow->addStretch(1);
    auto *nearestRow = new QHBoxLayout;
    nearestRow->addWidget(picNearest);
    nearestRow->addWidget(lblNearest, 1);
    figureLines->addLayout(levelRow);
    figureLines->addLayout(nearestRow);
    figureLines->addWidget(cmdUseNearest, 0, Qt::AlignLeft);
    figureLines->addStretch(1);
    auto *viewColumn = new QVBoxLayout;
    viewColumn->addWidget(picArea);
    viewColumn->addWidget(legend);
    viewColumn->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addLayout(viewColumn);
    top->addWidget(figures, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(actionButton(another, QStringLiteral("cmdAnother")));
    buttons->addStretch(1);
    buttons->addWidget(actionButton(copy, QStringLiteral("cmdCopyFigures")));
    buttons->addWidget(actionButton(close, QStringLiteral("cmdClose")));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    m_update.setSingleShot(true);
    m_update.setInterval(0);
    connect(&m_update, &QTimer::timeout, this, &AreaWindow::showFigures);
    connect(&m_pair, &ColorPair::changed, this, [this] {
        if (isVisible())
            m_update.start();
    });
    connect(cboLevel, &QComboBox::currentIndexChanged, this, &AreaWindow::showFigures);
}

AreaWindow::~AreaWindow() = default;

QAction *AreaWindow::makeAction(const QString &text, const QKeySequence &key, void (AreaWindow::*handler)())
{
    auto *action = new QAction(text, this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    addAction(action);
    return action;
}

void AreaWindow::setArea(const QImage &pixels, const QRect &device)
{
    m_pixels = pixels.convertToFormat(QImage::Format_ARGB32);
    m_device = device;
    m_nearestSearch.reset();
    m_luminances = std::make_unique<contrast::AreaLuminances>(contrast::PixelRows{
        m_pixels.constBits(), m_pixels.width(), m_pixels.height(), m_pixels.bytesPerLine()});
    m_nearestSearch = std::make_unique<contrast::AreaNearest>(*m_luminances);
    picArea->setArea(m_pixels);
    showFigures();
}

double AreaWindow::level() const
{
    return contrast::kAreaLevels[size_t(
        std::clamp(cboLevel->currentIndex(), 0, int(contrast::kAreaLevels.size()) - 1))];
}

void AreaWindow::showFigures()
{
    m_update.stop();
    if (!m_luminances)
        return;
    m_foreground = m_pair.shownColor(1);
    m_figures = contrast::areaFigures(*m_luminances, m_foreground);
    m_nearest = m_nearestSearch->nearest(m_foreground, level());
    picArea->setForeground(m_foreground);
    // The window shows the lines the clipboard gets.
    const QStringList lines =
        contrast::areaCopyText(m_foreground, m_device.size(), m_figures, level(), m_nearest)
            .split(QStringLiteral("\r\n"));
    for (size_t i = 0; i < lblFigures.size(); ++i)
        lblFigures[i]->setText(lines.value(qsizetype(i)));
    lblNearest->setText(lines.value(qsizetype(lblFigures.size())));
    QPixmap swatch(picNearest->size() * devicePixelRatioF());
    swatch.setDevicePixelRatio(devicePixelRatioF());
    swatch.fill(m_nearest ? QColor::fromRgb(*m_nearest) : palette().window().color());
    picNearest->setPixmap(swatch);
    picNearest->setAccessibleName(m_nearest ? contrast::hexText(*m_nearest) : QString());
    cmdUseNearest->setEnabled(m_nearest && (*m_nearest & 0xFFFFFFu) != (m_foreground & 0xFFFFFFu));
}

void AreaWindow::copyFigures()
{
    if (!m_luminances)
        return;
    QString error;
    platform::Clipboard &clipboard = *m_services.clipboard;
    if (!clipboard.clear(error) ||
        !clipboard.setText(
            contrast::areaCopyText(m_foreground, m_device.size(), m_figures, level(), m_nearest), error))
        m_services.messages->show(this, error, QStringLiteral("Error"), platform::MessageIcon::Exclamation);
}

void AreaWindow::useNearest()
{
    if (m_nearest)
        m_pair.setColor(1, *m_nearest);
}

void AreaWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AreaWindow::showEvent(QShowEvent *event)
{
    // Changes made while it was hidden are shown now.
    showFigures();
    QWidget::showEvent(event);
}
