// The sound service against a PulseAudio server of its own (a null sink: real streams, no
// hardware), and the WAV header reader against good and hostile files.
#include "platform/desktopsound.h"
#include "platform/wavfile.h"

#include <QWidget>
#include <QtTest>
// Queues real user input, which is what a wait holds back (posted events are not held back).
#include <qpa/qwindowsysteminterface.h>

#include <csignal>

using trivolo::DesktopSound;
using Outcome = DesktopSound::Outcome;
using namespace std::chrono_literals;

template <typename T>
QByteArray le(T v)
{
    char b[sizeof v];
    qToLittleEndian(v, b);
    return QByteArray(b, sizeof b);
}

// A chunk whose size field may lie about its body; without one it tells the truth (and pads).
QByteArray chunk(const char* id, const QByteArray& body, std::optional<quint32> declared = {})
{
    return QByteArray(id, 4) + le<quint32>(declared.value_or(quint32(body.size()))) + body
        + (!declared && body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray riff(const QByteArray& chunks, std::optional<quint32> size = {})
{
    return chunk("RIFF", "WAVE" + chunks, size);
}

constexpr quint32 kRate = 22050;

QByteArray fmt(quint16 format = 1, quint16 channels = 1, quint32 rate = kRate, quint16 bits = 16,
               std::optional<quint32> byte_rate = {})
{
    const quint32 frame = channels * ((bits + 7u) / 8u);
    return chunk("fmt ",
                 le(format) + le(channels) + le(rate) + le(byte_rate.value_or(rate * frame)) + le(quint16(frame))
                     + le(bits));
}

QByteArray data(qsizetype bytes, std::optional<quint32> size = {})
{
    return chunk("data", QByteArray(bytes, 0), size);
}

using Fields = QList<qint64>;  // format, channels, rate, bits, data bytes, length in ms

#define VERIFY_TAKES(statement, at_least, at_most)                                                                     \
    do {                                                                                                               \
        QElapsedTimer clock_;                                                                                          \
        clock_.start();                                                                                                \
        statement;                                                                                                     \
        const qint64 ms_ = clock_.elapsed();                                                                           \
        QVERIFY2(ms_ >= (at_least) && ms_ <= (at_most), qPrintable(QString(#statement " took %1 ms").arg(ms_)));       \
    } while (false)

struct Canvas : QWidget {
    int paints = 0, inputs = 0;
    void paintEvent(QPaintEvent* /*event*/) override { ++paints; }
    void keyPressEvent(QKeyEvent* /*event*/) override { ++inputs; }
    void mousePressEvent(QMouseEvent* /*event*/) override { ++inputs; }
};

class TestSound : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess server_;

    QString file(const QString& name, const QByteArray& bytes)
    {
        QFile out(dir_.filePath(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(out.fileName()));
        return out.fileName();
    }

    // Silence, 16-bit mono: the null sink plays it like any other sound.
    QString clip(int ms)
    {
        return file(QString("clip%1.wav").arg(ms), riff(fmt() + data(qsizetype{ms} * kRate / 1000 * 2)));
    }
    void signal_server(int signal) { ::kill(pid_t(server_.processId()), signal); }

private slots:
    // Clients talk to our own server only, which keeps its files in our private folder (as it must).
    void initTestCase()
    {
        const QString socket = dir_.filePath("native");
        for (const char* name : {"XDG_RUNTIME_DIR", "HOME"})
            qputenv(name, QFile::encodeName(dir_.path()));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
        qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(file("client.conf", "autospawn = no\n")));  // nor spawn one
        for (const char* name : {"CANBERRA_DRIVER", "CANBERRA_DEVICE"})
            qunsetenv(name);  // canberra's own choice of driver is what the game gets
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start("pulseaudio",
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--realtime=no",
                       "--high-priority=no", "--load=module-null-sink",
                       "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        QVERIFY2(server_.waitForStarted(), "no PulseAudio server (Debian: pulseaudio)");
        // Clients that connect once the socket is there are served as soon as the server runs.
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(socket), server_.readAll().constData(), 15000);
    }

    void cleanupTestCase()
    {
        server_.kill();  // ends it even if a failed test left it stopped
        server_.waitForFinished();
    }

    void readerReadsHeaders_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Fields>("expected");
        const QByteArray pcm = data(4410);
        QTest::newRow("odd metadata, fmt last, streaming size")
            << riff(chunk("LIST", "abc") + data(44100) + fmt(), 0xFFFFFFFF) << Fields{1, 1, kRate, 16, 44100, 1000};
        QTest::newRow("8-bit stereo") << riff(fmt(1, 2, 8000, 8) + data(4000)) << Fields{1, 2, 8000, 8, 4000, 250};
        QTest::newRow("compressed") << riff(fmt(2, 1, 8000, 4, 4000) + data(8000)) << Fields{2, 1, 8000, 4, 8000, 2000};
        QTest::newRow("cut-off data") << riff(fmt() + data(2204, 44100)) << Fields{1, 1, kRate, 16, 2204, 50};
        QTest::newRow("RIFF but not WAVE") << QByteArray("RIFF\x04\0\0\0AVI ", 12) + fmt() + pcm << Fields();
        QTest::newRow("cut inside fmt") << riff(fmt() + pcm).left(30) << Fields();
        QTest::newRow("fmt too short") << riff(chunk("fmt ", fmt().mid(8, 14)) + pcm) << Fields();
        QTest::newRow("no data") << riff(fmt()) << Fields();
        QTest::newRow("huge fmt hides the data") << riff(chunk("fmt ", fmt().mid(8), 0xFFFFFFFF) + pcm) << Fields();
        QTest::newRow("endless tiny chunks") << riff(chunk("junk", {}).repeated(1000) + fmt() + pcm) << Fields();
        QTest::newRow("no channels") << riff(fmt(1, 0) + pcm) << Fields();
        QTest::newRow("no bits") << riff(fmt(1, 1, kRate, 0) + pcm) << Fields();
        QTest::newRow("compressed without a byte rate") << riff(fmt(2, 1, 8000, 4, 0) + pcm) << Fields();
        // Rates and lengths no real sound has: taken at their word, they would hold the game up for hours.
        QTest::newRow("8-bit at 1 Hz: 18 hours") << riff(fmt(1, 1, 1, 8) + data(65536)) << Fields();
        QTest::newRow("rate beyond any hardware") << riff(fmt(1, 1, 768000) + pcm) << Fields();
        QTest::newRow("compressed, a byte a second") << riff(fmt(2, 1, 8000, 4, 1) + pcm) << Fields();
        // clang-format on
    }

    void readerReadsHeaders()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Fields, expected);
        const auto info = trivolo::read_wav_info(file("read.wav", bytes));
        QCOMPARE((info ? Fields{info->format, info->channels, info->sample_rate, info->bits_per_sample, info->data_size,
                                info->duration_ms}
                       : Fields()),
                 expected);
    }

    void noServerReturnsPromptly()
    {
        // Nothing listens there (and autospawn is off), as on a desktop without sound.
        const auto restore = qScopeGuard([ours = qgetenv("PULSE_SERVER")] { qputenv("PULSE_SERVER", ours); });
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(dir_.filePath("nobody")));
        const QRegularExpression notice("cannot play sounds");  // one notice, not one per sound
        QTest::ignoreMessage(QtWarningMsg, notice);
        QTest::failOnWarning(notice);
        DesktopSound sound;
        for (const QString& path : {clip(300), dir_.filePath("none.wav")}) {
            VERIFY_TAKES(sound.play(path), 0, 2000);
            QCOMPARE(sound.last_outcome(), Outcome::Failed);
        }
    }

    // No margin: a wait ends with its clip, at the longest wait (here 300 ms), or at the bell's bound for a file
    // missing or no sound. The late reports of sounds cut off so arrive in later waits, and must not end them.
    void playWaitsForTheSound()
    {
        DesktopSound sound{0ms, 300ms};
        QList<std::pair<QString, int>> plays{{clip(300), 300},
                                             {clip(3000), 300},
                                             {dir_.filePath("none.wav"), 0},
                                             {file("noise.wav", QByteArray(3000, 'x')), 0}};
        plays.insert(plays.size(), 10, {clip(50), 50});
        for (const auto& [path, at_least_ms] : plays) {
            VERIFY_TAKES(sound.play(path), at_least_ms, 2000);
            QVERIFY(sound.last_outcome() == Outcome::Finished || sound.last_outcome() == Outcome::TimedOut);
        }
    }

    // While a sound plays, timers and painting go on, user input waits until play returns (held back, not
    // lost), and a play asked for inside the wait is skipped. The null sink's late end report ends the wait.
    void theWaitHoldsInputAndSkipsNestedPlays()
    {
        Canvas canvas;
        canvas.show();
        QVERIFY(QTest::qWaitForWindowActive(&canvas));
        QWindowSystemInterface::handleKeyEvent(canvas.windowHandle(), QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
        QWindowSystemInterface::handleMouseEvent(canvas.windowHandle(), QPointF(10, 10), QPointF(10, 10),
                                                 Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
        DesktopSound sound{4000ms};
        Outcome inner_outcome = Outcome::None;
        QTimer::singleShot(100, [&, inner = clip(300)] {
            VERIFY_TAKES(sound.play(inner), 0, 100);
            inner_outcome = sound.last_outcome();
        });
        const int paints_before = canvas.paints;
        canvas.update();
        VERIFY_TAKES(sound.play(clip(400)), 400, 400 + 4000);  // the outer sound still gets its whole wait
        QCOMPARE(sound.last_outcome(), Outcome::Finished);
        QCOMPARE(inner_outcome, Outcome::Skipped);
        QVERIFY(canvas.paints > paints_before);
        QCOMPARE(canvas.inputs, 0);
        QTRY_COMPARE(canvas.inputs, 2);  // a key and a click
    }

    // A server that is stopped, not gone, never answers: a wait still ends at its bound, later
    // sounds are skipped until the server answers again, and a service stuck on it can go.
    void aStoppedServerHoldsNothingUp()
    {
        const QString beep = clip(100);
        DesktopSound sound{100ms};
        auto stuck = std::make_unique<DesktopSound>(0ms);
        const QRegularExpression notice("cannot play sounds \\(the sound server does not answer\\)");
        QTest::ignoreMessage(QtWarningMsg, notice);  // once from each service
        QTest::ignoreMessage(QtWarningMsg, notice);
        signal_server(SIGSTOP);
        VERIFY_TAKES(sound.play(beep), 100, 2000);
        QCOMPARE(sound.last_outcome(), Outcome::TimedOut);
        VERIFY_TAKES(sound.play(beep), 0, 100);
        QCOMPARE(sound.last_outcome(), Outcome::Skipped);
        stuck->play(beep);
        VERIFY_TAKES(stuck.reset(), 0, 2000);
        signal_server(SIGCONT);
        for (QDeadlineTimer deadline(10000); sound.last_outcome() == Outcome::Skipped && !deadline.hasExpired();) {
            QTest::qWait(50);
            sound.play(beep);
        }
        QVERIFY(sound.last_outcome() == Outcome::Finished || sound.last_outcome() == Outcome::TimedOut);
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
