#pragma once

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include "ui/qt/canvas_raster.h"
#include "ui/qt/peer.h"
#include "ui/static_controls.h"

namespace ui::qt {

// Plain text in the model's alignment, on its colour unless transparent.
class Label_Peer final : public QLabel, public Peer {
public:
    Label_Peer(ui::Label& label, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ui::Label& label_;
};

// A lowered frame.
class Bevel_Peer final : public QFrame, public Peer {
public:
    Bevel_Peer(ui::Bevel& bevel, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override {}
};

// The picture of an image's canvas; presses and moves go to the model in image pixels.
class Image_Peer final : public QWidget, public Peer {
public:
    Image_Peer(ui::Image& image, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void draw_picture();

    ui::Image& image_;
    QImage picture_;
    // The ratio the picture was drawn for, and the scale the raster took from it.
    qreal shown_ratio_ = 1;
    double picture_scale_ = 1;
    Canvas_Raster raster_;
};

}  // namespace ui::qt
