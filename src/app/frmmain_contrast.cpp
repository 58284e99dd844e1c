// SPDX-License-Identifier: MIT
// The contrast of the two colours: the panel below the window, the threshold lines over the pictures, moving
// to the nearest passing colour and copying the figures.
#include "app/frmmain.h"

#include "color/colors.h"
#include "contrast/contrast.h"
#include "contrast/contrastpanel.h"
#include "contrast/nearest.h"
#include "contrast/thresholdoverlay.h"
#include "platform/clipboard.h"
#include "platform/messageboxes.h"
#include "widgets/overlaylayer.h"
#include "widgets/picturebox.h"

#include <QAction>
#include <QMouseEvent>

namespace {

constexpr int kDesignedHeight = 547;

} // namespace

QRgb frmMain::rowColour(int which) const
{
    const ColorRow &row = ColorParams[which];
    return Colors::toQRgb(Colors::RGB(row[1], row[2], row[3]));
}

ContrastPanel *frmMain::contrastPanel()
{
    // Made on first use, so that a start without it costs nothing.
    if (!m_contrast) {
        m_contrast = new ContrastPanel(this);
        m_contrast->move(0, kDesignedHeight);
        m_contrast->hide();
        m_contrast->setThresholdsShown(m_thresholdsShown);
        connect(m_contrast, &ContrastPanel::nearestRequested, this, &frmMain::moveToNearestPassing);
        connect(m_contrast, &ContrastPanel::thresholdsToggled, this, &frmMain::setThresholdsShown);
        connect(m_contrast, &ContrastPanel::copyRequested, this, &frmMain::copyContrast);
        picGraphic->installEventFilter(this);
    }
    return m_contrast;
}

void frmMain::setWindowSizeFor(bool contrastPanelOpen)
{
    // The window grows downward by the panel; nothing above it moves.
    setFixedSize(619, kDesignedHeight + (contrastPanelOpen ? ContrastPanel::kHeight : 0));
}

void frmMain::setContrastPanelOpen(bool open)
{
    setWindowSizeFor(open);
    contrastPanel()->setVisible(open);
    actContrastPanel->setChecked(open);
    coloursChanged();
}

void frmMain::setThresholdsShown(bool shown)
{
    m_thresholdsShown = shown;
    actThresholds->setChecked(shown);
    if (m_contrast)
        m_contrast->setThresholdsShown(shown);
    if (shown && !m_overlays[0]) {
        for (int i = 0; i < 16; ++i)
            m_overlays[i] = new OverlayLayer(picSmall[i]);
        m_overlays[16] = new OverlayLayer(picGraphic);
    }
    for (OverlayLayer *overlay : m_overlays) {
        if (overlay)
            overlay->setVisible(shown);
    }
    m_overlayKey = {};
    coloursChanged();
}

void frmMain::coloursChanged()
{
    if (m_contrast && m_contrast->isVisible())
        m_contrast->setColors(rowColour(0), rowColour(1));
    if (!m_thresholdsShown)
        return;
    const int which = editedColor();
    const int channel = baseChannel();
    const OverlayKey key{channel, ColorParams[which][channel + 1], rowColour(1 - which), true};
    if (key == m_overlayKey)
        return;
    m_overlayKey = key;
    // The edited colour's plane and swatches against the colour it must be read with.
    for (int i = 0; i < 16; ++i)
        m_overlays[i]->setImage(contrast::swatchOverlay(channel, i, key.other));
    m_overlays[16]->setImage(contrast::planeOverlay(channel, std::clamp<int>(key.base, 0, 255), key.other));
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // While the left button is held on the plane the panel previews the point under the pointer; the pick
    // itself still happens at the release.
    if (watched == picGraphic && event->type() == QEvent::MouseMove && m_contrast &&
        m_contrast->isVisible()) {
        const auto *move = static_cast<QMouseEvent *>(event);
        const qint32 c = picGraphic->point(int(move->position().x()), int(move->position().y()));
        if (move->buttons().testFlag(Qt::LeftButton) && c >= 0) {
            const QRgb preview = Colors::toQRgb(c);
            const bool background = editedColor() == 0;
            m_contrast->previewColors(background ? preview : rowColour(0),
                                      background ? rowColour(1) : preview);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::moveToNearestPassing(double threshold)
{
    const UndoStep change(*this);
    StoreColor(editedColor());
    const int which = editedColor();
    const std::optional<QRgb> nearest =
        contrast::nearestPassing(rowColour(which), rowColour(1 - which), threshold);
    if (!nearest) {
        m_services.messages->show(this,
                                  QStringLiteral("No color reaches %1:1 against this color.").arg(threshold),
                                  QStringLiteral("Contrast"), platform::MessageIcon::Information);
        return;
    }
    if (*nearest != rowColour(which))
        setEditedColor(*nearest);
}

void frmMain::copyContrast()
{
    StoreColor(editedColor());
    QString error;
    platform::Clipboard &clipboard = *m_services.clipboard;
    if (!clipboard.clear(error) ||
        !clipboard.setText(contrast::copyText(rowColour(0), rowColour(1)), error)) {
        m_services.messages->show(this, error, QStringLiteral("Error"), platform::MessageIcon::Exclamation);
        return;
    }
    contrastPanel()->showCopied();
}
