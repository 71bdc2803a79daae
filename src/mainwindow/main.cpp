// The main window: construction, the cells, and the menu commands that open other windows.
#include "mainwindow/main.h"

#include "help/help.h"
#include "imagechooser/choosers.h"
#include "mainwindow/picturebox.h"
#include "modewindow/modefrm.h"
#include "platform/windows.h"
#include "ui_main.h"

#include <QLayout>

namespace trivolo {

main::main(Services& services_, MainWindowOwner& owner_, ImageChoosers& choosers_, QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<::Ui::main>())
    , services(services_)
    , owner(owner_)
    , choosers(choosers_)
{
    ui->setupUi(this);
    apply_form_properties(this);
    make_fixed_window(this, true);
    // The board area keeps its designed size; the window is that plus the menu bar.
    ui->client->setFixedSize(ui->client->size());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();  // the final size now, so that start-up centres the real window
    main_load();
}

main::~main() = default;

PictureBox* main::cell_box(int cell) const
{
    const std::array<PictureBox*, 9> cells{ui->p1, ui->p2, ui->p3, ui->p4, ui->p5,
                                           ui->p6, ui->p7, ui->p8, ui->p9};
    return cells.at(cell - 1);
}

bool& main::free_flag(int cell)
{
    static constexpr std::array<bool main::*, 9> flags{&main::p1free, &main::p2free, &main::p3free,
                                                       &main::p4free, &main::p5free, &main::p6free,
                                                       &main::p7free, &main::p8free, &main::p9free};
    return this->*flags.at(cell - 1);
}

void main::on_p1_clicked() { cell_click(1); }
void main::on_p2_clicked() { cell_click(2); }
void main::on_p3_clicked() { cell_click(3); }
void main::on_p4_clicked() { cell_click(4); }
void main::on_p5_clicked() { cell_click(5); }
void main::on_p6_clicked() { cell_click(6); }
void main::on_p7_clicked() { cell_click(7); }
void main::on_p8_clicked() { cell_click(8); }
void main::on_p9_clicked() { cell_click(9); }

void main::on_gmode_triggered()
{
    if (gamestate >= 1) {
        services.boxes.show(QStringLiteral("First Quit This Game, Then Change Mode"), OkInformation,
                            QStringLiteral("Cannot Change Game Mode Now."));
        return;
    }
    (new modefrm(services, owner, this))->show();
}

void main::on_playerimg1_triggered()
{
    choosers.show(Player::Player1);
}

void main::on_playerimg2_triggered()
{
    choosers.show(Player::Player2);
}

void main::on_Guide_triggered()
{
    help::open_guide(services.documents);
}

void main::on_readme_triggered()
{
    help::open_readme(services.documents);
}

}  // namespace trivolo
