// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class ColorPair;
class LineTextBox;
class PairMatrixView;
class PairTableModel;
class PairsBook;
class QAction;
class QLabel;
class QStackedWidget;
class QTableView;

// "Color pairs": the list of pairs, one a row with its name, a sample of the pair, the contrast ratio and
// the marks for AA and AAA normal text, under the current pair and a filter. Every action has a key and a
// button or menu entry: Ctrl+D adds the current pair, Enter or a double click loads a row, F2 renames,
// Delete removes, Alt+Up and Alt+Down move, Ctrl+Z and Ctrl+Shift+Z undo and redo, typing filters by
// name, Escape clears the filter and then closes the window, as Ctrl+Shift+P does. Ctrl+M shows instead
// every foreground of the rows against every background, where Enter loads a cell's pair and the matrix
// copies as Markdown or CSV.
class PairsWindow : public QWidget
{
    Q_OBJECT

public:
    PairsWindow(PairsBook &book, ColorPair &pair, QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QAction *makeAction(const QString &text, const QList<QKeySequence> &keys, void (PairsWindow::*handler)());
    void showCurrentPair();
    void showList();
    void filterChanged();
    void updateActions();
    void showListFocus(bool focused);
    // The list row of the current row, or -1.
    qsizetype currentListRow() const;
    // Makes the row that shows the list's row current, or the nearest shown one.
    void selectListRow(qsizetype row);

    void addCurrent();
    void loadCurrent();
    void renameCurrent();
    void removeCurrent();
    void moveUp();
    void moveDown();
    void moveCurrent(int by);
    void undo();
    void redo();
    void exportPairs();
    void importPairs();
    void showMatrix(bool shown);
    void copyMarkdown();
    void copyCsv();

    PairsBook &m_book;
    ColorPair &m_pair;
    PairTableModel *m_model;
    QLabel *lblCurrent;
    QWidget *picCurrent;
    LineTextBox *txbFilter;
    QTableView *lstPairs;
    PairMatrixView *tblMatrix;
    QStackedWidget *m_views;
    QWidget *m_rowButtons;
    QWidget *m_matrixButtons;
    QAction *m_matrix = nullptr;
    QAction *m_load = nullptr;
    QAction *m_rename = nullptr;
    QAction *m_remove = nullptr;
    QAction *m_moveUp = nullptr;
    QAction *m_moveDown = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};
