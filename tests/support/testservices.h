// SPDX-License-Identifier: MIT
#pragma once

#include "platform/appexit.h"
#include "platform/services.h"
#include "support/fakefiledialogs.h"
#include "support/fakeregistry.h"
#include "support/fakescreenpicker.h"
#include "support/faketextfilereader.h"
#include "support/recordingclipboard.h"
#include "support/recordingmessageboxes.h"
#include "support/recordingshell.h"

// Counts the requests to end the program instead of ending it.
class RecordingAppExit final : public platform::AppExit
{
public:
    void endProgram(int) override { ++calls; }
    int calls = 0;
};

// A test double of every service, and the services that hand them to the code under test.
struct TestServices
{
    Services services()
    {
        Services s;
        s.messages = &messages;
        s.appExit = &appExit;
        s.registry = &registry;
        s.shell = &shell;
        s.clipboard = &clipboard;
        s.files = &files;
        s.screenPicker = &screenPicker;
        s.fileDialogs = &fileDialogs;
        return s;
    }

    RecordingMessageBoxes messages;
    RecordingAppExit appExit;
    FakeRegistry registry;
    RecordingShell shell;
    RecordingClipboard clipboard;
    FakeTextFileReader files;
    FakeScreenPicker screenPicker;
    FakeFileDialogs fileDialogs;
};
