#pragma once

#include "framework/Component.h"
#include "panels/ModelFollower.h"

class ResultColors;

// The result dialog's swatch: the first result colour on the left, the second on the right (the
// first alone fills it), redrawn as the results change.
class ResultSwatch : public Visual::Component {
public:
    ResultSwatch(QWidget* container, ResultColors& results);

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override;

private:
    ResultColors& m_results;
    ModelFollower m_follower;
};
