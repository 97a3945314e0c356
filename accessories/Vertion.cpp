#include "Vertion.h"
#include "ui_Vertion.h"

#include "desktop/Desktop.h"

TAboutBox *AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent), ui(new Ui::TAboutBox)
{
    ui->setupUi(this);
    Desktop::useFormFont(this);
    setFixedSize(size());
}

TAboutBox::~TAboutBox()
{
    delete ui;
}
