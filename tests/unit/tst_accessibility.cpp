// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the main window's controls, and the
// order in which the Tab key walks them on each page.
#include "TestSupport.h"
#include "app/Layout.h"
#include "clicker/ClickRun.h"
#include "runtime/Accessibility.h"
#include "ui/PageSlider.h"

#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QTest>

namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

// A list's own name is read on Windows; on Linux Qt reads its current item
// there and takes the label from the label relation instead.
QString readName(QWidget* widget)
{
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->accessibleName();
    auto* iface = accessible(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QStringList labelsOf(QWidget* widget)
{
    QStringList labels;
    if (auto* iface = accessible(widget))
        for (const auto& [other, relation] : iface->relations(QAccessible::Label))
            labels << other->text(QAccessible::Name);
    return labels;
}

QString readDescription(QWidget* widget)
{
    auto* iface = accessible(widget);
    return iface ? iface->text(QAccessible::Description) : QString();
}

// Whether the control is among its container's children in the tree.
bool inTree(QWidget* widget)
{
    auto* parent = accessible(widget->parentWidget());
    return parent != nullptr && parent->indexOfChild(accessible(widget)) >= 0;
}

QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

} // namespace

class tst_accessibility : public QObject {
    Q_OBJECT
private slots:
    void tableNamesRealControls()
    {
        testing::Fixture f;
        for (const auto& row : runtime::accessibleTexts()) {
            const QString control = QString::fromLatin1(row.control);
            QVERIFY2(f.form().find(control) != nullptr, qPrintable(control));
            if (row.label != nullptr)
                QVERIFY2(
                    dynamic_cast<runtime::Label*>(f.form().find(QString::fromLatin1(row.label))),
                    row.label);
            QVERIFY2(row.name != nullptr || row.description != nullptr, qPrintable(control));
        }
    }

    void readsName_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        auto row = [](const char* control, const char* name) {
            QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(name);
        };
        row("Text1", "Interval minutes");
        row("Text2", "Interval seconds");
        row("Text3", "Interval tenths of a second");
        row("Text4", "Stop after minutes");
        row("Text5", "Stop after clicks");
        row("Combo3", "Preset");
        row("Combo1", "Button");
        row("Combo2", "Action");
        row("Combo4", "Task");
        row("Text6", "Hours");
        row("Text7", "Minutes");
        row("imgIC(0)", "Mouse");
        row("imgIC(1)", "System");
        row("imgIC(2)", "About");
        row("hitPict(2)", "Mouse page");
        row("hitPict(3)", "System page");
        // Controls with a caption are read by it, exactly as written.
        row("cmdStart", "Start");
        row("cmdStartShtdwnTimer", "Start");
        row("Option1", "Run until stopped"); // shown as "Run untill stoped"
        row("Option2", "Stop after");
        row("Check1", "Remind me before 5 minutes");
        row("Label25", "more free software");
    }

    void readsName()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        testing::Fixture f;
        QCOMPARE(readName(f.form().find(control)), name);
    }

    // Every control a user can reach, by Tab or by the pointer, is read with
    // something, and no two of them are read alike.
    void everyControlIsDistinguishable()
    {
        testing::Fixture f;
        QSet<QString> seen;
        for (const auto& row : app::layout::controls()) {
            const bool caption = row.kind == app::layout::Kind::Label;
            QWidget* widget = f.form().find(QString::fromLatin1(row.name));
            if ((row.flags & app::layout::Hidden) != 0)
                continue;
            QVERIFY2(inTree(widget) || widget->focusPolicy() == Qt::NoFocus, row.name);
            if (caption || !inTree(widget))
                continue;
            const QString name = readName(widget);
            QVERIFY2(!name.trimmed().isEmpty(), row.name);
            const QString reading = labelsOf(widget).join(QLatin1Char(' ')) + QLatin1Char('|')
                + name + QLatin1Char('|') + readDescription(widget);
            QVERIFY2(!seen.contains(reading),
                qPrintable(QStringLiteral("%1 is read like another: %2")
                               .arg(QString::fromLatin1(row.name), reading)));
            seen.insert(reading);
        }
    }

    void labelledByNeighbour_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("label");
        auto row = [](const char* control, const char* label) {
            QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(label);
        };
        row("Text1", "Label4");
        row("Text2", "Label19");
        row("Text3", "Label20");
        row("Text4", "Label10");
        row("Text5", "Label7");
        row("Combo3", "Label5");
        row("Combo1", "Label14");
        row("Combo2", "Label11");
        row("Text6", "Label23");
        row("Text7", "Label22");
    }

    void labelledByNeighbour()
    {
        QFETCH(QString, control);
        QFETCH(QString, label);
        testing::Fixture f;
        QCOMPARE(labelsOf(f.form().find(control)),
            QStringList {f.form().find(label)->property("text").toString()});
    }

    void startButtonIsReadByItsCurrentCaption()
    {
        testing::Fixture f;
        auto& start = f.c<runtime::CommandButton>("cmdStart");
        f.form().clickRun().cmdStart_Click();
        QCOMPARE(readName(&start), QStringLiteral("Stop"));
        f.form().clickRun().cmdStart_Click();
        QCOMPARE(readName(&start), QStringLiteral("Start"));
    }

    // A full round of the Tab key from the first control of a page: hidden
    // pages' controls and the unselected option button are passed over; the
    // page itself and the tab column are stops of their own.
    void tabOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("stopAfter");
        QTest::addColumn<bool>("focusedFirst"); // Option1 had the focus before the change
        QTest::addColumn<bool>("backward");
        QTest::addColumn<QStringList>("order");
        const QStringList clicker {"Combo3", "Text5", "Text4", "Option1", "Combo2", "Combo1",
            "Text3", "Text2", "Text1", "cmdStart", "hitPict(2)", "picNew", "Combo3"};
        QStringList stopAfter = clicker;
        stopAfter.replace(stopAfter.indexOf(QStringLiteral("Option1")), QStringLiteral("Option2"));
        const QStringList shutdown {"Combo4", "cmdStartShtdwnTimer", "Text6", "Text7", "Check1",
            "hitPict(3)", "picNew", "Combo4"};
        auto reversed = [](QStringList list) {
            std::reverse(list.begin(), list.end());
            return list;
        };
        QTest::newRow("clicker page") << 2 << false << false << false << clicker;
        QTest::newRow("clicker page, stop after") << 2 << true << false << false << stopAfter;
        QTest::newRow("stop after chosen once the other had the focus")
            << 2 << true << true << false << stopAfter;
        QTest::newRow("clicker page, backwards")
            << 2 << false << false << true << reversed(clicker);
        QTest::newRow("stop after, backwards") << 2 << true << false << true << reversed(stopAfter);
        QTest::newRow("shutdown page") << 3 << false << false << false << shutdown;
        QTest::newRow("shutdown page, backwards")
            << 3 << false << false << true << reversed(shutdown);
    }

    void tabOrder()
    {
        QFETCH(int, page);
        QFETCH(bool, stopAfter);
        QFETCH(bool, focusedFirst);
        QFETCH(bool, backward);
        QFETCH(QStringList, order);
        testing::Fixture f;
        f.form().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form()));
        if (focusedFirst) {
            f.c<runtime::OptionButton>("Option1").setFocus(Qt::TabFocusReason);
            QCOMPARE(focusName(), QStringLiteral("Option1"));
        }
        if (stopAfter) // as editing a limit field does
            f.c<runtime::OptionButton>("Option2").setChecked(true);
        if (page == 3) {
            auto& pages = f.form().pages();
            pages.Label2_Click();
            for (int tick = 0; tick < 22; ++tick)
                pages.Timer1_Timer();
            QVERIFY(f.form().find(QStringLiteral("hitPict(2)"))->isHidden());
        }
        f.form().find(order.first())->setFocus(Qt::OtherFocusReason);
        QCOMPARE(focusName(), order.first());
        QStringList visited {focusName()};
        for (qsizetype step = 1; step < order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                backward ? Qt::ShiftModifier : Qt::NoModifier);
            visited << focusName();
        }
        QCOMPARE(visited, order);
    }
};

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
