// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the main window: three colour channels, the sample, the basic
// colours and the program's commands.
#include "app/main_window/frmColors.h"

#include "app/main_window/BasicColorTable.h"
#include "app/main_window/ChannelText.h"
#include "app/main_window/MainWindowCommands.h"
#include "layout/modResize.h"
#include "platform/core/RaisedError.h"
#include "platform/forms/FormPictures.h"
#include "platform/forms/ProgramForms.h"
#include "platform/services/BeepService.h"
#include "platform/services/MessageBoxService.h"
#include "platform/services/SingleInstance.h"
#include "shared/modSetColor.h"

#include <QIcon>
#include <cmath>

namespace {

constexpr int StartColorIndex = 4; // "Cyan" in the sorted list

} // namespace

frmColors::frmColors(const FormContext &context, MainWindowServices services)
    : Form(context, QStringLiteral("frmColors")), services_(std::move(services))
{
    designWindow();
    designControls();
    connectHandlers();
}

void frmColors::designWindow()
{
    setCaption(QStringLiteral("Tintwell . . ."));
    setBackColor(RGB(0, 153, 153));
    setFixedBorder(true);
    setClientSize(9825, 6840);
    setStartUpPosition(StartUpPosition::CenterScreen);
    setKeyPreview(true);
    setCancelButton(&cmdExit);
    setWindowIcon(pictures().fileIcon(QStringLiteral(":/tintwell/tintwell-32.png")));
}

void frmColors::designControls()
{
    Control::setFontOfAll(Controls(), QStringLiteral("Arial"), 9.75);
    Picture1.Move({-480, -60, 10080, 4380});
    Picture1.setTabIndex(14);
    Picture1.setBackColor(0);
    Picture1.setForeColor(RGB(255, 255, 255));
    Picture1.setAccessibleRole(AccessibleRole::Graphic);
    Picture1.setAccessibleName(QStringLiteral("Color sample"));

    designChannel({hsbRed, txtRed}, lblRed, QStringLiteral("Red"), {375, 4710, 345, 240},
                  {825, 4710, 4200, 345}, {5085, 4695, 555, 360}, 5, 3, 0);
    designChannel({hsbGreen, txtGreen}, lblGreen, QStringLiteral("Green"), {180, 5220, 525, 240},
                  {825, 5250, 4200, 345}, {5100, 5235, 555, 360}, 9, 4, 1);
    designChannel({hsbBlue, txtBlue}, lblBlue, QStringLiteral("Blue"), {345, 5790, 390, 240},
                  {825, 5790, 4200, 345}, {5100, 5775, 555, 360}, 12, 6, 2);

    const QString pickHint = QStringLiteral("To Get Started, Pick A Basic Color");
    lblBasicColors.Move({5955, 5040, 1920, 375});
    lblBasicColors.setCaption(QStringLiteral("Basic Colors:"));
    lblBasicColors.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblBasicColors.setFontUnderline(true);
    lblBasicColors.setAutoSize(true);
    lblBasicColors.setToolTipText(pickHint);
    lblBasicColors.setTabIndex(8);
    lstColors.Move({5955, 5370, 1935, 360});
    lstColors.setForeColor(RGB(0, 0, 255));
    lstColors.setToolTipText(pickHint);
    lstColors.setAccessibleName(QStringLiteral("Basic colors"));
    lblBasicColors.setBuddy(lstColors);
    lstColors.setTabIndex(11);

    const ColorValue buttonColor = RGB(255, 255, 192);
    struct ButtonDesign
    {
        CommandButton &button;
        const char *caption;
        const char *tip;
        TwipsRect box;
        int tab;
    };
    for (const ButtonDesign &d : {
             ButtonDesign{
                 cmdViewColor, "&View Color (F2)", "View The Color", {8250, 4650, 1095, 615}, 7},
             ButtonDesign{cmdHelp, "&Help (F1)", "Program Help", {8250, 5310, 1095, 435}, 10},
             ButtonDesign{cmdExit, "E&xit (F3)", "Exit Program", {8235, 5790, 1095, 435}, 13},
         }) {
        d.button.Move(d.box);
        d.button.setCaption(QString::fromLatin1(d.caption));
        d.button.setToolTipText(QString::fromLatin1(d.tip));
        d.button.setBackColor(buttonColor);
        d.button.setTabIndex(d.tab);
    }
}

void frmColors::designChannel(const Channel &channel, Label &label, const QString &name,
                              const TwipsRect &labelBox, const TwipsRect &barBox,
                              const TwipsRect &textBox, int labelTab, int barTab, int textTab)
{
    label.Move(labelBox);
    label.setCaption(name);
    label.setAutoSize(true);
    label.setTabIndex(labelTab);

    channel.bar.Move(barBox);
    channel.bar.setRange(0, 255);
    channel.bar.setSmallChange(1);
    channel.bar.setLargeChange(10);
    channel.bar.setTabIndex(barTab);
    channel.bar.setAccessibleName(name);

    channel.box.Move(textBox);
    channel.box.setMaxLength(ChannelTextLength);
    channel.box.setAlignment(Qt::AlignHCenter);
    channel.box.setToolTipText(QStringLiteral("Enter A Number (1-255)"));
    channel.box.setTabIndex(textTab);
    channel.box.setAccessibleName(name + QStringLiteral(" amount"));
}

