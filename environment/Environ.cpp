#include "Environ.h"
#include "ui_Environ.h"

#include <QTabWidget>

#include "desktop/Desktop.h"

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

TPagesDlg::Values TPagesDlg::values() const
{
    return {ui->set1_1->text(), ui->set1_2->text(), ui->set2_1->text(), ui->set2_2->text()};
}

void TPagesDlg::setValues(const Values &values)
{
    ui->set1_1->setText(values.saveOpenFolder);
    ui->set1_2->setText(values.imageFile);
    ui->set2_1->setText(values.foreColour);
    ui->set2_2->setText(values.backColour);
}
