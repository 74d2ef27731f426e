#include <ComponentsLibrary/RangeSlider.h>

#include <vantor_common_utils/Helpers.h>

#include <QCursor>
#include <QDataStream>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShortcut>
#include <QSpinBox>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QTimer>

#include <algorithm>

namespace Nalu {
namespace Components {

namespace {

constexpr int PopupHideDelayMs = 1000;
// Zone beside a handle, on its pop-up's side, that keeps a shown pop-up open while the
// pointer travels to it.
constexpr int PopupKeepOpenMargin = 10;

// A frameless tool-tip window holding one spin box; hides itself a while after the pointer
// has left it, unless the spin box is being edited.
class PopupWidget : public QWidget
{
public:
    explicit PopupWidget(QWidget *parent)
        : QWidget(parent)
    {
        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        setMouseTracking(true);
        setFocusPolicy(Qt::ClickFocus);
        setWindowFlag(Qt::ToolTip, true);
        setFixedWidth(style()->pixelMetric(QStyle::PM_ToolBarIconSize) + 3);
        hideTimer = new QTimer(this);
        hideTimer->setSingleShot(true);
        connect(hideTimer, &QTimer::timeout, this, &QWidget::hide);
        hide();
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        escape->setContext(Qt::WindowShortcut);
        connect(escape, &QShortcut::activated, this, &QWidget::hide);
    }

    void startHideTimer()
    {
        const auto *spin = findChild<QAbstractSpinBox *>();
        if (!hideTimer->isActive() && !(spin && spin->hasFocus())) {
            hideTimer->start(PopupHideDelayMs);
        }
    }

    void stopHideTimer()
    {
        if (hideTimer->isActive()) {
            hideTimer->stop();
        }
    }

protected:
    void enterEvent(QEvent *event) override
    {
        QWidget::enterEvent(event);
        stopHideTimer();
    }
    void leaveEvent(QEvent *event) override
    {
        QWidget::leaveEvent(event);
        startHideTimer();
    }
    // The look of the window is the style sheet's.
    void paintEvent(QPaintEvent *event) override { event->ignore(); }

private:
    QTimer *hideTimer = nullptr;
};

// The spin box of a pop-up: no arrows, centred text; leaving it closes the pop-up.
class RangeSliderSpinBox : public QSpinBox
{
public:
    explicit RangeSliderSpinBox(QWidget *parent)
        : QSpinBox(parent)
    {
        setButtonSymbols(QAbstractSpinBox::NoButtons);
        lineEdit()->setAlignment(Qt::AlignHCenter);
    }

