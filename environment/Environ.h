#pragma once
// The environment dialog: the editor's own preferences (the default folder
// of the file dialogs, the default picture, the text editor's colours) as the
// texts of four read-only fields, changed only by their browse buttons; OK
// stores them in the preferences file and applies them.

#include "platform/Dialogs.h"

#include <QDialog>
#include <functional>

namespace Ui { class TPagesDlg; }

class TPagesDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TPagesDlg(QWidget *parent = nullptr);
    ~TPagesDlg() override;

    // Which page the dialog shows: 0 folders and files, 1 text editor.
    void selectPage(int index);

    // The four environment values, the texts of the read-only fields
    // set1_1, set1_2, set2_1 and set2_2: the program's one copy of them.
    struct Values { QString saveOpenFolder, imageFile, foreColour, backColour; };
    Values values() const;
    void setValues(const Values &values);

    // What OK runs after storing the values: the main window's
    // ApplyEnvironment.
    void setApplyEnvironment(std::function<void()> apply) { m_applyEnvironment = std::move(apply); }

    FileDialog OpenPictureDialog1;
    ColourDialog ColorDialog1;

private:
    void Button1Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void OKBtnClick();

    Ui::TPagesDlg *m_ui;
    std::function<void()> m_applyEnvironment;
};

extern TPagesDlg *PagesDlg;
