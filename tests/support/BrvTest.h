#pragma once

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractButton;
class QFileDialog;
class QMessageBox;
class QObject;
class QWidget;

// Helpers shared by every test: the source tree, the English translation, the dark style,
// answering modal dialogs and small generated images.
namespace BrvTest {

// How long a test waits for something that is bound to happen: long enough for a sanitizer
// build on a machine busy with other work, and met at once when all is well.
constexpr int kEventTimeoutMs = 30000;

// The source tree, for committed fixtures; set by the test runner.
QString sourceDir();

// Installs the English interface translation, as the program does at start-up.
bool loadEnglishTranslation();

// Applies the program's dark style sheet and palette to the application.
void applyDarkStyle();

// Sets the application font the program starts with, Arial at 13 pixels.
void useProgramFont();

// Calls answer with the next modal widget that becomes active, from a timer, then returns;
// the answer runs inside the dialog's own event loop. Gives up after timeoutMs.
void answerNextModal(std::function<void(QWidget *)> answer, int timeoutMs = kEventTimeoutMs);

// Calls answer with the next message box that becomes the active modal widget, passing over
// other modal windows (an application-modal progress window, say). The wait belongs to
// context: it ends with it, so a box that never came cannot be answered in a later test.
void answerNextMessageBox(QObject *context, std::function<void(QMessageBox *)> answer,
                          int timeoutMs = kEventTimeoutMs);

// Whether QCoreApplication::quit() was asked since the last call, and forgets it. A quit asked
// outside the application's event loop makes every later event loop, a dialog's included,
// return at once; this clears that, so the test can go on.
bool takeQuitRequest();

// Clicks the button inside dialog and returns the text of the message box the click raises,
// closed with OK; empty when none comes. A box with a title other than the application's
// display name, or with buttons other than OK, gives a text that says so. The answer belongs
// to the dialog, so that it cannot outlive it and meet a later modal.
QString clickAndReadWarning(QWidget *dialog, QAbstractButton *button);

// Answers a file dialog as a user does: opens folder, types the name (a list of quoted names
// for several files; empty to take the folder itself) into the name box and accepts. A dialog
// that refuses the answer is rejected, so a test fails on its checks instead of hanging.
void acceptFileDialog(QFileDialog *dialog, const QString &folder, const QString &typedName);

// Answers the next modal, a file dialog, with names of folder typed as a user types them
// (quoted, no wait for the folder's listing); cancels it when names is empty. Any other
// modal is closed.
void answerNextFileDialog(const QString &folder, const QStringList &names);

// An image whose every pixel differs from its neighbours: red grows along x, green along y.
QImage gradientImage(int width, int height, QImage::Format format = QImage::Format_ARGB32);

// An image of pseudo-random pixels from a fixed seed, the same on every run.
QImage noiseImage(int width, int height, quint32 seed = 1);

// An image of one colour.
QImage solidImage(int width, int height, const QColor &color,
                  QImage::Format format = QImage::Format_ARGB32);

// Sends a mouse event straight to the widget, with the given button and held buttons; unlike
// QTest's mouse functions it takes fractional points and points outside the widget.
void sendMouse(QWidget *widget, QEvent::Type type, const QPointF &pos, Qt::MouseButton button,
               Qt::MouseButtons buttons);

// The file's bytes, or nothing when it cannot be read.
QByteArray fileContents(const QString &path);

// One line per file in the folder, in name order, with its modification time and a digest of
// its bytes: two states are equal only when nothing in the folder was written, added or
// removed between them.
QStringList folderState(const QString &folder);

// True when red, green and blue each differ by at most tolerance.
bool isNear(const QColor &a, const QColor &b, int tolerance);

// The bounding box of every pixel that differs from the background; with a transparent
// background, of every pixel that is not fully transparent.
QRect inkRect(const QImage &image, const QColor &background = Qt::transparent);

// The most memory the process has held so far, in KiB: a test that must not allocate much
// compares it before and after.
qint64 peakMemoryKiB();

// The colour the widget shows at pos, as it paints itself now.
QColor grabbedColor(QWidget *widget, const QPoint &pos);

// The first fault in how root lays out its named widgets, or nothing: a visible one that
// reaches outside root, or that overlaps a visible sibling. Qt's own inner widgets, whose
// names start with "qt_", and unnamed ones are passed over.
QString layoutFault(QWidget *root);

// Saves a screenshot of the widget into the folder named by BRV_SCREENSHOT_DIR, when set.
void saveScreenshot(QWidget *widget, const QString &name);

// Runs call on context's thread and waits for it there, from any other thread: what a
// BlockingQueuedConnection does, with the hand-off in the thread sanitizer's sight (Qt's
// semaphore is not) and without lending the caller's stack to the other thread.
void callAndWait(QObject *context, std::function<void()> call);

} // namespace BrvTest
