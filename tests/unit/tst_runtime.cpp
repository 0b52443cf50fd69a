// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the pages rely on from the controls: lists and buttons that run their
// click handler synchronously, the check before the focus leaves a field,
// change events, clickable empty images, see-through rectangles, auto-size.
#define QTEST_QPA_MOUSE_HANDLING
#include "TestSupport.h"
#include "clicker/ClickRun.h"
#include "runtime/FocusValidator.h"
#include "ui/PageSlider.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

// A small window with a checked field and the kinds of control around it.
struct Bench {
    QWidget window;
    runtime::TextBox* field;
    runtime::TextBox* other;
    runtime::CommandButton* button;
    runtime::Label* label;
    runtime::Image* image;
    runtime::Shape* shape;
    runtime::ComboBox* combo;
    runtime::OptionButton* option;
    runtime::FocusValidator* validator;
    bool refuse = false;
    int checks = 0;

    Bench()
        : field(new runtime::TextBox(&window))
        , other(new runtime::TextBox(&window))
        , button(new runtime::CommandButton(&window))
        , label(new runtime::Label(&window))
        , image(new runtime::Image(&window))
        , shape(new runtime::Shape(&window))
        , combo(new runtime::ComboBox(&window))
        , option(new runtime::OptionButton(&window))
        , validator(new runtime::FocusValidator(window))
    {
        window.resize(400, 200);
        field->setTwips(150, 150, 1200, 300);
        other->setTwips(1500, 150, 1200, 300);
        button->setTwips(3000, 150, 1200, 375);
        label->setTwips(150, 900, 1200, 300);
        label->setCaption(QStringLiteral("label"));
        image->setTwips(1500, 900, 1200, 450); // no picture
        shape->setTwips(3000, 900, 1200, 450);
        combo->setTwips(150, 1800, 1500, 315);
        combo->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        option->setTwips(3000, 1800, 1500, 300);
        option->setText(QStringLiteral("option"));
        QWidget::setTabOrder(field, other);
        QWidget::setTabOrder(other, button);
        validator->add(*field, [this](bool& cancel) {
            ++checks;
            cancel = refuse;
        });
    }

    bool show()
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        field->setFocus(Qt::OtherFocusReason);
        return field->hasFocus();
    }
};

// One wheel step over `target`, given to its window as the window system gives it.
void wheelOver(QWidget& target)
{
    QWidget& window = *target.window();
    const QPoint at = target.mapTo(&window, target.rect().center());
    QWheelEvent wheel(at, window.mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window.windowHandle(), &wheel);
}

} // namespace

class tst_runtime : public QObject {
    Q_OBJECT
private slots:
    // Setting a list's selection in code runs its click handler before the
    // setting returns, with the new item already selected.
    void listSelectionInCode()
    {
        Bench b;
        QStringList seen;
        connect(b.combo, &runtime::ComboBox::clicked, this, [&] { seen << b.combo->text(); });
        b.combo->setListIndex(1);
        QCOMPARE(seen, QStringList {QStringLiteral("two")});
        b.combo->setListIndex(1);
        QCOMPARE(seen.size(), 2);
        b.combo->setListIndex(2);
        QCOMPARE(seen.last(), QStringLiteral("three"));
    }

