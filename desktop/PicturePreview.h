#pragma once
// The preview pane of a picture dialog: the picture of the file under the
// cursor, scaled down to fit, beside the file list.

class QFileDialog;

namespace PicturePreview {

void attachTo(QFileDialog &dialog);

} // namespace PicturePreview
