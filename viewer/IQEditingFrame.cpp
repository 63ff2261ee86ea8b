#include "IQEditingFrame.h"
#include "ui_IQEditingFrame.h"

#include <QApplication>
#include <QIcon>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QPixmap>
#include <QSignalBlocker>

#include <algorithm>

#include "documents/DocumentInfo.h"
#include "settings/IQBatchSettings.h"
#include "IQBatchProgressDialog.h"
#include "imaging/IQConvertEngine.h"
#include "IQExportDialog.h"
#include "IQExportThread.h"
#include "workers/IQIconReadThread.h"
#include "workers/IQImageConvertThread.h"
#include "documents/IQImageFile.h"
#include "workers/IQImageReadThread.h"
#include "settings/IQSettings.h"
#include "documents/QMovieProxy.h"
#include "QWaitingDialog.h"
#include "ViewerWidget.h"

namespace {

constexpr int kMaxThumbnailThreads = 5;
constexpr int kJobRole = Qt::UserRole + 1;
constexpr int kPathRole = Qt::UserRole + 2;
const QSize kItemSize(80, 80);
constexpr int kStripHeight = 80;
const QSize kPlayIconSize(20, 20);
const QSize kBackIconSize(12, 12);

// The export's progress dialog, as the batch shows its own.
constexpr int kProgressMinimumDurationMs = 5;
constexpr int kProgressMinimumWidth = 320;
constexpr int kProgressMaximumWidth = 480;

const QString kPlayIcon = QStringLiteral(":/wc/icon/play24.png");
const QString kPauseIcon = QStringLiteral(":/wc/icon/pause24.png");

} // namespace

IQEditingFrame::IQEditingFrame(QWidget *parent)
    : IQImageFrameV2(parent)
    , ui(std::make_unique<Ui::IQEditingFrame>())
    , thumbnails(&threadPool)
{
    ui->setupUi(this);
    threadPool.setMaxThreadCount(kMaxThumbnailThreads);
    initUi();
    qRegisterMetaType<IQImageFile *>("IQImageFile*");

    connect(&thumbnails, &IQThumbnailJobs::thumbnailRead, this,
            [this](IQIconReadThread *, const QIcon &icon, int index, const QSize &size) {
                setItemIcon(icon, index, size);
            });
}

IQEditingFrame::~IQEditingFrame()
{
    // A quit can leave a worker running, and the page can go from inside the dialog that
    // waits for it; either way the worker reads the documents deleted below.
    endWorker();
    releaseDialogs();
    // The view goes with the base frame; nothing it sends on the way may reach this page.
    if (viewer) {
        viewer->setFrameHook(nullptr, nullptr);
        disconnect(viewer, nullptr, this, nullptr);
    }
    qDeleteAll(files);
}

void IQEditingFrame::initUi()
{
    ui->workspaceLine->setStyleSheet(QStringLiteral("background-color: black;"));
    ui->fileListWidget->setMovement(QListView::Static);
    ui->fileListWidget->setViewMode(QListView::IconMode);
    ui->fileListWidget->setWrapping(false);
    ui->fileListWidget->setMaximumHeight(kStripHeight);
    ui->applyCheckBox->setToolTip(tr("IDS_APPLY_SETTINGS"));

    ui->nextFrameButton->setIcon(QIcon(QStringLiteral(":/wc/icon/skip-forward24.png")));
    ui->prevFrameButton->setIcon(QIcon(QStringLiteral(":/wc/icon/skip-backwards24.png")));
    ui->pauseButton->setIcon(QIcon(kPlayIcon));
    for (QPushButton *button : {ui->nextFrameButton, ui->prevFrameButton, ui->pauseButton}) {
        button->setFlat(true);
        button->setIconSize(kPlayIconSize);
    }
    ui->nextFrameButton->setFocusPolicy(Qt::NoFocus);
    ui->prevFrameButton->setFocusPolicy(Qt::NoFocus);

    ui->backButton->setIcon(QIcon(QStringLiteral(":/wc/icon/back.png")));
    ui->backButton->setFlat(true);
    ui->backButton->setIconSize(kBackIconSize);
    ui->backButton->setText(tr("IDS_BACK"));
    ui->backButton->setFocusPolicy(Qt::NoFocus);
    ui->exportButton->setText(tr("IDS_EXPORT"));
    ui->exportButton->setFocusPolicy(Qt::NoFocus);

    setPlaybackControls(nullptr);
    createViewer(ui->graphicsLayout);
    setZoomSlider(ui->zoomSlider);
}

