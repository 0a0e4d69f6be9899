// The program's one working window: the page control with the editor
// pages, the command buttons along the bottom edge, the list of stored
// configurations that takes the pages' place in list mode, and the
// conventions every page follows (highlighting of the entered row, caption
// clicks, the control remembered per page, hints, bringing a control into
// view, copying between the configuration and the pages).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include "model/command.h"
#include "ui/glyphs.h"
#include "ui/page.h"

namespace zavro {
class T_Command_DEVICE;
class TLexPipe;
struct TLexema;
class TDialogConfig;
class TFormLogicalDisks;
class TFormSelectPathTree;
} // namespace zavro

namespace zavro::ui {

class TFormErrorMessage;
class TFormOkMessage;
class TFormDialogSetKeyConfig;
class TDocuments;
class HintManager;
class TUpDown;
class RowLayout;

// ---- Command line and caption ----------------------------------------------

struct CommandLine {
    bool debug = false;                   // "-debug": the "Текст" page is shown
    std::optional<std::string> startFile; // as given, unchanged
};
// The arguments after the program's own name: the first is the start file,
// unless its lower-case form is "-debug"; then the start file is the second.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The window caption: the program's title, "   =>   " and the file name.
QString MainCaption(const QString& fileName);

// ---- The page control --------------------------------------------------------

// A tab bar that wraps its tabs into as many rows as its width needs, so
// that every tab is in view at once (rows ragged right, in tab order from
// the top). Tabs of hidden pages take no place.
class TMultiRowTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit TMultiRowTabBar(QWidget* parent = nullptr);

    // The visible tab at a point of the bar, or -1.
    int TabAt(const QPoint& pos) const;
    // The rectangle of a tab (empty for a hidden one).
    QRect TabRect(int index) const;
    int RowCount() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Layout {
        std::vector<QRect> rects;
        int rows = 0;
        int height = 0;
    };
    Layout Compute(int width) const;
    int LayoutWidth() const;

    int hover_ = -1;
};

class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);
    TMultiRowTabBar* Bar() const { return bar_; }

private:
    TMultiRowTabBar* bar_;
};

// ---- Program-wide objects ------------------------------------------------------

class TFormMain;

// Everything the program creates at start and keeps until it ends.
struct TProgram {
    TProgram();
    ~TProgram();

    std::unique_ptr<TFormMain> FormMain;
    HintManager* HintWindow = nullptr;
    std::unique_ptr<TFormLogicalDisks> FormLogicalDisks;
    std::unique_ptr<TFormErrorMessage> FormErrorMessage;
    std::unique_ptr<TFormOkMessage> FormOkMessage;
    std::unique_ptr<TDialogConfig> DialogConfig;
    std::unique_ptr<TFormDialogSetKeyConfig> FormDialogSetKeyConfig;
    std::unique_ptr<TFormSelectPathTree> FormSelectPathTree;
    std::unique_ptr<TLexPipe> LexPipe;
    std::unique_ptr<TLexema> Lexema;
    std::unique_ptr<T_Command_DEVICE> WorkDevice;
    std::unique_ptr<T_Command_DEVICE> ProbeDevice;
    std::mt19937 Random;
    CommandLine StartCommandLine;
};

// The start-up of the program up to the message loop: the program folder,
// the windows, the lexer, the two configurations, the random generator.
// arguments: the program's arguments after its own name.
std::unique_ptr<TProgram> StartProgram(const std::vector<std::string>& arguments,
                                       PageRegistry pages = {});

// ---- The main window --------------------------------------------------------------

