#include "tree_bench.h"

#include "device/address_check.h"
#include "device/orb_conn2device.h"
#include "projects/orb_loader.h"
#include "tests/support/test_files.h"
#include "ui/local_device_tree.h"
#include "ui/local_projects.h"
#include "ui/search_watch.h"
#include "ui/switch_opener.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

TreeBench::TreeBench()
{
    QDir().mkpath("config");
    QDir().mkpath("log");
    write_file("config/device_info.json", R"({"ip":[],"sn":[],"mac":[],"model":[],"passwd":[],"active":[]})");
    translator.load(":/languages/us_EN.qm");
    QCoreApplication::installTranslator(&translator);

    window = std::make_unique<QWidget>();
    QWidget* w = window.get();
    tree = new QTreeWidget(w);
    interfaces = new QComboBox(w);
    state = new QLineEdit(w);
    watch_button = new QPushButton(w);
    watch_button->setCheckable(true);
    link = new ORB_CONN2DEVICE(w);
    auto* loader = new ORB_Loader(w);
    projects = new ORB_LocalProjects({tree, new QToolButton(w), new QToolButton(w), new QToolButton(w), state}, loader,
                                     link, shared, w);
    device_tree = new ORB_LocalDeviceTree({w, tree, interfaces, state}, link, w);
    auto* opener = new ORB_SwitchOpener(w, state, device_tree, loader, link, shared, w);
    watch = new ORB_SearchWatch({watch_button, state}, link, device_tree, shared, [] { return false; }, w);
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, opener, &ORB_SwitchOpener::local_device_selected);
    device_tree->set_keeps_project([this] { return projects->holds_unsaved_changes(); });
    device_tree->set_address_check(new ORB_AddressCheck(link, w));
    device_tree->set_open_switch([opener](QTreeWidgetItem* device, const QString& passwd, bool notify, bool record) {
        opener->open_local_device(device, passwd, notify, record);
    });
    QObject::connect(interfaces, &QComboBox::currentTextChanged, watch, [this] { watch->stop(); });
    QObject::connect(watch_button, &QPushButton::toggled, watch, [this](bool on) {
        watch->set_on(on && projects->may_leave_project(), interfaces->currentText());
    });
    interfaces->addItem("lo");
    window->resize(900, 700);
    window->show();
}

TreeBench::~TreeBench()
{
    window.reset();
    QCoreApplication::removeTranslator(&translator);
}