IQImageFile *IQEditingFrame::documentAt(int row) const
{
    return row >= 0 && row < files.size() ? files.at(row) : nullptr;
}

void IQEditingFrame::loadFiles(const QStringList &paths, int index)
{
    // Compared exactly, as the tile page does: a.png and A.png are two files, and dropping
    // one would shift every later row against the index the tile page sends.
    QStringList kept;
    for (const QString &path : paths) {
        const bool listed = std::any_of(files.cbegin(), files.cend(), [&path](IQImageFile *file) {
            return file->absoluteFilePath() == path;
        });
        if (!listed)
            kept.append(path);
    }

    const bool wasEmpty = files.isEmpty();
    for (const QString &path : qAsConst(kept)) {
        auto *file = new IQImageFile(path);
        files.append(file);

        auto *item = new QListWidgetItem;
        item->setSizeHint(kItemSize);
        item->setToolTip(file->fileName());
        item->setText(file->fileName());
        ui->fileListWidget->addItem(item);

        IQIconReadThread *job = thumbnails.start(file->absoluteFilePath(), files.size() - 1);
        item->setData(kJobRole, QVariant::fromValue(job));
        item->setData(kPathRole, file->absoluteFilePath());
    }

    if (wasEmpty && !files.isEmpty())
        ui->fileListWidget->setCurrentRow(index);
}

void IQEditingFrame::clearFileList()
{
    endWorker();
    clear();
    disconnect(ui->fileListWidget, &QListWidget::currentRowChanged, this,
               &IQEditingFrame::on_fileListWidget_currentRowChanged);
    for (int row = 0; row < ui->fileListWidget->count(); ++row)
        thumbnails.retire(ui->fileListWidget->item(row)->data(kJobRole).value<IQIconReadThread *>());
    ui->fileListWidget->clear();
    connect(ui->fileListWidget, &QListWidget::currentRowChanged, this,
            &IQEditingFrame::on_fileListWidget_currentRowChanged);
    qDeleteAll(files);
    files.clear();

    // An empty page shows nothing of the files it had, and has nothing to convert.
    originalImage = QImage();
    ui->nameLabel->clear();
    ui->sizeLabel->clear();
    setPlaybackControls(nullptr);
    updateActions();
}

void IQEditingFrame::on_backButton_clicked()
{
    clearFileList();
    emit editFinished();
}

void IQEditingFrame::on_fileListWidget_currentRowChanged(int currentRow)
{
    this->currentRow = currentRow;
    loadFile(documentAt(currentRow));
}

void IQEditingFrame::adoptWorker(QThread *thread)
{
    endWorker();
    worker = thread;
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
}

void IQEditingFrame::endWorker()
{
    if (!worker)
        return;
    // No event loop may be left to deliver the worker's last signals or its deferred deletion.
    worker->disconnect(this);
    worker->requestInterruption();
    worker->wait();
    delete worker.data();
    // Results it queued before it stopped carry documents that are about to go; only workers
    // send queued calls to the page.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
}

void IQEditingFrame::releaseDialogs()
{
    const auto dialogs = findChildren<QDialog *>(QString(), Qt::FindDirectChildrenOnly);
    for (QDialog *dialog : dialogs) {
        if (auto *progress = qobject_cast<IQBatchProgressDialog *>(dialog))
            progress->finish();
        else
            dialog->done(QDialog::Rejected);
        dialog->setParent(nullptr, dialog->windowFlags());
    }
}

void IQEditingFrame::runWaiting(QThread *thread)
{
    QWaitingDialog dialog(this);
    adoptWorker(thread);
    connect(thread, &QThread::finished, &dialog, &QDialog::close);
    thread->start(QThread::InheritPriority);
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.exec();
}

