#pragma once
// The detailed settings window: the game's tuning values in a key/value grid,
// a help line for the selected entry, restore-defaults. Edits go straight
// into the list; there is no OK or Cancel.

#include "SettingHelp.h"
#include "SettingsList.h"

#include <QDialog>

namespace Ui { class TSettingForm; }
class RowGuard;
class SettingValueDelegate;
class SettingsModel;

class TSettingForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSettingForm(QWidget *parent = nullptr);
    ~TSettingForm() override;

    // The detailed settings, the content of the grid.
    const SettingsList &settings() const;
    void replaceSettings(SettingsList settings);

    // MakeHTML: the settings parameter text of the current list.
    QByteArray MakeHTML() const;

    // Taken once, at the main window's first show; new stage and
    // restore-defaults bring it back.
    void takeDefaultSettingsSnapshot();
    const SettingsList &defaultSettingsSnapshot() const { return DefaultSettingsSnapshot; }
    void DeleteAll();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void D2Click();
    bool MainSelectCell(int row);
    void showEditorOfCurrentRow();

    Ui::TSettingForm *ui;
    SettingsModel *m_model;
    RowGuard *m_rows;
    SettingValueDelegate *m_values;
    SettingHelp m_help;
    SettingsList DefaultSettingsSnapshot;
};

extern TSettingForm *SettingForm;
