#include "IQImageBrowserFrame.h"
#include "ui_IQImageBrowserFrame.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include "IQBatchDialog.h"
#include "IQBatchOptionFrame.h"
#include "IQBatchProgressDialog.h"
#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "workers/IQConvertThread.h"
#include "documents/IQFileUtils.h"
#include "settings/IQSettings.h"

namespace {

const QSize kIconSize(120, 120);
constexpr int kProgressMinimumDurationMs = 5;
constexpr int kProgressMinimumWidth = 320;
constexpr int kProgressMaximumWidth = 480;
// The failure report names this many files, then counts the rest.
constexpr int kMaxReportedFailures = 10;

} // namespace

IQImageBrowserFrame::IQImageBrowserFrame(QWidget *parent)
    : IQFileBrowserFrame(parent)
    , ui(std::make_unique<Ui::IQImageBrowserFrame>())
{
    ui->setupUi(this);
    initUi();
}

IQImageBrowserFrame::~IQImageBrowserFrame()
{
    // A worker that still runs reads the batch record and writes files.
    stopConverting();
    // A page that goes from inside its progress dialog's loop must not take that dialog with
    // it: the dialog lives on convertStart's stack, and goes there once its loop has ended.
    if (progressDialog) {
        const QPointer<IQBatchProgressDialog> dialog = progressDialog;
        progressDialog = nullptr;
        dialog->finish();
        dialog->setParent(nullptr, dialog->windowFlags());
    }
}

void IQImageBrowserFrame::initUi()
{
    IQFileBrowserFrame::initUi();
    listWidget = ui->tileListView;
    ui->bottomLine->setStyleSheet(QStringLiteral("background-color: black;"));
    ui->selectTileButn->setText(tr("IDS_ADD_PHOTOS"));
    ui->removeTileButn->setText(tr("IDS_REMOVE_PHOTOS"));
    ui->removeTileButn->setEnabled(false);

    ui->tileListView->setViewMode(QListView::IconMode);
    ui->tileListView->setDragEnabled(false);
    ui->tileListView->setIconSize(kIconSize);
    connect(ui->tileListView, &QListWidget::itemSelectionChanged, this,
            &IQImageBrowserFrame::on_list_selection_changed);

    optionFrame = new IQBatchOptionFrame;
    ui->convertFrame->addWidget(optionFrame);

    ui->convertButton->setText(tr("IDS_START_CONVERT"));
    ui->convertButton->setEnabled(false);

    convertMenu = std::make_unique<QMenu>();
    connect(convertMenu.get(), &QMenu::triggered, this, &IQImageBrowserFrame::onConvertMenu_Triggered);
    convertSelectedAction = new QAction(tr("IDS_CONVERT_SELECT"), convertMenu.get());
    convertAllAction = new QAction(tr("IDS_CONVERT_ALL"), convertMenu.get());
    convertMenu->addAction(convertSelectedAction);
    convertMenu->addAction(convertAllAction);
}

bool IQImageBrowserFrame::acceptFile(const QString &path)
{
    return IQFileUtils::isSupported(path);
}

bool IQImageBrowserFrame::addFiles(const QStringList &paths)
{
    const bool added = IQFileBrowserFrame::addFiles(paths);
    updateConvertButton();
    return added;
}

void IQImageBrowserFrame::updateConvertButton()
{
    ui->convertButton->setEnabled(!files.isEmpty());
}

void IQImageBrowserFrame::on_selectTileButn_clicked()
{
    selectFiles();
}

void IQImageBrowserFrame::selectFiles()
{
    QStringList chosen;
    IQSettings *store = IQSettings::instance();
    if (IQFileUtils::getOpenImageFileNames(this, &chosen, store->lastOpenDir(),
                                           QFileDialog::ExistingFiles)
            != QDialog::Accepted
        || chosen.isEmpty())
        return;
    store->setLastOpenDir(QFileInfo(chosen.first()).path());
    QStringList supported;
    for (const QString &path : qAsConst(chosen)) {
        if (IQFileUtils::isSupported(path))
            supported.append(path);
    }
    if (!supported.isEmpty())
        addFiles(supported);
}

void IQImageBrowserFrame::on_removeTileButn_clicked()
{
    removeSelectedFiles();
    updateConvertButton();
}

void IQImageBrowserFrame::on_list_selection_changed()
{
    const bool selected = !ui->tileListView->selectedItems().isEmpty();
    ui->removeTileButn->setEnabled(selected);
    // With a selection the button opens the menu instead of converting everything.
    ui->convertButton->setMenu(selected ? convertMenu.get() : nullptr);
}

void IQImageBrowserFrame::on_tileListView_itemDoubleClicked(QListWidgetItem *item)
{
    emit browserItems(this, files, ui->tileListView->row(item));
}

