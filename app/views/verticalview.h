#ifndef VANTOREL_VIEWS_VERTICALVIEW_H
#define VANTOREL_VIEWS_VERTICALVIEW_H

#include "surveyview.h"

// The profile: grade lines and vertical curves in green, height up and
// station to the right at one common scale.
class VerticalView : public SurveyView
{
    Q_OBJECT

public:
    explicit VerticalView(QWidget* parent = nullptr);

    void refresh() override;

protected:
    void pick(const QPoint& pos) override;

private:
    QString pointTable(int index) const;
};

#endif  // VANTOREL_VIEWS_VERTICALVIEW_H
