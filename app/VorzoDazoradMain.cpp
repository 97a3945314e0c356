#include "VorzoDazoradMain.h"
#include "ui_VorzoDazoradMain.h"

#include "platform/Preferences.h"
#include "accessories/ClockTab.h"
#include "accessories/Help.h"
#include "accessories/RelatedLinks.h"
#include "accessories/Vertion.h"
#include "accessories/VorzoEdit.h"
#include "environment/Environ.h"
#include "environment/VorzoImage.h"
#include "output/PageTab.h"
#include "output/ParameterText.h"
#include "output/StageCommands.h"
#include "output/StageFiles.h"
#include "output/TestPlay.h"
#include "desktop/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Guarded.h"
#include "platform/Shell.h"
#include "settings/Setting.h"
#include "stage/MapCanvas.h"
#include "stage/MapView.h"
#include "stage/Palette.h"
#include "stage/Placement.h"
#include "stage/RegisteredItems.h"

#include <QCloseEvent>
#include <QMenu>

TVorzo *Vorzo = nullptr;

namespace {

constexpr int ClientWidth = 731;
constexpr int ClientHeight = 571; // below the menu bar
constexpr int StatusBarHeight = 19;

// Qt takes a menu's hint from its menu action; the form gives it to the menu.
void giveMenuHintsToTheirActions(QWidget *window)
{
    for (QMenu *menu : window->findChildren<QMenu *>())
        menu->menuAction()->setStatusTip(menu->statusTip());
}

} // namespace

TVorzo::TVorzo(QWidget *parent) : QMainWindow(parent), ui(new Ui::TVorzo)
{
    ui->setupUi(this);
    Desktop::useFormFont(this);
    giveMenuHintsToTheirActions(this);

    // Silver, the face of the window and of everything drawn on it.
    QPalette silver = QMainWindow::palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    silver.setColor(QPalette::Button, QColor(192, 192, 192));
    setPalette(silver);
    ui->StatusBar1->setFixedHeight(StatusBarHeight);
    setFixedSize(ClientWidth, ClientHeight + ui->MainMenu1->sizeHint().height());

    auto *paletteMenu = new QMenu(this);
    paletteMenu->addActions({ui->PopN20, ui->PopN21});
    paletteMenu->addSeparator();
    paletteMenu->addActions({ui->PopY291, ui->PopX11, ui->PopY11});
    paletteMenu->addSeparator();
    paletteMenu->addAction(ui->PopO1);
    m_palette = new Palette(
        Palette::Controls{ui->sel1, ui->sel2, ui->sel3, ui->list1, ui->list2, ui->list3, paletteMenu, ui->PopO1},
        this);
    m_pageTab = std::make_unique<PageTab>(
        PageTab::Controls{ui->before, ui->mapping, ui->setting, ui->after, ui->final});
    m_view = new MapView(
        MapView::Controls{
            ui->maincan,
            {ui->x0, ui->x1, ui->x2, ui->x3, ui->x4, ui->x5, ui->x6, ui->x7, ui->x8, ui->x9},
            {ui->y0, ui->y1, ui->y2, ui->y3, ui->y4, ui->y5, ui->y6, ui->y7, ui->y8, ui->y9},
            ui->mappos,
            {{ui->ue10, 0, -10}, {ui->ue1, 0, -1}, {ui->reset, 0, 0}, {ui->hidari10, -10, 0}, {ui->hidari1, -1, 0},
             {ui->migi1, 1, 0}, {ui->migi10, 10, 0}, {ui->sita1, 0, 1}, {ui->sita10, 0, 10}}},
        Map, [] { return imgform->pattern().tiles(); }, this);
    m_placement = std::make_unique<Placement>(Map, *m_view, *m_palette);
    m_registered = new RegisteredItems(
        RegisteredItems::Controls{{ui->No1, ui->No2, ui->No3, ui->No4, ui->No5},
                                  {ui->b1, ui->b2, ui->b3, ui->b4, ui->b5},
                                  ui->Save,
                                  {ui->use1, ui->use2, ui->use3, ui->use4, ui->use5}},
        *m_palette, this);
    m_stageCommands = std::make_unique<StageCommands>(
        StageCommands::Parts{Map, *m_view, *m_placement, *m_pageTab, ui->Project});

    // Alt+F4 closes the window also where no window manager does it.
    auto *altF4 = new QAction(this);
    altF4->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(altF4, &QAction::triggered, this, &QWidget::close);
    addAction(altF4);

    connectHandlers();
    connectAccessories();
    FormCreate();
}

TVorzo::~TVorzo()
{
    delete ui;
}

