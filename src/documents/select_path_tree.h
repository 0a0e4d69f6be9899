// The folder chooser: a tree of the drives (the root, the user's home and
// the mounted volumes) and their folders, from which the user picks the
// work folder of the configurations.
//
// The caller may set ResultPath, shows the window modally and on OK takes
// ResultPath: the chosen folder with a trailing separator.
#pragma once

#include <memory>

#include <QLabel>
#include <QString>
#include <QTreeWidget>

#include "documents/volumes.h"
#include "documents/work_settings.h"
#include "ui/look_dialog.h"

namespace zavro {

class TFormSelectPathTree : public ui::LookDialog {
    Q_OBJECT
public:
    // The drives are read once, at creation.
    explicit TFormSelectPathTree(std::shared_ptr<const VolumeSource> volumes = nullptr,
                                 QWidget* parent = nullptr);

    // The path of a node: the texts of the node and its ancestors from the
    // drive down, each followed by the separator.
    static QString NodePath(const QTreeWidgetItem* item);

    QTreeWidget* TV_Path;
    QLabel* StaticText_TempPath;
    ui::BitBtn* BtnOK;
    ui::BitBtn* BtnCancel;
    QString ResultPath;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddDrives();
    void TV_PathExpanding(QTreeWidgetItem* item);
    void TV_PathChange(QTreeWidgetItem* current);
    void BtnOKClick();

    std::shared_ptr<const VolumeSource> volumes_;
};

} // namespace zavro
