#include "QSimpleUpdater.h"

#include <QCoreApplication>
#include <QList>

#include "Updater.h"

namespace {

// The feed addresses and their Updaters, at the same positions.
QList<QString> URLS;
QList<Updater *> UPDATERS;

// The facade outlives the application object, but its Updaters own windows and network
// managers, which must go while the application still stands.
void releaseUpdaters()
{
    const QList<Updater *> updaters = UPDATERS;
    URLS.clear();
    UPDATERS.clear();
    qDeleteAll(updaters);
}

} // namespace

QSimpleUpdater::QSimpleUpdater()
{
    qAddPostRoutine(releaseUpdaters);
}

QSimpleUpdater::~QSimpleUpdater()
{
    URLS.clear();
    for (Updater *updater : qAsConst(UPDATERS))
        updater->deleteLater();
    UPDATERS.clear();
}

QSimpleUpdater *QSimpleUpdater::instance()
{
    static QSimpleUpdater updater;
    return &updater;
}

Updater *QSimpleUpdater::updaterFor(const QString &url)
{
    const int index = URLS.indexOf(url);
    if (index >= 0)
        return UPDATERS.at(index);

    auto *updater = new Updater;
    updater->setUrl(url);
    URLS.append(url);
    UPDATERS.append(updater);

    connect(updater, &Updater::checkingFinished, this, &QSimpleUpdater::checkingFinished);
    connect(updater, &Updater::downloadFinished, this, &QSimpleUpdater::downloadFinished);
    connect(updater, &Updater::appcastDownloaded, this, &QSimpleUpdater::appcastDownloaded);
    return updater;
}

bool QSimpleUpdater::useCustomAppcast(const QString &url)
{
    return updaterFor(url)->useCustomAppcast();
}

bool QSimpleUpdater::notifyOnUpdate(const QString &url)
{
    return updaterFor(url)->notifyOnUpdate();
}

bool QSimpleUpdater::notifyOnFinish(const QString &url)
{
    return updaterFor(url)->notifyOnFinish();
}

bool QSimpleUpdater::updateAvailable(const QString &url)
{
    return updaterFor(url)->updateAvailable();
}

bool QSimpleUpdater::downloaderEnabled(const QString &url)
{
    return updaterFor(url)->downloaderEnabled();
}

bool QSimpleUpdater::useCustomInstallProcedures(const QString &url)
{
    return updaterFor(url)->useCustomInstallProcedures();
}

QString QSimpleUpdater::openUrl(const QString &url)
{
    return updaterFor(url)->openUrl();
}

QString QSimpleUpdater::changelog(const QString &url)
{
    return updaterFor(url)->changelog();
}

QString QSimpleUpdater::moduleName(const QString &url)
{
    return updaterFor(url)->moduleName();
}

QString QSimpleUpdater::downloadUrl(const QString &url)
{
    return updaterFor(url)->downloadUrl();
}

QString QSimpleUpdater::platformKey(const QString &url)
{
    return updaterFor(url)->platformKey();
}

QString QSimpleUpdater::latestVersion(const QString &url)
{
    return updaterFor(url)->latestVersion();
}

QString QSimpleUpdater::moduleVersion(const QString &url)
{
    return updaterFor(url)->moduleVersion();
}

QString QSimpleUpdater::userAgentString(const QString &url)
{
    return updaterFor(url)->userAgentString();
}

void QSimpleUpdater::checkForUpdates(const QString &url)
{
    updaterFor(url)->checkForUpdates();
}

void QSimpleUpdater::setModuleName(const QString &url, const QString &name)
{
    updaterFor(url)->setModuleName(name);
}

void QSimpleUpdater::setModuleChannel(const QString &url, int channel)
{
    updaterFor(url)->setChannel(channel);
}

void QSimpleUpdater::setNotifyOnUpdate(const QString &url, bool notify)
{
    updaterFor(url)->setNotifyOnUpdate(notify);
}

void QSimpleUpdater::setNotifyOnFinish(const QString &url, bool notify)
{
    updaterFor(url)->setNotifyOnFinish(notify);
}

void QSimpleUpdater::setPlatformKey(const QString &url, const QString &platform)
{
    updaterFor(url)->setPlatformKey(platform);
}

void QSimpleUpdater::setModuleVersion(const QString &url, const QString &version)
{
    updaterFor(url)->setModuleVersion(version);
}

void QSimpleUpdater::setDownloaderEnabled(const QString &url, bool enabled)
{
    updaterFor(url)->setDownloaderEnabled(enabled);
}

void QSimpleUpdater::setUserAgentString(const QString &url, const QString &agent)
{
    updaterFor(url)->setUserAgentString(agent);
}

void QSimpleUpdater::setUseCustomAppcast(const QString &url, bool customAppcast)
{
    updaterFor(url)->setUseCustomAppcast(customAppcast);
}

void QSimpleUpdater::setUseCustomInstallProcedures(const QString &url, bool custom)
{
    updaterFor(url)->setUseCustomInstallProcedures(custom);
}

void QSimpleUpdater::setMandatoryUpdate(const QString &url, bool mandatory_update)
{
    updaterFor(url)->setMandatoryUpdate(mandatory_update);
}

void QSimpleUpdater::setDownloadDir(const QString &url, const QString &downloadDir)
{
    updaterFor(url)->setDownloadDir(downloadDir);
}
