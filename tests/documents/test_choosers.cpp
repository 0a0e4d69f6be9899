// The folder chooser over a temporary folder tree, the device-disk chooser
// over temporary folders standing for removable volumes, and the reading of
// the mount table.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <memory>

#include "documents/logical_disks.h"
#include "documents/select_path_tree.h"
#include "fake_volumes.h"
#include "ui/resources.h"

using namespace zavro;

namespace {

QStringList ChildTexts(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i) texts << item->child(i)->text(0);
    return texts;
}

QTreeWidgetItem* Child(QTreeWidgetItem* item, const QString& text) {
    for (int i = 0; i < item->childCount(); ++i)
        if (item->child(i)->text(0) == text) return item->child(i);
    return nullptr;
}

bool ShowsExpandMark(const QTreeWidgetItem* item) {
    return item->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
}

void MakeFile(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

std::string Std(const QString& s) { return s.toStdString(); }

// Shows a window modally, performs the action once it is active, and closes
// it with the close box when the action left it open.
int RunModal(ui::LookDialog& dialog, const std::function<void()>& action) {
    QTimer::singleShot(0, &dialog, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        action();
        QTest::qWait(10);
        if (dialog.isVisible()) dialog.windowHandle()->close();
    });
    return dialog.ShowModal();
}

} // namespace

class ChoosersTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void treeListsSortedFoldersAtEachExpansion();
    void pathLineAndResult();
    void applyWithoutSelectionKeepsResultPath();
    void unreadableFolderShowsNoChildren();
    void driveIcons_data();
    void driveIcons();
    void diskChooserListsRemovableVolumes();
    void diskChooserCancelGivesNoDrive();
    void diskChooserWithoutVolumes();
    void mountKinds_data();
    void mountKinds();
    void mountTableEscapes();
    void systemSourceOverFakeSystem();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString root_;
};

void ChoosersTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    root_ = dir_->path();
    QDir d(root_);
    for (const char* sub : {"gamma", "Alpha/inner", "beta", "delta_later_removed"}) QVERIFY(d.mkpath(sub));
    QVERIFY(QDir(root_ + "/delta_later_removed").removeRecursively());
    MakeFile(root_ + "/beta/only-a-file.ini");
    MakeFile(root_ + "/top-file.ini");
}

