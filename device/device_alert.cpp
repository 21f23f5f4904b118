#include "device_alert.h"

#include <QDebug>

namespace {

DeviceAlertHandler& installed_handler()
{
    static DeviceAlertHandler handler;
    return handler;
}

} // namespace

void set_device_alert_handler(DeviceAlertHandler handler)
{
    installed_handler() = std::move(handler);
}

void show_device_alert(const QString& title, const QString& text)
{
    if (installed_handler())
        installed_handler()(title, text);
    else
        qDebug() << title << text;
}
