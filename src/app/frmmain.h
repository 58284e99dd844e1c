// SPDX-License-Identifier: MIT
#pragma once

#include "app/formbinding.h"
#include "color/colorparams.h"
#include "model/colorpair.h"
#include "platform/services.h"
#include "settings/storedvalues.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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
// Its code is split by concern over the frmmain_*.cpp files. Its binding (formbinding.h) is the one edge
// to its pair model: every colour it stores is published there, and a change made there by anything else
// comes back through ColorParams and LoadColor. The features beyond the form hang on that model and are
// assembled in frmmain_features.cpp.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    explicit frmMain(const Services &services, QWidget *parent = nullptr);
    ~frmMain() override;

    // Starts the window as the program starts: restores the saved colours, loads the background and shows
    // the window.
    void Form_Load();

    // Both colours as last stored: what Copy and Save take.
    const ColorParamsArray &colorParams() const { return ColorParams; }
    // 0 while the background is edited, 1 while the foreground is.
    int editedColor() const;
    // Saves the colours as Quit does, when the program is ended from outside (frmmain_session.cpp); returns
    // whether the save succeeded.
    bool saveOnSessionEnd();
    // The pair the window publishes to and follows.
    ColorPair &colorPair() { return m_pair; }

protected:
    // The painting benchmarks time the painting routines one by one.
    friend struct FrmMainBenchAccess;
    // The edge to the pair model works the form's own routines.
    friend class FormBinding;

    void closeEvent(QCloseEvent *event) override;

private:
    // Start-up and quitting (frmmain_startup.cpp).
    void SetControlsFontName(const QString &face, bool includeTextBoxes, bool includeButtons);
    void SetControlsBackColor(qint32 colour);
    void SetMainCaption();
    void ShowCopyControls();
    void cmdQuit_Click();
    void centreOnScreen();

    // The editing state and the background/foreground switch (frmmain_state.cpp).
    void StoreColor(int which);
    void LoadColor(int which);
    void optBackground_Click();
    void optForeground_Click();
    // The switch to editing colour which, shared by both colour options.
    void switchEditedColor(int which);
    // Bold option and value captions of colour which.
    void showEditedColorCaptions(int which);
    // 0 red, 1 green, 2 blue, from the base-channel options.
    int baseChannel() const;

    // Plane and swatches (frmmain_plane.cpp).
    void DrawColorPlane(qint16 base, qint16 x1, qint16 y1, qint16 x2, qint16 y2);
    void DrawSwatches();
    // The two caption lines of swatch index when channel (0 red, 1 green, 2 blue) is the base.
    static std::array<QString, 2> SwatchCaptions(int channel, int index);
    void PickColor(float x, float y);
    static qint32 MarkerColor(const PictureBox &picture, float x, float y);
    void RepickColor();
    void picGraphic_MouseUp(int button, Qt::KeyboardModifiers shift, float x, float y);
    // While the left button is held on the plane, the colour a release there would pick is the pair's
    // preview.
    void picGraphic_MouseMove(Qt::MouseButtons buttons, float x, float y);
    // Arrow keys on the plane pick the neighbouring point (16 points with Shift).
    void picGraphic_ArrowKey(int dx, int dy, Qt::KeyboardModifiers shift);
    void picSmall_Click(int index);
    // The base-channel options share one handler, which differs only in the channel.
    void optChannel_Click(int channel);
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
    // Both base boxes show the base value of the colour being edited.
    void showBaseValue();

    // Copying (frmmain_copy.cpp).
    void cboWhatToCopy_Click();
    void cmdCopy_Click();
    void CopyToClipboard();

    // Saved colours (frmmain_saved.cpp).
    // Writes both colours; returns the store's status text, which begins with "0" on success.
    std::string SaveParams();
    void RestoreParams();
    void cmdSave_Click();
    void cmdRestore_Click();
    // Saves, and tells the user when the save failed.
    void saveAndReport();

    // Web links (frmmain_links.cpp).
    void lblCopyright_Click();
    void lblOnlineUserManual_Click();

    // Help (frmmain_help.cpp).
    void cmdHelp_Click();

    // The catalogue of other programs (frmmain_catalogue.cpp).
    void cmdQSsoftware_Click();
    // Sets the catalogue's colours and shows it modally; returns when the user has closed it.
    void showCatalogueModal();

    // The features beyond the form, made and wired in one place (frmmain_features.cpp).
    struct Features;
    struct FeaturesDeleter
    {
        void operator()(Features *features) const;
    };
    void createFeatures();

    // Both colours: [which][item], which 0 background / 1 foreground, item 0 base channel, 1-3 red, green,
    // blue.
    ColorParamsArray ColorParams{};
    bool blnSwitchingColor = false;
    qint16 MarkerHalfSize = 0;
    bool MarkerDrawn = false;
    std::array<float, 4> MarkerRect{}; // left, top, right, bottom

    ColorPair m_pair;
    FormBinding m_binding{*this, m_pair};
    // Values the features save beside Params, written by a save when this copy changed them.
    std::vector<SharedValue *> m_savedBeside;
    std::unique_ptr<Features, FeaturesDeleter> m_features;

    // Selects an option without running its handler.
    void selectWithoutHandler(QRadioButton *option);
    // Gives a control the background colour, unless it shows it already.
    static void setBackground(QWidget *control, qint32 colour);
    // Each group of options is one stop for Tab, at its selected option.
    static void tabStopFollows(QRadioButton *option, bool selected);
    void createControls();        // frmmain_controls.cpp
    void setUpKeyboardAndNames(); // frmmain_controls.cpp
    void connectHandlers();       // frmmain_create.cpp
    std::array<CaptionLabel *, 3> decimalLabels() const
    {
        return {lblRedDecimal, lblGreenDecimal, lblBlueDecimal};
    }
    std::array<CaptionLabel *, 3> hexLabels() const { return {lblRedHex, lblGreenHex, lblBlueHex}; }
    std::array<QRadioButton *, 3> channelOptions() const { return {optRed, optGreen, optBlue}; }

    Services m_services;
    bool m_quitting = false;
    bool m_loaded = false; // Form_Load has ended
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
    QRadioButton *optRed = nullptr;
    QRadioButton *optGreen = nullptr;
    QRadioButton *optBlue = nullptr;
    std::array<LineTextBox *, 2> txbBaseColor{};
    QPushButton *cmdApply = nullptr;
    CaptionLabel *lblRed = nullptr;
    CaptionLabel *Label7 = nullptr;
    CaptionLabel *Label5 = nullptr;
    CaptionLabel *lblRedDecimal = nullptr;
    CaptionLabel *lblGreenDecimal = nullptr;
    CaptionLabel *lblBlueDecimal = nullptr;
    CaptionLabel *lblRedHex = nullptr;
    CaptionLabel *lblGreenHex = nullptr;
    CaptionLabel *lblBlueHex = nullptr;
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
