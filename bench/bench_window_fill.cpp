// What a person waits for on a big site, in the real window, after Search is
// clicked. From the first answer: when the first switch shows in the tree and
// in the page's table, and when the table holds every switch. From the end of
// the collection window (five seconds after the first answer): when the
// "device search complete" box comes (the tree is whole by then), and when the
// page shows its list final (the search said finished, its buttons free).
// Then how long the page takes to filter and to sort the list. The page's
// times are those of the frames that show each step.
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

// Has the page stamp, on the wall clock, the frames that first show a row, the
// whole list, and the final notice. The stamps are taken in the page itself,
// so a busy program thread cannot make them late.
void stamp_page_frames(PageDriver& page, int count)
{
    page.run(QString(R"((() => {
        const stamps = window.benchStamps = {first: 0, full: 0, final: 0};
        const notice = document.getElementById('discovery-notice');
        const at = (key) => requestAnimationFrame(() => {
            stamps[key] = stamps[key] || performance.timeOrigin + performance.now(); });
        new MutationObserver(() => {
            if (!stamps.first && document.querySelector('#device-table tbody tr[data-sn]')) at('first');
            if (!stamps.full && Discovery.devices().length === %1) at('full');
            if (!stamps.final && notice.textContent.startsWith('Search finished: %1 ')) at('final');
        }).observe(document.body, {childList: true, subtree: true, characterData: true});
    })())")
                 .arg(count));
}

struct Seen
{
    double tree_first = -1, page_first = -1, page_full = -1; // ms after the first answer
    double box_after = -1, page_final = -1; // s after the collection window
};

// Reads the page's stamps once its final notice has been drawn; false if it
// never was.
bool read_page_stamps(PageDriver& page, const FirstReplyWatch& watch, Seen& seen)
{
    if (!poll(page, "window.benchStamps.final", 120000))
        return false;
    const QVariantMap stamps = page.run("window.benchStamps").toMap();
    seen.page_first = watch.ms_after_first(stamps["first"].toDouble());
    seen.page_full = watch.ms_after_first(stamps["full"].toDouble());
    seen.page_final = (watch.ms_after_first(stamps["final"].toDouble()) - 5000) / 1000;
    return true;
}

// Clicks Search and answers the box that ends the search, noting meanwhile
// when the tree first shows a switch and when the box comes.
Seen search_until_box(WindowFixture& lan, FirstReplyWatch& watch)
{
    Seen seen;
    auto* tree = lan.window->findChild<QTreeWidget*>("local_project_viewer");
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (seen.tree_first < 0 && tree->topLevelItemCount() > 0 && tree->topLevelItem(0)->childCount() == 6)
            seen.tree_first = watch.seconds_after_first() * 1000;
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
                "page first", "page all", "box after", "page final", "filter", "sort");
    const QList<QPair<int, bool>> sites = {{200, false}, {2000, false}, {10000, false}, {10000, true}};
    for (const auto& [count, new_switches] : sites) {
        QStringList simulator{"--count", QString::number(count), "--spread-ms", "1000"};
        if (new_switches)
            simulator.append("--not-activated");
        WindowFixture lan(simulator);
        if (!lan.is_ready())
            return 1;
        lan.window->findChild<QComboBox*>("NIC_select_box")->setCurrentText("lo");
        stamp_page_frames(*lan.page, count);
        Seen seen = search_until_box(lan, watch);
        const bool shown = read_page_stamps(*lan.page, watch, seen);
        const int in_tree = lan.window->findChild<QTreeWidget*>("local_project_viewer")->topLevelItemCount();
        const double filter = page_ms(*lan.page, "const f = document.getElementById('filter-input'); "
                                                 "f.value = '00'; f.dispatchEvent(new Event('input'))");
        page_ms(*lan.page, "const f = document.getElementById('filter-input'); "
                           "f.value = ''; f.dispatchEvent(new Event('input'))");
        const double sort = page_ms(*lan.page, "document.querySelector(\"#device-table th[data-key='sn']\").click()");
        std::printf("%8d %5s %8d %8.0f ms %8.0f ms %8.0f ms %8.0f ms %8.0f ms %6.0f ms %5.0f ms%s\n", count,
                    new_switches ? "yes" : "no", in_tree, seen.tree_first, seen.page_first, seen.page_full,
                    seen.box_after * 1000, seen.page_final * 1000, filter, sort,
                    shown ? "" : "  (page never showed them all)");
        std::fflush(stdout);
    }
    return 0;
}
