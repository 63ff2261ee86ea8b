#include "documents/IQDamageCheck.h"

#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>
#include <cstring>

// jpeglib.h first: the message list of jerror.h follows the library's configuration.
#include <jpeglib.h>
#include <jerror.h>

namespace {

// JPEG markers (ITU T.81, table B.1).
constexpr uchar kMarker = 0xFF;
constexpr uchar kStuffed = 0x00;
constexpr uchar kStartOfImage = 0xD8;
constexpr uchar kEndOfImage = 0xD9;
constexpr uchar kStartOfScan = 0xDA;
constexpr uchar kFirstRestart = 0xD0;
constexpr uchar kLastRestart = 0xD7;
constexpr uchar kTemporary = 0x01;

bool isRestart(uchar code)
{
    return code >= kFirstRestart && code <= kLastRestart;
}

// The offset of the marker that ends the entropy-coded data starting at pos, at its first
// 0xFF; -1 when the file ends inside the data. Stuffed zeros and restart markers belong to
// the data.
qint64 endOfScanData(const uchar *data, qint64 size, qint64 pos)
{
    while (pos < size) {
        const void *found = std::memchr(data + pos, kMarker, size_t(size - pos));
        if (!found)
            return -1;
        const qint64 marker = static_cast<const uchar *>(found) - data;
        qint64 code = marker + 1;
        while (code < size && data[code] == kMarker) // fill bytes
            ++code;
        if (code >= size)
            return -1;
        if (data[code] != kStuffed && !isRestart(data[code]))
            return code - 1;
        pos = code + 1;
    }
    return -1;
}

// True when the marker segments run cleanly from the start-of-image marker through at least one
// scan to an end-of-image marker. Anything else, a cut included, leaves the verdict to the
// decoder: only it knows whether the scan data hold the whole picture.
bool reachesEndOfImage(const uchar *data, qint64 size)
{
    bool scanned = false;
    qint64 pos = 2; // past the start-of-image marker
    while (pos < size) {
        if (data[pos] != kMarker)
            return false;
        while (pos < size && data[pos] == kMarker)
            ++pos;
        if (pos >= size)
            return false;
        const uchar code = data[pos++];
        if (code == kEndOfImage)
            return scanned;
        if (code == kStartOfImage || code == kStuffed)
            return false;
        if (isRestart(code) || code == kTemporary)
            continue;
        if (pos + 2 > size)
            return false;
        const qint64 length = qint64(data[pos]) << 8 | data[pos + 1];
        if (length < 2 || pos + length > size)
            return false;
        pos += length;
        if (code == kStartOfScan) {
            scanned = true;
            pos = endOfScanData(data, size, pos);
            if (pos < 0)
                return false;
        }
    }
    return false;
}

// The decoder's own error handling, kept with each decompressor, so that parallel checks
// never see each other's warnings.
struct DecoderVerdict
{
    jpeg_error_mgr manager; // first: the decoder hands back a pointer to it
    std::jmp_buf giveUp;
    bool picturePartMissing;
};

void onDecoderError(j_common_ptr decoder)
{
    std::longjmp(reinterpret_cast<DecoderVerdict *>(decoder->err)->giveUp, 1);
}

void onDecoderMessage(j_common_ptr decoder, int level)
{
    if (level >= 0)
        return; // trace messages
    // The warnings of scan data that stop or go wrong, whose rows the decoder fills with grey.
    // A file that merely ends before its end-of-image marker (JWRN_JPEG_EOF) or carries stray
    // bytes between segments (JWRN_EXTRANEOUS_DATA) keeps its picture.
    switch (decoder->err->msg_code) {
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
#if JPEG_LIB_VERSION >= 70 || defined(C_ARITH_CODING_SUPPORTED) || defined(D_ARITH_CODING_SUPPORTED)
    case JWRN_ARITH_BAD_CODE:
#endif
    case JWRN_MUST_RESYNC:
        reinterpret_cast<DecoderVerdict *>(decoder->err)->picturePartMissing = true;
        break;
    default:
        break;
    }
}

void printNothing(j_common_ptr) {}

// Runs the decoder over every scan at an eighth of the size, which still decodes all of the
// scan data but little else. Only plain data live here: the decoder may leave by longjmp.
bool decoderFindsPicturePartMissing(const uchar *data, qint64 size)
{
    jpeg_decompress_struct decoder;
    DecoderVerdict verdict;
    decoder.err = jpeg_std_error(&verdict.manager);
    verdict.manager.error_exit = onDecoderError;
    verdict.manager.emit_message = onDecoderMessage;
    verdict.manager.output_message = printNothing;
    verdict.picturePartMissing = false;
    if (setjmp(verdict.giveUp)) {
        // A file the decoder refuses outright is no picture with a part missing: the reader
        // refuses it as well.
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, data, static_cast<unsigned long>(size));
    jpeg_read_header(&decoder, TRUE);
    decoder.scale_num = 1;
    decoder.scale_denom = 8;
    decoder.dct_method = JDCT_IFAST;
    decoder.do_fancy_upsampling = FALSE;
    decoder.do_block_smoothing = FALSE;
    jpeg_start_decompress(&decoder);
    // Freed with the decoder, whichever way it ends.
    JSAMPARRAY row = (*decoder.mem->alloc_sarray)(
        reinterpret_cast<j_common_ptr>(&decoder), JPOOL_IMAGE,
        decoder.output_width * JDIMENSION(decoder.output_components), 1);
    while (decoder.output_scanline < decoder.output_height)
        jpeg_read_scanlines(&decoder, row, 1);
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return verdict.picturePartMissing;
}

} // namespace

bool IQDamageCheck::isDamagedJpeg(const uchar *data, qint64 size)
{
    if (size < 3 || data[0] != kMarker || data[1] != kStartOfImage || data[2] != kMarker)
        return false;
    // Nearly every file ends cleanly and needs no more than a look at its bytes.
    if (reachesEndOfImage(data, size))
        return false;
    return decoderFindsPicturePartMissing(data, size);
}

bool IQDamageCheck::isDamaged(const QString &path)
{
    // Opening a FIFO or a device would wait for ever.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.peek(3);
    if (head.size() < 3 || uchar(head.at(0)) != kMarker || uchar(head.at(1)) != kStartOfImage)
        return false;
    const qint64 size = file.size();
    if (const uchar *mapped = file.map(0, size))
        return isDamagedJpeg(mapped, size);
    const QByteArray bytes = file.readAll();
    return isDamagedJpeg(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
}
