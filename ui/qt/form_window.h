#pragma once

#include <QMenuBar>
#include <QWidget>

#include "ui/form.h"
#include "ui/qt/peer.h"
#include "ui/qt/peer_registry.h"

namespace ui::qt {

// The window of a form: its menu bar, and below it the client area of the form's size that
// holds the peers. Fixed in size unless the form is sizeable; closing it asks the model, which
// decides.
class Form_Window final : public QWidget, public ui::Control_View {
public:
    Form_Window(ui::Form& form, const Peer_Registry& registry, Peer_Host& host, QWidget* owner, Qt::WindowFlags flags);

    ui::Form& form() const { return form_; }
    QWidget& client() { return client_; }

    void control_changed() override;
    void show_centred();
    // Gives the Qt focus to the peer of the model's focused control, or to the window itself
    // when the model's focus is on no control.
    void follow_focus();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void lay_out();

    ui::Form& form_;
    const Peer_Registry& registry_;
    Peer_Host& host_;
    QWidget client_;
    QMenuBar* menu_bar_ = nullptr;
    int menu_height_ = 0;
};

}  // namespace ui::qt
