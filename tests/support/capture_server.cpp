#include "capture_server.h"

#include <QFile>
#include <QSslKey>
#include <QSslSocket>

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
    QFile key_file(certificate_dir + "/server-key.pem");
    key_file.open(QIODevice::ReadOnly);
    socket->setPrivateKey(QSslKey(&key_file, QSsl::Rsa));
    auto* pending = new QByteArray;
    connect(socket, &QSslSocket::readyRead, this, [this, socket, pending] { serve(socket, pending); });
    connect(socket, &QSslSocket::disconnected, this, [socket, pending] {
        socket->deleteLater();
        delete pending;
    });
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
