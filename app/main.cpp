// The program's entry: one instance per user, the look, the language, the window.
#include <QApplication>
#include <QRect>
#include <QScreen>
#include <QTimer>

#include "IQStartup.h"
#include "MainWindow.h"
#include "SingleApplication.h"

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    // The version enters the instance key and the update check, so it is set before either.
    QCoreApplication::setApplicationVersion(QStringLiteral(BRV_VERSION));

    // A later start hands over to the first and leaves here with exit code 0.
    SingleApplication app(argc, argv, false, SingleApplication::PerUser, 1000, QString());
    IQStartup::prepareApplication();

    MainWindow window;
    window.show();
    QTimer::singleShot(10, &window, &MainWindow::checkForUpdates);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->virtualGeometry();
        window.move((desktop.width() - window.width()) / 2,
                    (desktop.height() - window.height()) / 2);
    }
    return app.exec();
}
