#pragma once
// The window that gathers the switches of a cloud project: either for a new
// project, or for switches to be added to an existing one.

#include <QList>
#include <QMainWindow>
#include <QPoint>
#include <QString>

class QAction;
class QMenu;
class QStandardItemModel;

namespace Ui {
class ORB_Server_New_Project_Window;
}

class ORB_Server_New_Project_Window : public QMainWindow
{
    Q_OBJECT

public:
    explicit ORB_Server_New_Project_Window(QWidget* parent = nullptr);
    ~ORB_Server_New_Project_Window() override;

    // A non-empty pid turns the window, for good, into adding switches to
    // that project.
    void set_target_project(const QString& name, const QString& pid);

signals:
    // project_name is the project id when adding switches; the lists are
    // index-aligned, one entry per table row.
    void ready2append(QString project_name, QList<QString> sn, QList<QString> name, QList<QString> passwd);

public slots:
    void load2model(QString sn, QString name, QString passwd);

private slots:
    void on_append_switch_button_clicked();
    void on_confirm_button_clicked();
    void device_selected(QPoint selected);
    void device_delete(QAction* project);

private:
    Ui::ORB_Server_New_Project_Window* ui;
    int menu_row = -1;
    QStandardItemModel* device_model = nullptr;
    QMenu* row_menu = nullptr;
    QString target_name;
    QString target_pid;
};
