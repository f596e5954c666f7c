// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QColor>

// The few colours every picture shares, so buttons, captions and backgrounds blend where they
// are laid over one another in the windows.
namespace artwork::palette {

inline const QColor kBandTop{0xf4, 0xf7, 0xfb};
inline const QColor kBandBottom{0xbf, 0xcd, 0xde};
inline const QColor kBlueGreyLine{0x8c, 0x9d, 0xb4};
inline const QColor kPanel{Qt::white};
inline const QColor kSidePanel{0xdd, 0xea, 0xf7};
inline const QColor kSeparator{0xa3, 0xab, 0xb5};
inline const QColor kBlueLine{0x2f, 0x63, 0x9c};
inline const QColor kInk{0x1a, 0x26, 0x3a};
inline const QColor kNoteInk{Qt::black};
inline const QColor kNoticeGrey{0x6e, 0x76, 0x80};
inline const QColor kNoticeInk{Qt::white};

}  // namespace artwork::palette
