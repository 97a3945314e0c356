#pragma once
// The accessory text editor: one plain-text document in code page 932, not
// modal; closing it only hides it, so its text, file name and changed flag
// live as long as the program.

#include <QMainWindow>

namespace Ui {
class TEditForm;
}
class EditorDocument;
class FindDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;
class ReplaceDialog;

class TEditForm : public QMainWindow
{
    Q_OBJECT
public:
    // Shows `document` (file name, changed flag, colours), which outlives
    // the window; the text is the text area's own.
    explicit TEditForm(EditorDocument &document, QWidget *parent = nullptr);
    ~TEditForm() override;

    // Asked when the program is about to end: may the editor close? Asks
    // about unsaved text; false only when the user cancels.
    bool CloseChack();

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
    void N6Click(); // the text colour
    void N5Click(); // the background colour
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
    // The text, unchanged, as the file `path` (empty: a new document).
    void showDocument(const QString &text, const QString &path);
    void saved(const QString &path);
    void showColours();

    EditorDocument &m_document;
    Ui::TEditForm *m_ui;
    QPlainTextEdit *MainEdit;
    QLabel *FileName;
    QMenu *PopupMenu1;
    FindDialog *FindDialog1;
    ReplaceDialog *ReplaceDialog1;
    bool m_iconsSet = false;
};
