// Local project operations on real files in a scratch working folder, with the
// device link against the switch simulator for the page's hand-over.

#include "device/orb_conn2device.h"
#include "projects/orb_loader.h"
#include "tests/support/scratch_filesystem.h"
#include "tests/support/test_files.h"
#include "tools/drive/dialog_watcher.h"
#include "tools/drive/switch_simulator.h"
#include "ui/local_projects.h"
#include "ui/window_state.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QStringList menu_entries(QToolButton* button)
{
    QStringList entries;
    for (QAction* action : button->menu()->actions())
        entries.append(action->text());
    return entries;
}

QAction* menu_action(QToolButton* button, const QString& text)
{
    return button->menu()->actions().value(menu_entries(button).indexOf(text));
}

const char handed_over_switch[] = R"({"ip":["192.168.1.11"],"sn":["ORB24080001"],"mac":["m"],"model":["GS2408P"],)"
                                  R"("passwd":["admin123"],"active":["active"]})";

} // namespace

class TestLocalProjects : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<QWidget> host;
    QTreeWidget* tree = nullptr;
    QToolButton* open_button = nullptr;
    QToolButton* delete_button = nullptr;
    QToolButton* device_button = nullptr;
    QLineEdit* state = nullptr;
    ORB_Loader* loader = nullptr;
    ORB_CONN2DEVICE* link = nullptr;
    ORB_LocalProjects* projects = nullptr;
    ORB_WindowState shared;

    QString config(const QString& file) const { return work->filePath("config/" + file); }

    QStringList column(int c) const
    {
        QStringList values;
        for (int r = 0; r < tree->topLevelItem(0)->childCount(); ++r)
            values.append(tree->topLevelItem(0)->child(r)->text(c));
        return values;
    }

    void project_with(const QString& name, const QList<QStringList>& rows)
    {
        projects->new_project();
        QTreeWidgetItem* project = tree->topLevelItem(0);
        project->setText(0, name);
        for (const QStringList& row : rows)
            new QTreeWidgetItem(project, row);
    }

