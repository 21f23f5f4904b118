// A site being commissioned, in the real window and page against the switch
// simulator: new switches that share their factory addresses, an address
// plan for twenty switches (preview, a collision, passwords refused, a
// retry, the confirming search), plans the page should not have sent, the
// list and a plan as CSV files, files on a full disk, and the site report
// handed over as a PDF file in both languages.

#include "codec/csv_table.h"
#include "device/address_plan_run.h"
#include "device/orb_conn2device.h"
#include "tests/support/plan_text.h"
#include "tests/support/scratch_filesystem.h"
#include "tests/support/test_files.h"
#include "tools/drive/dialog_watcher.h"
#include "tools/drive/window_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Four switches on 192.168.1.1 and two on 192.168.1.2 (each is logged in to
// by the plan), twelve more (two with a password of their own), two new ones
// (activated by the plan), and a switch that already has 192.168.1.30.
QJsonArray site()
{
    QJsonArray fleet;
    for (int i = 1; i <= 20; ++i) {
        const QString ip = i <= 4    ? QString("192.168.1.1")
                           : i <= 6  ? QString("192.168.1.2")
                           : i <= 18 ? QString("10.0.0.%1").arg(i)
                                     : QString("192.168.1.%1").arg(200 + i);
        fleet.append(QJsonObject{{"sn", QString("NEW%1").arg(i, 2, 10, QChar('0'))}, {"ip", ip}, {"active", i <= 18},
                                 {"password", i == 13 ? "own-pass" : i == 14 ? "other-pass" : "admin123"}});
    }
    // Its model is markup with a line break in it: text for the report.
    fleet.append(QJsonObject{{"sn", "OLD01"}, {"ip", "192.168.1.30"}, {"active", true}, {"password", "admin123"},
                             {"model", "<b>X</b>\nY"}});
    return fleet;
}

// The rows whose cell at column starts with text.
ORB_CsvTable::Rows rows_where(const ORB_CsvTable::Rows& rows, int column, const QString& text)
{
    ORB_CsvTable::Rows found;
    for (const QStringList& row : rows)
        if (row.value(column).startsWith(text))
            found.append(row);
    return found;
}

} // namespace

