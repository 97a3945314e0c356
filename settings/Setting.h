#pragma once
// The detailed settings window: the game's tuning values in a key/value grid,
// a help line for the selected entry, restore-defaults. Edits go straight
// into the list; there is no OK or Cancel.

#include "SettingHelp.h"

#include <QDialog>

namespace Ui {
class TSettingForm;
}
class RowGuard;
class SettingValueDelegate;
class StageSettings;

class TSettingForm : public QDialog
{
    Q_OBJECT
public:
    // Shows and edits `settings`, which outlive the window.
    explicit TSettingForm(StageSettings &settings, QWidget *parent = nullptr);
    ~TSettingForm() override;

    // The list := the defaults snapshot; the current row stays where it was.
    void DeleteAll();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void D2Click(); // 初期値に戻す (F12): the defaults back, after a question
    // A row chosen in the grid: its help line in the status bar; false
    // keeps the selection where it was.
    bool MainSelectCell(int row);
    void showEditorOfCurrentRow();

    Ui::TSettingForm *m_ui;
    StageSettings &m_settings;
    RowGuard *m_rows;
    SettingValueDelegate *m_values;
    SettingHelp m_help;
    int m_rowBeforeReset = 0;
};
