#include "ui/resources.h"

#include <mutex>

static void InitZavroUiResources() { Q_INIT_RESOURCE(zavro_ui); }

namespace zavro::ui {

void InitUiResources() {
    static std::once_flag once;
    std::call_once(once, [] { InitZavroUiResources(); });
}

const CaptionTable& CaptionsMain() {
    static const CaptionTable t = {
        "Открыть",          "Печать",         "В устройство...",
        "Сохранить",        "",               "По-умолчанию",
        "Настройки",        "Отменить",       "Открыть файл",
        "Выбрать файл \"в ручную\"",           "Генерация ключа",
        "Очистка ключа",    "Разделы для очистки",
        "Очистить разделы",
    };
    return t;
}

const CaptionTable& CaptionsErrorMessage() {
    static const CaptionTable t = {"Установить \"по-умолчанию\"", "Продолжить", "Исправить"};
    return t;
}

const CaptionTable& CaptionsOkMessage() {
    static const CaptionTable t = {"Отказаться", "Продолжить"};
    return t;
}

const CaptionTable& CaptionsSetKeyConfig() {
    static const CaptionTable t = {"Отказаться", "Применить"};
    return t;
}

const CaptionTable& CaptionsSelectPathTree() {
    static const CaptionTable t = {"Отказаться", "Применить"};
    return t;
}

const CaptionTable& CaptionsLogicalDisks() {
    static const CaptionTable t = {"Отказаться", "Выбрать"};
    return t;
}

const CaptionTable& CaptionsDialogConfig() {
    static const CaptionTable t = {"Отказаться", "Применить", ""};
    return t;
}

namespace {

QStringList Images(std::initializer_list<const char*> files) {
    QStringList names;
    for (const char* f : files) names << QStringLiteral(":/zavro/images/") + QLatin1String(f);
    return names;
}

} // namespace

const ImageList& ImagesMain() {
    static const ImageList l = LoadImageList(
        Images({"main_open.png", "main_print.png", "main_device.png", "main_save.png",
                "main_spare.png", "main_default.png", "main_config.png", "main_cancel.png",
                "main_openfile.png", "main_pickfile.png"}));
    return l;
}

const ImageList& ImagesErrorMessage() {
    static const ImageList l =
        LoadImageList(Images({"dlg_default.png", "dlg_continue.png", "dlg_fix.png"}));
    return l;
}

const ImageList& ImagesOkMessage() {
    static const ImageList l = LoadImageList(Images({"dlg_cancel.png", "dlg_continue.png"}));
    return l;
}

const ImageList& ImagesSetKeyConfig() {
    static const ImageList l = LoadImageList(Images({"dlg_cancel.png", "dlg_ok.png"}));
    return l;
}

const ImageList& ImagesSelectPathTree() {
    static const ImageList l = LoadImageList(Images({"dlg_cancel.png", "dlg_ok.png"}));
    return l;
}

const ImageList& ImagesLogicalDisks() {
    static const ImageList l = LoadImageList(Images({"dlg_cancel.png", "dlg_disk.png"}));
    return l;
}

const ImageList& ImagesDialogConfig() {
    static const ImageList l =
        LoadImageList(Images({"dlg_cancel.png", "dlg_ok.png", "dlg_folder.png"}));
    return l;
}

const ImageList& ImagesTree() {
    static const ImageList l = LoadImageList(
        Images({"tree_closedfolder.png", "tree_openfolder.png", "tree_floppy.png",
                "tree_hard.png", "tree_network.png", "tree_cdrom.png", "tree_ram.png"}));
    return l;
}

QImage TreePicture(int index) {
    const ImageList& l = ImagesTree();
    if (index < 0 || index >= l.Count()) return {};
    QImage img = l.pictures[static_cast<std::size_t>(index)].convertToFormat(QImage::Format_ARGB32);
    const QRgb blue = qRgb(0, 0, 255);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == blue) img.setPixel(x, y, 0);
    return img;
}

} // namespace zavro::ui
