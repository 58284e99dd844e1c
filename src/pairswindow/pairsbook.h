// SPDX-License-Identifier: MIT
#pragma once

#include "model/colorpair.h"
#include "model/undohistory.h"
#include "pairs/pairlist.h"
#include "platform/services.h"
#include "settings/settings.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <string>

class QWidget;

// The list of pairs as the user edits it: adding the current pair, loading one into the pair model,
// renaming, moving, removing, undoing and redoing, exporting and importing. Every change is stored at once,
// beside Params; a change the store refuses is not made, and the user is told why. The store is read on
// first use, so that a start that never uses the list costs nothing.
class PairsBook : public QObject
{
    Q_OBJECT

public:
    // The list is kept in settings; mainWindow owns the messages and dialogs while the list's own window is
    // not shown.
    PairsBook(ColorPair &pair, const Services &services, Settings &settings, QWidget &mainWindow);

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
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
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
    enum class Stored { Yes, Unchanged, Stale };
    // Makes change on the list as stored now and stores it, as one change of the store that no other writer
    // comes between, and takes it; sets before to the list it was made on. When another program changed
    // the list since it was read, a change that names rows (or replaces the list, as undo does) is not
    // made (Stale) and the list is read again; any other change is made on what that program stored, and
    // the history, which no longer leads to it, is cleared. A store that refuses is told.
    Stored store(const std::function<bool(PairList &)> &change, bool namesRows, NamedPairs *before = nullptr);
    // Stores change as one step of undo; a change that names rows and finds the list changed elsewhere is
    // refused with a note.
    bool edit(const std::function<bool(PairList &)> &change, bool namesRows);
    // Stores the list target, one step back or forward, and only then takes that step of the history; a
    // refused store leaves the history as it was.
    bool step(const NamedPairs *target, bool back);
    QWidget *dialogParent() const;
    void tell(const QString &text, const QString &title, bool problem);

    ColorPair &m_pair;
    Services m_services;
    Settings &m_settings;
    QWidget &m_mainWindow;
    QPointer<QWidget> m_window;
    bool m_loaded = false;
    PairList m_list;
    // The stored text the list was last read from or written as.
    std::string m_storedText;
    UndoHistory<NamedPairs> m_history;
    int m_exportFilter = 0;
};
