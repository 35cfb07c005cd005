#pragma once

#include <QRect>
#include <QWidget>

#include <functional>

#include "ui/control.h"
#include "ui/win_control.h"

namespace ui::qt {

// What peers and windows need of the front end.
class Peer_Host {
public:
    virtual ~Peer_Host() = default;
    // Runs after every piece of input passed to the model and after every change of a form:
    // a modal loop whose form now has its result ends, and the Qt focus follows the model's.
    virtual void after_model_event() = 0;
    // Makes the peers of the controls inside container, as children of widget.
    virtual void make_peers_inside(ui::Win_Control& container, QWidget& widget) = 0;
};

// What every peer shares, whatever its widget class: it shows one model control and passes the
// user's input on to the model. It holds no state of the program.
class Peer : public ui::Control_View {
public:
    Peer(ui::Control& control, QWidget& widget, Peer_Host& host);

    QWidget& widget() const { return widget_; }

    void control_changed() final;
    // Whether the peer makes its children's peers itself, when it needs them, rather than along
    // with its own.
    virtual bool makes_its_children() const { return false; }

protected:
    // Where the control stands in its parent's client area.
    virtual QRect placement() const;
    virtual bool shown() const { return control_.visible(); }
    // What the kind of control shows besides place, state, font and cursor.
    virtual void show_state() = 0;
    void forward(const std::function<void()>& input) const;
    Peer_Host& host() const { return host_; }

private:
    ui::Control& control_;
    QWidget& widget_;
    Peer_Host& host_;
};

}  // namespace ui::qt
