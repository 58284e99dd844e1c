// SPDX-License-Identifier: MIT
// Start-up and quitting.
#include "app/frmmain.h"

#include "app/programicon.h"
#include "app/programidentity.h"
#include "color/colors.h"
#include "platform/appexit.h"
#include "platform/nativewindow.h"
#include "widgets/captionlabel.h"
#include "widgets/fonts.h"
#include "widgets/linetextbox.h"
#include "widgets/picturebox.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

enum class ControlKind { Frame, CommandButton, Label, OptionButton, ComboBox, LineTextBox, Other };

// What kind of control of the window a widget is; the inner parts of Qt's widgets are none.
ControlKind kindOf(const QWidget *w)
{
    if (w->metaObject() == &QFrame::staticMetaObject)
        return ControlKind::Frame;
    if (qobject_cast<const QPushButton *>(w))
        return ControlKind::CommandButton;
    if (qobject_cast<const CaptionLabel *>(w))
        return ControlKind::Label;
    if (qobject_cast<const QRadioButton *>(w))
        return ControlKind::OptionButton;
    if (qobject_cast<const QComboBox *>(w))
        return ControlKind::ComboBox;
    if (qobject_cast<const QLineEdit *>(w) && !qobject_cast<const QComboBox *>(w->parentWidget()))
        return ControlKind::LineTextBox;
    return ControlKind::Other;
}

} // namespace

void frmMain::Form_Load()
{
    SpecifySoftware::SetProgramIdentity();
    SetControlsFontName(QStringLiteral("Arial"), false, true);
    SetControlsBackColor(Colors::fromQRgb(palette().color(QPalette::Window).rgb()));
    SetMainCaption();
    ShowCopyControls();
    lblDirections->setCaption(QStringLiteral("Select background/foreground color and base color ") +
                              QStringLiteral("then click on a small graphic to set the base color. ") +
                              QStringLiteral("Then click on the large graphic to set the other two colors ") +
                              QStringLiteral("or type numerical values and click on 'Apply'."));
    for (PictureBox *swatch : picSmall) {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(8);
        swatch->setFont(font);
    }
    MarkerHalfSize = 3;
    // Selecting the background with its handler would run the switch, whose painting the load below replaces.
    selectWithoutHandler(optBackground);
    showEditedColorCaptions(0);

    cboWhatToCopy->clear();
    for (const char *item : {"Everything", "Background color (decimal)", "Background color (hexadecimal)",
                             "Background color (VB RGB function)", "Foreground color (decimal)",
                             "Foreground color (hexadecimal)", "Foreground color (VB RGB function)"})
        cboWhatToCopy->addItem(QString::fromLatin1(item));
    cboWhatToCopy->setCurrentIndex(0);
    cboWhatToCopy->hide();
    cboWhatToCopy->move(cmdCopy->x() + 172, cmdCopy->y());

    // Start-up's own changes are not a step anyone can undo.
    m_binding.loadUnrecorded([this] {
        RestoreParams();
        LoadColor(0);
    });
    centreOnScreen();
    show();
    SetMainCaption();
    ShowCopyControls();
    // Centred under the combo box; the half pixel of the exact centre is rounded away.
    const double left = cboWhatToCopy->x() + (cboWhatToCopy->width() - cmdQSsoftware->width()) / 2.0;
    cmdQSsoftware->move(qRound(left), lblCopyright->y());
    m_loaded = true;
}

void frmMain::centreOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // With the frame, where the window system knows it before the window is shown.
    QRect frame = frameGeometry().marginsAdded(platform::frameMarginsBeforeShow(*this));
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void frmMain::SetControlsFontName(const QString &face, bool includeTextBoxes, bool includeButtons)
{
    const auto setFace = [&face](QWidget *control) {
        // Setting a font, even an equal one, makes the control and its children resolve theirs again.
        if (control->font().family() == face)
            return;
        QFont font = control->font();
        font.setFamily(face);
        control->setFont(font);
    };
    for (QWidget *control : findChildren<QWidget *>()) {
        const ControlKind kind = kindOf(control);
        if (kind == ControlKind::Frame || kind == ControlKind::CommandButton || kind == ControlKind::Label ||
            kind == ControlKind::OptionButton || kind == ControlKind::ComboBox)
            setFace(control);
        if (includeTextBoxes && kind == ControlKind::LineTextBox)
            setFace(control);
        if (includeButtons && kind == ControlKind::CommandButton)
            setFace(control);
    }
}

void frmMain::SetControlsBackColor(qint32 colour)
{
    setBackground(this, colour);
    for (QWidget *control : findChildren<QWidget *>()) {
        const ControlKind kind = kindOf(control);
        if (kind == ControlKind::Label || kind == ControlKind::Frame || kind == ControlKind::OptionButton)
            setBackground(control, colour);
    }
}

void frmMain::SetMainCaption()
{
    setWindowTitle(SpecifySoftware::ProgramName + u' ' + SpecifySoftware::ProgramVersion);
}

void frmMain::ShowCopyControls()
{
    cmdCopy->setText(QStringLiteral("Copy to clipboard ->"));
    cmdCopy->setVisible(true);
    cmdQSsoftware->setVisible(true);
    cboWhatToCopy->setVisible(true);
}

void frmMain::cmdQuit_Click()
{
    if (m_quitting)
        return;
    m_quitting = true;
    saveAndReport();
    hide();
    showCatalogueModal();
    if (m_services.appExit)
        m_services.appExit->endProgram();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    cmdQuit_Click();
    event->accept();
}
