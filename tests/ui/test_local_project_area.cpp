// A person's path through the local project area, in the real window and page
// against the switch simulator: a project created, named and filled from the
// page (one password refused), saved, another opened (the page's marks
// follow), deleted after a question, a name of another project refused.

#include "tests/support/test_files.h"
#include "tools/drive/dialog_watcher.h"
#include "tools/drive/window_fixture.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <memory>

class TestLocalProjectArea : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> lan;
    std::unique_ptr<DialogWatcher> watcher;
    PageDriver* page = nullptr;
    // How far the story has come: a test run on its own first tells the rest.
    bool filled = false;
    bool saved = false;

    template <typename T> T* widget(const char* name) { return lan->window->findChild<T*>(name); }
    QString state() { return widget<QLineEdit>("state_text")->text(); }

    void choose(const char* button, const QString& entry)
    {
        for (QAction* action : widget<QToolButton>(button)->menu()->actions())
            if (action->text() == entry)
                return action->trigger();
        QFAIL(qPrintable(entry + " is not in the menu of " + button));
    }

    // A new project, named in the tree's editor as a person types it.
    void new_project(const QString& name)
    {
        widget<QPushButton>("new_project_button")->click();
        auto* editor = lan->tree()->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, name);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(lan->tree()->topLevelItem(0)->text(0), name); // the editor commits after the key
    }

    // Presses a key on the next question, as a person would.
    void press_on_next_question(Qt::Key key)
    {
        auto* look = new QTimer(this);
        connect(look, &QTimer::timeout, this, [look, key] {
            if (auto* box = shown_window<QMessageBox>()) {
                look->deleteLater();
                look->stop();
                QTest::keyClick(box, key);
            }
        });
        look->start(50);
    }

    QString in_project_marks()
    {
        return page->run("[...document.querySelectorAll('#device-table tbody tr')]"
                         ".filter(r => r.querySelector('.badge.project')).map(r => r.dataset.sn).join(' ')")
            .toString();
    }

