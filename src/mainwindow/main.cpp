// The main window: construction, its handlers, the cells, and the menu commands that
// open other windows.
#include "mainwindow/main.h"

#include "help/help.h"
#include "imagechooser/choosers.h"
#include "mainwindow/picturebox.h"
#include "mainwindow/picturewords.h"
#include "modewindow/modefrm.h"
#include "platform/accessibility.h"
#include "platform/pictures.h"
#include "platform/translations.h"
#include "platform/windowowner.h"
#include "platform/windows.h"
#include "settings/settings.h"
#include "ui_main.h"

#include <QKeyEvent>
#include <QLayout>

#include <algorithm>
#include <array>

namespace trivolo {

namespace {

// The cells' places on the board, in the words a screen reader says after the cell's number.
constexpr std::array<const char*, 9> kCellPlaces{
    QT_TRANSLATE_NOOP("trivolo::main", "top left"),    QT_TRANSLATE_NOOP("trivolo::main", "top centre"),
    QT_TRANSLATE_NOOP("trivolo::main", "top right"),   QT_TRANSLATE_NOOP("trivolo::main", "centre left"),
    QT_TRANSLATE_NOOP("trivolo::main", "centre"),      QT_TRANSLATE_NOOP("trivolo::main", "centre right"),
    QT_TRANSLATE_NOOP("trivolo::main", "bottom left"), QT_TRANSLATE_NOOP("trivolo::main", "bottom centre"),
    QT_TRANSLATE_NOOP("trivolo::main", "bottom right")};

// The form's own pictures, compiled into the program: the card beside the board before the first
// game, and the banner of the side that moves first.
constexpr QLatin1StringView kHowToPlayCard{":/builtin/howtoplay.gif"};
constexpr QLatin1StringView kFirstBanner{":/builtin/player1.gif"};

// What a key does on the board: the cell it is about (0 for any other key) and whether
// it places a mark there or only moves the focus to it.
struct BoardKey {
    int cell = 0;
    bool places = false;
};

BoardKey board_key(const QKeyEvent& event, int focused)
{
    // Shift stays allowed: some layouts need it for the digits.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9)
        return {key - Qt::Key_0, true};
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        return {focused, true};
    int row = (focused - 1) / 3;
    int column = (focused - 1) % 3;
    switch (key) {
    case Qt::Key_Left: --column; break;
    case Qt::Key_Right: ++column; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    default: return {};
    }
    return {std::clamp(row, 0, 2) * 3 + std::clamp(column, 0, 2) + 1, false};
}

}  // namespace

main::main(Services& services, MainWindowOwner& owner, ImageChoosers& choosers)
    : ui_(std::make_unique<Ui::main>())
    , services_(services)
    , owner_(owner)
    , choosers_(choosers)
{
    ui_->setupUi(this);
    apply_form_properties(this);
    // The board area keeps its designed size; the window is that plus the menu bar.
    ui_->client->setFixedSize(ui_->client->size());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();  // the final size now, so that start-up centres the real window
    announcer_ = new Announcer(ui_->client);
    // The desktop sees the owner's frame, which this window fills from now on: start-up
    // places that window.
    owner_.fill_frame(this);
    connect_handlers();
    prepare_cells();
    show_first_pictures();
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
    auto* menu_key = new QAction(this);
    menu_key->setShortcut(Qt::Key_F10);
    addAction(menu_key);
    connect(menu_key, &QAction::triggered, this, &main::open_first_menu);
    for (int cell = 1; cell <= 9; ++cell)
        connect(cell_box(cell), &PictureBox::clicked, this, [this, cell] { cell_click(cell); });
}

void main::prepare_cells()
{
    // A cell is a button to press, whether it shows a mark or not.
    for (int cell = 1; cell <= 9; ++cell) {
        cell_box(cell)->set_screen_reader_role(QAccessible::Button);
        cell_box(cell)->setAccessibleName(cell_name(cell, Player::Nobody));
    }
    //: What a screen reader says of the board before a game: the menu command that starts one.
    ui_->Shape1->setAccessibleDescription(tr("The game has not started. Game, New Game (Ctrl+N) starts one."));
    ui_->Shape1->setFocusPolicy(Qt::TabFocus);
    ui_->Shape1->setFocus();
}

void main::show_first_pictures()
{
    ui_->howpic->setAccessibleName(how_to_play_title());
    ui_->howpic->setAccessibleDescription(how_to_play_steps());
    ui_->playerlevel->setAccessibleDescription(words_in(settings::kPlayer1Banner));
    // Decoded again only for a language with pictures of its own.
    for (const auto& [box, picture] : {std::pair{ui_->howpic, kHowToPlayCard}, {ui_->playerlevel, kFirstBanner}})
        if (const QString variant = in_language(picture); variant != picture)
            box->setPixmap(QPixmap(variant));
}

void main::open_board()
{
    ui_->Shape1->setAccessibleDescription({});
    ui_->Shape1->setFocusPolicy(Qt::NoFocus);
    // Tab focus only: a click must not move the focus frame a mouse player never sees.
    for (int cell = 1; cell <= 9; ++cell)
        cell_box(cell)->setFocusPolicy(Qt::TabFocus);
    ui_->p1->setFocus();
}

void main::open_first_menu()
{
    ui_->menubar->setActiveAction(ui_->game->menuAction());
}

void main::keyPressEvent(QKeyEvent* event)
{
    const BoardKey key = board_key(*event, focused_cell());
    // Without a game the board keys do nothing, as clicks do nothing.
    if (key.cell == 0 || !state_.game_running()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // A mark goes down when its key comes up, for a press this window saw begin. A held
    // key never plays: its repeats are marked as such, or come as a second press without
    // a release, or as releases and presses that follow one another closely. So does a
    // key still down from closing a message box, whose release comes here first.
    const bool repeated = event->isAutoRepeat() || event->key() == armed_key_
        || (event->key() == let_go_key_ && let_go_.isValid() && let_go_.elapsed() < kRepeatGapMs);
    armed_key_ = key.places && !repeated ? event->key() : 0;
    if (!key.places)
        focus_cell(key.cell);
}

void main::keyReleaseEvent(QKeyEvent* event)
{
    const BoardKey key = board_key(*event, focused_cell());
    if (event->isAutoRepeat() || event->key() != armed_key_ || !key.places || !state_.game_running()) {
        armed_key_ = 0;
        let_go_key_ = event->key();
        let_go_.start();
        QMainWindow::keyReleaseEvent(event);
        return;
    }
    armed_key_ = 0;
    const bool focus_moves = focusWidget() != cell_box(key.cell);
    focus_cell(key.cell);
    // The click may end the game and replace this window: nothing follows it.
    cell_click(key.cell, focus_moves);
}

void main::changeEvent(QEvent* event)
{
    // A key that is down while a message box or another window takes over is not the
    // player's next move.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        armed_key_ = 0;
    QMainWindow::changeEvent(event);
}

void main::focus_cell(int cell)
{
    setAttribute(Qt::WA_KeyboardFocusChange);
    cell_box(cell)->setFocus(Qt::OtherFocusReason);
    cell_box(cell)->update();
}

int main::focused_cell() const
{
    for (int cell = 1; cell <= 9; ++cell)
        if (focusWidget() == cell_box(cell))
            return cell;
    return 1;
}

void main::put_mark(int cell, const QPixmap& mark, Player holder)
{
    show_picture(cell_box(cell), mark);
    cell_box(cell)->setAccessibleName(cell_name(cell, holder));
}

void main::tell_news()
{
    if (!news_.isEmpty())
        announcer_->announce(news_.join(QLatin1String(". ")));
    news_.clear();
    named_by_focus_.clear();
}

QString main::cell_name(int cell, Player holder) const
{
    const QString place = tr(kCellPlaces.at(cell - 1));
    if (holder == Player::Nobody)
        //: A screen reader's name of an empty cell: %1 its number, %2 its place on the board.
        return tr("Cell %1, %2: empty").arg(cell).arg(place);
    //: A screen reader's name of a taken cell: %1 its number, %2 its place, %3 the side holding it.
    return tr("Cell %1, %2: %3").arg(cell).arg(place, side_name(holder));
}

PictureBox* main::cell_box(int cell) const
{
    const std::array<PictureBox*, 9> cells{ui_->p1, ui_->p2, ui_->p3, ui_->p4, ui_->p5,
                                           ui_->p6, ui_->p7, ui_->p8, ui_->p9};
    return cells.at(cell - 1);
}

void main::gmode_click()
{
    if (state_.game_running()) {
        services_.boxes.show(tr("First Quit This Game, Then Change Mode"), BoxButtons::OkInformation,
                             tr("Cannot Change Game Mode Now."));
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
