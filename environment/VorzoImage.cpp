#include "VorzoImage.h"
#include "ui_VorzoImage.h"

#include "PatternHolder.h"
#include "desktop/Desktop.h"
#include "platform/Guarded.h"

#include <QPixmap>

Timgform::Timgform(PatternHolder &pattern, QWidget *parent)
    : QDialog(parent), m_pattern(pattern), m_ui(new Ui::Timgform)
{
    Desktop::useFormFont(this);
    m_ui->setupUi(this);
    move(192, 114); // where it was designed to open, not centred
    showPattern();
    connect(&m_pattern, &PatternHolder::changed, this, &Timgform::showPattern);
    connect(m_ui->openpic, &QPushButton::clicked, this, guarded([this] { openpicClick(); }));
}

Timgform::~Timgform()
{
    delete m_ui;
}

void Timgform::showPattern()
{
    m_ui->Using->setPixmap(QPixmap::fromImage(m_pattern.pattern().image()));
}

// The choice is neither stored nor drawn on the canvas until its next redraw.
void Timgform::openpicClick()
{
    const std::optional<QString> chosen = runFileDialog(m_pattern.picdialog);
    if (!chosen)
        return;
    m_pattern.loadPicture(*chosen);
}
