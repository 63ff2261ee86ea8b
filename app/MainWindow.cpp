#include "MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>

#include "BVEnv.h"
#include "BVLinkTable.h"
#include "IQAppInfo.h"
#include "IQEditingFrame.h"
#include "documents/IQFileUtils.h"
#include "IQGuideDialog.h"
#include "IQImageBrowserFrame.h"
#include "settings/IQSettings.h"
#include "IQWizardFrame.h"
#include "QSimpleUpdater.h"
#include "ui_MainWindow.h"

namespace {
const char kStyleSheet[] = ":/qss/psblack.css";
// The sheet's first rule is "QPalette{background:#222222;}": characters 20 to 26 name the
// palette's colour.
constexpr int kPaletteColourAt = 20;
constexpr int kPaletteColourLength = 7;
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
{
    loadStyleSheet();
    ui->setupUi(this);
    setWindowTitle(QString());
    createMenus();
    setAcceptDrops(true);
    qDebug() << QImageWriter::supportedImageFormats();
    setWindowTitle(QGuiApplication::applicationDisplayName());

    m_startPage = new IQWizardFrame(this);
    ui->horizontalLayout->addWidget(m_startPage);
    connect(m_startPage, &IQWizardFrame::select_file, this, &MainWindow::openImageFile);

    m_tilePage = new IQImageBrowserFrame(this);
    ui->horizontalLayout->addWidget(m_tilePage);
    m_tilePage->hide();
    connect(m_tilePage, &IQImageBrowserFrame::browserItems, this, &MainWindow::browserItems);

    m_viewerPage = new IQEditingFrame(this);
    ui->horizontalLayout->addWidget(m_viewerPage);
    m_viewerPage->hide();
    connect(m_viewerPage, &IQEditingFrame::imageChanged, this, &MainWindow::imageChanged);
    connect(m_viewerPage, &IQEditingFrame::editFinished, this, &MainWindow::editFinished);

    m_viewerPage->actualSizeAction = m_actualSizeAction;
    m_viewerPage->fitWindowAction = m_fitInAction;
    m_viewerPage->zoomInAction = m_zoomInAction;
    m_viewerPage->zoomOutAction = m_zoomOutAction;

    m_pageState = StartPage;
    updateViewActions();
    configureUpdater();
}

MainWindow::~MainWindow()
{
    // A quit can end the event loop while a batch runs: its worker stops before the pages go.
    m_tilePage->stopConverting();
    delete m_viewerPage;
    delete m_tilePage;
    delete m_startPage;
}

void MainWindow::loadStyleSheet()
{
    QFile file(QString::fromLatin1(kStyleSheet));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    const QString sheet = QString::fromLatin1(bytes);
    const QString colour = sheet.mid(kPaletteColourAt, kPaletteColourLength);
    QApplication::setPalette(QPalette(QColor(colour)));
    qApp->setStyleSheet(sheet);
}

void MainWindow::createMenus()
{
    auto add = [this](QMenu *menu, const QString &text, const QKeySequence &shortcut) {
        auto *action = new QAction(text, this);
        action->setShortcut(QKeySequence());
        action->setShortcut(shortcut);
        menu->addAction(action);
        return action;
    };
    auto textShortcut = [](const QString &translated) {
        return QKeySequence(translated, QKeySequence::NativeText);
    };

    QMenu *file = menuBar()->addMenu(tr("IDS_FILE"));
    m_openAction = add(file, tr("IDS_OPEN"), QKeySequence::Open);
    connect(m_openAction, &QAction::triggered, this, &MainWindow::open);
    file->addSeparator();
    QAction *quit = add(file, tr("E&xit"), textShortcut(tr("Ctrl+Q")));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu *view = menuBar()->addMenu(tr("IDS_VIEW"));
    m_actualSizeAction = add(view, tr("IDS_MENU_ACTUALSIZE"), textShortcut(tr("Ctrl+0")));
    connect(m_actualSizeAction, &QAction::triggered, this, &MainWindow::zoomActual);
    m_fitInAction = add(view, tr("IDS_MENU_FITIN"), textShortcut(tr("Ctrl+9")));
    connect(m_fitInAction, &QAction::triggered, this, &MainWindow::zoomFit);
    m_zoomInAction = add(view, tr("IDS_MENU_ZOOMIN"), QKeySequence::ZoomIn);
    m_zoomInAction->setAutoRepeat(true);
    connect(m_zoomInAction, &QAction::triggered, this, &MainWindow::zoomIn);
    m_zoomOutAction = add(view, tr("IDS_MENU_ZOOMOUT"), QKeySequence::ZoomOut);
    m_zoomOutAction->setAutoRepeat(true);
    connect(m_zoomOutAction, &QAction::triggered, this, &MainWindow::zoomOut);

    QMenu *help = menuBar()->addMenu(tr("IDS_HELP"));
    QAction *onlineHelp = add(help, tr("IDS_MENU_ONLINE_HELP"), textShortcut(tr("Ctrl+H")));
    connect(onlineHelp, &QAction::triggered, this, &MainWindow::onlineHelp);
    QAction *faq = add(help, tr("IDS_MENU_FAQ"), QKeySequence());
    connect(faq, &QAction::triggered, this, &MainWindow::faq);
    QAction *ccs = add(help, tr("IDS_MENU_CCS"), QKeySequence());
    connect(ccs, &QAction::triggered, this, &MainWindow::ccs);
    help->addSeparator();
    QAction *about = add(help, tr("IDS_ABOUT"), QKeySequence());
    connect(about, &QAction::triggered, this, &MainWindow::about);
}

void MainWindow::configureUpdater()
{
    m_updater = QSimpleUpdater::instance();
    const QString url = IQAppInfo::updateUrl();
    m_updater->setModuleName(url, QStringLiteral("Brivane WebP"));
    m_updater->setModuleChannel(url, IQAppInfo::updateChannel());
    const QString downloadDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    qDebug() << downloadDir;
    m_updater->setDownloadDir(url, downloadDir);
    connect(m_updater, &QSimpleUpdater::checkingFinished, this, &MainWindow::updateChangelog);
}

void MainWindow::checkForUpdates()
{
    m_updater->checkForUpdates(IQAppInfo::updateUrl());
}

void MainWindow::showGuide()
{
    IQGuideDialog guide(nullptr);
    guide.exec();
}

void MainWindow::updateViewActions()
{
    if (m_pageState == ViewerPage) {
        m_openAction->setEnabled(false);
        m_viewerPage->updateActions();
        return;
    }
    m_openAction->setEnabled(true);
    for (QAction *action : {m_actualSizeAction, m_fitInAction, m_zoomInAction, m_zoomOutAction})
        action->setEnabled(false);
}

void MainWindow::open()
{
    openImageFile();
}

void MainWindow::zoomFit()
{
    m_viewerPage->zoomFit();
    updateViewActions();
}

void MainWindow::zoomActual()
{
    m_viewerPage->zoomActual();
    updateViewActions();
}

void MainWindow::zoomIn()
{
    m_viewerPage->zoomIn();
    updateViewActions();
}

void MainWindow::zoomOut()
{
    m_viewerPage->zoomOut();
    updateViewActions();
}

namespace {
void openPage(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}
} // namespace

void MainWindow::onlineHelp()
{
    openPage(IQAppInfo::environment()->linkTable()->guideUrl());
}

void MainWindow::faq()
{
    openPage(IQAppInfo::environment()->linkTable()->faqUrl());
}

void MainWindow::ccs()
{
    openPage(IQAppInfo::environment()->linkTable()->supportUrl());
}

void MainWindow::about()
{
    const QString name = QGuiApplication::applicationDisplayName();
    QMessageBox::about(this, name,
                       name + QStringLiteral("<p></p>") + QCoreApplication::applicationVersion()
                           + QStringLiteral("<p></p>") + IQAppInfo::aboutNotice());
}

bool MainWindow::addToTilePage(const QStringList &paths)
{
    QStringList supported;
    for (const QString &path : paths) {
        if (!path.isEmpty() && IQFileUtils::isSupported(path))
            supported.append(path);
    }
    if (supported.isEmpty())
        return false;
    m_tilePage->show();
    m_tilePage->addFiles(supported);
    if (m_pageState == StartPage)
        m_startPage->close();
    m_pageState = TilePage;
    return true;
}

void MainWindow::openImageFile()
{
    QStringList files;
    const int result = IQFileUtils::getOpenImageFileNames(
        this, &files, IQSettings::instance()->lastOpenDir(), QFileDialog::ExistingFiles);
    if (result != QDialog::Accepted || files.isEmpty())
        return;
    IQSettings::instance()->setLastOpenDir(QFileInfo(files.first()).path());
    if (m_pageState != ViewerPage)
        addToTilePage(files);
    updateViewActions();
}

void MainWindow::imageChanged(const QImage *)
{
    updateViewActions();
}

void MainWindow::updateChangelog(QString url)
{
    if (url == IQAppInfo::updateUrl())
        qDebug() << "Changelog:" << m_updater->changelog(url);
}

void MainWindow::browserItems(QFrame *, QStringList files, int index)
{
    m_tilePage->hide();
    m_viewerPage->show();
    m_pageState = ViewerPage;
    m_viewerPage->loadFiles(files, index);
    updateViewActions();
}

void MainWindow::editFinished()
{
    m_tilePage->show();
    m_viewerPage->hide();
    m_pageState = TilePage;
    updateViewActions();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_pageState != ViewerPage && event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    if (m_pageState == ViewerPage) {
        event->ignore();
        return;
    }
    if (!event->mimeData()->hasUrls())
        return;
    QStringList paths;
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl &url : urls)
        paths.append(url.toLocalFile());
    if (addToTilePage(paths)) {
        event->acceptProposedAction();
        updateViewActions();
    }
}
