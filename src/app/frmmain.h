// SPDX-License-Identifier: MIT
#pragma once

#include "app/services.h"

#include <QWidget>

#include <array>

class CaptionLabel;
class PictureBox;
class LineTextBox;
class QComboBox;
class QFrame;
class QPushButton;
class QRadioButton;
class frmView;
class frmQSsoftware;

// The main window: both colours, the plane and swatches that edit them, their readouts, copying and saving.
// Its code is split by concern over the frmmain_*.cpp files.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    explicit frmMain(const Services &services, QWidget *parent = nullptr);
    ~frmMain() override;

    // Start-up, switching and quitting (frmmain_startup.cpp).
    void Form_Load();
    void StoreColor(int which);
    void LoadColor(int which);
    void SetControlsFontName(const QString &face, bool includeTextBoxes, bool includeButtons);
    void SetControlsBackColor(qint32 colour);
    void SetMainCaption();
    void ShowCopyControls();
    void optBackground_Click();
    void optForeground_Click();
    void cmdQuit_Click();
    // Saves the colours as Quit does, when the program is ended from outside (frmmain_session.cpp).
    void saveOnSessionEnd();
    // 0 while the background is edited, 1 while the foreground is.
    int editedColor() const;
    // 0 red, 1 green, 2 blue, from the base-channel options.
    int baseChannel() const;

    // Plane and swatches (frmmain_plane.cpp).
    void DrawColorPlane(qint16 base, qint16 x1, qint16 y1, qint16 x2, qint16 y2);
    static bool IsInPlane(float x, float y);
    void DrawSwatches();
    // The two caption lines of swatch index when channel (0 red, 1 green, 2 blue) is the base.
    static std::array<QString, 2> SwatchCaptions(int channel, int index);
    void PickColor(float x, float y);
    static qint32 MarkerColor(const PictureBox &picture, float x, float y);
    void RepickColor();
    void picGraphic_MouseUp(int button, Qt::KeyboardModifiers shift, float x, float y);
    void picSmall_Click(int index);
    void optRed_Click();
    void optGreen_Click();
    void optBlue_Click();

    // Readouts and sample (frmmain_readouts.cpp).
    void UpdateReadouts(qint16 red, qint16 green, qint16 blue);
    void RefreshSample();
    void DrawSample();
    void PrintInSample(float x, float y, qint32 colour, const QString &text);

    // Base value entry (frmmain_entry.cpp).
    void txbBaseColor_KeyUp(int index, int keyCode);
    void cmdApply_Click();
    void ShowColorValues(qint16 red, qint16 green, qint16 blue);

    // Copying (frmmain_copy.cpp).
    void cboWhatToCopy_Click();
    void cmdCopy_Click();
    void CopyToClipboard();
    static void PadChannelValue(qint16 value, QString &text);

    // Saved colours (frmmain_saved.cpp).
    void SaveParams();
    void RestoreParams();
    void cmdSave_Click();
    void cmdRestore_Click();

    // Web links (frmmain_links.cpp).
    void lblCopyright_Click();
    void lblOnlineUserManual_Click();

    // Help (frmmain_help.cpp).
    void cmdHelp_Click();

    // The catalogue of other programs (frmmain_catalogue.cpp).
    void cmdQSsoftware_Click();
    // Sets the catalogue's colours and shows it modally; returns when the user has closed it.
    void showCatalogueModal();

    // Both colours: [which][item], which 0 background / 1 foreground, item 0 base channel, 1-3 red, green,
    // blue.
    std::array<std::array<qint16, 4>, 2> ColorParams{};
    bool blnSwitchingColor = false;
    qint16 MarkerHalfSize = 0;
    bool MarkerDrawn = false;
    std::array<float, 4> MarkerRect{}; // left, top, right, bottom

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();        // frmmain_layout.cpp
    void connectHandlers();       // frmmain_layout.cpp
    void setUpKeyboardAndNames(); // frmmain_layout.cpp
    // Arrow keys on the plane pick the neighbouring point (16 points with Shift).
    void picGraphic_ArrowKey(int dx, int dy, Qt::KeyboardModifiers shift); // frmmain_plane.cpp
    void centreOnScreen();
    std::array<CaptionLabel *, 3> decimalLabels() const;
    std::array<CaptionLabel *, 3> hexLabels() const;
    std::array<QRadioButton *, 3> channelOptions() const;

    Services m_services;
    bool m_quitting = false;
    bool m_shownOnce = false;
    frmView *m_viewer = nullptr;
    frmQSsoftware *m_catalogue = nullptr;

    std::array<PictureBox *, 16> picSmall{};
    PictureBox *picSample = nullptr;
    PictureBox *picGraphic = nullptr;
    CaptionLabel *lblDirections = nullptr;
    QFrame *Frame1 = nullptr;
    QFrame *Frame2 = nullptr;
    QFrame *Frame3 = nullptr;
    QRadioButton *optBackground = nullptr;
    QRadioButton *optForeground = nullptr;
    CaptionLabel *Label1 = nullptr;
    QRadioButton *optRed = nullptr;
    QRadioButton *optGreen = nullptr;
    QRadioButton *optBlue = nullptr;
    std::array<CaptionLabel *, 2> Label2{};
    std::array<LineTextBox *, 2> txbBaseColor{};
    QPushButton *cmdApply = nullptr;
    CaptionLabel *lblRed = nullptr;
    CaptionLabel *Label7 = nullptr;
    CaptionLabel *Label5 = nullptr;
    CaptionLabel *lblRedDecimal = nullptr;
    CaptionLabel *lblGreenDecimal = nullptr;
    CaptionLabel *lblBlueDecimal = nullptr;
    CaptionLabel *Label4 = nullptr;
    CaptionLabel *Label9 = nullptr;
    CaptionLabel *Label10 = nullptr;
    CaptionLabel *lblRedHex = nullptr;
    CaptionLabel *lblGreenHex = nullptr;
    CaptionLabel *lblBlueHex = nullptr;
    CaptionLabel *Label6 = nullptr;
    CaptionLabel *Label11 = nullptr;
    CaptionLabel *Label13 = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdRestore = nullptr;
    CaptionLabel *lblDecimal = nullptr;
    CaptionLabel *lblColorValueDecimal = nullptr;
    CaptionLabel *lblHexadecimal = nullptr;
    CaptionLabel *lblColorValueHex = nullptr;
    CaptionLabel *lblVisualBasic = nullptr;
    CaptionLabel *lblColorValueHexVB = nullptr;
    QPushButton *cmdCopy = nullptr;
    QComboBox *cboWhatToCopy = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdQuit = nullptr;
    CaptionLabel *lblCopyright = nullptr;
    QPushButton *cmdQSsoftware = nullptr;
    CaptionLabel *lblOnlineUserManual = nullptr;
};
