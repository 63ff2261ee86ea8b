#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QRunnable>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "workers/IQFramePipeline.h"

class QImage;
class IQBatchSettings;
class IQConvertEngine;

// The worker of a batch conversion: reads every source, runs each frame through the engine
// and writes it in the record's output format, named by the rename module and the overwrite
// rule. The batch start hands it a copy of the record and fills the other fields, starts the
// thread and lets finished() delete it.
//
// Several sources are converted at once, each on a pool thread with an engine of its own, while
// the signals, the output names and the files stay those of a run that takes one source after
// the other: converting() comes in source order as each source is started, and names are given
// in source order, each before its source's encoding starts.
class IQConvertThread : public QThread, public QRunnable
{
    Q_OBJECT

public:
    // A source the run could not convert, and why.
    struct Failure
    {
        enum Reason { CannotRead, CannotWrite, TooSmallForGif, TooLarge, Damaged };
        QString source;
        Reason reason = CannotRead;
        bool operator==(const Failure &other) const
        {
            return source == other.source && reason == other.reason;
        }
    };

    IQConvertThread();
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

    // The bytes that the sources in flight may hold together. A source waits
    // until its estimate fits; one that is larger on its own runs alone.
    static constexpr qint64 kPixelBudgetBytes = 1536LL * 1024 * 1024;

    // Gives the run its own copy of the record and points settings at it, so that what the
    // interface changes while the run goes on changes nothing in it. Called on the thread
    // that fills the fields, before start().
    void copySettings(const IQBatchSettings &record);

    QStringList files;
    IQBatchSettings *settings = nullptr;
    // Converts on the first pool thread; the others make engines of their own for the record.
    std::unique_ptr<IQConvertEngine> engine;
    // Set from any thread; read between files and between frames.
    std::atomic<bool> stopRequested{false};
    // How many sources are converted at once; 0 or less takes QThread::idealThreadCount().
    int poolSize = 0;

public slots:
    void stop();

signals:
    void convertStart(int count);
    void converting(int index, QString file);
    void convertEnd(QStringList files);

private:
    struct Slot;
    struct Batch;

    // True when a stop asks to leave the source at index unconverted: it is the one that was
    // started last when the stop came, or a later one. The sources started before it finish.
    bool abandons(int index) const;
    // The bytes that the source is expected to hold while it is converted: its decoded image,
    // what the engine makes and keeps of it, and the writer's own memory.
    qint64 estimatedBytes(const QString &path, IQConvertEngine &sizing, int workers) const;
    // A pool thread: takes the sources handed to the pool until the run closes it.
    void work();
    // Reads, converts and writes the source at index on the calling pool thread.
    void convertSource(int index, Slot &slot);
    // Waits until the source at index may name its outputs; false when it is abandoned.
    bool takeTurn(int index);
    // Lets the sources after index name theirs.
    void passTurn(int index);
    // Waits until every earlier source that path names has been read to its end.
    void waitForReaders(const QString &path, int index);

    QString outputName(const QString &baseName, bool keepName, int counter,
                       const IQBatchSettings *settings) const;
    // True when the path is a source that this run is converting or has still to read.
    bool isSource(const QString &path) const;
    // True when the path may not be written: it exists and overwrite is off, it is a source,
    // or this run has already written it.
    bool isTaken(const QString &path, const IQBatchSettings *settings) const;
    // Keeps the path from every later output of this run.
    QString claim(const QString &path);

    // Writes every frame of the source and tells how it went.
    // The naming turn of the source at index is passed as soon as its last name is taken.
    IQFramePipeline::Result convertFile(int index, IQFramePipeline &source, QImage first,
                                        const QString &baseName, bool keepName, int counter,
                                        const QString &suffix);

    // The canonical path of every readable source, with the last position it holds in files.
    QHash<QString, int> sourcePositions;
    // The absolute path of every output this run has named, so that overwrite never replaces
    // what the same run wrote a moment before.
    QSet<QString> claimedPaths;
    // The source that is naming its outputs; sources from here on keep their files.
    int position = 0;
    QList<Failure> failed;

    // Guards the state that the pool threads and stop() share, in batch and below.
    mutable std::mutex stateMutex;
    std::condition_variable stateChanged;
    // How many sources converting() has announced.
    int announced = 0;
    // The first source that a stop leaves unconverted.
    std::atomic<int> stopFrom{0};
    // The state of the running conversion; null outside run().
    std::unique_ptr<Batch> batch;
    // The record settings points at after copySettings.
    std::unique_ptr<IQBatchSettings> ownSettings;
};
