#pragma once

#include "app/frmmain.h"
#include "app/services.h"
#include "platform/appexit.h"
#include "support/fakeregistry.h"
#include "support/faketextfilereader.h"
#include "support/recordingclipboard.h"
#include "support/recordingmessageboxes.h"
#include "support/recordingshell.h"

#include <QTest>

#include <memory>

// Counts the requests to end the program instead of ending it.
class RecordingAppExit final : public platform::AppExit
{
public:
    void endProgram() override { ++calls; }
    int calls = 0;
};

// A main window wired to test doubles, started as the program starts it.
class MainWindowFixture
{
public:
    Services services()
    {
        Services s;
        s.messages = &messages;
        s.appExit = &appExit;
        s.registry = &registry;
        s.shell = &shell;
        s.clipboard = &clipboard;
        s.files = &files;
        return s;
    }

    frmMain &start()
    {
        window = std::make_unique<frmMain>(services());
        window->Form_Load();
        return *window;
    }

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }

    RecordingMessageBoxes messages;
    RecordingAppExit appExit;
    FakeRegistry registry;
    RecordingShell shell;
    RecordingClipboard clipboard;
    FakeTextFileReader files;
    std::unique_ptr<frmMain> window;
};
