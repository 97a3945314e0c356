#pragma once
// The main window: the stage editor, the page generator, the registered items
// and the clock on four tabs, and the menus that reach every other window.

#include <QMainWindow>

namespace Ui { class TVorzo; }
class MapView;
class Palette;
class PageTab;
class Placement;
class RegisteredItems;
class Stage;
class StageCommands;
class StageMenu;

class TVorzo : public QMainWindow
{
    Q_OBJECT
public:
    // Shows `stage`, which outlives the window.
    explicit TVorzo(Stage &stage, QWidget *parent = nullptr);
    ~TVorzo() override;

    enum Page { MainEditPage = 0, HtmlPage = 1, RegisterPage = 2, ClockPage = 3 };

    Stage &stage() { return m_stage; }
    const Palette &stagePalette() const { return *m_palette; }
    MapView &mapView() { return *m_view; }
    StageCommands &stageCommands();
    bool firstShowDone() const { return m_firstShowDone; }

    // The map parameter text of the current stage map.
    QByteArray MakeMapHTML() const;

    // Puts the environment dialog's four values into effect: the starting
    // names of the five file dialogs, the pattern image, the text editor's
    // colours, in that order. A failing step throws; those before it stay.
    void ApplyEnvironment();

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
    void readPreferences();
    bool FormCloseQuery();

    // システム: refresh the page, test play, exit.
    void N2Click();
    void T3Click();
    void Exit1Click();

    // Entries that only open another window.
    void N7Click();
    void N9Click();
    void N13Click();
    void O1Click();
    void F1Click();
    void T2Click();
    void Help2Click();
    void About1Click();

    Ui::TVorzo *m_ui;
    Stage &m_stage;
    bool m_firstShowDone = false;
    // Parts of the window's behaviour, each wiring its own controls; the
    // QObjects among them are the window's children.
    Palette *m_palette = nullptr;
    std::unique_ptr<PageTab> m_pageTab;
    MapView *m_view = nullptr;
    Placement *m_placement = nullptr;
    RegisteredItems *m_registered = nullptr;
    StageMenu *m_stageMenu = nullptr;
};

extern TVorzo *Vorzo;
