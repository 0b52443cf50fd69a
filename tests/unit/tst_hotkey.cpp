// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// F9 polling against scripted key states and timed presses: which states
// toggle the run, one toggle per press however long it is held, the pause
// after a toggle, and no field check on the way.
#include "TestSupport.h"
#include "clicker/ClickRun.h"
#include "clicker/Hotkey.h"
#include "clicker/Presets.h"

#include <QTest>

#include <cstdint>
#include <string>

class tst_hotkey : public QObject {
    Q_OBJECT
private slots:
    void keyStates_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("toggles");
        QTest::newRow("down") << 0x8000 << true;
        QTest::newRow("down and pressed since") << 0x8001 << true;
        QTest::newRow("up") << 0x0000 << false;
        QTest::newRow("pressed and released between polls") << 0x0001 << true;
        QTest::newRow("down with another bit") << 0x8002 << false;
        QTest::newRow("down with both low bits") << 0x8003 << false;
        QTest::newRow("high bits only") << 0xC000 << false;
        QTest::newRow("all bits") << 0xFFFF << false;
    }

    void keyStates()
    {
        QFETCH(int, state);
        QFETCH(bool, toggles);
        testing::Fixture f;
        f.fake().clear();
        f.fake().scriptKey(platform::key::F9, {static_cast<std::uint16_t>(state)});
        f.form().hotkey().tmrHotkey_Timer();

        char query[64];
        std::snprintf(query, sizeof query, "GetAsyncKeyState 0x78 = 0x%04X", state);
        QCOMPARE(f.fake().log().front(), std::string(query));
        QCOMPARE(f.fake().count("GetAsyncKeyState"), 1);
        QCOMPARE(f.fake().log().back() == "Sleep 100", toggles);
        QCOMPARE(f.form().clickRun().isClicking, std::int16_t(toggles ? -1 : 0));
        QCOMPARE(f.c<runtime::CommandButton>("cmdStart").text(),
            toggles ? QStringLiteral("Stop") : QStringLiteral("Start"));
    }

    // Presses of each length, each falling at another point between two
    // polls: every press toggles exactly once, and the next press again.
    void onePressOneToggle_data()
    {
        QTest::addColumn<int>("hold");
        QTest::newRow("tap between two polls") << 0;
        for (const int ms : {30, 50, 80, 120, 150, 200, 300})
            QTest::newRow(qPrintable(QStringLiteral("%1 ms").arg(ms))) << ms;
        QTest::newRow("600 ms, repeating") << 600;
        QTest::newRow("2 s, repeating") << 2000;
    }

    void onePressOneToggle()
    {
        QFETCH(int, hold);
        testing::Fixture f;
        auto& fake = f.fake();
        auto& run = f.form().clickRun();
        int toggles = 0;
        std::int64_t due = 0;
        // Polls on the 100 ms grid until `until`; one that falls due during
        // the pause after a toggle comes as soon as the pause ends.
        auto pollUntil = [&](std::int64_t until) {
            for (; due <= until; due += 100) {
                if (fake.now() < due)
                    fake.advance(due - fake.now());
                const std::int16_t before = run.isClicking;
                f.form().hotkey().tmrHotkey_Timer();
                toggles += run.isClicking != before;
            }
        };
        for (int press = 1; press <= 10; ++press) {
            const std::int64_t at = due + 300 + press * 11;
            fake.pressKey(platform::key::F9, at, hold);
            pollUntil(at + hold + 300);
            QCOMPARE(toggles, press);
        }
        QCOMPARE(fake.count("Sleep 100"), 10);
    }

    void theButtonIsPressedBeforeThePause()
    {
        testing::Fixture f;
        f.fake().scriptKey(platform::key::F9, {0x8000});
        f.fake().setFailing(platform::FakePlatform::Call::Sleep);
        QVERIFY_THROWS_EXCEPTION(platform::CallFailed, f.form().hotkey().tmrHotkey_Timer());
        QCOMPARE(f.form().clickRun().isClicking, std::int16_t(-1));
    }

    void aRunStartedByTheKeySkipsTheFieldChecks()
    {
        testing::Fixture f;
        f.form().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form()));
        auto& seconds = f.c<runtime::TextBox>("Text2");
        seconds.setFocus();
        seconds.selectAll();
        QTest::keyClicks(&seconds, QStringLiteral("2x"));
        bool cancel = false;
        f.form().presets().Text2_Validate(cancel);
        QVERIFY(cancel); // a click or a Tab would be refused

        f.fake().scriptKey(platform::key::F9, {0x8000});
        f.form().hotkey().tmrHotkey_Timer();
        auto& run = f.form().clickRun();
        QCOMPARE(run.isClicking, std::int16_t(-1));
        QCOMPARE(run.clickIntervalTenths, std::int16_t(20)); // the number the text begins with
        QCOMPARE(seconds.text(), QStringLiteral("2x"));
        QCOMPARE(f.form().windowStateValue(), 1);
        QVERIFY(!seconds.isEnabled());
    }

    void theKeyStopsARunAndRestoresTheWindow()
    {
        testing::Fixture f;
        f.form().show();
        f.fake().scriptKey(platform::key::F9, {0x8000, 0x0000, 0x8000});
        auto& poll = f.form().hotkey();
        poll.tmrHotkey_Timer();
        QCOMPARE(f.form().windowStateValue(), 1);
        for (int tick = 1; tick <= 25; ++tick)
            f.form().clickRun().tmrMain_Timer();
        poll.tmrHotkey_Timer();
        QCOMPARE(f.form().clickRun().isClicking, std::int16_t(-1));
        poll.tmrHotkey_Timer();
        QCOMPARE(f.form().clickRun().isClicking, std::int16_t(0));
        QCOMPARE(f.form().windowStateValue(), 0);
        QCOMPARE(f.c<runtime::CommandButton>("cmdStart").text(), QStringLiteral("Start"));
        QVERIFY(!f.timer("tmrMain").isActive());
        QCOMPARE(f.fake().count("mouse_event 0x0002"), 2);
    }

    void thePollRunsAlways()
    {
        testing::Fixture f;
        QVERIFY(f.timer("tmrHotkey").isActive());
        QCOMPARE(f.timer("tmrHotkey").interval(), 100);
        QCOMPARE(f.timer("tmrHotkey").timerType(), Qt::CoarseTimer);
        QCOMPARE(f.timer("tmrMain").interval(), 100);
        QCOMPARE(f.timer("tmrMain").timerType(), Qt::PreciseTimer);
    }
};

QTEST_MAIN(tst_hotkey)
#include "tst_hotkey.moc"
