#include "ui/qt/status_bar_peer.h"

#include <qdrawutil.h>
#include <QPainter>

#include "ui/qt/text.h"

namespace ui::qt {

namespace {

// The panels stand apart by two pixels and below a line of two.
constexpr int panel_gap = 2;
constexpr int text_margin = 3;

}  // namespace

Status_Bar_Peer::Status_Bar_Peer(ui::Status_Bar& bar, QWidget& parent, Peer_Host& host)
    : QWidget(&parent), Peer(bar, *this, host), bar_(bar) {}

QRect Status_Bar_Peer::placement() const {
    const int height = bar_.bounds().height;
    const ui::Win_Control* parent = bar_.parent();
    if (parent == nullptr) return Peer::placement();
    return {0, parent->bounds().height - height, parent->bounds().width, height};
}

void Status_Bar_Peer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto& panels = bar_.panels();
    int left = 0;
    for (std::size_t index = 0; index < panels.size() && left < width(); ++index) {
        const bool last = index + 1 == panels.size();
        const int panel_width = last ? width() - left : panels[index].width;
        const QRect panel(left, panel_gap, panel_width - panel_gap, height() - panel_gap);
        if (panel.width() > 0) {
            qDrawShadePanel(&painter, panel, palette(), true, 1);
            painter.drawText(panel.adjusted(text_margin, 0, -text_margin, 0),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, to_qstring(panels[index].text));
        }
        left += panels[index].width;
    }
}

}  // namespace ui::qt
