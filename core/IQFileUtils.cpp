#include "IQFileUtils.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>
#include <QSet>

namespace {

QString trObject(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

bool suffixIn(const QString &path, std::initializer_list<const char *> suffixes)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const char *s : suffixes) {
        if (suffix.compare(QLatin1String(s), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int runFolderDialog(QWidget *parent, QString *dir, const QString &title, const QString &startDir)
{
    QFileDialog dialog(parent, title, QString(), QString());
    if (!startDir.isEmpty())
        dialog.setDirectory(startDir);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const int result = dialog.exec();
    if (dir)
        *dir = dialog.selectedFiles().value(0);
    return result;
}

const QStringList kSaveImageFilters = {
    QStringLiteral("JPEG Image (*.jpeg *.jpg)"), QStringLiteral("PNG image (*.png)"),
    QStringLiteral("Windows BMP image (*.bmp)"), QStringLiteral("GIF image (*.gif)"),
    QStringLiteral("Webp image (*.webp)")};
const QStringList kSaveImageSuffixes = {QStringLiteral("jpg"), QStringLiteral("png"),
                                        QStringLiteral("bmp"), QStringLiteral("gif"),
                                        QStringLiteral("webp")};

} // namespace

namespace IQFileUtils {

bool isSupported(const QString &path)
{
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    const QList<QByteArray> supported = QImageReader::supportedMimeTypes();
    for (const QByteArray &mime : supported) {
        if (type.compare(QString::fromLatin1(mime), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isHeic(const QString &path)
{
    return suffixIn(path, {"heic", "heif", "heics", "heifs"});
}

bool isRaw(const QString &path)
{
    return suffixIn(path, {"arw", "sr2", "srf", "nef", "dng", "orf", "crw", "cr2", "cr3"});
}

QString imageFileFilter(const QList<QByteArray> &formats)
{
    static const QSet<QString> kLeftOut = {
        QStringLiteral("xpm"),  QStringLiteral("xbm"),  QStringLiteral("ppm"),
        QStringLiteral("pgm"),  QStringLiteral("pbm"),  QStringLiteral("heic"),
        QStringLiteral("heif"), QStringLiteral("heics"), QStringLiteral("heifs"),
        QStringLiteral("ico"),  QStringLiteral("icns"), QStringLiteral("tif"),
        QStringLiteral("tiff"), QStringLiteral("cur"),  QStringLiteral("svg"),
        QStringLiteral("svgz"), QStringLiteral("tga")};
    QString filter = QStringLiteral("All Images (");
    for (const QByteArray &format : formats) {
        const QString name = QString::fromLatin1(format).toLower();
        if (kLeftOut.contains(name))
            continue;
        filter += QStringLiteral("*.") + name + QLatin1Char(' ');
        if (name == QLatin1String("jpeg"))
            filter += QStringLiteral("*.jpg ");
    }
    filter += QLatin1Char(')');
    return filter;
}

int getOpenImageFileNames(QWidget *parent, QStringList *files, const QString &startDir,
                          QFileDialog::FileMode mode)
{
    QFileDialog dialog(parent, trObject("Open File"), QString(),
                       imageFileFilter(QImageReader::supportedImageFormats()));
    if (!startDir.isEmpty())
        dialog.setDirectory(startDir);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mode);
    const int result = dialog.exec();
    if (result == QDialog::Accepted && files)
        *files = dialog.selectedFiles();
    return result;
}

int getExistingDirectory(QWidget *parent, QString *dir, const QString &startDir)
{
    return runFolderDialog(parent, dir, trObject("IDS_SELECT_FOLDER"), startDir);
}

int getFolder(QWidget *parent, QString *dir, const QString &startDir)
{
    return runFolderDialog(parent, dir, QString(), startDir);
}

QString openFileFilter()
{
    return QStringLiteral("(*.jpg *.jpeg *.png *.bmp )");
}

const QStringList &buildMimeList()
{
    static const QStringList kMimeTypes = {QStringLiteral("image/jpeg"),
                                           QStringLiteral("image/png"),
                                           QStringLiteral("image/bmp")};
    return kMimeTypes;
}

bool isListedMimeType(const QString &mimeType)
{
    for (const QString &listed : buildMimeList()) {
        if (listed.compare(mimeType, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString uniqueFilePath(const QString &fileName, const QString &folder)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? fileName : fileName.left(dot);
    const QString suffix = dot < 0 ? QString() : fileName.mid(dot + 1);
    const QString dotSuffix = suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
    const QString first = folder + QLatin1Char('/') + base + dotSuffix;
    if (!QFileInfo::exists(first))
        return first;
    for (int n = 1;; ++n) {
        const QString candidate = QStringLiteral("%1/%2_%3").arg(folder, base, QString::number(n))
                                  + dotSuffix;
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

int getOpenFiles(QWidget *parent, QStringList *files, const QString &startDir,
                 QFileDialog::FileMode mode)
{
    QFileDialog dialog(parent, trObject("Open File"), QString(), openFileFilter());
    dialog.selectNameFilter(openFileFilter());
    if (!startDir.isEmpty())
        dialog.setDirectory(startDir);
    dialog.setFileMode(mode);
    const int result = dialog.exec();
    if (files)
        *files = dialog.selectedFiles();
    return result;
}

int getSaveGifFileName(QWidget *parent, QString *file, const QString &startDir)
{
    const QString filter = QStringLiteral("GIF image (*.gif)");
    QFileDialog dialog(parent, trObject("IDS_SAVE_FILE"), QString(), filter);
    dialog.selectNameFilter(filter);
    if (!startDir.isEmpty())
        dialog.setDirectory(startDir);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The suffix must be known before the dialog runs, or a bare name would have none.
    dialog.setDefaultSuffix(QStringLiteral("gif"));
    const int result = dialog.exec();
    if (file)
        *file = dialog.selectedFiles().value(0);
    return result;
}

int getSaveImageFileName(QWidget *parent, QString *file, const QString &startDir,
                         const QString &selectedFilter)
{
    QFileDialog dialog(parent, trObject("IDS_SAVE_FILE"), QString(),
                       kSaveImageFilters.join(QStringLiteral(";;")));
    const QString initial = selectedFilter.isEmpty() ? kSaveImageFilters.first() : selectedFilter;
    dialog.selectNameFilter(initial);
    if (!startDir.isEmpty())
        dialog.setDirectory(startDir);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto suffixFor = [](const QString &filter) {
        const int index = kSaveImageFilters.indexOf(filter);
        return kSaveImageSuffixes.value(index < 0 ? 0 : index);
    };
    dialog.setDefaultSuffix(suffixFor(initial));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffixFor](const QString &filter) {
                         dialog.setDefaultSuffix(suffixFor(filter));
                     });
    const int result = dialog.exec();
    if (result == QDialog::Accepted && file)
        *file = dialog.selectedFiles().value(0);
    return result;
}

} // namespace IQFileUtils
