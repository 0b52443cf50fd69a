// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The corner icon that shrinks away and grows back as the chosen page's icon,
// two of its animations overlapping, and the hover band over the tab rows.
#define QTEST_QPA_MOUSE_HANDLING
#include "TestSupport.h"
#include "ui/CornerIcon.h"
#include "ui/HoverBand.h"
#include "ui/PageSlider.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Rect {
    int left, top, width, height;
    bool operator==(const Rect&) const = default;
};

// The icon's rectangle after steps 1 to 10.
constexpr Rect iconAt[10] = {
    {300, 100, 1650, 1650},
    {300, 700, 1100, 1100},
    {200, 1300, 800, 800},
    {100, 1600, 500, 500},
    {0, 1800, 200, 200},
    {0, 0, 300, 500},
    {0, 0, 800, 800},
    {0, 0, 1100, 1100},
    {0, 0, 1400, 1400},
    {0, 0, 1650, 1650},
};

// Counts what happens to a widget: moves, showing and hiding.
class Changes : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const auto type = event->type();
        if (type == QEvent::Move || type == QEvent::Show || type == QEvent::Hide
            || type == QEvent::Resize)
            ++count;
        return false;
    }
};

} // namespace

class tst_cornericon : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::Fixture> fixture;

    testing::Fixture& f() { return *fixture; }
    ui::CornerIcon& icon() { return f().form().cornerIcon(); }
    ui::HoverBand& band() { return f().form().hoverBand(); }
    runtime::Image& I() { return f().c<runtime::Image>("I"); }
    runtime::Shape& shape3() { return f().c<runtime::Shape>("Shape3"); }
    Rect iconRect() { return {I().Left(), I().Top(), I().Width(), I().Height()}; }
    bool shows(const char* box)
    {
        return I().picture().toImage() == f().c<runtime::PictureBox>(box).picture().toImage();
    }

    void tick(int timer)
    {
        if (timer == 4)
            icon().Timer4_Timer();
        else if (timer == 5)
            icon().Timer5_Timer();
        else
            icon().Timer6_Timer();
    }

