#include "VorzoImage.h"
#include "ui_VorzoImage.h"

#include "PictureFile.h"
#include "desktop/Desktop.h"
#include "platform/Guarded.h"

#include <QPixmap>

Timgform *imgform = nullptr;

Timgform::Timgform(QWidget *parent)
    : QDialog(parent),
      picdialog{FileDialog::Kind::Open, QStringLiteral("使用する画像を変更する"), QStringLiteral("ビットマップ (*.bmp)"),
                QStringLiteral("bmp"), {}, true},
      m_ui(new Ui::Timgform)
{
    m_ui->setupUi(this);
    Desktop::useFormFont(this);
    move(192, 114); // where it was designed to open, not centred
    setPattern(PatternImage::builtIn());
    connect(m_ui->openpic, &QPushButton::clicked, this, guarded([this] { openpicClick(); }));
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

void Timgform::loadPicture(const QString &fileName)
{
    setPattern(PictureFile::load(fileName));
}

// The choice is neither stored nor drawn on the canvas until its next redraw.
void Timgform::openpicClick()
{
    const std::optional<QString> chosen = runFileDialog(picdialog);
    if (!chosen)
        return;
    loadPicture(*chosen);
}
