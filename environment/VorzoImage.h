#pragma once

#include <QDialog>

namespace Ui { class Timgform; }

class Timgform : public QDialog
{
    Q_OBJECT
public:
    explicit Timgform(QWidget *parent = nullptr);
    ~Timgform() override;

private:
    Ui::Timgform *ui;
};

extern Timgform *imgform;
