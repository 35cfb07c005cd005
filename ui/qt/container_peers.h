#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QTabBar>
#include <QWidget>

#include <functional>

#include "ui/containers.h"
#include "ui/qt/peer.h"

namespace ui::qt {

class Group_Box_Peer final : public QGroupBox, public Peer {
public:
    Group_Box_Peer(ui::Group_Box& box, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override;

private:
    ui::Group_Box& box_;
};

// The two bevels drawn as one etched line, on the panel's colour.
class Panel_Peer final : public QFrame, public Peer {
public:
    Panel_Peer(ui::Panel& panel, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override;

private:
    ui::Panel& panel_;
};

// Tabs that switch pages only through the model: a press on a tab is reported, and the tab bar
// shows whichever page the model makes active.
class Page_Tab_Bar final : public QTabBar {
public:
    Page_Tab_Bar(QWidget& parent, std::function<void(int index)> pressed);
    void place(ui::Tab_Position position);

protected:
    void initStyleOption(QStyleOptionTab* option, int index) const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    std::function<void(int index)> pressed_;
};

// The tabs along the top or the bottom and the active page beside them.
class Page_Control_Peer final : public QWidget, public Peer {
public:
    Page_Control_Peer(ui::Page_Control& pages, QWidget& parent, Peer_Host& host);

    // Where a page stands, in this widget's coordinates.
    QRect page_area() const;
    // The tabs with the pages' captions, the model's active page selected.
    void show_tabs();

protected:
    void show_state() override;
    void paintEvent(QPaintEvent* event) override;

private:
    int tab_height() const;
    bool tabs_at_bottom() const;

    ui::Page_Control& pages_;
    Page_Tab_Bar tabs_;
};

// A page fills its page control's page area and shows only while it is the active page.
class Tab_Sheet_Peer final : public QWidget, public Peer {
public:
    Tab_Sheet_Peer(ui::Tab_Sheet& sheet, QWidget& parent, Peer_Host& host);

    bool makes_its_children() const override { return true; }

protected:
    QRect placement() const override;
    bool shown() const override;
    void show_state() override;

private:
    Page_Control_Peer* page_control_peer() const;

    ui::Tab_Sheet& sheet_;
    bool children_made_ = false;
};

}  // namespace ui::qt
