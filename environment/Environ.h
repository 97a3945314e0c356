#pragma once
// The environment dialog: the editor's own preferences (the default folder
// of the file dialogs, the default picture, the text editor's colours),
// the program's environment values shown in four read-only fields and
// changed only by their browse buttons; OK stores them in the preferences
// file and applies them.

#include "platform/Dialogs.h"

#include <QDialog>

#include <functional>

namespace Ui {
class TPagesDlg;
}
class Environment;

class TPagesDlg : public QDialog
{
    Q_OBJECT
public:
    // Shows and edits `environment`, which outlives the dialog; OK runs
    // `applyEnvironment` after storing the values.
    TPagesDlg(Environment &environment, std::function<void()> applyEnvironment, QWidget *parent = nullptr);
    ~TPagesDlg() override;

    // Which page the dialog shows: 0 folders and files, 1 text editor.
    void selectPage(int index);

    FileDialog OpenPictureDialog1;
    ColourDialog ColorDialog1;

private:
    void Button1Click(); // browse for the default folder
    void Button3Click(); // browse for the picture
    void Button4Click(); // choose the text colour
    void Button5Click(); // choose the background colour
    void OKBtnClick();   // store the values and apply them
    // The fields set1_1, set1_2, set2_1 and set2_2 show the values.
    void showValues();

    Environment &m_environment;
    std::function<void()> m_applyEnvironment;
    Ui::TPagesDlg *m_ui;
};
