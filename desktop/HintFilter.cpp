#include "HintFilter.h"

#include <QApplication>
#include <QHoverEvent>
#include <QMenu>
#include <QPointer>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

QString HintFilter::nearestHint(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty())
            return w->statusTip();
        if (w->isWindow())
            break;
    }
    return {};
}

void HintFilter::showMenuHint(QMenu *menu, const QString &hint)
{
    // A menu's hints are shown by the window whose menu bar opened it.
    QWidget *owner = menu;
    while (qobject_cast<QMenu *>(owner) && owner->parentWidget())
        owner = owner->parentWidget();
    if (owner != menu)
        showHint(owner->window(), hint);
}

void HintFilter::showHint(QWidget *receiver, const QString &hint)
{
    // The status-tip event travels up to the window that shows it.
    m_sending = true;
    QStatusTipEvent tip(hint);
    QApplication::sendEvent(receiver, &tip);
    m_sending = false;
}

bool HintFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip: return true;
    case QEvent::Enter:
        // Qt itself only announces a widget's own hint; a widget without one
        // shows that of its nearest enclosing widget.
        if (auto *w = qobject_cast<QWidget *>(watched); w && w->statusTip().isEmpty())
            showHint(w, nearestHint(w));
        break;
    case QEvent::Leave:
        if (auto *w = qobject_cast<QWidget *>(watched); w && !w->isWindow())
            m_leaving = w;
        break;
    case QEvent::StatusTip:
        // Leaving a widget with a hint clears the status bar; the pointer is
        // now over the enclosing widget, whose hint is the one to show.
        if (!m_sending && m_leaving && watched == m_leaving && static_cast<QStatusTipEvent *>(event)->tip().isEmpty()) {
            QWidget *parent = m_leaving->parentWidget();
            m_leaving = nullptr;
            showHint(parent, nearestHint(parent));
            return true;
        }
        break;
    case QEvent::Hide:
        // Back from a submenu (Left, Esc): its parent's entry is highlighted
        // again, and its hint comes back, which Qt alone does not show. Qt
        // clears the bar as the submenu goes, so the hint follows after.
        if (auto *menu = qobject_cast<QMenu *>(watched)) {
            QPointer<QMenu> parent = qobject_cast<QMenu *>(menu->parentWidget());
            if (parent && parent->isVisible()) {
                QTimer::singleShot(0, this, [this, parent, menu] {
                    if (parent && parent->isVisible() && parent->activeAction()
                        && parent->activeAction()->menu() == menu)
                        showMenuHint(parent, parent->activeAction()->statusTip());
                });
            }
        }
        break;
    case QEvent::Polish:
        // A tab bar reports where the pointer moves only with hover on.
        if (auto *bar = qobject_cast<QTabBar *>(watched))
            bar->setAttribute(Qt::WA_Hover);
        break;
    case QEvent::HoverMove:
        if (auto *bar = qobject_cast<QTabBar *>(watched)) {
            auto *tabs = qobject_cast<QTabWidget *>(bar->parentWidget());
            const int index = bar->tabAt(static_cast<QHoverEvent *>(event)->position().toPoint());
            if (tabs && index >= 0)
                showHint(bar, nearestHint(tabs->widget(index)));
            else
                showHint(bar, nearestHint(bar));
        }
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}
