#include "Environ.h"
#include "ui_Environ.h"

#include <QTabWidget>

#include "desktop/Desktop.h"

TPagesDlg *PagesDlg = nullptr;

TPagesDlg::TPagesDlg(QWidget *parent) : QDialog(parent), m_ui(new Ui::TPagesDlg)
{
    m_ui->setupUi(this);
    Desktop::useFormFont(this);
    setFixedSize(size());
}

TPagesDlg::~TPagesDlg()
{
    delete m_ui;
}

void TPagesDlg::selectPage(int index)
{
    m_ui->PageControl1->setCurrentIndex(index);
}

TPagesDlg::Values TPagesDlg::values() const
{
    return {m_ui->set1_1->text(), m_ui->set1_2->text(), m_ui->set2_1->text(), m_ui->set2_2->text()};
}

void TPagesDlg::setValues(const Values &values)
{
    m_ui->set1_1->setText(values.saveOpenFolder);
    m_ui->set1_2->setText(values.imageFile);
    m_ui->set2_1->setText(values.foreColour);
    m_ui->set2_2->setText(values.backColour);
}
