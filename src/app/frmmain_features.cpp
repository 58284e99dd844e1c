// SPDX-License-Identifier: MIT
// The one place where the features beyond the form are made and assembled: each depends on the pair model
// and the services, and on the window only as the place where it shows itself; each offers its own actions
// and takes what it keeps beside Params from the settings object.
#include "app/frmmain.h"

#include "accessibility/pickdescriptions.h"
#include "areacheck/areacheck.h"
#include "contrastpanel/contrastpanelcontroller.h"
#include "copyas/copyas.h"
#include "formatsdialog/formatsdialog.h"
#include "menu/contextmenu.h"
#include "pairswindow/pairscontroller.h"
#include "screenpick/screenpick.h"
#include "thresholds/thresholdlines.h"
#include "wholecolor/paircommands.h"
#include "wholecolor/pastecolor.h"
#include "widgets/picturebox.h"

#include <QAction>
#include <QMenu>

#include <initializer_list>

struct frmMain::Features
{
    Features(frmMain &w, const std::array<QWidget *, 16> &swatches)
        : contrast(w.m_pair, w, w.size(), w.m_services, w.m_settings),
          thresholds(w.m_pair, swatches, *w.picGraphic), paste(w.m_pair, w.m_services, w),
          commands(w.m_pair, w.m_services, w), screenPick(w.m_pair, w.m_services, w),
          copyAs(w.m_pair, w.m_services, w.m_settings, w), menu(w),
          descriptions(w.m_pair, *w.picGraphic, swatches), pairs(w.m_pair, w.m_services, w.m_settings, w),
          area(w.m_pair, w.m_services, w)
    {
    }

    ContrastPanelController contrast;
    ThresholdLines thresholds;
    PasteColor paste;
    PairCommands commands;
    ScreenPick screenPick;
    CopyAs copyAs;
    FormatsDialog *formats = nullptr; // made on first use, a child of the window
    ContextMenu menu;
    PickDescriptions descriptions;
    PairsController pairs;
    AreaCheck area;

    void showFormats(frmMain &w)
    {
        if (!formats)
            formats = new FormatsDialog(copyAs, w.m_pair, &w);
        formats->show();
        formats->activateWindow();
    }
};

frmMain::~frmMain() = default;

void frmMain::FeaturesDeleter::operator()(Features *features) const
{
    delete features;
}

void frmMain::createFeatures()
{
    std::array<QWidget *, 16> swatches{};
    std::copy(picSmall.begin(), picSmall.end(), swatches.begin());
    m_features.reset(new Features(*this, swatches));
    Features &f = *m_features;

    // The menu, in its order: each entry is a feature's own action; nothing stands for a separator.
    auto *formats = ContextMenu::newAction(*this, QStringLiteral("Formats..."));
    connect(formats, &QAction::triggered, this, [this, &f] { f.showFormats(*this); });
    const auto &nearest = f.commands.nearestActions();
    for (QAction *entry :
         {f.contrast.openAction(), f.thresholds.shownAction(), nearest[0], nearest[1], nearest[2],
          f.contrast.copyAction(), static_cast<QAction *>(nullptr), f.copyAs.menu()->menuAction(), formats,
          f.paste.pasteAction(), f.screenPick.startAction(), f.area.startAction(), f.commands.swapAction(),
          static_cast<QAction *>(nullptr), f.commands.undoAction(), f.commands.redoAction(),
          static_cast<QAction *>(nullptr), f.pairs.windowAction(), f.pairs.addAction()}) {
        if (entry)
            f.menu.add(entry);
        else
            f.menu.addSeparator();
    }

    // Where one feature follows another.
    f.descriptions.setContrastShown(f.contrast.isOpen());
    connect(&f.contrast, &ContrastPanelController::openChanged, &f.descriptions,
            &PickDescriptions::setContrastShown);
    connect(&f.contrast, &ContrastPanelController::thresholdsToggled, &f.thresholds,
            &ThresholdLines::setShown);
    connect(&f.thresholds, &ThresholdLines::shownChanged, &f.contrast,
            &ContrastPanelController::setThresholdsShown);
    connect(&f.contrast, &ContrastPanelController::nearestRequested, this,
            [&f](double threshold) { f.commands.moveToNearestPassing(threshold); });
    connect(&f.area, &AreaCheck::pickRequested, &f.screenPick, &ScreenPick::startArea);
    connect(&f.screenPick, &ScreenPick::areaTaken, &f.area, &AreaCheck::show);
}
