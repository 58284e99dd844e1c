// SPDX-License-Identifier: MIT
#pragma once

#include "model/pairstate.h"
#include "model/undohistory.h"

#include <QObject>
#include <QRgb>

#include <optional>

// The background and foreground colours being chosen, with their base channels, which one is edited, a
// colour previewed for the edited one, and the undo history. The main window publishes every colour it
// stores here; everything else reads the pair from here and changes it here, and the window follows.
// Setters that change nothing do nothing and say nothing.
class ColorPair : public QObject
{
    Q_OBJECT

public:
    enum Change {
        Background = 0x1,
        Foreground = 0x2,
        BaseChannel = 0x4, // of either colour
        Edited = 0x8,      // which colour is edited
        Preview = 0x10,
    };
    Q_DECLARE_FLAGS(Changes, Change)
    Q_FLAG(Changes)

    // The flag of colour which (0 background, 1 foreground).
    static Change colorChange(int which) { return which == 0 ? Background : Foreground; }

    explicit ColorPair(QObject *parent = nullptr);

    const PairState &state() const { return m_state; }
    QRgb color(int which) const { return m_state.colors[which & 1].rgb; }
    QRgb background() const { return color(0); }
    QRgb foreground() const { return color(1); }
    int baseChannel(int which) const { return m_state.colors[which & 1].baseChannel; }
    int edited() const { return m_state.edited; }
    QRgb editedColor() const { return color(edited()); }
    QRgb otherColor() const { return color(1 - edited()); }

    // Colours are taken opaque; a base channel outside 0..2 counts as blue, and which as 0 or 1.
    void setState(const PairState &state);
    void setColor(int which, QRgb rgb);
    void setEditedColor(QRgb rgb) { setColor(edited(), rgb); }

    // Where a preview comes from: the pointer anywhere on the screen, or the plane while the left button is
    // held on it.
    enum class PreviewOrigin { Screen, Plane };
    // A colour shown for the edited one before it is chosen (while the user drags or points at the screen);
    // nothing when none is.
    std::optional<QRgb> preview() const { return m_preview; }
    void setPreview(std::optional<QRgb> rgb, PreviewOrigin origin = PreviewOrigin::Screen);
    // Where the preview, or the last one, came from.
    PreviewOrigin previewOrigin() const { return m_previewOrigin; }
    // Colour which as it is shown now: the preview for the edited colour while there is one.
    QRgb shownColor(int which) const;

    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    // Go one step back or forward; nothing happens when there is no step.
    void undo();
    void redo();
    void clearHistory();

    // Makes the changes of its lifetime one change: one changed() signal when the outermost step ends, with
    // everything that changed, and one step of undo. What listeners change in answer to that signal joins
    // the same step. A step that is not undoable leaves the history alone.
    class Step
    {
    public:
        enum class Undo { Recorded, NotRecorded };
        explicit Step(ColorPair &pair, Undo undo = Undo::Recorded);
        ~Step();
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        ColorPair &m_pair;
    };

signals:
    void changed(ColorPair::Changes what);
    // canUndo() or canRedo() may have changed.
    void historyChanged();

private:
    void replay(const std::optional<PairState> &state);

    PairState m_state;
    std::optional<QRgb> m_preview;
    PreviewOrigin m_previewOrigin = PreviewOrigin::Screen;
    UndoHistory<PairState> m_history;
    int m_depth = 0;
    bool m_recording = true;
    PairState m_stepStart;
    Changes m_pending;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ColorPair::Changes)
