// cloud-sim: the reference cloud service, over HTTPS on 127.0.0.1, for tests
// and the demo. Verification codes are printed to its log.

#include "cloud_service.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("The reference cloud service, over HTTPS on 127.0.0.1.");
    parser.addHelpOption();
    parser.addOptions({
        {"cert", "Server certificate (PEM).", "file"},
        {"key", "Server private key (PEM).", "file"},
        {"seed", "Seed data (JSON).", "file"},
        {"port", "Port on 127.0.0.1 (0: any free port).", "port", "0"},
    });
    parser.process(app);

    CloudStore store;
    if (parser.isSet("seed")) {
        QFile file(parser.value("seed"));
        QString problem;
        if (!file.open(QIODevice::ReadOnly)
            || !store.load_seed(QJsonDocument::fromJson(file.readAll()).object(), &problem)) {
            std::fprintf(stderr, "cloud-sim: cannot use seed %s %s\n", qPrintable(file.fileName()),
                         qPrintable(problem));
            return 1;
        }
    }
    CloudService service(std::move(store), parser.value("cert"), parser.value("key"));
    if (!service.is_valid()) {
        std::fprintf(stderr, "cloud-sim: cannot use the certificate and key given\n");
        return 1;
    }
    const int port = service.bind(parser.value("port").toInt());
    if (port < 0) {
        std::fprintf(stderr, "cloud-sim: cannot listen on 127.0.0.1\n");
        return 1;
    }
    std::printf("cloud-sim: listening on https://127.0.0.1:%d/ ready\n", port);
    std::fflush(stdout);
    service.serve();
    return 0;
}
