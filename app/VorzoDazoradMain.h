#pragma once
// The main window: the stage editor, the page generator, the registered items
// and the clock on four tabs, and the menus that reach every other window.

#include <QMainWindow>

namespace Ui {
class TVorzo;
}
class MapView;
class Palette;
class PageTab;
class Placement;
class RegisteredItems;
class Stage;
class StageCommands;
class Windows;
class Workspace;

class TVorzo : public QMainWindow
{
    Q_OBJECT
public:
    // Shows the stage of `workspace`; opens the other windows of `windows`
    // (made after it). Both outlive the window.
    TVorzo(Workspace &workspace, const Windows &windows, QWidget *parent = nullptr);
    ~TVorzo() override;

    enum Page { MainEditPage = 0, HtmlPage = 1, RegisterPage = 2, ClockPage = 3 };

    Stage &stage() { return m_stage; }
    const Palette &stagePalette() const { return *m_palette; }
    MapView &mapView() { return *m_view; }
    StageCommands &stageCommands();
    bool firstShowDone() const { return m_firstShowDone; }

    // The map parameter text of the current stage map.
    QByteArray MakeMapHTML() const;

signals:
    // The window has closed for good: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    void connectAccessories();

    // Start and end: creation, the first show's work, the close question.
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();

    // システム: refresh the page, test play, exit.
    void N2Click(); // refresh the page (F7)
    void T3Click(); // test play (F9): the page, written and opened in the browser
    void Exit1Click();

    // Entries that only open another window.
    void N7Click();     // the text editor
    void N9Click();     // the image window
    void N13Click();    // the settings window (F10)
    void O1Click();     // the environment dialog, on the page shown last
    void F1Click();     // the environment dialog, on フォルダ・ファイル
    void T2Click();     // the environment dialog, on テキストエディタ
    void Help2Click();  // the help window
    void About1Click(); // the version window

    Ui::TVorzo *m_ui;
    Workspace &m_workspace;
    const Windows &m_windows;
    Stage &m_stage;
    bool m_firstShowDone = false;
    // Parts of the window's behaviour, each wiring its own controls; the
    // QObjects among them are the window's children.
    Palette *m_palette = nullptr;
    std::unique_ptr<PageTab> m_pageTab;
    MapView *m_view = nullptr;
    Placement *m_placement = nullptr;
    RegisteredItems *m_registered = nullptr;
};
