// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Page switching: the tab click, the 22-tick slide with both pages' positions,
// the clicks that are ignored, the row images, the keys, and the column that
// stays in front of the sliding pages.
#include "TestSupport.h"
#include "ui/PageSlider.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Left of the page that leaves, at slide steps 1 to 21.
constexpr int outgoingAt[21] = {2050, 2450, 2850, 3250, 3650, 4050, 4450, 4850, 5250, 5650, 6050,
    6450, 6650, 6850, 7050, 7150, 7250, 7350, 7450, 7550, 7665};

struct TabInfo {
    const char* label;
    int page;
    int rowTop;
    const char* iconTimer;
};

// By tab number 0 "Mouse", 1 "System", 2 "About".
constexpr TabInfo tabInfo[3] = {
    {"Label1", 2, 3840, "Timer4"},
    {"Label2", 3, 4320, "Timer5"},
    {"Label3", 1, 4800, "Timer6"},
};

// Everything a tab click may change, to tell "nothing happened" apart.
struct Snapshot {
    int selectedPage, currentPage, slideStep;
    bool isSliding;
    int shape4Top;
    bool timers[4]; // Timer1, Timer4, Timer5, Timer6
    bool visible[3];
    int lefts[3];
    bool operator==(const Snapshot&) const = default;
};

} // namespace

class tst_pages : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::Fixture> fixture;

    testing::Fixture& f() { return *fixture; }
    ui::PageSlider& pages() { return f().form().pages(); }
    runtime::PictureBox& page(int index)
    {
        return f().c<runtime::PictureBox>(qPrintable(QStringLiteral("hitPict(%1)").arg(index)));
    }

    void clickTab(int tab) { emit f().c<runtime::Label>(tabInfo[tab].label).clicked(); }

    void slide(int ticks = 22)
    {
        for (int i = 0; i < ticks; ++i)
            pages().Timer1_Timer();
    }

    Snapshot snapshot()
    {
        Snapshot s {};
        s.selectedPage = pages().selectedPage;
        s.currentPage = pages().currentPage;
        s.slideStep = pages().slideStep;
        s.isSliding = pages().isSliding;
        s.shape4Top = f().c<runtime::Shape>("Shape4").Top();
        const char* timers[] = {"Timer1", "Timer4", "Timer5", "Timer6"};
        for (int i = 0; i < 4; ++i)
            s.timers[i] = f().timer(timers[i]).enabled();
        for (int i = 0; i < 3; ++i) {
            s.visible[i] = !page(i + 1).isHidden();
            s.lefts[i] = page(i + 1).Left();
        }
        return s;
    }

