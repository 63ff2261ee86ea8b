#pragma once

#include <QPointer>
#include <QStringList>

#include <memory>

#include "workers/IQConvertThread.h"
#include "IQFileBrowserFrame.h"

namespace Ui {
class IQImageBrowserFrame;
}

class IQBatchOptionFrame;
class IQBatchProgressDialog;
class QAction;
class QMenu;

// The tile page: the source images of a batch as tiles, the buttons to add and remove them,
// and the batch start over all of them or the selected ones behind a progress dialog.
class IQImageBrowserFrame : public IQFileBrowserFrame
{
    Q_OBJECT

public:
    explicit IQImageBrowserFrame(QWidget *parent = nullptr);
    ~IQImageBrowserFrame() override;

    bool acceptFile(const QString &path) override;
    bool addFiles(const QStringList &paths) override;
    void initUi() override;

    // Asks for the output options, then converts the files on a worker thread. Does nothing
    // while a batch runs.
    void startConvert(const QStringList &paths);
    // True from the start of a batch's worker until the worker is gone.
    bool isConverting() const;
    // Asks a running batch to stop after the file it is on and waits until its worker is gone.
    void stopConverting();
    // The running batch's worker thread, or null; it goes when its batch ends or is stopped.
    IQConvertThread *convertThread() const { return worker.data(); }

signals:
    void browserItems(QFrame *frame, QStringList list, int index);
    void back(QFrame *frame);

private slots:
    void on_selectTileButn_clicked();
    void on_removeTileButn_clicked();
    void on_tileListView_itemDoubleClicked(QListWidgetItem *item);
    void on_convertButton_clicked();
    void onConvertMenu_Triggered(QAction *action);
    void convertStart(int count);
    void converting(int index, QString file);
    void convertEnd(QStringList sources);

private:
    void on_list_selection_changed();
    void selectFiles();
    void updateConvertButton();
    // One message box naming what the batch could not convert; nothing after a clean batch.
    void reportFailures();
    QString reasonText(int reason) const;

    std::unique_ptr<Ui::IQImageBrowserFrame> ui;
    IQBatchOptionFrame *optionFrame = nullptr;
    // Set only while the progress dialog is up; it nulls itself should the dialog go early.
    QPointer<IQBatchProgressDialog> progressDialog;
    std::unique_ptr<QMenu> convertMenu;
    QAction *convertSelectedAction = nullptr;
    QAction *convertAllAction = nullptr;
    QPointer<IQConvertThread> worker;
    // What the last batch could not convert, taken from the worker at its end.
    QList<IQConvertThread::Failure> failures;
};
