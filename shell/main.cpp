#include "device/device_alert.h"
#include "orb_window.h"
#include "single_instance_guard.h"
#include "startup_language.h"

#include <QApplication>
#include <QMessageBox>
#include <QTranslator>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    ORB_SingleInstanceGuard guard;
    if (!guard.take())
        return 0;

    QApplication app(argc, argv);
    set_device_alert_handler([](const QString& title, const QString& text) {
        QMessageBox::critical(nullptr, title, text, QMessageBox::Ok);
    });
    QTranslator translator;
    const int language = startup_language();
    translator.load(language_catalogue(language));
    app.installTranslator(&translator);

    auto window = std::make_unique<ORB_Window>("Local Mannage", language);
    window->setWindowTitle(QObject::tr("Management System PC"));
    window->show();
    const int code = app.exec();
    window.reset();
    return code;
}