    // A user's pick runs it too, also when the same item is picked again.
    void listPickedByUser()
    {
        Bench b;
        QVERIFY(b.show());
        b.combo->setListIndex(0);
        QStringList seen;
        connect(b.combo, &runtime::ComboBox::clicked, this, [&] { seen << b.combo->text(); });

        auto pick = [&](int row) {
            b.combo->showPopup();
            QAbstractItemView* view = b.combo->view();
            QVERIFY(QTest::qWaitForWindowExposed(view->window()));
            const QRect item = view->visualRect(view->model()->index(row, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
            QTRY_VERIFY(!view->isVisible());
        };
        pick(2);
        QCOMPARE(seen, QStringList {QStringLiteral("three")});
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        pick(2);
        QCOMPARE(seen, (QStringList {QStringLiteral("three"), QStringLiteral("three")}));

        // Keys on the closed list pick too.
        b.combo->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(b.combo, Qt::Key_Up);
        QCOMPARE(seen.last(), QStringLiteral("two"));
        QCOMPARE(seen.size(), 3);
    }

    // A button pressed in code runs its handler before returning, with no
    // check of the field that has the focus.
    void buttonPressedInCode()
    {
        Bench b;
        QVERIFY(b.show());
        b.refuse = true;
        int clicks = 0;
        connect(b.button, &QPushButton::clicked, this, [&] { ++clicks; });
        b.button->press();
        QCOMPARE(clicks, 1);
        QCOMPARE(b.checks, 0);
        QVERIFY(b.field->hasFocus());
    }

    void focusMoves_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<int>("checks");
        QTest::addColumn<QString>("focusAfter");
        QTest::addColumn<int>("buttonClicks");
        auto row = [](const char* name, const char* action, bool refuse, int checks,
                       const char* focus, int clicks) {
            QTest::newRow(name) << QString::fromLatin1(action) << refuse << checks
                                << QString::fromLatin1(focus) << clicks;
        };
        row("Tab, accepted", "tab", false, 1, "other", 0);
        row("Tab, refused", "tab", true, 1, "field", 0);
        row("Shift+Tab, accepted", "backtab", false, 1, "option", 0);
        row("Shift+Tab, refused", "backtab", true, 1, "field", 0);
        row("click on a button, accepted", "click button", false, 1, "button", 1);
        row("click on a button, refused", "click button", true, 1, "field", 0);
        row("click on another field, accepted", "click other", false, 1, "other", 0);
        row("click on another field, refused", "click other", true, 1, "field", 0);
        row("click on a list, refused", "click combo", true, 1, "field", 0);
        row("click on an option, refused", "click option", true, 1, "field", 0);
        row("click on an option, accepted", "click option", false, 1, "option", 0);
        row("click on a label", "click label", true, 0, "field", 0);
        row("click on an image", "click image", true, 0, "field", 0);
        row("click on a rectangle", "click shape", true, 0, "field", 0);
        row("click inside the field", "click field", true, 0, "field", 0);
        row("typing", "type", true, 0, "field", 0);
    }

    void focusMoves()
    {
        QFETCH(QString, action);
        QFETCH(bool, refuse);
        QFETCH(int, checks);
        QFETCH(QString, focusAfter);
        QFETCH(int, buttonClicks);
        Bench b;
        b.field->setObjectName(QStringLiteral("field"));
        b.other->setObjectName(QStringLiteral("other"));
        b.button->setObjectName(QStringLiteral("button"));
        b.option->setObjectName(QStringLiteral("option"));
        QVERIFY(b.show());
        b.refuse = refuse;
        int clicks = 0;
        connect(b.button, &QPushButton::clicked, this, [&] { ++clicks; });
        const bool optionBefore = b.option->isChecked();

        QWidget* target = nullptr;
        if (action == QLatin1String("tab"))
            QTest::keyClick(b.field, Qt::Key_Tab);
        else if (action == QLatin1String("backtab"))
            QTest::keyClick(b.field, Qt::Key_Backtab, Qt::ShiftModifier);
        else if (action == QLatin1String("type"))
            QTest::keyClicks(b.field, QStringLiteral("12"));
        else if (action == QLatin1String("click button"))
            target = b.button;
        else if (action == QLatin1String("click other"))
            target = b.other;
        else if (action == QLatin1String("click combo"))
            target = b.combo;
        else if (action == QLatin1String("click option"))
            target = b.option;
        else if (action == QLatin1String("click label"))
            target = b.label;
        else if (action == QLatin1String("click image"))
            target = b.image;
        else if (action == QLatin1String("click shape"))
            target = b.shape;
        else if (action == QLatin1String("click field"))
            target = b.field;
        if (target != nullptr)
            QTest::mouseClick(&b.window, Qt::LeftButton, {}, target->geometry().center());

        QCOMPARE(b.checks, checks);
        QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
        QCOMPARE(clicks, buttonClicks);
        if (refuse) {
            QVERIFY(!b.combo->view()->isVisible());
            QCOMPARE(b.option->isChecked(), optionBefore);
        }
    }

    // After a refused click the next press is handled normally again.
    void refusalLastsOneClick()
    {
        Bench b;
        QVERIFY(b.show());
        int clicks = 0;
        connect(b.button, &QPushButton::clicked, this, [&] { ++clicks; });
        b.refuse = true;
        QTest::mouseClick(&b.window, Qt::LeftButton, {}, b.button->geometry().center());
        QCOMPARE(clicks, 0);
        b.refuse = false;
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(&b.window, Qt::LeftButton, {}, b.button->geometry().center());
        QCOMPARE(clicks, 1);
        QCOMPARE(b.checks, 2);
        QVERIFY(b.button->hasFocus());
    }

    // The real window checks its numeric fields the same way.
    void mainWindowFieldsAreChecked()
    {
        testing::Fixture f;
        auto& form = f.form();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto& field = f.c<runtime::TextBox>("Text1");
        field.setFocus(Qt::OtherFocusReason);
        field.setText(QStringLiteral("abc"));
        QTest::keyClick(&field, Qt::Key_Tab);
        QVERIFY(field.hasFocus());
        auto& start = f.c<runtime::CommandButton>("cmdStart");
        QTest::mouseClick(&form, Qt::LeftButton, {}, start.mapTo(&form, start.rect().center()));
        QVERIFY(field.hasFocus());
        QCOMPARE(start.text(), QStringLiteral("Start"));
        QVERIFY(!f.timer("tmrMain").enabled());
    }

    // In the real window a refused text keeps the focus whatever the user
    // does, a page switch included; the same ways work once it is corrected.
    void mainWindowKeepsARefusedField_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("pageOnceAccepted");
        QTest::newRow("wheel over Combo1") << "wheel Combo1" << 2;
        QTest::newRow("wheel over Combo3") << "wheel Combo3" << 2;
        QTest::newRow("click on the System tab") << "click Label2" << 3;
        QTest::newRow("click on the About row") << "click imgIC(2)" << 1;
        // The entry every way of switching pages takes, keys included.
        QTest::newRow("System tab in code") << "Label2_Click" << 3;
        QTest::newRow("click on an option") << "click Option2" << 2;
        QTest::newRow("click on a list") << "click Combo2" << 2;
        QTest::newRow("click on a field") << "click Text1" << 2;
    }

