// A whole site answering at once, as real switches answer a multicast:
// 10,000 simulated switches send their answers back to back in one burst.
// Searches through the window's Search button and through the page's, 20
// each, first with the receive buffer the system gives, then with it forced
// to Debian's default cap (net.core.rmem_max 212992: 416 KiB, about 330
// answers). For each path it prints the minimum, median and maximum of the
// switches listed in the tree and in the page, of the answers said lost, and
// of the times a person waits, from the first answer: the first row in the
// tree and in the page, the whole list in the page, and, from the end of the
// collection window, the "device search complete" box and the page's final
// notice.
//
// Run under Xvfb inside the isolated network:
//   QTWEBENGINE_DISABLE_SANDBOX=1 tools/isolated-lan.sh xvfb-run -a build/release/bench/bench_burst_search [searches]

#include "bench/first_reply_watch.h"
#include "device/orb_conn2device.h"
#include "tools/drive/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int SWITCHES = 10000;
constexpr int DEBIAN_DEFAULT_CAP = 212992;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// The page stamps, on the wall clock, the frames that first show a row, the
// whole list and the final notice of the search under way.
void watch_page_frames(PageDriver& page)
{
    page.run(QString(R"((() => {
        const notice = document.getElementById('discovery-notice');
        const at = (key) => { const stamps = window.benchStamps; requestAnimationFrame(() => {
            stamps[key] = stamps[key] || performance.timeOrigin + performance.now(); }); };
        new MutationObserver(() => {
            const stamps = window.benchStamps;
            if (!stamps) return;
            const list = Discovery.devices(); // a new search makes a new list
            if (list === stamps.before) return;
            if (!stamps.first && document.querySelector('#device-table tbody tr[data-sn]')) at('first');
            if (!stamps.full && list.length === %1) at('full');
            if (!stamps.final && notice.textContent.startsWith('Search finished: ')) at('final');
        }).observe(document.body, {childList: true, subtree: true, characterData: true});
    })())")
                 .arg(SWITCHES));
}

struct Seen
{
    double tree_first = -1, page_first = -1, page_full = -1; // ms after the first answer
    double box_after = -1, page_final = -1;                  // ms after the collection window
    double in_tree = 0, in_page = 0, lost = 0;
};

struct Search
{
    WindowFixture& lan;
    FirstReplyWatch& watch;
    bool from_page;

    Seen run()
    {
        Seen seen;
        auto* tree = lan.window->findChild<QTreeWidget*>("local_project_viewer");
        // The first batch replaces the rows of the search before.
        const QTreeWidgetItem* before = tree->topLevelItemCount() > 0 ? tree->topLevelItem(0) : nullptr;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (seen.tree_first < 0 && watch.seconds_after_first() < 60 && tree->topLevelItemCount() > 0
                && tree->topLevelItem(0) != before && tree->topLevelItem(0)->childCount() == 6)
                seen.tree_first = watch.seconds_after_first() * 1000;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    if (seen.box_after < 0)
                        seen.box_after = watch.seconds_after_window() * 1000;
                    box->accept();
                }
        });
        lan.page->run("window.benchStamps = {first: 0, full: 0, final: 0, before: Discovery.devices()}");
        look.start(5);
        watch.arm();
        if (from_page)
            lan.page->run("document.getElementById('search-button').click()");
        else
            lan.window->findChild<QPushButton*>("search_button")->click();
        // Done when the page's notice is final and its Search button is free.
        if (lan.page->wait_for("window.benchStamps.final && !document.getElementById('search-button').disabled",
                               120000)) {
            const QVariantMap stamps = lan.page->run("window.benchStamps").toMap();
            const auto after_first = [&](const char* key) {
                return stamps[key].toDouble() > 0 ? watch.ms_after_first(stamps[key].toDouble()) : -1.0;
            };
            seen.page_first = after_first("first");
            seen.page_full = after_first("full");
            seen.page_final = after_first("final") - 5000;
        }
        QTest::qWait(200); // the tree's last marks
        seen.in_tree = tree->topLevelItemCount();
        seen.in_page = lan.page->run("Discovery.devices().length").toInt();
        seen.lost = lan.window->findChild<ORB_CONN2DEVICE*>()->answers_lost();
        return seen;
    }
};

void print_spread(const char* what, QVector<double> values, const char* unit)
{
    std::sort(values.begin(), values.end());
    std::printf("  %-26s min %8.0f  median %8.0f  max %8.0f %s\n", what, values.first(), values[values.size() / 2],
                values.last(), unit);
}

void print_path(const char* path, const QVector<Seen>& runs)
{
    std::printf(" %s, %d searches:\n", path, int(runs.size()));
    const auto column = [&](double Seen::*member) {
        QVector<double> values;
        for (const Seen& s : runs)
            values.append(s.*member);
        return values;
    };
    print_spread("listed in the tree", column(&Seen::in_tree), "");
    print_spread("listed in the page", column(&Seen::in_page), "");
    print_spread("answers said lost", column(&Seen::lost), "");
    print_spread("first row in the tree", column(&Seen::tree_first), "ms after the first answer");
    print_spread("first row in the page", column(&Seen::page_first), "ms after the first answer");
    print_spread("whole list in the page", column(&Seen::page_full), "ms after the first answer (-1: never)");
    if (runs.first().box_after >= 0)
        print_spread("search complete box", column(&Seen::box_after), "ms after the window");
    print_spread("page's final notice", column(&Seen::page_final), "ms after the window");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    const int searches = argc > 1 ? QString(argv[1]).toInt() : 20;
    FirstReplyWatch watch;
    for (const bool capped : {false, true}) {
        if (capped)
            qputenv("ORB_RECEIVE_BUFFER_BYTES", QByteArray::number(DEBIAN_DEFAULT_CAP));
        WindowFixture lan({"--count", QString::number(SWITCHES), "--spread-ms", "0"});
        if (!lan.is_ready())
            return 1;
        lan.choose_loopback();
        watch_page_frames(*lan.page);
        std::printf("%d switches in one burst, receive buffer %s:\n", SWITCHES,
                    capped ? "forced to Debian's default cap (416 KiB)" : "as the system gives");
        for (const bool from_page : {false, true}) {
            QVector<Seen> runs;
            for (int i = 0; i < searches; ++i)
                runs.append(Search{lan, watch, from_page}.run());
            print_path(from_page ? "the page's Search" : "the window's Search", runs);
        }
    }
    return 0;
}
