#include "exaggerationmenu.h"

#include "verticalview.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

QMenu* exaggerationMenu(VerticalView* view, QWidget* parent)
{
    auto* menu =
        new QMenu(QCoreApplication::translate("ExaggerationMenu", "Vertical Exaggeration"), parent);
    menu->setObjectName(QStringLiteral("menuExaggeration"));
    auto* group = new QActionGroup(menu);
    for (const int exaggeration : VerticalView::exaggerations()) {
        QAction* action = menu->addAction(
            QCoreApplication::translate("ExaggerationMenu", "%1×").arg(exaggeration));
        action->setCheckable(true);
        action->setChecked(exaggeration == view->verticalExaggeration());
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, view,
                         [view, exaggeration] { view->setVerticalExaggeration(exaggeration); });
        QObject::connect(
            view, &VerticalView::verticalExaggerationChanged, action,
            [action, exaggeration](int chosen) { action->setChecked(chosen == exaggeration); });
    }
    return menu;
}
