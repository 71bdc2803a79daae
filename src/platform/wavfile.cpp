#include "platform/wavfile.h"

#include "platform/files.h"

#include <QFile>
#include <QIODevice>

#include <cstring>

namespace trivolo {

namespace {

// Real files carry a handful of chunks; the cap keeps a file of endless tiny chunks cheap.
constexpr int kMaxChunks = 64;
// A rate outside these is no real sound, and neither is an hour-long sound effect: such a
// header lies, and taken at its word a handful of bytes would last for hours.
constexpr quint32 kLowestRate = 1000;
constexpr quint32 kHighestRate = 384000;
constexpr qint64 kLongestMs = qint64(60) * 60 * 1000;
constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;

quint16 le16(const char* p)
{
    return quint16(uchar(p[0]) | uchar(p[1]) << 8);
}

quint32 le32(const char* p)
{
    return quint32(le16(p)) | quint32(le16(p + 2)) << 16;
}

bool read_at(QIODevice& device, qint64 pos, char* buffer, qint64 length)
{
    return device.seek(pos) && device.read(buffer, length) == length;
}

}  // namespace

Result<WavInfo> read_wav_info(QIODevice& device)
{
    if (!device.isReadable() || device.isSequential())
        return Failure{QStringLiteral("not a readable file")};
    // The chunk sizes are checked against the real size, not the RIFF size field, which
    // streaming writers leave at zero or at its maximum.
    const qint64 size = device.size();
    char riff[12];
    if (!read_at(device, 0, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0
        || std::memcmp(riff + 8, "WAVE", 4) != 0)
        return Failure{QStringLiteral("not a RIFF WAVE file")};

    WavInfo info;
    quint32 byte_rate = 0;
    bool have_format = false;
    bool have_data = false;
    qint64 pos = sizeof riff;
    for (int i = 0; i < kMaxChunks && !(have_format && have_data) && pos + 8 <= size; ++i) {
        char head[8];
        if (!read_at(device, pos, head, sizeof head))
            return Failure{QStringLiteral("a chunk is cut off")};
        const quint32 length = le32(head + 4);
        const qint64 body = pos + 8;
        if (std::memcmp(head, "fmt ", 4) == 0) {
            char fmt[16];
            if (length < sizeof fmt || body + qint64(sizeof fmt) > size || !read_at(device, body, fmt, sizeof fmt))
                return Failure{QStringLiteral("the format chunk is cut off")};
            info.format = le16(fmt);
            info.channels = le16(fmt + 2);
            info.sample_rate = le32(fmt + 4);
            byte_rate = le32(fmt + 8);
            info.bits_per_sample = le16(fmt + 14);
            have_format = true;
        } else if (std::memcmp(head, "data", 4) == 0) {
            // A cut-off file still plays what it holds, so its length is what is there.
            info.data_size = quint32(qMin(qint64(length), size - body));
            have_data = true;
        }
        pos = body + qint64(length) + (length & 1);  // chunks are padded to an even size
    }
    if (!have_format || !have_data)
        return Failure{QStringLiteral("no format or no sound data")};
    if (info.channels == 0 || info.sample_rate < kLowestRate || info.sample_rate > kHighestRate)
        return Failure{QStringLiteral("no channels, or a sample rate beyond any real sound")};

    // For sample formats the length follows from the samples themselves; compressed
    // formats only say it through their byte rate.
    qint64 bytes_per_second = byte_rate;
    if (info.format == kPcm || info.format == kFloat || info.format == kExtensible) {
        if (info.bits_per_sample == 0 || info.bits_per_sample > 64)
            return Failure{QStringLiteral("no sample size")};
        bytes_per_second = qint64(info.sample_rate) * info.channels * ((info.bits_per_sample + 7) / 8);
    }
    if (bytes_per_second <= 0)
        return Failure{QStringLiteral("no byte rate")};
    // Rounded up: callers wait at least this long, and must not cut the last samples off.
    info.duration_ms = (qint64(info.data_size) * 1000 + bytes_per_second - 1) / bytes_per_second;
    if (info.duration_ms > kLongestMs)
        return Failure{QStringLiteral("longer than any sound effect")};
    return info;
}

Result<WavInfo> read_wav_info(const QString& path)
{
    // A named pipe in a sound's place must not hold the game up: it reads as missing.
    QFile file;
    if (Result<> opened = open_regular_file(file, QFile::encodeName(path)); !opened.ok())
        return Failure{opened.reason()};
    return read_wav_info(file);
}

}  // namespace trivolo
