// Memory per game: plays New Game, one move, Quit and Yes on the real main window with
// silent services, many times over, and prints how much the resident size grows for
// each main window that a fresh one replaces. The resident size also moves with the
// allocator's free pages; the heap in use and the count of live widgets show whether
// anything is really kept.
//   QT_QPA_PLATFORM=offscreen bench_window_soak [replacements]
#include "imagechooser/choosers.h"
#include "mainwindow/main.h"
#include "mainwindow/picturebox.h"
#include "platform/windowowner.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace {

struct AlwaysYes : trivolo::MessageBoxService {
    trivolo::BoxAnswer show(const QString& /*prompt*/, trivolo::BoxButtons /*buttons*/,
                            const QString& /*title*/) override
    {
        return trivolo::BoxAnswer::Yes;
    }
};
struct Silence : trivolo::SoundService {
    void play(const QString& /*path*/) override { }
};
struct NoViewer : trivolo::DocumentService {
    void open(const QString& /*path*/) override { }
};

double resident_kib()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

// What the program holds on the heap, without the allocator's free pages and pieces.
double heap_in_use_kib()
{
    return static_cast<double>(mallinfo2().uordblks) / 1024.0;
}

void play_one_game(trivolo::MainWindowOwner& owner)
{
    QWidget* window = owner.window();
    window->findChild<QAction*>(QStringLiteral("ngame"))->trigger();
    emit window->findChild<trivolo::PictureBox*>(QStringLiteral("p1"))->clicked();
    window->findChild<QAction*>(QStringLiteral("exit"))->trigger();  // answered Yes: a fresh window
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Plays games and returns the lowest resident size seen after them: a single sample may
// catch a window system buffer of a window that is only just going (megabytes on xcb).
double settled_resident_kib(trivolo::MainWindowOwner& owner, int games)
{
    double lowest = resident_kib();
    for (int game = 0; game < games; ++game) {
        play_one_game(owner);
        lowest = std::min(lowest, resident_kib());
    }
    return lowest;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int replacements = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    const trivolo::test::TempAppFolder folder;  // the program plays in a copy of the shipped folder

    AlwaysYes boxes;
    Silence sound;
    NoViewer documents;
    trivolo::Services services{boxes, sound, documents};
    trivolo::MainWindowOwner owner;
    trivolo::ImageChoosers choosers(services, owner.frame());
    owner.show_first([&](trivolo::MainWindowOwner& self) { return new trivolo::main(services, self, choosers); });
    constexpr int kSettlingGames = 20;
    for (int warm_up = 0; warm_up < 100 - kSettlingGames; ++warm_up)  // caches and pools reach their working size
        play_one_game(owner);

    const double before = settled_resident_kib(owner, kSettlingGames);
    const double heap_before = heap_in_use_kib();
    const qsizetype widgets_before = QApplication::allWidgets().size();
    for (int game = 0; game < replacements - kSettlingGames; ++game)
        play_one_game(owner);
    const double growth = settled_resident_kib(owner, kSettlingGames) - before;
    const double heap_growth = heap_in_use_kib() - heap_before;
    std::printf("%d replacements: resident size grew %.0f KiB, %.2f KiB per replacement\n", replacements, growth,
                growth / replacements);
    std::printf("heap in use grew %.0f KiB, %.2f KiB per replacement; %lld widgets more\n", heap_growth,
                heap_growth / replacements, static_cast<long long>(QApplication::allWidgets().size() - widgets_before));
    return 0;
}
