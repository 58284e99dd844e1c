// SPDX-License-Identifier: MIT
// Whole colours at once: pasting any colour form, taking one from the screen, swapping the two colours, and
// undoing and redoing colour changes.
#include "app/frmmain.h"

#include "color/colorparse.h"
#include "color/colors.h"
#include "platform/clipboard.h"
#include "platform/messageboxes.h"
#include "platform/screenpicker.h"

#include <QRadioButton>

frmMain::UndoStep::UndoStep(frmMain &w) : window(w), before(w.snapshot()), outermost(w.m_changeDepth++ == 0)
{
}

frmMain::UndoStep::~UndoStep()
{
    if (--window.m_changeDepth == 0 && outermost)
        window.m_history.record(before, window.snapshot());
}

ColorSnapshot frmMain::snapshot() const
{
    return {ColorParams, editedColor()};
}

void frmMain::restoreSnapshot(const ColorSnapshot &state)
{
    ColorParams = state.params;
    if (state.which != editedColor()) {
        selectWithoutHandler(state.which == 0 ? optBackground : optForeground);
        showEditedColorCaptions(state.which);
    }
    LoadColor(state.which);
}

void frmMain::undoColors()
{
    StoreColor(editedColor());
    if (const std::optional<ColorSnapshot> state = m_history.undo(snapshot()))
        restoreSnapshot(*state);
}

void frmMain::redoColors()
{
    StoreColor(editedColor());
    if (const std::optional<ColorSnapshot> state = m_history.redo(snapshot()))
        restoreSnapshot(*state);
}

void frmMain::setEditedColor(QRgb colour)
{
    const int which = editedColor();
    ColorParams[which][1] = qint16(qRed(colour));
    ColorParams[which][2] = qint16(qGreen(colour));
    ColorParams[which][3] = qint16(qBlue(colour));
    // As after a pick: the base channel stays, its value and the plane come from the new colour.
    LoadColor(which);
}

void frmMain::pasteColor()
{
    const UndoStep change(*this);
    const auto fail = [this](const QString &text) {
        m_services.messages->show(this, text, QStringLiteral("Paste color"),
                                  platform::MessageIcon::Exclamation);
    };
    const std::optional<QString> text = m_services.clipboard->readText();
    if (!text || text->isEmpty()) {
        fail(QStringLiteral("The clipboard holds no text."));
        return;
    }
    const colorparse::ParsedColors parsed = colorparse::parseColorText(*text);
    if (parsed.count == 0) {
        fail(QStringLiteral("Not a color: ") + text->left(40));
        return;
    }
    StoreColor(editedColor());
    if (parsed.count == 2) {
        // The program's own report of both colours sets both.
        for (int which = 0; which < 2; ++which) {
            const colorparse::Rgb &c = parsed.colors[which];
            ColorParams[which][1] = qint16(c.red);
            ColorParams[which][2] = qint16(c.green);
            ColorParams[which][3] = qint16(c.blue);
        }
        LoadColor(editedColor());
        return;
    }
    const colorparse::Rgb &c = parsed.colors[0];
    setEditedColor(qRgb(c.red, c.green, c.blue));
}

void frmMain::pickFromScreen()
{
    if (!m_services.screenPicker) {
        m_ownPicker = platform::createScreenPicker();
        m_services.screenPicker = m_ownPicker.get();
    }
    if (!m_pickerConnected) {
        platform::ScreenPicker *picker = m_services.screenPicker;
        connect(picker, &platform::ScreenPicker::hovered, this, &frmMain::previewScreenColour);
        connect(picker, &platform::ScreenPicker::picked, this, &frmMain::takeScreenColour);
        connect(picker, &platform::ScreenPicker::cancelled, this, &frmMain::DrawSample);
        connect(picker, &platform::ScreenPicker::failed, this, &frmMain::screenPickFailed);
        m_pickerConnected = true;
    }
    StoreColor(editedColor());
    m_services.screenPicker->start();
}

void frmMain::previewScreenColour(QRgb colour)
{
    ColorParamsArray preview = ColorParams;
    ColorRow &row = preview[editedColor()];
    row[1] = qint16(qRed(colour));
    row[2] = qint16(qGreen(colour));
    row[3] = qint16(qBlue(colour));
    drawSampleOf(preview);
}

void frmMain::takeScreenColour(QRgb colour)
{
    const UndoStep change(*this);
    setEditedColor(colour);
}

void frmMain::screenPickFailed(const QString &reason)
{
    DrawSample();
    m_services.messages->show(this, reason, QStringLiteral("Pick from screen"),
                              platform::MessageIcon::Exclamation);
}

void frmMain::swapColors()
{
    const UndoStep change(*this);
    StoreColor(editedColor());
    std::swap(ColorParams[0], ColorParams[1]);
    LoadColor(editedColor());
}
