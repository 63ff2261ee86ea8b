#include "documents/IQImageFile.h"

#include <QImageReader>
#include <QMutex>
#include <QMutexLocker>

#include "documents/IQFileUtils.h"

IQImageFile::IQImageFile(const QString &path)
    : DocumentInfo(path)
    , m_mutex(std::make_unique<QMutex>(QMutex::Recursive))
{
}

IQImageFile::~IQImageFile() = default;

QString IQImageFile::absoluteFilePath() const
{
    return DocumentInfo::absoluteFilePath();
}

bool IQImageFile::reader()
{
    QMutexLocker locker(m_mutex.get());
    if (!m_reader) {
        m_reader = std::make_unique<QImageReader>();
        // Asked of a FIFO, the reader would wait for ever for a writer.
        if (IQFileUtils::checkSource(absoluteFilePath()) == IQFileUtils::SourceCheck::Readable) {
            m_reader->setFileName(absoluteFilePath());
            m_readerCanRead = m_reader->canRead();
        }
    }
    return m_readerCanRead;
}
