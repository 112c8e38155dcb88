// The choice of the profile's vertical exaggeration: a menu of checkable
// entries, 1× to 50×, the profile view's own checked.
#ifndef VANTOREL_VIEWS_EXAGGERATIONMENU_H
#define VANTOREL_VIEWS_EXAGGERATIONMENU_H

class QMenu;
class QWidget;
class VerticalView;

QMenu* exaggerationMenu(VerticalView* view, QWidget* parent);

#endif  // VANTOREL_VIEWS_EXAGGERATIONMENU_H
