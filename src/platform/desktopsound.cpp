#include "platform/desktopsound.h"

#include "platform/log.h"
#include "platform/wavfile.h"

#include <QByteArray>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <canberra.h>
#include <dlfcn.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <type_traits>

namespace trivolo {

using std::chrono::milliseconds;

namespace {

// The theme's bell is a short blip.
constexpr milliseconds kBellLength{500};
// How long the service's end waits for the worker to let go of the sound server.
constexpr milliseconds kFarewell{500};

// Errors that are about the file rather than the sound system: the desktop's default
// sound plays instead, as it would for a file that is not there.
bool unplayable_file(int error)
{
    return error == CA_ERROR_NOTFOUND || error == CA_ERROR_CORRUPT || error == CA_ERROR_NOTSUPPORTED
        || error == CA_ERROR_ACCESS;
}

// libcanberra, opened with the first sound rather than with the program: loading it and the
// libraries it brings along is a noticeable part of a start-up that plays nothing yet. It is
// never closed, as its own threads may still call back.
struct Canberra {
    decltype(&ca_context_create) context_create = nullptr;
    decltype(&ca_context_change_props) context_change_props = nullptr;
    decltype(&ca_context_open) context_open = nullptr;
    decltype(&ca_context_destroy) context_destroy = nullptr;
    decltype(&ca_context_cancel) context_cancel = nullptr;
    decltype(&ca_context_play_full) context_play_full = nullptr;
    decltype(&ca_proplist_create) proplist_create = nullptr;
    decltype(&ca_proplist_sets) proplist_sets = nullptr;
    decltype(&ca_proplist_destroy) proplist_destroy = nullptr;
    decltype(&ca_strerror) strerror = nullptr;

    bool loaded() const { return strerror != nullptr; }
};

Canberra load_canberra()
{
    void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return {};
    Canberra functions;
    const auto bind = [library](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
        return function != nullptr;
    };
    const bool complete = bind(functions.context_create, "ca_context_create")
        && bind(functions.context_change_props, "ca_context_change_props")
        && bind(functions.context_open, "ca_context_open") && bind(functions.context_destroy, "ca_context_destroy")
        && bind(functions.context_cancel, "ca_context_cancel")
        && bind(functions.context_play_full, "ca_context_play_full")
        && bind(functions.proplist_create, "ca_proplist_create") && bind(functions.proplist_sets, "ca_proplist_sets")
        && bind(functions.proplist_destroy, "ca_proplist_destroy") && bind(functions.strerror, "ca_strerror");
    return complete ? functions : Canberra{};
}

// Opened by the first thread that asks, the worker's; the others then find it open.
const Canberra& canberra()
{
    static const Canberra functions = load_canberra();
    return functions;
}

const char* describe(int error)
{
    return canberra().loaded() ? canberra().strerror(error) : "libcanberra.so.0 cannot be loaded";
}

}  // namespace

// The state the service shares with its worker thread. Everything but the context is guarded
// by the mutex, which is never held during a canberra call.
struct DesktopSound::Worker {
    struct Job {
        std::uint32_t id = 0;
        QByteArray file;  // empty: the theme's bell
        bool cancel = false;
    };

    std::mutex mutex;
    std::condition_variable wake;  // a job or the end for the worker; the worker's end for the service
    std::deque<Job> jobs;
    DesktopSound* owner = nullptr;  // null once the service has gone
    std::uint32_t awaited = 0;      // the sound the service is waiting for
    bool busy = false;              // running a job, so maybe inside the server's library
    bool stuck = false;             // busy when a wait ran out; cleared when the job returns
    bool quit = false;
    bool done = false;
    ca_context* context = nullptr;  // the worker thread's alone

    void run();
    int play(const Job& job);
    int open();
    void drop_context();
    int start(std::uint32_t id, const char* property, const QByteArray& value);
    void report(std::uint32_t id, int error);
    static void ended(ca_context* /*context*/, std::uint32_t id, int error, void* self);
};

void DesktopSound::Worker::run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return quit || !jobs.empty(); });
        if (quit)
            break;
        const Job job = jobs.front();
        jobs.pop_front();
        busy = true;
        lock.unlock();
        int error = CA_SUCCESS;
        if (!job.cancel)
            error = play(job);
        else if (context)
            canberra().context_cancel(context, job.id);  // its end report, if any, is then stale
        if (error != CA_SUCCESS)
            report(job.id, error);
        lock.lock();
        busy = stuck = false;
    }
    lock.unlock();
    drop_context();
    lock.lock();
    done = true;
    wake.notify_all();
}

int DesktopSound::Worker::play(const Job& job)
{
    int error = open();
    if (error != CA_SUCCESS)
        return error;
    {
        // The service may have given up on the sound while the server kept us waiting.
        const std::lock_guard lock(mutex);
        if (awaited != job.id)
            return CA_SUCCESS;
    }
    if (!job.file.isEmpty())
        error = start(job.id, CA_PROP_MEDIA_FILENAME, job.file);
    if (job.file.isEmpty() || unplayable_file(error))
        error = start(job.id, CA_PROP_EVENT_ID, "bell");
    // Anything but a bad file means the sound system is gone or broken: a fresh context for
    // the next sound finds a server that has come (back) since.
    if (error != CA_SUCCESS && !unplayable_file(error))
        drop_context();
    return error;
}

