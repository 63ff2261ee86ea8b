#include "GifStructure.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>

namespace GifStructure {

namespace {

class Reader
{
public:
    explicit Reader(const QByteArray &bytes) : bytes(bytes) {}
    bool has(int n) const { return pos + n <= bytes.size(); }
    int byte() { return has(1) ? quint8(bytes.at(pos++)) : -1; }
    int shortValue()
    {
        const int lo = byte();
        const int hi = byte();
        return lo < 0 || hi < 0 ? -1 : lo | (hi << 8);
    }
    QByteArray take(int n)
    {
        const QByteArray part = bytes.mid(pos, n);
        pos += n;
        return part;
    }
    // Reads sub-blocks up to their terminator; false when the data runs out first.
    bool subBlocks(QByteArray *data, int *count)
    {
        for (;;) {
            const int length = byte();
            if (length < 0 || !has(length))
                return false;
            if (length == 0)
                return true;
            data->append(take(length));
            ++*count;
        }
    }
    int pos = 0;
    const QByteArray &bytes;
};

} // namespace

File parse(const QByteArray &bytes)
{
    File file;
    Reader in(bytes);
    if (!in.has(13))
        return file;
    file.signature = in.take(6);
    file.width = in.shortValue();
    file.height = in.shortValue();
    file.packed = in.byte();
    file.screenTail = in.take(2);
    if (file.packed & 0x80)
        file.globalTable = in.take(3 * (1 << ((file.packed & 7) + 1)));

    Frame frame;
    for (;;) {
        const int introducer = in.byte();
        if (introducer == 0x3b) {
            file.trailerLast = in.pos == bytes.size();
            file.valid = true;
            return file;
        }
        if (introducer == 0x21) {
            const int label = in.byte();
            const int start = in.pos - 2;
            QByteArray data;
            int count = 0;
            if (!in.subBlocks(&data, &count))
                return file;
            if (label == 0xf9) {
                frame.control = data;
                frame.delay = data.size() >= 3 ? (quint8(data[1]) | (quint8(data[2]) << 8)) : -1;
            } else if (label == 0xff) {
                file.loopBlock = bytes.mid(start, in.pos - start);
            }
            continue;
        }
        if (introducer != 0x2c)
            return file;
        frame.offset = in.pos - 1;
        frame.left = in.shortValue();
        frame.top = in.shortValue();
        frame.width = in.shortValue();
        frame.height = in.shortValue();
        frame.packed = in.byte();
        if (frame.packed & 0x80)
            frame.localTable = in.take(3 * (1 << ((frame.packed & 7) + 1)));
        frame.minimumCodeSize = in.byte();
        if (!in.subBlocks(&frame.data, &frame.subBlocks))
            return file;
        file.frames.append(frame);
        frame = Frame();
    }
}

Indices decodeIndices(const Frame &frame)
{
    Indices result;
    const int minimum = frame.minimumCodeSize;
    if (minimum < 1 || minimum > 11)
        return result;
    const int clear = 1 << minimum;
    const int endOfInformation = clear + 1;
    QVector<int> prefix(4096, -1);
    QVector<int> suffix(4096, 0);
    for (int i = 0; i < clear; ++i)
        suffix[i] = i;
    int codeSize = minimum + 1;
    int next = clear + 2;
    int previous = -1;
    qint64 bit = 0;
    const qint64 bits = qint64(frame.data.size()) * 8;
    const auto readCode = [&](int size) {
        int code = 0;
        for (int i = 0; i < size; ++i, ++bit) {
            if (bit >= bits)
                return -1;
            code |= ((quint8(frame.data[int(bit / 8)]) >> (bit % 8)) & 1) << i;
        }
        return code;
    };
    const auto expand = [&](int code) {
        QVector<int> string;
        for (; code >= 0; code = prefix[code])
            string.prepend(suffix[code]);
        return string;
    };
    for (;;) {
        const int code = readCode(codeSize);
        if (code < 0)
            return result;
        if (code == clear) {
            ++result.clearCodes;
            codeSize = minimum + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == endOfInformation)
            break;
        QVector<int> string;
        if (previous < 0) {
            if (code >= clear)
                return result;
            string = {code};
        } else if (code < next) {
            string = expand(code);
        } else if (code == next) {
            string = expand(previous);
            string.append(string.first());
        } else {
            return result;
        }
        result.indices += string;
        if (previous >= 0 && next < 4096) {
            prefix[next] = previous;
            suffix[next] = string.first();
            ++next;
            if (next == (1 << codeSize) && codeSize < 12)
                ++codeSize;
        }
        previous = code;
    }
    result.valid = result.indices.size() == frame.width * frame.height;
    return result;
}

File parseFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return File();
    return parse(f.readAll());
}

QList<QImage> framesFromQt(const QString &path)
{
    QList<QImage> frames;
    QImageReader reader(path, "gif");
    QImage image;
    while (reader.read(&image))
        frames.append(image.convertToFormat(QImage::Format_RGBA8888));
    return frames;
}

QList<QImage> framesFromImageMagick(const QString &path, int width, int height,
                                    bool *available)
{
    const QString tool = QStringLiteral("/usr/bin/convert");
    *available = QFileInfo(tool).isExecutable();
    QList<QImage> frames;
    if (!*available)
        return frames;
    QProcess process;
    process.start(tool, {path, QStringLiteral("-coalesce"), QStringLiteral("-depth"),
                         QStringLiteral("8"), QStringLiteral("rgba:-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return frames;
    const QByteArray raw = process.readAllStandardOutput();
    const int frameBytes = width * height * 4;
    for (int offset = 0; frameBytes > 0 && offset + frameBytes <= raw.size();
         offset += frameBytes) {
        QImage image(width, height, QImage::Format_RGBA8888);
        for (int y = 0; y < height; ++y)
            memcpy(image.scanLine(y), raw.constData() + offset + y * width * 4, width * 4);
        frames.append(image);
    }
    return frames;
}

} // namespace GifStructure
