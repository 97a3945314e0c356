#include "Vertion.h"
#include "ui_Vertion.h"

#include "Emblem.h"
#include "desktop/Desktop.h"

#include <QPixmap>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent), m_ui(new Ui::TAboutBox)
{
    Desktop::useFormFont(this);
    m_ui->setupUi(this);
    setFixedSize(size());
    Desktop::centreOnEveryShow(this);

    // The 32 x 32 emblem fills the 64 x 64 square pixel by pixel: a label
    // that scales its picture itself would smooth it.
    m_ui->ProgramIcon->setPixmap(QPixmap::fromImage(Emblem::scaled(m_ui->ProgramIcon->width())));
    connect(m_ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox()
{
    delete m_ui;
}
