#ifndef VANTOREL_VIEWS_SECTIONVIEW_H
#define VANTOREL_VIEWS_SECTIONVIEW_H

#include "sectionlabels.h"
#include "surveyview.h"

#include <string>

class QGraphicsLineItem;
struct RoadTemplate;

// One cross-section: the left template mirrored to the left of the centre
// line, the right one to the right, as white segments; height up. Offsets
// along the bottom, height differences at the left, the stations the
// section holds for as its title.
class SectionView : public SurveyView
{
    Q_OBJECT

public:
    enum Side { Left = 0, Right = 1 };

    explicit SectionView(QWidget* parent = nullptr);

    void setLeftTemplate(const std::string& name) { leftName_ = name; }
    void setRightTemplate(const std::string& name) { rightName_ = name; }
    const std::string& leftTemplate() const { return leftName_; }
    const std::string& rightTemplate() const { return rightName_; }
    // The station range [from, to) the templates hold for; not finite when
    // unknown.
    void setStations(double from, double to);
    // Takes the templates and stations of the road's first section, or none.
    void showFirstSection();

    void refresh() override;

protected:
    void pick(const QPoint& pos) override;
    QString cursorText(double x, double y) const override;
    void drawUnderlay(QPainter* painter) override;
    void annotate(ScreenLabels& labels) override;

private:
    static QString segmentTemplate();
    void addSide(const RoadTemplate* t, Side side);
    QString title() const;

    std::string leftName_;
    std::string rightName_;
    double from_;
    double to_;
    SectionLabels labels_;
};

#endif  // VANTOREL_VIEWS_SECTIONVIEW_H
