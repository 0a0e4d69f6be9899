#include "ui/document_ops.h"

#include <chrono>

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>

#include "documents/logical_disks.h"
#include "documents/mask.h"
#include "documents/work_settings.h"
#include "format/crypto_container.h"
#include "format/reader.h"
#include "format/text_buffer.h"
#include "format/writer.h"
#include "model/cp1251.h"
#include "model/device.h"
#include "ui/dialogs/error_message.h"
#include "ui/dialogs/ok_message.h"
#include "ui/dialogs/set_key_config.h"
#include "ui/look.h"
#include "ui/mainwindow.h"

namespace zavro::ui {

namespace {

QString U(std::string_view cp1251) { return QString::fromStdString(Cp1251ToUtf8(cp1251)); }
QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

constexpr int kColumns = 4;
constexpr int kImageNotSorted = 2;
constexpr int kImageAscending = 3;
constexpr int kImageDescending = 4;
constexpr int kIconRole = Qt::UserRole;      // a row's icon index, a header's image
constexpr int kMarkRole = Qt::UserRole + 1;  // a row's test mark

// The pictures of the list: text file, encrypted file, three sort marks.
QIcon ListImage(int index) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0: // a sheet with lines
        p.setPen(QColor(64, 64, 64));
        p.setBrush(Qt::white);
        p.drawRect(3, 1, 10, 14);
        for (int y = 4; y <= 12; y += 3) p.drawLine(5, y, 11, y);
        break;
    case 1: // a padlock
        p.setPen(QPen(QColor(96, 64, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(4, 1, 8, 10, 0, 180 * 16);
        p.setPen(QColor(96, 64, 0));
        p.setBrush(QColor(230, 180, 30));
        p.drawRect(2, 7, 12, 8);
        break;
    case kImageNotSorted:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(160, 160, 160));
        p.drawEllipse(6, 6, 4, 4);
        break;
    case kImageAscending:
    case kImageDescending: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 128));
        const bool up = index == kImageAscending;
        const QPointF tri[3] = {{3, up ? 11.0 : 5.0}, {13, up ? 11.0 : 5.0}, {8, up ? 4.0 : 12.0}};
        p.drawPolygon(tri, 3);
        break;
    }
    default: break;
    }
    return QIcon(pm);
}

const QString kOpenErrorMessage = QStringLiteral("Ошибка открытия файла");
const QString kOpenErrorHint = QStringLiteral("Проверьте наличие файла");
const QString kLockMessage =
    QStringLiteral("Прибор находится во взятом состоянии, редактирование параметров невозможно");
const QString kLockHint =
    QStringLiteral("Для изменения параметров работы прибора необходимо снять его с охраны");
const QString kCannotWrite = QStringLiteral("Ошибка записи в файл - файл не может быть записан");
const QString kCannotWriteHint = QStringLiteral("Проверьте отсутствие запрета записи");
const QString kCannotCreate = QStringLiteral("Ошибка записи в файл - файл не может быть создан");
const QString kCannotCreateHint =
    QStringLiteral("Проверьте отсутствие запрета записи и наличие свободного места");
