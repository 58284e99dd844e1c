// SPDX-License-Identifier: MIT
// The controls of the main window with their places, captions and fonts, their reading order and names.
#include "app/frmmain.h"

#include "accessibility/accessibility.h"
#include "color/colors.h"
#include "widgets/captionlabel.h"
#include "widgets/linetextbox.h"
#include "widgets/picturebox.h"

#include "widgets/design.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

constexpr qint32 kWindowColour = 12632256; // RGB(192, 192, 192)
constexpr QSize kDesignedSize(619, 547);
using design::kLinkPointSize;
constexpr double kDesignPointSize = design::kPointSize;
constexpr qint32 kLinkColour = 12582912; // RGB(0, 0, 192)

// Controls are placed by their window coordinates; inside a frame the frame's corner is taken off.
template <typename T> T *make(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *control = new T(parent);
    control->setObjectName(name);
    const QPoint origin = parent->isWindow() ? QPoint() : parent->pos();
    control->setGeometry(left - origin.x(), top - origin.y(), width, height);
    return control;
}

// The window is designed in Arial; start-up sets the face again, which then changes nothing. A control that
// already has the font from the window sets none of its own: a font of its own costs a change event, and the
// combo box would make its list's popup for it.
void setPointSize(QWidget *control, double size, bool bold = false, bool underline = false)
{
    QFont font = control->font();
    font.setFamily(QStringLiteral("Arial"));
    font.setPointSizeF(size);
    font.setBold(bold);
    font.setUnderline(underline);
    if (font != control->font())
        control->setFont(font);
}

CaptionLabel *label(QWidget *parent, const QString &name, QRect place, const QString &caption,
                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto *l = make<CaptionLabel>(parent, name, place.x(), place.y(), place.width(), place.height());
    l->setCaption(caption);
    l->setAlignment(alignment);
    setPointSize(l, kDesignPointSize);
    l->setAutoFillBackground(true); // on the window's colour, as designed
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, QRect place, const QString &caption)
{
    auto *b = make<QPushButton>(parent, name, place.x(), place.y(), place.width(), place.height());
    b->setText(caption);
    setPointSize(b, kDesignPointSize);
    return b;
}

QRadioButton *option(QWidget *parent, const QString &name, QRect place, const QString &caption,
                     bool bold = false)
{
    auto *o = make<QRadioButton>(parent, name, place.x(), place.y(), place.width(), place.height());
    o->setText(caption);
    setPointSize(o, kDesignPointSize, bold);
    o->setAutoFillBackground(true); // on the window's colour, as designed
    return o;
}

QFrame *frame(QWidget *parent, const QString &name, QRect place)
{
    auto *f = make<QFrame>(parent, name, place.x(), place.y(), place.width(), place.height());
    f->setFrameShape(QFrame::NoFrame);
    setPointSize(f, kDesignPointSize);
    f->setAutoFillBackground(true); // on the window's colour, as designed
    return f;
}

void makeLink(CaptionLabel *l)
{
    setPointSize(l, kLinkPointSize, false, true);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, QColor(Colors::toQRgb(kLinkColour)));
    l->setPalette(palette);
    l->setCursor(Qt::PointingHandCursor);
}

} // namespace

