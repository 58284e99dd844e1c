// SPDX-License-Identifier: MIT
// Making the main window: its controls, the connections of their handlers and the features beyond the form.
#include "app/frmmain.h"

#include "app/programicon.h"
#include "widgets/captionlabel.h"
#include "widgets/fonts.h"
#include "widgets/linetextbox.h"
#include "widgets/picturebox.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

frmMain::frmMain(const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_services(services)
{
    installFontSubstitutes();
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(programIcon());
    createControls();
    setUpKeyboardAndNames();
    connectHandlers();
    createFeatures();
}

void frmMain::connectHandlers()
{
    // Every handler that may change a colour runs as one step of the pair: one change, one step of undo.
    const auto step = [this](auto handler) { return m_binding.step(std::move(handler)); };
    connect(optBackground, &QRadioButton::toggled, this, step([this](bool on) {
                if (on)
                    optBackground_Click();
            }));
    connect(optForeground, &QRadioButton::toggled, this, step([this](bool on) {
                if (on)
                    optForeground_Click();
            }));
    const std::array<void (frmMain::*)(), 3> channelHandlers{&frmMain::optRed_Click, &frmMain::optGreen_Click,
                                                             &frmMain::optBlue_Click};
    for (int channel = 0; channel < 3; ++channel) {
        connect(channelOptions()[channel], &QRadioButton::toggled, this,
                step([this, channelHandlers, channel](bool on) {
                    if (on)
                        (this->*channelHandlers[channel])();
                }));
    }

    connect(picGraphic, &PictureBox::mouseUp, this,
            step([this](Qt::MouseButton b, Qt::KeyboardModifiers m, QPointF p) {
                picGraphic_MouseUp(b == Qt::LeftButton    ? 1
                                   : b == Qt::RightButton ? 2
                                                          : 4,
                                   m, float(p.x()), float(p.y()));
            }));
    connect(picGraphic, &PictureBox::mouseMove, this, [this](Qt::MouseButtons buttons, QPointF p) {
        picGraphic_MouseMove(buttons, float(p.x()), float(p.y()));
    });
    connect(
        picGraphic, &PictureBox::arrowKey, this,
        step([this](int dx, int dy, Qt::KeyboardModifiers shift) { picGraphic_ArrowKey(dx, dy, shift); }));
    for (int i = 0; i < 16; ++i)
        connect(picSmall[i], &PictureBox::clicked, this, step([this, i] { picSmall_Click(i); }));
    // Enter in a box applies its value.
    for (int i = 0; i < 2; ++i)
        connect(txbBaseColor[i], &LineTextBox::keyUp, this, step([this, i](int key) {
                    txbBaseColor_KeyUp(i, key == Qt::Key_Return || key == Qt::Key_Enter ? 13 : key);
                }));
    // Each group of options is one stop for Tab, at its selected option; arrow keys move within the group.
    for (QRadioButton *option : {optBackground, optForeground, optRed, optGreen, optBlue}) {
        option->setFocusPolicy(Qt::ClickFocus);
        connect(option, &QRadioButton::toggled, option, [option](bool on) { tabStopFollows(option, on); });
    }

    connect(cmdApply, &QPushButton::clicked, this, step([this] { cmdApply_Click(); }));
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(cmdRestore, &QPushButton::clicked, this, step([this] { cmdRestore_Click(); }));
    connect(cmdCopy, &QPushButton::clicked, this, &frmMain::cmdCopy_Click);
    connect(cboWhatToCopy, &QComboBox::currentIndexChanged, this, &frmMain::cboWhatToCopy_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
    connect(cmdQSsoftware, &QPushButton::clicked, this, &frmMain::cmdQSsoftware_Click);
    connect(lblCopyright, &CaptionLabel::clicked, this, &frmMain::lblCopyright_Click);
    connect(lblOnlineUserManual, &CaptionLabel::clicked, this, &frmMain::lblOnlineUserManual_Click);
}
