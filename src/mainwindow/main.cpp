// The main window: construction, its handlers, the cells, and the menu commands that
// open other windows.
#include "mainwindow/main.h"

#include "help/help.h"
#include "imagechooser/choosers.h"
#include "mainwindow/picturebox.h"
#include "modewindow/modefrm.h"
#include "platform/windows.h"
#include "ui_main.h"

#include <QLayout>

#include <array>

namespace trivolo {

namespace {

constexpr std::array<bool main::GameState::*, 9> kFreeFlags{
    &main::GameState::p1free, &main::GameState::p2free, &main::GameState::p3free,
    &main::GameState::p4free, &main::GameState::p5free, &main::GameState::p6free,
    &main::GameState::p7free, &main::GameState::p8free, &main::GameState::p9free};

}  // namespace

main::GameState main::GameState::started(bool soundon, const QStringList& images, const QString& mode)
{
    return {.p1free = true,
            .p2free = true,
            .p3free = true,
            .p4free = true,
            .p5free = true,
            .p6free = true,
            .p7free = true,
            .p8free = true,
            .p9free = true,
            .turn = Player::Player1,
            .p1moves = {},
            .p2moves = {},
            .lastcell = {},
            .soundon = soundon,
            .p1img = images.value(0),
            .p2img = images.value(1),
            .won = false,
            .gameover = false,
            .mode = mode,
            .gamestate = 1,
            .winlines = rules::standard_win_lines()};
}

bool main::GameState::is_free(int cell) const
{
    return this->*kFreeFlags.at(cell - 1);
}

void main::GameState::set_free(int cell, bool free)
{
    this->*kFreeFlags.at(cell - 1) = free;
}

main::main(Services& services, MainWindowOwner& owner, ImageChoosers& choosers, QWidget* parent)
    : QMainWindow(parent)
    , ui_(std::make_unique<::Ui::main>())
    , services_(services)
    , owner_(owner)
    , choosers_(choosers)
{
    ui_->setupUi(this);
    apply_form_properties(this);
    make_fixed_window(this, true);
    // The board area keeps its designed size; the window is that plus the menu bar.
    ui_->client->setFixedSize(ui_->client->size());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();  // the final size now, so that start-up centres the real window
    connect_handlers();
    main_load();
}

main::~main() = default;

void main::connect_handlers()
{
    connect(ui_->ngame, &QAction::triggered, this, &main::ngame_click);
    connect(ui_->gmode, &QAction::triggered, this, &main::gmode_click);
    connect(ui_->exit, &QAction::triggered, this, &main::exit_click);
    connect(ui_->on, &QAction::triggered, this, &main::on_click);
    connect(ui_->Off, &QAction::triggered, this, &main::Off_click);
    connect(ui_->playerimg1, &QAction::triggered, this, &main::playerimg1_click);
    connect(ui_->playerimg2, &QAction::triggered, this, &main::playerimg2_click);
    connect(ui_->Guide, &QAction::triggered, this, &main::Guide_click);
    connect(ui_->readme, &QAction::triggered, this, &main::readme_click);
    for (int cell = 1; cell <= 9; ++cell)
        connect(cell_box(cell), &PictureBox::clicked, this, [this, cell] { cell_click(cell); });
}

PictureBox* main::cell_box(int cell) const
{
    const std::array<PictureBox*, 9> cells{ui_->p1, ui_->p2, ui_->p3, ui_->p4, ui_->p5,
                                           ui_->p6, ui_->p7, ui_->p8, ui_->p9};
    return cells.at(cell - 1);
}

void main::gmode_click()
{
    if (state.game_running()) {
        services_.boxes.show(QStringLiteral("First Quit This Game, Then Change Mode"), BoxButtons::OkInformation,
                             QStringLiteral("Cannot Change Game Mode Now."));
        return;
    }
    (new modefrm(services_, owner_, this))->show();
}

void main::playerimg1_click()
{
    choosers_.show(Player::Player1);
}

void main::playerimg2_click()
{
    choosers_.show(Player::Player2);
}

void main::Guide_click()
{
    help::open_guide(services_.documents);
}

void main::readme_click()
{
    help::open_readme(services_.documents);
}

}  // namespace trivolo
