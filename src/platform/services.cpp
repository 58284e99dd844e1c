// SPDX-License-Identifier: MIT
#include "platform/services.h"

#include "platform/appexit.h"
#include "platform/clipboard.h"
#include "platform/filedialogs.h"
#include "platform/messageboxes.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/textfilereader.h"

Services systemServices()
{
    static platform::QtMessageBoxes messages;
    static platform::QtAppExit appExit;
    Services s;
    s.messages = &messages;
    s.appExit = &appExit;
    s.shell = &platform::systemShell();
    s.clipboard = &platform::systemClipboard();
    s.files = &platform::systemTextFileReader();
    s.registry = &platform::systemRegistry();
    s.fileDialogs = &platform::systemFileDialogs();
    return s;
}