const QString kDone = QStringLiteral("Операция выполнена");
const QString kSaved = QStringLiteral("Конфигурация сохранена");
const QString kWrittenToDevice = QStringLiteral("Файлы успешно записаны в устройство");
const QString kDefaultQuestion =
    QStringLiteral("Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"?");
const QString kDefaultExplanation = QStringLiteral("(все введённые значения параметров будут потеряны)");

// A path inside a folder given by its mount point ("/" for the root).
QString InFolder(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

} // namespace

// ---- Plain helpers ------------------------------------------------------------

QStringList QtNameFilters(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) p = p.trimmed();
        // The dialog takes the patterns from the last parentheses and, with
        // its details hidden, shows what stands before them: the caption.
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

QString StatusText(int kind, const QString& version, const QString& date, bool readOnly) {
    QString text;
    switch (kind) {
    case kStatusSaved:
        text = QStringLiteral("Конфигурация сохраненная (") + version + QStringLiteral(") от ") + date +
               QStringLiteral(" года ");
        break;
    case kStatusDevice:
        text = QStringLiteral("Конфигурация прибора (") + version + QStringLiteral(") от ") + date +
               QStringLiteral(" года ");
        break;
    default: text = QStringLiteral("Конфигурация \"по-умолчанию\""); break;
    }
    if (readOnly) text += QStringLiteral("(только чтение)");
    return text;
}

QString FileDateText(const QString& path) {
    const QDate date = QFileInfo(path).lastModified().date();
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

bool HasLockMarker(const QString& path) {
    if (path.isEmpty()) return false;
    return QFileInfo::exists(QFileInfo(path).dir().filePath(QStringLiteral("lock.txt")));
}

bool IsCryptoFileName(const QString& path) {
    return IsEncryptedFileName(QFileInfo(path).fileName().toStdString());
}

// ---- The documents ------------------------------------------------------------------

TDocuments::TDocuments(TFormMain& form)
    : QObject(&form), form_(form), writer_(std::make_shared<SafeFileWriter>()) {
    for (int i = 0; i < 5; ++i) images_[i] = ListImage(i);
    QTreeWidget* list = form_.ListFileConfig;
    list->setIconSize(QSize(16, 16));
    list->setAllColumnsShowFocus(true);
    list->setUniformRowHeights(true);
    list->setAlternatingRowColors(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont f(QStringLiteral("Courier New"));
    f.setBold(true);
    f.setPixelSize(17);
    list->setFont(f);
    {
        // The selection stays visible while the list has no focus; the
        // texts are in the highlight colour.
        QPalette pal = list->palette();
        pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
        pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     pal.color(QPalette::Active, QPalette::HighlightedText));
        pal.setColor(QPalette::Text, pal.color(QPalette::Active, QPalette::Highlight));
        list->setPalette(pal);
    }
    list->header()->setSectionsClickable(true);
    list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->headerItem()->setTextAlignment(2, Qt::AlignCenter);
    for (int c = 0; c < kColumns; ++c) SetHeaderImage(c, kImageNotSorted);
    connect(list->header(), &QHeaderView::sectionClicked, this, &TDocuments::ListFileConfigColumnClick);
    connect(list, &QTreeWidget::itemSelectionChanged, this, &TDocuments::ListFileConfigSelectItem);
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { ListFileConfigDblClick(); });
    list->installEventFilter(this);
    connect(form_.TimerTestListConfig, &QTimer::timeout, this, &TDocuments::TimerTestListConfigTimer);
}

TDocuments::~TDocuments() = default;

TProgram& TDocuments::Program() const { return *form_.Program(); }
T_Command_DEVICE& TDocuments::Work() const { return *form_.WorkDevice(); }

void TDocuments::ShowError(const QString& message, const QString& recommendation, bool showContinue,
                           bool showFix) {
    TFormErrorMessage& dlg = *Program().FormErrorMessage;
    dlg.SetMessages(message, recommendation, showContinue, showFix);
    dlg.ShowModal();
}

void TDocuments::ShowOpenError() { ShowError(kOpenErrorMessage, kOpenErrorHint, false, true); }

void TDocuments::ShowDone(const QString& explanation) {
    TFormOkMessage& dlg = *Program().FormOkMessage;
    dlg.SetMessages(kDone, explanation, false);
    dlg.ShowModal();
}

void TDocuments::SetCaption(const QString& fileName) { form_.setWindowTitle(MainCaption(fileName)); }

void TDocuments::RepaintPages() {
    if (!form_.PagesParam->isVisible()) return;
    form_.PagesParam->hide();
    form_.PagesParam->show();
}

// ---- Opening ----------------------------------------------------------------------------

bool TDocuments::LoadMemoFromFile(const QString& fileName) {
    std::string text;
    std::string error;
    if (!LoadTextFile(fileName.toStdString(), text, error)) {
        ShowOpenError();
        return false;
    }
    form_.SetMemoText(text);
    return true;
}

void TDocuments::LoadFormFromFile(T_Command_DEVICE& target, const std::string& key) {
    target.SetDefaults();
    ReadConfiguration(form_.MemoText(), target);
    ApplyFileKeyRule(target, key);
    if (&target == form_.WorkDevice()) form_.Redraw_All();
}

bool TDocuments::CryptoLoadFromFile(const QString& fileName, std::string& key) {
    // A file that is not there is not worth asking a key for.
    if (!QFileInfo(fileName).isFile()) {
        ShowOpenError();
        return false;
    }
    TFormDialogSetKeyConfig& dlg = *Program().FormDialogSetKeyConfig;
    dlg.SetKeyEntryLayout();
    bool ask = TrimCryptoText(key).empty();
    for (;;) {
        while (ask) {
            if (dlg.KeyText().empty()) dlg.ShowErrorKey(false);
            if (dlg.ShowModal() != mrOk) return false;
            key = dlg.KeyText();
            ask = TrimCryptoText(key).empty();
        }
        form_.SetMemoText(std::string());
        std::optional<CryptoLoadResult> result = LoadCryptoFile(fileName.toStdString(), key);
        if (!result) {
            ShowOpenError();
            return false;
        }
        if (result->code == kCryptoOk) {
            form_.SetMemoText(result->text);
            SecureWipe(result->text);
            key = result->key;
            return true;
        }
        const CryptoMessage m = CryptoResultMessage(result->code);
        if (!m.askKeyAgain) {
            ShowError(Q(m.message), Q(m.recommendation), false, true);
            return false;
        }
        if (m.showWrongKeyNote) dlg.ShowErrorKey(true);
        ask = true;
    }
}

void TDocuments::FormShowOpen() {
    T_Command_DEVICE& work = Work();
    work.SetDefaults();
    FormatStaticTextStatus(QString(), kStatusDefaults, QString(), QString());
    const CommandLine& cl = form_.StartCommandLine();
    QString start;
    if (cl.startFile) start = QString::fromStdString(*cl.startFile);
    else if (QFileInfo(QStringLiteral("config.ini")).isFile()) start = QStringLiteral("./config.ini");
    else if (QFileInfo(QStringLiteral("config.cry")).isFile()) start = QStringLiteral("./config.cry");

    bool opened = false;
    if (!start.isEmpty() && QFileInfo(start).isFile()) {
        std::string key;
        if (!IsCryptoFileName(start)) {
            if (LoadMemoFromFile(start)) {
                LoadFormFromFile(work, std::string());
                opened = true;
            }
        } else if (CryptoLoadFromFile(start, key)) {
            LoadFormFromFile(work, key);
            opened = true;
        }
    }
    if (opened) {
        FormatStaticTextStatus(start, kStatusSaved, U(work.Get_Version()), FileDateText(start));
        SetCaption(start);
    } else {
        // A missing or unopened start file is forgotten: the defaults.
        form_.SetMemoText(std::string());
        work.SetDefaults();
        form_.Redraw_All();
        FormatStaticTextStatus(QString(), kStatusDefaults, QString(), QString());
        SetCaption(QString());
    }
}

void TDocuments::B_OpenClick() {
    if (ParamWork.ListModeOpenSave) EnterListMode();
    else OpenFileDirectly();
}

bool TDocuments::OpenFileDirectly() {
    if (openDialog_ == nullptr) {
        openDialog_ = new QFileDialog(&form_);
        openDialog_->setObjectName(QStringLiteral("OpenDialog1"));
        openDialog_->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
        // A name typed in that does not exist is reported as a failed open.
        openDialog_->setFileMode(QFileDialog::AnyFile);
        openDialog_->setDefaultSuffix(QStringLiteral("ini"));
        const QStringList filters = QtNameFilters(Q(kOpenFilter));
        openDialog_->setNameFilters(filters);
        openDialog_->selectNameFilter(filters[3]);
    }
    if (openDialog_->exec() != QDialog::Accepted || openDialog_->selectedFiles().isEmpty()) return false;
    const QString file = openDialog_->selectedFiles().constFirst();
    T_Command_DEVICE& work = Work();
    if (!IsCryptoFileName(file)) {
        if (!LoadMemoFromFile(file)) return false;
        LoadFormFromFile(work, std::string());
    } else {
        std::string key = Program().FormDialogSetKeyConfig->KeyText();
        if (!CryptoLoadFromFile(file, key)) return false;
        LoadFormFromFile(work, key);
    }
    FormatStaticTextStatus(file, kStatusSaved, U(work.Get_Version()), FileDateText(file));
    SetCaption(file);
    RepaintPages();
    return true;
}

// ---- List mode ----------------------------------------------------------------------------

void TDocuments::SetHeaderImage(int column, int image) {
    headerImages_[column] = image;
    QTreeWidgetItem* header = form_.ListFileConfig->headerItem();
    header->setIcon(column, images_[image]);
    header->setData(column, kIconRole, image);
}

int TDocuments::HeaderImage(int column) const { return headerImages_[column]; }

void TDocuments::SetLabelColor(const QColor& color) {
    QPalette pal = form_.LabelPozList->palette();
    pal.setColor(QPalette::WindowText, color);
    form_.LabelPozList->setPalette(pal);
}

void TDocuments::FillRow(QTreeWidgetItem* item, const FileListRow& row) {
    item->setIcon(0, images_[row.icon == kListIconCrypto ? 1 : 0]);
    item->setData(0, kIconRole, row.icon);
    item->setData(0, kMarkRole, row.mark);
    item->setText(1, U(row.alias));
    item->setText(2, QString::fromStdString(row.ident));
    item->setTextAlignment(2, Qt::AlignCenter);
    item->setText(3, QString::fromStdString(row.fileName));
}

void TDocuments::FillList() {
    QTreeWidget* view = form_.ListFileConfig;
    const auto& rows = list_.Rows();
    view->setUpdatesEnabled(false);
    while (view->topLevelItemCount() > static_cast<int>(rows.size()))
        delete view->takeTopLevelItem(view->topLevelItemCount() - 1);
    QList<QTreeWidgetItem*> fresh;
    for (int i = view->topLevelItemCount(); i < static_cast<int>(rows.size()); ++i)
        fresh << new QTreeWidgetItem();
    view->addTopLevelItems(fresh);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        FillRow(view->topLevelItem(i), rows[static_cast<std::size_t>(i)]);
    view->setUpdatesEnabled(true);
}

int TDocuments::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = form_.ListFileConfig->selectedItems();
    if (selected.isEmpty()) return -1;
    return form_.ListFileConfig->indexOfTopLevelItem(selected.constFirst());
}

