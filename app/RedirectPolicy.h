#pragma once

#include <QByteArray>
#include <QUrl>

class QNetworkReply;

// Decides whether an answer of the update transfers sends them elsewhere. The transfers follow
// redirects by hand, and both the feed check and the installer download decide the same way.
namespace RedirectPolicy {

// How many redirects in a row a transfer follows before it gives up.
constexpr int kMaxRedirects = 10;

enum class Verdict {
    None,   // not a redirect: the answer stands as it is
    Follow, // go on at target
    Refuse  // a redirect that must not be followed; the transfer fails
};

struct Decision
{
    Verdict verdict = Verdict::None;
    QUrl target;
};

// A redirect is a 3xx answer with a Location, resolved against the answer's own address. It is
// followed when fewer than kMaxRedirects were followed before it, its target is http(s), and
// plain http leads only from this machine to this machine, so it never steps down from https
// nor leaves the machine unencrypted. A 3xx answer without a Location is refused too: it carries
// neither a target nor the data that was asked for.
Decision decide(const QUrl &replyUrl, int status, const QByteArray &location, int followed);

// Whether host names this machine: "localhost" or a loopback address.
bool isLoopbackHost(const QString &host);

// The same for a finished reply: its address, status code and raw Location header.
Decision decide(const QNetworkReply *reply, int followed);

} // namespace RedirectPolicy
