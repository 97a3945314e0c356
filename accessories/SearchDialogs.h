#pragma once
// The text editor's modeless find and replace dialogs, laid out like the
// desktop's usual ones, in Japanese. They only collect the texts and say
// which button was pressed; the editor does the searching. Their texts stay
// while they are hidden.

#include <QDialog>

class QLineEdit;
class QPushButton;

class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent);
    QString findText() const;

signals:
    void findRequested();

private:
    QLineEdit *m_find;
};

class ReplaceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget *parent);
    QString findText() const;
    QString replaceText() const;

signals:
    void findRequested();
    // The replace button (`all` false) or the replace-all button.
    void replaceRequested(bool all);

private:
    QLineEdit *m_find;
    QLineEdit *m_replace;
};
