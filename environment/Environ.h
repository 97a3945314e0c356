#pragma once

#include <QDialog>

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

private:
    Ui::TPagesDlg *m_ui;
};

extern TPagesDlg *PagesDlg;
