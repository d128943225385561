// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the about window: name, version, makers, a disclaimer and the
// links to the makers' web site and mail, in the colour being mixed.
#include "info/frmAbout.h"

#include "layout/modResize.h"
#include "platform/core/ReadableText.h"
#include "platform/core/SystemColor.h"
#include "platform/forms/FormPictures.h"
#include "platform/services/Clock.h"
#include "platform/services/ScreenMetrics.h"
#include "platform/services/UrlOpener.h"
#include "shared/modSetColor.h"

#include <QIcon>
#include <QPixmap>
#include <QUrl>

namespace {

constexpr ColorValue Black = RGB(0, 0, 0);
constexpr ColorValue Blue = RGB(0, 0, 255);
constexpr ColorValue Red = RGB(255, 0, 0);

QString disclaimerText()
{
    const QString br = QStringLiteral("\r\n");
    return QStringLiteral("Use this program to pick any ") +
           QStringLiteral("one of 16 million colors created on your computer system.  ") +
           br.repeated(2) +
           QStringLiteral("You may use this program freely and give copies of it to anyone, "
                          "as long as it is passed on whole and unchanged.") +
           br.repeated(2) +
           QStringLiteral("** YOU MAY NOT SELL THIS PROGRAM OR INCLUDE IT WITH ANYTHING SOLD.") +
           br.repeated(2) +
           QStringLiteral("The makers take no responsibility for the use of this program "
                          "or for its results.  You use it at your own risk.") +
           br +
           QStringLiteral("If you find this program useful, please tell us by clicking "
                          "Send Mail below.") +
           br.repeated(3);
}

// True when a point of a control, in twips from its corner, lies inside it.
bool inside(const Control &control, QPointF twips)
{
    return twips.x() >= 0 && twips.y() >= 0 && twips.x() < control.Width() &&
           twips.y() < control.Height();
}

} // namespace

frmAbout::frmAbout(const FormContext &context, AboutServices services)
    : Form(context, QStringLiteral("frmAbout")), services_(std::move(services))
{
    designWindow();
    designControls();
    connectLink(lblWeb, services_.info.webAddress);
    connectLink(lblMail, services_.info.mailAddress);
    picIcon.onMouseMove = [this](Qt::MouseButtons, QPointF) {
        picIcon.setBorder(true);
        lblTitle.setFontBold(true);
        lblTitle.setForeColor(onMix(Red));
    };
    cmdOK.onClick = [this] { hideForm(); };
}

void frmAbout::designWindow()
{
    setFixedBorder(true);
    setShowInTaskbar(false);
    setClientSize(5760, 5955);
    setStartUpPosition(StartUpPosition::CenterOwner);
    setBackColor(RGB(0, 192, 192));
    setDefaultButton(&cmdOK);
    setCancelButton(&cmdOK);
    setWindowIcon(pictures().fileIcon(QStringLiteral(":/tintwell/tintwell-32.png")));
}

void frmAbout::designControls()
{
    Control::setFontOfAll(Controls(), QStringLiteral("Arial"), 12);
    const QPixmap icon(QStringLiteral(":/tintwell/tintwell-48.png"));
    const ScreenMetrics &screen = screenMetrics();
    picIcon.Move({195, 75, screen.toTwipsX(icon.width()), screen.toTwipsY(icon.height())});
    picIcon.setBackColor(RGB(192, 192, 192));
    picIcon.setPicture(icon);
    picIcon.setTabIndex(1);
    picIcon.setAccessibleRole(AccessibleRole::Graphic);
    picIcon.setAccessibleName(QStringLiteral("Program icon"));

    lblTitle.Move({1290, 240, 3105, 480});
    lblTitle.setCaption(QStringLiteral("Application Title"));
    lblTitle.setForeColor(Black);
    lblTitle.setTabIndex(2);

    cmdOK.Move({4440, 600, 1080, 525});
    cmdOK.setCaption(QStringLiteral("OK"));
    cmdOK.setToolTipText(QStringLiteral("Close"));
    cmdOK.setBackColor(RGB(0, 192, 192));
    cmdOK.setTabIndex(0);

    struct InfoLine
    {
        Label &label;
        const char *caption;
        double top;
        int tab;
    };
    for (const InfoLine &d : {InfoLine{lblVersion, "Version", 840, 7},
                              InfoLine{lblCompanyName, "Company Name", 1440, 6},
                              InfoLine{lblRights, "Copyright", 2040, 5}}) {
        d.label.Move({450, d.top, 0, 0});
        d.label.setCaption(QString::fromLatin1(d.caption));
        d.label.setAutoSize(true);
        d.label.setForeColor(Black);
        d.label.setTabIndex(d.tab);
    }
    lblCompanyName.setForeColor(SystemColor(SystemColorIndex::ButtonText));

    Line1_0.setEnds(0, 2760, 5760, 2760);
    Line1_4.setEnds(5760, 5280, 0, 5280);
    txtDisclaimer.Move({120, 2880, 5475, 2235});
    txtDisclaimer.setLocked(true);
    txtDisclaimer.setColors(RGB(255, 255, 192), Blue);
    txtDisclaimer.setTabIndex(8);
    txtDisclaimer.setAccessibleName(QStringLiteral("Disclaimer"));
    for (Line *line : {&Line1_0, &Line1_4}) {
        line->setAccessibleRole(AccessibleRole::Separator);
    }

    designLink(lblMail, QStringLiteral("Send Mail"), QStringLiteral("Send Us Your Comments."), 705,
               4);
    designLink(lblWeb, QStringLiteral("Web Site"), QStringLiteral("Visit Our Web Site."), 3930, 3);
}

