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

private:
    Ui::TPagesDlg *ui;
};

extern TPagesDlg *PagesDlg;
