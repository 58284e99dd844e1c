// SPDX-License-Identifier: MIT
#include "contrastpanel/contrastpanel.h"

#include "accessibility/accessibility.h"
#include "accessibility/picktexts.h"
#include "color/contrastcolor.h"
#include "contrast/contrast.h"
#include "contrast/thresholdoverlay.h"
#include "widgets/design.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

const QString kSentence = QStringLiteral("This sentence shows foreground on background.");

template <typename T> T *make(QWidget *parent, const QString &name, QRect place)
{
    auto *control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

QLabel *label(QWidget *parent, const QString &name, QRect place, const QString &text = QString())
{
    auto *l = make<QLabel>(parent, name, place);
    l->setText(text);
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, QRect place, const QString &text)
{
    auto *b = make<QPushButton>(parent, name, place);
    b->setText(text);
    return b;
}

// The three line styles of the threshold overlay, drawn as they are drawn there, with their ratios.
class ThresholdLegend : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const int middle = height() / 2;
        for (int k = 0; k < 3; ++k) {
            const int left = 4 + 90 * k;
            for (int step = 0; step < 30; ++step) {
                if (!contrast::lineDrawn(k, step))
                    continue;
                painter.setPen(QColor::fromRgb(contrast::kLineDark));
                painter.drawPoint(left + step, middle - 1);
                painter.setPen(QColor::fromRgb(contrast::kLineLight));
                painter.drawPoint(left + step, middle);
            }
            painter.setPen(Qt::black);
            const QString ratio = QString::number(contrast::kOverlayThresholds[k]) + QStringLiteral(":1");
            painter.drawText(QRect(left + 34, 0, 52, height()), Qt::AlignLeft | Qt::AlignVCenter, ratio);
        }
    }
};

} // namespace

// The sample sentence in one pair of colours; painting is left to the next repaint, so a change of colours
// costs only the comparison.
class VisionStrip : public QWidget
{
public:
    using QWidget::QWidget;

    void setColours(QRgb background, QRgb foreground)
    {
        if (background == m_background && foreground == m_foreground)
            return;
        m_background = background;
        m_foreground = foreground;
        update();
    }
    QRgb background() const { return m_background; }
    QRgb foreground() const { return m_foreground; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor::fromRgb(m_background));
        painter.setPen(QColor::fromRgb(m_foreground));
        painter.drawText(rect().adjusted(4, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, kSentence);
    }

private:
    QRgb m_background = 0xFF000000u, m_foreground = 0xFFFFFFFFu;
};

ContrastPanel::ContrastPanel(QWidget *parent) : QWidget(parent)
{
    accessibility::setGrouping(*this, QStringLiteral("Contrast"));
    setFixedSize(kWidth, kHeight);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(design::kPointSize);
    setFont(font);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
    setAutoFillBackground(true);

    lblContrastRatio = label(this, QStringLiteral("lblContrastRatio"), {8, 4, 128, 18});
    // What CSS's contrast-color() gives for the background, written in that colour on the background.
    lblContrastColor = label(this, QStringLiteral("lblContrastColor"), {136, 4, 64, 18});
    lblContrastColor->setAlignment(Qt::AlignCenter);
    lblContrastColor->setAutoFillBackground(true);
    lblContrastColor->setToolTip(QStringLiteral("What contrast-color() gives for the background"));
    lblApca = label(this, QStringLiteral("lblApca"), {8, 22, 192, 18});
    for (int i = 0; i < 5; ++i)
        lblVerdict[i] = label(this, QStringLiteral("lblVerdict(%1)").arg(i), {8, 42 + 16 * i, 192, 16});
    for (int i = 0; i < 4; ++i) {
        const int top = 4 + 22 * i;
        lblVision[i] = label(this, QStringLiteral("lblVision(%1)").arg(i), {208, top, 104, 20},
                             contrast::visionName(contrast::kVisions[i]));
        picVision[i] = make<VisionStrip>(this, QStringLiteral("picVision(%1)").arg(i), {312, top, 299, 20});
    }
    chkShowThresholds = make<QCheckBox>(this, QStringLiteral("chkShowThresholds"), {208, 96, 128, 24});
    chkShowThresholds->setText(QStringLiteral("Show thresholds"));
    picThresholdLegend =
        make<ThresholdLegend>(this, QStringLiteral("picThresholdLegend"), {340, 96, 271, 24});
    picThresholdLegend->setAccessibleName(
        QStringLiteral("Threshold lines: 3:1 solid, 4.5:1 dashed, 7:1 dotted"));

    lblNearest =
        label(this, QStringLiteral("lblNearest"), {8, 130, 104, 18}, QStringLiteral("Nearest passing:"));
    const std::array<QString, 3> ratios{QStringLiteral("3:1"), QStringLiteral("4.5:1"),
                                        QStringLiteral("7:1")};
    for (int i = 0; i < 3; ++i) {
        cmdNearest[i] =
            button(this, QStringLiteral("cmdNearest(%1)").arg(i), {112 + 52 * i, 126, 48, 25}, ratios[i]);
        cmdNearest[i]->setToolTip(
            QStringLiteral("Change the colour being edited to the nearest one with at least ") + ratios[i]);
    }
    cmdCopyContrast =
        button(this, QStringLiteral("cmdCopyContrast"), {452, 126, 104, 25}, QStringLiteral("Copy contrast"));
    lblCopied = label(this, QStringLiteral("lblCopied"), {562, 130, 50, 18}, QStringLiteral("Copied"));
    lblCopied->hide();

    m_noteTimer.setSingleShot(true);
    m_noteTimer.setInterval(1500);
    connect(&m_noteTimer, &QTimer::timeout, lblCopied, &QWidget::hide);
    for (int i = 0; i < 3; ++i) {
        connect(cmdNearest[i], &QPushButton::clicked, this,
                [this, i] { emit nearestRequested(contrast::kOverlayThresholds[i]); });
    }
    connect(chkShowThresholds, &QCheckBox::toggled, this, &ContrastPanel::thresholdsToggled);
    connect(cmdCopyContrast, &QPushButton::clicked, this, &ContrastPanel::copyRequested);

    // Black on white until the owner shows a pair.
    showColors(0xFF000000u, 0xFFFFFFFFu);
}

