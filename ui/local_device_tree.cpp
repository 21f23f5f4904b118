#include "local_device_tree.h"

#include "codec/text_prefix.h"
#include "device/address_check.h"
#include "device/network_settings.h"
#include "device/orb_conn2device.h"
#include "codec/ipv4_text.h"
#include "ui/plain_tooltip.h"
#include "ui/orb_passwd_window.h"
#include "ui/plain_message.h"

#include <QComboBox>
#include <QDebug>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Marks the switch items of a search, so other rows are never taken for one.
constexpr int SWITCH_ROLE = Qt::UserRole + 2;
// Marks a switch whose red button is placed when its rows are first shown.
constexpr int BUTTON_DUE_ROLE = Qt::UserRole + 3;
constexpr int RESTART_WAIT_MS = 5000;
// The status line names this many shared addresses at most.
constexpr int SHARED_ADDRESSES_NAMED = 5;
// "未激活" ("not activated") in GBK, as older firmware reports it.
const char GBK_NOT_ACTIVE[] = "\xCE\xB4\xBC\xA4\xBB\xEE";
const char* const ROW_KEYS[] = {"ip", "sn", "mac", "model", "V"};

bool is_not_active(const char* state)
{
    return state && (QByteArray(state) == "not_active" || QByteArray(state) == GBK_NOT_ACTIVE);
}

const char* reply_text(const cJSON* reply, const char* name)
{
    return cjson_string_member(cJSON_GetObjectItemCaseSensitive(reply, "data"), name);
}

} // namespace

ORB_LocalDeviceTree::ORB_LocalDeviceTree(Widgets widgets, ORB_CONN2DEVICE* device_link, QObject* parent)
    : QObject(parent)
    , ui(widgets)
    , device_link(device_link)
{
    connect(ui.tree, &QTreeWidget::itemExpanded, this, &ORB_LocalDeviceTree::place_due_button);
    // Every search reports its progress here, the page's and a plan's too.
    connect(device_link, &ORB_CONN2DEVICE::search_progress, this, [this](int found) {
        ui.state_text->setText(tr("Searching for switches on %1 … %n answered so far", nullptr, found)
                                   .arg(ui.interfaces->currentText()));
    });
}

void ORB_LocalDeviceTree::place_due_button(QTreeWidgetItem* device)
{
    if (is_switch(device) && device->data(0, BUTTON_DUE_ROLE).toBool())
        place_unactive_button(device, 85, tr("unactive"));
}

void ORB_LocalDeviceTree::information(const QString& text, const QString& title)
{
    plain_message(QMessageBox::Information, ui.window, title.isEmpty() ? tr("Tips") : title, text, QMessageBox::Ok);
}

void ORB_LocalDeviceTree::critical(const QString& text, const QString& title)
{
    plain_message(QMessageBox::Critical, ui.window, title.isEmpty() ? tr("Tips") : title, text, QMessageBox::Ok);
}

void ORB_LocalDeviceTree::search()
{
    const QString nic = ui.interfaces->currentText();
    if (nic.isEmpty()) {
        information(tr("Please select network"));
        return;
    }
    // From now on every search fills the tree, as its switches answer.
    connect(device_link, &ORB_CONN2DEVICE::searchdevice_RespDatas_signals, this, &ORB_LocalDeviceTree::fill,
            Qt::UniqueConnection);
    connect(device_link, &ORB_CONN2DEVICE::search_rows, this, &ORB_LocalDeviceTree::add_live_rows,
            Qt::UniqueConnection);
    ui.state_text->setText(tr("Searching for switches on %1 …").arg(nic));
    switches_filled = -1;
    const bool refused = device_link->waiting(); // the link refuses a search while a request waits
    own_search = true;
    device_link->search_device(false, nic);
    own_search = false;
    ui.state_text->setText(search_summary(nic, refused));
}

