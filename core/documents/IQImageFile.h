#pragma once

#include <QMetaType>
#include <QSize>
#include <QString>

#include <memory>

#include "documents/DocumentInfo.h"

class QImageReader;
class QMutex;

// The document of one file listed on the viewer page, with the playback figures the page
// records for it. The page owns it; worker threads borrow it for one job.
class IQImageFile : public DocumentInfo
{
public:
    explicit IQImageFile(const QString &path);
    virtual ~IQImageFile();

    QString absoluteFilePath() const;

    // Whether a reader of the document's own can read the file; made and asked once.
    bool reader();

    int frameCount = 0;
    int duration = 100;
    // The still's own size as the reader thread last read it, before it was widened for display.
    QSize imageSize;

private:
    IQImageFile(const IQImageFile &) = delete;
    IQImageFile &operator=(const IQImageFile &) = delete;

    std::unique_ptr<QImageReader> m_reader;
    bool m_readerCanRead = false;
    std::unique_ptr<QMutex> m_mutex;
};

Q_DECLARE_METATYPE(IQImageFile *)
