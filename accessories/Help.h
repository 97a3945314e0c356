#pragma once

#include <QDialog>

namespace Ui {
class THelpForm;
}

class THelpForm : public QDialog
{
    Q_OBJECT
public:
    explicit THelpForm(QWidget *parent = nullptr);
    ~THelpForm() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillPages();

    Ui::THelpForm *m_ui;
    bool m_filled = false;
};
