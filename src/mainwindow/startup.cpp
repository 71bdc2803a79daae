// The main window's start-up, the sound switch and the way every sound is played.
#include "mainwindow/main.h"

#include "platform/messageboxes.h"
#include "platform/windows.h"
#include "settings/settings.h"
#include "ui_main.h"

namespace trivolo {

using namespace settings;

void main::main_load()
{
    soundon = read_first_line(kSoundFile) == QLatin1String(kSoundOnValue);
    ui->slevel->setText(soundon ? QStringLiteral("ON") : QStringLiteral("OFF"));

    mode = read_first_line(kModeFile);
    show_sides();
    if (mode != QLatin1String(kComputerModeValue))
        ui->msgb->setVisible(true);

    if (windowState() & Qt::WindowMinimized)
        setWindowState(windowState() & ~Qt::WindowMinimized);
    centre_on_screen(this);
}

void main::show_sides()
{
    ui->modeshow->setText(QStringLiteral("Player1"));
    ui->modeshow1->setText(mode == QLatin1String(kComputerModeValue) ? QStringLiteral("Computer")
                                                                     : QStringLiteral("Player2"));
}

void main::on_on_triggered()
{
    // The file decides, not soundon: the end of a game silences soundon for a moment.
    if (read_first_line(kSoundFile) == QLatin1String(kSoundOnValue)) {
        services.boxes.show(QStringLiteral("Sound Is Already On."), OkOnly, QStringLiteral("Sound Information"));
        return;
    }
    switch_sound(true);
}

void main::on_Off_triggered()
{
    if (read_first_line(kSoundFile) != QLatin1String(kSoundOnValue)) {
        services.boxes.show(QStringLiteral("Sound Is Already OFF."), OkOnly, QStringLiteral("Sound Information"));
        return;
    }
    switch_sound(false);
}

void main::switch_sound(bool on)
{
    const WriteResult saved = write_lines(kSoundFile, {QString::fromLatin1(on ? kSoundOnValue : kSoundOffValue)});
    if (!saved.ok) {
        report_write_failure(services.boxes, saved.error);
        return;
    }
    ui->slevel->setText(on ? QStringLiteral("ON") : QStringLiteral("OFF"));
    services.boxes.show(on ? QStringLiteral("Sound Is Now On.") : QStringLiteral("Sound Is Now OFF."), OkOnly,
                        QStringLiteral("Sound Information"));
    soundon = on;
}

void main::play_sound(const char* relative_name)
{
    if (soundon)
        services.sound.play(app_file(QString::fromLatin1(relative_name)));
}

}  // namespace trivolo
