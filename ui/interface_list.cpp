#include "interface_list.h"

#include <QComboBox>
#include <QNetworkInterface>
#include <QVariant>

QStringList ORB_InterfaceList::fill(QComboBox* box)
{
    QStringList names;
    box->clear();
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        box->addItem(nic.humanReadableName(), QVariant::fromValue(nic));
        names.append(nic.humanReadableName());
    }
    return names;
}
