// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Long runs of the tick handlers: a million ticks of the click cycle under
// each kind of limit, a hundred thousand minutes of countdown, and ten
// thousand F9 polls. Every counter must stop at 32767 without wrapping, the
// results must match what the counts predict, and the heap must not grow.
#include "TestSupport.h"
#include "clicker/ClickRun.h"
#include "clicker/Hotkey.h"
#include "clicker/Presets.h"
#include "common/Numbers.h"
#include "shutdown/ShutdownTimer.h"

#include <QTest>

#include <cstdint>
#include <cstdio>
#include <malloc.h>
#include <optional>
#include <random>
#include <unistd.h>

// Present only in sanitizer builds, where glibc's own counters see nothing.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace {

// Bytes currently allocated on the heap, from whichever allocator is in use.
long long heapBytes()
{
    if (__sanitizer_get_current_allocated_bytes != nullptr)
        return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

long long residentBytes()
{
    long pages = 0, resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr)
        return 0;
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    std::fclose(statm);
    return static_cast<long long>(resident) * sysconf(_SC_PAGESIZE);
}

// Whatever the handlers keep between ticks must fit in this; a per-tick
// leak of even one small string over 100,000 ticks would not.
constexpr long long heapSlack = 64 * 1024;

// The fake's log is emptied and the pending events are delivered this often,
// as the event loop would between ticks, so that neither piles up. The real
// timers are kept out: only the ticks the test makes may count.
constexpr int settleEvery = 4096;

void settle(testing::Fixture& f)
{
    f.fake().clear();
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
}

struct Usage {
    long long heap = heapBytes();
    long long resident = residentBytes();
};

void report(const char* what, const Usage& before)
{
    const Usage after;
    qInfo("%s: heap %+lld bytes, resident %+lld KiB", what, after.heap - before.heap,
        (after.resident - before.resident) / 1024);
}

// Runs tick(1) .. tick(total), flushing every settleEvery ticks. The first
// warmUp ticks build whatever the handlers keep; the usage after them is
// returned, so that the rest can be checked for growth.
template <class Tick, class Flush> Usage soak(int warmUp, int total, Tick tick, Flush flush)
{
    auto step = [&](int i) {
        tick(i);
        if (i % settleEvery == 0)
            flush();
    };
    int i = 1;
    for (; i <= warmUp; ++i)
        step(i);
    flush();
    const Usage before;
    for (; i <= total; ++i)
        step(i);
    flush();
    report(QTest::currentDataTag(), before);
    return before;
}

// Each start and stop raises the windows, which the offscreen platform
// answers with a warning; thousands of them would bury the test's output.
QtMessageHandler defaultHandler = nullptr;

void dropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != QLatin1String("This plugin does not support raise()"))
        defaultHandler(type, context, message);
}

} // namespace

