// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - opening a web or mail address with the user's default program.
#pragma once

class QUrl;

class UrlOpener
{
  public:
    virtual ~UrlOpener() = default;
    // Hands the address to the desktop and returns at once; a failure (no
    // program for it, no network) is the desktop's to report, not ours.
    virtual void open(const QUrl &address) = 0;
};

class QtUrlOpener final : public UrlOpener
{
  public:
    void open(const QUrl &address) override;
};
