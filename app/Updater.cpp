#include "Updater.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QVector>

#include "Downloader.h"
#include "RedirectPolicy.h"

namespace {

// The installed version. Windows reports the version resource here; where the platform
// reports nothing, the build's own version stands in for it.
QString installedVersion()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral(BRV_VERSION) : version;
}

// A release page is opened only in the browser: an http(s) address with a host.
bool isPageUrl(const QString &text)
{
    const QUrl url(text, QUrl::TolerantMode);
    return url.isValid() && !url.host().isEmpty()
           && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

// An installer comes only over TLS; plain http is allowed from this machine alone.
bool isInstallerUrl(const QString &text)
{
    const QUrl url(text, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    return url.scheme() == QLatin1String("https")
           || (url.scheme() == QLatin1String("http") && RedirectPolicy::isLoopbackHost(url.host()));
}

// Feeds are read through a small buffer, so a huge one costs no memory before it is refused.
constexpr qint64 kFeedReadBufferSize = 64 * 1024;

bool isWholeNumber(const QString &text)
{
    const QString digits = text.trimmed();
    int i = digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (i == digits.size())
        return false;
    for (; i < digits.size(); ++i) {
        if (digits.at(i) < QLatin1Char('0') || digits.at(i) > QLatin1Char('9'))
            return false;
    }
    return true;
}

// The numbers of a dotted version, a part that is no number counting 0; false for a text that
// is no version (see isNewerVersion).
bool readVersion(const QString &text, QVector<int> &numbers)
{
    if (text.size() > Updater::kMaxVersionLength)
        return false;
    const QStringList parts = text.split(QLatin1Char('.'));
    for (const QString &part : parts) {
        if (part.trimmed().isEmpty())
            return false;
        bool ok = false;
        const int number = part.toInt(&ok, 10);
        // A number that does not fit would count 0 and make "99999999999999999999.1" older.
        if (!ok && isWholeNumber(part))
            return false;
        numbers << (ok ? number : 0);
    }
    return true;
}

} // namespace

Updater::Updater()
    : m_userAgentString(QStringLiteral("%1/%2").arg(QCoreApplication::applicationName(),
                                                   installedVersion())),
      m_platformKey(QStringLiteral("windows")),
      m_moduleName(QCoreApplication::applicationName()),
      m_moduleVersion(installedVersion()),
      m_downloader(std::make_unique<Downloader>()),
      m_manager(new QNetworkAccessManager(this)),
      m_transferTimeout(Downloader::kTransferTimeoutMs)
{
    m_downloader->setUserAgentString(m_userAgentString);
    connect(m_downloader.get(), &Downloader::downloadFinished, this, &Updater::downloadFinished);
    connect(m_manager, &QNetworkAccessManager::finished, this, &Updater::onReply);
}

Updater::~Updater() = default;

bool Updater::isNewerVersion(const QString &x, const QString &y)
{
    QVector<int> xParts;
    QVector<int> yParts;
    if (!readVersion(x, xParts) || !readVersion(y, yParts))
        return false;
    const int shared = qMin(xParts.size(), yParts.size());
    for (int i = 0; i < shared; ++i) {
        if (xParts.at(i) != yParts.at(i))
            return xParts.at(i) > yParts.at(i);
    }
    return xParts.size() > yParts.size();
}

void Updater::setTransferTimeout(int milliseconds)
{
    m_transferTimeout = milliseconds;
}

void Updater::setFeedDeadline(int milliseconds)
{
    m_feedDeadline = milliseconds;
}

QString Updater::url() const
{
    return m_url;
}

QString Updater::userAgentString() const
{
    return m_userAgentString;
}

bool Updater::useCustomAppcast() const
{
    return m_customAppcast;
}

bool Updater::notifyOnUpdate() const
{
    return m_notifyOnUpdate;
}

bool Updater::notifyOnFinish() const
{
    return m_notifyOnFinish;
}

bool Updater::updateAvailable() const
{
    return m_updateAvailable;
}

bool Updater::downloaderEnabled() const
{
    return m_downloaderEnabled;
}

bool Updater::mandatoryUpdate() const
{
    return m_mandatoryUpdate;
}

int Updater::channel() const
{
    return m_channel;
}

QString Updater::openUrl() const
{
    return m_openUrl;
}

QString Updater::platformKey() const
{
    return m_platformKey;
}

QString Updater::changelog() const
{
    return m_changelog;
}

QString Updater::moduleName() const
{
    return m_moduleName;
}

QString Updater::downloadUrl() const
{
    return m_downloadUrl;
}

QString Updater::moduleVersion() const
{
    return m_moduleVersion;
}

QString Updater::latestVersion() const
{
    return m_latestVersion;
}

bool Updater::useCustomInstallProcedures() const
{
    return m_downloader->useCustomInstallProcedures();
}

Downloader *Updater::downloader() const
{
    return m_downloader.get();
}

void Updater::checkForUpdates()
{
    m_redirects = 0;
    sendCheck(QDeadlineTimer(m_feedDeadline));
}

void Updater::setUrl(const QString &url)
{
    m_url = url;
}

void Updater::setModuleName(const QString &name)
{
    m_moduleName = name;
}

void Updater::setNotifyOnUpdate(bool notify)
{
    m_notifyOnUpdate = notify;
}

void Updater::setNotifyOnFinish(bool notify)
{
    m_notifyOnFinish = notify;
}

void Updater::setUserAgentString(const QString &agent)
{
    m_userAgentString = agent;
    m_downloader->setUserAgentString(agent);
}

void Updater::setModuleVersion(const QString &version)
{
    m_moduleVersion = version;
}

void Updater::setDownloaderEnabled(bool enabled)
{
    m_downloaderEnabled = enabled;
}

void Updater::setPlatformKey(const QString &platformKey)
{
    m_platformKey = platformKey;
}

void Updater::setUseCustomAppcast(bool customAppcast)
{
    m_customAppcast = customAppcast;
}

void Updater::setUseCustomInstallProcedures(bool custom)
{
    m_downloader->setUseCustomInstallProcedures(custom);
}

void Updater::setMandatoryUpdate(bool mandatory_update)
{
    m_mandatoryUpdate = mandatory_update;
}

void Updater::setDownloadDir(const QString &downloadDir)
{
    m_downloader->setDownloadDir(downloadDir);
}

void Updater::setChannel(int channel)
{
    m_channel = channel;
}

void Updater::onReply(QNetworkReply *reply)
{
    reply->deleteLater();
    const bool withinCap = takeFeedBytes(reply);
    const Feed feed = m_feeds.take(reply);
    const QByteArray &data = feed.body;

    const RedirectPolicy::Decision redirect = RedirectPolicy::decide(reply, m_redirects);
    if (redirect.verdict == RedirectPolicy::Verdict::Follow) {
        ++m_redirects;
        m_url = redirect.target.toString();
        sendCheck(feed.deadline);
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (redirect.verdict == RedirectPolicy::Verdict::Refuse
        || reply->error() != QNetworkReply::NoError || status < 200 || status > 299
        || !withinCap) {
        // A refused or timed-out feed gets here from inside its abort(), which lets go of the
        // connection only after its signals have returned. The check ends, and a box it may
        // show opens, from the event loop, never under a half-aborted reply.
        QMetaObject::invokeMethod(this, [this, url = m_url]() {
            setUpdateAvailable(false);
            emit checkingFinished(url);
        }, Qt::QueuedConnection);
        return;
    }

    if (m_customAppcast) {
        emit appcastDownloaded(m_url, data);
        emit checkingFinished(m_url);
        return;
    }

    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (document.isNull()) {
        setUpdateAvailable(false);
        emit checkingFinished(m_url);
        return;
    }

    const QJsonArray entries = document.object().value(m_platformKey).toArray();
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        if (entry.value(QLatin1String("module-name")).toString() != m_moduleName
            || entry.value(QLatin1String("channel")).toInt() != m_channel)
            continue;
        m_openUrl = entry.value(QLatin1String("open-url")).toString();
        m_changelog = entry.value(QLatin1String("changelog")).toString();
        m_downloadUrl = entry.value(QLatin1String("download-url")).toString();
        m_latestVersion = entry.value(QLatin1String("latest-version")).toString();
        if (entry.contains(QLatin1String("mandatory-update")))
            m_mandatoryUpdate = entry.value(QLatin1String("mandatory-update")).toBool();
        break;
    }

    setUpdateAvailable(isNewerVersion(m_latestVersion, m_moduleVersion) && hasUsableAddress());
    emit checkingFinished(m_url);
}

void Updater::setUpdateAvailable(bool available)
{
    m_updateAvailable = available;

    QMessageBox box;
    box.setTextFormat(Qt::RichText);
    box.setIcon(QMessageBox::Information);

    if (available && (m_notifyOnUpdate || m_notifyOnFinish)) {
        // The version comes from the feed: it is shown as the text it is, never as markup.
        box.setText(QStringLiteral("<h3>")
                    + tr("Version %1 of %2 has been released!")
                          .arg(m_latestVersion.toHtmlEscaped(), m_moduleName.toHtmlEscaped())
                    + QStringLiteral("</h3>"));
        box.setInformativeText(
            m_mandatoryUpdate
                ? tr("Would you like to download the update now? This is a mandatory update, "
                     "exiting now will close the application.")
                : tr("Would you like to download the update now?"));
        box.setStandardButtons(QMessageBox::No | QMessageBox::Yes);
        box.setDefaultButton(QMessageBox::Yes);

        if (box.exec() == QMessageBox::Yes)
            acceptUpdate();
        else if (m_mandatoryUpdate)
            QCoreApplication::quit();
    } else if (m_notifyOnFinish) {
        box.setStandardButtons(QMessageBox::Close);
        box.setInformativeText(tr("No updates are available for the moment"));
        box.setText(QStringLiteral("<h3>")
                    + tr("Congratulations! You are running the latest version of %1")
                          .arg(m_moduleName.toHtmlEscaped())
                    + QStringLiteral("</h3>"));
        box.exec();
    }
}

void Updater::sendCheck(QDeadlineTimer deadline)
{
    QNetworkRequest request(QUrl(m_url, QUrl::TolerantMode));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(m_transferTimeout);
    // The cap counts the bytes as sent; a compressed feed could unpack to any size first.
    request.setRawHeader("Accept-Encoding", "identity");
    if (!m_userAgentString.isEmpty())
        request.setRawHeader("User-Agent", m_userAgentString.toUtf8());
    QNetworkReply *reply = m_manager->get(request);
    reply->setReadBufferSize(kFeedReadBufferSize);
    m_feeds.insert(reply, Feed{QByteArray(), deadline});
    const auto take = [this, reply]() {
        if (!takeFeedBytes(reply))
            reply->abort(); // ends in onReply as a failed check
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, take);
    connect(reply, &QNetworkReply::readyRead, this, take);

    // The time-out above only sees a feed that stops; one that trickles a byte now and then
    // is given up here. The timer goes with the reply.
    if (deadline.isForever())
        return;
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply]() {
        if (!reply->isFinished())
            reply->abort(); // ends in onReply as a failed check
    });
    timer->start(int(deadline.remainingTime()));
}