void ORB_LocalDeviceTree::fill(const cJSON* devices)
{
    if (device_link->in_round())
        return; // the watch marks the tree at its round's end
    if (!devices) {
        qDebug() << "Data is empty!";
        return;
    }
    // Live rows are the whole list by now: the last batch comes before the
    // result. Only the marks need the whole list.
    QList<QTreeWidgetItem*> items;
    if (live_rows == ui.tree->topLevelItemCount() && live_rows == cJSON_GetArraySize(devices)) {
        for (int i = 0; i < live_rows; ++i)
            items.append(ui.tree->topLevelItem(i));
    } else {
        if (tree_kept()) {
            live_rows = -1;
            return;
        }
        prepare_tree();
        items = add_switch_items(devices);
    }
    live_rows = -1;
    mark_shared_addresses(items);
    switches_filled = items.size();
    // The box answers the Search button; the page's searches, and a plan's,
    // fill the tree quietly and say what they found in the status line.
    if (own_search)
        information(tr("device search complete"));
    else
        ui.state_text->setText(search_summary(ui.interfaces->currentText(), false));
}

void ORB_LocalDeviceTree::add_live_rows(const cJSON* devices)
{
    if (device_link->in_round())
        return;
    if (live_rows < 0) {
        if (tree_kept())
            return;
        prepare_tree();
        live_rows = 0;
    } else if (live_rows != ui.tree->topLevelItemCount()) {
        return; // a project took the tree meanwhile; the search's end fills it again
    }
    live_rows += add_switch_items(devices).size();
}

QHash<QString, QTreeWidgetItem*> ORB_LocalDeviceTree::switches_by_serial() const
{
    QHash<QString, QTreeWidgetItem*> switches;
    for (int i = 0; i < ui.tree->topLevelItemCount(); ++i)
        if (QTreeWidgetItem* item = ui.tree->topLevelItem(i); is_switch(item))
            switches.insert(value(item, SN_ROW), item);
    return switches;
}

bool ORB_LocalDeviceTree::tree_kept()
{
    if (!keeps_project())
        return false;
    ui.state_text->setText(tr("The switches found are in the page: the shown project has unsaved changes"));
    return true;
}

void ORB_LocalDeviceTree::add_watch_rows(const cJSON* devices)
{
    if (tree_kept())
        return;
    if (ui.tree->topLevelItemCount() == 0 || !is_switch(ui.tree->topLevelItem(0)))
        prepare_tree(); // a project gives way to the watched site
    const QHash<QString, QTreeWidgetItem*> shown = switches_by_serial();
    CJsonPtr unseen(cJSON_CreateArray());
    const cJSON* element = nullptr;
    cJSON_ArrayForEach(element, devices)
    {
        if (!shown.contains(QString::fromUtf8(cjson_string_member(element, "sn"))))
            cJSON_AddItemToArray(unseen.get(), cJSON_Duplicate(element, true));
    }
    add_switch_items(unseen.get());
}

void ORB_LocalDeviceTree::show_watch_round(const QJsonArray& marked)
{
    if (tree_kept())
        return;
    // The switches no answer of this round showed go in as one batch, as a search's do.
    add_switch_items(CJsonPtr(cJSON_Parse(QJsonDocument(unshown(marked)).toJson(QJsonDocument::Compact).constData()))
                         .get());
    QHash<QString, QTreeWidgetItem*> shown = switches_by_serial();
    QList<QTreeWidgetItem*> found;
    for (const QJsonValue& value : marked) {
        const QJsonObject entry = value.toObject();
        QTreeWidgetItem* device = shown.take(entry["sn"].toString());
        if (!device)
            continue; // a second switch without a serial number
        update_switch_item(device, entry);
        show_watch_mark(device, entry);
        if (entry["watch"].toString() != "missing")
            found.append(device);
    }
    qDeleteAll(shown); // rows of an earlier search that the watch has not seen
    mark_shared_addresses(found);
}

QJsonArray ORB_LocalDeviceTree::unshown(const QJsonArray& marked) const
{
    const QHash<QString, QTreeWidgetItem*> shown = switches_by_serial();
    QJsonArray entries;
    for (const QJsonValue& entry : marked)
        if (!shown.contains(entry["sn"].toString()))
            entries.append(entry);
    return entries;
}

