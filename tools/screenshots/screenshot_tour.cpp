// Walks through the program as a person would, on a simulated LAN, and saves a
// picture of each step: the local mode (search, tree, password prompt, the
// page, projects and their questions, a site's address plan and its report,
// a watched site) and the cloud
// mode (account windows, signed-in tree and page), in English and Chinese.
// Run it through tools/screenshots.sh, which gives it its own network and an
// X display.
//
//   screenshot_tour OUTPUT_DIR CLOUD_SEED_FILE

#include "device/orb_conn2device.h"
#include "tools/drive/dialog_watcher.h"
#include "tools/drive/window_fixture.h"
#include "ui/orb_change_mobile_window.h"
#include "ui/orb_change_passwd_window.h"
#include "ui/orb_login_window.h"
#include "ui/orb_passwd_window.h"
#include "ui/orb_register_window.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

QString output_dir;
QStringList taken;
int missed = 0;

// A step that did not come about is reported; the tour goes on.
bool expect(bool happened, const char* step)
{
    if (!happened) {
        std::fprintf(stderr, "screenshot tour: %s did not happen\n", step);
        ++missed;
    }
    return happened;
}

// The whole screen once windows have had time to paint.
void snap(const QString& name)
{
    QTest::qWait(700);
    const QString file = output_dir + "/" + name + ".png";
    if (expect(QGuiApplication::primaryScreen()->grabWindow(0).save(file), "saving a picture"))
        taken.append(name);
}

// Snaps the first shown window of a class, then answers it; `open` is what
// shows it and may wait in the window's own event loop meanwhile.
template <typename Window>
void snap_when_shown(const QString& name, const std::function<void()>& open,
                     const std::function<void(Window*)>& answer)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (Window* shown = shown_window<Window>()) {
            poll.stop();
            snap(name);
            answer(shown);
        }
    });
    poll.start(50);
    open();
    expect(QTest::qWaitFor([&] { return !poll.isActive(); }, 20000), qPrintable(name));
}

void press(QMessageBox* box, QMessageBox::StandardButton button)
{
    QMetaObject::invokeMethod(box->button(button), "click", Qt::QueuedConnection);
}

void write_project(const QString& name, const QByteArray& json)
{
    QFile file("config/" + name + ".json");
    expect(file.open(QIODevice::WriteOnly) && file.write(json) == json.size(), "writing a project");
}

template <typename T> T* child(WindowFixture& lan, const char* name) { return lan.window->findChild<T*>(name); }

void choose(WindowFixture& lan, const char* button, const QString& entry)
{
    if (QMenu* menu = child<QToolButton>(lan, button)->menu())
        for (QAction* action : menu->actions())
            if (action->text() == entry)
                return action->trigger();
    expect(false, qPrintable(QString("%1 in the menu of %2").arg(entry, button)));
}

// A new local project named as a person types it, then saved (which also
// lists the project files in the open and delete menus).
void new_project(WindowFixture& lan, QTreeWidget* tree, const QString& name)
{
    child<QPushButton>(lan, "new_project_button")->click();
    auto* editor = tree->viewport()->findChild<QLineEdit*>();
    if (!expect(editor, "the new project's name field"))
        return;
    editor->selectAll();
    QTest::keyClicks(editor, name);
    QTest::keyClick(editor, Qt::Key_Return);
    expect(QTest::qWaitFor([&] { return tree->topLevelItem(0)->text(0) == name; }), "the project's name");
    child<QPushButton>(lan, "save_project_button")->click();
}

void to_chinese(WindowFixture& lan)
{
    child<QToolButton>(lan, "language_button")->menu()->actions()[0]->trigger();
    expect(lan.page->wait_for("document.documentElement.lang === 'zh-CN'"), "the page in Chinese");
}

QTreeWidgetItem* switch_row(QTreeWidget* tree, const QString& sn)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->childCount() == 6 && tree->topLevelItem(i)->child(1)->text(1) == sn)
            return tree->topLevelItem(i);
    return nullptr;
}

