#include "Environ.h"
#include "ui_Environ.h"

#include <QTabWidget>

#include "platform/Desktop.h"

TPagesDlg *PagesDlg = nullptr;

TPagesDlg::TPagesDlg(QWidget *parent) : QDialog(parent), ui(new Ui::TPagesDlg)
{
    ui->setupUi(this);
    Desktop::useFormFont(this);
    setFixedSize(size());
}

TPagesDlg::~TPagesDlg()
{
    delete ui;
}

void TPagesDlg::selectPage(int index)
{
    ui->PageControl1->setCurrentIndex(index);
}