void IQImageBrowserFrame::on_convertButton_clicked()
{
    startConvert(files);
}

void IQImageBrowserFrame::onConvertMenu_Triggered(QAction *action)
{
    if (action == convertAllAction)
        startConvert(files);
    else if (action == convertSelectedAction)
        startConvert(selectedFiles());
}

bool IQImageBrowserFrame::isConverting() const
{
    return !worker.isNull();
}

void IQImageBrowserFrame::stopConverting()
{
    if (!worker)
        return;
    // No event loop may be left to deliver the worker's last signals or its deferred deletion.
    worker->disconnect(this);
    worker->stop();
    worker->wait();
    delete worker.data();
}

void IQImageBrowserFrame::startConvert(const QStringList &paths)
{
    // One batch at a time: the record must not change under a running worker.
    if (isConverting())
        return;
    IQBatchDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return;

    worker = new IQConvertThread;
    worker->files = paths;
    // The run works on the record as it stands now; the page may change it meanwhile.
    worker->copySettings(*IQBatchSettings::instance());
    worker->engine = std::make_unique<IQConvertEngine>(worker->settings);
    worker->stopRequested = false;
    connect(worker, &IQConvertThread::convertStart, this, &IQImageBrowserFrame::convertStart);
    connect(worker, &IQConvertThread::converting, this, &IQImageBrowserFrame::converting);
    connect(worker, &IQConvertThread::convertEnd, this, &IQImageBrowserFrame::convertEnd);
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    // Hold the page, module panel included, until the progress dialog takes over.
    setEnabled(false);
    worker->start(QThread::InheritPriority);
}

void IQImageBrowserFrame::convertStart(int count)
{
    setEnabled(true);
    IQBatchProgressDialog dialog(tr("IDS_CONVERT"), QString(), 0, count, this);
    dialog.reset();
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setCancelButton(nullptr);
    dialog.setMinimumDuration(kProgressMinimumDurationMs);
    dialog.setMinimumWidth(kProgressMinimumWidth);
    dialog.setMaximumWidth(kProgressMaximumWidth);
    // The title hints count only with CustomizeWindowHint; without it the window manager
    // draws a close button all the same.
    dialog.setWindowFlags((dialog.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
                          & ~Qt::WindowCloseButtonHint);
    progressDialog = &dialog;
    failures.clear();
    // The worker's converting and convertEnd arrive inside this loop, some of them inside
    // the dialog's own setValue; so convertEnd only closes it, and it goes when exec returns.
    const QPointer<IQImageBrowserFrame> alive(this);
    dialog.exec();
    // The report comes once the progress dialog has closed, never beneath it.
    if (alive)
        reportFailures();
}

QString IQImageBrowserFrame::reasonText(int reason) const
{
    switch (reason) {
    case IQConvertThread::Failure::CannotWrite:
        return tr("IDS_CANNOT_BE_WRITTEN");
    case IQConvertThread::Failure::TooSmallForGif:
        return tr("IDS_TOO_SMALL_FOR_GIF");
    case IQConvertThread::Failure::TooLarge:
        return tr("IDS_TOO_LARGE");
    case IQConvertThread::Failure::Damaged:
        return tr("IDS_DAMAGED");
    default:
        return tr("IDS_CANNOT_BE_READ");
    }
}

void IQImageBrowserFrame::reportFailures()
{
    if (failures.isEmpty())
        return;
    QStringList lines;
    for (int i = 0; i < failures.size() && i < kMaxReportedFailures; ++i) {
        const IQConvertThread::Failure &failure = failures.at(i);
        lines << QStringLiteral("%1: %2").arg(QFileInfo(failure.source).fileName(),
                                               reasonText(failure.reason));
    }
    if (failures.size() > kMaxReportedFailures)
        lines << tr("IDS_AND_MORE").arg(failures.size() - kMaxReportedFailures);
    failures.clear();

    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(),
                    tr("IDS_CONVERT_FAILED"), QMessageBox::Ok, this);
    // File names are shown as they are, never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(lines.join(QLatin1Char('\n')));
    box.exec();
}

void IQImageBrowserFrame::converting(int index, QString file)
{
    if (!progressDialog)
        return;
    progressDialog->setLabelText(file);
    progressDialog->setValue(index);
}

void IQImageBrowserFrame::convertEnd(QStringList sources)
{
    Q_UNUSED(sources)
    // Taken now: the worker goes as soon as its thread has finished.
    if (worker && sender() == worker)
        failures = worker->failures();
    const QPointer<IQBatchProgressDialog> dialog = progressDialog;
    progressDialog = nullptr;
    if (dialog)
        dialog->finish();
}
