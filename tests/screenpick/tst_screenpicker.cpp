// SPDX-License-Identifier: MIT
#include "screenpick/screenpicker.h"
#include "screenpick/screenpicker_portal.h"
#include "support/fakescreenpicker.h"

#include <QColor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <limits>

using platform::ScreenPicker;

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");

// How a pick ended: "#RRGGBB", "cancelled" or "failed: " and the reason. Called after start(), it misses an
// outcome sent inside start(), where the caller may not be ready for it, and gives "nothing".
QString outcomeOf(ScreenPicker &picker, int waitMs = 5000)
{
    QSignalSpy picked(&picker, &ScreenPicker::picked);
    QSignalSpy cancelled(&picker, &ScreenPicker::cancelled);
    QSignalSpy failed(&picker, &ScreenPicker::failed);
    if (!QTest::qWaitFor([&] { return picked.size() + cancelled.size() + failed.size() > 0; }, waitMs))
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

// Stands in for the desktop portal: answers PickColor with a request path and then, unless told to stay
// silent, the response it is given on that path (or on another one), as the real portal does once the user
// has clicked; it counts the requests closed.
class FakePortal : public QDBusVirtualObject
{
public:
    explicit FakePortal(const QDBusConnection &bus) : m_bus(bus) {}
    enum class Answer { OnPath, OnWrongPath, Never };
    Answer answer = Answer::OnPath;
    uint response = 0;
    QVariantMap results;
    int picks = 0;
    QStringList closed;

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &) override
    {
        if (message.member() == u"Close") {
            closed << message.path();
            m_bus.send(message.createReply());
            return true;
        }
        if (message.member() != u"PickColor")
            return false;
        ++picks;
        const QString sender = message.service().mid(1).replace(u'.', u'_');
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(1));
        const QString token = options.value("handle_token").toString();
        const QString path = kPath + "/request/" + sender + u'/' + token;
        m_bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(path))));
        if (answer != Answer::Never) {
            QDBusMessage signal =
                QDBusMessage::createSignal(answer == Answer::OnPath ? path : path + "x",
                                           QStringLiteral("org.freedesktop.portal.Request"), "Response");
            signal << response << results;
            m_bus.send(signal);
        }
        return true;
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

// The fake portal on a connection of its own to the session bus, for as long as it lives.
struct PortalOnBus
{
    PortalOnBus() : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fakeportal")), portal(bus)
    {
    }
    ~PortalOnBus()
    {
        bus.unregisterObject(kPath, QDBusConnection::UnregisterTree);
        bus.unregisterService(kService);
    }
    bool registerPortal()
    {
        return bus.registerService(kService) &&
               bus.registerVirtualObject(kPath, &portal, QDBusConnection::SubPath);
    }
    QDBusConnection bus;
    FakePortal portal;
};

} // namespace

class tst_ScreenPicker : public QObject
{
    Q_OBJECT

private slots:
    void unavailableDesktopFailsLater();
    void portal_data();
    void portal();
    void unansweredRequest_data();
    void unansweredRequest();
    void withoutPortalTheOtherPickerPicks();
    void busThatDoesNotAnswer();
    void grabPicksDevicePixel_data();
    void grabPicksDevicePixel();
    void tenBitChannelsRoundToTheNearestLevel();
};

void tst_ScreenPicker::unavailableDesktopFailsLater()
{
    if (QGuiApplication::platformName() != u"offscreen")
        QSKIP("Only the offscreen platform has no way of picking");
    const std::unique_ptr<ScreenPicker> picker = platform::createScreenPicker();
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
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("colour, rounded to the nearest level")
        << true << 0u << colorResult(0.25, 0.5, 1.0) << QStringLiteral("#4080FF");
    QTest::newRow("channel below 0") << true << 0u << colorResult(-0.5, 0.0, 0.0) << couldNot;
    QTest::newRow("channel above 1") << true << 0u << colorResult(0.0, 0.0, 7.0) << couldNot;
    QTest::newRow("channel not a number") << true << 0u << colorResult(0.0, nan, 0.0) << couldNot;
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
    PortalOnBus fake;
    fake.portal.response = response;
    fake.portal.results = results;
    if (portalPresent && !fake.registerPortal())
        QSKIP("A real desktop portal runs on this session bus");

    const std::unique_ptr<ScreenPicker> picker = platform::createPortalScreenPicker(bus);
    picker->start();
    QCOMPARE(outcomeOf(*picker), outcome);
}

