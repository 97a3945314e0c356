#include "VorzoEdit.h"
#include "ui_VorzoEdit.h"

#include "desktop/Desktop.h"

TEditForm *EditForm = nullptr;

TEditForm::TEditForm(QWidget *parent) : QMainWindow(parent), ui(new Ui::TEditForm)
{
    ui->setupUi(this);
    Desktop::useFormFont(this);
    Desktop::centreOnScreen(this);
}

TEditForm::~TEditForm()
{
    delete ui;
}
