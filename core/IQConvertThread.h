#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QRunnable>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <memory>

class QImage;
class QImageReader;
class IQBatchSettings;
class IQConvertEngine;

// The worker of a batch conversion: reads every source, runs each frame through the engine
// and writes it in the record's output format, named by the rename module and the overwrite
// rule. The batch start fills the four fields, starts the thread and lets finished() delete it.
class IQConvertThread : public QThread, public QRunnable
{
    Q_OBJECT

public:
    // A source the run could not convert, and why.
    struct Failure
    {
        enum Reason { CannotRead, CannotWrite, TooSmallForGif, TooLarge };
        QString source;
        Reason reason = CannotRead;
        bool operator==(const Failure &other) const
        {
            return source == other.source && reason == other.reason;
        }
    };

    ~IQConvertThread() override;

    // Every source that could not be read or written, in source order; complete once
    // convertEnd has been emitted, and read by its receiver.
    QList<Failure> failures() const;

    // Overrides both QThread::run and QRunnable::run.
    void run() override;

    // The path of a single-frame or an animated output; logged as "File:". Numbered like an
    // existing file when overwrite is off, and always when it names a source that the running
    // conversion has still to read or an output that it has already written.
    QString outputPath(const QString &baseName, const QString &suffix, bool keepName, int counter,
                       const IQBatchSettings *settings);
    // The path of one frame of a multi-frame source written as still images.
    QString framePath(const QString &baseName, const QString &suffix, bool keepName, int counter,
                      int frameNumber, const IQBatchSettings *settings);

    // prefix + name + text + "_" + number + "." + suffix.
    static QString numberedFileName(const QString &prefix, const QString &name,
                                    const QString &text, int number, const QString &suffix);
    // folder/fileName, or the first folder/base_m.suffix that does not exist.
    static QString freeFilePath(const QString &folder, const QString &fileName);

    QStringList files;
    IQBatchSettings *settings = nullptr;
    std::unique_ptr<IQConvertEngine> engine;
    // Set from any thread; read between files and between frames.
    std::atomic<bool> stopRequested{false};

public slots:
    void stop();

signals:
    void convertStart(int count);
    void converting(int index, QString file);
    void convertEnd(QStringList files);

private:
    QString outputName(const QString &baseName, bool keepName, int counter,
                       const IQBatchSettings *settings) const;
    // True when the path is a source that this run is converting or has still to read.
    bool isSource(const QString &path) const;
    // True when the path may not be written: it exists and overwrite is off, it is a source,
    // or this run has already written it.
    bool isTaken(const QString &path, const IQBatchSettings *settings) const;
    // Keeps the path from every later output of this run.
    QString claim(const QString &path);

    // Writes every frame of the source; false when an output could not be made, with the
    // reason in *reason.
    bool convertFile(QImageReader &reader, QImage first, int frameCount, const QString &baseName,
                     bool keepName, int counter, const QString &suffix, Failure::Reason *reason);
    // The reader's first image, or a null image when it cannot be decoded. Rows that the
    // decoder does not reach are zero, never what an earlier source left in the memory.
    QImage readFirstImage(QImageReader &reader);
    // Frame k of the reader, or a null image when it cannot be decoded.
    QImage readFrame(QImageReader &reader, int k);

    // The canonical path of every readable source, with the last position it holds in files.
    QHash<QString, int> sourcePositions;
    // The absolute path of every output this run has named, so that overwrite never replaces
    // what the same run wrote a moment before.
    QSet<QString> claimedPaths;
    int position = 0;
    QList<Failure> failed;
    // Memory that the first image of each source is decoded into, kept for the whole run.
    std::unique_ptr<uchar[]> decodeBuffer;
    qint64 decodeCapacity = 0;
};