void IQEditingFrame::loadFile(IQImageFile *file)
{
    if (!file)
        return;
    auto *thread = new IQImageReadThread(file, applySettings);
    connect(thread, &IQImageReadThread::readStaticFinished, this,
            [this, thread](IQImageFile *imageFile, const QImage &image, const QImage &converted,
                           bool update) {
                // The document is the page's: its real size is stored here, not by the thread.
                if (imageFile)
                    imageFile->imageSize = thread->imageSize();
                showDocument(imageFile, image, converted, update);
            });
    connect(thread, &IQImageReadThread::readAnimationFinished, this,
            &IQEditingFrame::connectPlayer);
    connect(thread, &IQImageReadThread::readDamaged, this, &IQEditingFrame::showDamaged);
    runWaiting(thread);
}

void IQEditingFrame::showDocument(IQImageFile *file, QImage image, QImage convertedImage,
                                  bool update)
{
    Q_UNUSED(update)
    playing = false;
    disconnectPlayer();
    originalImage = image;

    if (image.isNull()) {
        // The view refuses a null picture; left alone it would show the previous file under
        // this one's name.
        showNothing(file);
        // Nothing was read, so nothing plays, whatever kind the file claims to be.
        setPlaybackControls(nullptr);
        emit imageChanged(&this->image());
        return;
    }

    const QImage &shown = convertedImage.isNull() ? image : convertedImage;
    setImage(shown);
    ui->nameLabel->setText(file ? file->fileName() : QString());
    showStillSize(shown, !convertedImage.isNull());
    setPlaybackControls(file);
    emit imageChanged(&this->image());
}

void IQEditingFrame::showDamaged(IQImageFile *file)
{
    showDocument(file, QImage(), QImage(), false);
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(),
                    tr("IDS_FILE_DAMAGED").arg(file ? file->fileName() : QString()),
                    QMessageBox::Ok, this);
    // A file name is shown as it is, never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void IQEditingFrame::connectPlayer(IQImageFile *file, const QMovieProxyHolder &movie)
{
    std::unique_ptr<QMovieProxy> source = movie.take();
    // Only a sequence plays: a HEIC file found to hold several images is animated from now on.
    if (source && file)
        file->setKind(DocumentInfo::Animated);
    // Taken now: once handed over, the source is the view's, or gone.
    const QRect frameRect = source ? source->frameRect() : QRect();

    connect(viewer, &ViewerWidget::durationChanged, this, &IQEditingFrame::durationChanged,
            Qt::UniqueConnection);
    connect(viewer, &ViewerWidget::frameChanged, this, &IQEditingFrame::frameChanged,
            Qt::UniqueConnection);
    connect(viewer, &ViewerWidget::animationPaused, this, &IQEditingFrame::animationPaused,
            Qt::UniqueConnection);
    viewer->setFrameHook(&IQEditingFrame::convertFrameHook, this);

    const bool hadSource = bool(source);
    if (!showAnimation(std::move(source))) {
        playing = false;
        disconnectPlayer();
        showNothing(file);
        setPlaybackControls(nullptr);
        emit imageChanged(&image());
        return;
    }

    ui->nameLabel->setText(file ? file->fileName() : QString());
    ui->sizeLabel->setText(hadSource ? QStringLiteral("%1 x %2 %3")
                                           .arg(frameRect.width())
                                           .arg(frameRect.height())
                                           .arg(tr("IDS_PIX"))
                                     : QString());
    setPlaybackControls(file);
    emit imageChanged(&image());
}

void IQEditingFrame::disconnectPlayer()
{
    disconnect(viewer, &ViewerWidget::durationChanged, this, &IQEditingFrame::durationChanged);
    disconnect(viewer, &ViewerWidget::frameChanged, this, &IQEditingFrame::frameChanged);
    disconnect(viewer, &ViewerWidget::animationPaused, this, &IQEditingFrame::animationPaused);
    viewer->setFrameHook(nullptr, nullptr);
}

void IQEditingFrame::showNothing(IQImageFile *file)
{
    clear();
    originalImage = QImage();
    ui->nameLabel->setText(file ? file->fileName() : QString());
    ui->sizeLabel->clear();
    updateActions();
}