private slots:
    void init() { fixture = std::make_unique<testing::Fixture>(); }
    void cleanup() { fixture.reset(); }

    void iconTable_data()
    {
        QTest::addColumn<int>("timer");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("Timer4") << 4 << QStringLiteral("Picture3") << QStringLiteral("Picture1");
        QTest::newRow("Timer5") << 5 << QStringLiteral("Picture1") << QStringLiteral("Picture3");
        QTest::newRow("Timer6") << 6 << QStringLiteral("Picture1") << QStringLiteral("Picture4");
    }

    void iconTable()
    {
        QFETCH(int, timer);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const QByteArray from = before.toLatin1(), to = after.toLatin1();
        I().setPicture(f().c<runtime::PictureBox>(from).picture());
        auto& t = f().timer(qPrintable(QStringLiteral("Timer%1").arg(timer)));
        t.setEnabled(true);
        QCOMPARE(t.interval(), 20);
        const std::int16_t* counter = timer == 4 ? &icon().clickerIconStep
            : timer == 5                         ? &icon().shutdownIconStep
                                                 : &icon().aboutIconStep;
        for (int step = 1; step <= 21; ++step) {
            tick(timer);
            if (step <= 10)
                QCOMPARE(iconRect(), iconAt[step - 1]);
            else
                QCOMPARE(iconRect(), iconAt[9]);
            QVERIFY(shows(step < 6 ? from.constData() : to.constData()));
            if (step < 21) {
                QCOMPARE(*counter, std::int16_t(step));
                QVERIFY(t.enabled());
            }
        }
        QCOMPARE(*counter, std::int16_t(0));
        QVERIFY(!t.enabled());
        // The icon ends in the corner at full size.
        QCOMPARE(I().geometry(), QRect(0, 0, 110, 110));
    }

    // Each tab's click runs the animation through the window's own timer
    // connections to its end: the chosen page's icon, full size, all idle.
    void tabClicksAnimateThroughTheirTimers()
    {
        f().form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f().form()));
        const std::pair<const char*, const char*> tabs[]
            = {{"Label2", "Picture3"}, {"Label3", "Picture4"}, {"Label1", "Picture1"}};
        for (const auto& [tab, picture] : tabs) {
            QTest::mouseClick(&f().c<runtime::Label>(tab), Qt::LeftButton);
            QTRY_VERIFY2(!f().timer("Timer4").enabled() && !f().timer("Timer5").enabled()
                    && !f().timer("Timer6").enabled() && !f().timer("Timer1").enabled(),
                tab);
            QVERIFY2(shows(picture), tab);
            QCOMPARE(iconRect(), iconAt[9]);
        }
    }

    void pictureIsExchangedBeforeTheSizesAtStep6()
    {
        // On a shown window each geometry change is delivered at once.
        f().form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f().form()));
        icon().shutdownIconStep = 5;
        std::vector<bool> newPictureAtResize;
        struct Watch : QObject {
            std::function<void()> onResize;
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
                    onResize();
                return false;
            }
        } watch;
        watch.onResize = [&] { newPictureAtResize.push_back(shows("Picture3")); };
        I().installEventFilter(&watch);
        icon().Timer5_Timer();
        QVERIFY(!newPictureAtResize.empty());
        QVERIFY(std::all_of(
            newPictureAtResize.begin(), newPictureAtResize.end(), [](bool b) { return b; }));
    }

    void twoAnimationsOverlap()
    {
        auto& pages = f().form().pages();
        pages.Label2_Click(); // System: Timer5
        for (int i = 0; i < 12; ++i)
            tick(5);
        for (int i = 0; i < 22; ++i)
            pages.Timer1_Timer();
        QCOMPARE(iconRect(), iconAt[9]);
        QVERIFY(shows("Picture3"));

        pages.Label3_Click(); // About: Timer6, while Timer5 has 9 idle ticks left
        QVERIFY(f().timer("Timer5").enabled());
        QVERIFY(f().timer("Timer6").enabled());
        for (int step = 1; step <= 21; ++step) {
            if (f().timer("Timer5").enabled()) {
                tick(5);
                // An idle step of the other animation leaves the icon alone.
                if (step > 1)
                    QCOMPARE(iconRect(), iconAt[std::min(step, 10) - 2]);
            }
            tick(6);
            QCOMPARE(icon().aboutIconStep, std::int16_t(step == 21 ? 0 : step));
            QCOMPARE(iconRect(), iconAt[std::min(step, 10) - 1]);
            QVERIFY(shows(step < 6 ? "Picture3" : "Picture4"));
            if (step < 9) {
                QCOMPARE(icon().shutdownIconStep, std::int16_t(12 + step));
            } else {
                QCOMPARE(icon().shutdownIconStep, std::int16_t(0));
                QVERIFY(!f().timer("Timer5").enabled());
            }
        }
        QVERIFY(!f().timer("Timer6").enabled());
        QCOMPARE(icon().clickerIconStep, std::int16_t(0));
    }

    void hoverBandOnRows()
    {
        Changes changes;
        shape3().installEventFilter(&changes);
        QVERIFY(shape3().isHidden());
        band().imgIC_MouseMove(1);
        QVERIFY(!shape3().isHidden());
        QCOMPARE(shape3().Top(), 4320);
        QCOMPARE(shape3().Left(), 120);
        QCOMPARE(shape3().Width(), 1605);
        QCOMPARE(shape3().Height(), 495);

        // Row to row: the band jumps and is never hidden on the way.
        const std::pair<std::int16_t, int> rows[] = {{2, 4800}, {0, 3840}, {1, 4320}};
        for (const auto& [index, top] : rows) {
            band().imgIC_MouseMove(index);
            QVERIFY(!shape3().isHidden());
            QCOMPARE(shape3().Top(), top);
        }

        // Within one row nothing is set after the first move.
        changes.count = 0;
        for (int i = 0; i < 5; ++i)
            band().imgIC_MouseMove(1);
        QCOMPARE(changes.count, 0);
    }

    void hoverBandHides_data()
    {
        QTest::addColumn<int>("where");
        QTest::newRow("window background") << 0;
        QTest::newRow("corner icon") << 1;
        QTest::newRow("About picture") << 2;
    }

    void hoverBandHides()
    {
        QFETCH(int, where);
        band().imgIC_MouseMove(2);
        if (where == 0)
            band().Form_MouseMove();
        else if (where == 1)
            band().I_MouseMove();
        else
            band().Image1_MouseMove();
        QVERIFY(shape3().isHidden());
        QCOMPARE(shape3().Top(), 4800);
        // Shown again at the next row move, wherever it was hidden.
        band().imgIC_MouseMove(0);
        QVERIFY(!shape3().isHidden());
        QCOMPARE(shape3().Top(), 3840);
    }

    // The same rules through real pointer moves over the shown window.
    void hoverBandFollowsThePointer()
    {
        auto& form = f().form();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto moveTo = [&form](int x, int y) {
            QTest::mouseMove(&form, QPoint(x, y));
            QCoreApplication::processEvents();
        };
        moveTo(100, 300); // the "System" row, right of its label
        QVERIFY(!shape3().isHidden());
        QCOMPARE(shape3().Top(), 4320);
        moveTo(100, 330); // the "About" row
        QCOMPARE(shape3().Top(), 4800);
        moveTo(60, 380); // the column below the rows: nothing changes
        QVERIFY(!shape3().isHidden());
        QCOMPARE(shape3().Top(), 4800);
        moveTo(300, 200); // a page: nothing changes
        QVERIFY(!shape3().isHidden());
        moveTo(100, 262); // the "Mouse" row
        QCOMPARE(shape3().Top(), 3840);
        moveTo(50, 50); // the corner icon hides it
        QVERIFY(shape3().isHidden());
        moveTo(100, 262);
        QVERIFY(!shape3().isHidden());
        moveTo(111, 200); // the strip of window between the column and the page
        QVERIFY(shape3().isHidden());
    }
};

QTEST_MAIN(tst_cornericon)
#include "tst_cornericon.moc"
