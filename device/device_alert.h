#pragma once
// How the device link tells the user about a failed request. The program
// installs a message box; tests and tools, which have no widgets, may install
// their own. Without a handler the text goes to the debug log.

#include <QString>

#include <functional>

using DeviceAlertHandler = std::function<void(const QString& title, const QString& text)>;

void set_device_alert_handler(DeviceAlertHandler handler);
void show_device_alert(const QString& title, const QString& text);
