#pragma once

#include "platform/services.h"

#include <QObject>

#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>

class QEventLoop;

namespace trivolo {

// Plays sounds through libcanberra, the desktop's event-sound library: it reports when a
// sound has finished, fails at once without a sound server, and knows the theme's default
// event sound ("bell"), which stands in for a file that cannot be played.
//
// Threading: a canberra call can block inside the sound server's client library for as long
// as the server does not answer (one that is stopped rather than gone: half a minute), so
// every call runs on a worker thread of the service's own, which starts, and opens the
// library, with the first sound. play() hands the sound to the worker and waits in a local
// event loop, bounded by the clip's length plus the margin, for the report that it has
// ended or failed. If the worker is still inside a call when a wait
// runs out, later sounds are skipped until that call returns. A worker still stuck when the
// service is destroyed is left behind to finish on its own (or to end with the process).
class DesktopSound final : public SoundService {
public:
    // How the last call to play() ended; for diagnostics and tests.
    enum class Outcome { None, Finished, TimedOut, Failed, Skipped };

    // The server reports a sound's end a little after the clip itself; margin is how much
    // later than the clip's length we stop waiting and cut the sound off. However long a
    // header says its sound is, no clip counts as longer than longest (the game's sounds are
    // all much shorter).
    explicit DesktopSound(std::chrono::milliseconds margin = std::chrono::milliseconds(1000),
                          std::chrono::milliseconds longest = std::chrono::milliseconds(5000));
    ~DesktopSound() override;
    DesktopSound(const DesktopSound&) = delete;
    DesktopSound& operator=(const DesktopSound&) = delete;

    void play(const QString& path) override;
    Outcome last_outcome() const { return outcome_; }

private:
    struct Worker;

    bool server_stuck() const;
    Outcome wait_for_end(std::chrono::milliseconds bound);
    void reported(std::uint32_t id, int error);
    void notice(const char* why);

    std::chrono::milliseconds margin_;
    std::chrono::milliseconds longest_;
    std::shared_ptr<Worker> worker_;  // shared with the worker thread, which may outlive us
    std::thread thread_;
    QObject relay_;  // receives the reports from other threads on this object's thread
    QEventLoop* waiting_ = nullptr;
    std::uint32_t current_ = 0;
    bool ended_ = false;
    int error_ = 0;  // how the current sound ended, when it has
    bool warned_ = false;
    Outcome outcome_ = Outcome::None;
};

}  // namespace trivolo