void TDocuments::UpdatePositionLabel() {
    const int selected = SelectedRow();
    form_.LabelPozList->setText(QString::number(selected + 1) + QStringLiteral(" из ") +
                                QString::number(list_.Rows().size()));
}

void TDocuments::OpenFileList() {
    QTreeWidget* view = form_.ListFileConfig;
    view->clearSelection();
    view->clear();
    for (int c = 0; c < kColumns; ++c) SetHeaderImage(c, kImageNotSorted);
    list_.Build(ParamWork.ListPathSave, *Program().ProbeDevice);
    FillList();
    UpdatePositionLabel();
    SetLabelColor(Red());
}

void TDocuments::EnterListMode() {
    OpenFileList();
    form_.ButtonVisible(false);
    QTreeWidget* view = form_.ListFileConfig;
    view->show();
    view->setFocus(Qt::OtherFocusReason);
    SetControlColor(view, FocusYellow());
    if (view->topLevelItemCount() > 0) {
        view->setCurrentItem(view->topLevelItem(0));
        view->topLevelItem(0)->setSelected(true);
    }
    ListFileConfigSelectItem();
}

void TDocuments::TimerTestListConfigTimer() {
    auto& rows = list_.Rows();
    std::vector<std::size_t> untested;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].mark == kListUntested) untested.push_back(i);
    const int tested =
        list_.TestTick(*Program().ProbeDevice, kTickMinimum, std::chrono::milliseconds(kTickBudgetMs));
    QTreeWidget* view = form_.ListFileConfig;
    for (std::size_t i : untested) {
        if (rows[i].mark == kListUntested) break; // rows are tested from the top
        if (QTreeWidgetItem* item = view->topLevelItem(static_cast<int>(i))) FillRow(item, rows[i]);
    }
    if (tested < kTickMinimum || !list_.HasUntested()) {
        form_.TimerTestListConfig->stop();
        SetLabelColor(HotLight());
    }
}

