// SPDX-License-Identifier: Apache-2.0
#pragma once

// The rows of the configuration window's two columns, which the caption pictures are painted
// to match: a caption beside each selection box, one row below the other.
namespace artwork {

constexpr int kRowPitch = 24;
// A selection box's height; each caption is centred on it, as the box centres its text.
constexpr int kRowHeight = 21;

}  // namespace artwork
