#include "VorzoDazoradMain.h"
#include "ui_VorzoDazoradMain.h"

#include "Windows.h"
#include "Workspace.h"

#include "accessories/ClockTab.h"
#include "accessories/Help.h"
#include "accessories/RelatedLinks.h"
#include "accessories/Vertion.h"
#include "accessories/VorzoEdit.h"
#include "desktop/Desktop.h"
#include "environment/Environ.h"
#include "environment/VorzoImage.h"
#include "output/PageTab.h"
#include "output/ParameterText.h"
#include "output/StageFiles.h"
#include "output/StageMenu.h"
#include "output/TestPlay.h"
#include "platform/Dialogs.h"
#include "platform/Guarded.h"
#include "platform/Shell.h"
#include "settings/Setting.h"
#include "stage/MapCanvas.h"
#include "stage/MapView.h"
#include "stage/Palette.h"
#include "stage/Placement.h"
#include "stage/RegisteredItems.h"
#include "stage/Stage.h"

#include <QCloseEvent>
#include <QDialog>
#include <QMenu>

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

// Runs `dialog` until it is answered; one that is already running (an entry
// reached again, say through a menu of the window it blocks) comes to the
// front instead: a second run would end at once and lose its answer.
void runModal(QDialog &dialog)
{
    if (dialog.isVisible()) {
        dialog.raise();
        dialog.activateWindow();
        return;
    }
    dialog.exec();
}

} // namespace