// Search, the tree, a switch opened through its password prompt, the page's
// list, and the project area with its delete question and an unsaved change.
void local_mode(const QString& language)
{
    WindowFixture lan;
    if (!expect(lan.is_ready(), "starting the window"))
        return;
    if (language == "chinese")
        to_chinese(lan);
    auto* tree = child<QTreeWidget>(lan, "local_project_viewer");
    child<QComboBox>(lan, "NIC_select_box")->setCurrentText("lo");
    QTimer::singleShot(1500, [&] { snap("search-running-" + language); });
    snap_when_shown<QMessageBox>("search-complete-" + language,
                                 [&] { child<QPushButton>(lan, "search_button")->click(); },
                                 [](QMessageBox* box) { press(box, QMessageBox::Ok); });
    tree->expandAll();
    snap("tree-after-search-" + language);

    snap_when_shown<ORB_Passwd_Window>(
        "password-prompt-" + language,
        [&] { emit tree->itemDoubleClicked(switch_row(tree, "ORB24080001"), 0); },
        [](ORB_Passwd_Window* prompt) {
            prompt->findChild<QLineEdit*>("passwd_text")->setText("admin123");
            prompt->findChild<QPushButton*>("confirm_button")->click();
        });
    expect(lan.page->wait_for("document.querySelectorAll('#sysinfo-panel .facts dd').length > 5"),
           "the switch's page");
    lan.page->click("#ports-panel button");
    expect(lan.page->wait_for("document.querySelectorAll('#ports-panel .port').length === 10"), "the switch's ports");
    snap("page-switch-view-" + language);

    lan.page->click(".tab[data-view='discovery']");
    lan.page->run("document.getElementById('nic-select').value = 'lo'");
    lan.page->click("#search-button");
    expect(lan.page->wait_for("document.querySelectorAll('#device-table tbody tr').length === 7"), "the page's list");
    snap("page-list-" + language);

    write_project("south", R"({"ip":["192.168.1.13","192.168.1.14"],"sn":["ORB24260003","ORB54280004"],)"
                                    R"("mac":["m","m"],"model":["GS2426F","GS5428X"],"passwd":["ocLD","ocLD"],)"
                                    R"("active":["active","active"]})");
    new_project(lan, tree, "north");
    choose(lan, "open_project_button", "south");
    expect(lan.page->wait_for("document.querySelectorAll('#device-table .badge.project').length === 2"),
           "the project's marks");
    tree->expandAll();
    snap("project-area-" + language);
    snap_when_shown<QMessageBox>("delete-question-" + language,
                                 [&] { choose(lan, "delete_project_button", "north"); },
                                 [](QMessageBox* box) { press(box, QMessageBox::No); });
    choose(lan, "delete_device_button", "ORB54280004");
    snap("project-unsaved-" + language);
    snap_when_shown<QMessageBox>("unsaved-question-" + language,
                                 [&] { choose(lan, "open_project_button", "north"); },
                                 [](QMessageBox* box) { press(box, QMessageBox::Cancel); });
}

// Twenty switches, six of them on two shared addresses; two are new.
QJsonArray site_fleet()
{
    QJsonArray fleet;
    for (int i = 1; i <= 20; ++i) {
        const QString ip = i <= 4 ? "192.168.1.1" : i <= 6 ? "192.168.1.2" : QString("10.0.0.%1").arg(i);
        fleet.append(QJsonObject{{"sn", QString("NEW%1").arg(i, 2, 10, QChar('0'))}, {"ip", ip},
                                 {"active", i <= 18}, {"password", "admin123"}});
    }
    return fleet;
}

// The site report after the plan: its preview, and the PDF file that
// tools/screenshots.sh turns into pictures of its pages.
void site_report(WindowFixture& lan, const QString& language)
{
    PageDriver& page = *lan.page;
    page.click("#plan-close");
    page.click("#site-report-button");
    expect(page.wait_for("!document.getElementById('report-view').hidden"), "the report's preview");
    page.type("report-site", "Harbour depot, hall 3");
    page.type("report-installer", "J. Lee");
    snap("site-report-preview-" + language);
    DialogWatcher files;
    files.file_paths = QStringList{output_dir + "/site-report-" + language + ".pdf"};
    page.click("#report-pdf");
    expect(page.wait_for("document.getElementById('report-notice').textContent !== ''", 60000), "the report's file");
    page.click("#report-close");
}

