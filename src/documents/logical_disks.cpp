#include "documents/logical_disks.h"

#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QShowEvent>

#include "ui/resources.h"

namespace zavro {

namespace {

constexpr int kMountRole = Qt::UserRole;
constexpr int kItemHeight = 32;

} // namespace

TFormLogicalDisks::TFormLogicalDisks(std::shared_ptr<const VolumeSource> volumes,
                                     QWidget* parent)
    : ui::LookDialog(ui::ImagesLogicalDisks(), ui::CaptionsLogicalDisks(), parent,
                     Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      volumes_(volumes ? std::move(volumes) : std::make_shared<SystemVolumeSource>()) {
    setWindowTitle(QStringLiteral("Выбор диска устройства:"));
    setFixedSize(420, 300);

    ListBoxDisks = new QListWidget(this);
    ListBoxDisks->setGeometry(8, 8, 404, 224);
    ListBoxDisks->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBoxDisks->setIconSize(QSize(16, 16));

    BtnOK = new ui::BitBtn(QStringLiteral("Выбрать"), 2, ui::GlyphLayout::Left, this);
    BtnOK->setGeometry(30, 242, 170, 44);
    BtnOK->setDefault(true);
    BtnOK->SetModalResult(ui::mrOk);
    BtnCancel = new ui::BitBtn(QStringLiteral("Отказаться"), 1, ui::GlyphLayout::Left, this);
    BtnCancel->setGeometry(220, 242, 170, 44);
    SetCancelButton(BtnCancel);
    connect(BtnCancel, &QPushButton::clicked, this, [this] {
        // The selection is cleared, so that GetSelectedDrive gives no drive.
        ListBoxDisks->clearSelection();
        ListBoxDisks->setCurrentItem(nullptr);
        done(ui::mrCancel);
    });
    Watch(ListBoxDisks);
    Watch(BtnOK);
    Watch(BtnCancel);
}

QString TFormLogicalDisks::ItemText(const QString& mountPoint) {
    return QStringLiteral("Disk ") + mountPoint + QStringLiteral(": [сменный диск]");
}

QString TFormLogicalDisks::GetSelectedDrive() const {
    const QList<QListWidgetItem*> selected = ListBoxDisks->selectedItems();
    if (selected.isEmpty()) return {};
    return selected.first()->data(kMountRole).toString();
}

void TFormLogicalDisks::showEvent(QShowEvent* event) {
    ui::LookDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFormLogicalDisks::FormShow() {
    ListBoxDisks->clear();
    const QIcon icon(QPixmap::fromImage(ui::TreePicture(ui::kImageFloppy)));
    for (const Volume& v : RemovableVolumes(*volumes_)) {
        const QString mount = QFile::decodeName(QByteArray::fromStdString(v.mountPoint));
        auto* item = new QListWidgetItem(icon, ItemText(mount), ListBoxDisks);
        item->setData(kMountRole, mount);
        item->setSizeHint(QSize(0, kItemHeight));
    }
    if (ListBoxDisks->count() > 0) {
        ListBoxDisks->setCurrentRow(0);
        BtnOK->setEnabled(true);
    } else {
        BtnOK->setEnabled(false);
    }
    BtnCancel->setFocus(Qt::OtherFocusReason);
    PaintButtons();
}

} // namespace zavro
