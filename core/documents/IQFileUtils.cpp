#include "documents/IQFileUtils.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>
#include <QSet>
#include <QtEndian>

#include <cstdlib>

#include "imaging/IQImageUtils.h"

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

// The bitmap file header, then an info header: the old 12-byte core header, or one of 40
// bytes or more whose first 20 bytes run up to the compression field.
constexpr int kFileHeaderLength = 14;
constexpr int kCoreHeaderLength = 12;
constexpr int kInfoHeaderStart = 20;
constexpr quint32 kUncompressed = 0;
constexpr quint32 kBitFields = 3;
constexpr quint32 kAlphaBitFields = 6;

// True for a bitmap whose file ends before its pixel offset, or, for rows stored as they are,
// before its last row. Qt's reader reports such a file as read and leaves the rows it never
// reached as the memory held them.
bool isTruncatedBitmap(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(kFileHeaderLength + kInfoHeaderStart);
    if (!head.startsWith("BM"))
        return false;
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
    if (head.size() < kFileHeaderLength + 4)
        return true;
    const qint64 pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
    const quint32 infoLength = qFromLittleEndian<quint32>(bytes + kFileHeaderLength);
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitCount = 0;
    quint32 compression = kUncompressed;
    if (infoLength == kCoreHeaderLength) {
        if (head.size() < kFileHeaderLength + kCoreHeaderLength)
            return true;
        width = qFromLittleEndian<quint16>(bytes + 18);
        height = qFromLittleEndian<quint16>(bytes + 20);
        bitCount = qFromLittleEndian<quint16>(bytes + 24);
    } else {
        if (head.size() < kFileHeaderLength + kInfoHeaderStart)
            return true;
        width = qFromLittleEndian<qint32>(bytes + 18);
        height = std::llabs(qFromLittleEndian<qint32>(bytes + 22)); // negative: top-down rows
        bitCount = qFromLittleEndian<quint16>(bytes + 28);
        compression = qFromLittleEndian<quint32>(bytes + 30);
    }
    const qint64 fileLength = file.size();
    if (pixelOffset > fileLength)
        return true;
    // Run-length rows have no length to check before decoding.
    if (compression != kUncompressed && compression != kBitFields
        && compression != kAlphaBitFields)
        return false;
    const qint64 rowLength = (width * bitCount + 31) / 32 * 4;
    return width > 0 && fileLength - pixelOffset < rowLength * height;
}

// The canvas that an extended WebP claims in its "VP8X" chunk; an invalid size for any other
// file. Qt's reader reserves the whole canvas of an animation as soon as it is asked anything
// about it, its size included, so the claim is read here first.
QSize claimedWebpCanvas(const QString &path)
{
    // "RIFF", a size, "WEBP", "VP8X", the chunk's size, flags and three reserved bytes, then
    // the canvas width and height less one, 24 bits each.
    constexpr int kCanvasOffset = 24;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QSize();
    const QByteArray head = file.read(kCanvasOffset + 6);
    if (head.size() < kCanvasOffset + 6 || !head.startsWith("RIFF") || head.mid(8, 4) != "WEBP"
        || head.mid(12, 4) != "VP8X")
        return QSize();
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData()) + kCanvasOffset;
    const auto side = [](const uchar *b) { return 1 + (b[0] | b[1] << 8 | b[2] << 16); };
    return QSize(side(bytes), side(bytes + 3));
}

} // namespace

namespace IQFileUtils {

SourceCheck checkSource(const QString &path)
{
    if (!QFileInfo(path).isFile() || isTruncatedBitmap(path))
        return SourceCheck::Unreadable;
    if (!IQImageUtils::isWithinLimits(claimedWebpCanvas(path)))
        return SourceCheck::TooLarge;
    QImageReader reader(path, QByteArray());
    return IQImageUtils::isWithinLimits(reader.size()) ? SourceCheck::Readable
                                                       : SourceCheck::TooLarge;
}

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
