#include "orb_window.h"

#include "ui_orb_window.h"

#include "cloud/orb_conn2server.h"
#include "device/address_check.h"
#include "device/address_plan_run.h"
#include "device/change_journal.h"
#include "device/journal_page.h"
#include "device/orb_conn2device.h"
#include "projects/orb_loader.h"
#include "projects/private_files.h"
#include "projects/project_files.h"
#include "projects/project_name.h"
#include "shell/no_edit_delegate.h"
#include "shell/startup_language.h"
#include "ui/app_page.h"
#include "ui/cloud_account.h"
#include "ui/cloud_project_tree.h"
#include "ui/csv_files.h"
#include "ui/drop_refusal.h"
#include "ui/interface_list.h"
#include "ui/listed_switches.h"
#include "ui/local_device_tree.h"
#include "ui/local_projects.h"
#include "ui/search_watch.h"
#include "ui/sight_commissioning.h"
#include "ui/site_report.h"
#include "ui/switch_opener.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QLineEdit>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTranslator>
#include <QWebChannel>
#include <QWebEngineView>

namespace {

constexpr char TIPS_TEXT[] = "Please do not modify configuration file in config without authorization! If you "
                             "really want to modify configuration please backup.";
// How long the window waits for the page to listen before it gives up telling
// it the language.
constexpr int PAGE_READY_POLL_MS = 100;
constexpr int PAGE_READY_ATTEMPTS = 100;

} // namespace

ORB_Window::ORB_Window(QString mode, int language, QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::CorvaneIOT_Managesystem)
    , language(language)
{
    ui->setupUi(this);
    ui->state_text->setText(tr("Initing"));
    ui->local_project_viewer->setHeaderHidden(true);
    setup_language_menu();
    make_private_folder("log");
    setup_server_tree();
    setup_web_view();

    loader = new ORB_Loader(this);
    conn2server = new ORB_CONN2SERVER(this);
    conn2device = new ORB_CONN2DEVICE(this);
    local_projects = new ORB_LocalProjects({ui->local_project_viewer, ui->open_project_button,
                                            ui->delete_project_button, ui->delete_device_button, ui->state_text},
                                           loader, conn2device, shared, this);
    device_tree = new ORB_LocalDeviceTree({this, ui->local_project_viewer, ui->NIC_select_box, ui->state_text},
                                          conn2device, this);
    switch_opener = new ORB_SwitchOpener(this, ui->state_text, device_tree, loader, conn2device, shared, this);
    cloud_tree = new ORB_CloudProjectTree(
        {this, ui->server_project_viewer, ui->server_new_project_button, ui->server_update_button}, conn2server, shared);
    cloud_account = new ORB_CloudAccount(
        {this, ui->usr_name_text, ui->state_text}, shared, [this](const QString& name) { show_login_state(name); },
        conn2server, cloud_tree);
    setup_journal();
    plan_run = new ORB_AddressPlanRun(
        conn2device, [this] { return local_projects->stored_passwords(); }, journal, this);
    address_check = new ORB_AddressCheck(conn2device, this);
    plan_run->set_address_check(address_check);
    device_tree->set_address_check(address_check);
    connect(conn2device, &ORB_CONN2DEVICE::address_check_requested, address_check,
            &ORB_AddressCheck::check_for_page);
    listed_switches = std::make_unique<ORB_ListedSwitches>(conn2device, local_projects, plan_run);
    csv_files = new ORB_CsvFiles(this, ui->state_text, conn2device, local_projects, listed_switches.get(), this);
    site_report = new ORB_SiteReport({this, ui->webviewer->page(), ui->state_text}, conn2device, local_projects,
                                     listed_switches.get(), this);
    // Queued: the plan runs after the page's call has returned, so the page
    // hears each step as it happens.
    connect(conn2device, &ORB_CONN2DEVICE::address_plan_requested, plan_run, &ORB_AddressPlanRun::run,
            Qt::QueuedConnection);
    connect(plan_run, &ORB_AddressPlanRun::finished, this,
            [this] { ui->state_text->setText(plan_run->outcome_text()); });
    search_watch = new ORB_SearchWatch(
        {ui->watch_button, ui->state_text}, conn2device, device_tree, shared,
        [this] { return plan_run->is_running() || address_check->is_checking(); }, this);
    sight_commissioning = new ORB_SightCommissioning(
        {conn2device, plan_run, journal, search_watch, device_tree, ui->state_text,
         [this] { return local_projects->open_project_name(); },
         [this] { return shared.watching ? shared.watch_nic : QString(); }},
        this);
    listed_switches->set_watched_list([this] { return search_watch->marked_list(); });
    device_tree->set_keeps_project([this] { return local_projects->holds_unsaved_changes(); });
    device_tree->set_open_switch([this](QTreeWidgetItem* device, const QString& passwd, bool notify, bool record) {
        switch_opener->open_local_device(device, passwd, notify, record);
    });
    connect_links();
    ui->local_project_viewer->clear();

    translator = new QTranslator;
    setup_web_channel();

    const QString filepath = ORB_ProjectFiles::open_name();
    if (!filepath.isEmpty()) {
        local_projects->load_local_project(filepath);
        qDebug() << "File Path: " << filepath;
    }
    install_translator();
    write_tips_file();
    ui->state_text->setText(tr("If the webpage is not responding, please try reload webpage"));
    setup_tray();
    reset_device_list();
    // The device list lives for one run, however the run ends.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &ORB_Window::reset_device_list);
    fill_interface_list();
    apply_mode(mode);
}