void TVorzo::connectHandlers()
{
    auto on = [this](QAction *action, void (TVorzo::*handler)()) {
        connect(action, &QAction::triggered, this, guarded([this, handler] { (this->*handler)(); }));
    };
    on(ui->Exit1, &TVorzo::Exit1Click);
    on(ui->N2, &TVorzo::N2Click);
    on(ui->T3, &TVorzo::T3Click);
    on(ui->N7, &TVorzo::N7Click);
    on(ui->N9, &TVorzo::N9Click);
    on(ui->N13, &TVorzo::N13Click);
    on(ui->O1, &TVorzo::O1Click);
    on(ui->PopO1, &TVorzo::O1Click);
    on(ui->F1, &TVorzo::F1Click);
    on(ui->T2, &TVorzo::T2Click);
    on(ui->Help2, &TVorzo::Help2Click);
    on(ui->About1, &TVorzo::About1Click);

    // The map edits, from the main menu and from the palette's context menu.
    const struct { QAction *mainEntry, *paletteEntry; void (Placement::*handler)(); } edits[] = {
        {ui->N20, ui->PopN20, &Placement::N20Click}, {ui->N21, ui->PopN21, &Placement::N21Click},
        {ui->Y291, ui->PopY291, &Placement::Y291Click}, {ui->X11, ui->PopX11, &Placement::X11Click},
        {ui->Y11, ui->PopY11, &Placement::Y11Click},
    };
    for (const auto &edit : edits) {
        for (QAction *entry : {edit.mainEntry, edit.paletteEntry}) {
            connect(entry, &QAction::triggered, this,
                    guarded([this, handler = edit.handler] { (m_placement.get()->*handler)(); }));
        }
    }
    const struct { QAction *entry; void (StageCommands::*handler)(); } stageFiles[] = {
        {ui->New1, &StageCommands::New1Click}, {ui->Open1, &StageCommands::Open1Click},
        {ui->SaveAs1, &StageCommands::SaveAs1Click}, {ui->SaveAs2, &StageCommands::SaveAs2Click},
        {ui->N22, &StageCommands::N22Click}, {ui->HTML1, &StageCommands::HTML1Click},
    };
    for (const auto &command : stageFiles) {
        connect(command.entry, &QAction::triggered, this,
                guarded([this, handler = command.handler] { (m_stageCommands.get()->*handler)(); }));
    }
    connect(ui->maincan, &MapCanvas::clicked, this,
            [this](QPoint at) { runGuarded([&] { m_placement->maincanClick(at); }); });
    connect(ui->maincan, &MapCanvas::moved, this, [this](QPoint at, MapCanvas::PointerState state) {
        runGuarded([&] { m_placement->maincanMouseMove(at, state); });
    });
}

void TVorzo::FormCreate()
{
    m_palette->selectFirstItems();
    Map.clear();
}

void TVorzo::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TVorzo::FormShow()
{
    if (FirstShowDone)
        return;
    Desktop::centreOnScreen(this);
    // Each step reports its own failure; the later steps still run, so the
    // defaults snapshot exists whatever failed before it.
    runGuarded([this] { m_view->RedrawCanvas(); });
    runGuarded([this] { readPreferences(); });
    FirstShowDone = true;
    SettingForm->takeDefaultSettingsSnapshot();
}

void TVorzo::readPreferences()
{
    const Preferences stored = Preferences::read();
    PagesDlg->setValues({stored.saveOpenFolder, stored.imageFile, stored.foreColour, stored.backColour});
    m_registered->setTexts(stored.registered);
}

bool TVorzo::FormCloseQuery()
{
    const WarningButton answer = dialogs().warning(
        QStringLiteral("保存されていないデータはすべて失われます。\r\nよろしいですか。\r\n"),
        {WarningButton::Yes, WarningButton::Cancel});
    if (answer != WarningButton::Yes)
        return false;
    return EditForm->CloseChack();
}

void TVorzo::closeEvent(QCloseEvent *event)
{
    bool canClose = false;
    runGuarded([&] { canClose = FormCloseQuery(); });
    if (!canClose) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void TVorzo::Exit1Click()
{
    close();
}

QByteArray TVorzo::MakeMapHTML() const
{
    return ::MakeMapHTML(Map);
}

void TVorzo::N2Click()
{
    m_pageTab->refresh(Map, SettingForm->settings());
    ui->PageControl1->setCurrentIndex(HtmlPage);
}

void TVorzo::T3Click()
{
    N2Click();
    StageFiles::writePage(TestPlay::pagePath(), m_pageTab->finalPage());
    ShellOpen(TestPlay::address());
}

void TVorzo::N7Click()
{
    EditForm->show();
    EditForm->raise();
    EditForm->activateWindow();
}

void TVorzo::N9Click()
{
    imgform->exec();
}

void TVorzo::N13Click()
{
    SettingForm->exec();
}

void TVorzo::O1Click()
{
    PagesDlg->exec();
}

void TVorzo::F1Click()
{
    PagesDlg->selectPage(0);
    PagesDlg->exec();
}

void TVorzo::T2Click()
{
    PagesDlg->selectPage(1);
    PagesDlg->exec();
}

void TVorzo::Help2Click()
{
    HelpForm->exec();
}

void TVorzo::About1Click()
{
    AboutBox->exec();
}

// The accessories: the clock on its page, the related links.
void TVorzo::connectAccessories()
{
    auto *clock = new ClockTab(ui->TabSheet4);
    connect(clock, &ClockTab::alarmMatched, this, [this] { ui->PageControl1->setCurrentIndex(ClockPage); });

    const struct { QAction *entry; void (*handler)(); } links[] = {
        {ui->N10, &RelatedLinks::N10Click}, {ui->SP1, &RelatedLinks::SP1Click},
        {ui->N12, &RelatedLinks::N12Click}, {ui->N14, &RelatedLinks::N14Click},
    };
    for (const auto &link : links)
        connect(link.entry, &QAction::triggered, this, guarded(link.handler));
}
