#ifndef VANTOREL_VIEWS_SECTIONVIEW_H
#define VANTOREL_VIEWS_SECTIONVIEW_H

#include "surveyview.h"

#include <string>

class QGraphicsLineItem;
struct RoadTemplate;

// One cross-section: the left template mirrored to the left of the centre
// line, the right one to the right, as white segments; height up.
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

    void refresh() override;

protected:
    void pick(const QPoint& pos) override;

private:
    static QString segmentTemplate();
    void addSide(const RoadTemplate* t, Side side);

    std::string leftName_;
    std::string rightName_;
};

#endif  // VANTOREL_VIEWS_SECTIONVIEW_H
