#pragma once

#include "platform/result.h"

#include <QtGlobal>

class QIODevice;
class QString;

namespace trivolo {

// What the header of a WAV file says about the sound in it.
struct WavInfo {
    quint16 format = 0;  // 1 plain integer PCM, 3 float, 0xFFFE extensible
    quint16 channels = 0;
    quint32 sample_rate = 0;
    quint16 bits_per_sample = 0;
    quint32 data_size = 0;  // bytes of sound actually in the file, never more than it holds
    qint64 duration_ms = 0;
};

// Reads the header of a RIFF/WAVE file; fails when it is not one we can make sense of,
// or when its sample rate or length is beyond any real sound. Only a regular file is read.
// Safe on any input: it reads only within the file and looks at a bounded number of chunks.
Result<WavInfo> read_wav_info(QIODevice& device);
Result<WavInfo> read_wav_info(const QString& path);

}  // namespace trivolo
