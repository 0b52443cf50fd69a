// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The About page's link: the window is minimized first, then the shell is
// asked to open the web page, and nothing of the answer is looked at.
#define QTEST_QPA_MOUSE_HANDLING
#include "TestSupport.h"
#include "ui/AboutLink.h"
#include "ui/OpenURL.h"
#include "ui/PageSlider.h"

#include <QTest>
#include <QUrl>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Notes each change of the window state together with how many times the
// shell had been asked by then.
class StateOrder : public QObject {
public:
    explicit StateOrder(platform::FakePlatform& fake)
        : fake_(fake)
    {
    }
    std::vector<std::string> events;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange) {
            const bool minimized = static_cast<QWidget*>(watched)->isMinimized();
            events.push_back(std::string(minimized ? "minimized" : "normal") + " after "
                + std::to_string(fake_.count("ShellExecute")) + " ShellExecute");
        }
        return false;
    }

private:
    platform::FakePlatform& fake_;
};

const std::string openLine
    = std::string("ShellExecute null \"open\" \"") + OpenURL::WebPageAddress + "\" \"\" \"\" 1";

} // namespace

class tst_about : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::Fixture> fixture;
    testing::Fixture& f() { return *fixture; }

    void showForm()
    {
        f().form().show();
        QVERIFY(QTest::qWaitForWindowActive(&f().form()));
        f().fake().clear();
    }

private slots:
    void init() { fixture = std::make_unique<testing::Fixture>(); }
    void cleanup() { fixture.reset(); }

    void addressIsTheRootOfAReservedExampleSite()
    {
        const QUrl url(QString::fromLatin1(OpenURL::WebPageAddress), QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("http"));
        QCOMPARE(url.path(), QStringLiteral("/"));
        QVERIFY(url.query().isEmpty() && url.fragment().isEmpty());
        const QString host = url.host();
        const bool reserved = host == QLatin1String("example.com")
            || host.endsWith(QLatin1String(".example.com")) || host == QLatin1String("example.org")
            || host.endsWith(QLatin1String(".example.org")) || host == QLatin1String("example.net")
            || host.endsWith(QLatin1String(".example.net"))
            || host.endsWith(QLatin1String(".example"));
        QVERIFY2(reserved, qPrintable(host));
    }

    void linkMinimizesBeforeTheShellIsAsked()
    {
        showForm();
        StateOrder order(f().fake());
        f().form().installEventFilter(&order);
        f().form().aboutLink().Label25_Click();
        QCOMPARE(f().fake().text(), openLine);
        QCOMPARE(order.events, std::vector<std::string> {"minimized after 0 ShellExecute"});
        QCOMPARE(f().form().windowStateValue(), 1);
    }

    void twoClicksAskTwice()
    {
        showForm();
        f().form().aboutLink().Label25_Click();
        f().form().aboutLink().Label25_Click();
        QCOMPARE(f().fake().text(), openLine + "\n" + openLine);
        QCOMPARE(f().form().windowStateValue(), 1);
    }

    void failureIsNotReportedAndTheWindowStaysMinimized()
    {
        showForm();
        f().fake().setFailing(platform::FakePlatform::Call::ShellExecute);
        f().form().aboutLink().Label25_Click();
        QCOMPARE(f().fake().text(), openLine);
        QCOMPARE(f().form().windowStateValue(), 1);
    }

    void shellThatThrowsEndsTheClickQuietly()
    {
        showForm();
        f().fake().setThrowing(platform::FakePlatform::Call::ShellExecute);
        f().form().aboutLink().Label25_Click();
        QCOMPARE(f().fake().text(), openLine);
        QCOMPARE(f().form().windowStateValue(), 1);
    }

    // The link on the About page, clicked with the mouse.
    void clickOnTheLinkLabel()
    {
        auto& form = f().form();
        form.pages().Label3_Click();
        for (int i = 0; i < 22; ++i)
            form.pages().Timer1_Timer();
        showForm();
        auto& link = f().c<runtime::Label>("Label25");
        QVERIFY(link.isVisible());
        QCOMPARE(link.caption(), QStringLiteral("more free software"));
        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(f().fake().text(), openLine);
        QCOMPARE(form.windowStateValue(), 1);
    }
};

QTEST_MAIN(tst_about)
#include "tst_about.moc"