void tst_ScreenPicker::unansweredRequest_data()
{
    QTest::addColumn<bool>("wrongPath"); // the first answer comes on another path, else none comes
    QTest::addColumn<bool>("startAgain");
    QTest::addColumn<QString>("outcome");

    QTest::newRow("a new start replaces a request never answered") << false << true << "#4080FF";
    QTest::newRow("a new start replaces one answered on another path") << true << true << "#4080FF";
    QTest::newRow("given up at the answer limit")
        << false << false << "failed: The desktop did not answer the request to pick a color.";
}

// A request the portal lost must not leave the pick dead: a new start, or the answer limit, closes it.
void tst_ScreenPicker::unansweredRequest()
{
    QFETCH(bool, wrongPath);
    QFETCH(bool, startAgain);
    QFETCH(QString, outcome);

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        QSKIP("No session bus");
    PortalOnBus fake;
    if (!fake.registerPortal())
        QSKIP("A real desktop portal runs on this session bus");
    fake.portal.answer = wrongPath ? FakePortal::Answer::OnWrongPath : FakePortal::Answer::Never;
    fake.portal.results = colorResult(0.25, 0.5, 1.0);

    const std::unique_ptr<ScreenPicker> picker = platform::createPortalScreenPicker(bus, {}, 1500);
    picker->start();
    QTRY_COMPARE(fake.portal.picks, 1);
    if (startAgain) {
        QCOMPARE(outcomeOf(*picker, 300), QStringLiteral("nothing"));
        fake.portal.answer = FakePortal::Answer::OnPath;
        picker->start();
    }
    QCOMPARE(outcomeOf(*picker), outcome);
    QCOMPARE(fake.portal.picks, startAgain ? 2 : 1);
    QTRY_COMPARE(fake.portal.closed.size(), 1);
    QVERIFY(fake.portal.closed[0].startsWith(kPath + "/request/"));
}

void tst_ScreenPicker::withoutPortalTheOtherPickerPicks()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        QSKIP("No session bus");
    FakeScreenPicker *other = nullptr;
    const std::unique_ptr<ScreenPicker> picker = platform::createPortalScreenPicker(bus, [&other] {
        auto made = std::make_unique<FakeScreenPicker>();
        other = made.get();
        return made;
    });
    QSignalSpy picked(picker.get(), &ScreenPicker::picked);
    picker->start();
    QTRY_VERIFY(other && other->starts == 1);
    other->pick(qRgb(1, 2, 3));
    QCOMPARE(picked.size(), 1);
    picker->start(); // the bus is not asked again
    QCOMPARE(other->starts, 2);
}

