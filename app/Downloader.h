#pragma once

#include <QDir>
#include <QNetworkReply>
#include <QString>
#include <QUrl>
#include <QVector>
#include <QWidget>

#include <memory>

class QFile;
class QNetworkAccessManager;
class QTimer;

namespace Ui {
class Downloader;
}

// The small window that downloads an installer into the download folder, shows the progress
// and then offers to start the installer. The data streams to "<name>.part" through a bounded
// buffer and takes its final name only once the whole answer is on disk: exactly as many bytes
// as its Content-Length promised, or a chunked body that ended properly. A failed, refused or
// cancelled transfer leaves no file behind.
class Downloader : public QWidget
{
    Q_OBJECT

public:
    // An installer larger than this is refused; no real one comes near it.
    static constexpr qint64 kMaxInstallerSize = qint64(1) << 30;
    // A transfer that moves no byte for this long ends as failed.
    static constexpr int kTransferTimeoutMs = 30000;
    // A transfer that brings fewer than kMinProgressBytes in any kProgressWindowMs ends as
    // failed too, so a server that drips a byte now and then is not waited on for ever. Its
    // first window is given in full.
    static constexpr qint64 kMinProgressBytes = 1024;
    static constexpr int kProgressWindowMs = 30000;

    explicit Downloader(QWidget *parent = nullptr);
    ~Downloader() override;

    void setMaxInstallerSize(qint64 bytes);
    void setTransferTimeout(int milliseconds);
    void setMinProgressBytes(qint64 bytes);
    void setProgressWindow(int milliseconds);

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
    void checkFraming();
    void checkProgress();
    void refuse(const QString &reason);
    void failTransfer(bool cancelled);
    void reportFailure();
    bool mayBeOpened();
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
    qint64 m_maxInstallerSize = kMaxInstallerSize;
    int m_transferTimeout = kTransferTimeoutMs;
    qint64 m_minProgressBytes = kMinProgressBytes;
    int m_progressWindow = kProgressWindowMs;

    // Why the current transfer was refused, for the log; empty while it is acceptable.
    QString m_refusal;
    bool m_cancelled = false;
    bool m_framingChecked = false;
    // The body's promised size, or -1 for a chunked one.
    qint64 m_expected = -1;
    qint64 m_written = 0;
    qint64 m_discarded = 0;
    QByteArray m_block;

    // Ticks kProgressSlices times a window while a transfer runs.
    QTimer *m_progressTimer = nullptr;
    int m_progressTicks = 0;
    // A ring of the bytes taken so far at each of the last kProgressSlices ticks; the one a
    // tick overwrites is from one window before it, tick 0 being the start.
    QVector<qint64> m_progressMarks;
};