// Only what changed is touched: an address editor or a red button in the
// row stays as the person left it.
void ORB_LocalDeviceTree::update_switch_item(QTreeWidgetItem* device, const QJsonObject& entry)
{
    const QString ip = entry["ip"].toString();
    if (device->text(0) != ip) {
        device->setText(0, ip);
        set_cell_text(device, IP_ROW, ip);
    }
    const bool active = !is_not_active(entry["active"].toString().toUtf8().constData());
    const bool shown_active = device->child(ACTIVE_ROW)->text(1) == tr("active");
    if (active == shown_active)
        return;
    set_cell_text(device, ACTIVE_ROW, active ? tr("active") : QString());
    device->setData(0, BUTTON_DUE_ROLE, !active);
    if (!active && device->isExpanded())
        place_due_button(device);
}

void ORB_LocalDeviceTree::show_watch_mark(QTreeWidgetItem* device, const QJsonObject& entry)
{
    const QString mark = entry["watch"].toString();
    QColor colour;
    QString tip;
    if (mark == "missing") {
        colour = Qt::gray;
        tip = tr("Missing: last seen at %1").arg(entry["lastSeen"].toString());
    } else if (mark == "changed") {
        colour = QColor(190, 100, 0);
        tip = tr("Changed: was %1 (%2)")
                  .arg(entry["wasIp"].toString(), entry["wasActive"].toBool() ? tr("active") : tr("not activated"));
    } else if (mark == "new") {
        colour = QColor(0, 130, 0);
        tip = tr("New since the round before");
    }
    const QBrush brush = colour.isValid() ? QBrush(colour) : QBrush();
    device->setForeground(0, brush);
    device->setToolTip(0, plain_tooltip(tip));
    for (int r = 0; r < device->childCount(); ++r)
        device->child(r)->setForeground(1, brush);
}

void ORB_LocalDeviceTree::show_commission_mark(const QString& sn, const QString& text)
{
    if (QTreeWidgetItem* device = find_switch(sn))
        device->setText(1, text);
}

void ORB_LocalDeviceTree::prepare_tree()
{
    QTreeWidget* tree = ui.tree;
    tree->clear();
    tree->setColumnCount(2);
    tree->setColumnWidth(0, 150);
    tree->setColumnWidth(1, 250);
    tree->setHeaderHidden(true);
    tree->setFont(QFont("Segoe UI", 11));
    QPalette palette = tree->palette();
    palette.setColor(QPalette::Base, QColor(240, 240, 240));
    palette.setColor(QPalette::Highlight, QColor(173, 216, 230));
    tree->setPalette(palette);
}

// A batch goes in at once, before any row is spanned or given a button:
// inserted one at a time, every row shifted the persistent indexes those
// keep, and a fill took minutes for 10,000 switches.
QList<QTreeWidgetItem*> ORB_LocalDeviceTree::add_switch_items(const cJSON* devices)
{
    QList<QTreeWidgetItem*> items;
    const cJSON* element = nullptr;
    cJSON_ArrayForEach(element, devices)
        items.append(new_switch_item(element));
    ui.tree->addTopLevelItems(items);
    for (QTreeWidgetItem* device : items)
        device->setFirstColumnSpanned(true);
    return items;
}

QTreeWidgetItem* ORB_LocalDeviceTree::new_switch_item(const cJSON* element) const
{
    static const QStringList labels = {"IP", "SN", "MAC", "Model", "V"};
    static const QIcon icon(":/qss/switch.png"); // read once: 10,000 reads took a second
    auto* device = new QTreeWidgetItem;
    device->setIcon(0, icon);
    device->setText(0, QString::fromUtf8(cJSON_GetStringValue(cJSON_GetObjectItem(element, "ip"))));
    device->setData(0, SWITCH_ROLE, true);
    for (int r = 0; r < ACTIVE_ROW; ++r) {
        const char* text = cJSON_GetStringValue(cJSON_GetObjectItem(element, ROW_KEYS[r]));
        new QTreeWidgetItem(device, {labels[r], QString::fromUtf8(text ? text : "")});
    }
    // A switch that is not activated gets the red button instead of a text,
    // once its rows are shown: a button takes half a millisecond to place,
    // five seconds for a site of 10,000 new switches.
    const bool active = !is_not_active(cJSON_GetStringValue(cJSON_GetObjectItem(element, "active")));
    new QTreeWidgetItem(device, {tr("activeState"), active ? tr("active") : QString()});
    device->setData(0, BUTTON_DUE_ROLE, !active);
    return device;
}

