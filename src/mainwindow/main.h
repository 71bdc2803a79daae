#pragma once

#include "game/gamestate.h"
#include "platform/services.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <memory>

namespace trivolo {

namespace Ui {
class main;
}

class Announcer;
class ImageChoosers;
class MainWindowOwner;
class PictureBox;

// The main window: the board, the side panel, the result strip and the menus, and
// the whole state of one game. A window holds at most one game; when the game ends
// or is abandoned the window is replaced by a fresh one (MainWindowOwner::reload),
// inside the one frame that the desktop sees for the whole run.
class main : public QMainWindow {
    Q_OBJECT
public:
    main(Services& services, MainWindowOwner& owner, ImageChoosers& choosers);
    ~main() override;

    // Read-only view of the game, for tests.
    const GameState& game() const { return state_; }

protected:
    // The board from the keyboard: arrows move between the cells, Space or Return marks
    // the focused cell, and 1 to 9 mark the cell of that number, as a click on it would.
    // A mark goes down when its key comes up, for a key this window saw go down.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void connect_handlers();
    // The cells take the focus from the keyboard only and are named for screen readers;
    // until New Game the board itself holds the focus and says that no game runs.
    void prepare_cells();
    // The pictures the form shows from the start, in the player's language where it has its own,
    // with their words for screen readers.
    void show_first_pictures();
    // New Game: the cells take over the focus from the board, from cell 1.
    void open_board();
    // F10, as on other desktops: opens the menu bar's first menu.
    void open_first_menu();

    // Start-up: the sound switch and the mode labels from their files, the frame centred on screen.
    void main_load();

    // Menu commands.
    void ngame_click();
    void gmode_click();
    void exit_click();
    void on_click();
    void Off_click();
    void playerimg1_click();
    void playerimg2_click();
    void Guide_click();
    void readme_click();

    // Names the two sides in the game-mode panel: Player1 against the computer or Player2.
    void show_sides();
    // A click on cell 1 to 9: the mover's mark, then the turn handler of the mode. The
    // keys that move the focus onto the cell have had it named by the focus already.
    void cell_click(int cell, bool named_by_focus = false);

    // Two-player turn change: record the move, ask the referee, pass the turn.
    void player_select();
    // One-player turn: record the human's move, ask the referee, let the computer answer.
    void computer_select();
    // The referee: announces a win for the player who has just moved, or a full board.
    void check(const QString& moves);
    // Puts the computer's mark in cell 1 to 9 and marks the cell taken.
    void putc(int cell);
    // The computer's later answers: chooses a cell and places its mark there.
    void check_lose();

    // Places the computer's mark on a cell given as its digit and records the move.
    void place_computer_mark(const QString& cell);
    // Shows in the side panel whose turn it is: the player's mark and banner.
    void show_turn_panel(const QPixmap& mark, Player player);
    // Shows the result picture and sound and the closing message, then ends the game.
    void announce_result(QLatin1StringView picture, QLatin1StringView sound, const QString& message);
    // Plays a sound from the application folder while the sound is switched on.
    void play_sound(QLatin1StringView relative_name);
    // Writes the sound switch and says so; leaves everything as it was if the write fails.
    void switch_sound(bool on);

    // Shows a mark in a cell and names the cell after the side that holds it.
    void put_mark(int cell, const QPixmap& mark, Player holder);
    // What a screen reader says of a cell: its number, its place and who holds it.
    QString cell_name(int cell, Player holder) const;
    // A side as the player knows it: Player1, Player2 or the computer.
    QString side_name(Player player) const;
    // The two-player turn message for the player to move.
    static QString turn_message(Player player);
    // The cell holding the focus, or cell 1 while none does.
    int focused_cell() const;
    // Moves the focus, framed, to a cell.
    void focus_cell(int cell);
    // Gathers what a screen reader is to say of the current move, and says it at once,
    // before a message box opens or when the turn has passed.
    void tell(const QString& line) { news_ << line; }
    void tell_news();

    PictureBox* cell_box(int cell) const;
    QPixmap player_mark(Player player) const;

    std::unique_ptr<Ui::main> ui_;
    Services& services_;
    MainWindowOwner& owner_;
    ImageChoosers& choosers_;
    Announcer* announcer_ = nullptr;
    QStringList news_;
    QString named_by_focus_;  // the player's cell of this move, as the focus named it
    int armed_key_ = 0;       // the board key whose release will place a mark
    int let_go_key_ = 0;      // the key last released without placing one, and since when
    QElapsedTimer let_go_;
    // Longer than key events take through a screen reader's key listener, shorter than a
    // player takes to press a key again after closing a message box with it.
    static constexpr qint64 kRepeatGapMs = 500;
    GameState state_;
};

}  // namespace trivolo
