// What a person waits for on a big site, in the real window: after Search is
// clicked and the collection window has closed (five seconds after the first
// answer), when the "device search complete" box comes (the local tree is
// filled by then) and when the page's table shows every switch; then how long
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

// Clicks Search and answers the box that ends the search; returns the box's
// time after the collection window.
double search_until_box(WindowFixture& lan, FirstReplyWatch& watch)
{
    double box_after = -1;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                if (box_after < 0)
                    box_after = watch.seconds_after_window();
                box->accept();
            }
    });
    look.start(5);
    watch.arm();
    lan.window->findChild<QPushButton*>("search_button")->click();
    return box_after;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    FirstReplyWatch watch;
    std::printf("%8s %5s %8s %14s %14s %12s %10s\n", "present", "new", "in tree", "box after", "page after", "filter",
                "sort");
    const QList<QPair<int, bool>> sites = {{200, false}, {2000, false}, {10000, false}, {10000, true}};
    for (const auto& [count, new_switches] : sites) {
        QStringList simulator{"--count", QString::number(count), "--spread-ms", "1000"};
        if (new_switches)
            simulator.append("--not-activated");
        WindowFixture lan(simulator);
        if (!lan.is_ready())
            return 1;
        lan.window->findChild<QComboBox*>("NIC_select_box")->setCurrentText("lo");
        const double box_after = search_until_box(lan, watch);
        const QString all_shown = QString("document.getElementById('device-count').textContent.startsWith('%1 ')")
                                      .arg(count);
        const bool shown = poll(*lan.page, all_shown, 120000);
        const double page_after = watch.seconds_after_window();
        const int in_tree = lan.window->findChild<QTreeWidget*>("local_project_viewer")->topLevelItemCount();
        const double filter = page_ms(*lan.page, "const f = document.getElementById('filter-input'); "
                                                 "f.value = '00'; f.dispatchEvent(new Event('input'))");
        page_ms(*lan.page, "const f = document.getElementById('filter-input'); "
                           "f.value = ''; f.dispatchEvent(new Event('input'))");
        const double sort = page_ms(*lan.page, "document.querySelector(\"#device-table th[data-key='sn']\").click()");
        std::printf("%8d %5s %8d %12.2f s %12.2f s %9.0f ms %7.0f ms%s\n", count, new_switches ? "yes" : "no",
                    in_tree, box_after, page_after, filter, sort, shown ? "" : "  (page never showed them all)");
        std::fflush(stdout);
    }
    return 0;
}