TVorzo::TVorzo(Workspace &workspace, const Windows &windows, QWidget *parent)
    : QMainWindow(parent), m_ui(new Ui::TVorzo), m_workspace(workspace), m_windows(windows), m_stage(workspace.stage())
{
    Desktop::useFormFont(this);
    m_ui->setupUi(this);
    giveMenuHintsToTheirActions(this);
    // The coordinate panels: columns blue on red, rows red on blue.
    for (QLabel *column :
         {m_ui->x0, m_ui->x1, m_ui->x2, m_ui->x3, m_ui->x4, m_ui->x5, m_ui->x6, m_ui->x7, m_ui->x8, m_ui->x9})
        Desktop::colourPanel(column, Qt::red, Qt::blue, 14);
    for (QLabel *row :
         {m_ui->y0, m_ui->y1, m_ui->y2, m_ui->y3, m_ui->y4, m_ui->y5, m_ui->y6, m_ui->y7, m_ui->y8, m_ui->y9})
        Desktop::colourPanel(row, Qt::blue, Qt::red, 14);
    Desktop::colourPanel(m_ui->AxisX, Qt::red, Qt::blue, 12);
    Desktop::colourPanel(m_ui->AxisY, Qt::blue, Qt::red, 12);
    // The mini-map and its marker of the view, the caption of the finished page.
    Desktop::fillBackground(m_ui->allmap, Qt::yellow);
    Desktop::fillBackground(m_ui->mappos, Qt::red);
    Desktop::fillBackground(m_ui->FinalCaption, Qt::green);
    // The first list is white through: its frame is shaded from white too.
    QPalette white = m_ui->list1->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    m_ui->list1->setPalette(white);

    // Silver, the face of the window and of everything drawn on it.
    QPalette silver = QMainWindow::palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    silver.setColor(QPalette::Button, QColor(192, 192, 192));
    setPalette(silver);
    m_ui->StatusBar1->setFixedHeight(StatusBarHeight);
    setFixedSize(ClientWidth, ClientHeight + m_ui->MainMenu1->sizeHint().height());

    auto *paletteMenu = new QMenu(this);
    paletteMenu->addActions({m_ui->PopN20, m_ui->PopN21});
    paletteMenu->addSeparator();
    paletteMenu->addActions({m_ui->PopY291, m_ui->PopX11, m_ui->PopY11});
    paletteMenu->addSeparator();
    paletteMenu->addAction(m_ui->PopO1);
    m_palette = new Palette(Palette::Controls{m_ui->sel1, m_ui->sel2, m_ui->sel3, m_ui->list1, m_ui->list2, m_ui->list3,
                                              paletteMenu, m_ui->PopO1},
                            this);
    m_pageTab = std::make_unique<PageTab>(
        PageTab::Controls{m_ui->before, m_ui->mapping, m_ui->setting, m_ui->after, m_ui->final},
        m_workspace.headTemplate(), m_workspace.tailTemplate());
    m_view = new MapView(
        MapView::Controls{
            m_ui->maincan,
            {m_ui->x0, m_ui->x1, m_ui->x2, m_ui->x3, m_ui->x4, m_ui->x5, m_ui->x6, m_ui->x7, m_ui->x8, m_ui->x9},
            {m_ui->y0, m_ui->y1, m_ui->y2, m_ui->y3, m_ui->y4, m_ui->y5, m_ui->y6, m_ui->y7, m_ui->y8, m_ui->y9},
            m_ui->mappos,
            {{m_ui->ue10, 0, -10},
             {m_ui->ue1, 0, -1},
             {m_ui->reset, 0, 0},
             {m_ui->hidari10, -10, 0},
             {m_ui->hidari1, -1, 0},
             {m_ui->migi1, 1, 0},
             {m_ui->migi10, 10, 0},
             {m_ui->sita1, 0, 1},
             {m_ui->sita10, 0, 10}}},
        m_stage.map(), [this] { return m_workspace.pattern().pattern().tiles(); }, this);
    m_placement = new Placement(Placement::Controls{m_ui->maincan,
                                                    {m_ui->N20, m_ui->PopN20},
                                                    {m_ui->N21, m_ui->PopN21},
                                                    {m_ui->Y291, m_ui->PopY291},
                                                    {m_ui->X11, m_ui->PopX11},
                                                    {m_ui->Y11, m_ui->PopY11}},
                                m_stage.map(), *m_view, *m_palette, this);
    m_registered = new RegisteredItems(
        RegisteredItems::Controls{{m_ui->No1, m_ui->No2, m_ui->No3, m_ui->No4, m_ui->No5},
                                  {m_ui->b1, m_ui->b2, m_ui->b3, m_ui->b4, m_ui->b5},
                                  m_ui->Save,
                                  {m_ui->use1, m_ui->use2, m_ui->use3, m_ui->use4, m_ui->use5}},
        m_workspace.registered(), *m_palette, this);
    new StageMenu(StageMenu::Controls{m_ui->New1, m_ui->Open1, m_ui->SaveAs1, m_ui->SaveAs2, m_ui->N22, m_ui->HTML1,
                                      m_ui->Project},
                  m_workspace.stageCommands(), m_stage, this);
    m_workspace.setShowFromStart([this] { m_view->SetViewOrigin(0, 0); });

    // Alt+F4 closes the window also where no window manager does it.
    auto *altF4 = new QAction(this);
    altF4->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(altF4, &QAction::triggered, this, &QWidget::close);
    addAction(altF4);

    // Tab reaches the canvas after the move buttons, then the palette and
    // the project name, in reading order.
    const QList<QWidget *> editPage{m_ui->sita10, m_ui->maincan, m_ui->sel1,  m_ui->sel2,   m_ui->sel3,
                                    m_ui->list1,  m_ui->list2,   m_ui->list3, m_ui->Project};
    for (qsizetype i = 1; i < editPage.size(); ++i)
        setTabOrder(editPage.at(i - 1), editPage.at(i));

    connectHandlers();
    connectAccessories();
    FormCreate();
}

TVorzo::~TVorzo()
{
    delete m_ui;
}

StageCommands &TVorzo::stageCommands()
{
    return m_workspace.stageCommands();
}

