// The sound service against a PulseAudio server of its own (a null sink: real streams, no
// hardware), and the WAV header reader against good and hostile files.
#include "platform/desktopsound.h"
#include "platform/wavfile.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QtEndian>

// Real user input reaches Qt through the window system's queue, which is what the wait holds
// back; posted events are not held back, so only this interface can stand in for a user.
#if __has_include(<qpa/qwindowsysteminterface.h>)
#include <qpa/qwindowsysteminterface.h>
#define TRIVOLO_HAVE_WINDOW_SYSTEM_INPUT 1
#endif

using trivolo::DesktopSound;
using trivolo::read_wav_info;
using Outcome = DesktopSound::Outcome;

namespace {

template <typename T> QByteArray le(T value)
{
    QByteArray bytes(sizeof(T), '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A chunk whose size field may lie about its body; without one it tells the truth (and pads).
QByteArray chunk(const char* id, const QByteArray& body, std::optional<quint32> declared = {})
{
    return QByteArray(id, 4) + le<quint32>(declared.value_or(quint32(body.size()))) + body
        + (!declared && body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray riff(const QByteArray& chunks, std::optional<quint32> declared = {})
{
    return "RIFF" + le<quint32>(declared.value_or(quint32(4 + chunks.size()))) + "WAVE" + chunks;
}

constexpr quint32 kRate = 22050;

QByteArray fmt(quint16 format = 1, quint16 channels = 1, quint32 rate = kRate, quint16 bits = 16,
               std::optional<quint32> byte_rate = {}) {
    const quint32 frame = channels * ((bits + 7u) / 8u);
    return chunk("fmt ", le(format) + le(channels) + le(rate) + le(byte_rate.value_or(rate * frame))
                             + le(quint16(frame)) + le(bits));
}

QByteArray data(qsizetype bytes, std::optional<quint32> declared = {})
{
    return chunk("data", QByteArray(bytes, '\0'), declared);
}

// Silence, 16-bit mono: the null sink plays it like any other sound.
QByteArray wav(int ms)
{
    return riff(fmt() + data(qsizetype(qint64(ms) * kRate / 1000 * 2)));
}

using Fields = QList<qint64>;  // format, channels, rate, bits, data bytes, length in ms

// Runs a statement and checks that it took from at_least to at_most milliseconds.
#define VERIFY_TAKES(statement, at_least, at_most)                                                    \
    do { QElapsedTimer clock_; clock_.start(); statement; const qint64 ms_ = clock_.elapsed();      \
         QVERIFY2(ms_ >= (at_least) && ms_ <= (at_most), qPrintable(QString(#statement " took %1 ms").arg(ms_))); \
    } while (false)

bool pactl_answers()
{
    QProcess pactl;
    pactl.start("pactl", {"info"});
    return pactl.waitForFinished(5000) && pactl.exitCode() == 0;
}

struct Canvas : QWidget {
    int paints = 0, inputs = 0;
    void paintEvent(QPaintEvent*) override { ++paints; }
    void keyPressEvent(QKeyEvent*) override { ++inputs; }
    void mousePressEvent(QMouseEvent*) override { ++inputs; }
};

}  // namespace

class TestSound : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess server_;
    QString noServer_;  // why the server tests cannot run, if they cannot

    QString file(const QString& name, const QByteArray& bytes) {
        QFile out(dir_.filePath(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(out.fileName()));
        return out.fileName();
    }

    QString clip(int ms) { return file(QString("clip%1.wav").arg(ms), wav(ms)); }

#define REQUIRE_SERVER() if (!noServer_.isEmpty()) QFAIL(qPrintable(noServer_))

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid() && QDir(dir_.path()).mkpath("run") && QDir(dir_.path()).mkpath("home"));
        QFile::setPermissions(dir_.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString socket = dir_.filePath("run/native");
        // Clients here talk to our server only: never to the user's session, never spawning one.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.filePath("run")));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
        qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(file("client.conf", "autospawn = no\n")));
        qunsetenv("CANBERRA_DRIVER");  // canberra's own choice of driver is what the game gets
        qunsetenv("CANBERRA_DEVICE");
        qputenv("HOME", QFile::encodeName(dir_.filePath("home")));  // the server's cookie and state stay in here
        server_.setProcessChannelMode(QProcess::MergedChannels);
        // As root it warns that it wants --system, then serves us all the same.
        server_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                                     "--realtime=no", "--high-priority=no", "--load=module-null-sink",
                                     "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        const QDeadlineTimer deadline(15000);
        while (!pactl_answers()) {
            if (server_.state() == QProcess::NotRunning || deadline.hasExpired()) {
                noServer_ = "no PulseAudio server (Debian: pulseaudio, pulseaudio-utils): " + server_.readAll();
                return;
            }
            QTest::qWait(100);
        }
    }

    void cleanupTestCase() {
        server_.terminate();
        server_.waitForFinished(5000);
    }

    // What the header says, or nothing.
    void readerReadsHeaders_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Fields>("expected");
        const QByteArray pcm = data(4410);
        const Fields plain{1, 1, kRate, 16, 44100, 1000}, none;
        QTest::newRow("16-bit mono") << wav(1000) << plain;
        QTest::newRow("odd metadata, fmt last, streaming size")
            << riff(chunk("LIST", "abc") + data(44100) + fmt(), 0xFFFFFFFF) << plain;
        QTest::newRow("8-bit stereo") << riff(fmt(1, 2, 8000, 8) + data(4000)) << Fields{1, 2, 8000, 8, 4000, 250};
        QTest::newRow("compressed") << riff(fmt(2, 1, 8000, 4, 4000) + data(8000)) << Fields{2, 1, 8000, 4, 8000, 2000};
        QTest::newRow("cut-off data") << riff(fmt() + data(2205, 44100)) << Fields{1, 1, kRate, 16, 2205, 50};
        QTest::newRow("empty") << QByteArray() << none;
        QTest::newRow("garbage") << QByteArray(4096, '\xA5') << none;
        QTest::newRow("RIFF but not WAVE") << QByteArray("RIFF\x04\0\0\0AVI ", 12) + fmt() + pcm << none;
        QTest::newRow("cut inside fmt") << wav(100).left(30) << none;
        QTest::newRow("cut inside a chunk header") << riff(fmt()).append("dat") << none;
        QTest::newRow("fmt too short") << riff(chunk("fmt ", fmt().mid(8, 14)) + pcm) << none;
        QTest::newRow("no fmt") << riff(pcm) << none;
        QTest::newRow("no data") << riff(fmt()) << none;
        QTest::newRow("huge chunk before fmt") << riff(chunk("LIST", "xy", 0xFFFFFFF0) + fmt() + pcm) << none;
        QTest::newRow("huge fmt hides the data") << riff(chunk("fmt ", fmt().mid(8), 0xFFFFFFFF) + pcm) << none;
        QTest::newRow("endless tiny chunks") << riff(chunk("junk", {}).repeated(1000) + fmt() + pcm) << none;
        QTest::newRow("no channels") << riff(fmt(1, 0) + pcm) << none;
        QTest::newRow("no sample rate") << riff(fmt(1, 1, 0) + pcm) << none;
        QTest::newRow("no bits") << riff(fmt(1, 1, kRate, 0) + pcm) << none;
        QTest::newRow("compressed without a byte rate") << riff(fmt(2, 1, 8000, 4, 0) + pcm) << none;
    }

    void readerReadsHeaders() {
        QFETCH(QByteArray, bytes);
        QFETCH(Fields, expected);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        // From memory, and from a file as the service reads it.
        for (const auto& info : {read_wav_info(buffer), read_wav_info(file("read.wav", bytes))}) {
            const Fields got = info ? Fields{info->format, info->channels, info->sample_rate, info->bits_per_sample,
                                             info->data_size, info->duration_ms} : Fields{};
            QCOMPARE(got, expected);
        }
    }

    // The game's own sounds, as shipped: plain 16-bit PCM, which every backend reads.
    void shippedSoundsAreReadable_data() {
        QTest::addColumn<QString>("path");
        const QDir sounds(TRIVOLO_ASSET_DIR "/sounds");
        const QStringList names = sounds.entryList({"*.wav", "*.WAV"}, QDir::Files);
        if (names.isEmpty())
            QTest::newRow("no sounds shipped") << QString();
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << sounds.filePath(name);
    }

    void shippedSoundsAreReadable() {
        QFETCH(QString, path);
        QVERIFY2(!path.isEmpty(), "no WAV files in " TRIVOLO_ASSET_DIR "/sounds");
        const auto info = read_wav_info(path);
        QVERIFY(info);
        QCOMPARE((QList<int>{info->format, info->bits_per_sample}), (QList<int>{1, 16}));
        QVERIFY(info->channels >= 1 && info->channels <= 2 && info->sample_rate >= 8000);
        QVERIFY(info->sample_rate <= 48000 && info->duration_ms > 0);
        // Turn sounds hold up every move, so they stay under a second; the others are short too.
        const bool turn_sound = QFileInfo(path).fileName().startsWith("player");
        QVERIFY2(info->duration_ms < (turn_sound ? 1000 : 2000), qPrintable(QString::number(info->duration_ms)));
    }

    void noServerReturnsPromptly() {
        // Nothing listens there (and autospawn is off), as on a desktop without sound.
        const auto restore = qScopeGuard([ours = qgetenv("PULSE_SERVER")] { qputenv("PULSE_SERVER", ours); });
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(dir_.filePath("run/nobody")));
        const QRegularExpression notice("cannot play sounds");  // one notice, not one per sound
        QTest::ignoreMessage(QtWarningMsg, notice);
        QTest::failOnWarning(notice);
        DesktopSound sound;
        for (const QString& path : {clip(300), dir_.filePath("none.wav"), clip(300), dir_.filePath("none.wav")}) {
            VERIFY_TAKES(sound.play(path), 0, 2000);
            QCOMPARE(sound.last_outcome(), Outcome::Failed);
        }
    }

    // Each play reaches the server and waits out its clip; an unplayable file rings the short bell.
    void playWaitsForTheSound_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("plays");
        QTest::addColumn<int>("margin_ms");
        QTest::addColumn<int>("at_least_ms");
        QTest::addColumn<int>("at_most_ms");
        QTest::newRow("clip") << clip(1200) << 1 << 1000 << 1200 << 1200 + 5000;
        QTest::newRow("missing file") << dir_.filePath("none.wav") << 1 << 1000 << 0 << 3000;
        QTest::newRow("file that is no sound") << file("noise.wav", QByteArray(3000, 'x')) << 1 << 1000 << 0 << 3000;
        // No margin: every play is cut off at its end, so late reports of earlier sounds keep
        // arriving while later ones wait, and must not end the wrong wait.
        QTest::newRow("fifty in a row, cut off") << clip(50) << 50 << 0 << 50 << 1000;
    }

    void playWaitsForTheSound() {
        REQUIRE_SERVER();
        QFETCH(QString, path);
        QFETCH(int, plays);
        QFETCH(int, margin_ms);
        QFETCH(int, at_least_ms);
        QFETCH(int, at_most_ms);
        DesktopSound sound{std::chrono::milliseconds(margin_ms)};
        for (int i = 0; i < plays; ++i) {
            VERIFY_TAKES(sound.play(path), at_least_ms, at_most_ms);
            QVERIFY(sound.last_outcome() == Outcome::Finished || sound.last_outcome() == Outcome::TimedOut);
        }
    }

    // While a sound plays, timers and painting go on, user input waits until play returns (held
    // back, not lost), and a play asked for from inside the wait is skipped, not nested.
    void theWaitHoldsInputAndSkipsNestedPlays() {
        REQUIRE_SERVER();
        Canvas canvas;
        canvas.setFocusPolicy(Qt::StrongFocus);
        canvas.resize(100, 100);
        canvas.show();
        canvas.activateWindow();
        canvas.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&canvas));
#ifdef TRIVOLO_HAVE_WINDOW_SYSTEM_INPUT
        using Input = QWindowSystemInterface;
        QWindow* window = canvas.windowHandle();
        Input::handleKeyEvent<Input::AsynchronousDelivery>(window, QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        Input::handleMouseEvent<Input::AsynchronousDelivery>(window, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                                                             Qt::LeftButton, QEvent::MouseButtonPress);
#endif
        DesktopSound sound;
        Outcome inner_outcome = Outcome::None;
        QTimer::singleShot(100, [&, inner = clip(300)] {
            VERIFY_TAKES(sound.play(inner), 0, 500);
            inner_outcome = sound.last_outcome();
        });
        const int paints_before = canvas.paints;
        canvas.update();
        VERIFY_TAKES(sound.play(clip(800)), 800, 800 + 5000);  // the outer sound still gets its whole wait
        QVERIFY(sound.last_outcome() == Outcome::Finished || sound.last_outcome() == Outcome::TimedOut);
        QCOMPARE(inner_outcome, Outcome::Skipped);
        QVERIFY(canvas.paints > paints_before);
#ifdef TRIVOLO_HAVE_WINDOW_SYSTEM_INPUT
        QCOMPARE(canvas.inputs, 0);
        QTRY_COMPARE(canvas.inputs, 2);  // a key and a click
#else
        QSKIP("needs Qt's window system interface (Debian: qt6-base-private-dev) to inject input");
#endif
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
