// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the about window: name, version, makers, a disclaimer and the
// links to the makers' web site and mail, in the colour being mixed.
#pragma once

#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/TextBox.h"
#include "platform/services/AppInfo.h"

class Clock;
class UrlOpener;

struct AboutServices
{
    AppInfo info;
    UrlOpener &urlOpener;
    const Clock &clock;
};

class frmAbout final : public Form
{
    Q_OBJECT

  public:
    frmAbout(const FormContext &context, AboutServices services);

    PictureBox &picIcon = add<PictureBox>(QStringLiteral("picIcon"));
    Label &lblTitle = add<Label>(QStringLiteral("lblTitle"));
    CommandButton &cmdOK = add<CommandButton>(QStringLiteral("cmdOK"));
    Label &lblVersion = add<Label>(QStringLiteral("lblVersion"));
    Label &lblCompanyName = add<Label>(QStringLiteral("lblCompanyName"));
    Label &lblRights = add<Label>(QStringLiteral("lblRights"));
    Line &Line1_0 = add<Line>(QStringLiteral("Line1(0)"));
    TextBox &txtDisclaimer = add<TextBox>(QStringLiteral("txtDisclaimer"), TextLines::Multi);
    Line &Line1_4 = add<Line>(QStringLiteral("Line1(4)"));
    Label &lblMail = add<Label>(QStringLiteral("lblMail"));
    Label &lblWeb = add<Label>(QStringLiteral("lblWeb"));

  protected:
    void Form_Load() override;
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;

  private:
    void designWindow();
    void designControls();
    void designLink(Label &link, const QString &caption, const QString &tip, double left, int tab);
    void connectLink(Label &link, const QString &address);
    void highlightLink(Label &link);
    // A text colour of the design, or black or white where it would not
    // read on the mix the window is painted in.
    [[nodiscard]] ColorValue onMix(ColorValue wanted) const;

    AboutServices services_;
    ColorValue mix_ = RGB(0, 192, 192);
};
