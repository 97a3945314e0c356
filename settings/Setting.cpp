#include "Setting.h"
#include "ui_Setting.h"

#include "SettingsGrid.h"
#include "StageSettings.h"
#include "desktop/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Guarded.h"
#include "platform/VorzoError.h"

#include <QHeaderView>

namespace {
constexpr int KeyColumnWidth = 124;
constexpr int ValueColumnWidth = 645;
constexpr int RowHeight = 18;
} // namespace

TSettingForm::TSettingForm(StageSettings &settings, QWidget *parent)
    : QDialog(parent), m_ui(new Ui::TSettingForm), m_settings(settings)
{
    Desktop::useFormFont(this);
    m_ui->setupUi(this);
    move(196, 120); // where it was designed to open, not centred

    SettingsModel *model = &m_settings.model();
    m_ui->Main->setModel(model);
    m_rows = new RowGuard(model, SettingsModel::ValueColumn, this);
    m_rows->setAllow([this](int row) { return MainSelectCell(row); });
    m_ui->Main->setSelectionModel(m_rows);
    m_values = new SettingValueDelegate(this);
    m_ui->Main->setItemDelegateForColumn(SettingsModel::ValueColumn, m_values);
    m_ui->Main->setColumnWidth(SettingsModel::KeyColumn, KeyColumnWidth);
    m_ui->Main->setColumnWidth(SettingsModel::ValueColumn, ValueColumnWidth);
    m_ui->Main->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_ui->Main->horizontalHeader()->setSectionsMovable(false);
    m_ui->Main->verticalHeader()->setDefaultSectionSize(RowHeight);
    m_ui->Status->showMessage(QStringLiteral("制限時間,0を設定すると無制限"));

    // A refused value is reported once the editor has let go of it.
    connect(
        model, &SettingsModel::refused, this, [](const QString &message) { dialogs().error(errorBoxText(message)); },
        Qt::QueuedConnection);
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
                    m_ui->Main->closePersistentEditor(previous);
                if (current.isValid() && isVisible())
                    showEditorOfCurrentRow();
            });
    connect(m_ui->D2, &QAction::triggered, this, guarded([this] { D2Click(); }));

    FormCreate();
}

TSettingForm::~TSettingForm()
{
    delete m_ui;
}

void TSettingForm::showEditorOfCurrentRow()
{
    // The value cell of the current row always shows its editor.
    const QModelIndex current = m_rows->currentIndex();
    if (current.isValid() && !m_ui->Main->isPersistentEditorOpen(current))
        m_ui->Main->openPersistentEditor(current);
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
        m_ui->Status->showMessage(m_help.line(row));
        return true;
    } catch (const VorzoError &e) {
        dialogs().error(errorBoxText(e.message()));
        return false;
    }
}
