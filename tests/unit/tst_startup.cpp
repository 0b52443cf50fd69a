// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the state the load handler leaves, the topmost calls for both
// windows, and every way of closing ending the program at once.
#include "TestSupport.h"
#include "app/Layout.h"
#include "app/frmWorking.h"
#include "clicker/ClickRun.h"
#include "clicker/Presets.h"
#include "runtime/LayoutBuilder.h"
#include "shutdown/ShutdownTimer.h"
#include "ui/PageSlider.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTest>

class tst_startup : public QObject {
    Q_OBJECT
private slots:
    void listsAndFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        const auto normal = clicker::presets()[2];
        QCOMPARE(QLatin1String(normal.item), QLatin1String("Normal"));
        auto row = [](const char* name, const QString& value) {
            QTest::newRow(name) << QString::fromLatin1(name) << value;
        };
        row("Combo3", QStringLiteral("Normal"));
        row("Combo1", QStringLiteral("Left"));
        row("Combo2", QStringLiteral("Single click"));
        row("Combo4", QStringLiteral("Shutdown"));
        // The preset, not the design texts "00".
        row("Text1", QString::fromLatin1(normal.minutes));
        row("Text2", QString::fromLatin1(normal.seconds));
        row("Text3", QString::fromLatin1(normal.tenths));
        row("Text4", QStringLiteral("10"));
        row("Text5", QStringLiteral("100"));
        row("Text6", QStringLiteral("01"));
        row("Text7", QStringLiteral("00"));
        row("cmdStart", QStringLiteral("Start"));
    }

    void listsAndFields()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        testing::Fixture f;
        QWidget* widget = f.form().find(name);
        if (auto* combo = qobject_cast<runtime::ComboBox*>(widget))
            QCOMPARE(combo->text(), value);
        else if (auto* field = qobject_cast<runtime::TextBox*>(widget))
            QCOMPARE(field->text(), value);
        else
            QCOMPARE(qobject_cast<QAbstractButton*>(widget)->text(), value);
    }

    void normalPresetDiffersFromDesignTexts()
    {
        const auto normal = clicker::presets()[2];
        QVERIFY(QLatin1String(normal.minutes) != QLatin1String("00")
            || QLatin1String(normal.seconds) != QLatin1String("00")
            || QLatin1String(normal.tenths) != QLatin1String("00"));
    }

    void visibilityAndChoices()
    {
        testing::Fixture f;
        auto& form = f.form();
        QVERIFY(form.find(QStringLiteral("hitPict(1)"))->isHidden());
        QVERIFY(!form.find(QStringLiteral("hitPict(2)"))->isHidden());
        QVERIFY(form.find(QStringLiteral("hitPict(3)"))->isHidden());
        QVERIFY(form.find(QStringLiteral("Label21"))->isHidden());
        QVERIFY(form.find(QStringLiteral("Shape3"))->isHidden());
        QVERIFY(form.find(QStringLiteral("Picture1"))->isHidden());
        QVERIFY(f.c<runtime::OptionButton>("Option1").isChecked());
        QVERIFY(!f.c<runtime::OptionButton>("Option2").isChecked());
        QVERIFY(f.c<runtime::CheckBox>("Check1").isChecked());
        for (auto* widget : form.findChildren<QWidget*>())
            QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
    }

    void variables()
    {
        testing::Fixture f;
        auto& form = f.form();
        QCOMPARE(form.pages().selectedPage, 2);
        QCOMPARE(form.pages().currentPage, 2);
        QCOMPARE(form.pages().isSliding, false);
        const auto& run = form.clickRun();
        QCOMPARE(run.elapsedTicks, 0);
        QCOMPARE(run.ticksSinceClick, 0);
        QCOMPARE(run.clickCount, 0);
        QCOMPARE(run.clickIntervalTenths, 0);
        QCOMPARE(run.isClicking, 0);
        QCOMPARE(form.shutdownTimer().shutdownElapsedMinutes, 0);
    }

    void timers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("running");
        QTest::addColumn<Qt::TimerType>("type");
        const auto precise = Qt::PreciseTimer;
        QTest::newRow("tmrMain") << QStringLiteral("tmrMain") << 100 << false << precise;
        QTest::newRow("tmrHotkey") << QStringLiteral("tmrHotkey") << 100 << true << Qt::CoarseTimer;
        QTest::newRow("Timer1") << QStringLiteral("Timer1") << 16 << false << precise;
        QTest::newRow("Timer4") << QStringLiteral("Timer4") << 20 << false << precise;
        QTest::newRow("Timer5") << QStringLiteral("Timer5") << 20 << false << precise;
        QTest::newRow("Timer6") << QStringLiteral("Timer6") << 20 << false << precise;
        QTest::newRow("Timer2") << QStringLiteral("Timer2") << 60000 << false << precise;
    }

    void timers()
    {
        QFETCH(QString, name);
        QFETCH(int, interval);
        QFETCH(bool, running);
        QFETCH(Qt::TimerType, type);
        testing::Fixture f;
        auto& timer = f.form().timer(name);
        QCOMPARE(timer.interval(), interval);
        QCOMPARE(timer.enabled(), running);
        QCOMPARE(timer.timerType(), type);
        QVERIFY(!timer.isSingleShot());
        // The layout gives each timer its start state as it builds it, so
        // that nothing done at load time can be undone afterwards.
        QWidget bare;
        QCOMPARE(
            runtime::buildLayout(bare, app::layout::windowTable()).timers.value(name)->enabled(),
            running);
    }

    // Both windows join the topmost band, once each, the main window first
    // and before the working window is even created; the working window
    // exists from then on, hidden, with its blink running.
    void topMost()
    {
        // How many placements have been made when each object is created.
        struct Creations : QObject {
            QHash<QObject*, qsizetype> placementsBefore;
            bool eventFilter(QObject* object, QEvent* event) override
            {
                if (event->type() == QEvent::Create)
                    placementsBefore.insert(object,
                        static_cast<platform::FakePlatform&>(platform::current())
                            .count("SetWindowPos"));
                return false;
            }
        } creations;
        qApp->installEventFilter(&creations);
        testing::Fixture f;
        qApp->removeEventFilter(&creations);
        QCOMPARE(creations.placementsBefore.value(&f.form(), -1), 0);
        QCOMPARE(creations.placementsBefore.value(&f.form().working(), -1), 1);
        const auto line = [](QWidget& window) {
            return QStringLiteral("SetWindowPos 0x%1 -1 0 0 0 0 3")
                .arg(QString::number(quintptr(window.winId()), 16).toUpper());
        };
        QCOMPARE(QString::fromStdString(f.fake().text()),
            line(f.form()) + QLatin1Char('\n') + line(f.form().working()));
        QVERIFY(f.form().hasWorking());
        QVERIFY(f.form().windowFlags() & Qt::WindowStaysOnTopHint);
        auto& working = f.form().working();
        QVERIFY(working.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(working.isHidden());
        QVERIFY(working.timer1().isActive());
        // Topmost placement neither moves nor resizes the working window.
        QCOMPARE(working.geometry(), QRect(0, 0, 20, 20));
    }

    // A failed placement is not noticed and start-up goes on.
    void failedTopMostIsIgnored()
    {
        auto fake = std::make_unique<platform::FakePlatform>();
        fake->setFailing(platform::FakePlatform::Call::SetWindowPos);
        auto* log = fake.get();
        platform::install(std::move(fake));
        app::frmMain form;
        form.setEndProgram([] {});
        QCOMPARE(log->count("SetWindowPos"), 2);
        QCOMPARE(form.control<runtime::ComboBox>(QStringLiteral("Combo3")).text(),
            QStringLiteral("Normal"));
        platform::install(nullptr);
    }

    void opensCentredAndActive()
    {
        testing::Fixture f;
        auto& form = f.form();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QRect screen = form.screen()->availableGeometry();
        // Within the few pixels of frame the offscreen screen adds.
        QVERIFY(qAbs(form.geometry().center().x() - screen.center().x()) <= 3);
        QVERIFY(qAbs(form.geometry().center().y() - screen.center().y()) <= 3);
        QVERIFY(form.working().isHidden());
    }

    // Closing, however it is asked for: the working window hides, every
    // timer stops, the program ends once, and nothing can refuse it.
    void close_data()
    {
        QTest::addColumn<QString>("during");
        QTest::newRow("idle") << QString();
        QTest::newRow("click run") << QStringLiteral("cmdStart");
        QTest::newRow("shutdown countdown") << QStringLiteral("cmdStartShtdwnTimer");
    }

    void close()
    {
        QFETCH(QString, during);
        testing::Fixture f;
        auto& form = f.form();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (!during.isEmpty())
            form.control<runtime::CommandButton>(during).press();
        if (during == QLatin1String("cmdStart")) {
            QVERIFY(form.working().isVisible());
            QVERIFY(f.timer("tmrMain").enabled());
        }
        if (during == QLatin1String("cmdStartShtdwnTimer"))
            QVERIFY(f.timer("Timer2").enabled());

        QVERIFY(form.close());
        QCOMPARE(f.endProgramCalls(), 1);
        QVERIFY(form.working().isHidden());
        for (auto* timer : form.findChildren<QTimer*>())
            QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
        QVERIFY(!form.working().timer1().isActive());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        // Nothing follows: no click, no system command, no second ending.
        f.fake().clear();
        QTest::qWait(250);
        QCOMPARE(QString::fromStdString(f.fake().text()), QString());
        QCOMPARE(f.endProgramCalls(), 1);
    }

    void unloadHandlersEachEndTheProgram()
    {
        testing::Fixture f;
        bool cancel = false;
        f.form().Form_QueryUnload(cancel, 0);
        QCOMPARE(cancel, false);
        QCOMPARE(f.endProgramCalls(), 1);
        f.form().Form_Unload(cancel);
        QCOMPARE(cancel, false);
        QCOMPARE(f.endProgramCalls(), 1);

        testing::Fixture g;
        g.form().Form_Unload(cancel);
        QCOMPARE(g.endProgramCalls(), 1);
    }

    void closeEventIsAccepted()
    {
        testing::Fixture f;
        QCloseEvent event;
        event.ignore();
        QApplication::sendEvent(&f.form(), &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(f.endProgramCalls(), 1);
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
