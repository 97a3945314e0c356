#pragma once
// The accessory text editor: one plain-text document in code page 932, not
// modal; closing it only hides it, so its text, file name and changed flag
// live as long as the program.

#include "platform/Dialogs.h"

#include <QMainWindow>

namespace Ui { class TEditForm; }
class FindDialog;
class QColor;
class QLabel;
class QMenu;
class QPlainTextEdit;
class ReplaceDialog;

class TEditForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TEditForm(QWidget *parent = nullptr);
    ~TEditForm() override;

    // Asked when the program is about to end: may the editor close? Asks
    // about unsaved text; false only when the user cancels.
    bool CloseChack();

    // Set by the environment: both file dialogs start on folder + "*.htm",
    // and the text area's colours.
    void setFileDialogFolder(const QString &folder);
    void setTextColour(const QColor &colour);
    void setBackgroundColour(const QColor &colour);

    // "新規", or the full path of the document's file.
    QString fileName() const;
    bool isChanged() const;

    FileDialog OpenDialog1;
    FileDialog SaveDialog1;
    ColourDialog ColorDialog1;

    void New1Click();
    void Open1Click();
    void SaveAs1Click();
    void Save1Click();
    void Exit1Click();
    void Undo1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void SelectAll1Click();
    void N6Click();
    void N5Click();
    void Find2Click();
    void FindNext1Click();
    void Replace1Click();
    void FindDialog1Find();
    void ReplaceDialog1Find();
    void ReplaceDialog1Replace(bool all);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // A tool-bar button and the name of its picture in the icon theme.
    struct ToolButton
    {
        QAction *action;
        const char *icon;
    };
    QList<ToolButton> toolButtons() const;
    void connectHandlers();
    void setUpToolBar();
    void setUpMainEdit();
    void showDocument(const QString &text, const QString &name);
    void setChanged(bool changed);

    Ui::TEditForm *m_ui;
    QPlainTextEdit *MainEdit;
    QLabel *FileName;
    QMenu *PopupMenu1;
    FindDialog *FindDialog1;
    ReplaceDialog *ReplaceDialog1;
    bool m_iconsSet = false;
    // Set once the user changes the text; an undo back to the text last
    // opened or saved does not clear it.
    bool m_changed = false;
};

extern TEditForm *EditForm;
