#pragma once

#include <QByteArray>
#include <QFileDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// File-type tests and the file dialogs that the pages and dialogs share. Each dialog is built,
// run modally and destroyed inside its function, which returns the dialog's exec() result.
namespace IQFileUtils {

// True when the type that the MIME database settles on from name and content is one that
// Qt's image readers list.
bool isSupported(const QString &path);

// What a look at a file, before any pixel is decoded, says about reading it.
enum class SourceCheck { Readable, Unreadable, TooLarge };

// Refuses what no reader may open or decode: anything but a regular file (opening a FIFO or a
// device blocks for ever), a bitmap whose pixel data ends before its last row, and an image
// whose header claims more than IQImageUtils::kMaxImageSide or kMaxImagePixels.
SourceCheck checkSource(const QString &path);

// True for the suffixes heic, heif, heics and heifs, in any case.
bool isHeic(const QString &path);

// True for the camera raw suffixes arw, sr2, srf, nef, dng, orf, crw, cr2 and cr3.
bool isRaw(const QString &path);

// "All Images (*.png *.jpeg *.jpg ...)" from the reader formats, less those not offered.
QString imageFileFilter(const QList<QByteArray> &formats);

// Open dialog for images; on acceptance the chosen files replace *files.
int getOpenImageFileNames(QWidget *parent, QStringList *files, const QString &startDir,
                          QFileDialog::FileMode mode);

// Folder dialog titled "Select Folder"; *dir receives the first selected entry either way.
int getExistingDirectory(QWidget *parent, QString *dir, const QString &startDir);

// The folder dialog of getExistingDirectory without a title.
int getFolder(QWidget *parent, QString *dir, const QString &startDir);

QString openFileFilter();
const QStringList &buildMimeList();
bool isListedMimeType(const QString &mimeType);

// folder/name when no such file exists, else the first folder/base_n.suffix that does not.
QString uniqueFilePath(const QString &fileName, const QString &folder);

// Open dialog with the JPEG, PNG and BMP filter; every chosen file goes to *files.
int getOpenFiles(QWidget *parent, QStringList *files, const QString &startDir,
                 QFileDialog::FileMode mode);

// Save dialogs; on acceptance *file receives the chosen path with its format's suffix.
int getSaveGifFileName(QWidget *parent, QString *file, const QString &startDir);
int getSaveImageFileName(QWidget *parent, QString *file, const QString &startDir,
                         const QString &selectedFilter = QString());

} // namespace IQFileUtils