void TDocuments::ListFileConfigColumnClick(int column) {
    if (column < 0 || column >= kColumns) return;
    sortDirection_ = -sortDirection_;
    const int selected = SelectedRow();
    std::string selectedName;
    if (selected >= 0) selectedName = list_.Rows()[static_cast<std::size_t>(selected)].fileName;
    list_.Sort(column, sortDirection_);
    FillList();
    for (int c = 0; c < kColumns; ++c)
        SetHeaderImage(c, c != column ? kImageNotSorted
                                      : (sortDirection_ > 0 ? kImageAscending : kImageDescending));
    // The selected row keeps its selection wherever it goes.
    if (selected >= 0) {
        const auto& rows = list_.Rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].fileName == selectedName) {
                QTreeWidgetItem* item = form_.ListFileConfig->topLevelItem(static_cast<int>(i));
                form_.ListFileConfig->setCurrentItem(item);
                item->setSelected(true);
                break;
            }
        }
    }
    ListFileConfigSelectItem();
}

void TDocuments::ListFileConfigSelectItem() {
    UpdatePositionLabel();
    form_.B_OpenLIst->setEnabled(SelectedRow() >= 0);
}

void TDocuments::ListFileConfigDblClick() {
    const int selected = SelectedRow();
    if (selected < 0) return;
    const FileListRow row = list_.Rows()[static_cast<std::size_t>(selected)];
    const QString file = QString::fromStdString(JoinPath(list_.Folder(), row.fileName));
    T_Command_DEVICE& work = Work();
    QTreeWidget* view = form_.ListFileConfig;
    if (row.icon == kListIconCrypto) {
        std::string key = LastFileKey;
        SetControlColor(view, WindowColor());
        const bool ok = CryptoLoadFromFile(file, key);
        SetControlColor(view, FocusYellow());
        if (!ok) return;
        LoadFormFromFile(work, key);
        FormatStaticTextStatus(file, kStatusDevice, U(work.Get_Version()), FileDateText(file));
    } else {
        if (!LoadMemoFromFile(file)) return;
        LoadFormFromFile(work, std::string());
        FormatStaticTextStatus(file, kStatusSaved, U(work.Get_Version()), FileDateText(file));
    }
    SetCaption(file);
    view->hide();
    form_.ButtonVisible(true);
}

