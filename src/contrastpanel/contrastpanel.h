// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>
#include <QTimer>
#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class VisionStrip;

// The contrast figures of the background and foreground colours: ratio, verdicts, APCA and how the pair looks
// without full colour vision, with buttons that ask the owner for the nearest passing colour, switch the
// threshold lines and copy the figures.
class ContrastPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 619;
    static constexpr int kHeight = 156;

    explicit ContrastPanel(QWidget *parent = nullptr);

    // Shows the figures of a pair of colours: the pair as it is shown, preview included.
    void showColors(QRgb background, QRgb foreground);

    bool thresholdsShown() const;
    // Ticks the check box as the owner's shortcut changes it; emits thresholdsToggled when it changes.
    void setThresholdsShown(bool shown);

public slots:
    // Shows "Copied" for a moment.
    void showCopied();

signals:
    void nearestRequested(double threshold);
    void thresholdsToggled(bool shown);
    void copyRequested();

private:
    QLabel *lblContrastRatio;
    QLabel *lblContrastColor;
    QLabel *lblApca;
    std::array<QLabel *, 5> lblVerdict;
    std::array<QLabel *, 4> lblVision;
    std::array<VisionStrip *, 4> picVision;
    QLabel *lblNearest;
    std::array<QPushButton *, 3> cmdNearest;
    QCheckBox *chkShowThresholds;
    QWidget *picThresholdLegend;
    QPushButton *cmdCopyContrast;
    QLabel *lblCopied;
    QTimer m_noteTimer;
};