void ORB_LocalDeviceTree::mark_shared_addresses(const QList<QTreeWidgetItem*>& devices)
{
    QHash<QString, int> switches_on;
    for (QTreeWidgetItem* device : devices)
        ++switches_on[device->text(0)];
    shared_addresses.clear();
    QSet<QString> noted;
    for (QTreeWidgetItem* device : devices) {
        const QString address = device->text(0);
        const int sharing = switches_on.value(address);
        if (sharing < 2)
            continue;
        device->setForeground(0, Qt::red);
        device->setToolTip(0, tr("%n switch(es) answer on this address", nullptr, sharing));
        if (!noted.contains(address)) {
            noted.insert(address);
            shared_addresses.append({address, sharing});
        }
    }
}

QString ORB_LocalDeviceTree::search_summary(const QString& nic, bool refused) const
{
    if (refused)
        return tr("Search refused: another request to the switches is still waiting");
    if (!device_link->search_problem().isEmpty())
        return device_link->search_problem();
    const QString lost = device_link->lost_answers_text();
    const QString lost_said = lost.isEmpty() ? QString() : "; " + lost;
    if (switches_filled < 0)
        return tr("No switch answered on %1").arg(nic) + lost_said;
    QString text = device_link->switches_left_out() > 0
        ? tr("%n switch(es) found; the list is full, so further switches were left out", nullptr, switches_filled)
        : tr("%n switch(es) found", nullptr, switches_filled);
    text += lost_said;
    if (shared_addresses.isEmpty())
        return text;
    int sharing = 0;
    QStringList which;
    for (const auto& [address, count] : shared_addresses) {
        sharing += count;
        if (which.size() < SHARED_ADDRESSES_NAMED)
            which.append(QString("%1 (%2)").arg(address).arg(count));
    }
    if (shared_addresses.size() > SHARED_ADDRESSES_NAMED)
        which.append("…");
    return text + "; " + tr("%n switch(es) share an address:", nullptr, sharing) + " " + which.join(", ");
}

bool ORB_LocalDeviceTree::is_switch(QTreeWidgetItem* item) const
{
    return item && !item->parent() && item->data(0, SWITCH_ROLE).toBool() && item->childCount() == ROW_COUNT
        && item->treeWidget() == ui.tree;
}

QTreeWidgetItem* ORB_LocalDeviceTree::find_switch(const QString& sn) const
{
    for (int i = 0; i < ui.tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = ui.tree->topLevelItem(i);
        if (is_switch(item) && value(item, SN_ROW) == sn)
            return item;
    }
    return nullptr;
}

QTreeWidgetItem* ORB_LocalDeviceTree::ask(const QString& sn, const std::function<void(const QString& ip)>& request)
{
    QTreeWidgetItem* device = find_switch(sn);
    if (!device)
        return nullptr;
    request(value(device, IP_ROW));
    return find_switch(sn); // the wait may have let a search replace the tree
}

QString ORB_LocalDeviceTree::value(QTreeWidgetItem* device, Row row)
{
    return device->child(row)->text(1);
}

void ORB_LocalDeviceTree::set_cell_text(QTreeWidgetItem* device, Row row, const QString& text)
{
    QTreeWidgetItem* cell = device->child(row);
    ui.tree->removeItemWidget(cell, 1);
    cell->setText(1, text);
    cell->setForeground(1, Qt::black);
}

