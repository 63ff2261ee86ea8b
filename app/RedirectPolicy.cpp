#include "RedirectPolicy.h"

#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QString>

namespace RedirectPolicy {

namespace {

bool isWebScheme(const QString &scheme)
{
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

} // namespace

bool isLoopbackHost(const QString &host)
{
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

Decision decide(const QUrl &replyUrl, int status, const QByteArray &location, int followed)
{
    if (status < 300 || status > 399)
        return {};
    const QByteArray target = location.trimmed();
    if (target.isEmpty())
        return {Verdict::Refuse, QUrl()};

    // Qt leaves the parsed location header empty for a relative target, so the raw text is
    // resolved here against the address that gave the answer.
    const QUrl resolved = replyUrl.resolved(QUrl(QString::fromUtf8(target), QUrl::TolerantMode));
    const bool plainHttpStaysHere =
        resolved.scheme() != QLatin1String("http")
        || (replyUrl.scheme() == QLatin1String("http") && isLoopbackHost(replyUrl.host())
            && isLoopbackHost(resolved.host()));
    const bool allowed = followed < kMaxRedirects && resolved.isValid()
                         && isWebScheme(resolved.scheme()) && !resolved.host().isEmpty()
                         && plainHttpStaysHere;
    return {allowed ? Verdict::Follow : Verdict::Refuse, resolved};
}

Decision decide(const QNetworkReply *reply, int followed)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // rawHeader() looks its name up regardless of case, so "location" counts as well.
    return decide(reply->url(), status, reply->rawHeader("Location"), followed);
}

} // namespace RedirectPolicy
