#pragma once

// Fakes of the outside world and helpers shared by the widget tests.

#include "imagechooser/choosers.h"
#include "mainwindow/main.h"
#include "platform/services.h"
#include "platform/windowowner.h"

#include <QAction>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace trivolo {

namespace test {

struct ShownBox {
    QString prompt;
    int buttons = 0;
    QString title;
};

// Makes ShownBox printable in QCOMPARE failures and comparable as a whole.
inline bool operator==(const ShownBox& a, const ShownBox& b)
{
    return a.prompt == b.prompt && a.buttons == b.buttons && a.title == b.title;
}

inline char* toString(const ShownBox& box)
{
    return qstrdup(qPrintable(QStringLiteral("\"%1\" %2 \"%3\"").arg(box.prompt).arg(box.buttons).arg(box.title)));
}

// Records every message box and answers from a script (OK once the script is used up).
class FakeBoxes : public MessageBoxService {
public:
    int show(const QString& prompt, int buttons, const QString& title) override;

    QList<ShownBox> shown;
    QList<int> answers;
    std::function<void(const ShownBox&)> on_show;  // runs while the "box" is open
};

// Records the sounds in the order they were played.
class FakeSound : public SoundService {
public:
    void play(const QString& path) override;

    QStringList played;
    std::function<void(const QString&)> on_play;  // runs while the "sound" plays
};

// Records the documents asked for.
class FakeDocuments : public DocumentService {
public:
    void open(const QString& path) override { opened.append(path); }

    QStringList opened;
};

// A temporary application folder holding a copy of the shipped one; the program is
// pointed at it for the lifetime of the object.
class TempAppFolder {
public:
    TempAppFolder();
    ~TempAppFolder();
    TempAppFolder(const TempAppFolder&) = delete;
    TempAppFolder& operator=(const TempAppFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString file(const QString& relative_name) const { return dir_.path() + relative_name; }
    void write(const QString& relative_name, const QByteArray& contents) const;
    QByteArray read(const QString& relative_name) const;
    void remove(const QString& relative_name) const;

private:
    QTemporaryDir dir_;
};

// While it lives, every write to a file fails as on a full disk (even for root):
// the file size limit is zero and the signal that would end the process is ignored.
class RefusedWrites {
public:
    RefusedWrites();
    ~RefusedWrites();
    RefusedWrites(const RefusedWrites&) = delete;
    RefusedWrites& operator=(const RefusedWrites&) = delete;

private:
    unsigned long long saved_limit_ = 0;
};

// Settings files to write into the application folder before the program starts:
// relative name and contents.
using Files = std::initializer_list<std::pair<QString, QByteArray>>;

// The program with fake services and a temporary application folder: the first
// main window is open.
struct TestApp {
    explicit TestApp(Files files = {});
    ~TestApp();

    main* window() const;
    // Runs the deletions the last reload left pending.
    static void settle();

    // The sounds played, as names relative to the application folder.
    QStringList sounds() const;

    TempAppFolder folder;
    FakeBoxes boxes;
    FakeSound sound;
    FakeDocuments documents;
    Services services{boxes, sound, documents};
    ImageChoosers choosers{services};
    MainWindowOwner owner;
};

template <typename T = QWidget>
T* child(const QObject* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

inline void trigger(const QObject* window, const char* action_name)
{
    child<QAction>(window, action_name)->trigger();
}

// A left click on cell 1 to 9 of the main window.
void click_cell(const main* window, int cell);

// What a picture box shows: a null image when it shows nothing.
QImage picture_of(const QWidget* box);

// The picture a file holds, converted for comparison with picture_of.
QImage picture_file(const QString& path);

}  // namespace test

// Read access to the main window's game state.
struct MainWindowProbe {
    static bool free(const main& w, int cell) { return const_cast<main&>(w).free_flag(cell); }
    static int turn(const main& w) { return w.turn; }
    static QString p1moves(const main& w) { return w.p1moves; }
    static QString p2moves(const main& w) { return w.p2moves; }
    static QString lastcell(const main& w) { return w.lastcell; }
    static bool soundon(const main& w) { return w.soundon; }
    static QString p1img(const main& w) { return w.p1img; }
    static QString p2img(const main& w) { return w.p2img; }
    static bool won(const main& w) { return w.won; }
    static bool gameover(const main& w) { return w.gameover; }
    static QString mode(const main& w) { return w.mode; }
    static int gamestate(const main& w) { return w.gamestate; }
    static const rules::WinLines& winlines(const main& w) { return w.winlines; }
};

}  // namespace trivolo
