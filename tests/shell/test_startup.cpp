// Runs the built program the way a user starts it (under Xvfb, inside the
// isolated namespaces) and checks the single-instance guard and the language
// chosen at start-up by what appears on the X display.

#include "tests/support/test_files.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>
#include <sys/stat.h>

namespace {

const QString ENGLISH_TITLE = "Management System PC";
const QString CHINESE_TITLE = QString::fromUtf8("PC 管理系统");

// The names of all windows on the display.
QString window_list()
{
    QProcess xwininfo;
    xwininfo.start("xwininfo", {"-root", "-tree"});
    xwininfo.waitForFinished(5000);
    return QString::fromUtf8(xwininfo.readAllStandardOutput());
}

bool wait_for_window(const QString& title, int timeout_ms = 20000)
{
    for (QDeadlineTimer deadline(timeout_ms); !deadline.hasExpired(); QTest::qWait(200))
        if (window_list().contains('"' + title + '"'))
            return true;
    return false;
}

int mode(const QString& path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777) : -1;
}

class ProgramRun
{
public:
    // own_ipc_namespace: the run gets its own single-instance lock.
    ProgramRun(const QString& working_dir, const QString& locale = "en_US.UTF-8", bool own_ipc_namespace = false)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANG", locale);
        env.insert("LC_ALL", locale);
        env.insert("LANGUAGE", "");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(working_dir);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (own_ipc_namespace)
            process.start("unshare", {"--ipc", "--", PCORB_PROGRAM});
        else
            process.start(PCORB_PROGRAM, QStringList());
        process.waitForStarted();
    }

    ~ProgramRun()
    {
        process.kill(); // nothing to do once it has ended
        process.waitForFinished(5000);
    }

    QProcess process;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    // A second start ends at once and leaves the first running; --help
    // answers even then, and without a display.
    void secondStartLeavesFirstRunning()
    {
        QTemporaryDir dir;
        ProgramRun first(dir.path());
        QVERIFY(wait_for_window(ENGLISH_TITLE));

        ProgramRun second(dir.path());
        QVERIFY(second.process.waitForFinished(5000));
        QCOMPARE(second.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process.exitCode(), 0);

        QProcess help;
        help.setWorkingDirectory(dir.path());
        help.start("env", {"-u", "DISPLAY", PCORB_PROGRAM, "--help"});
        QVERIFY(help.waitForFinished(5000));
        QCOMPARE(help.exitCode(), 0);
        const QString text = QString::fromUtf8(help.readAllStandardOutput());
        QVERIFY2(text.contains("--cloud") && text.contains("--help"), qPrintable(text));

        QCOMPARE(first.process.state(), QProcess::Running);
        QCOMPARE(window_list().count('"' + ENGLISH_TITLE + '"'), 1);
    }

    void startsAfterKilledInstance()
    {
        QTemporaryDir dir;
        {
            ProgramRun killed(dir.path());
            QVERIFY(wait_for_window(ENGLISH_TITLE));
            ::kill(pid_t(killed.process.processId()), SIGKILL);
            QVERIFY(killed.process.waitForFinished(5000));
        }
        ProgramRun next(dir.path());
        QVERIFY2(wait_for_window(ENGLISH_TITLE), "a start after a killed instance came up");
        // ... and holds the lock: one more start ends at once.
        ProgramRun third(dir.path());
        QVERIFY(third.process.waitForFinished(5000));
        QCOMPARE(third.process.exitCode(), 0);
        QCOMPARE(next.process.state(), QProcess::Running);
    }

    // Folders and files only the user may read; the device list emptied, and
    // exit code 0, when the session ends the program.
    void privateFilesAndCleanEnds()
    {
        for (const int signal : {SIGTERM, SIGINT}) {
            QTemporaryDir dir;
            // Left open by an older version: closed now.
            QVERIFY(QDir(dir.path()).mkpath("config") && QDir(dir.path()).mkpath("log"));
            QVERIFY(::chmod(QFile::encodeName(dir.filePath("config")).constData(), 0755) == 0);
            ProgramRun run(dir.path());
            QVERIFY(wait_for_window(ENGLISH_TITLE));
            QCOMPARE(mode(dir.filePath("config")), 0700);
            QCOMPARE(mode(dir.filePath("log")), 0700);
            const QString list = dir.filePath("config/device_info.json");
            QCOMPARE(mode(list), 0600);
            QVERIFY(write_file(list, R"({"ip":["1.2.3.4"],"sn":["S"],"passwd":["admin123"]})"));
            ::kill(pid_t(run.process.processId()), signal);
            QVERIFY(run.process.waitForFinished(10000));
            QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(run.process.exitCode(), 0);
            QVERIFY(!read_file(list).contains("admin123"));
        }
    }

    void languageAtStartup_data()
    {
        QTest::addColumn<QString>("setting"); // empty: no key
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("title");
        QTest::newRow("0, French locale") << "0" << "fr_FR.UTF-8" << CHINESE_TITLE;
        QTest::newRow("1, Chinese locale") << "1" << "zh_CN.UTF-8" << ENGLISH_TITLE;
        QTest::newRow("absent, Chinese locale") << "" << "zh_CN.UTF-8" << CHINESE_TITLE;
        QTest::newRow("absent, Taiwanese locale") << "" << "zh_TW.UTF-8" << CHINESE_TITLE;
        QTest::newRow("absent, French locale") << "" << "fr_FR.UTF-8" << ENGLISH_TITLE;
    }

    void languageAtStartup()
    {
        QFETCH(QString, setting);
        QFETCH(QString, locale);
        QFETCH(QString, title);
        QTemporaryDir dir;
        if (!setting.isEmpty())
            QVERIFY(write_file(dir.filePath("Settings.ini"), "[General]\nlanguage=" + setting.toLatin1() + "\n"));
        ProgramRun run(dir.path(), locale, true);
        QVERIFY2(wait_for_window(title), qPrintable(window_list()));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
