// The sound service against a real PulseAudio server of its own (a null sink: real streams,
// no hardware), and the WAV header reader against good and hostile files.
#include "platform/desktopsound.h"
#include "platform/wavfile.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QtEndian>

#include <cmath>
#include <functional>
#include <numbers>

// Real user input reaches Qt through the window system's queue, which is what the wait holds
// back; posted events are not held back, so only this interface can stand in for a user.
#if __has_include(<qpa/qwindowsysteminterface.h>)
#include <qpa/qwindowsysteminterface.h>
#define TRIVOLO_HAVE_WINDOW_SYSTEM_INPUT 1
#endif

using trivolo::DesktopSound;
using trivolo::readWavInfo;
using Outcome = DesktopSound::Outcome;
using std::chrono::milliseconds;

namespace {

QByteArray u16(quint16 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray u32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A chunk whose size field may lie about its body.
QByteArray rawChunk(const char* id, quint32 declared, const QByteArray& body) {
    return QByteArray(id, 4) + u32(declared) + body;
}

QByteArray chunk(const char* id, const QByteArray& body) {
    const QByteArray pad = body.size() % 2 ? QByteArray(1, '\0') : QByteArray();
    return rawChunk(id, quint32(body.size()), body) + pad;
}

QByteArray riff(const QByteArray& chunks, std::optional<quint32> declared = std::nullopt) {
    return "RIFF" + u32(declared.value_or(quint32(4 + chunks.size()))) + "WAVE" + chunks;
}

QByteArray fmtBody(quint16 format, quint16 channels, quint32 rate, quint16 bits,
                   std::optional<quint32> byteRate = std::nullopt) {
    const quint32 frameBytes = channels * ((bits + 7u) / 8u);
    return u16(format) + u16(channels) + u32(rate) + u32(byteRate.value_or(rate * frameBytes))
        + u16(quint16(frameBytes)) + u16(bits);
}

constexpr quint32 kRate = 22050;

// A quiet 440 Hz tone, 16-bit mono.
QByteArray tone(int ms) {
    const int frames = int(qint64(ms) * kRate / 1000);
    QByteArray samples;
    samples.reserve(frames * 2);
    for (int i = 0; i < frames; ++i) {
        const double phase = 2.0 * std::numbers::pi * 440.0 * i / kRate;
        samples += u16(quint16(qint16(std::lround(3000.0 * std::sin(phase)))));
    }
    return samples;
}

QByteArray wav(int ms) {
    return riff(chunk("fmt ", fmtBody(1, 1, kRate, 16)) + chunk("data", tone(ms)));
}

std::optional<trivolo::WavInfo> readBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readWavInfo(buffer);
}

qint64 timed(const std::function<void()>& action) {
    QElapsedTimer clock;
    clock.start();
    action();
    return clock.elapsed();
}

// Counts the service's warning and keeps it out of the log; other messages pass on.
class WarningCounter {
public:
    WarningCounter() { previous_ = qInstallMessageHandler(handle); count_ = 0; }
    ~WarningCounter() { qInstallMessageHandler(previous_); }
    int count() const { return count_; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && text.contains("cannot play sounds"))
            ++count_;
        else
            previous_(type, context, text);
    }
    static inline QtMessageHandler previous_ = nullptr;
    static inline int count_ = 0;
};

// Sets an environment variable for one scope.
class EnvOverride {
public:
    EnvOverride(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~EnvOverride() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

class Canvas : public QWidget {
public:
    int paints = 0;
    int keys = 0;
    int clicks = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
};

}  // namespace

class TestSound : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString socket_;
    QProcess server_;
    QString serverMissing_;  // the server tests are skipped when this says why
    QString serverBroken_;   // ... and fail when this says why

    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QString clip(int ms) { return file(QString("clip%1.wav").arg(ms), wav(ms)); }