bool ContrastPanel::thresholdsShown() const
{
    return chkShowThresholds->isChecked();
}

void ContrastPanel::setThresholdsShown(bool shown)
{
    chkShowThresholds->setChecked(shown);
}

void ContrastPanel::showCopied()
{
    lblCopied->show();
    m_noteTimer.start();
}

void ContrastPanel::showColors(QRgb background, QRgb foreground)
{
    const double ratio = contrast::contrastRatio(background, foreground);
    lblContrastRatio->setText(contrast::ratioText(ratio));
    const bool white = contrastcolor::whiteWins(background);
    const QString word = white ? QStringLiteral("white") : QStringLiteral("black");
    if (lblContrastColor->text() != word) {
        lblContrastColor->setText(word);
        lblContrastColor->setAccessibleName(QStringLiteral("contrast-color(): ") + word);
    }
    QPalette sample = lblContrastColor->palette();
    sample.setColor(QPalette::Window, QColor::fromRgb(background));
    sample.setColor(QPalette::WindowText, white ? Qt::white : Qt::black);
    lblContrastColor->setPalette(sample);
    lblApca->setText(QStringLiteral("APCA Lc ") +
                     contrast::apcaFigure(contrast::apcaContrast(foreground, background)));
    for (int i = 0; i < 5; ++i) {
        const auto &criterion = contrast::kCriteria[i];
        const bool pass = contrast::passes(ratio, criterion.threshold);
        lblVerdict[i]->setText(QLatin1String(criterion.name) + u' ' + QString::number(criterion.threshold) +
                               (pass ? QStringLiteral(": pass \u2713") : QStringLiteral(": fail \u2717")));
    }
    for (int i = 0; i < 4; ++i) {
        const QRgb seenBackground = contrast::simulateVision(background, contrast::kVisions[i]);
        const QRgb seenForeground = contrast::simulateVision(foreground, contrast::kVisions[i]);
        picVision[i]->setColours(seenBackground, seenForeground);
        const QString name = QStringLiteral("%1: foreground %2 on background %3")
                                 .arg(contrast::visionName(contrast::kVisions[i]),
                                      contrast::hexText(seenForeground), contrast::hexText(seenBackground));
        if (picVision[i]->accessibleName() != name)
            picVision[i]->setAccessibleName(name);
    }
    // A nearest colour chosen from the keyboard is told through the button that keeps the focus.
    const QString now = QStringLiteral("; now ") + accessibility::contrastText(background, foreground);
    for (QPushButton *nearest : cmdNearest) {
        if (const QString description = nearest->toolTip() + now;
            nearest->accessibleDescription() != description)
            nearest->setAccessibleDescription(description);
    }
}