    void mainWindowKeepsARefusedField()
    {
        QFETCH(QString, action);
        QFETCH(int, pageOnceAccepted);
        testing::Fixture f;
        auto& form = f.form();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto act = [&] {
            QWidget* target = form.find(action.section(QLatin1Char(' '), 1));
            if (action.startsWith(QLatin1String("wheel")))
                wheelOver(*target);
            else if (target != nullptr)
                QTest::mouseClick(
                    &form, Qt::LeftButton, {}, target->mapTo(&form, target->rect().center()));
            else
                form.pages().Label2_Click();
        };
        auto lists = [&] {
            return f.c<runtime::ComboBox>("Combo1").text() + f.c<runtime::ComboBox>("Combo2").text()
                + f.c<runtime::ComboBox>("Combo3").text();
        };
        const QString listsBefore = lists();
        auto& field = f.c<runtime::TextBox>("Text2");
        field.setFocus(Qt::OtherFocusReason);
        field.setText(QStringLiteral("abc9"));
        act();
        QVERIFY(field.hasFocus());
        QCOMPARE(form.pages().selectedPage, std::int16_t(2));
        QCOMPARE(lists(), listsBefore);
        QVERIFY(!f.c<runtime::OptionButton>("Option2").isChecked());
        auto& start = f.c<runtime::CommandButton>("cmdStart");
        QTest::mouseClick(&form, Qt::LeftButton, {}, start.mapTo(&form, start.rect().center()));
        QCOMPARE(form.clickRun().isClicking, std::int16_t(0));

        // Corrected: the same action moves the focus, a page switch at once
        // rather than when the slide ends; the wheel never does, nor turns a
        // list without the focus.
        field.setText(QStringLiteral("9"));
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        act();
        const bool wheel = action.startsWith(QLatin1String("wheel"));
        QCOMPARE(field.hasFocus(), wheel);
        QCOMPARE(form.pages().selectedPage, std::int16_t(pageOnceAccepted));
        if (wheel)
            QCOMPARE(lists(), listsBefore);
    }

