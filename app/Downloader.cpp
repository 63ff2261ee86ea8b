#include "Downloader.h"
#include "ui_Downloader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTimer>
#if defined(Q_OS_WIN)
#include <QProcess>
#endif

#include "RedirectPolicy.h"

namespace {

const QString kPartSuffix = QStringLiteral(".part");
const QString kDefaultFileName = QStringLiteral("QSU_Update.bin");

// The reply holds at most this much of the body; the rest waits in the socket until the file
// has taken what came before.
constexpr qint64 kReadBufferSize = 256 * 1024;
// What one read takes from the reply.
constexpr int kBlockSize = 64 * 1024;
// The body of a redirect or an error page is read only to be dropped, and only up to this.
constexpr qint64 kMaxDiscardedBody = 64 * 1024;

// The progress of a transfer is judged this many times a window. The window is counted in
// ticks, so a program held up by a busy machine gives the server more time, never less.
constexpr int kProgressSlices = 10;

// Estimates beyond this many seconds (about 30 years) say nothing more and would overflow the
// whole numbers the texts are built from.
constexpr float kLongestEstimate = 1e9f;

// Characters that a file name shows as something else, or not at all: control characters,
// line breaks, and the invisible format marks, among them the bidirectional overrides that
// make "setup\u202Egpj.exe" read as an image.
bool isMisleading(uint c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// A name that stays a plain file inside the download folder, reads as what it is and never
// replaces the program's preferences, which live in the same folder.
QString safeFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return kDefaultFileName;
    for (const uint c : name.toUcs4()) {
        if (c == '/' || c == '\\' || isMisleading(c))
            return kDefaultFileName;
    }
    if (name.compare(QLatin1String("IQSettings.ini"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("Settings.ini"), Qt::CaseInsensitive) == 0)
        return kDefaultFileName;
    return name;
}

// A desktop entry runs whatever command it names when the desktop opens it, so one is never
// handed over, whatever its name says.
bool isDesktopEntry(const QString &path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0)
        return true;
    const QMimeDatabase types;
    const QString entry = QStringLiteral("application/x-desktop");
    return types.mimeTypeForFile(path).inherits(entry)
           || types.mimeTypeForFile(path, QMimeDatabase::MatchContent).inherits(entry);
}

bool startInstaller(const QString &path)
{
#if defined(Q_OS_WIN)
    return QProcess::startDetached(path, QStringList());
#else
    // Elsewhere the desktop decides what opens the package; it is never made executable here.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

} // namespace

Downloader::Downloader(QWidget *parent)
    : QWidget(parent),
      m_downloadDir(QDir::homePath() + QStringLiteral("/Downloads/")),
      m_ui(std::make_unique<Ui::Downloader>()),
      m_manager(new QNetworkAccessManager(this)),
      m_progressTimer(new QTimer(this))
{
    m_ui->setupUi(this);
    connect(m_progressTimer, &QTimer::timeout, this, &Downloader::checkProgress);

    setWindowIcon(QIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);

    m_ui->openButton->setEnabled(false);
    m_ui->openButton->hide();

    connect(m_ui->stopButton, &QPushButton::clicked, this, &Downloader::cancelDownload);
    connect(m_ui->openButton, &QPushButton::clicked, this, &Downloader::installUpdate);

    setFixedSize(minimumSizeHint());
}

Downloader::~Downloader()
{
    if (m_reply) {
        disconnect(m_reply, nullptr, this, nullptr);
        delete m_reply;
        m_reply = nullptr;
    }
    discardPartFile();
}

void Downloader::setMaxInstallerSize(qint64 bytes)
{
    m_maxInstallerSize = bytes;
}

void Downloader::setTransferTimeout(int milliseconds)
{
    m_transferTimeout = milliseconds;
}

void Downloader::setMinProgressBytes(qint64 bytes)
{
    m_minProgressBytes = bytes;
}

void Downloader::setProgressWindow(int milliseconds)
{
    m_progressWindow = milliseconds;
}

bool Downloader::useCustomInstallProcedures() const
{
    return m_useCustomProcedures;
}

QString Downloader::downloadDir() const
{
    return m_downloadDir.absolutePath();
}

void Downloader::setDownloadDir(const QString &downloadDir)
{
    if (m_downloadDir.absolutePath() != downloadDir)
        m_downloadDir.setPath(downloadDir);
}

QString Downloader::fileNameForUrl(const QUrl &url)
{
    // The last piece is cut from the encoded path, so an encoded "/" stays inside the name
    // and makes it unsafe instead of hiding the folders before it.
    const QString path = url.path(QUrl::FullyEncoded);
    const QString piece = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return safeFileName(QUrl::fromPercentEncoding(piece.toUtf8()));
}

QString Downloader::sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return tr("%1 bytes").arg(bytes);
    if (bytes < 1048576)
        return tr("%1 KB").arg(bytes / 1024);
    return tr("%1 MB").arg(bytes / 1048576);
}

