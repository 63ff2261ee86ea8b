#pragma once

#include <QPointer>
#include <QStringList>

#include <memory>

#include "IQFileBrowserFrame.h"

namespace Ui {
class IQImageBrowserFrame;
}

class IQBatchOptionFrame;
class QAction;
class QMenu;
class QProgressDialog;

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

    // Asks for the output options, then converts the files on a worker thread.
    void startConvert(const QStringList &paths);

signals:
    void browserItems(QFrame *frame, QStringList list, int index);
    void back(QFrame *frame);

private slots:
    void on_selectTileButn_clicked();
    void on_removeTileButn_clicked();
    void on_tileListView_itemDoubleClicked(QListWidgetItem *item);
    void on_convertButton_clicked();
    void onConvertMenu_Triggered(QAction *action);

private:
    void on_list_selection_changed();
    void selectFiles();
    void updateConvertButton();

    std::unique_ptr<Ui::IQImageBrowserFrame> ui;
    IQBatchOptionFrame *optionFrame = nullptr;
    std::unique_ptr<QMenu> convertMenu;
    QAction *convertSelectedAction = nullptr;
    QAction *convertAllAction = nullptr;
};
