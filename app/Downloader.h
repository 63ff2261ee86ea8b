#pragma once

#include <QDir>
#include <QNetworkReply>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <memory>

class QFile;
class QNetworkAccessManager;

namespace Ui {
class Downloader;
}

// The small window that downloads an installer into the download folder, shows the progress
// and then offers to start the installer. The data goes to "<name>.part" first and takes its
// final name only once the whole answer is on disk; a failed or cancelled transfer leaves no
// file behind.
class Downloader : public QWidget
{
    Q_OBJECT

public:
    explicit Downloader(QWidget *parent = nullptr);
    ~Downloader() override;

    bool useCustomInstallProcedures() const;
    QString downloadDir() const;
    void setDownloadDir(const QString &downloadDir);

    // The name an installer at url is saved under: the decoded last piece of its path, or
    // "QSU_Update.bin" when that piece is no safe file name of its own.
    static QString fileNameForUrl(const QUrl &url);
    // "512 bytes", "1 KB", "3 MB": whole units, rounded down.
    static QString sizeText(qint64 bytes);
    // The time the rest of a transfer takes at the rate seen so far ("12 minutes"), or
    // "unknown" while nothing has arrived. elapsedSeconds must be above 0.
    static QString timeRemainingText(qint64 received, qint64 total, qint64 elapsedSeconds);

signals:
    void downloadFinished(const QString &url, const QString &filepath);

public slots:
    void setUrlId(const QString &url);
    void startDownload(const QUrl &url);
    void setFileName(const QString &file);
    void setUserAgentString(const QString &agent);
    void setUseCustomInstallProcedures(bool custom);
    void setMandatoryUpdate(bool mandatory_update);
    void finished();
    bool openDownload();
    void installUpdate();
    void cancelDownload();
    void writeFile(qlonglong received, qlonglong total);
    void calculateSizes(qlonglong received, qlonglong total);
    void updateProgress(qlonglong received, qlonglong total);
    void calculateTimeRemaining(qlonglong received, qlonglong total);
    void onReadyRead();
    void onError(QNetworkReply::NetworkError error);
    void clearUp();

private:
    void beginTransfer(const QUrl &url);
    void failTransfer(bool cancelled);
    bool finishFile();
    void discardPartFile();
    bool answerIsSuccess() const;
    QString filePath() const;
    QString partFilePath() const;

    QString m_urlId;
    qint64 m_startTime = 0;
    QDir m_downloadDir;
    QString m_fileName;
    std::unique_ptr<Ui::Downloader> m_ui;
    QNetworkReply *m_reply = nullptr;
    QString m_userAgent;
    bool m_useCustomProcedures = false;
    bool m_mandatoryUpdate = false;
    QNetworkAccessManager *m_manager = nullptr;

    // The ".part" file of the current transfer, open from its first byte until it is renamed
    // or discarded.
    std::unique_ptr<QFile> m_partFile;
    int m_redirects = 0;
    bool m_writeFailed = false;
};
