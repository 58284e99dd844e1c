// SPDX-License-Identifier: MIT
#pragma once

#include "menu/feature.h"
#include "model/colorpair.h"
#include "platform/services.h"
#include "settings/sharedvalue.h"
#include "widgets/goeswithwindow.h"

#include <QObject>
#include <QSize>

#include <string>

class ContrastPanel;
class QAction;
class QWidget;

// The contrast panel below the main window: opening and closing it (the window grows by the panel and
// shrinks back, staying inside the screen; on a screen too small for that the panel is a window of its
// own), keeping its figures in step with the pair and its preview, copying the figures, and whether it was
// open when the colours were last saved.
class ContrastPanelController : public QObject, public Feature
{
    Q_OBJECT

public:
    // The value saved beside Params: "1" while the panel is open, "0" otherwise.
    static inline const std::string kSavedName = "ContrastPanel";

    // window is the main window at its designed size; the panel opens at once when it was saved open.
    ContrastPanelController(ColorPair &pair, QWidget &window, QSize designedSize, const Services &services);

    // "Contrast panel" (Ctrl+K), checked while the panel is open, and "Copy contrast" (Ctrl+Shift+C).
    QAction *openAction() const { return m_openAction; }
    QAction *copyAction() const { return m_copyAction; }

    bool isOpen() const;
    void setOpen(bool open);
    // The figures on the clipboard, then "Copied" on the panel; a clipboard that refuses them is told.
    void copyContrast();
    // Ticks the panel's check box as the threshold lines are shown or hidden.
    void setThresholdsShown(bool shown);
    // The panel, made on first use.
    ContrastPanel &panel();
    std::string savedValue() const { return isOpen() ? "1" : "0"; }
    // The value as saved beside Params, which this copy writes only when it opened or closed the panel.
    SharedValue *sharedValue() override { return &m_saved; }
    // Whether the open panel is a window of its own.
    bool isSeparate() const { return m_separate; }

signals:
    void openChanged(bool open);
    // The panel's buttons and check box.
    void nearestRequested(double threshold);
    void thresholdsToggled(bool shown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openOrClose(bool open);
    void update();
    // Puts the panel below the window or in a window of its own, as the screen allows.
    void place();
    void setSeparate(bool separate);

    ColorPair &m_pair;
    QWidget &m_window;
    QSize m_designedSize;
    Services m_services;
    SharedValue m_saved{kSavedName, SharedValue::Merge::Replace, "0"};
    ContrastPanel *m_panel = nullptr;
    bool m_thresholdsShown = false;
    bool m_separate = false;
    // A panel of its own goes and comes with the main window.
    GoesWithWindow m_goesWithWindow;
    QAction *m_openAction;
    QAction *m_copyAction;
};
