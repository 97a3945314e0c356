#include "QtDialogs.h"

#include "PicturePreview.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Message texts carry CR LF line ends; a label wants LF.
QString displayed(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

void showBox(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QLatin1String(ApplicationTitle), displayed(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

} // namespace

void QtDialogs::message(const QString &text)
{
    showBox(QMessageBox::NoIcon, text);
}

void QtDialogs::error(const QString &text)
{
    showBox(QMessageBox::Critical, text);
}

WarningButton QtDialogs::warning(const QString &text, const QList<WarningButton> &buttons)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), displayed(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QList<QPair<QAbstractButton *, WarningButton>> made;
    for (WarningButton b : buttons) {
        QPushButton *button = nullptr;
        switch (b) {
        case WarningButton::Yes:
            button = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
            box.setDefaultButton(button);
            break;
        case WarningButton::No:
            button = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
            break;
        case WarningButton::Cancel:
            button = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
            break;
        }
        made.append({button, b});
    }
    if (!made.isEmpty())
        box.setEscapeButton(made.constLast().first);
    box.exec();
    for (const auto &[button, which] : made) {
        if (box.clickedButton() == button)
            return which;
    }
    return buttons.isEmpty() ? WarningButton::Cancel : buttons.constLast();
}

QString QtDialogs::inputBox(const QString &caption, const QString &prompt, const QString &initial)
{
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(initial);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("キャンセル"));
    return box.exec() == QDialog::Accepted ? box.textValue() : initial;
}

std::optional<QString> QtDialogs::chooseFile(const FileDialog &dialog)
{
    QFileDialog box(QApplication::activeWindow(), dialog.title);
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setNameFilter(dialog.filter);
    box.setDefaultSuffix(dialog.defaultSuffix);
    if (dialog.kind == FileDialog::Kind::Save) {
        box.setAcceptMode(QFileDialog::AcceptSave);
    } else {
        box.setAcceptMode(QFileDialog::AcceptOpen);
        box.setFileMode(QFileDialog::AnyFile); // the chosen file need not exist
    }
    if (dialog.preview)
        PicturePreview::attachTo(box);
    // A wildcard name opens its folder listing the matching files.
    const QFileInfo proposed(dialog.fileName);
    if (!dialog.fileName.isEmpty()) {
        box.setDirectory(proposed.absolutePath());
        if (!proposed.fileName().contains(QLatin1Char('*')))
            box.selectFile(proposed.fileName());
    }
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(box.selectedFiles().constFirst());
}

std::optional<ColourValue> QtDialogs::chooseColour(ColourValue initial)
{
    QColorDialog box(QApplication::activeWindow());
    box.setOption(QColorDialog::DontUseNativeDialog);
    box.setCurrentColor(QColor(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = box.selectedColor();
    return ColourValue(chosen.red()) | ColourValue(chosen.green()) << 8 | ColourValue(chosen.blue()) << 16;
}

std::optional<QString> QtDialogs::chooseFolder(const QString &prompt)
{
    QFileDialog box(QApplication::activeWindow(), prompt);
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setFileMode(QFileDialog::Directory);
    box.setOption(QFileDialog::ShowDirsOnly);
    box.setLabelText(QFileDialog::LookIn, prompt);
    box.setDirectory(QDir::rootPath());
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return std::nullopt;
    const QFileInfo chosen(box.selectedFiles().constFirst());
    if (!chosen.isDir())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen.absoluteFilePath());
}
