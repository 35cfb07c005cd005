#include "ui/qt/container_peers.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QToolButton>

#include "ui/qt/colors.h"
#include "ui/qt/text.h"
#include "ui/user_input.h"

namespace ui::qt {

Group_Box_Peer::Group_Box_Peer(ui::Group_Box& box, QWidget& parent, Peer_Host& host)
    : QGroupBox(&parent), Peer(box, *this, host), box_(box) {}

void Group_Box_Peer::show_state() { setTitle(caption_without_mnemonics(box_.caption())); }

Panel_Peer::Panel_Peer(ui::Panel& panel, QWidget& parent, Peer_Host& host)
    : QFrame(&parent), Peer(panel, *this, host), panel_(panel) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setLineWidth(1);
    setMidLineWidth(0);
    setAutoFillBackground(true);
}

void Panel_Peer::show_state() { set_background(*this, QPalette::Window, panel_.color()); }

Page_Tab_Bar::Page_Tab_Bar(QWidget& parent, std::function<void(int index)> pressed)
    : QTabBar(&parent), pressed_(std::move(pressed)) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoMousePropagation);
    setDrawBase(false);
    setExpanding(false);
    // One row of tabs: where they do not fit, arrows scroll them. The arrows must not take the
    // focus from the model.
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
    for (QToolButton* scroll : findChildren<QToolButton*>()) scroll->setFocusPolicy(Qt::NoFocus);
    place(ui::Tab_Position::Top);
}

// Each tab is its caption's width and six pixels each side, its border included, as a desktop's
// tab control sizes them: the main window's four tabs and the tables window's eleven fit in one
// row. The selected tab stands out towards the page it joins.
void Page_Tab_Bar::place(ui::Tab_Position position) {
    const bool bottom = position == ui::Tab_Position::Bottom;
    const QTabBar::Shape shape = bottom ? QTabBar::RoundedSouth : QTabBar::RoundedNorth;
    if (this->shape() == shape && !styleSheet().isEmpty()) return;
    setShape(shape);
    const QString open_side = bottom ? "top" : "bottom";
    const QString far_side = bottom ? "bottom" : "top";
    setStyleSheet(QString("QTabBar::tab { padding: 3px 5px; border: 1px solid #a0a0a0; border-%1: none;"
                          " background: #e8e8e8; margin-right: -1px; }"
                          "QTabBar::tab:selected { background: #f0f0f0; margin-%2: -2px; }"
                          "QTabBar::tab:!selected { margin-%2: 2px; }")
                      .arg(open_side, far_side));
}

// The style would draw the focus cue across the current tab's caption, hatching it; the cue is
// drawn around the caption instead, inside the tab.
void Page_Tab_Bar::initStyleOption(QStyleOptionTab* option, int index) const {
    QTabBar::initStyleOption(option, index);
    option->state &= ~QStyle::State_HasFocus;
}

void Page_Tab_Bar::paintEvent(QPaintEvent* event) {
    QTabBar::paintEvent(event);
    if (!hasFocus() || currentIndex() < 0) return;
    QStyleOptionTab tab;
    initStyleOption(&tab, currentIndex());
    const QRect text_area = style()->subElementRect(QStyle::SE_TabBarTabText, &tab, this);
    const QRect caption = fontMetrics().boundingRect(text_area, Qt::AlignCenter | Qt::TextShowMnemonic, tab.text);
    QStyleOptionFocusRect cue;
    cue.initFrom(this);
    cue.rect = caption.adjusted(-2, -1, 2, 1) & tab.rect.adjusted(1, 1, -1, -1);
    cue.backgroundColor = palette().color(QPalette::Window);
    QStylePainter painter(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, cue);
}

void Page_Tab_Bar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int index = tabAt(event->position().toPoint());
    if (index >= 0) pressed_(index);
}

void Page_Tab_Bar::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void Page_Tab_Bar::mouseReleaseEvent(QMouseEvent*) {}

void Page_Tab_Bar::wheelEvent(QWheelEvent*) {}

Page_Control_Peer::Page_Control_Peer(ui::Page_Control& pages, QWidget& parent, Peer_Host& host)
    : QWidget(&parent),
      Peer(pages, *this, host),
      pages_(pages),
      tabs_(*this, [this](int index) { forward([this, index] { ui::user::select_page(pages_, index); }); }) {
    // The focus of the page control shows on its tabs.
    setFocusProxy(&tabs_);
}

int Page_Control_Peer::tab_height() const { return tabs_.sizeHint().height(); }

bool Page_Control_Peer::tabs_at_bottom() const { return pages_.tab_position() == ui::Tab_Position::Bottom; }

QRect Page_Control_Peer::page_area() const {
    // The page sits inside the frame with a margin of 4 pixels, which the layouts' page sizes
    // assume.
    constexpr int margin = 4;
    const int top = tabs_at_bottom() ? margin : tab_height() + margin;
    return {margin, top, width() - 2 * margin, height() - tab_height() - 2 * margin};
}

void Page_Control_Peer::show_tabs() {
    const auto& pages = pages_.pages();
    const int count = static_cast<int>(pages.size());
    while (tabs_.count() > count) tabs_.removeTab(tabs_.count() - 1);
    while (tabs_.count() < count) tabs_.addTab(QString());
    // Each page's change comes here too: a text set anew would lay the tabs out anew.
    for (int index = 0; index < count; ++index) {
        const QString caption = caption_without_mnemonics(pages[static_cast<std::size_t>(index)]->caption());
        if (tabs_.tabText(index) != caption) tabs_.setTabText(index, caption);
    }
    tabs_.setCurrentIndex(pages_.active_page_index());
    tabs_.place(pages_.tab_position());
    tabs_.setGeometry(0, tabs_at_bottom() ? height() - tab_height() : 0, width(), tab_height());
}

void Page_Control_Peer::show_state() {
    show_tabs();
    for (ui::Tab_Sheet* page : pages_.pages()) page->changed();
    update();
}

void Page_Control_Peer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    const int frame_top = tabs_at_bottom() ? 0 : tab_height() - overlap;
    frame.rect = QRect(0, frame_top, width(), height() - tab_height() + overlap);
    frame.shape = tabs_.shape();
    frame.tabBarSize = tabs_.size();
    frame.tabBarRect = tabs_.geometry();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

Tab_Sheet_Peer::Tab_Sheet_Peer(ui::Tab_Sheet& sheet, QWidget& parent, Peer_Host& host)
    : QWidget(&parent), Peer(sheet, *this, host), sheet_(sheet) {
    setAutoFillBackground(true);
}

Page_Control_Peer* Tab_Sheet_Peer::page_control_peer() const {
    return dynamic_cast<Page_Control_Peer*>(parentWidget());
}

QRect Tab_Sheet_Peer::placement() const {
    if (const Page_Control_Peer* pages = page_control_peer()) return pages->page_area();
    return Peer::placement();
}

bool Tab_Sheet_Peer::shown() const { return sheet_.visible() && sheet_.page_control().active_page() == &sheet_; }

void Tab_Sheet_Peer::show_state() {
    set_background(*this, QPalette::Window, sheet_.color());
    // A page's peers wait for its first showing: the start shows one page of several, and the
    // model holds every control's state in the meantime.
    if (!children_made_ && shown()) {
        children_made_ = true;
        host().make_peers_inside(sheet_, *this);
    }
    if (Page_Control_Peer* pages = page_control_peer()) pages->show_tabs();
}

}  // namespace ui::qt
