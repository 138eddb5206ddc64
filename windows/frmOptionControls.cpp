// SPDX-License-Identifier: GPL-3.0-or-later
// The options window's controls, taken from its Designer form: a control
// array's member n is the form's object of the array's name with "_n".
#include "windows/frmOptionControls.h"

#include "controls/digit/M_Degit.h"
#include "windows/ColorButton.h"
#include "windows/WrappingButton.h"
#include "ui_frmOption.h"

namespace kerubara {

frmOptionControls::frmOptionControls(const Ui::frmOption &form)
    : Option1{form.Option1_0, form.Option1_1, form.Option1_2, form.Option1_3, form.Option1_4, form.Option1_5}
    , Frame1{form.Frame1_0, form.Frame1_1, form.Frame1_2, form.Frame1_3, form.Frame1_4, form.Frame1_5}
    , Command4(form.Command4)
    , cboLanguage(form.cboLanguage)
    , lblLanguageNote(form.lblLanguageNote)
    , Text2{form.Text2_0, form.Text2_1}
    , Command3{form.Command3_0, form.Command3_1}
    , Command10{form.Command10_0, form.Command10_1}
    , Check1(form.Check1)
    , Frame3(form.Frame3)
    , Command5{form.Command5_0, form.Command5_1, form.Command5_2}
    , Combo2(form.Combo2)
    , Check2(form.Check2)
    , Frame4(form.Frame4)
    , Option3{form.Option3_0, form.Option3_1, form.Option3_2, form.Option3_3, form.Option3_4, form.Option3_5, form.Option3_6, form.Option3_7}
    , Frame6{form.Frame6_0, form.Frame6_1, form.Frame6_2}
    , txtSelectPanel{form.txtSelectPanel_0, form.txtSelectPanel_1, form.txtSelectPanel_2}
    , Command6{form.Command6_0, form.Command6_1, form.Command6_2}
    , Frame5{form.Frame5_0, form.Frame5_1}
    , Command8{form.Command8_0, form.Command8_1, form.Command8_2}
    , M_Degit1(form.M_Degit1)
    , Check3{form.Check3_0, form.Check3_1, form.Check3_2, form.Check3_3, form.Check3_4}
    , Combo4{form.Combo4_0, form.Combo4_1, form.Combo4_2, form.Combo4_3, form.Combo4_4}
    , Frame11(form.Frame11)
    , Frame12(form.Frame12)
    , Command9{form.Command9_0, form.Command9_1, form.Command9_2}
    , Combo3(form.Combo3)
    , Check4(form.Check4)
    , Combo6(form.Combo6)
    , Combo5(form.Combo5)
    , Check5(form.Check5)
    , txtSelectSound{form.txtSelectSound_0, form.txtSelectSound_1, nullptr, form.txtSelectSound_3, form.txtSelectSound_4, form.txtSelectSound_5, form.txtSelectSound_6, form.txtSelectSound_7, form.txtSelectSound_8, form.txtSelectSound_9, form.txtSelectSound_10}
    , cmdSelectSound{form.cmdSelectSound_0, form.cmdSelectSound_1, nullptr, form.cmdSelectSound_3, form.cmdSelectSound_4, form.cmdSelectSound_5, form.cmdSelectSound_6, form.cmdSelectSound_7, form.cmdSelectSound_8, form.cmdSelectSound_9, form.cmdSelectSound_10}
    , Option5{form.Option5_0, form.Option5_1}
    , Frame2{form.Frame2_0, form.Frame2_1}
    , Option2{form.Option2_0, form.Option2_1, form.Option2_2, form.Option2_3}
    , Combo1(form.Combo1)
    , Frame8(form.Frame8)
    , Frame9(form.Frame9)
    , Option6{form.Option6_0, form.Option6_1}
    , Option7{form.Option7_0, form.Option7_1}
    , txtStopRequestSound(form.txtStopRequestSound)
    , cmdStopRequestSound(form.cmdStopRequestSound)
    , chkUseSeiriPrev(form.chkUseSeiriPrev)
    , Frame10(form.Frame10)
    , txtSeiriPlgDir(form.txtSeiriPlgDir)
    , Command1(form.Command1)
    , Command11(form.Command11)
    , List1(form.List1)
    , txtPlginComment(form.txtPlginComment)
    , Frame7(form.Frame7)
    , Option4{form.Option4_0, form.Option4_1, form.Option4_2}
    , Label10(form.Label10)
    , Command7(form.Command7)
{
}

} // namespace kerubara
