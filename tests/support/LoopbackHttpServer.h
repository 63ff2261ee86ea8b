#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for tests of network code. It answers each GET from a
// table of routes (status, headers, a body by Content-Length or chunked, sent whole, in delayed
// pieces or cut short) and records the path and User-Agent of every request. Unknown paths get
// a 404. Every answer closes its connection.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Route
    {
        int status = 200;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        bool chunked = false;  // Transfer-Encoding: chunked instead of a Content-Length
        int pieces = 1;        // the body leaves in this many pieces...
        int pieceDelayMs = 0;  // ...each after this pause
        int cutAfter = -1;     // the connection closes once this many body bytes are out
    };

    struct Request
    {
        QByteArray path; // as requested, query included
        QByteArray userAgent;
    };

    explicit LoopbackHttpServer(QObject *parent = nullptr);
    ~LoopbackHttpServer() override;

    // Listens on 127.0.0.1 on a free port.
    bool listen();
    // The address of path on this server ("/feed.json" gives http://127.0.0.1:port/feed.json).
    QUrl url(const QString &path) const;

    // The answer to path; a route for the path with its query wins over one without.
    void setRoute(const QByteArray &path, const Route &route);

    QList<Request> requests() const;
    void clearRequests();

    // A 200 answer carrying body.
    static Route ok(const QByteArray &body,
                    const QByteArray &contentType = QByteArrayLiteral("application/octet-stream"));
    // A redirect answer whose target header (named as given, in that letter case) is location.
    static Route redirect(int status, const QByteArray &location,
                          const QByteArray &headerName = QByteArrayLiteral("Location"));

private:
    void onNewConnection();
    void answer(QTcpSocket *socket, const QByteArray &head);
    Route routeFor(const QByteArray &path) const;

    QTcpServer *m_server = nullptr;
    QMap<QByteArray, Route> m_routes;
    QList<Request> m_requests;
};
