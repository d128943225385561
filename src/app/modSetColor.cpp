// Tintwell - the current colour and the number boxes' shared helpers.
#include "app/modSetColor.h"

#include "app/frmColors.h"
#include "platform/forms/TextBox.h"

#include <QApplication>

ColorValue CurrentColor = 0;

void SetCurrentColor(frmColors &colors)
{
    CurrentColor = RGB(colors.hsbRed.Value(), colors.hsbGreen.Value(), colors.hsbBlue.Value());
    colors.Picture1.setBackColor(CurrentColor);
}

void SelectActiveText()
{
    if (TextBox *box = TextBox::fromWidget(QApplication::focusWidget())) {
        box->setSelStart(0);
        box->setSelLength(static_cast<int>(box->Text().size()));
    }
}
