#include "app/services.h"

#include "platform/clipboard.h"
#include "platform/messageboxes.h"
#include "platform/shell.h"

Services systemServices()
{
    static platform::QtMessageBoxes messages;
    Services s;
    s.messages = &messages;
    s.shell = &platform::systemShell();
    s.clipboard = &platform::systemClipboard();
    return s;
}
