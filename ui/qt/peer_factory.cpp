#include "ui/qt/peer_factory.h"

#include "ui/qt/button_peers.h"
#include "ui/qt/container_peers.h"
#include "ui/qt/edit_peer.h"
#include "ui/qt/static_peers.h"
#include "ui/qt/status_bar_peer.h"
#include "ui/qt/string_grid_peer.h"
#include "ui/qt/track_bar_peer.h"

namespace ui::qt {

namespace {

// The new peer belongs to its parent widget, as every Qt child does.
Peer* make_peer(ui::Control& control, QWidget& parent, Peer_Host& host) {
    switch (control.kind()) {
    case ui::Control_Kind::Bevel: return new Bevel_Peer(static_cast<ui::Bevel&>(control), parent, host);
    case ui::Control_Kind::Image: return new Image_Peer(static_cast<ui::Image&>(control), parent, host);
    case ui::Control_Kind::Label: return new Label_Peer(static_cast<ui::Label&>(control), parent, host);
    case ui::Control_Kind::Speed_Button:
        return new Speed_Button_Peer(static_cast<ui::Speed_Button&>(control), parent, host);
    case ui::Control_Kind::Edit: return new Edit_Peer(static_cast<ui::Edit&>(control), parent, host);
    case ui::Control_Kind::Button: return new Button_Peer(static_cast<ui::Button&>(control), parent, host);
    case ui::Control_Kind::Group_Box: return new Group_Box_Peer(static_cast<ui::Group_Box&>(control), parent, host);
    case ui::Control_Kind::Panel: return new Panel_Peer(static_cast<ui::Panel&>(control), parent, host);
    case ui::Control_Kind::Check_Box: return new Check_Box_Peer(static_cast<ui::Check_Box&>(control), parent, host);
    case ui::Control_Kind::Track_Bar: return new Track_Bar_Peer(static_cast<ui::Track_Bar&>(control), parent, host);
    case ui::Control_Kind::Page_Control:
        return new Page_Control_Peer(static_cast<ui::Page_Control&>(control), parent, host);
    case ui::Control_Kind::Tab_Sheet: return new Tab_Sheet_Peer(static_cast<ui::Tab_Sheet&>(control), parent, host);
    case ui::Control_Kind::Status_Bar: return new Status_Bar_Peer(static_cast<ui::Status_Bar&>(control), parent, host);
    case ui::Control_Kind::String_Grid:
        return new String_Grid_Peer(static_cast<ui::String_Grid&>(control), parent, host);
    case ui::Control_Kind::Form: return nullptr;  // a form is a window of its own
    }
    return nullptr;
}

}  // namespace

void create_peers(ui::Win_Control& container, QWidget& client, Peer_Registry& registry, Peer_Host& host) {
    for (ui::Control* child : container.children()) {
        Peer* peer = make_peer(*child, client, host);
        if (peer == nullptr) continue;
        registry.add(*child, peer->widget());
        child->attach_view(peer);
        peer->control_changed();
        if (peer->makes_its_children()) continue;
        if (auto* inner = dynamic_cast<ui::Win_Control*>(child)) create_peers(*inner, peer->widget(), registry, host);
    }
}

}  // namespace ui::qt
