#pragma once

#include <QString>

namespace trivolo {

// The buttons value of a message box, as the game's dialogs use them.
enum BoxButtons : int {
    OkOnly = 0,
    YesNo = 4,
    OkInformation = 64,
};

// The answer a message box returns.
enum BoxAnswer : int {
    AnswerOk = 1,
    AnswerYes = 6,
    AnswerNo = 7,
};

// Modal message boxes: a prompt, a buttons value and a title; returns the answer.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int show(const QString& prompt, int buttons, const QString& title) = 0;
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
