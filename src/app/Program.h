// Tintwell - the program object: the services, and the windows it creates on
// first use and destroys when they unload.
#pragma once

#include "app/MainWindowCommands.h"
#include "app/frmColors.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "platform/forms/FormInstance.h"
#include "platform/forms/LoadedForms.h"

#include <functional>

class BeepService;
class Clock;
class MessageBoxService;
class ScreenMetrics;
class SingleInstance;
class UrlOpener;

struct ProgramServices
{
    MessageBoxService &messages;
    BeepService &beep;
    const ScreenMetrics &screen;
    SingleInstance &instance;
    UrlOpener &urlOpener;
    const Clock &clock;
    std::function<void()> endProcess;
};

class Program : public MainWindowCommands
{
  public:
    explicit Program(ProgramServices services);
    ~Program() override;
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Loads the main window and shows it; false when the load ended the
    // program (another copy is running).
    bool start();

    [[nodiscard]] frmColors &colors() { return colors_.get(); }
    [[nodiscard]] frmHelp &help() { return help_.get(); }
    [[nodiscard]] frmAbout &about() { return about_.get(); }
    [[nodiscard]] LoadedForms &loadedForms() { return loadedForms_; }
    [[nodiscard]] const FormContext &formContext() const { return formContext_; }

    void showPrintSize() override;
    void showHelp() override;
    void showAbout() override;

  private:
    ProgramServices services_;
    LoadedForms loadedForms_;
    FormContext formContext_;
    FormInstance<frmColors> colors_;
    FormInstance<frmHelp> help_;
    FormInstance<frmAbout> about_;
};
