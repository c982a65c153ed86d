// CSkinWindowSetup: the creation steps the installer's two windows share (their WM_CREATE):
// frame style, paint manager, resource folder, their own copy of the skin archive, and the
// control tree built from their skin file.
//
// Contract: Run, on the window's thread during WM_CREATE: removes WS_CAPTION and adds
// WS_CLIPSIBLINGS | WS_CLIPCHILDREN (then lets the frame change take effect), initialises the
// window's paint manager and registers the window as its pre-message filter, sets the resource
// folder to the executable's folder + skinDir when none is set, copies resource "ZIPRES"
// resId of the resource module into archiveCopy (owned by the window) and offers it to the
// paint manager (which keeps an archive it already has), then builds skinXml into the manager.
// Answers NoArchive (nothing built, nothing attached) when the resource is missing, unloadable
// or empty; BuildFailed when the builder gives no root; Built with the root otherwise. It does
// not attach the root, register notifiers or report failures: each window does that its way.
#pragma once

#include "engine/core/CUIString.h"
#include "engine/window/CUIFrameWnd.h"

#include <memory>

class CSkinWindowSetup
{
public:
    enum Result
    {
        Built,
        NoArchive,
        BuildFailed,
    };

    static Result Run(SkinUI::CUIFrameWnd& window, const SkinUI::CUIString& skinDir, UINT resId, int resMode,
                      const SkinUI::CUIString& skinXml, std::unique_ptr<unsigned char[]>& archiveCopy,
                      SkinUI::CControlUI*& root);
};
