#pragma once

#include "SettingsList.h"

#include <QDialog>

namespace Ui { class TSettingForm; }

class TSettingForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSettingForm(QWidget *parent = nullptr);
    ~TSettingForm() override;

    // The detailed settings, the content of the window's grid.
    SettingsList &settings() { return m_settings; }
    const SettingsList &settings() const { return m_settings; }

private:
    SettingsList m_settings;
private:
    Ui::TSettingForm *ui;
};

extern TSettingForm *SettingForm;
