#pragma once

#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>

#include <string>

#include "ui/buttons.h"
#include "ui/qt/peer.h"

namespace ui::qt {

// A button that looks pressed while the left mouse button holds it; releasing it over the
// button is the click, and the click goes to the model. Qt itself clicks and toggles nothing.
template <class Button_Widget>
class Pressable : public Button_Widget {
protected:
    explicit Pressable(QWidget& parent) : Button_Widget(&parent) {}

    virtual void clicked_by_user() = 0;

    // The whole control answers the mouse, caption included, so a click anywhere on it counts.
    bool hitButton(const QPoint& at) const override { return this->rect().contains(at); }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        held_ = true;
        this->setDown(true);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (held_) this->setDown(hitButton(event->position().toPoint()));
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || !held_) return;
        held_ = false;
        this->setDown(false);
        if (hitButton(event->position().toPoint())) clicked_by_user();
    }

private:
    bool held_ = false;
};

// A push button with its caption and, when it has one, its glyph.
class Button_Peer final : public Pressable<QPushButton>, public Peer {
public:
    Button_Peer(ui::Button& button, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override;
    void clicked_by_user() override;

private:
    ui::Button& button_;
    std::string shown_glyph_;
};

// A speed button: shown down while the model has it down.
class Speed_Button_Peer final : public Pressable<QPushButton>, public Peer {
public:
    Speed_Button_Peer(ui::Speed_Button& button, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override;
    void clicked_by_user() override;

private:
    ui::Speed_Button& button_;
};

class Check_Box_Peer final : public Pressable<QCheckBox>, public Peer {
public:
    Check_Box_Peer(ui::Check_Box& box, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override;
    void clicked_by_user() override;

private:
    ui::Check_Box& box_;
};

}  // namespace ui::qt
