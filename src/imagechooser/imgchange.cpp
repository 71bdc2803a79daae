// The picture chooser windows of the two players.
#include "imagechooser/imgchange.h"

#include "platform/messageboxes.h"
#include "platform/pictures.h"
#include "platform/windows.h"
#include "settings/settings.h"
#include "ui_imgchange.h"

#include <QDir>

#include <array>

namespace trivolo {

using namespace settings;

namespace {

// What sets the two windows apart. The form is drawn for Player1.
struct PlayerLayout {
    const char* object_name;
    const char* caption;
    const char* confirmation;
    QSize client;
    int list_left;
    int preview_left;
    int buttons_left;  // also the left of the "Preview" caption
};

constexpr std::array<PlayerLayout, 2> kLayouts{{
    {"imgchange", "Change Player1 Image (Trivolo )", "Player1 Image Changed. It Will Be Activated From Next Game",
     QSize(329, 322), 16, 192, 200},
    {"imgchange2", "Change Player2 Image (Trivolo )", "Player2 Image Changed. It Will Be Activated From Next Game",
     QSize(314, 309), 8, 184, 192},
}};

const PlayerLayout& layout_of(Player player)
{
    return kLayouts.at(player == Player::Player1 ? 0 : 1);
}

void move_left(QWidget* widget, int left)
{
    widget->move(left, widget->y());
}

}  // namespace

imgchange::imgchange(Services& services_, Player player, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::imgchange>())
    , services(services_)
    , player_(player)
{
    ui->setupUi(this);
    // The window's flags first: setting them recreates the window, which forgets
    // where the keyboard focus was meant to start.
    make_fixed_window(this, false);
    apply_player_layout();
    apply_form_properties(this);
    setFixedSize(size());
    setAttribute(Qt::WA_DeleteOnClose);
    imgchange_load();
}

imgchange::~imgchange() = default;

void imgchange::apply_player_layout()
{
    const PlayerLayout& layout = layout_of(player_);
    setObjectName(QLatin1String(layout.object_name));
    setWindowTitle(QLatin1String(layout.caption));
    resize(layout.client);
    move_left(ui->File1, layout.list_left);
    move_left(ui->playerpic, layout.preview_left);
    move_left(ui->Label1, layout.buttons_left);
    move_left(ui->Command1, layout.buttons_left);
    move_left(ui->Command2, layout.buttons_left);
    if (player_ == Player::Player2) {
        setTabOrder(ui->Command2, ui->Command1);
        setTabOrder(ui->Command1, ui->playerpic);
        setTabOrder(ui->playerpic, ui->File1);
        // The keyboard starts where the order starts, not at the first control created.
        ui->Command2->setFocus();
    }
}

QString& imgchange::own_file()
{
    return player_ == Player::Player1 ? p1file : p2file;
}

void imgchange::imgchange_load()
{
    centre_on_screen(this);

    // A missing folder simply lists nothing.
    const QDir images(app_file(QString::fromLatin1(kImagesFolder)));
    ui->File1->addItems(images.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));

    const QStringList names = read_first_two_lines(kPlayerImageFile);
    p1file = names.at(0);
    p2file = names.at(1);
    // A stored name that shows nothing is kept: it is the player's choice until another is made.
    preview(own_file(), false);
}

bool imgchange::preview(const QString& file_name, bool note_failure)
{
    const QPixmap picture = load_image(file_name);
    if (picture.isNull()) {
        ui->playerpic->setAlignment(Qt::AlignCenter);
        ui->playerpic->setText(note_failure ? QStringLiteral("Not a picture") : QString());
        return false;
    }
    // Drawn at its natural size from the corner; what does not fit is cut off, not
    // drawn over the border.
    ui->playerpic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QRect visible = QRect(QPoint(0, 0), ui->playerpic->contentsRect().size()).intersected(picture.rect());
    show_picture(ui->playerpic, picture.copy(visible));
    return true;
}

void imgchange::on_File1_itemSelectionChanged()
{
    const QList<QListWidgetItem*> selected = ui->File1->selectedItems();
    if (selected.isEmpty())
        return;
    const QString name = selected.first()->text();
    // A file that is not a picture is not taken: the choice stays as it was.
    if (preview(name, true))
        own_file() = name;
}

void imgchange::on_Command1_clicked()
{
    // The other player's line is taken as the file holds it now, so that a choice made
    // meanwhile in the other chooser survives.
    const QStringList stored = read_first_two_lines(kPlayerImageFile);
    if (player_ == Player::Player1)
        p2file = stored.at(1);
    else
        p1file = stored.at(0);

    const WriteResult saved = write_lines(kPlayerImageFile, {p1file, p2file});
    if (!saved.ok) {
        report_write_failure(services.boxes, saved.error);
        return;
    }
    services.boxes.show(QLatin1String(layout_of(player_).confirmation), OkOnly,
                        QStringLiteral("Image Change Confirmation"));
    close();
}

void imgchange::on_Command2_clicked()
{
    close();
}

}  // namespace trivolo