QString Downloader::timeRemainingText(qint64 received, qint64 total, qint64 elapsedSeconds)
{
    if (received <= 0 || elapsedSeconds <= 0)
        return tr("unknown");

    const float rate = float(received) / float(elapsedSeconds);
    const float left = qBound(0.0f, float(total - received) / rate, kLongestEstimate);

    if (left > 7200) {
        const int hours = int(left / 3600 + 0.5f);
        return hours > 1 ? tr("about %1 hours").arg(hours) : tr("about one hour");
    }
    if (left > 60) {
        const int minutes = int(left / 60 + 0.5f);
        return minutes > 1 ? tr("%1 minutes").arg(minutes) : tr("1 minute");
    }
    const int seconds = int(left + 0.5f);
    return seconds > 1 ? tr("%1 seconds").arg(seconds) : tr("1 second");
}

void Downloader::setUrlId(const QString &url)
{
    m_urlId = url;
}

void Downloader::startDownload(const QUrl &url)
{
    if (m_fileName.isEmpty())
        m_fileName = kDefaultFileName;
    m_redirects = 0;
    beginTransfer(url);
}

void Downloader::setFileName(const QString &file)
{
    m_fileName = safeFileName(file);
}

void Downloader::setUserAgentString(const QString &agent)
{
    m_userAgent = agent;
}

void Downloader::setUseCustomInstallProcedures(bool custom)
{
    m_useCustomProcedures = custom;
}

void Downloader::setMandatoryUpdate(bool mandatory_update)
{
    m_mandatoryUpdate = mandatory_update;
}

