// The cloud project tree and its dialogs against the reference cloud service
// over HTTPS, signed in as ana: what she sees, and each change she makes from
// the rows, the dialogs and the questions, with failures the service injects.
// The tree lives in a plain widget here (no web view), so these tests also
// run under the sanitizers.

#include "tests/support/cloud_bench.h"
#include "ui/orb_server_new_device_window.h"
#include "ui/orb_server_new_project_window.h"

#include <QJsonDocument>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTest>

#include <memory>

using Answer = QMessageBox::StandardButton;

class TestCloudProjectTree : public QObject
{
    Q_OBJECT

    QTemporaryDir work;
    std::unique_ptr<CloudBench> bench;
    QTreeWidget* tree = nullptr;

    // The row of a project or switch by its name or serial number.
    QTreeWidgetItem* row(const QString& text)
    {
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive, 1)
                         + tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive, 2);
        return found.isEmpty() ? nullptr : found.first();
    }

    QStringList drawn()
    {
        QStringList lines;
        for (int p = 0; p < tree->topLevelItemCount(); ++p) {
            lines.append(tree->topLevelItem(p)->text(1) + ":");
            for (int c = 0; c < tree->topLevelItem(p)->childCount(); ++c)
                lines.last() += " " + tree->topLevelItem(p)->child(c)->text(2);
        }
        return lines;
    }

    int requests(const QString& action) { return bench->requests(action); }
    void expect_box(const QString& text) { QCOMPARE(bench->watcher.take_box(), "Tips: " + text); }

    // Clicks a row's first cell, answers the question it asks, and takes the box that follows if one is given.
    void answer_click(const QString& text, QMessageBox::StandardButton answer, const QString& box = QString())
    {
        bench->watcher.answers = {answer};
        emit tree->itemClicked(row(text), 0);
        QVERIFY(bench->watcher.take_box().startsWith("Tips: Are you sure"));
        if (!box.isEmpty())
            expect_box(box);
    }

    void confirm_dialog(const QString& name, const QStringList& switches, const QString& box)
    {
        auto* dialog = shown_window<ORB_Server_New_Project_Window>();
        QVERIFY(dialog);
        if (!name.isEmpty())
            dialog->findChild<QLineEdit*>("project_name_text")->setText(name);
        for (const QString& entry : switches)
            dialog->load2model(entry.section('/', 0, 0), "Name of " + entry, entry.section('/', 1));
        dialog->findChild<QPushButton*>("confirm_button")->click();
        expect_box(box);
    }

    // Types one switch into a new device dialog of the project dialog and
    // confirms it; a refusal is the message expected instead.
    void type_switch(ORB_Server_New_Project_Window* dialog, const QString& sn, const QString& name,
                     const QString& password, const QString& refusal = QString())
    {
        dialog->findChild<QPushButton*>("append_switch_button")->click();
        auto* device = shown_window<ORB_Server_New_Device_Window>();
        QVERIFY(device);
        device->findChild<QLineEdit*>("sn_text")->setText(sn);
        device->findChild<QLineEdit*>("name_text")->setText(name);
        device->findChild<QLineEdit*>("passwd_text")->setText(password);
        QTest::keyClick(device->findChild<QLineEdit*>("passwd_text"), Qt::Key_Return);
        if (!refusal.isEmpty())
            expect_box(refusal);
        if (device->isVisible())
            device->close();
    }