// A session bus that is stopped answers nothing: the pick fails with the clear sentence soon, and the
// event loop runs on meanwhile.
void tst_ScreenPicker::busThatDoesNotAnswer()
{
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
        QSKIP("Needs dbus-daemon");
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    QVERIFY(daemon.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    const auto stop = qScopeGuard([&daemon] {
        ::kill(pid_t(daemon.processId()), SIGCONT);
        daemon.kill();
        daemon.waitForFinished();
    });
    QDBusConnection bus = QDBusConnection::connectToBus(address, "stopped");
    QVERIFY(bus.isConnected());
    QCOMPARE(::kill(pid_t(daemon.processId()), SIGSTOP), 0);

    const std::unique_ptr<ScreenPicker> picker = platform::createPortalScreenPicker(bus);
    QElapsedTimer clock;
    qint64 longestGap = 0, last = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    ticker.start(20);
    picker->start();
    QVERIFY2(clock.elapsed() < 500, "start() waited for the bus");
    QCOMPARE(outcomeOf(*picker, 3000),
             QStringLiteral("failed: Picking from the screen is not available on this desktop."));
    QVERIFY2(longestGap < 500, qPrintable(QString("the event loop stood still for %1 ms").arg(longestGap)));
    QDBusConnection::disconnectFromBus("stopped");
}

void tst_ScreenPicker::grabPicksDevicePixel_data()
{
    QTest::addColumn<QString>("input"); // xdotool commands once the pick runs
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<int>("wheel"); // steps reported

    // The desktop shows one dark device pixel in every three by three, where x and y leave 1 divided by 3;
    // at a scale factor of 1.5 no whole logical position falls on such a pixel.
    const QString dot = QStringLiteral("#112233"), ground = QStringLiteral("#445566");
    QTest::newRow("on a dot") << "mousemove 301 301 click 1" << dot << 0;
    QTest::newRow("right of a dot") << "mousemove 302 301 click 1" << ground << 0;
    QTest::newRow("two below a dot") << "mousemove 301 303 click 1" << ground << 0;
    QTest::newRow("dot near the right edge") << "mousemove 1021 766 click 1" << dot << 0;
    QTest::newRow("bottom right corner") << "mousemove 1023 767 click 1" << ground << 0;
    QTest::newRow("right button") << "mousemove 3 3 click 3" << QString("cancelled") << 0;
    QTest::newRow("Right arrow onto a dot, Enter") << "mousemove 300 301 key Right key Return" << dot << 0;
    QTest::newRow("Right arrow off a dot, Space") << "mousemove 301 301 key Right key space" << ground << 0;
    QTest::newRow("Shift+Left ten pixels") << "mousemove 311 301 key shift+Left key Return" << dot << 0;
    QTest::newRow("Up and Down") << "mousemove 301 303 key Up key Up key Down key Up key Return" << dot << 0;
    QTest::newRow("wheel, then Escape") << "click 4 click 4 click 5 click 4 key Escape"
                                        << "cancelled" << 2;
}

void tst_ScreenPicker::grabPicksDevicePixel()
{
    QFETCH(QString, input);
    QFETCH(QString, outcome);
    QFETCH(int, wheel);

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
    QSignalSpy hovered(picker.get(), &ScreenPicker::hovered);
    QSignalSpy turned(picker.get(), &ScreenPicker::wheelTurned);
    picker->start();
    QVERIFY(hovered.wait(5000)); // the first colour comes once the pointer is held
    QCOMPARE(QProcess::execute("xdotool", input.split(u' ')), 0);
    QCOMPARE(outcomeOf(*picker), outcome);
    if (outcome.startsWith(u'#')) // the live colour followed the pointer to the picked pixel
        QCOMPARE(QColor(hovered.back().front().value<QRgb>()).name().toUpper(), outcome);
    int steps = 0;
    for (const QList<QVariant> &signal : turned)
        steps += signal.front().toInt();
    QCOMPARE(steps, wheel);
}

// On a screen of 10 bits a channel each, every channel is rounded to the nearest 8-bit level.
void tst_ScreenPicker::tenBitChannelsRoundToTheNearestLevel()
{
    if (QGuiApplication::platformName() != u"xcb" || QGuiApplication::primaryScreen()->depth() != 30)
        QSKIP("Needs an X server of depth 30");
    // The server keeps the top 10 bits of each 16-bit channel: red 3, green 7 and blue 1021 of 1023, which
    // are 0.75, 1.74 and 254.50 of 255; cutting the two low bits would give 0, 1 and 255.
    QCOMPARE(QProcess::execute("xsetroot", {"-solid", "rgb:00c0/01c0/ff7f"}), 0);
    const std::unique_ptr<ScreenPicker> picker = platform::createScreenPicker();
    const QImage area = picker->screenArea(QRect(10, 10, 2, 1));
    QCOMPARE(QColor(area.pixel(0, 0)).name(), QStringLiteral("#0102ff"));
    QCOMPARE(QColor(area.pixel(1, 0)).name(), QStringLiteral("#0102ff"));
}

QTEST_MAIN(tst_ScreenPicker)
#include "tst_screenpicker.moc"