    // A change event follows every change of the text, by the user or by
    // code, with the new text already in place.
    void changeEvents()
    {
        Bench b;
        QVERIFY(b.show());
        QStringList seen;
        connect(b.field, &runtime::TextBox::changed, this, [&] { seen << b.field->text(); });
        QTest::keyClicks(b.field, QStringLiteral("12"));
        QCOMPARE(seen, (QStringList {"1", "12"}));
        QTest::keyClick(b.field, Qt::Key_Backspace);
        QCOMPARE(seen.last(), QStringLiteral("1"));
        b.field->setText(QStringLiteral("99"));
        QCOMPARE(seen.last(), QStringLiteral("99"));
        b.field->clear();
        QCOMPARE(seen.last(), QString());
        QCOMPARE(seen.size(), 5);
    }

    // An image without a picture draws nothing but takes clicks and pointer
    // moves; a rectangle never takes the mouse.
    void emptyImageAndRectangle()
    {
        Bench b;
        QVERIFY(b.show());
        QSignalSpy clicked(b.image, &runtime::Image::clicked);
        QSignalSpy moved(b.image, &runtime::Image::mouseMoved);
        const QPoint inside = b.image->geometry().topLeft() + QPoint(3, 3);
        QTest::mouseMove(&b.window, inside);
        QTRY_VERIFY(moved.count() >= 1);
        QTest::mouseClick(&b.window, Qt::LeftButton, {}, inside);
        QCOMPARE(clicked.count(), 1);

        // The rectangle over the image lets the click through to it.
        b.shape->setGeometry(b.image->geometry());
        b.shape->setFill(QColor(Qt::red));
        b.shape->raise();
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(&b.window, Qt::LeftButton, {}, inside + QPoint(4, 4));
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(b.window.childAt(inside), b.image);
    }

    // In the main window the empty tab rows take the click.
    void tabRowsAreClickable_data()
    {
        QTest::addColumn<QString>("row");
        QTest::newRow("imgIC(0)") << QStringLiteral("imgIC(0)");
        QTest::newRow("imgIC(1)") << QStringLiteral("imgIC(1)");
        QTest::newRow("imgIC(2)") << QStringLiteral("imgIC(2)");
    }

    void tabRowsAreClickable()
    {
        QFETCH(QString, row);
        testing::Fixture f;
        auto& form = f.form();
        auto& image = form.control<runtime::Image>(row);
        QVERIFY(image.picture().isNull());
        QSignalSpy clicked(&image, &runtime::Image::clicked);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint corner = image.mapTo(&form, QPoint(image.width() - 2, image.height() - 2));
        QTest::mouseClick(&form, Qt::LeftButton, {}, corner);
        QCOMPARE(clicked.count(), 1);
    }

    // Auto-size follows every new caption, growing to the right; a fixed
    // label keeps its box.
    void autoSize()
    {
        testing::Fixture f;
        auto& sentence = f.c<runtime::Label>("Label21");
        const int left = sentence.Left(), top = sentence.Top(), width = sentence.Width();
        sentence.setCaption(QStringLiteral("Your computer will shutdown after 1 hour 0 minutes"));
        QCOMPARE(sentence.Left(), left);
        QCOMPARE(sentence.Top(), top);
        QVERIFY(sentence.Width() > width * 5);
        QCOMPARE(sentence.geometry().topLeft(), QPoint(24, 208));
        QVERIFY(sentence.width()
            >= QFontMetrics(sentence.font()).horizontalAdvance(sentence.caption()));
        sentence.setCaption(QStringLiteral("00:00"));
        QCOMPARE(sentence.Width(), width);

        auto& fixed = f.c<runtime::Label>("Label13");
        const QRect box = fixed.geometry();
        fixed.setCaption(QStringLiteral("A much longer caption than before"));
        QCOMPARE(fixed.geometry(), box);
        QCOMPARE(fixed.Width(), 1575);
    }

    // Enabling a running timer keeps its rhythm; disabling stops it at once.
    void timers()
    {
        testing::Fixture f;
        auto& timer = f.timer("tmrHotkey");
        const int id = timer.timerId();
        timer.setEnabled(true);
        QCOMPARE(timer.timerId(), id);
        timer.setEnabled(false);
        QVERIFY(!timer.isActive());
        QSignalSpy ticks(&timer, &QTimer::timeout);
        QTest::qWait(250);
        QCOMPARE(ticks.count(), 0);
    }
};

QTEST_MAIN(tst_runtime)
#include "tst_runtime.moc"
