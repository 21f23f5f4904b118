// The site report of a big site, in the real window: from the click on
// "Site report…" to the preview drawn, and from the click on "Save as PDF…"
// (its file dialog answered at once) to the whole file written; the longest
// the window's event loop went without turning meanwhile, so whether the
// window kept answering; and the file's pages (pdfinfo), one a sheet.
//
// Run under Xvfb inside the isolated network (a count as argument times that
// site alone):
//   QTWEBENGINE_DISABLE_SANDBOX=1 tools/isolated-lan.sh xvfb-run -a build/release/bench/bench_site_report

#include "tools/drive/dialog_watcher.h"
#include "tools/drive/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// The longest gap between turns of the event loop while it runs.
class StallMeter
{
public:
    StallMeter()
    {
        QObject::connect(&tick, &QTimer::timeout, [this] {
            longest = std::max(longest, since.restart());
        });
        tick.start(5);
        since.start();
    }
    qint64 longest_ms() const { return longest; }

private:
    QTimer tick;
    QElapsedTimer since;
    qint64 longest = 0;
};

// Turns the event loop until done holds; the milliseconds it took, or -1.
qint64 wait_until(const std::function<bool()>& done, int timeout_ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeout_ms)
            return -1;
        QTest::qWait(10);
    }
    return clock.elapsed();
}

// The pages of a PDF file, as pdfinfo counts them: each sheet must print as one.
int pdf_pages(const QString& path)
{
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {path});
    pdfinfo.waitForFinished();
    const QRegularExpressionMatch pages =
        QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    QTemporaryDir dir;
    std::printf("%8s %10s %10s %10s %10s %8s %9s\n", "switches", "preview", "pdf", "total", "stall", "pages",
                "size");
    QList<int> counts = {2000, 10000};
    if (argc > 1) // a count of one's own, to try a change quickly
        counts = {QString(argv[1]).toInt()};
    for (const int count : counts) {
        WindowFixture lan({"--count", QString::number(count), "--spread-ms", "1000"});
        if (!lan.is_ready())
            return 1;
        DialogWatcher watcher; // answers the search's box and the file dialog
        lan.window->findChild<QComboBox*>("NIC_select_box")->setCurrentText("lo");
        lan.window->findChild<QPushButton*>("search_button")->click();
        auto* tree = lan.window->findChild<QTreeWidget*>("local_project_viewer");
        if (tree->topLevelItemCount() != count)
            return 2;

        const QString path = dir.filePath(QString("site-%1.pdf").arg(count));
        watcher.file_paths = QStringList{path};
        StallMeter stalls;
        lan.page->click("#site-report-button");
        const qint64 preview = wait_until(
            [&] { return lan.page->run("document.querySelectorAll('.sheet').length > 1").toBool(); }, 60000);
        lan.page->click("#report-pdf");
        const qint64 pdf = wait_until([&] { return QFileInfo::exists(path); }, 120000);
        const int sheets = lan.page->run("document.querySelectorAll('.sheet').length").toInt();
        const double total_s = (preview + pdf) / 1000.0;
        const int pages = pdf_pages(path);
        std::printf("%8d %7lld ms %7lld ms %7.1f s %7lld ms %8d %6.1f MB%s%s%s\n", count,
                    static_cast<long long>(preview), static_cast<long long>(pdf), total_s,
                    static_cast<long long>(stalls.longest_ms()), pages, QFileInfo(path).size() / 1e6,
                    preview < 0 || pdf < 0 ? "  (never written)" : "", total_s > 30 ? "  (over 30 s)" : "",
                    pages != sheets ? qPrintable(QString("  (%1 sheets)").arg(sheets)) : "");
        std::fflush(stdout);
    }
    return 0;
}