    void deselectText() { lineEdit()->deselect(); }

protected:
    void focusOutEvent(QFocusEvent *event) override
    {
        // Hide first: finishing the edit below may move the handle and its pop-up.
        if (parentWidget()) {
            parentWidget()->hide();
        }
        QAbstractSpinBox::focusOutEvent(event);
    }
};

} // namespace

class RangeSliderPrivate
{
public:
    int minHandleValue = 0;
    int maxHandleValue = 99;
    RangeSlider::Handles pressedHandles;
    RangeSliderSpinBox *minSpinBox = nullptr;
    RangeSliderSpinBox *maxSpinBox = nullptr;
    PopupWidget *minPopup = nullptr;
    PopupWidget *maxPopup = nullptr;
    bool canShowInputPopups = true;
    int dragOffset = 0;
    int pressValue = 0;
    float halfRange = 0;
    RangeSlider::PopupsPosition popupsPosition = RangeSlider::Below;
    QPixmap paintCache;
    QByteArray paintCacheKey;
    QPixmap grooveCache;
    QByteArray grooveCacheKey;
};

RangeSlider::RangeSlider(QWidget *parent)
    : QSlider(parent)
    , d(std::make_unique<RangeSliderPrivate>())
{
    d->pressedHandles = NoHandle;
    RangeSlider::init();
}

RangeSlider::~RangeSlider() = default;

void RangeSlider::init()
{
    setOrientation(Qt::Horizontal);
    setMouseTracking(true);
    setProperty("rangeSlider", true);

    d->canShowInputPopups = true;
    d->popupsPosition = Below;
    d->minHandleValue = 0;
    d->maxHandleValue = 99;
    d->pressedHandles = NoHandle;
    d->dragOffset = 0;
    d->pressValue = 0;
    d->halfRange = 0;

    const auto makePopup = [this](PopupWidget *&popup, RangeSliderSpinBox *&spinBox) {
        popup = new PopupWidget(this);
        spinBox = new RangeSliderSpinBox(popup);
        connect(spinBox, &QAbstractSpinBox::editingFinished, this, &RangeSlider::onPopUpEdited);
        connect(this, &QAbstractSlider::rangeChanged, spinBox, &QSpinBox::setRange);
        popup->layout()->addWidget(spinBox);
    };
    makePopup(d->minPopup, d->minSpinBox);
    makePopup(d->maxPopup, d->maxSpinBox);

    connect(this, &QAbstractSlider::rangeChanged, this, &RangeSlider::onRangeChanged);
}

int RangeSlider::getMinHandleValue() const
{
    return d->minHandleValue;
}

int RangeSlider::getMaxHandleValue() const
{
    return d->maxHandleValue;
}

bool RangeSlider::getCanShowInputPopups() const
{
    return d->canShowInputPopups;
}

RangeSlider::PopupsPosition RangeSlider::getPopupPosition() const
{
    return d->popupsPosition;
}

bool RangeSlider::isMinimumHandleDown() const
{
    return d->pressedHandles.testFlag(MinimumHandle);
}

bool RangeSlider::isMaximumHandleDown() const
{
    return d->pressedHandles.testFlag(MaximumHandle);
}

void RangeSlider::setMinHandleValue(int value)
{
    setSliderRange(value, std::max(d->maxHandleValue, value));
}

void RangeSlider::setMaxHandleValue(int value)
{
    setSliderRange(std::min(d->minHandleValue, value), value);
}

void RangeSlider::setSliderRange(int minValue, int maxValue)
{
    const int newMin = qBound(minimum(), std::min(minValue, maxValue), maximum());
    const int newMax = qBound(minimum(), std::max(minValue, maxValue), maximum());
    const bool minChanged = newMin != d->minHandleValue;
    const bool maxChanged = newMax != d->maxHandleValue;
    d->minHandleValue = newMin;
    d->maxHandleValue = newMax;
    if (!minChanged && !maxChanged) {
        return;
    }
    Q_EMIT sliderRangeChanged(d->minHandleValue, d->maxHandleValue);
    if (minChanged) {
        Q_EMIT minHandleValueChanged(d->minHandleValue);
    }
    if (maxChanged) {
        Q_EMIT maxHandleValueChanged(d->maxHandleValue);
    }
    update();
}

void RangeSlider::setCanShowInputPopups(bool canShowInputPopups)
{
    d->canShowInputPopups = canShowInputPopups;
}

void RangeSlider::setPopupPosition(PopupsPosition popupsPosition)
{
    d->popupsPosition = popupsPosition;
}

QSize RangeSlider::minimumSizeHint() const
{
    QSize hint = QSlider::minimumSizeHint();
    if (hint.height() % 2 != 0) {
        hint.rheight() += 1;
    }
    return hint;
}

void RangeSlider::onRangeChanged(int minValue, int maxValue)
{
    Q_UNUSED(minValue)
    Q_UNUSED(maxValue)
    setSliderRange(d->minHandleValue, d->maxHandleValue);
}

void RangeSlider::onPopUpEdited()
{
    auto *spin = qobject_cast<QSpinBox *>(sender());
    if (!spin) {
        return;
    }
    RangeSliderSpinBox *edited = nullptr;
    if (spin == d->minSpinBox) {
        setMinHandleValue(spin->value());
        placePopup(MinimumHandle, 0);
        edited = d->minSpinBox;
    } else if (spin == d->maxSpinBox) {
        setMaxHandleValue(spin->value());
        placePopup(MaximumHandle, 0);
        edited = d->maxSpinBox;
    }
    if (edited) {
        edited->deselectText();
    }
}

QRect RangeSlider::handleRectForValue(int value) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = value;
    option.sliderValue = value;
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

namespace {

// The pixels along which a handle's leading edge travels, as QSlider maps values.
struct SliderSpan
{
    int start;
    int length;
};

SliderSpan sliderSpan(const QStyle *style, const QStyleOptionSlider &option, const QWidget *widget)
{
    const QRect groove = style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, widget);
    const QRect handle = style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, widget);
    return {groove.x(), groove.right() - handle.width() + 1 - groove.x()};
}

} // namespace

