#ifndef VANTOREL_VIEWS_MYGRAPHICSVIEW_H
#define VANTOREL_VIEWS_MYGRAPHICSVIEW_H

#include "surveyview.h"

// The plan: the horizontal alignment in green with the end station of every
// element, on a white grid, north up and east to the right.
class MyGraphicsView : public SurveyView
{
    Q_OBJECT

public:
    explicit MyGraphicsView(QWidget* parent = nullptr);

    void refresh() override;

protected:
    void pick(const QPoint& pos) override;

private:
    static QString attributeTemplate();
    QString attributeTable(int index) const;
};

#endif  // VANTOREL_VIEWS_MYGRAPHICSVIEW_H
