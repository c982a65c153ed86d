// ITranslateAccelerator: a keyboard accelerator translator a window registers with its paint
// manager; the message loop offers it each message for that window before anything else.
// A result of 0 means the message was handled and is not dispatched.
#pragma once

#include <windows.h>

namespace SkinUI
{

class ITranslateAccelerator
{
public:
    virtual LRESULT TranslateAccelerator(MSG* pMsg) = 0;

protected:
    ~ITranslateAccelerator() {}
};

} // namespace SkinUI
