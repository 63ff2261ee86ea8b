#include "BrvTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QEventLoop>
#include <QMessageBox>
#include <QFont>
#include <QMouseEvent>
#include <QPalette>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <condition_variable>
#include <memory>
#include <mutex>

#include <sys/resource.h>

namespace BrvTest {

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList folderState(const QString &folder)
{
    QStringList state;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QByteArray digest =
            QCryptographicHash::hash(fileContents(entry.filePath()), QCryptographicHash::Sha256);
        state.append(QStringLiteral("%1 %2 %3").arg(
            entry.fileName(), QString::number(entry.lastModified().toMSecsSinceEpoch()),
            QString::fromLatin1(digest.toHex())));
    }
    return state;
}

bool isNear(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

QRect inkRect(const QImage &image, const QColor &background)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const bool transparent = background.alpha() == 0;
    QRect ink;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const bool blank = transparent ? qAlpha(line[x]) == 0 : line[x] == background.rgba();
            if (!blank)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

qint64 peakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QString sourceDir()
{
    return qEnvironmentVariable("BRV_SOURCE_DIR");
}

bool loadEnglishTranslation()
{
    static QTranslator *translator = nullptr;
    if (translator)
        return true;
    auto t = std::make_unique<QTranslator>(qApp);
    if (!t->load(QStringLiteral(":/qm/language_en.qm")))
        return false;
    translator = t.release();
    return QCoreApplication::installTranslator(translator);
}

void applyDarkStyle()
{
    QFile file(QStringLiteral(":/qss/psblack.css"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString sheet = QString::fromLatin1(file.readAll());
    qApp->setPalette(QPalette(QColor(sheet.mid(20, 7))));
    qApp->setStyleSheet(sheet);
}

void useProgramFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    QApplication::setFont(font);
}

namespace {

// Polls for the next visible modal widget that `wanted` accepts and hands it to `answer`; the
// timer lives on `owner`, so the poll ends with it.
void pollForModal(QObject *owner, std::function<QWidget *(QWidget *)> wanted,
                  std::function<void(QWidget *)> answer, int timeoutMs)
{
    auto *timer = new QTimer(owner);
    auto elapsed = std::make_shared<int>(0);
    constexpr int kPollMs = 20;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, wanted, answer, elapsed, timeoutMs]() {
        *elapsed += kPollMs;
        QWidget *modal = QApplication::activeModalWidget();
        QWidget *found = modal && modal->isVisible() ? wanted(modal) : nullptr;
        if (found) {
            timer->stop();
            timer->deleteLater();
            answer(found);
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(kPollMs);
}

} // namespace

void answerNextModal(std::function<void(QWidget *)> answer, int timeoutMs)
{
    pollForModal(qApp, [](QWidget *modal) { return modal; }, answer, timeoutMs);
}

void answerNextMessageBox(QObject *context, std::function<void(QMessageBox *)> answer,
                          int timeoutMs)
{
    pollForModal(
        context, [](QWidget *modal) -> QWidget * { return qobject_cast<QMessageBox *>(modal); },
        [answer](QWidget *box) { answer(static_cast<QMessageBox *>(box)); }, timeoutMs);
}

bool takeQuitRequest()
{
    // A pending quit makes a new event loop return -1 at once instead of running.
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe]() { probe.exit(1); });
    if (probe.exec() != -1)
        return false;
    // The application's own loop starts by forgetting a pending quit.
    QTimer::singleShot(0, qApp, []() { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    return true;
}

QString clickAndReadWarning(QWidget *dialog, QAbstractButton *button)
{
    QString text;
    QTimer::singleShot(0, dialog, [&text]() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        text = box->text();
        if (box->windowTitle() != QApplication::applicationDisplayName())
            text = QStringLiteral("wrong title: ") + box->windowTitle();
        if (box->standardButtons() != QMessageBox::Ok)
            text = QStringLiteral("not an OK box");
        box->button(QMessageBox::Ok)->click();
    });
    button->click();
    return text;
}

void acceptFileDialog(QFileDialog *dialog, const QString &folder, const QString &typedName)
{
    dialog->setDirectory(folder);
    // The name box, not selectFile(): a visible dialog leaves a focused name box alone.
    if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        name->setText(typedName);
    static_cast<QDialog *>(dialog)->accept();
    if (dialog->isVisible())
        dialog->reject();
}

void answerNextFileDialog(const QString &folder, const QStringList &names)
{
    answerNextModal([folder, names](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        if (names.isEmpty()) {
            dialog->reject();
            return;
        }
        QStringList quoted;
        for (const QString &name : names)
            quoted.append(QLatin1Char('"') + name + QLatin1Char('"'));
        acceptFileDialog(dialog, folder, quoted.join(QLatin1Char(' ')));
    });
}

QImage gradientImage(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(x * 255 / qMax(1, width - 1), y * 255 / qMax(1, height - 1),
                           (x + y) % 256);
    }
    return format == QImage::Format_ARGB32 ? image : image.convertToFormat(format);
}

QImage noiseImage(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_ARGB32);
    quint32 state = seed ? seed : 1;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // xorshift32: cheap and the same everywhere
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            line[x] = 0xFF000000u | (state & 0x00FFFFFFu);
        }
    }
    return image;
}

QImage solidImage(int width, int height, const QColor &color, QImage::Format format)
{
    QImage image(width, height, format);
    image.fill(color);
    return image;
}

void sendMouse(QWidget *widget, QEvent::Type type, const QPointF &pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos.toPoint()), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

QColor grabbedColor(QWidget *widget, const QPoint &pos)
{
    const QImage image = widget->grab().toImage();
    return image.valid(pos) ? QColor(image.pixel(pos)) : QColor();
}

namespace {

bool laidOut(const QWidget *widget, const QWidget *root)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !widget->isWindow()
           && widget->window() == root->window() && widget->isVisibleTo(root);
}

QString describe(const QWidget *widget, const QRect &rect)
{
    return QStringLiteral("%1 at %2,%3 %4 x %5")
        .arg(widget->objectName())
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

} // namespace

QString layoutFault(QWidget *root)
{
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!laidOut(widget, root))
            continue;
        const QRect inRoot(widget->mapTo(root, QPoint(0, 0)), widget->size());
        if (!root->rect().contains(inRoot))
            return describe(widget, inRoot) + QStringLiteral(" reaches outside ")
                   + describe(root, root->rect());
        const QList<QWidget *> siblings =
            widget->parentWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *sibling : siblings) {
            if (sibling != widget && laidOut(sibling, root)
                && sibling->geometry().intersects(widget->geometry()))
                return describe(widget, widget->geometry()) + QStringLiteral(" overlaps ")
                       + describe(sibling, sibling->geometry());
        }
    }
    return QString();
}

void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString dir = qEnvironmentVariable("BRV_SCREENSHOT_DIR");
    if (dir.isEmpty() || !widget)
        return;
    QDir().mkpath(dir);
    widget->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void callAndWait(QObject *context, std::function<void()> call)
{
    struct Done
    {
        std::mutex lock;
        std::condition_variable changed;
        bool done = false;
    };
    const auto state = std::make_shared<Done>();
    QMetaObject::invokeMethod(
        context,
        [state, call = std::move(call)] {
            call();
            const std::lock_guard<std::mutex> held(state->lock);
            state->done = true;
            state->changed.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> held(state->lock);
    state->changed.wait(held, [&] { return state->done; });
}

} // namespace BrvTest
