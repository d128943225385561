// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the program object.
#include "app/program/Program.h"

#include "app/main_window/ChannelText.h"
#include "app/main_window/frmColors.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "platform/services/AppInfo.h"
#include "preview/SwatchCommands.h"
#include "preview/frmPrint.h"
#include "preview/frmPrintSetup.h"

#include <QPixmapCache>

namespace {

// Qt's style keeps the pieces it draws (a button's bevel, a frame) in the
// program's pixmap cache, under the identity of the palette they were drawn
// with, and each opening of a window makes new palettes (its colours): what
// was kept for the last opening is never asked for again. Qt's 10 MiB would
// fill with them (opening the preview a thousand times did); this keeps
// what the windows on the screen use, the oldest going first.
constexpr int PixmapCacheKiB = 512;

} // namespace

Program::Program(ProgramServices services)
    : services_(std::move(services)), formContext_{.screen = services_.screen,
                                                   .programForms = programForms_,
                                                   .pictures = pictures_},
      colors_([this] {
          return std::make_unique<frmColors>(
              formContext_, MainWindowServices{.messages = services_.messages,
                                               .beep = services_.beep,
                                               .instance = services_.instance,
                                               .commands = *this,
                                               .endProcess = services_.endProcess});
      }),
      swatchCommands_(std::make_unique<SwatchCommands>(services_.messages, services_.output)),
      printSetup_([this] {
          return std::make_unique<frmPrintSetup>(formContext_,
                                                 PrintSetupServices{.messages = services_.messages,
                                                                    .beep = services_.beep,
                                                                    .links = *this});
      }),
      preview_([this] {
          return std::make_unique<frmPrint>(
              formContext_, PreviewServices{.links = *this, .output = *swatchCommands_});
      }),
      help_([this] { return std::make_unique<frmHelp>(formContext_); }), about_([this] {
          return std::make_unique<frmAbout>(formContext_,
                                            AboutServices{.info = currentAppInfo(),
                                                          .urlOpener = services_.urlOpener,
                                                          .clock = services_.clock});
      })
{
}

Program::~Program() = default;

frmColors &Program::colors()
{
    return colors_.get();
}

frmHelp &Program::help()
{
    return help_.get();
}

frmAbout &Program::about()
{
    return about_.get();
}

bool Program::start()
{
    QPixmapCache::setCacheLimit(PixmapCacheKiB);
    frmColors &main = colors_.get();
    if (main.isEnding()) {
        return false;
    }
    main.showModeless();
    return true;
}

void Program::showPrintSize()
{
    frmPrintSetup &dialog = printSetup_.get();
    if (dialog.isVisible()) {
        dialog.hideForm(); // left open over the preview: it comes back modal
    }
    dialog.showModal();
}

ColorValue Program::sampleColor()
{
    return colors().Picture1.BackColor();
}

ChannelTexts Program::channelTexts()
{
    frmColors &main = colors();
    return {.red = channelAmount(main.txtRed.Text(), main.hsbRed.Value()),
            .green = channelAmount(main.txtGreen.Text(), main.hsbGreen.Value()),
            .blue = channelAmount(main.txtBlue.Text(), main.hsbBlue.Value())};
}

frmPrintSetup &Program::printSetup()
{
    return printSetup_.get();
}

void Program::showPreview()
{
    colors().hideForm();
    preview_.get().showModeless();
}

void Program::showMainWindow()
{
    colors().showModeless();
}

void Program::showHelp()
{
    help_.get().showModal();
}

void Program::showAbout()
{
    about_.get().showModal();
}