private slots:
    void init()
    {
        work = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(work->path());
        QDir().mkpath("config");
        QDir().mkpath("log");
        host = std::make_unique<QWidget>();
        tree = new QTreeWidget(host.get());
        open_button = new QToolButton(host.get());
        delete_button = new QToolButton(host.get());
        device_button = new QToolButton(host.get());
        state = new QLineEdit(host.get());
        loader = new ORB_Loader(host.get());
        link = new ORB_CONN2DEVICE(host.get());
        projects = new ORB_LocalProjects({tree, open_button, delete_button, device_button, state}, loader, link,
                                         shared, host.get());
        connect(projects, &ORB_LocalProjects::project_chosen, projects,
                [this](QAction* a) { projects->load_local_project(a->text()); });
        connect(projects, &ORB_LocalProjects::project_deletion_chosen, projects,
                [this](QAction* a) { projects->delete_project(a->text()); });
        connect(link, &ORB_CONN2DEVICE::get_local_project, projects, &ORB_LocalProjects::send_local_devices);
        connect(link, &ORB_CONN2DEVICE::update_local_project, projects, &ORB_LocalProjects::update_from_page);
        host->show();
    }

    void cleanup()
    {
        host.reset();
        QDir::setCurrent(QDir::tempPath());
        work.reset();
    }

    void newProjectAndEmptySaves()
    {
        shared.current_device_sn = "ORB1";
        projects->new_project();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("default_project"));
        const QLineEdit* editor = tree->viewport()->findChild<QLineEdit*>(); // open for the name
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(shared.current_device_sn, QString());
        QCOMPARE(state->text(), QString("create new local project successfully"));

        QVERIFY(projects->save_project());
        QVERIFY(projects->save_project());
        QCOMPARE(read_file(config("default_project.json")),
                 QByteArray("{\n\t\"ip\":\t[],\n\t\"sn\":\t[],\n\t\"mac\":\t[],\n\t\"model\":\t[],\n\t\"passwd\":\t[],\n"
                            "\t\"active\":\t[]\n}"));
        const QString log = QString::fromUtf8(read_file("log/log.txt"));
        // Two lines, each ended by a line feed.
        const QRegularExpression lines(R"(^(\w{3} \w{3} +\d+ \d\d:\d\d:\d\d \d{4} saved Project default_project:)"
                                       R"(\{"ip":\[\],"sn":\[\],"mac":\[\],"model":\[\],"passwd":\[\],)"
                                       R"("active":\[\]\}\n){2}\z)");
        QVERIFY2(lines.match(log).hasMatch(), qPrintable(log));
        QCOMPARE(state->text(), QString("saving local project end"));
        // Written for the user alone, whatever the umask.
        for (const QString& file : {config("default_project.json"), QString("log/log.txt")})
            QCOMPARE(QFile::permissions(file) & ~QFileDevice::Permissions(QFileDevice::ReadUser | QFileDevice::WriteUser),
                     QFileDevice::Permissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }

    void passwordsRoundTripAndStayEncrypted()
    {
        project_with("site", {{"A", "10.0.0.1", "m1", "GS2408P", "abc", "active"},
                              {"B", "10.0.0.2", "m2", "GS2410M", "", "active"},
                              {"C", "10.0.0.3", "m3", "GS2426F", "Pässwörd1", "not_active"}});
        QVERIFY(projects->save_project());
        // The whole file, so a password cannot slip into another column.
        QCOMPARE(read_json_object(config("site.json")),
                 (QJsonObject{{"sn", QJsonArray{"A", "B", "C"}},
                              {"ip", QJsonArray{"10.0.0.1", "10.0.0.2", "10.0.0.3"}},
                              {"mac", QJsonArray{"m1", "m2", "m3"}},
                              {"model", QJsonArray{"GS2408P", "GS2410M", "GS2426F"}},
                              {"passwd", QJsonArray{"ocLD", "", "Ft8TroPxXEmyxJE="}},
                              {"active", QJsonArray{"active", "active", "not_active"}}}));

        tree->clear();
        projects->load_local_project("site");
        QCOMPARE(state->text(), QString("loading local project end"));
        QCOMPARE(column(4), (QStringList{"abc", "", "Pässwörd1"}));
        QCOMPARE(column(5), (QStringList{"active", "active", "not_active"}));
    }

    // Keys are read without regard to case; a missing or incomplete project
    // leaves the open one open (and saved under its own name).
    void loadingOddFiles()
    {
        QVERIFY(write_file(config("caps.json"), R"({"IP":["10.0.0.7"],"Sn":["S7"],"MAC":["m"],"Model":["GS2408P"],)"
                                                R"("PASSWD":[""],"Active":["active"]})"));
        projects->load_local_project("caps");
        QCOMPARE(column(1), QStringList{"10.0.0.7"});

        projects->load_local_project("missing");
        QCOMPARE(state->text(), QString("loading local project"));
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("caps"));
        QCOMPARE(QSettings("./Settings.ini", QSettings::IniFormat).value("filepath").toString(), QString("caps"));
        QVERIFY(projects->save_project());
        QVERIFY(!QFile::exists(config("missing.json")));

        QVERIFY(write_file(config("broken.json"), R"({"ip":[],"sn":[],"mac":[],"model":[],"passwd":[]})"));
        projects->load_local_project("broken");
        QCOMPARE(state->text(), QString("load project fail"));
        QCOMPARE(shown_tooltip(state->toolTip()), QString(QDir::currentPath() + "/config/broken.json is not a whole project file"));
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("caps"));
        QCOMPARE(QSettings("./Settings.ini", QSettings::IniFormat).value("filepath").toString(), QString("caps"));
    }

    void hostileNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"../escape", "a/b", "a\\b", "x:y", "star*", "what?", "say\"", "lt<", "gt>", "pi|pe",
                                 "tab\there", ".hidden", "..", "a..b", "device_info", ""})
            QTest::newRow(name) << QString(name);
    }

    void hostileNamesAreRefused()
    {
        QFETCH(QString, name);
        project_with(name, {{"A", "10.0.0.1", "m", "GS2408P", "p", "active"}});
        QVERIFY(!projects->save_project());
        QVERIFY(state->text() != "saving local project"); // the refusal says why
        QCOMPARE(QDir(work->path() + "/config").entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(work->path()).entryList({"*.json"}, QDir::Files), QStringList());

        QVERIFY(loader->reset_device_info(config("device_info.json")));
        QVERIFY(write_file(work->filePath("victim.json"), "{}"));
        projects->delete_project(name);
        projects->delete_project("../victim");
        QVERIFY(QFile::exists(config("device_info.json")));
        QVERIFY(QFile::exists(work->filePath("victim.json")));
        projects->load_local_project("../victim");
        QVERIFY(tree->topLevelItem(0)->text(0) == name);
    }

    void dottedNamesKeepTheirWholeName()
    {
        project_with("a", {{"A", "10.0.0.1", "m", "GS2408P", "pa", "active"}});
        QVERIFY(projects->save_project());
        project_with("a.b", {{"B", "10.0.0.2", "m", "GS2408P", "pb", "active"}});
        QVERIFY(projects->save_project());
        // The menus list the project files in config/, by their whole names.
        QStringList entries = menu_entries(open_button);
        entries.sort();
        QCOMPARE(entries, (QStringList{"a", "a.b"}));

        tree->clear();
        menu_action(open_button, "a.b")->trigger();
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("a.b"));
        QCOMPARE(column(0), QStringList{"B"});

        DialogWatcher watcher;
        watcher.answers = {QMessageBox::Yes};
        menu_action(delete_button, "a.b")->trigger();
        QCOMPARE(watcher.take_box(), QString("Tips: Delete project a.b?"));
        QCOMPARE(menu_entries(open_button), QStringList{"a"}); // a.b.json went, a.json stayed
        // The shown project was deleted: an editable new one takes its place.
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("default_project"));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 0);
    }

    void onlyAProjectIsSaved()
    {
        tree->clear();
        auto* search_result = new QTreeWidgetItem(tree, QStringList{"192.168.1.11"});
        new QTreeWidgetItem(search_result, QStringList{"IP", "192.168.1.11"});
        QVERIFY(!projects->save_project());
        QCOMPARE(state->text(), QString("saving local project fail"));
        QCOMPARE(QDir(work->path() + "/config").entryList(QDir::Files), QStringList());
        QVERIFY(read_file("log/log.txt").isEmpty());
    }

    void deviceMenuAndRemoval()
    {
        project_with("site", {{"A", "10.0.0.1", "m", "GS2408P", "p", "active"},
                              {"B", "10.0.0.2", "m", "GS2408P", "p", "active"},
                              {"A", "10.0.0.3", "m", "GS2408P", "p", "active"}});
        projects->refresh_local_menus();
        QCOMPARE(menu_entries(device_button), (QStringList{"A", "B", "A"}));
        projects->delete_device("A");
        QCOMPARE(column(1), (QStringList{"10.0.0.2", "10.0.0.3"}));
        QCOMPARE(state->text(), QString("A removed from the project; save the project to keep the change"));
        // Rows that moved since the menu was made: the named switch goes.
        tree->topLevelItem(0)->insertChild(0, new QTreeWidgetItem(QStringList{"C", "10.0.0.4"}));
        projects->delete_device("B");
        QCOMPARE(column(0), (QStringList{"C", "A"}));
    }

    // Searches get the open project's switches, one an address, and the page
    // hears which project is open.
    void localDeviceListForSearches()
    {
        QVERIFY(write_file(config("one.json"), R"({"ip":["10.0.0.1"],"sn":["A"],"mac":[""],"model":[""],)"
                                               R"("passwd":[""],"active":["active"]})"));
        QVERIFY(write_file(config("two.json"), R"({"ip":["10.0.0.2","10.0.0.3","10.0.0.3"],"sn":["B","C","D"],)"
                                               R"("mac":["","",""],"model":["","",""],"passwd":["","",""],)"
                                               R"("active":["active","active","not_active"]})"));
        projects->send_local_devices();
        QCOMPARE(cjson_print(link->local_device_document()), QByteArray(R"({"local_device":[]})"));

        QSignalSpy page(link, &ORB_CONN2DEVICE::qt2html_device_udp);
        projects->load_local_project("two");
        QCOMPARE(page.last()[0].toJsonObject(),
                 (QJsonObject{{"command", "localProject"}, {"name", "two"}, {"sn", QJsonArray{"B", "C", "D"}}}));
        tree->clear(); // a search shows instead: the project is still the open one
        projects->send_local_devices();
        QCOMPARE(cjson_print(link->local_device_document()),
                 QByteArray(R"({"local_device":[{"ip":"10.0.0.2","sn":"B","active":"active"},)"
                            R"({"ip":"10.0.0.3","sn":"C","active":"active"}]})"));
    }

    void updateFromThePage()
    {
        SwitchSimulator sim;
        QVERIFY(sim.is_ready());
        link->search_device(true, "lo"); // opens the link's socket
        project_with("site", {{"ORB24080001", "10.9.9.9", "old", "GS2408P", "old", "active"},
                              {"KEEP", "10.0.0.5", "m", "GS2408P", "p", "active"}});
        QSignalSpy reports(link, &ORB_CONN2DEVICE::qt2html_udp);
        auto capture = std::make_unique<DebugCapture>();
        // The page hands over another document during the first wait (posted
        // as the update starts, it runs in that wait's loop); the update goes
        // on with the devices it started with.
        auto hand_over = std::make_shared<QMetaObject::Connection>();
        bool handed_over_during_update = false;
        *hand_over = connect(state, &QLineEdit::textChanged, this, [&, hand_over] {
            disconnect(*hand_over);
            QTimer::singleShot(0, link, [&] {
                handed_over_during_update = reports.isEmpty();
                link->device2local("{not json");
            });
        });
        link->device2local(R"({"ip":["192.168.1.11","192.168.1.15","192.168.1.12","10.1.1.1"],)"
                           R"("sn":["ORB24080001","ORB24080005","ORB24100002","GHOST"],)"
                           R"("mac":["m1","m5","m2","mg"],"model":["GS2408P","GS2408P","GS2410M","GS2408P"],)"
                           R"("passwd":["admin123","newpass1","wrong","x"],)"
                           R"("active":["active","not_active","active","active"]})");
        QTRY_VERIFY_WITH_TIMEOUT(state->text() == "update local devices successful", 30000);
        QVERIFY(handed_over_during_update);
        // The per-run device list logs what it removes, passwords masked.
        QVERIFY(loader->add_device("192.168.1.11", "ORB24080001", "m1", "GS2408P", "admin123", config("device_info.json")));
        QVERIFY(loader->remove_device(0, config("device_info.json")));
        const QString log = capture->text();
        capture.reset();
        QVERIFY(log.contains("curr_device") && log.contains("datas:deletBefore"));
        for (const char* password : {"admin123", "newpass1"})
            QVERIFY2(!log.contains(password), password);
        QCOMPARE(reports.last()[0].toJsonObject(), // the page's last word on the update
                 (QJsonObject{{"command", "add2local"}, {"errcode", 0}, {"failed_sn", QJsonArray{"ORB24100002", "GHOST"}},
                              {"failed_errmsgs", QJsonArray{"device is already actived!", "device not open!"}},
                              {"failed_ip", QJsonArray{"192.168.1.12", "10.1.1.1"}}}));

        QCOMPARE(column(5), (QStringList{"active", "active", "active"}));
        const QJsonObject file = read_json_object(config("site.json"));
        QCOMPARE(file["sn"].toArray(), (QJsonArray{"KEEP", "ORB24080001", "ORB24080005"}));

        // With no project shown, the page's switches start the default project.
        tree->clear();
        link->device2local(handed_over_switch);
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("default_project"));
        QCOMPARE(read_json_object(config("default_project.json"))["sn"].toArray(), QJsonArray{"ORB24080001"});
    }

    // Adding saves the whole project, so a pending removal is saved only when
    // the person says so: Cancel adds nothing and says so of every switch.
    void anAddAsksFirstAboutPendingChanges()
    {
        SwitchSimulator sim;
        QVERIFY(sim.is_ready());
        link->search_device(true, "lo"); // opens the link's socket
        project_with("site", {{"KEEP", "10.0.0.5", "m", "GS2408P", "p", "active"},
                              {"GONE", "10.0.0.6", "m", "GS2408P", "p", "active"}});
        QVERIFY(projects->save_project());
        projects->delete_device("GONE");
        QSignalSpy reports(link, &ORB_CONN2DEVICE::qt2html_udp);
        DialogWatcher watcher;
        watcher.answers = {QMessageBox::Cancel};
        link->device2local(handed_over_switch);
        QCOMPARE(watcher.boxes, QStringList({"Tips: Save changes to project site?"}));
        QCOMPARE(reports.size(), 1);
        const QJsonObject refused = reports.last()[0].toJsonObject();
        QCOMPARE(refused["failed_sn"].toArray(), QJsonArray{"ORB24080001"});
        QCOMPARE(refused["failed_errmsgs"].toArray(), QJsonArray{"saving local project fail"});
        QCOMPARE(read_json_object(config("site.json"))["sn"].toArray(), (QJsonArray{"KEEP", "GONE"}));
        QCOMPARE(column(0), QStringList{"KEEP"}); // still pending
        QVERIFY(projects->holds_unsaved_changes());

        watcher.answers = {QMessageBox::Save};
        link->device2local(handed_over_switch);
        QCOMPARE(reports.last()[0].toJsonObject()["failed_sn"].toArray(), QJsonArray());
        QCOMPARE(read_json_object(config("site.json"))["sn"].toArray(), (QJsonArray{"KEEP", "ORB24080001"}));
        QVERIFY(!projects->holds_unsaved_changes());
    }

    void aFailedSaveIsNeverReportedAsDone()
    {
        ScratchFilesystem small(work->filePath("config"), 16 * 1024);
        QVERIFY2(small.is_mounted(), "needs a private mount namespace (tools/isolated-lan.sh)");
        project_with("site", {{"A", "10.0.0.1", "m", "GS2408P", "p", "active"}});
        QVERIFY(projects->save_project());
        const QByteArray log_before = read_file("log/log.txt");
        small.fill();
        new QTreeWidgetItem(tree->topLevelItem(0), QStringList{"B", QString(20000, '1'), "m", "GS2408P", "p", "active"});
        QVERIFY(!projects->save_project());
        QCOMPARE(state->text(), QString("saving local project fail"));
        QCOMPARE(read_file("log/log.txt"), log_before);
    }

    void theLogNeitherFailsASaveNorGrowsWithoutBound()
    {
        project_with("site", {{"A", "10.0.0.1", "m", "GS2408P", "p", "active"}});
        QFile::remove("log/log.txt");
        QVERIFY(QDir().mkpath("log/log.txt")); // a folder: it cannot be appended to
        QVERIFY(projects->save_project());
        QCOMPARE(state->text(), QString("local project saved, but the save could not be written to log/log.txt"));
        QVERIFY(read_file(config("site.json")).contains("10.0.0.1"));

        QVERIFY(QDir("log/log.txt").removeRecursively());
        QVERIFY(write_file("log/log.txt", QByteArray(1024 * 1024, 'x')));
        QVERIFY(projects->save_project());
        QCOMPARE(read_file("log/log.txt.1").size(), 1024 * 1024);
        QVERIFY(read_file("log/log.txt").contains(" saved Project site:"));
        QCOMPARE(read_file("log/log.txt").count('\n'), 1);
    }
};

QTEST_MAIN(TestLocalProjects)
#include "test_local_projects.moc"