void TDocuments::B_OpenDirectlyClick() {
    form_.ListFileConfig->hide();
    form_.ButtonVisible(true);
    OpenFileDirectly();
}

bool TDocuments::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_.ListFileConfig && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ListFileConfigDblClick();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// ---- Status line and read-only state ----------------------------------------------------------------

void TDocuments::FormatStaticTextStatus(const QString& fileName, int kind, const QString& version,
                                        const QString& date) {
    kind_ = kind;
    readOnly_ = HasLockMarker(fileName);
    QLabel* status = form_.StaticTextStatus;
    if (readOnly_) {
        ShowError(kLockMessage, kLockHint, true, false);
        form_.B_SaveToDevice->hide();
        form_.B_SaveToDevice->setEnabled(false);
        SetTextColor(status, Red());
    } else {
        SetTextColor(status, Green());
        form_.B_SaveToDevice->setEnabled(true);
        // In list mode the button stays hidden until the normal view is back.
        if (!form_.ListFileConfig->isVisible()) form_.B_SaveToDevice->show();
    }
    status->setText(StatusText(kind, version, date, readOnly_));
}

// ---- Saving -----------------------------------------------------------------------------------------------

bool TDocuments::WriteConfigurationFile(const std::string& path) {
    const std::string text = ConfigurationText(Work());
    switch (writer_->WriteFile(path, text)) {
    case WriteOutcome::Written: return true;
    case WriteOutcome::CannotReplace: ShowError(kCannotWrite, kCannotWriteHint, false, true); return false;
    case WriteOutcome::CannotCreate: ShowError(kCannotCreate, kCannotCreateHint, false, true); return false;
    }
    return false;
}

