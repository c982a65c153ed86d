// Bounded mutation run over the attributes of the layouts and the basic controls: every known
// attribute name with hostile values (empty, negative, huge, malformed colours, rectangles and
// image descriptions), each followed by a layout, a paint and a burst of input. Passing means
// nothing crashed and every rectangle stayed ordered.
#include <gtest/gtest.h>

#include "engine/controls/CButtonUI.h"
#include "engine/controls/CHorizontalLayoutUI.h"
#include "engine/controls/CLabelUI.h"
#include "engine/controls/COptionUI.h"
#include "engine/controls/CProgressUI.h"
#include "engine/controls/CRichEditUI.h"
#include "engine/controls/CVerticalLayoutUI.h"
#include "tests/engine/controls/ControlTestSupport.h"
#include "tests/engine/render/CTestDib.h"

using namespace SkinUI;

namespace
{

const wchar_t* const kNames[] = {L"width",
                                 L"height",
                                 L"minwidth",
                                 L"maxheight",
                                 L"padding",
                                 L"inset",
                                 L"childpadding",
                                 L"childalign",
                                 L"childvalign",
                                 L"sepwidth",
                                 L"sepheight",
                                 L"sepimm",
                                 L"float",
                                 L"pos",
                                 L"text",
                                 L"font",
                                 L"textcolor",
                                 L"disabledtextcolor",
                                 L"align",
                                 L"valign",
                                 L"textpadding",
                                 L"showhtml",
                                 L"autocalcwidth",
                                 L"autocalcheight",
                                 L"wordbreak",
                                 L"endellipsis",
                                 L"normalimage",
                                 L"hotimage",
                                 L"pushedimage",
                                 L"disabledimage",
                                 L"focusedimage",
                                 L"hotforeimage",
                                 L"statecount",
                                 L"stateimage",
                                 L"hotfont",
                                 L"pushedfont",
                                 L"focuedfont",
                                 L"pushedbkcolor",
                                 L"hottextcolor",
                                 L"pushedbordercolor",
                                 L"bindtabindex",
                                 L"bindtablayoutname",
                                 L"switchpanevisible",
                                 L"group",
                                 L"selected",
                                 L"selectedimage",
                                 L"selectedhotimage",
                                 L"selectedstateimage",
                                 L"selectedstatecount",
                                 L"selectedfont",
                                 L"selectedtextcolor",
                                 L"selectedbkcolor",
                                 L"hor",
                                 L"min",
                                 L"max",
                                 L"value",
                                 L"isstretchfore",
                                 L"foreimage",
                                 L"bkimage",
                                 L"forecolor",
                                 L"readonly",
                                 L"multiline",
                                 L"maxchar",
                                 L"wantreturn",
                                 L"password",
                                 L"tipvalue",
                                 L"bordersize",
                                 L"bordercolor",
                                 L"borderround",
                                 L"enabled",
                                 L"visible",
                                 L"mouse",
                                 L"keyboard"};

const wchar_t* const kValues[] = {L"",
                                  L"0",
                                  L"-1",
                                  L"-2147483648",
                                  L"99999999999",
                                  L"true",
                                  L"TRUE",
                                  L"center vcenter bottom right",
                                  L"#",
                                  L"0x",
                                  L"#FFFFFFFFFFFF",
                                  L"1,2",
                                  L"-5,-5,-5,-5",
                                  L"9999,9999,-9999,-9999",
                                  L"file='btn_states.png' source='0,0,-5,-5' corner='99,99,99,99'",
                                  L"file='btn_strip.png' dest='-9,-9,9999,9999'",
                                  L"file='no_such.png'",
                                  L"file='",
                                  L"res='' restype='x' mask='0x'",
                                  L"g",
                                  L"{\\n}x{\\n}",
                                  L"%s%s%n"};

using Factory = CControlUI* (*)();

void Exercise(CControlUI* pControl, CHorizontalLayoutUI* pRow, CTestDib& dib)
{
    pRow->SetPos(RECT{0, 0, 120, 40}, false);
    const RECT& rc = pControl->GetPos();
    ASSERT_LE(rc.left, rc.right);
    ASSERT_LE(rc.top, rc.bottom);
    pRow->Paint(dib.DC(), dib.Bounds());
    const EventType events[] = {EventType::MouseEnter, EventType::ButtonDown, EventType::MouseMove,
                                EventType::ButtonUp,   EventType::KeyDown,    EventType::Timer,
                                EventType::SetFocus,   EventType::KillFocus,  EventType::MouseLeave};
    for (EventType type : events)
        SendEvent(pControl, type, 5, 5, VK_SPACE);
    if (CProgressUI* pProgress = static_cast<CProgressUI*>(pControl->GetInterface(L"Progress")))
    {
        pProgress->SetValue(50);
        pProgress->SetValue(-7);
    }
}

} // namespace

TEST(ControlMutation, HostileAttributeValuesNeverCrash)
{
    const Factory factories[] = {&CLabelUI::CreateControl,         &CButtonUI::CreateControl,
                                 &COptionUI::CreateControl,        &CProgressUI::CreateControl,
                                 &CRichEditUI::CreateControl,      &CHorizontalLayoutUI::CreateControl,
                                 &CVerticalLayoutUI::CreateControl};
    CTestDib dib(120, 40);
    for (Factory create : factories)
    {
        CPaintManagerUI manager;
        manager.AddFont(0, L"Tahoma", 12, false, false, false);
        CHorizontalLayoutUI* pRow = new CHorizontalLayoutUI;
        manager.AttachDialog(pRow);
        CControlUI* pControl = create();
        pRow->Add(pControl);
        if (CContainerUI* pContainer = static_cast<CContainerUI*>(pControl->GetInterface(L"Container")))
        {
            pContainer->Add(new CLabelUI);
            pContainer->Add(new CControlUI);
        }
        SCOPED_TRACE(pControl->GetClass());
        pControl->SetAttribute(L"stateimage", L"file='btn_strip.png'");
        pControl->SetAttribute(L"selectedstateimage", L"file='btn_strip.png'");
        for (const wchar_t* pName : kNames)
        {
            for (const wchar_t* pValue : kValues)
            {
                pControl->SetAttribute(pName, pValue);
                // Kept visible and enabled so that every value is painted and clicked.
                pControl->SetAttribute(L"visible", L"true");
                pControl->SetAttribute(L"enabled", L"true");
                Exercise(pControl, pRow, dib);
            }
        }
        pControl->SetAttribute(nullptr, L"x");
        pControl->SetAttribute(L"text", nullptr);
    }
}
