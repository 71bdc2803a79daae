#pragma once

#include "imagechooser/choosers.h"

#include <QWidget>

#include <memory>

namespace trivolo {

namespace Ui {
class imgchange;
}

// A picture chooser: lists the files of the images folder, previews the one selected
// and stores it as the player's mark for the next game. One class serves both players;
// Player2's window ("imgchange2") differs only in its layout and caption.
class imgchange : public QWidget {
    Q_OBJECT
public:
    imgchange(Services& services, Player player, QWidget* parent = nullptr);
    ~imgchange() override;

    Player player() const { return player_; }

protected:
    // Escape cancels as Cancel does; Return or Enter stores the choice, as OK does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void imgchange_load();
    void File1_click();
    void Command1_click();
    void Command2_click();
    void apply_player_layout();
    // Shows the picture playerimg.txt would name so in the preview; false if the file
    // is none, with a short note in its place when asked for.
    bool preview(const QString& stored_name, bool note_failure);
    QString& own_file();

    std::unique_ptr<Ui::imgchange> ui_;
    Services& services_;
    Player player_;
    QString p1file;  // Player1's mark, as playerimg.txt names it
    QString p2file;  // Player2's mark
};

}  // namespace trivolo
