#include "LoopbackHttpServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

// Blocks of a body go out as the socket takes them, so a body of gigabytes is never held.
constexpr int kBlockSize = 64 * 1024;
constexpr qint64 kMaxQueued = 256 * 1024;

// Sends the body of a route in its pieces, the first at once and each further one after the
// route's pause, then closes the connection; a stalled body stops at its point and leaves the
// connection open. It lives on the socket, so a client that goes away takes the rest of the
// body with it.
class BodySender : public QObject
{
public:
    BodySender(QTcpSocket *socket, const LoopbackHttpServer::Route &route)
        : QObject(socket),
          m_socket(socket),
          m_route(route),
          m_size(route.generatedSize >= 0 ? route.generatedSize : route.body.size()),
          m_end(route.cutAfter >= 0 ? qMin<qint64>(route.cutAfter, m_size) : m_size),
          m_pieceSize(qMax<qint64>(1, (m_size + qMax(1, route.pieces) - 1)
                                          / qMax(1, route.pieces)))
    {
        m_timer.setSingleShot(true);
        m_timer.setInterval(route.pieceDelayMs);
        connect(&m_timer, &QTimer::timeout, this, [this]() { startPiece(); });
        connect(m_socket, &QTcpSocket::bytesWritten, this, [this]() { pump(); });
        startPiece();
    }

private:
    void startPiece()
    {
        m_pieceEnd = qMin(m_offset + m_pieceSize, m_end);
        pump();
    }

    // Writes the current piece block by block while the socket keeps up.
    void pump()
    {
        if (m_done || m_timer.isActive())
            return;
        const qint64 stall = m_route.stallAfter;
        while (m_offset < m_pieceEnd && m_socket->bytesToWrite() < kMaxQueued) {
            if (stall >= 0 && m_offset >= stall) {
                m_done = true; // the rest never comes, and nobody closes
                return;
            }
            qint64 size = qMin<qint64>(kBlockSize, m_pieceEnd - m_offset);
            if (stall >= 0)
                size = qMin(size, stall - m_offset);
            const QByteArray block =
                m_route.generatedSize >= 0
                    ? LoopbackHttpServer::generatedBytes(m_offset, int(size))
                    : m_route.body.mid(int(m_offset), int(size));
            m_offset += block.size();
            if (m_route.chunked)
                m_socket->write(QByteArray::number(block.size(), 16) + "\r\n" + block + "\r\n");
            else
                m_socket->write(block);
        }
        if (m_offset < m_pieceEnd)
            return; // the socket asks for more through bytesWritten
        if (stall >= 0 && m_offset >= stall) {
            m_done = true;
            return;
        }
        if (m_offset < m_end) {
            m_timer.start();
            return;
        }
        m_done = true;
        if (m_route.chunked && m_route.cutAfter < 0)
            m_socket->write("0\r\n\r\n");
        m_socket->disconnectFromHost();
    }

    QTcpSocket *m_socket;
    const LoopbackHttpServer::Route m_route;
    const qint64 m_size;
    const qint64 m_end;
    const qint64 m_pieceSize;
    qint64 m_offset = 0;
    qint64 m_pieceEnd = 0;
    bool m_done = false;
    QTimer m_timer;
};

} // namespace

LoopbackHttpServer::LoopbackHttpServer(QObject *parent)
    : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::onNewConnection);
}

LoopbackHttpServer::~LoopbackHttpServer() = default;

bool LoopbackHttpServer::listen()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

QUrl LoopbackHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->serverPort()).arg(path));
}

void LoopbackHttpServer::setRoute(const QByteArray &path, const Route &route)
{
    m_routes.insert(path, route);
}

QList<LoopbackHttpServer::Request> LoopbackHttpServer::requests() const
{
    return m_requests;
}

void LoopbackHttpServer::clearRequests()
{
    m_requests.clear();
}

int LoopbackHttpServer::openConnections() const
{
    return m_openConnections;
}

LoopbackHttpServer::Route LoopbackHttpServer::ok(const QByteArray &body,
                                                 const QByteArray &contentType)
{
    Route route;
    route.body = body;
    route.headers << qMakePair(QByteArrayLiteral("Content-Type"), contentType);
    return route;
}

LoopbackHttpServer::Route LoopbackHttpServer::redirect(int status, const QByteArray &location,
                                                       const QByteArray &headerName)
{
    Route route;
    route.status = status;
    route.headers << qMakePair(headerName, location);
    return route;
}

LoopbackHttpServer::Route LoopbackHttpServer::html(const QByteArray &body)
{
    return ok(body, QByteArrayLiteral("text/html; charset=utf-8"));
}

LoopbackHttpServer::Route LoopbackHttpServer::generated(qint64 size, int pieces)
{
    Route route = ok(QByteArray());
    route.generatedSize = size;
    route.pieces = pieces;
    return route;
}

QByteArray LoopbackHttpServer::generatedBytes(qint64 offset, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) {
        const quint64 at = quint64(offset) + quint64(i);
        bytes[i] = char((at * 167u + (at >> 11) * 13u) & 0xFF);
    }
    return bytes;
}

void LoopbackHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        ++m_openConnections;
        // A connection closes once, whether the client, this server or a failed write ends it.
        const auto closed = std::make_shared<bool>(false);
        const auto noteClosed = [this, closed]() {
            if (*closed)
                return;
            *closed = true;
            --m_openConnections;
        };
        connect(socket, &QTcpSocket::disconnected, this, noteClosed);
        connect(socket, &QObject::destroyed, this, noteClosed);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer]() {
            buffer->append(socket->readAll());
            const int end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray head = buffer->left(end);
            // One request per connection: what follows is ignored.
            disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
            answer(socket, head);
        });
    }
}

void LoopbackHttpServer::answer(QTcpSocket *socket, const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    Request request;
    request.path = requestLine.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == "user-agent")
            request.userAgent = line.mid(colon + 1).trimmed();
    }
    m_requests << request;

    const Route route = routeFor(request.path);
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(route.status) + ' '
                       + reasonPhrase(route.status) + "\r\n";
    if (route.chunked)
        reply += "Transfer-Encoding: chunked\r\n";
    const qint64 size = route.generatedSize >= 0 ? route.generatedSize : route.body.size();
    if (route.declaredLength >= 0)
        reply += "Content-Length: " + QByteArray::number(route.declaredLength) + "\r\n";
    else if (!route.chunked && !route.noLength)
        reply += "Content-Length: " + QByteArray::number(size) + "\r\n";
    for (const auto &header : route.headers)
        reply += header.first + ": " + header.second + "\r\n";
    reply += "Connection: close\r\n\r\n";
    socket->write(reply);
    new BodySender(socket, route);
}

LoopbackHttpServer::Route LoopbackHttpServer::routeFor(const QByteArray &path) const
{
    auto it = m_routes.constFind(path);
    if (it == m_routes.constEnd())
        it = m_routes.constFind(path.left(path.indexOf('?')));
    if (it != m_routes.constEnd())
        return it.value();
    Route notFound;
    notFound.status = 404;
    notFound.body = "Not found";
    return notFound;
}
