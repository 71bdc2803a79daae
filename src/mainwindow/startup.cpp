// The main window's start-up, the sound switch and the way every sound is played.
#include "mainwindow/main.h"

#include "platform/messageboxes.h"
#include "platform/windows.h"
#include "settings/settings.h"
#include "ui_main.h"

namespace trivolo {

using namespace settings;

namespace {

QString sound_label(bool on)
{
    //: The sound indicator in the side panel, after "Game Sound": ON, or else OFF.
    return on ? main::tr("ON") : main::tr("OFF");
}

}  // namespace

void main::main_load()
{
    state_.soundon = is_sound_on(read_first_line(kSoundFile));
    ui_->slevel->setText(sound_label(state_.soundon));

    state_.mode = read_game_mode();
    show_sides();
    if (!state_.against_computer())
        ui_->msgb->setVisible(true);

    // The window the desktop sees: the frame this window fills.
    QWidget* frame = window();
    if (frame->windowState() & Qt::WindowMinimized)
        frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
    centre_on_screen(frame);
}

void main::show_sides()
{
    ui_->modeshow->setText(side_name(Player::Player1));
    ui_->modeshow1->setText(side_name(Player::Player2));
}

void main::on_click()
{
    // The file decides, not soundon: the end of a game silences soundon for a moment.
    if (is_sound_on(read_first_line(kSoundFile))) {
        services_.boxes.show(tr("Sound Is Already On."), BoxButtons::OkOnly, tr("Sound Information"));
        return;
    }
    switch_sound(true);
}

void main::Off_click()
{
    if (!is_sound_on(read_first_line(kSoundFile))) {
        services_.boxes.show(tr("Sound Is Already OFF."), BoxButtons::OkOnly, tr("Sound Information"));
        return;
    }
    switch_sound(false);
}

void main::switch_sound(bool on)
{
    if (const Result<> saved = write_lines(kSoundFile, {on ? kSoundOn : kSoundOff}); !saved.ok()) {
        report_write_failure(services_.boxes, saved.reason());
        return;
    }
    ui_->slevel->setText(sound_label(on));
    services_.boxes.show(on ? tr("Sound Is Now On.") : tr("Sound Is Now OFF."), BoxButtons::OkOnly,
                         tr("Sound Information"));
    state_.soundon = on;
}

void main::play_sound(QLatin1StringView relative_name)
{
    if (state_.soundon)
        services_.sound.play(app_file(relative_name));
}

}  // namespace trivolo
