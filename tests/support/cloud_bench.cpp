#include "cloud_bench.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

bool CloudBench::enter(const QTemporaryDir& work)
{
    return work.isValid() && QDir::setCurrent(work.path())
        && CloudSimulator::make_certificates(work.filePath("certs"));
}

CloudBench::CloudBench(const QString& certificate_dir, const QString& seed_file)
    : cloud(std::make_unique<CloudSimulator>(certificate_dir, seed_file))
    , window(std::make_unique<QWidget>())
    , tree(new QTreeWidget(window.get()))
    , new_button(new QPushButton(window.get()))
    , update_button(new QPushButton(window.get()))
    , account_label(new QLabel(window.get()))
    , state_text(new QLineEdit(window.get()))
{
    QFile::remove("Settings.ini");
    shared.login_done = false; // signed out at first
    cloud->point_settings_here(certificate_dir);
    link = std::make_unique<ORB_CONN2SERVER>();
    projects = std::make_unique<ORB_CloudProjectTree>(
        ORB_CloudProjectTree::Widgets{window.get(), tree, new_button, update_button}, link.get(), shared);
    account = std::make_unique<ORB_CloudAccount>(
        ORB_CloudAccount::Widgets{window.get(), account_label, state_text},
        shared, [this](const QString& name) { account_label->setText(name); }, link.get(), projects.get());
    // Connected as the window connects them.
    ORB_CloudProjectTree* rows = projects.get();
    QObject::connect(tree, &QTreeWidget::itemClicked, tree, [rows](QTreeWidgetItem* i, int c) { rows->row_clicked(i, c); });
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, tree, [rows](QTreeWidgetItem* i) { rows->row_double_clicked(i); });
    QObject::connect(tree, &QTreeWidget::itemChanged, tree, [rows](QTreeWidgetItem* i) { rows->row_renamed(i); });
    QObject::connect(new_button, &QPushButton::clicked, tree, [rows] { rows->open_new_project_dialog(); });
    QObject::connect(link.get(), &ORB_CONN2SERVER::refresh_server_project_data_singal, tree, [rows] { rows->refresh(); });
}

// The members then go in reverse order: watcher, account and tree, window,
// link, service.
CloudBench::~CloudBench()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != window.get() && w->isVisible())
            w->close();
}

std::shared_ptr<bool> CloudBench::while_held(const QString& action, const std::function<void()>& act)
{
    const QRegularExpression held("^" + action + " \\S+ held$");
    const int before = cloud->log().filter(held).size();
    const int answered = requests(action);
    auto in_time = std::make_shared<bool>(false);
    auto* poll = new QTimer(window.get());
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        if (cloud->log().filter(held).size() > before) {
            poll->deleteLater();
            poll->stop();
            *in_time = requests(action) == answered;
            act();
        }
    });
    poll->start(20);
    return in_time;
}

int CloudBench::requests(const QString& action)
{
    return cloud->log().filter(QRegularExpression("^" + action + " \\S+ -> ")).size();
}
