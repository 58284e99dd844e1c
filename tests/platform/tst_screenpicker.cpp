// SPDX-License-Identifier: MIT
#include "platform/screenpicker.h"
#include "platform/screenpicker_portal.h"

#include <QColor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using platform::ScreenPicker;

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");

// How a pick ended: "#RRGGBB", "cancelled" or "failed: " and the reason. Called after start(), it misses an
// outcome sent inside start(), where the caller may not be ready for it, and gives "nothing".
QString outcomeOf(ScreenPicker &picker)
{
    QSignalSpy picked(&picker, &ScreenPicker::picked);
    QSignalSpy cancelled(&picker, &ScreenPicker::cancelled);
    QSignalSpy failed(&picker, &ScreenPicker::failed);
    if (!QTest::qWaitFor([&] { return picked.size() + cancelled.size() + failed.size() > 0; }, 5000))
        return QStringLiteral("nothing");
    QTest::qWait(50); // a second outcome would be a fault
    if (picked.size() + cancelled.size() + failed.size() != 1 || picker.isActive())
        return QStringLiteral("more than one outcome, or still running");
    if (!picked.isEmpty())
        return QColor(picked.front().front().value<QRgb>()).name().toUpper();
    if (!cancelled.isEmpty())
        return QStringLiteral("cancelled");
    return QStringLiteral("failed: ") + failed.front().front().toString();
}

// Stands in for the desktop portal: answers PickColor with a request path and then the response it is
// given, as the real portal does once the user has clicked.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    explicit FakePortal(const QDBusConnection &bus) : m_bus(bus) {}
    uint response = 0;
    QVariantMap results;

public slots:
    QDBusObjectPath PickColor(const QString &, const QVariantMap &options, const QDBusMessage &message)
    {
        const QString sender = message.service().mid(1).replace(u'.', u'_');
        const QString path = kPath + "/request/" + sender + u'/' + options.value("handle_token").toString();
        QTimer::singleShot(0, this, [this, path] {
            QDBusMessage signal = QDBusMessage::createSignal(
                path, QStringLiteral("org.freedesktop.portal.Request"), "Response");
            signal << response << results;
            m_bus.send(signal);
        });
        return QDBusObjectPath(path);
    }

private:
    QDBusConnection m_bus;
};

QVariantMap colorResult(double red, double green, double blue)
{
    QDBusArgument color;
    color.beginStructure();
    color << red << green << blue;
    color.endStructure();
    return {{QStringLiteral("color"), QVariant::fromValue(color)}};
}

} // namespace

class tst_ScreenPicker : public QObject
{
    Q_OBJECT

private slots:
    void unavailableDesktopFailsLater();
    void portal_data();
    void portal();
    void grabPicksDevicePixel_data();
    void grabPicksDevicePixel();
};

void tst_ScreenPicker::unavailableDesktopFailsLater()
{
    if (QGuiApplication::platformName() != u"offscreen")
        QSKIP("Only the offscreen platform has no way of picking");
    const std::unique_ptr<ScreenPicker> picker = platform::createScreenPicker();
    QVERIFY(!picker->isAvailable());
    picker->start();
    QCOMPARE(outcomeOf(*picker),
             QStringLiteral("failed: Picking from the screen is not available on this desktop."));
}

void tst_ScreenPicker::portal_data()
{
    QTest::addColumn<bool>("portalPresent");
    QTest::addColumn<uint>("response");
    QTest::addColumn<QVariantMap>("results");
    QTest::addColumn<QString>("outcome");

    const QString couldNot = QStringLiteral("failed: The desktop could not pick a color from the screen.");
    QTest::newRow("colour, rounded to the nearest level")
        << true << 0u << colorResult(0.25, 0.5, 1.0) << QStringLiteral("#4080FF");
    QTest::newRow("values beyond 0..1 held") << true << 0u << colorResult(-0.5, 0.0, 2.0) << "#0000FF";
    QTest::newRow("user cancelled") << true << 1u << QVariantMap() << "cancelled";
    QTest::newRow("ended otherwise") << true << 2u << QVariantMap() << couldNot;
    QTest::newRow("answer without colour") << true << 0u << QVariantMap() << couldNot;
    QTest::newRow("colour of another type")
        << true << 0u << QVariantMap{{QStringLiteral("color"), QStringLiteral("#FF0000")}} << couldNot;
    QTest::newRow("no portal") << false << 0u << QVariantMap()
                               << "failed: Picking from the screen is not available on this desktop.";
}

