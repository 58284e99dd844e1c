// SPDX-License-Identifier: MIT
#pragma once

#include "menu/feature.h"
#include "model/colorpair.h"
#include "pairswindow/pairsbook.h"
#include "platform/services.h"
#include "settings/sharedvalue.h"
#include "settings/storedvalues.h"
#include "widgets/goeswithwindow.h"

#include <QObject>

#include <string>

class PairsWindow;
class QAction;
class QWidget;

// The window "Color pairs" over the list of pairs: made on first use, placed where it was last, its place
// saved when it hides and with each save, and going and coming with the main window.
class PairsController : public QObject, public Feature
{
    Q_OBJECT

public:
    // The window's place, saved beside Params when it is hidden and with each save.
    static inline const std::string kPlaceSavedName = "PairsWindow";

    // window is the main window: the pairs window is one of its own windows and goes and comes with it.
    PairsController(ColorPair &pair, const Services &services, QWidget &window);
    ~PairsController() override;

    PairsBook &book() { return m_book; }

    // "Color pairs" (Ctrl+Shift+P), checked while the window is shown, and "Add to color pairs" (Ctrl+D).
    QAction *windowAction() const { return m_windowAction; }
    QAction *addAction() const { return m_addAction; }

    void setWindowShown(bool shown);
    bool isWindowShown() const;
    // Made on first use.
    PairsWindow &window();

    // The window's place for a save; an empty name while the window has never been placed.
    storedvalues::Value savedPlace() const;
    // The place as saved beside Params, which this copy writes only when it placed the window elsewhere.
    SharedValue *sharedValue() override { return &m_placeSaved; }

signals:
    void windowShownChanged(bool shown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void savePlace();
    void placeWindow();

    ColorPair &m_pair;
    Services m_services;
    QWidget &m_mainWindow;
    PairsBook m_book;
    PairsWindow *m_window = nullptr;
    // The window's frame and size as last placed or saved; empty before.
    QString m_place;
    SharedValue m_placeSaved{kPlaceSavedName, SharedValue::Merge::Replace};
    GoesWithWindow m_goesWithWindow;
    QAction *m_windowAction;
    QAction *m_addAction;
};