QRect RangeSlider::grooveRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
}

int RangeSlider::pixelToRangeValue(int pixel) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const SliderSpan span = sliderSpan(style(), option, this);
    return QStyle::sliderValueFromPosition(minimum(), maximum(), pixel - span.start, span.length, option.upsideDown);
}

int RangeSlider::pixelFromRangeValue(int value) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const SliderSpan span = sliderSpan(style(), option, this);
    return QStyle::sliderPositionFromValue(minimum(), maximum(), value, span.length, option.upsideDown) + span.start;
}

RangeSlider::Handle RangeSlider::handleAtPos(const QPoint &pos, QRect &rect) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = d->minHandleValue;
    option.sliderValue = d->minHandleValue;
    QStyle::SubControl minHit = style()->hitTestComplexControl(QStyle::CC_Slider, &option, pos, this);
    const QRect minRect = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    option.sliderPosition = d->maxHandleValue;
    option.sliderValue = d->maxHandleValue;
    const QStyle::SubControl maxHit = style()->hitTestComplexControl(QStyle::CC_Slider, &option, pos, this);
    const QRect maxRect = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);

    if (minHit == QStyle::SC_SliderHandle && maxHit == QStyle::SC_SliderHandle) {
        // Overlapping handles: the nearer outer edge wins, the maximum handle on a tie, so
        // that handles stacked at the minimum can still be pulled apart.
        const int minDist = pos.x() - minRect.left();
        const int maxDist = maxRect.right() - pos.x();
        if (!(minDist < maxDist)) {
            minHit = QStyle::SC_None;
        }
    }
    if (minHit == QStyle::SC_SliderHandle) {
        rect = minRect;
        return MinimumHandle;
    }
    if (maxHit == QStyle::SC_SliderHandle) {
        rect = maxRect;
        return MaximumHandle;
    }
    rect = minRect.united(maxRect);
    return NoHandle;
}

void RangeSlider::mousePressEvent(QMouseEvent *event)
{
    if (minimum() == maximum() || (event->buttons() ^ event->button()) != Qt::NoButton) {
        event->ignore();
        return;
    }
    QRect handleRect;
    const Handle handle = handleAtPos(event->pos(), handleRect);
    if (handle != NoHandle) {
        d->pressValue = handle == MinimumHandle ? d->minHandleValue : d->maxHandleValue;
        d->dragOffset = event->pos().x() - handleRect.left();
        setSliderDown(true);
        if (d->pressedHandles != Handles(handle)) {
            d->pressedHandles = handle;
            update(handleRect);
        }
        event->accept();
        return;
    }

    QStyleOptionSlider option;
    initStyleOption(&option);
    const QStyle::SubControl hit = style()->hitTestComplexControl(QStyle::CC_Slider, &option, event->pos(), this);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const int x = event->pos().x();
    if (hit == QStyle::SC_SliderGroove && handleRect.left() < x && x < handleRect.right()) {
        d->pressValue = static_cast<int>((d->minHandleValue + d->maxHandleValue) / 2.0);
        d->dragOffset = x - pixelFromRangeValue(d->pressValue);
        d->halfRange = static_cast<float>((d->maxHandleValue - d->minHandleValue) / 2.0);
        setSliderDown(true);
        const Handles both = Handles(MinimumHandle) | MaximumHandle;
        if (d->pressedHandles != both) {
            d->pressedHandles = both;
            update(handleRect.united(groove));
        }
        event->accept();
        return;
    }
    // No paging on the groove: the press belongs to the parent.
    event->ignore();
}

