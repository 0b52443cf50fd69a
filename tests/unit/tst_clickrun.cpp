// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The click run and the click cycle, driven tick by tick against the
// recording platform: the interval a start stores, when clicks come, when
// "Stop after" ends a run, and what a start and a stop do to the window.
#include "TestSupport.h"
#include "app/frmWorking.h"
#include "clicker/ClickRun.h"

#include <QTest>

#include <string>
#include <vector>

namespace {

struct Settings {
    QString minutes = QStringLiteral("00");
    QString seconds = QStringLiteral("1");
    QString tenths = QStringLiteral("00");
    bool stopAfter = false;
    QString clickLimit = QStringLiteral("100");
    QString minuteLimit = QStringLiteral("10");
};

void apply(testing::Fixture& f, const Settings& s)
{
    f.c<runtime::TextBox>("Text1").setText(s.minutes);
    f.c<runtime::TextBox>("Text2").setText(s.seconds);
    f.c<runtime::TextBox>("Text3").setText(s.tenths);
    // Editing a limit field selects "Stop after"; the option is set last.
    f.c<runtime::TextBox>("Text4").setText(s.minuteLimit);
    f.c<runtime::TextBox>("Text5").setText(s.clickLimit);
    f.c<runtime::OptionButton>(s.stopAfter ? "Option2" : "Option1").setChecked(true);
}

struct RunResult {
    int stopTick = 0; // 0: still running after the last tick
    std::vector<int> clickTicks;
};

bool isPress(const std::string& line)
{
    return line.rfind("mouse_event 0x0002", 0) == 0 || line.rfind("mouse_event 0x0008", 0) == 0
        || line.rfind("mouse_event 0x0020", 0) == 0;
}

// Ticks until the run stops or `maxTicks` have passed, noting the ticks that
// pressed a button.
RunResult tickRun(testing::Fixture& f, int maxTicks)
{
    auto& run = f.form().clickRun();
    RunResult result;
    for (int tick = 1; tick <= maxTicks; ++tick) {
        const auto& log = f.fake().log();
        const std::size_t before = log.size();
        run.tmrMain_Timer();
        for (std::size_t i = before; i < log.size(); ++i) {
            if (isPress(log[i])) {
                result.clickTicks.push_back(tick);
                break;
            }
        }
        if (run.isClicking == 0) {
            result.stopTick = tick;
            break;
        }
    }
    return result;
}

const char* const lockedSettings[] = {"Combo3", "Text1", "Text2", "Text3", "Option1", "Option2",
    "Text4", "Text5", "Combo1", "Combo2", "Label5", "Label4", "Label19", "Label20", "Label10",
    "Label7", "Label14", "Label11"};

// Notes the order in which the watched controls change their enabled state.
class EnabledOrder : public QObject {
public:
    QStringList order;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            order << watched->objectName();
        return false;
    }
};

} // namespace

class tst_clickrun : public QObject {
    Q_OBJECT
private slots:
    void storedInterval_data()
    {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("tenths");
        QTest::addColumn<int>("stored");
        // The run before each row had an interval of 10: rows that do not fit keep it.
        QTest::newRow("one a second") << "00"
                                      << "01"
                                      << "00" << 10;
        QTest::newRow("90.5 s") << "01"
                                << "30"
                                << "5" << 905;
        QTest::newRow("fractional minutes") << "1.5"
                                            << "00"
                                            << "00" << 900;
        QTest::newRow("22.5 to even 22") << "00"
                                         << "2.25"
                                         << "00" << 22;
        QTest::newRow("0.5 to even 0") << "00"
                                       << "00"
                                       << "0.5" << 0;
        QTest::newRow("zero") << "00"
                              << "00"
                              << "00" << 0;
        QTest::newRow("negative") << "-1"
                                  << "00"
                                  << "00" << -600;
        QTest::newRow("longest") << "54"
                                 << "36"
                                 << "7" << 32767;
        QTest::newRow("32768 keeps previous") << "54"
                                              << "36"
                                              << "8" << 10;
        QTest::newRow("55 minutes keeps previous") << "55"
                                                   << "00"
                                                   << "00" << 10;
        QTest::newRow("smallest") << "-54"
                                  << "-36"
                                  << "-8" << -32768;
        QTest::newRow("below smallest keeps previous") << "-54"
                                                       << "-36"
                                                       << "-9" << 10;
        QTest::newRow("letters count 0") << "abc"
                                         << "2x"
                                         << "" << 20;
        QTest::newRow("blanks skipped") << " 0 "
                                        << "1 5"
                                        << "\t1" << 151;
        QTest::newRow("minus zero") << "-0"
                                    << "-0"
                                    << "-0" << 0;
        QTest::newRow("beyond a double keeps previous") << "1e999"
                                                        << "00"
                                                        << "00" << 10;
        QTest::newRow("seconds beyond a double keep previous") << "00"
                                                               << "-1e999"
                                                               << "00" << 10;
        QTest::newRow("tenths beyond a double keep previous") << "00"
                                                              << "00"
                                                              << "1e999" << 10;
        QTest::newRow("overflow in the sum keeps previous") << "1e306"
                                                            << "00"
                                                            << "00" << 10;
        QTest::newRow("infinities cancel keeps previous") << "1e306"
                                                          << "-1e308"
                                                          << "00" << 10;
        QTest::newRow("inf and nan spelled count 0") << "inf"
                                                     << "nan"
                                                     << "5" << 5;
        QTest::newRow("10000 characters keep previous") << QString(10000, u'9') << "0"
                                                        << "0" << 10;
    }

