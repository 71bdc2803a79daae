#include "platform/desktopsound.h"

#include "platform/log.h"
#include "platform/wavfile.h"

#include <QByteArray>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QtDebug>

#include <canberra.h>

namespace trivolo {

using std::chrono::milliseconds;

namespace {

// The theme's bell is a short blip; this only bounds a server that never reports its end.
constexpr milliseconds kBellBound{2000};
// A file canberra can play but whose header we cannot read (another codec, say): game
// sounds are short, so this is a cap, not a length.
constexpr milliseconds kUnknownLength{5000};

// Errors that are about the file rather than the sound system: the desktop's default
// sound plays instead, as it would for a file that is not there.
bool unplayable_file(int error)
{
    return error == CA_ERROR_NOTFOUND || error == CA_ERROR_CORRUPT
        || error == CA_ERROR_NOTSUPPORTED || error == CA_ERROR_ACCESS;
}

}  // namespace

DesktopSound::DesktopSound(milliseconds margin) : margin_(margin) {}

DesktopSound::~DesktopSound()
{
    // Joins canberra's thread, so no end report can reach relay_ after this.
    drop_context();
}

void DesktopSound::play(const QString& path)
{
    // A timer or queued slot running inside our wait may ask for another sound. A nested
    // wait would overlap two clips and tangle the two waits; playing it later would detach
    // the sound from the moment its caller meant. Skipping it keeps both calls synchronous.
    if (waiting_) {
        outcome_ = Outcome::Skipped;
        return;
    }
    if (!open_context())
        return;

    milliseconds bound = kBellBound;
    int error = CA_ERROR_NOTFOUND;
    if (QFileInfo(path).isFile()) {
        const auto wav = read_wav_info(path);
        bound = (wav ? milliseconds(wav->duration_ms) : kUnknownLength) + margin_;
        error = start(CA_PROP_MEDIA_FILENAME, QFile::encodeName(path));
    }
    if (unplayable_file(error)) {
        bound = kBellBound;
        error = start(CA_PROP_EVENT_ID, "bell");
    }
    if (error != CA_SUCCESS) {
        failed(error);
        return;
    }
    outcome_ = wait_for_end(bound) ? Outcome::Finished : Outcome::TimedOut;
}

bool DesktopSound::open_context()
{
    if (context_)
        return true;
    int error = ca_context_create(&context_);
    if (error == CA_SUCCESS) {
        // The name the desktop's mixer shows for our sounds.
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Trivolo", nullptr);
        error = ca_context_open(context_);
    }
    if (error != CA_SUCCESS) {
        drop_context();
        failed(error);
    }
    return context_ != nullptr;
}

void DesktopSound::drop_context()
{
    if (context_)
        ca_context_destroy(context_);
    context_ = nullptr;
}

int DesktopSound::start(const char* property, const QByteArray& value)
{
    ca_proplist* properties = nullptr;
    if (ca_proplist_create(&properties) != CA_SUCCESS)
        return CA_ERROR_OOM;
    ca_proplist_sets(properties, property, value.constData());
    const int error = ca_context_play_full(context_, ++current_, properties, ended_elsewhere, this);
    ca_proplist_destroy(properties);
    return error;
}

bool DesktopSound::wait_for_end(milliseconds bound)
{
    // Painting and timers go on while the sound plays; user input waits until it is over,
    // as the game's moves are meant to finish before the next click is taken.
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    timeout.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire before the clip ends
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    ended_ = false;
    waiting_ = &loop;
    timeout.start(bound);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    waiting_ = nullptr;
    if (!ended_)
        ca_context_cancel(context_, current_);  // its end report, if any, is then stale
    return ended_;
}

void DesktopSound::failed(int error)
{
    // Anything but a bad file means the sound system is gone or broken: a fresh context on
    // the next call finds a server that has come (back) since, and without one costs a
    // failed connect and no more.
    if (!unplayable_file(error))
        drop_context();
    if (!warned_) {
        warned_ = true;
        qCWarning(lcTrivolo, "cannot play sounds (%s); going on without them", ca_strerror(error));
    }
    outcome_ = Outcome::Failed;
}

void DesktopSound::ended(std::uint32_t id)
{
    if (waiting_ && id == current_) {
        ended_ = true;
        waiting_->quit();
    }
}

void DesktopSound::ended_elsewhere(ca_context*, std::uint32_t id, int, void* self)
{
    // Called on canberra's own thread: hand the news to the GUI thread's event queue.
    auto* sound = static_cast<DesktopSound*>(self);
    QMetaObject::invokeMethod(&sound->relay_, [sound, id] { sound->ended(id); }, Qt::QueuedConnection);
}

}  // namespace trivolo
