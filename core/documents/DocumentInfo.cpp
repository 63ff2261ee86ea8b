#include "documents/DocumentInfo.h"

#include <QDebug>
#include <QFile>
#include <QImageReader>
#include <QMimeDatabase>

#include "documents/IQFileUtils.h"

namespace {

constexpr qint64 kAcTLSearchLength = 120;

// The WebP container: "RIFF", a 4-byte size, "WEBP", then the first chunk's tag and size.
constexpr qint64 kRiffHeaderLength = 12;
constexpr qint64 kChunkTagLength = 4;
constexpr qint64 kChunkSizeLength = 4;
constexpr char kVp8xAnimationFlag = 0x02;

// Skips exactly length bytes; false when the file ends first.
bool skip(QFile &file, qint64 length)
{
    return file.read(length).size() == length;
}

} // namespace

DocumentInfo::DocumentInfo(const QString &path)
    : m_fileInfo(path)
{
    if (m_fileInfo.exists() && m_fileInfo.isFile())
        detectFormat();
    else
        qDebug() << "FileInfo: cannot open: " << path;
}

QString DocumentInfo::absolutePath() const
{
    return m_fileInfo.absolutePath();
}

QString DocumentInfo::absoluteFilePath() const
{
    return m_fileInfo.absoluteFilePath();
}

QString DocumentInfo::fileName() const
{
    return m_fileInfo.fileName();
}

QString DocumentInfo::baseName() const
{
    return m_fileInfo.baseName();
}

qint64 DocumentInfo::size() const
{
    return m_fileInfo.size();
}

int DocumentInfo::kind() const
{
    return m_kind;
}

void DocumentInfo::setKind(int kind)
{
    m_kind = kind;
}

QMimeType DocumentInfo::mimeType() const
{
    return m_mimeType;
}

QString DocumentInfo::format() const
{
    return m_format;
}

QDateTime DocumentInfo::lastModified() const
{
    return m_fileInfo.lastModified();
}

void DocumentInfo::refresh()
{
    m_fileInfo.refresh();
}

int DocumentInfo::transformation() const
{
    return m_transformation;
}

void DocumentInfo::detectFormat()
{
    if (m_kind != None)
        return;

    m_mimeType = QMimeDatabase().mimeTypeForFile(m_fileInfo.absoluteFilePath(),
                                                 QMimeDatabase::MatchContent);
    const QByteArray mime = m_mimeType.name().toUtf8();
    const QByteArray suffix = m_fileInfo.suffix().toLower().toUtf8();
    const QString path = m_fileInfo.absoluteFilePath();

    if (mime == "image/jpeg") {
        m_format = QStringLiteral("jpg");
        m_kind = Still;
    } else if (mime == "image/png") {
        // Without a reader for its frames an APNG can only be shown as its still image.
        const bool apng = QImageReader::supportedImageFormats().contains("apng")
                          && hasAnimationControlChunk(path);
        m_format = apng ? QStringLiteral("apng") : QStringLiteral("png");
        m_kind = apng ? Animated : Still;
    } else if (mime == "image/gif") {
        m_format = QStringLiteral("gif");
        m_kind = Animated;
    } else if (mime == "image/webp" || (mime == "audio/x-riff" && suffix == "webp")) {
        m_format = QStringLiteral("webp");
        m_kind = isAnimatedWebp(path) ? Animated : Still;
    } else if (mime == "image/bmp") {
        m_format = QStringLiteral("bmp");
        m_kind = Still;
    } else {
        m_format = suffix == "jfif" ? QStringLiteral("jpg") : QString::fromUtf8(suffix);
        m_kind = Still;
    }

    readTransformation();
}

void DocumentInfo::readTransformation()
{
    // A reader asked about a file that claims a huge canvas reserves it first.
    if (m_kind == None
        || IQFileUtils::checkSource(m_fileInfo.absoluteFilePath())
               != IQFileUtils::SourceCheck::Readable)
        return;
    QImageReader reader(m_fileInfo.absoluteFilePath(), m_format.toUtf8());
    if (reader.canRead())
        m_transformation = int(reader.transformation());
}

bool DocumentInfo::isAnimatedWebp(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (!skip(file, kRiffHeaderLength))
        return false;
    if (file.read(kChunkTagLength) != "VP8X")
        return false;
    if (!skip(file, kChunkSizeLength))
        return false;
    const QByteArray flags = file.read(1);
    return flags.size() == 1 && (flags.at(0) & kVp8xAnimationFlag);
}

bool DocumentInfo::hasAnimationControlChunk(const QString &path)
{
    // Raw bytes rather than decoded text: a PNG is binary, and a text codec may fold
    // the bytes around a chunk tag into one character.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(kAcTLSearchLength).contains("acTL");
}
