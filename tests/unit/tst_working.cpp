// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The working indicator: its window, its place, and the blink between its
// two frames.
#include "TestSupport.h"
#include "app/frmWorking.h"

#include <QSignalSpy>
#include <QTest>

class tst_working : public QObject {
    Q_OBJECT
private slots:
    void window()
    {
        testing::Fixture f;
        auto& working = f.form().working();
        QCOMPARE(working.windowTitle(), QStringLiteral("working"));
        const Qt::WindowFlags flags = working.windowFlags();
        QVERIFY(flags & Qt::FramelessWindowHint);
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool); // no taskbar button
        QVERIFY(flags & Qt::WindowDoesNotAcceptFocus);
        QVERIFY(flags & Qt::WindowTransparentForInput);
        QVERIFY(working.testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(working.geometry(), QRect(0, 0, 20, 20));
        QCOMPARE(working.timer1().interval(), 500);
        QCOMPARE(working.timer1().timerType(), Qt::CoarseTimer);
        QVERIFY(working.timer1().isActive());
        QVERIFY(working.isHidden());
        QCOMPARE(working.workingFrameStep, 0);
    }

    void framesAreTwoDistinctSquares()
    {
        testing::Fixture f;
        auto& working = f.form().working();
        const QImage one = working.picture1().picture().toImage();
        const QImage two = working.picture2().picture().toImage();
        QCOMPARE(one.size(), QSize(20, 20));
        QCOMPARE(two.size(), QSize(20, 20));
        QVERIFY(one != two);
        // Picture2 lies in front of Picture1 (the last child is frontmost).
        const auto boxes = working.findChildren<runtime::PictureBox*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes.last()->objectName(), QStringLiteral("Picture2"));
        // The frame holders lie outside the square and are never seen.
        QVERIFY(!working.rect().intersects(working.picture1().geometry()));
        QVERIFY(!working.rect().intersects(working.picture2().geometry()));
    }

    void blink_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("step");
        QTest::newRow("none") << 0 << 2 << 0;
        QTest::newRow("1") << 1 << 1 << 1;
        QTest::newRow("2") << 2 << 2 << 0;
        QTest::newRow("3") << 3 << 1 << 1;
        QTest::newRow("4") << 4 << 2 << 0;
        QTest::newRow("101") << 101 << 1 << 1;
    }

    void blink()
    {
        QFETCH(int, ticks);
        QFETCH(int, frame);
        QFETCH(int, step);
        testing::Fixture f;
        auto& working = f.form().working();
        working.timer1().stop();
        for (int i = 0; i < ticks; ++i)
            working.Timer1_Timer();
        QCOMPARE(working.workingFrameStep, step);
        const auto& expected = frame == 1 ? working.picture1() : working.picture2();
        QCOMPARE(working.picture().toImage(), expected.picture().toImage());
        // What is drawn is that frame, covering the square from its corner.
        QCOMPARE(working.grab().toImage().convertToFormat(QImage::Format_RGB32),
            expected.picture().toImage().convertToFormat(QImage::Format_RGB32));
    }

    // The timer drives the same handler, whether the window is shown or not,
    // and the step survives showing and hiding.
    void blinksWhileHidden()
    {
        testing::Fixture f;
        auto& working = f.form().working();
        QVERIFY(working.isHidden());
        QSignalSpy ticks(&working.timer1(), &QTimer::timeout);
        QVERIFY(ticks.wait(2000));
        QCOMPARE(working.workingFrameStep, 1);
        working.show();
        working.hide();
        QCOMPARE(working.workingFrameStep, 1);
        QVERIFY(working.pos() == QPoint(0, 0));
    }
};

QTEST_MAIN(tst_working)
#include "tst_working.moc"
