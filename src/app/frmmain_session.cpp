// SPDX-License-Identifier: MIT
// Saving when the program is ended from outside rather than by Quit.
#include "app/frmmain.h"

bool frmMain::saveOnSessionEnd()
{
    // The colours are saved as Quit saves them; the window is neither hidden nor followed by the
    // catalogue, since nobody is there to see them.
    return SaveParams().starts_with('0');
}
