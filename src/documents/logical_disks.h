// The device-disk chooser: the list of mounted removable volumes (USB sticks
// and card readers), one of which is the panel connected by USB.
//
// The caller shows the window modally and on OK calls GetSelectedDrive: the
// mount point of the chosen volume, or an empty text when none was chosen.
#pragma once

#include <memory>

#include <QListWidget>
#include <QString>

#include "documents/volumes.h"
#include "ui/look_dialog.h"

namespace zavro {

class TFormLogicalDisks : public ui::LookDialog {
    Q_OBJECT
public:
    explicit TFormLogicalDisks(std::shared_ptr<const VolumeSource> volumes = nullptr,
                               QWidget* parent = nullptr);

    // The mount point of the selected item, or an empty text.
    QString GetSelectedDrive() const;

    // The text of the list item of a volume: Disk <mount point>: [сменный диск]
    static QString ItemText(const QString& mountPoint);

    QListWidget* ListBoxDisks;
    ui::BitBtn* BtnOK;
    ui::BitBtn* BtnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    std::shared_ptr<const VolumeSource> volumes_;
};

} // namespace zavro
