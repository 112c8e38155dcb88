#ifndef VANTOREL_VIEWS_VERTICALVIEW_H
#define VANTOREL_VIEWS_VERTICALVIEW_H

#include "gradepointlabels.h"
#include "surveyview.h"

#include <QList>

// The profile: grade lines and vertical curves in green, height up and
// station to the right, heights drawn larger by the vertical exaggeration;
// a station axis along the bottom, an elevation axis at the left, and every
// change-of-grade point labelled.
class VerticalView : public SurveyView
{
    Q_OBJECT

public:
    // The exaggerations offered; the one chosen is remembered between runs.
    static const QList<int>& exaggerations();
    static constexpr int kDefaultExaggeration = 10;

    explicit VerticalView(QWidget* parent = nullptr);

    void refresh() override;
    int verticalExaggeration() const { return static_cast<int>(exaggeration()); }
    void setVerticalExaggeration(int exaggeration);

signals:
    void verticalExaggerationChanged(int exaggeration);

protected:
    void pick(const QPoint& pos) override;
    QString cursorText(double x, double y) const override;
    QString axisText(Qt::Orientation axis, double value, int decimals) const override;
    void drawUnderlay(QPainter* painter) override;
    void annotate(ScreenLabels& labels) override;

private:
    QString pointTable(int index) const;

    GradePointLabels gradePoints_;
};

#endif  // VANTOREL_VIEWS_VERTICALVIEW_H