void Downloader::finished()
{
    if (!m_reply)
        return;
    // The answer is complete or dead; the install prompt that may follow is no slow transfer.
    m_progressTimer->stop();

    if (m_reply->error() == QNetworkReply::NoError && m_refusal.isEmpty()) {
        const RedirectPolicy::Decision redirect = RedirectPolicy::decide(m_reply, m_redirects);
        if (redirect.verdict == RedirectPolicy::Verdict::Follow) {
            ++m_redirects;
            beginTransfer(redirect.target);
            return;
        }
        if (redirect.verdict == RedirectPolicy::Verdict::None && answerIsSuccess()
            && finishFile()) {
            emit downloadFinished(m_urlId, filePath());
            installUpdate();
            clearUp();
            // Refusing the install prompt leaves the window up with its Open button.
            if (m_ui->openButton->isHidden())
                hide();
            return;
        }
    }

    QString reason = m_reply->errorString();
    if (!m_refusal.isEmpty())
        reason = m_refusal;
    else if (m_reply->error() == QNetworkReply::NoError)
        reason = QStringLiteral("no installer in the answer, HTTP status %1")
                     .arg(m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
    qDebug() << "finished" << reason;
    // A time-out aborts the reply as well; only the user's own Stop stays silent.
    failTransfer(m_cancelled && m_refusal.isEmpty());
}

bool Downloader::openDownload()
{
    const QString path = filePath();
    if (m_fileName.isEmpty() || !QFileInfo::exists(path)) {
        QMessageBox::critical(this, tr("Error"), tr("Cannot find downloaded update!"),
                              QMessageBox::Close);
        return false;
    }
    if (!mayBeOpened())
        return false;
    if (!startInstaller(path)) {
        QMessageBox::critical(this, tr("Error"), tr("Cannot execute downloaded package!"),
                              QMessageBox::Close);
        return false;
    }
    return true;
}

void Downloader::installUpdate()
{
    if (m_useCustomProcedures)
        return;

    m_ui->stopButton->setText(tr("Close"));
    m_ui->downloadLabel->setText(tr("Download complete!"));
    m_ui->timeLabel->setText(tr("The installer will open separately") + QStringLiteral("..."));

    if (!mayBeOpened()) {
        if (m_mandatoryUpdate)
            QCoreApplication::quit();
        return;
    }

    QMessageBox box;
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    box.setInformativeText(tr("Click \"OK\" to begin installing the update"));
    const QString text =
        m_mandatoryUpdate
            ? tr("In order to install the update, you may need to quit the application. This is "
                 "a mandatory update, exiting now will close the application")
            : tr("In order to install the update, you may need to quit the application.");
    box.setText(QStringLiteral("<h3>") + text + QStringLiteral("</h3>"));

    if (box.exec() == QMessageBox::Ok) {
        if (openDownload())
            QCoreApplication::quit();
    } else if (m_mandatoryUpdate) {
        QCoreApplication::quit();
    } else {
        m_ui->openButton->setEnabled(true);
        m_ui->openButton->show();
        m_ui->timeLabel->setText(tr("Click the \"Open\" button to apply the update"));
    }
}

void Downloader::cancelDownload()
{
    if (!m_reply) {
        hide();
        return;
    }
    if (m_reply->isFinished()) {
        if (m_mandatoryUpdate)
            QCoreApplication::quit();
        hide();
        return;
    }

    QMessageBox box;
    box.setWindowTitle(tr("Updater"));
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setText(m_mandatoryUpdate
                    ? tr("Are you sure you want to cancel the download? This is a mandatory "
                         "update, exiting now will close the application")
                    : tr("Are you sure you want to cancel the download?"));
    if (box.exec() != QMessageBox::Yes)
        return;

    hide();
    // The aborted reply ends in finished() with the cancelled error, which stays silent.
    if (m_reply) {
        m_cancelled = true;
        m_reply->abort();
    }
    if (m_mandatoryUpdate)
        QCoreApplication::quit();
}

void Downloader::writeFile(qlonglong received, qlonglong total)
{
    Q_UNUSED(received)
    Q_UNUSED(total)
    if (!m_reply || !m_refusal.isEmpty())
        return;

    // Redirects and error pages carry no part of the installer; their bodies are dropped.
    if (!answerIsSuccess()) {
        while (m_reply->bytesAvailable() > 0) {
            const qint64 got = m_reply->read(m_block.data(), m_block.size());
            if (got <= 0)
                break;
            m_discarded += got;
            if (m_discarded > kMaxDiscardedBody) {
                refuse(QStringLiteral("endless answer without an installer"));
                return;
            }
        }
        return;
    }

    checkFraming();
    if (!m_refusal.isEmpty())
        return;

    if (!m_partFile) {
        auto file = std::make_unique<QFile>(partFilePath());
        if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            refuse(QStringLiteral("cannot save ") + filePath());
            return;
        }
        m_partFile = std::move(file);
    }

    const qint64 limit = m_expected >= 0 ? m_expected : m_maxInstallerSize;
    while (m_reply->bytesAvailable() > 0) {
        const qint64 got = m_reply->read(m_block.data(), m_block.size());
        if (got <= 0)
            break;
        if (m_written + got > limit) {
            refuse(QStringLiteral("the answer is longer than %1 bytes").arg(limit));
            return;
        }
        if (m_partFile->write(m_block.constData(), got) != got) {
            refuse(QStringLiteral("cannot save ") + filePath());
            return;
        }
        m_written += got;
    }
}

