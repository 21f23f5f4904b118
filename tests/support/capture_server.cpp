#include "capture_server.h"

#include <QSslSocket>

#include <memory>

QByteArray CaptureServer::Capture::header(const QByteArray& name) const
{
    for (const QByteArray& line : header_lines)
        if (line.toLower().startsWith(name.toLower() + ":"))
            return line.mid(name.size() + 1).trimmed();
    return QByteArray();
}

CaptureServer::CaptureServer(const QString& certificate_dir)
    : certificate_dir(certificate_dir)
{
    listen(QHostAddress::LocalHost, 0);
}

void CaptureServer::incomingConnection(qintptr descriptor)
{
    auto* socket = new QSslSocket(this);
    socket->setSocketDescriptor(descriptor);
    socket->setLocalCertificate(certificate_dir + "/server.pem");
    socket->setPrivateKey(certificate_dir + "/server-key.pem");
    // The buffer lives in the slot, so it goes with the socket.
    const auto pending = std::make_shared<QByteArray>();
    connect(socket, &QSslSocket::readyRead, this, [this, socket, pending] { serve(socket, pending.get()); });
    connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
    socket->startServerEncryption();
}

void CaptureServer::serve(QSslSocket* socket, QByteArray* pending)
{
    pending->append(socket->readAll());
    for (;;) {
        const int end = pending->indexOf("\r\n\r\n");
        if (end < 0)
            return;
        Capture capture;
        capture.header_lines = pending->left(end).split('\n');
        for (QByteArray& line : capture.header_lines)
            line = line.trimmed();
        const int length = capture.header("Content-Length").toInt();
        if (pending->size() < end + 4 + length)
            return;
        capture.body = pending->mid(end + 4, length);
        pending->remove(0, end + 4 + length);
        captures.append(capture);

        const QByteArray body = replies.isEmpty() ? QByteArray("{}") : replies.takeFirst();
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    }
}