void IQEditingFrame::setPlaybackControls(IQImageFile *file)
{
    ui->pageFrame->hide();
    const bool animated = file && file->kind() == DocumentInfo::Animated;
    if (animated)
        ui->pageFrame->show();
    if (!viewer)
        return;
    if (animated) {
        connect(ui->seekBar, &VideoSlider::sliderMovedX, viewer, &ViewerWidget::seek,
                Qt::UniqueConnection);
        connect(ui->prevFrameButton, &QPushButton::clicked, viewer, &ViewerWidget::frameStepBack,
                Qt::UniqueConnection);
        connect(ui->nextFrameButton, &QPushButton::clicked, viewer, &ViewerWidget::frameStep,
                Qt::UniqueConnection);
        connect(ui->pauseButton, &QPushButton::clicked, viewer,
                &ViewerWidget::pauseResumePlayback, Qt::UniqueConnection);
    } else {
        disconnect(ui->seekBar, &VideoSlider::sliderMovedX, viewer, &ViewerWidget::seek);
        disconnect(ui->prevFrameButton, &QPushButton::clicked, viewer,
                   &ViewerWidget::frameStepBack);
        disconnect(ui->nextFrameButton, &QPushButton::clicked, viewer, &ViewerWidget::frameStep);
        disconnect(ui->pauseButton, &QPushButton::clicked, viewer,
                   &ViewerWidget::pauseResumePlayback);
    }
}

void IQEditingFrame::setItemIcon(const QIcon &tileIcon, int index, const QSize &originalSize)
{
    QListWidgetItem *item = ui->fileListWidget->item(index);
    const IQImageFile *file = documentAt(index);
    if (!item || !file)
        return;
    item->setIcon(tileIcon);
    item->setText(QString());
    // One pass, so a name such as "50%2.png" is not taken for a placeholder.
    item->setToolTip(QStringLiteral("%1\r\n%2 x %3")
                         .arg(file->fileName(), QString::number(originalSize.width()),
                              QString::number(originalSize.height())));
}

void IQEditingFrame::animationPaused(bool paused)
{
    ui->pauseButton->setIcon(QIcon(paused ? kPlayIcon : kPauseIcon));
    playing = !paused;
}

void IQEditingFrame::frameChanged(int frame, QImage image)
{
    currentFrame = frame;
    originalImage = image;
    storedImage = image;
    ui->positionLabel->setText(QString::number(frame + 1));
    {
        const QSignalBlocker blocker(ui->seekBar);
        ui->seekBar->setValue(frame);
    }
    showSize(image);
}

void IQEditingFrame::durationChanged(int duration, int frames)
{
    ui->seekBar->setRange(0, frames - 1);
    ui->durationLabel->setText(QString::number(frames));
    ui->positionLabel->clear();
    if (IQImageFile *file = documentAt(currentRow)) {
        file->duration = duration;
        file->frameCount = frames;
    }
}

void IQEditingFrame::on_applyCheckBox_stateChanged(int arg1)
{
    applySettings = arg1 == Qt::Checked;
    IQImageFile *file = documentAt(currentRow);
    // Animations: only the frames shown from now on change, through the hook.
    if (!file || file->kind() == DocumentInfo::Animated || originalImage.isNull())
        return;
    if (!applySettings) {
        updateSizeLabel();
        return;
    }
    auto *thread = new IQImageConvertThread(file, originalImage);
    connect(thread, &IQImageConvertThread::convertFinished, this,
            &IQEditingFrame::onConvertFinished);
    runWaiting(thread);
}

void IQEditingFrame::onConvertFinished(QImage convertedImage)
{
    if (convertedImage.size() == originalImage.size()) {
        showPixmap(convertedImage);
        return;
    }
    setImage(convertedImage);
    showStillSize(convertedImage, true);
}

void IQEditingFrame::updateSizeLabel()
{
    if (image().size() == originalImage.size()) {
        showPixmap(originalImage);
        return;
    }
    setImage(originalImage);
    showStillSize(originalImage, false);
}

