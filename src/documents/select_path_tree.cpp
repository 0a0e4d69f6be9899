#include "documents/select_path_tree.h"

#include <QFile>
#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QShowEvent>
#include <QVBoxLayout>

#include "ui/resources.h"

namespace zavro {

namespace {

constexpr int kPathRole = Qt::UserRole;

QIcon TreeIcon(int normal, int selected) {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(ui::TreePicture(normal)), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(ui::TreePicture(selected)), QIcon::Selected);
    return icon;
}

int DriveImage(VolumeKind kind) {
    switch (kind) {
    case VolumeKind::Removable: return ui::kImageFloppy;
    case VolumeKind::Fixed: return ui::kImageHard;
    case VolumeKind::Network: return ui::kImageNetwork;
    case VolumeKind::Optical: return ui::kImageCdrom;
    case VolumeKind::Other: break;
    }
    return ui::kImageRam;
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace

TFormSelectPathTree::TFormSelectPathTree(std::shared_ptr<const VolumeSource> volumes,
                                         QWidget* parent)
    : ui::LookDialog(ui::ImagesSelectPathTree(), ui::CaptionsSelectPathTree(), parent,
                     Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      volumes_(volumes ? std::move(volumes) : std::make_shared<SystemVolumeSource>()) {
    setWindowTitle(QStringLiteral("Выбор папки для размещения файлов конфигурации"));
    setFixedSize(460, 480);

    TV_Path = new QTreeWidget(this);
    TV_Path->setGeometry(8, 8, 444, 372);
    TV_Path->setHeaderHidden(true);
    TV_Path->setColumnCount(1);
    TV_Path->setIndentation(24);
    TV_Path->setIconSize(QSize(16, 16));
    TV_Path->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TV_Path->setAnimated(false);
    // Folders are read only when they open, so the view cannot know whether
    // a double click should open one: the window decides by the expand mark.
    TV_Path->setExpandsOnDoubleClick(false);

    StaticText_TempPath = new QLabel(QStringLiteral("<none>"), this);
    StaticText_TempPath->setTextFormat(Qt::PlainText);
    StaticText_TempPath->setGeometry(8, 386, 444, 24);
    StaticText_TempPath->setFrameShape(QFrame::StyledPanel);

    BtnOK = new ui::BitBtn(QStringLiteral("Применить"), 2, ui::GlyphLayout::Left, this);
    BtnOK->setGeometry(40, 420, 170, 44);
    BtnOK->setDefault(true);
    BtnOK->setToolTip(QStringLiteral("Применить сделанные настройки"));
    BtnCancel = new ui::BitBtn(QStringLiteral("Отказаться"), 1, ui::GlyphLayout::Left, this);
    BtnCancel->setGeometry(250, 420, 170, 44);
    BtnCancel->SetModalResult(ui::mrCancel);
    BtnCancel->setToolTip(QStringLiteral("Отменить изменения настроек"));
    SetCancelButton(BtnCancel);

    connect(TV_Path, &QTreeWidget::itemExpanded, this, &TFormSelectPathTree::TV_PathExpanding);
    connect(TV_Path, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { TV_PathChange(current); });
    connect(TV_Path, &QTreeWidget::itemDoubleClicked, this, [](QTreeWidgetItem* item) {
        if (item->isExpanded()) item->setExpanded(false);
        else if (item->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator)
            item->setExpanded(true);
    });
    connect(BtnOK, &QPushButton::clicked, this, &TFormSelectPathTree::BtnOKClick);
    Watch(TV_Path);
    Watch(BtnOK);
    Watch(BtnCancel);

    AddDrives();
}

void TFormSelectPathTree::AddDrives() {
    for (const Volume& v : volumes_->Volumes()) {
        auto* node = new QTreeWidgetItem(TV_Path);
        const QString text = QFile::decodeName(QByteArray::fromStdString(v.mountPoint));
        node->setText(0, text);
        const int image = DriveImage(v.kind);
        node->setIcon(0, TreeIcon(image, image));
        QString path = text;
        if (!path.endsWith(QLatin1Char(kPathSeparator))) path += QLatin1Char(kPathSeparator);
        node->setData(0, kPathRole, path);
        // A drive is marked as having children without looking inside.
        node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
}

QString TFormSelectPathTree::NodePath(const QTreeWidgetItem* item) {
    return item ? item->data(0, kPathRole).toString() : QString();
}

void TFormSelectPathTree::TV_PathExpanding(QTreeWidgetItem* item) {
    // The children are read again at every expansion.
    qDeleteAll(item->takeChildren());
    const QString path = NodePath(item);
    const auto names = ListSubfolders(LocalPath(path));
    if (!names) {
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
        item->setExpanded(false);
        return;
    }
    const QIcon folder = TreeIcon(ui::kImageClosedFolder, ui::kImageOpenFolder);
    QList<QTreeWidgetItem*> children;
    for (const std::string& name : *names) {
        auto* child = new QTreeWidgetItem();
        const QString text = QFile::decodeName(QByteArray::fromStdString(name));
        child->setText(0, text);
        child->setIcon(0, folder);
        const QString childPath = path + text + QLatin1Char(kPathSeparator);
        child->setData(0, kPathRole, childPath);
        child->setChildIndicatorPolicy(HasSubfolder(LocalPath(childPath))
                                           ? QTreeWidgetItem::ShowIndicator
                                           : QTreeWidgetItem::DontShowIndicator);
        children.append(child);
    }
    item->addChildren(children);
    item->setChildIndicatorPolicy(children.isEmpty() ? QTreeWidgetItem::DontShowIndicator
                                                     : QTreeWidgetItem::ShowIndicator);
}

void TFormSelectPathTree::TV_PathChange(QTreeWidgetItem* current) {
    if (current != nullptr) StaticText_TempPath->setText(NodePath(current));
}

void TFormSelectPathTree::BtnOKClick() {
    // Before any folder has been chosen the path line holds no path; the
    // folder given by the caller then stays as it was.
    if (TV_Path->currentItem() != nullptr) ResultPath = StaticText_TempPath->text();
    done(ui::mrOk);
}

void TFormSelectPathTree::showEvent(QShowEvent* event) {
    ui::LookDialog::showEvent(event);
    if (event->spontaneous()) return;
    BtnCancel->setFocus(Qt::OtherFocusReason);
    PaintButtons();
}

} // namespace zavro