ORB_Window::~ORB_Window()
{
    // First: the page, destroyed with the widgets, answers a pending print
    // then, when the links it would tell are gone.
    delete site_report;
    search_watch->stop();
    delete search_watch;
    delete cloud_account;
    delete cloud_tree;
    delete switch_opener;
    delete device_tree;
    delete local_projects;
    if (loader->reset_device_info(ORB_ProjectName::device_list_path()))
        qDebug() << "Config file cleared successfully.";
    else
        qDebug() << "Failed to clear config file.";
    delete loader;
    delete translator;
    delete conn2server;
    delete conn2device;
    delete tray_menu;
    delete ui;
}

void ORB_Window::setup_language_menu()
{
    ui->language_button->setText(tr("Change Language"));
    if (ui->language_button->menu())
        ui->language_button->menu()->deleteLater();
    auto* menu = new QMenu(ui->language_button);
    menu->addAction("Chinese");
    menu->addAction("English");
    ui->language_button->setMenu(menu);
    connect(menu, &QMenu::triggered, this, &ORB_Window::language_changed);
}

void ORB_Window::setup_server_tree()
{
    QTreeWidget* tree = ui->server_project_viewer;
    tree->setColumnCount(5);
    tree->setHeaderLabels({tr("Delet"), tr("Name"), tr("SN"), tr("Authority"), tr("Add")});
    tree->header()->setDefaultSectionSize(90);
    tree->header()->setStretchLastSection(true);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int column : {0, 2, 3, 4})
        tree->setItemDelegateForColumn(column, new NoEditDelegate(tree));
    tree->setColumnWidth(0, 55);
    tree->header()->setFont(QFont("Segoe UI", 11));
    tree->setFont(QFont("Segoe UI", 11));
}

// Every change asked of a switch is written down in the open project's
// journal; the page reads it for its History view and its offer to resume.
void ORB_Window::setup_journal()
{
    journal = new ORB_ChangeJournal(
        ORB_ChangeJournal::default_folder(), [this] { return local_projects->open_project_name(); }, this);
    conn2device->set_journal(journal);
    connect(journal, &ORB_ChangeJournal::write_failed, this, [this](const QString& reason) {
        ui->state_text->setText(tr("Changes are not written to the journal: %1. Switches are not changed; the "
                                   "page's own requests still go.")
                                    .arg(reason));
    });
    journal_page = new ORB_JournalPage(journal, conn2device, this);
    connect(journal_page, &ORB_JournalPage::interrupted_found, ui->state_text, &QLineEdit::setText);
    connect(conn2device, &ORB_CONN2DEVICE::history_requested, journal_page, &ORB_JournalPage::tell_history);
    connect(conn2device, &ORB_CONN2DEVICE::interrupted_plan_requested, this, [this] {
        if (!plan_run->is_running()) // the running plan has not ended, and was not interrupted
            journal_page->tell_interrupted();
    });
    connect(conn2device, &ORB_CONN2DEVICE::plan_dismissal_requested, journal_page, &ORB_JournalPage::dismiss);
}

