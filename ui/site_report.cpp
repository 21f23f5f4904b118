#include "site_report.h"

#include "device/orb_conn2device.h"
#include "projects/private_files.h"
#include "projects/site_rows.h"
#include "projects/whole_file.h"
#include "ui/listed_switches.h"
#include "ui/local_projects.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEnginePage>

#include <memory>

namespace {

// A 10,000-row report prints in about 11 s; a print that has not answered in
// this time will not, and the page's buttons come back.
constexpr int PRINT_ANSWER_MS = 120 * 1000;
// For tests: a shorter wait.
constexpr char PRINT_ANSWER_VARIABLE[] = "ORB_PRINT_ANSWER_MS";

} // namespace

ORB_SiteReport::ORB_SiteReport(Widgets widgets, ORB_CONN2DEVICE* device_link, const ORB_LocalProjects* projects,
                               const ORB_ListedSwitches* switches, QObject* parent)
    : QObject(parent)
    , ui(widgets)
    , device_link(device_link)
    , projects(projects)
    , switches(switches)
{
    // Queued: a dialog opened inside the page's call would hold the page.
    connect(device_link, &ORB_CONN2DEVICE::site_report_requested, this, &ORB_SiteReport::open, Qt::QueuedConnection);
    connect(device_link, &ORB_CONN2DEVICE::site_report_lines_changed, this, &ORB_SiteReport::remember_lines);
    connect(device_link, &ORB_CONN2DEVICE::site_report_output_requested, this, &ORB_SiteReport::output,
            Qt::QueuedConnection);
}

void ORB_SiteReport::open()
{
    QJsonArray rows = switches->list_rows(true);
    ORB_SiteRows::sort_by_address(&rows);
    const QSettings stored = program_settings();
    const QJsonObject title{{"project", projects->open_project_name()},
                            {"nic", device_link->last_search_interface()},
                            {"date", QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm")},
                            {"version", ORB_VERSION},
                            {"lost", device_link->answers_lost()},
                            {"site", stored.value("report_site").toString()},
                            {"installer", stored.value("report_installer").toString()}};
    // The rows go as JSON text: the web channel converts a text far faster
    // than thousands of objects, and the window waits for it meanwhile.
    const QString rows_text = QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact));
    device_link->tell_page(QJsonObject{{"command", "siteReport"}, {"title", title}, {"rows", rows_text}});
}

void ORB_SiteReport::remember_lines(const QString& site, const QString& installer)
{
    QSettings stored = program_settings();
    stored.setValue("report_site", site);
    stored.setValue("report_installer", installer);
}

void ORB_SiteReport::output(const QString& how)
{
    if (printing) // the page sends one at a time; one that comes meanwhile is dropped
        return;
    if (how == "pdf")
        save_pdf();
    else if (how == "print")
        print();
    else
        finish({{"error", tr("the page could not be printed")}}, QString());
}

QString ORB_SiteReport::suggested_file_name(const QString& project, const QDate& date)
{
    return (project.isEmpty() ? QString("site-report") : project) + "-" + date.toString("yyyy-MM-dd") + ".pdf";
}

QPageLayout ORB_SiteReport::page_layout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0));
}

void ORB_SiteReport::save_pdf()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        QDir(folder).filePath(suggested_file_name(projects->open_project_name(), QDate::currentDate()));
    const QString chosen =
        QFileDialog::getSaveFileName(ui.window, tr("Save the site report"), suggested, tr("PDF files (*.pdf)"));
    if (chosen.isEmpty()) {
        finish({{"canceled", true}}, QString());
        return;
    }
    const QString path = QFileInfo(chosen).suffix().isEmpty() ? chosen + ".pdf" : chosen;
    const int job = start_job(tr("Writing the site report to %1 …").arg(path),
                              tr("The site report could not be written: the page did not answer in time"));
    const QPointer<ORB_SiteReport> alive(this);
    ui.page->printToPdf(
        [alive, job, path](const QByteArray& pdf) {
            if (alive && alive->is_current(job))
                alive->write_pdf(path, pdf);
        },
        page_layout());
}

void ORB_SiteReport::write_pdf(const QString& path, const QByteArray& pdf)
{
    if (pdf.isEmpty()) { // nothing is written, so an older file of that name stays whole
        finish({{"error", tr("the page could not be printed")}}, tr("The site report could not be written"));
        return;
    }
    const QString problem = ORB_WholeFile::write(path, pdf);
    if (problem.isEmpty())
        finish({{"file", path}}, tr("Site report saved to %1").arg(path));
    else
        finish({{"error", problem}}, tr("The site report could not be written: %1").arg(problem));
}

void ORB_SiteReport::print()
{
    auto printer = std::make_shared<QPrinter>();
    // The web engine prints its pages as pictures at the printer's resolution:
    // 300 dpi reads well and keeps a page to tens of megabytes, not hundreds.
    printer->setResolution(300);
    printer->setPageLayout(page_layout());
    QPrintDialog dialog(printer.get(), ui.window);
    if (dialog.exec() != QDialog::Accepted) {
        finish({{"canceled", true}}, QString());
        return;
    }
    const int job = start_job(tr("Printing the site report …"),
                              tr("The site report could not be printed: the page did not answer in time"));
    const QPointer<ORB_SiteReport> alive(this);
    // The printer lives until the page has printed on it.
    ui.page->print(printer.get(), [alive, job, printer](bool printed) {
        if (!alive || !alive->is_current(job))
            return;
        if (printed)
            alive->finish({{"printed", true}}, tr("Site report printed"));
        else
            alive->finish({{"error", tr("the page could not be printed")}}, tr("The site report could not be printed"));
    });
}

int ORB_SiteReport::start_job(const QString& status, const QString& timed_out)
{
    printing = true;
    ui.state_text->setText(status);
    const int job = ++print_job;
    const int wait_ms = qEnvironmentVariableIsSet(PRINT_ANSWER_VARIABLE)
        ? qEnvironmentVariableIntValue(PRINT_ANSWER_VARIABLE)
        : PRINT_ANSWER_MS;
    // An answer after this is dropped: the page has heard the outcome.
    QTimer::singleShot(wait_ms, this, [this, job, timed_out] {
        if (is_current(job))
            finish({{"error", tr("the page did not answer the print in time")}}, timed_out);
    });
    return job;
}

bool ORB_SiteReport::is_current(int job) const
{
    return printing && job == print_job;
}

void ORB_SiteReport::finish(const QJsonObject& outcome, const QString& status)
{
    printing = false;
    if (!status.isEmpty())
        ui.state_text->setText(status);
    QJsonObject message = outcome;
    message.insert("command", "siteReportDone");
    device_link->tell_page(message);
}
