// Tintwell - the program object.
#include "app/Program.h"

Program::Program(ProgramServices services)
    : services_(std::move(services)), formContext_{services_.screen, loadedForms_}, colors_([this] {
          return std::make_unique<frmColors>(
              formContext_, MainWindowServices{services_.messages, services_.beep,
                                               services_.instance, *this, services_.endProcess});
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

// The print-size dialog, the help window and the about window come with
// their own windows; until then these commands open nothing.
void Program::showPrintSize() {}
void Program::showHelp() {}
void Program::showAbout() {}