void RangeSlider::mouseMoveEvent(QMouseEvent *event)
{
    updatePopups(event->pos());
    if (d->pressedHandles == NoHandle) {
        update();
        event->ignore();
        return;
    }

    const int newPosition = pixelToRangeValue(event->pos().x() - d->dragOffset);
    if (d->pressedHandles == MinimumHandle) {
        setSliderRange(std::min(newPosition, d->maxHandleValue), d->maxHandleValue);
    } else if (d->pressedHandles == MaximumHandle) {
        setSliderRange(d->minHandleValue, std::max(d->minHandleValue, newPosition));
    } else {
        const int width = d->maxHandleValue - d->minHandleValue;
        int newMin = newPosition - static_cast<int>(d->halfRange);
        int newMax = newPosition + static_cast<int>(d->halfRange + 0.5f);
        if (newMax > maximum()) {
            newMax = maximum();
            newMin = maximum() - width;
        } else if (newMin < minimum()) {
            newMin = minimum();
            newMax = minimum() + width;
        }
        if (newMax - newMin == width) {
            setSliderRange(newMin, newMax);
        }
    }
    event->accept();
}

void RangeSlider::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    setSliderDown(false);
    d->pressedHandles = NoHandle;
    update();
}

void RangeSlider::leaveEvent(QEvent *event)
{
    QSlider::leaveEvent(event);
    if (d->maxPopup->isVisible()) {
        d->maxPopup->startHideTimer();
    }
    if (d->minPopup->isVisible()) {
        d->minPopup->startHideTimer();
    }
}

void RangeSlider::updatePopups(const QPoint &pos)
{
    const QRect minRect = handleRectForValue(d->minHandleValue);
    const QRect maxRect = handleRectForValue(d->maxHandleValue);
    QRect handleRect;
    const Handle handle = handleAtPos(pos, handleRect);
    bool showMin = false;
    bool showMax = false;
    if (handle == NoHandle && d->pressedHandles == NoHandle) {
        const bool inRange = QRectF(handleRect).adjusted(0, 0.5, -0.5, -0.5).contains(pos);
        showMin = showMax = inRange;
        const int m = PopupKeepOpenMargin;
        const bool below = d->popupsPosition == Below;
        const QRect minZone = below ? minRect.adjusted(-m, 0, 0, m) : minRect.adjusted(-m, -m, 0, 0);
        const QRect maxZone = below ? maxRect.adjusted(0, 0, m, m) : maxRect.adjusted(0, -m, m, 0);
        if (d->minPopup->isVisible() && minZone.contains(pos) && !inRange) {
            showMin = true;
        }
        if (d->maxPopup->isVisible() && maxZone.contains(pos) && !inRange) {
            showMax = true;
        }
    } else {
        showMin = handle == MinimumHandle || isMinimumHandleDown();
        showMax = handle == MaximumHandle || isMaximumHandleDown();
    }

    const int extra = minimumHeight() > style()->pixelMetric(QStyle::PM_SliderControlThickness) ? 4 : 0;
    const auto apply = [this, extra](Handle which, bool show) {
        PopupWidget *popup = which == MinimumHandle ? d->minPopup : d->maxPopup;
        RangeSliderSpinBox *spin = which == MinimumHandle ? d->minSpinBox : d->maxSpinBox;
        if (show && d->canShowInputPopups) {
            spin->setValue(which == MinimumHandle ? d->minHandleValue : d->maxHandleValue);
            popup->stopHideTimer();
            placePopup(which, extra);
            popup->show();
        } else if (!spin->hasFocus()) {
            popup->hide();
        }
    };
    apply(MinimumHandle, showMin);
    apply(MaximumHandle, showMax);
}

void RangeSlider::placePopup(Handle handle, int extra)
{
    PopupWidget *popup = handle == MinimumHandle ? d->minPopup : d->maxPopup;
    const QRect rect = handleRectForValue(handle == MinimumHandle ? d->minHandleValue : d->maxHandleValue);
    const int x = handle == MinimumHandle ? static_cast<int>((rect.right() - popup->width()) - rect.width() / 2.0)
                                          : static_cast<int>(rect.left() + rect.width() / 2.0);
    const int y = d->popupsPosition == Below ? height() + extra - 1 : 2 - height() - extra;
    popup->move(mapToGlobal(QPoint(x, y)));
}

QBrush RangeSlider::themeBrush(const char *name) const
{
    if (isEnabled()) {
        return property(name).value<QBrush>();
    }
    return property(QByteArray(QByteArray(name) + "Disabled").constData()).value<QBrush>();
}

