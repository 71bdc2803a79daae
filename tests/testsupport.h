#pragma once

// Fakes of the outside world and helpers shared by the widget tests.

#include "imagechooser/choosers.h"
#include "mainwindow/main.h"
#include "platform/services.h"
#include "platform/windowowner.h"
#include "settings/settings.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

#include <sys/resource.h>

namespace trivolo::test {

struct ShownBox {
    QString prompt;
    BoxButtons buttons = BoxButtons::OkOnly;
    QString title;
    bool operator==(const ShownBox&) const = default;
};

// Records every message box and answers from a script (OK once the script is used up);
// on_show runs while the "box" is open.
struct FakeBoxes : MessageBoxService {
    BoxAnswer show(const QString& prompt, BoxButtons buttons, const QString& title) override
    {
        shown.append({prompt, buttons, title});
        if (on_show)
            on_show(shown.last());
        return answers.isEmpty() ? BoxAnswer::Ok : answers.takeFirst();
    }
    QList<ShownBox> shown;
    QList<BoxAnswer> answers;
    std::function<void(const ShownBox&)> on_show;
};

// Records the sounds in the order they were played; on_play runs while the "sound" plays.
struct FakeSound : SoundService {
    void play(const QString& path) override
    {
        played.append(path);
        if (on_play)
            on_play(path);
    }
    QStringList played;
    std::function<void(const QString&)> on_play;
};

struct FakeDocuments : DocumentService {
    void open(const QString& path) override { opened.append(path); }
    QStringList opened;
};

// A temporary application folder holding a copy of the shipped one; the program is
// pointed at it for the lifetime of the object.
class TempAppFolder {
public:
    TempAppFolder();
    ~TempAppFolder() { settings::set_app_folder({}); }
    Q_DISABLE_COPY_MOVE(TempAppFolder)

    QString path() const { return dir_.path(); }
    QString file(const QString& relative_name) const { return dir_.path() + relative_name; }
    void write(const QString& relative_name, const QByteArray& contents) const;
    QByteArray read(const QString& relative_name) const;
    void remove(const QString& relative_name) const { QFile::remove(file(relative_name)); }

private:
    QTemporaryDir dir_;
};

// While it lives, every write to a file beyond `room` bytes fails as on a full disk (even for
// root): the file size limit is set and the signal that would end the process is ignored.
class RefusedWrites {
public:
    explicit RefusedWrites(rlim_t room = 0);
    ~RefusedWrites() { setrlimit(RLIMIT_FSIZE, &saved_); }
    Q_DISABLE_COPY_MOVE(RefusedWrites)

private:
    rlimit saved_{};
};

// Settings files (relative name, contents) to write before the program starts.
using Files = std::initializer_list<std::pair<QString, QByteArray>>;

// The program with fake services and a temporary application folder: the first
// main window is open.
struct TestApp {
    explicit TestApp(Files files = {});

    main* window() const { return qobject_cast<main*>(owner.window()); }
    const GameState& game() const { return window()->game(); }
    // Runs the deletions the last reload left pending.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // The sounds played, as names relative to the application folder.
    QStringList sounds() const;

    TempAppFolder folder;
    FakeBoxes boxes;
    FakeSound sound;
    FakeDocuments documents;
    Services services{boxes, sound, documents};
    MainWindowOwner owner;
    ImageChoosers choosers{services, owner.frame()};
};

template <typename T = QWidget>
T* child(const QObject* window, const QString& name)
{
    return window->findChild<T*>(name);
}

inline void trigger(const QObject* window, const char* action_name)
{
    child<QAction>(window, QLatin1String(action_name))->trigger();
}

// A left click on the window's control of that name; left clicks on the cells whose digits the text holds, in order.
void click(const QObject* window, const QString& control);
void click_cells(const TestApp& app, const QString& cells);

// What a picture box of the window shows (a null image when it shows nothing), and the
// picture a file holds, converted alike for comparison.
QImage picture_of(const QObject* window, const QString& box);
inline QImage picture_file(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace trivolo::test

Q_DECLARE_METATYPE(trivolo::Player)
