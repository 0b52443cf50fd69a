// The POSIX process helpers: which program carries out each shutdown command
// line, the PATH search, and the detached start without a shell. Nothing here
// ever starts a system action: only /bin/true and scripts of the test's own.
#include "platform/posix/Spawn.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <unistd.h>
#include <vector>

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

using Args = std::vector<std::string>;

void writeScript(const QString& path, const QByteArray& body, bool executable = true)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(body);
    file.close();
    QVERIFY(file.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                           : QFile::ReadOwner | QFile::WriteOwner));
}

// Sets an environment variable for the length of a scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name)
        , had_(qEnvironmentVariableIsSet(name))
        , old_(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

} // namespace

class tst_spawn : public QObject {
    Q_OBJECT

private slots:
    void systemAction_data()
    {
        QTest::addColumn<std::string>("commandLine");
        QTest::addColumn<Args>("argv");
        QTest::newRow("shutdown") << std::string("shutdown -s -t 00")
                                  << Args {"systemctl", "poweroff"};
        QTest::newRow("restart") << std::string("shutdown -r -t 00")
                                 << Args {"systemctl", "reboot"};
        QTest::newRow("log off") << std::string("shutdown -l")
                                 << Args {"loginctl", "terminate-session", "c7"};
        QTest::newRow("other delay") << std::string("shutdown -s -t 10") << Args {};
        QTest::newRow("trailing blank") << std::string("shutdown -l ") << Args {};
        QTest::newRow("upper case") << std::string("SHUTDOWN -s -t 00") << Args {};
        QTest::newRow("abort") << std::string("shutdown -a") << Args {};
        QTest::newRow("empty") << std::string() << Args {};
    }

    void systemAction()
    {
        QFETCH(std::string, commandLine);
        QFETCH(Args, argv);
        ScopedEnv session("XDG_SESSION_ID", "c7");
        QCOMPARE(platform::posix::systemActionFor(commandLine), argv);
    }

    void logOffWithoutASessionIdNamesTheCallersSession()
    {
        {
            ScopedEnv session("XDG_SESSION_ID", "");
            QCOMPARE(platform::posix::systemActionFor("shutdown -l"),
                (Args {"loginctl", "terminate-session", "self"}));
        }
        const QByteArray old = qgetenv("XDG_SESSION_ID");
        const bool had = qEnvironmentVariableIsSet("XDG_SESSION_ID");
        qunsetenv("XDG_SESSION_ID");
        QCOMPARE(platform::posix::systemActionFor("shutdown -l"),
            (Args {"loginctl", "terminate-session", "self"}));
        if (had)
            qputenv("XDG_SESSION_ID", old);
    }

    void findInPath()
    {
        QTemporaryDir first, second;
        QVERIFY(first.isValid() && second.isValid());
        writeScript(first.filePath(QStringLiteral("plain")), "#!/bin/sh\n", false);
        writeScript(second.filePath(QStringLiteral("plain")), "#!/bin/sh\n");
        writeScript(second.filePath(QStringLiteral("tool")), "#!/bin/sh\n");
        QVERIFY(QDir(first.path()).mkdir(QStringLiteral("tool")));
        const QByteArray path = first.path().toLocal8Bit() + ":" + second.path().toLocal8Bit();
        ScopedEnv env("PATH", path);

        const std::string dir2 = second.path().toStdString();
        // A file that cannot be run and a folder of the same name are passed over.
        QCOMPARE(platform::posix::findInPath("plain"), dir2 + "/plain");
        QCOMPARE(platform::posix::findInPath("tool"), dir2 + "/tool");
        QCOMPARE(platform::posix::findInPath("missing"), std::string());
        QCOMPARE(platform::posix::findInPath(""), std::string());
        QCOMPARE(platform::posix::findInPath("/bin/true"), std::string("/bin/true"));
        QCOMPARE(platform::posix::findInPath(first.path().toStdString() + "/plain"), std::string());
    }

    void spawnReportsWhetherTheProgramStarted()
    {
        QVERIFY(platform::posix::spawnDetached({"/bin/true"}));
        QVERIFY(platform::posix::spawnDetached({"/bin/true", "with", "arguments"}));
        QVERIFY(!platform::posix::spawnDetached({}));
        QVERIFY(!platform::posix::spawnDetached({"/nonexistent/program"}));

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        ScopedEnv env("PATH", dir.path().toLocal8Bit());
        QVERIFY(!platform::posix::spawnDetached({"vantrel-no-such-program"}));
        // Found on PATH, but its interpreter is missing: the exec fails.
        writeScript(dir.filePath(QStringLiteral("broken")), "#!/nonexistent/interpreter\n");
        QVERIFY(!platform::posix::spawnDetached({"broken"}));
    }

    void argumentsReachTheProgramWithoutAShell()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString out = dir.filePath(QStringLiteral("out"));
        writeScript(dir.filePath(QStringLiteral("record")),
            "#!/bin/sh\n{ echo \"ppid=$PPID\"; for a in \"$@\"; do echo \"[$a]\"; done; } > \""
                + out.toLocal8Bit() + ".tmp\"\n/bin/mv \"" + out.toLocal8Bit() + ".tmp\" \""
                + out.toLocal8Bit() + "\"\n");
        ScopedEnv env("PATH", dir.path().toLocal8Bit());
        QVERIFY(platform::posix::spawnDetached({"record", "two words", "$HOME;*", ""}));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 5000);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QVERIFY(lines.size() >= 4);
        // Started by an intermediate that has left: not a child of ours.
        QVERIFY(lines[0].startsWith("ppid="));
        QVERIFY(lines[0] != "ppid=" + QByteArray::number(getpid()));
        QCOMPARE(lines[1], QByteArray("[two words]"));
        QCOMPARE(lines[2], QByteArray("[$HOME;*]"));
        QCOMPARE(lines[3], QByteArray("[]"));
    }
};

QTEST_GUILESS_MAIN(tst_spawn)
#include "tst_spawn.moc"
