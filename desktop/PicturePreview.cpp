#include "PicturePreview.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace PicturePreview {
namespace {
constexpr int Side = 160;
constexpr int MaxPreviewSource = 4096; // larger pictures are not read for a preview

void showPicture(QLabel *pane, const QString &path)
{
    pane->clear();
    if (!QFileInfo(path).isFile())
        return;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxPreviewSource || size.height() > MaxPreviewSource)
        return;
    const QImage picture = reader.read();
    if (picture.isNull())
        return;
    const QImage shown = picture.width() > Side || picture.height() > Side
                             ? picture.scaled(Side, Side, Qt::KeepAspectRatio, Qt::FastTransformation)
                             : picture;
    pane->setPixmap(QPixmap::fromImage(shown));
}

} // namespace

void attachTo(QFileDialog &dialog)
{
    auto *layout = qobject_cast<QGridLayout *>(dialog.layout());
    if (!layout)
        return;
    auto *pane = new QLabel(&dialog);
    pane->setObjectName(QStringLiteral("preview"));
    pane->setFixedSize(Side, Side);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(pane, 1, layout->columnCount(), 1, 1);

    QObject::connect(&dialog, &QFileDialog::currentChanged, pane,
                     [pane](const QString &path) { showPicture(pane, path); });
    // The file selected as the dialog opens is shown before any other is.
    showPicture(pane, dialog.selectedFiles().value(0));
}

} // namespace PicturePreview
