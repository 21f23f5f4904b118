#include "switch_opener.h"

#include "codec/ipv4_text.h"
#include "codec/text_prefix.h"
#include "device/orb_conn2device.h"
#include "projects/orb_loader.h"
#include "projects/project_name.h"
#include "ui/local_device_tree.h"
#include "ui/window_state.h"
#include "ui/plain_message.h"

#include <QDebug>
#include <QDesktopServices>
#include <QHostAddress>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QTreeWidget>
#include <QUrl>

const QStringList ORB_SwitchOpener::MODEL_TABLE = {
    "GS2405",  "GS2408",  "GS2408P", "GS2410M", "GS2410P", "GS2418P", "GS2424",  "GS2426F",
    "GS2426P", "GS2452",  "GS3410X", "GS3428X", "GS3452X", "GS5410X", "GS5428X", "GS5452X",
    "IS3405",  "IS3408P", "IS3410X", "PS2408P", "PS2410M", "FS1016",
};

using Row = ORB_LocalDeviceTree::Row;

ORB_SwitchOpener::ORB_SwitchOpener(QWidget* window, QLineEdit* state_text, ORB_LocalDeviceTree* device_tree,
                                   ORB_Loader* loader, ORB_CONN2DEVICE* device_link, ORB_WindowState& shared,
                                   QObject* parent)
    : QObject(parent)
    , window(window)
    , state_text(state_text)
    , device_tree(device_tree)
    , loader(loader)
    , device_link(device_link)
    , shared(shared)
{
}

void ORB_SwitchOpener::local_device_selected(QTreeWidgetItem* current, int)
{
    // Only a switch of a search has the rows read below; detail rows and
    // project rows are left alone.
    if (!device_tree->is_switch(current))
        return;
    // A watch round: the switch opens once it has ended.
    if (device_link->in_round()) {
        const QString sn = ORB_LocalDeviceTree::value(current, Row::SN_ROW);
        state_text->setText(tr("The switch opens once this watch round has ended"));
        device_link->after_round([this, sn] {
            if (QTreeWidgetItem* device = device_tree->find_switch(sn))
                local_device_selected(device, 0);
        });
        return;
    }
    // The list is still growing, and the link answers no other request meanwhile.
    if (device_link->searching()) {
        state_text->setText(tr("The search is still running: open a switch once it has ended"));
        return;
    }
    const QString ip = ORB_LocalDeviceTree::value(current, Row::IP_ROW);
    const QString sn = ORB_LocalDeviceTree::value(current, Row::SN_ROW);
    if (!MODEL_TABLE.contains(ORB_LocalDeviceTree::value(current, Row::MODEL_ROW))) {
        open_in_browser(ip);
        return;
    }
    if (shared.repeat_guard > 0) {
        shared.current_device_sn = "";
        shared.repeat_guard = 0;
    }
    if (current->treeWidget()->topLevelItemCount() > 1) {
        if (shared.current_device_sn == sn) {
            shared.repeat_guard = 2;
            plain_message(QMessageBox::Critical, window, tr("Tips"), tr("select last device, please select other device"),
                                  QMessageBox::Ok);
            return;
        }
        shared.current_device_sn = "";
    }
    if (ORB_LocalDeviceTree::value(current, Row::ACTIVE_ROW).isEmpty()) {
        device_tree->open_activation_prompt(current);
        return;
    }
    const QString list_path = ORB_ProjectName::device_list_path();
    loader->load_file(list_path);
    const QJsonObject recorded = loader->to_json_object(CJsonPtr(loader->config_root()).get());
    const int index = recorded.value("sn").toVariant().toStringList().indexOf(sn);
    if (index < 0) {
        device_tree->open_login_prompt(current);
        return;
    }
    login_with_recorded_password(sn, recorded.value("passwd").toVariant().toStringList().value(index), index);
}

void ORB_SwitchOpener::open_in_browser(const QString& ip)
{
    // The address comes from the switch's reply: anything but a plain IPv4
    // address could send the browser to another site posing as the switch.
    const QHostAddress address(ip);
    if (!ORB_Ipv4Text::is_valid(ip) || address.isLoopback() || address.isMulticast() || address.isBroadcast()
        || ip.startsWith("0.")) {
        plain_message(QMessageBox::Critical, window, tr("Tips"),
                              tr("The switch reported no valid address (%1): it cannot be opened in the browser.")
                                  .arg(ip),
                              QMessageBox::Ok);
        return;
    }
    QDesktopServices::openUrl(QUrl("http://" + ip + "/index.html"));
}

void ORB_SwitchOpener::login_with_recorded_password(const QString& sn, const QString& password, int index)
{
    QTreeWidgetItem* device =
        device_tree->ask(sn, [&](const QString& ip) { device_link->login_device(ip, password, sn); });
    if (!device)
        return;
    const cJSON* reply = device_link->last_reply_document();
    if (!reply) {
        plain_message(QMessageBox::Critical, window, tr("Tips"), tr("device not open"), QMessageBox::Ok);
        return;
    }
    const char* answer = cjson_string_member(cJSON_GetObjectItemCaseSensitive(reply, "data"), "login");
    qDebug() << "success_text" << answer;
    const QString list_path = ORB_ProjectName::device_list_path();
    if (begins_with_word(answer, "success")) {
        open_local_device(device, password, true, false);
        device_tree->show_ip_editor(device);
    } else if (begins_with_word(answer, "Please activate the device first")) {
        plain_message(QMessageBox::Critical, window, tr("Tips"), tr("device is not actived"), QMessageBox::Ok);
        if ((device = device_tree->find_switch(sn))) {
            device->treeWidget()->removeItemWidget(device->child(Row::IP_ROW), 1);
            device_tree->place_unactive_button(device, 80, tr("not_activate"));
        }
        loader->remove_device(index, list_path);
    } else if (begins_with_word(answer, "fail")) {
        state_text->setText(tr("Password error,login device failed"));
        plain_message(QMessageBox::Critical, window, tr("Tips"), tr("Password error,login device failed"), QMessageBox::Ok);
        loader->remove_device(index, list_path);
    }
}

void ORB_SwitchOpener::open_local_device(QTreeWidgetItem* device, const QString& passwd, bool notify, bool record)
{
    const QString ip = ORB_LocalDeviceTree::value(device, Row::IP_ROW);
    const QString sn = ORB_LocalDeviceTree::value(device, Row::SN_ROW);
    const QString mac = ORB_LocalDeviceTree::value(device, Row::MAC_ROW);
    const QString model = ORB_LocalDeviceTree::value(device, Row::MODEL_ROW);
    const QJsonObject announcement{{"ip", ip},
                                   {"sn", sn},
                                   {"mac", mac},
                                   {"model", model},
                                   {"V", ORB_LocalDeviceTree::value(device, Row::VERSION_ROW)},
                                   {"active", ORB_LocalDeviceTree::value(device, Row::ACTIVE_ROW)},
                                   {"pid", "0"},
                                   {"command", "local_sw"}};
    if (notify) {
        shared.current_device_sn = sn;
        device_link->tell_page(announcement);
        device->child(Row::ACTIVE_ROW)->setText(1, "active");
    }
    if (record)
        loader->add_device(ip, sn, mac, model, passwd, ORB_ProjectName::device_list_path());
}
