#pragma once
// Hints in the status bar, as on the original desktop: pointing at a control
// shows its hint, or that of the nearest enclosing control that has one;
// pointing at a tab shows the hint of its page. No tooltip is ever shown.

#include <QObject>
#include <QPointer>

class QMenu;
class QWidget;

class HintFilter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The hint of the nearest widget, from `widget` outwards within its
    // window, that has one; empty when none has.
    static QString nearestHint(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHint(QWidget *receiver, const QString &hint);
    void showMenuHint(QMenu *menu, const QString &hint);

    QPointer<QWidget> m_leaving;
    bool m_sending = false;
};
