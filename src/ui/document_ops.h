// Opening and saving configurations in the program: the start file, the
// standard open and save dialogs, the list of the work folder (list mode),
// the encrypted container's key loop, the panel's disk, the defaults, the
// status line and the read-only state of an armed panel.
//
// The main window owns one TDocuments; its buttons and list call in here.
#pragma once

#include <memory>
#include <string>

#include <QColor>
#include <QIcon>
#include <QObject>
#include <QString>
#include <QStringList>

#include "documents/file_writer.h"
#include "format/file_list.h"
#include "validation/validation.h"

class QFileDialog;
class QTreeWidgetItem;

namespace zavro {
class T_Command_DEVICE;
}

namespace zavro::ui {

class TFormMain;
struct TProgram;

// Status kinds of the status line.
enum StatusKind : int {
    kStatusDefaults = 0,
    kStatusSaved = 1,  // read from a text file, or an encrypted one through the dialog
    kStatusDevice = 2, // an encrypted file opened from the list
};

// The dialogs' filters.
inline constexpr const char* kOpenFilter =
    "Конфигурация прибора (*.ini)|*.ini|Конфигурация GSM-прибора (*.gsm)|*.gsm|"
    "Шифрованная конфигурация (*.cry)|*.cry|"
    "Все поддерживаемые форматы (*.ini, *.gsm, *.cry)|*.ini;*.gsm;*.cry";
inline constexpr const char* kSaveFilter =
    "Конфигурация прибора (*.ini)|*.ini|Конфигурация GSM-прибора (*.gsm)|*.gsm|"
    "Все поддерживаемые форматы (*.ini, *.gsm)|*.ini;*.gsm";

// A "caption|patterns|caption|patterns" filter as name filters of the Qt
// file dialog: "caption (patterns separated by blanks)". Shown with the
// dialog's details hidden, each filter reads exactly as its caption.
QStringList QtNameFilters(const QString& pipeFilter);

// The status line's text (UTF-8): kind 0 the defaults, 1 a saved
// configuration, 2 the device's configuration; version and date as shown.
QString StatusText(int kind, const QString& version, const QString& date, bool readOnly);

// The file's modification date in the system's short date format.
QString FileDateText(const QString& path);

// Whether a file's folder holds the marker "lock.txt" of an armed panel.
bool HasLockMarker(const QString& path);

// The lower-case extension test of an encrypted container.
bool IsCryptoFileName(const QString& path);

inline constexpr const char* kClockFileText = "ZAVRO 4GSM clock file"; // 21 bytes, no line end

class TDocuments : public QObject, public validation::ValidationUi {
    Q_OBJECT
public:
    static constexpr int kTickMinimum = 2;
    static constexpr int kTickBudgetMs = 20;

    explicit TDocuments(TFormMain& form);
    ~TDocuments() override;

    // The file system for saving (the program's own by default).
    void SetFileWriter(std::shared_ptr<FileWriter> writer) { writer_ = std::move(writer); }

    // ---- Opening ----
    void FormShowOpen();
    void B_OpenClick();
    bool OpenFileDirectly();
    // Reads the text buffer into the target and applies the file-key rule;
    // the working configuration is then shown on every page.
    void LoadFormFromFile(T_Command_DEVICE& target, const std::string& key);
    // The key dialog loop; key is in and out (Windows-1251).
    bool CryptoLoadFromFile(const QString& fileName, std::string& key);

    // ---- List mode ----
    void EnterListMode();
    void OpenFileList();
    void TimerTestListConfigTimer();
    void ListFileConfigColumnClick(int column);
    void ListFileConfigSelectItem();
    void ListFileConfigDblClick();
    void B_OpenDirectlyClick();
    const FileList& List() const { return list_; }
    int SortDirection() const { return sortDirection_; }
    // The image of a column header: 2 not sorted, 3 ascending, 4 descending.
    int HeaderImage(int column) const;

    // ---- Saving ----
    void FormatStaticTextStatus(const QString& fileName, int kind, const QString& version,
                                const QString& date);
    void B_SaveClick();
    void B_SaveToDeviceClick();
    void B_DefaultClick();
    bool ReadOnly() const { return readOnly_; }
    int StatusKindShown() const { return kind_; }

    // ---- What validation needs of the window ----
    validation::Answer ShowFailure(const validation::FailureReport& report) override;
    void GotoItem(const validation::ItemRef& item) override;
    void RedrawPage(const std::string& page) override;
    bool GprsEqualChecked() override { return false; }
    void ClearGprsEqual() override {}

    static QColor HotLight() { return {0, 102, 204}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TProgram& Program() const;
    T_Command_DEVICE& Work() const;
    // Loads a text file into the text buffer; reports a failure.
    bool LoadMemoFromFile(const QString& fileName);
    void ShowOpenError();
    void ShowError(const QString& message, const QString& recommendation, bool showContinue,
                   bool showFix);
    void ShowDone(const QString& explanation);
    // Writes the configuration's lines; reports a failure. True when written.
    bool WriteConfigurationFile(const std::string& path);
    void SetCaption(const QString& fileName);
    void RepaintPages();
    void FillRow(QTreeWidgetItem* item, const FileListRow& row);
    void FillList();
    void SetHeaderImage(int column, int image);
    void SetLabelColor(const QColor& color);
    void UpdatePositionLabel();
    int SelectedRow() const;

    TFormMain& form_;
    std::shared_ptr<FileWriter> writer_;
    FileList list_;
    int sortDirection_ = 1; // shared by every column for the whole run
    int headerImages_[4] = {2, 2, 2, 2};
    QIcon images_[5];
    QFileDialog* openDialog_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;
    QString saveInitialFolder_;
    bool readOnly_ = false;
    int kind_ = kStatusDefaults;
};

} // namespace zavro::ui