// The plan in the History view, and the preview of its undo.
void site_history(WindowFixture& lan, const QString& language)
{
    PageDriver& page = *lan.page;
    page.click(".tab[data-view='history']");
    expect(page.wait_for("document.querySelectorAll('#history-table tbody tr').length > 10"), "the history");
    snap("site-history-" + language);
    page.run("const choice = document.getElementById('history-plan');"
             "choice.value = choice.options[1].value; choice.dispatchEvent(new Event('change'))");
    page.click("#history-undo");
    expect(page.wait_for("!document.getElementById('plan-dialog').hidden", 30000), "the undo's preview");
    page.type("plan-gateway", "192.168.1.254");
    snap("site-undo-preview-" + language);
    page.click("#plan-close");
}

// The page's shared-address marks and an address plan from preview to results.
void site_plan(const QString& language)
{
    QTemporaryDir dir;
    WindowFixture lan({"--fleet", SwitchSimulator::write_fleet(dir, site_fleet(), 1000)});
    if (!expect(lan.is_ready(), "starting the window"))
        return;
    if (language == "chinese")
        to_chinese(lan);
    PageDriver& page = *lan.page;
    page.run("document.getElementById('nic-select').value = 'lo'");
    page.click("#search-button");
    expect(page.wait_for("document.querySelectorAll('#device-table tr.conflict').length === 6"), "shared addresses");
    snap("site-shared-addresses-" + language);

    page.click("#device-table th[data-key='sn']");
    page.click("#select-all");
    page.click("#plan-button");
    page.type("plan-gateway", "192.168.1.1");
    page.type("plan-first", "192.168.1.41");
    snap("site-plan-preview-" + language);
    page.type("plan-password", "admin123");
    // The plan runs in the window's own loop, which holds any wait of ours until
    // its end; a timer fires inside it, before its restart wait (6 s) is over.
    QTimer::singleShot(3000, [&] { snap("site-plan-running-" + language); });
    page.click("#plan-apply");
    expect(page.wait_for("!document.getElementById('plan-first').disabled", 90000), "the plan's end");
    snap("site-plan-results-" + language);
    site_report(lan, language);
    site_history(lan, language);
}

// A watched site after a switch came up, one went quiet and one moved.
void watch_mode(const QString& language)
{
    QTemporaryDir dir;
    QJsonArray fleet;
    for (int i = 7; i <= 14; ++i) // the site's switches that have addresses of their own
        fleet.append(site_fleet()[i - 1]);
    WindowFixture lan({"--fleet", SwitchSimulator::write_fleet(dir, fleet, 1000), "--control", dir.filePath("sim-control")});
    if (!expect(lan.is_ready(), "starting the window"))
        return;
    if (language == "chinese")
        to_chinese(lan);
    int rounds = 0;
    QObject::connect(lan.window->findChild<ORB_CONN2DEVICE*>(), &ORB_CONN2DEVICE::qt2html_device_udp,
                     [&](const QJsonObject& message) { rounds += message["command"] == QString("watchRound"); });
    lan.choose_loopback();
    lan.page->run("Bridge.setWatchInterval(5)");
    lan.window->findChild<QPushButton*>("watch_button")->click();
    expect(QTest::qWaitFor([&] { return rounds == 1; }, 30000), "the first round");
    for (const char* command : {R"(add {"sn":"NEW99","ip":"10.0.0.99"})", "mute NEW08", "move NEW10 10.0.0.110"})
        expect(lan.sim->tell(command), command);
    expect(QTest::qWaitFor([&] { return rounds == 2; }, 30000), "the second round");
    snap("watch-marks-" + language);

    // Commission on sight for the switch that came up and one not seen yet:
    // the next round sets up the first, the one after confirms it.
    lan.page->click("#plan-button");
    lan.page->type("plan-gateway", "10.0.0.1");
    lan.page->type("plan-password", "admin123");
    for (const auto& [sn, ip] : {std::pair("NEW99", "10.0.0.199"), {"NEW50", "10.0.0.150"}}) {
        lan.page->type("plan-add-sn", sn);
        lan.page->type("plan-add-ip", ip);
        lan.page->click("#plan-add");
    }
    snap("watch-sight-plan-" + language);
    lan.page->click("#plan-sight");
    expect(QTest::qWaitFor([&] { return rounds == 4; }, 40000), "the round that confirms");
    snap("watch-sight-" + language);
    lan.window->findChild<QPushButton*>("watch_button")->click();
}

