// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/areafigures.h"
#include "model/colorpair.h"
#include "platform/services.h"

#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class AreaView;
class QAction;
class QComboBox;
class QLabel;
class QPushButton;

// "Text over an area": the contrast of the foreground against every pixel of an area of the screen, as it
// is now and as it changes: the area magnified with the pixels where the foreground fails AA marked, its
// figures, and the nearest colour that reaches a level (3:1, 4.5:1 or 7:1, kept while the program runs)
// on 95 % of it, with a button that takes it. Ctrl+Shift+C copies the figures, Ctrl+Shift+A asks for
// another area, Escape closes.
class AreaWindow : public QWidget
{
    Q_OBJECT

public:
    AreaWindow(ColorPair &pair, const Services &services, QWidget *parent);
    ~AreaWindow() override;

    // The area's pixels and where they are on the desktop, in device pixels.
    void setArea(const QImage &pixels, const QRect &device);

signals:
    void pickRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QAction *makeAction(const QString &text, const QKeySequence &key, void (AreaWindow::*handler)());
    void showFigures();
    void copyFigures();
    void useNearest();
    double level() const;

    ColorPair &m_pair;
    Services m_services;
    QImage m_pixels;
    QRect m_device;
    std::unique_ptr<contrast::AreaLuminances> m_luminances;
    std::unique_ptr<contrast::AreaNearest> m_nearestSearch;
    contrast::AreaFigures m_figures;
    QRgb m_foreground = 0;
    std::optional<QRgb> m_nearest;
    // A burst of changes (a drag on the plane) is worked out once.
    QTimer m_update;

    AreaView *picArea;
    std::array<QLabel *, 6> lblFigures{};
    QComboBox *cboLevel;
    QLabel *picNearest;
    QLabel *lblNearest;
    QPushButton *cmdUseNearest;
};
