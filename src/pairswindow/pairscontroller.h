// SPDX-License-Identifier: MIT
#pragma once

#include "model/colorpair.h"
#include "pairs/pairlist.h"
#include "platform/services.h"
#include "settings/storedvalues.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class PairsWindow;
class QWidget;

// The list of pairs and its window "Color pairs": adding the current pair, loading one into the pair model,
// renaming, moving, removing, undoing and redoing, exporting and importing. Every change is stored at once,
// beside Params; a change the store refuses is not made, and the user is told why. The store is read on
// first use, so that a start that never uses the list costs nothing.
class PairsController : public QObject
{
    Q_OBJECT

public:
    // The window's place, saved beside Params when it is hidden and with each save.
    static inline const std::string kPlaceSavedName = "PairsWindow";

    // window is the main window: the pairs window is one of its own windows and goes and comes with it.
    PairsController(ColorPair &pair, const Services &services, QWidget &window);
    ~PairsController() override;

    const PairList &list();

    void setWindowShown(bool shown);
    bool isWindowShown() const;
    // Made on first use.
    PairsWindow &window();

    // Each returns whether the list changed. Rows are those of the list.
    bool addCurrent();
    // Makes the pair at row the pair being chosen, both colours with their base channels, as one step
    // of the pair model's undo.
    void load(qsizetype row);
    bool rename(qsizetype row, const QString &typed);
    bool move(qsizetype row, int by);
    bool remove(qsizetype row);
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    bool undo();
    bool redo();

    // Asks for a file and writes the list to it, in the format of its extension or of the chosen filter.
    void exportToFile();
    // Asks for a file and adds its pairs after the existing ones, then says what was imported.
    bool importFromFile();

    // The window's place for a save; an empty name while the window has never been placed.
    storedvalues::Value savedPlace() const;

signals:
    void listChanged();
    void windowShownChanged(bool shown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Stores next as the list and takes it; false, with the user told why, when the store refuses.
    bool commit(const PairList &next);
    // Makes change on a copy of the list and commits it, with a step of undo. A change that names rows is
    // refused when the store holds another list than the window showed.
    bool edit(const std::function<bool(PairList &)> &change, bool namesRows);
    // Takes the last step of from back, keeping what it replaces in to.
    bool step(std::vector<NamedPairs> &from, std::vector<NamedPairs> &to);
    // Reads the store again when another program (another copy of this one, or --import-pairs) changed the
    // list there; returns whether it had.
    bool followStore();
    void tell(const QString &text, const QString &title, bool problem);
    void savePlace();
    void placeWindow();

    ColorPair &m_pair;
    Services m_services;
    QWidget &m_mainWindow;
    PairsWindow *m_window = nullptr;
    bool m_loaded = false;
    PairList m_list;
    // The stored text the list was last read from or written as.
    std::string m_storedText;
    std::vector<NamedPairs> m_undo;
    std::vector<NamedPairs> m_redo;
    // The window's frame and size as last placed or saved; empty before.
    QString m_place;
    // The window was open when the main window was hidden.
    bool m_reopen = false;
    int m_exportFilter = 0;
};