private slots:
    void init() { fixture = std::make_unique<testing::Fixture>(); }
    void cleanup() { fixture.reset(); }

    // A walk through the tabs; every slide is checked at each of its ticks.
    void slidePositions_data()
    {
        QTest::addColumn<std::vector<int>>("tabs");
        QTest::newRow("System") << std::vector<int> {1};
        QTest::newRow("About") << std::vector<int> {2};
        QTest::newRow("System, About, Mouse, About") << std::vector<int> {1, 2, 0, 2};
        QTest::newRow("About, System, Mouse, System") << std::vector<int> {2, 1, 0, 1};
    }

    void slidePositions()
    {
        QFETCH(std::vector<int>, tabs);
        bool first = true;
        int leftBefore[4] = {0, 1680, 1680, 1680};
        for (const int tab : tabs) {
            const TabInfo& t = tabInfo[tab];
            const int from = pages().currentPage;
            auto& out = page(from);
            auto& in = page(t.page);
            // The page on show starts at its layout place, and at 1650 after the first slide.
            QCOMPARE(out.Left(), first ? 1680 : 1650);
            // A page that slid out waits at 7665; one never shown is still at 1680.
            QCOMPARE(in.Left(), leftBefore[t.page]);
            first = false;
            leftBefore[from] = 7665;

            f().timer(t.iconTimer).setEnabled(false); // a previous slide's animation
            clickTab(tab);
            QCOMPARE(pages().selectedPage, std::int16_t(t.page));
            QCOMPARE(pages().currentPage, std::int16_t(from));
            QCOMPARE(f().c<runtime::Shape>("Shape4").Top(), t.rowTop);
            QVERIFY(f().timer(t.iconTimer).enabled());
            QCOMPARE(in.Left(), out.Left() - 6015);
            QVERIFY(!in.isHidden());
            QVERIFY(f().timer("Timer1").enabled());
            QVERIFY(!pages().isSliding);
            QCOMPARE(pages().slideStep, std::int16_t(0));

            for (int step = 1; step <= 21; ++step) {
                pages().Timer1_Timer();
                QCOMPARE(pages().slideStep, std::int16_t(step));
                QVERIFY(pages().isSliding);
                QCOMPARE(out.Left(), outgoingAt[step - 1]);
                QCOMPARE(in.Left(), outgoingAt[step - 1] - 6015);
                QVERIFY(!out.isHidden());
                QVERIFY(!in.isHidden());
                QVERIFY(f().timer("Timer1").enabled());
            }
            pages().Timer1_Timer();
            QCOMPARE(out.Left(), 7665);
            QCOMPARE(in.Left(), 1650);
            QVERIFY(out.isHidden());
            QVERIFY(!in.isHidden());
            QVERIFY(!pages().isSliding);
            QCOMPARE(pages().slideStep, std::int16_t(0));
            QVERIFY(!f().timer("Timer1").enabled());
            QCOMPARE(pages().currentPage, std::int16_t(t.page));
            QCOMPARE(pages().selectedPage, std::int16_t(t.page));
            int shown = 0;
            for (int i = 1; i <= 3; ++i)
                shown += page(i).isHidden() ? 0 : 1;
            QCOMPARE(shown, 1);
        }
    }

    void clickOnTheSelectedTabDoesNothing()
    {
        const Snapshot atStart = snapshot();
        clickTab(0);
        f().form().pages().imgIC_Click(0);
        QVERIFY(snapshot() == atStart);

        clickTab(1);
        slide();
        f().timer("Timer5").setEnabled(false);
        const Snapshot afterSlide = snapshot();
        clickTab(1);
        pages().imgIC_Click(1);
        QVERIFY(snapshot() == afterSlide);
    }

    void clicksDuringASlideAreIgnored_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::newRow("armed, before the first tick") << 0;
        QTest::newRow("first tick") << 1;
        QTest::newRow("middle") << 11;
        QTest::newRow("last moving tick") << 21;
    }

    void clicksDuringASlideAreIgnored()
    {
        QFETCH(int, ticks);
        clickTab(1);
        slide(ticks);
        const Snapshot during = snapshot();
        for (int tab = 0; tab < 3; ++tab) {
            clickTab(tab);
            pages().imgIC_Click(static_cast<std::int16_t>(tab));
            QVERIFY2(snapshot() == during, tabInfo[tab].label);
        }
        slide(22 - ticks);
        QCOMPARE(pages().currentPage, std::int16_t(3));
        QVERIFY(page(1).isHidden());
        QVERIFY(page(2).isHidden());
        QVERIFY(!page(3).isHidden());
        QCOMPARE(page(3).Left(), 1650);
        QVERIFY(!f().timer("Timer6").enabled());

        // Once the slide has ended, a tab works again.
        clickTab(2);
        QCOMPARE(pages().selectedPage, std::int16_t(1));
        QCOMPARE(page(1).Left(), 1650 - 6015);
    }

    void rowImageClickEqualsLabelClick_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("imgIC(1) is System") << 1;
        QTest::newRow("imgIC(2) is About") << 2;
    }

    void rowImageClickEqualsLabelClick()
    {
        QFETCH(int, tab);
        clickTab(tab);
        slide(5);
        const Snapshot byLabel = snapshot();

        cleanup();
        init();
        pages().imgIC_Click(static_cast<std::int16_t>(tab));
        slide(5);
        QVERIFY(snapshot() == byLabel);

        // And back to the clicker page through imgIC(0), as through "Mouse".
        slide(17);
        pages().imgIC_Click(0);
        const Snapshot byRow = snapshot();
        QCOMPARE(byRow.selectedPage, 2);
        QCOMPARE(byRow.shape4Top, 3840);
        QVERIFY(byRow.timers[1]);
    }

    void rowImageOutsideTheArrayDoesNothing()
    {
        const Snapshot atStart = snapshot();
        for (const std::int16_t index : {std::int16_t(-1), std::int16_t(3), std::int16_t(32767)})
            pages().imgIC_Click(index);
        QVERIFY(snapshot() == atStart);
    }

    // Each key clicks the label of the tab below or above the chosen one,
    // wrapping round, from whichever control has the focus; the focus does
    // not stay on the page that slides out.
    void keysClickTheNextOrPreviousTab_data()
    {
        QTest::addColumn<int>("fromTab");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("clickedTab");
        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        auto row = [](const char* name, int from, const char* focus, Qt::Key key, int modifiers,
                       int clicked) {
            QTest::newRow(name) << from << QString::fromLatin1(focus) << int(key) << modifiers
                                << clicked;
        };
        row("Ctrl+Tab", 0, "Text1", Qt::Key_Tab, ctrl, 1);
        row("Ctrl+PgDn", 0, "Combo3", Qt::Key_PageDown, ctrl, 1);
        row("Ctrl+Shift+Tab wraps up", 0, "Text1", Qt::Key_Backtab, ctrlShift, 2);
        row("Ctrl+PgUp wraps up", 0, "cmdStart", Qt::Key_PageUp, ctrl, 2);
        row("Ctrl+Tab wraps down", 2, "hitPict(1)", Qt::Key_Tab, ctrl, 0);
        row("Ctrl+PgUp from About", 2, "picNew", Qt::Key_PageUp, ctrl, 1);
    }

    void keysClickTheNextOrPreviousTab()
    {
        QFETCH(int, fromTab);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, clickedTab);
        f().form().show();
        QVERIFY(QTest::qWaitForWindowActive(&f().form()));
        if (fromTab != 0) {
            clickTab(fromTab);
            slide();
        }
        QWidget* focused = f().form().find(focus);
        focused->setFocus();
        QCOMPARE(QApplication::focusWidget(), focused);
        std::vector<std::unique_ptr<QSignalSpy>> clicks;
        for (const TabInfo& t : tabInfo)
            clicks.push_back(std::make_unique<QSignalSpy>(
                &f().c<runtime::Label>(t.label), &runtime::Label::clicked));

        QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        for (int tab = 0; tab < 3; ++tab)
            QCOMPARE(clicks[static_cast<std::size_t>(tab)]->count(), tab == clickedTab ? 1 : 0);
        QCOMPARE(pages().selectedPage, std::int16_t(tabInfo[clickedTab].page));
        const QWidget* left
            = f().form().find(QStringLiteral("hitPict(%1)").arg(tabInfo[fromTab].page));
        const QWidget* now = QApplication::focusWidget();
        QVERIFY(now != nullptr && now != left && !left->isAncestorOf(now));
    }

    void columnStaysInFrontOfTheSlidingPages()
    {
        auto& form = f().form();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        clickTab(2); // the About page: white, wider than the column
        const QColor column(0xCD, 0xCD, 0xCD);
        // A point of the column below the tabs, and one just right of it.
        const QPoint inColumn(60, 380);
        const QPoint besideColumn(118, 380);
        for (int step = 1; step <= 22; ++step) {
            pages().Timer1_Timer();
            const QImage shot = form.grab().toImage();
            QCOMPARE(shot.pixelColor(inColumn), column);
            QCOMPARE(shot.pixelColor(besideColumn), QColor(Qt::white));
        }
        // The clicker page's grey band is gone from the right, the About page rests.
        const QImage rest = form.grab().toImage();
        QCOMPARE(rest.pixelColor(inColumn), column);
        QCOMPARE(rest.pixelColor(400, 80), QColor(Qt::white));
    }
};

QTEST_MAIN(tst_pages)
#include "tst_pages.moc"
