// What a person waits for on a big site, in the real window, after Search is
// clicked: when the first switch shows in the tree and in the page's table
// (after the first answer); after the collection window (five seconds from the
// first answer), when the "device search complete" box comes (the tree is
// whole by then), when the page's table holds every switch, and when the page
// has the search's result (the list final, its buttons free); then how long
// the page takes to filter and to sort the list.
//
// Run under Xvfb inside the isolated network:
//   QTWEBENGINE_DISABLE_SANDBOX=1 tools/isolated-lan.sh xvfb-run -a build/release/bench/bench_window_fill

#include "bench/first_reply_watch.h"
#include "tools/drive/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// Milliseconds the page takes for a script, layout included.
double page_ms(PageDriver& page, const QString& action)
{
    return page
        .run("(() => { const start = performance.now(); " + action
             + "; void document.getElementById('device-table').offsetHeight; return performance.now() - start; })()")
        .toDouble();
}

// Polls the page every 20 ms until the expression holds.
bool poll(PageDriver& page, const QString& expression, int timeout_ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeout_ms) {
        if (page.run("Boolean(" + expression + ")").toBool())
            return true;
        QTest::qWait(20);
    }
    return false;
}

struct Seen
{
    double tree_first = -1, page_first = -1; // ms after the first answer
    double box_after = -1, page_full = -1, page_final = -1; // s after the collection window
};

// Clicks Search and answers the box that ends the search, noting meanwhile
// when the tree and the page first show a switch, when the page's table holds
// all count of them and when it has the result.
Seen search_until_box(WindowFixture& lan, FirstReplyWatch& watch, int count)
{
    Seen seen;
    auto* tree = lan.window->findChild<QTreeWidget*>("local_project_viewer");
    QWebEnginePage* page = lan.window->findChild<QWebEngineView*>("webviewer")->page();
    bool asking_page = false;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (seen.tree_first < 0 && tree->topLevelItemCount() > 0 && tree->topLevelItem(0)->childCount() == 6)
            seen.tree_first = watch.seconds_after_first() * 1000;
        if (seen.page_final < 0 && !asking_page) {
            asking_page = true;
            page->runJavaScript(QString("[document.querySelectorAll('#device-table tbody tr[data-sn]').length > 0, "
                                        "Discovery.devices().length === %1, "
                                        "document.getElementById('discovery-notice').textContent"
                                        ".startsWith('Search finished: %1 ')]")
                                    .arg(count),
                                [&](const QVariant& answer) {
                                    asking_page = false;
                                    const QVariantList shown = answer.toList();
                                    if (seen.page_first < 0 && shown.value(0).toBool())
                                        seen.page_first = watch.seconds_after_first() * 1000;
                                    if (seen.page_full < 0 && shown.value(1).toBool())
                                        seen.page_full = watch.seconds_after_window();
                                    if (shown.value(2).toBool())
                                        seen.page_final = watch.seconds_after_window();
                                });
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                if (seen.box_after < 0)
                    seen.box_after = watch.seconds_after_window();
                box->accept();
            }
    });
    look.start(5);
    watch.arm();
    lan.window->findChild<QPushButton*>("search_button")->click();
    return seen;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    FirstReplyWatch watch;
    std::printf("%8s %5s %8s %11s %11s %11s %11s %11s %9s %8s\n", "present", "new", "in tree", "tree first",
                "page first", "box after", "page full", "page final", "filter", "sort");
    const QList<QPair<int, bool>> sites = {{200, false}, {2000, false}, {10000, false}, {10000, true}};
    for (const auto& [count, new_switches] : sites) {
        QStringList simulator{"--count", QString::number(count), "--spread-ms", "1000"};
        if (new_switches)
            simulator.append("--not-activated");
        WindowFixture lan(simulator);
        if (!lan.is_ready())
            return 1;
        lan.window->findChild<QComboBox*>("NIC_select_box")->setCurrentText("lo");
        Seen seen = search_until_box(lan, watch, count);
        const QString final_shown =
            QString("document.getElementById('discovery-notice').textContent.startsWith('Search finished: %1 ')")
                .arg(count);
        const bool shown = seen.page_final >= 0 || poll(*lan.page, final_shown, 120000);
        if (seen.page_final < 0)
            seen.page_final = watch.seconds_after_window();
        const int in_tree = lan.window->findChild<QTreeWidget*>("local_project_viewer")->topLevelItemCount();
        const double filter = page_ms(*lan.page, "const f = document.getElementById('filter-input'); "
                                                 "f.value = '00'; f.dispatchEvent(new Event('input'))");
        page_ms(*lan.page, "const f = document.getElementById('filter-input'); "
                           "f.value = ''; f.dispatchEvent(new Event('input'))");
        const double sort = page_ms(*lan.page, "document.querySelector(\"#device-table th[data-key='sn']\").click()");
        std::printf("%8d %5s %8d %8.0f ms %8.0f ms %8.0f ms %8.0f ms %8.0f ms %6.0f ms %5.0f ms%s\n", count,
                    new_switches ? "yes" : "no", in_tree, seen.tree_first, seen.page_first, seen.box_after * 1000,
                    seen.page_full * 1000, seen.page_final * 1000, filter, sort,
                    shown ? "" : "  (page never showed them all)");
        std::fflush(stdout);
    }
    return 0;
}