private slots:
    void initTestCase() { QVERIFY(CloudBench::enter(work)); }

    // A fresh service, signed in as ana, and her tree drawn.
    void init()
    {
        bench = std::make_unique<CloudBench>(work.filePath("certs"), QFINDTESTDATA("../cloud/seed.json"));
        QVERIFY(bench->cloud->is_ready());
        tree = bench->tree;
        bench->link->mobile_login("13800000001", "Secret-1");
        QCOMPARE(bench->link->result_code(), 0);
        bench->projects->refresh();
    }

    void cleanup()
    {
        QVERIFY2(bench->watcher.boxes.isEmpty(), qPrintable(bench->watcher.boxes.join(" | ")));
        bench.reset();
    }

    // What she sees, the summary the page gets with each redraw, and the
    // switches she opens in the page.
    void treeAndPage()
    {
        QCOMPARE(drawn(), QStringList({"Head office: CLD0001 CLD0002", "Warehouse: CLD0003"}));
        QVERIFY(!row("Head office")->icon(0).isNull() && !row("Head office")->icon(4).isNull());
        QVERIFY(row("CLD0001")->flags() & Qt::ItemIsEnabled);
        QVERIFY(!(row("CLD0002")->flags() & Qt::ItemIsEnabled)); // offline
        QVERIFY(!row("CLD0001")->icon(0).isNull());
        QVERIFY(!(row("CLD0003")->flags() & Qt::ItemIsEditable)); // a shared project's switch
        QVERIFY(row("CLD0003")->icon(0).isNull());
        QVERIFY(!(row("Warehouse")->flags() & Qt::ItemIsEditable));

        QSignalSpy page(bench->link.get(), &ORB_CONN2SERVER::qt2html_device_tcp);
        bench->projects->refresh();
        emit tree->itemDoubleClicked(row("CLD0001"), 1);
        QCOMPARE(page.size(), 2);
        QCOMPARE(QJsonDocument(page[0][0].toJsonObject()).toJson(QJsonDocument::Compact),
                 QByteArray(R"({"command":"cloudProjectInfo","errcode":0,"projects":[)"
                            R"({"projectname":"Head office","projectpid":"100","projectsn":["CLD0001","CLD0002"]},)"
                            R"({"projectname":"Warehouse","projectpid":"200","projectsn":["CLD0003"]}]})"));
        QCOMPARE(QJsonDocument(page[1][0].toJsonObject()).toJson(QJsonDocument::Compact),
                 QByteArray(R"({"V":"V2.1.7","baseModel":"GS24","command":"web_sw","isJoin":1,"model":"GS2408P",)"
                            R"("name":"Gate","pid":"100","sn":"CLD0001"})"));
        emit tree->itemDoubleClicked(row("CLD0001"), 1);
        expect_box("select last device, please select other device");
        emit tree->itemDoubleClicked(row("CLD0003"), 1);
        emit tree->itemDoubleClicked(row("CLD0003"), 1); // alone in its project: again is fine
        emit tree->itemDoubleClicked(row("CLD0002"), 1);
        expect_box("device is offline");
        QCOMPARE(bench->shared.current_device_sn, QString("CLD0002"));
        emit tree->itemDoubleClicked(row("Head office"), 1);
        QCOMPARE(page.size(), 4);
        QCOMPARE(page[3][0].toJsonObject()["isJoin"].toInt(), 0);
    }

    void oddTreesDrawWhatCanBeActedOn()
    {
        const CJsonPtr odd(cJSON_Parse(R"({"admin":[{"name":"No id"},{"pid":"7","devices":{"online":[)"
                                       R"({"name":"no sn"},{"sn":"S1"}],"offline":[{"sn":"S2","name":"Off"}]}},)"
                                       R"({"pid":"7","name":"Twin"}]})"));
        bench->projects->redraw(odd.get());
        QCOMPARE(drawn(), QStringList({": S1 S2", "Twin: S1 S2"}));
        QTreeWidgetItem* s1 = row("S1");
        QCOMPARE(s1->text(6) + s1->text(8) + s1->text(9), QString("NULLNULLNULL"));
    }

    // Both uses of the project dialog: a new project, and switches added to one.
    void createProjectsAndAddSwitches()
    {
        bench->new_button->click();
        confirm_dialog("Depot", {"FREE01/spare1"}, "appending project successful");
        QVERIFY(drawn().contains("Depot: FREE01"));

        // Problem switches: the project exists, and the text says which failed.
        bench->new_button->click();
        confirm_dialog("Annex", {"FREE03/wrong1", "FREE02/spare2", "NOPE99/whatever", "CLD0001/devpass1"},
                       "Device Password Error: \nFREE03\nDevice Bound: \nCLD0001\nDevice Offline: \nFREE02\n"
                       "Device Does Not Exist: \nNOPE99\n");
        QVERIFY(drawn().contains("Annex:"));

        bench->new_button->click();
        bench->cloud->set_knob({{"action", "ProjectCreate"}, {"error", 10006}});
        confirm_dialog("Refused", {"FREE03/spare3"}, "appending project failed");
        QVERIFY(!row("Refused"));

        emit tree->itemClicked(row("Head office"), 4);
        ORB_Server_New_Project_Window* dialog = shown_window<ORB_Server_New_Project_Window>();
        QCOMPARE(dialog->windowTitle(), QString("Add Switch"));
        QCOMPARE(dialog->findChild<QLineEdit*>("project_name_text")->text(), QString("Head office"));
        QVERIFY(!dialog->findChild<QLineEdit*>("project_name_text")->isEnabled());
        confirm_dialog("", {"FREE03/spare3"}, "Add device successful");
        QVERIFY(drawn().contains("Head office: CLD0001 FREE03 CLD0002"));

        emit tree->itemClicked(row("Warehouse"), 4); // offered on shared projects; the cloud refuses
        confirm_dialog("", {"FREE03/spare3"}, "Add device failed");
    }

    void renames()
    {
        // A redraw ends with the page's summary: the rename has then run.
        QSignalSpy redrawn(bench->link.get(), &ORB_CONN2SERVER::qt2html_device_tcp);
        // Typed in the tree's own editor: the redraw must not pull the row
        // from under the editor's commit.
        tree->editItem(row("Head office"), 1);
        auto* editor = tree->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText("HQ");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(redrawn.size(), 1);
        QCOMPARE(drawn()[0], QString("HQ: CLD0001 CLD0002"));
        row("CLD0001")->setText(1, "Front gate");
        QTRY_COMPARE(redrawn.size(), 2);
        QCOMPARE(row("CLD0001")->text(1), QString("Front gate"));

        // Refused, and no fresh tree either: the old name comes back.
        bench->cloud->set_knob({{"error", 20006}, {"count", 2}});
        row("HQ")->setText(1, "Mine now");
        QTRY_COMPARE(redrawn.size(), 3);
        QVERIFY(row("HQ"));
        // Redraws never rename: one request per edit.
        QCOMPARE(requests("ProjectNameModify"), 2);
        QCOMPARE(requests("DeviceRename"), 1);
    }

    // Unbinding, deleting and leaving: a question first; a refusal leaves the
    // tree, a success redraws it, or keeps the old one when no new one comes.
    void deleteAndLeave()
    {
        for (const char* text : {"CLD0001", "Head office", "Warehouse"})
            answer_click(text, Answer::No);
        emit tree->itemClicked(row("CLD0003"), 0); // a shared project's switch: no question
        emit tree->itemClicked(row("CLD0001"), 2);
        QVERIFY(bench->watcher.boxes.isEmpty()); // a box would have come with the click
        QCOMPARE(requests("DeviceUnbind") + requests("ProjectDelete") + requests("ProjectDeleteRecv"), 0);

        const QStringList cases[] = {{"DeviceUnbind", "CLD0001", "deleting device failed"},
                                     {"ProjectDelete", "Head office", "Deleting project failed"},
                                     {"ProjectDeleteRecv", "Warehouse", "Exiting project failed"}};
        for (const QStringList& c : cases) {
            bench->cloud->set_knob({{"action", c[0]}, {"error", 20006}});
            answer_click(c[1], Answer::Yes, c[2]);
        }
        QCOMPARE(drawn(), QStringList({"Head office: CLD0001 CLD0002", "Warehouse: CLD0003"}));

        answer_click("CLD0001", Answer::Yes, "deleting device successful");
        QCOMPARE(drawn()[0], QString("Head office: CLD0002"));
        // The action succeeds, the query after it fails: success, old tree.
        bench->cloud->set_knob({{"action", "QueryDevice"}, {"error", 20005}});
        answer_click("CLD0002", Answer::Yes, "deleting device successful");
        QVERIFY(row("CLD0002"));
        bench->cloud->set_knob({{"action", "QueryDevice"}, {"reply", "not_json"}});
        bench->projects->refresh();
        QVERIFY(row("CLD0002"));
        bench->projects->refresh();
        QVERIFY(!row("CLD0002"));
        answer_click("Warehouse", Answer::Yes, "Exiting project successful");
        answer_click("Head office", Answer::Yes, "Deleting project successful");
        QCOMPARE(tree->topLevelItemCount(), 0);
    }

    void dialogsCheckWhatIsTyped()
    {
        QPointer<ORB_Server_New_Project_Window> dialog = new ORB_Server_New_Project_Window;
        dialog->set_target_project("ignored", ""); // no id: still a new project
        dialog->show();
        type_switch(dialog, "", "Gate", "123456", "Sn can not be empty!");
        type_switch(dialog, "S1", "", "123456", "Device name can not be empty!");
        type_switch(dialog, "S1", "Gate", "12345", "Please enter a 6-12 digit device password!");
        type_switch(dialog, "S1", "Gate", "1234567890123", "Please enter a 6-12 digit device password!");
        type_switch(dialog, "S1", "Gate", "abcdef");
        type_switch(dialog, "S1", "Other", "123456789012"); // a serial number already listed is dropped
        type_switch(dialog, "  ", "  ", "123456789012"); // only emptiness is refused
        auto* view = dialog->findChild<QTableView*>("device_listview");
        QCOMPARE(view->model()->rowCount(), 2);
        QCOMPARE(view->model()->index(0, 1).data().toString(), QString("Gate"));
        QVERIFY(view->isColumnHidden(2));

        // The context menu deletes a row without a question.
        emit view->customContextMenuRequested(view->visualRect(view->model()->index(1, 0)).center());
        view->findChild<QMenu*>()->actions().first()->trigger();
        QCOMPARE(view->model()->rowCount(), 1);

        QSignalSpy ready(dialog.data(), &ORB_Server_New_Project_Window::ready2append);
        dialog->findChild<QPushButton*>("confirm_button")->click(); // no name: nothing happens
        QVERIFY(dialog->isVisible() && ready.isEmpty());
        dialog->findChild<QLineEdit*>("project_name_text")->setText("Site");
        emit view->customContextMenuRequested(view->visualRect(view->model()->index(0, 0)).center());
        view->findChild<QMenu*>()->actions().first()->trigger();
        dialog->findChild<QPushButton*>("confirm_button")->click();
        expect_box("Please complete the project information!");
        QCOMPARE(ready.size(), 1);
        QCOMPARE(ready[0][0].toString(), QString("Site"));
        QVERIFY(ready[0][1].value<QList<QString>>().isEmpty());
        QTRY_VERIFY(!dialog); // freed once confirmed
    }

    void aRefreshDuringAnActionWaitsForIt()
    {
        for (const bool fails : {true, false}) {
            bench->cloud->set_knob({{"action", "ProjectDelete"}, {"delay_ms", 2000}, {"error", fails ? 20006 : 0}});
            QSignalSpy page(bench->link.get(), &ORB_CONN2SERVER::qt2html_device_tcp);
            const auto in_time = bench->while_held("ProjectDelete", [this] {
                bench->link->emitRefreshServerProjectDataSignal();
                emit tree->itemClicked(row("Warehouse"), 0); // a click during the wait is ignored
            });
            answer_click("Head office", Answer::Yes, fails ? "Deleting project failed" : "Deleting project successful");
            QVERIFY(*in_time);
            QCOMPARE(page.value(0).value(0).toJsonObject(), QJsonObject({{"errcode", 0}}));
            QCOMPARE(bool(row("Head office")), fails);
        }
        // A project confirmed while a refresh waits is created after it, and stays drawn.
        bench->cloud->set_knob({{"action", "QueryDevice"}, {"delay_ms", 2000}});
        const auto in_time = bench->while_held(
            "QueryDevice", [this] { bench->projects->append_project("Late", {"FREE01"}, {"x"}, {"spare1"}); });
        bench->projects->refresh();
        expect_box("appending project successful");
        QVERIFY(*in_time);
        QVERIFY(row("Late"));
    }
};

QTEST_MAIN(TestCloudProjectTree)
#include "test_cloud_project_tree.moc"
