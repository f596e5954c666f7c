// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QImage>
#include <QRect>

#include "artwork/Artwork.h"

class QPainter;

// The drawing of each kind of picture, one source file each; Artwork.cpp picks among them.
// Each draws in pixels of the picture's size onto a canvas of ratio device pixels to each.
namespace artwork {

QImage canvas(const QSize& size, QImage::Format format, qreal ratio);

QImage drawConfigBackground(qreal ratio);
QImage drawFeaturesBackground(qreal ratio);

// The maker's word mark, fitted into frame on the side panel.
void paintLogo(QPainter& painter, const QRect& frame);

// The gradient of the top band, for a picture whose top edge lies bandOffset pixels below the
// band's top edge.
void paintTopBand(QPainter& painter, int width, int bandOffset);

QImage drawHeading(qreal ratio);
QImage drawLeftCaptions(bool ibm, qreal ratio);
QImage drawRightCaptions(qreal ratio);
QImage drawWaitNotice(qreal ratio);

QStringList leftCaptions(bool ibm);
QStringList rightCaptions();
QString waitNoticeText();

// One of the button pictures (Picture::ApplySettingsNormal to Picture::CloseHover).
QImage drawButton(Picture picture, qreal ratio);
// The caption of a button picture; empty for any other picture.
QString buttonCaption(Picture picture);

QImage drawWindowIcon(qreal ratio);

}  // namespace artwork
