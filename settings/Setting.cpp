#include "Setting.h"
#include "ui_Setting.h"

#include "SettingsGrid.h"
#include "SettingsParameterText.h"
#include "StageSettings.h"
#include "desktop/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Guarded.h"
#include "platform/VorzoError.h"

#include <QHeaderView>

TSettingForm *SettingForm = nullptr;

namespace {
constexpr int KeyColumnWidth = 124;
constexpr int ValueColumnWidth = 645;
constexpr int RowHeight = 18;
} // namespace

TSettingForm::TSettingForm(StageSettings &settings, QWidget *parent)
    : QDialog(parent), ui(new Ui::TSettingForm), m_settings(settings)
{
    ui->setupUi(this);
    Desktop::useFormFont(this);
    move(196, 120); // where it was designed to open, not centred

    SettingsModel *model = &m_settings.model();
    ui->Main->setModel(model);
    m_rows = new RowGuard(model, SettingsModel::ValueColumn, this);
    m_rows->setAllow([this](int row) { return MainSelectCell(row); });
    ui->Main->setSelectionModel(m_rows);
    m_values = new SettingValueDelegate(this);
    ui->Main->setItemDelegateForColumn(SettingsModel::ValueColumn, m_values);
    ui->Main->setColumnWidth(SettingsModel::KeyColumn, KeyColumnWidth);
    ui->Main->setColumnWidth(SettingsModel::ValueColumn, ValueColumnWidth);
    ui->Main->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui->Main->horizontalHeader()->setSectionsMovable(false);
    ui->Main->verticalHeader()->setDefaultSectionSize(RowHeight);
    ui->Status->showMessage(QStringLiteral("制限時間,0を設定すると無制限"));

    // A refused value is reported once the editor has let go of it.
    connect(model, &SettingsModel::refused, this,
            [](const QString &message) { dialogs().error(errorBoxText(message)); }, Qt::QueuedConnection);
    // A new list (opened, restored) keeps the current row where it can.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_rowBeforeReset = m_rows->currentIndex().row(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this, model] {
        if (model->rowCount() > 0)
            m_rows->placeQuietly(std::clamp(m_rowBeforeReset, 0, model->rowCount() - 1));
    });
    connect(m_rows, &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                if (previous.isValid())
                    ui->Main->closePersistentEditor(previous);
                if (current.isValid() && isVisible())
                    showEditorOfCurrentRow();
            });
    connect(ui->D2, &QAction::triggered, this, guarded([this] { D2Click(); }));

    FormCreate();
}

TSettingForm::~TSettingForm()
{
    delete ui;
}

void TSettingForm::showEditorOfCurrentRow()
{
    // The value cell of the current row always shows its editor.
    const QModelIndex current = m_rows->currentIndex();
    if (current.isValid() && !ui->Main->isPersistentEditorOpen(current))
        ui->Main->openPersistentEditor(current);
    if (QWidget *editor = m_values->openEditor())
        editor->setFocus();
}

void TSettingForm::FormCreate()
{
    runGuarded([this] { m_help = SettingHelp::load(QStringLiteral("Setting.cfg")); });
}

void TSettingForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_rows->currentIndex().isValid())
        m_rows->placeQuietly(0);
    showEditorOfCurrentRow();
}

QByteArray TSettingForm::MakeHTML() const
{
    return MakeSettingsHTML(m_settings.list());
}

void TSettingForm::DeleteAll()
{
    m_settings.DeleteAll();
}

void TSettingForm::D2Click()
{
    const WarningButton answer = dialogs().warning(QStringLiteral("元には戻せません。\r\n本当にいいですか。"),
                                                   {WarningButton::Yes, WarningButton::No});
    if (answer == WarningButton::Yes)
        DeleteAll();
}

bool TSettingForm::MainSelectCell(int row)
{
    try {
        ui->Status->showMessage(m_help.line(row));
        return true;
    } catch (const VorzoError &e) {
        dialogs().error(errorBoxText(e.message()));
        return false;
    }
}