void TVorzo::connectHandlers()
{
    auto on = [this](QAction *action, void (TVorzo::*handler)()) {
        connect(action, &QAction::triggered, this, guarded([this, handler] { (this->*handler)(); }));
    };
    on(m_ui->Exit1, &TVorzo::Exit1Click);
    on(m_ui->N2, &TVorzo::N2Click);
    on(m_ui->T3, &TVorzo::T3Click);
    on(m_ui->N7, &TVorzo::N7Click);
    on(m_ui->N9, &TVorzo::N9Click);
    on(m_ui->N13, &TVorzo::N13Click);
    on(m_ui->O1, &TVorzo::O1Click);
    on(m_ui->PopO1, &TVorzo::O1Click);
    on(m_ui->F1, &TVorzo::F1Click);
    on(m_ui->T2, &TVorzo::T2Click);
    on(m_ui->Help2, &TVorzo::Help2Click);
    on(m_ui->About1, &TVorzo::About1Click);
}

void TVorzo::FormCreate()
{
    m_palette->selectFirstItems();
    m_stage.map().clear();
}

void TVorzo::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TVorzo::FormShow()
{
    if (m_firstShowDone)
        return;
    Desktop::centreOnScreen(this);
    // Each step reports its own failure; the later steps still run, so the
    // defaults snapshot exists whatever failed before it.
    runGuarded([this] { m_view->RedrawCanvas(); });
    runGuarded([this] { m_workspace.readPreferences(); });
    m_firstShowDone = true;
    runGuarded([this] { m_workspace.ApplyEnvironment(); });
    m_stage.settings().takeDefaultSettingsSnapshot();
}

bool TVorzo::FormCloseQuery()
{
    const WarningButton answer = dialogs().warning(
        QStringLiteral("保存されていないデータはすべて失われます。\r\nよろしいですか。\r\n"),
        {WarningButton::Yes, WarningButton::Cancel});
    if (answer != WarningButton::Yes)
        return false;
    return m_windows.editor().CloseChack();
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
    return ::MakeMapHTML(m_stage.map());
}

void TVorzo::N2Click()
{
    m_pageTab->show(m_workspace.refreshPage());
    m_ui->PageControl1->setCurrentIndex(HtmlPage);
}

void TVorzo::T3Click()
{
    N2Click();
    StageFiles::writePage(TestPlay::pagePath(), m_stage.finishedPage());
    ShellOpen(TestPlay::address());
}

void TVorzo::N7Click()
{
    TEditForm &editor = m_windows.editor();
    editor.show();
    editor.raise();
    editor.activateWindow();
}

void TVorzo::N9Click()
{
    runModal(m_windows.image());
}

void TVorzo::N13Click()
{
    runModal(m_windows.settings());
}

void TVorzo::O1Click()
{
    runModal(m_windows.environment());
}

void TVorzo::F1Click()
{
    m_windows.environment().selectPage(0);
    runModal(m_windows.environment());
}

void TVorzo::T2Click()
{
    m_windows.environment().selectPage(1);
    runModal(m_windows.environment());
}

void TVorzo::Help2Click()
{
    runModal(m_windows.help());
}

void TVorzo::About1Click()
{
    runModal(m_windows.about());
}

// The accessories: the clock on its page, the related links.
void TVorzo::connectAccessories()
{
    auto *clock = new ClockTab(m_ui->TabSheet4);
    connect(clock, &ClockTab::alarmMatched, this, [this] { m_ui->PageControl1->setCurrentIndex(ClockPage); });

    const struct
    {
        QAction *entry;
        void (*handler)();
    } links[] = {
        {m_ui->N10, &RelatedLinks::N10Click},
        {m_ui->SP1, &RelatedLinks::SP1Click},
        {m_ui->N12, &RelatedLinks::N12Click},
        {m_ui->N14, &RelatedLinks::N14Click},
    };
    for (const auto &link : links)
        connect(link.entry, &QAction::triggered, this, guarded(link.handler));
}
