#pragma once

#include <QString>

namespace trivolo {

// The buttons of a message box, as the game's dialogs use them.
enum class BoxButtons { OkOnly, YesNo, OkInformation };

// The button that closed a message box.
enum class BoxAnswer { Ok, Yes, No };

// Modal message boxes: a prompt, its buttons and a title; returns the answer.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual BoxAnswer show(const QString& prompt, BoxButtons buttons, const QString& title) = 0;
};

// Plays a wave file synchronously: returns once the clip has finished (or could not play).
class SoundService {
public:
    virtual ~SoundService() = default;
    virtual void play(const QString& path) = 0;
};

// Opens a document with the desktop's associated viewer, without waiting for it.
class DocumentService {
public:
    virtual ~DocumentService() = default;
    virtual void open(const QString& path) = 0;
};

// Everything a window needs from the world outside the program.
struct Services {
    MessageBoxService& boxes;
    SoundService& sound;
    DocumentService& documents;
};

}  // namespace trivolo