void ORB_Window::connect_links()
{
    connect(conn2device, &ORB_CONN2DEVICE::get_local_project, local_projects, &ORB_LocalProjects::send_local_devices);
    connect(conn2device, &ORB_CONN2DEVICE::update_local_project, this, &ORB_Window::local_project_updated);
    connect(conn2device, &ORB_CONN2DEVICE::watch_requested, this,
            [this](bool on, const QString& nic) { watch(on, nic); });
    connect(conn2device, &ORB_CONN2DEVICE::watch_interval_requested, this,
            [this](int seconds) { search_watch->set_interval(seconds); });
    // Another interface is another site: watch stops.
    connect(ui->NIC_select_box, &QComboBox::currentTextChanged, this, [this] { search_watch->stop(); });
    connect(ui->local_project_viewer, &QTreeWidget::itemDoubleClicked, this, &ORB_Window::local_device_selected);
    connect(ui->server_project_viewer, &QTreeWidget::itemDoubleClicked, this, &ORB_Window::server_device_selected);
    connect(ui->server_project_viewer, &QTreeWidget::itemChanged, this, &ORB_Window::server_renamed);
    connect(ui->server_project_viewer, &QTreeWidget::itemClicked, this,
            &ORB_Window::server_delete_project_switch_or_add_switch);
    connect(local_projects, &ORB_LocalProjects::project_chosen, this, &ORB_Window::local_project_selected);
    connect(local_projects, &ORB_LocalProjects::project_deletion_chosen, this, &ORB_Window::local_project_deleted);
    connect(local_projects, &ORB_LocalProjects::device_deletion_chosen, this, &ORB_Window::local_device_deleted);
}

QString ORB_Window::app_page_path()
{
    return QDir::currentPath() + "/app/index.html";
}

// Before anything takes the view's page: the page that holds the links shows
// the program's own page only, and nothing dropped on the view replaces it.
void ORB_Window::setup_web_view()
{
    app_page = new ORB_AppPage(QUrl::fromLocalFile(app_page_path()), ui->webviewer);
    ui->webviewer->setPage(app_page);
    auto* drops = new ORB_DropRefusal(ui->webviewer);
    connect(drops, &ORB_DropRefusal::drop_refused, this, [this] {
        ui->state_text->setText(tr("Nothing can be dropped on the page: import an address plan with its button"));
    });
    connect(app_page, &ORB_AppPage::navigation_refused, this, [this](const QUrl& url, bool opened_outside) {
        const QString shown = url.toDisplayString(QUrl::RemoveUserInfo);
        ui->state_text->setText(opened_outside ? tr("%1 was opened in the system browser").arg(shown)
                                               : tr("The page may not open %1: only its own page is shown here")
                                                     .arg(shown));
    });
}

void ORB_Window::setup_web_channel()
{
    auto* channel = new QWebChannel(this);
    channel->registerObject("conn2cloud", conn2server);
    channel->registerObject("conn2device", conn2device);
    app_page->setWebChannel(channel);
    const QString page = app_page_path();
    if (QFile::exists(page)) {
        connect(ui->webviewer, &QWebEngineView::loadFinished, this, [this](bool ok) {
            if (ok)
                greet_page();
        });
        ui->webviewer->load(QUrl::fromLocalFile(page));
    } else {
        show_page_missing(page);
    }
    ui->webviewer->show();
}

// Started from a folder that does not hold the page, the view says so
// instead of staying blank.
void ORB_Window::show_page_missing(const QString& page)
{
    qWarning().noquote() << "The HTML application was not found:" << page;
    const QString text = tr("The page of this program was not found: %1").toHtmlEscaped().arg(page.toHtmlEscaped());
    const QString advice = tr("Start the program from its menu entry or with its launcher, pcorb, which prepare "
                              "its working folder; or start it from a folder that holds the app folder.");
    app_page->show_own_text(QString("<html><body style=\"font-family: sans-serif; margin: 2em\">"
                                   "<h3>%1</h3><p>%2</p></body></html>")
                               .arg(text, advice.toHtmlEscaped()));
}

