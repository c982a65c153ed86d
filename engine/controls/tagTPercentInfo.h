// tagTPercentInfo: relative anchoring of a floating control: each edge as a fraction (0..1) of
// the parent's width or height.
//
// Contract: plain record; all zero means "not anchored by percent".
//
// Not done: no validation; the floating layout reads the values as given.
#pragma once

namespace SkinUI
{

struct tagTPercentInfo
{
    double left;
    double top;
    double right;
    double bottom;
};

} // namespace SkinUI