void ChoosersTest::treeListsSortedFoldersAtEachExpansion() {
    TFormSelectPathTree chooser(
        std::make_shared<FakeVolumeSource>(std::vector<Volume>{{Std(root_), VolumeKind::Fixed}}));
    chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QTreeWidgetItem* drive = chooser.TV_Path->topLevelItem(0);
    QCOMPARE(chooser.TV_Path->topLevelItemCount(), 1);
    QCOMPARE(drive->text(0), root_);
    QVERIFY(ShowsExpandMark(drive));
    QCOMPARE(drive->childCount(), 0); // not looked into before expansion

    chooser.TV_Path->setFocus();
    chooser.TV_Path->setCurrentItem(drive);
    QTest::keyClick(chooser.TV_Path, Qt::Key_Right);
    QVERIFY(drive->isExpanded());
    QCOMPARE(ChildTexts(drive), (QStringList{"Alpha", "beta", "gamma"}));
    QVERIFY(ShowsExpandMark(Child(drive, "Alpha")));
    QVERIFY(!ShowsExpandMark(Child(drive, "beta")));  // files only
    QVERIFY(!ShowsExpandMark(Child(drive, "gamma"))); // empty

    // A folder made later appears once the parent is collapsed and expanded.
    QVERIFY(QDir(root_).mkpath("Beta2/x"));
    QTest::keyClick(chooser.TV_Path, Qt::Key_Left);
    QVERIFY(!drive->isExpanded());
    QTest::keyClick(chooser.TV_Path, Qt::Key_Right);
    QCOMPARE(ChildTexts(drive), (QStringList{"Alpha", "beta", "Beta2", "gamma"}));
    QVERIFY(ShowsExpandMark(Child(drive, "Beta2")));

    // The expand mark of a folder with sub-folders opens it too.
    QTreeWidgetItem* alpha = Child(drive, "Alpha");
    const QRect r = chooser.TV_Path->visualItemRect(alpha);
    QTest::mouseClick(chooser.TV_Path->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(chooser.TV_Path->viewport(), Qt::LeftButton, {}, r.center());
    QVERIFY(alpha->isExpanded());
    QCOMPARE(ChildTexts(alpha), QStringList{"inner"});
}

void ChoosersTest::pathLineAndResult() {
    TFormSelectPathTree chooser(
        std::make_shared<FakeVolumeSource>(std::vector<Volume>{{Std(root_), VolumeKind::Fixed}}));
    QCOMPARE(chooser.StaticText_TempPath->text(), QString("<none>"));
    const int result = RunModal(chooser, [&] {
        QCOMPARE(chooser.focusWidget(), chooser.BtnCancel);
        chooser.TV_Path->setFocus();
        chooser.TV_Path->setCurrentItem(chooser.TV_Path->topLevelItem(0));
        QCOMPARE(chooser.StaticText_TempPath->text(), root_ + "/");
        QTest::keyClick(chooser.TV_Path, Qt::Key_Right);
        QTest::keyClick(chooser.TV_Path, Qt::Key_Down); // Alpha
        QCOMPARE(chooser.StaticText_TempPath->text(), root_ + "/Alpha/");
        QTest::keyClick(chooser.TV_Path, Qt::Key_Right);
        QTest::keyClick(chooser.TV_Path, Qt::Key_Down); // inner
        QCOMPARE(chooser.StaticText_TempPath->text(), root_ + "/Alpha/inner/");
        QTest::mouseClick(chooser.BtnOK, Qt::LeftButton);
    });
    QCOMPARE(result, int(ui::mrOk));
    QCOMPARE(chooser.ResultPath, root_ + "/Alpha/inner/");

    // "Отказаться" leaves ResultPath alone.
    chooser.ResultPath = "/given/";
    QCOMPARE(RunModal(chooser, [&] { QTest::keyClick(chooser.focusWidget(), Qt::Key_Escape); }),
             int(ui::mrCancel));
    QCOMPARE(chooser.ResultPath, QString("/given/"));
    // The tree keeps its state between uses.
    QCOMPARE(chooser.StaticText_TempPath->text(), root_ + "/Alpha/inner/");
}

void ChoosersTest::applyWithoutSelectionKeepsResultPath() {
    TFormSelectPathTree chooser(
        std::make_shared<FakeVolumeSource>(std::vector<Volume>{{Std(root_), VolumeKind::Fixed}}));
    chooser.ResultPath = root_ + "/gamma/";
    const int result = RunModal(chooser, [&] { QTest::mouseClick(chooser.BtnOK, Qt::LeftButton); });
    QCOMPARE(result, int(ui::mrOk));
    QCOMPARE(chooser.ResultPath, root_ + "/gamma/");
}

void ChoosersTest::unreadableFolderShowsNoChildren() {
    QVERIFY(QDir(root_).mkpath("vanishing/sub"));
    TFormSelectPathTree chooser(
        std::make_shared<FakeVolumeSource>(std::vector<Volume>{{Std(root_), VolumeKind::Fixed}}));
    QTreeWidgetItem* drive = chooser.TV_Path->topLevelItem(0);
    drive->setExpanded(true);
    QTreeWidgetItem* vanishing = Child(drive, "vanishing");
    QVERIFY(ShowsExpandMark(vanishing));
    QVERIFY(QDir(root_ + "/vanishing").removeRecursively());
    vanishing->setExpanded(true);
    QCOMPARE(vanishing->childCount(), 0);
    QVERIFY(!ShowsExpandMark(vanishing));
    QVERIFY(!vanishing->isExpanded());
}

void ChoosersTest::driveIcons_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("image");
    QTest::newRow("removable") << int(VolumeKind::Removable) << int(ui::kImageFloppy);
    QTest::newRow("fixed") << int(VolumeKind::Fixed) << int(ui::kImageHard);
    QTest::newRow("network") << int(VolumeKind::Network) << int(ui::kImageNetwork);
    QTest::newRow("optical") << int(VolumeKind::Optical) << int(ui::kImageCdrom);
    QTest::newRow("other") << int(VolumeKind::Other) << int(ui::kImageRam);
}

void ChoosersTest::driveIcons() {
    QFETCH(int, kind);
    QFETCH(int, image);
    TFormSelectPathTree chooser(std::make_shared<FakeVolumeSource>(
        std::vector<Volume>{{Std(root_), VolumeKind(kind)}}));
    const QImage shown = chooser.TV_Path->topLevelItem(0)->icon(0).pixmap(16, 16).toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown, ui::TreePicture(image).convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(shown.pixelColor(0, 0).alpha(), 0); // pure blue is transparent
}