void tst_ScreenPicker::portal()
{
    QFETCH(bool, portalPresent);
    QFETCH(uint, response);
    QFETCH(QVariantMap, results);
    QFETCH(QString, outcome);

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        QSKIP("No session bus");
    QDBusConnection portalBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fakeportal");
    FakePortal fake(portalBus);
    fake.response = response;
    fake.results = results;
    if (portalPresent) {
        if (!portalBus.registerService(kService))
            QSKIP("A real desktop portal runs on this session bus");
        QVERIFY(portalBus.registerObject(kPath, &fake, QDBusConnection::ExportAllSlots));
    }
    const auto unregister = qScopeGuard([&] {
        portalBus.unregisterObject(kPath);
        portalBus.unregisterService(kService);
    });

    const std::unique_ptr<ScreenPicker> picker = platform::createPortalScreenPicker(bus);
    QCOMPARE(picker->isAvailable(), portalPresent);
    picker->start();
    QCOMPARE(outcomeOf(*picker), outcome);
}

void tst_ScreenPicker::grabPicksDevicePixel_data()
{
    QTest::addColumn<QString>("input"); // xdotool commands once the pick runs
    QTest::addColumn<QString>("outcome");

    // The desktop shows one dark device pixel in every three by three, where x and y leave 1 divided by 3;
    // at a scale factor of 1.5 no whole logical position falls on such a pixel.
    const QString dot = QStringLiteral("#112233"), ground = QStringLiteral("#445566");
    QTest::newRow("on a dot") << "mousemove 301 301 click 1" << dot;
    QTest::newRow("right of a dot") << "mousemove 302 301 click 1" << ground;
    QTest::newRow("two below a dot") << "mousemove 301 303 click 1" << ground;
    QTest::newRow("dot near the right edge") << "mousemove 1021 766 click 1" << dot;
    QTest::newRow("bottom right corner") << "mousemove 1023 767 click 1" << ground;
    QTest::newRow("right button") << "mousemove 3 3 click 3" << QString("cancelled");
}

void tst_ScreenPicker::grabPicksDevicePixel()
{
    QFETCH(QString, input);
    QFETCH(QString, outcome);

    if (QGuiApplication::platformName() != u"xcb")
        QSKIP("Needs an X server");
    if (QStandardPaths::findExecutable("xdotool").isEmpty() ||
        QStandardPaths::findExecutable("xsetroot").isEmpty())
        QSKIP("Needs xdotool and xsetroot");
    QTemporaryDir dir;
    QFile bitmap(dir.filePath("dot.xbm"));
    QVERIFY(bitmap.open(QIODevice::WriteOnly));
    bitmap.write(
        "#define dot_width 3\n#define dot_height 3\nstatic char dot_bits[] = {\n  0x00, 0x02, 0x00, };\n");
    bitmap.close();
    QCOMPARE(
        QProcess::execute("xsetroot", {"-bitmap", bitmap.fileName(), "-fg", "#112233", "-bg", "#445566"}), 0);

    const std::unique_ptr<ScreenPicker> picker = platform::createScreenPicker();
    QVERIFY(picker->isAvailable());
    QSignalSpy hovered(picker.get(), &ScreenPicker::hovered);
    picker->start();
    QVERIFY(hovered.wait(5000)); // the first colour comes once the pointer is held
    QCOMPARE(QProcess::execute("xdotool", input.split(u' ')), 0);
    QCOMPARE(outcomeOf(*picker), outcome);
    if (outcome.startsWith(u'#')) // the live colour followed the pointer to the picked pixel
        QCOMPARE(QColor(hovered.back().front().value<QRgb>()).name().toUpper(), outcome);
}

QTEST_MAIN(tst_ScreenPicker)
#include "tst_screenpicker.moc"
