// Tintwell - the current colour and the number boxes' shared helpers.
#include "app/modSetColor.h"

#include "app/frmColors.h"
#include "platform/forms/Form.h"
#include "platform/forms/TextBox.h"

ColorValue CurrentColor = 0;

void SetCurrentColor(frmColors &colors)
{
    CurrentColor = RGB(colors.hsbRed.Value(), colors.hsbGreen.Value(), colors.hsbBlue.Value());
    colors.Picture1.setBackColor(CurrentColor);
}

void SelectActiveText(const Form &form)
{
    if (auto *box = dynamic_cast<TextBox *>(form.ActiveControl())) {
        box->selectAll();
    }
}
