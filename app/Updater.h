#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class Downloader;
class QNetworkAccessManager;
class QNetworkReply;

// Checks one update feed: fetches the JSON document, finds the entry of this module and
// channel, compares its version with the installed one and asks the user whether to open the
// release page or download the installer.
class Updater : public QObject
{
    Q_OBJECT

public:
    // A feed larger than this is no feed of ours: the check stops and offers nothing.
    static constexpr qint64 kMaxFeedSize = 1024 * 1024;
    // A version text longer than this is no version.
    static constexpr int kMaxVersionLength = 64;
    // A check that has not ended this long after its first request gives up, however steadily
    // the feed trickles in; redirects spend the same time.
    static constexpr int kFeedDeadlineMs = 60000;

    Updater();
    ~Updater() override;

    // True when version x is newer than version y, both dotted ("1.3.0.80"). Parts compare as
    // base-10 numbers, a part that is no number counting 0; with all shared parts equal, the
    // version with more parts is the newer. A text that is no version is never newer, nor is
    // anything newer than it: one with an empty part ("1..2", "1.3."), a number too large to
    // compare, or more than kMaxVersionLength characters.
    static bool isNewerVersion(const QString &x, const QString &y);

    // How long the feed's transfer may go without a byte before the check gives up.
    void setTransferTimeout(int milliseconds);
    // How long a whole check may take before it gives up.
    void setFeedDeadline(int milliseconds);

    QString url() const;
    QString userAgentString() const;
    bool useCustomAppcast() const;
    bool notifyOnUpdate() const;
    bool notifyOnFinish() const;
    bool updateAvailable() const;
    bool downloaderEnabled() const;
    bool mandatoryUpdate() const;
    int channel() const;
    QString openUrl() const;
    QString platformKey() const;
    QString changelog() const;
    QString moduleName() const;
    QString downloadUrl() const;
    QString moduleVersion() const;
    QString latestVersion() const;
    bool useCustomInstallProcedures() const;
    Downloader *downloader() const;

signals:
    void checkingFinished(const QString &url);
    void downloadFinished(const QString &url, const QString &filepath);
    void appcastDownloaded(const QString &url, const QByteArray &data);

public slots:
    void checkForUpdates();
    void setUrl(const QString &url);
    void setModuleName(const QString &name);
    void setNotifyOnUpdate(bool notify);
    void setNotifyOnFinish(bool notify);
    void setUserAgentString(const QString &agent);
    void setModuleVersion(const QString &version);
    void setDownloaderEnabled(bool enabled);
    void setPlatformKey(const QString &platformKey);
    void setUseCustomAppcast(bool customAppcast);
    void setUseCustomInstallProcedures(bool custom);
    void setMandatoryUpdate(bool mandatory_update);
    void setDownloadDir(const QString &downloadDir);
    void setChannel(int channel);
    void onReply(QNetworkReply *reply);
    void setUpdateAvailable(bool available);

private:
    // A feed transfer under way: its body so far, at most one byte past kMaxFeedSize, and the
    // end of the check it belongs to.
    struct Feed
    {
        QByteArray body;
        QDeadlineTimer deadline;
    };

    void sendCheck(QDeadlineTimer deadline);
    bool takeFeedBytes(QNetworkReply *reply);
    void acceptUpdate();
    bool hasUsableAddress() const;

    QString m_url;
    QString m_userAgentString;
    bool m_customAppcast = false;
    bool m_notifyOnUpdate = true;
    bool m_notifyOnFinish = false;
    bool m_updateAvailable = false;
    bool m_downloaderEnabled = true;
    bool m_mandatoryUpdate = false;
    int m_channel = 0;
    QString m_openUrl;
    QString m_platformKey;
    QString m_changelog;
    QString m_moduleName;
    QString m_downloadUrl;
    QString m_moduleVersion;
    QString m_latestVersion;
    std::unique_ptr<Downloader> m_downloader;
    QNetworkAccessManager *m_manager = nullptr;

    // Redirects followed since the check began.
    int m_redirects = 0;
    int m_transferTimeout;
    int m_feedDeadline = kFeedDeadlineMs;
    QHash<QNetworkReply *, Feed> m_feeds;
};