QBrush RangeSlider::stateBrush(bool down, bool hovered) const
{
    if (down) {
        return themeBrush("SunkenBrush");
    }
    if (!isSliderDown() && hovered && isEnabled()) {
        return property("HoverBrush").value<QBrush>();
    }
    return themeBrush("DefaultBrush");
}

bool RangeSlider::isRangeHovered(const QRectF &box, const QRect &minHandleRect, const QRect &maxHandleRect) const
{
    const QRectF gap = box.adjusted(minHandleRect.width() / 2, 0.5, -(maxHandleRect.width() / 2), -0.5);
    return gap.contains(QPointF(mapFromGlobal(QCursor::pos())));
}

QByteArray RangeSlider::paintStateKey() const
{
    // Hover looks depend on the pointer only while it is over the widget.
    QPoint cursor = mapFromGlobal(QCursor::pos());
    if (!rect().contains(cursor)) {
        cursor = QPoint(-1, -1);
    }
    const qint64 numbers[] = {width(),
                              height(),
                              qRound64(devicePixelRatioF() * 1000),
                              isEnabled(),
                              minimum(),
                              maximum(),
                              d->minHandleValue,
                              d->maxHandleValue,
                              int(d->pressedHandles),
                              isSliderDown(),
                              invertedAppearance(),
                              layoutDirection(),
                              tickPosition(),
                              tickInterval(),
                              singleStep(),
                              pageStep(),
                              minimumHeight(),
                              qint64(quintptr(style())),
                              palette().cacheKey(),
                              isActiveWindow(),
                              hasFocus(),
                              cursor.x(),
                              cursor.y()};
    QByteArray key(reinterpret_cast<const char *>(numbers), sizeof(numbers));
    QDataStream stream(&key, QIODevice::Append);
    for (const char *name :
         {"CornerRadius", "BorderBrush", "BorderBrushDisabled", "BackgroundBrush", "BackgroundBrushDisabled",
          "RangeBrush", "RangeBrushDisabled", "SunkenBrush", "SunkenBrushDisabled", "HoverBrush", "HoverBrushDisabled",
          "DefaultBrush", "DefaultBrushDisabled"}) {
        // Plain colours, the usual case, are cheaper to compare than to stream.
        const QVariant value = property(name);
        const QBrush brush = value.userType() == QMetaType::QBrush ? value.value<QBrush>() : QBrush();
        if (brush.style() == Qt::SolidPattern) {
            stream << quint64(brush.color().rgba64());
        } else {
            stream << value;
        }
    }
    return key;
}

