#pragma once
// The cloud mode's tree and account on plain widgets, with a fresh reference
// cloud service and a link that is not signed in: what the window does, with
// no web view, so the tests also run under the sanitizers. Writes
// ./Settings.ini in the current folder.

#include "cloud/orb_conn2server.h"
#include "tools/drive/cloud_simulator.h"
#include "tools/drive/dialog_watcher.h"
#include "ui/cloud_account.h"
#include "ui/cloud_project_tree.h"
#include "ui/window_state.h"

#include <QApplication>
#include <QString>

#include <functional>
#include <memory>

class QLabel;
class QTemporaryDir;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class CloudBench
{
public:
    // Makes work the current folder, with a throw-away certificate authority
    // in its certs/ for the benches to come.
    static bool enter(const QTemporaryDir& work);

    CloudBench(const QString& certificate_dir, const QString& seed_file);
    ~CloudBench();

    // How many requests of an action the service has answered.
    int requests(const QString& action);
    // Runs act once the service holds the next request of the action (a knob
    // with delay_ms): what a person does while the program waits for it. The
    // flag says whether act ran before the service answered.
    std::shared_ptr<bool> while_held(const QString& action, const std::function<void()>& act);

    std::unique_ptr<CloudSimulator> cloud;
    std::unique_ptr<ORB_CONN2SERVER> link;
    std::unique_ptr<QWidget> window;
    QTreeWidget* tree;
    QPushButton* new_button;
    QPushButton* update_button;
    QLabel* account_label;
    QLineEdit* state_text;
    ORB_WindowState shared;
    std::unique_ptr<ORB_CloudProjectTree> projects;
    std::unique_ptr<ORB_CloudAccount> account;
    DialogWatcher watcher;
};
