#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QVector>

// The blocks of a GIF file as it lies on disk, for tests that check the layout byte by byte,
// and the frames of a GIF as independent decoders show them.
namespace GifStructure {

struct Frame
{
    int offset = -1;       // where the image separator lies in the file
    QByteArray control;    // the graphic control extension's four data bytes
    int delay = -1;
    int left = -1;
    int top = -1;
    int width = -1;
    int height = -1;
    int packed = -1;       // the image descriptor's packed byte
    QByteArray localTable; // 3 bytes per entry
    int minimumCodeSize = -1;
    QByteArray data;       // the image data sub-blocks without their length bytes
    int subBlocks = 0;
};

struct File
{
    bool valid = false;       // every block parsed and the trailer reached
    QByteArray signature;
    int width = -1;
    int height = -1;
    int packed = -1;
    QByteArray screenTail;    // background index and aspect ratio
    QByteArray globalTable;
    QByteArray loopBlock;     // the application extension, header to terminator, when present
    QList<Frame> frames;
    bool trailerLast = false; // 0x3B is the file's last byte
};

// The palette indices of a frame, decoded from its LZW data as every GIF reader does.
struct Indices
{
    bool valid = false;   // the data ended with end-of-information after width x height pixels
    QVector<int> indices;
    int clearCodes = 0;   // every clear code, the leading and the closing one included
};

File parse(const QByteArray &bytes);
Indices decodeIndices(const Frame &frame);
File parseFile(const QString &path);

// Every frame as Qt's GIF reader composes it, in Format_RGBA8888.
QList<QImage> framesFromQt(const QString &path);

// Every frame as ImageMagick (/usr/bin/convert) composes it, in Format_RGBA8888; empty when
// the tool is missing or fails. *available tells which.
QList<QImage> framesFromImageMagick(const QString &path, int width, int height,
                                    bool *available);

} // namespace GifStructure