int DesktopSound::Worker::open()
{
    if (context)
        return CA_SUCCESS;
    if (!canberra().loaded())
        return CA_ERROR_NOTAVAILABLE;
    int error = canberra().context_create(&context);
    if (error == CA_SUCCESS) {
        // The name the desktop's mixer shows for our sounds.
        canberra().context_change_props(context, CA_PROP_APPLICATION_NAME, "Trivolo", nullptr);
        error = canberra().context_open(context);
    }
    if (error != CA_SUCCESS)
        drop_context();
    return error;
}

void DesktopSound::Worker::drop_context()
{
    if (context)
        canberra().context_destroy(context);
    context = nullptr;
}

int DesktopSound::Worker::start(std::uint32_t id, const char* property, const QByteArray& value)
{
    ca_proplist* properties = nullptr;
    if (canberra().proplist_create(&properties) != CA_SUCCESS)
        return CA_ERROR_OOM;
    canberra().proplist_sets(properties, property, value.constData());
    const int error = canberra().context_play_full(context, id, properties, ended, this);
    canberra().proplist_destroy(properties);
    return error;
}

void DesktopSound::Worker::report(std::uint32_t id, int error)
{
    // Posted under the lock, so the service cannot be gone before the event is: its relay
    // then discards the event with itself.
    const std::lock_guard lock(mutex);
    if (owner)
        QMetaObject::invokeMethod(
            &owner->relay_, [sound = owner, id, error] { sound->reported(id, error); }, Qt::QueuedConnection);
}

void DesktopSound::Worker::ended(ca_context* /*context*/, std::uint32_t id, int error, void* self)
{
    // Called on canberra's own thread, at the latest while the worker destroys the context.
    static_cast<Worker*>(self)->report(id, error);
}

DesktopSound::DesktopSound(milliseconds margin, milliseconds longest)
    : margin_(margin)
    , longest_(longest)
    , worker_(std::make_shared<Worker>())
{
    worker_->owner = this;
}

DesktopSound::~DesktopSound()
{
    if (!thread_.joinable())
        return;  // no sound was ever asked for
    std::unique_lock lock(worker_->mutex);
    worker_->owner = nullptr;
    worker_->quit = true;
    worker_->wake.notify_all();
    const bool done = worker_->wake.wait_for(lock, kFarewell, [this] { return worker_->done; });
    lock.unlock();
    // A worker stuck in a call to a server that does not answer would hold up the program's
    // exit for as long as the server stays silent. It holds its own share of the state and
    // tells nobody anything any more, so it can safely be left to finish, or be ended with
    // the process.
    if (done)
        thread_.join();
    else
        thread_.detach();
}

void DesktopSound::play(const QString& path)
{
    // A timer or queued slot running inside our wait may ask for another sound. A nested
    // wait would overlap two clips and tangle the two waits; playing it later would detach
    // the sound from the moment its caller meant. Skipping it keeps both calls synchronous.
    // A server that has stopped answering would make every sound wait out its bound.
    if (waiting_ || server_stuck()) {
        outcome_ = Outcome::Skipped;
        return;
    }
    // A file we cannot make sense of rings the bell, as a missing one does.
    const Result<WavInfo> wav = read_wav_info(path);
    const milliseconds length = wav.ok() ? std::min(milliseconds(wav.value().duration_ms), longest_) : kBellLength;
    // The worker, and with it the sound library, starts with the first sound.
    if (!thread_.joinable())
        thread_ = std::thread([worker = worker_] { worker->run(); });
    {
        const std::lock_guard lock(worker_->mutex);
        worker_->awaited = ++current_;
        worker_->jobs.push_back({current_, wav.ok() ? QFile::encodeName(path) : QByteArray()});
    }
    worker_->wake.notify_all();
    outcome_ = wait_for_end(length + margin_);
}

bool DesktopSound::server_stuck() const
{
    const std::lock_guard lock(worker_->mutex);
    return worker_->stuck;
}

DesktopSound::Outcome DesktopSound::wait_for_end(milliseconds bound)
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
    if (ended_) {
        if (error_ == CA_SUCCESS)
            return Outcome::Finished;
        notice(describe(error_));
        return Outcome::Failed;
    }
    bool stuck = false;
    {
        const std::lock_guard lock(worker_->mutex);
        worker_->awaited = 0;
        worker_->jobs.push_back({current_, {}, true});
        stuck = worker_->stuck = worker_->busy;
    }
    worker_->wake.notify_all();
    if (stuck)
        notice("the sound server does not answer");
    return Outcome::TimedOut;
}

void DesktopSound::reported(std::uint32_t id, int error)
{
    if (waiting_ && id == current_) {
        ended_ = true;
        error_ = error;
        waiting_->quit();
    }
}

void DesktopSound::notice(const char* why)
{
    if (!warned_) {
        warned_ = true;
        qCWarning(lcTrivolo, "cannot play sounds (%s); going on without them", why);
    }
}

}  // namespace trivolo
