#include "Help.h"
#include "ui_Help.h"

#include "desktop/Desktop.h"

THelpForm *HelpForm = nullptr;

THelpForm::THelpForm(QWidget *parent) : QDialog(parent), ui(new Ui::THelpForm)
{
    ui->setupUi(this);
    Desktop::useFormFont(this);
    setFixedSize(size());
}

THelpForm::~THelpForm()
{
    delete ui;
}