void ORB_LocalDeviceTree::place_unactive_button(QTreeWidgetItem* device, int width, const QString& clicked_text)
{
    device->setData(0, BUTTON_DUE_ROLE, false);
    auto* button = new QPushButton(tr("unactive"));
    button->setStyleSheet("background-color: red; color: white;");
    button->setFixedSize(width, 20);
    QTreeWidgetItem* cell = device->child(ACTIVE_ROW);
    cell->setText(1, "");
    cell->setFlags(cell->flags() | Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    ui.tree->setItemWidget(cell, 1, button);
    const QString sn = value(device, SN_ROW);
    connect(button, &QPushButton::clicked, this, [this, sn, clicked_text] {
        QTreeWidgetItem* found = find_switch(sn);
        if (!found)
            return;
        set_cell_text(found, ACTIVE_ROW, clicked_text);
        open_activation_prompt(found);
    });
}

ORB_Passwd_Window* ORB_LocalDeviceTree::new_prompt(QTreeWidgetItem* device, const QString& title)
{
    auto* prompt = new ORB_Passwd_Window;
    prompt->setWindowTitle(title);
    prompt->setFixedSize(prompt->size());
    prompt->setWindowModality(Qt::ApplicationModal);
    prompt->set_ip(value(device, IP_ROW));
    prompt->move(ui.window->geometry().center() - prompt->rect().center());
    return prompt;
}

void ORB_LocalDeviceTree::open_login_prompt(QTreeWidgetItem* device)
{
    ORB_Passwd_Window* prompt = new_prompt(device, tr("security verify"));
    const QString sn = value(device, SN_ROW);
    connect(prompt, &ORB_Passwd_Window::ready2verify, this,
            [this, sn](const QString&, const QString& passwd) { login_result(sn, passwd); });
    prompt->show();
}

void ORB_LocalDeviceTree::open_activation_prompt(QTreeWidgetItem* device)
{
    ORB_Passwd_Window* prompt = new_prompt(device, tr("Device Active Code"));
    prompt->set_placeholder(tr("Enter device active password"));
    const QString sn = value(device, SN_ROW);
    connect(prompt, &ORB_Passwd_Window::ready2verify, this,
            [this, sn](const QString&, const QString& passwd) { activation_result(sn, passwd); });
    prompt->show();
}

bool ORB_LocalDeviceTree::held_for_round(std::function<void()> request)
{
    if (!device_link->in_round())
        return false;
    ui.state_text->setText(tr("The request goes out once this watch round has ended"));
    device_link->after_round(std::move(request));
    return true;
}

void ORB_LocalDeviceTree::login_result(const QString& sn, const QString& passwd)
{
    if (held_for_round([=] { login_result(sn, passwd); }))
        return;
    QTreeWidgetItem* device = ask(sn, [&](const QString& ip) { device_link->login_device(ip, passwd, sn); });
    if (!device)
        return;
    const cJSON* reply = device_link->last_reply_document();
    if (!reply) {
        critical(tr("device not open"));
        return;
    }
    const char* answer = reply_text(reply, "login");
    if (begins_with_word(answer, "success")) {
        set_cell_text(device, ACTIVE_ROW, tr("activate"));
        show_ip_editor(device);
        open_switch(device, passwd, true, true);
        ui.tree->repaint();
    } else if (begins_with_word(answer, "Please activate the device first")) {
        critical(tr("device is not actived,"));
        if ((device = find_switch(sn)))
            place_unactive_button(device, 80, tr("not_active"));
    } else {
        critical(tr("Password error,login device failed"));
    }
}

void ORB_LocalDeviceTree::activation_result(const QString& sn, const QString& passwd)
{
    if (held_for_round([=] { activation_result(sn, passwd); }))
        return;
    QTreeWidgetItem* device = ask(sn, [&](const QString& ip) { device_link->activate_device(ip, passwd, sn); });
    if (!device)
        return;
    if (const QString refusal = device_link->journal_refusal(); !refusal.isEmpty()) {
        critical(tr("The switch was not activated: the change cannot be written to the journal (%1).").arg(refusal));
        return;
    }
    const cJSON* reply = device_link->last_reply_document();
    set_cell_text(device, ACTIVE_ROW, tr("activate"));
    if (reply && begins_with_word(reply_text(reply, "activate"), "success")) {
        show_ip_editor(device);
        open_switch(device, passwd, true, true);
        information(tr("Device active success"));
        ui.tree->repaint();
    } else {
        information(tr("device is already actived"));
    }
}

void ORB_LocalDeviceTree::show_ip_editor(QTreeWidgetItem* device)
{
    auto* editor = new QWidget;
    editor->setAutoFillBackground(true); // covers the address text of the cell
    auto* layout = new QHBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* address = new QLineEdit(value(device, IP_ROW), editor);
    auto* modify = new QPushButton(tr("Modify"), editor);
    address->setFont(QFont("Segoe UI", 11));
    modify->setFont(QFont("Segoe UI", 11));
    address->setFixedWidth(140); // the value column is 250 wide: both fit
    modify->setFixedWidth(80);
    layout->addWidget(address);
    layout->addWidget(modify);
    ui.tree->setItemWidget(device->child(IP_ROW), 1, editor);
    const QString sn = value(device, SN_ROW);
    connect(modify, &QPushButton::clicked, this, [this, sn, address] { change_ip(sn, address->text()); });
}

void ORB_LocalDeviceTree::change_ip(const QString& sn, const QString& new_ip)
{
    if (held_for_round([=] { change_ip(sn, new_ip); }))
        return;
    const QString mask = "255.255.255.0";
    const QString dns = "114.114.114.114";
    qDebug() << "New IP: " << new_ip;
    QTreeWidgetItem* device = find_switch(sn);
    if (!device)
        return;
    // Only four decimal parts 0 to 255 (Qt would also take "10.1" or "010.0.0.1").
    if (!ORB_Ipv4Text::is_valid(new_ip)) {
        critical(tr("Please enter a valid IPv4 address."), tr("Invalid IP Address"));
        return;
    }
    if (new_ip == value(device, IP_ROW)) {
        information(tr("The new IP address is the same as the original IP address."), tr("Same IP Address"));
        return;
    }
    if (address_in_use(new_ip, value(device, MAC_ROW)))
        return;
    if (!(device = find_switch(sn))) // the check let a search replace the tree
        return;
    const ORB_NetworkSettings settings{new_ip, new_ip.section('.', 0, 2) + ".1", mask, dns};
    device_link->send_settings(value(device, IP_ROW), settings, sn);
    if (const QString refusal = device_link->journal_refusal(); !refusal.isEmpty()) {
        critical(tr("The address was not changed: the change cannot be written to the journal (%1).").arg(refusal));
        return;
    }
    if (!ORB_NetworkSettings::accepted(device_link->last_reply_document()))
        return;
    ui.window->setEnabled(false);
    if ((device = find_switch(sn))) {
        ui.tree->removeItemWidget(device->child(IP_ROW), 1);
        device->child(IP_ROW)->setText(1, new_ip);
        device->setText(0, new_ip);
    }
    information(tr("IP changed successfully,device rebooting....."));
    // Counted from the box's closing, so the restart never finishes behind it.
    QTimer::singleShot(RESTART_WAIT_MS, this, [this, sn] { restart_done(sn); });
}

// Another host that answers at the address keeps it: the switch is not asked.
bool ORB_LocalDeviceTree::address_in_use(const QString& new_ip, const QString& own_mac)
{
    if (!address_check)
        return false;
    ui.window->setEnabled(false);
    ui.state_text->setText(tr("Checking whether another host answers at %1 …").arg(new_ip));
    const ORB_AddressCheck::Findings findings =
        address_check->check_before_change(ui.interfaces->currentText(), {new_ip});
    ui.window->setEnabled(true);
    const ORB_AddressProbe::Result found = findings.by_address.value(new_ip);
    if (found.state == ORB_AddressProbe::State::InUse && found.mac != own_mac.toUpper()) {
        ui.state_text->clear();
        critical(tr("The address was not changed: %1.").arg(ORB_AddressCheck::in_use_text(new_ip, found.mac)));
        return true;
    }
    if (found.state == ORB_AddressProbe::State::Silent)
        ui.state_text->setText(tr("No host answered at %1 at %2.").arg(new_ip, found.at.toString("HH:mm")));
    else if (findings.unavailable != ORB_AddressProbe::Unavailable::None)
        ui.state_text->setText(ORB_AddressCheck::unavailable_text(findings.unavailable, findings.detail));
    else if (found.state == ORB_AddressProbe::State::NotChecked)
        ui.state_text->setText(tr("%1 was not checked: this PC has no address in its subnet on %2.")
                                   .arg(new_ip, ui.interfaces->currentText()));
    return false;
}

void ORB_LocalDeviceTree::restart_done(const QString& sn)
{
    information(tr("Device restart completed."), tr("Device Restart"));
    ui.window->setEnabled(true);
    if (QTreeWidgetItem* device = find_switch(sn))
        open_login_prompt(device);
}
