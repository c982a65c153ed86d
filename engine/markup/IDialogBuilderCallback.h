// IDialogBuilderCallback: lets a window make controls for element names the control factory
// does not know.
//
// Contract: CreateControl returns a new control the builder then owns (it joins the tree or is
// deleted), or null when the name is not the window's either.
//
// Not done: nothing else is asked of the window.
#pragma once

namespace SkinUI
{

class CControlUI;

class IDialogBuilderCallback
{
public:
    virtual CControlUI* CreateControl(const wchar_t* pstrClass) = 0;

protected:
    ~IDialogBuilderCallback() = default;
};

} // namespace SkinUI
