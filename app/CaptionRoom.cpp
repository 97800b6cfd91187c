#include "app/CaptionRoom.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <climits>
#include <vector>

namespace tamsoret {

namespace {

bool AlignedRight(const QWidget *control)
{
    const auto *label = qobject_cast<const QLabel *>(control);
    return label && label->alignment().testFlag(Qt::AlignRight);
}

// The caption as drawn: an access key's "&" takes no room, a doubled one shows as one.
QString Drawn(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

// The controls laid out in a window: its children, and the children of plain frames and
// panels in it, the parts of composite controls left out.
void LaidOut(QWidget *parent, std::vector<QWidget *> &out)
{
    for (QObject *child : parent->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow()) continue;
        out.push_back(w);
        const QMetaObject *type = w->metaObject();
        if (type == &QFrame::staticMetaObject || type == &QWidget::staticMetaObject)
            LaidOut(w, out);
    }
}

// Opens a strip dx pixels wide at window x = cut through the whole window.
void OpenStrip(QWidget *window, int cut, int dx)
{
    std::vector<QWidget *> widgets;
    LaidOut(window, widgets);
    const auto moved = [cut, dx](int x) { return x >= cut ? x + dx : x; };
    // All new places in window coordinates first, as a parent's move changes its
    // children's mapping.
    std::vector<std::pair<int, int>> spans; // left, right (exclusive)
    spans.reserve(widgets.size());
    for (QWidget *w : widgets) {
        const int left = w->mapTo(window, QPoint(0, 0)).x();
        spans.emplace_back(moved(left), moved(left + w->width()));
    }
    for (size_t i = 0; i < widgets.size(); ++i) {
        QWidget *w = widgets[i];
        QWidget *parent = w->parentWidget();
        int parentLeft = 0;
        if (parent != window) {
            const auto at = std::find(widgets.begin(), widgets.end(), parent);
            parentLeft = spans[size_t(at - widgets.begin())].first;
        }
        const QRect g = w->geometry();
        w->setGeometry(spans[i].first - parentLeft, g.y(), spans[i].second - spans[i].first,
                       g.height());
    }
    window->setFixedSize(window->width() + dx, window->height());
}

// Widens the control into the free room beside it; gives how many pixels it still lacks,
// and in gap how many there were between it and the next control on that side.
int GrowIntoFreeRoom(QWidget *control, int *gap)
{
    const int needed = CaptionWidth(control);
    const QRect at = control->geometry();
    if (needed <= at.width()) return 0;
    const bool leftward = AlignedRight(control);
    // The nearest edge of another control on the same row, on the side it grows to.
    int limit = leftward ? 0 : control->parentWidget()->width();
    for (const QObject *child : control->parentWidget()->children()) {
        const auto *other = qobject_cast<const QWidget *>(child);
        if (!other || other == control || other->isWindow()) continue;
        const QRect g = other->geometry();
        if (g.top() > at.bottom() || g.bottom() < at.top()) continue;
        if (!leftward && g.left() > at.left()) limit = std::min(limit, g.left());
        if (leftward && g.right() < at.right()) limit = std::max(limit, g.right() + 1);
    }
    if (leftward) {
        if (gap) *gap = std::max(0, at.left() - limit);
        const int left = std::max(limit, at.right() + 1 - needed);
        if (left < at.left()) control->setGeometry(left, at.y(), at.right() + 1 - left, at.height());
    } else {
        if (gap) *gap = std::max(0, limit - (at.left() + at.width()));
        const int width = std::min(needed, limit - at.left());
        if (width > at.width()) control->resize(width, at.height());
    }
    return std::max(0, needed - control->width());
}

} // namespace

int CaptionWidth(const QWidget *control)
{
    if (qobject_cast<const QLabel *>(control) || qobject_cast<const QCheckBox *>(control) ||
        qobject_cast<const QRadioButton *>(control))
        return control->sizeHint().width();
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        // Not the size hint, which the style may round up to a minimum width of its own.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle *style = button->style();
        const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return button->width() - contents.width() +
               button->fontMetrics().horizontalAdvance(Drawn(button->text())) +
               style->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
    }
    return control->width();
}

int GrowIntoFreeRoom(QWidget *control)
{
    return GrowIntoFreeRoom(control, nullptr);
}

void MakeRoomForCaptions(QWidget *window, std::initializer_list<QWidget *> controls)
{
    for (QWidget *control : controls) {
        int gap = 0;
        const int missing = GrowIntoFreeRoom(control, &gap);
        if (missing == 0) continue;
        // The strip also gives back the gap there was to the next control, which the
        // growth into the free room used up.
        const int left = control->mapTo(window, QPoint(0, 0)).x();
        const QRect before = control->geometry();
        if (AlignedRight(control)) {
            // Opened just inside its left edge: the label widens, and what stands beside
            // or below its text moves on with the text's end.
            OpenStrip(window, left + 1, missing + gap);
            control->setGeometry(before.left() + gap, before.top(), before.width() + missing,
                                 before.height());
        } else {
            OpenStrip(window, left + control->width(), missing + gap);
            control->resize(before.width() + missing, before.height());
        }
    }
}

} // namespace tamsoret
