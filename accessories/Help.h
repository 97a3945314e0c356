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

private:
    Ui::THelpForm *m_ui;
};
