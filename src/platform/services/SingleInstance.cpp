// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - detection of an earlier running copy of the program.
#include "platform/services/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {

QString defaultLockDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    return dir;
}

} // namespace

LockFileSingleInstance::LockFileSingleInstance(const QString &lockDirectory)
    : path_(QDir(lockDirectory.isEmpty() ? defaultLockDirectory() : lockDirectory)
                .filePath(QStringLiteral("tintwell.lock")))
{
    lock_ = std::make_unique<QLockFile>(path_);
}

LockFileSingleInstance::~LockFileSingleInstance()
{
    release();
}

bool LockFileSingleInstance::anotherInstanceRunning()
{
    if (!checked_) {
        checked_ = true;
        QDir().mkpath(QFileInfo(path_).absolutePath());
        // tryLock takes over a lock whose process is gone; a lock that some
        // live copy holds stays, however old it is (the holder keeps an
        // flock on it, which QLockFile checks before removing a stale file).
        locked_ = lock_->tryLock(0);
    }
    return !locked_;
}

QString LockFileSingleInstance::lockFilePath() const
{
    return path_;
}

void LockFileSingleInstance::release()
{
    if (locked_) {
        lock_->unlock();
        locked_ = false;
    }
}