void frmColors::connectHandlers()
{
    connectChannel({hsbRed, txtRed});
    connectChannel({hsbGreen, txtGreen});
    connectChannel({hsbBlue, txtBlue});
    lstColors.onClick = [this] { lstColors_Click(); };

    cmdViewColor.onClick = [this] { viewColor(); };
    mnuViewColor.onClick = [this] { viewColor(); };
    cmdHelp.onClick = [this] { services_.commands.showHelp(); };
    mnuInstructions.onClick = [this] { services_.commands.showHelp(); };
    mnuAbout.onClick = [this] { services_.commands.showAbout(); };
    cmdExit.onClick = [this] { RunExitSequence(); };
    mnuExit.onClick = [this] { RunExitSequence(); };
}

void frmColors::connectChannel(const Channel &channel)
{
    // Both events run the same steps: the thumb's drag updates continuously.
    channel.bar.onChange = [this, channel] { scrollBarSteps(channel); };
    channel.bar.onScroll = [this, channel] { scrollBarSteps(channel); };
    channel.box.onChange = [this, channel] { textSteps(channel); };
    channel.box.onKeyPress = [this](int &keyAscii) { keyFilter(keyAscii); };
    channel.box.onGotFocus = [this] { SelectActiveText(*this); };
    // Text that is not typed is no question to answer: a non-number is refused silently.
    channel.box.acceptsDroppedText = [](const QString &text) { return isDigitsOnly(text); };
}

void frmColors::Form_Load()
{
    if (services_.instance.anotherInstanceRunning()) {
        services_.messages.show({.text = QStringLiteral("Application Is Currently Running"),
                                 .title = QStringLiteral("SORRY"),
                                 .icon = MsgIcon::Information,
                                 .buttons = MsgButtons::OK});
        RunExitSequence();
        return;
    }
    fillBasicColors();
    UpdateColorList();
    lstColors.setListIndex(StartColorIndex);
    ResizeForm(*this);
}

void frmColors::fillBasicColors()
{
    for (const BasicColor &entry : BasicColorTable) {
        lstColors.AddItem(QString::fromLatin1(entry.name), entry.color);
    }
}

void frmColors::scrollBarSteps(const Channel &channel)
{
    SetCurrentColor(hsbRed, hsbGreen, hsbBlue, Picture1);
    channel.box.setText(QString::number(channel.bar.Value()));
    UpdateColorList();
}

void frmColors::textSteps(const Channel &channel)
{
    const std::optional<double> number = textToScrollBar(channel);
    if (number && *number > 255) {
        channel.box.setText(QStringLiteral("255"));
    }
}

std::optional<double> frmColors::textToScrollBar(const Channel &channel)
{
    const std::optional<double> number = readChannelText(channel.box.Text());
    if (number) {
        // At most 255; a half goes to the even neighbour.
        channel.bar.setValue(static_cast<int>(std::nearbyint(std::min(*number, 255.0))));
    }
    return number;
}

void frmColors::keyFilter(int &keyAscii)
{
    if (isChannelKey(keyAscii)) {
        return;
    }
    services_.beep.beep();
    keyAscii = 0;
    services_.messages.show({.text = QStringLiteral("Numbers Only Please"),
                             .title = QString(),
                             .icon = MsgIcon::Information,
                             .buttons = MsgButtons::OK});
}

void frmColors::UpdateColorList()
{
    const ColorValue sample = Picture1.BackColor();
    for (int i = 0; i < lstColors.ListCount(); ++i) {
        if (lstColors.ItemData(i) == sample) {
            lstColors.setListIndex(i);
        }
    }
}

void frmColors::lstColors_Click()
{
    const int index = lstColors.ListIndex();
    if (index < 0) {
        return;
    }
    const ColorValue c = lstColors.ItemData(index);
    // Each write runs that channel's text steps at once, so the colour passes
    // through the mixtures in between.
    txtRed.setText(QString::number(RedOf(c)));
    txtGreen.setText(QString::number(GreenOf(c)));
    txtBlue.setText(QString::number(BlueOf(c)));
    for (const Channel &channel :
         {Channel{hsbRed, txtRed}, Channel{hsbGreen, txtGreen}, Channel{hsbBlue, txtBlue}}) {
        textToScrollBar(channel);
    }
    Picture1.setBackColor(c);
}

void frmColors::viewColor()
{
    try {
        services_.commands.showPrintSize();
    } catch (const RaisedError &error) {
        services_.messages.show(
            {.text = error.record().description,
             .title = QStringLiteral("Error ") + QString::number(error.record().number),
             .icon = MsgIcon::None,
             .buttons = MsgButtons::OK});
    } catch (const std::exception &error) {
        services_.messages.show({.text = QString::fromLocal8Bit(error.what()),
                                 .title = QStringLiteral("Error 0"),
                                 .icon = MsgIcon::None,
                                 .buttons = MsgButtons::OK});
    }
}

void frmColors::Form_Resize()
{
    Picture1.setLeft((ScaleWidth() - Picture1.Width()) / 2);
}

void frmColors::Form_KeyUp(int keyCode, Qt::KeyboardModifiers)
{
    if (keyCode == Qt::Key_F1) {
        services_.commands.showHelp();
    }
}

bool frmColors::Form_QueryUnload()
{
    // Every close request on the main window ends the whole program.
    RunExitSequence();
    return false;
}

void frmColors::RunExitSequence()
{
    if (ending_) {
        return;
    }
    ending_ = true;
    for (const QPointer<Form> &form : programForms().inLoadOrder()) {
        if (!form || form.data() == this) {
            continue;
        }
        try {
            form->unload();
        } catch (...) {
            // A window that fails to unload does not keep the program running.
        }
    }
    services_.endProcess();
}