// The language button is hidden in the local mode, so the page learns the
// language, and the open local project, from the window once it listens (it
// sets window.orbReady then).
void ORB_Window::greet_page()
{
    auto attempts = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [this, attempts, poll] {
        ui->webviewer->page()->runJavaScript("window.orbReady === true", [this, attempts, poll](const QVariant& ready) {
            if (ready.toBool()) {
                qInfo().noquote() << "HTML application ready:" << ui->webviewer->url().toString();
                conn2device->tell_page(QJsonObject{{"command", "language"}, {"type", language}});
                local_projects->announce_project();
                search_watch->tell_page_state();
            } else if (++*attempts < PAGE_READY_ATTEMPTS)
                QTimer::singleShot(PAGE_READY_POLL_MS, this, *poll);
        });
    };
    (*poll)();
}

void ORB_Window::install_translator()
{
    translator->load(language_catalogue(language));
    QApplication::installTranslator(translator);
    retranslateUi();
}

void ORB_Window::retranslateUi()
{
    ui->retranslateUi(this);
}

void ORB_Window::write_tips_file()
{
    QFile tips(QDir::currentPath() + "/tips.txt");
    if (!tips.open(QIODevice::WriteOnly)) {
        qDebug() << "open file failed!";
        return;
    }
    tips.write(TIPS_TEXT);
    // Settings.ini keeps the remembered cloud password: an older, looser
    // file is closed to others too.
    for (const char* file : {"./Settings.ini", "./tips.txt"})
        if (QFile::exists(file))
            QFile::setPermissions(file, PRIVATE_FILE);
}

void ORB_Window::setup_tray()
{
    tray_icon = new QSystemTrayIcon(QIcon(":/qss/logo_radius.ico"), this);
    quit_action = new QAction(tr("Quit"), this);
    open_action = new QAction(tr("Open"), this);
    connect(quit_action, &QAction::triggered, this, &ORB_Window::quit_event);
    connect(open_action, &QAction::triggered, this, &ORB_Window::open_event);
    tray_menu = new QMenu(this);
    tray_menu->addAction(open_action);
    tray_menu->addSeparator();
    tray_menu->addAction(quit_action);
    tray_icon->setContextMenu(tray_menu);
    tray_icon->setVisible(true);
}

void ORB_Window::reset_device_list()
{
    make_private_folder("config");
    QFile::remove(ORB_ProjectName::device_list_path());
    if (!loader->reset_device_info(ORB_ProjectName::device_list_path()))
        qDebug() << "Failed to initialize config file.";
}

void ORB_Window::fill_interface_list()
{
    conn2server->set_nic_names(ORB_InterfaceList::fill(ui->NIC_select_box));
}

void ORB_Window::apply_mode(const QString& mode)
{
    if (mode == LOCAL_MODE) {
        // The local project area is shown: without it nothing on screen
        // creates, opens, saves or deletes a project.
        for (QWidget* w : {static_cast<QWidget*>(ui->function_area), static_cast<QWidget*>(ui->server_project_title),
                           static_cast<QWidget*>(ui->server_function_area),
                           static_cast<QWidget*>(ui->server_project_viewer)})
            w->hide();
        return;
    }
    for (QWidget* w : {static_cast<QWidget*>(ui->language_button), static_cast<QWidget*>(ui->delete_account_button),
                       static_cast<QWidget*>(ui->server_delete_project_button),
                       static_cast<QWidget*>(ui->server_exit_project_button),
                       static_cast<QWidget*>(ui->server_delete_device_button),
                       static_cast<QWidget*>(ui->local_project_title),
                       static_cast<QWidget*>(ui->local_search_select_nic_area),
                       static_cast<QWidget*>(ui->local_function_area),
                       static_cast<QWidget*>(ui->local_project_viewer)})
        w->hide();
    ui->change_mobile_button->setEnabled(true);
    ui->login_changepd_button->setText(tr("Change Password"));
    const QSettings settings = program_settings();
    if (settings.contains("user"))
        ui->usr_name_text->setText(settings.value("user").toString());

    connect(conn2server, &ORB_CONN2SERVER::refresh_server_project_data_singal, this,
            &ORB_Window::on_server_update_button_clicked);
    const CJsonPtr credentials(cJSON_Parse(mode.toUtf8().constData()));
    if (!cJSON_IsObject(credentials.get())) {
        // Not the text itself: it may carry the signing key. Without
        // credentials the window starts signed out, to sign in from the bar.
        qWarning() << "Failed to parse JSON data: the mode text is not a JSON object";
    }
    const QString uid = QString::fromUtf8(cjson_string_member(credentials.get(), "uid"));
    const QString key = QString::fromUtf8(cjson_string_member(credentials.get(), "key"));
    if (uid.isEmpty() || key.isEmpty()) {
        // Started for a sign-in: nothing is asked of the cloud before it.
        shared.login_done = false;
        show_login_state(ui->usr_name_text->text());
        return;
    }
    conn2server->set_uid(uid);
    conn2server->set_key(key);
    // A failed first query must not leave the way to try again disabled.
    ui->server_update_button->setEnabled(true);
    conn2server->query_device();
    if (conn2server->result_code() == 0)
        build_server_project_tree(conn2server->project_tree());
}