private slots:
    void initTestCase()
    {
        lan = std::make_unique<WindowFixture>();
        QVERIFY(lan->is_ready());
        page = lan->page.get();
        watcher = std::make_unique<DialogWatcher>();
        // A project from an earlier visit.
        QVERIFY(write_file("config/south.json", R"({"ip":["192.168.1.13"],"sn":["ORB24260003"],"mac":["m"],)"
                                                R"("model":["GS2426F"],"passwd":["ocLD"],"active":["active"]})"));
    }

    void createNameAndFillFromThePage()
    {
        // Named in the tree; the page hears the name with the first save.
        new_project("north");
        QVERIFY(page->wait_for("document.getElementById('project-name').textContent === "
                               "'Local project: default_project'"));
        page->run("document.getElementById('nic-select').value = 'lo'");
        page->click("#search-button");
        QVERIFY(page->wait_for("document.querySelectorAll('#device-table tbody tr').length === 7", 15000));
        page->run("for (const sn of ['ORB24080001', 'ORB24080005', 'ORB24100002']) "
                  "document.querySelector(`#device-table tr[data-sn='${sn}'] input`).click()");
        page->click("#add-button");
        page->run("const passwords = {ORB24080001: 'admin123', ORB24080005: 'newpass1', ORB24100002: 'wrong'};"
                  "for (const row of document.querySelectorAll('#add-rows tr'))"
                  "  row.querySelector('input').value = passwords[row.dataset.sn];");
        page->click("#add-confirm");
        QVERIFY(page->wait_for("document.querySelectorAll('#add-result li.ok').length === 2", 20000));
        QCOMPARE(page->text("#add-result li.failed"),
                 QString("192.168.1.12 (ORB24100002): refused (already activated or wrong password)"));
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("north")); // its rows are checked in the saved file
        QCOMPARE(in_project_marks(), QString("ORB24080001 ORB24080005"));
        QCOMPARE(page->text("#device-table tr[data-sn='ORB24080005'] .badge.project"), QString("in project"));
        QVERIFY(page->wait_for("document.getElementById('project-name').textContent === 'Local project: north'"));
        filled = true;
    }

    void saveThenOpenAnother()
    {
        if (!filled)
            createNameAndFillFromThePage();
        widget<QPushButton>("save_project_button")->click();
        QCOMPARE(state(), QString("saving local project end"));
        QCOMPARE(read_json_object("config/north.json")["sn"].toVariant().toStringList(),
                 (QStringList{"ORB24080001", "ORB24080005"}));
        choose("open_project_button", "south");
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("south"));
        QVERIFY(page->wait_for("document.getElementById('project-name').textContent === 'Local project: south'"));
        QCOMPARE(in_project_marks(), QString("ORB24260003"));
        saved = true;
    }

    void deletingAsksFirst()
    {
        if (!saved)
            saveThenOpenAnother();
        watcher->answers = {QMessageBox::No};
        choose("delete_project_button", "north");
        QCOMPARE(watcher->take_box(), QString("Tips: Delete project north?"));
        QVERIFY(QFile::exists("config/north.json"));

        widget<QToolButton>("language_button")->menu()->actions()[0]->trigger(); // Chinese
        QVERIFY(page->wait_for("document.documentElement.lang === 'zh-CN'"));
        QCOMPARE(in_project_marks(), QString("ORB24260003")); // still the open project's, in any language
        QCOMPARE(page->text("#add-result li.ok"), QString::fromUtf8("192.168.1.11（ORB24080001）：已加入"));
        watcher->answers = {QMessageBox::Yes};
        choose("delete_project_button", "north");
        QCOMPARE(watcher->take_box(), QString::fromUtf8("提示: 删除项目 north？"));
        QVERIFY(!QFile::exists("config/north.json"));
        widget<QToolButton>("language_button")->menu()->actions()[1]->trigger(); // English
    }

    void aNameOfAnotherProjectIsNotTakenSilently()
    {
        const QByteArray south = read_file("config/south.json");
        new_project("south");
        watcher->answers = {QMessageBox::No};
        widget<QPushButton>("save_project_button")->click();
        QCOMPARE(watcher->take_box(), QString("Tips: A project called south exists already. Replace it?"));
        QCOMPARE(state(), QString("not saved: another project is called south"));
        QCOMPARE(read_file("config/south.json"), south);
    }

    // A removed switch is unsaved until a save: opening another project, a
    // new one, the Search button and closing the window ask first; a broken
    // file leaves the shown project as it is.
    void unsavedChangesAreAskedFor()
    {
        QVERIFY(write_file("config/east.json", R"({"ip":["10.0.0.1","10.0.0.2"],"sn":["E1","E2"],"mac":["m","m"],)"
                                               R"("model":["GS2408P","GS2408P"],"passwd":["",""],)"
                                               R"("active":["active","active"]})"));
        const QByteArray east = read_file("config/east.json");
        QVERIFY(write_file("config/broken.json", R"({"ip":[],"sn":[]})"));
        widget<QPushButton>("new_project_button")->click(); // the menus list the new files
        const auto remove_from_east = [&](const char* sn) {
            choose("open_project_button", "east");
            choose("delete_device_button", sn);
            QCOMPARE(lan->tree()->topLevelItem(0)->toolTip(0), QString("Unsaved changes: save the project to keep them"));
        };
        // Does what leaves east, answering the question it asks first.
        const auto leave_east = [&](QMessageBox::StandardButton answer, auto leave) {
            watcher->answers = {answer};
            leave();
            QCOMPARE(watcher->take_box(), QString("Tips: Save changes to project east?"));
        };
        const auto open_south = [&] { choose("open_project_button", "south"); };
        remove_from_east("E1");
        leave_east(QMessageBox::Cancel, open_south);
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("east"));
        QCOMPARE(lan->tree()->topLevelItem(0)->childCount(), 1);
        QCOMPARE(read_file("config/east.json"), east);
        QCOMPARE(state(), QString("east stays open with its changes"));
        leave_east(QMessageBox::Discard, open_south);
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("south"));
        QCOMPARE(read_file("config/east.json"), east);
        remove_from_east("E1");
        press_on_next_question(Qt::Key_Return); // Enter means Save
        open_south();
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("south"));
        QCOMPARE(read_json_object("config/east.json")["sn"].toVariant().toStringList(), QStringList{"E2"});

        // A save that fails keeps the project open with its change.
        remove_from_east("E2");
        QCOMPARE(QProcess::execute("mount", {"-o", "bind,ro", "config", "config"}), 0);
        leave_east(QMessageBox::Save, open_south);
        QProcess::execute("umount", {"config"});
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("east"));
        QCOMPARE(state(), QString::fromUtf8("saving local project fail — east stays open with its changes"));

        // A broken file asks nothing and changes nothing.
        choose("open_project_button", "broken");
        QCOMPARE(state(), QString("load project fail"));
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("east"));
        QCOMPARE(lan->tree()->topLevelItem(0)->childCount(), 0);
        QCOMPARE(QSettings("Settings.ini", QSettings::IniFormat).value("filepath").toString(), QString("east"));

        // The Search button, a new project and closing the window ask too.
        press_on_next_question(Qt::Key_Escape); // Escape means Cancel
        widget<QPushButton>("search_button")->click();
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("east"));
        leave_east(QMessageBox::Cancel, [&] { widget<QPushButton>("new_project_button")->click(); });
        leave_east(QMessageBox::Cancel, [&] { QVERIFY(!lan->window->close()); });
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("east"));

        // After a search, "del device" offers nothing.
        leave_east(QMessageBox::Discard, [&] { widget<QPushButton>("search_button")->click(); });
        QVERIFY(lan->tree()->topLevelItemCount() > 1);
        QMenu* devices = widget<QToolButton>("delete_device_button")->menu();
        emit devices->aboutToShow();
        QVERIFY(devices->actions().isEmpty());

        // Searches the tree would show otherwise leave an unsaved project alone.
        remove_from_east("E2");
        page->click("#search-button");
        QVERIFY(page->wait_for("document.getElementById('discovery-notice').textContent.startsWith('Search finished')"));
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("east"));
        QCOMPARE(state(), QString("The switches found are in the page: the shown project has unsaved changes"));
    }
};

QTEST_MAIN(TestLocalProjectArea)
#include "test_local_project_area.moc"