void frmMain::setBackground(QWidget *control, qint32 colour)
{
    const QColor background(Colors::toQRgb(colour));
    QPalette palette = control->palette();
    // Controls designed on the window's colour already show it; setting it again would only cost time.
    if (control->autoFillBackground() && palette.color(QPalette::Window) == background &&
        palette.color(control->backgroundRole()) == background)
        return;
    palette.setColor(QPalette::Window, background);
    palette.setColor(control->backgroundRole(), background);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void frmMain::createControls()
{
    setBackground(this, kWindowColour);
    setFixedSize(kDesignedSize);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    // Made before any control, so that the controls inherit the designed font.
    setPointSize(this, kDesignPointSize);

    for (int i = 0; i < 16; ++i) {
        const int left = 24 + 72 * (i % 8);
        const int top = i < 8 ? 8 : 392;
        picSmall[i] = make<PictureBox>(this, QStringLiteral("picSmall(%1)").arg(i), left, top, 65, 65);
    }
    lblDirections = label(this, "lblDirections", {8, 80, 300, 76}, QString());
    // The only caption that runs over several lines.
    lblDirections->setWordWrap(true);
    picSample = make<PictureBox>(this, "picSample", 316, 88, 299, 32);
    setPointSize(picSample, kDesignPointSize);
    QFont sampleFont = picSample->font();
    sampleFont.setFamily(QStringLiteral("Arial"));
    picSample->setFont(sampleFont);
    picGraphic = make<PictureBox>(this, "picGraphic", 336, 128, 256, 256);

    Frame2 = frame(this, "Frame2", {16, 144, 300, 28});
    optBackground = option(Frame2, "optBackground", {16, 147, 153, 33}, "Background color", true);
    optForeground = option(Frame2, "optForeground", {168, 147, 145, 33}, "Foreground color", true);

    Frame1 = frame(this, "Frame1", {16, 176, 300, 24});
    label(Frame1, "Label1", {16, 179, 81, 24}, "Base color:");
    optRed = option(Frame1, "optRed", {96, 176, 49, 24}, "red");
    optGreen = option(Frame1, "optGreen", {150, 176, 65, 24}, "green");
    optBlue = option(Frame1, "optBlue", {215, 176, 57, 24}, "blue");

    Frame3 = frame(this, "Frame3", {16, 208, 300, 49});
    label(Frame3, "Label2(0)", {16, 209, 173, 24}, "Base color decimal (0-255):", right);
    label(Frame3, "Label2(1)", {16, 232, 173, 24}, "Or: Base color hex (0-FF):", right);
    for (int i = 0; i < 2; ++i) {
        txbBaseColor[i] =
            make<LineTextBox>(Frame3, QStringLiteral("txbBaseColor(%1)").arg(i), 189, i ? 230 : 208, 33, 20);
        txbBaseColor[i]->setTypingLimit(3);
        if (m_services.clipboard)
            txbBaseColor[i]->setClipboard(m_services.clipboard);
        // The boxes keep the platform's dialog font rather than taking their frame's.
        txbBaseColor[i]->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
        txbBaseColor[i]->setText(QStringLiteral("255"));
    }
    cmdApply = button(Frame3, "cmdApply", {239, 219, 60, 24}, "Apply");

    const std::array<int, 3> rows{260, 280, 300};
    lblRed = label(this, "lblRed", {8, rows[0], 41, 24}, "Red ");
    Label7 = label(this, "Label7", {8, rows[1], 41, 24}, "Green");
    Label5 = label(this, "Label5", {8, rows[2], 41, 24}, "Blue");
    lblRedDecimal = label(this, "lblRedDecimal", {52, rows[0], 30, 20}, QString());
    lblGreenDecimal = label(this, "lblGreenDecimal", {52, rows[1], 30, 20}, QString());
    lblBlueDecimal = label(this, "lblBlueDecimal", {52, rows[2], 30, 20}, QString());
    label(this, "Label4", {91, rows[0], 41, 24}, "(dec.)");
    label(this, "Label9", {91, rows[1], 41, 24}, "(dec.)");
    label(this, "Label10", {91, rows[2], 41, 24}, "(dec.)");
    lblRedHex = label(this, "lblRedHex", {144, rows[0], 30, 20}, QString());
    lblGreenHex = label(this, "lblGreenHex", {144, rows[1], 30, 20}, QString());
    lblBlueHex = label(this, "lblBlueHex", {144, rows[2], 30, 20}, QString());
    label(this, "Label6", {182, rows[0], 41, 24}, "(hex.)");
    label(this, "Label11", {182, rows[1], 41, 24}, "(hex.)");
    label(this, "Label13", {182, rows[2], 41, 24}, "(hex.)");
    cmdSave = button(this, "cmdSave", {240, 264, 60, 24}, "Save");
    cmdRestore = button(this, "cmdRestore", {240, 290, 60, 24}, "Restore");

    lblDecimal = label(this, "lblDecimal", {8, 324, 209, 24}, "Background color (decimal)");
    lblColorValueDecimal = label(this, "lblColorValueDecimal", {219, 324, 78, 20}, QString());
    lblHexadecimal = label(this, "lblHexadecimal", {8, 344, 209, 24}, "Background color (hexadecimal)");
    lblColorValueHex = label(this, "lblColorValueHex", {219, 344, 78, 20}, QString());
    lblVisualBasic = label(this, "lblVisualBasic", {8, 364, 209, 24}, "Background color (Visual Basic)");
    lblColorValueHexVB = label(this, "lblColorValueHexVB", {219, 364, 78, 20}, QString());

    cmdCopy = button(this, "cmdCopy", {24, 472, 164, 24}, "Copy to clipboard ->");
    cboWhatToCopy = make<QComboBox>(this, "cboWhatToCopy", 216, 504, 249, 24);
    setPointSize(cboWhatToCopy, kDesignPointSize);
    cmdHelp = button(this, "cmdHelp", {464, 472, 60, 24}, "Help");
    cmdQuit = button(this, "cmdQuit", {536, 472, 60, 24}, "Quit");
    cmdQSsoftware = button(this, "cmdQSsoftware", {208, 472, 212, 24}, "Quenby Systems Software");
    lblCopyright = label(this, "lblCopyright", {24, 504, 201, 17},
                         QString::fromUtf8("Copyright \u00A9 2026 Quenby Systems"));
    makeLink(lblCopyright);
    lblOnlineUserManual =
        label(this, "lblOnlineUserManual", {456, 504, 137, 17}, "Online user manual", right);
    makeLink(lblOnlineUserManual);

    // Labels lie under every other control, which may overlap them; among themselves the later one is on top.
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<CaptionLabel *>(control))
            control->raise();
}