void IQEditingFrame::showStillSize(const QImage &shown, bool converted)
{
    // The still on show is widened to whole groups of 4 pixels; the label tells the file's
    // own size, or the size the modules give it, as a batch would write it.
    const IQImageFile *file = documentAt(currentRow);
    QSize size = file && !shown.isNull() ? file->imageSize : QSize();
    if (converted && size.isValid())
        size = IQConvertEngine(IQBatchSettings::instance()).outputSize(size.width(), size.height());
    ui->sizeLabel->setText(size.isValid() ? QStringLiteral("%1 x %2 %3")
                                                .arg(size.width())
                                                .arg(size.height())
                                                .arg(tr("IDS_PIX"))
                                          : QString());
}

void IQEditingFrame::showSize(const QImage &image)
{
    ui->sizeLabel->setText(image.isNull() ? QString()
                                          : QStringLiteral("%1 x %2 %3")
                                                .arg(image.width())
                                                .arg(image.height())
                                                .arg(tr("IDS_PIX")));
}

bool IQEditingFrame::convertFrameHook(QPixmap *frame, void *context)
{
    const auto *page = static_cast<IQEditingFrame *>(context);
    if (!page || !page->applySettings || !frame)
        return true;
    const QImage converted = IQConvertEngine(IQBatchSettings::instance()).process(frame->toImage());
    // A frame the modules cannot convert is shown as it is rather than as nothing.
    if (!converted.isNull())
        *frame = QPixmap::fromImage(converted);
    return true;
}

void IQEditingFrame::on_exportButton_clicked()
{
    exportImage();
}

void IQEditingFrame::exportImage()
{
    IQImageFile *file = documentAt(currentRow);
    if (!file || image().isNull())
        return;
    if (playing)
        viewer->pauseResumePlayback();

    IQSettings *preferences = IQSettings::instance();
    IQExportOptions options;
    options.option = IQExportOptions::CurrentFrame;
    options.format = IQOutputFormat::Jpeg;
    options.quality = preferences->quality();
    options.webpQuality = preferences->webpQuality();
    options.duration = file->duration;
    options.name = file->baseName();
    options.apply = true;
    const QString lastSaveDir = preferences->lastSaveDir();
    options.outputDir = lastSaveDir.isEmpty() ? file->absolutePath() : lastSaveDir;

    {
        // Gone before the progress runs, so that only dialogs in their loops are the page's.
        IQExportDialog dialog(file, &options, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        dialog.exportOptions(&options);
    }
    preferences->setQuality(options.quality);
    preferences->setWebpQuality(options.webpQuality);

    // The range is what the run writes: one picture, or every frame of the file.
    const int steps = options.option == IQExportOptions::CurrentFrame ? 1 : qMax(1, file->frameCount);
    IQBatchProgressDialog progress(tr("IDS_EXPORT"), QString(), 0, steps, this);
    progress.reset();
    progress.setWindowModality(Qt::WindowModal);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(kProgressMinimumDurationMs);
    progress.setMinimumWidth(kProgressMinimumWidth);
    progress.setMaximumWidth(kProgressMaximumWidth);
    // The title hints count only with CustomizeWindowHint; without it the window manager
    // draws a close button all the same.
    progress.setWindowFlags(
        (progress.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
        & ~(Qt::WindowContextHelpButtonHint | Qt::MSWindowsFixedSizeDialogHint
            | Qt::WindowCloseButtonHint));

    auto *thread = new IQExportThread(file, originalImage, &options);
    // What is on show may be a frame the modules have converted already; the worker reads
    // the frame from the file, so that Apply runs the modules over it exactly once.
    if (file->kind() == DocumentInfo::Animated)
        thread->setFrameNumber(currentFrame);
    adoptWorker(thread);
    connect(thread, &IQExportThread::saveFinished, this, &IQEditingFrame::onExportFinished);
    connect(thread, &QThread::finished, &progress, &IQBatchProgressDialog::finish);
    connect(thread, &IQExportThread::saving, &progress, &QProgressDialog::setValue);
    thread->start(QThread::InheritPriority);
    // Until the worker has finished it reads the document and the batch record, so the
    // interface stays held even after the last picture is reported.
    progress.exec();
}

void IQEditingFrame::onExportFinished(IQImageFile *file, const QString &path, bool successed)
{
    Q_UNUSED(file)
    Q_UNUSED(path)
    if (successed)
        return;
    QMessageBox::warning(this, QApplication::applicationDisplayName(),
                         tr("Failed to export file."), QMessageBox::Ok);
}
