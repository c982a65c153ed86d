// tagStringTable: one record of the process-wide string table (texts code asks for by number).
//
// Contract: a plain value record; CLangManagerUI owns every record it makes.
// Not done: no behaviour.
#pragma once

#include "engine/core/CUIString.h"

namespace SkinUI
{

struct tagStringTable
{
    int id = 0;
    CUIString text1;
    CUIString text2;
};

} // namespace SkinUI
