#include "PatternHolder.h"

#include "pictures/PictureFile.h"

PatternHolder::PatternHolder(QObject *parent)
    : QObject(parent), picdialog{FileDialog::Kind::Open,
                                 QStringLiteral("使用する画像を変更する"),
                                 QStringLiteral("ビットマップ (*.bmp)"),
                                 QStringLiteral("bmp"),
                                 {},
                                 true},
      m_pattern(PatternImage::builtIn())
{
}

void PatternHolder::setPattern(PatternImage pattern)
{
    m_pattern = std::move(pattern);
    emit changed();
}

void PatternHolder::loadPicture(const QString &fileName)
{
    setPattern(PictureFile::load(fileName));
}