void RangeSlider::paintCached(const QByteArray &key, const std::function<void(QStylePainter *)> &paint)
{
    if (size().isEmpty()) {
        return;
    }
    if (d->paintCache.isNull() || d->paintCacheKey != key) {
        const qreal ratio = devicePixelRatioF();
        QPixmap pixmap(size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        {
            QStylePainter painter(&pixmap, this);
            painter.setRenderHint(QPainter::Antialiasing, true);
            paint(&painter);
        }
        d->paintCache = pixmap;
        d->paintCacheKey = key;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, d->paintCache);
}

void RangeSlider::paintGrooveCached(QPainter *painter, const QRect &area, const QByteArray &key,
                                    const std::function<void(QPainter *)> &paint) const
{
    if (!painter || area.isEmpty()) {
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatioF();
    QByteArray fullKey = key;
    QDataStream stream(&fullKey, QIODevice::Append);
    stream << area << ratio;
    if (d->grooveCache.isNull() || d->grooveCacheKey != fullKey) {
        QPixmap pixmap(area.size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter layer(&pixmap);
        layer.setRenderHint(QPainter::Antialiasing, true);
        layer.translate(-area.topLeft());
        paint(&layer);
        layer.end();
        d->grooveCache = pixmap;
        d->grooveCacheKey = fullKey;
    }
    painter->drawPixmap(area.topLeft(), d->grooveCache);
}

void RangeSlider::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    paintCached(paintStateKey(), [this](QStylePainter *painter) { paintSlider(painter); });
}

void RangeSlider::paintSlider(QStylePainter *target) const
{
    QStylePainter &painter = *target;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const int radius = property("CornerRadius").toInt();

    const QRectF grooveF = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    if (grooveF.isValid()) {
        const QBrush border = themeBrush("BorderBrush");
        const QBrush background = themeBrush("BackgroundBrush");
        QByteArray key;
        QDataStream stream(&key, QIODevice::WriteOnly);
        stream << grooveF << radius << border.color() << background;
        paintGrooveCached(&painter, grooveF.toAlignedRect(), key, [&](QPainter *layer) {
            QPen pen(border.color(), 1);
            pen.setJoinStyle(Qt::MiterJoin);
            layer->setPen(pen);
            layer->setBrush(background);
            Helpers::drawRoundedRectShape(grooveF.adjusted(0.5, 0.5, -0.5, -0.5), radius, Helpers::NoStraightCorner,
                                          layer);
        });
    }

    option.subControls = QStyle::SC_SliderTickmarks;
    painter.drawComplexControl(QStyle::CC_Slider, option);

    const QRect minHandleRect = handleRectForValue(d->minHandleValue);
    const QRect maxHandleRect = handleRectForValue(d->maxHandleValue);
    const int minCenter = minHandleRect.center().x();
    const int maxCenter = maxHandleRect.center().x();

    QRectF bar = grooveF.adjusted(0, 0, 0, 1);
    bar.setLeft(std::min(minCenter, maxCenter));
    bar.setRight(std::max(minCenter, maxCenter));
    bar.setTop(bar.top() + bar.height() / 4);
    bar.setHeight(bar.height() / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(themeBrush("RangeBrush"));
    painter.drawRect(bar.adjusted(-1, 0.5, 1, 0.5));

    QRectF box = bar;
    box.setTop(grooveF.top());
    box.setHeight(grooveF.height());
    const bool rangeHovered = isRangeHovered(box, minHandleRect, maxHandleRect);
    const QBrush state = stateBrush(isMinimumHandleDown() && isMaximumHandleDown(), rangeHovered);
    QColor fill = state.color();
    fill.setAlphaF(0.4);
    painter.setPen(QPen(state.color(), 1));
    painter.setBrush(fill);
    painter.drawRect(box.adjusted(0, 0.5, 2, -0.5));

    const QPointF cursor = mapFromGlobal(QCursor::pos());
    drawHandle(&painter, minHandleRect, MinimumHandle, isMinimumHandleDown(),
               QRectF(minHandleRect).contains(cursor) || rangeHovered);
    drawHandle(&painter, maxHandleRect, MaximumHandle, isMaximumHandleDown(),
               QRectF(maxHandleRect).contains(cursor) || rangeHovered);
}

void RangeSlider::drawHandle(QStylePainter *painter, QRect rect, Handle handle, bool down, bool hovered) const
{
    if (!painter || handle == NoHandle) {
        return;
    }
    const int radius = property("CornerRadius").toInt();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(Qt::NoPen);
    painter->setBrush(stateBrush(down, hovered));
    const QRectF r(rect);
    if (handle == MinimumHandle) {
        Helpers::drawRoundedRectShape(r.adjusted(0, 0, -rect.width() / 2.0, 0), radius,
                                      Helpers::TopRightCorner | Helpers::BottomRightCorner, painter);
    } else {
        Helpers::drawRoundedRectShape(r.adjusted(rect.width() / 2.0, 0, 0, 0), radius,
                                      Helpers::TopLeftCorner | Helpers::BottomLeftCorner, painter);
    }
    painter->setBrush(themeBrush("BackgroundBrush"));
    const qreal top = rect.y() + rect.height() / 4.0;
    const qreal lineHeight = rect.height() / 2.0;
    const int x1 = handle == MinimumHandle ? rect.left() + 2 : rect.right() - 2;
    const int x2 = handle == MinimumHandle ? rect.left() + 4 : rect.right() - 4;
    painter->drawRect(QRectF(x1, top, 1.0, lineHeight));
    painter->drawRect(QRectF(x2, top, 1.0, lineHeight));
    painter->restore();
}

} // namespace Components
} // namespace Nalu
