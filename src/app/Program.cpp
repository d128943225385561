// Tintwell - the program object.
#include "app/Program.h"

#include "platform/services/AppInfo.h"

Program::Program(ProgramServices services)
    : services_(std::move(services)), formContext_{services_.screen, loadedForms_}, colors_([this] {
          return std::make_unique<frmColors>(
              formContext_, MainWindowServices{services_.messages, services_.beep,
                                               services_.instance, *this, services_.endProcess});
      }),
      help_([this] { return std::make_unique<frmHelp>(formContext_); }), about_([this] {
          return std::make_unique<frmAbout>(
              formContext_, AboutServices{currentAppInfo(), services_.urlOpener, services_.clock});
      })
{
}

Program::~Program() = default;

bool Program::start()
{
    frmColors &main = colors_.get();
    if (main.isEnding()) {
        return false;
    }
    main.showModeless();
    return true;
}

// The print-size dialog comes with its own window; until then it opens nothing.
void Program::showPrintSize() {}

void Program::showHelp()
{
    help_.get().showModal();
}

void Program::showAbout()
{
    about_.get().showModal();
}
