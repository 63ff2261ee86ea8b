#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>

class IQEditingFrame;
class IQImageBrowserFrame;
class IQWizardFrame;
class QAction;
class QFrame;
class QSimpleUpdater;

namespace Ui {
class MainWindow;
}

// The program's only window: the start page, the tile page and the viewer page in one row, one
// shown at a time; the menus, dropped files, the dark style and the update check.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum PageState { StartPage = 0, TilePage = 1, ViewerPage = 2 };

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void checkForUpdates();
    void showGuide();
    void updateViewActions();

    int pageState() const { return m_pageState; }
    IQWizardFrame *startPage() const { return m_startPage; }
    IQImageBrowserFrame *tilePage() const { return m_tilePage; }
    IQEditingFrame *viewerPage() const { return m_viewerPage; }
    QAction *openAction() const { return m_openAction; }
    QAction *actualSizeAction() const { return m_actualSizeAction; }
    QAction *fitInAction() const { return m_fitInAction; }
    QAction *zoomInAction() const { return m_zoomInAction; }
    QAction *zoomOutAction() const { return m_zoomOutAction; }

public slots:
    void open();
    void zoomFit();
    void zoomActual();
    void zoomIn();
    void zoomOut();
    void onlineHelp();
    void faq();
    void ccs();
    void about();
    void openImageFile();
    void imageChanged(const QImage *image);
    void updateChangelog(QString url);
    void browserItems(QFrame *frame, QStringList files, int index);
    void editFinished();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void loadStyleSheet();
    void createMenus();
    void configureUpdater();
    // Gives supported files to the tile page and shows it; false when none was supported.
    bool addToTilePage(const QStringList &paths);

    QSimpleUpdater *m_updater = nullptr;
    int m_pageState = StartPage;
    QAction *m_actualSizeAction = nullptr;
    QAction *m_fitInAction = nullptr;
    QAction *m_zoomInAction = nullptr;
    QAction *m_zoomOutAction = nullptr;
    QAction *m_openAction = nullptr;
    std::unique_ptr<Ui::MainWindow> ui;
    IQWizardFrame *m_startPage = nullptr;
    IQEditingFrame *m_viewerPage = nullptr;
    IQImageBrowserFrame *m_tilePage = nullptr;
};
