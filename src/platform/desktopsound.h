#pragma once

#include "platform/services.h"

#include <QObject>

#include <chrono>
#include <cstdint>

struct ca_context;
class QByteArray;
class QEventLoop;

namespace trivolo {

// Plays sounds through libcanberra, the desktop's event-sound library: it reports when a
// sound has finished, fails at once without a sound server, and knows the theme's default
// event sound ("bell"), which stands in for a file that cannot be played.
class DesktopSound final : public SoundService {
public:
    // How the last call to play() ended; for diagnostics and tests.
    enum class Outcome { None, Finished, TimedOut, Failed, Skipped };

    // The server reports a sound's end a little after the clip itself; margin is how much
    // later than the clip's length we stop waiting and cut the sound off.
    explicit DesktopSound(std::chrono::milliseconds margin = std::chrono::milliseconds(1000));
    ~DesktopSound() override;
    DesktopSound(const DesktopSound&) = delete;
    DesktopSound& operator=(const DesktopSound&) = delete;

    void play(const QString& path) override;
    Outcome last_outcome() const { return outcome_; }

private:
    bool open_context();
    void drop_context();
    int start(const char* property, const QByteArray& value);
    bool wait_for_end(std::chrono::milliseconds bound);
    void failed(int error);
    void ended(std::uint32_t id);
    static void ended_elsewhere(ca_context*, std::uint32_t id, int error, void* self);

    std::chrono::milliseconds margin_;
    ca_context* context_ = nullptr;
    QObject relay_;  // receives canberra's end reports on this object's thread
    QEventLoop* waiting_ = nullptr;
    std::uint32_t current_ = 0;
    bool ended_ = false;
    bool warned_ = false;
    Outcome outcome_ = Outcome::None;
};

}  // namespace trivolo