void ChoosersTest::diskChooserListsRemovableVolumes() {
    QDir(root_).mkpath("E");
    QDir(root_).mkpath("G");
    TFormLogicalDisks disks(std::make_shared<FakeVolumeSource>(std::vector<Volume>{
        {"/", VolumeKind::Fixed},
        {Std(root_ + "/G"), VolumeKind::Removable},
        {Std(root_ + "/net"), VolumeKind::Network},
        {Std(root_ + "/E"), VolumeKind::Removable}}));
    int result = RunModal(disks, [&] {
        QCOMPARE(disks.ListBoxDisks->count(), 2);
        QCOMPARE(disks.ListBoxDisks->item(0)->text(),
                 "Disk " + root_ + "/E: [сменный диск]");
        QCOMPARE(disks.ListBoxDisks->item(1)->text(),
                 "Disk " + root_ + "/G: [сменный диск]");
        QCOMPARE(disks.ListBoxDisks->currentRow(), 0);
        QVERIFY(disks.BtnOK->isEnabled());
        QCOMPARE(disks.focusWidget(), disks.BtnCancel);
        QTest::mouseClick(disks.BtnOK, Qt::LeftButton);
    });
    QCOMPARE(result, int(ui::mrOk));
    QCOMPARE(disks.GetSelectedDrive(), root_ + "/E");

    // The list is rebuilt at every showing; the second volume by the keyboard.
    result = RunModal(disks, [&] {
        QCOMPARE(disks.ListBoxDisks->currentRow(), 0);
        disks.ListBoxDisks->setFocus();
        QTest::keyClick(disks.ListBoxDisks, Qt::Key_Down);
        QTest::keyClick(disks.ListBoxDisks, Qt::Key_Return);
    });
    QCOMPARE(result, int(ui::mrOk));
    QCOMPARE(disks.GetSelectedDrive(), root_ + "/G");
}

void ChoosersTest::diskChooserCancelGivesNoDrive() {
    TFormLogicalDisks disks(std::make_shared<FakeVolumeSource>(
        std::vector<Volume>{{Std(root_), VolumeKind::Removable}}));
    const int enter = RunModal(disks, [&] {
        QVERIFY(!disks.GetSelectedDrive().isEmpty()); // highlighted
        QTest::keyClick(disks.focusWidget(), Qt::Key_Return); // on "Отказаться"
    });
    QCOMPARE(enter, int(ui::mrCancel));
    QCOMPARE(disks.GetSelectedDrive(), QString());
    const int escape = RunModal(disks, [&] { QTest::keyClick(disks.focusWidget(), Qt::Key_Escape); });
    QCOMPARE(escape, int(ui::mrCancel));
    QCOMPARE(disks.GetSelectedDrive(), QString());
}

void ChoosersTest::diskChooserWithoutVolumes() {
    TFormLogicalDisks disks(std::make_shared<FakeVolumeSource>(
        std::vector<Volume>{{Std(root_), VolumeKind::Fixed}}));
    const int result = RunModal(disks, [&] {
        QCOMPARE(disks.ListBoxDisks->count(), 0);
        QVERIFY(!disks.BtnOK->isEnabled());
        disks.ListBoxDisks->setFocus();
        QTest::keyClick(disks.ListBoxDisks, Qt::Key_Return);
    });
    QCOMPARE(result, int(ui::mrCancel));
    QCOMPARE(disks.GetSelectedDrive(), QString());
}

namespace {

// A fake /sys/class/block: sdb (USB stick) with partition sdb1, sda (internal
// disk) with partition sda2, mmcblk0 (card reader) and sdc (removable flag).
QString MakeFakeSysBlock(const QString& root) {
    QDir d(root);
    const QString dev = root + "/devices";
    d.mkpath("devices/pci0000:00/usb1/1-1/host6/block/sdb/sdb1");
    d.mkpath("devices/pci0000:00/ata1/host0/block/sda/sda2");
    d.mkpath("devices/platform/mmc0/block/mmcblk0/mmcblk0p1");
    d.mkpath("devices/pci0000:00/sas/block/sdc");
    d.mkpath("class/block");
    auto write = [](const QString& path, const QByteArray& text) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(text);
    };
    write(dev + "/pci0000:00/usb1/1-1/host6/block/sdb/removable", "0\n");
    write(dev + "/pci0000:00/usb1/1-1/host6/block/sdb/sdb1/partition", "1\n");
    write(dev + "/pci0000:00/ata1/host0/block/sda/removable", "0\n");
    write(dev + "/pci0000:00/ata1/host0/block/sda/sda2/partition", "2\n");
    write(dev + "/platform/mmc0/block/mmcblk0/removable", "0\n");
    write(dev + "/platform/mmc0/block/mmcblk0/mmcblk0p1/partition", "1\n");
    write(dev + "/pci0000:00/sas/block/sdc/removable", "1\n");
    const QString block = root + "/class/block/";
    QFile::link(dev + "/pci0000:00/usb1/1-1/host6/block/sdb/sdb1", block + "sdb1");
    QFile::link(dev + "/pci0000:00/ata1/host0/block/sda/sda2", block + "sda2");
    QFile::link(dev + "/platform/mmc0/block/mmcblk0/mmcblk0p1", block + "mmcblk0p1");
    QFile::link(dev + "/pci0000:00/sas/block/sdc", block + "sdc");
    return root + "/class/block";
}

} // namespace