void Downloader::calculateSizes(qlonglong received, qlonglong total)
{
    m_ui->downloadLabel->setText(tr("Downloading updates") + QStringLiteral(" (")
                                 + sizeText(received) + QLatin1Char(' ') + tr("of")
                                 + QLatin1Char(' ') + sizeText(total) + QLatin1Char(')'));
}

void Downloader::updateProgress(qlonglong received, qlonglong total)
{
    qDebug() << "updateProgress" << received << total;
    // Redirects and error pages carry no part of the installer.
    if (!m_reply || !answerIsSuccess())
        return;

    if (total > 0) {
        m_ui->progressBar->setRange(0, 100);
        m_ui->progressBar->setValue(int(received * 100 / total));
        calculateSizes(received, total);
        calculateTimeRemaining(received, total);
    } else {
        m_ui->progressBar->setRange(0, 0);
        m_ui->progressBar->setValue(-1);
        m_ui->downloadLabel->setText(tr("Downloading Updates") + QStringLiteral("..."));
        m_ui->timeLabel->setText(
            QStringLiteral("%1: %2").arg(tr("Time Remaining"), tr("Unknown")));
    }
}

void Downloader::calculateTimeRemaining(qlonglong received, qlonglong total)
{
    const qint64 elapsed = QDateTime::currentSecsSinceEpoch() - m_startTime;
    if (elapsed <= 0)
        return;
    m_ui->timeLabel->setText(tr("Time remaining") + QStringLiteral(": ")
                             + timeRemainingText(received, total, elapsed));
}

void Downloader::onReadyRead()
{
    qDebug() << "onReadyRead";
    writeFile(0, 0);
}

void Downloader::onError(QNetworkReply::NetworkError error)
{
    qDebug() << "onError" << error;
}

void Downloader::clearUp()
{
    m_progressTimer->stop();
    if (!m_reply)
        return;
    disconnect(m_reply, nullptr, this, nullptr);
    m_reply->close();
    m_reply->deleteLater();
    m_reply = nullptr;
    // A transfer dropped before its end leaves nothing half-written behind.
    discardPartFile();
}

void Downloader::beginTransfer(const QUrl &url)
{
    m_ui->progressBar->setRange(0, 100);
    m_ui->progressBar->setValue(0);
    m_ui->stopButton->setText(tr("Stop"));
    m_ui->openButton->setEnabled(false);
    m_ui->openButton->hide();
    m_ui->downloadLabel->setText(tr("Downloading updates"));
    m_ui->timeLabel->setText(tr("Time remaining") + QStringLiteral(": ") + tr("unknown"));

    clearUp();
    m_refusal.clear();
    m_cancelled = false;
    m_framingChecked = false;
    m_expected = -1;
    m_written = 0;
    m_discarded = 0;
    m_block.resize(kBlockSize);

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(m_transferTimeout);
    // The bytes on disk are counted against Content-Length, so they must be the bytes sent.
    request.setRawHeader("Accept-Encoding", "identity");
    if (!m_userAgent.isEmpty())
        request.setRawHeader("User-Agent", m_userAgent.toUtf8());

    m_reply = m_manager->get(request);
    m_reply->setReadBufferSize(kReadBufferSize);
    m_startTime = QDateTime::currentSecsSinceEpoch();
    m_progressTicks = 0;
    m_progressMarks.fill(0, kProgressSlices);
    if (m_progressWindow > 0)
        m_progressTimer->start(qMax(1, m_progressWindow / kProgressSlices));

    if (!m_downloadDir.exists())
        m_downloadDir.mkpath(QStringLiteral("."));
    // A previous installer stays until the new one is complete and takes its name.
    QFile::remove(partFilePath());

    connect(m_reply, &QNetworkReply::metaDataChanged, this, &Downloader::checkFraming);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &Downloader::updateProgress);
    connect(m_reply, &QNetworkReply::readyRead, this, &Downloader::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &Downloader::finished);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &Downloader::onError);

    showNormal();
}

