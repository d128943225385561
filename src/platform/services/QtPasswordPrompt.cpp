// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the window that asks for a print server's password.
#include "platform/services/QtPasswordPrompt.h"

#include "platform/core/KeyboardReturn.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

std::optional<Credentials> QtPasswordPrompt::ask(const PasswordRequest &request)
{
    const KeyboardReturn opener;
    QDialog window(QApplication::activeWindow());
    window.setObjectName(QStringLiteral("passwordWindow"));
    window.setWindowTitle(QStringLiteral("Tintwell"));
    window.setWindowModality(Qt::ApplicationModal);
    window.setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    QString words = QStringLiteral("The print server \"%1\" needs your password to print the "
                                   "color.")
                        .arg(request.server.toHtmlEscaped());
    if (request.again) {
        words = QStringLiteral("The password was not accepted. ") + words;
    }
    auto *text = new QLabel(words, &window);
    text->setWordWrap(true);
    auto *user = new QLineEdit(request.user, &window);
    user->setObjectName(QStringLiteral("user"));
    auto *password = new QLineEdit(&window);
    password->setObjectName(QStringLiteral("password"));
    password->setEchoMode(QLineEdit::Password);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("&User name:"), user);
    fields->addRow(QStringLiteral("&Password:"), password);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &window);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(text);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    password->setFocus();

    const bool given = window.exec() == QDialog::Accepted;
    opener.giveBack();
    std::optional<Credentials> answer;
    if (given) {
        answer = Credentials{.user = user->text(), .password = password->text()};
    }
    password->clear(); // the field's own copy goes now, not with the window
    return answer;
}
