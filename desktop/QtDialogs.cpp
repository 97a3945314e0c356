#include "QtDialogs.h"

#include "PicturePreview.h"
#include "SystemColours.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

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
    QMessageBox box(icon, QLatin1String(ApplicationTitle), displayed(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // A button of our own, like the warning box's: a standard one carries
    // the desktop theme's picture.
    QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool isWildcard(const QString &name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// "HTMLファイル(*.html,*.htm) (*.htm *.html)": a caption with pattern text
// of its own, followed by the patterns the dialog matches.
bool captionsCarryPatterns(const QString &filter)
{
    static const QRegularExpression form(QStringLiteral("^.*\\)\\s+\\([^()]*\\)$"));
    const QStringList entries = filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    return !entries.isEmpty()
           && std::all_of(entries.begin(), entries.end(), [](const QString &e) { return form.match(e).hasMatch(); });
}

// A file dialog whose name box takes wildcards as the original desktop's
// did: a name holding '*' or '?' lists the matching files of its folder
// and stays in the name box, rather than being chosen.
class FileBox : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void listMatching(const QString &folder, const QString &pattern)
    {
        setDirectory(folder);
        if (auto *files = findChild<QFileSystemModel *>())
            files->setNameFilters({pattern});
        if (QLineEdit *name = nameBox())
            name->setText(pattern);
    }

    void accept() override
    {
        const QLineEdit *name = nameBox();
        if (name && isWildcard(name->text())) {
            const QFileInfo typed(QDir(directory()).filePath(name->text()));
            listMatching(typed.absolutePath(), typed.fileName());
            return;
        }
        QFileDialog::accept();
    }

private:
    QLineEdit *nameBox() const { return findChild<QLineEdit *>(QStringLiteral("fileNameEdit")); }
};

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
        case WarningButton::No: button = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole); break;
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
    FileBox box(QApplication::activeWindow(), dialog.title);
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setOption(QFileDialog::HideNameFilterDetails, captionsCarryPatterns(dialog.filter));
    box.setNameFilter(dialog.filter);
    box.setDefaultSuffix(dialog.defaultSuffix);
    if (dialog.kind == FileDialog::Kind::Save) {
        box.setAcceptMode(QFileDialog::AcceptSave);
    } else {
        box.setAcceptMode(QFileDialog::AcceptOpen);
        box.setFileMode(QFileDialog::AnyFile); // the chosen file need not exist
    }
    // A wildcard name opens its folder listing the matching files, the
    // pattern in the name box.
    const QFileInfo proposed(dialog.fileName);
    if (!dialog.fileName.isEmpty()) {
        if (isWildcard(proposed.fileName())) {
            box.listMatching(proposed.absolutePath(), proposed.fileName());
        } else {
            box.setDirectory(proposed.absolutePath());
            box.selectFile(proposed.fileName());
        }
    }
    if (dialog.preview)
        PicturePreview::attachTo(box);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(box.selectedFiles().constFirst());
}

std::optional<ColourValue> QtDialogs::chooseColour(ColourValue initial)
{
    QColorDialog box(QApplication::activeWindow());
    box.setOption(QColorDialog::DontUseNativeDialog);
    box.setCurrentColor(toQColor(initial));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return toColourValue(box.selectedColor());
}

std::optional<QString> QtDialogs::chooseFolder(const QString &prompt)
{
    // The prompt above a tree of the whole file system, folders only, none
    // chosen at first; OK only once a folder is.
    QDialog box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("フォルダの参照"));
    box.resize(320, 360);
    auto *layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(prompt, &box));
    auto *folders = new QFileSystemModel(&box);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders->setRootPath(QDir::rootPath());
    auto *tree = new QTreeView(&box);
    tree->setModel(folders);
    tree->setHeaderHidden(true);
    for (int column = 1; column < folders->columnCount(); ++column)
        tree->hideColumn(column);
    tree->setRootIndex(folders->index(QDir::rootPath()));
    tree->expand(folders->index(QDir::homePath()));
    layout->addWidget(tree);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    layout->addWidget(buttons);
    // Chosen is what is selected, not the item the focus frame merely marks.
    auto chosenFolder = [&]() -> QFileInfo {
        const QModelIndexList selected = tree->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? QFileInfo() : folders->fileInfo(selected.constFirst());
    };
    QObject::connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, &box,
                     [&] { buttons->button(QDialogButtonBox::Ok)->setEnabled(chosenFolder().isDir()); });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFileInfo chosen = chosenFolder();
    if (!chosen.isDir())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen.absoluteFilePath());
}
