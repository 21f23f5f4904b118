#include "device/device_alert.h"
#include "orb_window.h"
#include "quit_signals.h"
#include "single_instance_guard.h"
#include "startup_language.h"
#include "ui/plain_message.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QTranslator>

#include <cstdio>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

QStringList raw_arguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The mode text the window starts in: the local mode, or with --cloud the
// cloud mode signed out, to sign in from the account bar.
QString start_mode(bool cloud)
{
    if (!cloud)
        return ORB_Window::LOCAL_MODE;
    return QJsonDocument(QJsonObject{{"mode", "cloud"}}).toJson(QJsonDocument::Compact);
}

} // namespace

int main(int argc, char* argv[])
{
    // Read before anything needs a display or the single-instance lock;
    // options this parser does not know are left to Qt and QtWebEngine.
    QCommandLineParser options;
    // Qt's own options are single-dash words (-platform, -stylesheet): they
    // must not read as runs of one-letter options such as -h.
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    options.setApplicationDescription("Finds, sets up and manages the switches on this PC's LAN.");
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption cloud("cloud", "Start in the cloud mode: sign in to a cloud account and manage its "
                                            "projects.");
    options.addOption(cloud);
    options.parse(raw_arguments(argc, argv));
    if (options.isSet(help)) {
        QCoreApplication text_only(argc, argv); // the help text names the program from it
        std::fputs(qPrintable(options.helpText()), stdout);
        return 0;
    }

    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    ORB_SingleInstanceGuard guard;
    if (!guard.take())
        return 0;

#ifdef Q_OS_UNIX
    // What the program creates (settings, projects, logs) is the user's alone.
    umask(077);
#endif
    QApplication app(argc, argv);
    // Desktops match the windows to their menu entry by this name.
    QGuiApplication::setDesktopFileName(ORB_APP_ID);
    ORB_QuitSignals quit_signals;
    set_device_alert_handler([](const QString& title, const QString& text) {
        plain_message(QMessageBox::Critical, nullptr, title, text, QMessageBox::Ok);
    });
    QTranslator translator;
    const int language = startup_language();
    translator.load(language_catalogue(language));
    app.installTranslator(&translator);

    auto window = std::make_unique<ORB_Window>(start_mode(options.isSet(cloud)), language);
    window->setWindowTitle(QObject::tr("Management System PC"));
    window->show();
    const int code = app.exec();
    window.reset();
    return code;
}