void frmAbout::designLink(Label &link, const QString &caption, const QString &tip, double left,
                          int tab)
{
    link.Move({left, 5520, 0, 0});
    link.setCaption(caption);
    link.setAlignment(Qt::AlignCenter);
    link.setAutoSize(true);
    link.setForeColor(Black);
    link.setToolTipText(tip);
    link.setMousePointer(Qt::PointingHandCursor); // a link, as elsewhere on the desktop
    link.setTabIndex(tab);
}

void frmAbout::connectLink(Label &link, const QString &address)
{
    link.setLink([this, address] { services_.urlOpener.open(QUrl(address)); });
    link.onMouseMove = [this, &link](Qt::MouseButtons, QPointF) { highlightLink(link); };
    link.onMouseDown = [this, &link](Qt::MouseButtons, QPointF) {
        link.setBorder(true);
        // After a click Enter and Esc close the window again, even when Tab
        // had brought the keyboard to a link.
        cmdOK.setFocus();
    };
    link.onMouseUp = [this, &link, address](Qt::MouseButtons buttons, QPointF twips) {
        link.setBorder(false);
        // A click: the left button pressed and released on the link.
        if (buttons.testFlag(Qt::LeftButton) && inside(link, twips)) {
            services_.urlOpener.open(QUrl(address));
        }
    };
}

void frmAbout::highlightLink(Label &link)
{
    link.setFontBold(true);
    link.setFontUnderline(true);
    link.setForeColor(onMix(Blue));
}

void frmAbout::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    // Only the window's own background takes the highlights away: moving
    // from a link onto another control keeps them.
    for (Label *link : {&lblMail, &lblWeb}) {
        link->setFontBold(false);
        link->setFontUnderline(false);
        link->setForeColor(onMix(SystemColor(SystemColorIndex::ButtonText)));
    }
    picIcon.setBorder(false);
    lblTitle.setFontBold(false);
    lblTitle.setForeColor(onMix(Black));
}

ColorValue frmAbout::onMix(ColorValue wanted) const
{
    return readableOr(wanted, mix_);
}

void frmAbout::Form_Load()
{
    const AppInfo &info = services_.info;
    setCaption(QStringLiteral("About ") + info.productName + QStringLiteral("..."));
    lblVersion.setCaption(QStringLiteral("Version %1.%2").arg(info.major).arg(info.minor));
    lblTitle.setCaption(info.title);
    // On opening a window Orca reads only its lines of three words or more
    // that its caption does not hold (unrelatedLabels in its script
    // utilities, by design): "Tintwell" and "Version 0.5" would be
    // left out. The title is read with the version, as one line.
    lblTitle.setAccessibleName(info.title + QLatin1Char(' ') + lblVersion.Caption());
    lblCompanyName.setCaption(QStringLiteral("Created by ") + info.companyName);
    lblRights.setCaption(QStringLiteral("All Rights Reserved 2024-") +
                         QString::number(services_.clock.currentYear()));
    txtDisclaimer.setLeft(0);
    txtDisclaimer.setWidth(ScaleWidth());
    txtDisclaimer.setText(disclaimerText());
    // The window is painted in the mix: every text on it must read there,
    // in the colour its design gives it where that reads.
    mix_ = CurrentColor;
    setBackColor(mix_);
    cmdOK.setBackColor(mix_);
    for (Label *label : {&lblTitle, &lblVersion, &lblCompanyName, &lblRights, &lblMail, &lblWeb}) {
        label->setForeColor(onMix(label->ForeColor()));
    }
    ResizeForm(*this);
}
