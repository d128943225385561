// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the instructions that the help window shows.
#include "info/HelpText.h"

#include <QStringList>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

QString paragraph(std::initializer_list<const char *> pieces, int lineBreaks)
{
    QString text;
    for (const char *piece : pieces) {
        text += QString::fromLatin1(piece);
    }
    return text + LineBreak.repeated(lineBreaks);
}

} // namespace

QString HelpText()
{
    // The pieces are kept as they are laid out on screen: the blanks that
    // open a paragraph and the two blanks after a full stop are meant.
    return paragraph({"You can get rid of this screen by ", "pushing the Esc Key."}, 3) +
           paragraph({"     You can use this program to create any one of ",
                      "16 million colors.  You can then print the color and ",
                      "take it to your favorite paint store to have the color ",
                      "matched in your favorite paint product."},
                     2) +
           paragraph({"     It is recommended that you set ",
                      "your screen resolution to 32 bit for the best match ",
                      "between your screen and printer.  For best results ",
                      "you should also set your printer to the highest ",
                      "quality possible.  You will also get better results ",
                      "if you use Photo Quality Paper."},
                     2) +
           paragraph({"     It may take some practice to get the color you want, ",
                      "but it is better than trying to look at the hundreds ",
                      "of colors on a paint wheel or at the store.",
                      "     If you have questions or would like further enhancements, ",
                      "you can reach us through About in the Help menu of the main screen."},
                     2) +
           paragraph({"     On the main screen you can pick a Basic ",
                      "Color as a starting point.  From there use the color ",
                      "scroll bars to adjust to the desired color or you can ",
                      "enter numbers in the text boxes.  Valid numbers are ", "from 0-255."},
                     2) +
           paragraph({"     Once you have the color you want ",
                      "you can then select the View Color Button or ",
                      "View Color ... from the File Menu."},
                     2) +
           paragraph({"    You can set the size of the color ",
                      "that you want to print on the screen from the Print ",
                      "Setup dialog box. Valid numbers are 1-9 for the ",
                      "Height and 1-7 for the Width."},
                     2) +
           paragraph({"     When you select OK you will see the color you created ",
                      "with the size that you selected.  On the picture of the color ",
                      "you will see the amounts used for Red, Green and Blue.  ",
                      "Use this to re-calculate the amounts of each color ",
                      "if you don't like the color you can re-calculate it again.",
                      "You will know where you left off with the last attempt."},
                     2);
}
