#pragma once
// A one-purpose HTTPS endpoint for tests: it records each request exactly as
// it came over the wire (header block and body) and answers with the next
// canned body. It runs on the test's own event loop, so the link's nested
// wait serves it.

#include <QByteArray>
#include <QList>
#include <QTcpServer>

class CaptureServer : public QTcpServer
{
public:
    struct Capture
    {
        QList<QByteArray> header_lines; // request line first
        QByteArray body;
        QByteArray header(const QByteArray& name) const;
    };

    CaptureServer(const QString& certificate_dir);

    QString host() const { return QString("127.0.0.1:%1").arg(serverPort()); }
    // Answers to come, in order; "{}" once they run out.
    void queue_reply(const QByteArray& body) { replies.append(body); }
    QList<Capture> captures;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void serve(class QSslSocket* socket, QByteArray* pending);

    QString certificate_dir;
    QList<QByteArray> replies;
};
