// The window in the cloud mode, signed in to the reference cloud service, with
// its page in the real web view: the tree and the page's project list after
// sign-in, a switch handed to the page, and screenshots of the tree, the
// project dialog in both uses, the device dialog and a problem message.

#include "tests/support/dialog_watcher.h"
#include "tests/support/window_fixture.h"
#include "ui/orb_server_new_device_window.h"
#include "ui/orb_server_new_project_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

class TestCloudWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> fixture;
    QTreeWidget* tree = nullptr;

    template <typename Window> Window* shown()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<Window*>(w); window && window->isVisible())
                return window;
        return nullptr;
    }

    QTreeWidgetItem* row(const QString& text, int column)
    {
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive, column);
        return found.isEmpty() ? nullptr : found.first();
    }

private slots:
    void initTestCase()
    {
        fixture = std::make_unique<WindowFixture>(QFINDTESTDATA("../cloud/seed.json"), "13800000001", "Secret-1");
        QVERIFY(fixture->is_ready());
        tree = fixture->window->findChild<QTreeWidget*>("server_project_viewer");
    }

    void cleanupTestCase() { fixture.reset(); }

    void treeAndPageAfterSignIn()
    {
        QVERIFY(tree->isVisible());
        QCOMPARE(tree->headerItem()->text(2), QString("SN"));
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(tree->topLevelItem(0)->text(1), QString("Head office"));
        QCOMPARE(tree->topLevelItem(0)->text(3), QString("Owned"));
        QCOMPARE(tree->topLevelItem(1)->text(3), QString("Shared"));
        QVERIFY(fixture->window->findChild<QPushButton*>("server_update_button")->isEnabled());
        QVERIFY(fixture->window->findChild<QPushButton*>("server_new_project_button")->isEnabled());

        // The page asks for a refresh; the redraw tells it the projects.
        fixture->page->click(".tab[data-view='cloud']");
        fixture->page->click("#cloud-refresh");
        QVERIFY(fixture->page->wait_for("document.querySelectorAll('#cloud-projects .project').length === 2"));
        QCOMPARE(fixture->page->text("#cloud-projects .project h3"), QString("Head office"));

        emit tree->itemDoubleClicked(row("CLD0001", 2), 1);
        QVERIFY(fixture->page->wait_for("document.getElementById('switch-title').textContent === 'Gate · CLD0001'"));
        tree->expandAll();
        QVERIFY(fixture->screenshot("cloud-window-tree"));
    }

    void dialogsAsAPersonSeesThem()
    {
        DialogWatcher watcher;
        fixture->window->findChild<QPushButton*>("server_new_project_button")->click();
        auto* project_dialog = shown<ORB_Server_New_Project_Window>();
        QVERIFY(project_dialog);
        project_dialog->findChild<QLineEdit*>("project_name_text")->setText("Annex");
        project_dialog->findChild<QPushButton*>("append_switch_button")->click();
        auto* device_dialog = shown<ORB_Server_New_Device_Window>();
        QVERIFY(device_dialog);
        device_dialog->findChild<QLineEdit*>("sn_text")->setText("FREE03");
        device_dialog->findChild<QLineEdit*>("name_text")->setText("Spare 3");
        device_dialog->findChild<QLineEdit*>("passwd_text")->setText("wrong-1");
        QVERIFY(fixture->screenshot("cloud-new-device-dialog"));
        device_dialog->findChild<QPushButton*>("confirm_button")->click();
        project_dialog->load2model("FREE02", "Spare offline", "spare2");
        project_dialog->load2model("FREE01", "Spare", "spare1");
        QVERIFY(fixture->screenshot("cloud-new-project-dialog"));

        // The problem message, photographed while it is still open.
        QVERIFY(fixture->screenshot("cloud-problem-message", 2500));
        watcher.hold_boxes_ms = 4000;
        project_dialog->findChild<QPushButton*>("confirm_button")->click();
        QCOMPARE(watcher.boxes.value(0), QString("Tips: Device Password Error: \nFREE03\nDevice Offline: \nFREE02\n"));
        QVERIFY(row("Annex", 1));
        QCOMPARE(row("Annex", 1)->child(0)->text(2), QString("FREE01"));

        emit tree->itemClicked(row("Head office", 1), 4);
        auto* add_dialog = shown<ORB_Server_New_Project_Window>();
        QVERIFY(add_dialog);
        add_dialog->load2model("FREE05", "Porch", "porch-pass");
        QVERIFY(fixture->screenshot("cloud-add-switch-dialog"));
        add_dialog->close();
    }
};

QTEST_MAIN(TestCloudWindow)
#include "test_cloud_window.moc"