void frmMain::setUpKeyboardAndNames()
{
    // Links take the focus from Tab only; a click on a picture gives it the focus, so that the arrow keys
    // that follow move the pick rather than whatever had the focus before.
    for (QWidget *w : {static_cast<QWidget *>(lblCopyright), static_cast<QWidget *>(lblOnlineUserManual)})
        w->setFocusPolicy(Qt::TabFocus);
    picGraphic->setFocusPolicy(Qt::StrongFocus);
    for (PictureBox *swatch : picSmall)
        swatch->setFocusPolicy(Qt::StrongFocus);

    // The reading order of the window: top swatches, the editing column, the plane, bottom swatches, buttons,
    // links.
    QList<QWidget *> order(picSmall.begin(), picSmall.begin() + 8);
    order << optBackground << optForeground << optRed << optGreen << optBlue << txbBaseColor[0]
          << txbBaseColor[1] << cmdApply << cmdSave << cmdRestore << picGraphic;
    order << QList<QWidget *>(picSmall.begin() + 8, picSmall.end());
    order << cmdCopy << cboWhatToCopy << cmdHelp << cmdQuit << lblCopyright << cmdQSsoftware
          << lblOnlineUserManual;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    accessibility::setWindow(*this);
    picSample->setAccessibleName(QStringLiteral("Sample of foreground on background"));
    txbBaseColor[0]->setAccessibleName(QStringLiteral("Base color decimal"));
    txbBaseColor[1]->setAccessibleName(QStringLiteral("Base color hexadecimal"));
    // Readouts read as their row's caption, value and unit, and the colour values after their captions.
    const std::array<CaptionLabel *, 3> rowCaptions{lblRed, Label7, Label5};
    for (int c = 0; c < 3; ++c) {
        accessibility::setReadout(*decimalLabels()[c], *rowCaptions[c], QStringLiteral("decimal"));
        accessibility::setReadout(*hexLabels()[c], *rowCaptions[c], QStringLiteral("hexadecimal"));
    }
    accessibility::setReadout(*lblColorValueDecimal, *lblDecimal);
    accessibility::setReadout(*lblColorValueHex, *lblHexadecimal);
    accessibility::setReadout(*lblColorValueHexVB, *lblVisualBasic);
    accessibility::setLink(*lblCopyright);
    accessibility::setLink(*lblOnlineUserManual);
    accessibility::setGrouping(*Frame2, QStringLiteral("Color being edited"));
    accessibility::setGrouping(*Frame1, QStringLiteral("Base color"));
    accessibility::setGrouping(*Frame3, QStringLiteral("Base value"));
    accessibility::setUnseenLabel(*cboWhatToCopy, QStringLiteral("What to copy"));
    accessibility::nameListWhenRead(*cboWhatToCopy);
}
