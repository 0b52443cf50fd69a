// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed presets, the numeric check of the five clicker fields (also with
// real key and mouse events through the window), and "Stop after" chosen by
// editing a limit field.
#define QTEST_QPA_MOUSE_HANDLING
#include "TestSupport.h"
#include "clicker/ClickRun.h"
#include "clicker/Presets.h"

#include <QTest>

namespace {

using Check = void (clicker::Presets::*)(bool&);

struct Field {
    const char* name;
    Check check;
};

const Field fields[] = {
    {"Text1", &clicker::Presets::Text1_Validate},
    {"Text2", &clicker::Presets::Text2_Validate},
    {"Text3", &clicker::Presets::Text3_Validate},
    {"Text4", &clicker::Presets::Text4_Validate},
    {"Text5", &clicker::Presets::Text5_Validate},
};

// Replaces a field's text the way a user does: click, select all, type.
void typeInto(runtime::TextBox& field, const QString& text)
{
    QTest::mouseClick(&field, Qt::LeftButton);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(&field, Qt::Key_Backspace);
    else
        QTest::keyClicks(&field, text);
}

} // namespace

class tst_presets : public QObject {
    Q_OBJECT
private slots:
    void presets_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("tenths");
        QTest::addColumn<int>("interval");
        QTest::newRow("very slow") << 0 << "Very Slow"
                                   << "1"
                                   << "00"
                                   << "00" << 600;
        QTest::newRow("slow") << 1 << "Slow"
                              << "00"
                              << "10"
                              << "00" << 100;
        QTest::newRow("normal") << 2 << "Normal"
                                << "00"
                                << "1"
                                << "00" << 10;
        QTest::newRow("fast") << 3 << "Fast"
                              << "00"
                              << "00"
                              << "5" << 5;
        QTest::newRow("very fast") << 4 << "Very Fast"
                                   << "00"
                                   << "00"
                                   << "1" << 1;
    }

    void presets()
    {
        QFETCH(int, index);
        QFETCH(QString, item);
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, tenths);
        QFETCH(int, interval);
        testing::Fixture f;
        auto& combo = f.c<runtime::ComboBox>("Combo3");
        QCOMPARE(combo.text(), QStringLiteral("Normal")); // start-up's choice
        f.c<runtime::TextBox>("Text1").setText(QStringLiteral("7"));
        f.c<runtime::TextBox>("Text2").setText(QStringLiteral("7"));
        f.c<runtime::TextBox>("Text3").setText(QStringLiteral("7"));
        combo.setListIndex(index); // a selection set in code runs the preset too
        QCOMPARE(combo.text(), item);
        QCOMPARE(f.c<runtime::TextBox>("Text1").text(), minutes);
        QCOMPARE(f.c<runtime::TextBox>("Text2").text(), seconds);
        QCOMPARE(f.c<runtime::TextBox>("Text3").text(), tenths);
        // Nothing but the interval fields changes.
        QVERIFY(f.c<runtime::OptionButton>("Option1").isChecked());
        QCOMPARE(f.c<runtime::TextBox>("Text4").text(), QStringLiteral("10"));
        QCOMPARE(f.c<runtime::TextBox>("Text5").text(), QStringLiteral("100"));

        f.form().clickRun().cmdStart_Click();
        QCOMPARE(int(f.form().clickRun().clickIntervalTenths), interval);
    }

    void aUserPickReplacesTypedFields()
    {
        testing::Fixture f;
        f.form().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form()));
        auto& minutes = f.c<runtime::TextBox>("Text1");
        typeInto(minutes, QStringLiteral("7"));
        QCOMPARE(minutes.text(), QStringLiteral("7"));

        auto& combo = f.c<runtime::ComboBox>("Combo3");
        QTest::mouseClick(&combo, Qt::LeftButton); // opens the list
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), &combo);
        QTest::keyClick(&combo, Qt::Key_Up); // "Slow"
        QCOMPARE(combo.text(), QStringLiteral("Slow"));
        QCOMPARE(minutes.text(), QStringLiteral("00"));
        QCOMPARE(f.c<runtime::TextBox>("Text2").text(), QStringLiteral("10"));
        QCOMPARE(f.c<runtime::TextBox>("Text3").text(), QStringLiteral("00"));
    }

    void noMatchingItemChangesNothing()
    {
        testing::Fixture f;
        f.c<runtime::TextBox>("Text1").setText(QStringLiteral("7"));
        f.c<runtime::ComboBox>("Combo3").setCurrentIndex(-1);
        f.form().presets().Combo3_Click();
        QCOMPARE(f.c<runtime::TextBox>("Text1").text(), QStringLiteral("7"));
        QCOMPARE(f.c<runtime::TextBox>("Text2").text(), QStringLiteral("1"));
    }

    void numericCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("blanks around") << " 5 " << true;
        QTest::newRow("tab around") << "\t5\t" << true;
        QTest::newRow("negative") << "-3" << true;
        QTest::newRow("fraction") << "2.5" << true;
        QTest::newRow("exponent") << "1E2" << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("minus zero") << "-0" << true;
        QTest::newRow("beyond a double is still a number") << "1e999" << true;
        QTest::newRow("unit") << "5s" << false;
        QTest::newRow("two points") << "1.2.3" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks only") << "   " << false;
        QTest::newRow("inf spelled") << "inf" << false;
        QTest::newRow("nan spelled") << "nan" << false;
        QTest::newRow("blank inside") << "1 2" << false;
        QTest::newRow("10000 digits") << QString(10000, u'9') << true;
        QTest::newRow("10000 digits and a letter") << QString(10000, u'9') + u'x' << false;
    }

    void numericCheck()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        testing::Fixture f;
        for (const Field& field : fields) {
            auto& box = f.c<runtime::TextBox>(field.name);
            box.setText(text);
            bool cancel = accepted; // the check sets and clears the flag both
            (f.form().presets().*field.check)(cancel);
            QCOMPARE(cancel, !accepted);
            QCOMPARE(box.text(), text);
        }
    }

    void aRefusedFieldKeepsTheFocus_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("Text1 empty") << "Text1"
                                     << "";
        QTest::newRow("Text2 blanks") << "Text2"
                                      << "   ";
        QTest::newRow("Text3 unit") << "Text3"
                                    << "5s";
        QTest::newRow("Text4 two points") << "Text4"
                                          << "1.2.3";
        QTest::newRow("Text5 letters") << "Text5"
                                       << "abc";
    }

    void aRefusedFieldKeepsTheFocus()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        testing::Fixture f;
        f.form().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form()));
        auto& box = f.form().control<runtime::TextBox>(field);
        auto& start = f.c<runtime::CommandButton>("cmdStart");
        typeInto(box, text);
        QCOMPARE(QApplication::focusWidget(), &box);

        QTest::keyClick(&box, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &box);
        QTest::keyClick(&box, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), &box);
        QTest::mouseClick(&start, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), &box);
        QCOMPARE(f.form().clickRun().isClicking, std::int16_t(0));
        QCOMPARE(box.text(), text);

        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&box, QStringLiteral("5"));
        QTest::keyClick(&box, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != &box);
        typeInto(box, QStringLiteral("6"));
        QTest::mouseClick(&start, Qt::LeftButton);
        QCOMPARE(f.form().clickRun().isClicking, std::int16_t(-1));
    }

    void editingALimitSelectsStopAfter_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("stopAfter");
        QTest::newRow("Text4 typed") << "Text4"
                                     << "3" << true;
        QTest::newRow("Text4 not numeric") << "Text4"
                                           << "x" << true;
        QTest::newRow("Text5 cleared") << "Text5"
                                       << "" << true;
        QTest::newRow("Text5 typed") << "Text5"
                                     << "7" << true;
        QTest::newRow("Text1 leaves the option") << "Text1"
                                                 << "3" << false;
    }

    void editingALimitSelectsStopAfter()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, stopAfter);
        testing::Fixture f;
        f.form().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form()));
        QVERIFY(f.c<runtime::OptionButton>("Option1").isChecked());
        typeInto(f.form().control<runtime::TextBox>(field), text);
        QCOMPARE(f.c<runtime::OptionButton>("Option2").isChecked(), stopAfter);
        QCOMPARE(f.c<runtime::OptionButton>("Option1").isChecked(), !stopAfter);
    }
};

QTEST_MAIN(tst_presets)
#include "tst_presets.moc"