class TestSiteCommissioning : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<WindowFixture> lan;
    std::unique_ptr<DialogWatcher> watcher;
    PageDriver* page = nullptr;
    // How far the story has come: a test run on its own first tells the rest.
    bool listed = false;
    bool planned = false;

    // The planStep messages of a spy on the page's device channel, by serial number.
    static QHash<QString, QJsonObject> plan_steps(const QSignalSpy& told)
    {
        QHash<QString, QJsonObject> steps;
        for (const QList<QVariant>& message : told)
            if (const QJsonObject m = message[0].toJsonObject(); m["command"] == QString("planStep"))
                steps.insert(m["sn"].toString(), m);
        return steps;
    }

    QString result_of(const QString& sn)
    {
        return page->text(QString("#plan-preview tr[data-sn='%1'] td:last-child").arg(sn));
    }

    // Sends the netcfg requests the simulator received, as "sn ip".
    QStringList address_changes()
    {
        QStringList changes;
        for (const QJsonObject& data : lan->sim->asked("netcfg"))
            changes.append(data["sn"].toString() + " " + data["calldata"].toObject()["ip"].toString());
        return changes;
    }

    // What a poppler tool says of a PDF file: its text as pdftotext lays it
    // out, its fonts (pdffonts) or its pages (pdfinfo).
    static QString pdf_tool(const QString& tool, const QString& path)
    {
        QProcess process;
        process.start(tool, tool == "pdftotext" ? QStringList{"-layout", path, "-"} : QStringList{path});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // What the page's notice says once a button's file, given to the file
    // dialog, is written or refused.
    QString notice_after(const QString& button, const QString& path, const QString& notice = "#discovery-notice")
    {
        watcher->file_paths = QStringList{path};
        page->run(QString("document.querySelector('%1').textContent = ''").arg(notice));
        page->click(button);
        if (!page->wait_for(QString("document.querySelector('%1').textContent !== ''").arg(notice), 30000))
            return QString();
        return page->text(notice);
    }

    QString pdf_notice(const QString& path) { return notice_after("#report-pdf", path, "#report-notice"); }

    bool open_report()
    {
        page->click("#site-report-button");
        return page->wait_for("!document.getElementById('report-view').hidden");
    }

    // The report saved as a PDF file through the page, and its text.
    QString saved_report(const QString& name)
    {
        if (!open_report() || pdf_notice(dir.filePath(name)).isEmpty())
            return QString();
        page->click("#report-close");
        return pdf_tool("pdftotext", dir.filePath(name));
    }

    // None of the site's passwords, typed or as the project file stores them.
    static bool holds_no_password(const QString& report)
    {
        for (const char* password : {"admin123", "own-pass", "other-pass", "ocLD"})
            if (report.contains(password))
                return false;
        return true;
    }

    // The line of a report's text that holds text.
    static QString line_with(const QString& report, const QString& text)
    {
        for (const QString& line : report.split('\n'))
            if (line.contains(text))
                return line.simplified();
        return QString();
    }

private slots:
    void initTestCase()
    {
        // The simulated switches restart in a second.
        qputenv("ORB_PLAN_RESTART_WAIT_MS", "2500");
        lan = std::make_unique<WindowFixture>(
            QStringList{"--fleet", SwitchSimulator::write_fleet(dir, site(), 1000)});
        QVERIFY(lan->is_ready());
        page = lan->page.get();
        watcher = std::make_unique<DialogWatcher>();
    }

    void switchesSharingAnAddressAreAllListed()
    {
        lan->window->findChild<QComboBox*>("NIC_select_box")->setCurrentText("lo");
        QSignalSpy status(lan->status(), &QLineEdit::textChanged);
        lan->window->findChild<QPushButton*>("search_button")->click();
        QCOMPARE(lan->tree()->topLevelItemCount(), 21);
        QCOMPARE(status.last()[0].toString(), QString("21 switches found; 6 switches share an address: "
                                                      "192.168.1.1 (4), 192.168.1.2 (2)"));
        QVERIFY(status.contains({QString("Searching for switches on lo … 21 answered so far")}));
        page->run("document.getElementById('nic-select').value = 'lo'");
        QVERIFY(page->wait_for("document.querySelectorAll('#device-table tr.conflict').length === 6"));
        QVERIFY(page->text("#discovery-notice")
                    .contains("6 switches share an address: 192.168.1.1 (4), 192.168.1.2 (2)"));
        QCOMPARE(page->text("#device-table tr[data-sn='NEW03'] .badge.conflict"), QString("shared ×4"));
        listed = true;
    }

    void aPlanOfTwentySwitches()
    {
        if (!listed)
            switchesSharingAnAddressAreAllListed();
        page->click("#device-table th[data-key='sn']"); // the plan follows the list's order
        page->run("for (const row of document.querySelectorAll('#device-table tbody tr'))"
                  "  if (row.dataset.sn.startsWith('NEW')) row.querySelector('input').click()");
        page->click("#plan-button");
        page->type("plan-gateway", "192.168.1.1");
        page->type("plan-first", "192.168.1.21");
        // .21 to .40 would take 192.168.1.30 from OLD01.
        QCOMPARE(result_of("NEW10"), QString("already used by OLD01"));
        QVERIFY(page->run("document.getElementById('plan-apply').disabled").toBool());
        page->type("plan-first", "192.168.1.250");
        QCOMPARE(result_of("NEW06"), QString("outside the gateway's subnet"));
        page->type("plan-first", "192.168.1.41");
        QCOMPARE(page->text("#plan-preview tr[data-sn='NEW01'] td:nth-child(3)"), QString("192.168.1.41"));
        QCOMPARE(page->text("#plan-preview tr[data-sn='NEW20'] td:nth-child(3)"), QString("192.168.1.60"));

        page->type("plan-password", "admin123");
        page->click("#plan-apply");
        QVERIFY(page->wait_for("document.getElementById('plan-summary').textContent.startsWith('18 of 20')", 60000));
        QCOMPARE(result_of("NEW13"), QString("failed: the password was refused"));
        QCOMPARE(result_of("NEW01"), QString("answers at its new address"));

        // Every switch was addressed by its serial number, shared address or not.
        QStringList changes = address_changes();
        QCOMPARE(changes.size(), 18);
        QVERIFY(changes.contains("NEW02 192.168.1.42") && changes.contains("NEW05 192.168.1.45"));

        page->type("plan-password", "own-pass");
        page->click("#plan-retry");
        QVERIFY(page->wait_for("document.getElementById('plan-summary').textContent.startsWith('19 of 20')", 60000));
        QCOMPARE(address_changes().last(), QString("NEW13 192.168.1.53"));
        QCOMPARE(result_of("NEW14"), QString("failed: the password was refused"));
        page->click("#plan-close");
        QVERIFY(page->wait_for("document.querySelectorAll('#device-table tr.conflict').length === 0"));
        planned = true;
    }

    // The program checks what the page sends: a plan with one address that
    // cannot be given changes no switch, and says why of each, in the
    // preview's own words.
    void plansThePageShouldNotHaveSent()
    {
        if (!planned)
            aPlanOfTwentySwitches();
        // The form shows the twenty switches, each with an address it may have.
        page->click("#plan-button");
        page->type("plan-first", "192.168.1.81");
        QCOMPARE(page->text("#plan-summary"), QString("20 switches: check the new addresses, then apply."));
        const int requests_before = lan->sim->requests().size();
        QSignalSpy told(lan->link(), &ORB_CONN2DEVICE::qt2html_device_udp);
        QJsonArray planned;
        for (const auto& [sn, ip, new_ip] : {std::tuple("NEW02", "192.168.1.42", "192.168.1.70"),
                                             {"NEW03", "192.168.1.43", "192.168.1.70"},
                                             {"NEW04", "192.168.1.44", "192.168.1.30"},
                                             {"NEW05", "192.168.1.45", "192.168.1.0"},
                                             {"NEW06", "192.168.1.46", "192.168.1.255"},
                                             {"NEW07", "192.168.1.47", "10.9.0.5"},
                                             {"NEW08", "192.168.1.48", "192.168.1.1"},
                                             {"NEW09", "192.168.1.49", "192.168.1.79"}})
            planned.append(plan_step(sn, ip, new_ip, true, "192.168.1.1"));
        const QString plan = plan_text(planned, "admin123");
        page->run(QString("Bridge.applyPlan(%1)").arg(plan));
        QVERIFY(page->wait_for("document.getElementById('plan-summary').textContent.startsWith('The program refused')"));
        const QHash<QString, QJsonObject> steps = plan_steps(told);
        const QStringList expected = {"duplicate", "duplicate", "collides", "leavesSubnet", "leavesSubnet",
                                      "leavesSubnet", "isGateway", "planRefused"};
        for (int i = 0; i < expected.size(); ++i) {
            const QJsonObject step = steps.value(QString("NEW%1").arg(i + 2, 2, 10, QChar('0')));
            QCOMPARE(step["state"].toString(), QString("failed"));
            QCOMPARE(step["reason"].toString(), expected[i]);
        }
        QCOMPARE(steps.value("NEW04")["other"].toString(), QString("OLD01"));
        QCOMPARE(lan->sim->requests().size(), requests_before); // not even a login
        // The page says why in the preview's own words.
        QCOMPARE(result_of("NEW04"), QString("failed: already used by OLD01"));
        QCOMPARE(result_of("NEW05"), QString("failed: outside the gateway's subnet"));
        QCOMPARE(result_of("NEW09"), QString("failed: not applied: other addresses of the plan cannot be used"));
        QCOMPARE(page->text("#plan-summary"),
                 QString("The program refused the plan: 7 addresses cannot be used. No switch was changed."));
        QCOMPARE(lan->status()->text(),
                 QString("The address plan was refused: 7 switches cannot be given their addresses. No switch was "
                         "changed."));
        // What the switches went through before stays their outcome.
        QCOMPARE(lan->window->findChild<ORB_AddressPlanRun*>()->outcomes().value("NEW02")["state"].toString(),
                 QString("confirmed"));
        page->click("#plan-close");
    }

    // On a full disk, the list's CSV (under 16 KiB: it fails at the flush)
    // and the site report's PDF (over it: it is written short) are not
    // saved, an older list of that name stays whole, nothing half-written is
    // left, and the page and the status line give the system's reason.
    void aFullDiskLeavesNoHalfFile()
    {
        if (!planned)
            aPlanOfTwentySwitches();
        ScratchFilesystem small(dir.filePath("small"), 256 * 1024);
        QVERIFY2(small.is_mounted(), "needs a private mount namespace (tools/isolated-lan.sh)");
        auto* status = lan->status();
        const QString list = small.path() + "/site.csv";
        QVERIFY(notice_after("#export-list-button", list).startsWith("Saved 21"));
        const QByteArray older = read_file(list);

        small.fill();
        watcher->answers = {QMessageBox::Yes}; // the file dialog asks before it replaces the file
        const QString no_space = "No space left on device";
        QCOMPARE(notice_after("#export-list-button", list), "The file could not be saved: " + no_space);
        QCOMPARE(status->text(), QString("The CSV file %1 could not be written: %2").arg(list, no_space));
        QCOMPARE(read_file(list), older);

        small.leave_free(8 * 1024);
        QVERIFY(open_report());
        QCOMPARE(pdf_notice(small.path() + "/site.pdf"), "The site report could not be written: " + no_space);
        QCOMPARE(status->text(), "The site report could not be written: " + no_space);
        // Saved where there is room, the same report is over 16 KiB: on the
        // full disk it was written short, past the file's buffer.
        QVERIFY(pdf_notice(dir.filePath("room.pdf")).startsWith("The site report is saved"));
        QVERIFY(QFileInfo(dir.filePath("room.pdf")).size() > 16 * 1024);
        page->click("#report-close");
        QCOMPARE(QDir(small.path()).entryList(QDir::Files), QStringList({"filler", "site.csv"}));
    }

    void csvListOutAndPlanIn()
    {
        if (!planned)
            aPlanOfTwentySwitches();
        QVERIFY(notice_after("#export-list-button", dir.filePath("site.csv")).startsWith("Saved 21"));
        const QByteArray file = read_file(dir.filePath("site.csv"));
        QVERIFY(file.startsWith("\xEF\xBB\xBF" "address,serial number,MAC,model,firmware,state,conflict,local project\r\n"));
        QVERIFY(file.contains("\r\n192.168.1.41,NEW01,"));
        QCOMPARE(file.count("\r\n"), 22);

        // With the changes: the same table, then the journal's, one row each.
        page->run("document.getElementById('export-changes').checked = true");
        QVERIFY(notice_after("#export-list-button", dir.filePath("changes.csv")).startsWith("Saved 21"));
        page->run("document.getElementById('export-changes').checked = false");
        const QByteArray with_changes = read_file(dir.filePath("changes.csv"));
        QVERIFY(with_changes.startsWith(file + "\r\ntime,serial number,change,outcome\r\n"));
        QString error;
        const ORB_CsvTable::Rows changes = ORB_CsvTable::read(with_changes.mid(file.size()), &error).mid(1);
        const ORB_CsvTable::Rows addresses = rows_where(changes, 2, "address ");
        QCOMPARE(addresses.size(), 19); // NEW14's password was refused twice
        QCOMPARE(rows_where(addresses, 3, "answered").size(), 19);
        QCOMPARE(rows_where(changes, 2, "activation").size(), 2);
        QCOMPARE(rows_where(addresses, 1, "NEW13").value(0).value(2),
                 QString("address 10.0.0.13 → 192.168.1.53, mask 255.255.255.0, gateway 192.168.1.1, DNS 192.168.1.1"));

        // The open local project, as saved: never its passwords.
        QVERIFY(write_file("config/site.json", R"({"ip":["192.168.1.41"],"sn":["NEW01"],"mac":["m"],)"
                                               R"("model":["GS2408P"],"passwd":["ocLD"],"active":["active"]})"));
        QSettings("./Settings.ini", QSettings::IniFormat).setValue("filepath", "site");
        QVERIFY(notice_after("#export-project-button", dir.filePath("project.csv")).startsWith("Saved 1 "));
        QCOMPARE(read_file(dir.filePath("project.csv")).split('\n').value(1),
                 QByteArray("192.168.1.41,NEW01,m,GS2408P,,active,,in project\r"));

        // A plan written by hand, as a spreadsheet saves it.
        const QString plan = dir.filePath("plan.csv");
        QVERIFY(write_file(plan, "\xEF\xBB\xBFSerial number,Address,Mask,Gateway\r\n"
                                 "NEW01,10.1.0.11,255.255.0.0,10.1.0.1\r\nNEW02,10.1.0.12,255.255.0.0,10.1.0.1\r\n"));
        watcher->file_paths = QStringList{plan};
        page->click("#import-plan-button");
        QVERIFY(page->wait_for("!document.getElementById('plan-dialog').hidden"));
        QCOMPARE(page->run("document.querySelectorAll('#plan-preview tbody tr').length").toInt(), 2);
        QCOMPARE(page->text("#plan-preview tr[data-sn='NEW02'] td:nth-child(3)"), QString("10.1.0.12"));
        QVERIFY(!page->run("document.getElementById('plan-apply').disabled").toBool());
        page->click("#plan-close");
    }

    void aSiteReportToHandOver()
    {
        if (!planned)
            aPlanOfTwentySwitches();
        // The open project holds NEW01 and a switch the search did not find.
        QVERIFY(write_file("config/site.json", R"({"ip":["192.168.1.41","192.168.1.99"],"sn":["NEW01","GONE01"],)"
                                               R"("mac":["m","n"],"model":["GS2408P","GS2408P"],)"
                                               R"("passwd":["ocLD","ocLD"],"active":["active","active"]})"));
        QSettings("./Settings.ini", QSettings::IniFormat).setValue("filepath", "site");
        QVERIFY(open_report());
        page->type("report-site", "Harbour depot <b>North</b>");
        page->type("report-installer", "J. Lee & Sons");
        page->click("#report-close");

        const QString english = saved_report("site.pdf");
        // The title block, the typed lines kept as text.
        QVERIFY2(line_with(english, "Project").endsWith("site"), qPrintable(english));
        QCOMPARE(line_with(english, "Interface"), QString("Interface lo"));
        QCOMPARE(line_with(english, "Program version"), QString("Program version 0.1"));
        QVERIFY(line_with(english, "Date").contains(QDate::currentDate().toString("yyyy-MM-dd")));
        QCOMPARE(line_with(english, "Site / customer"), QString("Site / customer Harbour depot <b>North</b>"));
        QCOMPARE(line_with(english, "Installer"), QString("Installer J. Lee & Sons"));
        const QSettings kept("./Settings.ini", QSettings::IniFormat);
        QCOMPARE(kept.value("report_installer").toString(), QString("J. Lee & Sons"));
        // The counts: 21 listed, the two new ones activated by the plan; one not seen.
        QCOMPARE(line_with(english, "Switches found"), QString("Switches found 21"));
        QCOMPARE(line_with(english, "Not activated"), QString("Not activated 0"));
        QCOMPARE(line_with(english, "Sharing an address"), QString("Sharing an address 0"));
        QCOMPARE(line_with(english, "Not seen"), QString("Not seen 1"));
        // The switches, then the changes of the day in the open project: none, the plan ran outside it.
        QVERIFY(english.contains("page 1 of 3") && english.contains("page 2 of 3") && english.contains("page 3 of 3"));
        QVERIFY(english.contains("Changes on " + QDate::currentDate().toString("yyyy-MM-dd")));
        QVERIFY(english.contains("No switch was changed on this day."));
        // Every switch with its new address and the plan's result, in address order.
        for (int i = 1; i <= 20; ++i) {
            const QString sn = QString("NEW%1").arg(i, 2, 10, QChar('0'));
            const QString line = line_with(english, sn + " ");
            QVERIFY2(line.contains(QString(" 192.168.1.%1 ").arg(40 + i)), qPrintable(line));
            QVERIFY2(line.endsWith(i == 14 ? "failed: the password was refused" : "answers at its new address"),
                     qPrintable(line));
        }
        QVERIFY(line_with(english, "NEW14 ").startsWith("10.0.0.14 NEW14"));
        QVERIFY(english.indexOf("NEW14 ") < english.indexOf("OLD01") && english.indexOf("OLD01") < english.indexOf("NEW01 ")
                && english.indexOf("NEW20") < english.indexOf("GONE01"));
        QVERIFY(line_with(english, "GONE01").contains("not seen in project"));
        // A switch's markup stays text, and its line break moves no other row.
        QVERIFY(line_with(english, "OLD01").contains(" <b>X</b> Y "));
        QVERIFY(line_with(english, "NEW01 ").contains(" GS2408P "));
        QVERIFY(line_with(english, "NEW01 ").contains("in project"));
        QVERIFY(holds_no_password(english));

        // Printing: a cancelled print dialog changes nothing; a printer takes the same pages.
        auto* status = lan->status();
        const QString status_before = status->text();
        QVERIFY(open_report());
        watcher->print_files = QStringList{QString()};
        page->click("#report-print");
        QVERIFY(page->wait_for("!document.getElementById('report-print').disabled"));
        QCOMPARE(status->text(), status_before);
        QCOMPARE(page->text("#report-notice"), QString());
        const QString printed = dir.filePath("printed.pdf");
        watcher->print_files = QStringList{printed};
        page->click("#report-print");
        QVERIFY(page->wait_for("document.getElementById('report-notice').textContent !== ''", 30000));
        QCOMPARE(page->text("#report-notice"), QString("The site report went to the printer."));
        QCOMPARE(status->text(), QString("Site report printed"));
        // A printer gets pictures of the pages, no text: the printer's file has all three pages.
        QVERIFY(line_with(pdf_tool("pdfinfo", printed), "Pages:").endsWith(" 3"));
        page->click("#report-close");

        // In Chinese, with the CJK font in the file.
        lan->window->findChild<QToolButton*>("language_button")->menu()->actions()[0]->trigger();
        QVERIFY(page->wait_for("document.documentElement.lang === 'zh-CN'"));
        const QString chinese = saved_report("site-zh.pdf");
        QVERIFY2(line_with(chinese, QString::fromUtf8("序列号")).contains(QString::fromUtf8("原地址")), qPrintable(chinese));
        QVERIFY(chinese.contains(QString::fromUtf8("第 1 页，共 3 页")));
        QVERIFY(line_with(chinese, "NEW14 ").endsWith(QString::fromUtf8("失败：密码被拒绝")));
        QVERIFY(holds_no_password(chinese));
        // pdffonts: name, type, encoding, then whether it is embedded, subset, with Unicode, and its object.
        const QStringList cjk_font = line_with(pdf_tool("pdffonts", dir.filePath("site-zh.pdf")), "WenQuanYi").split(' ');
        QVERIFY2(cjk_font.size() > 5 && cjk_font[cjk_font.size() - 5] == "yes", qPrintable(cjk_font.join(' ')));
        lan->window->findChild<QToolButton*>("language_button")->menu()->actions()[1]->trigger();
        QVERIFY(page->wait_for("document.documentElement.lang === 'en'"));
    }

    // A print whose answer does not come in time gives the buttons back with
    // the reason; the answer that comes late writes nothing, and the next
    // print works.
    void aPrintThatDoesNotAnswer()
    {
        if (!planned)
            aPlanOfTwentySwitches();
        QSignalSpy told(lan->link(), &ORB_CONN2DEVICE::qt2html_device_udp);
        const auto outputs = [&] {
            int done = 0;
            for (const QList<QVariant>& message : told)
                done += message[0].toJsonObject()["command"] == QString("siteReportDone") ? 1 : 0;
            return done;
        };
        QVERIFY(open_report());
        qputenv("ORB_PRINT_ANSWER_MS", "1"); // no print answers that fast
        const QString late = pdf_notice(dir.filePath("late.pdf"));
        qunsetenv("ORB_PRINT_ANSWER_MS");
        QCOMPARE(late, QString("The site report could not be written: the page did not answer the print in time"));
        QCOMPARE(lan->status()->text(),
                 QString("The site report could not be written: the page did not answer in time"));
        QVERIFY(!page->run("document.getElementById('report-pdf').disabled").toBool());

        QVERIFY(pdf_notice(dir.filePath("next.pdf")).startsWith("The site report is saved"));
        QCOMPARE(outputs(), 2);
        QVERIFY(QFile::exists(dir.filePath("next.pdf")));
        QVERIFY(!QFile::exists(dir.filePath("late.pdf")));
        page->click("#report-close");
    }
};

QTEST_MAIN(TestSiteCommissioning)
#include "test_site_commissioning.moc"
