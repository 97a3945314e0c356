#include "Setting.h"
#include "ui_Setting.h"

#include "platform/Desktop.h"

TSettingForm *SettingForm = nullptr;

TSettingForm::TSettingForm(QWidget *parent) : QDialog(parent), ui(new Ui::TSettingForm)
{
    ui->setupUi(this);
    Desktop::useFormFont(this);
    move(196, 120); // where it was designed to open, not centred

}

TSettingForm::~TSettingForm()
{
    delete ui;
}
