// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as built from its layout: geometry, captions, fonts,
// colours as drawn, stacking and the Tab order, checked against the design.
#include "TestSupport.h"
#include "app/Layout.h"
#include "runtime/Fonts.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

bool tahomaInstalled() { return QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")); }

// Front to back: Qt keeps a container's widget children from back to front.
QStringList frontToBack(const QWidget& container)
{
    QStringList names;
    for (const QObject* child : container.children())
        if (child->isWidgetType() && !child->objectName().isEmpty())
            names.prepend(child->objectName());
    return names;
}

} // namespace

class tst_layout : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::Fixture> f;

    QWidget& w(const QString& name)
    {
        QWidget* widget = f->form().find(name);
        if (widget == nullptr)
            qFatal("no control %s", qPrintable(name));
        return *widget;
    }

private slots:
    void initTestCase()
    {
        runtime::loadFonts();
        f = std::make_unique<testing::Fixture>();
    }
    void cleanupTestCase() { f.reset(); }

    void window()
    {
        auto& form = f->form();
        QCOMPARE(form.windowTitle(), QStringLiteral("Vantrel"));
        QCOMPARE(form.size(), QSize(528, 402));
        QCOMPARE(form.minimumSize(), QSize(528, 402));
        QCOMPARE(form.maximumSize(), QSize(528, 402));
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!form.windowIcon().isNull());
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QRect>("pixels");
        auto row = [](const char* name, const char* container, QRect twips, QRect pixels) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container)
                                << twips << pixels;
        };
        row("picNew", "frmMain", {0, 0, 1665, 7890}, {0, 0, 111, 526});
        row("Picture1", "frmMain", {9600, 2280, 465, 255}, {640, 152, 31, 17});
        row("Picture3", "frmMain", {9600, 2160, 420, 135}, {640, 144, 28, 9});
        row("hitPict(1)", "frmMain", {1680, 0, 6255, 6015}, {112, 0, 417, 401});
        row("hitPict(2)", "frmMain", {1680, 0, 6255, 6045}, {112, 0, 417, 403});
        row("hitPict(3)", "frmMain", {1680, 0, 6255, 6045}, {112, 0, 417, 403});
        row("Shape3", "picNew", {120, 3840, 1605, 495}, {8, 256, 107, 33});
        row("I", "picNew", {0, 0, 1650, 1650}, {0, 0, 110, 110});
        row("imgIC(0)", "picNew", {120, 3840, 1440, 495}, {8, 256, 96, 33});
        row("imgIC(1)", "picNew", {75, 4320, 1440, 495}, {5, 288, 96, 33});
        row("imgIC(2)", "picNew", {75, 4800, 1440, 495}, {5, 320, 96, 33});
        row("Shape4", "picNew", {120, 3840, 1665, 495}, {8, 256, 111, 33});
        row("cmdStart", "hitPict(2)", {3840, 5400, 1335, 375}, {256, 360, 89, 25});
        row("Text1", "hitPict(2)", {2640, 1680, 495, 285}, {176, 112, 33, 19});
        row("Text3", "hitPict(2)", {4560, 1680, 495, 285}, {304, 112, 33, 19});
        row("Combo2", "hitPict(2)", {3120, 4440, 1455, 315}, {208, 296, 97, 21});
        row("Combo3", "hitPict(2)", {960, 1680, 1455, 315}, {64, 112, 97, 21});
        row("Option1", "hitPict(2)", {240, 2880, 1815, 255}, {16, 192, 121, 17});
        row("Option2", "hitPict(2)", {2160, 2880, 1215, 255}, {144, 192, 81, 17});
        row("Text5", "hitPict(2)", {3840, 3240, 735, 285}, {256, 216, 49, 19});
        row("Image2", "hitPict(2)", {240, 530, 225, 315}, {16, 35, 15, 21});
        row("Shape2", "hitPict(2)", {120, 5430, 2295, 375}, {8, 362, 153, 25});
        row("Label7", "hitPict(2)", {4680, 3280, 615, 255}, {312, 219, 41, 17});
        row("Label12", "hitPict(2)", {120, 60, 975, 255}, {8, 4, 65, 17});
        row("Label13", "hitPict(2)", {600, 600, 1575, 255}, {40, 40, 105, 17});
        row("Shape1(0)", "hitPict(2)", {0, 1080, 6255, 315}, {0, 72, 417, 21});
        row("Shape1(3)", "hitPict(2)", {0, 3840, 6255, 315}, {0, 256, 417, 21});
        row("Image1", "hitPict(1)", {2520, 1920, 960, 960}, {168, 128, 64, 64});
        row("Check1", "hitPict(3)", {3000, 750, 2895, 255}, {200, 50, 193, 17});
        row("Text6", "hitPict(3)", {960, 2280, 495, 285}, {64, 152, 33, 19});
        row("Text7", "hitPict(3)", {2400, 2280, 495, 285}, {160, 152, 33, 19});
        row("Combo4", "hitPict(3)", {480, 720, 2175, 315}, {32, 48, 145, 21});
        row("cmdStartShtdwnTimer", "hitPict(3)", {3840, 5400, 1335, 375}, {256, 360, 89, 25});
        row("Shape1(5)", "hitPict(3)", {0, 1560, 6255, 315}, {0, 104, 417, 21});
    }

    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QRect, pixels);
        QWidget& widget = w(name);
        QCOMPARE(widget.parentWidget()->objectName(), container);
        auto& t = dynamic_cast<runtime::Twips&>(widget);
        QCOMPARE(QRect(t.Left(), t.Top(), t.Width(), t.Height()), twips);
        QCOMPARE(widget.geometry(), pixels);
    }

    // Auto-sized labels keep Left and Top and take the size of their caption.
    void autoSizedLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<int>("designWidth"); // pixels, for the original face
        QTest::newRow("Label1") << QStringLiteral("Label1") << QPoint(300, 3960) << 42;
        QTest::newRow("Label2") << QStringLiteral("Label2") << QPoint(300, 4440) << 48;
        QTest::newRow("Label3") << QStringLiteral("Label3") << QPoint(300, 4920) << 40;
        QTest::newRow("Label17") << QStringLiteral("Label17") << QPoint(240, 5520) << 127;
        QTest::newRow("Label20") << QStringLiteral("Label20") << QPoint(5040, 1740) << 25;
        QTest::newRow("Label10") << QStringLiteral("Label10") << QPoint(3000, 3285) << 50;
        QTest::newRow("Label25") << QStringLiteral("Label25") << QPoint(4800, 5760) << 93;
        QTest::newRow("Label21") << QStringLiteral("Label21") << QPoint(360, 3120) << 33;
        QTest::newRow("Label18") << QStringLiteral("Label18") << QPoint(120, 60) << 73;
        QTest::newRow("Label23") << QStringLiteral("Label23") << QPoint(1530, 2310) << 31;
    }

    void autoSizedLabels()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, twips);
        QFETCH(int, designWidth);
        auto& label = f->form().control<runtime::Label>(name);
        QVERIFY(label.autoSize());
        QCOMPARE(QPoint(label.Left(), label.Top()), twips);
        const QFontMetrics metrics(label.font());
        QVERIFY(label.width() >= metrics.horizontalAdvance(label.caption()));
        QVERIFY(label.height() >= metrics.height());
        QCOMPARE(label.Width(), label.width() * runtime::TwipsPerPixel);
        if (tahomaInstalled()) // a face with Tahoma's widths gives the design's width
            QVERIFY2(
                qAbs(label.width() - designWidth) <= 3, qPrintable(QString::number(label.width())));
    }

    // The product name label is as wide as "Vantrel" in Tahoma 14.25.
    void productNameWidth()
    {
        auto& label = f->form().control<runtime::Label>(QStringLiteral("Label6"));
        QCOMPARE(QPoint(label.Left(), label.Top()), QPoint(1560, 3120));
        const int advance = QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("Vantrel"));
        QVERIFY2(qAbs(label.width() - advance) <= 1, qPrintable(QString::number(label.width())));
        QCOMPARE(label.font().pixelSize(), 19);
    }

    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        auto row = [](const char* name, const char* caption) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
        };
        row("Label1", "Mouse");
        row("Label2", "System");
        row("Label3", "About");
        row("Label12", "Co-ordinates");
        row("Label13", "Current position");
        row("Label15", "Intervel");
        row("Label5", "Preset:");
        row("Label4", " MM");
        row("Label19", " SS");
        row("Label20", " S/10");
        row("Label8", "Repeat");
        row("Label10", "Minutes or");
        row("Label7", "Clicks");
        row("Label9", "Click");
        row("Label14", "Button:");
        row("Label11", "Action:");
        row("Label17", "Start/Stop Hot Key: F9");
        row("Label25", "more free software");
        row("Label6", "Vantrel");
        row("Label18", "Select a task");
        row("Label16", "Time");
        row("Label24", "After:");
        row("Label23", " Hours");
        row("Label22", "Minutes");
        row("Label21", "00:00");
        row("lblcpbd", "");
        row("cmdStart", "Start");
        row("cmdStartShtdwnTimer", "Start");
        row("Option1", "Run untill stoped");
        row("Option2", "Stop after");
        row("Check1", "Remind me before 5 minutes");
        row("Text4", "10");
        row("Text5", "100");
        row("Text6", "01");
        row("Text7", "00");
    }

    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QWidget& widget = w(name);
        if (auto* label = qobject_cast<runtime::Label*>(&widget))
            QCOMPARE(label->caption(), caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(&widget))
            QCOMPARE(button->text(), caption);
        else
            QCOMPARE(qobject_cast<QLineEdit*>(&widget)->text(), caption);
    }

    void listItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("Combo1") << QStringLiteral("Combo1")
                                << QStringList {"Left", "Right", "Middle"};
        QTest::newRow("Combo2") << QStringLiteral("Combo2")
                                << QStringList {"Single click", "Double click"};
        QTest::newRow("Combo3") << QStringLiteral("Combo3")
                                << QStringList {"Very Slow", "Slow", "Normal", "Fast", "Very Fast"};
        QTest::newRow("Combo4") << QStringLiteral("Combo4")
                                << QStringList {"Shutdown", "Restart", "Logoff"};
    }

    void listItems()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        auto& combo = f->form().control<runtime::ComboBox>(name);
        QStringList actual;
        for (int i = 0; i < combo.count(); ++i)
            actual << combo.itemText(i);
        QCOMPARE(actual, items);
        QVERIFY(!combo.isEditable());
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        auto row = [](const char* name, int px, bool bold, bool underline) {
            QTest::newRow(name) << QString::fromLatin1(name) << px << bold << underline;
        };
        row("Label1", 13, true, false);
        row("Label3", 13, true, false);
        row("Label12", 11, true, false);
        row("Label17", 11, true, false);
        row("Label13", 11, false, false);
        row("Label21", 13, false, false);
        row("Label25", 11, false, true);
        row("Label6", 19, false, false);
        row("cmdStart", 11, false, false);
        row("Text1", 11, false, false);
        row("Combo4", 11, false, false);
        row("Check1", 11, false, false);
    }

    void fonts()
    {
        QFETCH(QString, name);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        const QFont font = w(name).font();
        QCOMPARE(font.pixelSize(), pixelSize);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.underline(), underline);
        QCOMPARE(font.family(), QStringLiteral("Tahoma"));
        if (tahomaInstalled()) {
            const QFontInfo used(font);
            QCOMPARE(used.family(), QStringLiteral("Tahoma"));
            QCOMPARE(used.bold(), bold);
        }
    }

    // The headings, the tab names and the hot-key note are drawn in a bold
    // face, not in a regular face that only carries a bold name.
    void boldCaptionsLookBold() { QCOMPARE(testing::boldLabelsDrawnRegular(f->form()), {}); }

    // A label that does not grow shows its whole caption inside its box, and
    // so do the captions of the buttons, option buttons and check box.
    void captionsFit()
    {
        for (auto* label : f->form().findChildren<runtime::Label*>()) {
            const QFontMetrics metrics(label->drawingFont());
            QVERIFY2(metrics.horizontalAdvance(label->caption()) <= label->contentsRect().width(),
                qPrintable(label->objectName()));
            QVERIFY2(metrics.height() <= label->height(), qPrintable(label->objectName()));
        }
        for (auto* button : f->form().findChildren<QAbstractButton*>())
            QVERIFY2(
                button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
    }

    void textColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        auto row = [](const char* name, const char* colour) {
            QTest::newRow(name) << QString::fromLatin1(name) << QColor(QLatin1String(colour));
        };
        row("Label1", "#FFFFFF");
        row("Label2", "#FFFFFF");
        row("Label12", "#404040");
        row("Label17", "#008080");
        row("Label21", "#800000");
        row("Label25", "#8080FF");
        row("Label6", "#C0C0C0");
        row("Label18", "#404040");
        row("lblcpbd", "#C04000");
    }

    void textColours()
    {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        QCOMPARE(w(name).palette().color(QPalette::Active, QPalette::WindowText), colour);
    }

    // Colours as drawn: fills, borders, see-through labels and the
    // backgrounds of the option buttons, read from a picture of the window.
    void drawnColours_data()
    {
        QTest::addColumn<QPoint>("at"); // in the window's client area
        QTest::addColumn<QColor>("colour");
        auto row = [](const char* what, QPoint at, const char* colour) {
            QTest::newRow(what) << at << QColor(QLatin1String(colour));
        };
        row("left column", {50, 200}, "#CDCDCD");
        row("selection band", {100, 286}, "#808080");
        row("page background", {112 + 300, 50}, "#FFFFFF");
        row("section band fill", {112 + 200, 10}, "#F7F7F7");
        row("section band border", {112 + 200, 0}, "#EAF5FF");
        row("band behind transparent caption", {112 + 60, 19}, "#F7F7F7");
        row("hot-key band fill", {112 + 150, 384}, "#F7F7F7");
        row("hot-key band border", {112 + 8, 370}, "#E2E6FE");
        row("option button background", {112 + 132, 200}, "#FFFFFF");
        row("second option background", {112 + 222, 200}, "#FFFFFF");
        row("hidden hover band not drawn", {8, 270}, "#808080");
    }

    void drawnColours()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        const QImage picture = f->form().grab().toImage();
        QCOMPARE(picture.pixelColor(at).name(), colour.name());
    }

    void stacking_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QStringList>("frontToBack");
        QTest::newRow("window") << QStringLiteral("frmMain")
                                << QStringList {"picNew", "Picture4", "Picture3", "Picture1",
                                       "hitPict(2)", "hitPict(1)", "hitPict(3)", "lblcpbd"};
        QTest::newRow("left column") << QStringLiteral("picNew")
                                     << QStringList {"Shape3", "Label2", "Label3", "I", "imgIC(0)",
                                            "imgIC(1)", "imgIC(2)", "Label1", "Shape4"};
        QTest::newRow("clicker page")
            << QStringLiteral("hitPict(2)")
            << QStringList {"cmdStart", "Text1", "Text2", "Text3", "Combo1", "Combo2", "Option1",
                   "Option2", "Text4", "Text5", "Combo3", "Image2", "Label17", "Shape2", "Label20",
                   "Label19", "Label4", "Label15", "Label14", "Label11", "Label10", "Label7",
                   "Label8", "Label9", "Label12", "Label13", "Label5", "Shape1(0)", "Shape1(1)",
                   "Shape1(2)", "Shape1(3)"};
        QTest::newRow("About page")
            << QStringLiteral("hitPict(1)") << QStringList {"Label25", "Label6", "Image1"};
        QTest::newRow("shutdown page")
            << QStringLiteral("hitPict(3)")
            << QStringList {"Check1", "Text7", "Text6", "cmdStartShtdwnTimer", "Combo4", "Label24",
                   "Label21", "Label23", "Label22", "Label16", "Label18", "Shape1(4)", "Shape1(5)"};
    }

    void stacking()
    {
        QFETCH(QString, container);
        QFETCH(QStringList, frontToBack);
        const QWidget& box = container == QLatin1String("frmMain") ? f->form() : w(container);
        QCOMPARE(::frontToBack(box), frontToBack);
    }

    // Where controls overlap, the pointer finds the front one; rectangles
    // never take it.
    void hitTesting_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("found");
        QTest::newRow("tab row in front of Mouse") << QPoint(30, 270) << QStringLiteral("imgIC(0)");
        QTest::newRow("System in front of its row") << QPoint(30, 300) << QStringLiteral("Label2");
        QTest::newRow("row beside System") << QPoint(90, 300) << QStringLiteral("imgIC(1)");
        QTest::newRow("selection band beside the row")
            << QPoint(108, 270) << QStringLiteral("picNew");
        QTest::newRow("section band") << QPoint(112 + 300, 10) << QStringLiteral("hitPict(2)");
    }

    void hitTesting()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, found);
        auto& band = w(QStringLiteral("Shape3"));
        band.show(); // the hover band over the first row must not hide it
        QWidget* hit = f->form().childAt(at);
        band.hide();
        QVERIFY(hit != nullptr);
        QCOMPARE(hit->objectName(), found);
    }

    void tabOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("forward");
        QTest::newRow("clicker page")
            << 2 << QStringLiteral("Combo3")
            << QStringList {"Text5", "Text4", "Option1", "Combo2", "Combo1", "Text3", "Text2",
                   "Text1", "cmdStart", "hitPict(2)", "picNew", "Combo3"};
        QTest::newRow("shutdown page") << 3 << QStringLiteral("Combo4")
                                       << QStringList {"cmdStartShtdwnTimer", "Text6", "Text7",
                                              "Check1", "hitPict(3)", "picNew", "Combo4"};
        QTest::newRow("About page")
            << 1 << QStringLiteral("picNew") << QStringList {"hitPict(1)", "picNew"};
    }

    void tabOrder()
    {
        QFETCH(int, page);
        QFETCH(QString, first);
        QFETCH(QStringList, forward);
        testing::Fixture fixture;
        auto& form = fixture.form();
        for (int i = 1; i <= 3; ++i)
            form.find(QStringLiteral("hitPict(%1)").arg(i))->setVisible(i == page);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.find(first)->setFocus(Qt::OtherFocusReason);
        QCOMPARE(QApplication::focusWidget()->objectName(), first);

        QStringList visited;
        for (int i = 0; i < forward.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, forward);

        // Shift+Tab walks the same ring backwards.
        QStringList expectedBack = forward;
        std::reverse(expectedBack.begin(), expectedBack.end());
        expectedBack.removeFirst();
        expectedBack << first;
        QStringList back;
        for (int i = 0; i < forward.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            back << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(back, expectedBack);
    }

    void nothingElseTakesFocus()
    {
        const QStringList focusable {"picNew", "hitPict(1)", "hitPict(2)", "hitPict(3)", "Picture1",
            "Picture3", "Picture4", "cmdStart", "cmdStartShtdwnTimer", "Text1", "Text2", "Text3",
            "Text4", "Text5", "Text6", "Text7", "Combo1", "Combo2", "Combo3", "Combo4", "Option1",
            "Option2", "Check1"};
        for (const auto& row : app::layout::controls()) {
            const QString name = QString::fromLatin1(row.name);
            QCOMPARE(w(name).focusPolicy() != Qt::NoFocus, focusable.contains(name));
        }
        // Pages and the left column take the focus from the keyboard only, so a
        // click on a tab or a page is no focus move.
        QCOMPARE(w(QStringLiteral("picNew")).focusPolicy(), Qt::TabFocus);
        QCOMPARE(w(QStringLiteral("hitPict(2)")).focusPolicy(), Qt::TabFocus);
    }
};

QTEST_MAIN(tst_layout)
#include "tst_layout.moc"