void ORB_Window::show_login_state(QString name)
{
    ui->usr_name_text->setText(name);
    if (shared.login_done) {
        ui->usr_name_text->setStyleSheet("color: red;");
        ui->login_changepd_button->setText(tr("Change Password"));
        ui->login_changepd_button->setStyleSheet("color: red;");
        ui->change_mobile_button->setStyleSheet("color: red;");
        ui->server_new_project_button->setEnabled(true);
        ui->server_update_button->setEnabled(true);
        ui->change_mobile_button->setEnabled(true);
        return;
    }
    ui->usr_name_text->setStyleSheet("color: white;");
    ui->login_changepd_button->setText(tr("login"));
    ui->login_changepd_button->setStyleSheet("color: black;");
    ui->change_mobile_button->setStyleSheet("QPushButton { color: black; } QPushButton:disabled { color: grey; }");
    ui->server_project_viewer->clear();
    for (QWidget* w : {static_cast<QWidget*>(ui->server_new_project_button),
                       static_cast<QWidget*>(ui->server_update_button),
                       static_cast<QWidget*>(ui->server_delete_project_button),
                       static_cast<QWidget*>(ui->server_exit_project_button),
                       static_cast<QWidget*>(ui->server_delete_device_button),
                       static_cast<QWidget*>(ui->change_mobile_button)})
        w->setEnabled(false);
}

void ORB_Window::language_changed(QAction* project)
{
    language = project->text() == "Chinese" ? 0 : 1;
    const QString account = ui->usr_name_text->text();
    program_settings().setValue("language", language);
    install_translator();
    show_login_state(account);
    conn2device->tell_page(QJsonObject{{"command", "language"}, {"type", language}});
}

void ORB_Window::quit_event()
{
    if (close())
        destroy(true, true);
}

void ORB_Window::closeEvent(QCloseEvent* event)
{
    if (!local_projects->may_leave_project()) {
        event->ignore();
        return;
    }
    search_watch->stop();
    QMainWindow::closeEvent(event);
}

void ORB_Window::open_event()
{
    showNormal();
}

void ORB_Window::on_save_project_button_clicked()
{
    local_projects->save_project();
}

void ORB_Window::on_new_project_button_clicked()
{
    if (!local_projects->may_leave_project())
        return;
    search_watch->stop();
    local_projects->new_project();
}

void ORB_Window::local_project_selected(QAction* project)
{
    if (local_projects->load_local_project(project->text(), true))
        search_watch->stop();
}

void ORB_Window::local_project_deleted(QAction* project)
{
    local_projects->delete_project(project->text());
}

void ORB_Window::local_device_deleted(QAction* project)
{
    local_projects->delete_device(project->text());
}

void ORB_Window::local_project_updated()
{
    local_projects->update_from_page();
}

void ORB_Window::local_renamed(QTreeWidgetItem* current, int column)
{
    local_projects->renamed(current, column);
}

void ORB_Window::local_device_selected(QTreeWidgetItem* current, int column)
{
    switch_opener->local_device_selected(current, column);
}

void ORB_Window::on_search_button_clicked()
{
    // The search's switches take the tree's place.
    if (!local_projects->may_leave_project())
        return;
    if (conn2device->in_round())
        ui->state_text->setText(tr("The search starts once this watch round has ended"));
    conn2device->after_round([this] { device_tree->search(); });
}

void ORB_Window::on_watch_button_toggled(bool on)
{
    watch(on, ui->NIC_select_box->currentText());
}

// The watched site takes the tree's place: unsaved project changes are asked for first.
void ORB_Window::watch(bool on, const QString& nic)
{
    search_watch->set_on(on && local_projects->may_leave_project(), nic);
}

