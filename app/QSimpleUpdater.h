#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class Updater;

// The process-wide front of the update checker: one Updater per feed address, made the first
// time the address is used, to which every call below is passed on.
class QSimpleUpdater : public QObject
{
    Q_OBJECT

public:
    static QSimpleUpdater *instance();

    // The Updater of the feed at url, made and relayed on first use; it keeps the address it
    // was made for here even after a redirect has moved its own.
    Updater *updaterFor(const QString &url);

    bool useCustomAppcast(const QString &url);
    bool notifyOnUpdate(const QString &url);
    bool notifyOnFinish(const QString &url);
    bool updateAvailable(const QString &url);
    bool downloaderEnabled(const QString &url);
    bool useCustomInstallProcedures(const QString &url);
    QString openUrl(const QString &url);
    QString changelog(const QString &url);
    QString moduleName(const QString &url);
    QString downloadUrl(const QString &url);
    QString platformKey(const QString &url);
    QString latestVersion(const QString &url);
    QString moduleVersion(const QString &url);
    QString userAgentString(const QString &url);

signals:
    void checkingFinished(const QString &url);
    void appcastDownloaded(const QString &url, const QByteArray &data);
    void downloadFinished(const QString &url, const QString &filepath);

public slots:
    void checkForUpdates(const QString &url);
    void setModuleName(const QString &url, const QString &name);
    void setModuleChannel(const QString &url, int channel);
    void setNotifyOnUpdate(const QString &url, bool notify);
    void setNotifyOnFinish(const QString &url, bool notify);
    void setPlatformKey(const QString &url, const QString &platform);
    void setModuleVersion(const QString &url, const QString &version);
    void setDownloaderEnabled(const QString &url, bool enabled);
    void setUserAgentString(const QString &url, const QString &agent);
    void setUseCustomAppcast(const QString &url, bool customAppcast);
    void setUseCustomInstallProcedures(const QString &url, bool custom);
    void setMandatoryUpdate(const QString &url, bool mandatory_update);
    void setDownloadDir(const QString &url, const QString &downloadDir);

private:
    QSimpleUpdater();
    ~QSimpleUpdater() override;
};
