// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shutdown page: the countdown sentence, arming and disarming, the locked
// inputs, the minute ticks with the reminder and the system command at the end,
// and the machine kept awake meanwhile.
#define QTEST_QPA_MOUSE_HANDLING
#include "TestSupport.h"
#include "clicker/ClickRun.h"
#include "shutdown/ShutdownTimer.h"
#include "ui/PageSlider.h"

#include <QTest>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// The names of the inputs a countdown locks, in the order they are treated.
const char* const lockedNames[]
    = {"Combo4", "Check1", "Label24", "Text6", "Label23", "Text7", "Label22"};

// Records the widgets whose enabled state changes, in order.
class EnabledOrder : public QObject {
public:
    std::vector<QString> changed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            changed.push_back(watched->objectName());
        return false;
    }
};

const QStringList actionItems {
    QStringLiteral("Shutdown"), QStringLiteral("Restart"), QStringLiteral("Logoff")};

} // namespace

class tst_shutdown : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::Fixture> fixture;

    testing::Fixture& f() { return *fixture; }
    shutdown::ShutdownTimer& timer() { return f().form().shutdownTimer(); }
    QString caption() { return f().c<runtime::Label>("Label21").caption(); }
    runtime::CommandButton& button()
    {
        return f().c<runtime::CommandButton>("cmdStartShtdwnTimer");
    }

    void arm(const QString& hours, const QString& minutes, int action = 0, bool remind = true)
    {
        f().c<runtime::ComboBox>("Combo4").setListIndex(action);
        f().c<runtime::TextBox>("Text6").setText(hours);
        f().c<runtime::TextBox>("Text7").setText(minutes);
        f().c<runtime::CheckBox>("Check1").setChecked(remind);
        button().press();
    }

    // The log line of a countdown that keeps the machine awake.
    static std::string keptAwake(const QString& sentence)
    {
        return "KeepAwake on \"" + sentence.toStdString() + "\"\n";
    }

    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            timer().Timer2_Timer();
    }

    void verifyIdle()
    {
        QCOMPARE(button().text(), QStringLiteral("Start"));
        QVERIFY(!f().timer("Timer2").enabled());
        QCOMPARE(timer().shutdownElapsedMinutes, std::int16_t(0));
        QVERIFY(f().c<runtime::Label>("Label21").isHidden());
        for (const char* name : lockedNames)
            QVERIFY2(f().form().find(QString::fromLatin1(name))->isEnabled(), name);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<testing::Fixture>();
        f().fake().clear(); // what start-up asked for is not this page's business
    }
    void cleanup() { fixture.reset(); }

    void sentence_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("time");

        struct Case {
            const char* name;
            const char* hours;
            const char* minutes;
            const char* time;
        };
        const Case cases[] = {
            {"defaults", "01", "00", "1 hour(s) and 00 minute(s)"},
            {"60 minutes", "0", "60", "1 hour(s) and 00 minute(s)"},
            {"0 h 90 min", "0", "90", "1 hour(s) and 30 minute(s)"},
            {"1.5 h", "1.5", "0", "1 hour(s) and 30 minute(s)"},
            {"7 min two digits", "0", "7", "0 hour(s) and 07 minute(s)"},
            {"10 min", "0", "10", "0 hour(s) and 10 minute(s)"},
            {"half rounds down to even", "0", "0.5", "0 hour(s) and 00 minute(s)"},
            {"1.5 rounds up to even", "0", "1.5", "0 hour(s) and 02 minute(s)"},
            {"2.5 rounds down to even", "0", "2.5", "0 hour(s) and 02 minute(s)"},
            {"hundredth of an hour", "0.01", "0", "0 hour(s) and 01 minute(s)"},
            {"negative minutes", "0", "-30", "0 hour(s) and -30 minute(s)"},
            {"negative hour and minute", "0", "-61", "-1 hour(s) and -1 minute(s)"},
            {"600 hours does not fit", "600", "0", "0 hour(s) and 00 minute(s)"},
            {"largest total", "546", "7", "546 hour(s) and 07 minute(s)"},
            {"one past the largest", "546", "8", "0 hour(s) and 00 minute(s)"},
            {"smallest total", "-546", "-8", "-546 hour(s) and -8 minute(s)"},
            {"beyond a double", "1e999", "5", "0 hour(s) and 00 minute(s)"},
            {"leading number only", "2ab", "x", "2 hour(s) and 00 minute(s)"},
            {"blanks inside", " 1 0 ", "0", "10 hour(s) and 00 minute(s)"},
        };
        for (int action = 0; action < 3; ++action)
            for (const Case& c : cases)
                QTest::addRow("%s, %s", qPrintable(actionItems[action]), c.name)
                    << action << QString::fromLatin1(c.hours) << QString::fromLatin1(c.minutes)
                    << QStringLiteral("The computer will ") + actionItems[action].toLower()
                        + QStringLiteral(" after ") + QString::fromLatin1(c.time);
    }

    void sentence()
    {
        QFETCH(int, action);
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(QString, time);
        arm(hours, minutes, action);
        QCOMPARE(caption(), time);
        QVERIFY(!f().c<runtime::Label>("Label21").isHidden());
        QCOMPARE(button().text(), QStringLiteral("Stop"));
        QVERIFY(f().timer("Timer2").enabled());
        QCOMPARE(f().timer("Timer2").interval(), 60000);
        QCOMPARE(timer().shutdownElapsedMinutes, std::int16_t(0));
    }

    void sentenceLabelGrowsToTheRight()
    {
        auto& label = f().c<runtime::Label>("Label21");
        arm(QStringLiteral("0"), QStringLiteral("5"));
        QCOMPARE(label.Left(), 360);
        QCOMPARE(label.Top(), 3120);
        const int shortWidth = label.Width();
        QVERIFY(shortWidth > 495);
        QCOMPARE(label.geometry().left(), 24);
        QCOMPARE(label.geometry().top(), 208);
        QVERIFY(label.geometry().width() >= label.sizeHint().width());

        button().press();
        arm(QStringLiteral("-546"), QStringLiteral("-8"));
        QCOMPARE(label.Left(), 360);
        QCOMPARE(label.Top(), 3120);
        QVERIFY(label.Width() > shortWidth);
    }

    void locksSevenInputsInOrder()
    {
        EnabledOrder order;
        std::vector<QString> expected;
        for (const char* name : lockedNames) {
            f().form().find(QString::fromLatin1(name))->installEventFilter(&order);
            expected.push_back(QString::fromLatin1(name));
        }
        arm(QStringLiteral("1"), QStringLiteral("0"));
        QCOMPARE(order.changed, expected);
        for (const char* name : lockedNames)
            QVERIFY2(!f().form().find(QString::fromLatin1(name))->isEnabled(), name);
        QVERIFY(button().isEnabled());

        order.changed.clear();
        button().press();
        QCOMPARE(order.changed, expected);
        verifyIdle();
    }

    void stopKeepsCaptionAndRestartReadsFieldsAgain()
    {
        arm(QStringLiteral("0"), QStringLiteral("30"));
        tick(3);
        QCOMPARE(caption(),
            QStringLiteral("The computer will shutdown after 0 hour(s) and 27 minute(s)"));
        button().press();
        verifyIdle();
        QCOMPARE(caption(),
            QStringLiteral("The computer will shutdown after 0 hour(s) and 27 minute(s)"));

        arm(QStringLiteral("0"), QStringLiteral("10"), 1);
        QCOMPARE(caption(),
            QStringLiteral("The computer will restart after 0 hour(s) and 10 minute(s)"));
        tick();
        QCOMPARE(timer().shutdownElapsedMinutes, std::int16_t(1));
        QCOMPARE(caption(),
            QStringLiteral("The computer will restart after 0 hour(s) and 09 minute(s)"));
    }

    void validate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("digits") << QStringLiteral("12") << false;
        QTest::newRow("blanks around") << QStringLiteral(" 5 ") << false;
        QTest::newRow("fraction") << QStringLiteral("1.5") << false;
        QTest::newRow("negative") << QStringLiteral("-30") << false;
        QTest::newRow("letters") << QStringLiteral("abc") << true;
        QTest::newRow("number then letters") << QStringLiteral("12ab") << true;
        QTest::newRow("empty") << QString() << true;
    }

    void validate()
    {
        QFETCH(QString, text);
        QFETCH(bool, cancel);
        for (const char* name : {"Text6", "Text7"}) {
            auto& field = f().c<runtime::TextBox>(name);
            field.setText(text);
            bool refused = !cancel; // the handler must set the flag either way
            if (QByteArray(name) == "Text6")
                timer().Text6_Validate(refused);
            else
                timer().Text7_Validate(refused);
            QCOMPARE(refused, cancel);
            QCOMPARE(field.text(), text);
        }
    }

    void nonNumericFieldKeepsFocusAndButtonDoesNotAct()
    {
        auto& form = f().form();
        f().c<runtime::Label>("Label2").clicked();
        for (int i = 0; i < 22; ++i)
            form.pages().Timer1_Timer();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto& field = f().c<runtime::TextBox>("Text7");
        field.setFocus();
        field.setText(QStringLiteral("1x"));
        QTest::keyClick(&field, Qt::Key_Tab);
        QVERIFY(field.hasFocus());
        QTest::mouseClick(&button(), Qt::LeftButton);
        QVERIFY(field.hasFocus());
        QVERIFY(!f().timer("Timer2").enabled());

        field.setText(QStringLiteral("1"));
        QTest::mouseClick(&button(), Qt::LeftButton);
        QVERIFY(f().timer("Timer2").enabled());
    }

    void reminder_data()
    {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<bool>("remind");
        QTest::addColumn<std::vector<int>>("restoredAt");
        QTest::newRow("60 ticked") << QStringLiteral("60") << true << std::vector<int> {55};
        QTest::newRow("60 unticked") << QStringLiteral("60") << false << std::vector<int> {};
        QTest::newRow("6 ticked") << QStringLiteral("6") << true << std::vector<int> {1};
        QTest::newRow("5 ticked") << QStringLiteral("5") << true << std::vector<int> {};
        QTest::newRow("1 ticked") << QStringLiteral("1") << true << std::vector<int> {};
        QTest::newRow("0 ticked") << QStringLiteral("0") << true << std::vector<int> {};
        QTest::newRow("smallest total ticked")
            << QStringLiteral("-32768") << true << std::vector<int> {};
    }

    void reminder()
    {
        QFETCH(QString, minutes);
        QFETCH(bool, remind);
        QFETCH(std::vector<int>, restoredAt);
        auto& form = f().form();
        form.setWindowStateValue(1);
        arm(QStringLiteral("0"), minutes, 0, remind);
        std::vector<int> restored;
        for (int minute = 1; minute <= 70 && f().timer("Timer2").enabled(); ++minute) {
            tick();
            if (form.windowStateValue() == 0) {
                restored.push_back(minute);
                form.setWindowStateValue(1);
            }
        }
        QCOMPARE(restored, restoredAt);
    }

    void timelineOfAnHour()
    {
        arm(QStringLiteral("01"), QStringLiteral("00"));
        tick();
        QCOMPARE(caption(),
            QStringLiteral("The computer will shutdown after 0 hour(s) and 59 minute(s)"));
        tick(54);
        QCOMPARE(caption(),
            QStringLiteral("The computer will shutdown after 0 hour(s) and 05 minute(s)"));
        tick(4);
        QCOMPARE(f().fake().count("launch"), 0);
        QCOMPARE(caption(),
            QStringLiteral("The computer will shutdown after 0 hour(s) and 01 minute(s)"));
        tick();
        QCOMPARE(caption(),
            QStringLiteral("The computer will shutdown after 0 hour(s) and 00 minute(s)"));
        // The reminder brought the window back, then the action ran.
        QCOMPARE(f().fake().text(),
            keptAwake(QStringLiteral("The computer will shutdown after 1 hour(s) and 00 minute(s)"))
                + f().activation() + "\nlaunch \"shutdown -s -t 00\" 2\nKeepAwake off");
        verifyIdle();
    }

    void endLaunchesTheAction_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<std::string>("launched");
        const char* lines[] = {"shutdown -s -t 00", "shutdown -r -t 00", "shutdown -l"};
        for (int action = 0; action < 3; ++action)
            for (const char* minutes : {"1", "5", "7"})
                QTest::addRow("%s after %s", qPrintable(actionItems[action]), minutes)
                    << action << QString::fromLatin1(minutes)
                    << "launch \"" + std::string(lines[action]) + "\" 2";
    }

    void endLaunchesTheAction()
    {
        QFETCH(int, action);
        QFETCH(QString, minutes);
        QFETCH(std::string, launched);
        arm(QStringLiteral("0"), minutes, action);
        const int total = minutes.toInt();
        tick(total - 1);
        QVERIFY(f().timer("Timer2").enabled());
        QCOMPARE(f().fake().count("launch"), 0);
        tick();
        // Five minutes or less in all: the reminder's minute never came.
        const std::string reminded = total > 5 ? f().activation() + "\n" : std::string();
        const std::string awake = keptAwake(QStringLiteral("The computer will ")
            + actionItems[action].toLower() + QStringLiteral(" after 0 hour(s) and 0") + minutes
            + QStringLiteral(" minute(s)"));
        QCOMPARE(f().fake().text(), awake + reminded + launched + "\nKeepAwake off");
        verifyIdle();
    }

    void failedLaunchIsSilentAndEndsTheCountdown()
    {
        f().fake().setFailing(platform::FakePlatform::Call::Launch);
        arm(QStringLiteral("0"), QStringLiteral("2"), 2);
        tick(2);
        QCOMPARE(f().fake().text(),
            keptAwake(QStringLiteral("The computer will logoff after 0 hour(s) and 02 minute(s)"))
                + "launch \"shutdown -l\" 2\nKeepAwake off");
        verifyIdle();
    }

    void throwingLaunchStillEndsTheCountdown()
    {
        f().fake().setThrowing(platform::FakePlatform::Call::Launch);
        arm(QStringLiteral("0"), QStringLiteral("1"), 1);
        tick();
        QCOMPARE(f().fake().count("launch "), 1);
        verifyIdle();
    }

    void totalOfZeroOrLessRunsOn_data()
    {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("after1");
        QTest::addColumn<QString>("after61");
        QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("0")
                              << QStringLiteral("0 hour(s) and -1 minute(s)")
                              << QStringLiteral("-1 hour(s) and -1 minute(s)");
        QTest::newRow("600 hours") << QStringLiteral("600") << QStringLiteral("0")
                                   << QStringLiteral("0 hour(s) and -1 minute(s)")
                                   << QStringLiteral("-1 hour(s) and -1 minute(s)");
        QTest::newRow("minus 30") << QStringLiteral("0") << QStringLiteral("-30")
                                  << QStringLiteral("0 hour(s) and -31 minute(s)")
                                  << QStringLiteral("-1 hour(s) and -31 minute(s)");
    }

    void totalOfZeroOrLessRunsOn()
    {
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(QString, after1);
        QFETCH(QString, after61);
        const QString prefix = QStringLiteral("The computer will shutdown after ");
        arm(hours, minutes);
        tick();
        QCOMPARE(caption(), prefix + after1);
        tick(60);
        QCOMPARE(caption(), prefix + after61);
        tick(300);
        QVERIFY(f().timer("Timer2").enabled());
        QCOMPARE(button().text(), QStringLiteral("Stop"));
        QCOMPARE(f().fake().count("launch"), 0);
        button().press();
        verifyIdle();
        QCOMPARE(f().fake().count("launch"), 0);
    }

    void counterSaturates()
    {
        arm(QStringLiteral("0"), QStringLiteral("0"));
        timer().shutdownElapsedMinutes = 32766;
        tick();
        QCOMPARE(timer().shutdownElapsedMinutes, std::int16_t(32767));
        QCOMPARE(caption(),
            QStringLiteral("The computer will shutdown after -546 hour(s) and -7 minute(s)"));
        tick();
        QCOMPARE(timer().shutdownElapsedMinutes, std::int16_t(32767));
        QVERIFY(f().timer("Timer2").enabled());
    }

    void remainingBeyond16BitsKeepsTheCaption()
    {
        arm(QStringLiteral("0"), QStringLiteral("-30"));
        timer().shutdownElapsedMinutes = 32730;
        tick(); // -30 - 32731 = -32761
        QCOMPARE(caption(),
            QStringLiteral("The computer will shutdown after -546 hour(s) and -1 minute(s)"));
        tick(7); // -30 - 32738 = -32768, the last that fits
        QCOMPARE(caption(),
            QStringLiteral("The computer will shutdown after -546 hour(s) and -8 minute(s)"));
        tick(3); // beyond 16 bits: the caption stays
        QCOMPARE(timer().shutdownElapsedMinutes, std::int16_t(32741));
        QCOMPARE(caption(),
            QStringLiteral("The computer will shutdown after -546 hour(s) and -8 minute(s)"));
        QVERIFY(f().timer("Timer2").enabled());
        QCOMPARE(f().fake().count("launch"), 0);
    }

    // From the start of a countdown to its end, however it ends, the machine
    // may not sleep; a click run's own clicks keep the session awake.
    void keepsTheMachineAwakeWhileCounting_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("stop") << QStringLiteral("stop");
        QTest::newRow("action") << QStringLiteral("action");
        QTest::newRow("close") << QStringLiteral("close");
    }

    void keepsTheMachineAwakeWhileCounting()
    {
        QFETCH(QString, end);
        auto& form = f().form();
        form.show();
        f().c<runtime::CommandButton>("cmdStart").press();
        QCOMPARE(f().fake().count("KeepAwake"), 0);
        arm(QStringLiteral("0"), QStringLiteral("10"), 1);
        const std::string held = keptAwake(
            QStringLiteral("The computer will restart after 0 hour(s) and 10 minute(s)"));
        QCOMPARE(f().fake().log().back() + "\n", held);
        tick(3);
        QCOMPARE(f().fake().count("KeepAwake"), 1);
        if (end == QLatin1String("stop"))
            button().press();
        else if (end == QLatin1String("action"))
            tick(7);
        else
            QVERIFY(form.close());
        QCOMPARE(f().fake().count("KeepAwake"), 2);
        QCOMPARE(f().fake().log().back(), std::string("KeepAwake off"));
    }

    void closingDuringACountdownLaunchesNothing()
    {
        auto& form = f().form();
        form.show();
        arm(QStringLiteral("0"), QStringLiteral("1"));
        QVERIFY(form.close());
        QCOMPARE(f().endProgramCalls(), 1);
        QVERIFY(!f().timer("Timer2").isActive());
        QTest::qWait(50);
        QCOMPARE(f().fake().count("launch"), 0);
    }

    void countdownAndClickRunTogether()
    {
        auto& form = f().form();
        auto& run = form.clickRun();
        form.show();
        f().c<runtime::CommandButton>("cmdStart").press();
        QCOMPARE(run.isClicking, std::int16_t(-1));
        QCOMPARE(form.windowStateValue(), 1);

        arm(QStringLiteral("0"), QStringLiteral("6"), 1);
        QCOMPARE(button().text(), QStringLiteral("Stop"));
        QCOMPARE(form.windowStateValue(), 1);
        tick();
        // The reminder brings the window back while the run goes on.
        QCOMPARE(form.windowStateValue(), 0);
        QCOMPARE(run.isClicking, std::int16_t(-1));
        QVERIFY(f().timer("tmrMain").enabled());
        QCOMPARE(f().c<runtime::CommandButton>("cmdStart").text(), QStringLiteral("Stop"));

        f().fake().clear();
        for (int i = 0; i < run.clickIntervalTenths; ++i)
            run.tmrMain_Timer();
        QVERIFY(f().fake().count("mouse_event") > 0);

        f().fake().clear();
        tick(5);
        QCOMPARE(f().fake().text(), std::string("launch \"shutdown -r -t 00\" 2\nKeepAwake off"));
        verifyIdle();
        QCOMPARE(run.isClicking, std::int16_t(-1));
        QVERIFY(f().timer("tmrMain").enabled());
    }
};

QTEST_MAIN(tst_shutdown)
#include "tst_shutdown.moc"
