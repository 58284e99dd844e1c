// SPDX-License-Identifier: MIT
#pragma once

#include "accessibility/accessibility.h"
#include "app/frmmain.h"
#include "support/testservices.h"
#include "widgets/captionlabel.h"

#include <QRadioButton>
#include <QTest>

#include <memory>

// A main window wired to test doubles, started as the program starts it.
class MainWindowFixture : public TestServices
{
public:
    frmMain &start()
    {
        accessibility::install();
        window = std::make_unique<frmMain>(services());
        window->Form_Load();
        return *window;
    }

    // Started and made the active window, so that focus and shortcuts behave as for a user.
    frmMain &startActive()
    {
        start();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("the main window did not become active");
        return *window;
    }

    template <typename T = QWidget> T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }

    // What a label shows the program (captions may hold "&&").
    QString caption(const QString &name) const { return control<CaptionLabel>(name)->caption(); }
    // The decimal readouts of red, green and blue.
    QStringList channels() const
    {
        return {caption("lblRedDecimal"), caption("lblGreenDecimal"), caption("lblBlueDecimal")};
    }
    // Puts a saved Params text in the store, as an earlier run would have left it.
    void storeParams(const QByteArray &text)
    {
        registry.keys["Software\\Quenby Systems\\TVK"]["Params"] = text + '\0';
    }
    QByteArray storedParams() const
    {
        return registry.keys.value("Software\\Quenby Systems\\TVK").value("Params");
    }
    void click(const QString &name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    // Clicks an option button where its circle is.
    void clickOption(const QString &name) const
    {
        auto *option = control<QRadioButton>(name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }

    std::unique_ptr<frmMain> window;
};