class tst_soak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { defaultHandler = qInstallMessageHandler(dropRaiseWarnings); }

    void clickCycle_data()
    {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("tenths");
        QTest::addColumn<bool>("stopAfter");
        QTest::addColumn<QString>("minuteLimit");
        QTest::addColumn<QString>("clickLimit");
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("starts");
        QTest::addColumn<int>("elapsedTicks");
        QTest::addColumn<int>("ticksSinceClick");
        QTest::addColumn<int>("clickCount");

        // 100,000 clicks, but the count stops at 32767.
        QTest::newRow("until stopped, one a second") << "00"
                                                     << "1"
                                                     << "00" << false << "10"
                                                     << "100" << 100000 << 1 << 32767 << 0 << 32767;
        QTest::newRow("limits never met, every tick")
            << "00"
            << "00"
            << "1" << true << "55"
            << "32768" << 1000000 << 1 << 32767 << 0 << 32767;
        // Never clicks: ticksSinceClick climbs to 32767 and stays.
        QTest::newRow("interval 0") << "00"
                                    << "00"
                                    << "00" << true << "0"
                                    << "-1" << 0 << 1 << 32767 << 32767 << 0;
        // 32767 is reached exactly, so the longest interval keeps clicking.
        QTest::newRow("longest interval, fractional limits")
            << "54"
            << "36"
            << "7" << true << "0.001"
            << "2.5" << 30 << 1 << 32767 << 1000000 - 30 * 32767 << 30;
        // The 32767th click meets the limit: 30 whole runs, then 16,990 ticks.
        QTest::newRow("click limit 32767, every tick")
            << "00"
            << "00"
            << "1" << true << "55"
            << "32767" << 1000000 << 31 << 16990 << 0 << 16990;
        // 54 minutes is 32,400 ticks: 30 whole runs of 3240 clicks, then 28,000 ticks.
        QTest::newRow("time limit 54 minutes") << "00"
                                               << "1"
                                               << "00" << true << "54"
                                               << "32768" << 100000 << 31 << 28000 << 0 << 2800;
    }

    void clickCycle()
    {
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, tenths);
        QFETCH(bool, stopAfter);
        QFETCH(QString, minuteLimit);
        QFETCH(QString, clickLimit);
        QFETCH(int, presses);
        QFETCH(int, starts);

        testing::Fixture f;
        f.c<runtime::TextBox>("Text1").setText(minutes);
        f.c<runtime::TextBox>("Text2").setText(seconds);
        f.c<runtime::TextBox>("Text3").setText(tenths);
        f.c<runtime::TextBox>("Text4").setText(minuteLimit);
        f.c<runtime::TextBox>("Text5").setText(clickLimit);
        f.c<runtime::OptionButton>(stopAfter ? "Option2" : "Option1").setChecked(true);
        auto& run = f.form().clickRun();

        int startCount = 0, pressCount = 0;
        auto flush = [&] {
            pressCount += f.fake().count("mouse_event 0x0002");
            settle(f);
        };
        auto tick = [&](int) {
            // A run that a limit ended is started again at once.
            if (run.isClicking == 0) {
                run.cmdStart_Click();
                ++startCount;
            }
            run.tmrMain_Timer();
        };
        const Usage before = soak(40000, 1000000, tick, flush);

        QCOMPARE(pressCount, presses);
        QCOMPARE(startCount, starts);
        QCOMPARE(run.isClicking, common::FlagTrue);
        QTEST(int(run.elapsedTicks), "elapsedTicks");
        QTEST(int(run.ticksSinceClick), "ticksSinceClick");
        QTEST(int(run.clickCount), "clickCount");
        QVERIFY2(Usage().heap - before.heap <= heapSlack, "the heap grew during the run");
    }

    void countdown_data()
    {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("launches");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("windowState");

        // Never ends: the remaining time runs down to -32767 and stays.
        QTest::newRow("total 0") << "0"
                                 << "0" << 0 << 32767
                                 << "The computer will shutdown after -546 hour(s) and -7 minute(s)"
                                 << 1;
        QTest::newRow("600 hours do not fit") << "600"
                                              << "0" << 0 << 32767
                                              << "The computer will shutdown after -546 hour(s) "
                                                 "and -7 minute(s)"
                                              << 1;
        // The remaining time never fits after the start, so the start's sentence
        // stays; no minute is five before the end, so the window stays down.
        QTest::newRow("total -32768") << "0"
                                      << "-32768" << 0 << 32767
                                      << "The computer will shutdown after -546 hour(s) and -8 "
                                         "minute(s)"
                                      << 1;
        // Ends at 32767, 65534 and 98301 minutes and is started again each time.
        QTest::newRow("total 32767") << "0"
                                     << "32767" << 3 << 100000 - 98301
                                     << "The computer will shutdown after 517 hour(s) and 48 "
                                        "minute(s)"
                                     << 0;
    }

    void countdown()
    {
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(int, launches);

        testing::Fixture f;
        f.c<runtime::TextBox>("Text6").setText(hours);
        f.c<runtime::TextBox>("Text7").setText(minutes);
        f.c<runtime::CheckBox>("Check1").setChecked(true);
        auto& timer = f.form().shutdownTimer();
        auto& Timer2 = f.timer("Timer2");
        // Minimized as by a click run, so that a reminder shows in the end state.
        f.form().setWindowStateValue(1);

        int launchCount = 0, anyLaunch = 0;
        auto flush = [&] {
            launchCount += f.fake().count("launch \"shutdown -s -t 00\" 2");
            anyLaunch += f.fake().count("launch");
            settle(f);
        };
        auto tick = [&](int) {
            if (!Timer2.enabled())
                timer.cmdStartShtdwnTimer_Click();
            timer.Timer2_Timer();
        };
        const Usage before = soak(1000, 100000, tick, flush);

        QCOMPARE(launchCount, launches);
        QCOMPARE(anyLaunch, launches);
        QTEST(int(timer.shutdownElapsedMinutes), "elapsed");
        QTEST(f.c<runtime::Label>("Label21").caption(), "sentence");
        QTEST(f.form().windowStateValue(), "windowState");
        QVERIFY(Timer2.enabled());
        QVERIFY2(Usage().heap - before.heap <= heapSlack, "the heap grew during the countdown");
    }

    void hotkeyStates()
    {
        testing::Fixture f;
        // Some hundred starts and stops first: the first one creates the working
        // window.
        for (int i = 1; i <= 1000; ++i) {
            f.fake().scriptKey(platform::key::F9, {0x8000, 0x0000});
            f.form().hotkey().tmrHotkey_Timer();
            f.form().hotkey().tmrHotkey_Timer();
            if (i % 16 == 0)
                settle(f);
        }
        settle(f);

        // Each state is read after a poll that found the key up: a press is
        // down, pressed since, or both; any other bit is a near miss.
        const std::uint16_t states[]
            = {0x8000, 0x8001, 0x0001, 0x0000, 0x8002, 0xC000, 0x8003, 0xFFFF, 0x7FFF};
        std::minstd_rand random(20261207);
        std::uniform_int_distribution<std::size_t> pick(0, std::size(states) - 1);
        constexpr int polls = 10000, pairs = polls / 2;
        int downs = 0;
        for (int i = 0; i < pairs; ++i) {
            const std::uint16_t state = states[pick(random)];
            f.fake().scriptKey(platform::key::F9, {state, 0x0000});
            downs += state == 0x8000 || state == 0x8001 || state == 0x0001;
        }
        QVERIFY(downs > 500);

        auto& run = f.form().clickRun();
        int sleeps = 0, parityErrors = 0, togglesSoFar = 0;
        // Qt's caches keep filling over the first few thousand toggles; the
        // second half of the polls is where a leak would show.
        std::optional<Usage> before;
        for (int i = 1; i <= pairs; ++i) {
            if (i == pairs / 2)
                before.emplace();
            f.form().hotkey().tmrHotkey_Timer();
            f.form().hotkey().tmrHotkey_Timer();
            const int slept = f.fake().count("Sleep 100");
            if (slept != 0) {
                togglesSoFar += slept;
                sleeps += slept;
                f.fake().clear();
            }
            // Every toggle leaves the run in the state its count predicts.
            if ((run.isClicking != 0) != (togglesSoFar % 2 == 1))
                ++parityErrors;
            if (i % 16 == 0)
                settle(f);
        }
        report("hotkey, second half", *before);

        QCOMPARE(sleeps, downs);
        QCOMPARE(parityErrors, 0);
        // The script is used up: the key reads up and nothing toggles.
        f.fake().clear();
        f.form().hotkey().tmrHotkey_Timer();
        QCOMPARE(f.fake().count("Sleep"), 0);
        QVERIFY2(Usage().heap - before->heap <= heapSlack, "the heap grew during the polls");
    }

    // A megabyte pasted into a field: the check when the focus leaves it, the
    // start that reads it and every tick that reads a limit take all of it.
    void aMegabyteInAField()
    {
        testing::Fixture f;
        const QString blanks(1 << 20, QLatin1Char(' '));
        const QString digits = QStringLiteral("1") + QString(1 << 20, QLatin1Char('0'));
        auto& run = f.form().clickRun();
        bool cancel = true;

        f.c<runtime::TextBox>("Text1").setText(QStringLiteral("5") + blanks);
        f.c<runtime::TextBox>("Text2").setText(QStringLiteral("00"));
        f.form().presets().Text1_Validate(cancel);
        QVERIFY(!cancel);
        run.cmdStart_Click();
        QCOMPARE(run.clickIntervalTenths, std::int16_t(3000));
        run.cmdStart_Click();

        // One number far beyond a double: numeric, but the interval keeps its value.
        f.c<runtime::TextBox>("Text1").setText(digits);
        f.form().presets().Text1_Validate(cancel);
        QVERIFY(!cancel);
        run.cmdStart_Click();
        QCOMPARE(run.clickIntervalTenths, std::int16_t(3000));
        run.cmdStart_Click();

        // Such a click limit cannot be read, which counts as met at the first tick.
        f.c<runtime::TextBox>("Text1").setText(QStringLiteral("00"));
        f.c<runtime::TextBox>("Text2").setText(QStringLiteral("1"));
        f.c<runtime::TextBox>("Text5").setText(digits);
        f.c<runtime::OptionButton>("Option2").setChecked(true);
        f.form().presets().Text5_Validate(cancel);
        QVERIFY(!cancel);
        run.cmdStart_Click();
        run.tmrMain_Timer();
        QCOMPARE(run.isClicking, common::FlagFalse);

        f.c<runtime::TextBox>("Text6").setText(blanks + QStringLiteral("x"));
        f.form().shutdownTimer().Text6_Validate(cancel);
        QVERIFY(cancel);
    }
};

QTEST_MAIN(tst_soak)
#include "tst_soak.moc"
