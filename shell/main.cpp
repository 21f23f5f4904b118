#include "orb_window.h"
#include "single_instance_guard.h"
#include "startup_language.h"

#include <QApplication>
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
