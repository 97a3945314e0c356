#include "VorzoImage.h"
#include "ui_VorzoImage.h"

#include "desktop/Desktop.h"

#include <QPixmap>

Timgform *imgform = nullptr;

Timgform::Timgform(QWidget *parent) : QDialog(parent), m_ui(new Ui::Timgform)
{
    m_ui->setupUi(this);
    Desktop::useFormFont(this);
    move(192, 114); // where it was designed to open, not centred
    setPattern(PatternImage::builtIn());
}

Timgform::~Timgform()
{
    delete m_ui;
}

void Timgform::setPattern(PatternImage pattern)
{
    m_pattern = std::move(pattern);
    m_ui->Using->setPixmap(QPixmap::fromImage(m_pattern.image()));
}
