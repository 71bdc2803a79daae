#include "platform/wavfile.h"

#include <QFile>
#include <QIODevice>

#include <cstring>

namespace trivolo {

namespace {

// Real files carry a handful of chunks; the cap keeps a file of endless tiny chunks cheap.
constexpr int kMaxChunks = 64;
constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;

quint16 le16(const char* p) {
    return quint16(uchar(p[0]) | uchar(p[1]) << 8);
}

quint32 le32(const char* p) {
    return quint32(le16(p)) | quint32(le16(p + 2)) << 16;
}

bool readAt(QIODevice& device, qint64 pos, char* buffer, qint64 length) {
    return device.seek(pos) && device.read(buffer, length) == length;
}

}  // namespace

std::optional<WavInfo> readWavInfo(QIODevice& device) {
    if (!device.isReadable() || device.isSequential())
        return std::nullopt;
    // The chunk sizes are checked against the real size, not the RIFF size field, which
    // streaming writers leave at zero or at its maximum.
    const qint64 size = device.size();
    char riff[12];
    if (!readAt(device, 0, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0
        || std::memcmp(riff + 8, "WAVE", 4) != 0)
        return std::nullopt;

    WavInfo info;
    quint32 byteRate = 0;
    bool haveFormat = false;
    bool haveData = false;
    qint64 pos = sizeof riff;
    for (int i = 0; i < kMaxChunks && !(haveFormat && haveData) && pos + 8 <= size; ++i) {
        char head[8];
        if (!readAt(device, pos, head, sizeof head))
            return std::nullopt;
        const quint32 length = le32(head + 4);
        const qint64 body = pos + 8;
        if (std::memcmp(head, "fmt ", 4) == 0) {
            char fmt[16];
            if (length < sizeof fmt || body + qint64(sizeof fmt) > size
                || !readAt(device, body, fmt, sizeof fmt))
                return std::nullopt;
            info.format = le16(fmt);
            info.channels = le16(fmt + 2);
            info.sampleRate = le32(fmt + 4);
            byteRate = le32(fmt + 8);
            info.bitsPerSample = le16(fmt + 14);
            haveFormat = true;
        } else if (std::memcmp(head, "data", 4) == 0) {
            // A cut-off file still plays what it holds, so its length is what is there.
            info.dataSize = quint32(qMin(qint64(length), size - body));
            haveData = true;
        }
        pos = body + qint64(length) + (length & 1);  // chunks are padded to an even size
    }
    if (!haveFormat || !haveData || info.channels == 0 || info.sampleRate == 0)
        return std::nullopt;

    // For sample formats the length follows from the samples themselves; compressed
    // formats only say it through their byte rate.
    qint64 bytesPerSecond = byteRate;
    if (info.format == kPcm || info.format == kFloat || info.format == kExtensible) {
        if (info.bitsPerSample == 0 || info.bitsPerSample > 64)
            return std::nullopt;
        bytesPerSecond = qint64(info.sampleRate) * info.channels * ((info.bitsPerSample + 7) / 8);
    }
    if (bytesPerSecond <= 0)
        return std::nullopt;
    // Rounded up: callers wait at least this long, and must not cut the last samples off.
    info.durationMs = (qint64(info.dataSize) * 1000 + bytesPerSecond - 1) / bytesPerSecond;
    return info;
}

std::optional<WavInfo> readWavInfo(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readWavInfo(file);
}

}  // namespace trivolo
