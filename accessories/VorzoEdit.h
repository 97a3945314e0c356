#pragma once

#include <QMainWindow>

namespace Ui { class TEditForm; }

class TEditForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TEditForm(QWidget *parent = nullptr);
    ~TEditForm() override;

    // Asked when the program is about to end: may the editor close? The
    // editor keeps no text of its own yet, so nothing can be lost.
    bool CloseChack() { return true; }

private:
    Ui::TEditForm *ui;
};

extern TEditForm *EditForm;
