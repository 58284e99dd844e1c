// SPDX-License-Identifier: MIT
// The one place where the features beyond the form are made and wired to the window: each depends on the
// pair model and the services, and on the window only as the place where it shows itself.
#include "app/frmmain.h"

#include "accessibility/pickdescriptions.h"
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

struct frmMain::Features
{
    Features(frmMain &w, const std::array<QWidget *, 16> &swatches)
        : contrast(w.m_pair, w, w.size(), w.m_services), thresholds(w.m_pair, swatches, *w.picGraphic),
          paste(w.m_pair, w.m_services, w), commands(w.m_pair, w.m_services, w),
          screenPick(w.m_pair, w.m_services, w), copyAs(w.m_pair, w.m_services, w), menu(w),
          descriptions(w.m_pair, *w.picGraphic, swatches), pairs(w.m_pair, w.m_services, w)
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
    connect(&m_pair, &ColorPair::changed, this, &frmMain::pairChanged);
    std::array<QWidget *, 16> swatches{};
    std::copy(picSmall.begin(), picSmall.end(), swatches.begin());
    m_features.reset(new Features(*this, swatches));
    Features &f = *m_features;
    ContextMenu &menu = f.menu;
    const auto ctrl = [](auto key) { return QKeySequence(Qt::CTRL | key); };
    const auto ctrlShift = [](auto key) { return QKeySequence(Qt::CTRL | Qt::SHIFT | key); };

    QAction *panel = menu.add(QStringLiteral("Contrast panel"), {ctrl(Qt::Key_K)});
    panel->setCheckable(true);
    panel->setChecked(f.contrast.isOpen());
    connect(panel, &QAction::triggered, &f.contrast, &ContrastPanelController::setOpen);
    connect(&f.contrast, &ContrastPanelController::openChanged, panel, &QAction::setChecked);
    m_savedBeside.push_back(&f.contrast.shared());
    f.descriptions.setContrastShown(f.contrast.isOpen());
    connect(&f.contrast, &ContrastPanelController::openChanged, &f.descriptions,
            &PickDescriptions::setContrastShown);

    QAction *thresholds = menu.add(QStringLiteral("Show thresholds"), {ctrl(Qt::Key_L)});
    thresholds->setCheckable(true);
    connect(thresholds, &QAction::triggered, &f.thresholds, &ThresholdLines::setShown);
    connect(&f.contrast, &ContrastPanelController::thresholdsToggled, &f.thresholds,
            &ThresholdLines::setShown);
    connect(&f.thresholds, &ThresholdLines::shownChanged, thresholds, &QAction::setChecked);
    connect(&f.thresholds, &ThresholdLines::shownChanged, &f.contrast,
            &ContrastPanelController::setThresholdsShown);

    const auto nearest = [&f](double threshold) { f.commands.moveToNearestPassing(threshold); };
    for (const auto &[threshold, key] : {std::pair(3.0, Qt::Key_3), {4.5, Qt::Key_4}, {7.0, Qt::Key_7}}) {
        connect(menu.add(QStringLiteral("Nearest color with %1:1").arg(threshold), {ctrl(key)}),
                &QAction::triggered, this, [nearest, threshold] { nearest(threshold); });
    }
    connect(&f.contrast, &ContrastPanelController::nearestRequested, this, nearest);
    connect(menu.add(QStringLiteral("Copy contrast"), {ctrlShift(Qt::Key_C)}), &QAction::triggered,
            &f.contrast, &ContrastPanelController::copyContrast);
    menu.addSeparator();

    menu.menu().addMenu(f.copyAs.menu());
    connect(menu.add(QStringLiteral("Formats...")), &QAction::triggered, this,
            [this, &f] { f.showFormats(*this); });
    m_savedBeside.push_back(&f.copyAs.shared());
    connect(menu.add(QStringLiteral("Paste color"), {ctrl(Qt::Key_V)}), &QAction::triggered, this,
            [&f] { f.paste.paste(); });
    connect(menu.add(QStringLiteral("Pick from screen"), {ctrl(Qt::Key_E)}), &QAction::triggered,
            &f.screenPick, &ScreenPick::start);
    connect(menu.add(QStringLiteral("Swap colors"), {ctrlShift(Qt::Key_X)}), &QAction::triggered, this,
            [&f] { f.commands.swap(); });
    menu.addSeparator();

    QAction *undo = menu.add(QStringLiteral("Undo"), {ctrl(Qt::Key_Z)});
    QAction *redo = menu.add(QStringLiteral("Redo"), {ctrlShift(Qt::Key_Z), ctrl(Qt::Key_Y)});
    connect(undo, &QAction::triggered, this, [&f] { f.commands.undo(); });
    connect(redo, &QAction::triggered, this, [&f] { f.commands.redo(); });
    const auto enableHistory = [this, undo, redo] {
        undo->setEnabled(m_pair.canUndo());
        redo->setEnabled(m_pair.canRedo());
    };
    connect(&m_pair, &ColorPair::historyChanged, this, enableHistory);
    enableHistory();
    menu.addSeparator();

    QAction *pairs = menu.add(QStringLiteral("Color pairs"), {ctrlShift(Qt::Key_P)});
    pairs->setCheckable(true);
    connect(pairs, &QAction::triggered, &f.pairs, &PairsController::setWindowShown);
    connect(&f.pairs, &PairsController::windowShownChanged, pairs, &QAction::setChecked);
    connect(menu.add(QStringLiteral("Add to color pairs"), {ctrl(Qt::Key_D)}), &QAction::triggered, this,
            [&f] { f.pairs.book().addCurrent(); });
    m_savedBeside.push_back(&f.pairs.shared());
}
