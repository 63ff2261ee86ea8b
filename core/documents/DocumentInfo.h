#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QMimeType>
#include <QString>

// What one image file on disk holds, told from its content rather than its name: the kind
// (none, still or animated), a short format name, the content MIME type and the orientation
// stored in the file. Nothing here decodes pixels.
class DocumentInfo
{
public:
    enum Kind : int { None = 0, Still = 1, Animated = 2 };

    explicit DocumentInfo(const QString &path);

    QString absolutePath() const;
    QString absoluteFilePath() const;
    QString fileName() const;
    QString baseName() const;
    qint64 size() const;
    int kind() const;
    void setKind(int kind);
    QMimeType mimeType() const;
    QString format() const;
    QDateTime lastModified() const;
    // Reads the file information from the disk again; the kind and format stay as detected.
    void refresh();
    // The QImageIOHandler::Transformations value stored in the file, 0 when none was read.
    int transformation() const;

    // True when a "VP8X" first chunk announces an animation. A file too short to tell is
    // not animated.
    static bool isAnimatedWebp(const QString &path);
    // True when an "acTL" chunk tag lies within the first 120 characters.
    static bool hasAnimationControlChunk(const QString &path);

private:
    void detectFormat();
    void readTransformation();

    QFileInfo m_fileInfo;
    int m_kind = None;
    int m_transformation = 0;
    QString m_format;
    QMimeType m_mimeType;
};
