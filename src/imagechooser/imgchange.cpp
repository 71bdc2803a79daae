// The picture chooser windows of the two players.
#include "imagechooser/imgchange.h"

#include "platform/accessibility.h"
#include "platform/files.h"
#include "platform/messageboxes.h"
#include "platform/pictures.h"
#include "platform/windows.h"
#include "settings/settings.h"
#include "ui_imgchange.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>

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
    {"imgchange", QT_TRANSLATE_NOOP("trivolo::imgchange", "Change Player1 Image (Trivolo )"),
     QT_TRANSLATE_NOOP("trivolo::imgchange", "Player1 Image Changed. It Will Be Activated From Next Game"),
     QSize(329, 322), 16, 192, 200},
    {"imgchange2", QT_TRANSLATE_NOOP("trivolo::imgchange", "Change Player2 Image (Trivolo )"),
     QT_TRANSLATE_NOOP("trivolo::imgchange", "Player2 Image Changed. It Will Be Activated From Next Game"),
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

imgchange::imgchange(Services& services, Player player, QWidget* parent)
    : QWidget(parent)
    , ui_(std::make_unique<Ui::imgchange>())
    , services_(services)
    , player_(player)
{
    ui_->setupUi(this);
    // The window's flags first: setting them recreates the window, which forgets
    // where the keyboard focus was meant to start.
    make_fixed_dialog(this);
    apply_player_layout();
    apply_form_properties(this);
    setFixedSize(size());
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui_->File1, &QListWidget::itemSelectionChanged, this, &imgchange::File1_click);
    connect(ui_->Command1, &QPushButton::clicked, this, &imgchange::Command1_click);
    connect(ui_->Command2, &QPushButton::clicked, this, &imgchange::Command2_click);
    imgchange_load();
}

imgchange::~imgchange() = default;

void imgchange::apply_player_layout()
{
    const PlayerLayout& layout = layout_of(player_);
    setObjectName(QLatin1String(layout.object_name));
    setWindowTitle(tr(layout.caption));
    resize(layout.client);
    move_left(ui_->File1, layout.list_left);
    move_left(ui_->playerpic, layout.preview_left);
    move_left(ui_->Label1, layout.buttons_left);
    move_left(ui_->Command1, layout.buttons_left);
    move_left(ui_->Command2, layout.buttons_left);
    if (player_ == Player::Player2) {
        setTabOrder(ui_->Command2, ui_->Command1);
        setTabOrder(ui_->Command1, ui_->playerpic);
        setTabOrder(ui_->playerpic, ui_->File1);
    }
    // Both windows start on the list, what a player comes to choose from.
    ui_->File1->setFocus();
}

void imgchange::keyPressEvent(QKeyEvent* event)
{
    if (!dialog_key(
            *event, focusWidget(), [this] { Command1_click(); }, [this] { Command2_click(); }))
        QWidget::keyPressEvent(event);
}

QString& imgchange::own_file()
{
    return player_ == Player::Player1 ? p1file : p2file;
}

void imgchange::imgchange_load()
{
    centre_on_screen(this);

    // A missing folder simply lists nothing.
    const QDir images(data_file(kImagesFolder));
    // Each entry keeps the file's name as the system stores it: only those bytes open the file.
    for (const QByteArray& name : visible_file_names(images.path()))
        (new QListWidgetItem(readable_file_name(name), ui_->File1))->setData(Qt::UserRole, name);

    const QStringList names = read_first_two_lines(kPlayerImageFile);
    p1file = names.at(0);
    p2file = names.at(1);
    // A stored name that shows nothing is kept: it is the player's choice until another is made.
    preview(own_file(), false);
}

bool imgchange::preview(const QString& stored_name, bool note_failure)
{
    const QPixmap picture = load_picture(image_path(stored_name));
    if (picture.isNull()) {
        ui_->playerpic->setAlignment(Qt::AlignCenter);
        //: Shown in the preview when the chosen file cannot be shown as a picture.
        ui_->playerpic->setText(note_failure ? tr("Not a picture") : QString());
        return false;
    }
    // Drawn at its natural size from the corner; what does not fit is cut off, not
    // drawn over the border.
    ui_->playerpic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QRect visible = QRect(QPoint(0, 0), ui_->playerpic->contentsRect().size()).intersected(picture.rect());
    show_picture(ui_->playerpic, picture.copy(visible));
    return true;
}

void imgchange::File1_click()
{
    const QList<QListWidgetItem*> selected = ui_->File1->selectedItems();
    if (selected.isEmpty())
        return;
    const QString name = stored_image_name(selected.first()->data(Qt::UserRole).toByteArray());
    // playerimg.txt holds one name per line: a name with a line break cannot be stored.
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))) {
        services_.boxes.show(tr("This picture's file name contains a line break, so it cannot be saved as "
                                "your choice. Rename the file, then choose it."),
                             BoxButtons::OkInformation, tr("Picture Not Chosen"));
        return;
    }
    // A file that is not a picture is not taken: the choice stays as it was.
    if (preview(name, true))
        own_file() = name;
}

void imgchange::Command1_click()
{
    // The other player's line is taken as the file holds it now, so that a choice made
    // meanwhile in the other chooser survives.
    const Result<QStringList> stored = read_first_two_lines_to_rewrite(kPlayerImageFile);
    if (!stored.ok()) {
        report_write_failure(services_.boxes, stored.reason());
        return;
    }
    if (player_ == Player::Player1)
        p2file = stored.value().at(1);
    else
        p1file = stored.value().at(0);

    if (const Result<> saved = write_lines(kPlayerImageFile, {p1file, p2file}); !saved.ok()) {
        report_write_failure(services_.boxes, saved.reason());
        return;
    }
    services_.boxes.show(tr(layout_of(player_).confirmation), BoxButtons::OkOnly, tr("Image Change Confirmation"));
    close();
}

void imgchange::Command2_click()
{
    close();
}

}  // namespace trivolo
