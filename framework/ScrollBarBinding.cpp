#include "framework/ScrollBarBinding.h"

#include "base/ErrorFrame.h"
#include "pixels/QtGeometry.h"

#include <QGuiApplication>
#include <QScrollBar>
#include <QTimer>

namespace {

// Ends the gesture when the button is let go anywhere on the bar, after the bar has handled the
// release (which may place the thumb).
class ReleaseWatcher : public QObject {
public:
    ReleaseWatcher(ScrollBarBinding& binding, QObject* bar) : QObject(bar), m_binding(binding) {}
    bool eventFilter(QObject* bar, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            QTimer::singleShot(0, bar, [this] {
                if (m_binding.isScrolling())
                    guardCallback([this] { m_binding.perform(ScrollBarBinding::Action::endScroll); });
            });
        return false;
    }

private:
    ScrollBarBinding& m_binding;
};

} // namespace

ScrollBarBinding::ScrollBarBinding(QWidget* carrier, Axis axis, Scroller& model)
    : m_model(model), m_bar(new QScrollBar(axis == Axis::horizontal ? Qt::Horizontal : Qt::Vertical, carrier))
{
    m_bar->installEventFilter(new ReleaseWatcher(*this, m_bar));
    QObject::connect(m_bar, &QObject::destroyed, [this] { m_bar = nullptr; });
    QObject::connect(m_bar, &QAbstractSlider::actionTriggered, m_bar, [this](int action) {
        guardCallback([&] {
            int thumb = m_bar->sliderPosition();
            switch (action) {
            case QAbstractSlider::SliderSingleStepSub: perform(Action::lineUp); break;
            case QAbstractSlider::SliderSingleStepAdd: perform(Action::lineDown); break;
            case QAbstractSlider::SliderPageStepSub: perform(Action::pageUp); break;
            case QAbstractSlider::SliderPageStepAdd: perform(Action::pageDown); break;
            case QAbstractSlider::SliderToMinimum: perform(Action::top); break;
            case QAbstractSlider::SliderToMaximum: perform(Action::bottom); break;
            case QAbstractSlider::SliderMove: perform(Action::thumbTrack, thumb); break;
            default: return;
            }
            // Keys and the wheel scroll in single actions, without a button to let go.
            if (QGuiApplication::mouseButtons() == Qt::NoButton && action != QAbstractSlider::SliderMove)
                perform(Action::endScroll);
        });
    });
    QObject::connect(m_bar, &QAbstractSlider::sliderReleased, m_bar,
                     [this] { guardCallback([this] { perform(Action::thumbPosition, m_bar->sliderPosition()); }); });
    refresh();
}

ScrollBarBinding::~ScrollBarBinding()
{
    delete m_bar;
}

void ScrollBarBinding::place(const Rect& rect)
{
    if (m_bar)
        m_bar->setGeometry(toQRect(rect));
}

void ScrollBarBinding::refresh()
{
    if (!m_bar)
        return;
    QSignalBlocker quiet(m_bar);
    int32_t page = std::max(m_model.pageSize(), 1);
    m_bar->setRange(0, std::max(0, m_model.rangeSize() - 1 - (page - 1)));
    m_bar->setPageStep(page);
    m_bar->setSliderPosition(m_model.position());
    m_bar->show();
}

void ScrollBarBinding::perform(Action action, int32_t thumb)
{
    if (action == Action::endScroll) {
        m_scrolling = false;
        m_model.endScroll();
        refresh();
        return;
    }
    if (!m_scrolling) {
        m_scrolling = true;
        m_model.beginScroll();
    }
    switch (action) {
    case Action::lineUp: m_model.step(-1); break;
    case Action::lineDown: m_model.step(1); break;
    case Action::pageUp: m_model.page(-1); break;
    case Action::pageDown: m_model.page(1); break;
    case Action::thumbTrack: m_model.track(thumb); break;
    case Action::thumbPosition: m_model.setPosition(thumb); break;
    case Action::top: m_model.toTop(); break;
    case Action::bottom: m_model.toBottom(); break;
    case Action::endScroll: break;
    }
    // The model decides where the bar goes, not the bar's own arithmetic.
    refresh();
}
