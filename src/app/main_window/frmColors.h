// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the main window: three colour channels, the sample, the basic
// colours and the program's commands.
#pragma once

#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/MenuItem.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/TextBox.h"

#include <functional>
#include <optional>

class BeepService;
class MainWindowCommands;
class MessageBoxService;
class SingleInstance;

struct MainWindowServices
{
    MessageBoxService &messages;
    BeepService &beep;
    SingleInstance &instance;
    MainWindowCommands &commands;
    // Ends the process at once; no further events run.
    std::function<void()> endProcess;
};

class frmColors final : public Form
{
    Q_OBJECT

  public:
    frmColors(const FormContext &context, MainWindowServices services);

    // Selects the basic colour that equals the sample, if there is one.
    void UpdateColorList();
    // Unloads every other loaded window in load order, then ends the process.
    void RunExitSequence();
    // True once the exit sequence has run (the process is ending).
    [[nodiscard]] bool isEnding() const { return ending_; }

    PictureBox &Picture1 = add<PictureBox>(QStringLiteral("Picture1"));
    Label &lblRed = add<Label>(QStringLiteral("lblRed"));
    ScrollBar &hsbRed = add<ScrollBar>(QStringLiteral("hsbRed"));
    TextBox &txtRed = add<TextBox>(QStringLiteral("txtRed"));
    Label &lblGreen = add<Label>(QStringLiteral("lblGreen"));
    ScrollBar &hsbGreen = add<ScrollBar>(QStringLiteral("hsbGreen"));
    TextBox &txtGreen = add<TextBox>(QStringLiteral("txtGreen"));
    Label &lblBlue = add<Label>(QStringLiteral("lblBlue"));
    ScrollBar &hsbBlue = add<ScrollBar>(QStringLiteral("hsbBlue"));
    TextBox &txtBlue = add<TextBox>(QStringLiteral("txtBlue"));
    Label &lblBasicColors = add<Label>(QStringLiteral("lblBasicColors"));
    ComboBox &lstColors = add<ComboBox>(QStringLiteral("lstColors"));
    CommandButton &cmdViewColor = add<CommandButton>(QStringLiteral("cmdViewColor"));
    CommandButton &cmdHelp = add<CommandButton>(QStringLiteral("cmdHelp"));
    CommandButton &cmdExit = add<CommandButton>(QStringLiteral("cmdExit"));
    MenuItem &mnuFile = addMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    MenuItem &mnuViewColor = addMenuItem(mnuFile, QStringLiteral("mnuViewColor"),
                                         QStringLiteral("&View Color ..."), Qt::Key_F2);
    MenuItem &Sep1 = addMenuItem(mnuFile, QStringLiteral("Sep1"), QStringLiteral("-"));
    MenuItem &mnuExit =
        addMenuItem(mnuFile, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), Qt::Key_F3);
    MenuItem &mnuHelp = addMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    MenuItem &mnuInstructions = addMenuItem(mnuHelp, QStringLiteral("mnuInstructions"),
                                            QStringLiteral("&Instructions"), Qt::Key_F1);
    MenuItem &mnuAbout = addMenuItem(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("&About"));

  protected:
    void Form_Load() override;
    bool Form_QueryUnload() override;
    void Form_Resize() override;
    void Form_KeyUp(int keyCode, Qt::KeyboardModifiers modifiers) override;

  private:
    struct Channel
    {
        ScrollBar &bar;
        TextBox &box;
    };

    void designWindow();
    void designControls();
    void designChannel(const Channel &channel, Label &label, const QString &name,
                       const TwipsRect &labelBox, const TwipsRect &barBox, const TwipsRect &textBox,
                       int labelTab, int barTab, int textTab);
    void connectHandlers();
    void connectChannel(const Channel &channel);
    void scrollBarSteps(const Channel &channel);
    void textSteps(const Channel &channel);
    // Moves the number in a channel's box onto its scroll bar; returns the
    // number read, if the box holds one.
    std::optional<double> textToScrollBar(const Channel &channel);
    void keyFilter(int &keyAscii);
    void lstColors_Click();
    void fillBasicColors();
    void viewColor();

    MainWindowServices services_;
    bool ending_ = false;
};
