#include "VorzoImage.h"
#include "ui_VorzoImage.h"

#include "platform/Desktop.h"

Timgform *imgform = nullptr;

Timgform::Timgform(QWidget *parent) : QDialog(parent), ui(new Ui::Timgform)
{
    ui->setupUi(this);
    Desktop::useFormFont(this);

}

Timgform::~Timgform()
{
    delete ui;
}
