#pragma once
// The site report an installer hands over. At the page's click it takes a
// snapshot of the listed switches (and the open project's switches the list
// lacks) with a title block, and the page previews it as the pages it
// prints to. The lines the person types on it are kept in ./Settings.ini.
// The page's print view is then saved as a PDF file, whole or not at all, or
// sent to a printer. Progress shows in the window's status line: the page
// is what is being printed.

#include <QJsonObject>
#include <QObject>
#include <QString>

class ORB_CONN2DEVICE;
class ORB_ListedSwitches;
class ORB_LocalProjects;
class QDate;
class QLineEdit;
class QPageLayout;
class QWebEnginePage;
class QWidget;

class ORB_SiteReport : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        QWidget* window;
        QWebEnginePage* page;
        QLineEdit* state_text;
    };

    ORB_SiteReport(Widgets widgets, ORB_CONN2DEVICE* device_link, const ORB_LocalProjects* projects,
                   const ORB_ListedSwitches* switches, QObject* parent);

    // Sends the page {"command":"siteReport","title":{…},"rows":"[…]"}, the
    // rows as JSON text.
    void open();
    void remember_lines(const QString& site, const QString& installer);
    // "pdf" or "print"; the page hears {"command":"siteReportDone"} with
    // "file", "printed", "canceled" or "error".
    void output(const QString& how);

private:
    // "<project>-<yyyy-MM-dd>.pdf"; a list without project is a "site-report".
    static QString suggested_file_name(const QString& project, const QDate& date);
    // A4 landscape: the page's sheets are drawn for it.
    static QPageLayout page_layout();

    void save_pdf();
    void print();
    void write_pdf(const QString& path, const QByteArray& pdf);
    // Marks a print under way and says so; its answer counts only while it
    // is the current one, and it ends with timed_out when none comes in time.
    int start_job(const QString& status, const QString& timed_out);
    bool is_current(int job) const;
    void finish(const QJsonObject& outcome, const QString& status);

    Widgets ui;
    ORB_CONN2DEVICE* device_link;
    const ORB_LocalProjects* projects;
    const ORB_ListedSwitches* switches;
    bool printing = false;
    int print_job = 0;
};