// Shows a window over the main window, snaps it and closes it.
void snap_over(WindowFixture& lan, QWidget* window, const QString& name)
{
    window->move(lan.window->geometry().center() - window->rect().center());
    window->show();
    snap(name);
    window->close();
    delete window;
}

// The account windows, the signed-in tree and the page's cloud projects.
void cloud_mode(const QString& language, const QString& seed)
{
    WindowFixture lan(seed, "", "");
    if (!expect(lan.is_ready(), "starting the window"))
        return;
    if (language == "chinese") { // the cloud mode has no language button: as if started in Chinese
        QAction chinese("Chinese");
        QMetaObject::invokeMethod(lan.window.get(), "language_changed", Q_ARG(QAction*, &chinese));
    }
    snap_over(lan, new ORB_Register_Window, "cloud-register-" + language);
    snap_over(lan, new ORB_Change_Mobile_Window, "cloud-change-mobile-" + language);
    snap_over(lan, new ORB_Change_Passwd_Window, "cloud-change-password-" + language);
    child<QPushButton>(lan, "login_changepd_button")->click();
    auto* login = shown_window<ORB_Login_Window>();
    if (!expect(login, "the sign-in window"))
        return;
    login->move(lan.window->geometry().center() - login->rect().center());
    snap("cloud-sign-in-" + language);
    login->findChild<QLineEdit*>("mobile_text")->setText("13800000001");
    login->findChild<QLineEdit*>("passwd_text")->setText("Secret-1");
    login->findChild<QPushButton*>("login_confirm_button")->click();
    lan.window->findChild<QTreeWidget*>("server_project_viewer")->expandAll();
    lan.page->click(".tab[data-view='cloud']");
    lan.page->click("#cloud-refresh");
    expect(lan.page->wait_for("document.querySelectorAll('#cloud-projects .project').length > 0"),
           "the page's cloud projects");
    snap("cloud-window-" + language);
}

// A box the tour does not expect would hold it for good: after 5 s it is
// counted as a miss and closed.
void close_stray_boxes()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
            const int polls = box->property("tour_polls").toInt() + 1;
            box->setProperty("tour_polls", polls);
            if (polls == 100 && expect(false, qPrintable("no box \"" + box->text() + "\"")))
                box->done(QMessageBox::Cancel);
        }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().size() != 3) {
        std::fprintf(stderr, "usage: screenshot_tour OUTPUT_DIR CLOUD_SEED_FILE\n");
        return 2;
    }
    output_dir = QDir(app.arguments()[1]).absolutePath();
    const QString seed = QDir(app.arguments()[2]).absolutePath(); // before the fixtures change folder
    QDir().mkpath(output_dir);
    QTimer stray_boxes;
    QObject::connect(&stray_boxes, &QTimer::timeout, close_stray_boxes);
    stray_boxes.start(50);
    for (const QString language : {"english", "chinese"}) {
        local_mode(language);
        site_plan(language);
        watch_mode(language);
        cloud_mode(language, seed);
    }
    for (const QString& name : taken)
        std::printf("%s/%s.png\n", qPrintable(output_dir), qPrintable(name));
    return missed == 0 ? 0 : 1;
}
