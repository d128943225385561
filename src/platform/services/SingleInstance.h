// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - detection of an earlier running copy of the program.
#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

class QLockFile;

class SingleInstance
{
  public:
    virtual ~SingleInstance() = default;
    // True when an earlier copy of the program is still running.
    [[nodiscard]] virtual bool anotherInstanceRunning() = 0;
};

// Holds a lock file for as long as this copy runs. The kernel's lock on the
// file goes with the process, so a copy that crashed never blocks the next.
class LockFileSingleInstance final : public SingleInstance
{
  public:
    // lockDirectory empty: the user's runtime directory.
    explicit LockFileSingleInstance(const QString &lockDirectory = {});
    ~LockFileSingleInstance() override;
    // It holds the lock and releases it once: never copied or moved.
    Q_DISABLE_COPY_MOVE(LockFileSingleInstance)

    [[nodiscard]] bool anotherInstanceRunning() override;
    [[nodiscard]] QString lockFilePath() const;
    void release();

  private:
    std::unique_ptr<QLockFile> lock_;
    QString path_;
    bool checked_ = false;
    bool locked_ = false;
};
