// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - a form holding one control of every kind, some nested.
#pragma once

#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/MenuItem.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/TextBox.h"

#include <QAction>
#include <QStringList>
#include <functional>

// The action that shows a menu item on its window's menus.
inline QAction *actionOf(const QWidget &window, const MenuItem &item)
{
    return window.findChild<QAction *>(item.Name());
}

class TestForm final : public Form
{
  public:
    explicit TestForm(const FormContext &context, const QString &name = QStringLiteral("TestForm"))
        : Form(context, name)
    {
        setCaption(name);
        setFixedBorder(true);
        setClientSize(6000, 4500);
        panel.Move({300, 300, 3000, 1500});
        nestedText.Move({150, 300, 1200, 360});
        text.Move({3600, 300, 1200, 360});
        label.Move({3600, 900, 1000, 240});
        label.setCaption(QStringLiteral("Amount"));
        combo.Move({3600, 1500, 1500, 360});
        bar.Move({300, 2100, 3000, 300});
        bar.setRange(0, 255);
        ok.Move({3600, 2100, 1200, 450});
        ok.setCaption(QStringLiteral("&OK"));
        cancel.Move({3600, 2700, 1200, 450});
        cancel.setCaption(QStringLiteral("Cancel"));
        picture.Move({300, 2700, 1500, 900});
        pictureLabel.Move({75, 75, 600, 240});
        pictureLabel.setCaption(QStringLiteral("Inside"));
        rule.setEnds(0, 3900, 6000, 3900);
        notes.Move({1800, 2700, 1500, 900});
        text.setTabIndex(0);
        nestedText.setTabIndex(1);
        combo.setTabIndex(2);
        bar.setTabIndex(3);
        ok.setTabIndex(4);
        cancel.setTabIndex(5);
    }

    PictureBox &panel = add<PictureBox>(QStringLiteral("panel"));
    TextBox &nestedText = add<TextBox>(QStringLiteral("nestedText"), TextLines::Single, &panel);
    TextBox &text = add<TextBox>(QStringLiteral("text"));
    Label &label = add<Label>(QStringLiteral("label"));
    ComboBox &combo = add<ComboBox>(QStringLiteral("combo"));
    ScrollBar &bar = add<ScrollBar>(QStringLiteral("bar"));
    CommandButton &ok = add<CommandButton>(QStringLiteral("ok"));
    CommandButton &cancel = add<CommandButton>(QStringLiteral("cancel"));
    PictureBox &picture = add<PictureBox>(QStringLiteral("picture"));
    Label &pictureLabel = add<Label>(QStringLiteral("pictureLabel"), &picture);
    Line &rule = add<Line>(QStringLiteral("rule"));
    TextBox &notes = add<TextBox>(QStringLiteral("notes"), TextLines::Multi);
    MenuItem &mnuFile = addMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    MenuItem &mnuOpen =
        addMenuItem(mnuFile, QStringLiteral("mnuOpen"), QStringLiteral("&Open"), Qt::Key_F5);
    MenuItem &mnuSep = addMenuItem(mnuFile, QStringLiteral("mnuSep"), QStringLiteral("-"));

    // What happened to the form, in order.
    QStringList events;
    bool refuseUnload = false;
    // Told of the unload, for tests that follow several forms at once.
    std::function<void(const QString &)> journal;

    using Form::setBackColor;
    using Form::setCancelButton;
    using Form::setDefaultButton;
    using Form::setKeyPreview;
    using Form::setShowInTaskbar;
    using Form::setStartUpPosition;

  protected:
    void Form_Load() override { events << QStringLiteral("load"); }
    bool Form_QueryUnload() override
    {
        events << QStringLiteral("queryUnload");
        return !refuseUnload;
    }
    void Form_Activate() override { events << QStringLiteral("activate"); }
    void Form_Resize() override { events << QStringLiteral("resize"); }
    void Form_Unload() override
    {
        events << QStringLiteral("unload");
        if (journal) {
            journal(objectName());
        }
    }
    void Form_KeyUp(int key, Qt::KeyboardModifiers) override
    {
        events << QStringLiteral("keyUp %1").arg(key);
    }
    void Form_MouseMove(Qt::MouseButtons, QPointF) override
    {
        events << QStringLiteral("form move");
    }
};