    static QString pactl(const QStringList& arguments) {
        QProcess process;
        process.start("pactl", arguments);
        if (!process.waitForFinished(5000) || process.exitCode() != 0)
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // Our streams on the server; empty when none are left.
    static QString ourStreams() {
        const QString list = pactl({"list", "sink-inputs"});
        return list.contains("application.name = \"Trivolo\"") ? list : QString();
    }

    static bool streamsGoneWithin(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (!ourStreams().isEmpty()) {
            if (clock.elapsed() > ms)
                return false;
            QTest::qSleep(25);
        }
        return true;
    }

    bool startServer() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", dir_.filePath("home"));  // its cookie and state stay in here
        server_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::MergedChannels);
        // As root it warns that it wants --system, then serves us all the same. The socket sits
        // in our private folder, so anonymous clients are only this test.
        server_.start("pulseaudio",
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                       "--realtime=no", "--high-priority=no", "--log-target=stderr",
                       "--load=module-null-sink",
                       "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket_});
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 15000) {
            if (server_.state() == QProcess::NotRunning)
                break;
            if (!pactl({"info"}).isEmpty())
                return true;
            QTest::qWait(100);
        }
        serverBroken_ = "the PulseAudio server did not start: "
                    + QString::fromLocal8Bit(server_.readAll()).trimmed();
        stopServer();
        return false;
    }

    void stopServer() {
        if (server_.state() == QProcess::NotRunning)
            return;
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }

#define REQUIRE_SERVER()                          \
    do {                                          \
        if (!serverMissing_.isEmpty())            \
            QSKIP(qPrintable(serverMissing_));    \
        if (!serverBroken_.isEmpty())             \
            QFAIL(qPrintable(serverBroken_));     \
    } while (false)

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QDir(dir_.path()).mkpath("run");
        QDir(dir_.path()).mkpath("home");
        QFile::setPermissions(dir_.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        socket_ = dir_.filePath("run/native");
        // Clients here talk to our server only: never to the user's session, never spawning one.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.filePath("run")));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket_));
        qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(file("client.conf", "autospawn = no\n")));
        // Canberra's own choice of driver is what the game gets, so test that.
        qunsetenv("CANBERRA_DRIVER");
        qunsetenv("CANBERRA_DEVICE");

        if (QStandardPaths::findExecutable("pulseaudio").isEmpty())
            serverMissing_ = "the pulseaudio server is not installed (Debian: pulseaudio)";
        else if (QStandardPaths::findExecutable("pactl").isEmpty())
            serverBroken_ = "pactl is missing (Debian: pulseaudio-utils)";
        else
            startServer();
    }

    void cleanupTestCase() { stopServer(); }

    // --- the header reader ---

    void readerUnderstandsHeaders_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("dataSize");
        QTest::addColumn<int>("durationMs");

        const QByteArray fmt = chunk("fmt ", fmtBody(1, 1, kRate, 16));
        const QByteArray second(44100, '\1');
        QTest::newRow("16-bit mono") << wav(1000) << 1 << 1 << 22050 << 16 << 44100 << 1000;
        QTest::newRow("8-bit stereo")
            << riff(chunk("fmt ", fmtBody(1, 2, 8000, 8)) + chunk("data", QByteArray(4000, '\x80')))
            << 1 << 2 << 8000 << 8 << 4000 << 250;
        QTest::newRow("odd-sized metadata before the data")
            << riff(fmt + chunk("LIST", "abc") + chunk("data", second)) << 1 << 1 << 22050 << 16
            << 44100 << 1000;
        QTest::newRow("data before fmt")
            << riff(chunk("data", second) + fmt) << 1 << 1 << 22050 << 16 << 44100 << 1000;
        QTest::newRow("fmt with an extension size")
            << riff(chunk("fmt ", fmtBody(1, 1, kRate, 16) + u16(0)) + chunk("data", second)) << 1
            << 1 << 22050 << 16 << 44100 << 1000;
        QTest::newRow("extensible 24-bit stereo")
            << riff(chunk("fmt ", fmtBody(0xFFFE, 2, 48000, 24) + u16(22) + QByteArray(22, '\0'))
                    + chunk("data", QByteArray(288000, '\0')))
            << 0xFFFE << 2 << 48000 << 24 << 288000 << 1000;
        QTest::newRow("compressed: length from the byte rate")
            << riff(chunk("fmt ", fmtBody(2, 1, 8000, 4, 4000)) + chunk("data", QByteArray(8000, '\0')))
            << 2 << 1 << 8000 << 4 << 8000 << 2000;
        QTest::newRow("cut-off data counts what is there")
            << riff(fmt + rawChunk("data", 44100, QByteArray(2205, '\0'))) << 1 << 1 << 22050 << 16
            << 2205 << 50;
        QTest::newRow("streaming RIFF size")
            << riff(fmt + chunk("data", second), 0xFFFFFFFF) << 1 << 1 << 22050 << 16 << 44100
            << 1000;
    }

    void readerUnderstandsHeaders() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(int, dataSize);
        QFETCH(int, durationMs);
        const auto info = readBytes(bytes);
        QVERIFY(info);
        QCOMPARE(int(info->format), format);
        QCOMPARE(int(info->channels), channels);
        QCOMPARE(int(info->sampleRate), rate);
        QCOMPARE(int(info->bitsPerSample), bits);
        QCOMPARE(int(info->dataSize), dataSize);
        QCOMPARE(info->durationMs, durationMs);
    }

    void readerRejectsBrokenFiles_data() {
        QTest::addColumn<QByteArray>("bytes");

        const QByteArray fmt = chunk("fmt ", fmtBody(1, 1, kRate, 16));
        const QByteArray data = chunk("data", tone(100));
        QByteArray garbage(4096, '\0');
        QRandomGenerator random(7);
        for (char& c : garbage)
            c = char(random.bounded(256));
        QByteArray tinyChunks;
        for (int i = 0; i < 1000; ++i)
            tinyChunks += chunk("junk", {});

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << garbage;
        QTest::newRow("RIFF but not WAVE") << QByteArray("RIFF\x04\0\0\0AVI ", 12) + fmt + data;
        QTest::newRow("only the RIFF header") << riff({});
        QTest::newRow("cut inside fmt") << wav(100).left(30);
        QTest::newRow("cut inside a chunk header") << riff(fmt).append("dat");
        QTest::newRow("fmt too short") << riff(chunk("fmt ", fmtBody(1, 1, kRate, 16).left(14)) + data);
        QTest::newRow("no fmt") << riff(data);
        QTest::newRow("no data") << riff(fmt);
        QTest::newRow("huge chunk before fmt")
            << riff(rawChunk("LIST", 0xFFFFFFF0, "xy") + fmt + data);
        QTest::newRow("huge fmt hides the data") << riff(rawChunk("fmt ", 0xFFFFFFFF, fmtBody(1, 1, kRate, 16)) + data);
        QTest::newRow("endless tiny chunks") << riff(tinyChunks + fmt + data);
        QTest::newRow("no channels") << riff(chunk("fmt ", fmtBody(1, 0, kRate, 16)) + data);
        QTest::newRow("no sample rate") << riff(chunk("fmt ", fmtBody(1, 1, 0, 16)) + data);
        QTest::newRow("no bits") << riff(chunk("fmt ", fmtBody(1, 1, kRate, 0)) + data);
        QTest::newRow("compressed without a byte rate")
            << riff(chunk("fmt ", fmtBody(2, 1, 8000, 4, 0)) + data);
    }

    void readerRejectsBrokenFiles() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!readBytes(bytes));
        // The same through a file, as the service reads it.
        QVERIFY(!readWavInfo(file("broken.wav", bytes)));
    }

    void readerNeedsAReadableFile() {
        QVERIFY(!readWavInfo(dir_.filePath("none.wav")));
        QVERIFY(!readWavInfo(dir_.path()));
        QVERIFY(readWavInfo(clip(100)));
    }

    // The game's own sounds, as they are shipped: plain 16-bit PCM, which every backend reads.
    void shippedSoundsAreReadable_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"start.wav", "player1.wav", "player2.wav", "wonp1.wav", "wonp2.wav", "draw.wav"})
            QTest::newRow(name) << QString(name);
    }

    void shippedSoundsAreReadable() {
        QFETCH(QString, name);
        const QString path = QStringLiteral(TRIVOLO_ASSET_DIR "/sounds/") + name;
        if (!QFile::exists(path))
            QSKIP(qPrintable(name + " is not there yet"));
        const auto info = readWavInfo(path);
        QVERIFY2(info, qPrintable(path));
        QCOMPARE(int(info->format), 1);
        QCOMPARE(int(info->bitsPerSample), 16);
        QVERIFY(info->channels >= 1 && info->channels <= 2);
        QVERIFY(info->sampleRate >= 8000 && info->sampleRate <= 48000);
        QVERIFY(info->durationMs > 0);
    }

    // --- without a sound server ---

    void noServerReturnsPromptly_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("wave file") << clip(300);
        QTest::newRow("missing file") << dir_.filePath("none.wav");
    }

    void noServerReturnsPromptly() {
        QFETCH(QString, path);
        // Nothing listens there (and autospawn is off), as on a desktop without sound.
        EnvOverride server("PULSE_SERVER", "unix:" + QFile::encodeName(dir_.filePath("run/nobody")));
        WarningCounter warnings;
        DesktopSound sound;
        for (int i = 0; i < 3; ++i) {
            const qint64 ms = timed([&] { sound.play(path); });
            QVERIFY2(ms < 2000, qPrintable(QString("play took %1 ms").arg(ms)));
            QCOMPARE(sound.lastOutcome(), Outcome::Failed);
        }
        QCOMPARE(warnings.count(), 1);  // one notice, not one per sound
    }

    // --- with a sound server ---

    void playWaitsForTheClip_data() {
        QTest::addColumn<int>("clipMs");
        QTest::newRow("short") << 200;
        QTest::newRow("longer") << 1200;
    }

    void playWaitsForTheClip() {
        REQUIRE_SERVER();
        QFETCH(int, clipMs);
        const QString path = clip(clipMs);
        DesktopSound sound;
        const qint64 ms = timed([&] { sound.play(path); });
        QVERIFY2(ms >= clipMs, qPrintable(QString("returned after %1 ms").arg(ms)));
        QVERIFY2(ms <= clipMs + 5000, qPrintable(QString("returned after %1 ms").arg(ms)));
        QVERIFY(sound.lastOutcome() == Outcome::Finished || sound.lastOutcome() == Outcome::TimedOut);
    }

    void endReportEndsTheWait() {
        REQUIRE_SERVER();
        // With room to spare, the server's report, not the time limit, must end the wait.
        const QString path = clip(500);
        DesktopSound sound(milliseconds(6000));
        const qint64 ms = timed([&] { sound.play(path); });
        QCOMPARE(sound.lastOutcome(), Outcome::Finished);
        QVERIFY2(ms >= 500 && ms < 6500, qPrintable(QString("returned after %1 ms").arg(ms)));
    }

    void timeLimitCutsTheSoundOff() {
        REQUIRE_SERVER();
        // No margin: the limit falls before the end can be reported.
        const QString path = clip(1000);
        DesktopSound sound(milliseconds(0));
        const qint64 ms = timed([&] { sound.play(path); });
        QCOMPARE(sound.lastOutcome(), Outcome::TimedOut);
        QVERIFY2(ms >= 1000 && ms < 3000, qPrintable(QString("returned after %1 ms").arg(ms)));
        // Left alone, the stream would linger until its end was reported, a second or more.
        QVERIFY2(streamsGoneWithin(600), "the cut-off sound is still on the server");
        sound.play(path);
        QCOMPARE(sound.lastOutcome(), Outcome::TimedOut);
    }

    void playsOnTheServer_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shows");
        QTest::addColumn<int>("boundMs");
        const QString wave = clip(800);
        QTest::newRow("wave file") << wave << QString("media.filename = \"%1\"").arg(wave) << 800 + 5000;
        // The desktop's default event sound stands in for a file that cannot be played.
        QTest::newRow("missing file") << dir_.filePath("none.wav") << "event.id = \"bell\"" << 3000;
        QTest::newRow("file that is no sound")
            << file("noise.wav", QByteArray(3000, 'x')) << "event.id = \"bell\"" << 3000;
    }

    void playsOnTheServer() {
        REQUIRE_SERVER();
        QFETCH(QString, path);
        QFETCH(QString, shows);
        QFETCH(int, boundMs);
        DesktopSound sound;
        QString streams;
        QTimer::singleShot(100, [&] { streams = ourStreams(); });
        const qint64 ms = timed([&] { sound.play(path); });
        QVERIFY2(ms <= boundMs, qPrintable(QString("returned after %1 ms").arg(ms)));
        QVERIFY(sound.lastOutcome() == Outcome::Finished || sound.lastOutcome() == Outcome::TimedOut);
        // The desktop's mixer names the game, and the server plays what we asked for.
        QVERIFY2(streams.contains("application.name = \"Trivolo\""), qPrintable(streams));
        QVERIFY2(streams.contains(shows), qPrintable(streams));
    }

    void manyPlaysInARow() {
        REQUIRE_SERVER();
        // Every play is cut off at its end, so the late reports of earlier sounds keep arriving
        // while later ones wait: they must not end the wrong wait.
        const QString path = clip(50);
        DesktopSound sound(milliseconds(0));
        QElapsedTimer total;
        total.start();
        for (int i = 0; i < 50; ++i) {
            const qint64 ms = timed([&] { sound.play(path); });
            QVERIFY2(ms >= 50, qPrintable(QString("play %1 returned after %2 ms").arg(i).arg(ms)));
            QVERIFY(sound.lastOutcome() == Outcome::Finished || sound.lastOutcome() == Outcome::TimedOut);
        }
        QVERIFY2(total.elapsed() < 60000, qPrintable(QString("fifty plays took %1 ms").arg(total.elapsed())));
        QVERIFY2(streamsGoneWithin(3000), "sounds were left on the server");
    }

    void nestedPlayIsSkipped() {
        REQUIRE_SERVER();
        const QString outer = clip(800);
        const QString inner = clip(300);
        DesktopSound sound;
        qint64 innerMs = -1;
        Outcome innerOutcome = Outcome::None;
        int streams = -1;
        QTimer::singleShot(100, [&] {
            innerMs = timed([&] { sound.play(inner); });
            innerOutcome = sound.lastOutcome();
            streams = int(pactl({"list", "short", "sink-inputs"}).count('\n'));
        });
        const qint64 ms = timed([&] { sound.play(outer); });
        QCOMPARE(innerOutcome, Outcome::Skipped);
        QVERIFY2(innerMs >= 0 && innerMs < 500, qPrintable(QString("inner play took %1 ms").arg(innerMs)));
        QCOMPARE(streams, 1);
        // The outer sound still gets its whole wait.
        QVERIFY2(ms >= 800, qPrintable(QString("outer play returned after %1 ms").arg(ms)));
        QVERIFY(sound.lastOutcome() == Outcome::Finished || sound.lastOutcome() == Outcome::TimedOut);
    }

    void waitKeepsPaintingAndTimers() {
        REQUIRE_SERVER();
        const QString path = clip(600);
        Canvas canvas;
        canvas.resize(100, 100);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        QApplication::processEvents();
        DesktopSound sound;
        const int paintsBefore = canvas.paints;
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(50);
        canvas.update();
        sound.play(path);
        QVERIFY(canvas.paints > paintsBefore);
        QVERIFY2(ticks >= 3, qPrintable(QString("%1 ticks").arg(ticks)));
    }

    void waitHoldsUserInputBack() {
        REQUIRE_SERVER();
#ifndef TRIVOLO_HAVE_WINDOW_SYSTEM_INPUT
        QSKIP("needs Qt's window system interface (Debian: qt6-base-private-dev) to inject input");
#else
        const QString path = clip(500);
        Canvas canvas;
        canvas.setFocusPolicy(Qt::StrongFocus);
        canvas.resize(100, 100);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        canvas.activateWindow();
        canvas.setFocus();
        QApplication::processEvents();
        QWindow* window = canvas.windowHandle();
        QVERIFY(window);

        using Input = QWindowSystemInterface;
        Input::handleKeyEvent<Input::AsynchronousDelivery>(window, QEvent::KeyPress, Qt::Key_A,
                                                           Qt::NoModifier, "a");
        Input::handleMouseEvent<Input::AsynchronousDelivery>(window, QPointF(10, 10), QPointF(10, 10),
                                                             Qt::LeftButton, Qt::LeftButton,
                                                             QEvent::MouseButtonPress);
        DesktopSound sound;
        sound.play(path);
        QCOMPARE(canvas.keys, 0);
        QCOMPARE(canvas.clicks, 0);
        // Held back, not lost.
        QTRY_COMPARE(canvas.keys, 1);
        QTRY_COMPARE(canvas.clicks, 1);
#endif
    }

    // Last: it stops and restarts the server the other tests share.
    void soundComesBackWithTheServer() {
        REQUIRE_SERVER();
        const QString path = clip(200);
        WarningCounter warnings;
        DesktopSound sound;
        sound.play(path);
        QVERIFY(sound.lastOutcome() != Outcome::Failed);

        stopServer();
        for (const QString& p : {path, dir_.filePath("none.wav")}) {
            const qint64 ms = timed([&] { sound.play(p); });
            QVERIFY2(ms < 3000, qPrintable(QString("play without a server took %1 ms").arg(ms)));
        }

        QVERIFY(startServer());
        // The first sound may still meet the old, broken connection; the next ones must play.
        bool played = false;
        for (int i = 0; i < 3 && !played; ++i) {
            sound.play(path);
            played = sound.lastOutcome() != Outcome::Failed;
        }
        QVERIFY(played);
        QVERIFY(warnings.count() <= 1);
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