void ChoosersTest::mountKinds_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("kind"); // "" when not a volume
    QTest::newRow("usb stick") << "/dev/sdb1 /media/u/STICK vfat rw 0 0" << "removable";
    QTest::newRow("internal disk") << "/dev/sda2 /data ext4 rw 0 0" << "fixed";
    QTest::newRow("card reader") << "/dev/mmcblk0p1 /media/u/CARD vfat rw 0 0" << "removable";
    QTest::newRow("removable flag") << "/dev/sdc /mnt/zip vfat rw 0 0" << "removable";
    QTest::newRow("unknown device") << "/dev/nvme9n1p1 /srv ext4 rw 0 0" << "fixed";
    QTest::newRow("optical") << "/dev/sr0 /media/u/CD iso9660 ro 0 0" << "optical";
    QTest::newRow("network") << "server:/export /mnt/nfs nfs4 rw 0 0" << "network";
    QTest::newRow("samba") << "//srv/share /mnt/share cifs rw 0 0" << "network";
    QTest::newRow("root") << "/dev/sda1 / ext4 rw 0 0" << "";
    QTest::newRow("boot") << "/dev/sda1 /boot/efi vfat rw 0 0" << "";
    QTest::newRow("proc") << "proc /proc proc rw 0 0" << "";
    QTest::newRow("tmpfs") << "tmpfs /run/user/1000 tmpfs rw 0 0" << "";
    QTest::newRow("loop image") << "/dev/loop3 /media/img squashfs ro 0 0" << "";
    QTest::newRow("bind-mounted file") << "/dev/sda2 /etc/hosts ext4 rw 0 0" << "";
    QTest::newRow("run media") << "/dev/sdb1 /run/media/u/STICK vfat rw 0 0" << "removable";
}

void ChoosersTest::mountKinds() {
    QFETCH(QString, line);
    QFETCH(QString, kind);
    const QString sys = MakeFakeSysBlock(root_);
    const auto mounts = ParseMounts(Std(line));
    QCOMPARE(mounts.size(), std::size_t(1));
    const auto k = ClassifyMount(mounts[0], Std(sys));
    const QString got = !k                              ? ""
                        : *k == VolumeKind::Removable   ? "removable"
                        : *k == VolumeKind::Fixed       ? "fixed"
                        : *k == VolumeKind::Network     ? "network"
                        : *k == VolumeKind::Optical     ? "optical"
                                                        : "other";
    QCOMPARE(got, kind);
}

void ChoosersTest::mountTableEscapes() {
    const auto mounts =
        ParseMounts("/dev/sdb1 /media/u/MY\\040STICK vfat rw 0 0\n\nbroken\n"
                    "tmpfs /run tmpfs rw 0 0\n");
    QCOMPARE(mounts.size(), std::size_t(2));
    QCOMPARE(mounts[0].mountPoint, std::string("/media/u/MY STICK"));
    QCOMPARE(mounts[0].fsType, std::string("vfat"));
}

void ChoosersTest::systemSourceOverFakeSystem() {
    const QString sys = MakeFakeSysBlock(root_);
    QDir(root_).mkpath("media/STICK");
    QDir(root_).mkpath("data");
    QDir(root_).mkpath("home/user");
    QFile mounts(root_ + "/mounts");
    QVERIFY(mounts.open(QIODevice::WriteOnly));
    mounts.write(QString("/dev/sda1 / ext4 rw 0 0\n"
                         "/dev/sdb1 %1/media/STICK vfat rw 0 0\n"
                         "/dev/sda2 %1/data ext4 rw 0 0\n"
                         "/dev/sdb1 %1/media/missing vfat rw 0 0\n"
                         "proc /proc proc rw 0 0\n")
                     .arg(root_)
                     .toUtf8());
    mounts.close();
    SystemVolumeSource source(Std(root_ + "/mounts"), Std(sys), Std(root_ + "/home/user/"));
    const auto volumes = source.Volumes();
    QCOMPARE(volumes.size(), std::size_t(4));
    QCOMPARE(volumes[0].mountPoint, std::string("/"));
    QCOMPARE(volumes[1].mountPoint, Std(root_ + "/home/user"));
    QCOMPARE(volumes[2].mountPoint, Std(root_ + "/data"));
    QVERIFY(volumes[2].kind == VolumeKind::Fixed);
    QCOMPARE(volumes[3].mountPoint, Std(root_ + "/media/STICK"));
    const auto removable = RemovableVolumes(source);
    QCOMPARE(removable.size(), std::size_t(1));
    QCOMPARE(removable[0].mountPoint, Std(root_ + "/media/STICK"));
}

QTEST_MAIN(ChoosersTest)
#include "test_choosers.moc"
