// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the program object: the services, and the windows it creates on
// first use and destroys when they unload.
#pragma once

#include "app/main_window/MainWindowCommands.h"
#include "platform/forms/FormInstance.h"
#include "platform/forms/FormPictures.h"
#include "platform/forms/ProgramForms.h"
#include "preview/PreviewLinks.h"

#include <functional>
#include <memory>

class BeepService;
class Clock;
class MessageBoxService;
class ScreenMetrics;
class SingleInstance;
class SwatchCommands;
class UrlOpener;
class frmAbout;
class frmColors;
class frmHelp;
class frmPrint;
class frmPrintSetup;
struct OutputServices;

struct ProgramServices
{
    MessageBoxService &messages;
    BeepService &beep;
    const ScreenMetrics &screen;
    SingleInstance &instance;
    UrlOpener &urlOpener;
    const Clock &clock;
    std::function<void()> endProcess;
    // The printer, the bitmap files and the file dialog.
    OutputServices &output;
};

class Program : public MainWindowCommands, public PreviewLinks
{
  public:
    explicit Program(ProgramServices services);
    ~Program() override;
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Loads the main window and shows it; false when the load ended the
    // program (another copy is running).
    bool start();

    // Each window, loaded on first use.
    [[nodiscard]] frmColors &colors();
    [[nodiscard]] frmHelp &help();
    [[nodiscard]] frmAbout &about();
    [[nodiscard]] ProgramForms &programForms() { return programForms_; }
    [[nodiscard]] const FormContext &formContext() const { return formContext_; }

    void showPrintSize() override;
    void showHelp() override;
    void showAbout() override;

    // What the print-size dialog and the preview read and open.
    [[nodiscard]] ColorValue sampleColor() override;
    [[nodiscard]] ChannelTexts channelTexts() override;
    [[nodiscard]] frmPrintSetup &printSetup() override;
    void showPreview() override;
    void showMainWindow() override;
    // The preview if it is loaded, else null.
    [[nodiscard]] frmPrint *previewIfLoaded() const { return preview_.ifLoaded(); }

  private:
    ProgramServices services_;
    ProgramForms programForms_;
    FormPictures pictures_;
    FormContext formContext_;
    FormInstance<frmColors> colors_;
    std::unique_ptr<SwatchCommands> swatchCommands_;
    FormInstance<frmPrintSetup> printSetup_;
    FormInstance<frmPrint> preview_;
    FormInstance<frmHelp> help_;
    FormInstance<frmAbout> about_;
};