    void storedInterval()
    {
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, tenths);
        QFETCH(int, stored);
        testing::Fixture f;
        auto& run = f.form().clickRun();
        run.cmdStart_Click(); // the defaults: one click a second
        QCOMPARE(run.clickIntervalTenths, std::int16_t(10));
        run.cmdStart_Click();

        Settings s;
        s.minutes = minutes;
        s.seconds = seconds;
        s.tenths = tenths;
        apply(f, s);
        run.cmdStart_Click();
        QCOMPARE(run.isClicking, std::int16_t(-1));
        QCOMPARE(int(run.clickIntervalTenths), stored);
    }

    void anIntervalThatDoesNotFitKeepsTheLastRunsRhythm()
    {
        testing::Fixture f;
        auto& run = f.form().clickRun();
        run.cmdStart_Click();
        QCOMPARE(tickRun(f, 25).clickTicks, (std::vector<int> {10, 20}));
        run.cmdStart_Click();

        Settings s;
        s.minutes = QStringLiteral("55");
        apply(f, s);
        run.cmdStart_Click();
        QCOMPARE(tickRun(f, 25).clickTicks, (std::vector<int> {10, 20}));
    }

    void aFirstStartThatDoesNotFitNeverClicks()
    {
        testing::Fixture f;
        Settings s;
        s.minutes = QStringLiteral("54");
        s.seconds = QStringLiteral("36");
        s.tenths = QStringLiteral("8");
        apply(f, s);
        auto& run = f.form().clickRun();
        run.cmdStart_Click();
        QCOMPARE(run.clickIntervalTenths, std::int16_t(0));
        QVERIFY(f.form().working().isVisible());
        QVERIFY(tickRun(f, 200).clickTicks.empty());
        run.cmdStart_Click();
        QCOMPARE(run.isClicking, std::int16_t(0));
        QVERIFY(!f.form().working().isVisible());
    }

    void defaultsClickLeftOnceASecond()
    {
        testing::Fixture f;
        auto& run = f.form().clickRun();
        run.cmdStart_Click();
        f.fake().clear();
        for (int tick = 1; tick <= 9; ++tick)
            run.tmrMain_Timer();
        QCOMPARE(f.fake().text(), std::string());
        run.tmrMain_Timer();
        QCOMPARE(
            f.fake().text(), std::string("mouse_event 0x0002 0 0 0 0\nmouse_event 0x0004 0 0 0 0"));
        QCOMPARE(run.clickCount, std::int16_t(1));
        QCOMPARE(run.ticksSinceClick, std::int16_t(0));
        const auto rest = tickRun(f, 25);
        QCOMPARE(rest.stopTick, 0);
        QCOMPARE(rest.clickTicks, (std::vector<int> {10, 20})); // ticks 20 and 30 of the run
        QCOMPARE(run.clickCount, std::int16_t(3));
        QCOMPARE(run.elapsedTicks, std::int16_t(35));
    }

    void limits_data()
    {
        QTest::addColumn<QString>("tenths"); // the interval, in the tenths field
        QTest::addColumn<bool>("stopAfter");
        QTest::addColumn<QString>("clickLimit");
        QTest::addColumn<QString>("minuteLimit");
        QTest::addColumn<int>("maxTicks");
        QTest::addColumn<int>("stopTick"); // 0: not stopped within maxTicks
        QTest::addColumn<int>("clicks");

        QTest::newRow("3 clicks stop in the tick of the third") << "10" << true << "3"
                                                                << "10" << 100 << 30 << 3;
        QTest::newRow("1 minute before 100 clicks") << "10" << true << "100"
                                                    << "1" << 700 << 600 << 60;
        QTest::newRow("half a minute") << "10" << true << "1000"
                                       << "0.5" << 400 << 300 << 30;
        QTest::newRow("time limit on a click tick clicks first") << "10" << true << "1000"
                                                                 << "0.05" << 100 << 30 << 3;
        QTest::newRow("interval 0 stopped by time") << "00" << true << "100"
                                                    << "0.05" << 100 << 30 << 0;
        QTest::newRow("click limit 0 interval 10") << "10" << true << "0"
                                                   << "10" << 100 << 1 << 0;
        QTest::newRow("click limit 0 interval 1") << "1" << true << "0"
                                                  << "10" << 1000 << 0 << 1000;
        QTest::newRow("click limit minus zero") << "10" << true << "-0"
                                                << "10" << 100 << 1 << 0;
        QTest::newRow("time limit 0 never") << "10" << true << "1000"
                                            << "0" << 500 << 0 << 50;
        QTest::newRow("not a whole tick never") << "10" << true << "1000"
                                                << "0.001" << 500 << 0 << 50;
        QTest::newRow("fractional click limit never") << "1" << true << "2.5"
                                                      << "10" << 500 << 0 << 500;
        QTest::newRow("negative click limit never") << "1" << true << "-1"
                                                    << "10" << 500 << 0 << 500;
        QTest::newRow("54 minutes is the largest that works") << "00" << true << "100"
                                                              << "54" << 40000 << 32400 << 0;
        QTest::newRow("55 minutes never") << "00" << true << "100"
                                          << "55" << 40000 << 0 << 0;
        QTest::newRow("click limit beyond 32767 never") << "1" << true << "40000"
                                                        << "100" << 40000 << 0 << 40000;
        QTest::newRow("click limit 32767 is met") << "1" << true << "32767"
                                                  << "100" << 40000 << 32767 << 32767;
        QTest::newRow("letters in the click limit count 0") << "10" << true << "x"
                                                            << "10" << 100 << 1 << 0;
        QTest::newRow("letters in the time limit count 0") << "10" << true << "1000"
                                                           << "x" << 500 << 0 << 50;
        QTest::newRow("click limit beyond a double counts as met") << "10" << true << "1e999"
                                                                   << "10" << 100 << 1 << 0;
        QTest::newRow("time limit beyond a double counts as met") << "10" << true << "1000"
                                                                  << "1e999" << 100 << 1 << 0;
        QTest::newRow("time limit overflowing in ticks counts as met") << "10" << true << "1000"
                                                                       << "1e306" << 100 << 1 << 0;
        QTest::newRow("run until stopped ignores limits") << "10" << false << "0"
                                                          << "0.05" << 500 << 0 << 50;
    }

    void limits()
    {
        QFETCH(QString, tenths);
        QFETCH(bool, stopAfter);
        QFETCH(QString, clickLimit);
        QFETCH(QString, minuteLimit);
        QFETCH(int, maxTicks);
        QFETCH(int, stopTick);
        QFETCH(int, clicks);
        testing::Fixture f;
        Settings s;
        s.seconds = QStringLiteral("00");
        s.tenths = tenths;
        s.stopAfter = stopAfter;
        s.clickLimit = clickLimit;
        s.minuteLimit = minuteLimit;
        apply(f, s);
        f.form().clickRun().cmdStart_Click();
        const auto result = tickRun(f, maxTicks);
        QCOMPARE(result.stopTick, stopTick);
        QCOMPARE(int(result.clickTicks.size()), clicks);
        QCOMPARE(f.fake().count("mouse_event 0x0004"), clicks);
        if (stopTick != 0) {
            QVERIFY(!f.timer("tmrMain").isActive());
            QCOMPARE(f.c<runtime::CommandButton>("cmdStart").text(), QStringLiteral("Start"));
        }
    }

    void countersSaturate_data()
    {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("tenths");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("clickCount");
        QTest::addColumn<int>("ticksSinceClick");
        QTest::newRow("interval 0 never clicks") << "00"
                                                 << "00"
                                                 << "00" << 0 << 0 << 32767;
        QTest::newRow("negative never clicks") << "-1"
                                               << "00"
                                               << "00" << 0 << 0 << 32767;
        QTest::newRow("longest interval clicks once") << "54"
                                                      << "36"
                                                      << "7" << 1 << 1 << 40000 - 32767;
        QTest::newRow("every tick") << "00"
                                    << "00"
                                    << "1" << 40000 << 32767 << 0;
    }

    void countersSaturate()
    {
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, tenths);
        QFETCH(int, clicks);
        QFETCH(int, clickCount);
        QFETCH(int, ticksSinceClick);
        testing::Fixture f;
        Settings s;
        s.minutes = minutes;
        s.seconds = seconds;
        s.tenths = tenths;
        apply(f, s);
        auto& run = f.form().clickRun();
        run.cmdStart_Click();
        const auto result = tickRun(f, 40000);
        QCOMPARE(result.stopTick, 0);
        QCOMPARE(int(result.clickTicks.size()), clicks);
        QCOMPARE(run.elapsedTicks, std::int16_t(32767));
        QCOMPARE(int(run.clickCount), clickCount);
        QCOMPARE(int(run.ticksSinceClick), ticksSinceClick);
    }

    void clickEvents_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("action");
        QTest::addColumn<std::string>("log");
        const std::string rightDown = "mouse_event 0x0008 0 0 0 0\n";
        const std::string rightUp = "mouse_event 0x0010 0 0 0 0";
        QTest::newRow("left single")
            << 0 << 0 << std::string("mouse_event 0x0002 0 0 0 0\nmouse_event 0x0004 0 0 0 0");
        QTest::newRow("right single") << 1 << 0 << rightDown + rightUp;
        QTest::newRow("middle single")
            << 2 << 0 << std::string("mouse_event 0x0020 0 0 0 0\nmouse_event 0x0040 0 0 0 0");
        QTest::newRow("right double")
            << 1 << 1 << rightDown + rightUp + "\nSleep 100\n" + rightDown + rightUp;
        QTest::newRow("middle double")
            << 2 << 1
            << std::string("mouse_event 0x0020 0 0 0 0\nmouse_event 0x0040 0 0 0 0\nSleep 100\n"
                           "mouse_event 0x0020 0 0 0 0\nmouse_event 0x0040 0 0 0 0");
    }

    void clickEvents()
    {
        QFETCH(int, button);
        QFETCH(int, action);
        QFETCH(std::string, log);
        testing::Fixture f;
        f.c<runtime::ComboBox>("Combo1").setListIndex(button);
        f.c<runtime::ComboBox>("Combo2").setListIndex(action);
        auto& run = f.form().clickRun();
        run.cmdStart_Click();
        f.fake().clear();
        for (int tick = 1; tick <= 10; ++tick)
            run.tmrMain_Timer();
        QCOMPARE(f.fake().text(), log);
        QCOMPARE(run.clickCount, std::int16_t(1)); // a double click counts once
    }

    void aFailedClickStillTestsTheLimits()
    {
        testing::Fixture f;
        Settings s;
        s.stopAfter = true;
        s.clickLimit = QStringLiteral("1");
        apply(f, s);
        f.fake().setFailing(platform::FakePlatform::Call::MouseEvent);
        auto& run = f.form().clickRun();
        run.cmdStart_Click();
        f.fake().clear();
        const auto result = tickRun(f, 20);
        QCOMPARE(result.stopTick, 10);
        // The press failed, so its release was never sent; the stop gives the
        // timer's precision back and restores the window.
        QCOMPARE(f.fake().text(),
            "mouse_event 0x0002 0 0 0 0 failed\nTimingCritical 0\n" + f.activation());
    }

    void startAndStopTreatTheSettingsInOrder()
    {
        testing::Fixture f;
        EnabledOrder watcher;
        for (const char* name : lockedSettings)
            f.form().find(QString::fromLatin1(name))->installEventFilter(&watcher);
        QStringList expected;
        for (const char* name : lockedSettings)
            expected << QString::fromLatin1(name);

        f.form().show();
        auto& run = f.form().clickRun();
        run.cmdStart_Click();
        QCOMPARE(watcher.order, expected);
        for (const char* name : lockedSettings)
            QVERIFY2(!f.form().find(QString::fromLatin1(name))->isEnabled(), name);
        QVERIFY(f.c<runtime::CommandButton>("cmdStart").isEnabled());
        QCOMPARE(f.c<runtime::CommandButton>("cmdStart").text(), QStringLiteral("Stop"));
        QVERIFY(f.timer("tmrMain").isActive());
        QCOMPARE(f.form().windowStateValue(), 1);
        QVERIFY(f.form().working().isVisible());
        QCOMPARE(run.isClicking, std::int16_t(-1));

        for (int tick = 1; tick <= 15; ++tick)
            run.tmrMain_Timer();
        watcher.order.clear();
        run.cmdStart_Click();
        QCOMPARE(watcher.order, expected);
        for (const char* name : lockedSettings)
            QVERIFY2(f.form().find(QString::fromLatin1(name))->isEnabled(), name);
        QCOMPARE(f.c<runtime::CommandButton>("cmdStart").text(), QStringLiteral("Start"));
        QVERIFY(!f.timer("tmrMain").isActive());
        QCOMPARE(f.form().windowStateValue(), 0);
        QVERIFY(!f.form().working().isVisible());
        QCOMPARE(run.isClicking, std::int16_t(0));
        QCOMPARE(run.elapsedTicks, std::int16_t(0));
        QCOMPARE(run.clickCount, std::int16_t(0));
        QCOMPARE(
            run.ticksSinceClick, std::int16_t(5)); // a stop leaves it; the next start zeroes it
    }

    void aStartZeroesEveryCounter()
    {
        testing::Fixture f;
        auto& run = f.form().clickRun();
        run.cmdStart_Click();
        for (int tick = 1; tick <= 15; ++tick)
            run.tmrMain_Timer();
        run.cmdStart_Click();
        run.cmdStart_Click();
        QCOMPARE(run.elapsedTicks, std::int16_t(0));
        QCOMPARE(run.ticksSinceClick, std::int16_t(0));
        QCOMPARE(run.clickCount, std::int16_t(0));
        f.fake().clear();
        QCOMPARE(tickRun(f, 10).clickTicks, std::vector<int> {10});
    }

    void aStopTwiceInOneTickLeavesTheIdleState()
    {
        testing::Fixture f;
        Settings s;
        s.stopAfter = true;
        s.clickLimit = QStringLiteral("0");
        s.minuteLimit = QStringLiteral("0");
        apply(f, s);
        EnabledOrder watcher;
        f.c<runtime::TextBox>("Text1").installEventFilter(&watcher);
        f.form().show();
        auto& run = f.form().clickRun();
        run.cmdStart_Click();
        watcher.order.clear();
        run.tmrMain_Timer();
        QCOMPARE(run.isClicking, std::int16_t(0));
        QCOMPARE(watcher.order,
            QStringList {QStringLiteral("Text1")}); // already enabled the second time
        QCOMPARE(f.form().windowStateValue(), 0);
        QVERIFY(!f.form().working().isVisible());
        QVERIFY(!f.timer("tmrMain").isActive());
        QCOMPARE(f.c<runtime::CommandButton>("cmdStart").text(), QStringLiteral("Start"));
        // and a new run starts as usual
        run.cmdStart_Click();
        QCOMPARE(run.isClicking, std::int16_t(-1));
        QCOMPARE(f.form().windowStateValue(), 1);
    }

    void theButtonTogglesTheRun()
    {
        testing::Fixture f;
        auto& button = f.c<runtime::CommandButton>("cmdStart");
        button.press();
        QCOMPARE(f.form().clickRun().isClicking, std::int16_t(-1));
        button.press();
        QCOMPARE(f.form().clickRun().isClicking, std::int16_t(0));
    }
};

QTEST_MAIN(tst_clickrun)
#include "tst_clickrun.moc"