class TFormMain : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 737;
    static constexpr int kClientHeight = 513;
    static constexpr int kMessageMs = 2000;

    // Builds the window (FormCreate): work settings, list, hints, the
    // Create steps of the registered pages.
    explicit TFormMain(PageRegistry pages = {}, QWidget* parent = nullptr);
    // FormDestroy.
    ~TFormMain() override;

    // The program's objects (configurations, dialogs); set once after start.
    void AttachProgram(TProgram* program);
    TProgram* Program() const { return program_; }
    T_Command_DEVICE* WorkDevice() const;
    void SetCommandLine(const CommandLine& commandLine) { commandLine_ = commandLine; }
    // The parsed command line; its start file waits for the opening of files.
    const CommandLine& StartCommandLine() const { return commandLine_; }

    // ---- Controls ----
    TPageControl* PagesParam;
    std::array<QWidget*, kEditorPageCount> Tabs{}; // Tab_Common ... Tab_485
    QWidget* TabDebug;
    QLabel* L_Memo1;
    QPlainTextEdit* Memo1;

    BitBtn* B_Open;
    BitBtn* B_Print;
    BitBtn* B_SaveToDevice;
    BitBtn* B_Save;
    BitBtn* B_Default;
    BitBtn* B_Config;

    QTreeWidget* ListFileConfig;
    QLabel* LabelPozList;
    BitBtn* B_CancelOpenList;
    BitBtn* B_OpenLIst;
    BitBtn* B_OpenDirectly;
    QTimer* TimerTestListConfig;
    QListWidget* LB_1Wire;

    QLabel* ST_MessText;
    QTimer* T_HideToolTip;

    // The status line at the top of the "Общие" page (set by the documents).
    QLabel* StaticTextStatus;
    // Opening and saving; made when the program is attached.
    TDocuments* Documents() const { return documents_; }

    bool HideKeyCodes = true;

    QWidget* Tab(PageId id) const { return Tabs[static_cast<std::size_t>(id)]; }
    // The page of a tab widget, none for TabDebug or anything else.
    std::optional<PageId> PageOf(const QWidget* tab) const;
    EditorPage* Page(PageId id) const { return pages_.Page(id); }

    // ---- Command buttons (the later work puts its operations in the hooks) ----
    void B_OpenClick();
    void B_PrintClick();
    void B_SaveToDeviceClick();
    void B_SaveClick();
    void B_DefaultClick();
    void B_ConfigClick();
    std::function<void()> OnOpen, OnPrint, OnSaveToDevice, OnSave, OnDefault;
    // List mode: "Отменить" leaves it; the other two are hooks.
    void B_CancelOpenListClick();
    void B_OpenLIstClick();
    void B_OpenDirectlyClick();
    std::function<void()> OnOpenList, OnOpenDirectly;
    // Opens the start file at the first showing; until it is set the
    // defaults are shown.
    std::function<void()> OnOpenStartFile;

    // ---- Conventions ----
    void Event_Enter(QWidget* control);
    void Event_Exit(QWidget* control);
    void Event_PassExit(QLineEdit* edit);
    void Event_LabelClick(QLabel* label);
    void Event_UpDownMouseDown(TUpDown* upDown);
    // Remembers the control as the page's last one, then Event_Enter.
    void Event_EnterPage(PageId page, QWidget* control);
    void Event_EnterCommon(QWidget* c) { Event_EnterPage(PageId::Common, c); }
    void Event_EnterMode(QWidget* c) { Event_EnterPage(PageId::Mode, c); }
    void Event_EnterIndic(QWidget* c) { Event_EnterPage(PageId::Indic, c); }
    void Event_EnterShleifs(QWidget* c) { Event_EnterPage(PageId::Shleifs, c); }
    void Event_EnterRele(QWidget* c) { Event_EnterPage(PageId::Rele, c); }
    void Event_EnterKey(QWidget* c) { Event_EnterPage(PageId::Keys, c); }
    void Event_EnterSMS(QWidget* c) { Event_EnterPage(PageId::SMS, c); }
    void Event_EnterSMSK(QWidget* c) { Event_EnterPage(PageId::SMSK, c); }
    void Event_EnterGSM(QWidget* c) { Event_EnterPage(PageId::GSM, c); }
    void Event_EnterZV4(QWidget* c) { Event_EnterPage(PageId::ZV4, c); }
    void Event_EnterGPRS(QWidget* c) { Event_EnterPage(PageId::GPRS, c); }
    void Event_EnterLAN(QWidget* c) { Event_EnterPage(PageId::LAN, c); }
    void Event_Enter485(QWidget* c) { Event_EnterPage(PageId::P485, c); }
    void Event_ButtonEnter(QWidget* button);
    void Event_ButtonExit(QWidget* button);
    void Event_ButtonEnterKEY(QWidget* button);
    void Event_ButtonEnterZV4(QWidget* button);

    // Binding of a page's controls to the conventions. Create steps may bind
    // controls themselves (a key or password edit with password = true);
    // after each Create step every input control, caption label, up-down
    // and glyph button of the page not yet bound is bound to its page.
    void BindControl(QWidget* control, std::optional<PageId> page, bool password = false);
    void BindPage(PageId page);

    // The page's remembered control (none at start).
    QWidget* LastControl(PageId page) const;
    // The show handler of a page (Tab_CommonShow ... Tab_485Show).
    void Tab_Show(PageId page);

    // Shows the page, then focuses the control (none: the page only).
    void GotoItem(QWidget* page, QWidget* control);
    // The same by names: page "Tab_Keys", control "SG_Keys"; a row above 0
    // selects that cell of a grid. False when a name is unknown.
    bool GotoItem(const std::string& page, const std::string& control, int row = 0, int column = 0);

    // The hint of a control at a point: the tab under the pointer, the
    // editor of the grid column under it; empty for the control's own hint.
    QString My_onShowHint(QWidget* control, QPoint localPos) const;

    // The red message over a grid cell, hidden after 2000 ms.
    void ShowCellMessage(QTableWidget* grid, int row, int column, const QString& text);
    void T_HideToolTipTimer();

    void Redraw_All();
    void UnLoad_All();
    // One page from the configuration (validation after putting a default back).
    void RedrawPage(PageId page);
    bool RedrawPage(const std::string& pageName);

    // The text buffer of the text page (Windows-1251, shown converted).
    void SetMemoText(const std::string& cp1251);
    const std::string& MemoText() const { return memo_; }

    // Normal view or list mode (the list is filled by later work).
    void ButtonVisible(bool normal);

    bool FirstShown() const { return shown_; }

signals:
    // Emitted once, when the window has been shown for the first time.
    void firstShown();

protected:
    void showEvent(QShowEvent* event) override;
    // Escape in list mode is "Отменить", the window's cancel button.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void CreateButtons();
    void CreateListMode();
    void CreatePages();
    BitBtn* MakeButton(const char* name, int tag, int hintKey, void (TFormMain::*click)());

    PageRegistry pages_;
    TProgram* program_ = nullptr;
    CommandLine commandLine_;
    T_Command scratch_;
    std::array<QPointer<QWidget>, kEditorPageCount> last_{};
    std::string memo_;
    bool shown_ = false;
    std::unique_ptr<TDialogConfig> ownDialogConfig_;
    TDocuments* documents_ = nullptr;
};

} // namespace zavro::ui