void TDocuments::B_SaveClick() {
    form_.UnLoad_All();
    if (!validation::Check_All(Work(), *this)) return;
    if (saveDialog_ == nullptr) {
        saveDialog_ = new QFileDialog(&form_);
        saveDialog_->setObjectName(QStringLiteral("SaveDialog1"));
        saveDialog_->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog_->setFileMode(QFileDialog::AnyFile);
        saveDialog_->setDefaultSuffix(QStringLiteral("ini"));
        saveDialog_->setNameFilters(QtNameFilters(Q(kSaveFilter)));
    }
    // In list mode the first save opens in the work folder, and every later one there too.
    if (ParamWork.ListModeOpenSave && saveInitialFolder_.isEmpty())
        saveInitialFolder_ = QString::fromStdString(ParamWork.ListPathSave);
    if (!saveInitialFolder_.isEmpty()) saveDialog_->setDirectory(saveInitialFolder_);
    const T_Command_DEVICE& work = Work();
    const std::string proposed = ParamWork.MaskMode
                                     ? MaskFileName(ParamWork, Cp1251ToUtf8(work.Get_DeviceName()),
                                                    Cp1251ToUtf8(work.Get_Ident()))
                                     : std::string("config.ini");
    saveDialog_->selectNameFilter(saveDialog_->nameFilters().constFirst());
    saveDialog_->selectFile(QString::fromStdString(proposed));
    if (saveDialog_->exec() != QDialog::Accepted || saveDialog_->selectedFiles().isEmpty()) return;
    const QString file = saveDialog_->selectedFiles().constFirst();
    if (!WriteConfigurationFile(file.toStdString())) return;
    ShowDone(kSaved);
}

void TDocuments::B_SaveToDeviceClick() {
    form_.UnLoad_All();
    if (!validation::Check_All(Work(), *this)) return;
    TFormLogicalDisks& disks = *Program().FormLogicalDisks;
    if (disks.ShowModal() != mrOk) return;
    const QString drive = disks.GetSelectedDrive();
    if (drive.trimmed().isEmpty()) return;
    if (!WriteConfigurationFile(InFolder(drive, QStringLiteral("config.ini")).toStdString())) return;
    // The clock file follows a complete config.ini; its failure is not reported.
    writer_->WriteFile(InFolder(drive, QStringLiteral("clock.txt")).toStdString(), kClockFileText);
    ShowDone(kWrittenToDevice);
}

void TDocuments::B_DefaultClick() {
    TFormOkMessage& dlg = *Program().FormOkMessage;
    dlg.SetMessages(kDefaultQuestion, kDefaultExplanation, true);
    if (dlg.ShowModal() != mrOk) return;
    form_.PagesParam->hide();
    Work().SetDefaults();
    Program().FormDialogSetKeyConfig->ClearKey();
    form_.Redraw_All();
    FormatStaticTextStatus(QString(), kStatusDefaults, QString(), QString());
    SetCaption(QString());
    form_.PagesParam->show();
}

// ---- Validation's window ----------------------------------------------------------------------------------

validation::Answer TDocuments::ShowFailure(const validation::FailureReport& report) {
    TFormErrorMessage& dlg = *Program().FormErrorMessage;
    const QString message = QString::fromStdString(report.message);
    const QString recommendation = QString::fromStdString(report.recommendation);
    if (report.offersDefault) dlg.SetErrorContinue(message, recommendation, true);
    else dlg.SetMessages(message, recommendation, false, true);
    const int result = dlg.ShowModal();
    if (result == mrOk) return report.offersDefault ? validation::Answer::Default : validation::Answer::Closed;
    if (result == mrRetry) return validation::Answer::Fix;
    return validation::Answer::Closed;
}

void TDocuments::GotoItem(const validation::ItemRef& item) {
    form_.GotoItem(item.page, item.control, item.row, item.column);
}

void TDocuments::RedrawPage(const std::string& page) { form_.RedrawPage(page); }

} // namespace zavro::ui
