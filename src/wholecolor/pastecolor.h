// SPDX-License-Identifier: MIT
#pragma once

#include "model/colorpair.h"
#include "platform/services.h"

class QAction;
class QWidget;

// Paste: the colour the clipboard's text names becomes the colour being edited (its base channel stays);
// the program's own report of both colours sets both. Anything else is told in a box titled
// "Paste color" (with the reason for a colour that only a page can resolve), and so is a colour whose
// transparency had to be dropped, that lay outside sRGB, or that light-dark() gave as its light one.
class PasteColor
{
public:
    PasteColor(ColorPair &pair, const Services &services, QWidget &window);

    void paste();
    // "Paste color" (Ctrl+V).
    QAction *pasteAction() const { return m_pasteAction; }

private:
    ColorPair &m_pair;
    Services m_services;
    QWidget &m_window;
    QAction *m_pasteAction;
};