void Downloader::failTransfer(bool cancelled)
{
    discardPartFile();
    clearUp();
    if (cancelled)
        return;
    // A refused or timed-out reply gets here from inside its abort(), which lets go of the
    // connection only after its signals have returned. The box waits for the event loop, so
    // that no modal loop runs under a half-aborted reply and no server is kept waiting on it.
    QMetaObject::invokeMethod(this, &Downloader::reportFailure, Qt::QueuedConnection);
}

void Downloader::reportFailure()
{
    QMessageBox::critical(this, tr("Error"), tr("Cannot execute downloaded package!"),
                          QMessageBox::Close);
    // Nothing is left to show: the window would only hold the dead transfer's progress.
    hide();
    if (m_mandatoryUpdate)
        QCoreApplication::quit();
}

void Downloader::checkFraming()
{
    if (!m_reply || m_framingChecked || !answerIsSuccess())
        return;
    m_framingChecked = true;

    const QByteArray length = m_reply->rawHeader("Content-Length").trimmed();
    const bool chunked = m_reply->rawHeader("Transfer-Encoding").toLower().contains("chunked");
    if (!length.isEmpty()) {
        bool ok = false;
        m_expected = length.toLongLong(&ok);
        if (!ok || m_expected < 0)
            refuse(QStringLiteral("unreadable Content-Length ") + QString::fromLatin1(length));
        else if (m_expected > m_maxInstallerSize)
            refuse(QStringLiteral("installer of %1 bytes is larger than %2")
                       .arg(m_expected)
                       .arg(m_maxInstallerSize));
    } else if (!chunked) {
        // A body that just ends where the connection closes cannot be told from a cut one.
        refuse(QStringLiteral("the answer gives no length"));
    }
}

void Downloader::checkProgress()
{
    if (!m_reply)
        return;
    // Everything read counts, a redirect's or an error page's body as much as the installer.
    const qint64 taken = m_written + m_discarded;
    ++m_progressTicks;
    qint64 &mark = m_progressMarks[m_progressTicks % kProgressSlices];
    if (m_progressTicks >= kProgressSlices && taken - mark < m_minProgressBytes) {
        refuse(QStringLiteral("fewer than %1 bytes in %2 ms")
                   .arg(m_minProgressBytes)
                   .arg(m_progressWindow));
        return;
    }
    mark = taken;
}

void Downloader::refuse(const QString &reason)
{
    if (!m_refusal.isEmpty())
        return;
    m_refusal = reason;
    discardPartFile();
    // The reply ends in finished() with the error box.
    if (m_reply)
        m_reply->abort();
}

bool Downloader::mayBeOpened()
{
    if (!isDesktopEntry(filePath()))
        return true;
    QMessageBox box(QMessageBox::Critical, tr("Error"),
                    tr("The downloaded file %1 cannot be opened.")
                        .arg(QDir::toNativeSeparators(filePath())),
                    QMessageBox::Close, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return false;
}

bool Downloader::finishFile()
{
    writeFile(0, 0);
    if (!m_refusal.isEmpty() || !m_partFile)
        return false;
    if (!m_partFile->flush()) {
        refuse(QStringLiteral("cannot save ") + filePath());
        return false;
    }
    if (m_expected >= 0 && m_written != m_expected) {
        refuse(QStringLiteral("%1 of the %2 bytes promised arrived").arg(m_written).arg(m_expected));
        return false;
    }
    // An answer without a single byte is no installer.
    if (m_written == 0)
        return false;
    m_partFile->close();
    const QString path = filePath();
    if ((QFileInfo::exists(path) && !QFile::remove(path)) || !m_partFile->rename(path)) {
        refuse(QStringLiteral("cannot save ") + path);
        return false;
    }
    m_partFile.reset();
    return true;
}

void Downloader::discardPartFile()
{
    if (!m_partFile)
        return;
    m_partFile->close();
    m_partFile->remove();
    m_partFile.reset();
}

bool Downloader::answerIsSuccess() const
{
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status <= 299;
}

QString Downloader::filePath() const
{
    return m_downloadDir.filePath(m_fileName);
}

QString Downloader::partFilePath() const
{
    return m_downloadDir.filePath(m_fileName + kPartSuffix);
}
