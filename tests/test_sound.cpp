// The sound service against a PulseAudio server of its own (null sink), the WAV reader on good and hostile files.
#include "platform/desktopsound.h"
#include "platform/wavfile.h"

#include <QWidget>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

#include <csignal>

using trivolo::DesktopSound;
using namespace std::chrono_literals;

using Fields = QList<qint64>;  // format, channels, rate, bits, data bytes, length in ms; 0s: refused

// How a play ended, and how long it took when that was less than at_least or more than at_most ms.
QString play(DesktopSound& sound, const QString& path, qint64 at_least, qint64 at_most)
{
    const auto start = std::chrono::steady_clock::now();
    sound.play(path);
    const qint64 ms = (std::chrono::steady_clock::now() - start) / 1ms;
    const QString how = QStringList{"None", "Finished", "TimedOut", "Failed", "Skipped"}.at(int(sound.last_outcome()));
    return ms < at_least || ms > at_most ? QString("%1 after %2 ms").arg(how).arg(ms) : how;
}

struct Canvas : QWidget {
    int paints = 0, keys = 0;
    void paintEvent(QPaintEvent* /*event*/) override { ++paints; }
    void keyPressEvent(QKeyEvent* /*event*/) override { ++keys; }
};

class TestSound : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess server_;

    QByteArray le(quint64 v, int bytes = 4) { return bytes ? char(v) + le(v >> 8, bytes - 1) : QByteArray(); }
    // A chunk, padded to an even size; its size field may lie about its body.
    QByteArray chunk(const char* id, const QByteArray& body, qint64 size = -1)
    {
        return id + le(size < 0 ? body.size() : size) + body + QByteArray(body.size() % 2, '\0');
    }
    QByteArray riff(const QByteArray& chunks, qint64 size = -1) { return chunk("RIFF", "WAVE" + chunks, size); }
    QByteArray data(int bytes, qint64 size = -1) { return chunk("data", QByteArray(bytes, 0), size); }
    QByteArray fmt(int format = 1, int channels = 1, int rate = 8000, int bits = 16)
    {
        return chunk("fmt ",
                     le(format, 2) + le(channels, 2) + le(rate) + le(rate * channels * bits / 8)
                         + le(channels * bits / 8, 2) + le(bits, 2));
    }

    QString file(const QString& name, const QByteArray& bytes)
    {
        QFile out(dir_.filePath(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(out.fileName()));
        return out.fileName();
    }
    QString clip(int ms) { return file(QString("clip%1.wav").arg(ms), riff(fmt() + data(ms * 16))); }  // silence

private slots:
    // Our own server keeps its files in our private folder (as it must) and serves clients once its socket is there.
    // Before, nobody answers, as on a desktop without sound: sounds fail at once, with one notice for them all.
    void initTestCase()
    {
        const QString socket = dir_.filePath("native");
        for (const char* name : {"XDG_RUNTIME_DIR", "HOME"})
            qputenv(name, QFile::encodeName(dir_.path()));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
        qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(file("client.conf", "autospawn = no\n")));  // nor spawn one
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot play sounds"));
        QTest::failOnWarning(QRegularExpression("cannot play sounds"));
        DesktopSound sound;
        QCOMPARE(play(sound, clip(300), 0, 2000), "Failed");
        QCOMPARE(play(sound, clip(400), 0, 2000), "Failed");
        server_.start("pulseaudio",
                      {"-n", "--exit-idle-time=30", "--realtime=no", "--high-priority=no", "--load=module-null-sink",
                       "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        QVERIFY2(server_.waitForStarted(), "no PulseAudio server (Debian: pulseaudio)");
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(socket), server_.readAllStandardError().constData(), 15000);
    }

    // Kills it, even if a failed test left it stopped; after a crash it ends once idle for half a minute.
    void cleanupTestCase() { server_.close(); }

    void reader_reads_headers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Fields>("fields");
        QTest::newRow("odd metadata, fmt last, streaming size")
            << riff(chunk("LIST", "abc") + data(8000) + fmt(1, 2, 8000, 8), ~0u) << Fields{1, 2, 8000, 8, 8000, 500};
        QTest::newRow("cut-off data") << riff(fmt() + data(1000, 16000)) << Fields{1, 1, 8000, 16, 1000, 63};
        QTest::newRow("RIFF but not WAVE") << QByteArray("RIFF\x04\0\0\0AVI ", 12) + fmt() + data(4410) << Fields(6);
        QTest::newRow("huge fmt hides data") << riff(chunk("fmt ", fmt().mid(8), ~0u) + data(4410)) << Fields(6);
        QTest::newRow("1000 tiny chunks") << riff(chunk("junk", {}).repeated(1000) + fmt() + data(4410)) << Fields(6);
        QTest::newRow("rate beyond any hardware") << riff(fmt(1, 1, 768000) + data(4410)) << Fields(6);
    }

    void reader_reads_headers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Fields, fields);
        const auto w = trivolo::read_wav_info(file("read.wav", bytes)).value_or({});
        QCOMPARE((Fields{w.format, w.channels, w.sample_rate, w.bits_per_sample, w.data_size, w.duration_ms}), fields);
    }

    // During a wait timers and painting go on, real keys wait till play returns, and nested plays are skipped. With
    // no margin a wait ends with its clip, at the longest (300 ms) or the bell's bound; stale reports end no wait.
    void play_waits_for_the_sound()
    {
        Canvas canvas;
        canvas.show();
        QVERIFY(QTest::qWaitForWindowActive(&canvas));
        QWindowSystemInterface::handleKeyEvent(canvas.windowHandle(), QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
        DesktopSound sound{4000ms};
        QString inner;
        QTimer::singleShot(100, [&, path = clip(300)] { inner = play(sound, path, 0, 100); });
        canvas.paints = 0;
        canvas.update();
        QCOMPARE(play(sound, clip(400), 400, 400 + 4000), "Finished");  // the outer sound still gets its whole wait
        QCOMPARE(inner, "Skipped");
        QVERIFY(canvas.paints > 0);
        QCOMPARE(canvas.keys, 0);
        QTRY_COMPARE(canvas.keys, 1);

        DesktopSound cut{0ms, 300ms};
        QList<QPair<QString, int>> plays{
            {clip(300), 300}, {clip(3000), 300}, {dir_.filePath("none.wav"), 0}, {file("x.wav", "noise"), 0}};
        plays.insert(plays.size(), 10, {clip(50), 50});
        for (const auto& [path, at_least_ms] : plays) {
            const QString how = play(cut, path, at_least_ms, 2000);
            QVERIFY2(QStringList({"Finished", "TimedOut"}).contains(how), qPrintable(how));
        }
    }

    // A server stopped, not gone, never answers: a wait ends at its bound with one notice from each service, later
    // sounds are skipped until the server answers again, and a service stuck on it can go.
    void a_stopped_server_holds_nothing_up()
    {
        const QString beep = clip(100);
        DesktopSound sound{100ms};
        auto stuck = std::make_unique<DesktopSound>(0ms);
        const QRegularExpression notice("cannot play sounds \\(the sound server does not answer\\)");
        QTest::ignoreMessage(QtWarningMsg, notice);
        QTest::ignoreMessage(QtWarningMsg, notice);
        QTest::failOnWarning(notice);
        ::kill(pid_t(server_.processId()), SIGSTOP);
        QCOMPARE(play(sound, beep, 100, 2000), "TimedOut");
        QCOMPARE(play(sound, beep, 0, 100), "Skipped");
        stuck->play(beep);
        const auto start = std::chrono::steady_clock::now();
        stuck.reset();
        QCOMPARE_LE((std::chrono::steady_clock::now() - start) / 1ms, 2000);
        ::kill(pid_t(server_.processId()), SIGCONT);
        QTRY_VERIFY_WITH_TIMEOUT(play(sound, beep, 0, 2000) != "Skipped", 10000);
        QCOMPARE_NE(sound.last_outcome(), DesktopSound::Outcome::Failed);  // it ended, or was cut off at its bound
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
