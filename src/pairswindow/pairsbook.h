// SPDX-License-Identifier: MIT
#pragma once

#include "model/colorpair.h"
#include "pairs/pairlist.h"
#include "platform/services.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QWidget;

// The list of pairs as the user edits it: adding the current pair, loading one into the pair model,
// renaming, moving, removing, undoing and redoing, exporting and importing. Every change is stored at once,
// beside Params; a change the store refuses is not made, and the user is told why. The store is read on
// first use, so that a start that never uses the list costs nothing.
class PairsBook : public QObject
{
    Q_OBJECT

public:
    // mainWindow owns the messages and dialogs while the list's own window is not shown.
    PairsBook(ColorPair &pair, const Services &services, QWidget &mainWindow);

    const PairList &list();
    // The list's window, which then owns the messages and dialogs while it is shown.
    void setWindow(QWidget *window) { m_window = window; }

    // Each returns whether the list changed. Rows are those of the list.
    bool addCurrent();
    // Makes the pair at row the pair being chosen, both colours with their base channels, as one step
    // of the pair model's undo.
    void load(qsizetype row);
    void load(const PairColor &background, const PairColor &foreground);
    // Puts text on the clipboard; a clipboard that refuses it is told.
    void copy(const QString &text);
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

    // Reads the store again when another program (another copy of this one, or --import-pairs) changed the
    // list there; returns whether it had.
    bool followStore();

signals:
    void listChanged();

private:
    // Stores next as the list and takes it; false, with the user told why, when the store refuses.
    bool commit(const PairList &next);
    // Makes change on a copy of the list and commits it, with a step of undo. A change that names rows is
    // refused when the store holds another list than the window showed.
    bool edit(const std::function<bool(PairList &)> &change, bool namesRows);
    // Takes the last step of from back, keeping what it replaces in to.
    bool step(std::vector<NamedPairs> &from, std::vector<NamedPairs> &to);
    QWidget *dialogParent() const;
    void tell(const QString &text, const QString &title, bool problem);

    ColorPair &m_pair;
    Services m_services;
    QWidget &m_mainWindow;
    QPointer<QWidget> m_window;
    bool m_loaded = false;
    PairList m_list;
    // The stored text the list was last read from or written as.
    std::string m_storedText;
    std::vector<NamedPairs> m_undo;
    std::vector<NamedPairs> m_redo;
    int m_exportFilter = 0;
};