void ORB_Window::update_searchDevice(cJSON* data)
{
    device_tree->fill(data);
}

// The cloud account.

void ORB_Window::server_login_multi(QString mobile, QString passwd, bool remember)
{
    cloud_account->login_repeatedly(ORB_CloudAccount::Id::Mobile, mobile, passwd, remember);
}

void ORB_Window::server_login(QString mobile, QString passwd, bool remember)
{
    cloud_account->login(ORB_CloudAccount::Id::Mobile, mobile, passwd, remember);
}

void ORB_Window::server_login_email_multi(QString email, QString passwd, bool remember)
{
    cloud_account->login_repeatedly(ORB_CloudAccount::Id::Email, email, passwd, remember);
}

void ORB_Window::server_login_email(QString email, QString passwd, bool remember)
{
    cloud_account->login(ORB_CloudAccount::Id::Email, email, passwd, remember);
}

void ORB_Window::server_register(QString mobile, QString code, QString passwd)
{
    cloud_account->register_account(ORB_CloudAccount::Id::Mobile, mobile, code, passwd);
}

void ORB_Window::server_register_email(QString email, QString code, QString passwd)
{
    cloud_account->register_account(ORB_CloudAccount::Id::Email, email, code, passwd);
}

void ORB_Window::server_send_verify_code(QString mobile)
{
    cloud_account->send_verify_code(mobile);
}

void ORB_Window::on_login_changepd_button_clicked()
{
    cloud_account->open_account_window();
}

void ORB_Window::on_change_mobile_button_clicked()
{
    cloud_account->open_change_mobile_window();
}

void ORB_Window::server_alter_mobile(QString new_mobile, QString code)
{
    cloud_account->alter_mobile(new_mobile, code);
}

// The account is the signed-in one: the mobile number is not sent.
void ORB_Window::server_alter_passwd(QString, QString new_passwd)
{
    cloud_account->alter_password(new_passwd);
}

void ORB_Window::server_alter_passwd_email(QString new_passwd)
{
    ui->state_text->setText(tr("changing password"));
    cloud_account->alter_password(new_passwd);
}

void ORB_Window::on_delete_account_button_clicked()
{
    cloud_account->delete_account();
}

// The cloud project tree.

void ORB_Window::build_server_project_tree(const cJSON* tree)
{
    cloud_tree->redraw(tree);
}

void ORB_Window::on_server_update_button_clicked()
{
    // Signed out, there is nothing to ask the cloud (the page may still ask).
    if (shared.login_done)
        cloud_tree->refresh();
}

void ORB_Window::on_server_new_project_button_clicked()
{
    cloud_tree->open_new_project_dialog();
}

void ORB_Window::server_delete_project_switch_or_add_switch(QTreeWidgetItem* item, int column)
{
    cloud_tree->row_clicked(item, column);
}

void ORB_Window::server_device_selected(QTreeWidgetItem* current, int)
{
    cloud_tree->row_double_clicked(current);
}

void ORB_Window::server_renamed(QTreeWidgetItem* current, int)
{
    cloud_tree->row_renamed(current);
}

void ORB_Window::server_append_project(QString name, QList<QString> sna, QList<QString> na, QList<QString> pda)
{
    cloud_tree->append_project(name, sna, na, pda);
}

void ORB_Window::server_add_switch(QString pid, QList<QString> sna, QList<QString> na, QList<QString> pda)
{
    cloud_tree->add_switches(pid, sna, na, pda);
}

void ORB_Window::server_delete_device(QString pid, QString sn)
{
    cloud_tree->delete_device(pid, sn);
}

void ORB_Window::server_delete_project(QString pid)
{
    cloud_tree->delete_project(pid);
}

void ORB_Window::server_exit_project(QString pid)
{
    cloud_tree->exit_project(pid);
}

// The buttons of these slots stay hidden, and no signal reaches
// server_append_device: every cloud action goes through the tree's rows.
void ORB_Window::server_append_device(QString, QList<QString>, QList<QString>, QList<QString>) {}
void ORB_Window::on_server_delete_device_button_clicked() {}
void ORB_Window::on_server_exit_project_button_clicked() {}
void ORB_Window::server_delete_project_selected(QAction*) {}
void ORB_Window::server_exit_project_selected(QAction*) {}
