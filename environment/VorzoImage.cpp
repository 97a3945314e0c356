#include "VorzoImage.h"
#include "ui_VorzoImage.h"

#include "desktop/Desktop.h"

#include <QPixmap>

Timgform *imgform = nullptr;

Timgform::Timgform(QWidget *parent) : QDialog(parent), ui(new Ui::Timgform)
{
    ui->setupUi(this);
    Desktop::useFormFont(this);
    move(192, 114); // where it was designed to open, not centred
    setPattern(PatternImage::builtIn());
}

Timgform::~Timgform()
{
    delete ui;
}

void Timgform::setPattern(PatternImage pattern)
{
    m_pattern = std::move(pattern);
    ui->Using->setPixmap(QPixmap::fromImage(m_pattern.image()));
}