// Moves what the reply holds into its feed body; false once the feed is known to be larger
// than kMaxFeedSize, by its Content-Length or by what came.
bool Updater::takeFeedBytes(QNetworkReply *reply)
{
    const auto feed = m_feeds.find(reply);
    if (feed == m_feeds.end())
        return false;
    const QByteArray length = reply->rawHeader("Content-Length").trimmed();
    if (!length.isEmpty() && length.toLongLong() > kMaxFeedSize)
        return false;
    QByteArray &body = feed->body;
    while (body.size() <= kMaxFeedSize && reply->bytesAvailable() > 0) {
        const QByteArray block =
            reply->read(qMin(reply->bytesAvailable(), kMaxFeedSize + 1 - body.size()));
        if (block.isEmpty())
            break;
        body.append(block);
    }
    return body.size() <= kMaxFeedSize;
}

void Updater::acceptUpdate()
{
    if (isPageUrl(m_openUrl)) {
        QDesktopServices::openUrl(QUrl(m_openUrl, QUrl::TolerantMode));
        return;
    }
    if (!isInstallerUrl(m_downloadUrl))
        return;
    if (!m_downloaderEnabled) {
        QDesktopServices::openUrl(QUrl(m_downloadUrl, QUrl::TolerantMode));
        return;
    }
    const QUrl installer(m_downloadUrl, QUrl::TolerantMode);
    m_downloader->setUrlId(m_url);
    m_downloader->setFileName(Downloader::fileNameForUrl(installer));
    m_downloader->setMandatoryUpdate(m_mandatoryUpdate);
    m_downloader->startDownload(installer);
}

bool Updater::hasUsableAddress() const
{
    return isPageUrl(m_openUrl) || isInstallerUrl(m_downloadUrl);
}
