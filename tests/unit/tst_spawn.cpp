// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The POSIX process helpers: which program carries out each shutdown command
// line, the PATH search, and the detached start without a shell, also as the
// native backend uses them. Nothing here ever starts a system action: only
// /bin/true and scripts of the test's own, alone on PATH.
#include "platform/Platform.h"
#include "platform/linux/posix/Spawn.h"

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

// Writes a program `name` into `dir` that records its parent and each of its
// arguments, one "[argument]" a line, into the file whose path it returns.
QString writeRecorder(const QTemporaryDir& dir, const QString& name)
{
    const QByteArray out = dir.filePath(QStringLiteral("out")).toLocal8Bit();
    writeScript(dir.filePath(name),
        "#!/bin/sh\n{ echo \"ppid=$PPID\"; for a in \"$@\"; do echo \"[$a]\"; done; } > \"" + out
            + ".tmp\"\n/bin/mv \"" + out + ".tmp\" \"" + out + "\"\n");
    return QString::fromLocal8Bit(out);
}

// What the recorder wrote, once it has run.
QList<QByteArray> recorded(const QString& out)
{
    if (!QTest::qWaitFor([&out] { return QFile::exists(out); }, 5000))
        return {};
    QFile file(out);
    return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
}

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
                                 << Args {"loginctl", "terminate-session", "--", "c7"};
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
                (Args {"loginctl", "terminate-session", "--", "self"}));
        }
        const QByteArray old = qgetenv("XDG_SESSION_ID");
        const bool had = qEnvironmentVariableIsSet("XDG_SESSION_ID");
        qunsetenv("XDG_SESSION_ID");
        QCOMPARE(platform::posix::systemActionFor("shutdown -l"),
            (Args {"loginctl", "terminate-session", "--", "self"}));
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

    // An empty entry of PATH never stands for the current folder.
    void findInPathSkipsEmptyEntries()
    {
        QTemporaryDir here;
        QVERIFY(here.isValid());
        writeScript(here.filePath(QStringLiteral("systemctl")), "#!/bin/sh\n");
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(here.path()));
        for (const char* path : {"", ":", "/nonexistent::/nonexistent", "/nonexistent:"}) {
            ScopedEnv env("PATH", path);
            QVERIFY2(platform::posix::findInPath("systemctl").empty(), path);
        }
        QVERIFY(QDir::setCurrent(before));
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
        const QString out = writeRecorder(dir, QStringLiteral("record"));
        ScopedEnv env("PATH", dir.path().toLocal8Bit());
        QVERIFY(platform::posix::spawnDetached({"record", "two words", "$HOME;*", ""}));
        const QList<QByteArray> lines = recorded(out);
        QVERIFY(lines.size() >= 4);
        // Started by an intermediate that has left: not a child of ours.
        QVERIFY(lines[0].startsWith("ppid="));
        QVERIFY(lines[0] != "ppid=" + QByteArray::number(getpid()));
        QCOMPARE(lines[1], QByteArray("[two words]"));
        QCOMPARE(lines[2], QByteArray("[$HOME;*]"));
        QCOMPARE(lines[3], QByteArray("[]"));
    }

    // The native backend's log-off takes the same road: the session id
    // reaches loginctl as one argument, blanks and semicolons included.
    void logOffPassesTheSessionIdAsOneArgument()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString out = writeRecorder(dir, QStringLiteral("loginctl"));
        ScopedEnv env("PATH", dir.path().toLocal8Bit());
        ScopedEnv session("XDG_SESSION_ID", "c7 x;y");
        QVERIFY(platform::makeNative()->launch("shutdown -l", 0));
        const QList<QByteArray> lines = recorded(out);
        QCOMPARE(lines.mid(1), (QList<QByteArray> {"[terminate-session]", "[--]", "[c7 x;y]", ""}));
    }
};

QTEST_GUILESS_MAIN(tst_spawn)
#include "tst_spawn.moc"
