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
#include <QUrl>

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

} // namespace

Updater::Updater()
    : m_userAgentString(QStringLiteral("%1/%2").arg(QCoreApplication::applicationName(),
                                                   installedVersion())),
      m_platformKey(QStringLiteral("windows")),
      m_moduleName(QCoreApplication::applicationName()),
      m_moduleVersion(installedVersion()),
      m_downloader(std::make_unique<Downloader>()),
      m_manager(new QNetworkAccessManager(this))
{
    m_downloader->setUserAgentString(m_userAgentString);
    connect(m_downloader.get(), &Downloader::downloadFinished, this, &Updater::downloadFinished);
    connect(m_manager, &QNetworkAccessManager::finished, this, &Updater::onReply);
}

Updater::~Updater() = default;

bool Updater::isNewerVersion(const QString &x, const QString &y)
{
    const QStringList xParts = x.split(QLatin1Char('.'));
    const QStringList yParts = y.split(QLatin1Char('.'));
    const int shared = qMin(xParts.size(), yParts.size());
    for (int i = 0; i < shared; ++i) {
        // toInt() gives 0 for a part that is no number, which is how such a part counts.
        const int a = xParts.at(i).toInt(nullptr, 10);
        const int b = yParts.at(i).toInt(nullptr, 10);
        if (a != b)
            return a > b;
    }
    return xParts.size() > yParts.size();
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
    sendCheck();
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

    const RedirectPolicy::Decision redirect = RedirectPolicy::decide(reply, m_redirects);
    if (redirect.verdict == RedirectPolicy::Verdict::Follow) {
        ++m_redirects;
        m_url = redirect.target.toString();
        sendCheck();
        return;
    }
    if (redirect.verdict == RedirectPolicy::Verdict::Refuse
        || reply->error() != QNetworkReply::NoError) {
        setUpdateAvailable(false);
        emit checkingFinished(m_url);
        return;
    }

    const QByteArray data = reply->readAll();
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
        box.setText(QStringLiteral("<h3>")
                    + tr("Version %1 of %2 has been released!").arg(m_latestVersion, m_moduleName)
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
                          .arg(m_moduleName)
                    + QStringLiteral("</h3>"));
        box.exec();
    }
}

void Updater::sendCheck()
{
    QNetworkRequest request(QUrl(m_url, QUrl::TolerantMode));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    if (!m_userAgentString.isEmpty())
        request.setRawHeader("User-Agent", m_userAgentString.toUtf8());
    m_manager->get(request);
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
