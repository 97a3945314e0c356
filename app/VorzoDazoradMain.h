#pragma once
// The main window: the stage editor, the page generator, the registered items
// and the clock on four tabs, and the menus that reach every other window.

#include "stage/StageMap.h"

#include <QMainWindow>
#include <memory>

namespace Ui { class TVorzo; }
class MapView;
class Palette;
class PageTab;
class Placement;
class RegisteredItems;
class StageCommands;

class TVorzo : public QMainWindow
{
    Q_OBJECT
public:
    explicit TVorzo(QWidget *parent = nullptr);
    ~TVorzo() override;

    enum Page { MainEditPage = 0, HtmlPage = 1, RegisterPage = 2, ClockPage = 3 };

    StageMap &stageMap() { return Map; }
    const Palette &stagePalette() const { return *m_palette; }
    const PageTab &pageTab() const { return *m_pageTab; }
    MapView &mapView() { return *m_view; }
    StageCommands &stageCommands() { return *m_stageCommands; }
    bool firstShowDone() const { return FirstShowDone; }

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

    void FormCreate();
    void FormShow();
    void readPreferences();
    bool FormCloseQuery();

    void Exit1Click();
    void N2Click();
    void T3Click();
    void N7Click();
    void N9Click();
    void N13Click();
    void O1Click();
    void F1Click();
    void T2Click();
    void Help2Click();
    void About1Click();

    Ui::TVorzo *ui;
    StageMap Map;
    bool FirstShowDone = false;
    // Parts of the window's behaviour; the QObjects among them are its children.
    Palette *m_palette = nullptr;
    std::unique_ptr<PageTab> m_pageTab;
    MapView *m_view = nullptr;
    std::unique_ptr<Placement> m_placement;
    RegisteredItems *m_registered = nullptr;
    std::unique_ptr<StageCommands> m_stageCommands;
};

extern TVorzo *Vorzo;
